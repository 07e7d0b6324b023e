// Sort keys and ranking order: the key text and insertion rule, the minimum-games bonus,
// the tie-break criteria 1 to 7, shared places and the keys of every system.
#include "hulp.h"
#include "standings/sleutels.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace velkaro;
using namespace velkaro::test;

namespace {

std::size_t Positie(const Toernooi& t, int32_t nummer) {
    const auto v = t.Volgorde();
    return static_cast<std::size_t>(std::find(v.begin(), v.end(), nummer) - v.begin());
}

TEST(Sleutels, SleuteltekstLooptVanHoogNaarLaag) {
    const std::string nul = "650000000";
    EXPECT_EQ(Sleuteltekst({0, 0, 0, 0, 0, 0, 0}), nul + nul + nul + nul + nul + nul + nul);
    const std::string t = Sleuteltekst({649999995, -7, 1, 0, 0, 0, 650000000});
    ASSERT_EQ(t.size(), 63u);
    EXPECT_EQ(
        std::forward_as_tuple(t.substr(0, 9), t.substr(9, 9), t.substr(18, 9), t.substr(54, 9)),
        std::make_tuple("        5", "650000007", "649999999", "        0"));
    // Keys beyond nine digits rank as the bound instead of breaking the text order.
    EXPECT_EQ(Sleuteltekst({700000000, INT32_MIN, 0, 0, 0, 0, 0}).substr(0, 18),
              "        0999999999");
    EXPECT_LT(Sleuteltekst({2, 0, 0, 0, 0, 0, 0}), Sleuteltekst({1, 5, 0, 0, 0, 0, 0}));
}

TEST(Sleutels, GelijkeSleutelLaterToegevoegdStaatVoor) {
    Toernooi t;
    t.Spelers(3);
    tranglijst lijst;
    for (int n : {1, 2, 3}) t.c.Spelers.zoekptr(n)->Sorteersleutels = {5, 0, 0, 0, 0, 0, 0};
    t.c.Spelers.zoekptr(2)->Sorteersleutels[0] = 6;
    for (int n : {1, 2, 3}) VoegToe(lijst, *t.c.Spelers.zoekptr(n), 0);
    std::vector<int32_t> volgorde;
    for (const auto& r : lijst) volgorde.push_back(r.Speler->Lotingnummer());
    EXPECT_EQ(volgorde, (std::vector<int32_t>{2, 3, 1}));
    EXPECT_EQ(t.c.Spelers.zoekptr(1)->Sorteersleutels[0], 5 + kMinimumBonus);
}

TEST(Sleutels, MinimumAantalWedstrijden) {
    // 8 points from 4 games against 1 point from 5 games.
    Toernooi t;
    t.Spelers(2);
    for (int r = 1; r <= 4; ++r) t.Winst(r, 1, kBuiten);
    t.Remise(1, 2, kBuiten);
    for (int r = 2; r <= 5; ++r) t.Winst(r, kBuiten, 2);
    Sorteerinstellingen keuze{1, 5, 5, false};
    t.Bereken(&keuze);
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 2}));
    keuze.MinimumWedstrijden = 4;
    t.Bereken(&keuze);
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2}));
    keuze.MinimumWedstrijden = 0;
    t.Bereken(&keuze);
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2}));
}

// Players 1 and 2 both score 4 points from 3 games (two wins, one loss), 1 against stronger
// opposition: his opponents 3, 4, 5 end on 4, 6, 4 points, those of 2 (6, 7, 8) on 2, 2, 6.
// The opponents' other points come from games against outside opponents.
//   1: WP 14, lowest 4, highest 6, W-l 10, Wlh 4, SB 2*4 + 2*6 = 20, rating 1500
//   2: WP 10, lowest 2, highest 6, W-l  8, Wlh 2, SB 2*2 + 2*2 = 8,  rating 1400
struct Weerstand : Toernooi {
    explicit Weerstand(uint16_t systeem, int32_t volgorde) : Toernooi(systeem, volgorde) {
        Speler(1, 1500);
        Speler(2, 1400);
        for (int n = 3; n <= 8; ++n) Speler(n, 1000);
        Winst(1, 1, 3);
        Winst(1, 2, 6);
        Winst(2, 1, 4);
        Winst(2, 2, 7);
        Winst(3, 5, 1);
        Winst(3, 8, 2);
        for (int r : {4, 5}) Winst(r, 3, kBuiten);
        Winst(6, kBuiten, 3); // 3 ends on 4 points from 4 games, not tied with 1 and 2
        for (int r : {4, 5, 6}) Winst(r, 4, kBuiten);
        Winst(4, 5, kBuiten);
        Winst(4, 6, kBuiten);
        Winst(4, 7, kBuiten);
        for (int r : {4, 5}) Winst(r, 8, kBuiten);
    }
};

