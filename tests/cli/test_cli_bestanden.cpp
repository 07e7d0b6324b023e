// The command line guards the competition's files: one writer at a time, no change over a
// damaged file, no report over the competition itself, no pairing over played rounds.
#include "cli/context.h"
#include "cli_hulp.h"
#include "storage/competitiebestand.h"
#include "storage/vergrendeling.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <thread>

using namespace velkaro;
using velkaro::test::Cli;
using velkaro::test::KopieerDemo;
using velkaro::test::Lees;
using velkaro::test::Proces;
using velkaro::test::Schrijf;
using velkaro::test::TijdelijkeMap;
namespace fs = std::filesystem;

TEST(CliBestanden, RapportNooitInDeCompetitieZelf) {
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);
    fs::create_symlink("club.xv7", map / "link.txt");
    fs::create_directory(map / "sub");
    const std::string hoofd = Lees(f), groep = Lees(map / "club.101");
    for (const std::string& uit : {f, map / "club.101", map / "club.102", map / "link.txt",
                                   map / "sub/../club.xv7", map / "club.lck"})
        for (const char* wijze : {"--overwrite", "--append"}) {
            const auto r = Cli({"report", f, "-o", uit, wijze, "--no-save"});
            EXPECT_EQ(r.status, 1) << uit << " " << wijze;
            EXPECT_NE(r.err.find("competitie zelf"), std::string::npos) << r.err;
        }
    EXPECT_EQ(Lees(f), hoofd);
    EXPECT_EQ(Lees(map / "club.101"), groep);
    EXPECT_TRUE(fs::is_symlink(map / "link.txt"));
    // The report's own temporary names follow no planted link either.
    Schrijf(map / "ander.txt", "van iemand anders");
    fs::create_symlink("ander.txt", map / "stand.txt.tmp~");
    EXPECT_EQ(Cli({"report", f, "-o", map / "stand.txt", "--no-save"}).status, 0);
    EXPECT_EQ(Lees(map / "ander.txt"), "van iemand anders");
    EXPECT_NE(Lees(map / "stand.txt").find("Jansen"), std::string::npos);
}

TEST(CliBestanden, RondeVolgensDeRegelsVanHetRoosterscherm) {
    // Group 1 of the demo: a Swiss with rounds 1 to 5 played; round 6 is proposed.
    struct Geval {
        std::vector<std::string> opties;
        int status;
        const char* melding; // in the output, or empty
    };
    const std::vector<Geval> gevallen = {
        {{"--round", "0"}, 1, "minstens 1"},
        {{"--round", "-1"}, 1, "minstens 1"},
        {{"--round", "1"}, 1, "heeft al uitslagen"},
        {{"--round", "3"}, 1, "heeft al uitslagen"},
        {{"--round", "50"}, 1, "lege rondes"},
        {{"--round", "7"}, 1, "lege rondes"},
        {{"--round", "3", "--force"}, 0, "worden vervangen"},
        {{"--round", "7", "--allow-gap"}, 0, ""},
        {{"--round", "6"}, 0, ""},
        {{}, 0, ""},
    };
    for (const auto& g : gevallen) {
        TijdelijkeMap map;
        const std::string f = KopieerDemo(map);
        Cli({"player", "mark", f, "--all"});
        const std::string voor = Lees(map / "club.101");
        std::vector<std::string> args = {"pair", f};
        args.insert(args.end(), g.opties.begin(), g.opties.end());
        const auto r = Cli(args);
        const std::string wat = g.opties.empty() ? "(proposed)" : g.opties[1];
        EXPECT_EQ(r.status, g.status) << wat << ": " << r.err;
        EXPECT_NE((r.out + r.err).find(g.melding), std::string::npos) << wat << ": " << r.err;
        if (g.status != 0) {
            EXPECT_EQ(Lees(map / "club.101"), voor) << wat;
        }
    }
}

