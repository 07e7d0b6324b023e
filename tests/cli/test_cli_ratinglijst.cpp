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
