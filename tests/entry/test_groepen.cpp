#include "../storage/hulp.h"
#include "entry/groepen.h"
#include "lang/teksten.h"
#include "maak.h"
#include "scriptgesprek.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkaro;
using velkaro::test::MaakCompetitie;
using velkaro::test::ScriptGesprek;
using velkaro::test::TijdelijkeMap;

namespace fs = std::filesystem;

namespace {

std::string SpelerVan(const Competitie& c) {
    return c.Spelers.Aantal() ? c.Spelers.At(0).G().Naam : std::string("(geen)");
}

// A competition c.xv7 in a temporary folder, and the conversation of its dialogs.
class Groepen : public ::testing::Test {
protected:
    void Maak(const std::vector<std::string>& titels, const std::vector<int32_t>& nummers,
              int32_t open) {
        MaakCompetitie(c, map / "c.xv7", titels, nummers, open);
    }
    TijdelijkeMap map;
    Competitie c;
    ScriptGesprek g;
};

} // namespace

TEST_F(Groepen, LijstIsGesorteerdOpRegeltekst) {
    c.VolledigeReset();
    for (auto [nr, bn] : {std::pair{12, 1}, {3, 2}, {100, 3}}) {
        Deelcompgegevens g;
        g.Competitienummer = nr;
        g.Bestandsnummer = bn;
        c.Groepen.Voegtoe(g);
    }
    const auto lijst = GroepenLijst(c);
    ASSERT_EQ(lijst.size(), 3u);
    EXPECT_EQ(lijst[0].Bestandsnummer, 2); // "    3 - " sorts before "   12 - "
    EXPECT_EQ(lijst[1].Bestandsnummer, 1);
    EXPECT_EQ(lijst[2].Bestandsnummer, 3);
    EXPECT_EQ(lijst[0].Tekst, "    3 - " + std::string(20, ' '));
}

TEST_F(Groepen, KiesSchrijftDeOpenGroepEnLaadtDeAndere) {
    Maak({"Een", "Twee"}, {1, 2}, 1);
    c.Spelers.At(0).W().Naam = "Gewijzigd";
    ASSERT_TRUE(KiesGroep(c, g, 2));
    EXPECT_EQ(c.HuidigeDeelcomp, 2);
    EXPECT_EQ(c.HuidigCompetitienummer, 2);
    EXPECT_EQ(SpelerVan(c), "Speler Twee");
    ASSERT_TRUE(KiesGroep(c, g, 1));
    EXPECT_EQ(SpelerVan(c), "Gewijzigd"); // the change was written when group 1 was left
}

TEST_F(Groepen, NieuweGroepNaGroepen1En3KrijgtBestand102) {
    Maak({"Een", "Drie"}, {1, 3}, 3);
    g.Invoeren = {std::string("abc"), std::string("-4"), std::string(" 7 ")};
    EXPECT_EQ(NieuweGroep(c, g), 2);
    // Refused answers bring the box back, always with the first free number as default.
    ASSERT_EQ(g.Invoerkaders.size(), 3u);
    EXPECT_EQ(g.Invoerkaders[0].first, "Nieuwe competitiegroep");
    EXPECT_EQ(g.Invoerkaders[2].second, "3");
    EXPECT_EQ(c.HuidigeDeelcomp, 2);
    EXPECT_EQ(c.HuidigCompetitienummer, 7);
    EXPECT_EQ(c.Spelers.Aantal(), 0u);
    EXPECT_TRUE(fs::exists(map / "c.102"));
    // The competition was saved: reading it back shows three groups with group 2 open.
    Competitie terug;
    ASSERT_TRUE(LeesBestand(terug, map / "c.xv7").Ok());
    EXPECT_EQ(terug.Groepen.Aantal(), 3u);
    EXPECT_EQ(terug.HuidigeDeelcomp, 2);
    // Cancelled, the box's default number is taken: the first free one, 3.
    g.Invoeren = {std::nullopt};
    EXPECT_EQ(NieuweGroep(c, g), 4);
    EXPECT_EQ(c.Groepen.Zoek(4)->G().Competitienummer, 3);
}

TEST_F(Groepen, KopieNeemtDeGegevensVanDeGekozenGroep) {
    Maak({"Een", "Twee"}, {1, 2}, 1);
    g.Invoeren = {std::string("0"), std::string("5")};
    const int32_t nieuw = KopieerGroep(c, g, 2);
    ASSERT_EQ(nieuw, 3);
    EXPECT_EQ(g.Invoerkaders[0].second, "0");
    EXPECT_EQ(c.HuidigeDeelcomp, 3);
    EXPECT_EQ(c.HuidigCompetitienummer, 5);
    EXPECT_EQ(SpelerVan(c), "Speler Twee");
    EXPECT_EQ(c.Opties.Toernooinaam, "Twee");
    EXPECT_EQ(c.Groepen.Zoek(3)->G().Titel, "Twee");
    // The copy has its own file; the original is untouched.
    Competitie terug;
    ASSERT_TRUE(LeesBestand(terug, map / "c.xv7").Ok());
    LeesDeelcomp(terug, 3);
    EXPECT_EQ(SpelerVan(terug), "Speler Twee");
    LeesDeelcomp(terug, 2);
    EXPECT_EQ(SpelerVan(terug), "Speler Twee");
    // Cancelled: no copy, the open group stays.
    g.Invoeren = {std::nullopt};
    EXPECT_EQ(KopieerGroep(c, g, 1), 0);
    EXPECT_EQ(c.Groepen.Aantal(), 3u);
    EXPECT_EQ(c.HuidigeDeelcomp, 3);
}