TEST(CliBestanden, BeschadigdeGroepWeigertWijzigenEnWaarschuwtBijLezen) {
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);
    const std::string groep = Lees(map / "club.101");
    Schrijf(map / "club.101", groep.substr(0, groep.size() / 2));
    const std::string kapot = Lees(map / "club.101");

    auto r = Cli({"player", "add", f, "--name", "Nieuw"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Groepsbestand " + map / "club.101" + " is beschadigd"), std::string::npos)
        << r.err;
    r = Cli({"report", f}); // it saves the places: a change
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(Lees(map / "club.101"), kapot);

    r = Cli({"player", "list", f});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("Waarschuwing: Groepsbestand"), std::string::npos) << r.err;
    r = Cli({"--lang", "en", "info", f});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("Group file " + map / "club.101" + " is damaged"), std::string::npos);
    EXPECT_EQ(Lees(map / "club.101"), kapot);

    // Switching to a damaged group would save it cut short: refused as well.
    Schrijf(map / "club.101", groep);
    Schrijf(map / "club.102", "3\r\n");
    r = Cli({"group", "switch", f, "2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("club.102"), std::string::npos) << r.err;
    EXPECT_EQ(Lees(map / "club.102"), "3\r\n");

    // A pipe in place of the main file is refused at once instead of hanging the command.
    ASSERT_EQ(::mkfifo((map / "pijp.xv7").c_str(), 0644), 0);
    EXPECT_EQ(Proces("info " + map / "pijp.xv7").status, 1);
}

TEST(CliBestanden, TweedeSchrijverWachtEnWeigert) {
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);
    const std::string voor = Lees(map / "club.101");
    Competitieslot ander;
    ASSERT_TRUE(Competitieslot::Neem(f, Slotsoort::Exclusief, {}, ander).Ok());
    ASSERT_TRUE(ander.Vast());
    cli::ZetSlotWachttijd(std::chrono::milliseconds(100));
    auto r = Cli({"player", "add", f, "--name", "Nieuw"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("ander programma"), std::string::npos) << r.err;
    // A program that has it open (the desktop program) keeps out changes, not readers.
    EXPECT_EQ(Cli({"player", "list", f}).status, 0);
    EXPECT_EQ(Lees(map / "club.101"), voor);
    // A command-line change until its save is done: not even reading.
    Competitieslot opslaan;
    ASSERT_TRUE(Competitieslot::Neem(f, Slotsoort::Exclusief, {}, opslaan, Slotdoel::Lezen).Ok());
    EXPECT_EQ(Cli({"player", "list", f}).status, 1);
    opslaan.Laat();

    // Readers share the lock with each other, not with a writer.
    ander.Laat();
    Competitieslot lezer;
    ASSERT_TRUE(Competitieslot::Neem(f, Slotsoort::Gedeeld, {}, lezer, Slotdoel::Lezen).Ok());
    EXPECT_EQ(Cli({"player", "list", f}).status, 0);
    EXPECT_EQ(Cli({"player", "add", f, "--name", "Nieuw"}).status, 1);
    lezer.Laat();
    EXPECT_EQ(Cli({"player", "add", f, "--name", "Nieuw"}).status, 0);
    cli::ZetSlotWachttijd(kSlotWachttijd);
}

TEST(CliBestanden, GelijktijdigeSchrijversVerliezenNiets) {
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);
    Competitie voor;
    ASSERT_TRUE(LeesBestand(voor, f).Ok());
    std::set<std::string> gelukt;
    int mislukt = 0;
    for (int ronde = 0; ronde < 8; ++ronde) {
        std::vector<std::thread> draden;
        std::vector<test::Uitkomst> uit(3);
        for (int i = 0; i < 3; ++i)
            draden.emplace_back([&, i] {
                uit[i] = Proces("player add " + f + " --name P" + std::to_string(ronde) + "x" +
                                std::to_string(i));
            });
        for (auto& d : draden) d.join();
        for (int i = 0; i < 3; ++i) {
            const std::string naam = "P" + std::to_string(ronde) + "x" + std::to_string(i);
            if (uit[i].status == 0) {
                gelukt.insert(naam);
            } else {
                ++mislukt; // only ever the refusal that says why
                EXPECT_NE(uit[i].out.find("ander programma"), std::string::npos) << uit[i].out;
            }
        }
    }
    Competitie na;
    ASSERT_TRUE(LeesBestand(na, f).Schade.empty());
    std::set<std::string> namen;
    for (const auto& s : na.Spelers) namen.insert(s->G().Naam);
    for (const auto& n : gelukt) EXPECT_TRUE(namen.count(n)) << n << " was reported but is lost";
    EXPECT_EQ(na.Spelers.Aantal(), voor.Spelers.Aantal() + gelukt.size());
    EXPECT_LE(mislukt, 2); // ten seconds of patience covers a few quick saves
    for (const auto& e : fs::directory_iterator(map.Pad()))
        EXPECT_FALSE(e.path().string().ends_with(".tmp~")) << e.path();
}

