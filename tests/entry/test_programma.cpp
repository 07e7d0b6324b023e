#include "../storage/hulp.h"
#include "entry/groepen.h"
#include "entry/herstel.h"
#include "entry/ini.h"
#include "entry/programma.h"
#include "entry/vensterplaatsing.h"
#include "lang/teksten.h"
#include "maak.h"
#include "scriptgesprek.h"
#include "storage/bestandsnamen.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkaro;
using velkaro::test::MaakCompetitie;
using velkaro::test::ScriptGesprek;
using velkaro::test::TijdelijkeMap;

namespace fs = std::filesystem;

namespace {

// The main window's logic on a temporary folder: its competition, conversation and program.
class Hoofdprogramma : public ::testing::Test {
protected:
    // Saves a competition `naam` with one group per title, the first group open.
    void Maak(const std::string& naam, const std::vector<std::string>& titels = {"Een"}) {
        Competitie a;
        std::vector<int32_t> nummers;
        for (std::size_t i = 1; i <= titels.size(); ++i) nummers.push_back(static_cast<int32_t>(i));
        MaakCompetitie(a, map / naam, titels, nummers, 1);
    }
    TijdelijkeMap map;
    Competitie c;
    ScriptGesprek g;
    Programma p{c, g};
};

} // namespace

TEST_F(Hoofdprogramma, OpenenSlaatDeGeladenCompetitieEerstOpZonderVraag) {
    Maak("a.xv7", {"A"});
    Maak("b.xv7", {"B"});
    EXPECT_FALSE(p.Geladen());
    g.Bestanden = {map / "a.xv7"};
    ASSERT_TRUE(p.Openen());
    EXPECT_EQ(g.Keuzes[0].Filters.size(), 6u);
    EXPECT_EQ(g.Keuzes[0].Filters[0], "Velkaro|*.xv7");
    c.Spelers.At(0).W().Naam = "Bewaard";
    ASSERT_TRUE(p.OpenNaam(map / "b.xv7"));
    EXPECT_TRUE(g.Vragen.empty());
    EXPECT_EQ(c.Spelers.At(0).G().Naam, "Speler B");
    Competitie terug;
    ASSERT_TRUE(LeesBestand(terug, map / "a.xv7").Ok());
    EXPECT_EQ(terug.Spelers.At(0).G().Naam, "Bewaard");
    // Saving put a.xv7 at the top of the recent files.
    EXPECT_EQ(c.RecenteBestanden[0], map / "a.xv7");
}

TEST_F(Hoofdprogramma, GeweigerdBestandLaatDeCompetitieStaan) {
    velkaro::test::Schrijf(map / "rommel.xv7", "geen competitie\r\n");
    velkaro::test::Schrijf(map / "oud.pdf", "x");
    EXPECT_FALSE(p.OpenNaam(map / "rommel.xv7"));
    EXPECT_FALSE(p.OpenNaam(map / "oud.pdf"));
    ASSERT_EQ(g.Meldingen.size(), 2u);
    EXPECT_EQ(g.Meldingen[1].first.rfind("Dit bestandsformaat kan (nog) niet worden ingelezen", 0),
              0u);
    EXPECT_FALSE(p.Geladen());
    EXPECT_EQ(velkaro::test::Lees(map / "rommel.xv7"), "geen competitie\r\n");
}

TEST_F(Hoofdprogramma, NieuwVraagtBijBestaandBestand) {
    velkaro::test::Schrijf(map / "club.xv7", "702\r\n");
    g.Bestanden = {map / "club"};
    g.Antwoorden = {Antwoord::Nee};
    EXPECT_FALSE(p.Nieuw());
    EXPECT_EQ(g.Vragen.at(0).Tekst, "Overschrijven?");
    EXPECT_EQ(g.Vragen.at(0).Titel, "Bestand bestaat al");
    EXPECT_FALSE(p.Geladen());
    g.Bestanden = {map / "club.xv7"};
    g.Antwoorden = {Antwoord::Ja};
    ASSERT_TRUE(p.Nieuw());
    EXPECT_TRUE(p.Geladen());
    EXPECT_TRUE(g.Keuzes.back().Opslaan);
    EXPECT_EQ(c.Groepen.Aantal(), 1u);
    EXPECT_TRUE(fs::exists(map / "club.101"));
    Competitie terug;
    ASSERT_TRUE(LeesBestand(terug, map / "club.xv7").Ok());
    EXPECT_EQ(terug.Groepen.At(0).G().Competitienummer, 1);
}

