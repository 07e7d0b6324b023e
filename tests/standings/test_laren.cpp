// Laren scoring: values by drawing number, value-weighted points, the five text-keyed sorts
// with shared places, the place total and the mutual result among equal totals.
#include "hulp.h"
#include "standings/sleutels.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

struct Larentoernooi : Toernooi {
    explicit Larentoernooi(int32_t basis = 60) : Toernooi(SysteemLaren) { c.LarenBasis = basis; }
};

// Four players of values 60, 58, 56, 54 over three rounds:
//   R1: 1 beats 2, 3-4 drawn;  R2: 1-3 drawn, 4 beats 2;  R3: 4 beats 1, 2 beats 3.
// Points 3, 2, 2, 5. Laren points: 1: 58 + 28 = 86; 2: 56; 3: 27 + 30 = 57;
// 4: 28 + 58 + 60 = 146. Opponents' values 168, 170, 172, 174 over 3 games.
struct Vierkamp : Larentoernooi {
    Vierkamp() {
        Spelers(4);
        Winst(1, 1, 2);
        Remise(1, 3, 4);
        Remise(2, 1, 3);
        Winst(2, 4, 2);
        Winst(3, 4, 1);
        Winst(3, 2, 3);
    }
};

TEST(Laren, VierkampPlaatsVoorPlaats) {
    Vierkamp t;
    t.Bereken();
    // Places: points 4, 1, then 2 and 3 sharing 3 and 4; Laren points 4, 1, 3, 2; points per
    // game as points; Laren points per game 4, 1, 3 (19.0), 2 (18.67).
    struct Speler {
        int32_t waarde, wp, tegenstanders;
        double punten, plaatsWP, gemPunten, gemWP, totaal;
    };
    const Speler verwacht[] = {{60, 86, 5600, 2, 2, 2, 2, 8},
                               {58, 56, 5666, 3.5, 4, 3.5, 4, 15},
                               {56, 57, 5733, 3.5, 3, 3.5, 3, 13},
                               {54, 146, 5800, 1, 1, 1, 1, 4}};
    for (int n = 1; n <= 4; ++n) {
        const auto& g = t.G(n);
        const auto& v = verwacht[n - 1];
        EXPECT_EQ(std::forward_as_tuple(g.Larenwaarde, g.LarenWP, g.TegenstanderGemiddeld,
                                        g.PlaatsPunten.Waarde(), g.PlaatsWP.Waarde(),
                                        g.PlaatsGemPunten.Waarde(), g.PlaatsGemWP.Waarde(),
                                        g.PlaatsTotaal.Waarde(), g.LarenOnderling),
                  std::make_tuple(v.waarde, v.wp, v.tegenstanders, v.punten, v.plaatsWP,
                                  v.gemPunten, v.gemWP, v.totaal, 20))
            << n;
    }
    EXPECT_EQ(std::forward_as_tuple(t.G(1).LarenVolgorde, t.G(4).LarenVolgorde), std::tuple(1, 4));
    EXPECT_DOUBLE_EQ(t.G(1).PuntenPerPartij, 1.0);
    EXPECT_NEAR(t.G(4).LarenWPPerPartij, 146.0 / 3, 1e-9);
    EXPECT_EQ(t.c.Spelers.zoekptr(4)->Sorteersleutels[0], 9999 - 40 + kMinimumBonus);
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{4, 1, 3, 2}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 2, 3, 4}));
}

TEST(Laren, RemiseTegenWaarde45) {
    // A base of 63 (possible from a file) gives drawing number 10 the value 45.
    Larentoernooi t(63);
    t.Speler(1);
    t.Speler(10);
    t.Remise(1, 1, 10);
    t.Bereken();
    EXPECT_EQ(t.G(10).Larenwaarde, 45);
    EXPECT_EQ(t.G(1).LarenWP, 22);
    EXPECT_EQ(t.G(10).LarenWP, 31); // half of 63
    EXPECT_EQ(t.G(1).TegenstanderWaarden, 45);
}

TEST(Laren, EersteSorteringVergelijktTekst) {
    // Base 10: values 10, 8, 6, 4. Opponents' averages: 3 -> 1000, 4 -> 800, 1 -> 600,
    // 2 -> 400. As text "11000" comes before "1400", "1600" and "1800".
    Larentoernooi t(10);
    t.Spelers(4);
    t.Remise(1, 3, 1);
    t.Remise(1, 4, 2);
    t.Bereken();
    EXPECT_EQ(std::forward_as_tuple(t.G(3).TegenstanderGemiddeld, t.G(4).TegenstanderGemiddeld,
                                    t.G(3).LarenVolgorde, t.G(2).LarenVolgorde,
                                    t.G(1).LarenVolgorde, t.G(4).LarenVolgorde),
              std::make_tuple(1000, 800, 1, 2, 3, 4));
}

