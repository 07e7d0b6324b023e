// velkaro-cli import and export-wds: a group through a WDS file and back, and the guards of
// an existing competition file.
#include "cli_hulp.h"
#include "storage/competitiebestand.h"
#include "storage/import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace velkaro;
using namespace velkaro::test;
namespace fs = std::filesystem;

TEST(CliImport, WDSExportEnImportVanDeDemo) {
    TijdelijkeMap map;
    const std::string demo = KopieerDemo(map);
    const auto e = Cli({"export-wds", demo});
    ASSERT_EQ(e.status, 0) << e.err;
    const std::string wds = e.out.substr(0, e.out.size() - 1);
    EXPECT_EQ(fs::path(wds).parent_path(), map.Pad());
    EXPECT_EQ(Lees(wds).size(), kWDSGrootte);

    const std::string uit = map / "terug.xv7";
    const auto i = Cli({"import", wds, uit});
    ASSERT_EQ(i.status, 0) << i.err;
    EXPECT_EQ(i.out, uit + "\n");
    // What the file holds is tested on the library; here: every player and played game came.
    Competitie c, d;
    ASSERT_TRUE(LeesBestand(c, demo).Ok());
    ASSERT_TRUE(LeesBestand(d, uit).Ok());
    const auto gespeeld = [](const Competitie& x) {
        return std::count_if(x.Wedstrijden.begin(), x.Wedstrijden.end(),
                             [](const auto& m) { return m->G().Gespeeld; });
    };
    EXPECT_EQ(std::forward_as_tuple(d.Spelers.Aantal(), d.Wedstrijden.Aantal()),
              std::make_tuple(c.Spelers.Aantal(), std::size_t(gespeeld(c))));
}

TEST(CliImport, BestaandeCompetitieAlleenMetEenAntwoord) {
    TijdelijkeMap map;
    Schrijf(map / "lijst.txt", "kop\r\n" + std::string(70, 'x') + "\r\n 01-02-2024\r\n" +
                                   "     Ans                     Bert" + std::string(24, ' ') +
                                   "1- 1\r\n");
    const std::string uit = map / "club.xv7";
    auto groepen = [&] {
        Competitie c;
        EXPECT_TRUE(LeesBestand(c, uit).Ok());
        return c.Groepen.Aantal();
    };
    struct Geval {
        std::vector<std::string> opties;
        int status;
        const char* melding;
        std::size_t groepen;
    };
    const Geval gevallen[] = {
        {{}, 0, "", 1},        {{}, 1, "--overwrite", 1},   {{"--add"}, 0, "", 2},
        {{"--add"}, 0, "", 3}, {{"--overwrite"}, 0, "", 1}, {{"--add", "--overwrite"}, 2, "", 1},
    };
    for (const auto& g : gevallen) {
        std::vector<std::string> args{"import", map / "lijst.txt", uit};
        args.insert(args.end(), g.opties.begin(), g.opties.end());
        const auto r = Cli(args);
        EXPECT_EQ(r.status, g.status) << r.err;
        EXPECT_NE(r.err.find(g.melding), std::string::npos) << r.err;
        EXPECT_EQ(groepen(), g.groepen);
    }
    // A source that cannot be read or has no import format leaves no file behind.
    for (const char* bron : {"ontbreekt.wds", "lijst.pdf"}) {
        Schrijf(map / "lijst.pdf", "%PDF");
        EXPECT_EQ(Cli({"import", map / bron, map / "nieuw.xv7"}).status, 1) << bron;
        EXPECT_FALSE(fs::exists(map / "nieuw.xv7")) << bron;
    }
    // A command that opens a competition never imports behind its user's back.
    EXPECT_EQ(Cli({"info", map / "lijst.txt"}).status, 1);
    EXPECT_FALSE(fs::exists(map / "lijst.xv7"));
}
