// The player fields of "player add" and "player edit": the options that fill the player
// entry dialog's fields, so that both commands read a player back through the same logic.
#pragma once

#include "cli/argumenten.h"
#include "entry/spelerinvoer.h"

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

} // namespace velkaro::cli
