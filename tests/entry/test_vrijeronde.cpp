// A bye saved and read back: the file keeps it as a match against nobody and loads without
// damage, and the standings and the match list score it as the settings say.
#include "../storage/hulp.h"
#include "entry/bestand.h"
#include "entry/uitslagtekst.h"
#include "hulp.h"
#include "lang/teksten.h"
#include "maak.h"
#include "standings/stand.h"

#include <gtest/gtest.h>

using namespace velkaro;
using velkaro::test::TijdelijkeMap;

TEST(VrijeRonde, BewaardGelezenEnGeteld) {
    struct Geval {
        Vrijscore score;
        bool kndb;
        int32_t punten;    // the bye's points in the standings
        const char* regel; // its result in the match list
    };
    const Geval gevallen[] = {
        {Vrijscore::Winst, false, 2, " 2- 0"},
        {Vrijscore::Remise, false, 1, " 1- 0"},
        {Vrijscore::Niets, false, 0, " 0- 0"},
        {Vrijscore::Winst, true, 4, "2  -0  "},
    };
    for (const auto& g : gevallen) {
        SCOPED_TRACE(static_cast<int>(g.score));
        TijdelijkeMap map;
        const std::string pad = map / "vrij.xv7";
        {
            Competitie c;
            test::MaakCompetitie(c, pad, {"Vrij"}, {1}, 1);
            c.Spelers.Wissen();
            c.Opties.Rekensysteem = SysteemZwitsers;
            c.Opties.ZetVlag(VlagVrijBijOneven, true);
            c.Opties.ZetVrijScore(g.score);
            if (g.kndb) {
                c.Opties.ZetVlag(VlagKNDBDelfts, true);
                c.Opties.PuntenWinst = 4, c.Opties.PuntenRemise = 2;
            }
            for (int i = 1; i <= 3; ++i) test::VoegSpelerToe(c, i, "Speler " + std::to_string(i));
            test::VoegWedstrijdToe(c, 1, 1, 1, 2, UitslagWinst, UitslagVerlies);
            test::VoegWedstrijdToe(c, 1, 2, 3, kGeenTegenstander);
            ASSERT_TRUE(SchrijfBestand(c).Ok());
        }
        Competitie c;
        const auto res = OpenBestand(c, pad);
        ASSERT_TRUE(res.Ok());
        EXPECT_TRUE(res.Schade.empty());
        EXPECT_TRUE(c.Opties.VrijBijOneven());
        EXPECT_EQ(c.Opties.VrijScore(), g.score);
        ASSERT_EQ(c.Wedstrijden.Aantal(), 2u);
        const Wedstrijdgegevens vrij = c.Wedstrijden.At(1).G();
        EXPECT_TRUE(IsVrij(vrij));
        EXPECT_EQ(vrij.Wit, 3);
        EXPECT_FALSE(vrij.Gespeeld);
        // A result typed on it changes nothing.
        c.ZetUitslag(c.Wedstrijden.At(1), UitslagVerlies, UitslagWinst, false, true);
        EXPECT_EQ(c.Wedstrijden.At(1).G(), vrij);

        ranglijst_sorteren(c, false);
        const auto& s1 = c.Spelers.At(0).G();
        const auto& s3 = c.Spelers.At(2).G();
        EXPECT_EQ(s3.Punten, g.punten);
        // No game, no opponent: nothing for the tie-breaks, and nobody's resistance from him.
        EXPECT_EQ(s3.AantalPartijen, 0);
        EXPECT_EQ(s3.AantalWinst + s3.AantalRemise + s3.AantalVerlies, 0);
        EXPECT_EQ(s3.Weerstandspunten, 0);
        EXPECT_EQ(s3.SBPunten, 0);
        EXPECT_EQ(s3.TSRating, 0);
        EXPECT_EQ(s1.Weerstandspunten, 0); // player 2's points only
        // Games and byes together are the rounds taken part in.
        EXPECT_TRUE(c.Spelers.GelijkAantalWedstrijden());

        EXPECT_EQ(UitslagTekst(vrij, c.Opties), g.regel);
        const std::string regel = WedstrijdRegel(vrij, c.Spelers, c.Opties, false);
        EXPECT_NE(regel.find("\t" + lang::Tekst(lang::T::Vrij) + "\t"), std::string::npos) << regel;

        // Switched off, the match against nobody counts for nobody, as it always did.
        c.Opties.ZetVlag(VlagVrijBijOneven, false);
        c.MarkeerHerberekenen();
        ranglijst_sorteren(c, false);
        EXPECT_EQ(c.Spelers.At(2).G().Punten, 0);
    }
}
