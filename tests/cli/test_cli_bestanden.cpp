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
using namespace velkaro::test;
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
    EXPECT_EQ(std::forward_as_tuple(Lees(f), Lees(map / "club.101"),
                                    bool(fs::is_symlink(map / "link.txt"))),
              std::make_tuple(hoofd, groep, true));
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
        {{"--round", "1"}, 1, "heeft al uitslagen"},
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

    // A pipe in place of the main file is refused at once instead of hanging the command.
    ASSERT_EQ(::mkfifo((map / "pijp.xv7").c_str(), 0644), 0);
    EXPECT_EQ(Proces("info " + map / "pijp.xv7").status, 1);
}

// A group that is not open is read by 'check', by every reading command's warning, by the
// series report and by a group switch: none of them passes its damage over.
TEST(CliBestanden, SchadeInEenAndereGroepWordtGemeld) {
    struct Geval {
        std::vector<std::string> args; // FILE is put after the command words
        std::size_t woorden;
        int status;
    };
    const std::vector<Geval> gevallen = {
        {{"check"}, 1, 1},
        {{"check", "--json"}, 1, 1},
        {{"info"}, 1, 0},
        {{"player", "list"}, 2, 0},
        {{"report", "--kind", "series", "--no-save"}, 1, 1},
        {{"report", "--kind", "series"}, 1, 1},
        {{"group", "switch", "3"}, 2, 1},
    };
    for (const bool ontbreekt : {false, true})
        for (const auto& g : gevallen) {
            TijdelijkeMap map;
            const std::string f = KopieerDemo(map);
            ASSERT_EQ(Cli({"check", f}).status, 0) << Cli({"check", f}).out;
            const std::string groep = Lees(map / "club.103");
            // The match count 0: a count that disagrees with the lines after it.
            const std::string kapot = "0" + groep.substr(groep.find("\r\n"));
            if (ontbreekt)
                fs::remove(map / "club.103");
            else
                Schrijf(map / "club.103", kapot);
            std::vector<std::string> args(g.args.begin(), g.args.begin() + g.woorden);
            args.push_back(f);
            args.insert(args.end(), g.args.begin() + g.woorden, g.args.end());
            const auto r = Cli(args);
            const std::string wat = args[0] + " " + args[1] + (ontbreekt ? " (ontbreekt)" : "");
            EXPECT_EQ(r.status, g.status) << wat << ": " << r.err;
            EXPECT_NE((r.out + r.err).find(map / "club.103"), std::string::npos) << wat;
            // Nothing saves the damaged group cut short, nor creates the missing one.
            if (!ontbreekt) {
                EXPECT_EQ(Lees(map / "club.103"), kapot) << wat;
            }
            EXPECT_EQ(fs::exists(map / "club.103"), !ontbreekt) << wat;
        }
}

