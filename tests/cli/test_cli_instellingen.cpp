// velkaro-cli settings, tournament and new with options: a season scripted from nothing, the
// settings dialog's reactions and refusals on the command line, the tournament data.
#include "cli/json.h"
#include "cli_hulp.h"
#include "json_hulp.h"
#include "lang/teksten.h"
#include "model/competitie.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace velkaro;
using velkaro::cli::Json;
using namespace velkaro::test;

namespace {

// A competition made on the command line alone: the settings given to "new", sixteen players,
// three rounds paired by the program or, where its system cannot pair yet, added by hand
// (board b meets 9 + (b + r - 2) mod 8), each given random results.
std::string Seizoen(const TijdelijkeMap& map, const std::string& naam,
                    const std::vector<std::string>& instellingen, bool paren) {
    const std::string f = map / (naam + ".xv7");
    std::vector<std::string> nieuw{"new", f, "--name", naam};
    nieuw.insert(nieuw.end(), instellingen.begin(), instellingen.end());
    Gelukt(nieuw);
    for (int i = 1; i <= 16; ++i)
        Gelukt({"player", "add", f, "--name", "Speler " + std::to_string(i), "--rating",
                std::to_string(1500 - 20 * i)});
    for (int r = 1; r <= 3; ++r) {
        if (paren) {
            Gelukt({"pair", f});
        } else {
            for (int b = 1; b <= 8; ++b)
                Gelukt({"match", "add", f, std::to_string(r), std::to_string(b),
                        std::to_string(9 + (b + r - 2) % 8)});
        }
        Gelukt({"results", "random", f, std::to_string(r), "--seed", std::to_string(r)});
    }
    return f;
}

} // namespace

TEST(CliInstellingen, SeizoenVanafNietsOpDeOpdrachtregel) {
    TijdelijkeMap map;
    const auto zwitsers = Seizoen(
        map, "zwitsers", {"--system", "swiss", "--chess-notation", "yes", "--sort", "56"}, true);
    const auto keizer = Seizoen(map, "keizer", {"--system", "keizer"}, false);
    const auto laren = Seizoen(map, "laren", {"--system", "laren", "--laren-base", "100"}, false);

    const Json z = StandVergeleken(zwitsers);
    EXPECT_EQ(z.at("system").at("number"), 1);
    EXPECT_EQ(z.at("sort_order"), 56);
    EXPECT_EQ(z.at("columns"), Json::parse(R"(["resistance_minus_lowest",
                                               "resistance_minus_lowest_highest"])"));
    EXPECT_EQ(z.at("players").size(), 16u);
    int punten = 0;
    for (const auto& s : z.at("players")) punten += s.at("points").get<int>();
    EXPECT_EQ(punten, 3 * 8 * 2); // chess notation counts 2 per game in the file
    const Json k = StandVergeleken(keizer);
    EXPECT_EQ(k.at("columns"), Json::parse(R"(["keizer_total", "keizer_value"])"));
    EXPECT_EQ(StandVergeleken(laren).at("system").at("number"), 17);

    const Json instellingen = Json::parse(Cli({"settings", zwitsers, "--json"}).out);
    EXPECT_TRUE(instellingen.at("chess_notation").get<bool>());
    EXPECT_EQ(instellingen.at("sort_order").at("criteria"), Json::parse("[5, 6]"));
    EXPECT_EQ(Json::parse(Cli({"settings", laren, "--json"}).out).at("laren_base"), 100);
    // Chess notation shows the results as 1-0, ½-½, 0-1, in UTF-8.
    const Json lijst = Json::parse(Cli({"match", "list", zwitsers, "2", "--json"}).out);
    for (const auto& w : lijst.at("matches"))
        EXPECT_TRUE(w.at("result") == "1-0" || w.at("result") == "½-½" || w.at("result") == "0-1")
            << w.dump();
    EXPECT_EQ(Json::parse(Cli({"tournament", keizer, "--json"}).out).at("name"), "keizer");

    // The Keizer and Laren groups pair their next round: eight boards of round 4.
    for (const std::string& f : {keizer, laren}) {
        const auto paring = Cli({"pair", f});
        EXPECT_EQ(paring.status, 0) << paring.err;
        EXPECT_EQ(std::count(paring.out.begin(), paring.out.end(), '\n'), 9) << paring.out;
        EXPECT_NE(paring.out.find("\n    4 "), std::string::npos) << paring.out;
    }

    // The executable writes the same single document on standard output.
    const auto p = Proces("standings " + zwitsers + " --no-save --json");
    EXPECT_EQ(p.status, 0);
    EXPECT_EQ(Json::parse(p.out), z);
}

