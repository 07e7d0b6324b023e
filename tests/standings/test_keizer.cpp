// Keizer scoring: values by place, match points as percentages of the opponent's value, the
// bonus for rounds not played, the fixed passes and the optimising passes.
#include "hulp.h"
#include "standings/sleutels.h"

#include <gtest/gtest.h>

using namespace velkaro;
using velkaro::test::Opname;
using velkaro::test::Toernooi;

namespace {

struct Keizertoernooi : Toernooi {
    explicit Keizertoernooi(int32_t nr1 = 100, int32_t afloop = 1) : Toernooi(SysteemKeizer) {
        auto& o = c.Opties;
        o.PuntenNr1 = nr1;
        o.Afloopfactor = afloop;
        o.NietOptimaliseren = 1;
        o.KerenRekenen = 1;
        o.KeizerWinst = 100;
        o.KeizerRemise = 50;
        o.KeizerVerlies = 0;
        o.KeizerNietGespeeld = 33;
    }
    std::vector<int32_t> WaardenOpVolgorde() const {
        std::vector<int32_t> v;
        for (const auto& r : c.Ranglijst) v.push_back(r.Speler->G().Keizerwaarde);
        return v;
    }
};

TEST(Keizer, VasteKerenWaardenPerPlaats) {
    // 4 beats 1 and 2, 2 and 3 draw. Starting values in register order 60, 58, 56, 54;
    // Keizermaximum 2.
    //   1: 0 (loss)            + 60 + 1 x 33% of 60 (19) = 79
    //   2: 28 (half of 56) + 0 + 58                      = 86
    //   3: 29 (half of 58)     + 56 + 1 x 33% of 56 (18) = 103
    //   4: 60 + 58             + 54                      = 172
    Keizertoernooi t(60, 2);
    t.Spelers(4);
    t.Winst(1, 4, 1);
    t.Remise(1, 2, 3);
    t.Winst(2, 4, 2);
    t.Bereken();
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{4, 3, 2, 1}));
    EXPECT_EQ(t.WaardenOpVolgorde(), (std::vector<int32_t>{60, 58, 56, 54}));
    EXPECT_EQ(std::forward_as_tuple(t.G(1).Keizerpunten.Waarde(), t.G(2).Keizerpunten.Waarde(),
                                    t.G(3).Keizerpunten.Waarde(), t.G(4).Keizerpunten.Waarde(),
                                    t.c.Spelers.zoekptr(4)->Sorteersleutels[0]),
              std::make_tuple(79, 86, 103, 172, 172 + kMinimumBonus));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 2, 3, 4}));

    // The values stay for the next computation: no new start, 1..4 now hold 54, 56, 58, 60.
    //   1: 0 + 54 + 17 = 71;  2: 29 + 56 = 85;  3: 28 + 58 + 19 = 105;  4: 54 + 56 + 60 = 170
    t.Bereken();
    EXPECT_EQ(std::forward_as_tuple(t.G(1).Keizerpunten.Waarde(), t.G(2).Keizerpunten.Waarde(),
                                    t.G(3).Keizerpunten.Waarde(), t.G(4).Keizerpunten.Waarde()),
              std::make_tuple(71, 85, 105, 170));
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{4, 3, 2, 1}));
}

TEST(Keizer, WaardenDalenNietOnderDeAfloopfactor) {
    Keizertoernooi t(3, 1);
    t.Spelers(5);
    t.Bereken();
    EXPECT_EQ(t.WaardenOpVolgorde(), (std::vector<int32_t>{3, 2, 1, 1, 1}));
    // Starting values 3, 2, 1, 1, 1 are the totals; equal totals list the later player first.
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2, 5, 4, 3}));
}

