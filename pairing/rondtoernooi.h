// The round robin: a complete single round robin of every player in collection order,
// generated in one go from a first round.
#pragma once

#include "model/competitie.h"
#include "pairing/roosterresultaat.h"

namespace velkaro {

// Generates rounds R .. R + M − 2 (M = players rounded up to even) by the circle rotation
// with the last position fixed; an odd field gets a free dummy position. Each round first
// loses its unplayed matches; matches with a result stay. `standaard` false ("Verwisseld")
// swaps white and black in every match. The standings are not consulted.
Roosterresultaat StelStandaardRoosterSamen(Competitie& c, int32_t ronde, bool standaard);

} // namespace velkaro
