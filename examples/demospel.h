// Shared helpers of the demo generator: players from a short list, results drawn from the
// ratings, and a simple pairing by points and rating for the groups that are not round robins.
#pragma once

#include "model/competitie.h"

#include <cstdint>
#include <random>
#include <set>
#include <vector>

namespace velkaro::demo {

struct Deelnemer {
    const char* naam;
    const char* volledig;
    const char* kort;
    const char* plaats;
    int rating; // 0: a new member without a rating
    const char* cat;
};

// The players in list order, drawing numbers from 1, marked S and R.
void VoegSpelersToe(Competitie& c, const std::vector<Deelnemer>& lijst);

// The categories of the club groups: seniors, veterans and youth.
std::vector<Categoriegegevens> Clubcategorieen();

// A result drawn from the rating difference: the stronger player wins more often.
void Speel(Competitie& c, twedstrijdobj& w, std::mt19937& gen);

// One round paired by points and rating, each player against the first one below him he has
// not met; the players with a drawing number in afwezig sit the round out. The matches are
// numbered on from the last one and played at once.
void ZwitsersRonde(Competitie& c, int ronde, std::mt19937& gen,
                   const std::set<int32_t>& afwezig = {});

// A season of club evenings: one round per date, paired by ZwitsersRonde from a generator
// seeded with zaad; afwezig holds per round the drawing numbers of the members who miss it (a
// shorter list: nobody misses the later rounds).
void SpeelSeizoen(Competitie& c, uint32_t zaad, const std::vector<const char*>& data,
                  const std::vector<std::set<int32_t>>& afwezig = {});

// The four club groups under the Keizer, average, rating and Laren systems.
void Keizercompetitie(Competitie& c);
void Moyennecompetitie(Competitie& c);
void Ratingcompetitie(Competitie& c);
void Larencompetitie(Competitie& c);

} // namespace velkaro::demo
