// The played-before, meeting-count and last-meeting tests, from the meeting table and from
// the scan of the match collection.
#include "competitiehulp.h"
#include "pairing/ontmoetingen.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

TEST(Ontmoetingen, TabelTeltAlleenUitslagenEnAfgebrokenPartijen) {
    Competitie c;
    VoegSpelersToe(c, 4);
    VoegWedstrijdToe(c, 1, 1, 1, 2, true);
    VoegWedstrijdToe(c, 2, 1, 2, 1, true);                         // the other colour counts too
    VoegWedstrijdToe(c, 3, 1, 3, 4);                               // no result
    VoegWedstrijdToe(c, 3, 2, 1, 3).ZetUitslag(0, 2, true, false); // adjourned
    VoegWedstrijdToe(c, 3, 3, 4, -1800, true);                     // outside opponent
    Ontmoetingen o(c);
    ASSERT_TRUE(o.HeeftTabel());
    EXPECT_EQ(o.Aantal(1, 2), 2);
    EXPECT_EQ(o.Aantal(2, 1), 2);
    EXPECT_TRUE(o.Gespeeld(1, 3));
    EXPECT_FALSE(o.Gespeeld(3, 4));
    EXPECT_EQ(o.Aantal(4, -1800), 0);
    // Released, the tests scan: every match counts, with or without a result.
    o.Vrijgeven();
    EXPECT_FALSE(o.HeeftTabel());
    EXPECT_TRUE(o.Gespeeld(3, 4));
    EXPECT_EQ(o.Aantal(1, 2), 2);
    EXPECT_EQ(o.Aantal(4, -1800), 1);
}

TEST(Ontmoetingen, GrenzenVanDeTabel) {
    // An internal number above 255: no table, the tests scan.
    Competitie c;
    VoegSpelersToe(c, 2);
    Spelergegevens g;
    g.InternNummer = 300;
    c.Spelers.Voegtoe(g);
    VoegWedstrijdToe(c, 1, 1, 300, 1);
    Ontmoetingen o(c);
    EXPECT_FALSE(o.HeeftTabel());
    EXPECT_TRUE(o.Gespeeld(1, 300));
    EXPECT_FALSE(o.Gespeeld(1, 2));
    // A cell does not run round to 0.
    for (int r = 1; r <= 256; ++r) VoegWedstrijdToe(c, r, 1, 1, 2, true);
    Ontmoetingstabel t(c.Wedstrijden);
    EXPECT_EQ(t.Aantal(1, 2), 255);
    EXPECT_TRUE(t.Gespeeld(2, 1));
    EXPECT_EQ(t.Aantal(0, 1), 0);
    EXPECT_EQ(t.Aantal(1, 256), 0);
}

TEST(Ontmoetingen, LaatsteOntmoetingVanAchterNaarVoren) {
    Competitie c;
    VoegSpelersToe(c, 3);
    VoegWedstrijdToe(c, 1, 1, 1, 2, true);
    VoegWedstrijdToe(c, 2, 1, 1, 3, true);
    VoegWedstrijdToe(c, 4, 1, 2, 1, true);
    VoegWedstrijdToe(c, 6, 1, 1, 2); // the last entry, no result yet
    const auto& w = c.Wedstrijden;
    auto laatste = [](const auto& l) { return std::pair{l.Ronde, l.Aantal}; };
    EXPECT_EQ(laatste(w.RondenGeleden(1, 2)), std::pair(6, 3));    // the last entry is scanned too
    EXPECT_EQ(laatste(w.RondenGeleden(2, 1, 2)), std::pair(4, 2)); // from the third entry back
    EXPECT_EQ(laatste(w.RondenGeleden(1, 2, 0)), std::pair(1, 1));
    EXPECT_EQ(laatste(w.RondenGeleden(2, 3)), std::pair(-1, 0));
    EXPECT_EQ(w.RondenGeleden(1, 3, 99).Ronde, 2); // past the end: from the last entry
    EXPECT_EQ(Ontmoetingen(c).Laatste(1, 2).Ronde, 6);
    EXPECT_EQ(Competitie().Wedstrijden.RondenGeleden(1, 2).Ronde, -1);
}

TEST(Ontmoetingen, RondeLeegEnLaatsteRonde) {
    Competitie c;
    EXPECT_EQ(c.Wedstrijden.laatste_ronde(), 0);
    EXPECT_TRUE(c.Wedstrijden.IsRondeLeeg(1));
    VoegSpelersToe(c, 4);
    VoegWedstrijdToe(c, 3, 1, 1, 2);
    VoegWedstrijdToe(c, 7, 1, 3, 4);
    VoegWedstrijdToe(c, 2, 1, 1, 3, true);
    EXPECT_EQ(c.Wedstrijden.laatste_ronde(), 7);
    EXPECT_TRUE(c.Wedstrijden.IsRondeLeeg(3));
    EXPECT_FALSE(c.Wedstrijden.IsRondeLeeg(2));
    c.Wedstrijden.At(1).ZetUitslag(0, 0, true, false); // round 3 adjourned
    EXPECT_FALSE(c.Wedstrijden.IsRondeLeeg(3));
    EXPECT_EQ(c.Wedstrijden.keer_gespeeld(1, 2), 1);
    EXPECT_TRUE(c.Wedstrijden.is_gespeeld(4, 3));
    EXPECT_FALSE(c.Wedstrijden.is_gespeeld(2, 4));
}