// Files the program creates beside a competition (the pairing trace, an export, a new group or
// competition) are never written through a link or into a pipe planted under their names.
TEST(CliBestanden, GeplanteLinksEnPijpenWordenNietGevolgd) {
    enum class Plant { Link, Bungelend, Pijp };
    struct Geval {
        const char* naam; // the name planted, in the competition's folder; "WDS" for the export
        Plant plant;
        std::vector<std::string> args; // FILE stands for the competition, WDS for the export
    };
    const std::vector<Geval> gevallen = {
        {"vULWACHT", Plant::Link, {"pair", "FILE", "--trace"}},
        {"vULWACHT", Plant::Pijp, {"pair", "FILE", "--trace"}},
        {"WDS", Plant::Link, {"export-wds", "FILE"}},
        {"club.107", Plant::Link, {"import", "WDS", "FILE", "--add"}},
        {"club.107", Plant::Bungelend, {"import", "WDS", "FILE", "--add"}},
        {"nieuw.101", Plant::Bungelend, {"import", "WDS", "nieuw.xv7"}},
        {"vers.101", Plant::Link, {"new", "vers.xv7", "--overwrite"}},
        {"vers.xv7", Plant::Link, {"new", "vers.xv7", "--overwrite"}},
        {"vers.xv7", Plant::Bungelend, {"new", "vers.xv7"}},
        {"club.103", Plant::Bungelend, {"group", "switch", "FILE", "3"}},
    };
    for (const auto& g : gevallen) {
        TijdelijkeMap map;
        const std::string f = KopieerDemo(map);
        Cli({"player", "mark", f, "--all"});
        const std::string wds = Cli({"export-wds", f}).out;
        const std::string wdsPad = wds.substr(0, wds.size() - 1);
        const std::string geplant = g.naam == std::string("WDS") ? wdsPad : map / g.naam;
        const std::string doel = map / (g.plant == Plant::Bungelend ? "nergens" : "slachtoffer");
        Schrijf(map / "slachtoffer", "van iemand anders");
        if (g.naam == std::string("WDS")) fs::remove(wdsPad);
        fs::remove(geplant);
        if (g.plant == Plant::Pijp) {
            ASSERT_EQ(::mkfifo(geplant.c_str(), 0644), 0);
        } else {
            fs::create_symlink(doel, geplant);
        }
        std::string regel;
        for (const auto& a : g.args)
            regel += " " + (a == "FILE"                        ? f
                            : a == "WDS"                       ? wdsPad
                            : a.find('.') != std::string::npos ? map / a
                                                               : a);
        const auto r = Proces(regel, 60);
        const std::string wat = std::string(g.naam) + regel;
        EXPECT_NE(r.status, 124) << wat << ": hangs";
        EXPECT_EQ(Lees(map / "slachtoffer"), "van iemand anders") << wat;
        EXPECT_FALSE(fs::exists(map / "nergens")) << wat;
    }
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

// The lock cannot be turned off: something else planted under the lock files' names is
// refused, and a second way to the same files (a folder of links) takes the same lock.
// A clean exit leaves no lock file behind.
TEST(CliBestanden, SlotVolgtHetEchteBestandEnWeigertAlsHetNietKan) {
    enum class Opzet { Mappen, Links, Pijpen, Linkmap, Niets };
    for (const Opzet opzet :
         {Opzet::Mappen, Opzet::Links, Opzet::Pijpen, Opzet::Linkmap, Opzet::Niets}) {
        TijdelijkeMap map;
        const std::string f = KopieerDemo(map);
        const std::string voor = Lees(map / "club.101");
        std::string via = f;
        Competitieslot desktop; // the desktop program has the competition open
        for (const char* slot : {"club.lck", "club.lcl"}) {
            if (opzet == Opzet::Mappen) fs::create_directory(map / slot);
            if (opzet == Opzet::Links) fs::create_symlink(map / "elders", map / slot);
            if (opzet == Opzet::Pijpen) {
                ASSERT_EQ(::mkfifo((map / slot).c_str(), 0644), 0);
            }
        }
        if (opzet == Opzet::Linkmap) {
            fs::create_directory(map / "via");
            for (const auto& e : fs::directory_iterator(map.Pad()))
                if (e.is_regular_file())
                    fs::create_symlink(e.path(), map / ("via/" + e.path().filename().string()));
            via = map / "via/club.xv7";
            ASSERT_TRUE(Competitieslot::Neem(f, Slotsoort::Exclusief, {}, desktop).Ok());
        }
        cli::ZetSlotWachttijd(std::chrono::milliseconds(100));
        const auto r = Cli({"player", "add", via, "--name", "Nieuw"});
        cli::ZetSlotWachttijd(kSlotWachttijd);
        const int o = static_cast<int>(opzet);
        if (opzet == Opzet::Niets) {
            EXPECT_EQ(r.status, 0) << r.err;
            // A save that fails (a name too long for its temporary file) leaves nothing either.
            const std::string lang = map / (std::string(240, 'a') + ".xv7");
            EXPECT_EQ(Cli({"new", lang}).status, 1);
            for (const auto& e : fs::directory_iterator(map.Pad()))
                EXPECT_EQ(e.path().filename().string().find("aaaa"), std::string::npos) << e.path();
            for (const char* slot : {"club.lck", "club.lcl"})
                EXPECT_FALSE(fs::exists(fs::symlink_status(map / slot))) << slot;
            continue;
        }
        EXPECT_EQ(r.status, 1) << o << ": " << r.err;
        EXPECT_NE(r.err.find(opzet == Opzet::Linkmap ? "ander programma" : "vergrendeld"),
                  std::string::npos)
            << o << ": " << r.err;
        EXPECT_EQ(Lees(map / "club.101"), voor) << o;
        EXPECT_FALSE(fs::exists(map / "elders")) << o;
    }
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
        {{}, 2, "Usage: velkaro-cli"},
        {{"player"}, 2, "heeft een subopdracht nodig"},
        {{"player", "add", f}, 2, "--name"},
        {{"player", "add", "--help"}, 0, "[--fmjd-rating N]"},
        {{"--help"}, 0, "Exit status: 0 success"},
        {{"info", map / "x.xv7"}, 1, "Bestand kan niet worden geopend"},
        {{"--lang", "en", "info", map / "x.xv7"}, 1, "The file cannot be opened"},
    };
    for (const auto& g : gevallen) {
        const auto r = Cli(g.args);
        std::string regel;
        for (const auto& a : g.args) regel += a + " ";
        EXPECT_EQ(r.status, g.status) << regel << r.err;
        EXPECT_NE((r.out + r.err).find(g.tekst), std::string::npos) << regel << r.err;
    }
    EXPECT_NE(Cli({"info", f, "--lang", "en"}).out.find("Players:"), std::string::npos);
    // The executable exits with the command's status.
    EXPECT_EQ(Proces("info").status, 2);
}