TEST_F(Hoofdprogramma, OpslaanMeldtHetBestandOfVraagtNaEenMislukking) {
    MaakCompetitie(c, map / "c.xv7", {"Een"}, {1}, 1);
    ASSERT_TRUE(p.Opslaan());
    ASSERT_EQ(g.Meldingen.size(), 1u);
    EXPECT_EQ(g.Meldingen[0].first, "Bestand " + (map / "c.xv7") + " weggeschreven");
    // The file cannot be written on closing: said, and asked whether to close anyway.
    fs::remove(map / "c.xv7");
    fs::create_directories(map / "c.xv7/bezet");
    c.Gewijzigd = true;
    g.Antwoorden = {Antwoord::Nee};
    EXPECT_FALSE(p.Afsluiten());
    ASSERT_EQ(g.Meldingen.size(), 2u);
    EXPECT_EQ(g.Meldingen[1].second, "Fout");
    EXPECT_EQ(g.Vragen.at(0).Titel, "Waarschuwing");
    EXPECT_TRUE(c.Gewijzigd);
    g.Antwoorden = {Antwoord::Ja};
    EXPECT_TRUE(p.Afsluiten());
    // Another file is not opened over a failed save unless the user says so.
    g.Antwoorden = {Antwoord::Nee};
    EXPECT_FALSE(p.OpenNaam(map / "ander.xv7"));
    EXPECT_EQ(c.Bestandsnaam, map / "c.xv7");
}

TEST_F(Hoofdprogramma, WissenAlleUitslagenEnHeropenen) {
    MaakCompetitie(c, map / "c.xv7", {"Een"}, {1}, 1);
    c.Wedstrijden.Voegtoe(
        Wedstrijdgegevens{.Ronde = 1, .Wedstrijdnummer = 1, .Wit = 1, .Zwart = 2});
    g.Antwoorden = {Antwoord::Nee, Antwoord::Ja};
    EXPECT_FALSE(p.WisAlleUitslagen());
    EXPECT_EQ(c.Wedstrijden.Aantal(), 1u);
    EXPECT_TRUE(p.WisAlleUitslagen());
    EXPECT_EQ(g.Vragen[1].Tekst, "Alle uitslagen wissen?");
    EXPECT_EQ(c.Wedstrijden.Aantal(), 0u);
    EXPECT_EQ(c.Rondes.Aantal(), 0u);
    EXPECT_EQ(c.Spelers.Aantal(), 1u);
    EXPECT_EQ(c.Opties.Herberekenen, 1);
    // Reopening discards everything since the group file was written.
    c.Spelers.At(0).W().Naam = "Weg";
    g.Antwoorden = {Antwoord::Annuleren, Antwoord::Ok};
    EXPECT_FALSE(p.Heropenen());
    EXPECT_TRUE(p.Heropenen());
    EXPECT_EQ(g.Vragen[3].Knoppen, Knoppen::OkAnnuleren);
    EXPECT_EQ(c.Spelers.At(0).G().Naam, "Speler Een");
}

