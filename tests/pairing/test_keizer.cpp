// The Keizer, place and Laren pairings: their values worked out by hand, the division and the
// exchanges on small tables, whole rounds through the driver, and a property test over seeded
// tournaments under each of the four systems.
#include "competitiehulp.h"
#include "pairing/keizer_rooster.h"
#include "pairing/plaats_rooster.h"
#include "pairing/roosterstop.h"
#include "pairing/samenstellen.h"
#include "proeftoernooi.h"
#include "standings/stand.h"
#include "zoekhulp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

using namespace velkaro;
using namespace velkaro::test;

namespace {

// Players 1..n in table positions 1..n with `partijen` games each; `ontmoetingen` are played
// matches (round, white, black) by internal number, which is the position here.
struct Tafel {
    Competitie c;
    Paartabel t{1};
    Tafel(int n, int partijen, const std::vector<std::array<int, 3>>& ontmoetingen) {
        VoegSpelersToe(c, n);
        int nummer = 1;
        for (const auto& [ronde, wit, zwart] : ontmoetingen)
            VoegWedstrijdToe(c, ronde, nummer++, wit, zwart, true);
        for (const auto& s : c.Spelers) {
            Paarregel r = MaakPaarregel(*s);
            r.AantalPartijen = partijen;
            t.push_back(r);
        }
    }
    Ontmoetingsmatrix Matrix() const { return Ontmoetingsmatrix(t, Ontmoetingen(c)); }
};

// Internal numbers of the entries of the ranking list that the routine takes, in its order.
std::vector<int32_t> Volgorde(const Competitie& c, bool ookStand) {
    std::vector<int32_t> v;
    for (const auto& r : c.Ranglijst)
        if (r.Speler->InRooster() || (ookStand && r.Speler->InStand()))
            v.push_back(r.Speler->InternNummer());
    return v;
}

} // namespace

TEST(Keizerwaarde, VerschilEnHerhaalstraf) {
    for (auto [k, d] : {std::pair{0, 0}, {1, 1}, {2, 4}, {3, 7}, {10, 28}})
        EXPECT_EQ(KeizerVerschil(k), d) << k;

    // Players 1 and 2 met in round 2; 3 and 4 in rounds 1, 2 and 4 (the scan counts three).
    Tafel x(6, 5, {{2, 1, 2}, {1, 3, 4}, {2, 4, 3}, {4, 3, 4}});
    const auto m = x.Matrix();
    struct Geval {
        int i, j, partijen;
        int32_t ronde, straf;
    };
    for (const Geval& g : std::vector<Geval>{
             {1, 2, 5, 6, 4000 - 25 - 25 - 50 * 4}, // met once, four rounds ago
             {2, 1, 5, 6, 4000 - 25 - 25 - 50 * 4},
             {1, 3, 5, 6, 0},                               // never met
             {3, 4, 5, 6, 4000 - 50 - 100 + 10000 + 20000}, // three times, last in round 4
             {1, 2, 45, 50, 0},                             // a long season: never below 0
             {3, 4, 45, 50, 30000},                         // but repeats still cost
         }) {
        for (auto& r : x.t) r.AantalPartijen = g.partijen;
        EXPECT_EQ(Herhaalstraf(x.t, m, g.i, g.j, g.ronde), g.straf) << g.i << "-" << g.j;
    }
}

