// The settings dialog: the sort order check, the points and their notations, the system groups,
// what OK writes back and what an invalid field or Cancel leaves, the rating switch, FMJD-64
// and the test options.
#include "entry/instellingen.h"
#include "scriptgesprek.h"

#include <gtest/gtest.h>

#include <functional>

using namespace velkaro;
using velkaro::test::ScriptGesprek;

namespace {

// The settings dialog opened on a new group, and the conversation of its OK.
class Instellingen : public ::testing::Test {
protected:
    Competitie c;
    Instellingenscherm s{c, false, false};
    ScriptGesprek g;
    void SetUp() override { s.Open(); }
    // Win, draw, loss, plus-draw and minus-draw points as stored.
    std::string Punten() const {
        const auto& o = c.Opties;
        return std::to_string(o.PuntenWinst) + std::to_string(o.PuntenRemise) +
               std::to_string(o.PuntenVerlies) + std::to_string(o.PuntenPlusRemise) +
               std::to_string(o.PuntenMinRemise);
    }
};

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

TEST_F(Instellingen, SorteervolgordeOnderZwitsers) {
    for (const char* fout : {"7", "21", "123", ""}) {
        ScriptGesprek f;
        EXPECT_EQ(OkMetSorteervolgorde(SysteemZwitsers, fout, f), 47) << fout;
        ASSERT_EQ(f.Meldingen.size(), 1u) << fout;
        EXPECT_EQ(f.Meldingen[0].first, "Sorteervolgorde onjuist - aangepast aan standaard");
    }
    for (const char* goed : {"389", "47", "29", "31"})
        EXPECT_EQ(OkMetSorteervolgorde(SysteemZwitsers, goed, g), std::stoi(goed)) << goed;
    EXPECT_EQ(OkMetSorteervolgorde(SysteemZwitsersRating, "21", g), 21);
    EXPECT_EQ(OkMetSorteervolgorde(SysteemNormaal, "7", g), 7);
    EXPECT_EQ(OkMetSorteervolgorde(SysteemNormaal, "", g), 0);
    EXPECT_TRUE(g.Meldingen.empty());
    EXPECT_EQ(ControleerSorteervolgorde(SysteemZwitsers, 28999), 47);
    EXPECT_EQ(ControleerSorteervolgorde(SysteemZwitsers, 29999), 29999);
    EXPECT_EQ(SorteerLegenda("1234567890"),
              "E-Rating Ts-Rating Winst Weerstand WP-laag WP-laag/hoog   SB   OR  HAR  ");
    EXPECT_EQ(SorteervolgordeTekst(389), "Winst   ");
    EXPECT_EQ(SorteervolgordeTekst(47), "Weerstand   SB ");
    EXPECT_EQ(SorteervolgordeTekst(0), " ");
}

TEST_F(Instellingen, OpenenToontDePuntenZoalsZeZijn) {
    c.Opties.PuntenWinst = 3, c.Opties.PuntenRemise = 1, c.Opties.PuntenVerlies = 0;
    c.Opties.Correctiefactor = -25;
    c.Opties.Sorteervolgorde = 389;
    s.Open();
    EXPECT_EQ(s.Velden().Winst + s.Velden().Remise + s.Velden().Verlies, "310");
    EXPECT_FALSE(s.Velden().PlusMin);
    EXPECT_TRUE(s.Zicht().Puntvelden);
    EXPECT_FALSE(s.Zicht().PlusMinVelden);
    EXPECT_EQ(s.Velden().Correctiefactor, "25");
    EXPECT_EQ(s.Velden().SorteerLegenda, "Winst   OR  HAR ");
    EXPECT_FALSE(s.Zicht().FMJD64);
    EXPECT_FALSE(s.Zicht().Testopties);
}

TEST_F(Instellingen, KNDBDelftsDanSchaaknotatieLaat210) {
    s.ZetKNDBDelfts(true);
    EXPECT_TRUE(c.Opties.KNDBDelfts());
    EXPECT_EQ(c.Opties.PuntenWinst, 4);
    EXPECT_EQ(c.Opties.PuntenPlusRemise, 3);
    EXPECT_FALSE(s.Zicht().Puntvelden);
    s.ZetSchaaknotatie(true);
    EXPECT_TRUE(c.Opties.Schaaknotatie());
    EXPECT_FALSE(c.Opties.KNDBDelfts());
    EXPECT_FALSE(s.Velden().KNDBDelfts);
    ASSERT_TRUE(s.Ok(g));
    EXPECT_EQ(Punten(), "21000");
    EXPECT_TRUE(c.Opties.Schaaknotatie());
}

TEST_F(Instellingen, KNDBDelftsHoudtPlusEnMinremisesNaOk) {
    s.ZetKNDBDelfts(true);
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

TEST_F(Instellingen, NotatieBlijftBijAnnuleren) {
    s.ZetSchaaknotatie(true);
    s.KiesSysteem(SysteemKeizer);
    s.ZetHuizum(Huizumveld::Geleden, 7);
    s.Sluit(); // Annuleren
    EXPECT_TRUE(c.Opties.Schaaknotatie());
    EXPECT_EQ(c.Geleden, 7);
    EXPECT_EQ(c.Opties.Rekensysteem, SysteemNormaal);
    EXPECT_FALSE(c.Gewijzigd);
}

TEST_F(Instellingen, PlusEnMinremisesVullenDeVelden) {
    s.ZetPlusMin(true);
    EXPECT_TRUE(s.Zicht().PlusMinVelden);
    EXPECT_EQ(s.Velden().Winst + s.Velden().Remise + s.Velden().Verlies + s.Velden().PlusRemise +
                  s.Velden().MinRemise,
              "42031");
    s.ZetPlusMin(false);
    EXPECT_FALSE(s.Zicht().PlusMinVelden);
    EXPECT_EQ(s.Velden().Winst + s.Velden().Remise + s.Velden().Verlies, "210");
    ASSERT_TRUE(s.Ok(g));
    EXPECT_EQ(c.Opties.PuntenPlusRemise, 0); // box clear: no plus-draw points
}

TEST_F(Instellingen, SysteemkeuzeToontZijnGroep) {
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

TEST_F(Instellingen, OkSchrijftAllesTerug) {
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
    ASSERT_TRUE(s.Ok(g));
    const auto& o = c.Opties;
    EXPECT_EQ(std::forward_as_tuple(o.Rekensysteem, o.Sorteervolgorde, o.KleurDominant,
                                    o.MaxKleurverschil, bool(o.Viertallentoernooi), o.KeizerWinst),
              std::make_tuple(SysteemZwitsers, 47, 1, 3, true, 120));
    EXPECT_EQ(std::forward_as_tuple(o.NietOptimaliseren, o.Ratingmethode, o.Correctiefactor,
                                    o.NietWegen, o.Herberekenen, bool(c.Gewijzigd)),
              std::make_tuple(0, 0, 40, 0, 1, true));
    // The team-tournament box counts only while the Swiss group is shown.
    s.Open();
    s.KiesSysteem(SysteemNormaal);
    ASSERT_TRUE(s.Ok(g));
    EXPECT_FALSE(c.Opties.Viertallentoernooi);
}

TEST_F(Instellingen, OngeldigVeldVeranderdNiets) {
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
        Competitie d;
        Instellingenscherm t(d, false, false);
        t.Open();
        t.KiesSysteem(geval.systeem);
        geval.typ(t.Invoer());
        ScriptGesprek f;
        EXPECT_EQ(t.Ok(f), !geval.geweigerd);
        if (!geval.geweigerd) continue;
        ASSERT_EQ(f.Meldingen.size(), 1u);
        EXPECT_EQ(f.Meldingen[0].first, "Geen geldig getal");
        EXPECT_EQ(d.Opties.Rekensysteem, SysteemNormaal);
        EXPECT_FALSE(d.Gewijzigd);
    }
}

TEST_F(Instellingen, FMJDRatingWisseltBijSluiten) {
    Spelergegevens sp;
    sp.LokaleRating = 1500;
    sp.FMJDRating = 2100;
    sp.Rating = 1500;
    c.Spelers.Voegtoe(sp);
    s.ZetFMJDRating(true);
    ASSERT_TRUE(s.Ok(g));
    EXPECT_EQ(c.Spelers.At(0).G().Rating, 1500); // not before the dialog closes
    EXPECT_FALSE(s.Sluit().has_value());
    EXPECT_EQ(c.Spelers.At(0).G().Rating, 2100);
}

TEST_F(Instellingen, FMJD64AlleenMetBeideLijsten) {
    EXPECT_FALSE(s.Zicht().FMJD64);
    Instellingenscherm met(c, true, false);
    met.Open();
    EXPECT_TRUE(met.Zicht().FMJD64);
    met.ZetFMJD64(true);
    EXPECT_TRUE(c.Opties.FMJD64()); // written at once
    EXPECT_EQ(met.Sluit(), std::optional<bool>(true));
}

TEST_F(Instellingen, Testopties) {
    c.Opties.ZetVlag(VlagTestopties, true);
    c.Opties.ZetVlag(VlagAlternatieveWeerstandparing, true);
    Instellingenscherm verborgen(c, false, false, false);
    verborgen.Open();
    EXPECT_FALSE(verborgen.Velden().Testopties);
    ASSERT_TRUE(verborgen.Ok(g));
    EXPECT_FALSE(c.Opties.Testopties()); // cleared while the box is not shown
    c.Opties.ZetVlag(VlagAlternatieveWeerstandparing, true);
    Instellingenscherm zichtbaar(c, false, false, true);
    zichtbaar.Open();
    EXPECT_TRUE(zichtbaar.Velden().AlternatieveWeerstand);
    ASSERT_TRUE(zichtbaar.Ok(g));
    EXPECT_TRUE(c.Opties.AlternatieveWeerstandparing());
}
