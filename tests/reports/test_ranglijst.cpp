// The ranking list and the progress table written from standings set by hand: the columns of
// every system, shared places, the frame, and the progress table's rounds and continuations.
#include "hulp.h"
#include "lang/teksten.h"
#include "reports/kader.h"
#include "reports/ranglijst_rapport.h"
#include "reports/rapport.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

const std::string kHalf = "\xC2\xBD";

struct Stand {
    Competitie c;
    Stand() {
        c.Opties.ZetStandaard();
        c.Bestandsnaam = "/ergens/club.xv7";
        const char* namen[] = {"Jansen, P.", "de Vries, H.", "Bakker, A.", "Visser, K.",
                               "Smit, J."};
        const int punten[] = {7, 5, 4, 4, 0};
        const int noteringen[] = {1, 2, 3, 3, 5};
        for (int i = 0; i < 5; ++i) {
            auto& g = NieuweSpeler(c, namen[i], i + 1).W();
            g.Punten = punten[i];
            g.AantalPartijen = 4;
            g.Notering = static_cast<uint8_t>(noteringen[i]);
            g.Weerstandspunten = 10 + i;
            g.SBPunten = 20 + i;
            g.Plaats = "Zwolle";
        }
        ZetRanglijst(c, {1, 2, 3, 4, 5});
    }
    std::vector<std::string> Koppen(const Afdrukopties& a) {
        Partijtabellen t;
        t.Vul(c);
        std::vector<std::string> r;
        for (const auto& k : RanglijstKolommen(c, a, t)) r.push_back(k.Kop);
        return r;
    }
    std::vector<std::string> Scherm(const Rapportopties& o) {
        ScriptGesprek g;
        LijstScherm s;
        TUitvoerObject u(g);
        u.StartScherm(s);
        EXPECT_TRUE(SchrijfRapport(c, o, u, VasteKlok{}));
        u.EindeScherm();
        return s.Regels;
    }
};

} // namespace

TEST(Ranglijst, WeerstandskolommenPerSorteervolgorde) {
    Stand s;
    const Afdrukopties geen;
    s.c.Opties.Rekensysteem = SysteemZwitsers;
    s.c.Opties.Sorteervolgorde = 47;
    EXPECT_EQ(s.Koppen(geen), (std::vector<std::string>{"Nr", "Naam", "AW", "Pt", "  WP", "  SB"}));
    s.c.Opties.Rekensysteem = SysteemNormaal;
    s.c.Opties.Sorteervolgorde = 389;
    EXPECT_EQ(s.Koppen(geen), (std::vector<std::string>{"Nr", "Naam", "AW", "Pt"}));
    s.c.Opties.Sorteervolgorde = 71562;
    EXPECT_EQ(s.Koppen(geen), (std::vector<std::string>{"Nr", "Naam", "AW", "Pt", "  SB", " E-Rt",
                                                        " W-l", " Wlh", " T-Rt"}));
    s.c.Opties.Rekensysteem = Systeem16;
    EXPECT_EQ(s.Koppen(geen), (std::vector<std::string>{"Nr", "Naam", "AW", "Pt"}));
}

TEST(Ranglijst, KolommenVanDeAndereSystemen) {
    Stand s;
    Afdrukopties a;
    s.c.Opties.Sorteervolgorde = 47;
    s.c.Opties.Rekensysteem = SysteemKeizer;
    EXPECT_EQ(s.Koppen(a), (std::vector<std::string>{"Nr", "Naam", "AW", "Pt", "KTot", "KPnt"}));
    s.c.Opties.Rekensysteem = SysteemMoyenne;
    EXPECT_EQ(s.Koppen(a),
              (std::vector<std::string>{"Nr", "Naam", "AW", "Pt", "Eigen", "Tegen", "Total"}));
    s.c.Opties.Rekensysteem = SysteemRating;
    EXPECT_EQ(s.Koppen(a), (std::vector<std::string>{"Nr", "Naam", "AW", "Pt", "Ts-R", "Prest",
                                                     "Begin", "   Nu"}));
    s.c.Opties.Rekensysteem = SysteemLaren;
    a.Statistiek = true;
    EXPECT_EQ(s.Koppen(a),
              (std::vector<std::string>{"Nr", "Naam", "AW", "+", "=", "-", "Pt", "RWC", "RWP",
                                        "P/N", "RWP/N", "Pl P", "Pl R", "P GP", "P GR", "P Tot"}));
    // Every option in its place, plus- and minus-draws only when they are in use.
    s.c.Opties.Rekensysteem = SysteemNormaal;
    s.c.Opties.Sorteervolgorde = 389;
    s.c.Opties.PuntenPlusRemise = 3;
    Afdrukopties alles;
    alles.VorigeNotering = alles.FMJDTitel = alles.NatTitel = alles.Plaats = alles.Land = true;
    alles.Categorie = alles.Statistiek = alles.Kleurverhouding = true;
    EXPECT_EQ(s.Koppen(alles),
              (std::vector<std::string>{"Nr", "Vor", "Naam", "FMJD", "Nat", "Plaats", "Land", "Cat",
                                        "AW", "+", "+=", "=", "-=", "-", "Pt", "Klr"}));
    // The title columns name titles 1..3 and leave 0 blank.
    s.c.Spelers.At(0).W().FMJDTitel = 1;
    s.c.Spelers.At(1).W().LokaleTitel = 3;
    Partijtabellen t;
    const auto k = RanglijstKolommen(s.c, alles, t);
    const auto cel = [&](std::size_t kolom, std::size_t i) {
        return k[kolom].Waarde(i + 1, s.c.Spelers.At(i)).Tekst;
    };
    EXPECT_EQ(std::forward_as_tuple(cel(3, 0), cel(3, 1), cel(4, 1), cel(4, 0)),
              std::make_tuple("MF", "", "GMN", ""));
}

