// What a pairing routine talks to besides the competition: the user (messages), the
// progress window, and the "Debugfile" switch of the schedule dialog.
#pragma once

#include "model/gesprek.h"

namespace velkaro {

struct Roosteromgeving {
    Gesprek& gesprek;
    Voortgang& voortgang;
    bool Debugfile = false; // write the search trace "vULWACHT"
};

// The odd-number message: "Kan niet paren" from the Swiss routines; "Oneven aantal spelers",
// a carriage return and "Kan niet paren" from the Keizer, place and Laren routines. Always
// captioned "Fout" with the error icon.
void MeldOnevenAantal(Gesprek& gesprek, bool zwitsers);
// "Kan niet paren" ("Fout", error icon): a search without a complete pairing.
void MeldKanNietParen(Gesprek& gesprek);

} // namespace velkaro
