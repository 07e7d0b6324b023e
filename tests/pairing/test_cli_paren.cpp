// velkaro-cli pair and player mark, run in-process on copies of the demo competition.
#include "../cli/cli_hulp.h"
#include "entry/bestand.h"
#include "model/competitie.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace velkaro;
using velkaro::test::Cli;
using velkaro::test::TijdelijkeMap;

namespace {

std::size_t Regels(const std::string& s) {
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), '\n'));
}

// A copy of the demo competition in a temporary folder.
class CliParen : public ::testing::Test {
protected:
    TijdelijkeMap map;
    const std::string f = test::KopieerDemo(map);
};

} // namespace

TEST_F(CliParen, PaartDeVolgendeRondeVanDeDemo) {
    const auto r = Cli({"pair", f});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Regels(r.out), 8u); // heading and seven boards
    Competitie c;
    ASSERT_TRUE(OpenBestand(c, f).Ok());
    std::set<int32_t> spelers;
    std::set<std::pair<int32_t, int32_t>> eerder;
    int nieuw = 0;
    for (const auto& w : c.Wedstrijden) {
        const auto& g = w->G();
        if (g.Ronde < 6) {
            eerder.insert({std::min(g.Wit, g.Zwart), std::max(g.Wit, g.Zwart)});
            continue;
        }
        ASSERT_EQ(g.Ronde, 6);
        EXPECT_FALSE(g.Gespeeld);
        EXPECT_EQ(g.Wedstrijdnummer, 36 + nieuw++);
        EXPECT_TRUE(spelers.insert(g.Wit).second);
        EXPECT_TRUE(spelers.insert(g.Zwart).second);
        EXPECT_FALSE(eerder.count({std::min(g.Wit, g.Zwart), std::max(g.Wit, g.Zwart)}));
    }
    EXPECT_EQ(nieuw, 7);
    EXPECT_EQ(spelers.size(), 14u);
    EXPECT_EQ(c.Opties.Sorteervolgorde, 47);

    // Round 6 has no result yet: it is proposed again and paired the same way.
    const auto opnieuw = Cli({"pair", f});
    ASSERT_EQ(opnieuw.status, 0);
    EXPECT_EQ(opnieuw.out, r.out);
    // With the results of round 6 in, the proposal moves on to round 7.
    for (int bord = 36; bord <= 42; ++bord)
        ASSERT_EQ(Cli({"result", f, "6", std::to_string(bord), "1", "1"}).status, 0);
    const auto zeven = Cli({"pair", f, "--trace"});
    ASSERT_EQ(zeven.status, 0) << zeven.err;
    EXPECT_NE(zeven.out.find("\n    7    43 "), std::string::npos) << zeven.out;
    EXPECT_TRUE(std::filesystem::exists(map / "vULWACHT"));
}

