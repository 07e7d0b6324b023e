// Keizer scoring: every player carries a value, a result earns a percentage of the opponent's
// value, and values follow the ranking; passes repeat until the settings say stop.
#include "standings/afronden.h"
#include "standings/sleutels.h"
#include "standings/systemen.h"
#include "standings/verzadig.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace velkaro::stand {

namespace {

// The percentage of a value a result code earns; codes that are no result earn nothing.
int32_t Percentage(const trekenopties& o, uint8_t code) {
    switch (code) {
    case UitslagWinst:
        return o.KeizerWinst;
    case UitslagRemise:
    case UitslagMinRemise:
    case UitslagPlusRemise:
        return o.KeizerRemise;
    case UitslagVerlies:
        return o.KeizerVerlies;
    default:
        return 0;
    }
}

// Integer part of a percentage of a value (truncated toward zero), as a real total takes it.
double Deel(int64_t waarde, int64_t procent) {
    return static_cast<double>(waarde * procent / 100);
}

// Recomputes every total from the current values: the match points, then the player's own
// value and a percentage of it for every game fewer than the player who played most.
void Totalen(Berekening& b, int32_t keizermaximum) {
    const trekenopties& o = b.c.Opties;
    // Summed in full precision and stored once, so that no partial sum is rounded.
    std::vector<double> totaal(b.c.Spelers.Aantal(), 0.0);
    for (const auto& w : b.Wedstrijden) {
        if (!w.BeideIngeschreven()) continue;
        totaal[w.Wit.Index] += Deel(w.Zwart.Speler->G().Keizerwaarde, Percentage(o, w.Wit.Code));
        totaal[w.Zwart.Index] += Deel(w.Wit.Speler->G().Keizerwaarde, Percentage(o, w.Zwart.Code));
    }
    // A bye earns the percentage of its score of the player's own value, as if he met himself,
    // and is a round taken part in rather than one missed.
    for (const auto& v : b.Vrij) {
        const Spelergegevens& g = b.c.Spelers.At(v.Index).G();
        totaal[v.Index] += Deel(g.Keizerwaarde, Percentage(o, o.VrijCode()));
    }
    for (std::size_t i = 0; i < b.c.Spelers.Aantal(); ++i) {
        Spelergegevens& g = b.c.Spelers.At(i).W();
        const int64_t minder = int64_t{keizermaximum} - g.AantalPartijen - g.AantalVrij;
        totaal[i] += static_cast<double>(g.Keizerwaarde) +
                     Deel(minder * g.Keizerwaarde, o.KeizerNietGespeeld);
        g.Keizerpunten = totaal[i];
    }
}

// Optimising: the value of a player is a third of the first place's value plus two thirds
// in proportion to his share of the leader's total.
void Optimaliseer(Berekening& b, int32_t keizermaximum) {
    const trekenopties& o = b.c.Opties;
    constexpr int kPassen = 20;
    for (int pas = 1; pas <= kPassen; ++pas) {
        b.Meld(lang::T::StapOptimaliserenKeizer, pas);
        // The minimum of games only counts in the last ranking.
        SorteerAlle(b.c, pas < kPassen ? 0 : b.Minimum);
        const double top =
            b.c.Ranglijst.Aantal() == 0
                ? 0.0
                : std::trunc(b.c.Ranglijst.At(0).Speler->G().Keizerpunten.Waarde() + 0.5);
        for (const auto& regel : b.c.Ranglijst) {
            Spelergegevens& g = regel.Speler->W();
            if (top != 0.0) {
                g.Keizerwaarde = RondOp(o.PuntenNr1 * (2 * g.Keizerpunten.Waarde() / top + 1) / 3);
            } else {
                g.Keizerwaarde = o.PuntenNr1;
            }
        }
        Totalen(b, keizermaximum);
    }
}

// Fixed passes: values fall by the step from place to place, never below the last value that
// is not greater than the step.
void VasteKeren(Berekening& b, int32_t keizermaximum) {
    const trekenopties& o = b.c.Opties;
    for (int pas = 1; pas <= o.KerenRekenen; ++pas) {
        b.Meld(lang::T::StapKeizerberekening, pas);
        b.c.Ranglijst.DeleteAll();
        const bool nul = std::any_of(b.c.Spelers.begin(), b.c.Spelers.end(),
                                     [](const auto& s) { return s->G().Keizerwaarde == 0; });
        if (nul) {
            // A new player has no value yet: all players start afresh, in register order.
            int32_t start = Verzadig(int64_t{o.PuntenNr1} + o.Afloopfactor);
            for (const auto& s : b.c.Spelers)
                if (s->G().Keizerwaarde > 0) start = std::min(start, s->G().Keizerwaarde);
            for (auto& s : b.c.Spelers) {
                if (start > o.Afloopfactor) start -= o.Afloopfactor;
                s->W().Keizerwaarde = start;
            }
        }
        Totalen(b, keizermaximum);
        SorteerAlle(b.c, b.Minimum);
        int32_t lopend = o.PuntenNr1;
        for (const auto& regel : b.c.Ranglijst) {
            regel.Speler->W().Keizerwaarde = lopend;
            if (o.Afloopfactor < lopend) lopend -= o.Afloopfactor;
        }
    }
}

} // namespace

void Keizer(Berekening& b) {
    b.Meld(lang::T::StapKeizermaximum);
    int32_t keizermaximum = 0;
    for (const auto& s : b.c.Spelers)
        keizermaximum = std::max(keizermaximum, s->G().AantalPartijen + s->G().AantalVrij);
    if (b.c.Opties.NietOptimaliseren == 0)
        Optimaliseer(b, keizermaximum);
    else
        VasteKeren(b, keizermaximum);
}

} // namespace velkaro::stand
