#include "pairing/fmjd_zwitsers.h"

#include "pairing/zwitsers.h"

namespace velkaro {

int32_t FMJDSorteervolgorde(int32_t sorteervolgorde) {
    return sorteervolgorde >= 40 && sorteervolgorde <= 69 ? sorteervolgorde : 47;
}

Roosterresultaat StelFMJDZwitsersRoosterSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg) {
    return StelZwitsersVariantSamen(c, ronde, omg, Zwitsersvariant::FMJD,
                                    FMJDSorteervolgorde(c.Opties.Sorteervolgorde));
}

} // namespace velkaro
