// Saving never writes through a planted link, keeps the file's mode and link, refuses a
// read-only file, leaves no temporary files and reaches the disk before it counts as done.
#include "hulp.h"
#include "storage/competitiebestand.h"
#include "storage/veiligschrijven.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace velkaro;
using namespace velkaro::test;
namespace fs = std::filesystem;

namespace {

void Kleine(Competitie& c, const std::string& pad, const std::string& naam = "Nieuw") {
    c.Bestandsnaam = pad;
    c.HuidigeDeelcomp = 1;
    c.Opties.Toernooinaam = naam;
}

std::vector<std::string> Tijdelijke(const fs::path& map) {
    std::vector<std::string> r;
    for (const auto& e : fs::directory_iterator(map))
        if (e.path().filename().string().ends_with(".tmp~")) r.push_back(e.path().filename());
    return r;
}

mode_t Modus(const std::string& pad) {
    struct stat st {};
    ::stat(pad.c_str(), &st);
    return st.st_mode & 07777;
}

} // namespace

TEST(VeiligOpslaan, GeplantLinkOpDeTijdelijkeNaamWordtNietGevolgd) {
    TijdelijkeMap map;
    Schrijf(map / "slachtoffer.txt", "van iemand anders");
    for (const char* n : {"club.xv7.tmp~", "club.101.tmp~"})
        fs::create_symlink(map / "slachtoffer.txt", map / n);
    Competitie c;
    Kleine(c, map / "club.xv7");
    ASSERT_TRUE(SchrijfBestand(c).Ok());
    EXPECT_EQ(Lees(map / "slachtoffer.txt"), "van iemand anders");
    EXPECT_TRUE(Tijdelijke(map.Pad()).empty()); // the planted links went, as links
    Competitie d;
    ASSERT_TRUE(LeesBestand(d, map / "club.xv7").Ok());
    EXPECT_EQ(d.Opties.Toernooinaam, "Nieuw");
}

