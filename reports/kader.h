// The frame every report shares: the tournament block, the fixed and one-time texts or the file
// line, the FMJD average line, the report's title, and the totals summary after a table.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"
#include "reports/rapportopties.h"
#include "reports/uitvoer.h"

#include <string>

namespace velkaro {

// The name of a report kind as captions show it ("Ranglijst", "Voortschrijdingstabel", ...).
std::string Soortnaam(Rapportsoort soort);
// The kind's name with the tournament name: the title of an HTML page.
std::string Rapportnaam(const Competitie& c, Rapportsoort soort);
// The title above the table, with the round range of the last standings computation.
std::string Rapporttitel(const Competitie& c, Rapportsoort soort);

// The lines before the title: tournament block, fixed or one-time texts, FMJD average.
void SchrijfKader(const Competitie& c, const Rapportopties& o, TUitvoerObject& u, const Klok& klok);
// The summary of the matches in the round range (played, won by white and black, drawn).
void SchrijfTotaalgegevens(const Competitie& c, TUitvoerObject& u);

// The tournament category of an average FMJD rating, in Roman numerals (I below 1976, then
// one class per 25 points up to XIX above 2400).
std::string FMJDCategorie(int32_t rating);
// A date kept as its eight digits (ddmmjjjj) shown with dashes; anything else as it is.
std::string Datumtekst(const std::string& cijfers);

} // namespace velkaro
