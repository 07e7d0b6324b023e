// Names of the competition's files: the base name, the extension, the group files
// (base + "." + (100 + Bestandsnummer)) and the working folder.
#pragma once

#include <cstdint>
#include <string>

namespace velkaro {

// The extension of the file name (from its last point, the point included); empty when the
// file name has none.
std::string Extensie(const std::string& pad);
// The full path without the extension of the file name.
std::string Basisnaam(const std::string& pad);
// The path with its extension replaced by ".xv7".
std::string MetXv7(const std::string& pad);
// The path with `extensie` (".pdf") appended unless its extension already is that one in any
// case: an output of one kind never takes another kind's extension (".xv7" included).
std::string MetExtensie(const std::string& pad, const std::string& extensie);
std::string Groepsbestand(const std::string& pad, int32_t bestandsnummer);
// The lock files of a competition: the base name with ".lck" (held by a program that changes
// the competition, the desktop program for as long as it has it open) and ".lcl" (held by a
// command-line change until its save is done, shared by readers).
std::string Vergrendelbestand(const std::string& pad);
std::string Leesslotbestand(const std::string& pad);
// The desktop program's recovery copy of a competition: the base name with ".herstel".
std::string Herstelbestand(const std::string& pad);
// The folder of a path with its final separator.
std::string Map(const std::string& pad);

} // namespace velkaro
