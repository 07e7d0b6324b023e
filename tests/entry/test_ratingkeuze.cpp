// Player entry's use of the rating lists: search forms and "Kort", the sorted list narrowed as
// the user types and positioned on a name, and what a chosen entry gives the fields.
#include "../storage/ratingbestanden.h"
#include "entry/ratingkeuze.h"
#include "entry/spelerinvoer.h"
#include "hulp.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

NationaleLijst Nationaal88() {
    std::string b;
    for (const Nationaal& n : std::initializer_list<Nationaal>{
             {"Willem", "van der", "W.J.", "Berg", "Utrecht", 1510, "MN", 16000101},
             {"Anna", " ", "A.", "Bakker", "Zwolle", 1200, "", 0},
             {"Karel", "'t", "K.", "Hart", "Ede", 1810, "GMN", 16000102},
             {"Bram", " ", "B.", "Bakker", "Assen", 1390, "cMN", 16000103},
             {"Johannes", " ", "J.", "Zomer", "Ede", 990, "x", 0}})
        b += NationaalRecord(n, true);
    return LeesNationaleLijst(b, Ratingformaat::KNDB4);
}

FMJDLijst Wereld() {
    return LeesFMJDInhoud(FMJDKop("q1") + FMJDRecord(16000102, "Hart", "Karel", "NED", "MF", 2215) +
                          FMJDRecord(30001, "Ndiaye", "Bassirou", "SEN", "GMI", 2380) +
                          FMJDRecord(40002, "Li", "Xu", "CHN", "", 2010));
}

std::vector<std::string> Achternamen(const Ratingkeuze& k, const NationaleLijst& l) {
    std::vector<std::string> r;
    for (std::size_t i = 0; i < k.Aantal(); ++i) r.push_back(l.Spelers[k.Index(i)].Voornaam);
    return r;
}

} // namespace

TEST(Ratingkeuze, ZoekvormEnKort) {
    const std::pair<std::string, std::string> vormen[] = {
        {"de Vries, J.-P.", "DE VRIES J P"}, {"  élan  ", "ÉLAN"}, {"--", ""}};
    for (const auto& [in, uit] : vormen) EXPECT_EQ(Zoekvorm(in), uit) << in;
    const std::pair<std::string, std::string> namen[] = {
        {"Jan de Vries", "VRIES J"}, {"Vries, J. de", "VRIES J DE"}, {"bakker", "BAKKER"}};
    for (const auto& [in, uit] : namen) EXPECT_EQ(ZoekvormVanNaam(in), uit) << in;
    const std::pair<std::string, std::string> korts[] = {
        {"'t Hart", "THA"}, {"Öztürk", "ÖZT"}, {"Li", "LI"}, {"de_ ", "DE"}, {"", ""}};
    for (const auto& [in, uit] : korts) EXPECT_EQ(KortVanNaam(in), uit) << in;
}

TEST(Ratingkeuze, SorterenFilterenPositioneren) {
    const NationaleLijst l = Nationaal88();
    Ratingkeuze k(l);
    EXPECT_EQ(Achternamen(k, l),
              (std::vector<std::string>{"Anna", "Bram", "Willem", "Karel", "Johannes"}));
    EXPECT_EQ(k.Regel(2), "1510\tBerg, W.J. van der Willem Utrecht ");
    // Positioning on a typed name: surname first, the first name not smaller.
    EXPECT_EQ(k.Positie("B. Bakker"), 1u);
    EXPECT_EQ(k.Positie("Karel 't Hart"), 3u);
    EXPECT_EQ(k.Positie("Zweers"), 5u);
    // Narrowing word by word, then widening again.
    k.Filter("ba");
    EXPECT_EQ(Achternamen(k, l), (std::vector<std::string>{"Anna", "Bram"}));
    k.Filter("br ba");
    EXPECT_EQ(Achternamen(k, l), (std::vector<std::string>{"Bram"}));
    k.Filter("b");
    EXPECT_EQ(Achternamen(k, l), (std::vector<std::string>{"Anna", "Bram", "Willem"}));
    k.Filter("b b"); // two words of the name begin with B
    EXPECT_EQ(Achternamen(k, l), (std::vector<std::string>{"Bram"}));
    k.Filter("er");
    EXPECT_EQ(k.Aantal(), 0u); // words are matched from their start
    k.Filter("");
    EXPECT_EQ(k.Aantal(), 5u);
    k.Filter("qq");
    EXPECT_EQ(k.Aantal(), 0u);
    EXPECT_EQ(k.Positie("A"), 0u);

    const FMJDLijst w = Wereld();
    Ratingkeuze f(w);
    f.Filter("xu");
    ASSERT_EQ(f.Aantal(), 1u);
    EXPECT_EQ(f.Regel(0), "Li\tXu\t\t40002\tCHN\t2010");
}