// While one program has a competition open, a second one can only read it: it says so,
// opens it read-only on request, and never writes a file of it.
TEST_F(Hoofdprogramma, TweedeProgrammaOpentAlleenLezen) {
    Maak("c.xv7");
    Competitie c1, c2;
    ScriptGesprek g1, g2;
    Programma p1(c1, g1), p2(c2, g2);
    ASSERT_TRUE(p1.OpenNaam(map / "c.xv7"));
    g2.Antwoorden = {Antwoord::Nee, Antwoord::Ja, Antwoord::Ja};
    EXPECT_FALSE(p2.OpenNaam(map / "c.xv7"));
    EXPECT_FALSE(p2.Geladen());
    EXPECT_EQ(g2.Vragen[0].Tekst.rfind(lang::Tekst(lang::T::CompetitieInGebruik), 0), 0u);
    ASSERT_TRUE(p2.OpenNaam(map / "c.xv7"));
    EXPECT_EQ(c2.AlleenLezen, Competitie::Alleenlezen::Competitie);
    EXPECT_EQ(BerekenPanelen(c2).Venstertitel, "Velkaro - c.xv7 [alleen-lezen]");
    const std::string voor = velkaro::test::Lees(map / "c.101");
    c2.Spelers.At(0).W().Naam = "Weg";
    c2.Gewijzigd = true;
    EXPECT_FALSE(p2.Opslaan());
    EXPECT_EQ(g2.Meldingen.back().first.rfind(lang::Tekst(lang::T::AlleenLezenGeopend), 0), 0u);
    EXPECT_TRUE(p2.Afsluiten()); // the user gives the change up
    EXPECT_EQ(velkaro::test::Lees(map / "c.101"), voor);
    // The first program keeps saving, and opens its own competition again without a word.
    c1.Spelers.At(0).W().Naam = "Bewaard";
    EXPECT_TRUE(p1.OpenNaam(map / "c.xv7"));
    EXPECT_TRUE(g1.Vragen.empty());
    EXPECT_EQ(c1.Spelers.At(0).G().Naam, "Bewaard");
    EXPECT_EQ(c1.AlleenLezen, Competitie::Alleenlezen::Nee);
}

// A damaged group file is shown with its damage; unless the user agrees to save over it the
// group stays read-only, until a group loads whole again.
TEST_F(Hoofdprogramma, BeschadigdeGroepBlijftAlleenLezenTotBevestiging) {
    Maak("c.xv7", {"Een", "Twee"});
    const std::string heel = velkaro::test::Lees(map / "c.102");
    const std::string half = heel.substr(0, heel.size() / 2);
    velkaro::test::Schrijf(map / "c.102", half);
    ASSERT_TRUE(p.OpenNaam(map / "c.xv7"));
    EXPECT_TRUE(g.Vragen.empty());
    g.Antwoorden = {Antwoord::Nee};
    ASSERT_TRUE(KiesGroep(c, g, 2));
    EXPECT_EQ(g.Vragen[0].Tekst.rfind("Groepsbestand " + (map / "c.102") + " is beschadigd: ", 0),
              0u);
    EXPECT_EQ(c.AlleenLezen, Competitie::Alleenlezen::Groep);
    EXPECT_FALSE(p.Opslaan());
    EXPECT_EQ(velkaro::test::Lees(map / "c.102"), half);
    // Back to a whole group: read-only is lifted, and the unchanged damaged group was not
    // written on the way.
    ASSERT_TRUE(KiesGroep(c, g, 1));
    EXPECT_EQ(c.AlleenLezen, Competitie::Alleenlezen::Nee);
    EXPECT_EQ(velkaro::test::Lees(map / "c.102"), half);
    // Confirmed, the group is saved as far as it could be read.
    g.Antwoorden = {Antwoord::Ja};
    ASSERT_TRUE(KiesGroep(c, g, 2));
    EXPECT_EQ(c.AlleenLezen, Competitie::Alleenlezen::Nee);
    EXPECT_TRUE(p.Opslaan());
    Competitie terug;
    ASSERT_TRUE(LeesBestand(terug, map / "c.xv7").Ok());
    EXPECT_TRUE(LeesDeelcomp(terug, 2).Schade.empty());
}