TEST(Laren, TeWeinigPartijenAchteraan) {
    // A fifth player won his one game against an outsider: the best points per game, but with
    // minimum 3 he stands behind the others in every sort, and does not pull the two players
    // on his points (2 and 3, sharing 3.5) into his run.
    Vierkamp t;
    t.Speler(5);
    t.Winst(1, 5, kBuiten);
    Sorteerinstellingen keuze = StandaardSorteerinstellingen(t.c);
    keuze.MinimumWedstrijden = 3;
    t.Bereken(&keuze);
    EXPECT_EQ(std::forward_as_tuple(t.G(5).LarenVolgorde, t.G(5).PlaatsPunten.Waarde(),
                                    t.G(5).PlaatsGemPunten.Waarde(), t.G(5).PlaatsTotaal.Waarde(),
                                    t.G(2).PlaatsPunten.Waarde(), t.G(3).PlaatsPunten.Waarde()),
              std::make_tuple(5, 5, 5, 20, 3.5, 3.5));
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{4, 1, 3, 2, 5}));
}

TEST(Laren, OnderlingBijGelijkPlaatstotaal) {
    // Base 10: drawing numbers 6 to 9 are all worth 1. 7 beats 6, 6 beats 8, 9 beats 7.
    // 6 and 7 end equal in everything (2 points, 1 Laren point, 2 games): place total 9 each,
    // so 7's win counts: 21 against 19, and 7 ranks first though his number is higher.
    Larentoernooi t(10);
    for (int n : {6, 7, 8, 9}) t.Speler(n);
    t.Winst(1, 7, 6);
    t.Winst(2, 6, 8);
    t.Winst(2, 9, 7);
    t.Bereken();
    EXPECT_EQ(std::forward_as_tuple(t.G(6).PlaatsTotaal.Waarde(), t.G(7).PlaatsTotaal.Waarde(),
                                    t.G(9).PlaatsTotaal.Waarde(), t.G(8).PlaatsTotaal.Waarde(),
                                    t.G(7).LarenOnderling, t.G(6).LarenOnderling,
                                    t.G(9).LarenOnderling),
              std::make_tuple(9, 9, 6, 16, 21, 19, 20));
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{9, 7, 6, 8}));
}

TEST(Laren, GroepPartijenPerCategoriecijfer) {
    Larentoernooi t;
    t.Spelers(3);
    t.G(1).Categorieen = "A2   ";
    t.G(2).Categorieen = "2    ";
    t.G(3).Categorieen = "     ";
    t.Remise(1, 1, 2);
    t.Remise(2, 1, 3);
    t.Remise(3, 2, 3);
    t.Bereken();
    EXPECT_EQ(t.G(1).GroepPartijen, 1);
    EXPECT_EQ(t.G(2).GroepPartijen, 1);
    EXPECT_EQ(t.G(3).GroepPartijen, 0); // no digit: no group
}

TEST(Laren, GedeeldePlaatsenVolgenDeWaarden) {
    // Sorts 2 to 5 rank by value, highest first, for every base: with base 750 the weighted
    // points per game pass 99.9999 after one win, where a text order of "999999 - x" goes wrong.
    for (int32_t basis : {10, 60, 100, 750}) {
        for (uint32_t zaad = 1; zaad <= 20; ++zaad) {
            Larentoernooi t(basis);
            t.Spelers(8);
            uint32_t toestand = zaad;
            auto volgende = [&] { return (toestand = toestand * 1103515245u + 12345u) >> 16; };
            for (int32_t ronde = 1; ronde <= 4; ++ronde)
                for (int32_t wit = 1; wit <= 8; wit += 2) {
                    const int32_t zwart = 1 + (wit - 1 + 2 * ronde + 1) % 8;
                    if (zwart == wit || volgende() % 5 == 0) continue; // some play fewer games
                    switch (volgende() % 3) {
                    case 0:
                        t.Winst(ronde, wit, zwart);
                        break;
                    case 1:
                        t.Winst(ronde, zwart, wit);
                        break;
                    default:
                        t.Remise(ronde, wit, zwart);
                    }
                }
            t.Bereken();
            using Veld = Real48 Spelergegevens::*;
            const std::pair<std::function<double(const Spelergegevens&)>, Veld> sorteringen[] = {
                {[](const Spelergegevens& g) { return double(g.Punten); },
                 &Spelergegevens::PlaatsPunten},
                {[](const Spelergegevens& g) { return double(g.LarenWP); },
                 &Spelergegevens::PlaatsWP},
                {[](const Spelergegevens& g) { return g.PuntenPerPartij.Waarde(); },
                 &Spelergegevens::PlaatsGemPunten},
                {[](const Spelergegevens& g) { return g.LarenWPPerPartij.Waarde(); },
                 &Spelergegevens::PlaatsGemWP}};
            for (const auto& [waarde, plaats] : sorteringen)
                for (int a = 1; a <= 8; ++a)
                    for (int b = 1; b <= 8; ++b) {
                        const auto &ga = t.G(a), &gb = t.G(b);
                        if (waarde(ga) > waarde(gb) + 1e-9) {
                            EXPECT_LT((ga.*plaats).Waarde(), (gb.*plaats).Waarde())
                                << "base " << basis << " seed " << zaad << " players " << a << ", "
                                << b;
                        }
                    }
        }
    }
}

} // namespace
