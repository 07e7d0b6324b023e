// The pairing driver: "&Rooster samenstellen" runs the pairing routine of the competition's
// calculation system.
#pragma once

#include "model/competitie.h"
#include "pairing/roosteromgeving.h"
#include "pairing/roosterresultaat.h"

namespace velkaro {

// Dispatches on Rekensysteem: the round robin for 0, 7..16 and above 17 (with the colour
// choice), the Swiss engine for 1, the Keizer pairing for 2 and 4, the place pairing for 3,
// the Swiss by rating for 5, the FMJD Swiss for 6 and the Laren pairing for 17.
// With the bye switched on, an odd number of marked players is paired with one bye.
// `laatsteRonde` belongs to the Swiss by rating. After success the program shows the report of
// Roosterresultaat's round range.
Roosterresultaat SamenstellenRooster(Competitie& c, int32_t ronde, bool standaardKleuren,
                                     bool laatsteRonde, Roosteromgeving& omg);

} // namespace velkaro
