// Places in the ranking list, the mutual result and the highest deviating result.
#include "standings/plaatsen.h"

#include "standings/sleutels.h"
#include "standings/verzadig.h"

#include <algorithm>

namespace velkaro::stand {

void Plaatsen(const Berekening& b, const std::function<void(TSpelerObj&, int32_t)>& zet) {
    int32_t teller = 1;
    int32_t plaats = 0;
    const TSpelerObj* referentie = nullptr;
    for (const auto& regel : b.c.Ranglijst) {
        TSpelerObj& s = *regel.Speler;
        if (!b.DoetMee(s)) continue;
        const bool gelijk =
            referentie && std::equal(s.Sorteersleutels.begin(), s.Sorteersleutels.begin() + 5,
                                     referentie->Sorteersleutels.begin());
        if (!gelijk) {
            plaats = teller;
            referentie = &s;
        }
        zet(s, plaats);
        ++teller;
    }
}

void BepaalOnderlingResultaat(Berekening& b) {
    Plaatsen(b, [](TSpelerObj& s, int32_t plaats) { s.W().Plaatsgroep = plaats; });
    for (const auto& w : b.Wedstrijden) {
        if (!w.BeideIngeschreven()) continue;
        Spelergegevens& a = w.Wit.Speler->W();
        Spelergegevens& z = w.Zwart.Speler->W();
        // Players without a place were tied with nobody.
        if (a.Plaatsgroep == 0 || a.Plaatsgroep != z.Plaatsgroep) continue;
        TelOp(a.OnderlingResultaat, b.Punten(w.Wit.Code));
        TelOp(z.OnderlingResultaat, b.Punten(w.Zwart.Code));
    }
}

void BepaalHAR(Berekening& b) {
    Plaatsen(b,
             [](TSpelerObj& s, int32_t plaats) { s.W().Plaatsgroep = plaats < 26 ? plaats : 0; });
    for (const auto& w : b.Wedstrijden) {
        if (!w.BeideIngeschreven()) continue;
        Spelergegevens& a = w.Wit.Speler->W();
        Spelergegevens& z = w.Zwart.Speler->W();
        TelOp(a.HAR, int64_t{b.Punten(w.Wit.Code)} * HARWeging(z.Plaatsgroep));
        TelOp(z.HAR, int64_t{b.Punten(w.Zwart.Code)} * HARWeging(a.Plaatsgroep));
    }
}

} // namespace velkaro::stand
