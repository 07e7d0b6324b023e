// Player entry: filling the fields from a record and reading them back, the categories, the
// flags, the rating in use, the offered drawing number, the duplicate-name warning and
// conversion failures.
#include "entry/spelerinvoer.h"
#include "hulp.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

Spelergegevens Voorbeeld() {
    Spelergegevens g;
    g.Lotingnummer = 5;
    g.Naam = "Kuipers, T.";
    g.Kort = "KUI";
    g.Plaats = "Assen";
    g.Land = "NED";
    g.Categorieen = "S J  ";
    g.LokaleRating = 1650;
    g.FMJDRating = 2010;
    g.Rating = 1650;
    g.LokaleTitel = 2;
    g.FMJDTitel = 7; // not a list position
    g.FMJDID = 16000123;
    g.Barrage = 3;
    g.Opnemen = OpnemenStand | OpnemenRooster | OpnemenSelectie;
    g.InternNummer = 9;
    g.Punten = 14;
    g.VolledigeNaam = "Kuipers, Theo";
    return g;
}

} // namespace

TEST(Spelerinvoer, VeldenUitHetRecord) {
    Spelerscherm i;
    i.d.SetData(Voorbeeld(), false);
    const auto& v = i.d.Velden;
    // FMJD title 7 is not a list position: none.
    EXPECT_EQ(
        std::tie(v.Naam, v.LotingNr, v.Rating, v.LokaleTitel, v.FMJDTitel, v.FMJDID, v.Barrage),
        std::make_tuple("Kuipers, T.", "5", 1650, 2, 0, "16000123", "3"));
    EXPECT_EQ(v.Cat, (std::array<std::string, 4>{"S", "", "J", ""}));
    EXPECT_TRUE(v.Stand && v.Rooster && !i.d.NummerToegestaan());
}

TEST(Spelerinvoer, Categorievelden) {
    EXPECT_EQ(CategorieVelden("ÜA"), (std::array<std::string, 4>{"Ü", "A", "", ""}));
    EXPECT_EQ(CategorieVelden(" B C D"), (std::array<std::string, 4>{"", "B", "", "C"}));
    EXPECT_EQ(CategorieVelden(""), (std::array<std::string, 4>{}));
}

TEST(Spelerinvoer, TerugInHetRecord) {
    Spelerscherm i;
    auto g = Voorbeeld();
    i.d.SetData(g, false);
    i.d.Velden.Cat = {"A", "", "C", ""};
    i.d.Velden.Kort = "KUIP";
    i.d.Velden.Naam = "Kuipers, Theodorus Jan";
    i.d.Velden.FMJDTitel = 3;
    i.d.Velden.LokaleTitel = 5;
    ASSERT_TRUE(i.d.GetData(g));
    // Name and short code cut to their widths; a long name of its own stays; a local title
    // position above 3 stores 0; fields the dialog does not show are kept.
    EXPECT_EQ(std::tie(g.Categorieen, g.Kort, g.Naam, g.VolledigeNaam),
              std::make_tuple("AC   ", "KUI", "Kuipers, Theodorus J", "Kuipers, Theo"));
    EXPECT_EQ(std::tie(g.Rating, g.FMJDTitel, g.LokaleTitel, g.InternNummer, g.Punten, g.FMJDID),
              std::make_tuple(1650, 3, 0, 9, 14, 16000123));
    EXPECT_EQ(g.Opnemen, OpnemenStand | OpnemenRooster); // other bits cleared

    i.d.Velden.Stand = false;
    i.c.Opties.ZetVlag(VlagFMJDRatingHanteren, true);
    ASSERT_TRUE(i.d.GetData(g));
    EXPECT_EQ(g.Rating, 2010); // the FMJD rating although a national one is filled in
    EXPECT_EQ(g.Opnemen, OpnemenRooster);
}

TEST(Spelerinvoer, LangeNaamVolgtAlsHijAlleenEenKopieWas) {
    Spelerscherm i;
    auto g = Voorbeeld();
    g.VolledigeNaam = g.Naam;
    i.d.SetData(g, false);
    i.d.Velden.Naam = "Kuiper, T.";
    ASSERT_TRUE(i.d.GetData(g));
    EXPECT_EQ(g.VolledigeNaam, "Kuiper, T.");
    g.VolledigeNaam.clear();
    i.d.SetData(g, false);
    ASSERT_TRUE(i.d.GetData(g));
    EXPECT_EQ(g.VolledigeNaam, "Kuiper, T.");
}

