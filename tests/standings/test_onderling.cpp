// The tie-breaks that depend on the ranking itself: the mutual result among tied players and
// the highest deviating result, in interactive and silent computations.
#include "hulp.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

// Players 1, 2 and 3 each score 4 points from 4 games. Among themselves 1 beat 2 and drew
// with 3, and 2 beat 3: mutual scores 3, 2 and 1. The rest came from outside opponents.
struct Driekamp : Toernooi {
    Driekamp(int32_t volgorde, uint16_t opnemen2 = OpnemenStand | OpnemenRooster)
        : Toernooi(SysteemNormaal, volgorde) {
        Speler(1);
        Speler(2, 0, opnemen2);
        Speler(3);
        Winst(1, 1, 2);
        Remise(2, 3, 1);
        Winst(3, 2, 3);
        Remise(3, 1, kBuiten);
        Winst(4, kBuiten, 1);
        Winst(2, 2, kBuiten);
        Winst(4, kBuiten, 2);
        Winst(1, 3, kBuiten);
        Remise(4, kBuiten, 3);
    }
};

TEST(Onderling, DrieGelijkeSpelersOpOnderlingResultaat) {
    Driekamp t(8);
    t.Bereken();
    for (int n : {1, 2, 3}) ASSERT_EQ(t.G(n).Punten, 4) << n;
    EXPECT_EQ(std::forward_as_tuple(t.G(1).OnderlingResultaat, t.G(2).OnderlingResultaat,
                                    t.G(3).OnderlingResultaat),
              std::make_tuple(3, 2, 1));
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 2, 3}));

    Driekamp zonder(0);
    zonder.Bereken();
    EXPECT_EQ(zonder.Volgorde(), (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(zonder.Noteringen(), (std::vector<int>{1, 1, 1}));
}

TEST(Onderling, StandaardvolgordeWinstOnderlingHAR) {
    // "389": 2 won two games and stands alone; 1 and 3 (one win each) drew their game, so
    // their mutual result ties too; the highest deviating result decides: 1 beat the leader
    // (2 x 2^24) and drew with the second place (2^23), 3 only drew with the second place.
    Driekamp t(389);
    t.Bereken();
    EXPECT_EQ(std::forward_as_tuple(t.G(1).OnderlingResultaat, t.G(3).OnderlingResultaat,
                                    t.G(2).OnderlingResultaat, t.G(1).HAR, t.G(3).HAR, t.G(2).HAR),
              std::make_tuple(1, 1, 0, 2 * 16777216 + 8388608, 8388608, 2 * 8388608));
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{2, 1, 3}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 2, 3}));
}

TEST(Onderling, StilNummertAlleenSpelersVoorHetRooster) {
    // Player 2 counts in the standings but not in the next pairing: a silent computation
    // gives him no place, so he shares no mutual result with 1 and 3.
    Driekamp t(8, OpnemenStand);
    t.BerekenStil();
    EXPECT_EQ(std::forward_as_tuple(t.G(2).Plaatsgroep, t.G(1).Plaatsgroep, t.G(3).Plaatsgroep,
                                    t.G(1).OnderlingResultaat, t.G(2).OnderlingResultaat,
                                    t.G(3).OnderlingResultaat),
              std::make_tuple(0, 1, 1, 1, 0, 1));
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{3, 1, 2}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{0, 0, 0})); // places are not stored silently

    t.Bereken(); // the report numbers every player marked S
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 2, 3}));
}

// 1 leads with 6 points, 2 follows with 5, 3 with 4; 4 and 5 tie on 2 points from 4 games.
// 4 beat the leader (and lost to 2), 5 beat the third.
struct Afwijkend : Toernooi {
    Afwijkend() : Toernooi(SysteemNormaal, 9) {
        Spelers(5);
        Winst(1, 4, 1);
        for (int r : {2, 3, 4}) Winst(r, 1, kBuiten);
        Winst(2, 2, 4);
        Winst(1, 2, kBuiten);
        Remise(3, 2, kBuiten);
        Winst(4, kBuiten, 2);
        Winst(1, 5, 3);
        Winst(2, 3, kBuiten);
        Winst(3, 3, kBuiten);
        Winst(4, kBuiten, 3);
        Winst(3, kBuiten, 4);
        Winst(4, kBuiten, 4);
        for (int r : {2, 3, 4}) Winst(r, kBuiten, 5);
    }
};

TEST(Onderling, HoogstAfwijkendResultaatTegenDeNummers1Tot3) {
    Afwijkend t;
    t.Bereken();
    ASSERT_EQ((std::vector<int32_t>{t.G(1).Punten, t.G(2).Punten, t.G(3).Punten, t.G(4).Punten,
                                    t.G(5).Punten}),
              (std::vector<int32_t>{6, 5, 4, 2, 2}));
    EXPECT_EQ(t.G(4).HAR, 2 * 16777216); // a win against the leader
    EXPECT_EQ(t.G(5).HAR, 2 * 4194304);  // a win against the third
    EXPECT_EQ(t.G(2).HAR, 2 * 2097152);  // a win against one of the two fourth places
    EXPECT_EQ(std::forward_as_tuple(t.G(1).HAR, t.G(4).Plaatsgroep, t.G(5).Plaatsgroep),
              std::make_tuple(0, 4, 4));
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 2, 3, 4, 5}));

    t.c.Opties.Sorteervolgorde = 0;
    t.Bereken();
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2, 3, 5, 4}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 2, 3, 4, 4}));
}

TEST(Onderling, HARLooptNietOver) {
    // Board points: two players drawing 4-4 in 33 rounds share place 1, so each game weighs
    // 4 x 2^24 and the sum passes the 32-bit range; it stops at the largest value.
    Toernooi t(SysteemZwitsers, 9);
    t.c.Opties.PuntenWinst = 8;
    t.Spelers(2);
    for (int r = 1; r <= 33; ++r) t.Partij(r, 1, 2, 4, 4);
    t.Bereken();
    EXPECT_EQ(t.G(1).HAR, INT32_MAX);
    EXPECT_EQ(t.G(2).HAR, INT32_MAX);
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 1}));
}

} // namespace