TEST_F(CliParen, OnevenEnOngelijkWordenGeweigerd) {
    auto r = Cli({"player", "mark", f, "3", "--off"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "In te roosteren: 13\nTotaal aantal spelers: 14\n");
    const std::string voor = test::Lees(map / "club.101");
    r = Cli({"pair", f});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Oneven aantal spelers"), std::string::npos) << r.err;
    EXPECT_EQ(test::Lees(map / "club.101"), voor); // nothing saved

    // An unequal number of games: the program's question, answered by --force only.
    ASSERT_EQ(Cli({"player", "mark", f, "3"}).status, 0);
    ASSERT_EQ(Cli({"match", "add", f, "6", "1", "2"}).status, 0);
    ASSERT_EQ(Cli({"result", f, "6", "1", "1", "1"}).status, 0);
    r = Cli({"pair", f, "--round", "7"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("ongelijk aantal gespeelde wedstrijden"), std::string::npos) << r.err;
    r = Cli({"--lang", "en", "pair", f, "--round", "7", "--force"});
    EXPECT_EQ(r.status, 0) << r.err;

    // With the bye switched on the odd number is paired: one player is "vrij", in every
    // language and in the JSON of the match list.
    ASSERT_EQ(Cli({"player", "mark", f, "3", "--off"}).status, 0);
    ASSERT_EQ(Cli({"settings", f, "--bye", "yes"}).status, 0);
    r = Cli({"pair", f, "--round", "7", "--force"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("-      vrij\n"), std::string::npos) << r.out;
    for (const auto& [taal, woord] :
         {std::pair{"nl", "\tvrij\t"}, std::pair{"en", "\tbye\t"}, std::pair{"fr", "\texempt\t"}}) {
        const auto lijst = Cli({"--lang", taal, "match", "list", f, "7"});
        EXPECT_EQ(std::count(lijst.out.begin(), lijst.out.end(), '\n'), 7) << lijst.out;
        EXPECT_NE(lijst.out.find(woord), std::string::npos) << lijst.out;
    }
    const auto json = Cli({"match", "list", f, "7", "--json"});
    EXPECT_EQ(json.out.find("\"bye\": true"), json.out.rfind("\"bye\": true")) << json.out;
    EXPECT_NE(json.out.find("\"bye\": true"), std::string::npos) << json.out;
}

TEST_F(CliParen, MarkerenEnGebruik) {
    EXPECT_EQ(Cli({"player", "mark", f, "--none"}).out,
              "In te roosteren: 0\nTotaal aantal spelers: 14\n");
    EXPECT_EQ(Cli({"player", "mark", f, "1", "2", "3"}).out,
              "In te roosteren: 3\nTotaal aantal spelers: 14\n");
    EXPECT_EQ(Cli({"--lang", "en", "player", "mark", f, "--all"}).out,
              "To be paired: 14\nTotal number of players: 14\n");
    EXPECT_EQ(Cli({"player", "mark", f, "99"}).status, 1);
    EXPECT_EQ(Cli({"player", "mark", f}).status, 2);
    EXPECT_EQ(Cli({"player", "mark", f, "--all", "--none"}).status, 2);
    EXPECT_EQ(Cli({"player", "mark", f, "--all", "--off"}).status, 2);
    EXPECT_EQ(Cli({"pair", f, "--colours", "purple"}).status, 2);
    EXPECT_EQ(Cli({"pair", f, "--round", "1001"}).status, 2);
    EXPECT_EQ(Cli({"pair", f, "extra"}).status, 2);
}

TEST_F(CliParen, Rondtoernooi) {
    // Group 2 is a round robin of ten players, its first half played.
    ASSERT_EQ(Cli({"group", "switch", f, "2"}).status, 0);
    const std::string voor = test::Lees(map / "club.102");
    auto r = Cli({"pair", f, "--round", "10", "--colours", "swapped"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Regels(r.out), 1u + 9 * 5); // the whole schedule from round 10
    EXPECT_NE(test::Lees(map / "club.102"), voor);
}

// The FMJD Swiss and the Swiss by rating through the command: seven boards for the demo's
// fourteen players, the system unchanged, and "--last-round" under the Swiss by rating leaving
// the sort order at 21 as the dialog does.
TEST_F(CliParen, ZwitsersVarianten) {
    struct Geval {
        const char* systeem;
        uint16_t nummer;
        bool laatste;
        int32_t volgorde; // the sort order afterwards; 0: as before
    };
    for (const Geval& g : {Geval{"fmjd-swiss", SysteemFMJDZwitsers, false, 0},
                           Geval{"swiss-rating", SysteemZwitsersRating, false, 0},
                           Geval{"swiss-rating", SysteemZwitsersRating, true, 21}}) {
        TijdelijkeMap map;
        const std::string f = test::KopieerDemo(map);
        ASSERT_EQ(Cli({"settings", f, "--system", g.systeem}).status, 0) << g.systeem;
        Competitie voor;
        ASSERT_TRUE(OpenBestand(voor, f).Ok());
        std::vector<std::string> args{"pair", f};
        if (g.laatste) args.push_back("--last-round");
        const auto r = Cli(args);
        ASSERT_EQ(r.status, 0) << g.systeem << r.err;
        EXPECT_EQ(Regels(r.out), 8u) << r.out;
        Competitie c;
        ASSERT_TRUE(OpenBestand(c, f).Ok());
        EXPECT_EQ(c.Opties.Rekensysteem, g.nummer);
        EXPECT_EQ(c.Opties.Sorteervolgorde, g.volgorde ? g.volgorde : voor.Opties.Sorteervolgorde);
        int nieuw = 0;
        for (const auto& w : c.Wedstrijden) nieuw += w->G().Ronde == 6 ? 1 : 0;
        EXPECT_EQ(nieuw, 7);
    }
}

TEST_F(CliParen, ClubgroepenVanDeDemoParenDeVolgendeAvond) {
    // The Keizer, average, rating and Laren groups: the members present (the others unmarked)
    // each in one new match of the next evening, numbered on from the matches already there.
    struct Groep {
        int nummer;
        std::vector<std::string> afwezig; // drawing numbers
        int32_t ronde;
    };
    for (const Groep& g : std::vector<Groep>{
             {3, {"4", "9"}, 7}, {4, {"6", "8"}, 8}, {5, {}, 7}, {6, {"13", "14"}, 7}}) {
        SCOPED_TRACE(g.nummer);
        TijdelijkeMap map;
        for (const auto& e : std::filesystem::directory_iterator(VELKARO_EXAMPLES))
            if (e.path().stem() == "club")
                std::filesystem::copy_file(e.path(), map / e.path().filename().string());
        const std::string f = map / "club.xv7";
        ASSERT_EQ(Cli({"group", "switch", f, std::to_string(g.nummer)}).status, 0);
        if (!g.afwezig.empty()) {
            std::vector<std::string> mark{"player", "mark", f};
            mark.insert(mark.end(), g.afwezig.begin(), g.afwezig.end());
            mark.push_back("--off");
            const auto m = Cli(mark);
            ASSERT_EQ(m.status, 0) << m.err;
        }
        Competitie voor;
        ASSERT_TRUE(OpenBestand(voor, f).Ok());
        const auto r = Cli({"pair", f});
        ASSERT_EQ(r.status, 0) << r.err;
        Competitie c;
        ASSERT_TRUE(OpenBestand(c, f).Ok());
        std::set<int32_t> verwacht, gepaard;
        for (const auto& s : c.Spelers)
            if (s->InRooster()) verwacht.insert(s->InternNummer());
        EXPECT_EQ(verwacht.size(), c.Spelers.Aantal() - g.afwezig.size());
        auto nummer = static_cast<int32_t>(voor.Wedstrijden.Aantal());
        for (const auto& w : c.Wedstrijden) {
            if (w->G().Ronde != g.ronde) continue;
            EXPECT_EQ(w->G().Wedstrijdnummer, ++nummer);
            EXPECT_TRUE(gepaard.insert(w->G().Wit).second);
            EXPECT_TRUE(gepaard.insert(w->G().Zwart).second);
        }
        EXPECT_EQ(gepaard, verwacht);
        EXPECT_EQ(Regels(r.out), 1 + verwacht.size() / 2);
    }
}
