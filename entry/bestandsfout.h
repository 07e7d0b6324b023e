// The user's words for a failed file operation, and showing them: every save the desktop
// program makes goes through here, so a failed one is never passed over silently.
#pragma once

#include "model/gesprek.h"
#include "storage/competitiebestand.h"

#include <string>

namespace velkaro {

// The text of the language tables for a failed operation, with the file and the system's
// reason; empty when nothing failed.
std::string BestandsfoutTekst(const Bestandsresultaat& r);
// The user's words for one damaged file: "Groepsbestand club.101 is beschadigd: ...".
std::string SchadeTekst(const Beschadiging& b);
// Shows a failure as an error message; true when there was nothing to show.
bool MeldBestandsfout(Gesprek& gesprek, const Bestandsresultaat& r);
// Shows the damaged files of a load, if any, and asks whether changes may be saved over them
// all the same; true without damage or with the user's Yes.
bool SchadeAanvaard(Gesprek& gesprek, const Bestandsresultaat& r);
// After a load: shows the damaged files and asks whether changes may be saved over them all
// the same. Without the user's Yes the open group (or, for a damaged main file, the whole
// competition) becomes read-only; a group that loads whole lifts a group's read-only state.
// True when the competition may be saved.
bool MeldSchade(Competitie& c, Gesprek& gesprek, const Bestandsresultaat& r);

} // namespace velkaro