TEST(Keizerparing, IndelingEnRuil) {
    // Six players of two games each; 1 met 2 (round 2) and 3 met 4 (round 1). The division with
    // the check pairs 1-3, then 6-5 from the bottom, then 2-4: distances 2, 1 and 2 (4 + 1 + 4).
    // Neighbour exchanges give equal sums (1-4 and 3-2: 7 + 1) or repeats: nothing changes.
    // Late in a long season a single old meeting costs nothing any more, and the exchange of
    // 1-3 and 2-4 into 1-2 and 3-4 (1 + 1 against 8) is made.
    struct Geval {
        int partijen;
        int32_t ronde;
        Paarlijst paren;
        std::vector<int64_t> waarden;
    };
    for (const Geval& g :
         std::vector<Geval>{{2, 3, {{1, 3}, {2, 4}, {5, 6}}, {4, 4, 4, 4, 1, 1}},
                            {45, 50, {{1, 2}, {3, 4}, {5, 6}}, {1, 1, 1, 1, 1, 1}}}) {
        Tafel x(6, g.partijen, {{2, 1, 2}, {1, 3, 4}});
        const auto m = x.Matrix();
        Opname v;
        Scriptgesprek gesprek;
        Paarstand s(x.t, v);
        long long passen = 0;
        ASSERT_EQ(KeizerParing(x.t, m, g.ronde, s, gesprek, v, passen), true);
        EXPECT_EQ(Paren(s.Partners()), g.paren) << g.ronde;
        std::vector<int64_t> waarden;
        for (int p = 1; p <= 6; ++p) waarden.push_back(s.Paarwaarde(p));
        EXPECT_EQ(waarden, g.waarden);
        EXPECT_EQ(v.regels.size(), 3u);
        EXPECT_TRUE(gesprek.meldingen.empty());
    }

    // Everybody met everybody: the checked division finds nothing, the second accepts repeats.
    Tafel alle(4, 3, {{1, 1, 2}, {1, 3, 4}, {2, 1, 3}, {2, 2, 4}, {3, 1, 4}, {3, 2, 3}});
    Opname v;
    Paarstand s(alle.t, v);
    EXPECT_FALSE(GIndeling(alle.t, alle.Matrix(), true, s, v));
    EXPECT_TRUE(GIndeling(alle.t, alle.Matrix(), false, s, v));
    EXPECT_EQ(Paren(s.Partners()), (Paarlijst{{1, 2}, {3, 4}}));
    // The progress line of a pair: value, drawing number and name of both.
    EXPECT_EQ(Waarderegel(7, alle.t[1], alle.t[4]),
              "Waarde    7:   1 Speler 1             -   4 Speler 4            ");
}

TEST(Keizerparing, EenPlaatshouder) {
    // The second of seven is in the standings but not in the pairing. He keeps his place, so
    // the first pairs with the third, two places apart (value 4); then 7-6 and 4-5 (value 1).
    // Exchanging 1-3 with 4-5 gives 7 + 4 or 10 + 1: no better.
    Competitie c;
    VoegSpelersToe(c, 7);
    c.Opties.Rekensysteem = SysteemKeizer;
    ranglijst_sorteren(c, true);
    const int32_t buiten = Volgorde(c, true)[1];
    c.Spelers.zoekptr(buiten)->WisRooster();
    Scriptgesprek gesprek;
    Opname regels;
    Roosteromgeving omg{gesprek, regels};
    ASSERT_TRUE(SamenstellenRooster(c, 1, true, false, omg).Gelukt());
    const auto v = Volgorde(c, true);
    ASSERT_EQ(v.size(), 7u);
    EXPECT_EQ(v[1], buiten);
    EXPECT_EQ(RondeParen(c, 1), (Paarlijst{{v[0], v[2]}, {v[3], v[4]}, {v[5], v[6]}}));
    std::vector<std::string> waarden;
    for (const auto& r : regels.regels) waarden.push_back(r.substr(0, 12));
    EXPECT_EQ(waarden, (std::vector<std::string>{"Waarde    4:", "Waarde    1:", "Waarde    1:"}));
}

TEST(Plaatsparing, WaardenMetPlaatsAfstandEnCategorie) {
    // Places 1..n are the positions; 3 and 8 met in round 5, the round to pair is 7.
    Tafel x(30, 4, {{5, 3, 8}});
    for (int p = 1; p <= 30; ++p) x.t[static_cast<std::size_t>(p)].Plaatsnummer = p;
    x.t[1].Categoriecijfer = 1;
    x.t[4].Categoriecijfer = 3;
    x.t[5].Categoriecijfer = 2;
    const auto m = x.Matrix();
    struct Geval {
        int i, j;
        Plaatsinstellingen p;
        int64_t waarde;
    };
    for (const Geval& g : std::vector<Geval>{
             {1, 11, {0, 10, 0}, 0},                     // ten places apart: free
             {1, 12, {0, 10, 0}, 1},                     // eleven: one over
             {1, 15, {0, 10, 0}, 16},                    //
             {11, 1, {0, 10, 0}, 0},                     // both orders alike
             {1, 4, {3, 0, 0}, 9},                       // four games: the category is left out
             {1, 4, {4, 0, 0}, 4000 + 9},                // digits 1 and 3 at most four games
             {1, 5, {4, 0, 0}, 16},                      // digits 1 and 2: neighbours, free
             {3, 8, {0, 10, 0}, 25 + 100000},            // met: the full distance, and once
             {3, 8, {0, 10, 3}, 25 + 100000 + 1000 * 1}, // two rounds ago, three wanted
         })
        EXPECT_EQ(Plaatswaarde(x.t, m, g.i, g.j, g.p, 7), g.waarde) << g.i << "-" << g.j;
}