TEST(CliInstellingen, ReactiesVanHetInstellingenscherm) {
    TijdelijkeMap map;
    const std::string f = map / "r.xv7";
    Gelukt({"new", f});
    auto Lees = [&] {
        auto c = std::make_unique<Competitie>();
        EXPECT_TRUE(LeesBestand(*c, f).Ok());
        return c;
    };
    auto Zet = [&](std::vector<std::string> opties) {
        opties.insert(opties.begin(), {"settings", f});
        Gelukt(opties);
        return Lees()->Opties;
    };
    auto o = Zet({"--system", "swiss", "--colour-dominant", "yes", "--max-colour-difference", "3"});
    EXPECT_EQ(std::tie(o.Sorteervolgorde, o.KleurDominant, o.MaxKleurverschil),
              std::make_tuple(47, 1, 3));
    // Choosing a Swiss system again clears colour dominance and resets the difference.
    o = Zet({"--system", "swiss-rating"});
    EXPECT_EQ(std::tie(o.Sorteervolgorde, o.KleurDominant, o.MaxKleurverschil),
              std::make_tuple(21, 0, 2));

    o = Zet({"--kndb-delfts", "yes"});
    EXPECT_TRUE(o.KNDBDelfts());
    EXPECT_EQ(std::tie(o.PuntenWinst, o.PuntenPlusRemise, o.PuntenMinRemise),
              std::make_tuple(4, 3, 1));
    o = Zet({"--chess-notation", "yes"});
    EXPECT_FALSE(o.KNDBDelfts());
    EXPECT_EQ(std::tie(o.PuntenWinst, o.PuntenPlusRemise), std::make_tuple(2, 0));
    o = Zet({"--chess-notation", "no", "--plus-minus-draws", "5,2", "--points", "6,3,0"});
    EXPECT_EQ(std::tie(o.PuntenWinst, o.PuntenPlusRemise, o.PuntenMinRemise),
              std::make_tuple(6, 5, 2));
    o = Zet({"--plus-minus-draws", "off"});
    EXPECT_EQ(std::tie(o.PuntenWinst, o.PuntenPlusRemise), std::make_tuple(2, 0));

    o = Zet({"--system", "keizer", "--keizer", "120,60,10,40", "--keizer-first", "50",
             "--keizer-optimise", "yes"});
    EXPECT_EQ(std::tie(o.Rekensysteem, o.Sorteervolgorde, o.KeizerNietGespeeld, o.PuntenNr1,
                       o.NietOptimaliseren),
              std::make_tuple(SysteemKeizer, 0, 40, 50, 0));
    o = Zet({"--system", "4", "--rating-method", "performance", "--starting-rating", "1800"});
    EXPECT_EQ(std::tie(o.Ratingmethode, o.Aanvangsrating), std::make_tuple(0, 1800));
    Gelukt({"settings", f, "--system", "average", "--place-round-gap", "4", "--weigh-opponents",
            "yes"});
    auto c = Lees();
    EXPECT_EQ(std::tie(c->Geleden, c->Opties.NietWegen), std::make_tuple(4, 0));

    // The bye: off by default, its score only with it on.
    EXPECT_FALSE(Lees()->Opties.VrijBijOneven());
    EXPECT_EQ(Cli({"settings", f, "--bye-score", "draw"}).status, 2);
    const auto vrij = Cli({"settings", f, "--bye", "yes", "--bye-score", "nothing"});
    ASSERT_EQ(vrij.status, 0) << vrij.err;
    EXPECT_NE(vrij.out.find("Bye:                    odd number yes, scores nothing\n"),
              std::string::npos)
        << vrij.out;
    c = Lees();
    EXPECT_TRUE(c->Opties.VrijBijOneven());
    EXPECT_EQ(c->Opties.VrijScore(), Vrijscore::Niets);
    EXPECT_EQ(Json::parse(Cli({"settings", f, "--json"}).out).at("bye"),
              Json::parse(R"({"odd_number": true, "score": "nothing"})"));
    EXPECT_EQ(Cli({"settings", f, "--bye-score", "half"}).status, 2);

    // The FMJD rating switch resets every player's rating in use from the chosen source.
    Gelukt({"player", "add", f, "--name", "Een", "--rating", "1300", "--fmjd-rating", "1900"});
    Gelukt({"settings", f, "--fmjd-rating", "yes"});
    EXPECT_EQ(Lees()->Spelers.At(0).G().Rating, 1900);
}

