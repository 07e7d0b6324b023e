#include "pairing/samenstellen.h"

#include "lang/teksten.h"
#include "pairing/keizer_rooster.h"
#include "pairing/plaats_rooster.h"
#include "pairing/rondtoernooi.h"
#include "pairing/roosterkeuze.h"
#include "pairing/zwitsers.h"

namespace velkaro {

Roosterresultaat SamenstellenRooster(Competitie& c, int32_t ronde, bool standaardKleuren,
                                     bool laatsteRonde, Roosteromgeving& omg) {
    (void)laatsteRonde; // read only by the Swiss by rating
    const uint16_t systeem = c.Opties.Rekensysteem;
    if (IsRondtoernooi(systeem)) return StelStandaardRoosterSamen(c, ronde, standaardKleuren);
    if (systeem == SysteemZwitsers) return StelZwitsersRoosterSamen(c, ronde, omg);
    if (systeem == SysteemKeizer || systeem == SysteemRating)
        return StelKeizerRoosterSamen(c, ronde, omg);
    if (systeem == SysteemMoyenne) return StelHuizumRoosterSamen(c, ronde, omg);
    if (systeem == SysteemLaren) return StelLarenRoosterSamen(c, ronde, omg);
    omg.gesprek.Melding(lang::Tekst(lang::T::ParenNietBeschikbaar),
                        lang::Tekst(lang::T::Informatie), Pictogram::Informatie);
    Roosterresultaat res;
    res.Uitkomst = Roosteruitkomst::NietBeschikbaar;
    return res;
}

} // namespace velkaro
