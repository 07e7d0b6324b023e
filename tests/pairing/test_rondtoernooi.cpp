// The round robin against its worked examples, its edge cases and, for every field size up
// to 24, the circle rule that fixes the whole schedule.
#include "competitiehulp.h"
#include "pairing/rondtoernooi.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace velkaro;
using namespace velkaro::test;

TEST(Rondtoernooi, VierEnZesSpelers) {
    const std::vector<std::vector<Paarlijst>> schema{
        {{{1, 4}, {2, 3}}, {{1, 2}, {4, 3}}, {{2, 4}, {3, 1}}},
        {{{1, 6}, {2, 5}, {3, 4}},
         {{1, 2}, {5, 3}, {6, 4}},
         {{2, 6}, {3, 1}, {4, 5}},
         {{1, 4}, {2, 3}, {6, 5}},
         {{3, 6}, {4, 2}, {5, 1}}}};
    for (const auto& rondes : schema) {
        Competitie c;
        VoegSpelersToe(c, static_cast<int>(rondes.size()) + 1);
        const auto r = StelStandaardRoosterSamen(c, 1, true);
        EXPECT_TRUE(r.Gelukt());
        EXPECT_EQ(r.VanRonde, 1);
        EXPECT_EQ(r.TotRonde, static_cast<int32_t>(rondes.size()));
        for (std::size_t i = 0; i < rondes.size(); ++i)
            EXPECT_EQ(RondeParen(c, static_cast<int32_t>(i + 1)), rondes[i]) << i + 1;
        if (rondes.size() != 3) continue;
        // The counter starts at (M / 2) × R and runs on without gaps.
        EXPECT_EQ(RondeNummers(c, 1), (std::vector<int32_t>{3, 4}));
        EXPECT_EQ(RondeNummers(c, 3), (std::vector<int32_t>{7, 8}));
        EXPECT_EQ(r.Nieuw.size(), 6u);
        EXPECT_EQ(c.Rondes.Aantal(), 3u); // the rounds were created
        EXPECT_TRUE(c.Gewijzigd);
        EXPECT_FALSE(c.Opties.IsActueel());
    }
}

TEST(Rondtoernooi, LegeEnEenpersoonsCompetitie) {
    Competitie leeg;
    auto r = StelStandaardRoosterSamen(leeg, 1, true);
    EXPECT_TRUE(r.Gelukt());
    EXPECT_EQ(leeg.Wedstrijden.Aantal(), 0u);
    EXPECT_EQ(leeg.Rondes.Aantal(), 0u);

    // One player: round R is processed (its unplayed matches go), nothing is created.
    Competitie een;
    VoegSpelersToe(een, 1);
    VoegWedstrijdToe(een, 4, 1, 1, -1500);       // unplayed: deleted
    VoegWedstrijdToe(een, 4, 2, 1, -1600, true); // played: stays
    VoegWedstrijdToe(een, 5, 1, 1, -1700);       // another round: untouched
    r = StelStandaardRoosterSamen(een, 4, true);
    EXPECT_TRUE(r.Nieuw.empty());
    EXPECT_EQ(r.VanRonde, 4);
    EXPECT_EQ(r.TotRonde, 4);
    EXPECT_EQ(RondeParen(een, 4), (Paarlijst{{1, -1600}}));
    EXPECT_EQ(RondeParen(een, 5), (Paarlijst{{1, -1700}}));
}

TEST(Rondtoernooi, OpnieuwVanafDezelfdeRondeHoudtGespeeldeWedstrijden) {
    Competitie c;
    VoegSpelersToe(c, 4);
    StelStandaardRoosterSamen(c, 3, true);
    ASSERT_EQ(RondeParen(c, 3), (Paarlijst{{1, 4}, {2, 3}}));
    c.Wedstrijden.At(0).ZetUitslag(1, 1, false, true); // round 3, 1-4 drawn
    c.Gewijzigd = false;
    StelStandaardRoosterSamen(c, 3, true);
    // The played 1-4 stays beside the new 1-4 and 2-3; the other rounds were replaced.
    EXPECT_EQ(RondeParen(c, 3), (Paarlijst{{1, 4}, {1, 4}, {2, 3}}));
    int gespeeld = 0;
    for (const auto& w : c.Wedstrijden) gespeeld += w->G().Gespeeld;
    EXPECT_EQ(gespeeld, 1);
    EXPECT_EQ(c.Wedstrijden.Aantal(), 7u);
    // The played game keeps its 7; the new ones take numbers no game of the round has.
    EXPECT_EQ(RondeNummers(c, 3), (std::vector<int32_t>{7, 8, 9}));
    EXPECT_TRUE(c.Gewijzigd);
}

// Every N from 2 to 24: each pair meets exactly once, nobody plays twice in a round, an odd
// field frees every player once, and position k meets j in the round where
// k + j ≡ r + 1 (mod M − 1), position M where 2k ≡ r + 1; "Verwisseld" swaps only the colours.
TEST(Rondtoernooi, ElkPaarPreciesEenKeerVoorTweeTotVierentwintig) {
    for (int n = 2; n <= 24; ++n) {
        SCOPED_TRACE(n);
        Competitie c;
        VoegSpelersToe(c, n);
        const int m = n % 2 == 0 ? n : n + 1;
        const auto r = StelStandaardRoosterSamen(c, 1, true);
        EXPECT_EQ(r.TotRonde, m - 1);
        std::map<std::pair<int, int>, int> ontmoet;
        std::map<int, int> vrij;
        int32_t volgende = m / 2 + 1;
        for (int ronde = 1; ronde <= m - 1; ++ronde) {
            std::set<int> speelt;
            for (const auto& w : c.Wedstrijden) {
                const auto& g = w->G();
                if (g.Ronde != ronde) continue;
                EXPECT_EQ(g.Wedstrijdnummer, volgende++);
                EXPECT_TRUE(speelt.insert(g.Wit).second);
                EXPECT_TRUE(speelt.insert(g.Zwart).second);
                ++ontmoet[{std::min(g.Wit, g.Zwart), std::max(g.Wit, g.Zwart)}];
                const int k = std::min(g.Wit, g.Zwart), j = std::max(g.Wit, g.Zwart);
                if (j < m)
                    EXPECT_EQ((k + j) % (m - 1), (ronde + 1) % (m - 1));
                else
                    EXPECT_EQ((2 * k) % (m - 1), (ronde + 1) % (m - 1));
            }
            for (int s = 1; s <= n; ++s)
                if (!speelt.count(s)) ++vrij[s];
        }
        EXPECT_EQ(ontmoet.size(), static_cast<std::size_t>(n * (n - 1) / 2));
        for (const auto& [paar, keer] : ontmoet) EXPECT_EQ(keer, 1);
        for (int s = 1; s <= n; ++s) EXPECT_EQ(vrij[s], n % 2 == 0 ? 0 : 1);
        Competitie b;
        VoegSpelersToe(b, n);
        StelStandaardRoosterSamen(b, 1, false);
        ASSERT_EQ(b.Wedstrijden.Aantal(), c.Wedstrijden.Aantal());
        for (std::size_t i = 0; i < c.Wedstrijden.Aantal(); ++i) {
            const auto &x = c.Wedstrijden.At(i).G(), &y = b.Wedstrijden.At(i).G();
            EXPECT_EQ(std::tuple(x.Ronde, x.Wedstrijdnummer, x.Wit, x.Zwart),
                      std::tuple(y.Ronde, y.Wedstrijdnummer, y.Zwart, y.Wit));
        }
    }
}
