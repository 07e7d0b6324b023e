// Damaged competition files load as far as they go, but say so; a main file listing many
// groups opens in time proportional to its size.
#include "hulp.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>

using namespace velkaro;
using velkaro::test::Lees;
using velkaro::test::Schrijf;
using velkaro::test::TijdelijkeMap;
namespace fs = std::filesystem;

namespace {

// A saved competition with three groups; group 1 (open) has two players and a match.
std::string MaakCompetitie(const TijdelijkeMap& map) {
    Competitie c;
    c.Bestandsnaam = map / "club.xv7";
    c.Groepen.Voegtoe({2, "", 2, false, ""});
    c.Groepen.Voegtoe({3, "", 3, false, ""});
    Spelergegevens a, b;
    a.Lotingnummer = 1;
    a.Naam = "Anna";
    b.Lotingnummer = 2;
    b.Naam = "Bert";
    c.Spelers.Voegtoe(a);
    c.Spelers.Voegtoe(b);
    c.Wedstrijden.Voegtoe({1, 1, 1, 2, 2, 0, true, false});
    c.HuidigeDeelcomp = 1;
    EXPECT_TRUE(SchrijfBestand(c).Ok());
    return c.Bestandsnaam;
}

// The group file with its first line (the player count) replaced.
std::string MetAantal(const std::string& groep, const std::string& aantal) {
    return aantal + groep.substr(groep.find("\r\n"));
}

} // namespace

TEST(Beschadigd, GroepsbestandMeldtWatEraanMankeert) {
    TijdelijkeMap map;
    const std::string hoofd = MaakCompetitie(map);
    const std::string groep = Lees(map / "club.101");
    struct Geval {
        const char* naam;
        std::function<void(const std::string&)> maak;
        std::optional<Schadesoort> verwacht;
    };
    const std::vector<Geval> gevallen = {
        {"heel", [&](const std::string& p) { Schrijf(p, groep); }, std::nullopt},
        {"ontbreekt", [](const std::string& p) { fs::remove(p); }, Schadesoort::Ontbreekt},
        {"leeg", [](const std::string& p) { Schrijf(p, ""); }, Schadesoort::Afgekapt},
        {"midden in een speler", [&](const std::string& p) { Schrijf(p, groep.substr(0, 60)); },
         Schadesoort::Afgekapt},
        {"zonder de laatste regel",
         [&](const std::string& p) {
             Schrijf(p, groep.substr(0, groep.rfind("\r\n", groep.size() - 3) + 2));
         },
         Schadesoort::Afgekapt},
        {"negatief aantal", [&](const std::string& p) { Schrijf(p, MetAantal(groep, "-1")); },
         Schadesoort::OngeldigAantal},
        {"letters", [&](const std::string& p) { Schrijf(p, MetAantal(groep, "abc")); },
         Schadesoort::OngeldigAantal},
        {"reusachtig aantal",
         [&](const std::string& p) { Schrijf(p, MetAantal(groep, "2147483647")); },
         Schadesoort::Afgekapt},
        {"pijp",
         [](const std::string& p) {
             fs::remove(p);
             ::mkfifo(p.c_str(), 0644);
         },
         Schadesoort::GeenGewoonBestand},
        {"map",
         [](const std::string& p) {
             fs::remove(p);
             fs::create_directory(p);
         },
         Schadesoort::Onleesbaar},
    };
    for (const auto& g : gevallen) {
        fs::remove_all(map / "club.101");
        g.maak(map / "club.101");
        Competitie c;
        const auto r = LeesBestand(c, hoofd);
        ASSERT_TRUE(r.Ok()) << g.naam; // loaded all the same, as far as it goes
        if (!g.verwacht) {
            EXPECT_TRUE(r.Schade.empty()) << g.naam;
            EXPECT_EQ(c.Spelers.Aantal(), 2u);
            continue;
        }
        ASSERT_EQ(r.Schade.size(), 1u) << g.naam;
        EXPECT_EQ(r.Schade[0].Soort, *g.verwacht) << g.naam;
        EXPECT_EQ(r.Schade[0].Pad, map / "club.101");
        EXPECT_FALSE(r.Schade[0].Hoofdbestand);
    }
}

TEST(Beschadigd, AfgekaptHoofdbestandVerliestGeenGroepen) {
    TijdelijkeMap map;
    const std::string hoofd = MaakCompetitie(map);
    const std::string inhoud = Lees(hoofd);
    for (std::size_t lengte : {std::size_t{3}, std::size_t{12}, inhoud.find("\r\n3\r\n\r\n") + 5}) {
        Schrijf(hoofd, inhoud.substr(0, lengte));
        Competitie c;
        const auto r = LeesBestand(c, hoofd);
        ASSERT_TRUE(r.Ok()) << lengte;
        ASSERT_FALSE(r.Schade.empty()) << lengte;
        EXPECT_TRUE(r.Schade[0].Hoofdbestand);
        EXPECT_EQ(r.Schade[0].Soort, Schadesoort::Afgekapt);
    }
    // Cut after the whole group list: the values that follow have their defaults.
    Schrijf(hoofd,
            inhoud.substr(0, inhoud.find("Times") == std::string::npos ? inhoud.size()
                                                                       : inhoud.find("Times")));
    Competitie c;
    EXPECT_TRUE(LeesBestand(c, hoofd).Schade.empty());
    EXPECT_EQ(c.Groepen.Aantal(), 3u);
}

TEST(Beschadigd, OudBestandMetBeschadigdeGroepWordtNietOmgezet) {
    TijdelijkeMap map;
    const std::string hoofd = MaakCompetitie(map);
    std::string inhoud = Lees(hoofd);
    Schrijf(hoofd, "701" + inhoud.substr(3));
    Schrijf(map / "club.101", SchrijfGroepTekst(Competitie())); // empty: reads alike in 701
    Schrijf(map / "club.102", "3\r\n7\r\n");
    const std::string oud101 = Lees(map / "club.101");
    Competitie c;
    const auto r = LeesBestand(c, hoofd);
    EXPECT_EQ(r.Fout, Bestandsfout::Beschadigd);
    EXPECT_EQ(r.Pad, map / "club.102");
    EXPECT_EQ(Lees(map / "club.101"), oud101); // nothing was converted
    EXPECT_EQ(Lees(map / "club.102"), "3\r\n7\r\n");
}

TEST(Beschadigd, OpenenIsLineairInDeGrootte) {
    // Groups without a file number: each one used to search all numbers of all groups.
    auto maak = [](const TijdelijkeMap& map, int groepen) {
        std::string s = "702\r\n" + std::to_string(groepen) + "\r\n";
        for (int i = 0; i < groepen; ++i) s += "1\r\n\r\n0\r\nFALSE\r\n\r\n";
        s += "1\r\nArial\r\n30\r\nTRUE\r\nCourier New\r\n";
        Schrijf(map / "veel.xv7", s);
        const auto begin = std::chrono::steady_clock::now();
        Competitie c;
        EXPECT_TRUE(LeesBestand(c, map / "veel.xv7").Ok());
        EXPECT_EQ(c.Groepen.Aantal(), static_cast<std::size_t>(groepen));
        EXPECT_EQ(c.Groepen.At(groepen - 1).G().Bestandsnummer, groepen); // numbered 1, 2, ...
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    };
    TijdelijkeMap map;
    // 6000 groups took over 15 seconds; linear reading takes milliseconds.
    EXPECT_LT(maak(map, 6000), 1.0);
}