TEST_F(Hoofdprogramma, RecenteBestandenEnSnelknop) {
    const Ini ini = Ini::VanTekst("[Bestanden]\r\nDataPath=" + map.Pad().string() +
                                  "/\r\nFile_1=" + (map / "weg.xv7") +
                                  "\r\nFile_2=" + (map / "er.xv7") + "\r\nTaal=Klingon\r\n");
    velkaro::test::Schrijf(map / "er.xv7", "702\r\n");
    p.LeesInstellingen(ini);
    EXPECT_EQ(lang::HuidigeTaal(), lang::Taal::Nederlands);
    EXPECT_EQ(c.Werkmap, map.Pad().string() + "/");
    EXPECT_EQ(p.RecenteMenu(), std::vector<std::string>{map / "er.xv7"});
    EXPECT_FALSE(p.Snelknop()); // the first one is gone
    velkaro::test::Schrijf(map / "weg.xv7", "702\r\n");
    EXPECT_EQ(p.Snelknop(), std::optional<std::string>("weg.xv7"));
    // Written back with the language in force; the missing files stay in the list.
    Ini uit;
    lang::KiesTaal(lang::Taal::Engels);
    p.SchrijfInstellingen(uit);
    lang::KiesTaal(lang::Taal::Nederlands);
    EXPECT_EQ(uit.Waarde("Bestanden", "Taal"), std::optional<std::string>("Engels"));
    EXPECT_EQ(uit.Waarde("Bestanden", "File_1"), std::optional<std::string>(map / "weg.xv7"));
    EXPECT_EQ(uit.Waarde("Bestanden", "File_4"), std::optional<std::string>(""));
}

TEST_F(Hoofdprogramma, Panelen) {
    Panelen leeg = BerekenPanelen(c);
    EXPECT_EQ(leeg.Spelers, "-");
    EXPECT_EQ(leeg.Systeem, "-");
    EXPECT_FALSE(leeg.SorteervolgordeZichtbaar);
    EXPECT_EQ(leeg.Venstertitel, "Velkaro " + Versietekst());
    MaakCompetitie(c, map / "c.xv7", {"Najaar", ""}, {1, 2}, 1);
    c.Opties.Rekensysteem = SysteemZwitsers;
    c.Opties.Sorteervolgorde = 47;
    Panelen p = BerekenPanelen(c);
    EXPECT_EQ(p.Venstertitel, "Velkaro - c.xv7");
    EXPECT_EQ(p.Competitie, "1 Najaar");
    EXPECT_EQ(p.Groepen, "Aantal competities: 2");
    EXPECT_EQ(p.Status[2], "Sp: 1");
    EXPECT_EQ(p.Status[5], "Zwitsers Weerstand   SB ");
    EXPECT_TRUE(p.SorteervolgordeZichtbaar);
    lang::KiesTaal(lang::Taal::Engels);
    p = BerekenPanelen(c);
    lang::KiesTaal(lang::Taal::Nederlands);
    EXPECT_EQ(p.Status[5], "Swiss Resistance   SB ");
    EXPECT_EQ(p.Status[2], "Pl: 1");
    c.Opties.Rekensysteem = SysteemKeizer;
    c.Opties.Sorteervolgorde = 0;
    c.Opties.Toernooinaam.clear();
    p = BerekenPanelen(c);
    EXPECT_FALSE(p.SorteervolgordeZichtbaar);
    EXPECT_EQ(p.Competitie, "1 Geen titel");
}