TEST_F(Groepen, HernummerenMagDubbelEnGaatOpBestandsnummer) {
    Maak({"Een", "Twee"}, {1, 2}, 1);
    g.Invoeren = {std::string("0"), std::string("2")};
    ASSERT_TRUE(HernummerGroep(c, g, 1));
    EXPECT_EQ(g.Invoerkaders[0].second, "1");
    EXPECT_EQ(c.Groepen.Zoek(1)->G().Competitienummer, 2);
    EXPECT_EQ(c.HuidigCompetitienummer, 2);
    // Both groups now carry number 2 and both can still be opened.
    ASSERT_TRUE(KiesGroep(c, g, 2));
    EXPECT_EQ(SpelerVan(c), "Speler Twee");
    ASSERT_TRUE(KiesGroep(c, g, 1));
    EXPECT_EQ(SpelerVan(c), "Speler Een");
}

TEST_F(Groepen, WijzigNaamOpentDeGroepEnZetDeTitel) {
    Maak({"Een", "Twee"}, {1, 2}, 1);
    g.Invoeren = {std::string(90, 'x')};
    ASSERT_TRUE(WijzigGroepsnaam(c, g, 2));
    EXPECT_EQ(g.Invoerkaders[0].second, "Twee");
    EXPECT_EQ(c.HuidigeDeelcomp, 2);
    EXPECT_EQ(c.Opties.Toernooinaam, std::string(90, 'x'));
    EXPECT_EQ(c.Groepen.Zoek(2)->G().Titel, std::string(80, 'x'));
}

TEST_F(Groepen, DeLaatsteGroepWordtNooitVerwijderd) {
    Maak({"Een"}, {1}, 1);
    EXPECT_FALSE(VerwijderGroep(c, g, 1));
    ASSERT_EQ(g.Meldingen.size(), 1u);
    EXPECT_EQ(g.Meldingen[0].first, "Competitiegroep kan niet verwijderd worden");
    EXPECT_EQ(g.Meldingen[0].second, "Fout");
    EXPECT_TRUE(fs::exists(map / "c.101"));
}

TEST_F(Groepen, VerwijderenVanDeOpenGroepVanDrieLaadtDeEerste) {
    Maak({"Een", "Twee", "Drie"}, {1, 2, 3}, 2);
    g.Antwoorden = {Antwoord::Ja};
    ASSERT_TRUE(VerwijderGroep(c, g, 2));
    ASSERT_EQ(g.Vragen.size(), 1u);
    EXPECT_EQ(g.Vragen[0].Tekst, "Verwijder competitiegroep 2 Twee?");
    EXPECT_EQ(g.Vragen[0].Titel, "Bevestiging");
    EXPECT_EQ(c.Groepen.Aantal(), 2u);
    EXPECT_FALSE(fs::exists(map / "c.102"));
    EXPECT_EQ(c.HuidigeDeelcomp, 1);
    EXPECT_EQ(SpelerVan(c), "Speler Een");
    // The main file went with the group file: it no longer names the removed file.
    Competitie d;
    const auto r = LeesBestand(d, map / "c.xv7");
    EXPECT_TRUE(r.Ok() && r.Schade.empty());
    EXPECT_EQ(d.Groepen.Aantal(), 2u);
}

// No keeps everything; the question in English is in lower case.
TEST_F(Groepen, NeeBijVerwijderenHoudtAllesOpen) {
    Maak({"Een", "Twee"}, {1, 2}, 2);
    g.Antwoorden = {Antwoord::Nee};
    lang::KiesTaal(lang::Taal::Engels);
    EXPECT_FALSE(VerwijderGroep(c, g, 2));
    lang::KiesTaal(lang::Taal::Nederlands);
    EXPECT_EQ(g.Vragen.at(0).Tekst, "Delete competition group 2 Twee?");
    EXPECT_EQ(c.Groepen.Aantal(), 2u);
    EXPECT_EQ(c.HuidigeDeelcomp, 2);
    EXPECT_TRUE(fs::exists(map / "c.102"));
}

TEST_F(Groepen, MisluktSchrijvenStoptDeWisselEnWordtGemeld) {
    Maak({"Een", "Twee"}, {1, 2}, 1);
    c.Spelers.At(0).W().Naam = "Niet kwijt";
    // The group file's place is taken by a folder, so it cannot be written.
    fs::remove(map / "c.101");
    fs::create_directories(map / "c.101/x");
    EXPECT_FALSE(KiesGroep(c, g, 2));
    ASSERT_EQ(g.Meldingen.size(), 1u);
    EXPECT_EQ(g.Meldingen[0].second, "Fout");
    EXPECT_EQ(c.HuidigeDeelcomp, 1);
    EXPECT_EQ(SpelerVan(c), "Niet kwijt");
}
