// The Swiss search on hand-built tables: each expected pairing below was worked out by hand
// from the order in which the search visits floaters and partners.
#include "pairing/zwitsers_zoeker.h"
#include "zoekhulp.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;
using Paar = std::pair<int, int>;
using Paarlijst = std::vector<Paar>;

namespace {

// Records what the search shows: the rewritten pair lines and the last count.
class Opname final : public Voortgang {
public:
    void Status(const std::string&) override {}
    void Regel(const std::string& t) override { regels.push_back(t); }
    void Teller(long long w) override {
        teller = w;
        ++tellerAanroepen;
    }
    void ZetRegel(int n, std::string_view t) override {
        if (n >= 1 && n <= static_cast<int>(regels.size()))
            regels[static_cast<std::size_t>(n - 1)] = std::string(t);
    }
    std::vector<std::string> regels;
    long long teller = -1;
    int tellerAanroepen = 0;
};

struct Uitkomst {
    bool klaar;
    Paarlijst paren;
    long long onderzocht;
};

Uitkomst Zoek(const Speltabel& t, std::vector<Posities> g, Zoekopties o) {
    GeenVoortgang v;
    ZwitsersZoeker z(t, std::move(g), o, v);
    const bool klaar = z.Zoek();
    return {klaar, Paren(z.Partner()), z.Onderzocht()};
}

} // namespace

TEST(ZwitsersZoeker, EersteRondePaartDeTabelOpVolgorde) {
    const auto t = Tabel({{}, {}, {}, {}, {}, {}});
    const auto u = Zoek(t, Gespeeld(t, {}), Zoekopties{.Ronde = 1});
    EXPECT_TRUE(u.klaar);
    EXPECT_EQ(u.paren, (Paarlijst{{1, 2}, {3, 4}, {5, 6}}));
    EXPECT_EQ(u.onderzocht, 0);
}

// Six players after one round: winners 1..3 met losers 4..6. The group of three floats its
// first candidate, position 1, who then meets the first loser he has not played: the search
// tries the partners of a group's first player from the last member back.
TEST(ZwitsersZoeker, OnevenScoregroepLaatEersteKandidaatZakken) {
    const auto t = Tabel(
        {{2, 11, 1, 1}, {2, 11, 1, 1}, {2, 11, 1, 1}, {0, -9, 4, 1}, {0, -9, 4, 1}, {0, -9, 4, 1}});
    const auto u = Zoek(t, Gespeeld(t, {{1, 4}, {2, 5}, {3, 6}}), Zoekopties{.Ronde = 3});
    EXPECT_TRUE(u.klaar);
    // Group [1,2,3] floats 1, pairs 2-3; then [1,4,5,6]: 1-6 first (last member).
    EXPECT_EQ(u.paren, (Paarlijst{{1, 6}, {2, 3}, {4, 5}}));
    EXPECT_EQ(u.onderzocht, 3);
}

// Round 2 keeps the first member, reverses the others and orders runs of equal places from
// the third member by colour value: descending when the first member's value is not negative.
TEST(ZwitsersZoeker, TweedeRondeKeertDeGroepOm) {
    const std::vector<std::pair<int, int>> eerste{{1, 5}, {2, 6}, {3, 7}, {4, 8}};
    auto metKleur = [&](int kw1, int kw2, int kw3) {
        const auto t = Tabel({{2, kw1, 1, 1},
                              {2, kw2, 1, 1},
                              {2, kw3, 1, 1},
                              {2, 11, 1, 1},
                              {0, -9, 5, 1},
                              {0, -9, 5, 1},
                              {0, -9, 5, 1},
                              {0, -9, 5, 1}});
        return Zoek(t, Gespeeld(t, {{1, 5}, {2, 6}, {3, 7}, {4, 8}}), Zoekopties{.Ronde = 2});
    };
    // [1,4,3,2], runs from the third member by colour value descending: 3 (11) before 2 (-9);
    // 1 takes the last member, 2.
    auto u = metKleur(11, -9, 11);
    EXPECT_EQ(u.paren, (Paarlijst{{1, 2}, {3, 4}, {5, 6}, {7, 8}}));
    // First member negative: ascending, so [1,4,2,3] and 1 meets 3.
    u = metKleur(-9, -9, 11);
    EXPECT_EQ(u.paren, (Paarlijst{{1, 3}, {2, 4}, {5, 6}, {7, 8}}));
    // Outside round 2 the group keeps position order and 1 meets the last member, 4.
    const auto t = Tabel({{2, 11, 1, 1},
                          {2, -9, 1, 1},
                          {2, 11, 1, 1},
                          {2, 11, 1, 1},
                          {0, -9, 5, 1},
                          {0, -9, 5, 1},
                          {0, -9, 5, 1},
                          {0, -9, 5, 1}});
    u = Zoek(t, Gespeeld(t, {{1, 5}, {2, 6}, {3, 7}, {4, 8}}), Zoekopties{.Ronde = 3});
    EXPECT_EQ(u.paren, (Paarlijst{{1, 4}, {2, 3}, {5, 8}, {6, 7}}));
}

// The two leaders met already: the group of two cannot pair, both float, and the lower group
// takes them in: 1 meets the last member 4, then 2-3.
TEST(ZwitsersZoeker, HerhalingWordtDoorZakkenVermeden) {
    const auto t = Tabel({{4, 0, 1, 2}, {4, 0, 1, 2}, {0, 0, 3, 2}, {0, 0, 3, 2}});
    const auto u = Zoek(t, Gespeeld(t, {{1, 2}, {3, 4}}), Zoekopties{.Ronde = 3});
    EXPECT_TRUE(u.klaar);
    EXPECT_EQ(u.paren, (Paarlijst{{1, 4}, {2, 3}}));
    EXPECT_EQ(u.onderzocht, 2);
}

