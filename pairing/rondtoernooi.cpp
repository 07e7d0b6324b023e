#include "pairing/rondtoernooi.h"

#include "pairing/nieuwe_wedstrijden.h"

#include <cstdlib>
#include <vector>

namespace velkaro {

namespace {

struct Werkrij {
    int32_t InternNummer = 0;
    int32_t Tegenstander = 0; // opponent position; + white before the colour option, − black
    int32_t Vorige = 0;       // the same for the previous round
};

// The first round: position k meets M + 1 − k, the lower position white.
void EersteRonde(std::vector<Werkrij>& t, int32_t m) {
    for (auto& r : t) r.Tegenstander = r.Vorige = 0;
    for (int32_t k = 1; k <= m / 2; ++k) {
        t[static_cast<std::size_t>(k)].Tegenstander = m + 1 - k;
        t[static_cast<std::size_t>(m + 1 - k)].Tegenstander = -k;
    }
}

// A later round: every position moves one step along the circle around position M and
// changes colour with respect to the previous round.
void VolgendeRonde(std::vector<Werkrij>& t, int32_t m) {
    for (auto& r : t) {
        r.Vorige = r.Tegenstander;
        r.Tegenstander = 0;
    }
    for (int32_t k = 1; k <= m; ++k) {
        auto& rk = t[static_cast<std::size_t>(k)];
        if (rk.Tegenstander != 0) continue;
        const int32_t p = std::abs(rk.Vorige);
        const int32_t basis = p == m ? k : p;
        int32_t o = basis + 1;
        if (o == m) o = 1;
        if (o == k) o = m;
        auto& ro = t[static_cast<std::size_t>(o)];
        rk.Tegenstander = rk.Vorige < 0 ? o : -o;
        ro.Tegenstander = ro.Vorige < 0 ? k : -k;
        if ((rk.Tegenstander > 0) == (ro.Tegenstander > 0)) rk.Tegenstander = -rk.Tegenstander;
    }
}

} // namespace

Roosterresultaat StelStandaardRoosterSamen(Competitie& c, int32_t ronde, bool standaard) {
    Roosterresultaat res;
    const auto n = static_cast<int32_t>(c.Spelers.Aantal());
    const int32_t m = n % 2 == 0 ? n : n + 1;
    std::vector<Werkrij> t(static_cast<std::size_t>(m) + 1);
    for (int32_t k = 1; k <= n; ++k)
        t[static_cast<std::size_t>(k)].InternNummer =
            c.Spelers.At(static_cast<std::size_t>(k - 1)).InternNummer();
    int32_t teller = (m / 2) * ronde + 1;
    bool gewijzigd = false;
    for (int32_t r = 1; r <= m - 1; ++r) {
        const int32_t rondenummer = ronde + r - 1;
        if (r == 1)
            EersteRonde(t, m);
        else
            VolgendeRonde(t, m);
        if (c.Wedstrijden.verwijderronde(rondenummer)) gewijzigd = true;
        const std::set<int32_t> gebruikt = GebruikteNummers(c, rondenummer);
        for (int32_t k = 1; k <= n; ++k) {
            const int32_t o = t[static_cast<std::size_t>(k)].Tegenstander;
            if (o <= 0 || o > n) continue; // black, or the dummy of an odd field
            Wedstrijdgegevens g;
            g.Ronde = rondenummer;
            g.Wedstrijdnummer = VolgendVrijNummer(teller, gebruikt);
            g.Wit = t[static_cast<std::size_t>(k)].InternNummer;
            g.Zwart = t[static_cast<std::size_t>(o)].InternNummer;
            if (!standaard) std::swap(g.Wit, g.Zwart);
            c.Wedstrijden.Voegtoe(g);
            res.Nieuw.push_back(g);
            gewijzigd = true;
        }
    }
    if (gewijzigd) c.MarkeerHerberekenen();
    res.VanRonde = ronde;
    res.TotRonde = ronde + m - 2;
    return res;
}

} // namespace velkaro
