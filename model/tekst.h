// Small text helpers shared by all layers: capacities counted in characters of UTF-8 text,
// case-insensitive comparison and the formatting used in list lines.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velkaro {

// Number of characters (code points) in UTF-8 text.
std::size_t AantalTekens(std::string_view s);

// The first n characters of s (whole code points).
std::string Kap(std::string_view s, std::size_t n);

// s padded with blanks on the right to at least n characters.
std::string VulRechts(std::string_view s, std::size_t n);
// s padded with blanks on the left to at least n characters.
std::string VulLinks(std::string_view s, std::size_t n);

// Upper case for ASCII and the Latin-1 letters that Windows-1252 can hold.
std::string Hoofdletters(std::string_view s);

// Whole number in decimal, an optional sign, surrounding blanks allowed; nothing else.
std::optional<long long> LeesGetal(std::string_view s);

// Whole number as Pascal's Val reads the start of a line: leading blanks, optional sign,
// digits up to the first non-digit. 0 when there are no digits; saturates to the int32 range.
int LeesGetalBegin(std::string_view s);

std::string Trim(std::string_view s);

} // namespace velkaro
