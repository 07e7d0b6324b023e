// The data-entry commands on a copy of the demo competition: players, drawing numbers,
// rounds, the match list, result buttons, random results and categories.
#include "cli_hulp.h"
#include "model/competitie.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

using namespace velkaro;
using namespace velkaro::test;

namespace {

using velkaro::test::Demo;

void LeesIn(const Demo& d, Competitie& c) {
    ASSERT_TRUE(LeesBestand(c, d.f).Ok());
}

const Wedstrijdgegevens* Wedstrijd(const Competitie& c, int r, int n) {
    for (const auto& w : c.Wedstrijden)
        if (w->G().Ronde == r && w->G().Wedstrijdnummer == n) return &w->G();
    return nullptr;
}

} // namespace

TEST(CliInvoer, RondeWedstrijdenEnUitslagknoppen) {
    Demo d;
    auto r = Cli({"round", "new", d.f, "--date", "11-11-2026"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "6\t11-11-2026\n");
    ASSERT_EQ(Cli({"match", "add", d.f, "6", "1", "2"}).status, 0);
    ASSERT_EQ(Cli({"match", "add", d.f, "6", "3", "4"}).status, 0);
    r = Cli({"match", "renumber", d.f, "6"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(" 6\t  20\t3\tBakker, A.\t-\t4\tVisser, K."), std::string::npos) << r.out;

    r = Cli({"result", d.f, "6", "10", "2-0"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, " 6\t  10\t1\tJansen, P.\t-\t2\tde Vries, H.\t 2- 0\t \n");
    EXPECT_EQ(Cli({"result", d.f, "6", "20", "1-0"}).status, 2); // not a button of this group
    EXPECT_EQ(Cli({"result", d.f, "6", "99", "2-0"}).status, 1); // no such match
    ASSERT_EQ(Cli({"result", d.f, "6", "20", "1-1"}).status, 0);
    // "Uitslag weg" stores 0-0, which marks the match; a swap mirrors the result with the players.
    EXPECT_EQ(Cli({"result", d.f, "6", "20", "clear"}).out,
              " 6\t  20\t3\tBakker, A.\t-\t4\tVisser, K.\t   \tR\n");
    EXPECT_EQ(Cli({"match", "swap", d.f, "6", "10"}).out,
              " 6\t  10\t2\tde Vries, H.\t-\t1\tJansen, P.\t 0- 2\t \n");
    ASSERT_EQ(Cli({"result", d.f, "6", "20", "toggle-regl"}).status, 0);

    // Bad match and round numbers leave the file as it was.
    const std::string voor = d.Groep();
    EXPECT_EQ(Cli({"match", "renumber", d.f, "6", "20", "abc"}).status, 2);
    EXPECT_EQ(Cli({"match", "renumber", d.f, "6", "20", "0"}).status, 2);
    EXPECT_EQ(Cli({"match", "move", d.f, "6", "20", "8"}).status, 1);
    EXPECT_EQ(Cli({"match", "move", d.f, "6", "x", "5"}).status, 2);
    EXPECT_EQ(Cli({"match", "list", d.f, "9"}).status, 1);
    EXPECT_EQ(Cli({"match", "swap", d.f, "zes", "10"}).status, 2);
    EXPECT_EQ(d.Groep(), voor);

    ASSERT_EQ(Cli({"match", "renumber", d.f, "6", "20", "5"}).status, 0);
    ASSERT_EQ(Cli({"match", "move", d.f, "6", "5", "5"}).status, 0);
    r = Cli({"match", "list", d.f, "5"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("  5\t   5\t \tBakker, A."), std::string::npos) << r.out;
    ASSERT_EQ(Cli({"match", "delete", d.f, "5", "5"}).status, 0);
    Competitie c;
    LeesIn(d, c);
    EXPECT_EQ(c.Wedstrijden.Aantal(), 36u);
    EXPECT_FALSE(Wedstrijd(c, 5, 5));
}

// The cross table of a round: every result of the round in both players' cells, then cells
// entered into a new round, with and without overwriting.
TEST(CliInvoer, Matrix) {
    Demo d;
    auto tabel = [&](const std::string& ronde, std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"matrix", d.f, ronde};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto r = Cli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        std::vector<std::vector<std::string>> rijen;
        std::istringstream in(r.out);
        for (std::string regel; std::getline(in, regel);) {
            rijen.emplace_back();
            std::istringstream velden(regel);
            for (std::string v; std::getline(velden, v, '\t');) rijen.back().push_back(v);
        }
        return rijen;
    };
    Competitie c;
    LeesIn(d, c);
    std::map<int32_t, std::size_t> rij; // InternNummer -> row (from 1)
    for (std::size_t i = 0; i < c.Spelers.Aantal(); ++i)
        rij[c.Spelers.At(i).InternNummer()] = i + 1;
    const auto r3 = tabel("3");
    ASSERT_EQ(r3.size(), c.Spelers.Aantal() + 1);
    EXPECT_EQ(r3[0][3], "Pt");
    EXPECT_EQ(r3[1][4], "\xE2\x80\xA2");
    int gezien = 0;
    for (const auto& w : c.Wedstrijden) {
        const auto& g = w->G();
        if (g.Ronde != 3 || !g.Gespeeld) continue;
        ++gezien;
        const std::size_t a = rij[g.Wit], b = rij[g.Zwart];
        EXPECT_EQ(
            std::forward_as_tuple(r3[a][3 + b], r3[b][3 + a], r3[a][2]),
            std::make_tuple(std::to_string(g.UitslagWit), std::to_string(g.UitslagZwart), "1"));
    }
    EXPECT_EQ(gezien, 7);

    ASSERT_EQ(Cli({"round", "new", d.f}).status, 0);
    const std::size_t a = rij[c.Spelers.zoekloting(1)->InternNummer],
                      b = rij[c.Spelers.zoekloting(2)->InternNummer];
    auto r6 = tabel("6", {"--set", "1", "2", "1"});
    ASSERT_EQ(r6.size(), c.Spelers.Aantal() + 1);
    EXPECT_EQ(r6[a][0], "1");
    EXPECT_EQ((std::vector<std::string>{r6[a][2], r6[a][3], r6[a][3 + b], r6[b][3 + a]}),
              (std::vector<std::string>{"1", "1", "1", "1"}));
    // Black's view of the same match, overwriting it; then again without overwriting, which
    // makes a second match.
    tabel("6", {"--set", "2", "1", "2", "--overwrite"});
    r6 = tabel("6", {"--set", "2", "1", "0"});
    EXPECT_EQ(r6[b][3 + a], "0");
    EXPECT_EQ(r6[a][3 + b], "2");
    Competitie na;
    LeesIn(d, na);
    EXPECT_EQ(std::forward_as_tuple(Wedstrijd(na, 6, 1)->UitslagWit,
                                    Wedstrijd(na, 6, 1)->UitslagZwart, Wedstrijd(na, 6, 2)->Wit,
                                    Wedstrijd(na, 6, 2)->UitslagWit),
              std::make_tuple(0, 2, na.Spelers.zoekloting(2)->InternNummer, 0));

    const std::string voor = d.Groep();
    EXPECT_EQ(Cli({"matrix", d.f, "9"}).status, 1);
    EXPECT_EQ(Cli({"matrix", d.f, "6", "--set", "1", "1", "2"}).status, 1);
    EXPECT_EQ(Cli({"matrix", d.f, "6", "--set", "1", "2", "3"}).status, 1);
    EXPECT_EQ(Cli({"matrix", d.f, "6", "1", "2"}).status, 2);
    EXPECT_EQ(Cli({"matrix", d.f, "6", "--overwrite"}).status, 2);
    EXPECT_EQ(d.Groep(), voor);
}

TEST(CliInvoer, SchaaknotatieKnoppen) {
    Demo d;
    {
        Competitie c;
        LeesIn(d, c);
        c.Opties.ZetVlag(VlagSchaaknotatie, true);
        ASSERT_TRUE(SchrijfBestand(c).Ok());
    }
    auto r = Cli({"match", "list", d.f, "1", "--buttons"});
    EXPECT_NE(r.out.find("result buttons: 0-1 ½-½ 1-0"), std::string::npos) << r.out;
    ASSERT_EQ(Cli({"result", d.f, "1", "1", "1/2-1/2"}).status, 0);
    r = Cli({"result", d.f, "1", "2", "0-1"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\t0-1\t"), std::string::npos) << r.out;
    Competitie c;
    LeesIn(d, c);
    EXPECT_EQ(c.Wedstrijden.At(0).G().UitslagWit, 1);
    EXPECT_EQ(c.Wedstrijden.At(1).G().UitslagZwart, 2);
}

TEST(CliInvoer, RondesInvoegenEnVerwijderen) {
    Demo d;
    const std::string voor = d.Groep();
    EXPECT_EQ(Cli({"round", "delete", d.f, "2", "--yes", "--keep-matches"}).status, 2);
    EXPECT_EQ(Cli({"round", "delete", d.f, "8", "--yes"}).status, 1);
    EXPECT_EQ(Cli({"round", "insert", d.f, "0"}).status, 2);
    EXPECT_EQ(d.Groep(), voor);

    // The new round 2 with its date and no matches; the old round 2 moved on.
    auto r = Cli({"round", "insert", d.f, "2", "--date", "09-09-2026"});
    EXPECT_NE(r.out.find("*   2\t09-09-2026\t 0\t[ 0]\tWedstrijden\n    3\t16-09-2026\t 7\t"),
              std::string::npos)
        << r.out;
    ASSERT_EQ(Cli({"round", "delete", d.f, "2", "--keep-matches"}).status, 0);
    ASSERT_EQ(Cli({"round", "delete", d.f, "5", "--yes"}).status, 0);
    Competitie c;
    LeesIn(d, c);
    EXPECT_EQ(c.Rondes.Aantal(), 4u);
    EXPECT_EQ(c.Wedstrijden.Aantal(), 28u);
    r = Cli({"round", "list", d.f});
    EXPECT_NE(r.out.find("  4\t14-10-2026\t 7\t[ 7]\tWedstrijden"), std::string::npos) << r.out;
}

// Every command that names a player by drawing number refuses an unknown one with the same
// text and leaves the file alone.
TEST(CliInvoer, OnbekendLotingnummer) {
    Demo d;
    const std::string voor = d.Groep();
    const std::string tekst = "Er is geen speler met lotingnummer 99\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"player", "edit", d.f, "99", "--place", "Ede"},
          {"player", "delete", d.f, "99", "--yes"},
          {"match", "add", d.f, "6", "1", "99"},
          {"player", "mark", d.f, "1", "99"},
          {"matrix", d.f, "5", "--set", "1", "99", "2"}}) {
        const auto r = Cli(args);
        EXPECT_EQ(r.status, 1) << args[0] << ' ' << args[1];
        EXPECT_EQ(r.err, tekst) << args[0] << ' ' << args[1];
    }
    EXPECT_EQ(d.Groep(), voor);
}

TEST(CliInvoer, SpelersWijzigenVerwijderenNummeren) {
    Demo d;
    const std::string voor = d.Groep();
    auto r = Cli({"player", "edit", d.f, "3", "--number", "drie"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("'drie' is geen geldig geheel getal"), std::string::npos);
    EXPECT_EQ(Cli({"player", "edit", d.f, "x3", "--place", "Ede"}).status, 2);
    EXPECT_EQ(Cli({"player", "edit", d.f, "3", "--name", ""}).status, 2);
    EXPECT_EQ(Cli({"player", "edit", d.f, "3", "--title", "GM"}).status, 2);
    EXPECT_EQ(Cli({"player", "delete", d.f, "3"}).status, 1); // the question needs --yes
    EXPECT_EQ(d.Groep(), voor);

    r = Cli({"player", "edit", d.f, "3", "--name", "Jansen, P.", "--number", "30", "--categories",
             "SJ", "--pairing", "no"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Naam speler al ingevoerd"), std::string::npos); // a warning only
    {
        Competitie c;
        LeesIn(d, c);
        const auto s = c.Spelers.zoekloting(30);
        ASSERT_TRUE(s);
        EXPECT_EQ(std::forward_as_tuple(s->Naam, s->Categorieen, s->Opnemen),
                  std::make_tuple("Jansen, P.", "SJ   ", OpnemenStand));
        EXPECT_EQ(s->Plaats, "Zwolle"); // not given, not changed
    }
    r = Cli({"player", "delete", d.f, "30", "--yes"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "deleted, with 5 matches\n");

    ASSERT_EQ(Cli({"player", "number", d.f, "random"}).status, 0);
    {
        Competitie c;
        LeesIn(d, c);
        EXPECT_EQ(c.LotingModus, 1);
    }
    EXPECT_EQ(Cli({"player", "number", d.f, "random", "--groups", "2"}).status, 2);
    EXPECT_EQ(Cli({"player", "number", d.f, "sorted"}).status, 2);
    // Numbering 1 to N once each is tested on the numbering itself.
    EXPECT_EQ(Cli({"player", "number", d.f, "auto", "--groups", "2", "--seed", "4"}).status, 0);
}

TEST(CliInvoer, NieuweSpelerVolgtDeModus) {
    Demo d;
    ASSERT_EQ(Cli({"player", "number", d.f, "entry"}).status, 0);
    EXPECT_EQ(Cli({"player", "add", d.f, "--name", "Zonder, N."}).status, 2);
    auto r = Cli({"player", "add", d.f, "--name", "Met, N.", "--number", "40"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "40\tMet, N.\n");
    ASSERT_EQ(Cli({"player", "number", d.f, "random"}).status, 0);
    r = Cli({"player", "add", d.f, "--name", "Toeval, T.", "--seed", "8", "--max", "60"});
    ASSERT_EQ(r.status, 0) << r.err;
    const int n = std::stoi(r.out);
    EXPECT_GE(n, 15);
    EXPECT_LE(n, 60);
    EXPECT_NE(n, 40);
}

TEST(CliInvoer, WillekeurigeUitslagenHerhaalbaar) {
    Demo d, e;
    for (Demo* x : {&d, &e}) {
        ASSERT_EQ(Cli({"round", "new", x->f}).status, 0);
        for (int i = 1; i <= 13; i += 2)
            ASSERT_EQ(
                Cli({"match", "add", x->f, "6", std::to_string(i), std::to_string(i + 1)}).status,
                0);
        ASSERT_EQ(Cli({"match", "add", x->f, "6", "14", "-1800"}).status, 2); // by number only
    }
    auto r = Cli({"results", "random", d.f, "6", "--seed", "11"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Cli({"results", "random", e.f, "6", "--seed", "11"}).out, r.out);
    EXPECT_EQ(Cli({"results", "random", e.f, "7"}).status, 1);
    // Every match got a result; the draw itself is tested on the match list's dialog.
    EXPECT_EQ(Regels(r.out).size(), 7u);
    EXPECT_EQ(r.out.find("   \t"), std::string::npos) << r.out;
}

TEST(CliInvoer, Categorieen) {
    Demo d;
    auto r = Cli({"category", "list", d.f});
    ASSERT_EQ(r.status, 0);
    const std::string lijst = r.out;
    EXPECT_EQ(Cli({"category", "add", d.f, " ", "Niets"}).status, 2);
    ASSERT_EQ(Cli({"category", "add", d.f, "J", "Jeugd tot 18"}).status, 0);
    r = Cli({"category", "list", d.f});
    EXPECT_NE(r.out.find("\tJ Jeugd tot 18\n"), std::string::npos);
    EXPECT_EQ(Cli({"category", "delete", d.f, "99", "--yes"}).status, 1);
    ASSERT_EQ(Cli({"category", "delete", d.f, "1", "--yes"}).status, 0);
    r = Cli({"category", "list", d.f});
    EXPECT_EQ(r.out.find(lijst.substr(0, lijst.find('\n'))), std::string::npos);
}

// On the demo as it is and after a change that leaves its standings to be computed again.
TEST(CliInvoer, LezendeOpdrachtenSchrijvenNiets) {
    for (const bool gewijzigd : {false, true}) {
        Demo d;
        if (gewijzigd) {
            ASSERT_EQ(Cli({"player", "add", d.f, "--name", "Een"}).status, 0);
        }
        const auto tijd = std::filesystem::last_write_time(d.f);
        const std::string voor = d.Groep(), hoofd = Lees(d.f);
        const std::pair<std::vector<std::string>, const char*> opdrachten[] = {
            {{"info", d.f}, gewijzigd ? "Players:      15" : "Players:      14"},
            {{"player", "list", d.f}, gewijzigd ? "Een" : "Jansen, P."},
            {{"group", "list", d.f}, ""},
            {{"round", "list", d.f}, ""},
            {{"match", "list", d.f, "3", "--numbers"}, ""},
            {{"category", "list", d.f}, ""},
            {{"matrix", d.f, "3"}, ""}};
        for (const auto& [args, tekst] : opdrachten) {
            const auto r = Cli(args);
            EXPECT_EQ(r.status, 0) << args[0];
            EXPECT_NE(r.out.find(tekst), std::string::npos) << args[0] << gewijzigd;
        }
        EXPECT_EQ(
            std::forward_as_tuple(std::filesystem::last_write_time(d.f), d.Groep(), Lees(d.f)),
            std::make_tuple(tijd, voor, hoofd));
    }
}
