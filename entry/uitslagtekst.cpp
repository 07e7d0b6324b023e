#include "entry/uitslagtekst.h"

#include "lang/teksten.h"
#include "model/tekst.h"

#include <cstdio>

namespace velkaro {

namespace {

std::string Schaakdeel(int code) {
    switch (code) {
    case 0:
        return "0";
    case 1:
    case 3:
    case 4:
        return "½";
    case 2:
        return "1";
    default:
        return " ";
    }
}

// The KNDB scale halved: 0, ½, 1, 1½, 2 for loss, minus-draw, draw, plus-draw, win.
std::string KNDBDeel(int code) {
    switch (code) {
    case 0:
        return "0  ";
    case 1:
        return "1  ";
    case 2:
        return "2  ";
    case 3:
        return "  ½";
    case 4:
        return "1½";
    default:
        return " ";
    }
}

} // namespace

std::string UitslagTekst(const Wedstrijdgegevens& g, const trekenopties& o) {
    if (o.IsVrijeRonde(g)) {
        // What the bye scores, shown as a result against nobody.
        Wedstrijdgegevens vrij = g;
        vrij.UitslagWit = o.VrijCode();
        vrij.UitslagZwart = UitslagVerlies;
        vrij.Gespeeld = true;
        vrij.Zwart = -1;
        return UitslagTekst(vrij, o);
    }
    if (g.UitslagWit == UitslagAfgebroken) return lang::Tekst(lang::T::AFG);
    if (!g.Gespeeld) return "   ";
    if (o.Schaaknotatie()) return Schaakdeel(g.UitslagWit) + "-" + Schaakdeel(g.UitslagZwart);
    if (o.KNDBDelfts()) return KNDBDeel(g.UitslagWit) + "-" + KNDBDeel(g.UitslagZwart);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%2d-%2d", o.PuntenVoorUitslag(g.UitslagWit),
                  o.PuntenVoorUitslag(g.UitslagZwart));
    return buf;
}

Kantweergave Kant(int32_t referentie, const TSpelersVerzameling& spelers) {
    if (referentie < 0)
        return {VulLinks(std::to_string(-static_cast<int64_t>(referentie)), 4) + " " +
                    lang::Tekst(lang::T::Rating),
                0};
    if (const auto* s = spelers.zoekptr(referentie)) return {s->G().Naam, s->Lotingnummer()};
    return {};
}

std::string WedstrijdRegel(const Wedstrijdgegevens& g, const TSpelersVerzameling& spelers,
                           const trekenopties& o, bool toonLoting) {
    const auto wit = Kant(g.Wit, spelers);
    const auto zwart =
        o.IsVrijeRonde(g) ? Kantweergave{lang::Tekst(lang::T::Vrij), 0} : Kant(g.Zwart, spelers);
    auto nummer = [&](const Kantweergave& k) {
        return toonLoting ? std::to_string(k.Lotingnummer) : std::string(" ");
    };
    return VulLinks(std::to_string(g.Ronde), toonLoting ? 2 : 3) + '\t' +
           VulLinks(std::to_string(g.Wedstrijdnummer), 4) + '\t' + nummer(wit) + '\t' + wit.Naam +
           "\t-\t" + nummer(zwart) + '\t' + zwart.Naam + '\t' + UitslagTekst(g, o) + '\t' +
           (g.Reglementair ? "R" : " ");
}

} // namespace velkaro
