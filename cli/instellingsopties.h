// The options of "settings" and "tournament", shared with "new": each set of options goes
// through the dialog's own logic, so that a competition made at once reads the same as one
// made first and set afterwards.
#pragma once

#include "cli/argumenten.h"
#include "cli/json.h"
#include "model/competitie.h"

#include <set>
#include <string>

namespace velkaro::cli {

// The scoring settings: the options, their usage lines, and applying them as the settings
// dialog's OK does. Applying refuses (Weigering with the system's text) what the dialog
// refuses and a combination it cannot make (Gebruiksfout); the competition is then only
// half changed in memory, so the caller saves nothing. Returns whether any option was given.
const std::set<std::string>& InstellingOpties();
extern const char* const kInstellingGebruik;
bool PasInstellingenToe(Competitie& c, const Argumenten& a, std::ostream& waarschuwingen);
Json InstellingenJson(const Competitie& c);

// The tournament data, likewise through the tournament data dialog's OK.
const std::set<std::string>& ToernooiOpties();
extern const char* const kToernooiGebruik;
bool PasToernooiToe(Competitie& c, const Argumenten& a);
Json ToernooiJson(const Competitie& c);

} // namespace velkaro::cli
