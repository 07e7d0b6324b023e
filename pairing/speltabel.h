// The player table of the Swiss search: the players marked for pairing in ranking order with
// the values the search reads, and their played-before rows by table position.
#pragma once

#include "model/competitie.h"
#include "pairing/kleur.h"
#include "pairing/ontmoetingen.h"
#include "pairing/posities.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velkaro {

struct Spelregel {
    std::string Naam;
    int32_t AantalPartijen = 0;
    int32_t Punten = 0;
    int32_t Weerstandspunten = 0;
    uint8_t Notering = 0;
    int32_t Kleurwaarde = 0;
    int32_t InternNummer = 0;
    int32_t Sorteersleutel = 0;
    uint8_t LaatsteKleur = 2;
};

// Positions 1..N; entry 0 is unused so that positions index the table directly.
using Speltabel = std::vector<Spelregel>;

// 10 × colour balance, one more for a non-negative balance after a white game, one less for
// a negative balance after a black game.
int32_t BerekenKleurwaarde(int8_t kleurbalans, uint8_t laatsteKleur);
// (100 − points) × 1000 − position for every position: the candidate order of a group.
void ZetSorteersleutels(Speltabel& t);
// The players of the ranking list that are marked "R", in ranking order, from the totals of
// the last standings computation.
Speltabel BouwSpeltabel(const Competitie& c);

// Per position the positions it met before (entry 0 unused). With the meeting table this
// reads its cells; without it one pass over the matches gives what the scan would.
std::vector<Posities> GespeeldRijen(const Speltabel& t, const Ontmoetingen& o);
// The same for the internal numbers of positions 1..N (entry 0 unused).
std::vector<Posities> GespeeldRijen(std::span<const int32_t> intern, const Ontmoetingen& o);

std::vector<Kleurgegevens> Kleuren(const Speltabel& t);

} // namespace velkaro
