// The FMJD Swiss pairing of one round (system 6, "FMJD-zwitsers"): the Swiss search with the
// FMJD rules, under the settings' own sort order when that begins with 4, 5 or 6.
#pragma once

#include "model/competitie.h"
#include "pairing/roosteromgeving.h"
#include "pairing/roosterresultaat.h"

#include <cstdint>

namespace velkaro {

// The sort order the routine pairs under: the settings' own within 40..69, else 47.
int32_t FMJDSorteervolgorde(int32_t sorteervolgorde);

// As StelZwitsersRoosterSamen, with the FMJD search rules and sort order; the settings' sort
// order is restored on every way out.
Roosterresultaat StelFMJDZwitsersRoosterSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg);

} // namespace velkaro