// Colour values 11 + 11 exceed 20 × 1: the first pass (colour test on) refuses 1-4 and takes
// 1-3; without "Kleurverhouding dominant" only the second pass runs and 1-4 comes first.
TEST(ZwitsersZoeker, KleurtestWeigertElfPlusElf) {
    const auto t = Tabel({{2, 11, 1, 2}, {2, -9, 1, 2}, {2, -9, 1, 2}, {2, 11, 1, 2}});
    auto u = Zoek(t, Gespeeld(t, {}),
                  Zoekopties{.Ronde = 3, .KleurDominant = true, .MaxKleurverschil = 1});
    EXPECT_EQ(u.paren, (Paarlijst{{1, 3}, {2, 4}}));
    u = Zoek(t, Gespeeld(t, {}),
             Zoekopties{.Ronde = 3, .KleurDominant = false, .MaxKleurverschil = 1});
    EXPECT_EQ(u.paren, (Paarlijst{{1, 4}, {2, 3}}));
    // With MaxKleurverschil 2 the bound is 40 and 1-4 is admissible in the first pass too.
    u = Zoek(t, Gespeeld(t, {}),
             Zoekopties{.Ronde = 3, .KleurDominant = true, .MaxKleurverschil = 2});
    EXPECT_EQ(u.paren, (Paarlijst{{1, 4}, {2, 3}}));
}

// Two players who both had white more often: the first pass finds nobody, the second pairs
// them anyway.
TEST(ZwitsersZoeker, TweedeDoorgangNegeertDeKleur) {
    const auto t = Tabel({{2, 11, 1, 1}, {2, 11, 1, 1}});
    const auto u = Zoek(t, Gespeeld(t, {}),
                        Zoekopties{.Ronde = 3, .KleurDominant = true, .MaxKleurverschil = 1});
    EXPECT_TRUE(u.klaar);
    EXPECT_EQ(u.paren, (Paarlijst{{1, 2}}));
    EXPECT_EQ(u.onderzocht, 1);
}

TEST(ZwitsersZoeker, ZonderPaarZonderHerhalingKanHetNiet) {
    // 1 met everybody: no pairing without a repeat.
    const auto t = Tabel({{4, 0, 1, 3}, {2, 0, 2, 3}, {2, 0, 2, 3}, {0, 0, 4, 3}});
    const auto u = Zoek(t, Gespeeld(t, {{1, 2}, {1, 3}, {1, 4}}), Zoekopties{.Ronde = 4});
    EXPECT_FALSE(u.klaar);
    EXPECT_EQ(u.paren, Paarlijst{});
    // A complete round robin of six leaves nobody to meet.
    const auto z = Tabel({{5}, {5}, {5}, {5}, {5}, {5}});
    std::vector<Posities> alle(z.size());
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            if (a != b) alle[static_cast<std::size_t>(a)].Zet(b);
    EXPECT_FALSE(Zoek(z, alle, Zoekopties{.Ronde = 6}).klaar);
}

// Late rounds (fewer players than twice the leader's games) search relaxed from the start.
// Four single-player score groups: 1 floats, 1-2 met, so 1 and 2 both float into the group of
// 3, where 1 takes 3; the last group [2,4] merges what is left.
TEST(ZwitsersZoeker, LateRondeZoektVersoepeld) {
    const auto t = Tabel({{6, 0, 1, 3}, {4, 0, 2, 3}, {2, 0, 3, 3}, {0, 0, 4, 3}});
    GeenVoortgang v;
    ZwitsersZoeker z(t, Gespeeld(t, {{1, 2}, {3, 4}, {1, 4}}), Zoekopties{.Ronde = 4}, v);
    ASSERT_TRUE(z.Zoek());
    EXPECT_TRUE(z.Versoepeld());
    EXPECT_EQ(Paren(z.Partner()), (Paarlijst{{1, 3}, {2, 4}}));
    EXPECT_EQ(z.Onderzocht(), 2);
}

TEST(ZwitsersZoeker, VoortgangToontParenEnTeller) {
    const auto t = Tabel({{4, 0, 1, 2}, {4, 0, 1, 2}, {0, 0, 3, 2}, {0, 0, 3, 2}});
    Opname v;
    v.regels.assign(2, "");
    ZwitsersZoeker z(t, Gespeeld(t, {{1, 2}, {3, 4}}), Zoekopties{.Ronde = 3}, v);
    ASSERT_TRUE(z.Zoek());
    EXPECT_EQ(v.teller, 2);
    EXPECT_EQ(v.tellerAanroepen, 2);
    EXPECT_NE(v.regels[0].find("P1"), std::string::npos);
    EXPECT_NE(v.regels[0].find("P4"), std::string::npos);
    EXPECT_NE(v.regels[1].find("P2"), std::string::npos);
    EXPECT_NE(v.regels[1].find("P3"), std::string::npos);
}

TEST(ZwitsersZoeker, WeigertOnevenOfTeGroteTabel) {
    const auto t = Tabel({{}, {}, {}});
    GeenVoortgang v;
    EXPECT_THROW(ZwitsersZoeker(t, Gespeeld(t, {}), Zoekopties{}, v), std::invalid_argument);
}
