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

// Drawing number per strength position.
std::map<int, int> Nummers(const Competitie& c) {
    std::map<int, int> m;
    for (const auto& s : c.Spelers) m[s->InternNummer()] = s->Lotingnummer();
    return m;
}

std::map<int, int> Verwacht(std::initializer_list<std::pair<int, int>> paren) {
    std::map<int, int> m;
    int volgende = 1;
    for (auto [eerst, tweede] : paren) {
        m[eerst] = volgende++;
        if (tweede) m[tweede] = volgende++;
    }
    return m;
}

} // namespace

TEST(Nummeren, TienSpelersTegenElkaarIn) {
    Competitie c;
    Vul(c, 10, SysteemZwitsers);
    RijToeval r({1});
    int g = 1;
    ASSERT_TRUE(NummerAutomatisch(c, g, false, r));
    EXPECT_EQ(r.bereiken, std::vector<int>{2}); // R drawn once
    EXPECT_EQ(Nummers(c), Verwacht({{1, 6}, {2, 7}, {3, 8}, {4, 9}, {5, 10}}));
    EXPECT_FALSE(c.Opties.IsActueel());

    // R = 0: the partner takes the odd number in group 1.
    RijToeval nul({0});
    ASSERT_TRUE(NummerAutomatisch(c, g, false, nul));
    EXPECT_EQ(Nummers(c), Verwacht({{6, 1}, {7, 2}, {8, 3}, {9, 4}, {10, 5}}));
}

TEST(Nummeren, TienSpelersParallel) {
    Competitie c;
    Vul(c, 10, SysteemFMJDZwitsers);
    RijToeval r({1});
    int g = 1;
    ASSERT_TRUE(NummerAutomatisch(c, g, true, r));
    EXPECT_EQ(Nummers(c), Verwacht({{1, 10}, {2, 9}, {3, 8}, {4, 7}, {5, 6}}));
}

TEST(Nummeren, NegenSpelersParallel) {
    Competitie c;
    Vul(c, 9, SysteemZwitsers);
    RijToeval r({1});
    int g = 1;
    ASSERT_TRUE(NummerAutomatisch(c, g, true, r));
    EXPECT_EQ(Nummers(c), Verwacht({{1, 8}, {2, 7}, {3, 6}, {4, 5}, {9, 0}}));
}

TEST(Nummeren, VijfentwintigSpelersInTweeGroepen) {
    Competitie c;
    Vul(c, 25, SysteemZwitsers);
    RijToeval r({1});
    int g = 2;
    ASSERT_TRUE(NummerAutomatisch(c, g, false, r));
    // Group 1 (positions 1..12): odd group, the first of a pair leads. Group 2 (13..25):
    // even, the partner leads; position 25 is numbered last.
    EXPECT_EQ(Nummers(c), Verwacht({{1, 7},
                                    {2, 8},
                                    {3, 9},
                                    {4, 10},
                                    {5, 11},
                                    {6, 12},
                                    {19, 13},
                                    {20, 14},
                                    {21, 15},
                                    {22, 16},
                                    {23, 17},
                                    {24, 18},
                                    {25, 0}}));

    RijToeval p({1});
    ASSERT_TRUE(NummerAutomatisch(c, g, true, p));
    EXPECT_EQ(Nummers(c), Verwacht({{1, 12},
                                    {2, 11},
                                    {3, 10},
                                    {4, 9},
                                    {5, 8},
                                    {6, 7},
                                    {24, 13},
                                    {23, 14},
                                    {22, 15},
                                    {21, 16},
                                    {20, 17},
                                    {19, 18},
                                    {25, 0}}));
}

TEST(Nummeren, GroepenWordenBegrensd) {
    Competitie c;
    Vul(c, 10, SysteemZwitsers);
    RijToeval r({1});
    int g = 0;
    ASSERT_TRUE(NummerAutomatisch(c, g, false, r));
    EXPECT_EQ(g, 1);
    g = 20;
    RijToeval q({1});
    ASSERT_TRUE(NummerAutomatisch(c, g, false, q));
    EXPECT_EQ(g, 5); // N / 2
    // Five groups of two, the odd groups led by their first player.
    EXPECT_EQ(Nummers(c), Verwacht({{1, 2}, {4, 3}, {5, 6}, {8, 7}, {9, 10}}));
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
