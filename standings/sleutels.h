// The sort keys of the ranking: the seven keys per calculation system with the tie-break
// criteria of Sorteervolgorde, the key text and the insertion into the ranking list.
#pragma once

#include "model/competitie.h"

#include <array>
#include <cstdint>
#include <string>

namespace velkaro {

// Added to K1 of a player who reached the minimum number of games, so that every such player
// ranks above every player who did not.
constexpr int32_t kMinimumBonus = 330000000;

// The value of tie-break criterion 1 to 9 (a digit of Sorteervolgorde) for a player's totals;
// 0 for a digit that names no criterion.
int32_t Criteriumwaarde(const Spelergegevens& g, int cijfer);

// Sets the seven keys of a player from his totals under the calculation system in force, and
// keeps the corrected resistance points of criteria 5 and 6 for the reports.
void BouwSleutels(const trekenopties& o, TSpelerObj& s);

// The 63-character key text: each key as 650000000 - K right-aligned in nine characters, so
// that the text order runs from the highest keys to the lowest.
std::string Sleuteltekst(const std::array<int32_t, 7>& sleutels);

// Gives the minimum-games bonus and inserts the player by his key text; among equal texts the
// player inserted later stands first.
void VoegToe(tranglijst& lijst, TSpelerObj& s, int32_t minimum);

// Empties the ranking list, then builds the keys of every player and inserts him, in register
// order.
void SorteerAlle(Competitie& c, int32_t minimum);

// The weight of a result against the player placed p in the highest deviating result: 2 to the
// power 25 - p for places 1 to 25, 0 otherwise.
int32_t HARWeging(int32_t plaats);

} // namespace velkaro