TEST(Ini, LezenSchrijvenEnHex) {
    const Ini ini = Ini::VanTekst("; opmerking\n[windowsrestorer]\nForm1_Width = 0x1F4\n"
                                  "Form1_Height=-12\nkapot=12a\n[Bestanden]\nTaal=Frans\n");
    EXPECT_EQ(ini.Getal("WindowsRestorer", "FORM1_WIDTH"), std::optional<long long>(500));
    EXPECT_EQ(ini.Getal("WindowsRestorer", "Form1_Height"), std::optional<long long>(-12));
    EXPECT_FALSE(ini.Getal("WindowsRestorer", "kapot"));
    EXPECT_FALSE(ini.Getal("WindowsRestorer", "ontbreekt"));
    Ini kopie = Ini::VanTekst(ini.Tekst());
    kopie.Zet("Bestanden", "taal", "Engels\r\nFile_1=x");
    EXPECT_EQ(kopie.Waarde("Bestanden", "Taal"), std::optional<std::string>("Engels  File_1=x"));
    EXPECT_FALSE(kopie.Waarde("Bestanden", "File_1"));
    // A file written in Windows-1252 reads as the same text.
    const Ini oud = Ini::VanTekst("[Bestanden]\r\nFile_1=C:\\Caf\xe9.xv7\r\n");
    EXPECT_EQ(oud.Waarde("Bestanden", "File_1"), std::optional<std::string>("C:\\Café.xv7"));
}

TEST(Ini, PadNaastHetProgrammaOfInDeConfiguratiemap) {
    TijdelijkeMap map;
    fs::create_directories(map / "bin");
    EXPECT_EQ(InstellingenPad(map / "bin/velkaro", map / "conf"), map / "bin/velkaro.INI");
    EXPECT_EQ(InstellingenPad(map / "bestaat-niet/velkaro", map / "conf"),
              map / "conf/velkaro.INI");
    Ini ini;
    ini.Zet("Bestanden", "Taal", "Frans");
    ASSERT_TRUE(ini.Schrijf(map / "conf/velkaro.INI").Ok());
    EXPECT_EQ(Ini::Lees(map / "conf/velkaro.INI").Waarde("Bestanden", "Taal"),
              std::optional<std::string>("Frans"));
    EXPECT_FALSE(Ini::Lees(map / "geen.INI").Waarde("Bestanden", "Taal"));
}

TEST(Vensterplaatsing, OpslaanEnTerugHalen) {
    Ini ini;
    const Plaatsing p{Venstertoestand::Gemaximaliseerd, {10, 20, 800, 600}};
    SchrijfPlaatsing(ini, "TForm1", p);
    EXPECT_EQ(LeesPlaatsing(ini, "TForm1"), std::optional<Plaatsing>(p));
    EXPECT_FALSE(LeesPlaatsing(ini, "TDeelComp"));
    ini.Zet("WindowsRestorer", "TForm1_Width", "0");
    EXPECT_FALSE(LeesPlaatsing(ini, "TForm1"));
}

