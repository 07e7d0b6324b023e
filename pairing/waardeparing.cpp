#include "pairing/waardeparing.h"

#include "model/tekst.h"
#include "pairing/nieuwe_wedstrijden.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace velkaro {

Paarregel MaakPaarregel(const TSpelerObj& s) {
    const auto& g = s.G();
    Paarregel r;
    r.InternNummer = g.InternNummer;
    r.Lotingnummer = g.Lotingnummer;
    r.Naam = g.Naam;
    r.AantalPartijen = g.AantalPartijen;
    r.Kleurbalans = g.Kleurbalans;
    r.LaatsteKleur = g.LaatsteKleur;
    r.Categoriecijfer = g.Categoriecijfer;
    r.Larenwaarde = g.Larenwaarde;
    r.LarenVolgorde = g.LarenVolgorde;
    r.GroepPartijen = g.GroepPartijen;
    r.Punten = g.Punten;
    return r;
}

Ontmoetingsmatrix::Ontmoetingsmatrix(const Paartabel& t, const Ontmoetingen& o)
    : breedte_(t.size()), cellen_(t.size() * t.size()) {
    std::unordered_map<int32_t, int> positie;
    for (std::size_t p = 1; p < t.size(); ++p)
        positie.emplace(t[p].InternNummer, static_cast<int>(p));
    auto cel = [&](int i, int j) -> Gegeven& {
        return cellen_[static_cast<std::size_t>(i) * breedte_ + static_cast<std::size_t>(j)];
    };
    // One pass from the end of the list back: the first meeting found is the last one played.
    const auto& w = o.Wedstrijden();
    for (std::size_t k = w.Aantal(); k-- > 0;) {
        const auto& g = w.At(k).G();
        const auto a = positie.find(g.Wit), b = positie.find(g.Zwart);
        if (a == positie.end() || b == positie.end() || a->second == b->second) continue;
        for (Gegeven* x : {&cel(a->second, b->second), &cel(b->second, a->second)}) {
            if (x->Gescand++ == 0) x->Ronde = g.Ronde;
        }
    }
    const Ontmoetingstabel* tabel = o.Tabel();
    for (std::size_t i = 1; i < t.size(); ++i)
        for (std::size_t j = 1; j < t.size(); ++j) {
            Gegeven& x = cel(static_cast<int>(i), static_cast<int>(j));
            // Without the table the test scans, where every match counts.
            x.Aantal = tabel ? tabel->Aantal(t[i].InternNummer, t[j].InternNummer) : x.Gescand;
        }
}

int32_t Herhaalstraf(const Paartabel& t, const Ontmoetingsmatrix& m, int i, int j, int32_t ronde) {
    if (!m.Gespeeld(i, j)) return 0;
    const int64_t pi = t[static_cast<std::size_t>(i)].AantalPartijen;
    const int64_t pj = t[static_cast<std::size_t>(j)].AantalPartijen;
    // A long season (many games, a meeting long ago) would make the first term negative and a
    // repeat cheaper than a new opponent at the same distance; it stops at nothing instead.
    int64_t straf = std::max<int64_t>(0, 4000 - pi * pi - pj * pj -
                                             50 * (int64_t{ronde} - m.LaatsteRonde(i, j)));
    const int keer = m.GescandAantal(i, j);
    if (keer > 1) straf += 10000;
    if (keer > 2) straf += 20000;
    return static_cast<int32_t>(straf);
}

Paarstand::Paarstand(const Paartabel& t, Voortgang& voortgang)
    : t_(t), voortgang_(voortgang), partner_(t.size(), 0), waarde_(t.size(), 0),
      regel_(t.size(), 0) {}

void Paarstand::Koppel(int p, int q, int64_t waarde) {
    partner_[static_cast<std::size_t>(p)] = q;
    partner_[static_cast<std::size_t>(q)] = p;
    waarde_[static_cast<std::size_t>(p)] = waarde_[static_cast<std::size_t>(q)] = waarde;
}

void Paarstand::Ontkoppel(int p, int q) {
    partner_[static_cast<std::size_t>(p)] = partner_[static_cast<std::size_t>(q)] = 0;
    waarde_[static_cast<std::size_t>(p)] = waarde_[static_cast<std::size_t>(q)] = 0;
}

void Paarstand::Toon(int regel, int p) {
    const int q = Partner(p);
    const std::size_t a = static_cast<std::size_t>(std::min(p, q));
    const std::size_t b = static_cast<std::size_t>(std::max(p, q));
    regel_[a] = regel_[b] = regel;
    voortgang_.ZetRegel(regel, Waarderegel(waarde_[a], t_[a], t_[b]));
}

void Paarstand::ToonParen() {
    int regel = 0;
    for (std::size_t p = 1; p < t_.size(); ++p) {
        const int q = partner_[p];
        if (q <= static_cast<int>(p)) continue;
        regel_[p] = regel_[static_cast<std::size_t>(q)] = ++regel;
        voortgang_.Regel(Waarderegel(waarde_[p], t_[p], t_[static_cast<std::size_t>(q)]));
    }
}

void Paarstand::Ruil(int x, int y, int64_t wxy, int u, int v, int64_t wuv) {
    // The four players held two lines; the new pairs take them over.
    int r1 = regel_[static_cast<std::size_t>(x)], r2 = regel_[static_cast<std::size_t>(u)];
    if (r1 == r2) r2 = regel_[static_cast<std::size_t>(v)];
    if (r1 == r2) r2 = regel_[static_cast<std::size_t>(y)];
    Koppel(x, y, wxy);
    Koppel(u, v, wuv);
    if (r1 == 0 || r2 == 0) return;
    Toon(r1, x);
    Toon(r2, u);
}

std::string Waarderegel(int64_t waarde, const Paarregel& a, const Paarregel& b) {
    char kop[32], na[16], nb[16];
    std::snprintf(kop, sizeof kop, "Waarde %4lld: ", static_cast<long long>(waarde));
    std::snprintf(na, sizeof na, "%3d ", a.Lotingnummer);
    std::snprintf(nb, sizeof nb, "%3d ", b.Lotingnummer);
    return std::string(kop) + na + VulRechts(a.Naam, 20) + " - " + nb + VulRechts(b.Naam, 20);
}

void SchrijfWaardeparing(Competitie& c, int32_t ronde, const Paartabel& t, const Paarstand& s,
                         Roosterresultaat& res) {
    std::vector<Kleurgegevens> kleuren(t.size());
    for (std::size_t p = 1; p < t.size(); ++p)
        kleuren[p] = Kleurgegevens{t[p].Kleurbalans, t[p].LaatsteKleur, t[p].InternNummer};
    res.Nieuw = SchrijfParen(c, ronde, EersteNummerNaAantal(c), s.Partners(), kleuren);
    res.VanRonde = res.TotRonde = ronde;
    res.Uitkomst = Roosteruitkomst::Gepaard;
}

} // namespace velkaro
