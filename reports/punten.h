// Point values as the reports print them: plain integers, or in chess notation (1, ½) and the
// KNDB-Delfts variant when the scoring settings ask for it.
#pragma once

#include "model/rekenopties.h"

#include <cstdint>
#include <string>

namespace velkaro {

// The whole part of |waarde| / 2, then "½" for an odd value ("½" alone when the whole part is
// 0) or one blank for an even one; "-" in front of a negative value.
std::string MaakSchaakPunten(int32_t waarde);
// As MaakSchaakPunten, except that an odd value below 2 gives a blank followed by "½".
std::string MaakKNDBDelftsPunten(int32_t waarde);
// The notation of the settings.
std::string PuntenTekst(const trekenopties& o, int32_t waarde);
// Whether the settings print points with halves (the columns are then one wider).
bool HalvePunten(const trekenopties& o);

} // namespace velkaro
