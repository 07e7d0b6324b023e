// The Swiss search (both rule sets) on hand-built tables: each expected pairing below was worked
// out by hand from the order in which the search visits floaters and partners.
#include "competitiehulp.h"
#include "pairing/zwitsers_zoeker.h"
#include "zoekhulp.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;
using Paarlijst = std::vector<std::pair<int, int>>;

namespace {

// Eight players after round 1 (1..4 beat 5..8), the first three with the given colour values.
std::vector<Rij> NaEersteRonde(int kw1, int kw2, int kw3) {
    return {{2, kw1, 1, 1}, {2, kw2, 1, 1}, {2, kw3, 1, 1}, {2, 11, 1, 1},
            {0, -9, 5, 1},  {0, -9, 5, 1},  {0, -9, 5, 1},  {0, -9, 5, 1}};
}

// Four score groups of two in a field of eight, `partijen` games played each.
std::vector<Rij> VierGroepen(int partijen) {
    return {{6, 0, 1, partijen}, {6, 0, 1, partijen}, {4, 0, 3, partijen}, {4, 0, 3, partijen},
            {2, 0, 5, partijen}, {2, 0, 5, partijen}, {0, 0, 7, partijen}, {0, 0, 7, partijen}};
}

} // namespace

TEST(ZwitsersZoeker, HandgemaakteTabellen) {
    const auto fmjd = Zwitsersvariant::FMJD;
    const std::vector<Rij> zes{{2, 11, 1, 1}, {2, 11, 1, 1}, {2, 11, 1, 1},
                               {0, -9, 4, 1}, {0, -9, 4, 1}, {0, -9, 4, 1}};
    const Paarlijst rondeEen{{1, 5}, {2, 6}, {3, 7}, {4, 8}};
    const std::vector<Rij> kleur{{2, 11, 1, 2}, {2, -9, 1, 2}, {2, -9, 1, 2}, {2, 11, 1, 2}};
    Paarlijst iedereen;
    for (int a = 1; a <= 6; ++a)
        for (int b = a + 1; b <= 6; ++b) iedereen.emplace_back(a, b);
    // Searches the table and compares the pairing found (empty: none), and where given the
    // count of tried pairs and the relaxed flag (1 or 0).
    auto kijk = [](const char* wat, const std::vector<Rij>& rijen, const Paarlijst& gespeeld,
                   Zoekopties o, const Paarlijst& paren, long long onderzocht = -1,
                   int versoepeld = -1) {
        SCOPED_TRACE(wat);
        const auto t = Tabel(rijen);
        GeenVoortgang v;
        ZwitsersZoeker z(t, Gespeeld(t, gespeeld), o, v);
        EXPECT_EQ(z.Zoek(), !paren.empty());
        EXPECT_EQ(Paren(z.Partner()), paren);
        EXPECT_TRUE(onderzocht < 0 || z.Onderzocht() == onderzocht) << z.Onderzocht();
        EXPECT_TRUE(versoepeld < 0 || z.Versoepeld() == (versoepeld == 1));
    };

    kijk("round 1 pairs the table in order", {{}, {}, {}, {}, {}, {}}, {}, {.Ronde = 1},
         {{1, 2}, {3, 4}, {5, 6}}, 0);
    // Winners 1..3 met losers 4..6. The group of three floats its first candidate, 1, who
    // meets the first loser he has not played, from the last member back: 1-6, 2-3, 4-5.
    kijk("odd score group floats its first candidate", zes, {{1, 4}, {2, 5}, {3, 6}}, {.Ronde = 3},
         {{1, 6}, {2, 3}, {4, 5}}, 3);
    // The FMJD rules run the candidates from the lowest-ranked up, so 3 floats; [2,1] pairs
    // 2-1; below, [6,5,4,3]: 6 cannot meet 3, takes 4, and 5 meets 3.
    kijk("FMJD floats the lowest candidate", zes, {{1, 4}, {2, 5}, {3, 6}},
         {.Ronde = 3, .Variant = fmjd}, {{1, 2}, {3, 5}, {4, 6}}, 3, 0);
    // Round 2 keeps the first member, reverses the others ([1,4,3,2]) and orders runs from
    // the third member by colour value, descending when the first member's is not negative:
    // 3 (11) before 2 (-9), and 1 takes the last member, 2.
    kijk("round 2 reversed, descending", NaEersteRonde(11, -9, 11), rondeEen, {.Ronde = 2},
         {{1, 2}, {3, 4}, {5, 6}, {7, 8}});
    kijk("round 2 reversed, ascending", NaEersteRonde(-9, -9, 11), rondeEen, {.Ronde = 2},
         {{1, 3}, {2, 4}, {5, 6}, {7, 8}});
    kijk("outside round 2 in position order", NaEersteRonde(11, -9, 11), rondeEen, {.Ronde = 3},
         {{1, 4}, {2, 3}, {5, 8}, {6, 7}});
    // The FMJD rules leave a negative first member's group as it is (1 meets 2) and order a
    // non-negative one descending (1 meets 3).
    kijk("FMJD round 2, negative first", NaEersteRonde(-9, -9, 11), rondeEen,
         {.Ronde = 2, .Variant = fmjd}, {{1, 2}, {3, 4}, {5, 6}, {7, 8}});
    kijk("FMJD round 2, non-negative first", NaEersteRonde(11, 11, -9), rondeEen,
         {.Ronde = 2, .Variant = fmjd}, {{1, 3}, {2, 4}, {5, 6}, {7, 8}});
    // The two leaders met: both float and the lower group takes them in: 1-4, then 2-3.
    kijk("repeat avoided by floating", {{4, 0, 1, 2}, {4, 0, 1, 2}, {0, 0, 3, 2}, {0, 0, 3, 2}},
         {{1, 2}, {3, 4}}, {.Ronde = 3}, {{1, 4}, {2, 3}}, 2);
    // 11 + 11 exceeds 20 × 1: the colour pass refuses 1-4 and takes 1-3; without
    // "Kleurverhouding dominant", or with a maximum of 2 (bound 40), 1-4 comes first.
    kijk("colour test refuses 11 + 11", kleur, {},
         {.Ronde = 3, .KleurDominant = true, .MaxKleurverschil = 1}, {{1, 3}, {2, 4}});
    kijk("no colour test", kleur, {}, {.Ronde = 3, .MaxKleurverschil = 1}, {{1, 4}, {2, 3}});
    kijk("colour bound 40", kleur, {}, {.Ronde = 3, .KleurDominant = true, .MaxKleurverschil = 2},
         {{1, 4}, {2, 3}});
    // Both had white more often: the first pass finds nobody, the second pairs them anyway.
    kijk("second pass ignores colour", {{2, 11, 1, 1}, {2, 11, 1, 1}}, {},
         {.Ronde = 3, .KleurDominant = true, .MaxKleurverschil = 1}, {{1, 2}}, 1);
    kijk("1 met everybody", {{4, 0, 1, 3}, {2, 0, 2, 3}, {2, 0, 2, 3}, {0, 0, 4, 3}},
         {{1, 2}, {1, 3}, {1, 4}}, {.Ronde = 4}, {});
    kijk("complete round robin of six", {{5}, {5}, {5}, {5}, {5}, {5}}, iedereen, {.Ronde = 6}, {});
    // Fewer players than twice the leader's games: relaxed from the start. 1 and 2 (met)
    // float into the group of 3, where 1 takes 3; the last group [2,4] merges the rest.
    kijk("late round searches relaxed", {{6, 0, 1, 3}, {4, 0, 2, 3}, {2, 0, 3, 3}, {0, 0, 4, 3}},
         {{1, 2}, {3, 4}, {1, 4}}, {.Ronde = 4}, {{1, 3}, {2, 4}}, 2, 1);
    // FMJD: 7 met 5, 6 and 8. The first descent fails at [8,7]; 5 and 6 floating fails too,
    // so group 2 floats 3 and 4. With more than six games to go the field keeps its score
    // groups: [6,5,4,3] fails below, then 5-3, and [8,7,6,4] gives 8-6, 7-4. With two games
    // played the rest is one group [8,7,6,5,4,3]: 8-3, 7-4, 6-5.
    kijk("FMJD small field keeps score groups", VierGroepen(1), {{5, 7}, {6, 7}, {7, 8}},
         {.Ronde = 4, .Variant = fmjd}, {{1, 2}, {3, 5}, {4, 7}, {6, 8}});
    kijk("FMJD small field, one group", VierGroepen(2), {{5, 7}, {6, 7}, {7, 8}},
         {.Ronde = 4, .Variant = fmjd}, {{1, 2}, {3, 8}, {4, 7}, {5, 6}});
}

TEST(ZwitsersZoeker, VoortgangEnOngeldigeTabel) {
    const auto t = Tabel({{4, 0, 1, 2}, {4, 0, 1, 2}, {0, 0, 3, 2}, {0, 0, 3, 2}});
    Opname v;
    v.regels.assign(2, "");
    ZwitsersZoeker z(t, Gespeeld(t, {{1, 2}, {3, 4}}), Zoekopties{.Ronde = 3}, v);
    ASSERT_TRUE(z.Zoek());
    EXPECT_EQ(v.teller, 2);
    EXPECT_EQ(v.tellerAanroepen, 2);
    for (auto [regel, naam] : {std::pair{0, "P1"}, {0, "P4"}, {1, "P2"}, {1, "P3"}})
        EXPECT_NE(v.regels[regel].find(naam), std::string::npos) << naam;
    const auto oneven = Tabel({{}, {}, {}});
    EXPECT_THROW(ZwitsersZoeker(oneven, Gespeeld(oneven, {}), Zoekopties{}, v),
                 std::invalid_argument);
}
