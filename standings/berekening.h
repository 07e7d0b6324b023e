// What the steps of one standings computation share: the competition, the mode, the minimum
// number of games, the progress receiver and the matches that count.
#pragma once

#include "lang/teksten.h"
#include "model/competitie.h"
#include "model/gesprek.h"
#include "standings/geteld.h"

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace velkaro::stand {

struct Berekening {
    Competitie& c;
    bool Stil;
    int32_t Minimum; // minimum number of games of this computation
    Voortgang& Melder;
    std::vector<GeteldeWedstrijd> Wedstrijden;
    std::vector<VrijeRonde> Vrij; // the byes of the range
    // The points of every result code (the code itself in board-point mode), looked up once
    // per computation.
    std::array<int32_t, 256> PuntenVoorCode{};
    // The rating system's sums of opponents' ratings, by InternNummer.
    std::unordered_map<int32_t, int64_t> Hulptabel;

    // Shows a step's name; only the interactive computation shows its steps.
    void Meld(lang::T stap) const {
        if (!Stil) Melder.Status(lang::Tekst(stap));
    }
    void Meld(lang::T stap, long long nummer) const {
        if (!Stil) Melder.Status(lang::Tekst(stap) + std::to_string(nummer));
    }
    int32_t Punten(uint8_t code) const { return PuntenVoorCode[code]; }
    // True when the placing walk numbers this player.
    bool DoetMee(const TSpelerObj& s) const { return Stil ? s.InRooster() : s.InStand(); }
};

} // namespace velkaro::stand
