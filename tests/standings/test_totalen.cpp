// The common totals: which matches count, results and counters in every scoring mode, rating
// sums and norms, opponent totals and colours, and the driver's steps around them.
#include "hulp.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

TEST(Totalen, BuitenstaandeTegenstanderTeltAlleenVoorDeSpelerZelf) {
    Toernooi t;
    t.Spelers(2);
    t.Winst(1, 1, -1850); // registered white beats an outside opponent rated 1850
    t.Partij(2, -1700, 1, UitslagRemise, UitslagRemise);
    t.Partij(3, -1600, -1650, UitslagWinst, UitslagVerlies); // two outsiders: not counted
    t.Bereken();
    const auto& g = t.G(1);
    EXPECT_EQ(std::forward_as_tuple(g.AantalPartijen, g.Punten, g.AantalWinst, g.AantalRemise),
              std::make_tuple(2, 3, 1, 1));
    EXPECT_EQ(g.TSRating, (1850 + 1700 + 2100) / 3); // own FMJD rating 2100 counted once more
    EXPECT_EQ(std::forward_as_tuple(g.Weerstandspunten, g.SBPunten, g.Kleurbalans, g.LaatsteKleur,
                                    g.MinTegenstanderPunten, g.MaxTegenstanderPunten,
                                    t.G(2).AantalPartijen, t.G(2).TSRating),
              std::make_tuple(0, 0, 0, 2, 999, 0, 0, 0));
}

TEST(Totalen, WedstrijdMetAfwezigeSpelerTeltNiet) {
    Toernooi t;
    t.Spelers(2);
    t.Winst(1, 99, 2); // 99 is in no register
    t.Winst(2, 1, 0);  // 0 neither
    t.Winst(3, 2, 1);
    t.Bereken();
    EXPECT_EQ(std::forward_as_tuple(t.G(2).AantalPartijen, t.G(2).Punten, t.G(1).AantalPartijen,
                                    t.G(1).Punten, t.G(1).AantalVerlies),
              std::make_tuple(1, 2, 1, 0, 1));
}

TEST(Totalen, AlleenGespeeldeWedstrijdenBinnenDeRondes) {
    Toernooi t;
    t.Spelers(2);
    for (int r : {2, 3, 4, 5}) t.c.Rondes.Voegtoe(Rondegegevens{r, {}, 0, 0, 0});
    t.Winst(2, 1, 2);
    t.Winst(3, 2, 1);
    t.Remise(4, 1, 2);
    Wedstrijdgegevens open;
    open.Ronde = 5;
    open.Wit = 1;
    open.Zwart = 2;
    open.UitslagWit = UitslagWinst; // a code without Gespeeld is no result
    t.c.Wedstrijden.Voegtoe(open);
    t.c.MinimumWedstrijden = 4;
    // The proposed choices: from the first round to the last with results, the competition's
    // minimum, and the box for the previous places ticked.
    const auto k = StandaardSorteerinstellingen(t.c);
    EXPECT_EQ(std::tuple(k.VanRonde, k.TotRonde, k.MinimumWedstrijden, k.VorigeNotering),
              std::tuple(2, 4, 4, true));
    const auto l = StandaardSorteerinstellingen(Toernooi().c);
    EXPECT_EQ(std::tuple(l.VanRonde, l.TotRonde), std::tuple(0, 0));

    Sorteerinstellingen keuze{3, 4, 0, false};
    t.Bereken(&keuze);
    EXPECT_EQ(std::forward_as_tuple(t.G(1).AantalPartijen, t.G(1).Punten, t.G(2).Punten,
                                    t.c.Opties.VanRonde, t.c.Opties.TotRonde),
              std::make_tuple(2, 1, 3, 3, 4));
    t.Bereken();
    EXPECT_EQ(t.G(1).AantalPartijen, 3);
    EXPECT_EQ(t.c.Opties.TotRonde, 4);
}

