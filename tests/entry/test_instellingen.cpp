#include "entry/instellingen.h"
#include "scriptgesprek.h"

#include <gtest/gtest.h>

#include <functional>

using namespace velkaro;
using velkaro::test::ScriptGesprek;

namespace {

// OK under a system with the sort order typed; returns what was stored.
int32_t OkMetSorteervolgorde(uint16_t systeem, const std::string& volgorde, ScriptGesprek& g) {
    Competitie c;
    Instellingenscherm s(c, false, false);
    s.Open();
    s.KiesSysteem(systeem);
    s.ZetSorteervolgorde(volgorde);
    EXPECT_TRUE(s.Ok(g));
    return c.Opties.Sorteervolgorde;
}

} // namespace

TEST(Instellingen, SorteervolgordeOnderZwitsers) {
    for (const char* fout : {"7", "21", "123", ""}) {
        ScriptGesprek g;
        EXPECT_EQ(OkMetSorteervolgorde(SysteemZwitsers, fout, g), 47) << fout;
        ASSERT_EQ(g.Meldingen.size(), 1u) << fout;
        EXPECT_EQ(g.Meldingen[0].first, "Sorteervolgorde onjuist - aangepast aan standaard");
    }
    for (const char* goed : {"389", "47", "29", "31"}) {
        ScriptGesprek g;
        EXPECT_EQ(OkMetSorteervolgorde(SysteemZwitsers, goed, g), std::stoi(goed)) << goed;
        EXPECT_TRUE(g.Meldingen.empty()) << goed;
    }
    ScriptGesprek g;
    EXPECT_EQ(OkMetSorteervolgorde(SysteemZwitsersRating, "21", g), 21);
    EXPECT_EQ(OkMetSorteervolgorde(SysteemNormaal, "7", g), 7);
    EXPECT_EQ(OkMetSorteervolgorde(SysteemNormaal, "", g), 0);
    EXPECT_TRUE(g.Meldingen.empty());
    EXPECT_EQ(ControleerSorteervolgorde(SysteemZwitsers, 28999), 47);
    EXPECT_EQ(ControleerSorteervolgorde(SysteemZwitsers, 29999), 29999);
}

TEST(Instellingen, OpenenToontDePuntenZoalsZeZijn) {
    Competitie c;
    c.Opties.PuntenWinst = 3, c.Opties.PuntenRemise = 1, c.Opties.PuntenVerlies = 0;
    c.Opties.Correctiefactor = -25;
    c.Opties.Sorteervolgorde = 389;
    Instellingenscherm s(c, false, false);
    s.Open();
    EXPECT_EQ(s.Velden().Winst, "3");
    EXPECT_EQ(s.Velden().Remise, "1");
    EXPECT_EQ(s.Velden().Verlies, "0");
    EXPECT_FALSE(s.Velden().PlusMin);
    EXPECT_TRUE(s.Zicht().Puntvelden);
    EXPECT_FALSE(s.Zicht().PlusMinVelden);
    EXPECT_EQ(s.Velden().Correctiefactor, "25");
    EXPECT_EQ(s.Velden().SorteerLegenda, "Winst   OR  HAR ");
    EXPECT_FALSE(s.Zicht().FMJD64);
    EXPECT_FALSE(s.Zicht().Testopties);
}

TEST(Instellingen, KNDBDelftsDanSchaaknotatieLaat210) {
    Competitie c;
    Instellingenscherm s(c, false, false);
    s.Open();
    s.ZetKNDBDelfts(true);
    EXPECT_TRUE(c.Opties.KNDBDelfts());
    EXPECT_EQ(c.Opties.PuntenWinst, 4);
    EXPECT_EQ(c.Opties.PuntenPlusRemise, 3);
    EXPECT_FALSE(s.Zicht().Puntvelden);
    s.ZetSchaaknotatie(true);
    EXPECT_TRUE(c.Opties.Schaaknotatie());
    EXPECT_FALSE(c.Opties.KNDBDelfts());
    EXPECT_FALSE(s.Velden().KNDBDelfts);
    ScriptGesprek g;
    ASSERT_TRUE(s.Ok(g));
    EXPECT_EQ(c.Opties.PuntenWinst, 2);
    EXPECT_EQ(c.Opties.PuntenRemise, 1);
    EXPECT_EQ(c.Opties.PuntenVerlies, 0);
    EXPECT_EQ(c.Opties.PuntenPlusRemise, 0);
    EXPECT_EQ(c.Opties.PuntenMinRemise, 0);
    EXPECT_TRUE(c.Opties.Schaaknotatie());
}

