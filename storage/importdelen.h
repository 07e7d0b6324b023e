// What the readers of foreign files share: players found or made by name, rounds numbered by
// date, matches added with a result, the lines and columns of text files and the fields of
// binary ones. Internal to the storage library.
#pragma once

#include "model/competitie.h"
#include "storage/import.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace velkaro::importdelen {

constexpr std::size_t kMaxRegel = 255;

// A player as an import makes him: the given name, his internal number also as drawing
// number, no ratings, counting in the standings and taking part in pairing.
Spelergegevens ImportSpeler(std::string naam, int32_t intern);

// A text of a foreign file as UTF-8; control characters (a line break inside a name would
// break the competition file's lines) become blanks.
std::string Schoon(std::string_view cp1252);

// Characters van to tot (1-based, inclusive) of a Windows-1252 line, without surrounding
// blanks, as UTF-8.
std::string Kolom(std::string_view regel, std::size_t van, std::size_t tot);

// The lines of a text file without their line ends, each cut to 255 characters.
template <typename F> void VoorElkeRegel(std::string_view inhoud, F&& doe) {
    int64_t nummer = 0;
    std::size_t pos = 0;
    while (pos < inhoud.size()) {
        std::size_t eind = inhoud.find('\n', pos);
        if (eind == std::string_view::npos) eind = inhoud.size();
        std::string_view regel = inhoud.substr(pos, eind - pos);
        if (!regel.empty() && regel.back() == '\r') regel.remove_suffix(1);
        pos = eind + 1;
        if (!doe(regel.substr(0, kMaxRegel), ++nummer)) return;
    }
}

// Finds the players of a text import by name, or makes them. Between two new players the
// collection does not change, so what a name found is kept until the next one is made: a list
// that names the same players on every line is read in linear time.
class Spelerzoeker {
public:
    explicit Spelerzoeker(Competitie& c) : c_(c) {}
    // The internal number of the player the name finds; a new player (with this place) when
    // none does. 0 when the group is full.
    int32_t Zoek(const std::string& naam, const std::string& plaats);

private:
    Competitie& c_;
    std::unordered_map<std::string, int32_t> gevonden_;
};

// Numbers the rounds and matches of a text import: a new date starts the next round, the
// matches of a round are numbered 1, 2, ... in the order of the file.
class Rondeteller {
public:
    // The round of a match on this date; 0 past round 1000.
    int32_t Ronde(const std::string& datum, bool& nieuw);
    int32_t VolgendNummer() { return ++nummer_; }

private:
    std::optional<std::string> vorige_;
    int32_t ronde_ = 0;
    int32_t nummer_ = 0;
};

using Uitslag = std::optional<std::pair<uint8_t, uint8_t>>;

// Adds a match with a result (nullopt: without one); the result is set as the result entry
// sets it, so a 0-0 is a regulation result.
twedstrijdobj& MaakWedstrijd(Competitie& c, int32_t ronde, int32_t nummer, int32_t wit,
                             int32_t zwart, const Uitslag& uitslag);

// The result texts of a text format and the codes they give.
Uitslag
LeesUitslag(std::string_view tekst,
            std::initializer_list<std::pair<std::string_view, std::pair<uint8_t, uint8_t>>> vormen);

// One match line of a text format: the players found or made, the round from its date.
// False when the import is full and the rest of the file is to be skipped.
bool TekstWedstrijd(Competitie& c, Importresultaat& r, Spelerzoeker& zoeker, Rondeteller& teller,
                    int64_t regelnummer, std::string_view regel, const std::string& wit,
                    const std::string& plaatsWit, const std::string& zwart,
                    const std::string& plaatsZwart, const std::string& uitslagtekst,
                    const std::string& datum, const Uitslag& uitslag);

// Binary fields: a byte, a 32-bit integer least significant byte first, and a text of at
// most n characters stored as a length byte and n characters.
uint8_t Byte(std::string_view s, std::size_t pos);
int32_t Int32(std::string_view s, std::size_t pos);
std::string KorteTekst(std::string_view s, std::size_t pos, std::size_t n);
void ZetKorteTekst(std::string& s, std::size_t pos, std::size_t n, const std::string& utf8);

} // namespace velkaro::importdelen
