// The colour rule's four stages, the numbering of new matches and writing a pairing.
#include "competitiehulp.h"
#include "pairing/kleur.h"
#include "pairing/nieuwe_wedstrijden.h"

#include <gtest/gtest.h>

#include <array>

using namespace velkaro;
using namespace velkaro::test;

namespace {
Kleurgegevens K(int32_t waarde, uint8_t laatste, int32_t intern) {
    return Kleurgegevens{waarde, laatste, intern};
}
} // namespace

TEST(Kleurregel, VierStappen) {
    struct Geval {
        Kleurgegevens i, j;
        int32_t ronde;
        bool iWit;
    };
    const Geval gevallen[] = {
        // The larger colour value gets black, whatever came last.
        {K(11, 0, 1), K(-9, 1, 2), 3, false},
        {K(-9, 1, 1), K(11, 0, 2), 3, true},
        {K(0, 0, 1), K(1, 1, 2), 3, true},
        // Equal values: who had white last gets black; a last colour of "none" against white is
        // neither case, and i keeps white.
        {K(0, 0, 1), K(0, 1, 2), 3, false},
        {K(0, 1, 1), K(0, 0, 2), 3, true},
        {K(0, 2, 1), K(0, 0, 2), 3, true},
        {K(0, 0, 1), K(0, 2, 2), 3, true},
        // From round 2 the sum of internal numbers decides: odd, the smaller gets white; even,
        // the larger.
        {K(10, 0, 3), K(10, 0, 4), 2, true},
        {K(10, 0, 4), K(10, 0, 3), 2, false},
        {K(-10, 1, 3), K(-10, 1, 5), 2, false},
        {K(-10, 1, 5), K(-10, 1, 3), 7, true},
        // In round 1 the first of the pair keeps white.
        {K(0, 2, 4), K(0, 2, 3), 1, true},
        {K(0, 2, 3), K(0, 2, 5), 1, true},
    };
    for (std::size_t k = 0; k < std::size(gevallen); ++k)
        EXPECT_EQ(EersteSpeeltWit(gevallen[k].i, gevallen[k].j, gevallen[k].ronde),
                  gevallen[k].iWit)
            << k;
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

namespace {
// (white, black, number) of written matches.
std::vector<std::array<int32_t, 3>> Geschreven(const std::vector<Wedstrijdgegevens>& w) {
    std::vector<std::array<int32_t, 3>> r;
    for (const auto& g : w) r.push_back({g.Wit, g.Zwart, g.Wedstrijdnummer});
    return r;
}
} // namespace

TEST(Nummering, ParenInOplopendeVolgordeMetKleurregel) {
    Competitie c;
    VoegSpelersToe(c, 4);
    c.Gewijzigd = false;
    // Positions 1..4 hold internal numbers 4, 3, 2, 1; pairs 1-3 and 2-4. In 1-3 position 1 has
    // the larger colour value, so position 3 (intern 2) plays white; in 2-4 the values are
    // equal, position 2 had black last and 4 white: position 2 keeps white.
    const std::vector<int> partner{0, 3, 4, 1, 2};
    const std::vector<Kleurgegevens> k{{}, K(11, 0, 4), K(0, 1, 3), K(-9, 1, 2), K(0, 0, 1)};
    const auto nieuw = SchrijfParen(c, 5, 21, partner, k);
    EXPECT_EQ(Geschreven(nieuw), (std::vector<std::array<int32_t, 3>>{{2, 4, 21}, {3, 1, 22}}));
    EXPECT_EQ(RondeParen(c, 5), (std::vector<std::pair<int, int>>{{2, 4}, {3, 1}}));
    const auto& w = c.Wedstrijden.At(0).G();
    EXPECT_FALSE(w.Gespeeld);
    EXPECT_EQ(w.UitslagWit + w.UitslagZwart, 0);
    EXPECT_TRUE(c.Rondes.RondeBestaat(5));
    EXPECT_TRUE(c.Gewijzigd);

    // More than 248 players: the pairs of the last positions are written like the others.
    Competitie groot;
    VoegSpelersToe(groot, 252);
    std::vector<int> partners(253);
    std::vector<Kleurgegevens> kleuren(253);
    for (int p = 1; p <= 252; ++p) {
        partners[static_cast<std::size_t>(p)] = p % 2 ? p + 1 : p - 1;
        kleuren[static_cast<std::size_t>(p)] = K(0, 2, p);
    }
    const auto alle = SchrijfParen(groot, 1, 1, partners, kleuren);
    ASSERT_EQ(alle.size(), 126u);
    EXPECT_EQ(Geschreven(alle).back(), (std::array<int32_t, 3>{251, 252, 126}));
}
