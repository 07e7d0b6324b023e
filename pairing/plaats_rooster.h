// Place pairing (system 3, the settings group "Paring RI Vedodi") and Laren pairing (system 17):
// one machinery of a value per ordered pair, a starting pairing, the adjacent fill and rounds of
// exchanges between two pairs, with a value of nearby places or of half the field apart.
#pragma once

#include "model/competitie.h"
#include "pairing/roosteromgeving.h"
#include "pairing/roosterresultaat.h"
#include "pairing/waardeparing.h"

#include <cstdint>
#include <vector>

namespace velkaro {

// The players marked "R" in ranking order. Plaatsnummer counts over the whole ranking list
// every entry with "R" and every entry without it whose games × 2 reach R − 1.
Paartabel BouwPlaatstabel(const Competitie& c, int32_t ronde);
// The players marked "R" in the Laren ranking order.
Paartabel BouwLarentabel(const Competitie& c);

struct Plaatsinstellingen {
    int32_t MinWed = 0;        // "Min.wed.": up to this many games the category digit counts
    int32_t PlaatsAfstand = 0; // "Max plaatsv.": a place distance that costs nothing
    int32_t Geleden = 0;       // "Ronderuimte": rounds that should lie between two meetings
};

int64_t Plaatswaarde(const Paartabel& t, const Ontmoetingsmatrix& m, int i, int j,
                     const Plaatsinstellingen& p, int32_t ronde);
// `helft`: the number of entries of the ranking list div 2.
int64_t Larenpaarwaarde(const Paartabel& t, const Ontmoetingsmatrix& m, int i, int j, int32_t helft,
                        int32_t ronde);

// Which pairs equal alternatives of an exchange end in: (i, j) and (a, b) for the place
// pairing, (i, b) and (a, j) for the Laren pairing.
enum class Gelijkeruil { Plaats, Laren };

// The pairing of positions 1..N by the values waarde[i × (N + 1) + j] (lower is better).
class Ruilparing {
public:
    static constexpr int kMatrixGrens = 50; // the starting pairing and the worst-pair rounds
    static constexpr int kMaxRondes = 500;

    Ruilparing(int n, std::vector<int64_t> waarde, Gelijkeruil gelijk, Paarstand& s);

    int64_t Waarde(int i, int j) const {
        return waarde_[static_cast<std::size_t>(i) * (static_cast<std::size_t>(n_) + 1) +
                       static_cast<std::size_t>(j)];
    }
    // For every row the partner of the largest value (the first on equal values); then, row by
    // row from the largest recorded value, the two are paired when both are free and leave
    // the choice.
    void Startparing();
    // Every free position with the next free one below it, from the top down.
    void VulAan();
    bool Ruil(int i, int j);
    // The improvement rounds; false when the user stopped them. `rondes` counts the rounds.
    bool Verbeter(Voortgang& voortgang, long long& rondes);

private:
    int n_;
    std::vector<int64_t> waarde_;
    Gelijkeruil gelijk_;
    Paarstand& s_;
};

// Replace the unplayed matches of round R by the place or Laren pairing of the players marked
// "R". An odd number ends with "Oneven aantal spelers" / "Kan niet paren" and no new match.
Roosterresultaat StelHuizumRoosterSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg);
Roosterresultaat StelLarenRoosterSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg);

} // namespace velkaro
