// The FMJD Swiss and the Swiss by rating (the FMJD search rules are in test_zoeker.cpp): the
// sort order in force while pairing, the rating table's preferences and float markers, its
// colour verdicts, and hand-worked rounds.
#include "../storage/hulp.h"
#include "competitiehulp.h"
#include "pairing/fmjd_zwitsers.h"
#include "pairing/rating_zoeker.h"
#include "pairing/rating_zwitsers.h"
#include "pairing/samenstellen.h"
#include "standings/stand.h"
#include "zoekhulp.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

TEST(FMJDZwitsers, SorteervolgordeTijdensHetParen) {
    const std::pair<int32_t, int32_t> gevallen[] = {{54, 54}, {12, 47}, {40, 40}, {69, 69},
                                                    {39, 47}, {70, 47}, {0, 47}};
    for (auto [instelling, tijdens] : gevallen) {
        Competitie c;
        VoegSpelersToe(c, 4);
        c.Opties.Rekensysteem = SysteemFMJDZwitsers;
        c.Opties.Sorteervolgorde = instelling;
        // The sort order in force when the routine shows its first progress line.
        int32_t gezien = -1;
        Scriptgesprek g;
        Opname v;
        v.bijRegel = [&] {
            if (gezien < 0) gezien = c.Opties.Sorteervolgorde;
        };
        Roosteromgeving omg{g, v};
        ASSERT_TRUE(SamenstellenRooster(c, 1, true, false, omg).Gelukt()) << instelling;
        EXPECT_EQ(gezien, tijdens) << instelling;
        EXPECT_EQ(c.Opties.Sorteervolgorde, instelling);
        EXPECT_EQ(FMJDSorteervolgorde(instelling), tijdens);
        EXPECT_EQ(RondeParen(c, 1), (Paarlijst{{1, 2}, {3, 4}}));
    }
}

TEST(RatingZwitsers, Kleurverdict) {
    auto r = [](uint8_t sterk, uint8_t wens, int8_t balans, uint8_t laatste) {
        Ratingregel x;
        x.SterkeKleurvoorkeur = sterk;
        x.Kleurvoorkeur = wens;
        x.Kleurbalans = balans;
        x.LaatsteKleur = laatste;
        return x;
    };
    struct Geval {
        Ratingregel i, j;
        bool iWit;
    };
    const Geval gevallen[] = {
        {r(1, 0, 0, 0), r(2, 2, 0, 0), false}, // i strongly black
        {r(2, 2, 0, 0), r(1, 0, 0, 0), true},  // j strongly black outweighs its wish
        {r(0, 2, 0, 0), r(0, 2, 0, 0), false}, // both strongly white: both verdicts, j wins
        {r(2, 0, 0, 0), r(2, 2, 0, 0), true},  // i wishes white
        {r(2, 1, 0, 0), r(2, 1, 0, 0), false}, // both wish black: j wins
        {r(2, 2, 1, 0), r(2, 2, 0, 0), false}, // the lower balance plays white
        {r(2, 2, -1, 0), r(2, 2, 0, 0), true},
        {r(2, 2, 0, 1), r(2, 2, 0, 0), false}, // i had black last: j white
        {r(2, 2, 0, 0), r(2, 2, 0, 1), true},
    };
    for (std::size_t k = 0; k < std::size(gevallen); ++k)
        EXPECT_EQ(RatingEersteSpeeltWit(gevallen[k].i, gevallen[k].j), gevallen[k].iWit) << k;
}

namespace {

// Six players rated 2000, 1900, ..., 1500 by drawing number, under the Swiss by rating.
void RatingVeld(Competitie& c, bool dominant) {
    VoegSpelersToe(c, 6);
    for (std::size_t i = 0; i < 6; ++i)
        c.Spelers.At(i).W().LokaleRating = 2000 - 100 * static_cast<int>(i);
    c.Opties.Rekensysteem = SysteemZwitsersRating;
    c.Opties.KleurDominant = dominant ? 1 : 0;
    c.Opties.MaxKleurverschil = 1;
}

void Uitslag(Competitie& c, int32_t ronde, int32_t wit, uint8_t w, uint8_t z) {
    for (auto& m : c.Wedstrijden)
        if (m->G().Ronde == ronde && m->G().Wit == wit) m->ZetUitslag(w, z, false, true);
    c.MarkeerHerberekenen();
}

} // namespace