TEST(VeiligOpslaan, VerouderdeTijdelijkeBestandenWordenOpgeruimd) {
    TijdelijkeMap map;
    const std::vector<std::string> oud = {"club.xv7.Ab3dE6gH.tmp~", "club.102.x1y2z3w4.tmp~"};
    const std::vector<std::string> blijft = {
        "club.xv7.Qr5tU8wX.tmp~",  // fresh: a save still running elsewhere
        "ander.xv7.Ab3dE6gH.tmp~", // another competition
        "club.xv7.bak"};
    for (const auto& n : oud) {
        Schrijf(map / n, "half");
        fs::last_write_time(map / n, fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    for (const auto& n : blijft) Schrijf(map / n, "x");
    Competitie c;
    Kleine(c, map / "club.xv7");
    c.Groepen.Voegtoe({2, "", 2, false, ""});
    ASSERT_TRUE(SchrijfBestand(c).Ok());
    for (const auto& n : oud) EXPECT_FALSE(fs::exists(map / n)) << n;
    for (const auto& n : blijft) EXPECT_TRUE(fs::exists(map / n)) << n;
}

TEST(VeiligOpslaan, ModusBlijft) {
    for (mode_t m : {0600, 0640, 0664, 0755}) {
        TijdelijkeMap map;
        Competitie c;
        Kleine(c, map / "club.xv7");
        ASSERT_TRUE(SchrijfBestand(c).Ok());
        ::chmod((map / "club.xv7").c_str(), m);
        ::chmod((map / "club.101").c_str(), m);
        c.Opties.Toernooinaam = "Tweede";
        ASSERT_TRUE(SchrijfBestand(c).Ok());
        EXPECT_EQ(Modus(map / "club.xv7"), m);
        EXPECT_EQ(Modus(map / "club.101"), m);
    }
}

TEST(VeiligOpslaan, AlleenLezenWordtGeweigerd) {
    for (const char* welke : {"club.xv7", "club.101"}) {
        TijdelijkeMap map;
        Competitie c;
        Kleine(c, map / "club.xv7", "Oud");
        ASSERT_TRUE(SchrijfBestand(c).Ok());
        const std::string hoofd = Lees(map / "club.xv7"), groep = Lees(map / "club.101");
        ::chmod((map / welke).c_str(), 0444);
        c.Opties.Toernooinaam = "Nieuw";
        c.Groepen.Voegtoe({2, "", 2, false, ""}); // the main file would change too
        c.Gewijzigd = true;
        const auto r = SchrijfBestand(c);
        EXPECT_EQ(r.Fout, Bestandsfout::AlleenLezen) << welke;
        EXPECT_EQ(r.Pad, map / welke);
        EXPECT_TRUE(c.Gewijzigd);
        // Neither file changed: the check comes before anything is written.
        EXPECT_EQ(Lees(map / "club.xv7"), hoofd) << welke;
        EXPECT_EQ(Lees(map / "club.101"), groep) << welke;
        EXPECT_EQ(Modus(map / welke), 0444u);
        EXPECT_TRUE(Tijdelijke(map.Pad()).empty());
    }
}

TEST(VeiligOpslaan, LinkBlijftLinkEnHetDoelKrijgtDeInhoud) {
    TijdelijkeMap map;
    fs::create_directories(map / "echt");
    Competitie c;
    Kleine(c, map / "echt/seizoen.xv7", "Oud");
    ASSERT_TRUE(SchrijfBestand(c).Ok());
    // A relative link to the main file and an absolute one to the group file.
    fs::create_symlink("echt/seizoen.xv7", map / "club.xv7");
    fs::create_symlink(map / "echt/seizoen.101", map / "club.101");
    ::chmod((map / "echt/seizoen.xv7").c_str(), 0600);

    Competitie d;
    ASSERT_TRUE(LeesBestand(d, map / "club.xv7").Ok());
    d.Opties.Toernooinaam = "Via de link";
    ASSERT_TRUE(SchrijfBestand(d).Ok());
    EXPECT_EQ(std::forward_as_tuple(bool(fs::is_symlink(map / "club.xv7")),
                                    bool(fs::is_symlink(map / "club.101")),
                                    Modus(map / "echt/seizoen.xv7")),
              std::make_tuple(true, true, 0600u));
    Competitie e;
    ASSERT_TRUE(LeesBestand(e, map / "echt/seizoen.xv7").Ok());
    EXPECT_EQ(std::forward_as_tuple(e.Opties.Toernooinaam, bool(Tijdelijke(map.Pad()).empty()),
                                    bool(Tijdelijke(map / "echt").empty())),
              std::make_tuple("Via de link", true, true));
}

TEST(VeiligOpslaan, BestandEnMapBereikenDeSchijf) {
    TijdelijkeMap map;
    Competitie c;
    Kleine(c, map / "club.xv7", "Oud");
    ASSERT_TRUE(SchrijfBestand(c).Ok());
    const std::string oudHoofd = Lees(map / "club.xv7");
    c.Opties.Toernooinaam = "Nieuw";
    c.Groepen.Voegtoe({2, "", 2, false, ""});

    // Per sync: what was synced and what the main file held at that moment.
    std::vector<std::pair<std::string, std::string>> syncs;
    ZetSyncWaarnemer([&](const std::string& p) { syncs.emplace_back(p, Lees(map / "club.xv7")); });
    ASSERT_TRUE(SchrijfBestand(c).Ok());
    ZetSyncWaarnemer(nullptr);
    // The main file carries the open group's new title, written with it in one change.
    const std::string nieuwHoofd = Lees(map / "club.xv7");
    EXPECT_NE(nieuwHoofd.find("Nieuw"), std::string::npos);

    const std::string mapNaam = fs::path(map / "club.xv7").parent_path().string();
    // The two temporary files and the journal's, the folder with the journal in it, the
    // folder after the renames, the folder after the journal went.
    ASSERT_EQ(syncs.size(), 6u);
    EXPECT_TRUE(syncs[0].first.starts_with(map / "club.101.")); // the temporary files
    EXPECT_TRUE(syncs[1].first.starts_with(map / "club.xv7."));
    EXPECT_TRUE(syncs[2].first.starts_with(map / "club.jnl."));
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(fs::exists(syncs[i].first)); // renamed since
        EXPECT_EQ(syncs[i].second, oudHoofd);     // before the renames
    }
    EXPECT_EQ(syncs[3].first, mapNaam);
    EXPECT_EQ(syncs[3].second, oudHoofd); // the journal is on disk before any file is replaced
    EXPECT_EQ(syncs[4].first, mapNaam);
    EXPECT_EQ(syncs[4].second, nieuwHoofd); // after the renames
    EXPECT_EQ(syncs[5].first, mapNaam);
    EXPECT_FALSE(fs::exists(map / "club.jnl"));
}

TEST(VeiligOpslaan, PijpOfApparaatWordtNooitGeopend) {
    TijdelijkeMap map;
    ASSERT_EQ(::mkfifo((map / "pijp.xv7").c_str(), 0644), 0);
    Competitie c;
    EXPECT_EQ(LeesBestand(c, map / "pijp.xv7").Fout, Bestandsfout::GeenGewoonBestand);
    fs::create_symlink("/dev/zero", map / "nul.xv7");
    EXPECT_EQ(LeesBestand(c, map / "nul.xv7").Fout, Bestandsfout::GeenGewoonBestand);
    // Saving over a pipe is refused as well, before the main file is written.
    Competitie d;
    Kleine(d, map / "club.xv7");
    ASSERT_EQ(::mkfifo((map / "club.101").c_str(), 0644), 0);
    EXPECT_EQ(SchrijfBestand(d).Fout, Bestandsfout::GeenGewoonBestand);
    EXPECT_FALSE(fs::exists(map / "club.xv7"));
}

// Outputs never land on the competition's own files, however the path reaches them.
TEST(VeiligOpslaan, EigenBestandenHerkend) {
    TijdelijkeMap map;
    Competitie c;
    EXPECT_FALSE(IsEigenBestand(c, map / "club.xv7")); // nothing open
    Kleine(c, map / "club.xv7");
    Deelcompgegevens g;
    g.Bestandsnummer = 3;
    c.Groepen.Voegtoe(g);
    Schrijf(map / "club.103", "x");
    fs::create_symlink(map / "club.103", map / "link.txt");
    fs::create_hard_link(map / "club.103", map / "hard.txt");
    fs::create_directories(map / "sub");
    for (const std::string& pad :
         {map / "club.xv7", map / "sub/../club.103", map / "./club.103", map / "club.lck",
          map / "club.lcl", map / "club.jnl", map / "link.txt", map / "hard.txt"})
        EXPECT_TRUE(IsEigenBestand(c, pad)) << pad;
    for (const std::string& pad : {map / "club.104", map / "club.pdf", std::string("club.xv7")})
        EXPECT_FALSE(IsEigenBestand(c, pad)) << pad;
}

// A competition opened read-only (in use elsewhere, or damaged and not confirmed) writes
// nothing, and a save that is refused keeps it marked as changed.
TEST(VeiligOpslaan, AlleenGeopendSchrijftNiets) {
    TijdelijkeMap map;
    for (auto soort : {Competitie::Alleenlezen::Groep, Competitie::Alleenlezen::Competitie}) {
        Competitie c;
        Kleine(c, map / "club.xv7");
        c.AlleenLezen = soort;
        c.Gewijzigd = true;
        EXPECT_EQ(SchrijfBestand(c).Fout, Bestandsfout::AlleenGeopend);
        EXPECT_EQ(SchrijfDeelcomp(c).Fout, Bestandsfout::AlleenGeopend);
        EXPECT_TRUE(c.Gewijzigd);
        EXPECT_TRUE(fs::is_empty(map.Pad()));
    }
}
