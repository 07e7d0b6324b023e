// What the steps of one standings computation share: the competition, the mode, the minimum
// number of games, the progress receiver and the matches that count.
#pragma once

#include "lang/teksten.h"
#include "model/competitie.h"
#include "model/gesprek.h"

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace velkaro::stand {

// A counted match with its sides resolved: a registered player, or an outside opponent known
// only by his rating (Speler is then nullptr).
struct Zijde {
    TSpelerObj* Speler = nullptr;
    std::size_t Index = 0; // the registered player's position in the register
    int32_t Buitenrating = 0;
    uint8_t Code = 0;
};

struct GeteldeWedstrijd {
    Zijde Wit, Zwart;
    bool BeideIngeschreven() const { return Wit.Speler && Zwart.Speler; }
};

// The matches that count: a result, a round within [van, tot], and each side registered or
// outside with at least one registered. An absent player (a number not in the register)
// leaves the whole match out. Match-list order is kept: later matches set the last colour.
std::vector<GeteldeWedstrijd> GeteldeWedstrijden(Competitie& c, int32_t van, int32_t tot);

struct Berekening {
    Competitie& c;
    bool Stil;
    int32_t Minimum; // minimum number of games of this computation
    Voortgang& Melder;
    std::vector<GeteldeWedstrijd> Wedstrijden;
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
