// Automatic drawing numbers before the first round: players ordered by strength and numbered
// so that each pair of future opponents holds two consecutive numbers.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"

#include <vector>

namespace velkaro {

// The players by strength: rating descending, then drawing number, then internal number.
std::vector<TSpelerObj*> Sterktelijst(TSpelersVerzameling& spelers);

// The drawing groups proposed when the register opens: one per 30 players, plus one.
int StandaardLotinggroepen(std::size_t spelers);

// "Nummeren": under the Swiss systems the group count is first brought within 1..N/2 (and
// written back); Swiss by rating numbers 1..N in strength order, Swiss and FMJD Swiss number
// in pairs per group, "Parallel" or "Tegen elkaar in", drawing once which member of a pair
// starts. Other systems, and fewer than two players, change nothing. True when numbers were
// given.
bool NummerAutomatisch(Competitie& c, int& groepen, bool parallel, Toeval& toeval);

} // namespace velkaro
