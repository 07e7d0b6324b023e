// velkaro-cli standings on a copy of the demo competition: the ranking it prints against the
// results in the file, what it saves, and its options.
#include "../cli/cli_hulp.h"
#include "entry/bestand.h"
#include "hulp.h"
#include "model/competitie.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using namespace velkaro;
using namespace velkaro::test;

namespace {

// One printed line: place, drawing number, then the last four columns AW, Pt, WP, SB.
struct Regel {
    int plaats, nummer, partijen, punten, wp, sb;
};

std::vector<Regel> LeesRegels(const std::string& uitvoer) {
    const auto tekst = Regels(uitvoer);
    std::vector<Regel> regels;
    for (std::size_t i = 1; i < tekst.size(); ++i) { // after the heading
        const std::string& regel = tekst[i];
        const auto t = Woorden(regel);
        if (t.size() < 7) {
            ADD_FAILURE() << "short line: " << regel;
            continue;
        }
        const auto n = t.size();
        regels.push_back({std::stoi(t[0]), std::stoi(t[1]), std::stoi(t[n - 4]),
                          std::stoi(t[n - 3]), std::stoi(t[n - 2]), std::stoi(t[n - 1])});
    }
    return regels;
}

class DemoStand : public ::testing::Test {
protected:
    TijdelijkeMap map;
    std::string f = test::KopieerDemo(map);
};

TEST_F(DemoStand, ZwitsersMetWeerstandspuntenEnSB) {
    const auto r = Cli({"standings", f});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string kop = r.out.substr(0, r.out.find('\n'));
    EXPECT_NE(kop.find("WP"), std::string::npos) << kop;
    EXPECT_NE(kop.find("SB"), std::string::npos) << kop;
    const auto regels = LeesRegels(r.out);
    // Saved: the standings are up to date, and the printed totals and places are the stored
    // ones, whose computation the library tests check.
    Competitie na;
    ASSERT_TRUE(LeesBestand(na, f).Ok());
    ASSERT_EQ(na.Opties.Rekensysteem, SysteemZwitsers);
    EXPECT_TRUE(na.Opties.IsActueel());
    ASSERT_EQ(regels.size(), na.Spelers.Aantal());
    int punten = 0, uitslagen = 0;
    for (const auto& w : na.Wedstrijden) uitslagen += w->G().Gespeeld ? 1 : 0;
    for (std::size_t i = 0; i < regels.size(); ++i) {
        const auto& b = regels[i];
        const Spelergegevens g = *na.Spelers.zoekloting(b.nummer);
        EXPECT_EQ(
            std::tuple(b.plaats, b.punten, b.partijen, b.wp, b.sb),
            std::tuple(g.Notering, g.Punten, g.AantalPartijen, g.Weerstandspunten, g.SBPunten))
            << g.Naam;
        punten += b.punten;
        if (i == 0) {
            EXPECT_EQ(b.plaats, 1);
            continue;
        }
        const auto& a = regels[i - 1];
        // Points, then resistance, then SB, then the lower number; equal keys share a place.
        const auto ka = std::tuple(a.punten, a.wp, a.sb), kb = std::tuple(b.punten, b.wp, b.sb);
        EXPECT_GE(ka, kb) << a.nummer << " before " << b.nummer;
        if (ka == kb) {
            EXPECT_LT(a.nummer, b.nummer);
            EXPECT_EQ(b.plaats, a.plaats);
        } else {
            EXPECT_EQ(b.plaats, static_cast<int>(i) + 1);
        }
    }
    EXPECT_EQ(punten, 2 * uitslagen); // two points a game, as the file's results give
}

TEST_F(DemoStand, RondesMinimumEnNietOpslaan) {
    const std::string groep = map / "club.101";
    const std::string voor = Lees(groep);
    auto r = Cli({"standings", f, "--from", "2", "--to", "3", "--no-save"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const auto& regel : LeesRegels(r.out)) EXPECT_EQ(regel.partijen, 2);
    EXPECT_EQ(Lees(groep), voor);

    r = Cli({"standings", f, "--min-games", "6"});
    ASSERT_EQ(r.status, 0) << r.err;
    Competitie na;
    ASSERT_TRUE(LeesBestand(na, f).Ok());
    EXPECT_EQ(na.MinimumWedstrijden, 6);

    EXPECT_EQ(Cli({"standings", f, "--from", "x"}).status, 2);
    EXPECT_EQ(Cli({"standings", f, "--min-games", "1000"}).status, 2);
    EXPECT_EQ(Cli({"standings"}).status, 2);
    EXPECT_EQ(Cli({"standings", map / "ontbreekt.xv7"}).status, 1);
    EXPECT_EQ(Cli({"standings", "--help"}).status, 0);
}

TEST_F(DemoStand, VorigeNotering) {
    // Ranked on fewer rounds the places change: "--keep-previous" leaves the previous places as
    // they were, without it they take the places the ranking had.
    ASSERT_EQ(Cli({"standings", f, "--to", "2"}).status, 0);
    Competitie eerst, behouden, bijgewerkt;
    ASSERT_TRUE(LeesBestand(eerst, f).Ok());
    ASSERT_EQ(Cli({"standings", f, "--to", "1", "--keep-previous"}).status, 0);
    ASSERT_TRUE(LeesBestand(behouden, f).Ok());
    ASSERT_EQ(Cli({"standings", f}).status, 0);
    ASSERT_TRUE(LeesBestand(bijgewerkt, f).Ok());
    int verschoven = 0;
    for (const auto& s : behouden.Spelers) {
        const int32_t n = s->Lotingnummer();
        const auto e = eerst.Spelers.zoekloting(n);
        EXPECT_EQ(s->G().VorigeNotering, e->VorigeNotering) << n;
        EXPECT_EQ(bijgewerkt.Spelers.zoekloting(n)->VorigeNotering, s->G().Notering) << n;
        verschoven += e->Notering != e->VorigeNotering;
    }
    EXPECT_GT(verschoven, 0);
}

TEST(StandCli, KeizerwaardenBlijvenBewaard) {
    // The four players of Keizer.VasteKerenWaardenPerPlaats: opening computes the first pass
    // silently, the command the second from the values it left, as the library test shows.
    TijdelijkeMap map;
    Toernooi t(SysteemKeizer);
    t.c.Bestandsnaam = map / "keizer.xv7";
    std::tie(t.c.Opties.PuntenNr1, t.c.Opties.Afloopfactor, t.c.Opties.NietOptimaliseren,
             t.c.Opties.KerenRekenen) = std::make_tuple(60, 2, 1, 1);
    t.Spelers(4);
    t.Winst(1, 4, 1);
    t.Remise(1, 2, 3);
    t.Winst(2, 4, 2);
    ASSERT_TRUE(SchrijfBestand(t.c).Ok());
    const auto r = Cli({"standings", map / "keizer.xv7"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("KTot"), std::string::npos);
    std::vector<std::pair<int, int>> totaalEnWaarde;
    for (const auto& regel : LeesRegels(r.out)) totaalEnWaarde.emplace_back(regel.wp, regel.sb);
    EXPECT_EQ(totaalEnWaarde,
              (std::vector<std::pair<int, int>>{{170, 60}, {105, 58}, {85, 56}, {71, 54}}));
    Competitie na;
    ASSERT_TRUE(LeesBestand(na, map / "keizer.xv7").Ok());
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(na.Spelers.zoekloting(n)->Keizerwaarde, 52 + 2 * n) << n;
}

TEST(Laden, StandVolgtOpElkeLading) {
    // Opening computes the standings silently: the totals follow the results, whatever the
    // file holds, and the flag stays as the file has it.
    Competitie c;
    ASSERT_TRUE(OpenBestand(c, std::string(VELKARO_EXAMPLES) + "/club.xv7").Ok());
    int punten = 0, uitslagen = 0;
    for (const auto& s : c.Spelers) punten += s->G().Punten;
    for (const auto& w : c.Wedstrijden) uitslagen += w->G().Gespeeld ? 1 : 0;
    EXPECT_EQ(punten, 2 * uitslagen);
    EXPECT_EQ(c.Ranglijst.Aantal(), c.Spelers.Aantal());
}

} // namespace
