// The player fields of "player add" and "player edit": the options that fill the player
// entry dialog's fields, so that both commands read a player back through the same logic.
#pragma once

#include "cli/argumenten.h"
#include "entry/spelerinvoer.h"
#include "model/competitie.h"

#include "storage/ratinglijst.h"

#include <optional>
#include <ostream>
#include <set>
#include <string>

namespace velkaro::cli {

// The options with a value that set a field.
const std::set<std::string>& SpelerveldOpties();
// The usage text of those options.
extern const char* const kSpelerveldGebruik;
// Fills the fields the options name. Numbers that the dialog reads itself (drawing number,
// barrage, FMJD number) are passed on as typed, so that it reports what is no number.
void VulSpelervelden(const Argumenten& a, Spelervelden& v);
// The rating lists for --from-list and --from-fmjd, loaded only when one of them is given
// (the FMJD variant the group has chosen); refuses when the list asked for is not there.
std::optional<Ratinglijsten> LijstenVoorOvername(const Argumenten& a, const Competitie& c);
// Takes the player over from the list entry --from-list or --from-fmjd names, as a click on
// the player dialog's list line does; the field options given as well then change what was
// taken over. --from-list must find exactly one entry.
void NeemUitLijstOver(const Argumenten& a, const Ratinglijsten& lijsten, const Competitie& c,
                      TInvoerSpelers& d);
// Refuses what the file cannot hold as given: a negative drawing number, a name with "##"
// (the file's border between the name and the full name).
void ControleerSpelervelden(const Argumenten& a);
// After the dialog read the fields back into g: says on err what was cut or replaced (a name
// over 20 characters, a short code or place cut to its field, characters outside
// Windows-1252) and category letters the group does not define. Returns the name as stored.
std::string MeldAanpassingen(const Argumenten& a, const Competitie& c, const Spelergegevens& g,
                             std::ostream& err);

} // namespace velkaro::cli
