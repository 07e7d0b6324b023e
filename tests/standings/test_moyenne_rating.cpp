// The average system and the rating systems: own and opponents' averages, the three rating
// methods, the Swiss rating tie-break.
#include "hulp.h"
#include "standings/sleutels.h"
#include "standings/verwachting.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

// 1 draws with 2, 3 and 4 and loses to 5: 3 points from 4 games. The opponents' other games
// are against outside opponents: 2 ends on 2 points, 3 and 4 on 1, 5 on 2, all from 3 games,
// so together they scored 6 points in 12 games.
struct Gemiddelden : Toernooi {
    explicit Gemiddelden(bool gewogen) : Toernooi(SysteemMoyenne) {
        c.Opties.NietWegen = gewogen ? 0 : 1;
        c.Opties.WegingEigen = 1;
        c.Opties.WegingTegen = 1;
        Spelers(5);
        for (int n : {2, 3, 4}) Remise(n - 1, 1, n);
        Winst(4, 5, 1);
        Remise(5, 2, kBuiten);
        Winst(6, kBuiten, 2);
        for (int n : {3, 4, 5}) {
            Winst(5, kBuiten, n);
            Winst(6, kBuiten, n);
        }
    }
    int32_t K1(int n) { return c.Spelers.zoekptr(n)->Sorteersleutels[0] - kMinimumBonus; }
};

TEST(Moyenne, GewogenTegenstandergemiddelde) {
    Gemiddelden t(true);
    t.Bereken();
    EXPECT_DOUBLE_EQ(t.G(1).EigenMoyenne, 0.75);
    EXPECT_NEAR(t.G(1).TegenstanderMoyenne, 0.5, 1e-9);
    EXPECT_NEAR(t.G(1).TotaalMoyenne, 1.25, 1e-9);
    EXPECT_EQ(t.K1(1), 12500);
    // 2 and 5: 2/3 of their own, and their one registered opponent (1) scored 0.75.
    EXPECT_EQ(t.K1(2), 14167);
    EXPECT_EQ(t.K1(5), 14167);
    // 3 and 4: 1/3 + 0.75.
    EXPECT_EQ(t.K1(3), 10833);
    // 2 and 5 equal up to the drawing number: one place, the lower number first.
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{2, 5, 1, 3, 4}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 1, 3, 4, 4}));
}

TEST(Moyenne, OngewogenDoorDeEigenPartijen) {
    Gemiddelden t(false);
    t.Bereken();
    // 1: (2/3 + 1/3 + 1/3 + 2/3) / 4 = 0.5; 2: 0.75 over his 3 games, outside ones included.
    EXPECT_NEAR(t.G(1).TegenstanderMoyenne, 0.5, 1e-9);
    EXPECT_NEAR(t.G(2).TegenstanderMoyenne, 0.25, 1e-9);
    EXPECT_EQ(std::forward_as_tuple(t.K1(1), t.K1(2), t.K1(3)), std::make_tuple(12500, 9167, 5833));
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2, 5, 3, 4}));

    // The weights multiply and are not divided out.
    t.c.Opties.WegingEigen = 2;
    t.c.Opties.WegingTegen = 3;
    t.Bereken();
    EXPECT_NEAR(t.G(1).TotaalMoyenne, 2 * 0.75 + 3 * 0.5, 1e-9);
}

TEST(Moyenne, ZonderPartijenNul) {
    Toernooi t(SysteemMoyenne);
    t.Spelers(2);
    t.G(1).EigenMoyenne = 0.9; // a value from the file is recomputed
    t.Bereken();
    EXPECT_EQ(t.G(1).EigenMoyenne.Waarde(), 0.0);
    EXPECT_EQ(t.G(1).TotaalMoyenne.Waarde(), 0.0);
}

struct Ratingtoernooi : Toernooi {
    Ratingtoernooi(uint16_t methode, int32_t aanvang, int32_t factor) : Toernooi(SysteemRating) {
        c.Opties.Ratingmethode = methode;
        c.Opties.Aanvangsrating = aanvang;
        c.Opties.Correctiefactor = factor;
    }
    int32_t Nu(int n) { return G(n).MaxTegenstanderPunten; }
    int32_t Begin(int n) { return G(n).MinTegenstanderPunten; }
};

