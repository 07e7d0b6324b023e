// velkaro-cli ratinglist on list files written here.
#include "../storage/ratingbestanden.h"
#include "cli_hulp.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace velkaro::test;

TEST(CliRatinglijst, ToontEnZoekt) {
    TijdelijkeMap map;
    Schrijf(map / "KNDBRAT4.DAT",
            NationaalRecord({"Karel", "'t", "K.", "Hart", "Ede", 1810, "GMN", 16000102}, true) +
                NationaalRecord({"Anna", " ", "A.", "Bakker", "Zwolle", 1200, "", 0}, true) +
                NationaalRecord({"Bram", " ", "B.", "Bakker", "Assen", 1390, "cMN", 0}, true));
    auto r = Cli({"ratinglist", map / "KNDBRAT4.DAT", "--find", "bakker b"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, map / "KNDBRAT4.DAT" + " (3 spelers)\n1390\tBakker, B. Bram Assen \n");

    Schrijf(map / "wereld.bin", FMJDKop("2024 Q3") +
                                    FMJDRecord(30001, "Ndiaye", "Bassirou", "SEN", "GMI", 2380) +
                                    FMJDRecord(40002, "Li", "Xu", "CHN", "", 2010));
    r = Cli({"ratinglist", map / "wereld.bin", "--format", "fmjd", "--json", "--lang", "en"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["edition"], "2024 Q3");
    EXPECT_EQ(j["entries"], 2);
    EXPECT_EQ(j["found"][0]["name"], "Xu Li"); // sorted on the surname
    EXPECT_EQ(j["found"][1]["fmjd_id"], 30001);

    EXPECT_EQ(Cli({"ratinglist", map / "wereld.bin"}).status, 2); // layout unknown
    EXPECT_EQ(Cli({"ratinglist", map / "wereld.bin", "--format", "x"}).status, 2);
    r = Cli({"ratinglist", map / "ELO2BOND.DAT"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Bestand kan niet worden geopend"), std::string::npos) << r.err;
}

// Lists in the user's data folder: player add and edit take a player over as the dialog's click
// on a list line does, and the norm table names the FMJD list and takes its names.
TEST(CliRatinglijst, SpelerUitDeLijsten) {
    TijdelijkeMap map, dataMap, leegMap;
    const std::string data = dataMap.Pad().string(), leeg = leegMap.Pad().string();
    const std::string xv7 = KopieerDemo(map);
    std::filesystem::create_directories(data + "/velkaro");
    Schrijf(data + "/velkaro/KNDBRAT4.DAT",
            NationaalRecord({"Karel", "'t", "K.", "Hart", "Ede", 1810, "GMN", 16000102}, true) +
                NationaalRecord({"Anna", " ", "A.", "Bakker", "Zwolle", 1200, "", 0}, true) +
                NationaalRecord({"Bram", " ", "B.", "Bakker", "Assen", 1390, "cMN", 0}, true));
    Schrijf(data + "/velkaro/FMJD2VK.DAT",
            FMJDKop("2024 Q3") + FMJDRecord(16000001, "Ndiaye", "Bassirou", "SEN", "GMI", 2380));
    const char* oud = std::getenv("XDG_DATA_HOME");
    const std::string bewaard = oud ? oud : "";
    auto zet = [](const std::string& m) { setenv("XDG_DATA_HOME", m.c_str(), 1); };

    zet(data);
    auto speler = [&](int nummer) {
        const auto j = nlohmann::json::parse(Cli({"player", "list", xv7, "--json"}).out);
        for (const auto& s : j["players"])
            if (s["number"] == nummer) return s;
        return nlohmann::json();
    };
    auto r = Cli({"player", "add", xv7, "--from-list", "hart", "--number", "40"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto s = speler(40);
    EXPECT_EQ(s["name"], "Karel 't Hart"); // the full first name, as the group is set
    EXPECT_EQ(std::forward_as_tuple(s["short_name"], s["national_rating"], s["fmjd_id"]),
              std::make_tuple("HAR", 1810, 16000102));
    // An option given as well changes what was taken over.
    r = Cli({"player", "edit", xv7, "40", "--from-fmjd", "16000001", "--place", "Dakar"});
    ASSERT_EQ(r.status, 0) << r.err;
    s = speler(40);
    EXPECT_EQ(std::forward_as_tuple(s["name"], s["country"], s["fmjd_rating"], s["place"]),
              std::make_tuple("Bassirou Ndiaye", "SEN", 2380, "Dakar"));
    r = Cli({"report", xv7, "--kind", "norms"});
    EXPECT_NE(r.out.find("FMJD-ratingfile : FMJD2VK.DAT"), std::string::npos) << r.out;

    const struct {
        std::string map;
        std::vector<std::string> opties;
        int status;
        const char* melding;
    } weigeringen[] = {
        {data, {"--from-list", "bakker"}, 1, "2 entries"},
        {data, {"--from-list", "jansen"}, 1, "0 entries"},
        {data, {"--from-fmjd", "16000002"}, 1, "not in"},
        {data, {"--from-fmjd", "x"}, 2, "--from-fmjd"},
        {data, {"--from-list", "hart", "--from-fmjd", "16000001"}, 2, "not both"},
        {leeg, {"--from-list", "hart"}, 1, "no national rating list"},
        {leeg, {"--from-fmjd", "16000001"}, 1, "no FMJD rating list"},
    };
    for (const auto& w : weigeringen) {
        zet(w.map);
        std::vector<std::string> args{"player", "add", xv7};
        args.insert(args.end(), w.opties.begin(), w.opties.end());
        r = Cli(args);
        EXPECT_EQ(r.status, w.status) << w.opties[1];
        EXPECT_NE(r.err.find(w.melding), std::string::npos) << r.err;
    }
    zet(leeg);
    r = Cli({"report", xv7, "--kind", "norms", "--no-save"});
    EXPECT_NE(r.out.find("FMJD-ratingfile : (geen lijst geladen)"), std::string::npos) << r.out;

    if (oud)
        zet(bewaard);
    else
        unsetenv("XDG_DATA_HOME");
}
