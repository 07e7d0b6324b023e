// The Swiss pairing of one round (system 1, "Zwitsers weerstand"): the standings under sort
// order 47, the player table of the marked players, the search, and the new matches.
#pragma once

#include "model/competitie.h"
#include "pairing/roosteromgeving.h"
#include "pairing/roosterresultaat.h"
#include "pairing/zwitsers_zoeker.h"

namespace velkaro {

// Replaces the unplayed matches of round R by a new pairing of the players marked "R". The
// settings' sort order is 47 while the routine runs and is restored on every way out; the
// settings' colour difference is never changed (the search relaxes its own copy). An odd
// number of players, more than 255, or a search without a complete pairing ends with
// "Kan niet paren" and no new match; the unplayed matches of round R are gone all the same.
Roosterresultaat StelZwitsersRoosterSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg);

// The routine above with the search rules of `variant`, under `sorteervolgorde` for the
// duration of the routine; the FMJD Swiss (pairing/fmjd_zwitsers.h) runs it too.
Roosterresultaat StelZwitsersVariantSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg,
                                          Zwitsersvariant variant, int32_t sorteervolgorde);

} // namespace velkaro
