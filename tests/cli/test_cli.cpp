#include "cli_hulp.h"
#include "model/competitie.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkaro;
using velkaro::test::Cli;
using velkaro::test::Lees;
using velkaro::test::Proces;
using velkaro::test::TijdelijkeMap;

TEST(Cli, NieuweCompetitieSpelersWedstrijdenUitslagen) {
    TijdelijkeMap map;
    const std::string f = map / "club.xv7";
    ASSERT_EQ(Cli({"new", f}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(map / "club.101"));
    EXPECT_EQ(Cli({"new", f}).status, 1); // exists: refused without --overwrite
    EXPECT_EQ(Cli({"player", "add", f, "--name", "Jansen, P.", "--rating", "1400"}).status, 0);
    EXPECT_EQ(Cli({"player", "add", f, "--name", "Bakker, A.", "--categories", "AB"}).status, 0);
    auto r = Cli({"player", "add", f, "--name", "Smit, J.", "--number", "7", "--fmjd-id", "123"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "7\tSmit, J.\n");

    Competitie c;
    ASSERT_TRUE(LeesBestand(c, f).Ok());
    ASSERT_EQ(c.Spelers.Aantal(), 3u);
    EXPECT_EQ(c.Spelers.At(1).G().Lotingnummer, 2);
    EXPECT_EQ(c.Spelers.At(1).G().Categorieen, "AB   ");
    EXPECT_EQ(c.Spelers.At(1).G().FMJDRating, 2100);
    EXPECT_EQ(c.Spelers.At(2).G().InternNummer, 3);
    EXPECT_EQ(c.Spelers.At(2).G().FMJDID, 123);
    EXPECT_EQ(c.Spelers.At(0).G().Opnemen, 3);

    EXPECT_EQ(Cli({"match", "add", f, "1", "1", "7"}).status, 0);
    EXPECT_EQ(Cli({"match", "add", f, "1", "2", "2"}).status, 1); // same player twice
    EXPECT_EQ(Cli({"match", "add", f, "1", "2", "9"}).status, 1); // no such player
    EXPECT_EQ(Cli({"result", f, "1", "1", "2", "0"}).status, 0);
    EXPECT_EQ(Cli({"result", f, "1", "1", "5", "0"}).status,
              1); // not a result outside board points
    EXPECT_EQ(Cli({"result", f, "1", "2", "2", "0"}).status, 1); // no such match
    Competitie d;
    ASSERT_TRUE(LeesBestand(d, f).Ok());
    ASSERT_EQ(d.Wedstrijden.Aantal(), 1u);
    const auto& w = d.Wedstrijden.At(0).G();
    EXPECT_EQ(w.Wit, 1);
    EXPECT_EQ(w.Zwart, 3);
    EXPECT_TRUE(w.Gespeeld);
    EXPECT_EQ(w.UitslagWit, 2);
    EXPECT_FALSE(d.Opties.IsActueel());

    EXPECT_EQ(Cli({"result", f, "1", "1", "adj"}).status, 0);
    EXPECT_EQ(Cli({"result", f, "1", "1", "clear"}).status, 0);
    Competitie e;
    ASSERT_TRUE(LeesBestand(e, f).Ok());
    EXPECT_FALSE(e.Wedstrijden.At(0).G().Gespeeld);
    EXPECT_EQ(e.Wedstrijden.At(0).G().UitslagWit, 0);
}

TEST(Cli, LezendeOpdrachtenSchrijvenNiets) {
    TijdelijkeMap map;
    const std::string f = map / "club.xv7";
    ASSERT_EQ(Cli({"new", f}).status, 0);
    ASSERT_EQ(Cli({"player", "add", f, "--name", "Een"}).status, 0);
    const auto tijd = std::filesystem::last_write_time(f);
    const std::string inhoud = Lees(map / "club.101");
    auto r = Cli({"info", f});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Players:      1"), std::string::npos);
    r = Cli({"player", "list", f});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Een"), std::string::npos);
    EXPECT_EQ(Cli({"group", "list", f}).status, 0);
    EXPECT_EQ(std::filesystem::last_write_time(f), tijd);
    EXPECT_EQ(Lees(map / "club.101"), inhoud);
}

TEST(Cli, GroepWisselen) {
    TijdelijkeMap map;
    const std::string f = map / "g.xv7";
    Competitie c;
    c.Bestandsnaam = f;
    c.Groepen.Voegtoe({5, "Jeugd", 0, false, ""});
    c.Opties.Toernooinaam = "Senioren";
    ASSERT_TRUE(SchrijfBestand(c).Ok());
    EXPECT_EQ(Cli({"group", "switch", f, "4"}).status, 1);
    // A group whose file is missing is not opened (and written) empty.
    EXPECT_EQ(Cli({"group", "switch", f, "5"}).status, 1);
    Competitie leeg;
    leeg.Bestandsnaam = f;
    leeg.HuidigeDeelcomp = 2;
    leeg.Opties.Toernooinaam = "Jeugd";
    ASSERT_TRUE(SchrijfDeelcomp(leeg).Ok());
    ASSERT_EQ(Cli({"group", "switch", f, "5"}).status, 0);
    Competitie d;
    ASSERT_TRUE(LeesBestand(d, f).Ok());
    EXPECT_EQ(d.HuidigeDeelcomp, 2);
    EXPECT_EQ(d.HuidigCompetitienummer, 5);
    EXPECT_EQ(d.Groepen.At(0).G().Titel, "Senioren"); // written when it was left
}

TEST(Cli, GebruiksfoutenEnTaal) {
    EXPECT_EQ(Cli({}).status, 2);
    EXPECT_EQ(Cli({"bestaat-niet"}).status, 2);
    EXPECT_EQ(Cli({"player"}).status, 2);
    EXPECT_EQ(Cli({"info"}).status, 2);
    EXPECT_EQ(Cli({"info", "a.xv7", "--onbekend"}).status, 2);
    EXPECT_EQ(Cli({"player", "add", "a.xv7"}).status, 2); // --name is required
    EXPECT_EQ(Cli({"--lang", "de", "info", "a.xv7"}).status, 2);
    auto h = Cli({"player", "add", "--help"});
    EXPECT_EQ(h.status, 0);
    EXPECT_NE(h.out.find("--fmjd-rating"), std::string::npos);
    EXPECT_EQ(Cli({"--help"}).status, 0);

    TijdelijkeMap map;
    auto nl = Cli({"info", map / "x.xv7"});
    EXPECT_EQ(nl.status, 1);
    EXPECT_NE(nl.err.find("Bestand kan niet worden geopend"), std::string::npos);
    auto en = Cli({"--lang", "en", "info", map / "x.xv7"});
    EXPECT_NE(en.err.find("The file cannot be opened"), std::string::npos);
}

TEST(Cli, ProgrammaGeeftAfsluitstatus) {
    TijdelijkeMap map;
    EXPECT_EQ(Proces("--help").status, 0);
    EXPECT_EQ(Proces("info").status, 2);
    auto r = Proces("info " + (map / "x.xv7"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("Bestand kan niet worden geopend"), std::string::npos);
}

TEST(Demo, VoorbeeldbestandenZijnActueel) {
    // The committed demo is what the generator writes today.
    TijdelijkeMap map;
    ASSERT_EQ(std::system((std::string(VELKARO_DEMO) + " " + (map / "club.xv7")).c_str()), 0);
    for (const char* f :
         {"club.xv7", "club.101", "club.102", "club.103", "club.104", "club.105", "club.106"})
        EXPECT_EQ(Lees(map / f), Lees(std::string(VELKARO_EXAMPLES) + "/" + f)) << f;
    auto r = Cli({"info", map / "club.xv7"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Players:      14"), std::string::npos);
}
