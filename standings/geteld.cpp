// The rule for which matches count in the standings.
#include "standings/geteld.h"

#include <climits>
#include <unordered_map>

namespace velkaro::stand {

namespace {

// The one rule, for both lists: C is the competition as const or writable, and the adjourned
// games are kept for the readers only. The list is gathered in one pass into a vector reserved
// once, since a copy of the whole match list per computation costs more than the counting.
template <class S, class C>
std::vector<GeteldeWedstrijdVan<S>> Verzamel(C& c, int32_t van, int32_t tot, bool afgebroken) {
    // The first player with a number wins, as a search through the register would find him.
    std::unordered_map<int32_t, std::size_t> register_;
    register_.reserve(c.Spelers.Aantal() * 2);
    for (std::size_t i = 0; i < c.Spelers.Aantal(); ++i)
        register_.try_emplace(c.Spelers.At(i).InternNummer(), i);

    // Resolves one side; false when the side is absent.
    auto Zoek = [&](int32_t nummer, uint8_t code, ZijdeVan<S>& z) {
        z.Code = code;
        if (nummer < 0) {
            // -r is an outside opponent of rating r; INT32_MIN has no positive rating.
            z.Buitenrating = nummer == INT32_MIN ? INT32_MAX : -nummer;
            return true;
        }
        const auto it = register_.find(nummer);
        if (it == register_.end()) return false;
        z.Index = it->second;
        z.Speler = &c.Spelers.At(it->second);
        return true;
    };

    std::vector<GeteldeWedstrijdVan<S>> geteld;
    geteld.reserve(c.Wedstrijden.Aantal());
    for (const auto& w : c.Wedstrijden) {
        const auto& g = w->G();
        if (g.Ronde < van || g.Ronde > tot) continue;
        if (!w->IsGespeeldOfAfgebroken()) continue;
        // A match that carries the result flag counts as entered, whatever white's code.
        if (!g.Gespeeld && !afgebroken) continue;
        GeteldeWedstrijdVan<S> gw;
        gw.Ronde = g.Ronde;
        gw.Afgebroken = !g.Gespeeld;
        if (!Zoek(g.Wit, g.UitslagWit, gw.Wit) || !Zoek(g.Zwart, g.UitslagZwart, gw.Zwart))
            continue;
        if (!gw.Wit.Speler && !gw.Zwart.Speler) continue;
        geteld.push_back(gw);
    }
    return geteld;
}

} // namespace

std::vector<GelezenWedstrijd> TelbareWedstrijden(const Competitie& c, int32_t van, int32_t tot) {
    return Verzamel<const TSpelerObj>(c, van, tot, true);
}

std::vector<GeteldeWedstrijd> GeteldeWedstrijden(Competitie& c, int32_t van, int32_t tot) {
    return Verzamel<TSpelerObj>(c, van, tot, false);
}

std::vector<VrijeRonde> VrijeRondes(const Competitie& c, int32_t van, int32_t tot) {
    std::vector<VrijeRonde> vrij;
    for (const auto& w : c.Wedstrijden) {
        const auto& g = w->G();
        if (!c.Opties.IsVrijeRonde(g) || g.Ronde < van || g.Ronde > tot) continue;
        for (std::size_t i = 0; i < c.Spelers.Aantal(); ++i)
            if (c.Spelers.At(i).InternNummer() == g.Wit) {
                vrij.push_back({i, g.Ronde});
                break;
            }
    }
    return vrij;
}

} // namespace velkaro::stand
