#include "pairing/samenstellen.h"

#include "lang/teksten.h"
#include "pairing/fmjd_zwitsers.h"
#include "pairing/rating_zwitsers.h"
#include "pairing/rondtoernooi.h"
#include "pairing/roosterkeuze.h"
#include "pairing/zwitsers.h"

namespace velkaro {

Roosterresultaat SamenstellenRooster(Competitie& c, int32_t ronde, bool standaardKleuren,
                                     bool laatsteRonde, Roosteromgeving& omg) {
    const uint16_t systeem = c.Opties.Rekensysteem;
    if (IsRondtoernooi(systeem)) return StelStandaardRoosterSamen(c, ronde, standaardKleuren);
    if (systeem == SysteemZwitsers) return StelZwitsersRoosterSamen(c, ronde, omg);
    if (systeem == SysteemZwitsersRating)
        return StelRatingZwitsersRoosterSamen(c, ronde, laatsteRonde, omg);
    if (systeem == SysteemFMJDZwitsers) return StelFMJDZwitsersRoosterSamen(c, ronde, omg);
    omg.gesprek.Melding(lang::Tekst(lang::T::ParenNietBeschikbaar),
                        lang::Tekst(lang::T::Informatie), Pictogram::Informatie);
    Roosterresultaat res;
    res.Uitkomst = Roosteruitkomst::NietBeschikbaar;
    return res;
}

} // namespace velkaro
