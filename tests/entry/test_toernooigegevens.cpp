#include "entry/toernooigegevens.h"
#include "scriptgesprek.h"

#include <gtest/gtest.h>

using namespace velkaro;
using velkaro::test::ScriptGesprek;

// Cancel asks whether to drop the changes: No keeps and marks them (and is the default, so
// Enter keeps the typed data), Yes drops them.
TEST(Toernooigegevens, AnnulerenVraagtOfDeWijzigingenWeg) {
    for (const Antwoord a : {Antwoord::Nee, Antwoord::Ja}) {
        Competitie c;
        c.Toernooi.SpeelPlaats = "Kampen";
        c.Opties.Toernooinaam = "Clubcompetitie";
        Toernooischerm s(c);
        s.Open();
        s.Velden().Gegevens.SpeelPlaats = "Zwolle";
        s.Velden().Toernooinaam = "Anders";
        ScriptGesprek g;
        g.Antwoorden = {a};
        s.Sluit(g);
        ASSERT_EQ(g.Vragen.size(), 1u);
        EXPECT_EQ(g.Vragen[0].Tekst, "Wijzigingen niet opslaan?");
        EXPECT_EQ(g.Vragen[0].Titel, "Bevestiging");
        EXPECT_EQ(g.Vragen[0].Knoppen, Knoppen::JaNeeStandaardNee);
        const bool bewaard = a == Antwoord::Nee;
        EXPECT_EQ(c.Toernooi.SpeelPlaats, bewaard ? "Zwolle" : "Kampen");
        EXPECT_EQ(c.Opties.Toernooinaam, bewaard ? "Anders" : "Clubcompetitie");
        EXPECT_EQ(c.Gewijzigd, bewaard);
    }
}

TEST(Toernooigegevens, OkVraagtNietsEnZetDeGroepstitel) {
    Competitie c;
    Toernooischerm s(c);
    s.Open();
    s.Velden().Toernooinaam = "Zomertoernooi";
    s.Velden().Gegevens.SpeelVan = "01-07-2026";
    s.Ok();
    ScriptGesprek g;
    s.Sluit(g); // no question after OK
    EXPECT_TRUE(g.Vragen.empty());
    EXPECT_EQ(c.Opties.Toernooinaam, "Zomertoernooi");
    EXPECT_EQ(c.Groepen.Zoek(c.HuidigeDeelcomp)->G().Titel, "Zomertoernooi");
    EXPECT_EQ(c.Toernooi.SpeelVan, "01072026");
    EXPECT_TRUE(c.Gewijzigd);
}

TEST(Toernooigegevens, Datums) {
    EXPECT_EQ(DatumCijfers("01-07-2026"), "01072026");
    EXPECT_EQ(DatumCijfers("1-7-26 "), "1726");
    EXPECT_EQ(DatumCijfers("0107202612"), "01072026");
    EXPECT_EQ(DatumMetStreepjes("01072026"), "01-07-2026");
    EXPECT_EQ(DatumMetStreepjes("0107"), "01-07-    ");
    EXPECT_EQ(DatumMetStreepjes(""), "  -  -    ");
}