TEST(CliBestanden, OnmogelijkeWaardenWordenGemeld) {
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);
    // The dialog's clamp of the drawing groups is applied and said (14 players: 1 to 7).
    for (const auto& [gegeven, gebruikt] : {std::pair{"0", "1"}, std::pair{"50", "7"}}) {
        const auto r = Cli({"player", "number", f, "auto", "--groups", gegeven, "--seed", "3"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find(std::string("--groups ") + gegeven + " -> " + gebruikt),
                  std::string::npos)
            << r.err;
    }
    EXPECT_EQ(Cli({"player", "number", f, "auto", "--groups", "2", "--seed", "3"}).err, "");

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
        {{"--name", "Kort", "--short", "ABCDEFG"}, 0, "--short is ingekort tot", "Kort\n"},
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

// Output that cannot be written is a failure with a message: a full disk, a closed standard
// output, a file-size limit (which must not kill the command and leave temporary files).
TEST(CliBestanden, UitvoerfoutenWordenGemeld) {
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);
    const std::string groep = Lees(map / "club.101");
    const std::string cli = VELKARO_CLI;
    struct Geval {
        std::string regel;
        const char* melding;
    };
    const std::vector<Geval> gevallen = {
        {cli + " player list " + f + " --json >/dev/full", "niet volledig worden geschreven"},
        {cli + " pair " + f + " >&-", "gesloten"},
        {"ulimit -f 4; " + cli + " player add " + f + " --name Groot", "club.101"},
    };
    for (const auto& g : gevallen) {
        const int s = std::system(("(" + g.regel + ") 2>" + map / "fout.txt").c_str());
        ASSERT_TRUE(WIFEXITED(s)) << g.regel;
        EXPECT_EQ(WEXITSTATUS(s), 1) << g.regel;
        EXPECT_NE(Lees(map / "fout.txt").find(g.melding), std::string::npos)
            << g.regel << ": " << Lees(map / "fout.txt");
        EXPECT_EQ(Lees(map / "club.101"), groep) << g.regel;
        for (const auto& e : fs::directory_iterator(map.Pad()))
            EXPECT_EQ(e.path().string().find(".tmp~"), std::string::npos) << e.path();
    }
}