TEST(Plaatsparing, PlaatsnummerTeltAfwezigenMetGenoegPartijen) {
    // Round 5: an entry without "R" counts when his games × 2 reach 4. Ranking: 1 (R), 2 (0
    // games), 3 (2 games), 4 (R), 5 (1 game), 6 (R): places 1, 3 and 4.
    Competitie c;
    VoegSpelersToe(c, 6);
    const int partijen[] = {0, 0, 2, 0, 1, 0};
    for (std::size_t i = 0; i < 6; ++i) {
        auto& s = c.Spelers.At(i);
        s.W().AantalPartijen = partijen[i];
        if (i == 1 || i == 2 || i == 4) s.WisRooster();
        c.Ranglijst.Voegtoe(std::to_string(i), &s);
    }
    std::vector<int32_t> plaatsen;
    for (const auto& r : BouwPlaatstabel(c, 5)) plaatsen.push_back(r.Plaatsnummer);
    EXPECT_EQ(plaatsen, (std::vector<int32_t>{0, 1, 3, 4}));
}

TEST(Larenparing, Waarden) {
    Tafel x(6, 0, {{1, 1, 2}});
    auto zet = [&](int p, int cijfer, int partijen, int volgorde, int groep, int waarde) {
        auto& r = x.t[static_cast<std::size_t>(p)];
        r.Categoriecijfer = cijfer;
        r.AantalPartijen = partijen;
        r.LarenVolgorde = volgorde;
        r.GroepPartijen = groep;
        r.Larenwaarde = waarde;
    };
    zet(1, 1, 10, 1, 2, 60); // t = 3 > 2 games in his group
    zet(2, 9, 4, 6, 0, 58);
    zet(3, 1, 10, 5, 5, 56); // t = 3 < 5
    zet(4, 2, 1, 2, 0, 54);
    zet(5, 2, 0, 3, 0, 40);
    zet(6, 1, 20, 4, 7, 50); // t = 7
    const auto m = x.Matrix();
    struct Geval {
        int i, j;
        int64_t waarde;
    };
    // The ranking list holds 14 entries: H = 7.
    for (const Geval& g : std::vector<Geval>{
             {2, 6, 2000 - 400},                            // category 9: the other's games only
             {6, 2, 2000 - 400},                            //
             {1, 2, 2000 - 100 + 4000 - 100 - 16 - 50 * 3}, // and the repeat penalty
             {4, 5, 14},                                    // both below two games: the values
             {1, 3, 2 * (7 - 4) + 50},                      // same group, 3 has enough group games
             {1, 4, 2 * (7 - 1) + 50},                      // other group: 1 has more games outside
             {3, 6, 2 * (7 - 1) + 50},                      // 6 has exactly 7: nothing
         })
        EXPECT_EQ(Larenpaarwaarde(x.t, m, g.i, g.j, 7, 4), g.waarde) << g.i << "-" << g.j;
}

TEST(Ruilparing, GelijkeAlternatievenVerschillen) {
    // Pairs 1-2 and 3-4 at 10 each; both exchanges give 5 + 5. The place pairing ends in 1-3
    // and 2-4, the Laren pairing in 1-4 and 2-3.
    std::vector<int64_t> w(25, 0);
    for (auto [i, j, v] :
         {std::array{1, 2, 10}, {3, 4, 10}, {1, 3, 5}, {2, 4, 5}, {1, 4, 5}, {2, 3, 5}})
        w[static_cast<std::size_t>(i * 5 + j)] = w[static_cast<std::size_t>(j * 5 + i)] = v;
    Tafel x(4, 0, {});
    for (auto [gelijk, paren] : {std::pair{Gelijkeruil::Plaats, Paarlijst{{1, 3}, {2, 4}}},
                                 std::pair{Gelijkeruil::Laren, Paarlijst{{1, 4}, {2, 3}}}}) {
        Opname v;
        Paarstand s(x.t, v);
        Ruilparing r(4, w, gelijk, s);
        r.VulAan();
        EXPECT_EQ(Paren(s.Partners()), (Paarlijst{{1, 2}, {3, 4}}));
        EXPECT_TRUE(r.Ruil(1, 3));
        EXPECT_EQ(Paren(s.Partners()), paren);
        EXPECT_FALSE(r.Ruil(1, 3)); // nothing lower left
        EXPECT_FALSE(r.Ruil(1, 1));
    }
}