TEST(Instellingen, KNDBDelftsHoudtPlusEnMinremisesNaOk) {
    Competitie c;
    Instellingenscherm s(c, false, false);
    s.Open();
    s.ZetKNDBDelfts(true);
    ScriptGesprek g;
    ASSERT_TRUE(s.Ok(g));
    EXPECT_EQ(c.Opties.PuntenVoorUitslag(4), 3);
    EXPECT_EQ(c.Opties.PuntenVoorUitslag(3), 1);
    // Reopened, the dialog shows the box ticked, its fields hidden with the others.
    s.Open();
    EXPECT_TRUE(s.Velden().PlusMin);
    EXPECT_FALSE(s.Zicht().Puntvelden);
    s.ZetKNDBDelfts(false);
    EXPECT_TRUE(s.Zicht().Puntvelden);
    EXPECT_TRUE(s.Zicht().PlusMinVelden);
    EXPECT_EQ(c.Opties.PuntenWinst, 4); // unticking leaves the points as they are
}

TEST(Instellingen, NotatieBlijftBijAnnuleren) {
    Competitie c;
    Instellingenscherm s(c, false, false);
    s.Open();
    s.ZetSchaaknotatie(true);
    s.KiesSysteem(SysteemKeizer);
    s.ZetHuizum(Huizumveld::Geleden, 7);
    s.Sluit(); // Annuleren
    EXPECT_TRUE(c.Opties.Schaaknotatie());
    EXPECT_EQ(c.Geleden, 7);
    EXPECT_EQ(c.Opties.Rekensysteem, SysteemNormaal);
    EXPECT_FALSE(c.Gewijzigd);
}

TEST(Instellingen, PlusEnMinremisesVullenDeVelden) {
    Competitie c;
    Instellingenscherm s(c, false, false);
    s.Open();
    s.ZetPlusMin(true);
    EXPECT_TRUE(s.Zicht().PlusMinVelden);
    EXPECT_EQ(s.Velden().Winst + s.Velden().Remise + s.Velden().Verlies + s.Velden().PlusRemise +
                  s.Velden().MinRemise,
              "42031");
    s.ZetPlusMin(false);
    EXPECT_FALSE(s.Zicht().PlusMinVelden);
    EXPECT_EQ(s.Velden().Winst + s.Velden().Remise + s.Velden().Verlies, "210");
    ScriptGesprek g;
    ASSERT_TRUE(s.Ok(g));
    EXPECT_EQ(c.Opties.PuntenPlusRemise, 0); // box clear: no plus-draw points
}

TEST(Instellingen, SysteemkeuzeToontZijnGroep) {
    Competitie c;
    Instellingenscherm s(c, false, false);
    s.Open();
    s.KiesSysteem(SysteemKeizer);
    EXPECT_TRUE(s.Zicht().Keizer);
    EXPECT_FALSE(s.Zicht().Sorteervolgorde);
    EXPECT_EQ(s.Velden().Sorteervolgorde, "");
    s.ZetKleurDominant(true);
    s.KiesSysteem(SysteemZwitsersRating);
    EXPECT_TRUE(s.Zicht().Zwitsers);
    EXPECT_FALSE(s.Zicht().Keizer);
    EXPECT_TRUE(s.Zicht().Sorteervolgorde);
    EXPECT_EQ(s.Velden().Sorteervolgorde, "21");
    EXPECT_EQ(s.Velden().SorteerLegenda, "Ts-Rating E-Rating ");
    EXPECT_FALSE(s.Velden().KleurDominant);
    EXPECT_FALSE(s.Zicht().MaxKleurverschil);
    s.KiesSysteem(SysteemLaren);
    EXPECT_TRUE(s.Zicht().LarenBasis);
    EXPECT_EQ(s.Velden().LarenBasis, 60);
    EXPECT_EQ(s.Velden().Sorteervolgorde, "21"); // left as it was
    s.KiesSysteem(SysteemRating);
    EXPECT_TRUE(s.Zicht().Rating);
    EXPECT_FALSE(s.Zicht().LarenBasis);
    s.KiesSysteem(SysteemNormaal);
    EXPECT_EQ(s.Velden().Sorteervolgorde, "389");
}

TEST(Instellingen, OkSchrijftAllesTerug) {
    Competitie c;
    Instellingenscherm s(c, false, false);
    s.Open();
    s.KiesSysteem(SysteemZwitsers);
    s.ZetKleurDominant(true);
    auto& v = s.Invoer();
    v.MaxKleurverschil = "3";
    v.Viertallen = true;
    v.KeizerWinst = "120";
    v.Optimaliseren = true;
    v.Ratingmethode = 0;
    v.Correctiefactor = "40";
    v.Wegen = true;
    ScriptGesprek g;
    ASSERT_TRUE(s.Ok(g));
    const auto& o = c.Opties;
    EXPECT_EQ(o.Rekensysteem, SysteemZwitsers);
    EXPECT_EQ(o.Sorteervolgorde, 47);
    EXPECT_EQ(o.KleurDominant, 1);
    EXPECT_EQ(o.MaxKleurverschil, 3);
    EXPECT_TRUE(o.Viertallentoernooi);
    EXPECT_EQ(o.KeizerWinst, 120);
    EXPECT_EQ(o.NietOptimaliseren, 0);
    EXPECT_EQ(o.Ratingmethode, 0);
    EXPECT_EQ(o.Correctiefactor, 40);
    EXPECT_EQ(o.NietWegen, 0);
    EXPECT_EQ(o.Herberekenen, 1);
    EXPECT_TRUE(c.Gewijzigd);
    // The team-tournament box counts only while the Swiss group is shown.
    s.Open();
    s.KiesSysteem(SysteemNormaal);
    ASSERT_TRUE(s.Ok(g));
    EXPECT_FALSE(c.Opties.Viertallentoernooi);
}

