// The output channel: cells in every layout, the exact mark-up pieces, the file questions and
// the guarantee that a report file is written whole or not at all. Whole files of every
// format are compared byte for byte by the golden reports.
#include "../storage/hulp.h"
#include "hulp.h"
#include "lang/teksten.h"
#include "reports/uitvoer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

Uitvoercel Tekstcel(std::string t, int b, bool rechts = false) {
    return Uitvoercel::MetTekst(std::move(t), b, rechts);
}

} // namespace

TEST(Uitvoercel, TekstopmaakPerSoort) {
    EXPECT_EQ(std::forward_as_tuple(CelAlsTekst(Uitvoercel::MetGeheel(42, 5)),
                                    CelAlsTekst(Tekstcel("ab", 4)),
                                    CelAlsTekst(Tekstcel("ab", 4, true)),
                                    CelAlsTekst(Uitvoercel::MetReeel(3.14159, 6, 2))),
              std::make_tuple("   42 ", "ab   ", "  ab ", "  3.14 "));
    Uitvoercel streep = Uitvoercel::MetGeheel(3, 2);
    streep.Streepje = true;
    EXPECT_EQ(CelAlsTekst(streep), " 3-");
    streep.Kopcel = true; // a heading cell never gets the dash
    EXPECT_EQ(CelAlsTekst(streep), " 3 ");
    // Widths count characters, not bytes.
    EXPECT_EQ(CelAlsTekst(Tekstcel("3\xC2\xBD", 3, true)), " 3\xC2\xBD ");
    EXPECT_EQ(CelAlsTekst(Tekstcel("Jansen, Pietje", 4)), "Jansen, Pietje ");
}

TEST(Uitvoer, Scherm) {
    ScriptGesprek g;
    LijstScherm s;
    TUitvoerObject u(g);
    u.StartScherm(s);
    EXPECT_TRUE(u.IsTekstuitvoer());
    u.Cel(Tekstcel("a", 2));
    u.Regel("b");
    u.Schrijf("rest");
    u.EindeScherm();
    EXPECT_EQ(s.Regels, (std::vector<std::string>{"a  b", "rest"}));
    EXPECT_TRUE(s.Begin);
}

TEST(Uitvoer, HtmlCellenEnTekens) {
    std::string s;
    TInternetUitvoerObject h(s);
    h.Cel(" ", AttrLinks);
    h.Cel("x", AttrRechts | AttrVet | AttrCursief | AttrKleiner1 | AttrGroter2);
    h.Cel("A&B <c>", AttrMidden);
    EXPECT_EQ(s, "<TD align=left nowrap> .</TD>\r\n"
                 "<TD align=right nowrap>  <B>  <I>  <FONT size=-1>  <FONT size=+2> x </FONT>  "
                 "</FONT>  </I>  </B> </TD>\r\n"
                 "<TD align=center nowrap> A&amp;B &lt;c&gt;</TD>\r\n");
    s.clear();
    h.Regeleinde(); // outside a preformatted block: nothing
    h.EindePre();
    h.Bijschrift("onder", false);
    EXPECT_EQ(s, "<CAPTION align=bottom>onder </CAPTION>\r\n");
}

TEST(Uitvoer, RtfLettergrootte) {
    // The size rule: 3 x paper width / characters, never above 24.
    std::string s;
    Rtfschrijver r(s);
    r.Kop("Arial", kA4Kort, kA4Lang, false);
    r.StartRij(false);
    for (int i = 0; i < 3; ++i) r.Cel("x", 2, AttrLinks);
    EXPECT_EQ(r.Lettergrootte(), 24);                       // 3 x 11907 / 9 would be 3969
    for (int i = 0; i < 97; ++i) r.Cel("x", 20, AttrLinks); // 100 cells, the table's limit
    r.Cel("te veel", 50, AttrLinks);
    EXPECT_EQ(r.Lettergrootte(), 3 * 11907 / (3 * 3 + 97 * 21)); // 17
    // Without a paper size the printable width decides, with the character measure c.
    std::string s2;
    Rtfschrijver p(s2);
    p.AfdrukbareBreedte = 450;
    p.NaarBestand = false;
    p.StartRij(false);
    p.Cel("x", 9, AttrLinks);
    p.Cel("y", 9, AttrLinks);
    EXPECT_EQ(p.Tekenmaat(), 10);
    // ((((450 - 50) / 20) x 200 / 254) x 12) / 10 + 1 = ((20 x 200 / 254) x 12) / 10 + 1 = 19
    EXPECT_EQ(p.Lettergrootte(), 19);
    p.Tekenbreedte = 0; // no measure: c falls back to 11
    EXPECT_EQ(p.Tekenmaat(), 11);
}