TEST(Totalen, BordpuntenGevenWedstrijdpuntenEnSBUitEigenCode) {
    Toernooi t(SysteemZwitsers, 47);
    t.c.Opties.PuntenWinst = 8; // board-point mode of the Swiss family
    t.Spelers(3);
    t.Partij(1, 1, 2, 4, 4);
    t.Partij(2, 1, 3, 5, 3);
    t.Partij(3, 3, 2, 6, 2);
    t.Partij(4, 2, kBuiten, 12, 0); // a code above 8 counts the game only
    t.Bereken();
    const auto &a = t.G(1), &b = t.G(2), &c = t.G(3);
    EXPECT_EQ(std::forward_as_tuple(a.Punten, a.AantalRemise, a.AantalWinst, b.Punten,
                                    b.AantalPartijen,
                                    b.AantalRemise + b.AantalWinst + b.AantalVerlies, c.Punten,
                                    c.AantalVerlies, a.SBPunten, b.SBPunten, c.SBPunten,
                                    a.Weerstandspunten, b.Weerstandspunten, c.Weerstandspunten),
              std::make_tuple(3, 1, 1, 1, 3, 2, 2, 1, 4 + 5, 4 + 2, 3 + 6, 1 + 2, 3 + 2, 3 + 1));

    Toernooi v; // the team tournament switch works under any system
    v.c.Opties.Viertallentoernooi = true;
    v.Spelers(2);
    v.Partij(1, 1, 2, 4, 4);
    v.Bereken();
    EXPECT_EQ(std::forward_as_tuple(v.G(1).Punten, v.G(2).AantalRemise, v.G(2).SBPunten),
              std::make_tuple(1, 1, 4));
}

TEST(Totalen, PlusEnMinRemises) {
    Toernooi t;
    t.c.Opties.ZetVlag(VlagKNDBDelfts, true);
    t.c.Opties.PuntenWinst = 4;
    t.c.Opties.PuntenRemise = 2;
    t.c.Opties.PuntenPlusRemise = 3;
    t.c.Opties.PuntenMinRemise = 1;
    t.Spelers(3);
    t.Partij(1, 1, 2, UitslagMinRemise, UitslagPlusRemise);
    t.Partij(2, 3, 1, UitslagPlusRemise, UitslagMinRemise);
    t.Bereken();
    EXPECT_EQ(t.G(1).MinRemises, 2); // as white and as black
    EXPECT_EQ(std::forward_as_tuple(t.G(1).AantalRemise, t.G(1).Punten, t.G(2).PlusRemises,
                                    t.G(2).Punten, t.G(3).PlusRemises, t.G(3).SBPunten),
              std::make_tuple(0, 2, 1, 3, 1, 3 * 2));

    // Without special draws both codes are plain draws.
    Toernooi n;
    n.Spelers(2);
    n.Partij(1, 1, 2, UitslagMinRemise, UitslagPlusRemise);
    n.Bereken();
    EXPECT_EQ(std::forward_as_tuple(n.G(1).AantalRemise, n.G(1).MinRemises, n.G(2).AantalRemise,
                                    n.G(1).Punten + n.G(2).Punten),
              std::make_tuple(1, 0, 1, 2));
}

TEST(Totalen, ReglementaireNulNul) {
    Toernooi t;
    t.c.Opties.PuntenVerlies = 1; // so that the loss shows in the points
    t.Spelers(2);
    const auto& w = t.Partij(1, 1, 2, 0, 0);
    ASSERT_TRUE(w.G().Reglementair);
    t.Bereken();
    for (int s : {1, 2}) {
        EXPECT_EQ(std::forward_as_tuple(t.G(s).AantalPartijen, t.G(s).AantalVerlies, t.G(s).Punten),
                  std::make_tuple(1, 1, 1));
    }
}

