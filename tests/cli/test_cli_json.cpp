// velkaro-cli --json on the demo competition: every command's document parses, and its values
// agree with what the same command prints as text.
#include "cli_hulp.h"
#include "json_hulp.h"

#include <gtest/gtest.h>

#include <sstream>

using velkaro::cli::Json;
using namespace velkaro::test;

namespace {

// The command as text and as JSON; the document is parsed by the JSON library.
struct Beide {
    std::vector<std::string> tekst;
    Json json;
};
Beide Voer(std::vector<std::string> args) {
    const auto t = Cli(args);
    EXPECT_EQ(t.status, 0) << args[0] << ": " << t.err;
    args.push_back("--json");
    const auto j = Cli(args);
    EXPECT_EQ(j.status, 0) << args[0] << ": " << j.err;
    EXPECT_EQ(j.err, "");
    return {Regels(t.out), Json::parse(j.out)};
}

std::string ZonderSpaties(const std::string& s) {
    std::string r;
    for (char ch : s)
        if (ch != ' ') r += ch;
    return r;
}

} // namespace

TEST(CliJson, ElkeOpdrachtOpDeDemo) {
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);

    const auto info = Voer({"info", f});
    EXPECT_EQ(std::forward_as_tuple(info.json.at("players"), info.json.at("rounds"),
                                    info.json.at("groups").size()),
              std::make_tuple(14, 5, 6u));
    EXPECT_EQ(info.tekst[info.tekst.size() - 3],
              "System:       1 " + info.json.at("system").at("name").get<std::string>());

    const auto groepen = Voer({"group", "list", f});
    ASSERT_EQ(groepen.json.at("groups").size(), groepen.tekst.size());
    EXPECT_EQ(groepen.json.at("groups"), info.json.at("groups"));
    for (std::size_t i = 0; i < groepen.tekst.size(); ++i) {
        const auto& g = groepen.json.at("groups")[i];
        EXPECT_EQ(groepen.tekst[i][0] == '*', g.at("open").get<bool>());
        EXPECT_NE(groepen.tekst[i].find(g.at("title").get<std::string>()), std::string::npos);
    }

    const auto spelers = Voer({"player", "list", f});
    ASSERT_EQ(spelers.json.at("players").size(), spelers.tekst.size() - 1);
    for (std::size_t i = 0; i < spelers.json.at("players").size(); ++i) {
        const auto& s = spelers.json.at("players")[i];
        const auto w = Woorden(spelers.tekst[i + 1]);
        EXPECT_EQ(std::stoi(w[0]), s.at("number").get<int>());
        EXPECT_EQ(std::stoi(w[w.size() - 3]), s.at("rating").get<int>());
        EXPECT_EQ(spelers.tekst[i + 1].substr(5, s.at("name").get<std::string>().size()),
                  s.at("name"));
    }

    const auto rondes = Voer({"round", "list", f});
    ASSERT_EQ(rondes.json.at("rounds").size(), rondes.tekst.size());
    EXPECT_EQ(std::forward_as_tuple(rondes.tekst.back()[0] == '*',
                                    rondes.json.at("rounds")[0].at("date"),
                                    rondes.json.at("rounds")[0].at("results")),
              std::make_tuple(rondes.json.at("rounds").back().at("current"), "02-09-2026", 7));

    const auto wedstrijden = Voer({"match", "list", f, "1", "--numbers"});
    ASSERT_EQ(wedstrijden.json.at("matches").size(), wedstrijden.tekst.size());
    for (std::size_t i = 0; i < wedstrijden.tekst.size(); ++i) {
        // round, number, white's number and name, "-", black's number and name, result, R
        std::vector<std::string> kol;
        std::istringstream in(wedstrijden.tekst[i]);
        for (std::string k; std::getline(in, k, '\t');) kol.push_back(k);
        ASSERT_GE(kol.size(), 9u);
        const auto& w = wedstrijden.json.at("matches")[i];
        EXPECT_EQ(std::forward_as_tuple(std::stoi(kol[1]), std::stoi(kol[2]), kol[3], kol[6],
                                        ZonderSpaties(kol[7])),
                  std::make_tuple(w.at("number").get<int>(), w.at("white").at("number").get<int>(),
                                  w.at("white").at("name"), w.at("black").at("name"),
                                  w.at("result")));
    }

    const Json stand = StandVergeleken(f);
    EXPECT_EQ(stand.at("players").size(), 14u);

    const auto instellingen = Voer({"settings", f});
    EXPECT_EQ(
        std::forward_as_tuple(instellingen.json.at("system").at("number"),
                              instellingen.json.at("sort_order").at("value"),
                              instellingen.tekst[1].substr(24, 2)),
        std::make_tuple(info.json.at("system").at("number"), info.json.at("sort_order"), "47"));

    const auto toernooi = Voer({"tournament", f});
    EXPECT_EQ(toernooi.json.at("name"), info.json.at("open_group").at("title"));
    EXPECT_EQ(toernooi.tekst[0].substr(20), toernooi.json.at("name"));

    // Pairing writes: its JSON names the matches that the match list then shows.
    const auto p = Cli({"pair", f, "--json"});
    ASSERT_EQ(p.status, 0) << p.err;
    const Json paren = Json::parse(p.out);
    EXPECT_EQ(paren.at("round"), 6);
    ASSERT_EQ(paren.at("matches").size(), 7u);
    const Json lijst = Json::parse(Cli({"match", "list", f, "6", "--json"}).out);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(std::forward_as_tuple(paren.at("matches")[i].at("white"),
                                        paren.at("matches")[i].at("black"),
                                        bool(lijst.at("matches")[i].at("result").is_null())),
                  std::make_tuple(lijst.at("matches")[i].at("white"),
                                  lijst.at("matches")[i].at("black"), true));
    }

    // Through the executable a refusal stays on standard error with its exit status (the
    // document alone on standard output: CliInstellingen.SeizoenVanafNietsOpDeOpdrachtregel).
    const auto fout = Proces("--lang en info " + (map / "geen.xv7") + " --json");
    EXPECT_EQ(fout.status, 1);
    EXPECT_FALSE(Json::accept(fout.out));
}
