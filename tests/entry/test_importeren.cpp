// Opening foreign files from the main window: the questions before a competition file is
// replaced, the save dialog of a z6e import, the notes shown, and the export's message.
#include "../storage/hulp.h"
#include "entry/programma.h"
#include "scriptgesprek.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkaro;
using velkaro::test::Lees;
using velkaro::test::Schrijf;
using velkaro::test::ScriptGesprek;
using velkaro::test::TijdelijkeMap;

TEST(Importeren, VragenMeldingenEnExport) {
    TijdelijkeMap map;
    Schrijf(map / "lijst.txt", "kop\r\n" + std::string(70, 'x') + "\r\n 01-02-2024\r\n" +
                                   "     Ans                     Bert" + std::string(24, ' ') +
                                   "9- 9\r\n");
    Schrijf(map / "lijst.xv7", "van een ander");
    Competitie c;
    ScriptGesprek g;
    Programma p(c, g);
    // An existing competition file beside the list is replaced only after Yes.
    g.Antwoorden = {Antwoord::Nee};
    EXPECT_FALSE(p.OpenNaam(map / "lijst.txt"));
    EXPECT_FALSE(p.Geladen());
    EXPECT_EQ(Lees(map / "lijst.xv7"), "van een ander");
    g.Antwoorden = {Antwoord::Ja};
    ASSERT_TRUE(p.OpenNaam(map / "lijst.txt"));
    ASSERT_EQ(g.Vragen.size(), 2u);
    EXPECT_EQ(g.Vragen[1].Tekst, "Overschrijven?");
    EXPECT_EQ(g.Vragen[1].Titel, "Bestand bestaat al");
    EXPECT_EQ(c.Bestandsnaam, map / "lijst.xv7");
    EXPECT_EQ(c.Spelers.Aantal(), 2u);
    // The result that was not recognised is reported with its line.
    ASSERT_EQ(g.Meldingen.size(), 1u);
    EXPECT_EQ(g.Meldingen[0].second, "Waarschuwing");
    EXPECT_NE(g.Meldingen[0].first.find("regel 4: uitslag niet herkend"), std::string::npos);

    // The export writes beside the competition and says where.
    ASSERT_TRUE(p.Exporteren());
    EXPECT_EQ(g.Meldingen.back(),
              std::make_pair("weggeschreven: " + map / "lijst.wds", std::string("Informatie")));
    c.Spelers.At(0).W().InternNummer = 300;
    EXPECT_FALSE(p.Exporteren());
    EXPECT_EQ(g.Meldingen.back().second, "Fout");

    // A z6e file asks for the new competition's name first; cancelling changes nothing.
    std::string z6e(2766, '\0');
    z6e[0] = 4;
    z6e.replace(1, 4, "Oud1");
    z6e[21] = 1;
    Schrijf(map / "oud.z6e", z6e);
    g.Bestanden = {std::nullopt, map / "nieuw"};
    EXPECT_FALSE(p.OpenNaam(map / "oud.z6e"));
    EXPECT_EQ(c.Bestandsnaam, map / "lijst.xv7");
    ASSERT_TRUE(p.OpenNaam(map / "oud.z6e"));
    EXPECT_TRUE(g.Keuzes.back().Opslaan);
    EXPECT_EQ(g.Keuzes.back().Naam, "oud.xv7");
    EXPECT_EQ(c.Bestandsnaam, map / "nieuw.xv7");
    EXPECT_EQ(c.Opties.Toernooinaam, "Oud1");
    // The competition left was saved first.
    Competitie vorige;
    ASSERT_TRUE(LeesBestand(vorige, map / "lijst.xv7").Ok());
    EXPECT_EQ(vorige.Spelers.Aantal(), 2u);
}
