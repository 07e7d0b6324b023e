#include "bench/grootste.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace velkaro::bench {

void VulGrootste(Competitie& c, unsigned zaad) {
    std::mt19937 gen(zaad);
    constexpr int kSpelers = 255;
    constexpr int kRondes = 50;
    for (int i = 1; i <= kSpelers; ++i) {
        Spelergegevens g;
        g.Lotingnummer = i;
        g.Naam = "Speler " + std::to_string(i);
        g.VolledigeNaam = "Speler nummer " + std::to_string(i);
        g.Kort = "S" + std::to_string(i % 100);
        g.Plaats = "Plaats " + std::to_string(i % 17);
        g.Land = "NED";
        g.LokaleRating = 900 + static_cast<int>(gen() % 1300);
        g.FMJDRating = 2100;
        g.Rating = g.LokaleRating;
        g.Categorieen = "A    ";
        g.Opnemen = OpnemenStand | OpnemenRooster;
        c.Spelers.Voegtoe(g);
    }
    std::vector<int32_t> volgorde(kSpelers);
    for (int i = 0; i < kSpelers; ++i) volgorde[static_cast<std::size_t>(i)] = i + 1;
    for (int r = 1; r <= kRondes; ++r) {
        std::shuffle(volgorde.begin(), volgorde.end(), gen);
        int nummer = 1;
        for (int i = 0; i + 1 < kSpelers; i += 2) {
            Wedstrijdgegevens w;
            w.Ronde = r;
            w.Wedstrijdnummer = nummer++;
            w.Wit = volgorde[static_cast<std::size_t>(i)];
            w.Zwart = volgorde[static_cast<std::size_t>(i + 1)];
            const int u = static_cast<int>(gen() % 3);
            w.UitslagWit = static_cast<uint8_t>(u);
            w.UitslagZwart = static_cast<uint8_t>(2 - u);
            w.Gespeeld = true;
            c.Wedstrijden.Voegtoe(w);
        }
        c.Rondes.ZetRondeDatum(r, std::to_string(r) + "-01-2027");
    }
    c.Opties.Toernooinaam = "Grootste competitie";
}

} // namespace velkaro::bench
