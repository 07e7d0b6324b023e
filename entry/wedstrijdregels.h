// The rules of the match list that act on one match: exchanging colours, another match
// number or round, and a random result from the players' ratings. The match list applies them
// to its working set, the command line to the match collection.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"

#include <string_view>

namespace velkaro {

// Swaps white and black. Board points swap with the players; other results are mirrored
// (0/x with x > 0 becomes 2/0, 2 becomes 0/2, 3 becomes 4/3, 4 becomes 3/4); a draw, 0/0 and
// an adjourned game stay as they are. A bye is left as it is.
void WisselKleuren(twedstrijdobj& w, const trekenopties& o);

// A typed match number: anything other than 0 becomes the number (an unreadable text reads
// as 0). False when nothing changed.
bool ZetWedstrijdnummer(twedstrijdobj& w, std::string_view tekst);

// A typed round number: taken only when it is not 0 and that round exists. False when
// nothing changed.
bool ZetRondenummer(twedstrijdobj& w, std::string_view tekst, const trondeverzameling& rondes);

// A random result for a match between two registered players, weighted by their ratings (a
// rating of 0 counts as the starting rating): win, draw or loss for white, entered. False
// (and nothing changed) when a side is not a registered player.
bool RandomUitslag(Competitie& c, twedstrijdobj& w, Toeval& toeval);

} // namespace velkaro