TEST(Uitvoer, RtfCellenBuitenRijEnTekens) {
    std::string s;
    Rtfschrijver r(s);
    r.Cel("a{b}\\c", 3, AttrVet | AttrCursief | AttrOnderstreept);
    r.EindeRij();
    EXPECT_EQ(s, "\\tab \\b \\i \\ul a\\{b\\}\\\\c\\b0\\i0\\ul0\\par\r\n");
    s.clear();
    r.UitgelijndeKolommen = false;
    r.StartRij(false);
    r.Cel("1", 2, AttrRechts);
    r.Cel("2", 11, AttrMiddenTab);
    r.EindeRij();
    EXPECT_EQ(s, "\\pard\\f0\\fs24\\tx15\\tx405\r\n\\tab 1\\tab 2\\par\r\n");
    s.clear();
    r.UitgelijndeKolommen = true;
    r.StartRij(false);
    r.Cel("1", 2, AttrRechts);
    r.Cel("2", 11, AttrMiddenTab);
    r.EindeRij();
    EXPECT_EQ(s, "\\pard\\f0\\fs24\\tqr\\tx275\\tqc\\tx405\r\n\\tab 1\\tab 2\\par\r\n");
}

TEST(Uitvoer, StuurregelsAlleenNaarDePrinter) {
    TijdelijkeMap map;
    ScriptGesprek g;
    LijstScherm s;
    LijstAfdruk a;
    TUitvoerObject u(g);
    ASSERT_TRUE(u.OpenUitvoerbestand(map / "r.txt", Bestandsformaat::Tekst, "t"));
    u.StartScherm(s);
    u.StartPrinter(a);
    u.Regel("voor");
    u.Regel("$$FF");
    u.Schrijf("$$");
    u.Regel("NA");
    u.Titel("Titel", true);
    u.Cel(Uitvoercel::MetGeheel(1, 2));
    u.EindeRij();
    u.EindeTabel();
    u.Kop("Kop");
    u.EindeScherm();
    u.EindePrinter();
    ASSERT_TRUE(u.SluitUitvoerbestand());
    EXPECT_EQ(s.Regels, (std::vector<std::string>{"voor", "Titel", " ", " 1 "}));
    EXPECT_EQ(Lees(map / "r.txt"), "voor\r\nTitel\r\n \r\n 1 \r\n");
    ASSERT_EQ(a.Documenten.size(), 1u);
    std::vector<std::string> gedrukt;
    for (const auto& r : a.Documenten[0].Regels) gedrukt.push_back(r.Tekst);
    EXPECT_EQ(gedrukt, (std::vector<std::string>{"voor", "$$FF", "$$NA", "$$BOLD", "Titel", " ",
                                                 " 1 ", "$$A", "$$BOLD", "Kop", " "}));
}

TEST(Uitvoer, BredeRegelHeelNaarSchermEnPrinter) {
    // A cross table row of a full field: every cell reaches the screen and the printer.
    ScriptGesprek g;
    LijstScherm s;
    LijstAfdruk a;
    TUitvoerObject u(g);
    u.StartScherm(s);
    u.StartPrinter(a);
    std::string verwacht;
    for (int i = 0; i < 268; ++i) {
        u.Cel(Uitvoercel::MetGeheel(i % 10, 1));
        verwacht += std::to_string(i % 10) + " ";
    }
    u.EindeRij();
    u.EindeScherm();
    u.EindePrinter();
    ASSERT_EQ(s.Regels.size(), 1u);
    EXPECT_EQ(s.Regels[0], verwacht);
    ASSERT_EQ(a.Documenten.size(), 1u);
    EXPECT_EQ(a.Documenten[0].Regels[0].Tekst, verwacht);
}