TEST(Totalen, TSRatingEnNormen) {
    Toernooi t;
    t.Spelers(5);
    t.G(1).FMJDRating = 0; // counts as 2100
    t.G(2).FMJDTitel = 3;
    t.G(2).FMJDRating = 2310; // GMI at 2300 or more: level 3
    t.G(3).FMJDTitel = 3;
    t.G(3).FMJDRating = 2260; // GMI below 2300, at least 2250: level 2
    t.G(4).FMJDTitel = 1;
    t.G(4).FMJDRating = 2215; // MF at 2210 or more: level 1
    t.G(5).FMJDTitel = 2;
    t.G(5).FMJDRating = 2240; // MI below 2250 but at least 2210: level 1
    for (int r = 1; r <= 4; ++r) t.Remise(r, 1, r + 1);
    t.Bereken();
    const auto& g = t.G(1);
    EXPECT_EQ(std::forward_as_tuple(g.AantalNorm3, g.AantalNorm2, g.AantalNorm1),
              std::make_tuple(1, 1, 2));
    EXPECT_EQ(g.TSRating, (2310 + 2260 + 2215 + 2240 + 2100) / 5);
    // The others met player 1, whose missing rating counts as 2100 and who holds no title.
    EXPECT_EQ(t.G(2).TSRating, (2100 + 2310) / 2);
    EXPECT_EQ(t.G(2).AantalNorm1 + t.G(2).AantalNorm2 + t.G(2).AantalNorm3, 0);
}

TEST(Totalen, TegenstandersSBEnKleuren) {
    // 1 beats 2 (white), draws 3 (black), beats 4 (white); 2 beats 3; 4 beats 3.
    Toernooi t(SysteemZwitsers, 47);
    t.Spelers(4);
    t.Winst(1, 1, 2);
    t.Remise(2, 3, 1);
    t.Winst(2, 2, 4);
    t.Winst(3, 1, 4);
    t.Winst(3, 2, 3);
    t.Winst(4, 4, 3);
    t.Bereken();
    // Points: 1 = 5, 2 = 4, 3 = 1, 4 = 2.
    ASSERT_EQ(t.G(1).Punten, 5);
    ASSERT_EQ(t.G(2).Punten, 4);
    ASSERT_EQ(t.G(3).Punten, 1);
    ASSERT_EQ(t.G(4).Punten, 2);
    const auto& a = t.G(1);
    EXPECT_EQ(std::forward_as_tuple(a.Weerstandspunten, a.MinTegenstanderPunten,
                                    a.MaxTegenstanderPunten, a.SBPunten, a.Kleurbalans,
                                    a.LaatsteKleur),
              std::make_tuple(4 + 1 + 2, 1, 4, 2 * 4 + 1 * 1 + 2 * 2, 1, 0));
    const auto& c = t.G(3);
    EXPECT_EQ(std::forward_as_tuple(c.Weerstandspunten, c.SBPunten, c.Kleurbalans, c.LaatsteKleur),
              std::make_tuple(5 + 4 + 2, 1 * 5, 1 - 1 - 1, 1));
    // Criteria 5 and 6 are kept for the reports.
    EXPECT_EQ(a.WPMinLaagste, 7 - 1);
    EXPECT_EQ(a.WPMinLaagsteHoogste, 7 - 1 - 4);
}

TEST(Totalen, ExtremenAlleenVoorNormaalEnZwitsers) {
    // Under systems that use the fields for their own values the extremes are not kept.
    for (uint16_t systeem : {SysteemKeizer, SysteemMoyenne, Systeem16, SysteemLaren}) {
        Toernooi k(systeem);
        k.Spelers(2);
        k.Winst(1, 1, 2);
        k.Bereken();
        EXPECT_EQ(k.G(1).MinTegenstanderPunten, 0) << systeem;
        EXPECT_EQ(k.G(1).MaxTegenstanderPunten, 0) << systeem;
    }
}

TEST(Totalen, OnbekendSysteemWordtNormaal) {
    Toernooi t(40, 0);
    t.Spelers(2);
    t.BerekenStil();
    EXPECT_EQ(t.c.Opties.Rekensysteem, SysteemNormaal);
    // The normal table: on a complete tie the higher number first.
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{2, 1}));
    EXPECT_EQ(t.G(1).MinTegenstanderPunten, 999);
}

TEST(Totalen, ActueleStandBlijftStaanVoorEenRapport) {
    Toernooi t;
    t.Spelers(2);
    t.Winst(1, 1, 2);
    t.c.Opties.Herberekenen = 0;
    t.G(1).Punten = 77;
    ranglijst_sorteren(t.c, false);
    EXPECT_EQ(t.G(1).Punten, 77);

    ranglijst_sorteren(t.c, true); // silent computations always run
    EXPECT_EQ(t.G(1).Punten, 2);

    t.c.MarkeerHerberekenen();
    ranglijst_sorteren(t.c, true);
    EXPECT_FALSE(t.c.Opties.IsActueel()); // only the interactive computation clears the flag
    ranglijst_sorteren(t.c, false);
    EXPECT_TRUE(t.c.Opties.IsActueel());
}

