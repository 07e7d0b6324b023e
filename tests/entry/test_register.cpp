// The player register: lines and columns, the maximum number, adding in the three modes,
// quick entry and changing, deleting with the player's matches, searching round the end.
#include "entry/register.h"
#include "hulp.h"
#include "lang/teksten.h"

#include <gtest/gtest.h>

#include <array>

using namespace velkaro;
using namespace velkaro::test;

namespace {

struct Register {
    Competitie c;
    ScriptGesprek gesprek;
    RijToeval toeval;
    TSpelerLijst lijst{c, gesprek, toeval};
    Register() = default;
    // The register opened on players with drawing numbers 1, 2, 3, ... in this order.
    explicit Register(std::initializer_list<const char*> namen) {
        int32_t nummer = 0;
        for (const char* n : namen) VoegSpelerToe(c, ++nummer, n);
        lijst.Activeer();
    }
};

// An entry dialog closed with OK after filling in a name.
TSpelerLijst::Invoerscherm Ok(std::string naam) {
    return [naam](TInvoerSpelers& d) {
        d.Velden.Naam = naam;
        return true;
    };
}

std::vector<std::string> Namen(const Register& r) {
    std::vector<std::string> n;
    for (const auto& i : r.lijst.Items())
        n.push_back(r.c.Spelers.zoekptr(i.InternNummer)->G().Naam);
    return n;
}

} // namespace

TEST(Register, LijstregelEnKolommen) {
    Spelergegevens g;
    g.Lotingnummer = 7;
    g.Naam = "Jansen, P.";
    g.Kort = "JAN";
    g.Plaats = "Zwolle";
    g.Categorieen = "AB   ";
    g.Rating = 1432;
    g.LokaleRating = 1432;
    g.FMJDRating = 2100;
    g.Opnemen = OpnemenRooster;
    g.InternNummer = 12;
    g.VolledigeNaam = "Jansen, Pieter";
    EXPECT_EQ(SpelerRegel(g), "  7\tJansen, P.\tJAN\tZwolle\tAB   \t1432\tR\t ");
    // The rating in use is the national one: the second rating column shows the FMJD one.
    const auto k = SpelerKolommen(g);
    EXPECT_EQ((std::vector{k[KolomIntern], k[KolomLNR], k[KolomRating], k[KolomRating2], k[KolomR],
                           k[KolomS], k[KolomAlf]}),
              (std::vector<std::string>{"012", "007", "1432", "2100", "R", " ", "Jansen, Pieter"}));
    g.Rating = 2100;
    g.Opnemen = OpnemenStand | OpnemenRooster;
    g.Lotingnummer = 123;
    EXPECT_EQ(SpelerKolommen(g)[KolomRating2], "1432");
    EXPECT_EQ(SpelerRegel(g), "123\tJansen, P.\tJAN\tZwolle\tAB   \t2100\tR\tS");
    const auto koppen = KolomKoppen();
    EXPECT_EQ(koppen[KolomLNR] + koppen[KolomRating2] + koppen[KolomAlf], "LNRRating2ALF");
}

TEST(Register, KolomweergaveSorteert) {
    Register r;
    r.c.Opties.ZetVlag(VlagTestopties, true);
    auto& a = VoegSpelerToe(r.c, 2, "Zwart", 1500);
    a.W().VolledigeNaam = "Aalders"; // names sort by the long name
    VoegSpelerToe(r.c, 10, "bakker", 1700);
    VoegSpelerToe(r.c, 1, "Claes", 900);
    r.lijst.Activeer();
    ASSERT_TRUE(r.lijst.Kolomweergave());
    EXPECT_EQ(Namen(r), (std::vector<std::string>{"Claes", "Zwart", "bakker"}));
    r.lijst.SorteerOp(KolomNaam);
    EXPECT_EQ(Namen(r), (std::vector<std::string>{"Zwart", "bakker", "Claes"}));
    r.lijst.SorteerOp(KolomRating); // descending; 0900 sorts below 1500 as text
    EXPECT_EQ(Namen(r), (std::vector<std::string>{"bakker", "Zwart", "Claes"}));
    r.lijst.SorteerOp(KolomKort);
    EXPECT_EQ(r.lijst.Items().size(), 3u);
}

