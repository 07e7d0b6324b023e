// The schedule dialog's decisions: pre-check, proposed round, selection and leaving.
#include "competitiehulp.h"
#include "lang/teksten.h"
#include "pairing/roosterkeuze.h"
#include "pairing/samenstellen.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

TEST(Roosterkeuze, WelkeSystemenRondtoernooiZijn) {
    for (uint16_t s : {0, 7, 8, 16, 18, 32, 40}) EXPECT_TRUE(IsRondtoernooi(s)) << s;
    for (uint16_t s : {1, 2, 3, 4, 5, 6, 17}) EXPECT_FALSE(IsRondtoernooi(s)) << s;
}

TEST(Roosterkeuze, VoorcontroleVraagtAlleenBijZwitsersOngelijk) {
    Competitie c;
    VoegSpelersToe(c, 2);
    c.Spelers.At(0).W().AantalPartijen = 1;
    Scriptgesprek g;
    EXPECT_TRUE(Voorcontrole(c, g)); // system 0: no question
    EXPECT_TRUE(g.vragen.empty());
    c.Opties.Rekensysteem = SysteemZwitsers;
    g.antwoorden = {Antwoord::Nee, Antwoord::Annuleren, Antwoord::Ja};
    EXPECT_FALSE(Voorcontrole(c, g));
    EXPECT_FALSE(Voorcontrole(c, g));
    EXPECT_TRUE(Voorcontrole(c, g));
    ASSERT_EQ(g.vragen.size(), 3u);
    EXPECT_EQ(g.vragen[0].tekst, lang::Tekst(lang::T::OngelijkAantalGespeeld));
    EXPECT_EQ(g.vragen[0].titel, "Waarschuwing");
    EXPECT_EQ(g.vragen[0].knoppen, Knoppen::JaNeeAnnuleren);
    c.Spelers.At(1).W().AantalPartijen = 1;
    EXPECT_TRUE(Voorcontrole(c, g));
    EXPECT_EQ(g.vragen.size(), 3u);
}

TEST(Roosterkeuze, VoorgesteldeRonde) {
    Competitie c;
    EXPECT_EQ(VoorgesteldeRonde(c), 1);
    c.Opties.Rekensysteem = SysteemZwitsers;
    EXPECT_EQ(VoorgesteldeRonde(c), 1);
    VoegSpelersToe(c, 4);
    VoegWedstrijdToe(c, 1, 1, 1, 2, true);
    VoegWedstrijdToe(c, 2, 1, 1, 3); // the last round, not played yet: paired again
    EXPECT_EQ(VoorgesteldeRonde(c), 2);
    c.Wedstrijden.At(1).ZetUitslag(0, 1, true, false); // adjourned counts as played
    EXPECT_EQ(VoorgesteldeRonde(c), 3);
    c.Opties.Rekensysteem = SysteemNormaal;
    EXPECT_EQ(VoorgesteldeRonde(c), 3);
    VoegWedstrijdToe(c, 5, 1, 2, 4); // system 0: always after the highest round
    EXPECT_EQ(VoorgesteldeRonde(c), 6);
    EXPECT_EQ(RondeVanInvoer(-3), 1);
    EXPECT_EQ(RondeVanInvoer(0), 1);
    EXPECT_EQ(RondeVanInvoer(7), 7);
}

TEST(Roosterkeuze, SelectieEnKnop) {
    Competitie c;
    VoegSpelersToe(c, 3);
    c.Opties.Rekensysteem = SysteemZwitsers;
    EXPECT_FALSE(MagSamenstellen(c));
    WisselRooster(c, c.Spelers.At(1));
    EXPECT_FALSE(c.Spelers.At(1).InRooster());
    EXPECT_TRUE(MagSamenstellen(c));
    SelecteerNiemand(c);
    EXPECT_EQ(c.Spelers.tel_rooster(), 0);
    EXPECT_TRUE(MagSamenstellen(c)); // zero is even
    SelecteerIedereen(c);
    EXPECT_EQ(c.Spelers.tel_rooster(), 3);
    EXPECT_TRUE(c.Gewijzigd);
    c.Opties.Rekensysteem = SysteemNormaal; // the round robin ignores the marks
    EXPECT_TRUE(MagSamenstellen(c));
}

TEST(Roosterkeuze, LaatsteRondeZetSorteervolgordeOnderSysteemVijf) {
    Competitie c;
    c.Opties.Rekensysteem = SysteemZwitsers;
    c.Opties.Sorteervolgorde = 47;
    VerlaatRoosterdialoog(c, true);
    EXPECT_EQ(c.Opties.Sorteervolgorde, 47);
    c.Opties.Rekensysteem = SysteemZwitsersRating;
    VerlaatRoosterdialoog(c, false);
    EXPECT_EQ(c.Opties.Sorteervolgorde, 47);
    VerlaatRoosterdialoog(c, true);
    EXPECT_EQ(c.Opties.Sorteervolgorde, 21);
}

