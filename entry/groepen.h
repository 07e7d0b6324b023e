// What the competition group dialog decides: choosing, creating, copying, renumbering,
// renaming and deleting groups, with their input boxes and questions. Every operation that
// leaves the open group writes it first; when that write fails the failure is shown and
// the operation stops, so no change of the open group is lost.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velkaro {

// One line of the dialog's list.
struct Groepsregel {
    std::string Tekst; // "%5d - %-20s" of Competitienummer and Titel
    int32_t Bestandsnummer = 0;
};

// The dialog's list: every group, sorted by its line text (so by Competitienummer).
std::vector<Groepsregel> GroepenLijst(const Competitie& c);

// Each operation works on the group with this Bestandsnummer (the selected line) and returns
// true when it changed the competition; a refusal or a failure has been shown through gesprek.

// "&Kies": write the open group, load the chosen one.
bool KiesGroep(Competitie& c, Gesprek& gesprek, int32_t bestandsnummer);
// "&Nieuw": a new empty group with a number asked for; it becomes the open group and the
// competition is saved. Returns the new group's Bestandsnummer, 0 when nothing was made.
int32_t NieuweGroep(Competitie& c, Gesprek& gesprek);
// "K&opieer": a new group with a number asked for, holding a copy of the selected group; it
// becomes the open group and the competition is saved. Returns its Bestandsnummer or 0.
int32_t KopieerGroep(Competitie& c, Gesprek& gesprek, int32_t bestandsnummer);
// "&Hernummer": another Competitienummer for the selected group (not checked against others).
bool HernummerGroep(Competitie& c, Gesprek& gesprek, int32_t bestandsnummer);
// "&Wijzig naam": opens the selected group and asks its new title.
bool WijzigGroepsnaam(Competitie& c, Gesprek& gesprek, int32_t bestandsnummer);
// "&Verwijder": deletes the selected group and its file after a question; the last group is
// never deleted. When the open group goes, the first group of the list is loaded.
bool VerwijderGroep(Competitie& c, Gesprek& gesprek, int32_t bestandsnummer);

} // namespace velkaro
