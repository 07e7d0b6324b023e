// Places in the ranking list and the two tie-breaks that depend on them: the mutual result
// among tied players and the highest deviating result.
#pragma once

#include "standings/berekening.h"

#include <functional>

namespace velkaro::stand {

// Walks the ranking list from the top and gives every taking-part player his place: players
// equal in K1 to K5 share the place of the first of them and the next place is skipped
// (1, 2, 2, 4). Players who do not take part are passed over and take no place.
void Plaatsen(const Berekening& b, const std::function<void(TSpelerObj&, int32_t)>& zet);

// First sort done: Plaatsgroep := place, then each player's score against the players who
// share his place.
void BepaalOnderlingResultaat(Berekening& b);

// Second sort done: Plaatsgroep := place when below 26 (else 0), then each player's results
// weighted by the place of the opponent.
void BepaalHAR(Berekening& b);

} // namespace velkaro::stand