// Values that make no sense are refused before anything is saved.
TEST(CliBestanden, OnzinWordtGeweigerd) {
    struct Geval {
        std::vector<std::string> args; // FILE stands for the competition
        int status;
        const char* melding;
    };
    const std::vector<Geval> gevallen = {
        {{"tournament", "FILE", "--from", "99-99-9999"}, 2, "dd-mm-jjjj"},
        {{"tournament", "FILE", "--from", "31-02-2026"}, 2, "dd-mm-jjjj"},
        {{"tournament", "FILE", "--to", "32-13-2026"}, 2, "dd-mm-jjjj"},
        {{"tournament", "FILE", "--from", "10-10-2026", "--to", "01-10-2026"}, 2, "einddatum"},
        {{"round", "new", "FILE", "--date", "99-99-9999"}, 2, "dd-mm-jjjj"},
        {{"round", "new", "FILE", "--date", "31-04-2026"}, 2, "dd-mm-jjjj"},
        {{"round", "new", "FILE", "--date", "29-02-2027"}, 2, "dd-mm-jjjj"},
        {{"round", "new", "FILE", "--date", "1-1-2026"}, 2, "dd-mm-jjjj"},
        {{"round", "new", "FILE", "--date", "morgen"}, 2, "dd-mm-jjjj"},
        {{"report", "FILE", "--from", "5", "--to", "1"}, 2, "de eerste ronde ligt na de laatste"},
        {{"standings", "FILE", "--from", "5", "--to", "1"},
         2,
         "de eerste ronde ligt na de laatste"},
        {{"player", "add", "FILE", "--name", "X", "--number", "0"}, 2, "--number"},
        {{"player", "add", "FILE", "--name", "X", "--max", "-3"}, 2, "--max"},
        {{"player", "add", "FILE", "--name", "X", "--fmjd-id", "-1"}, 2, "--fmjd-id"},
        {{"player", "add", "FILE", "--name", "X", "--name", "Y"}, 2, "meer dan eens"},
        {{"standings", "FILE", "--from", "99"}, 1, "99"},
        {{"report", "FILE", "--kind", "series", "--groups-from", "7", "--groups-to", "1"},
         2,
         "eerste groep"},
        {{"match", "renumber", "FILE", "1", "1", "-4"}, 2, "NEWNUMBER"},
        {{"category", "add", "FILE", "AB", "Twee"}, 2, "één letter"},
        {{"pair", "FILE", "--round", "1001"}, 2, "van 1 tot en met 1000"},
    };
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);
    const std::string hoofd = Lees(f), groep = Lees(map / "club.101");
    for (const auto& g : gevallen) {
        std::vector<std::string> args;
        for (const auto& a : g.args) args.push_back(a == "FILE" ? f : a);
        const auto r = Cli(args);
        EXPECT_EQ(r.status, g.status) << g.args[0] << " " << g.args.back() << ": " << r.err;
        EXPECT_NE(r.err.find(g.melding), std::string::npos) << g.args.back() << ": " << r.err;
        EXPECT_EQ(Lees(f), hoofd) << g.args.back();
        EXPECT_EQ(Lees(map / "club.101"), groep) << g.args.back();
    }
    // A new file named in capitals is the file the next command opens by that name.
    ASSERT_EQ(Cli({"new", map / "a.XV7"}).status, 0);
    EXPECT_EQ(Cli({"player", "add", map / "a.XV7", "--name", "Anna"}).status, 0);
}

TEST(CliBestanden, VraagNoemtDeOptieDieHaarBeantwoordt) {
    TijdelijkeMap map;
    const std::string f = KopieerDemo(map);
    const std::vector<std::pair<std::vector<std::string>, std::string>> gevallen = {
        {{"player", "delete", f, "1"}, "Speler Jansen, P. verwijderen? (beantwoord met --yes)"},
        {{"round", "delete", f, "2"},
         "Wilt u ook de wedstrijden verwijderen uit ronde 2? (beantwoord met --yes | "
         "--keep-matches)"},
        {{"--lang", "en", "category", "delete", f, "1"}, "(answer with --yes)"},
    };
    const std::string voor = Lees(map / "club.101");
    for (const auto& [args, optie] : gevallen) {
        const auto r = Cli(args);
        EXPECT_EQ(r.status, 1) << args[1];
        EXPECT_NE(r.err.find(optie), std::string::npos) << r.err;
    }
    EXPECT_EQ(Lees(map / "club.101"), voor); // an unanswered question changes nothing
}