TEST(CliBestanden, TaalOveralOpDeRegelOokVoorGebruiksfouten) {
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);
    struct Geval {
        std::vector<std::string> args;
        int status;
        const char* tekst;
    };
    const std::vector<Geval> gevallen = {
        {{"info", f, "--lang", "en"}, 0, ""}, // accepted after the command
        {{"info", f, "--onbekend", "--lang=fr"}, 2, "option inconnue --onbekend"},
        {{"--lang", "en", "info", f, "--onbekend"}, 2, "unknown option --onbekend"},
        {{"info", f, "--onbekend"}, 2, "onbekende optie --onbekend"},
        {{"match", "list", f, "nul", "--lang", "fr"}, 2, "nombre entier attendu de 1 à"},
        {{"info", "--lang", "nl"}, 2, "te weinig argumenten"},
        {{"info", "--lang", "en"}, 2, "Run 'velkaro-cli --help' for usage."},
        {{"bestaat-niet", "--lang", "fr"}, 2, "commande inconnue"},
        {{"info", f, "--lang", "de"}, 2, "--lang neemt nl, en of fr"},
    };
    for (const auto& g : gevallen) {
        const auto r = Cli(g.args);
        std::string regel;
        for (const auto& a : g.args) regel += a + " ";
        EXPECT_EQ(r.status, g.status) << regel << r.err;
        EXPECT_NE(r.err.find(g.tekst), std::string::npos) << regel << r.err;
    }
    EXPECT_NE(Cli({"info", f, "--lang", "en"}).out.find("Players:"), std::string::npos);
}

TEST(CliBestanden, OnmogelijkeWaardenWordenGemeld) {
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);
    const std::string voor = Lees(map / "club.101");
    for (const char* opdracht : {"report", "standings"}) {
        const auto r = Cli({opdracht, f, "--from", "5", "--to", "1"});
        EXPECT_EQ(r.status, 2) << opdracht;
        EXPECT_NE(r.err.find("de eerste ronde ligt na de laatste"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Lees(map / "club.101"), voor);
    // The dialog's clamp of the drawing groups is applied and said (14 players: 1 to 7).
    for (const auto& [gegeven, gebruikt] : {std::pair{"0", "1"}, std::pair{"50", "7"}}) {
        const auto r = Cli({"player", "number", f, "auto", "--groups", gegeven, "--seed", "3"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find(std::string("--groups ") + gegeven + " -> " + gebruikt),
                  std::string::npos)
            << r.err;
    }
    EXPECT_EQ(Cli({"player", "number", f, "auto", "--groups", "2", "--seed", "3"}).err, "");

    for (const char* datum : {"99-99-9999", "31-04-2026", "29-02-2027", "1-1-2026", "morgen"}) {
        const auto r = Cli({"round", "new", f, "--date", datum});
        EXPECT_EQ(r.status, 2) << datum;
        EXPECT_NE(r.err.find("dd-mm-jjjj"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Lees(map / "club.101").find("99-99-9999"), std::string::npos);
    EXPECT_EQ(Cli({"round", "new", f, "--date", "29-02-2028"}).status, 0);

    // Player fields: refused, or stored with a word about what was changed.
    struct Geval {
        std::vector<std::string> opties;
        int status;
        const char* melding; // on stderr
        const char* echo;    // the stored name, as printed
    };
    const std::vector<Geval> gevallen = {
        {{"--name", "Min", "--number", "-3"}, 1, "0 of positief", ""},
        {{"--name", "Half##Half"}, 1, "##", ""},
        {{"--name", "Een naam van meer dan twintig tekens"},
         0,
         "ingekort tot 20 tekens",
         "Een naam van meer da\n"},
        {{"--name", "Łukasz"}, 0, "opgeslagen als ?", "?ukasz\n"},
        {{"--name", "Tweede een", "--number", "1"}, 0, "ook lotingnummer 1: ", "Tweede een\n"},
        {{"--name", "Cat", "--categories", "SQ"}, 0, "niet gedefinieerd: Q", "Cat\n"},
        {{"--name", "Gewoon", "--categories", "S"}, 0, "", "Gewoon\n"},
    };
    for (const auto& g : gevallen) {
        std::vector<std::string> args = {"player", "add", f};
        args.insert(args.end(), g.opties.begin(), g.opties.end());
        const auto r = Cli(args);
        EXPECT_EQ(r.status, g.status) << g.opties[1] << r.err;
        if (*g.melding)
            EXPECT_NE(r.err.find(g.melding), std::string::npos) << g.opties[1] << ": " << r.err;
        else
            EXPECT_EQ(r.err, "") << g.opties[1];
        EXPECT_TRUE(r.out.ends_with(g.echo)) << r.out;
    }
}

TEST(CliBestanden, VraagNoemtDeOptieDieHaarBeantwoordt) {
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);
    const std::vector<std::pair<std::vector<std::string>, std::string>> gevallen = {
        {{"player", "delete", f, "1"}, "(beantwoord met --yes)"},
        {{"round", "delete", f, "2"}, "(beantwoord met --yes | --keep-matches)"},
        {{"--lang", "en", "category", "delete", f, "1"}, "(answer with --yes)"},
    };
    for (const auto& [args, optie] : gevallen) {
        const auto r = Cli(args);
        EXPECT_EQ(r.status, 1) << args[1];
        EXPECT_NE(r.err.find(optie), std::string::npos) << r.err;
    }
}
