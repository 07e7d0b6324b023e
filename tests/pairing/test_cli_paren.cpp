// velkaro-cli pair and player mark, run in-process on copies of the demo competition.
#include "../cli/cli_hulp.h"
#include "entry/bestand.h"
#include "model/competitie.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace velkaro;
using namespace velkaro::test;

namespace {

// A copy of the demo competition in a temporary folder.
class CliParen : public ::testing::Test {
protected:
    TijdelijkeMap map;
    const std::string f = test::KopieerDemo(map);
};

} // namespace

TEST_F(CliParen, PaartDeVolgendeRondeVanDeDemo) {
    Schrijf(map / "vULWACHT", "oud"); // without --trace the trace file is left alone
    const auto r = Cli({"pair", f});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lees(map / "vULWACHT"), "oud");
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
    // The trace of the search, in the competition's folder.
    const std::string spoor = Lees(map / "vULWACHT");
    for (const char* woord : {"Aanroep vindwedstrijd gestart", "Vindwedstrijd geopend",
                              "Groepsteller:", "Wachtteller: ", "groeprij - index",
                              "wachtrij - index", " Selekteren: roosterklaar", "Rooster klaar"})
        EXPECT_NE(spoor.find(woord), std::string::npos) << woord;
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

// Each group of the demo, some under another system or with members unmarked: every member
// marked for pairing is in one new match of the round, the system is kept, and the Swiss by
// rating's "--last-round" leaves the sort order at 21 as the dialog does.
TEST(CliParenGroepen, ElkeGroepEnElkSysteem) {
    struct Geval {
        std::vector<std::vector<std::string>> voorbereiding; // commands before "pair", file last
        std::vector<std::string> paren;                      // arguments after the file
        int32_t ronde;
        std::size_t regels = 0;    // printed lines; 0: a heading and a line per board
        int32_t volgorde = 0;      // the sort order afterwards; 0: as before
        bool doorgenummerd = true; // numbered on from the matches already there
    };
    const std::vector<Geval> gevallen{
        {{}, {}, 6},
        {{{"settings", "--system", "fmjd-swiss"}}, {}, 6},
        {{{"settings", "--system", "swiss-rating"}}, {}, 6},
        {{{"settings", "--system", "swiss-rating"}}, {"--last-round"}, 6, 0, 21},
        // Group 2 is a round robin of ten players, its first half played: the whole schedule
        // from round 10.
        {{{"group", "switch", "2"}},
         {"--round", "10", "--colours", "swapped"},
         10,
         1 + 9 * 5,
         0,
         false},
        // The Keizer, average, rating and Laren groups pair the next evening.
        {{{"group", "switch", "3"}, {"player", "mark", "4", "9", "--off"}}, {}, 7},
        {{{"group", "switch", "4"}, {"player", "mark", "6", "8", "--off"}}, {}, 8},
        {{{"group", "switch", "5"}}, {}, 7},
        {{{"group", "switch", "6"}, {"player", "mark", "13", "14", "--off"}}, {}, 7},
    };
    for (const Geval& g : gevallen) {
        TijdelijkeMap map;
        const std::string f = KopieerDemo(map);
        const auto groepen = [&] {
            std::string t;
            for (char n = '1'; n <= '6'; ++n) t += Lees(map / (std::string("club.10") + n));
            return t;
        };
        std::size_t afwezig = 0;
        for (auto stap : g.voorbereiding) {
            if (stap[0] == "player") afwezig = stap.size() - 3;
            stap.insert(stap.begin() + (stap[0] == "settings" ? 1 : 2), f);
            const auto v = Cli(stap);
            ASSERT_EQ(v.status, 0) << stap[0] << v.err;
        }
        SCOPED_TRACE(g.voorbereiding.empty() ? "demo" : g.voorbereiding[0].back());
        Competitie voor;
        ASSERT_TRUE(OpenBestand(voor, f).Ok());
        const std::string eerst = groepen();
        std::vector<std::string> args{"pair", f};
        args.insert(args.end(), g.paren.begin(), g.paren.end());
        const auto r = Cli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        Competitie c;
        ASSERT_TRUE(OpenBestand(c, f).Ok());
        std::set<int32_t> verwacht, gepaard;
        for (const auto& s : c.Spelers)
            if (s->InRooster()) verwacht.insert(s->InternNummer());
        auto nummer = static_cast<int32_t>(voor.Wedstrijden.Aantal());
        for (const auto& w : c.Wedstrijden) {
            if (w->G().Ronde != g.ronde) continue;
            if (g.doorgenummerd) {
                EXPECT_EQ(w->G().Wedstrijdnummer, ++nummer);
            }
            EXPECT_TRUE(gepaard.insert(w->G().Wit).second);
            EXPECT_TRUE(gepaard.insert(w->G().Zwart).second);
        }
        EXPECT_EQ(gepaard, verwacht);
        EXPECT_EQ(verwacht.size(), c.Spelers.Aantal() - afwezig);
        EXPECT_NE(groepen(), eerst);
        EXPECT_EQ(test::Regels(r.out).size(), g.regels ? g.regels : 1 + verwacht.size() / 2)
            << r.out;
        EXPECT_EQ(c.Opties.Rekensysteem, voor.Opties.Rekensysteem);
        EXPECT_EQ(c.Opties.Sorteervolgorde, g.volgorde ? g.volgorde : voor.Opties.Sorteervolgorde);
    }
}
