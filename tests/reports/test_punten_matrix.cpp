// Point notation, the per-player tables and the cross-table cells.
#include "hulp.h"
#include "lang/teksten.h"
#include "reports/matrix.h"
#include "reports/partijtabellen.h"
#include "reports/punten.h"
#include "standings/stand.h"

#include <gtest/gtest.h>

#include <climits>

using namespace velkaro;
using namespace velkaro::test;

namespace {
const std::string kHalf = "\xC2\xBD";
const std::string kBullet = "\xE2\x80\xA2";

std::string Cel(const Competitie& c, const Partijtabellen& t, std::size_t rij, std::size_t kolom) {
    return MatrixCel(c, t, rij, kolom, MatrixBreedte(c)).Tekst;
}
} // namespace

TEST(Punten, Schaaknotatie) {
    EXPECT_EQ(std::forward_as_tuple(MaakSchaakPunten(3), MaakSchaakPunten(1), MaakSchaakPunten(4),
                                    MaakSchaakPunten(7), MaakSchaakPunten(0), MaakSchaakPunten(-3),
                                    MaakSchaakPunten(-1), MaakKNDBDelftsPunten(1),
                                    MaakKNDBDelftsPunten(5), MaakKNDBDelftsPunten(6)),
              std::make_tuple("1" + kHalf, kHalf, "2 ", "3" + kHalf, "0 ", "-1" + kHalf,
                              "-" + kHalf, " " + kHalf, "2" + kHalf, "3 "));

    trekenopties o;
    o.ZetStandaard();
    EXPECT_EQ(PuntenTekst(o, 7), "7");
    o.ZetVlag(VlagSchaaknotatie, true);
    EXPECT_EQ(PuntenTekst(o, 7), "3" + kHalf);
    o.ZetVlag(VlagSchaaknotatie, false);
    o.ZetVlag(VlagKNDBDelfts, true);
    EXPECT_EQ(PuntenTekst(o, 1), " " + kHalf);
}

class Kruistabel : public ::testing::Test {
protected:
    void SetUp() override {
        c.Opties.ZetStandaard();
        for (int i = 1; i <= 4; ++i) NieuweSpeler(c, "Speler " + std::to_string(i), i);
        c.Opties.VanRonde = 1;
        c.Opties.TotRonde = 9;
        ZetRanglijst(c, {1, 2, 3, 4});
    }
    Partijtabellen Tabellen() {
        Partijtabellen t;
        t.Vul(c);
        return t;
    }
    Competitie c;
};

TEST_F(Kruistabel, MeerPartijenAlsCijferEnVet) {
    for (int r = 1; r <= 5; ++r) Speel(c, r, 1, 2, UitslagWinst, UitslagVerlies);
    Speel(c, 6, 2, 1, UitslagRemise, UitslagRemise);
    Speel(c, 1, 3, 4, UitslagWinst, UitslagVerlies);
    Speel(c, 2, 4, 3, UitslagRemise, UitslagRemise);
    auto t = Tabellen();
    EXPECT_EQ(Cel(c, t, 1, 2), "#"); // 11 points
    EXPECT_EQ(
        std::forward_as_tuple(Cel(c, t, 2, 1), Cel(c, t, 3, 4), bool(MatrixCel(c, t, 3, 4, 1).Vet)),
        std::make_tuple("1", "3", true));
    // Rounds 7 and later lie outside the range of the computation.
    c.Opties.TotRonde = 1;
    t = Tabellen();
    EXPECT_EQ(Cel(c, t, 1, 2), "+");
    EXPECT_FALSE(MatrixCel(c, t, 1, 2, 1).Vet);

    // Wider columns print the points in the notation of the settings.
    c.Opties.TotRonde = 9;
    c.RondesInMatrix = 2;
    c.Opties.ZetVlag(VlagSchaaknotatie, true);
    t = Tabellen();
    EXPECT_EQ(std::forward_as_tuple(Cel(c, t, 1, 2), Cel(c, t, 3, 4), Cel(c, t, 4, 3)),
              std::make_tuple("5" + kHalf, "1" + kHalf, kHalf));
    EXPECT_FALSE(MatrixCel(c, t, 3, 4, 2).Vet);
    c.Opties.ZetVlag(VlagKNDBDelfts, true);
    c.Opties.ZetVlag(VlagSchaaknotatie, false);
    EXPECT_EQ(MatrixBreedte(c), 3);
}

