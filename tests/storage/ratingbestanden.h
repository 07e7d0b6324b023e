// Builds rating-list records byte by byte, for the tests and benchmarks that write their own
// list files. Texts are given as the file holds them (Windows-1252).
#pragma once

#include <cstdint>
#include <string>

namespace velkaro::test {

struct Nationaal {
    std::string Voornaam, Tussenvoegsel = " ", Voorletters, Achternaam, Extra;
    int32_t Rating = 0;
    std::string Titel;
    int32_t FMJDID = 0;
};

// A length byte and `capaciteit` positions; the unused ones hold rubbish, as real files do.
inline std::string Veld(const std::string& s, std::size_t capaciteit) {
    std::string v(capaciteit + 1, '#');
    const std::size_t n = s.size() < capaciteit ? s.size() : capaciteit;
    v[0] = static_cast<char>(n);
    v.replace(1, n, s.substr(0, n));
    return v;
}

inline std::string Int32(int32_t x) {
    const auto u = static_cast<uint32_t>(x);
    return {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8 & 0xFF),
            static_cast<char>(u >> 16 & 0xFF), static_cast<char>(u >> 24 & 0xFF)};
}

// 80 bytes, or 88 with the title and the FMJD number.
inline std::string NationaalRecord(const Nationaal& n, bool kndb4) {
    std::string r = Veld(n.Voornaam, 10) + Veld(n.Tussenvoegsel, 10) + Veld(n.Voorletters, 10) +
                    Veld(n.Achternaam, 20) + Veld(n.Extra, 10) + Int32(n.Rating);
    if (kndb4) return r + Veld(n.Titel, 14) + Int32(n.FMJDID);
    return r + std::string(11, '\0');
}

// 40 bytes.
inline std::string Elo2Record(const std::string& naam, const std::string& tekst5,
                              const std::string& tekst10, int16_t rating) {
    const auto u = static_cast<uint16_t>(rating);
    return Veld(naam, 20) + Veld(tekst5, 5) + Veld(tekst10, 10) +
           std::string{static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
}

// The 127-byte header and player records of the FMJD files.
inline std::string FMJDKop(const std::string& editie) {
    return Veld(editie, 126);
}

inline std::string FMJDRecord(int32_t id, const std::string& naam, const std::string& voornaam,
                              const std::string& land, const std::string& titel, int32_t rating) {
    return Int32(id) + Veld(naam, 20) + Veld(voornaam, 20) + Veld(land, 20) + Veld(titel, 5) +
           Int32(rating) + std::string(50, ' ');
}

} // namespace velkaro::test