TEST(Ratingkeuze, OvernemenUitDeNationaleLijst) {
    const NationaleLijst l = Nationaal88();
    Spelerscherm i;
    Spelergegevens g;
    i.d.SetData(g, false);
    i.d.Velden.Land = "NED";
    i.d.NeemNationaalOver(l.Spelers[0], true, false);
    const auto& v = i.d.Velden;
    EXPECT_EQ(std::tie(v.Naam, v.Rating, v.LokaleTitel, v.Kort, v.FMJDID),
              std::make_tuple("W.J. van der Berg", 1510, 2, "BER", "16000101"));
    i.d.NeemNationaalOver(l.Spelers[2], true, true);
    EXPECT_EQ(std::tie(v.Naam, v.LokaleTitel, v.Kort), std::make_tuple("Karel 't Hart", 3, "HAR"));
    ASSERT_TRUE(i.d.GetData(g));
    EXPECT_EQ(g.VolledigeNaam, "Karel 't Hart");
    EXPECT_EQ(g.Land, "NED"); // left alone
    i.d.NeemNationaalOver(l.Spelers[4], true, false);
    EXPECT_EQ(v.LokaleTitel, 0); // an unknown title text is none

    // The 80-byte list gives only name (the list name without the full first name) and rating.
    std::string b = NationaalRecord({"Karel", "'t", "K.", "Hart", "Ede", 1810, "", 0}, false);
    const NationaleLijst elo3 = LeesNationaleLijst(b, Ratingformaat::Elo3);
    i.d.SetData(g, false);
    i.d.NeemNationaalOver(elo3.Spelers[0], false, false);
    EXPECT_EQ(std::tie(v.Naam, v.Rating, v.LokaleTitel, v.Kort, v.FMJDID),
              std::make_tuple("Hart, K. 't", 1810, 3, "HAR", "16000102"));
    // A name typed over the one taken drops the long name.
    i.d.Velden.Naam = "K. Hart";
    ASSERT_TRUE(i.d.GetData(g));
    EXPECT_EQ(g.VolledigeNaam, "K. Hart");
}

TEST(Ratingkeuze, OvernemenUitDeFMJDLijst) {
    const FMJDLijst w = Wereld();
    Spelerscherm i;
    Spelergegevens g;
    g.Naam = "Eigen naam";
    i.d.SetData(g, false);
    const auto& v = i.d.Velden;
    i.d.NeemFMJDOver(w.Spelers[1], false);
    EXPECT_EQ(std::tie(v.Naam, v.FMJDRating, v.FMJDTitel, v.Land, v.FMJDID, v.Kort, v.FMJDNaam),
              std::make_tuple("B. Ndiaye", 2380, 3, "SEN", "30001", "NDI", "Bassirou Ndiaye"));

    // Typing a number: found gives rating, title and country, the name stays; unknown clears.
    i.d.SetData(g, false);
    i.d.Velden.FMJDID = "16000102";
    i.d.FMJDIDGetypt(w);
    EXPECT_EQ(std::tie(v.Naam, v.FMJDNaam, v.FMJDRating, v.FMJDTitel, v.Land),
              std::make_tuple("Eigen naam", "Karel Hart", 2215, 1, "NED"));
    i.d.Velden.FMJDID = "1600010";
    i.d.FMJDIDGetypt(w);
    EXPECT_EQ(std::tie(v.FMJDNaam, v.FMJDRating, v.FMJDTitel, v.Land),
              std::make_tuple("", 0, 0, ""));
    // Without an FMJD list nothing typed by hand is wiped.
    i.d.Velden.Land = "BEL";
    i.d.FMJDIDGetypt(FMJDLijst{});
    EXPECT_EQ(v.Land, "BEL");
}