TEST(Register, LijstvakSorteertOpRegel) {
    Register r;
    VoegSpelerToe(r.c, 12, "A");
    VoegSpelerToe(r.c, 3, "B");
    VoegSpelerToe(r.c, 100, "C");
    r.lijst.Activeer();
    EXPECT_FALSE(r.lijst.Kolomweergave());
    EXPECT_EQ(Namen(r), (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_EQ(r.lijst.Selectie(), 0);
    EXPECT_EQ(r.lijst.Teller(), "1/3");
}

TEST(Register, Maximumnummer) {
    // (maximum, players, checked maximum); 1.5 x 20 is not more than 30.
    for (auto [max, spelers, uit] : {std::array{25, 20, 30},
                                     {0, 4, 15},
                                     {40, 20, 40},
                                     {30, 20, 30},
                                     {0, 0, 0},
                                     {-3, 0, 15},
                                     {20, 13, 20},
                                     {20, 14, 21}})
        EXPECT_EQ(GecontroleerdMaximum(max, spelers), uit) << max << " " << spelers;

    Register r;
    for (int i = 1; i <= 20; ++i) VoegSpelerToe(r.c, i, "S" + std::to_string(i));
    r.lijst.Activeer();
    EXPECT_EQ(r.lijst.Maximum(), 30);
    EXPECT_TRUE(r.lijst.ZetMaximum("50"));
    EXPECT_EQ(r.lijst.Maximum(), 50);
    EXPECT_FALSE(r.lijst.ZetMaximum("5x"));
    EXPECT_EQ(r.lijst.Maximum(), 50);
    ASSERT_EQ(r.gesprek.Meldingen.size(), 1u);
    EXPECT_EQ(r.gesprek.Meldingen[0].first, "'5x' is geen geldig geheel getal");
    EXPECT_TRUE(r.lijst.ZetMaximum("12"));
    EXPECT_EQ(r.lijst.Maximum(), 30);
    r.lijst.MaximumStap(1);
    EXPECT_EQ(r.lijst.Maximum(), 31);
    r.lijst.KiesLoting(LotingKeuze::Willekeurig);
    EXPECT_TRUE(r.lijst.MaximumActief());
}

TEST(Register, NieuweSpelerInDeDrieModi) {
    Register r;
    VoegSpelerToe(r.c, 1, "Een");
    VoegSpelerToe(r.c, 2, "Twee");
    VoegSpelerToe(r.c, 4, "Vier");
    r.c.Gewijzigd = false;
    r.c.Opties.WisHerberekenen();
    r.lijst.Activeer();

    r.lijst.Nieuw(Ok("Drie"));
    auto drie = r.c.Spelers.zoeknaam("Drie");
    ASSERT_TRUE(drie);
    EXPECT_EQ(drie->Lotingnummer, 3);
    EXPECT_EQ(drie->Opnemen, OpnemenStand | OpnemenRooster);
    EXPECT_EQ(drie->InternNummer, 4);
    EXPECT_TRUE(r.c.Gewijzigd);
    EXPECT_FALSE(r.c.Opties.IsActueel());
    EXPECT_EQ(r.lijst.Selectie(), 2); // the new line, in number order
    EXPECT_EQ(r.lijst.Teller(), "3/4");

    // Random: drawn from 1..maximum (15 with 4 players) until free.
    r.lijst.KiesLoting(LotingKeuze::Willekeurig);
    r.toeval.getallen = {0, 3, 11};
    r.lijst.Nieuw(Ok("Willekeurig"));
    EXPECT_EQ(r.c.Spelers.zoeknaam("Willekeurig")->Lotingnummer, 12);
    EXPECT_EQ(r.toeval.bereiken, (std::vector<int>{15, 15, 15}));

    // Entry: the dialog offers the number after the last one read back.
    r.lijst.KiesLoting(LotingKeuze::Ingeven);
    r.lijst.Nieuw([](TInvoerSpelers& d) {
        EXPECT_TRUE(d.NummerToegestaan());
        EXPECT_EQ(d.Velden.LotingNr, "13");
        d.Velden.Naam = "Zeven";
        d.Velden.LotingNr = "7";
        return true;
    });
    EXPECT_EQ(r.c.Spelers.zoeknaam("Zeven")->Lotingnummer, 7);
    r.lijst.Nieuw([](TInvoerSpelers& d) {
        EXPECT_EQ(d.Velden.LotingNr, "8");
        return false; // cancelled: nothing added
    });
    EXPECT_EQ(r.c.Spelers.Aantal(), 6u);
    r.lijst.Deactiveer();
    EXPECT_EQ(r.c.LotingModus, 2);
    r.lijst.Activeer();
    EXPECT_EQ(r.lijst.Keuze(), LotingKeuze::Ingeven);
}

TEST(Register, NieuweSpelerMetOnleesbaarNummerWordtNietToegevoegd) {
    Register r;
    r.lijst.Activeer();
    r.lijst.KiesLoting(LotingKeuze::Ingeven);
    r.lijst.Nieuw([](TInvoerSpelers& d) {
        d.Velden.Naam = "X";
        d.Velden.LotingNr = "zeven";
        return true;
    });
    EXPECT_TRUE(r.c.Spelers.Leeg());
    EXPECT_FALSE(r.c.Gewijzigd);
    ASSERT_EQ(r.gesprek.Meldingen.size(), 1u);
    EXPECT_EQ(r.gesprek.Meldingen[0].second, "Fout");
}

TEST(Register, SnelIngeven) {
    Register r{"A", "B", "C"};
    r.lijst.SnelIngeven = true;
    r.lijst.Selecteer(0);
    r.gesprek.Invoeren = {"3", "abc", "-1", std::nullopt};
    r.lijst.Wijzig(Ok("niet gebruikt"));
    EXPECT_EQ(r.gesprek.Invoerkaders[0].first, "Invoeren lotingnummer");
    EXPECT_EQ(r.gesprek.Prompts[0], "Geef lotingnummer");
    EXPECT_EQ(r.gesprek.Invoerkaders[0].second, "");
    EXPECT_EQ(r.c.Spelers.zoeknaam("A")->Lotingnummer, 3); // a duplicate is allowed
    EXPECT_EQ(r.lijst.Selectie(), 0);                      // the selection does not move
    EXPECT_EQ(Namen(r)[0], "B");
    r.lijst.Wijzig(Ok("")); // "abc": conversion error
    EXPECT_EQ(r.gesprek.Meldingen.size(), 1u);
    EXPECT_EQ(r.c.Spelers.zoeknaam("B")->Lotingnummer, 2);
    r.lijst.Wijzig(Ok("")); // negative: nothing
    r.lijst.Wijzig(Ok("")); // cancelled
    EXPECT_EQ(r.c.Spelers.zoeknaam("B")->Lotingnummer, 2);
}

TEST(Register, WijzigenViaInvoerscherm) {
    Register r{"A", "B", "C"};
    r.lijst.Selecteer(0);
    r.lijst.Wijzig([](TInvoerSpelers& d) {
        EXPECT_FALSE(d.NummerToegestaan());
        d.Velden.Plaats = "Ede";
        return true;
    });
    EXPECT_EQ(r.c.Spelers.zoeknaam("A")->Plaats, "Ede");
    EXPECT_EQ(r.lijst.Selectie(), 1); // the line after the changed one
    r.lijst.Selecteer(2);
    r.lijst.Wijzig(Ok("C2"));
    EXPECT_EQ(r.lijst.Selectie(), 2); // stays on the last line
    EXPECT_TRUE(r.c.Spelers.zoeknaam("C2"));
    r.lijst.Selecteer(-1);
    r.lijst.Wijzig([](TInvoerSpelers&) -> bool { throw std::logic_error("opened"); });
}

TEST(Register, VerwijderenMetWedstrijden) {
    Register r{"Alfa", "Beta", "Delta"}; // internal numbers 1, 2, 3
    VoegWedstrijdToe(r.c, 1, 1, 1, 2, 2, 0);
    VoegWedstrijdToe(r.c, 1, 2, 3, -1500, 1, 1);
    VoegWedstrijdToe(r.c, 2, 1, 3, 1);
    r.lijst.Selecteer(0);
    r.gesprek.Antwoorden = {Antwoord::Nee, Antwoord::Ja};
    r.lijst.Verwijder();
    EXPECT_EQ(r.c.Spelers.Aantal(), 3u);
    EXPECT_EQ(r.c.Wedstrijden.Aantal(), 3u);
    EXPECT_EQ(r.gesprek.Vragen[0].Tekst, "Speler Alfa verwijderen?");
    EXPECT_EQ(r.gesprek.Vragen[0].Titel, "Bevestiging");
    r.lijst.Verwijder();
    EXPECT_EQ(r.c.Spelers.Aantal(), 2u);
    ASSERT_EQ(r.c.Wedstrijden.Aantal(), 1u);
    EXPECT_EQ(r.c.Wedstrijden.At(0).G().Wit, 3);
    EXPECT_EQ(r.lijst.Selectie(), 0);
    r.lijst.Selecteer(1); // the last line: the selection goes up
    r.gesprek.Antwoorden = {Antwoord::Ja};
    r.lijst.Verwijder();
    EXPECT_EQ(r.lijst.Selectie(), 0);
    EXPECT_EQ(r.c.Wedstrijden.Aantal(), 0u);
}

TEST(Register, ZoekenMetOmloop) {
    Register r{"Jansen", "de Boer", "Boersma", "Visser"};
    r.lijst.Selecteer(0);
    auto zoek = [&](const char* tekst) {
        r.gesprek.Invoeren = {tekst};
        r.lijst.Zoek();
        return r.lijst.Selectie();
    };
    EXPECT_EQ(zoek("boer"), 1);
    EXPECT_EQ(zoek("boer"), 2); // case-free downwards: Boersma
    EXPECT_EQ(r.gesprek.Invoerkaders.back().second, "boer");
    // Round the end the comparison is case-sensitive: de Boer no longer matches.
    EXPECT_EQ(zoek("boer"), 3);
    EXPECT_EQ(zoek("Boer"), 1); // from the last line round to the top: "de Boer"
    EXPECT_EQ(zoek("Jans"), 0); // round the end, case-sensitive
    EXPECT_EQ(zoek("xyz"), 1);  // nothing: the line after the selected one
    EXPECT_EQ(r.gesprek.Invoerkaders.back().first, "Zoeken speler");
    EXPECT_EQ(r.gesprek.Prompts.back(), "Zoeken speler");
}

TEST(Register, NummerenVanuitHetRegister) {
    Register r;
    r.c.Opties.Rekensysteem = SysteemZwitsers;
    for (int i = 1; i <= 4; ++i) VoegSpelerToe(r.c, 0, "S" + std::to_string(i), 2000 - i);
    r.lijst.Activeer();
    EXPECT_EQ(r.lijst.Lotinggroepen, 1);
    EXPECT_FALSE(r.lijst.Parallel);
    EXPECT_TRUE(r.lijst.ToonGroepen());
    r.lijst.Lotinggroepen = 9;
    r.toeval.getallen = {1};
    r.lijst.Nummeren();
    EXPECT_EQ(r.lijst.Lotinggroepen, 2);
    EXPECT_EQ(r.lijst.Selectie(), 0);
    EXPECT_EQ(Namen(r), (std::vector<std::string>{"S1", "S2", "S4", "S3"}));
}
