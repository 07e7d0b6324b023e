// The rating system and the Swiss rating system: a rating computed from the results ranks
// the players, or, under the Swiss rating system, the opponents' average rating breaks ties.
#include "standings/afronden.h"
#include "standings/sleutels.h"
#include "standings/systemen.h"
#include "standings/verwachting.h"
#include "standings/verzadig.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velkaro::stand {

namespace {

// Beginrating and Nurating share their fields with the opponent extremes.
int32_t& Beginrating(Spelergegevens& g) {
    return g.MinTegenstanderPunten;
}
int32_t& Nurating(Spelergegevens& g) {
    return g.MaxTegenstanderPunten;
}

// A side's score in twentieths of a game.
int32_t Score(const trekenopties& o, uint8_t code) {
    const bool plusMin = o.PlusMinRemisesActief();
    switch (code) {
    case UitslagRemise:
        return 10;
    case UitslagWinst:
        return 20;
    case UitslagMinRemise:
        return plusMin ? 5 : 10;
    case UitslagPlusRemise:
        return plusMin ? 15 : 10;
    case 5:
    case 6:
    case 7:
    case 8:
        // Board points above half of eight: a match won.
        return 20;
    default:
        return 0;
    }
}

int VerschilVan(int64_t d) {
    return static_cast<int>(std::clamp<int64_t>(d, -100000, 100000));
}

// The change of a rating after one game: the score above or below the expectation.
int32_t Wijziging(int32_t score, int64_t verschil, int32_t factor) {
    return Rond((score - 20 * Verwachting(VerschilVan(verschil))) * 0.05 * factor);
}

} // namespace

void Rating(Berekening& b) {
    trekenopties& o = b.c.Opties;
    b.c.Ranglijst.DeleteAll();
    const bool zwitsers = o.Rekensysteem == SysteemZwitsersRating;
    if (zwitsers) o.Ratingmethode = 0;
    const int32_t factor = std::abs(o.Correctiefactor);

    b.Meld(lang::T::StapRatingtotalen);
    for (auto& s : b.c.Spelers) {
        Spelergegevens& g = s->W();
        if (g.Rating == 0) g.Rating = o.Aanvangsrating;
        Beginrating(g) = Nurating(g) = g.Rating;
        if (Nurating(g) == 0 || o.Ratingmethode == 1) Nurating(g) = o.Aanvangsrating;
    }

    // Match by match in the order of the match list: later games see the ratings the earlier
    // ones left.
    b.Meld(lang::T::StapTegenstanderrating);
    auto RatingVan = [](const Zijde& z) {
        return z.Speler ? z.Speler->G().Rating : z.Buitenrating;
    };
    for (const auto& w : b.Wedstrijden) {
        switch (o.Ratingmethode) {
        case 0:
            for (auto [zelf, ander] : {std::pair{&w.Wit, &w.Zwart}, std::pair{&w.Zwart, &w.Wit}})
                if (zelf->Speler) b.Hulptabel[zelf->Speler->InternNummer()] += RatingVan(*ander);
            break;
        case 1:
            for (auto [zelf, ander] : {std::pair{&w.Wit, &w.Zwart}, std::pair{&w.Zwart, &w.Wit}}) {
                if (!zelf->Speler) continue;
                int32_t& nu = Nurating(zelf->Speler->W());
                const int64_t d = int64_t{nu} - RatingVan(*ander);
                nu = Verzadig(int64_t{nu} + Wijziging(Score(o, zelf->Code), d, factor));
            }
            break;
        case 2: {
            auto NuVan = [&](const Zijde& z) {
                return z.Speler ? Nurating(z.Speler->W()) : z.Buitenrating;
            };
            const int64_t d = int64_t{NuVan(w.Wit)} - NuVan(w.Zwart);
            const int32_t wit = Wijziging(Score(o, w.Wit.Code), d, factor);
            const int32_t zwart = Wijziging(Score(o, w.Zwart.Code), -d, factor);
            if (w.Wit.Speler) TelOp(Nurating(w.Wit.Speler->W()), wit);
            if (w.Zwart.Speler) TelOp(Nurating(w.Zwart.Speler->W()), zwart);
            break;
        }
        default:
            break;
        }
    }

    if (o.Ratingmethode == 0) {
        b.Meld(lang::T::StapEigenRating);
        for (auto& s : b.c.Spelers) {
            Spelergegevens& g = s->W();
            const auto it = b.Hulptabel.find(g.InternNummer);
            const int64_t tabel = it == b.Hulptabel.end() ? 0 : it->second;
            if (zwitsers) {
                Beginrating(g) =
                    g.AantalPartijen > 0 ? Rond(static_cast<double>(tabel) / g.AantalPartijen) : 0;
                continue;
            }
            // The score in half points, and the scoring fraction with one half point more over
            // one game more, so that a perfect score still has a finite difference.
            const double halven =
                std::nearbyint(0.1 * (20.0 * g.AantalWinst + 15.0 * g.PlusRemises +
                                      10.0 * g.AantalRemise + 5.0 * g.MinRemises));
            const double p = (halven + 1) * 0.5 / (g.AantalPartijen + 1);
            // The opponents' average with the player's own starting rating as one more.
            Beginrating(g) =
                Rond(static_cast<double>(tabel + Nurating(g)) / (g.AantalPartijen + 1));
            Nurating(g) = Verzadig(int64_t{Beginrating(g)} + Verschil(p));
        }
    }

    b.Meld(lang::T::StapSorterenRating);
    SorteerAlle(b.c, b.Minimum);
}

} // namespace velkaro::stand