TEST(Keizer, PuntenUitPercentagesVanDeWaarde) {
    // Values 45, 50, 30, 40, 20; no start values since none is 0. Keizermaximum 2.
    Keizertoernooi t;
    t.c.Opties.KeizerNietGespeeld = 30;
    t.Spelers(5);
    const int32_t waarden[] = {45, 50, 30, 40, 20};
    for (int n = 1; n <= 5; ++n) t.G(n).Keizerwaarde = waarden[n - 1];
    t.Winst(1, 2, 1);  // 2 earns 45 (100% of 45)
    t.Remise(2, 3, 1); // 3 earns 22 (50% of 45), 1 earns 15 (50% of 30)
    // 5 has a bye scored as a draw: 50% of his own value, and one round short, not two.
    t.c.Opties.ZetVlag(VlagVrijBijOneven, true);
    t.c.Opties.ZetVrijScore(Vrijscore::Remise);
    Wedstrijdgegevens vrij;
    vrij.Ronde = 1;
    vrij.Wit = 5;
    t.c.Wedstrijden.Voegtoe(vrij);
    t.Bereken();
    EXPECT_EQ(t.G(5).Keizerpunten.Waarde(), 10 + 20 + 6);
    EXPECT_EQ(t.G(2).Keizerpunten.Waarde(), 45 + 50 + 15); // one game short: 30% of 50
    EXPECT_EQ(t.G(3).Keizerpunten.Waarde(), 22 + 30 + 9);
    EXPECT_EQ(t.G(1).Keizerpunten.Waarde(), 15 + 45);
    EXPECT_EQ(t.G(4).Keizerpunten.Waarde(), 40 + 24); // two games short: 2 x 30% of 40
}

TEST(Keizer, GeenKerenGeenBerekening) {
    Keizertoernooi t;
    t.c.Opties.KerenRekenen = 0;
    t.Spelers(2);
    t.G(1).Keizerwaarde = 7;
    t.Winst(1, 2, 1);
    t.Bereken();
    EXPECT_EQ(t.G(1).Keizerwaarde, 7);
    EXPECT_EQ(t.G(2).Keizerpunten.Waarde(), 0);
    // The order of the second sort: totals 0, more games first... both one game: later first.
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{2, 1}));
}

// 1 beats 2; 3 does not play. Optimising with PuntenNr1 90 and 19% per round not played.
// The passes settle (by pass 6) on values 90, 52, 60 and totals 142, 52, 71:
//   1: 90 + 52 = 142;  2: 52;  3: 60 + 19% of 60 (11) = 71, half the leader's total, so his
//   value is 90 x (2 x 1/2 + 1) / 3 = 60;  2: 90 x (2 x 52/142 + 1) / 3 + 0.5 = 52.47 -> 52.
struct Optimaal : Keizertoernooi {
    Optimaal() : Keizertoernooi(90) {
        c.Opties.NietOptimaliseren = 0;
        c.Opties.KeizerNietGespeeld = 19;
        Spelers(3);
        Winst(1, 1, 2);
    }
};

TEST(Keizer, OptimaliserenNaarDeVerhoudingMetDeLeider) {
    Optimaal t;
    t.Bereken();
    EXPECT_EQ(std::forward_as_tuple(t.G(1).Keizerwaarde, t.G(2).Keizerwaarde, t.G(3).Keizerwaarde,
                                    t.G(1).Keizerpunten.Waarde(), t.G(2).Keizerpunten.Waarde(),
                                    t.G(3).Keizerpunten.Waarde()),
              std::make_tuple(90, 52, 60, 142, 52, 71));
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 3, 2}));

    // The minimum of games counts in the last ranking only; the values are the same.
    Optimaal m;
    Sorteerinstellingen keuze = StandaardSorteerinstellingen(m.c);
    keuze.MinimumWedstrijden = 1;
    m.Bereken(&keuze);
    EXPECT_EQ(m.Volgorde(), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(m.G(3).Keizerwaarde, 60);
    EXPECT_EQ(m.G(2).Keizerwaarde, 52);
}

TEST(Keizer, PassenAlsVoortgang) {
    Optimaal t;
    Opname o;
    t.c.Opties.Herberekenen = 1;
    ranglijst_sorteren(t.c, false, nullptr, &o);
    const auto begin = std::find(o.Teksten.begin(), o.Teksten.end(), "Keizermaximum zoeken");
    ASSERT_NE(begin, o.Teksten.end());
    ASSERT_GE(o.Teksten.end() - begin, 22);
    EXPECT_EQ(std::forward_as_tuple(begin[1], begin[20], begin[21]),
              std::make_tuple("Optimalizeren Keizer nr: 1", "Optimalizeren Keizer nr: 20",
                              "Nieuwe plaats bijwerken"));

    Keizertoernooi v;
    v.c.Opties.KerenRekenen = 2;
    v.Spelers(2);
    Opname p;
    v.c.Opties.Herberekenen = 1;
    ranglijst_sorteren(v.c, false, nullptr, &p);
    EXPECT_NE(std::find(p.Teksten.begin(), p.Teksten.end(), "Keizerberekening nr:2"),
              p.Teksten.end());
}

} // namespace
