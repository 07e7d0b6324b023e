// What the Keizer, place and Laren pairings share: a table of positions from the ranking list,
// the meetings of its players by position, the repeat penalty, the pair state with its
// progress lines, and the way in and out of a routine (replacing the round, writing the pairs).
#pragma once

#include "model/competitie.h"
#include "pairing/kleur.h"
#include "pairing/ontmoetingen.h"
#include "pairing/roosteromgeving.h"
#include "pairing/roosterresultaat.h"

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace velkaro {

// One position of the table; each routine fills the fields its value reads.
struct Paarregel {
    int32_t InternNummer = 0;
    int32_t Lotingnummer = 0;
    std::string Naam;
    int32_t AantalPartijen = 0;
    int32_t Kleurbalans = 0;
    uint8_t LaatsteKleur = 2;
    bool Paren = true; // Keizer: false for a player without "R", who only holds his place
    int32_t Plaatsnummer = 0;
    int32_t Categoriecijfer = 0;
    int32_t Larenwaarde = 0;
    int32_t LarenVolgorde = 0;
    int32_t GroepPartijen = 0;
    int32_t Punten = 0;
};

// Positions 1..M; entry 0 is unused so that positions index the table directly.
using Paartabel = std::vector<Paarregel>;

// A table holds at most 255 positions.
constexpr int kMaxPosities = 255;

Paarregel MaakPaarregel(const TSpelerObj& s);

// The meetings of every two positions: the meeting count of the played-before test (the
// meeting table while it exists, else the scan), and the last meeting with the number of
// meetings over the range of the last-meeting scan. Built once, so a value costs no scan.
class Ontmoetingsmatrix {
public:
    Ontmoetingsmatrix(const Paartabel& t, const Ontmoetingen& o);

    int Aantal(int i, int j) const { return Cel(i, j).Aantal; }
    bool Gespeeld(int i, int j) const { return Aantal(i, j) > 0; }
    int32_t LaatsteRonde(int i, int j) const { return Cel(i, j).Ronde; }
    int GescandAantal(int i, int j) const { return Cel(i, j).Gescand; }

private:
    struct Gegeven {
        int Aantal = 0;
        int32_t Ronde = -1;
        int Gescand = 0;
    };
    const Gegeven& Cel(int i, int j) const {
        return cellen_[static_cast<std::size_t>(i) * breedte_ + static_cast<std::size_t>(j)];
    }
    std::size_t breedte_;
    std::vector<Gegeven> cellen_;
};

// The repeat penalty of the Keizer and Laren values for the positions i and j in round R: 0
// when they never met; else 4000 − games(i)² − games(j)² − 50 × (R − last round), but never
// below 0, plus 10000 when they met more than once and 20000 more when more than twice.
int32_t Herhaalstraf(const Paartabel& t, const Ontmoetingsmatrix& m, int i, int j, int32_t ronde);

// The pairs and their values, and the progress list: one line per pair, rewritten in place when
// an exchange changes the pair.
class Paarstand {
public:
    Paarstand(const Paartabel& t, Voortgang& voortgang);

    int Partner(int p) const { return partner_[static_cast<std::size_t>(p)]; }
    int64_t Paarwaarde(int p) const { return waarde_[static_cast<std::size_t>(p)]; }
    void ZetBuiten(int p) { partner_[static_cast<std::size_t>(p)] = -1; }
    // Pairs p and q with the value of their pair.
    void Koppel(int p, int q, int64_t waarde);
    void Ontkoppel(int p, int q);
    // Shows one line per pair in ascending position of its first player.
    void ToonParen();
    // Exchanges the partners of two pairs (i, a) and (j, b) into (x, y) and (u, v), keeping the
    // two progress lines of the old pairs for the new ones.
    void Ruil(int x, int y, int64_t wxy, int u, int v, int64_t wuv);

    const std::vector<int>& Partners() const { return partner_; }

private:
    void Toon(int regel, int p);
    const Paartabel& t_;
    Voortgang& voortgang_;
    std::vector<int> partner_;
    std::vector<int64_t> waarde_;
    std::vector<int> regel_; // per position the progress line of its pair; 0 none yet
};

// "Waarde %4d: %3d %-20s - %3d %-20s": value, drawing number and name of both players.
std::string Waarderegel(int64_t waarde, const Paarregel& a, const Paarregel& b);

// Runs one preparatory step; an internal fault is reported with its own plain message and the
// routine goes on with what it has.
template <class F> void Voorbereiding(Gesprek& gesprek, const std::string& fout, F&& stap) {
    try {
        stap();
    } catch (const std::exception&) {
        gesprek.Melding(fout, "", Pictogram::Geen);
    }
}

// The way out: the new matches of the pairs, numbered on from the match count, white by the
// colour rule on the colour balance; the report range R..R.
void SchrijfWaardeparing(Competitie& c, int32_t ronde, const Paartabel& t, const Paarstand& s,
                         Roosterresultaat& res);

} // namespace velkaro
