// The property tests' tools: a seeded random Swiss tournament and a pairing checker that
// recomputes what a round must satisfy from the matches themselves.
#pragma once

#include "model/competitie.h"

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace velkaro::test {

// A Swiss competition of `spelers` players with seeded ratings and settings: colour options
// drawn at random, and with an odd field one player not marked for pairing.
class Proeftoernooi {
public:
    Proeftoernooi(unsigned zaad, int spelers);
    Competitie c;
    // Random results for the unplayed matches of a round; the higher rating wins more often.
    void SpeelRonde(int32_t ronde);

private:
    std::mt19937 gen_;
};

// A seeded tournament of `spelers` players paired by the Swiss routine itself for the rounds
// before `ronde`, each played with random results; throws when a round cannot be paired.
std::unique_ptr<Proeftoernooi> GepaardTot(unsigned zaad, int spelers, int32_t ronde);

// What the checker needs from before the pairing: the matches as they stood (with the
// unplayed ones of the round already gone) to test repeats and colours against.
struct Voorstand {
    std::vector<Wedstrijdgegevens> Wedstrijden;
};
Voorstand NeemVoorstand(const Competitie& c, int32_t ronde);

// How the checker judges colours: by the colour rule, or (the Swiss by rating, whose verdicts
// are its own) only that under "Kleurverhouding dominant" no colour balance ends beyond the
// maximum difference (at least 1) unless it moved toward 0.
enum class Kleurcontrole { Regel, Maximum };

// What a system promises besides pairing every marked player once.
struct Paarregels {
    // Swiss: the colour value of the Swiss search and numbers from (players div 2) × (R − 1) + 1.
    // Otherwise (Keizer, place, Laren): the colour balance itself and numbers on from the
    // matches already there.
    bool Zwitsers = true;
    bool HerhalingVerboden = true;
    Kleurcontrole Kleur = Kleurcontrole::Regel;
};

// Checks round `ronde` after a successful pairing: every player marked "R" is in exactly one
// new match and nobody else is; no new pair met before (where forbidden); the colours; the
// numbers run upward as the system numbers. Returns the faults found.
std::vector<std::string> ControleerRonde(const Competitie& c, int32_t ronde, const Voorstand& voor,
                                         const Paarregels& regels = {});

} // namespace velkaro::test
