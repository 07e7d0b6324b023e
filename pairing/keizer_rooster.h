// Keizer pairing (systems 2 "Keizer" and 4 "Rating"): an initial division from the top and
// the bottom of the ranking in turn, then exchanges between neighbouring pairs guided by the
// ranking distance and a repeat penalty.
#pragma once

#include "model/competitie.h"
#include "pairing/roosteromgeving.h"
#include "pairing/roosterresultaat.h"
#include "pairing/waardeparing.h"

#include <cstdint>
#include <optional>

namespace velkaro {

// The cost of a ranking distance k: 0, 1, then 3 more per further place (0, 1, 4, 7, 10, …).
int32_t KeizerVerschil(int k);

// The Keizer table: every entry of the ranking list marked "S" or "R", in ranking order; an
// entry without "R" holds its place (distances count over it) but is never paired. A table
// that would pass 255 positions throws std::length_error and keeps the first 255.
void VulKeizertabel(const Competitie& c, Paartabel& t);

// The initial division: depth 1 takes the first free position from the top and pairs it with
// the nearest free one below it, depth 2 the first free from the bottom with the nearest free
// one above it, and so on, backtracking when a depth cannot be completed. With `controle` no
// two who met before are paired; true when the division is complete.
bool GIndeling(const Paartabel& t, const Ontmoetingsmatrix& m, bool controle, Paarstand& s,
               Voortgang& voortgang);

// The division (first with the played-before check, then without it if it found none), the
// values of the pairs in the progress list and the exchanges: three times a pass of neighbours
// i, i + 1 until nothing changes, then one of i, i + 2. Places the players of `s` that were
// not set aside. nullopt when the user stopped it, false when a preparatory step failed.
// `passen` counts the passes.
std::optional<bool> KeizerParing(const Paartabel& t, const Ontmoetingsmatrix& m, int32_t ronde,
                                 Paarstand& s, Gesprek& gesprek, Voortgang& voortgang,
                                 long long& passen);

// Replaces the unplayed matches of round R by the Keizer pairing of the players marked "R". An
// odd number ends with "Oneven aantal spelers" / "Kan niet paren" and no new match.
Roosterresultaat StelKeizerRoosterSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg);

} // namespace velkaro
