// velkaro-cli report on a copy of the demo competition: screen and file output, the questions
// about an existing file, failures, usage errors, the round range and the previous places.
#include "../cli/cli_hulp.h"
#include "model/competitie.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace velkaro;
using namespace velkaro::test;

namespace {

class CliRapport : public ::testing::Test {
protected:
    TijdelijkeMap map;
    std::string f = test::KopieerDemo(map);
};

} // namespace

TEST_F(CliRapport, RanglijstOpHetScherm) {
    const std::string groep = Lees(map / "club.101");
    auto r = Cli({"report", f, "--no-save"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto regels = Regels(r.out);
    ASSERT_EQ(regels.size(), 4u + 1u + 14u);
    EXPECT_EQ(regels[0], "Bestand: club.xv7");
    EXPECT_EQ(regels[2], "Ranglijst Clubcompetitie DC Het Noorden 2026-2027 na ronde 5");
    // The demo's own options: previous place, cross table, statistics, colours.
    EXPECT_EQ(regels[4].substr(0, 24), "  Nr Vor Naam          1");
    EXPECT_EQ(regels[5].substr(0, 28), "   1  -- de Vries, H.  \xE2\x80\xA2 +");
    EXPECT_EQ(Lees(map / "club.101"), groep); // --no-save

    r = Cli({"report", f, "--options", "", "--kind", "progress"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Regels(r.out)[5], "  Nr Naam          1  2  3  4  5 ");
    Competitie c;
    ASSERT_TRUE(LeesBestand(c, f).Ok());
    EXPECT_TRUE(c.Opties.IsActueel()); // saved after the interactive computation
    EXPECT_EQ(c.Spelers.zoekloting(2)->Notering, 1);
}

TEST_F(CliRapport, BestandenInElkFormaat) {
    for (const char* naam : {"r.txt", "r.tab", "r.csv", "r.htm", "r.rtf"}) {
        auto r = Cli({"report", f, "-o", map / naam, "--no-save"});
        ASSERT_EQ(r.status, 0) << naam << r.err;
        EXPECT_EQ(r.out, map / naam + "\n");
    }
    EXPECT_EQ(Lees(map / "r.htm").substr(0, 8), "<HTML>\r\n");
    EXPECT_NE(Lees(map / "r.csv").find("1,--,\"de Vries, H.\",\x95,+"), std::string::npos);
    EXPECT_NE(Lees(map / "r.rtf").find("\\paperw11907\\paperh16840\r\n"), std::string::npos);
    auto r =
        Cli({"report", f, "-o", map / "liggend", "--format", "rtf", "--landscape", "--no-save"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(Lees(map / "liggend").find("\\paperw16840\\paperh11907\\landscape\r\n"),
              std::string::npos);
}

TEST_F(CliRapport, BestaandBestand) {
    const std::string uit = map / "stand.txt";
    velkaro::test::Schrijf(uit, "oud\r\n");
    auto r = Cli({"report", f, "-o", uit, "--no-save"});
    EXPECT_EQ(r.status, 1); // the question has no answer on the command line
    EXPECT_NE(r.err.find("Tekstbestand bestaat al."), std::string::npos);
    EXPECT_EQ(Lees(uit), "oud\r\n");
    ASSERT_EQ(Cli({"report", f, "-o", uit, "--append", "--no-save"}).status, 0);
    EXPECT_EQ(Lees(uit).substr(0, 26), "oud\r\nBestand: club.xv7\r\n\r\n");
    ASSERT_EQ(Cli({"report", f, "-o", uit, "--overwrite", "--no-save"}).status, 0);
    EXPECT_EQ(Lees(uit).substr(0, 19), "Bestand: club.xv7\r\n");
}

TEST_F(CliRapport, BestandDatNietKanWordenGemaakt) {
    const std::string groep = Lees(map / "club.101");
    const std::string uit = map / "geen-map/stand.rtf";
    auto r = Cli({"report", f, "-o", uit});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Bestand kan niet worden geopend: " + uit), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(map / "geen-map"));
    EXPECT_EQ(Lees(map / "club.101"), groep); // refused before anything was computed
}

TEST_F(CliRapport, Gebruiksfouten) {
    EXPECT_EQ(Cli({"report", f, "--format", "html"}).status, 2);
    EXPECT_EQ(Cli({"report", f, "--format", "pdf", "-o", "x"}).status, 2);
    EXPECT_EQ(Cli({"report", f, "-o", map / "x.rtf", "--append"}).status, 2);
    EXPECT_EQ(Cli({"report", f, "-o", map / "x.txt", "--append", "--overwrite"}).status, 2);
    EXPECT_EQ(Cli({"report", f, "--kind", "bogus"}).status, 2);
    EXPECT_EQ(Cli({"report", f, "--kind", "participants", "--sort", "age"}).status, 2);
    EXPECT_EQ(Cli({"report", f, "--kind", "series", "--lists", "ranking,bogus"}).status, 2);
    EXPECT_EQ(Cli({"report", f, "--options", "matrix,colour"}).status, 2);
    EXPECT_EQ(Cli({"report", f, "--from", "x"}).status, 2);
    EXPECT_EQ(Cli({"report", f, "--min-games", "1000"}).status, 2);
    EXPECT_FALSE(std::filesystem::exists(map / "x.rtf"));
}

TEST_F(CliRapport, RondebereikEnMinimum) {
    auto r = Cli({"report", f, "--from", "2", "--to", "3", "--options", "statistics", "--no-save"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto regels = Regels(r.out);
    EXPECT_EQ(regels[2], "Ranglijst Clubcompetitie DC Het Noorden 2026-2027 rondes 2 t/m 3");
    for (std::size_t i = 5; i < regels.size(); ++i)
        EXPECT_EQ(regels[i].substr(18, 3), "  2") << regels[i]; // two games each
    r = Cli({"--lang", "en", "report", f, "--to", "1", "--options", ""});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Regels(r.out)[0], "File: club.xv7");
    EXPECT_EQ(Regels(r.out)[2], "Standings Clubcompetitie DC Het Noorden 2026-2027 after round 1");
}

TEST_F(CliRapport, VorigeNoteringAlleenNaWijziging) {
    ASSERT_EQ(Cli({"report", f}).status, 0);
    // Nothing changed: the second report keeps the previous places of the first.
    ASSERT_EQ(Cli({"report", f}).status, 0);
    Competitie c;
    ASSERT_TRUE(LeesBestand(c, f).Ok());
    const auto voor = c.Spelers.zoekloting(2)->VorigeNotering;
    const auto plaats = c.Spelers.zoekloting(2)->Notering;
    EXPECT_EQ(voor, 0);
    // A changed result: the places of the last ranking become the previous places.
    std::string bord;
    for (const auto& w : c.Wedstrijden)
        if (w->G().Ronde == 5) bord = std::to_string(w->G().Wedstrijdnummer);
    ASSERT_EQ(Cli({"result", f, "5", bord, "0", "2"}).status, 0);
    auto r = Cli({"report", f, "--options", "previous"});
    ASSERT_EQ(r.status, 0) << r.err;
    Competitie d;
    ASSERT_TRUE(LeesBestand(d, f).Ok());
    EXPECT_EQ(d.Spelers.zoekloting(2)->VorigeNotering, plaats);
}

TEST_F(CliRapport, ElkeSoort) {
    const auto hulp = Cli({"report", "--help"});
    EXPECT_NE(hulp.out.find("--kind ranking|progress|opponents|categories|results|series|"
                            "participants|history|norms"),
              std::string::npos)
        << hulp.out;
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> teksten; // what the report holds
    } gevallen[] = {
        {{"--kind", "opponents"}, {"Tegenstander per speler per ronde Clubcompetitie"}},
        {{"--kind", "categories"}, {}},
        {{"--kind", "results", "--from", "2", "--to", "3", "--board-numbers"},
         {"Uitslagen en/of rooster Clubcompetitie DC Het Noorden 2026-2027 Ronde 2",
          "Uitslagen en/of rooster Clubcompetitie DC Het Noorden 2026-2027 Ronde 3"}},
        {{"--kind", "series", "--groups-from", "2", "--groups-to", "3"},
         {"Competitiegroep 2 Regiokampioenschap IJssel 2026",
          "Competitiegroep 3 Keizercompetitie DV De Vechtstreek 2026-2027"}},
        {{"--kind", "participants", "--sort", "number"},
         {"Deelnemerslijst Clubcompetitie DC Het Noorden 2026-2027"}},
        // The history of drawing number 1 names him in its title.
        {{"--kind", "history", "--players", "1"}, {"Geschiedenis speler "}},
        {{"--kind", "norms"}, {"FMJD-normentabel (alle normen onder voorbehoud)"}},
    };
    for (const auto& g : gevallen) {
        std::vector<std::string> args = {"report", f, "--no-save"};
        args.insert(args.end(), g.args.begin(), g.args.end());
        const auto r = Cli(args);
        ASSERT_EQ(r.status, 0) << g.args[1] << r.err;
        for (const auto& verwacht : g.teksten)
            EXPECT_NE(r.out.find(verwacht), std::string::npos)
                << g.args[1] << ": " << verwacht << "\n"
                << r.out;
        EXPECT_GT(Regels(r.out).size(), 3u) << g.args[1];
    }
    EXPECT_EQ(Cli({"report", f, "--kind", "history", "--players", "999"}).status, 1);
}
