// The standings computation: totals per player from the counted matches, the sort keys with
// their tie-breaks, and the ranking list in ranking order.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"

#include <cstdint>

namespace velkaro {

// The answers of the sort dialog: the round range, the minimum number of games and whether
// every player's previous place takes his current place first.
struct Sorteerinstellingen {
    int32_t VanRonde;
    int32_t TotRonde;
    int32_t MinimumWedstrijden;
    bool VorigeNotering;
};

// What the sort dialog proposes: from the lowest round number to the highest round with
// results, the competition's minimum number of games, and the previous place updated.
Sorteerinstellingen StandaardSorteerinstellingen(const Competitie& c);

// Computes the standings into the players' totals and c.Ranglijst.
// stil = false is the interactive computation before a report: it does nothing while the
// standings are up to date, takes the caller's choices (nullptr: those the dialog proposes),
// writes the minimum back to MinimumWedstrijden, numbers the players marked "S", stores their
// places and marks the standings up to date.
// stil = true is the silent computation before a pairing and after a load: it always runs,
// takes the proposed range and minimum without touching the previous places (or the caller's
// choices when given), numbers the players marked "R" and leaves places and flag alone.
void ranglijst_sorteren(Competitie& c, bool stil, const Sorteerinstellingen* keuze = nullptr,
                        Voortgang* voortgang = nullptr);

} // namespace velkaro
