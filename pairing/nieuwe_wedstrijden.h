// Writing a pairing into the match collection: the numbering of the new matches and the
// match records of the pairs, white by the colour rule.
#pragma once

#include "model/competitie.h"
#include "pairing/kleur.h"

#include <cstdint>
#include <functional>
#include <set>
#include <span>
#include <vector>

namespace velkaro {

// First match number of round R under the Swiss routines: (players div 2) × (R − 1) + 1,
// counting every player of the collection.
int32_t ZwitsersEersteNummer(const Competitie& c, int32_t ronde);
// First match number under the Keizer, place and Laren routines: the matches already in
// the collection plus 1.
int32_t EersteNummerNaAantal(const Competitie& c);

// The numbers the matches of a round already carry (the played ones a new pairing of the round
// keeps), and the next number from `nummer` upward that none of them uses; `nummer` moves past
// it. A played match keeps its number, so a result can always name exactly one match.
std::set<int32_t> GebruikteNummers(const Competitie& c, int32_t ronde);
int32_t VolgendVrijNummer(int32_t& nummer, const std::set<int32_t>& gebruikt);

// Writes one match per pair of `partner` (table positions 1..N; 0 = unpaired, entry 0 unused)
// in ascending position of the first player of each pair, numbered upward from
// `eersteNummer` past the numbers the round's matches already carry, colours by EersteSpeeltWit on
// `kleuren` (same indexing). Returns the new records in creation order and marks the standings out
// of date when it wrote any.
std::vector<Wedstrijdgegevens> SchrijfParen(Competitie& c, int32_t ronde, int32_t eersteNummer,
                                            std::span<const int> partner,
                                            std::span<const Kleurgegevens> kleuren);
// The same with the internal numbers of the positions and a routine's own colour verdict:
// eersteWit(i, j) for positions i < j is true when i plays white.
std::vector<Wedstrijdgegevens> SchrijfParen(Competitie& c, int32_t ronde, int32_t eersteNummer,
                                            std::span<const int> partner,
                                            std::span<const int32_t> intern,
                                            const std::function<bool(int, int)>& eersteWit);

} // namespace velkaro
