// Windows-1252 <-> UTF-8. Every file the program reads or writes is Windows-1252; inside,
// all text is UTF-8. A character Windows-1252 cannot hold is written as "?".
#pragma once

#include <string>
#include <string_view>

namespace velkaro {

std::string Windows1252NaarUtf8(std::string_view cp1252);
std::string Utf8NaarWindows1252(std::string_view utf8);

} // namespace velkaro