TEST(Ranglijst, KeizerkolommenTonenDeKeizerwaarden) {
    Stand s;
    s.c.Opties.Rekensysteem = SysteemKeizer;
    auto& g = s.c.Spelers.At(0).W();
    g.Keizerpunten = 1234.5;
    g.Keizerwaarde = 47;
    Rapportopties o;
    const auto regels = s.Scherm(o);
    ASSERT_GE(regels.size(), 5u);
    EXPECT_EQ(regels[4], "  Nr Naam          AW  Pt   KTot KPnt ");
    EXPECT_EQ(regels[5], "   1 Jansen, P.     4   7 1234.5   47 ");
}

TEST(Ranglijst, GedeeldePlaatsEenmaal) {
    Stand s;
    Rapportopties o;
    const auto regels = s.Scherm(o);
    // File line, empty line, title, blank line, header, five rows.
    ASSERT_EQ(regels.size(), 10u);
    EXPECT_EQ(std::forward_as_tuple(regels[0], regels[1], regels[2], regels[4], regels[7],
                                    regels[8], regels[9]),
              std::make_tuple("Bestand: club.xv7", "", "Ranglijst", "  Nr Naam          AW  Pt ",
                              "   3 Bakker, A.     4   4 ", "     Visser, K.     4   4 ",
                              "   5 Smit, J.       4   0 "));
}

TEST(Ranglijst, MatrixStatistiekEnSchaaknotatie) {
    Stand s;
    s.c.Opties.ZetVlag(VlagSchaaknotatie, true);
    s.c.Opties.VanRonde = 1;
    s.c.Opties.TotRonde = 1;
    Speel(s.c, 1, 1, 2, UitslagWinst, UitslagVerlies);
    Speel(s.c, 1, 3, 4, UitslagRemise, UitslagRemise);
    Rapportopties o;
    o.Afdrukken.Matrix = true;
    o.Afdrukken.VorigeNotering = true;
    auto& g = s.c.Spelers.At(0).W();
    g.VorigeNotering = 2;
    // A name that fills its column keeps two blanks from the cross table's first column.
    g.Naam = "Wouter Meewisse";
    const auto regels = s.Scherm(o);
    ASSERT_EQ(regels.size(), 10u);
    EXPECT_EQ(std::forward_as_tuple(regels[2], regels[4], regels[5], regels[7]),
              std::make_tuple("Ranglijst na ronde 1",
                              "  Nr Vor Naam             1 2 3 4 5  AW  Pt ",
                              "   1   2 Wouter Meewisse  \xE2\x80\xA2 + . . .   4  3" + kHalf + " ",
                              "   3  -- Bakker, A.       . . \xE2\x80\xA2 = .   4  2  "));
}

TEST(Ranglijst, KaderMetToernooigegevensEnTeksten) {
    Stand s;
    s.c.Opties.Toernooinaam = "Clubkampioenschap";
    s.c.Opties.Rekensysteem = SysteemZwitsers;
    s.c.Opties.Sorteervolgorde = 47;
    s.c.Toernooi.SpeelVan = "06092024";
    s.c.Toernooi.WLNaam = "DC Zwolle";
    Rapportopties o;
    o.Programma = "Velkaro 1.2";
    o.Afdrukken.Toernooigegevens = true;
    o.Afdrukken.FMJDInfo = true;
    o.Afdrukken.Totaalgegevens = true;
    o.VasteTekst = "Seizoen 2024-2025\nGroep A";
    o.EenmaligeTekst = "Onder voorbehoud";
    s.c.Spelers.At(0).W().FMJDRating = 2300;
    const auto regels = s.Scherm(o);
    // The golden reports show the whole frame; here the labels are as wide as the widest in
    // use, an empty field has no line, and the fixed text keeps its lines.
    const std::vector<std::string> verwacht = {
        "Toernooinaam    : Clubkampioenschap", "Gespeeld van    : 06-09-2024",
        "Organisatie     : DC Zwolle", "Toernooivorm    : Zwitsers", "Sorteervolgorde : 47", "",
        "Programma       : Velkaro 1.2", "Printdatum      : 07-03-2025", "", "Seizoen 2024-2025",
        "Groep A", "Onder voorbehoud", "",
        // (2300 + 4 x 2100) / 5: a rating of 0 counts as 2100
        "Gemiddelde rating 2140 categorie VIII"};
    ASSERT_GT(regels.size(), verwacht.size() + 2);
    EXPECT_EQ(std::vector<std::string>(regels.begin() + 2, regels.begin() + 2 + verwacht.size()),
              verwacht);
    EXPECT_EQ(regels.back(), "Remise                  : 0");
    EXPECT_EQ(Datumtekst("6-9-24"), "6-9-24"); // not eight digits: left as typed
}

