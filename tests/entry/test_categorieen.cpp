// Categories: adding (a single blank adds nothing, a letter may repeat), deleting after the
// question, the lines, and players keeping their letters.
#include "entry/categorieen.h"
#include "hulp.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

TEST(Categorieen, ToevoegenEnRegels) {
    Competitie c;
    ScriptGesprek g;
    Tcategoriescherm s(c, g);
    s.Activeer();
    EXPECT_EQ(s.Selectie, -1);
    s.Letter = " ";
    s.Omschrijving = "Niets";
    s.Invoegen();
    s.Letter = "";
    s.Invoegen();
    EXPECT_TRUE(c.Categorieen.empty());
    EXPECT_EQ(s.Omschrijving, "Niets"); // the fields stay when nothing was added
    EXPECT_FALSE(c.Gewijzigd);
    s.Letter = "Jeugd";
    s.Omschrijving = "Jeugd tot 18";
    s.Invoegen();
    s.Letter = "J";
    s.Omschrijving = "Junioren";
    s.Invoegen();
    ASSERT_EQ(c.Categorieen.size(), 2u);
    EXPECT_EQ(c.Categorieen[0].Letter, "J");
    EXPECT_EQ(c.Categorieen[1].Letter, "J");
    EXPECT_EQ(s.Regels(), (std::vector<std::string>{"J Jeugd tot 18", "J Junioren"}));
    EXPECT_EQ(s.Letter, "");
    EXPECT_EQ(s.Omschrijving, "");
    EXPECT_TRUE(c.Gewijzigd);
    EXPECT_TRUE(VoegCategorieToe(c, "Ü", "Ümlaut"));
    EXPECT_EQ(c.Categorieen[2].Letter, "Ü");
    s.Deactiveer();
    EXPECT_TRUE(s.Regels().empty());
}

TEST(Categorieen, VerwijderenNaDeVraag) {
    Competitie c;
    ScriptGesprek g;
    auto& speler = VoegSpelerToe(c, 1, "A");
    speler.W().Categorieen = "SJ   ";
    VoegCategorieToe(c, "S", "Senioren");
    VoegCategorieToe(c, "J", "Junioren");
    Tcategoriescherm s(c, g);
    s.Activeer();
    s.Selectie = 1;
    g.Antwoorden = {Antwoord::Nee, Antwoord::Ja};
    s.Verwijderen();
    EXPECT_EQ(c.Categorieen.size(), 2u);
    EXPECT_EQ(g.Vragen[0].Tekst, "Verwijder categorie?Junioren");
    EXPECT_EQ(g.Vragen[0].Titel, "Bevestiging");
    s.Verwijderen();
    ASSERT_EQ(c.Categorieen.size(), 1u);
    EXPECT_EQ(s.Regels(), std::vector<std::string>{"S Senioren"});
    EXPECT_EQ(s.Selectie, 0);
    EXPECT_EQ(speler.G().Categorieen, "SJ   ");
    EXPECT_FALSE(VerwijderCategorie(c, 5, g)); // no such position: no question
    EXPECT_EQ(g.Vragen.size(), 2u);
}