TEST(Sleutels, WeerstandswaardenUitgerekend) {
    Weerstand t(SysteemZwitsers, 47);
    t.Bereken();
    const auto &a = t.G(1), &b = t.G(2);
    ASSERT_EQ(a.Punten, 4);
    ASSERT_EQ(b.Punten, 4);
    ASSERT_EQ(a.AantalPartijen, b.AantalPartijen);
    EXPECT_EQ(std::forward_as_tuple(t.G(3).Punten, t.G(4).Punten, t.G(8).Punten),
              std::make_tuple(4, 6, 6));
    EXPECT_EQ(
        (std::vector<int32_t>{Criteriumwaarde(a, 2), Criteriumwaarde(a, 4), Criteriumwaarde(a, 5),
                              Criteriumwaarde(a, 6), Criteriumwaarde(a, 7)}),
        (std::vector<int32_t>{4, 14, 10, 4, 20}));
    EXPECT_EQ(
        (std::vector<int32_t>{Criteriumwaarde(b, 2), Criteriumwaarde(b, 4), Criteriumwaarde(b, 5),
                              Criteriumwaarde(b, 6), Criteriumwaarde(b, 7)}),
        (std::vector<int32_t>{2, 10, 8, 2, 8}));
    EXPECT_EQ(Criteriumwaarde(a, 0), 0);
}

TEST(Sleutels, ElkCriteriumBeslistEenGelijkstand) {
    // Under the normal table a complete tie lists 2 before 1; each criterion puts 1 first.
    for (int cijfer : {1, 2, 4, 5, 6, 7}) {
        Weerstand t(SysteemNormaal, cijfer);
        t.Bereken();
        EXPECT_LT(Positie(t, 1), Positie(t, 2)) << cijfer;
        EXPECT_NE(t.G(1).Notering, t.G(2).Notering) << cijfer;
    }
    Weerstand gelijk(SysteemNormaal, 3); // both won two games
    gelijk.Bereken();
    EXPECT_LT(Positie(gelijk, 2), Positie(gelijk, 1));
    EXPECT_EQ(gelijk.G(1).Notering, gelijk.G(2).Notering);

    // Criterion 3: a win and a loss beat two draws.
    Toernooi w(SysteemNormaal, 3);
    w.Spelers(2);
    w.Winst(1, 1, kBuiten);
    w.Winst(2, kBuiten, 1);
    w.Remise(1, 2, kBuiten);
    w.Remise(2, kBuiten, 2);
    w.Bereken();
    EXPECT_EQ(w.Volgorde(), (std::vector<int32_t>{1, 2}));
    w.c.Opties.Sorteervolgorde = 0;
    w.Bereken();
    EXPECT_EQ(w.Volgorde(), (std::vector<int32_t>{2, 1}));
}

TEST(Sleutels, ZwitsersWeerstandDanSBDanLaagsteNummer) {
    // 1 and 2 both beat one player and lose to another; their opponents total 6 points each,
    // but 2 beat the stronger one: SB 8 against 4.
    Toernooi t(SysteemZwitsers, 47);
    t.Spelers(6);
    t.Winst(1, 1, 3);
    t.Winst(2, 4, 1);
    t.Winst(1, 2, 5);
    t.Winst(2, 6, 2);
    t.Winst(3, 3, kBuiten);
    t.Winst(3, 4, kBuiten);
    t.Winst(3, 5, kBuiten);
    t.Winst(4, 5, kBuiten);
    t.Bereken();
    ASSERT_EQ(t.G(1).Weerstandspunten, 6);
    ASSERT_EQ(t.G(2).Weerstandspunten, 6);
    EXPECT_EQ(t.G(1).SBPunten, 4);
    EXPECT_EQ(t.G(2).SBPunten, 8);
    EXPECT_LT(Positie(t, 2), Positie(t, 1));
    t.c.Opties.Sorteervolgorde = 4; // resistance alone: the lower number first
    t.Bereken();
    EXPECT_LT(Positie(t, 1), Positie(t, 2));
    EXPECT_EQ(t.G(1).Notering, t.G(2).Notering);
}

