// The largest competition the data model allows: 255 players, 50 rounds, about 6,300
// matches with seeded random results, for the benchmarks.
#pragma once

#include "model/competitie.h"

namespace velkaro::bench {

// Fills c (a fresh Competitie) with the largest competition; deterministic for a seed.
void VulGrootste(Competitie& c, unsigned zaad = 1);

} // namespace velkaro::bench
