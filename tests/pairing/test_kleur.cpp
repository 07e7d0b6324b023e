// The colour rule's four stages, the numbering of new matches and writing a pairing.
#include "competitiehulp.h"
#include "pairing/kleur.h"
#include "pairing/nieuwe_wedstrijden.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {
Kleurgegevens K(int32_t waarde, uint8_t laatste, int32_t intern) {
    return Kleurgegevens{waarde, laatste, intern};
}
} // namespace

TEST(Kleurregel, GroteKleurwaardeKrijgtZwart) {
    EXPECT_FALSE(EersteSpeeltWit(K(11, 0, 1), K(-9, 1, 2), 3));
    EXPECT_TRUE(EersteSpeeltWit(K(-9, 1, 1), K(11, 0, 2), 3));
    EXPECT_TRUE(EersteSpeeltWit(K(0, 0, 1), K(1, 1, 2), 3)); // smaller value, whatever came last
}

TEST(Kleurregel, BijGelijkeWaardeWieLaatstWitHadKrijgtZwart) {
    EXPECT_FALSE(EersteSpeeltWit(K(0, 0, 1), K(0, 1, 2), 3));
    EXPECT_TRUE(EersteSpeeltWit(K(0, 1, 1), K(0, 0, 2), 3));
    // A last colour of "none" against white is neither case: i keeps white.
    EXPECT_TRUE(EersteSpeeltWit(K(0, 2, 1), K(0, 0, 2), 3));
    EXPECT_TRUE(EersteSpeeltWit(K(0, 0, 1), K(0, 2, 2), 3));
}

TEST(Kleurregel, SomVanInterneNummersBeslistVanafRondeTwee) {
    // Odd sum: the smaller internal number gets white.
    EXPECT_TRUE(EersteSpeeltWit(K(10, 0, 3), K(10, 0, 4), 2));
    EXPECT_FALSE(EersteSpeeltWit(K(10, 0, 4), K(10, 0, 3), 2));
    // Even sum: the larger one.
    EXPECT_FALSE(EersteSpeeltWit(K(-10, 1, 3), K(-10, 1, 5), 2));
    EXPECT_TRUE(EersteSpeeltWit(K(-10, 1, 5), K(-10, 1, 3), 7));
    // In round 1 the first of the pair keeps white.
    EXPECT_TRUE(EersteSpeeltWit(K(0, 2, 4), K(0, 2, 3), 1));
    EXPECT_TRUE(EersteSpeeltWit(K(0, 2, 3), K(0, 2, 5), 1));
}

TEST(Nummering, ZwitsersEnNaAantal) {
    Competitie c;
    VoegSpelersToe(c, 14);
    EXPECT_EQ(ZwitsersEersteNummer(c, 1), 1);
    EXPECT_EQ(ZwitsersEersteNummer(c, 6), 36);
    VoegSpelersToe(c, 1); // 15 players: still 7 per round
    EXPECT_EQ(ZwitsersEersteNummer(c, 6), 36);
    EXPECT_EQ(EersteNummerNaAantal(c), 1);
    VoegWedstrijdToe(c, 1, 1, 1, 2);
    VoegWedstrijdToe(c, 1, 2, 3, 4);
    EXPECT_EQ(EersteNummerNaAantal(c), 3);
}

TEST(Nummering, ParenInOplopendeVolgordeMetKleurregel) {
    Competitie c;
    VoegSpelersToe(c, 4);
    c.Gewijzigd = false;
    // Positions 1..4 hold internal numbers 4, 3, 2, 1; pairs 1-3 and 2-4.
    const std::vector<int> partner{0, 3, 4, 1, 2};
    const std::vector<Kleurgegevens> k{{}, K(11, 0, 4), K(0, 1, 3), K(-9, 1, 2), K(0, 0, 1)};
    const auto nieuw = SchrijfParen(c, 5, 21, partner, k);
    ASSERT_EQ(nieuw.size(), 2u);
    // 1-3: position 1 has the larger colour value, so position 3 (intern 2) plays white.
    EXPECT_EQ(nieuw[0].Wit, 2);
    EXPECT_EQ(nieuw[0].Zwart, 4);
    EXPECT_EQ(nieuw[0].Wedstrijdnummer, 21);
    // 2-4: equal values, position 2 had black last and 4 white: position 2 keeps white.
    EXPECT_EQ(nieuw[1].Wit, 3);
    EXPECT_EQ(nieuw[1].Zwart, 1);
    EXPECT_EQ(nieuw[1].Wedstrijdnummer, 22);
    EXPECT_EQ(RondeParen(c, 5), (std::vector<std::pair<int, int>>{{2, 4}, {3, 1}}));
    const auto& w = c.Wedstrijden.At(0).G();
    EXPECT_FALSE(w.Gespeeld);
    EXPECT_EQ(w.UitslagWit + w.UitslagZwart, 0);
    EXPECT_TRUE(c.Rondes.RondeBestaat(5));
    EXPECT_TRUE(c.Gewijzigd);
}

// More than 248 players: the pairs of the last positions are written like the others.
TEST(Nummering, GrootVeldVerliestGeenParen) {
    Competitie c;
    VoegSpelersToe(c, 252);
    std::vector<int> partner(253);
    std::vector<Kleurgegevens> k(253);
    for (int p = 1; p <= 252; ++p) {
        partner[static_cast<std::size_t>(p)] = p % 2 ? p + 1 : p - 1;
        k[static_cast<std::size_t>(p)] = K(0, 2, p);
    }
    const auto nieuw = SchrijfParen(c, 1, 1, partner, k);
    ASSERT_EQ(nieuw.size(), 126u);
    EXPECT_EQ(nieuw.back().Wit, 251);
    EXPECT_EQ(nieuw.back().Zwart, 252);
    EXPECT_EQ(nieuw.back().Wedstrijdnummer, 126);
}
