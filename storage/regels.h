// Line-oriented reading and writing of the competition files: one value per line, CR LF
// line ends, Windows-1252 text, "TRUE"/"FALSE" booleans, 23-character reals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkaro {

// Reads the lines of a file held in memory. Past the end every value reads as 0, false or
// empty, so a truncated file gives a bounded, well-defined result.
class Regellezer {
public:
    explicit Regellezer(std::string_view inhoud) : inhoud_(inhoud) {}

    bool Einde() const { return pos_ >= inhoud_.size(); }
    // Whether a value was asked for after the end: the file was shorter than its layout.
    bool VoorbijEinde() const { return voorbij_; }
    // Whether anything but blanks and line ends is left to read.
    bool GegevensOver() const;
    // A count: the word Getal reads, when it is a whole number of at least 0; nullopt for
    // anything else (negative, empty, letters), which a file written by the program never
    // holds.
    std::optional<int32_t> Aantal();
    // The next line as raw Windows-1252 bytes (without its line end).
    std::string_view RuweRegel();
    // The next line as UTF-8 text.
    std::string Tekst();
    // The next line as a whole number: leading blanks skipped, then a number up to the next
    // blank; anything else reads as 0. Values beyond 32 bits saturate.
    int32_t Getal();
    // Exactly "TRUE" is true.
    bool Boolean();
    // Any decimal notation; 0 when unreadable.
    double Reeel();

private:
    std::string_view inhoud_;
    std::size_t pos_ = 0;
    bool voorbij_ = false;
};

class Regelschrijver {
public:
    void Tekst(std::string_view utf8); // to Windows-1252; line breaks and NULs become blanks
    void Ruw(std::string_view cp1252); // written as it is
    void Getal(long long waarde);
    void Boolean(bool waarde);
    void Reeel(double waarde);
    const std::string& Inhoud() const { return uit_; }
    std::string& Inhoud() { return uit_; }

private:
    std::string uit_;
};

// The file form of a real: a blank or "-", one digit, a point, 14 digits, "E", the exponent
// sign and four digits (" 1.50000000000000E+0000").
std::string ReeelTekst(double waarde);

} // namespace velkaro