TEST(Rating, VastStartpunt) {
    // Both start from 1500. 1 beats 2 (rating in use 1500): d = 0, +10.
    // 2 lost against rating 1600: d = -100, 20 x 0.363158 = 7.26 below, -7.
    Ratingtoernooi t(1, 1500, 20);
    t.Speler(1, 1600);
    t.Speler(2, 1500);
    t.Winst(1, 1, 2);
    t.Bereken();
    EXPECT_EQ(t.Nu(1), 1510);
    EXPECT_EQ(t.Nu(2), 1493);
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(t.c.Spelers.zoekptr(1)->Sorteersleutels[0], 1510 + kMinimumBonus);
}

TEST(Rating, EigenStartpuntWedstrijdVoorWedstrijd) {
    // 1 (1600) and 2 (1400) draw: d = 200, expectation 0.758002; factor 25 -> x 1.25.
    //   1: (10 - 15.16004) x 1.25 = -6.45 -> -6;  2: +6.
    // Then 1 (now 1594) beats an outsider of 1394: d = 200 again, (20 - 15.16) x 1.25 -> +6.
    Ratingtoernooi t(2, 1500, 25);
    t.Speler(1, 1600);
    t.Speler(2, 1400);
    t.Remise(1, 1, 2);
    t.Winst(2, 1, -1394);
    t.Bereken();
    EXPECT_EQ(t.Nu(1), 1600);
    EXPECT_EQ(t.Nu(2), 1406);
    // A negative factor in the file counts by its size, as the settings dialog shows it.
    t.c.Opties.Correctiefactor = -25;
    t.Bereken();
    EXPECT_EQ(t.Nu(1), 1600);
    EXPECT_EQ(t.Nu(2), 1406);
}

TEST(Rating, Prestatierating) {
    // 1 (1600) beats 2 and 3 (1600 each): score 4 half points, p = 5 x 0.5 / 3 = 0.833;
    // Beginrating = (1600 + 1600 + 1600) / 3.
    Ratingtoernooi t(0, 1500, 25);
    for (int n : {1, 2, 3}) t.Speler(n, 1600);
    t.Winst(1, 1, 2);
    t.Winst(2, 1, 3);
    t.Bereken();
    EXPECT_EQ(t.Begin(1), 1600);
    EXPECT_EQ(t.Nu(1), 1600 + Verschil(5 * 0.5 / 3));
    EXPECT_GT(t.Nu(1), 1600 + 270);
    // 2 lost his one game: p = 1 x 0.5 / 2 = 0.25.
    EXPECT_EQ(t.Nu(2), 1600 - Verschil(0.75));
    // 2 and 3 are equal but for the drawing number: the lower first.
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2, 3}));
}

TEST(Rating, RatingNulWordtAanvangsrating) {
    Ratingtoernooi t(0, 1700, 25);
    t.Speler(1, 0);
    t.Speler(2, 1700);
    t.Remise(1, 1, 2);
    t.Bereken();
    EXPECT_EQ(t.G(1).Rating, 1700); // kept after the computation
    EXPECT_EQ(t.Begin(1), 1700);
    EXPECT_EQ(t.Nu(1), 1700 + Verschil(0.5));
}

TEST(Rating, ZwitsersGemiddeldeTegenstanderrating) {
    // 1 (1600) and 2 (1601) draw; 1 draws an outsider of 1599, 2 one of 1600. During the two
    // intermediate sorts criterion 2 is the sum of registered opponents' ratings (1601 against
    // 1600), so the two are not tied and have no mutual result; at the end it is the average
    // over all opponents, 1600 for both.
    Toernooi t(SysteemZwitsersRating, 28);
    t.c.Opties.Ratingmethode = 2;
    t.Speler(1, 1600);
    t.Speler(2, 1601);
    t.Remise(1, 1, 2);
    t.Remise(2, 1, -1599);
    t.Remise(2, 2, -1600);
    t.Bereken();
    EXPECT_EQ(std::forward_as_tuple(t.c.Opties.Ratingmethode, t.G(1).MinTegenstanderPunten,
                                    t.G(2).MinTegenstanderPunten, t.G(1).OnderlingResultaat,
                                    t.G(2).OnderlingResultaat),
              std::make_tuple(0, 1600, 1600, 0, 0));
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 1}));
}

} // namespace