TEST(Uitvoer, AttribuutregelVoorDePrinter) {
    ScriptGesprek g;
    LijstAfdruk a;
    TUitvoerObject u(g);
    u.StartPrinter(a);
    u.ZetKoptekst(0, "Ranglijst");
    Uitvoercel vet = Tekstcel("2", 1, true);
    vet.Vet = true;
    u.Cel(Tekstcel("+", 1, true));
    u.Cel(vet);
    u.EindeRij();
    u.Regel("gewoon");
    u.EindePrinter();
    ASSERT_EQ(a.Documenten.size(), 1u);
    const auto& d = a.Documenten[0];
    EXPECT_EQ(d.Regels[0], (Afdrukregel{"+ 2 ", "  V"}));
    EXPECT_EQ(d.Regels[1], (Afdrukregel{"gewoon", ""}));
    EXPECT_EQ(std::forward_as_tuple(d.Koppen[0], u.Regelteller(), bool(d.Staand)),
              std::make_tuple("Ranglijst", 2, true));
}

TEST(Uitvoer, ToevoegenAanTekstbestand) {
    TijdelijkeMap map;
    const std::string pad = map / "r.txt";
    velkaro::test::Schrijf(pad, "oude regel\r\n");
    ScriptGesprek g;
    g.Antwoorden = {Antwoord::Nee}; // "(Nee is toevoegen)"
    TUitvoerObject u(g);
    ASSERT_TRUE(u.OpenUitvoerbestand(pad, Bestandsformaat::Tekst, "t"));
    ASSERT_EQ(g.Vragen.size(), 1u);
    EXPECT_EQ(g.Vragen[0].Tekst, lang::Tekst(lang::T::TekstbestandBestaatOverschrijven));
    EXPECT_EQ(g.Vragen[0].Knoppen, Knoppen::JaNeeAnnuleren);
    u.Regel("nieuw \xC2\xBD");
    ASSERT_TRUE(u.SluitUitvoerbestand());
    EXPECT_EQ(Lees(pad), "oude regel\r\nnieuw \xBD\r\n");

    g.Antwoorden = {Antwoord::Ja};
    ASSERT_TRUE(u.OpenUitvoerbestand(pad, Bestandsformaat::Tekst, "t"));
    u.Regel("over");
    ASSERT_TRUE(u.SluitUitvoerbestand());
    EXPECT_EQ(Lees(pad), "over\r\n");

    g.Antwoorden = {Antwoord::Annuleren};
    EXPECT_FALSE(u.OpenUitvoerbestand(pad, Bestandsformaat::Tekst, "t"));
    EXPECT_FALSE(u.BestandOpen());
    EXPECT_EQ(Lees(pad), "over\r\n");
}

TEST(Uitvoer, HtmlEnRtfWordenNooitAangevuld) {
    TijdelijkeMap map;
    const std::string pad = map / "r.htm";
    velkaro::test::Schrijf(pad, "oud");
    ScriptGesprek g;
    g.Antwoorden = {Antwoord::Nee};
    TUitvoerObject u(g);
    EXPECT_FALSE(u.OpenUitvoerbestand(pad, Bestandsformaat::Html, "t"));
    ASSERT_EQ(g.Vragen.size(), 1u);
    EXPECT_EQ(
        std::forward_as_tuple(g.Vragen[0].Knoppen, g.Vragen[0].Tekst, Lees(pad)),
        std::make_tuple(Knoppen::JaNee, lang::Tekst(lang::T::BestandBestaatOverschrijven), "oud"));
}