TEST_F(Kruistabel, BijzondereRemisesEnAfgebroken) {
    c.Opties.ZetVlag(VlagKNDBDelfts, true);
    c.Opties.PuntenWinst = 4;
    c.Opties.PuntenRemise = 2;
    c.Opties.PuntenPlusRemise = 3;
    c.Opties.PuntenMinRemise = 1;
    Speel(c, 1, 1, 2, UitslagPlusRemise, UitslagMinRemise);
    Wedstrijdgegevens w;
    w.Ronde = 1;
    w.Wedstrijdnummer = 9;
    w.Wit = 3;
    w.Zwart = 4;
    c.Wedstrijden.Voegtoe(w).ZetUitslag(UitslagWinst, UitslagVerlies, true, false);
    const auto t = Tabellen();
    EXPECT_EQ(std::forward_as_tuple(MatrixBreedte(c), Cel(c, t, 1, 2), Cel(c, t, 2, 1)),
              std::make_tuple(2, "1" + kHalf, " " + kHalf));
    EXPECT_EQ(Cel(c, t, 3, 4), lang::Tekst(lang::T::A)); // adjourned, no counted game
}

TEST_F(Kruistabel, Viertallen) {
    c.Opties.Viertallentoernooi = true;
    Speel(c, 1, 1, 2, 5, 3);
    Speel(c, 2, 2, 1, 2, 6);
    Speel(c, 1, 3, 4, 4, 4);
    const auto t = Tabellen();
    EXPECT_EQ(Cel(c, t, 1, 2), "#"); // 11 board points
    EXPECT_EQ(std::forward_as_tuple(Cel(c, t, 2, 1), Cel(c, t, 3, 4), Cel(c, t, 1, 3)),
              std::make_tuple("5", "4", "."));
}

TEST(KruistabelKop, ZestigSpelers) {
    std::string kop;
    for (std::size_t j = 1; j <= 60; ++j) kop += MatrixKopcel(j, 1).Tekst;
    std::string verwacht;
    for (int blok = 0; blok < 6; ++blok) verwacht += "1234567890";
    EXPECT_EQ(std::forward_as_tuple(kop, MatrixKopcel(7, 2).Tekst, MatrixKopcel(107, 2).Tekst,
                                    MatrixKopcel(107, 3).Tekst),
              std::make_tuple(verwacht, "7", "07", "107"));
    EXPECT_TRUE(MatrixKopcel(7, 2).Kopcel);
}

