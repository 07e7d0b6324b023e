// How a match shows in the match list: the result text in the notation in force (points,
// chess notation, KNDB-Delfts) and the match line that is also the list's sort key.
#pragma once

#include "model/rekenopties.h"
#include "model/spelers.h"
#include "model/wedstrijden.h"

#include <string>

namespace velkaro {

// "AFG" for an adjourned game, three blanks without a result, else the two sides' parts; a bye
// shows what it scores, as a result against nobody.
std::string UitslagTekst(const Wedstrijdgegevens& g, const trekenopties& o);

// One side of a match as the lists show it: the player's name and drawing number, an outside
// opponent as his rating and the word for "Rating" with number 0, nobody as an empty name.
struct Kantweergave {
    std::string Naam;
    int32_t Lotingnummer = 0;
};
Kantweergave Kant(int32_t referentie, const TSpelersVerzameling& spelers);

// Round, number, white's number and name, "-", black's number and name ("vrij" for a bye),
// result, "R";
// tab-separated. The drawing numbers are shown (and the round narrowed to 2 positions) when
// toonLoting is set.
std::string WedstrijdRegel(const Wedstrijdgegevens& g, const TSpelersVerzameling& spelers,
                           const trekenopties& o, bool toonLoting);

} // namespace velkaro
