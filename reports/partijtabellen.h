// The per-player tables the reports share, filled from the matches in the round range of the
// last standings computation: each player's games, his cumulative points per round, and the
// results of every pair of ranked players against each other.
#pragma once

#include "model/competitie.h"

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace velkaro {

struct Partij {
    int32_t Ronde = 0;
    // The opponent's position in the ranking list (from 1; 0 when he is not ranked); for an
    // outside opponent his rating reduced below 1000.
    int32_t Tegenstander = -1;
    bool Buiten = false;
    bool Vrij = false;  // a bye: no opponent (Tegenstander 0), Punten what it scores
    int32_t Punten = 0; // PuntenVoorUitslag of the own code
    uint8_t Kleur = 0;  // 0 white, 1 black
};

// Results of one player against one other in the round range.
struct Paarstand {
    int Winst = 0, Remise = 0, Verlies = 0, PlusRemise = 0, MinRemise = 0;
    int Partijen = 0;
    int Bordpunten = 0;      // sum of the own board scores in board-point mode
    bool Afgebroken = false; // an adjourned game between them lies in the range
    int32_t Punten(const trekenopties& o) const;
};

class Partijtabellen {
public:
    // The tables stop at 50 rounds and 50 games per player.
    static constexpr int kMaxRondes = 50;
    static constexpr std::size_t kMaxPartijen = 50;

    void Vul(const Competitie& c);

    const std::vector<Partij>& Partijen(int32_t internNummer) const;
    // Cumulative points up to and including the round, or nothing when the player has no
    // result in that round.
    std::optional<int32_t> Cumulatief(int32_t internNummer, int ronde) const;
    // The highest round that holds a result; 0 without any.
    int LaatsteRonde() const { return laatsteRonde_; }
    // P's results against Q; nothing when they have no game or adjourned game in the range.
    const Paarstand* Onderling(int32_t p, int32_t q) const;

private:
    struct Spelertabel {
        std::vector<Partij> Partijen;
        std::vector<std::optional<int32_t>> Rondes; // index 0 = round 1
    };
    Spelertabel& Tabel(int32_t internNummer);
    std::map<int32_t, Spelertabel> tabellen_;
    std::map<std::pair<int32_t, int32_t>, Paarstand> paren_;
    int laatsteRonde_ = 0;
};

// The points a result adds to Punten: PuntenVoorUitslag, or in board-point mode the match
// points 2, 1, 0 for a board score above, at or below 4.
int32_t StandPunten(const trekenopties& o, int code);

} // namespace velkaro