TEST(Uitvoer, KiesUitvoerbestand) {
    TijdelijkeMap map;
    ScriptGesprek g;
    TUitvoerObject u(g);
    g.Bestanden = {map / "stand"};
    g.Filters = {4, 4};
    ASSERT_TRUE(u.KiesUitvoerbestand("/start", "Ranglijst"));
    ASSERT_EQ(g.Keuzes.size(), 1u);
    EXPECT_EQ(g.Keuzes[0].Map, "/start");
    EXPECT_TRUE(g.Keuzes[0].Opslaan);
    ASSERT_EQ(g.Keuzes[0].Filters.size(), 6u);
    EXPECT_EQ(std::forward_as_tuple(g.Keuzes[0].Filters[0], g.Keuzes[0].Filters[5], u.Formaat(),
                                    u.Bestandsnaam()),
              std::make_tuple("RTF-bestanden|*.rtf", "Alle bestanden|*.*", Bestandsformaat::Komma,
                              map / "stand.csv"));

    // The chosen file exists: the dialog's answer holds, OpenUitvoerbestand does not ask again.
    velkaro::test::Schrijf(map / "stand.csv", "a\r\n");
    g.Bestanden = {map / "stand.csv"};
    g.Antwoorden = {Antwoord::Nee};
    ASSERT_TRUE(u.KiesUitvoerbestand("/start", "Ranglijst"));
    EXPECT_EQ(g.Keuzes[1].Map, map.Pad().string() + "/"); // the folder of the last choice
    EXPECT_TRUE(u.Toevoegen());
    ASSERT_TRUE(u.OpenUitvoerbestand(u.Bestandsnaam(), u.Formaat(), "t"));
    EXPECT_EQ(g.Vragen.size(), 1u);
    u.Regel("b");
    ASSERT_TRUE(u.SluitUitvoerbestand());
    EXPECT_EQ(Lees(map / "stand.csv"), "a\r\nb\r\n");

    g.Bestanden = {std::nullopt};
    EXPECT_FALSE(u.KiesUitvoerbestand("/start", "Ranglijst"));
}

TEST(Uitvoer, BestandDatNietKanWordenGemaaktOfGeschreven) {
    TijdelijkeMap map;
    ScriptGesprek g;
    TUitvoerObject u(g);
    const std::string weg = map / "bestaat-niet/r.txt";
    EXPECT_FALSE(u.OpenUitvoerbestand(weg, Bestandsformaat::Tekst, "t"));
    EXPECT_FALSE(u.BestandOpen());
    ASSERT_TRUE(u.Fout().has_value());
    EXPECT_NE(u.Fout()->find(weg), std::string::npos);
    EXPECT_EQ(g.Meldingen.size(), 1u);
    u.Regel("niets");
    EXPECT_FALSE(u.SluitUitvoerbestand());

    // A folder in the way of the name, even when the user says to overwrite it.
    std::filesystem::create_directory(map / "map.txt");
    g.Antwoorden = {Antwoord::Ja};
    EXPECT_FALSE(u.OpenUitvoerbestand(map / "map.txt", Bestandsformaat::Tekst, "t"));

    // The disk fills up while writing: an existing report stays as it was, and neither a
    // partial file nor the temporary file remains.
    const std::string pad = map / "r.txt";
    velkaro::test::Schrijf(pad, "vorige\r\n");
    g.Antwoorden = {Antwoord::Ja};
    ASSERT_TRUE(u.OpenUitvoerbestand(pad, Bestandsformaat::Tekst, "t"));
    for (int i = 0; i < 2000; ++i) u.Regel(std::string(60, 'x'));
    rlimit oud{};
    getrlimit(RLIMIT_FSIZE, &oud);
    const auto oudSignaal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit klein = oud;
    klein.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &klein);
    const bool gelukt = u.SluitUitvoerbestand();
    setrlimit(RLIMIT_FSIZE, &oud);
    std::signal(SIGXFSZ, oudSignaal);
    EXPECT_FALSE(gelukt);
    ASSERT_TRUE(u.Fout().has_value());
    EXPECT_NE(u.Fout()->find(lang::Tekst(lang::T::OpslaanMislukt)), std::string::npos);
    EXPECT_EQ(Lees(pad), "vorige\r\n");
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(map.Pad()))
        namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    EXPECT_EQ(namen, (std::vector<std::string>{"map.txt", "r.txt"}));
}

TEST(Uitvoer, MapZonderSchrijfrecht) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write into any folder";
    TijdelijkeMap map;
    const auto dicht = map.Pad() / "dicht";
    std::filesystem::create_directory(dicht);
    std::filesystem::permissions(dicht, std::filesystem::perms::owner_read |
                                            std::filesystem::perms::owner_exec);
    ScriptGesprek g;
    TUitvoerObject u(g);
    EXPECT_FALSE(u.OpenUitvoerbestand((dicht / "r.rtf").string(), Bestandsformaat::Rtf, "t"));
    EXPECT_TRUE(u.Fout().has_value());
    EXPECT_TRUE(std::filesystem::is_empty(dicht));
}