TEST(Vensterplaatsing, TerugOpHetScherm) {
    const std::vector<Rechthoek> schermen{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    // Wholly on the second screen: unchanged.
    EXPECT_EQ(OpScherm({2000, 100, 800, 600}, schermen), (Rechthoek{2000, 100, 800, 600}));
    // On an unplugged third screen: pulled onto the first.
    EXPECT_EQ(OpScherm({4000, 100, 800, 600}, schermen), (Rechthoek{1920 - 800, 100, 800, 600}));
    // Half off the top left: moved in.
    EXPECT_EQ(OpScherm({-300, -50, 800, 600}, schermen), (Rechthoek{0, 0, 800, 600}));
    // Straddling both, mostly on the second: onto the second, shrunk to fit.
    EXPECT_EQ(OpScherm({1800, 0, 1400, 1100}, schermen), (Rechthoek{1920, 0, 1280, 1024}));
    EXPECT_EQ(OpScherm({1, 2, 3, 4}, {}), (Rechthoek{1, 2, 3, 4}));
    // Without a remembered place: centred on the main window, kept on its screen.
    EXPECT_EQ(Gecentreerd(400, 300, {100, 100, 1000, 700}, schermen),
              (Rechthoek{400, 300, 400, 300}));
    EXPECT_EQ(Gecentreerd(800, 900, {1800, 0, 400, 300}, schermen), (Rechthoek{1920, 0, 800, 900}));
    EXPECT_EQ(Gecentreerd(600, 500, {-200, -100, 300, 200}, schermen), (Rechthoek{0, 0, 600, 500}));
}

// The recovery copy: written after a change (with the match list's matches outside the
// collection), removed by a save, offered when the competition is opened again; No discards
// it, Yes restores every change; a cut or foreign copy is never taken for one.
TEST_F(Hoofdprogramma, HerstelkopieNaWijzigingEnAanbodBijOpenen) {
    const std::string pad = map / "club.xv7";
    const std::string kopie = map / "club.herstel";
    MaakCompetitie(c, pad, {"A"}, {1}, 1);
    Herstelbewaarder h(c);
    ASSERT_TRUE(h.Bij().Ok());
    EXPECT_FALSE(fs::exists(kopie)); // the files hold it all
    c.Spelers.At(0).W().Naam = "Gewijzigd";
    Wedstrijdgegevens open{.Ronde = 2,
                           .Wedstrijdnummer = 10,
                           .Wit = 1,
                           .Zwart = -1500,
                           .UitslagWit = 2,
                           .Gespeeld = true};
    ASSERT_TRUE(h.Bij({&open, 1}).Ok());
    ASSERT_TRUE(fs::exists(kopie));
    EXPECT_EQ(h.Kopie(), pad);
    const auto tekst = test::Lees(kopie);
    const auto k = LeesHerstelTekst(tekst);
    ASSERT_TRUE(k);
    EXPECT_EQ(k->Open, std::vector<Wedstrijdgegevens>{open});
    EXPECT_EQ(SchrijfHerstelTekst(*k), tekst);
    for (std::size_t n : {0ul, 10ul, tekst.size() / 2, tekst.size() - 1})
        EXPECT_FALSE(LeesHerstelTekst(tekst.substr(0, n))) << n;
    // A count of open games that is negative is refused, not read as none.
    Herstelkopie zonder = *k;
    zonder.Open.clear();
    std::string negatief = SchrijfHerstelTekst(zonder);
    EXPECT_TRUE(LeesHerstelTekst(negatief));
    negatief.replace(negatief.rfind("0\r\nEINDE"), 1, "-1");
    EXPECT_FALSE(LeesHerstelTekst(negatief));
    ASSERT_TRUE(SchrijfBestand(c).Ok());
    ASSERT_TRUE(h.Bij().Ok());
    EXPECT_FALSE(fs::exists(kopie)); // saved: gone
    c.Spelers.At(0).W().Naam = "Na de crash";
    ASSERT_TRUE(h.Bij({&open, 1}).Ok());
    const std::string achtergelaten = test::Lees(kopie);

    for (const Antwoord a : {Antwoord::Nee, Antwoord::Ja}) {
        test::Schrijf(kopie, achtergelaten);
        Competitie d;
        ScriptGesprek g;
        g.Antwoorden = {a};
        Programma p(d, g);
        ASSERT_TRUE(p.OpenNaam(pad));
        ASSERT_EQ(g.Vragen.size(), 1u);
        EXPECT_EQ(g.Vragen[0].Knoppen, Knoppen::JaNee);
        EXPECT_NE(g.Vragen[0].Tekst.find(kopie), std::string::npos);
        EXPECT_FALSE(fs::exists(kopie));
        Competitie terug;
        ASSERT_TRUE(LeesBestand(terug, pad).Ok());
        EXPECT_EQ(terug.Spelers.At(0).G().Naam, a == Antwoord::Ja ? "Na de crash" : "Gewijzigd");
        EXPECT_EQ(terug.Wedstrijden.Aantal(), a == Antwoord::Ja ? 1u : 0u);
        EXPECT_EQ(d.Spelers.At(0).G().Naam, terug.Spelers.At(0).G().Naam);
    }
    // Something else under the copy's name is neither offered nor removed.
    test::Schrijf(kopie, "geen kopie");
    Competitie e;
    ScriptGesprek ge;
    Programma pe(e, ge);
    ASSERT_TRUE(pe.OpenNaam(pad));
    EXPECT_TRUE(ge.Vragen.empty());
    EXPECT_TRUE(fs::exists(kopie));
}