TEST(Spelerinvoer, AangebodenLotingnummer) {
    Spelerscherm i;
    Spelergegevens g;
    i.d.SetData(g, true);
    EXPECT_EQ(i.d.Velden.LotingNr, "1");
    i.d.Velden.LotingNr = "7";
    i.d.Velden.Naam = "Zeven";
    ASSERT_TRUE(i.d.GetData(g));
    Spelergegevens nieuw;
    i.d.SetData(nieuw, true);
    EXPECT_EQ(i.d.Velden.LotingNr, "8");
    i.d.SetData(nieuw, false);
    EXPECT_EQ(i.d.Velden.LotingNr, "0"); // without number entry nothing is offered
    g.Lotingnummer = 3;
    i.d.SetData(g, true);
    EXPECT_EQ(i.d.Velden.LotingNr, "3");
}

TEST(Spelerinvoer, ConversiefoutLaatAllesOnveranderd) {
    for (const char* veld : {"LotingNr", "Barrage", "FMJDID"}) {
        Spelerscherm i;
        auto g = Voorbeeld();
        i.d.SetData(g, true);
        const int32_t laatste = i.d.LaatsteNummer();
        i.d.Velden.Naam = "Ander";
        std::string& tekst = std::string(veld) == "LotingNr"  ? i.d.Velden.LotingNr
                             : std::string(veld) == "Barrage" ? i.d.Velden.Barrage
                                                              : i.d.Velden.FMJDID;
        tekst = "12a";
        const auto voor = g;
        EXPECT_FALSE(i.d.GetData(g)) << veld;
        EXPECT_EQ(g, voor) << veld;
        EXPECT_EQ(i.d.LaatsteNummer(), laatste);
        ASSERT_EQ(i.gesprek.Meldingen.size(), 1u) << veld;
        EXPECT_EQ(i.gesprek.Meldingen[0].first, "'12a' is geen geldig geheel getal");
    }
    // An empty number field means no number.
    Spelerscherm i;
    auto g = Voorbeeld();
    i.d.SetData(g, true);
    i.d.Velden.Barrage = "  ";
    i.d.Velden.FMJDID = "";
    ASSERT_TRUE(i.d.GetData(g));
    EXPECT_EQ(g.Barrage, 0);
    EXPECT_EQ(g.FMJDID, 0);
}

TEST(Spelerinvoer, LegeNaamLeestNietsTerug) {
    Spelerscherm i;
    auto g = Voorbeeld();
    i.d.SetData(g, false);
    i.d.Velden.Naam = "   ";
    i.d.Velden.Plaats = "Elders";
    const auto voor = g;
    EXPECT_FALSE(i.d.GetData(g));
    EXPECT_EQ(g, voor);
    EXPECT_TRUE(i.gesprek.Meldingen.empty());
}

TEST(Spelerinvoer, NaamAlIngevoerd) {
    Spelerscherm i;
    VoegSpelerToe(i.c, 1, "Smit, K.  ");
    VoegSpelerToe(i.c, 2, "Smit, K.");
    const auto& zelf = VoegSpelerToe(i.c, 3, "Bos");
    i.d.SetData(zelf.G(), false);
    i.d.NaamVerlaten();
    EXPECT_TRUE(i.gesprek.Meldingen.empty()); // his own name is no duplicate
    i.d.Velden.Naam = "Smit, K.";
    i.d.NaamVerlaten();
    ASSERT_EQ(i.gesprek.Meldingen.size(), 2u); // one warning per player with the name
    EXPECT_EQ(i.gesprek.Meldingen[0].first, "Naam speler al ingevoerd");
    EXPECT_EQ(i.gesprek.Meldingen[0].second, "Waarschuwing");
    EXPECT_EQ(i.d.Velden.Naam, "Smit, K."); // kept
    i.d.Velden.Naam = "smit, k.";
    i.d.NaamVerlaten();
    EXPECT_EQ(i.gesprek.Meldingen.size(), 2u);
}