TEST(Partijtabellen, RondesSpelersEnBuitenstaanders) {
    Competitie c;
    c.Opties.ZetStandaard();
    for (int i = 1; i <= 3; ++i) NieuweSpeler(c, "S" + std::to_string(i), i);
    c.Opties.VanRonde = 1;
    c.Opties.TotRonde = 4;
    ZetRanglijst(c, {2, 1, 3});
    Speel(c, 1, 1, 2, UitslagWinst, UitslagVerlies);
    Speel(c, 2, 3, 1, UitslagRemise, UitslagRemise);
    Speel(c, 4, -1850, 1, UitslagVerlies, UitslagWinst); // an outside opponent
    Speel(c, 3, 7, 1, UitslagVerlies, UitslagWinst);     // 7 is nobody: not counted
    Speel(c, 5, 1, 3, UitslagWinst, UitslagVerlies);     // outside the range
    Wedstrijdgegevens leeg;
    leeg.Ronde = 3;
    leeg.Wit = 2;
    leeg.Zwart = 3;
    c.Wedstrijden.Voegtoe(leeg); // not played yet
    c.Opties.ZetVlag(VlagVrijBijOneven, true);
    leeg.Wit = 3;
    leeg.Zwart = kGeenTegenstander;
    c.Wedstrijden.Voegtoe(leeg); // a bye for 3: a win's 2 points in round 3
    Partijtabellen t;
    t.Vul(c);

    const auto& p = t.Partijen(1);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].Tegenstander, 1); // player 2 stands first in the list
    EXPECT_EQ(std::forward_as_tuple(p[0].Punten, p[0].Kleur, p[1].Tegenstander, p[1].Kleur),
              std::make_tuple(2, 0, 3, 1));
    EXPECT_TRUE(p[2].Buiten);
    EXPECT_EQ(p[2].Tegenstander, 850);

    EXPECT_EQ(std::forward_as_tuple(t.Cumulatief(1, 1), t.Cumulatief(1, 2), t.Cumulatief(1, 3),
                                    t.Cumulatief(1, 4), t.Cumulatief(2, 2), t.Cumulatief(3, 2),
                                    t.Cumulatief(3, 3), t.LaatsteRonde(), t.Onderling(1, 3)->Remise,
                                    t.Onderling(2, 3)),
              std::make_tuple(2, 3, std::nullopt, 5, std::nullopt, 1, 3, 4, 1, nullptr));
}

// The game tables hold exactly the games the standings counted, also for the odd matches a
// file can carry: a result flag with white's adjourned code, and the lowest outside number.
TEST(Partijtabellen, DezelfdePartijenAlsDeStand) {
    Competitie c;
    c.Opties.ZetStandaard();
    for (int i = 1; i <= 3; ++i) NieuweSpeler(c, "S" + std::to_string(i), i);
    Speel(c, 1, 1, 2, UitslagWinst, UitslagVerlies);
    Speel(c, 1, INT32_MIN, 3, UitslagVerlies, UitslagWinst);
    Wedstrijdgegevens w;
    w.Ronde = 2;
    w.Wit = 2;
    w.Zwart = 3;
    w.UitslagWit = UitslagAfgebroken;
    w.Gespeeld = true; // as read from a file: counts, not adjourned
    c.Wedstrijden.Voegtoe(w);
    w.Wit = 1;
    w.Gespeeld = false; // adjourned: no game, but marked between the two
    c.Wedstrijden.Voegtoe(w);
    c.Opties.Herberekenen = 1;
    ranglijst_sorteren(c, false);
    Partijtabellen t;
    t.Vul(c);

    for (int32_t i = 1; i <= 3; ++i)
        EXPECT_EQ(t.Partijen(i).size(),
                  static_cast<std::size_t>(c.Spelers.zoekptr(i)->G().AantalPartijen))
            << "player " << i;
    EXPECT_EQ(t.Partijen(2).size(), 2u);
    const auto& p3 = t.Partijen(3);
    ASSERT_EQ(p3.size(), 2u);
    EXPECT_TRUE(p3[0].Buiten);
    EXPECT_EQ(p3[0].Tegenstander, INT32_MAX % 1000);
    ASSERT_NE(t.Onderling(1, 3), nullptr);
    EXPECT_EQ(std::forward_as_tuple(bool(t.Onderling(1, 3)->Afgebroken),
                                    t.Onderling(1, 3)->Partijen,
                                    bool(t.Onderling(2, 3)->Afgebroken)),
              std::make_tuple(true, 0, false));
}

TEST(Partijtabellen, BordpuntenTellenAlsWedstrijdpunten) {
    trekenopties o;
    o.ZetStandaard();
    o.Rekensysteem = SysteemZwitsers;
    o.PuntenWinst = 8;
    EXPECT_EQ(std::forward_as_tuple(StandPunten(o, 3), StandPunten(o, 4), StandPunten(o, 6)),
              std::make_tuple(0, 1, 2));
    o.PuntenWinst = 2;
    EXPECT_EQ(StandPunten(o, UitslagWinst), 2);
}
