// Damaged competition files load as far as they go, but say so; a main file listing many
// groups opens in time proportional to its size.
#include "hulp.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>

using namespace velkaro;
using namespace velkaro::test;
namespace fs = std::filesystem;

namespace {

// A saved competition with three groups; group 1 (open) has two players, a match (and so a
// round) and a category.
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
    c.Categorieen.push_back({"A", "Junioren"});
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
}

// Damage that keeps the file readable: a count that disagrees with the lines after it, a file
// cut cleanly at a block boundary, lines after the last block, negative numbers, a group file
// number used twice. Each loads
// as far as it goes and says so, like a file cut in the middle of a value.
TEST(Beschadigd, AannemelijkeSchadeWordtGemeld) {
    TijdelijkeMap map;
    const std::string hoofd = MaakCompetitie(map);
    const auto hoofdregels = Bestandsregels(Lees(hoofd));
    const auto groepregels = Bestandsregels(Lees(map / "club.101"));
    // Group file: 2 players of 31 lines, 1 round, 1 match, 25 settings lines, 1 category, 30
    // option values. Main file: 3 groups of 5 lines, then the open group and 4 preferences.
    ASSERT_EQ(groepregels.size(), 133u);
    ASSERT_EQ(hoofdregels.size(), 22u);
    using Regelwijziging = std::function<void(std::vector<std::string>&)>;
    auto zet = [](std::size_t regel, std::string waarde) -> Regelwijziging {
        return [=](std::vector<std::string>& r) { r[regel] = waarde; };
    };
    auto kap = [](std::size_t regels) -> Regelwijziging {
        return [=](std::vector<std::string>& r) { r.resize(regels); };
    };
    const Regelwijziging extra = [](std::vector<std::string>& r) { r.push_back("7"); };
    struct Geval {
        const char* naam;
        bool hoofdbestand;
        Regelwijziging wijzig;
    };
    const std::vector<Geval> gevallen = {
        {"heel", false, nullptr},
        {"lege regel achteraan", false, [](auto& r) { r.push_back(""); }},
        {"1 speler", false, zet(0, "1")},
        {"3 spelers", false, zet(0, "3")},
        {"0 rondes", false, zet(63, "0")},
        {"2 rondes", false, zet(63, "2")},
        {"0 wedstrijden", false, zet(66, "0")},
        {"2 wedstrijden", false, zet(66, "2")},
        {"0 categorieen", false, zet(100, "0")},
        {"2 categorieen", false, zet(100, "2")},
        {"na de spelers", false, kap(63)},
        {"na de rondes", false, kap(66)},
        {"na de wedstrijden", false, kap(75)},
        {"na de instellingen", false, kap(100)},
        {"na de categorieen", false, kap(103)},
        {"regel na het einde", false, extra},
        {"lotingnummer dubbel", false, zet(32, "1")},
        {"lotingnummer negatief", false, zet(1, "-1")},
        {"2 groepen", true, zet(1, "2")},
        {"4 groepen", true, zet(1, "4")},
        {"na de groepenlijst", true, kap(17)},
        {"na de open groep", true, kap(18)},
        {"regel na Vastfont", true, extra},
        {"groepsbestand dubbel", true, zet(9, "1")},
        {"groepsbestand negatief", true, zet(9, "-2")},
    };
    for (const auto& g : gevallen) {
        auto hoofdkopie = hoofdregels, groepkopie = groepregels;
        if (g.wijzig) g.wijzig(g.hoofdbestand ? hoofdkopie : groepkopie);
        Schrijf(hoofd, Bestandstekst(hoofdkopie));
        Schrijf(map / "club.101", Bestandstekst(groepkopie));
        Competitie c;
        const auto r = LeesBestand(c, hoofd);
        ASSERT_TRUE(r.Ok()) << g.naam;
        // Two players may share a drawing number: quick entry allows it.
        if (!g.wijzig || g.naam == std::string("lege regel achteraan") ||
            g.naam == std::string("lotingnummer dubbel")) {
            EXPECT_TRUE(r.Schade.empty()) << g.naam;
            continue;
        }
        if (r.Schade.empty()) {
            ADD_FAILURE() << g.naam << " loaded without a report";
            continue;
        }
        EXPECT_EQ(r.Schade[0].Hoofdbestand, g.hoofdbestand) << g.naam;
    }
}

TEST(Beschadigd, OudBestandMetBeschadigdeGroepWordtNietOmgezet) {
    TijdelijkeMap map;
    const std::string hoofd = MaakCompetitie(map);
    std::string inhoud = Lees(hoofd);
    Schrijf(hoofd, "701" + inhoud.substr(3));
    // An empty group in the older layout: no Optievlaggen after the 24 settings lines.
    auto leeg = Bestandsregels(SchrijfGroepTekst(Competitie()));
    leeg.erase(leeg.begin() + 3 + 24);
    Schrijf(map / "club.101", Bestandstekst(leeg));
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
