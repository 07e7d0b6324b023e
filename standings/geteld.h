// The rule for which matches count in the standings, read-only so that the reports fill their
// game tables from the same matches the computation counted.
#pragma once

#include "model/competitie.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velkaro::stand {

// One side of a counted match: a registered player, or an outside opponent known only by his
// rating (Speler is then nullptr). S is TSpelerObj for the computation, which writes the
// players' totals, and const TSpelerObj for readers.
template <class S> struct ZijdeVan {
    S* Speler = nullptr;
    std::size_t Index = 0; // the registered player's position in the register
    int32_t Buitenrating = 0;
    uint8_t Code = 0;
};

template <class S> struct GeteldeWedstrijdVan {
    ZijdeVan<S> Wit, Zwart;
    int32_t Ronde = 0;
    // An adjourned game (no result flag, 9 as white's code): it adds to nobody's totals, but
    // the reports mark it between two registered players.
    bool Afgebroken = false;
    bool BeideIngeschreven() const { return Wit.Speler && Zwart.Speler; }
};

using Zijde = ZijdeVan<TSpelerObj>;
using GeteldeWedstrijd = GeteldeWedstrijdVan<TSpelerObj>;
using GelezenWedstrijd = GeteldeWedstrijdVan<const TSpelerObj>;

// The matches of a round within [van, tot] that have a result or are adjourned, with each side
// registered or outside and at least one registered. An absent player (a number not in the
// register) leaves the whole match out; of two players with one number the first counts.
// Match-list order is kept: later matches set the last colour.
std::vector<GelezenWedstrijd> TelbareWedstrijden(const Competitie& c, int32_t van, int32_t tot);

// The matches the computation counts: those of TelbareWedstrijden with a result, their players
// writable.
std::vector<GeteldeWedstrijd> GeteldeWedstrijden(Competitie& c, int32_t van, int32_t tot);

// One bye within [van, tot]: the player's position in the register and the round. A bye
// carries no result flag of its own; it counts once its round is in the range.
struct VrijeRonde {
    std::size_t Index = 0;
    int32_t Ronde = 0;
};
std::vector<VrijeRonde> VrijeRondes(const Competitie& c, int32_t van, int32_t tot);

} // namespace velkaro::stand
