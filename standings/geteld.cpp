// The rule for which matches count in the standings.
#include "standings/geteld.h"

#include <climits>
#include <unordered_map>

namespace velkaro::stand {

std::vector<GelezenWedstrijd> TelbareWedstrijden(const Competitie& c, int32_t van, int32_t tot) {
    // The first player with a number wins, as a search through the register would find him.
    std::unordered_map<int32_t, std::size_t> register_;
    register_.reserve(c.Spelers.Aantal() * 2);
    for (std::size_t i = 0; i < c.Spelers.Aantal(); ++i)
        register_.try_emplace(c.Spelers.At(i).InternNummer(), i);

    // Resolves one side; false when the side is absent.
    auto Zoek = [&](int32_t nummer, uint8_t code, ZijdeVan<const TSpelerObj>& z) {
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

    std::vector<GelezenWedstrijd> geteld;
    geteld.reserve(c.Wedstrijden.Aantal());
    for (const auto& w : c.Wedstrijden) {
        const auto& g = w->G();
        if (g.Ronde < van || g.Ronde > tot) continue;
        if (!w->IsGespeeldOfAfgebroken()) continue;
        GelezenWedstrijd gw;
        gw.Ronde = g.Ronde;
        // A match that carries the result flag counts as entered, whatever white's code.
        gw.Afgebroken = !g.Gespeeld;
        if (!Zoek(g.Wit, g.UitslagWit, gw.Wit) || !Zoek(g.Zwart, g.UitslagZwart, gw.Zwart))
            continue;
        if (!gw.Wit.Speler && !gw.Zwart.Speler) continue;
        geteld.push_back(gw);
    }
    return geteld;
}

std::vector<GeteldeWedstrijd> GeteldeWedstrijden(Competitie& c, int32_t van, int32_t tot) {
    auto Schrijfbaar = [&](const ZijdeVan<const TSpelerObj>& z) {
        return Zijde{z.Speler ? &c.Spelers.At(z.Index) : nullptr, z.Index, z.Buitenrating, z.Code};
    };
    std::vector<GeteldeWedstrijd> geteld;
    for (const auto& w : TelbareWedstrijden(c, van, tot)) {
        if (w.Afgebroken) continue;
        geteld.push_back({Schrijfbaar(w.Wit), Schrijfbaar(w.Zwart), w.Ronde, false});
    }
    return geteld;
}

} // namespace velkaro::stand
