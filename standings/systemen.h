// The system-specific rankings of the standings computation: Keizer, average, rating (also the
// Swiss rating system) and Laren. Each leaves the ranking in the ranking list.
#pragma once

#include "standings/berekening.h"

namespace velkaro::stand {

void Keizer(Berekening& b);
void Moyenne(Berekening& b);
void Rating(Berekening& b);
void Laren(Berekening& b);

} // namespace velkaro::stand
