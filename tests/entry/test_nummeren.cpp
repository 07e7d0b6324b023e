// Automatic drawing numbers: the worked examples by strength position, the group count
// clamp, Swiss by rating, and that every numbering hands out 1..N once.
#include "entry/nummeren.h"
#include "hulp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace velkaro;
using namespace velkaro::test;

namespace {

// N players whose strength position equals their internal number (ratings descending).
void Vul(Competitie& c, int n, uint16_t systeem) {
    c.Opties.Rekensysteem = systeem;
    for (int i = 1; i <= n; ++i) VoegSpelerToe(c, 0, "Speler " + std::to_string(i), 2500 - i);
}

// Strength positions in the order of their drawing numbers.
std::vector<int> Volgorde(const Competitie& c) {
    std::vector<int> v(c.Spelers.Aantal());
    for (const auto& s : c.Spelers)
        v.at(static_cast<std::size_t>(s->Lotingnummer() - 1)) = s->InternNummer();
    return v;
}

struct Uitkomst {
    int groepen;
    std::vector<int> bereiken; // the ranges drawn from
};

// Numbers n players in `groepen` groups with R = trek and compares the strength positions in
// number order.
Uitkomst Nummer(uint16_t systeem, int n, int groepen, bool parallel, int trek,
                const std::vector<int>& volgorde) {
    Competitie c;
    Vul(c, n, systeem);
    RijToeval r({trek});
    EXPECT_TRUE(NummerAutomatisch(c, groepen, parallel, r));
    EXPECT_EQ(Volgorde(c), volgorde);
    EXPECT_FALSE(c.Opties.IsActueel());
    return {groepen, r.bereiken};
}

} // namespace

TEST(Nummeren, UitgewerkteVoorbeelden) {
    // Ten players against each other: R drawn once from 2; R = 1 the first of a pair leads,
    // R = 0 the partner takes the odd number.
    EXPECT_EQ(Nummer(SysteemZwitsers, 10, 1, false, 1, {1, 6, 2, 7, 3, 8, 4, 9, 5, 10}).bereiken,
              std::vector<int>{2});
    Nummer(SysteemZwitsers, 10, 1, false, 0, {6, 1, 7, 2, 8, 3, 9, 4, 10, 5});
    // Parallel: the first half against the second from both ends.
    Nummer(SysteemFMJDZwitsers, 10, 1, true, 1, {1, 10, 2, 9, 3, 8, 4, 7, 5, 6});
    Nummer(SysteemZwitsers, 9, 1, true, 1, {1, 8, 2, 7, 3, 6, 4, 5, 9});
    // Group 1 (positions 1..12): odd group, the first of a pair leads. Group 2 (13..25):
    // even, the partner leads; position 25 is numbered last.
    Nummer(SysteemZwitsers, 25, 2, false, 1, {1,  7,  2,  8,  3,  9,  4,  10, 5,  11, 6,  12, 19,
                                              13, 20, 14, 21, 15, 22, 16, 23, 17, 24, 18, 25});
    Nummer(SysteemZwitsers, 25, 2, true, 1, {1,  12, 2,  11, 3,  10, 4,  9,  5,  8,  6,  7, 24,
                                             13, 23, 14, 22, 15, 21, 16, 20, 17, 19, 18, 25});
    // The group count is clamped to 1..N / 2; five groups of two, the odd ones led by their
    // first player.
    EXPECT_EQ(Nummer(SysteemZwitsers, 10, 0, false, 1, {1, 6, 2, 7, 3, 8, 4, 9, 5, 10}).groepen, 1);
    EXPECT_EQ(Nummer(SysteemZwitsers, 10, 20, false, 1, {1, 2, 4, 3, 5, 6, 8, 7, 9, 10}).groepen,
              5);
}

TEST(Nummeren, ZwitsersRatingOpSterkteMetGelijkeRatings) {
    Competitie c;
    c.Opties.Rekensysteem = SysteemZwitsersRating;
    const int a = VoegSpelerToe(c, 4, "A", 1500).InternNummer();
    const int b = VoegSpelerToe(c, 9, "B", 1600).InternNummer();
    const int d = VoegSpelerToe(c, 2, "D", 1600).InternNummer();
    const int e = VoegSpelerToe(c, 1, "E", 1500).InternNummer();
    RijToeval r;
    int g = 7;
    ASSERT_TRUE(NummerAutomatisch(c, g, false, r));
    EXPECT_TRUE(r.bereiken.empty()); // nothing drawn
    EXPECT_EQ(g, 2);                 // the Swiss clamp applies here too
    EXPECT_EQ(c.Spelers.zoekptr(d)->Lotingnummer(), 1);
    EXPECT_EQ(c.Spelers.zoekptr(b)->Lotingnummer(), 2);
    EXPECT_EQ(c.Spelers.zoekptr(e)->Lotingnummer(), 3);
    EXPECT_EQ(c.Spelers.zoekptr(a)->Lotingnummer(), 4);
}

TEST(Nummeren, AndereSystemenEnTeWeinigSpelers) {
    for (uint16_t systeem : {SysteemNormaal, SysteemKeizer, SysteemLaren}) {
        Competitie c;
        Vul(c, 6, systeem);
        RijToeval r({1});
        int g = 0;
        EXPECT_FALSE(NummerAutomatisch(c, g, true, r));
        EXPECT_EQ(g, 0);
        for (const auto& s : c.Spelers) EXPECT_EQ(s->Lotingnummer(), 0);
    }
    Competitie c;
    Vul(c, 1, SysteemZwitsers);
    RijToeval r({1});
    int g = 1;
    EXPECT_FALSE(NummerAutomatisch(c, g, false, r));
}

TEST(Nummeren, ElkeNummeringGeeftEenTotNEenmaal) {
    for (int n = 2; n <= 41; ++n)
        for (int g = 1; g <= n / 2; g += std::max(1, n / 8))
            for (bool parallel : {false, true})
                for (int trek : {0, 1}) {
                    Competitie c;
                    Vul(c, n, SysteemZwitsers);
                    RijToeval r({trek});
                    int groepen = g;
                    ASSERT_TRUE(NummerAutomatisch(c, groepen, parallel, r));
                    std::vector<int> nummers;
                    for (const auto& s : c.Spelers) nummers.push_back(s->Lotingnummer());
                    std::sort(nummers.begin(), nummers.end());
                    for (int i = 0; i < n; ++i)
                        ASSERT_EQ(nummers[static_cast<std::size_t>(i)], i + 1)
                            << "N=" << n << " G=" << g << " parallel=" << parallel;
                }
}

TEST(Nummeren, StandaardGroepen) {
    EXPECT_EQ(StandaardLotinggroepen(0), 1);
    EXPECT_EQ(StandaardLotinggroepen(29), 1);
    EXPECT_EQ(StandaardLotinggroepen(30), 2);
    EXPECT_EQ(StandaardLotinggroepen(65), 3);
}
