// The program settings file: an INI file of sections with key=value lines, read and written
// as a whole. Keys and sections compare without regard to case, as INI files do.
#pragma once

#include "storage/competitiebestand.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velkaro {

class Ini {
public:
    // Reads a file; a missing or unreadable file gives an empty one.
    static Ini Lees(const std::string& pad);
    static Ini VanTekst(std::string_view tekst);
    std::string Tekst() const;
    // Writes the whole file (through a temporary file).
    Bestandsresultaat Schrijf(const std::string& pad) const;

    std::optional<std::string> Waarde(const std::string& sectie, const std::string& sleutel) const;
    // An integer; a value beginning with "0x" or "0X" is hexadecimal. Nothing when the key
    // is missing or holds no number.
    std::optional<long long> Getal(const std::string& sectie, const std::string& sleutel) const;
    void Zet(const std::string& sectie, const std::string& sleutel, const std::string& waarde);
    void Zet(const std::string& sectie, const std::string& sleutel, long long waarde);

private:
    struct Sectie {
        std::string Naam;
        std::vector<std::pair<std::string, std::string>> Regels;
    };
    Sectie* Zoek(const std::string& naam);
    const Sectie* Zoek(const std::string& naam) const;
    std::vector<Sectie> secties_;
};

// Where the settings file lives: beside the program when that folder can be written (a
// program unpacked in a folder of its own keeps everything together), else in the user's
// configuration folder (an installed program cannot write beside itself).
std::string InstellingenPad(const std::string& programmaPad, const std::string& configuratiemap);
// True when a file can be created in this folder.
bool MapIsSchrijfbaar(const std::string& map);

} // namespace velkaro