TEST(Sleutels, VijfdeCijferTeltNietMee) {
    // Criteria 1 to 3 equal (two wins each), criterion 4 (SB) different: 1 first, one place.
    Weerstand t(SysteemNormaal, 3337);
    t.Bereken();
    EXPECT_LT(Positie(t, 1), Positie(t, 2));
    EXPECT_EQ(t.G(1).Notering, t.G(2).Notering);
    EXPECT_EQ(t.c.Spelers.zoekptr(1)->Sorteersleutels[5], 20);
    // SB as a fifth digit does not enter the keys: the normal tie order remains.
    t.c.Opties.Sorteervolgorde = 33337;
    t.Bereken();
    EXPECT_LT(Positie(t, 2), Positie(t, 1));
    EXPECT_EQ(t.G(1).Notering, t.G(2).Notering);
}

TEST(Sleutels, GedeeldePlaatsenSlaanEenPlaatsOver) {
    Toernooi t;
    t.Speler(1);
    t.Speler(2);
    t.Speler(3, 0, OpnemenRooster); // not in the standings: passed over
    t.Speler(4);
    t.Speler(5);
    t.Winst(1, 1, kBuiten);
    t.Winst(2, 1, kBuiten);
    for (int n : {2, 3, 4}) {
        t.Winst(1, n, kBuiten);
        t.Winst(2, kBuiten, n);
    }
    t.Winst(1, kBuiten, 5);
    t.Winst(2, kBuiten, 5);
    t.G(3).Notering = 77;
    t.Bereken();
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 4, 3, 2, 5}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 2, 77, 2, 4}));
}

TEST(Sleutels, HARWegingen) {
    EXPECT_EQ(std::forward_as_tuple(HARWeging(0), HARWeging(1), HARWeging(3), HARWeging(24),
                                    HARWeging(25), HARWeging(26), HARWeging(-1)),
              std::make_tuple(0, 16777216, 4194304, 2, 1, 0, 0));
}

TEST(Sleutels, SleutelsPerSysteem) {
    Spelergegevens g;
    g.Lotingnummer = 7;
    g.Barrage = 3;
    g.Punten = 6;
    g.AantalPartijen = 5;
    g.Rating = 1450;
    g.AantalWinst = 2;
    g.Keizerpunten = 10.5;
    g.TotaalMoyenne = 1.25;
    g.EigenMoyenne = 0.75;
    g.MaxTegenstanderPunten = 1612; // Nurating
    g.PlaatsTotaal = 12.37;
    g.LarenOnderling = 21;
    TSpelerObj s(g);
    trekenopties o;
    o.Sorteervolgorde = 3;
    using K = std::array<int32_t, 7>;
    auto Sleutels = [&](uint16_t systeem) {
        o.Rekensysteem = systeem;
        s.Sorteersleutels = {9, 9, 9, 9, 9, 9, 9};
        BouwSleutels(o, s);
        return s.Sorteersleutels;
    };
    EXPECT_EQ(Sleutels(SysteemNormaal), (K{1195, 3, 2, 0, 0, 0, 7}));
    s.W().AantalPartijen = 6; // the same points from more games rank lower
    EXPECT_EQ(Sleutels(SysteemNormaal)[0], 1194);
    s.W().AantalPartijen = 5;
    EXPECT_EQ(Sleutels(SysteemFMJDZwitsers), (K{1195, 3, 2, 0, 0, 0, -7}));
    EXPECT_EQ(Sleutels(SysteemKeizer), (K{11, 3, 0, 0, 0, 5, 0})); // 10.5 rounded half up
    for (auto [keizerpunten, sleutel] : {std::pair{10.4, 10}, {9.6, 10}}) {
        s.W().Keizerpunten = keizerpunten;
        EXPECT_EQ(Sleutels(SysteemKeizer)[0], sleutel) << keizerpunten;
    }
    EXPECT_EQ(Sleutels(SysteemMoyenne), (K{12500, 3, 7500, 5, 0, -7, 0}));
    EXPECT_EQ(Sleutels(SysteemRating), (K{1612, 3, 5, 0, 0, -7, 0}));
    EXPECT_EQ(Sleutels(Systeem16), (K{1195, 3, 1450, 0, 0, 7, 0}));
    EXPECT_EQ(Sleutels(SysteemLaren), (K{9999 - 123, 21, 0, -7, 0, 0, 0}));
    s.W().Punten = 0;
    EXPECT_EQ(Sleutels(SysteemLaren)[2], -5);
    // Exact halves round to the even neighbour: 1/32 and 3/32 give 312.5 and 937.5.
    s.W().EigenMoyenne = 1.0 / 32;
    s.W().TotaalMoyenne = 3.0 / 32;
    const K m = Sleutels(SysteemMoyenne);
    EXPECT_EQ(m[0], 938);
    EXPECT_EQ(m[2], 312);
}

} // namespace
