// What the schedule dialog decides, without any widget: the Swiss pre-check and its
// question, the proposed round, which players take part and when pairing may start, and
// what leaving the dialog leaves behind.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velkaro {

// The systems paired by the round robin: every system that is not Swiss and not 2, 3, 4 or
// 17 (Keizer, average, rating and Laren have pairings of their own).
bool IsRondtoernooi(uint16_t rekensysteem);

// The pre-check of the schedule command: under a Swiss system with unequal numbers of games
// the user is asked (Waarschuwing, Yes/No/Cancel) and only Yes goes on. True to go on.
bool Voorcontrole(const Competitie& c, Gesprek& gesprek);

// The round the dialog proposes: L + 1 under system 0 (L the highest round of all matches);
// otherwise B = max(L, 1), or B + 1 when a match of round B has a result or is adjourned, so
// that an unplayed last round is paired again.
int32_t VoorgesteldeRonde(const Competitie& c);

// What pairing round R would do to the matches that are there, for a caller without the
// dialog (the command line) that must refuse what the dialog would not propose.
struct Rondecontrole {
    int32_t Voorgesteld = 1; // the round the dialog proposes
    int32_t Uitslagen = 0;   // matches with a result (or adjourned) in the rounds to be paired
    int32_t Vervangen = 0;   // matches without a result there: pairing deletes them
    int32_t LegeRondes = 0;  // rounds without any match left between the last round and R
};
// The rounds to be paired are R (Swiss, Keizer, Laren and place pairing) or R and every later
// round (the round robin writes the whole schedule from R).
Rondecontrole ControleerRonde(const Competitie& c, int32_t ronde);

// The players to whom pairing round R would give a second game, by name in collection order:
// under the round robin everyone with a result (or adjourned game) in round R or later,
// otherwise the players marked "R" who have one in round R.
std::vector<std::string> AlGespeeld(const Competitie& c, int32_t ronde);
// Before pairing a round that has results: when AlGespeeld is not empty the user is asked,
// naming them (Bevestiging, Yes/No with No the default). True to go on.
bool BevestigOpnieuwParen(const Competitie& c, int32_t ronde, Gesprek& gesprek);

// The round the dialog passes on: its spin value, raised to 1 when below.
int32_t RondeVanInvoer(int32_t spinwaarde);

// True when pairing gives a bye: a system other than the round robin, the bye switched on and
// an odd number of players marked "R".
bool MetVrijeRonde(const Competitie& c);

// "&Rooster samenstellen" is allowed for the round robin always, otherwise when the number of
// players marked "R" is even or the bye is switched on.
bool MagSamenstellen(const Competitie& c);

// The line beside the counter, also the button's tooltip, for an odd number of players to
// pair: why the button is greyed (the bye is off), or that one player gets a bye. Empty
// otherwise.
std::string Samenstelmelding(const Competitie& c);

// The dialog's two player lists. The plain list: "»" when marked "R" (else a blank), Kort,
// the drawing number in three positions and Naam, separated by tabs. The check list (sorted
// by its text): the drawing number in three positions, Naam, and Kort in square brackets.
std::string RoosterlijstRegel(const TSpelerObj& speler);
std::string VinklijstRegel(const TSpelerObj& speler);
// The players in the order of the check list: sorted by their check-list line (the drawing
// number comes first, right-aligned), equal lines in collection order.
std::vector<TSpelerObj*> VinklijstSpelers(Competitie& c);

// "&Iedereen selecteren" / "&Niemand selecteren" and the toggle of one player.
void SelecteerIedereen(Competitie& c);
void SelecteerNiemand(Competitie& c);
void WisselRooster(Competitie& c, TSpelerObj& speler);

// Leaving the dialog: with "&Laatste ronde" ticked under system 5 the settings keep the sort
// order 21 from then on.
void VerlaatRoosterdialoog(Competitie& c, bool laatsteRonde);

} // namespace velkaro
