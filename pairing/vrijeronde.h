// The bye for an odd number of players to pair: who gets it, and the pairing of the others
// with the bye written beside their matches.
#pragma once

#include "model/competitie.h"
#include "pairing/roosteromgeving.h"
#include "pairing/roosterresultaat.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace velkaro {

// The byes a player had in the rounds before `ronde`.
int AantalVrijeRondes(const Competitie& c, int32_t internNummer, int32_t ronde);

// The players marked "R" in the order in which they are offered the bye of round R: from the
// bottom of the ranking list (lowest score group, lowest place; under the value systems the
// lowest value) upward, those with fewer byes first, so that nobody gets a second bye while
// another can take it. Reads the ranking list as the last standings computation left it.
std::vector<int32_t> VrijKandidaten(const Competitie& c, int32_t ronde);

// Pairs round R with one player left out: deletes the round's unplayed matches, computes the
// standings, and offers the bye to the candidates in turn, running `paren` with the candidate
// unmarked until it pairs the others. The bye is written as a match of round R against nobody
// and is the last of the new matches. A candidate whose absence leaves no complete pairing
// passes the bye on; only the last one's failure is shown to the user.
Roosterresultaat ParenMetVrijeRonde(Competitie& c, int32_t ronde, Roosteromgeving& omg,
                                    const std::function<Roosterresultaat(Roosteromgeving&)>& paren);

} // namespace velkaro