TEST(Voortschrijding, GemisteRondeEnCumulatief) {
    Stand s;
    s.c.Opties.VanRonde = 1;
    s.c.Opties.TotRonde = 4;
    // Jansen misses round 3; his round-4 total is his round-2 total plus his round-4 points.
    Speel(s.c, 1, 1, 2, UitslagWinst, UitslagVerlies);
    Speel(s.c, 2, 3, 1, UitslagRemise, UitslagRemise);
    Speel(s.c, 3, 2, 3, UitslagWinst, UitslagVerlies);
    Speel(s.c, 4, 1, 3, UitslagWinst, UitslagVerlies);
    Rapportopties o;
    o.Soort = Rapportsoort::Voortschrijdingstabel;
    const auto regels = s.Scherm(o);
    ASSERT_EQ(regels.size(), 12u);
    EXPECT_EQ(std::forward_as_tuple(regels[2], regels[4], regels[5], regels[6], regels[7],
                                    regels[10], regels[11]),
              std::make_tuple("Voortschrijdingstabel na ronde 4", std::string(30, '-'),
                              "  Nr Naam          1  2  3  4 ", "   1 Jansen, P.    2  3 --  5 ",
                              "   2 de Vries, H.  0 --  2 -- ", "   5 Smit, J.     -- -- -- -- ",
                              regels[4]));
}

TEST(Voortschrijding, VervolgregelsNaMaximumPerRegel) {
    Stand s;
    s.c.MaximumPerRegel = 2;
    s.c.Opties.VanRonde = 1;
    s.c.Opties.TotRonde = 5;
    for (int r = 1; r <= 5; ++r) Speel(s.c, r, 1, 2, UitslagWinst, UitslagVerlies);
    Rapportopties o;
    o.Soort = Rapportsoort::Voortschrijdingstabel;
    const auto regels = s.Scherm(o);
    EXPECT_EQ(std::forward_as_tuple(regels[4], regels[5], regels[6], regels[7], regels[8],
                                    regels[9], regels[10]),
              std::make_tuple(std::string(24, '-'), "  Nr Naam          1  2 ",
                              "                   3  4 ", "                   5 ",
                              "   1 Jansen, P.    2  4 ", "                   6  8 ",
                              "                  10 "));
}

TEST(Rapportopties, NamenEnBits) {
    Competitie c;
    c.RanglijstOpties = kStandaardRanglijstOpties;
    Afdrukopties a = AfdrukoptiesVan(c);
    EXPECT_TRUE(a.VorigeNotering && a.Matrix && a.Statistiek && a.Kleurverhouding);
    EXPECT_FALSE(a.Plaats || a.Totaalgegevens || a.Toernooigegevens);
    Afdrukopties b;
    for (const char* n : {"country", "totals", "number", "tournament"})
        EXPECT_TRUE(ZetAfdrukoptie(b, n));
    EXPECT_FALSE(ZetAfdrukoptie(b, "colour"));
    EXPECT_TRUE(b.Land && b.Totaalgegevens && b.Lotingnummer && b.Toernooigegevens);
    BewaarAfdrukopties(c, b);
    EXPECT_EQ(c.RanglijstOpties, OptieLand | OptieTotaalgegevens | OptieToernooigegevens);
    EXPECT_TRUE(c.ToonLotingnummer);
    EXPECT_NE(AfdrukoptieNamen().find("second-rating"), std::string::npos);
}

TEST(Rapport, StandVoorHetRapport) {
    Competitie c;
    c.Opties.ZetStandaard();
    for (int i = 1; i <= 4; ++i) NieuweSpeler(c, "S" + std::to_string(i), i);
    c.Spelers.At(3).W().Opnemen = OpnemenRooster; // not in the standings
    Speel(c, 1, 1, 2, UitslagWinst, UitslagVerlies);
    Speel(c, 1, 3, 4, UitslagWinst, UitslagVerlies);
    Speel(c, 2, 2, 3, UitslagRemise, UitslagRemise);
    Speel(c, 3, 1, 3, UitslagVerlies, UitslagWinst);
    c.RondesInMatrix = 7;
    Rapportopties o;
    o.VanRonde = 2;
    BerekenStandVoorRapport(c, o);
    EXPECT_EQ(std::forward_as_tuple(c.RondesInMatrix, c.Opties.VanRonde, c.Opties.TotRonde),
              std::make_tuple(4, 2, 3));
    ASSERT_EQ(c.Ranglijst.Aantal(), 3u);
    EXPECT_EQ(c.Ranglijst.At(0).Speler->InternNummer(), 3); // 3 points from rounds 2 and 3
    EXPECT_TRUE(c.Opties.IsActueel());
    EXPECT_EQ(Rapporttitel(c, Rapportsoort::Ranglijst), "Ranglijst rondes 2 t/m 3");
}