TEST(Totalen, MinimumEnVorigeNotering) {
    Toernooi t;
    t.Spelers(3);
    t.Winst(1, 1, 2);
    t.Winst(2, 1, 3);
    t.Winst(3, 2, 3);
    Sorteerinstellingen keuze{1, 3, 3, true};
    t.Bereken(&keuze);
    EXPECT_EQ(t.c.MinimumWedstrijden, 3); // the dialog's minimum is kept with the competition
    // Nobody has 3 games: all below the minimum, ranked by points.
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(t.Noteringen(), (std::vector<int>{1, 2, 3}));

    t.Winst(4, 3, 1);
    t.Winst(5, 3, 2);
    t.Winst(6, 3, 1);
    keuze = {1, 6, 3, true};
    t.Bereken(&keuze);
    // 3 now has 6 points from 5 games, 1 has 4 from 4, 2 has 2 from 3.
    EXPECT_EQ(t.Volgorde(), (std::vector<int32_t>{3, 1, 2}));
    EXPECT_EQ(std::forward_as_tuple(t.G(3).VorigeNotering, t.G(3).Notering, t.G(1).VorigeNotering,
                                    t.G(1).Notering),
              std::make_tuple(3, 1, 1, 2));

    keuze.VorigeNotering = false;
    t.Bereken(&keuze);
    EXPECT_EQ(t.G(3).VorigeNotering, 3); // unchanged without the box

    // A silent computation neither writes the minimum back nor touches the places.
    Sorteerinstellingen stil{1, 6, 0, true};
    t.G(3).Notering = 9;
    ranglijst_sorteren(t.c, true, &stil);
    EXPECT_EQ(t.c.MinimumWedstrijden, 3);
    EXPECT_EQ(t.G(3).Notering, 9);
}

TEST(Totalen, RatingInGebruikEnStartwaarden) {
    Toernooi t;
    t.c.LarenBasis = 60;
    t.Speler(1, 1400);
    t.Speler(2, 1300);
    t.Speler(31, 1200);
    t.G(1).FMJDRating = 2150;
    t.G(1).Categorieen = "A7 3 ";
    t.G(2).Categorieen = "AB   ";
    t.G(1).Rating = 5; // stale: the computation takes the rating from the chosen list
    t.Bereken();
    EXPECT_EQ(std::forward_as_tuple(t.G(1).Rating, t.G(1).Larenwaarde, t.G(2).Larenwaarde),
              std::make_tuple(1400, 60, 58));
    EXPECT_EQ(t.G(31).Larenwaarde, 1); // 60 - 60 = 0 is raised to 1
    EXPECT_EQ(std::forward_as_tuple(t.G(1).Categoriecijfer, t.G(2).Categoriecijfer,
                                    t.G(1).LarenOnderling),
              std::make_tuple(3, 0, 20));
    t.c.Opties.ZetVlag(VlagFMJDRatingHanteren, true);
    t.Bereken();
    EXPECT_EQ(t.G(1).Rating, 2150);
}

TEST(Totalen, StappenAlsVoortgang) {
    Toernooi t(SysteemZwitsers, 47);
    t.Spelers(2);
    t.Winst(1, 1, 2);
    Opname stil;
    ranglijst_sorteren(t.c, true, nullptr, &stil);
    EXPECT_TRUE(stil.Teksten.empty());

    Opname o;
    t.c.Opties.Herberekenen = 1;
    ranglijst_sorteren(t.c, false, nullptr, &o);
    EXPECT_EQ(o.Teksten, (std::vector<std::string>{
                             "hulptabellen initialiseren", "spelerstotalen initialiseren",
                             "wedstrijdtotalen initialiseren", "Wedstrijdtotalen berekenen",
                             "Sorteren", "Nieuwe plaats bijwerken"}));
}

} // namespace
