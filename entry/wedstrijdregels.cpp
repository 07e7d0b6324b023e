#include "entry/wedstrijdregels.h"

#include "entry/conversie.h"
#include "standings/verwachting.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace velkaro {

void WisselKleuren(twedstrijdobj& w, const trekenopties& o) {
    // A bye keeps its player in white: black is nobody.
    if (o.IsVrijeRonde(w.G())) return;
    auto& g = w.W();
    std::swap(g.Wit, g.Zwart);
    // Board points are each side's own score whatever the system that switched them on; the
    // mirror rule below would turn 3-5 into 4-3.
    if (o.Bordpunten()) {
        if (!w.IsAfgebroken()) std::swap(g.UitslagWit, g.UitslagZwart);
        return;
    }
    switch (g.UitslagWit) {
    case UitslagVerlies:
        if (g.UitslagZwart != 0) {
            g.UitslagWit = UitslagWinst;
            g.UitslagZwart = UitslagVerlies;
        }
        break;
    case UitslagWinst:
        g.UitslagWit = UitslagVerlies;
        g.UitslagZwart = UitslagWinst;
        break;
    case UitslagMinRemise:
        g.UitslagWit = UitslagPlusRemise;
        g.UitslagZwart = UitslagMinRemise;
        break;
    case UitslagPlusRemise:
        g.UitslagWit = UitslagMinRemise;
        g.UitslagZwart = UitslagPlusRemise;
        break;
    default:
        break;
    }
}

bool ZetWedstrijdnummer(twedstrijdobj& w, std::string_view tekst) {
    const int32_t n = Geheel(tekst).value_or(0);
    if (n == 0) return false;
    w.W().Wedstrijdnummer = n;
    return true;
}

bool ZetRondenummer(twedstrijdobj& w, std::string_view tekst, const trondeverzameling& rondes) {
    const int32_t r = Geheel(tekst).value_or(0);
    if (r == 0 || !rondes.RondeBestaat(r)) return false;
    w.W().Ronde = r;
    return true;
}

bool RandomUitslag(Competitie& c, twedstrijdobj& w, Toeval& toeval) {
    const auto* wit = w.G().Wit > 0 ? c.Spelers.zoekptr(w.G().Wit) : nullptr;
    const auto* zwart = w.G().Zwart > 0 ? c.Spelers.zoekptr(w.G().Zwart) : nullptr;
    if (!wit || !zwart) return false;
    auto rating = [&](const TSpelerObj* s) {
        return s->G().Rating != 0 ? s->G().Rating : c.Opties.Aanvangsrating;
    };
    const int64_t verschil = static_cast<int64_t>(rating(wit)) - rating(zwart);
    const int d0 = static_cast<int>(std::clamp<int64_t>(verschil, -100000, 100000));
    const int p = static_cast<int>(std::nearbyint(1000 * Verwachting(d0)));
    const int m = std::min(p, 1000 - p);
    const int d = 1 + toeval.Getal(7 * m / 3);
    const int lo = p - d / 2, hi = lo + d;
    const int x = 1 + toeval.Getal(1000);
    if (x <= lo)
        c.ZetUitslag(w, UitslagWinst, UitslagVerlies, false, true);
    else if (x <= hi)
        c.ZetUitslag(w, UitslagRemise, UitslagRemise, false, true);
    else
        c.ZetUitslag(w, UitslagVerlies, UitslagWinst, false, true);
    return true;
}

} // namespace velkaro