// Round 1: one group in rating order; the first player meets the one half the list further
// on. Preferences by position in the top half of the list (odd white, even black), none below:
// 1 (white) - 4, 2 (black) - 5, 3 (white) - 6. Round 2 after 1 beat 4, 5-2 drawn and 6 beat 3:
// the order is 1, 6 | 2, 5 | 3, 4 and, with the colour ratio dominant and a maximum of 1, only
// a player with more whites may meet one with more blacks. 1-6 pair; 2 and 5 met, float, and
// take 3 and 4: 2 (more blacks) prefers 3 (more whites), then 5-4. Each time the player with
// more blacks gets white. Then the table of round 3: preferences from the colour balance,
// strong ones beyond ten times the maximum, the rate in the last round, and the floats.
TEST(RatingZwitsers, DrieRondenMetDrijvers) {
    Competitie c;
    RatingVeld(c, true);
    Omgeving o;
    auto r = SamenstellenRooster(c, 1, true, false, o.omg);
    ASSERT_TRUE(r.Gelukt());
    EXPECT_EQ(RondeParen(c, 1), (Paarlijst{{1, 4}, {5, 2}, {3, 6}}));
    EXPECT_EQ(RondeNummers(c, 1), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(c.Opties.Rekensysteem, SysteemZwitsersRating);
    Uitslag(c, 1, 1, 2, 0);
    Uitslag(c, 1, 5, 1, 1);
    Uitslag(c, 1, 3, 0, 2);

    r = SamenstellenRooster(c, 2, true, false, o.omg);
    ASSERT_TRUE(r.Gelukt());
    EXPECT_EQ(RondeParen(c, 2), (Paarlijst{{6, 1}, {2, 3}, {4, 5}}));
    EXPECT_EQ(RondeNummers(c, 2), (std::vector<int32_t>{4, 5, 6}));
    EXPECT_EQ(r.Onderzocht, 3);
    EXPECT_TRUE(o.gesprek.meldingen.empty());
    Uitslag(c, 2, 6, 1, 1); // 6-1 drawn
    Uitslag(c, 2, 2, 2, 0); // 2 beats 3
    Uitslag(c, 2, 4, 0, 2); // 5 beats 4
    c.Opties.Rekensysteem = Systeem16;
    ranglijst_sorteren(c, true);
    const Ratingtabel t = BouwRatingtabel(c, 3, true);
    // Points after two rounds: 1: 3, 2: 3, 5: 3, 6: 3, 3: 0, 4: 0 (win 2, draw 1); ties by rating.
    std::vector<int32_t> volgorde;
    for (std::size_t p = 1; p < t.size(); ++p) volgorde.push_back(t[p].InternNummer);
    ASSERT_EQ(volgorde, (std::vector<int32_t>{1, 2, 5, 6, 3, 4}));
    // Every balance is 0 after two games with one white each, so the positions decide: odd
    // white, even black, none in the lower half.
    const uint8_t wens[] = {WensWit, WensZwart, WensWit, WensGeen, WensGeen, WensGeen};
    // Round 2: 2 and 5 (2 points before it) met 3 and 4 (0): down and up. Round 1 had no float.
    const bool df[] = {false, true, true, false, false, false};
    const bool uf[] = {false, false, false, false, true, true};
    for (std::size_t p = 1; p < t.size(); ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(t[p].Kleurvoorkeur, wens[p - 1]);
        EXPECT_EQ(t[p].SterkeKleurvoorkeur, WensGeen);
        EXPECT_EQ(t[p].df, df[p - 1]);
        EXPECT_EQ(t[p].uf, uf[p - 1]);
        EXPECT_FALSE(t[p].df1 || t[p].uf1);
        EXPECT_EQ(t[p].Percentage, p <= 4 ? 75 : 0); // 3 points of 4 over 2 games
    }
    // In round 4 the floats of round 2 are those of the round before last.
    const Ratingtabel t4 = BouwRatingtabel(c, 4, false);
    EXPECT_TRUE(t4[2].df1 && t4[3].df1 && t4[5].uf1 && t4[6].uf1);
    EXPECT_FALSE(t4[2].df || t4[5].uf);
    EXPECT_EQ(t4[1].Percentage, 0);

    // Pairing round 3 with the trace on writes the markers and the search's words.
    TijdelijkeMap map;
    c.Bestandsnaam = map / "club.xv7";
    c.Opties.Rekensysteem = SysteemZwitsersRating;
    o.omg.Debugfile = true;
    ASSERT_TRUE(SamenstellenRooster(c, 3, true, true, o.omg).Gelukt());
    const std::string spoor = Lees(map / "vULWACHT");
    for (const char* woord :
         {"df ", "uf ", "wit   ", "zwart ", "Level", "Aanroep ID", "Indelingsniveau",
          "Gepaarde wedstr.", "Indeelstatus", "Wachtindex", "Groepsindex", "MaxWacht",
          "WachtTeller", "GroepsTeller", "Einde gehad", "Inhoud wachtkamer", "Inhoud groep"})
        EXPECT_NE(spoor.find(woord), std::string::npos) << woord;
}

// A player who floated down last round meets nobody lower in the first attempt: 1 and 2 lead,
// met already, 1 floated down last round, so 2 floats and 1 waits for the relaxed attempt only
// when nothing else is left.
TEST(RatingZwitsers, ZelfdeFloatNietTweeKeer) {
    Ratingtabel t(1);
    for (int p = 1; p <= 4; ++p) {
        Ratingregel r;
        r.Naam = "P" + std::to_string(p);
        r.InternNummer = p;
        r.Punten = p <= 2 ? 4 : 2;
        t.push_back(r);
    }
    t[1].df = true;
    std::vector<Posities> g(5);
    g[1].Zet(2);
    g[2].Zet(1);
    GeenVoortgang v;
    RatingZoeker z(t, g, Ratingzoekopties{}, v);
    ASSERT_TRUE(z.Zoek());
    // 1 cannot go down, 2 cannot meet 1: no pairing keeps the rule, the relaxed one pairs.
    EXPECT_EQ(z.Poging(), 2);
    EXPECT_EQ(Paren(z.Partner()), (Paarlijst{{1, 3}, {2, 4}}));
    // Without the marker the first attempt pairs the same.
    t[1].df = false;
    RatingZoeker z2(t, g, Ratingzoekopties{}, v);
    ASSERT_TRUE(z2.Zoek());
    EXPECT_EQ(z2.Poging(), 1);
}
