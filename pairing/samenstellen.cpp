#include "pairing/samenstellen.h"

#include "pairing/fmjd_zwitsers.h"
#include "pairing/keizer_rooster.h"
#include "pairing/plaats_rooster.h"
#include "pairing/rating_zwitsers.h"
#include "pairing/rondtoernooi.h"
#include "pairing/roosterkeuze.h"
#include "pairing/vrijeronde.h"
#include "pairing/zwitsers.h"

namespace velkaro {

namespace {

Roosterresultaat Paar(Competitie& c, int32_t ronde, bool laatsteRonde, Roosteromgeving& omg) {
    const uint16_t systeem = c.Opties.Rekensysteem;
    if (systeem == SysteemZwitsers) return StelZwitsersRoosterSamen(c, ronde, omg);
    if (systeem == SysteemZwitsersRating)
        return StelRatingZwitsersRoosterSamen(c, ronde, laatsteRonde, omg);
    if (systeem == SysteemFMJDZwitsers) return StelFMJDZwitsersRoosterSamen(c, ronde, omg);
    if (systeem == SysteemKeizer || systeem == SysteemRating)
        return StelKeizerRoosterSamen(c, ronde, omg);
    if (systeem == SysteemMoyenne) return StelHuizumRoosterSamen(c, ronde, omg);
    // What the round robin leaves: 1 to 6 and 17, of which 17 is the only one not yet taken.
    return StelLarenRoosterSamen(c, ronde, omg);
}

} // namespace

Roosterresultaat SamenstellenRooster(Competitie& c, int32_t ronde, bool standaardKleuren,
                                     bool laatsteRonde, Roosteromgeving& omg) {
    if (IsRondtoernooi(c.Opties.Rekensysteem))
        return StelStandaardRoosterSamen(c, ronde, standaardKleuren);
    if (MetVrijeRonde(c))
        return ParenMetVrijeRonde(
            c, ronde, omg, [&](Roosteromgeving& o) { return Paar(c, ronde, laatsteRonde, o); });
    return Paar(c, ronde, laatsteRonde, omg);
}

} // namespace velkaro