TEST(CliInstellingen, WeigeringenLatenHetBestandOnaangeroerd) {
    TijdelijkeMap map;
    const std::string f = map / "w.xv7";
    Gelukt({"new", f, "--system", "swiss"});
    const std::string geenGetal = lang::Tekst(lang::T::GeenGeldigGetal) + "\n";
    const std::string sorteer = lang::Tekst(lang::T::SorteervolgordeOnjuist) + "\n";
    struct Geval {
        std::vector<std::string> opties;
        int status;
        std::string err; // the whole of stderr for a refusal
    };
    const Geval gevallen[] = {
        // Values out of range or no number.
        {{"--sort", "389"}, 0, ""}, // fits: begins with 3
        {{"--sort", "389012"}, 1, geenGetal},
        {{"--sort", "3x"}, 1, geenGetal},
        {{"--colour-dominant", "yes", "--max-colour-difference", "10"}, 1, geenGetal},
        {{"--system", "normal", "--points", "10,1,0"}, 1, geenGetal},
        {{"--system", "normal", "--points", "2,-1,0"}, 1, geenGetal},
        {{"--system", "keizer", "--keizer", "100,50,0,1000"}, 1, geenGetal},
        {{"--system", "rating", "--correction-factor", "10000"}, 1, geenGetal},
        {{"--system", "laren", "--laren-base", "755"}, 1, geenGetal},
        {{"--system", "laren", "--laren-base", "65"}, 1, geenGetal},
        {{"--system", "average", "--place-min-games", "1001"}, 1, geenGetal},
        // Combinations the dialog cannot make.
        {{"--chess-notation", "yes", "--kndb-delfts", "yes"}, 2, ""},
        {{"--kndb-delfts", "yes", "--points", "3,1,0"}, 2, ""},
        {{"--system", "keizer", "--sort", "34"}, 2, ""},
        {{"--max-colour-difference", "3"}, 2, ""},
        {{"--system", "normal", "--four-player-teams", "yes"}, 2, ""},
        {{"--keizer-first", "90"}, 2, ""},
        {{"--points", "2,1"}, 2, ""},
        {{"--system", "16"}, 2, ""},
    };
    for (const auto& g : gevallen) {
        std::vector<std::string> args{"settings", f};
        args.insert(args.end(), g.opties.begin(), g.opties.end());
        std::string wat;
        for (const auto& o : g.opties) wat += o + " ";
        if (g.status == 0) {
            EXPECT_EQ(Cli(args).status, 0) << wat;
            continue;
        }
        const std::string xv7 = Lees(f), groep = Lees(map / "w.101");
        const auto r = Cli(args);
        EXPECT_EQ(r.status, g.status) << wat;
        if (!g.err.empty()) {
            EXPECT_EQ(r.err, g.err) << wat;
        }
        EXPECT_EQ(Lees(f), xv7) << wat;
        EXPECT_EQ(Lees(map / "w.101"), groep) << wat;
        // "new" refuses the same on the same settings and leaves no file behind.
        std::vector<std::string> nieuw{"new", map / "n.xv7"};
        if (std::find(g.opties.begin(), g.opties.end(), "--system") == g.opties.end())
            nieuw.insert(nieuw.end(), {"--system", "swiss"});
        nieuw.insert(nieuw.end(), g.opties.begin(), g.opties.end());
        EXPECT_EQ(Cli(nieuw).status, g.status) << wat;
        EXPECT_FALSE(std::filesystem::remove(map / "n.xv7")) << wat;
    }
    // The Swiss sort-order check puts 47 in place of an unfit order, as the dialog does, and
    // warns in the language chosen; the rest of the command still applies.
    const struct {
        std::vector<std::string> opties;
        std::string err;
    } aangepast[] = {
        {{"--sort", "21"}, sorteer},
        {{"--sort", "7", "--points", "3,1,0"}, sorteer},
        {{"--system", "1", "--sort", "123"}, sorteer},
        {{"--lang", "en", "--sort", "12"}, "Sort order incorrect - set to the default\n"},
    };
    for (const auto& g : aangepast) {
        std::vector<std::string> args{"settings", f};
        if (g.opties[0] == "--lang") args.insert(args.begin(), {"--lang", "en"});
        for (const auto& o : g.opties)
            if (o != "--lang" && o != "en") args.push_back(o);
        Gelukt({"settings", f, "--sort", "389", "--points", "2,1,0"});
        const auto r = Cli(args);
        EXPECT_EQ(r.status, 0) << g.opties[1];
        EXPECT_EQ(r.err, g.err) << g.opties[1];
        Competitie c;
        ASSERT_TRUE(LeesBestand(c, f).Ok());
        EXPECT_EQ(c.Opties.Sorteervolgorde, 47) << g.opties[1];
        if (g.opties.size() > 2 && g.opties[2] == "--points") {
            EXPECT_EQ(c.Opties.PuntenWinst, 3);
        }
    }
}

