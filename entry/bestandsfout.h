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

} // namespace velkaro