TEST(Plaatsparing, GrootVeldBegintBijDeBuren) {
    // Without meetings and with no free distance the neighbours are the best pairing. Above 50
    // players the routine starts there and the first round finds nothing to improve; up to 50
    // it starts from the pairs of the largest values and needs rounds of exchanges to get there.
    for (int n : {50, 52}) {
        for (uint16_t systeem : {SysteemMoyenne, SysteemLaren}) {
            Competitie c;
            VoegSpelersToe(c, n);
            c.Opties.Rekensysteem = systeem;
            Omgeving o;
            const auto r = SamenstellenRooster(c, 1, true, false, o.omg);
            ASSERT_TRUE(r.Gelukt());
            if (n <= 50) {
                EXPECT_GT(r.Onderzocht, 1) << systeem;
            } else if (systeem == SysteemMoyenne) {
                EXPECT_EQ(r.Onderzocht, 1);
                const auto v = Volgorde(c, false);
                Paarlijst buren;
                for (std::size_t i = 0; i < v.size(); i += 2) buren.emplace_back(v[i], v[i + 1]);
                EXPECT_EQ(RondeParen(c, 1), buren);
            }
        }
    }
}

// A stop at the first look leaves the group as it was. (The refused odd number is in the bye
// tests.)
TEST(Waardeparing, StopLaatDeGroepZoalsHijWas) {
    for (uint16_t systeem : {SysteemKeizer, SysteemMoyenne, SysteemRating, SysteemLaren}) {
        SCOPED_TRACE(systeem);
        Competitie c;
        VoegSpelersToe(c, 4);
        c.Opties.Rekensysteem = systeem;
        VoegWedstrijdToe(c, 1, 1, 1, 2, true);
        VoegWedstrijdToe(c, 2, 2, 2, 3);
        Opname stop(0);
        Scriptgesprek g;
        Roosteromgeving omg{g, stop};
        const auto gestopt = SamenstellenRoosterMetStop(c, 2, true, false, omg);
        EXPECT_EQ(gestopt.Uitkomst, Roosteruitkomst::Gestopt);
        EXPECT_EQ(c.Wedstrijden.Aantal(), 2u);
    }
}

namespace {

// Seeded tournaments under a system: players with playing-group digits (9 now and then), some
// members absent each round, every round checked.
int SpeelSysteem(uint16_t systeem, unsigned zaden, int van, int tot) {
    int gepaard = 0;
    for (unsigned zaad = 1; zaad <= zaden; ++zaad) {
        std::mt19937 gen(zaad * 104729u + systeem);
        const int n = std::uniform_int_distribution<int>(van, tot)(gen);
        Proeftoernooi t(zaad, n);
        t.c.Opties.Rekensysteem = systeem;
        t.c.MinWed = std::uniform_int_distribution<int>(0, 3)(gen);
        t.c.PlaatsAfstand = std::uniform_int_distribution<int>(0, 4)(gen);
        t.c.Geleden = std::uniform_int_distribution<int>(0, 3)(gen);
        for (auto& s : t.c.Spelers) {
            const int cijfer = std::uniform_int_distribution<int>(0, 12)(gen);
            s->W().Categorieen = cijfer <= 9 ? std::string(1, static_cast<char>('0' + cijfer)) : "";
        }
        const int rondes = std::min(n, 12);
        for (int32_t ronde = 1; ronde <= rondes; ++ronde) {
            SCOPED_TRACE("system " + std::to_string(systeem) + " seed " + std::to_string(zaad) +
                         " players " + std::to_string(n) + " round " + std::to_string(ronde));
            // Two members swap between present and absent, keeping the count even.
            for (int k = 0; k < 2; ++k) {
                auto& s = t.c.Spelers.At(
                    static_cast<std::size_t>(std::uniform_int_distribution<int>(0, n - 1)(gen)));
                s.InRooster() ? s.WisRooster() : s.ZetRooster();
            }
            if (t.c.Spelers.tel_rooster() % 2 != 0)
                t.c.Spelers.At(0).InRooster() ? t.c.Spelers.At(0).WisRooster()
                                              : t.c.Spelers.At(0).ZetRooster();
            const Voorstand voor = NeemVoorstand(t.c, ronde);
            Omgeving o;
            const auto r = SamenstellenRooster(t.c, ronde, true, false, o.omg);
            EXPECT_TRUE(r.Gelukt());
            EXPECT_TRUE(o.gesprek.meldingen.empty());
            ++gepaard;
            for (const auto& f : ControleerRonde(
                     t.c, ronde, voor, Paarregels{.Zwitsers = false, .HerhalingVerboden = false}))
                ADD_FAILURE() << f;
            t.SpeelRonde(ronde);
        }
    }
    return gepaard;
}

} // namespace

TEST(Waardeparing, EigenschappenOverWillekeurigeToernooien) {
    for (uint16_t systeem : {SysteemKeizer, SysteemMoyenne, SysteemRating, SysteemLaren})
        EXPECT_GT(SpeelSysteem(systeem, 25, 6, 60), 25 * 5) << systeem;
}
