// FMJD title norms: the strength classes of a tournament by rating, the percentage each norm
// asks in a class, the norm tests per player, and the norm table (report kind 8).
#pragma once

#include "model/competitie.h"
#include "reports/rapportopties.h"
#include "reports/uitvoer.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velkaro {

enum class FMJDNorm : uint8_t { MF = 0, MI = 1, GMI = 2 };

// The Roman numeral of the class of a rating (I below 1976, then one class per 25 points up
// to XIX above 2400) and its letter (A to S).
std::string Categorie(int32_t rating);
char Klasseletter(int32_t rating);
// The percentage a norm asks in a class; nothing when the class cannot give that norm.
std::optional<int> NormPercentage(char letter, FMJDNorm norm);
// Whether the points (a win 2) are at least games × 2 × percentage / 100, rounded to the
// nearest whole number with halves to the even neighbour.
bool NormBehaald(int32_t punten, int32_t partijen, int percentage);
// The test of one norm for a player's totals: enough titled opponents and the percentage of
// the class of his opponents' average rating.
bool NormGehaald(const Spelergegevens& g, FMJDNorm norm);

// The average FMJD rating of the ranked players (2100 for one without; 0 without players);
// before the first computation, of the players who count in the standings.
int32_t GemiddeldeFMJDRating(const Competitie& c);
// The line "Gemiddelde rating", the average, "categorie" and its category, and an empty line.
void SchrijfGemiddeldeRating(const Competitie& c, TUitvoerObject& u);

// The block of the norm table: average rating and category, the rating list in use, the
// title and one row per ranked player.
void SchrijfFMJDTabel(const Competitie& c, const Rapportopties& o, TUitvoerObject& u);

} // namespace velkaro
