#include "pairing/speltabel.h"

#include <unordered_map>

namespace velkaro {

int32_t BerekenKleurwaarde(int8_t kleurbalans, uint8_t laatsteKleur) {
    int32_t w = 10 * kleurbalans;
    if (kleurbalans >= 0 && laatsteKleur == 0) ++w;
    if (kleurbalans < 0 && laatsteKleur == 1) --w;
    return w;
}

void ZetSorteersleutels(Speltabel& t) {
    for (std::size_t p = 1; p < t.size(); ++p)
        t[p].Sorteersleutel = (100 - t[p].Punten) * 1000 - static_cast<int32_t>(p);
}

Speltabel BouwSpeltabel(const Competitie& c) {
    Speltabel t(1);
    for (const auto& regel : c.Ranglijst) {
        const TSpelerObj& s = *regel.Speler;
        if (!s.InRooster()) continue;
        const auto& g = s.G();
        Spelregel r;
        r.Naam = g.Naam;
        r.AantalPartijen = g.AantalPartijen;
        r.Punten = g.Punten;
        r.Weerstandspunten = g.Weerstandspunten;
        r.Notering = g.Notering;
        r.Kleurwaarde = BerekenKleurwaarde(g.Kleurbalans, g.LaatsteKleur);
        r.InternNummer = g.InternNummer;
        r.LaatsteKleur = g.LaatsteKleur;
        t.push_back(std::move(r));
    }
    ZetSorteersleutels(t);
    return t;
}

std::vector<Posities> GespeeldRijen(const Speltabel& t, const Ontmoetingen& o) {
    std::vector<int32_t> intern(t.size(), 0);
    for (std::size_t p = 1; p < t.size(); ++p) intern[p] = t[p].InternNummer;
    return GespeeldRijen(intern, o);
}

std::vector<Posities> GespeeldRijen(std::span<const int32_t> intern, const Ontmoetingen& o) {
    std::vector<Posities> rijen(intern.size());
    const int n = static_cast<int>(intern.size()) - 1;
    if (const auto* tabel = o.Tabel()) {
        for (int i = 1; i <= n; ++i)
            for (int j = i + 1; j <= n; ++j)
                if (tabel->Gespeeld(intern[static_cast<std::size_t>(i)],
                                    intern[static_cast<std::size_t>(j)])) {
                    rijen[static_cast<std::size_t>(i)].Zet(j);
                    rijen[static_cast<std::size_t>(j)].Zet(i);
                }
        return rijen;
    }
    std::unordered_map<int32_t, int> positie;
    for (int p = 1; p <= n && p < Posities::kAantal; ++p)
        positie.emplace(intern[static_cast<std::size_t>(p)], p);
    for (const auto& w : o.Wedstrijden()) {
        const auto a = positie.find(w->G().Wit), b = positie.find(w->G().Zwart);
        if (a == positie.end() || b == positie.end()) continue;
        rijen[static_cast<std::size_t>(a->second)].Zet(b->second);
        rijen[static_cast<std::size_t>(b->second)].Zet(a->second);
    }
    return rijen;
}

std::vector<Kleurgegevens> Kleuren(const Speltabel& t) {
    std::vector<Kleurgegevens> k(t.size());
    for (std::size_t p = 1; p < t.size(); ++p)
        k[p] = Kleurgegevens{t[p].Kleurwaarde, t[p].LaatsteKleur, t[p].InternNummer};
    return k;
}

} // namespace velkaro