TEST(Roosterkeuze, LijstregelsVanDeDialoog) {
    Competitie c;
    VoegSpelersToe(c, 2);
    auto& s = c.Spelers.At(1);
    s.W().Kort = "PJA";
    s.W().Lotingnummer = 12;
    EXPECT_EQ(RoosterlijstRegel(s), "»\tPJA\t 12\tSpeler 2");
    EXPECT_EQ(VinklijstRegel(s), " 12 Speler 2 [PJA]");
    s.WisRooster();
    EXPECT_EQ(RoosterlijstRegel(s), " \tPJA\t 12\tSpeler 2");
    // The tick list runs by drawing number, whatever the register order.
    for (int32_t nr : {10, 100, 2}) {
        Spelergegevens g;
        g.Lotingnummer = nr;
        g.InternNummer = c.Spelers.VrijIntern();
        c.Spelers.Voegtoe(g);
    }
    std::vector<int32_t> volgorde;
    for (const TSpelerObj* x : VinklijstSpelers(c)) volgorde.push_back(x->Lotingnummer());
    EXPECT_EQ(volgorde, (std::vector<int32_t>{1, 2, 10, 12, 100}));
}

// Pairing a round that has a result again: the question names the players who would get a
// second game, and the pairing keeps the played match with its number while the new matches
// take numbers that no match of the round carries (a result names exactly one match).
TEST(Roosterkeuze, OpnieuwParenVanEenGespeeldeRonde) {
    for (uint16_t systeem :
         {SysteemZwitsers, SysteemKeizer, SysteemMoyenne, SysteemRating, SysteemZwitsersRating,
          SysteemFMJDZwitsers, SysteemLaren, SysteemNormaal}) {
        SCOPED_TRACE(systeem);
        Competitie c;
        c.Opties.Rekensysteem = systeem;
        VoegSpelersToe(c, 8);
        // A number the routine's own numbering would hand out again.
        const int32_t nummer = IsRondtoernooi(systeem) ? 5 : 3;
        VoegWedstrijdToe(c, 1, nummer, 1, 2, true);
        Scriptgesprek g;
        g.antwoorden = {Antwoord::Nee};
        EXPECT_FALSE(BevestigOpnieuwParen(c, 1, g));
        ASSERT_EQ(g.vragen.size(), 1u);
        EXPECT_NE(g.vragen[0].tekst.find("Speler 1, Speler 2\n"), std::string::npos);
        EXPECT_EQ(g.vragen[0].knoppen, Knoppen::JaNeeStandaardNee);
        EXPECT_TRUE(BevestigOpnieuwParen(c, 2, g)); // another round: nothing to ask
        EXPECT_EQ(g.vragen.size(), 1u);
        if (!IsRondtoernooi(systeem)) {
            // Late arrivals: the two who played are not marked, so the round is completed
            // without a question; while one of them is still marked, he alone is named.
            WisselRooster(c, c.Spelers.At(0));
            g.antwoorden = {Antwoord::Nee};
            EXPECT_FALSE(BevestigOpnieuwParen(c, 1, g));
            ASSERT_EQ(g.vragen.size(), 2u);
            EXPECT_NE(g.vragen[1].tekst.find(":\nSpeler 2\n"), std::string::npos);
            WisselRooster(c, c.Spelers.At(1));
            EXPECT_TRUE(BevestigOpnieuwParen(c, 1, g));
            EXPECT_EQ(g.vragen.size(), 2u);
        }
        Omgeving o;
        ASSERT_TRUE(SamenstellenRooster(c, 1, true, false, o.omg).Gelukt());
        const auto gespeeld =
            std::find_if(c.Wedstrijden.begin(), c.Wedstrijden.end(),
                         [](const auto& w) { return w->IsGespeeldOfAfgebroken(); });
        ASSERT_NE(gespeeld, c.Wedstrijden.end());
        EXPECT_EQ((*gespeeld)->G().Wedstrijdnummer, nummer);
        EXPECT_EQ((*gespeeld)->G().Ronde, 1);
        auto nummers = RondeNummers(c, 1);
        EXPECT_EQ(nummers.size(), IsRondtoernooi(systeem) ? 5u : 4u);
        std::sort(nummers.begin(), nummers.end());
        EXPECT_EQ(std::adjacent_find(nummers.begin(), nummers.end()), nummers.end());
    }
}
