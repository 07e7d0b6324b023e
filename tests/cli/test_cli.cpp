#include "cli_hulp.h"
#include "model/competitie.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkaro;
using namespace velkaro::test;

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
    const auto &a = c.Spelers.At(0).G(), &b = c.Spelers.At(1).G(), &s = c.Spelers.At(2).G();
    EXPECT_EQ(
        std::tie(a.Opnemen, b.Lotingnummer, b.Categorieen, b.FMJDRating, s.InternNummer, s.FMJDID),
        std::make_tuple(3, 2, "AB   ", 2100, 3, 123));

    // Refused: the same player twice, no such player, a result outside board points, no such
    // match.
    const std::pair<std::vector<std::string>, int> opdrachten[] = {
        {{"match", "add", f, "1", "1", "7"}, 0}, {{"match", "add", f, "1", "2", "2"}, 1},
        {{"match", "add", f, "1", "2", "9"}, 1}, {{"result", f, "1", "1", "2", "0"}, 0},
        {{"result", f, "1", "1", "5", "0"}, 1},  {{"result", f, "1", "2", "2", "0"}, 1}};
    for (const auto& [args, status] : opdrachten) EXPECT_EQ(Cli(args).status, status) << args[3];
    Competitie d;
    ASSERT_TRUE(LeesBestand(d, f).Ok());
    ASSERT_EQ(d.Wedstrijden.Aantal(), 1u);
    const auto& w = d.Wedstrijden.At(0).G();
    EXPECT_EQ(std::tie(w.Wit, w.Zwart, w.Gespeeld, w.UitslagWit), std::make_tuple(1, 3, true, 2));
    EXPECT_FALSE(d.Opties.IsActueel());

    EXPECT_EQ(Cli({"result", f, "1", "1", "adj"}).status, 0);
    EXPECT_EQ(Cli({"result", f, "1", "1", "clear"}).status, 0);
    Competitie e;
    ASSERT_TRUE(LeesBestand(e, f).Ok());
    EXPECT_EQ(std::tie(e.Wedstrijden.At(0).G().Gespeeld, e.Wedstrijden.At(0).G().UitslagWit),
              std::make_tuple(false, 0));
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
    // (A group whose file is missing: CliBestanden.SchadeInEenAndereGroepWordtGemeld.)
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
