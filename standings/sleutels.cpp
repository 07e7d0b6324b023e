// The sort keys of the ranking.
#include "standings/sleutels.h"

#include "standings/afronden.h"
#include "standings/verzadig.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velkaro {

using stand::Geheel;
using stand::Rond;
using stand::RondOp;
using stand::Verzadig;

namespace {

constexpr int64_t kSleutelbasis = 650000000;
// A key outside this range would not fit nine digits; it ranks as the bound.
constexpr int64_t kHoogsteSleutel = kSleutelbasis;
constexpr int64_t kLaagsteSleutel = kSleutelbasis - 999999999;

int64_t WPMinLaagste(const Spelergegevens& g) {
    return int64_t{g.Weerstandspunten} - g.MinTegenstanderPunten;
}

int64_t WPMinLaagsteHoogste(const Spelergegevens& g) {
    return g.AantalPartijen > 1 ? WPMinLaagste(g) - g.MaxTegenstanderPunten : WPMinLaagste(g);
}

} // namespace

int32_t Criteriumwaarde(const Spelergegevens& g, int cijfer) {
    switch (cijfer) {
    case 1:
        return g.Rating;
    case 2:
        // Under the Swiss rating system this holds the sum of the opponents' ratings.
        return g.MinTegenstanderPunten;
    case 3:
        return g.AantalWinst;
    case 4:
        return g.Weerstandspunten;
    case 5:
        return Verzadig(WPMinLaagste(g));
    case 6:
        return Verzadig(WPMinLaagsteHoogste(g));
    case 7:
        return g.SBPunten;
    case 8:
        return g.OnderlingResultaat;
    case 9:
        return g.HAR;
    default:
        return 0;
    }
}

void BouwSleutels(const trekenopties& o, TSpelerObj& s) {
    Spelergegevens& g = s.W();
    auto& k = s.Sorteersleutels;
    const int32_t puntenSleutel = Verzadig(int64_t{g.Punten} * 200 - g.AantalPartijen);
    // Keys a system does not use are 0, so that no key of an earlier system lingers on.
    k = {};
    switch (o.Rekensysteem) {
    case SysteemNormaal:
    case SysteemZwitsers:
    case SysteemZwitsersRating:
    case SysteemFMJDZwitsers: {
        if (o.Rekensysteem != SysteemZwitsersRating) g.WPMinLaagste = Verzadig(WPMinLaagste(g));
        g.WPMinLaagsteHoogste = Verzadig(WPMinLaagsteHoogste(g));
        k[0] = puntenSleutel;
        k[1] = g.Barrage;
        // Only the first four digits enter the keys.
        for (int i = 1; i <= 4; ++i)
            k[static_cast<std::size_t>(i + 1)] = Criteriumwaarde(g, o.SorteerCriterium(i));
        // On a complete tie the normal table lists the higher number first, the Swiss family
        // the lower.
        k[6] = o.Rekensysteem == SysteemNormaal ? g.Lotingnummer : -g.Lotingnummer;
        break;
    }
    case SysteemKeizer:
        k[0] = RondOp(g.Keizerpunten.Waarde());
        k[1] = g.Barrage;
        k[5] = g.AantalPartijen;
        break;
    case SysteemMoyenne:
        k[0] = Rond(g.TotaalMoyenne.Waarde() * 10000);
        k[1] = g.Barrage;
        k[2] = Rond(g.EigenMoyenne.Waarde() * 10000);
        k[3] = g.AantalPartijen;
        k[5] = -g.Lotingnummer;
        break;
    case SysteemRating:
        k[0] = g.MaxTegenstanderPunten; // Nurating
        k[1] = g.Barrage;
        k[2] = g.AantalPartijen;
        k[5] = -g.Lotingnummer;
        break;
    case Systeem16:
        k[0] = puntenSleutel;
        k[1] = g.Barrage;
        k[2] = g.Rating;
        k[5] = g.Lotingnummer;
        break;
    case SysteemLaren:
        k[0] = Verzadig(9999 - int64_t{Geheel(std::trunc(g.PlaatsTotaal.Waarde() * 10))});
        k[1] = g.LarenOnderling;
        k[2] = g.Punten == 0 ? -g.AantalPartijen : 0;
        k[3] = -g.Lotingnummer;
        break;
    default:
        break;
    }
}

std::string Sleuteltekst(const std::array<int32_t, 7>& sleutels) {
    std::string tekst(7 * 9, ' ');
    for (std::size_t i = 0; i < sleutels.size(); ++i) {
        const int64_t k = std::clamp<int64_t>(sleutels[i], kLaagsteSleutel, kHoogsteSleutel);
        // Right-aligned with leading blanks, written from the last digit backwards.
        int64_t rest = kSleutelbasis - k;
        std::size_t pos = 9 * i + 8;
        do {
            tekst[pos--] = static_cast<char>('0' + rest % 10);
            rest /= 10;
        } while (rest > 0);
    }
    return tekst;
}

namespace {

// The minimum-games bonus on the first key, then the key text.
tranglijst::Regel Regel(TSpelerObj& s, int32_t minimum) {
    if (s.G().AantalPartijen >= minimum)
        s.Sorteersleutels[0] = Verzadig(int64_t{s.Sorteersleutels[0]} + kMinimumBonus);
    return {Sleuteltekst(s.Sorteersleutels), &s};
}

} // namespace

void VoegToe(tranglijst& lijst, TSpelerObj& s, int32_t minimum) {
    auto r = Regel(s, minimum);
    lijst.Voegtoe(std::move(r.Sleutel), r.Speler);
}

void SorteerAlle(Competitie& c, int32_t minimum) {
    c.Ranglijst.DeleteAll();
    std::vector<tranglijst::Regel> regels;
    regels.reserve(c.Spelers.Aantal());
    for (auto& s : c.Spelers) {
        BouwSleutels(c.Opties, *s);
        regels.push_back(Regel(*s, minimum));
    }
    c.Ranglijst.VoegAlleToe(std::move(regels));
}

int32_t HARWeging(int32_t plaats) {
    if (plaats < 1 || plaats > 25) return 0;
    return int32_t{1} << (25 - plaats);
}

} // namespace velkaro