TEST(Instellingen, OngeldigVeldVeranderdNiets) {
    // An empty field, or a Laren base between the spin field's steps of 10: OK is refused
    // and nothing is written.
    struct Geval {
        uint16_t systeem;
        std::function<void(Instellingsvelden&)> typ;
        bool geweigerd;
    };
    const Geval gevallen[] = {
        {SysteemKeizer, [](auto& v) { v.KeizerRemise = ""; }, true},
        {SysteemLaren, [](auto& v) { v.LarenBasis = 65; }, true},
        {SysteemLaren, [](auto& v) { v.LarenBasis = 760; }, true},
        {SysteemLaren, [](auto& v) { v.LarenBasis = 0; }, true},
        {SysteemLaren, [](auto& v) { v.LarenBasis = 750; }, false},
        {SysteemLaren, [](auto& v) { v.LarenBasis = 10; }, false},
    };
    for (const auto& geval : gevallen) {
        Competitie c;
        Instellingenscherm s(c, false, false);
        s.Open();
        s.KiesSysteem(geval.systeem);
        geval.typ(s.Invoer());
        ScriptGesprek g;
        EXPECT_EQ(s.Ok(g), !geval.geweigerd);
        if (!geval.geweigerd) continue;
        ASSERT_EQ(g.Meldingen.size(), 1u);
        EXPECT_EQ(g.Meldingen[0].first, "Geen geldig getal");
        EXPECT_EQ(c.Opties.Rekensysteem, SysteemNormaal);
        EXPECT_FALSE(c.Gewijzigd);
    }
}

TEST(Instellingen, FMJDRatingWisseltBijSluiten) {
    Competitie c;
    Spelergegevens sp;
    sp.LokaleRating = 1500;
    sp.FMJDRating = 2100;
    sp.Rating = 1500;
    c.Spelers.Voegtoe(sp);
    Instellingenscherm s(c, false, false);
    s.Open();
    s.ZetFMJDRating(true);
    ScriptGesprek g;
    ASSERT_TRUE(s.Ok(g));
    EXPECT_EQ(c.Spelers.At(0).G().Rating, 1500); // not before the dialog closes
    EXPECT_FALSE(s.Sluit().has_value());
    EXPECT_EQ(c.Spelers.At(0).G().Rating, 2100);
}

TEST(Instellingen, FMJD64AlleenMetBeideLijsten) {
    Competitie c;
    Instellingenscherm zonder(c, false, false);
    zonder.Open();
    EXPECT_FALSE(zonder.Zicht().FMJD64);
    Instellingenscherm met(c, true, false);
    met.Open();
    EXPECT_TRUE(met.Zicht().FMJD64);
    met.ZetFMJD64(true);
    EXPECT_TRUE(c.Opties.FMJD64()); // written at once
    EXPECT_EQ(met.Sluit(), std::optional<bool>(true));
}

TEST(Instellingen, Testopties) {
    Competitie c;
    c.Opties.ZetVlag(VlagTestopties, true);
    c.Opties.ZetVlag(VlagAlternatieveWeerstandparing, true);
    Instellingenscherm verborgen(c, false, false, false);
    verborgen.Open();
    EXPECT_FALSE(verborgen.Velden().Testopties);
    ScriptGesprek g;
    ASSERT_TRUE(verborgen.Ok(g));
    EXPECT_FALSE(c.Opties.Testopties()); // cleared while the box is not shown
    c.Opties.ZetVlag(VlagAlternatieveWeerstandparing, true);
    Instellingenscherm zichtbaar(c, false, false, true);
    zichtbaar.Open();
    EXPECT_TRUE(zichtbaar.Velden().AlternatieveWeerstand);
    ASSERT_TRUE(zichtbaar.Ok(g));
    EXPECT_TRUE(c.Opties.AlternatieveWeerstandparing());
}

TEST(Instellingen, Legendas) {
    EXPECT_EQ(SorteerLegenda("1234567890"),
              "E-Rating Ts-Rating Winst Weerstand WP-laag WP-laag/hoog   SB   OR  HAR  ");
    EXPECT_EQ(SorteervolgordeTekst(389), "Winst   ");
    EXPECT_EQ(SorteervolgordeTekst(47), "Weerstand   SB ");
    EXPECT_EQ(SorteervolgordeTekst(0), " ");
}