TEST(CliInstellingen, Toernooigegevens) {
    TijdelijkeMap map;
    const std::string f = map / "t.xv7";
    Gelukt({"new", f, "--name", "Open Zwolle", "--from", "01-07-2026", "--to", "03072026",
            "--place", "Zwolle", "--arbiter-email", "ar@example.org", "--time-control",
            "80 min + 1 min/zet"});
    Competitie c;
    ASSERT_TRUE(LeesBestand(c, f).Ok());
    EXPECT_EQ(
        std::tie(c.Opties.Toernooinaam, c.Groepen.At(0).G().Titel, c.Toernooi.SpeelVan,
                 c.Toernooi.SpeelTot, c.Toernooi.AREmail),
        std::make_tuple("Open Zwolle", "Open Zwolle", "01072026", "03072026", "ar@example.org"));

    Gelukt({"tournament", f, "--place", "", "--country", "NED"});
    const auto r = Cli({"tournament", f});
    EXPECT_NE(r.out.find("From:               01-07-2026\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Place:              \n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Country:            NED\n"), std::string::npos) << r.out;
    const Json j = Json::parse(Cli({"tournament", f, "--json"}).out);
    EXPECT_EQ(
        std::forward_as_tuple(j.at("to"), j.at("chief_arbiter").at("email"), j.at("time_control")),
        std::make_tuple("03-07-2026", "ar@example.org", "80 min + 1 min/zet"));

    const std::string voor = Lees(map / "t.101");
    EXPECT_EQ(Cli({"tournament", f, "--from", "1 juli"}).status, 2);
    EXPECT_EQ(Cli({"tournament", f, "--to", "01-07-20261"}).status, 2);
    EXPECT_EQ(Lees(map / "t.101"), voor);
}
