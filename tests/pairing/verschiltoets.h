// The differential check of the Swiss search: the pruned search against the literal one on the
// same input, fed by seeded seasons and by the hand-built fields where no pairing exists.
#pragma once

#include "model/competitie.h"
#include "pairing/posities.h"
#include "pairing/speltabel.h"
#include "pairing/zwitsers_zoeker.h"
#include "proeftoernooi.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velkaro::test {

struct Zoekinvoer {
    Speltabel Tabel;
    std::vector<Posities> Gespeeld;
    Zoekopties Opties;
};

// The search input of round `ronde` as the Swiss routine builds it: the round's unplayed
// matches removed, the standings sorted silently by resistance points.
Zoekinvoer BouwZoekinvoer(Competitie& c, int32_t ronde);

// How long either search may run on one round; the full run may shorten it.
inline double SecondenPerRonde = 60;

struct Vergelijking {
    bool Vergeleken = false; // false: the literal search passed the limit and was abandoned
    std::string Verschil;    // empty when both searches gave the same
    long long OnderzochtLetterlijk = 0;
    bool GesnoeidBegrensd = false; // the pruned search ran past SecondenPerRonde
    double SecondenGesnoeid = 0;   // the pruned search's time
};

// Runs both searches; the outcome, every partner, the colour difference in force at the end,
// the relaxed flag and, up to 5000, the count must agree (the matches, colours, numbers and
// messages of the round follow from these and the table alone). The literal search stops after
// `grens` pairs (or SecondenPerRonde, as float choices that fail at once count no pairs); the
// pruned one runs all the same, for at most SecondenPerRonde (past 5000 pairs its count may
// fall short of the literal one, as skipped groups count nothing). The FMJD rules have no literal
// search of their own: the same search with nothing skipped stands in for it.
Vergelijking VergelijkZoekers(const Zoekinvoer& in, long long grens);

// How the seeded seasons decide their games.
enum class Uitslagverdeling {
    Rating,   // the tournament generator's own: the higher rating wins more often
    Remises,  // every game drawn: the whole field stays on equal points
    Favoriet, // the higher rating always wins: few players per score group
    Munt,     // a coin for each game, no draws
};

struct Seizoen {
    int Rondes = 0;                 // rounds compared or abandoned
    int Vergeleken = 0;             // rounds compared
    int Afgebroken = 0;             // rounds where the literal search passed the limit
    int Boven5000 = 0;              // rounds compared where it tried more than 5000 pairs, where
                                    // the skipping and remembering start
    long long MeesteOnderzocht = 0; // the literal search's most pairs in one round
    int ZwaarsteRonde = 0;
    double LangsteSeconden = 0; // the pruned search's longest round
    int LangsteRonde = 0;
    bool GesnoeidBegrensd = false; // the season stopped: the pruned search ran out of time
    std::vector<std::string> Verschillen;
};

// A seeded season of `spelers` players: each round is compared and then paired by the Swiss
// routine of `systeem` (the Swiss or the FMJD Swiss) and played, up to the last round that can
// be paired (at most spelers - 1).
Seizoen SpeelSeizoen(unsigned zaad, int spelers, Uitslagverdeling u, long long grens,
                     int32_t systeem = SysteemZwitsers);

// The season of SpeelSeizoen up to the start of round `ronde`, without the comparisons: the
// hardest rounds it turns up, for the benchmarks.
std::unique_ptr<Proeftoernooi> SeizoenTot(unsigned zaad, int spelers, Uitslagverdeling u,
                                          int32_t ronde, int32_t systeem = SysteemZwitsers);

// `spelers` on equal points in two halves (odd positions and even ones) where everyone has met
// everyone of the other half: with odd halves no pairing exists.
Zoekinvoer TweeHelften(int spelers, Zoekopties opties);

} // namespace velkaro::test
