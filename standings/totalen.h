// The common totals of the standings computation: resetting the players, adding the results
// with the rating sums and norms, and the opponent totals.
#pragma once

#include "standings/berekening.h"

namespace velkaro::stand {

// The highest round number among the rounds that have a result (0 when none has).
int32_t LaatsteRondeMetUitslagen(const Competitie& c);

// Resets every player's totals, takes his rating in use from the chosen list and sets the
// start values of the opponent extremes and the Laren values; with vorigeNotering the current
// place becomes the previous one first.
void InitialiseerSpelers(Competitie& c, bool vorigeNotering);

// Adds the results, counters, rating sums and norm counts of every counted match, then turns
// the rating sums into TSRating.
void TelUitslagen(Berekening& b);

// Adds resistance points, the opponent extremes, Sonneborn-Berger points and the colours over
// the counted matches between two registered players.
void TelTegenstanders(Berekening& b);

} // namespace velkaro::stand
