// The Swiss pairing by rating (system 5): the player table with colour preferences and the
// float markers of the two previous rounds, the colour verdicts, and the routine that pairs a
// round under system 16 and puts system 5 back.
#pragma once

#include "model/competitie.h"
#include "pairing/roosteromgeving.h"
#include "pairing/roosterresultaat.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velkaro {

// Colour preferences: 0 white, 1 black, 2 none.
enum Kleurwens : uint8_t { WensWit = 0, WensZwart = 1, WensGeen = 2 };

struct Ratingregel {
    std::string Naam;
    int32_t AantalPartijen = 0;
    int32_t Punten = 0;
    int32_t Weerstandspunten = 0;
    uint8_t Notering = 0;
    int8_t Kleurbalans = 0;
    int32_t InternNummer = 0;
    uint8_t LaatsteKleur = 2;
    int32_t Percentage = 0; // the score rate in the last round, else 0
    uint8_t Kleurvoorkeur = WensGeen;
    uint8_t SterkeKleurvoorkeur = WensGeen;
    bool df = false, uf = false;   // floated down / up in the previous round
    bool df1 = false, uf1 = false; // the same in the round before
};

// Positions 1..N in ranking order; entry 0 is unused.
using Ratingtabel = std::vector<Ratingregel>;

// The players marked "R" of the ranking list with their totals, preferences and the float
// markers of rounds R − 1 and R − 2 (a player's score before a round is his points less the
// result codes of his matches from that round on; the higher one floated down).
Ratingtabel BouwRatingtabel(const Competitie& c, int32_t ronde, bool laatsteRonde);

// For positions i < j: true when i plays white. Stages, each only when the earlier ones gave
// no verdict: strong preferences, preferences, colour balance (the lower one white), and j
// white when i had black last; j wins a stage that gives both verdicts.
bool RatingEersteSpeeltWit(const Ratingregel& i, const Ratingregel& j);

// Replaces the unplayed matches of round R by a pairing of the players marked "R". The
// standings are computed under system 16 while the routine runs and again under system 5
// afterwards; an odd number of players, more than 255, or no pairing ends with
// "Kan niet paren" and no new match.
Roosterresultaat StelRatingZwitsersRoosterSamen(Competitie& c, int32_t ronde, bool laatsteRonde,
                                                Roosteromgeving& omg);

} // namespace velkaro
