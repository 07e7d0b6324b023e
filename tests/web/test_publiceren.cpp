// Publishing the demo: where the site may go and what a refused folder keeps, the swap that
// replaces an earlier site, repeatable bytes, and names in every letter Windows-1252 holds.
#include "../cli/cli_hulp.h"
#include "storage/competitiebestand.h"
#include "web/publiceren.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

namespace velkaro::test {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> LeesMap(const fs::path& map) {
    std::map<std::string, std::string> r;
    for (const auto& e : fs::recursive_directory_iterator(map))
        // The lock file a reader leaves is the competition's own business.
        if (e.is_regular_file() && e.path().extension() != ".lcl")
            r[fs::relative(e.path(), map).string()] = Lees(e.path().string());
    return r;
}

void Schrijf(const fs::path& pad, const std::string& tekst) {
    std::ofstream(pad, std::ios::binary) << tekst;
}

// The whole demo, every group file with it.
std::string KopieerHeleDemo(const TijdelijkeMap& map) {
    for (const auto& e : fs::directory_iterator(VELKARO_EXAMPLES))
        if (e.path().stem() == "club") fs::copy_file(e.path(), map / e.path().filename().string());
    return map / "club.xv7";
}

// Nothing of a publish may stay behind beside the output folder.
std::vector<std::string> Restanten(const fs::path& map) {
    std::vector<std::string> r;
    for (const auto& e : fs::directory_iterator(map))
        if (e.path().filename().string().find(".nieuw-") != std::string::npos ||
            e.path().filename().string().find(".oud-") != std::string::npos)
            r.push_back(e.path().filename().string());
    return r;
}

TEST(Publiceren, UitvoermapWordtGecontroleerd) {
    struct Geval {
        const char* naam;
        std::function<std::string(const TijdelijkeMap&)> bereid; // returns OUTDIR
        bool gelukt;
    };
    const Geval gevallen[] = {
        {"the competition's folder", [](const TijdelijkeMap& m) { return m.Pad().string(); },
         false},
        {"the same folder, written roundabout",
         [](const TijdelijkeMap& m) { return m / "sub/../."; }, false},
        {"a folder above it", [](const TijdelijkeMap& m) { return m.Pad().parent_path().string(); },
         false},
        {"a folder with other files",
         [](const TijdelijkeMap& m) {
             fs::create_directory(m / "web");
             Schrijf(m / "web/eigen.txt", "van de gebruiker");
             return m / "web";
         },
         false},
        {"a file",
         [](const TijdelijkeMap& m) {
             Schrijf(m / "web", "x");
             return m / "web";
         },
         false},
        {"a link to a folder",
         [](const TijdelijkeMap& m) {
             fs::create_directory(m / "echt");
             fs::create_directory_symlink(m / "echt", m / "web");
             return m / "web";
         },
         false},
        {"a new folder inside the competition's", [](const TijdelijkeMap& m) { return m / "web"; },
         true},
        {"an empty folder",
         [](const TijdelijkeMap& m) {
             fs::create_directory(m / "web");
             return m / "web/";
         },
         true},
        {"a folder whose parent is missing", [](const TijdelijkeMap& m) { return m / "a/b"; },
         false},
    };
    for (const Geval& g : gevallen) {
        SCOPED_TRACE(g.naam);
        TijdelijkeMap m;
        const std::string bestand = KopieerHeleDemo(m);
        const std::string uit = g.bereid(m);
        const auto voor = LeesMap(m.Pad());
        const auto r = Cli({"publish", bestand, uit});
        EXPECT_EQ(r.status, g.gelukt ? 0 : 1) << r.err;
        if (g.gelukt) {
            EXPECT_TRUE(fs::exists(fs::path(uit) / "index.html"));
            EXPECT_TRUE(fs::exists(fs::path(uit) / "groep-1/index.html"));
        } else {
            EXPECT_FALSE(r.err.empty());
            EXPECT_EQ(LeesMap(m.Pad()), voor); // nothing written, nothing lost
        }
        EXPECT_TRUE(Restanten(m.Pad()).empty());
    }
}

TEST(Publiceren, VervangtEenEerdereSiteMetDezelfdeBytes) {
    TijdelijkeMap m;
    const std::string bestand = KopieerHeleDemo(m);
    const std::string uit = m / "web";
    ASSERT_EQ(Cli({"publish", bestand, uit}).status, 0);
    const auto eerste = LeesMap(uit);
    // A page left from an older site (a round since deleted) goes with the swap.
    Schrijf(fs::path(uit) / "groep-1/ronde-99.html", "oud");
    ASSERT_EQ(Cli({"publish", bestand, uit}).status, 0);
    EXPECT_EQ(LeesMap(uit), eerste);
    EXPECT_TRUE(Restanten(m.Pad()).empty());

    // Only the groups asked for; a group that does not exist is refused before anything.
    const auto r = Cli({"publish", bestand, m / "web2", "--groups", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(m / "web2/groep-2/kruistabel.html"));
    EXPECT_FALSE(fs::exists(m / "web2/groep-1"));
    EXPECT_EQ(Cli({"publish", bestand, m / "web3", "--groups", "1,7"}).status, 1);
    EXPECT_FALSE(fs::exists(m / "web3"));
}

TEST(Publiceren, NamenInElkeLetterVanDeCodepagina) {
    TijdelijkeMap m;
    const std::string bestand = KopieerHeleDemo(m);
    const std::string naam = "Œlschläger-IJ, Šž€"; // names hold at most 20 characters
    {
        Competitie c;
        ASSERT_TRUE(LeesBestand(c, bestand).Ok());
        c.Spelers.At(0).W().Naam = naam;
        c.Gewijzigd = true;
        ASSERT_TRUE(SchrijfBestand(c).Ok());
    }
    Competitie c;
    ASSERT_TRUE(LeesBestand(c, bestand).Ok());
    const int32_t intern = c.Spelers.At(0).InternNummer();
    const web::Site site = web::BouwSite(c, {});
    const std::string pagina = site.Bestanden.at("groep-1/" + web::Spelerpagina(intern));
    EXPECT_NE(pagina.find("<h1>" + naam + "</h1>"), std::string::npos);
    EXPECT_NE(site.Bestanden.at("groep-1/index.html").find(">" + naam + "</a>"), std::string::npos);
    EXPECT_NE(pagina.find("<meta charset=\"utf-8\">"), std::string::npos);
}

} // namespace
} // namespace velkaro::test
