// Laren scoring: every player carries a value by his drawing number, a win earns the
// opponent's value, and the ranking is by the sum of four places: by points, by value-weighted
// points, and by both per game.
#include "model/ranglijst.h"
#include "standings/sleutels.h"
#include "standings/systemen.h"
#include "standings/verzadig.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace velkaro::stand {

namespace {

// One of the five sorts: the players in the standings by "1" (enough games) or "2" (too few)
// and a text made of a number, in text order.
tranglijst Larensortering(Berekening& b,
                          const std::function<std::string(const Spelergegevens&)>& tekst) {
    std::vector<tranglijst::Regel> regels;
    for (auto& s : b.c.Spelers) {
        if (!s->InStand()) continue;
        const Spelergegevens& g = s->G();
        const char groep = g.AantalPartijen >= b.Minimum ? '1' : '2';
        regels.push_back({groep + tekst(g), s.get()});
    }
    tranglijst lijst;
    lijst.VoegAlleToe(std::move(regels));
    return lijst;
}

// The first sort compares the opponents' average as bare decimal text, so 1000 comes before 999.
std::string AlsTekst(int64_t getal) {
    return std::to_string(getal);
}

// The other four rank by value, highest first. The classic texts "999999 - x" lose digits or
// turn negative once a large base lifts the weighted points per game past 99.9999, and their
// text order then ranks players wrongly; a fixed-width text of a shifted number keeps the text
// order the numeric one for every value a group can reach.
std::string HoogsteEerst(int64_t waarde) {
    constexpr int64_t kVerschuiving = 1'000'000'000'000'000'000;
    const int64_t sleutel =
        kVerschuiving - std::clamp<int64_t>(waarde, -kVerschuiving + 1, kVerschuiving - 1);
    std::string t = std::to_string(sleutel);
    return std::string(19 - t.size(), '0') + t;
}

// Gives places in a sorted list: a run of players with the same value (and on the same side of
// the minimum of games) shares the average of its positions.
void GedeeldePlaatsen(const tranglijst& lijst,
                      const std::function<double(const Spelergegevens&)>& waarde,
                      Real48 Spelergegevens::*plaats) {
    std::size_t i = 0;
    while (i < lijst.Aantal()) {
        const Spelergegevens& eerste = lijst.At(i).Speler->G();
        std::size_t j = i + 1;
        while (j < lijst.Aantal() && lijst.At(j).Sleutel[0] == lijst.At(i).Sleutel[0] &&
               waarde(lijst.At(j).Speler->G()) == waarde(eerste))
            ++j;
        // Positions i+1 .. j average to (i + 1 + j) / 2.
        const double gemiddeld = (static_cast<double>(i + 1) + static_cast<double>(j)) / 2;
        for (std::size_t k = i; k < j; ++k) lijst.At(k).Speler->W().*plaats = gemiddeld;
        i = j;
    }
}

int64_t Rond(double x) {
    return static_cast<int64_t>(std::nearbyint(std::clamp(x, -1e15, 1e15)));
}

} // namespace

void Laren(Berekening& b) {
    b.c.Ranglijst.DeleteAll();

    for (const auto& w : b.Wedstrijden) {
        if (!w.BeideIngeschreven()) continue;
        Spelergegevens& a = w.Wit.Speler->W();
        Spelergegevens& z = w.Zwart.Speler->W();
        for (auto [zelf, ander, code] :
             {std::tuple{&a, &z, w.Wit.Code}, std::tuple{&z, &a, w.Zwart.Code}}) {
            if (code == UitslagWinst)
                TelOp(zelf->LarenWP, ander->Larenwaarde);
            else if (code == UitslagRemise || code == UitslagMinRemise || code == UitslagPlusRemise)
                TelOp(zelf->LarenWP, ander->Larenwaarde / 2);
            TelOp(zelf->TegenstanderWaarden, ander->Larenwaarde);
        }
        if (a.Categoriecijfer != 0 && a.Categoriecijfer == z.Categoriecijfer) {
            ++a.GroepPartijen;
            ++z.GroepPartijen;
        }
    }

    for (auto& s : b.c.Spelers) {
        Spelergegevens& g = s->W();
        if (g.AantalPartijen > 0) {
            g.PuntenPerPartij = double(g.Punten - g.VrijPunten) / g.AantalPartijen;
            g.LarenWPPerPartij = double(g.LarenWP) / g.AantalPartijen;
            g.TegenstanderGemiddeld =
                Verzadig(int64_t{g.TegenstanderWaarden} * 100 / g.AantalPartijen);
        } else {
            g.PuntenPerPartij = 0.0;
            g.LarenWPPerPartij = 0.0;
        }
    }

    {
        const auto lijst =
            Larensortering(b, [](const auto& g) { return AlsTekst(g.TegenstanderGemiddeld); });
        int32_t positie = 0;
        for (const auto& regel : lijst) regel.Speler->W().LarenVolgorde = ++positie;
    }
    GedeeldePlaatsen(
        Larensortering(b, [](const auto& g) { return HoogsteEerst(g.Punten); }),
        [](const auto& g) { return double(g.Punten); }, &Spelergegevens::PlaatsPunten);
    GedeeldePlaatsen(
        Larensortering(b, [](const auto& g) { return HoogsteEerst(g.LarenWP); }),
        [](const auto& g) { return double(g.LarenWP); }, &Spelergegevens::PlaatsWP);
    GedeeldePlaatsen(
        Larensortering(b,
                       [](const auto& g) { return HoogsteEerst(Rond(g.PuntenPerPartij * 1000)); }),
        [](const auto& g) { return g.PuntenPerPartij.Waarde(); }, &Spelergegevens::PlaatsGemPunten);
    GedeeldePlaatsen(
        Larensortering(
            b, [](const auto& g) { return HoogsteEerst(Rond(g.LarenWPPerPartij * 10000)); }),
        [](const auto& g) { return g.LarenWPPerPartij.Waarde(); }, &Spelergegevens::PlaatsGemWP);

    for (auto& s : b.c.Spelers) {
        Spelergegevens& g = s->W();
        g.PlaatsTotaal = g.PlaatsPunten + g.PlaatsWP + g.PlaatsGemPunten + g.PlaatsGemWP;
    }

    // Among players with exactly the same place total, the results between them.
    for (const auto& w : b.Wedstrijden) {
        if (!w.BeideIngeschreven()) continue;
        Spelergegevens& a = w.Wit.Speler->W();
        Spelergegevens& z = w.Zwart.Speler->W();
        if (a.PlaatsTotaal != z.PlaatsTotaal) continue;
        for (auto [g, code] : {std::pair{&a, w.Wit.Code}, std::pair{&z, w.Zwart.Code}}) {
            if (code == UitslagWinst) TelOp(g->LarenOnderling, 1);
            if (code == UitslagVerlies) TelOp(g->LarenOnderling, -1);
        }
    }

    SorteerAlle(b.c, b.Minimum);
}

} // namespace velkaro::stand
