// The match list's working set: renumbering on opening, commit and restore, result buttons
// moving the selection, new, change and delete with the free players, number and round
// changes, exchange colours, Abort and its question.
#include "entry/wedstrijdlijst.h"
#include "hulp.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

struct Lijst {
    Competitie c;
    ScriptGesprek gesprek;
    RijToeval toeval;
    std::unique_ptr<TWedstrijdenlijst> l;
    int a, b, d, e, f;
    Lijst() {
        a = VoegSpelerToe(c, 1, "Alfa", 1500).InternNummer();
        b = VoegSpelerToe(c, 2, "Beta", 1500).InternNummer();
        d = VoegSpelerToe(c, 3, "Delta", 1500).InternNummer();
        e = VoegSpelerToe(c, 4, "Echo", 1500).InternNummer();
        f = VoegSpelerToe(c, 5, "Foxtrot", 1500).InternNummer();
        c.Rondes.Voegtoe({1, "01-01-2024", 0, 0, 0});
        c.Rondes.Voegtoe({2, "08-01-2024", 0, 0, 0});
        VoegWedstrijdToe(c, 1, 1, a, b, 2, 0);
        VoegWedstrijdToe(c, 2, 1, a, d);
        VoegWedstrijdToe(c, 2, 2, b, e, 1, 1);
        VoegWedstrijdToe(c, 2, 3, f, -1800);
        l = std::make_unique<TWedstrijdenlijst>(c, gesprek, toeval);
        c.Gewijzigd = false;
        c.Opties.WisHerberekenen();
    }
    std::vector<int> Nummers() const {
        std::vector<int> n;
        for (std::size_t i = 0; i < l->Aantal(); ++i) n.push_back(l->Wedstrijd(i).Wedstrijdnummer);
        return n;
    }
};

} // namespace

TEST(Wedstrijdlijst, OpenenNummertTienTwintigDertig) {
    Lijst t;
    t.l->SetData(2);
    EXPECT_EQ(t.c.Wedstrijden.Aantal(), 1u); // taken out of the collection
    EXPECT_EQ(t.Nummers(), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(t.l->Datum, "08-01-2024");
    EXPECT_EQ(t.l->Selectie(), 0);
    EXPECT_EQ(t.l->VrijeSpelers(), std::vector<int>{}); // everyone plays
    EXPECT_EQ(t.l->Regel(2), "  2\t  30\t \tFoxtrot\t-\t \t1800 Rating\t   \t ");
    t.c.Opties.Toernooinaam = "Clubcompetitie";
    EXPECT_EQ(t.l->Titel(), "Ronde  2 Clubcompetitie");
    t.l->GetData(2, true);
    EXPECT_EQ(t.c.Wedstrijden.Aantal(), 4u);
    EXPECT_EQ(t.c.Wedstrijden.At(3).G().Wedstrijdnummer, 30);
    EXPECT_TRUE(t.c.Opties.IsActueel()); // nothing was changed
}

TEST(Wedstrijdlijst, UitslagknoppenSchuivenDoor) {
    Lijst t;
    t.l->SetData(2);
    t.l->Druk(Uitslagknop::Res0);
    EXPECT_EQ(t.l->Selectie(), 1);
    EXPECT_EQ(t.l->Wedstrijd(0).UitslagZwart, 2);
    t.l->Selecteer(2);
    t.l->Druk(Uitslagknop::Res1);
    EXPECT_EQ(t.l->Selectie(), 2); // stays on the last line
    EXPECT_TRUE(t.l->Gewijzigd());
    EXPECT_TRUE(t.l->Toets('u')); // "Uitslag weg" by key
    EXPECT_FALSE(t.l->Wedstrijd(2).Gespeeld);
    EXPECT_TRUE(t.l->Wedstrijd(2).Reglementair);
    EXPECT_FALSE(t.l->Toets('x'));
    t.l->Selecteer(-1);
    t.l->Druk(Uitslagknop::Res2); // nothing selected: nothing happens
    t.l->GetData(2, true);
    EXPECT_FALSE(t.c.Opties.IsActueel());
}

TEST(Wedstrijdlijst, AbortHerstelt) {
    Lijst t;
    const auto voor = t.c.Wedstrijden.At(2).G();
    t.l->SetData(2);
    t.l->Selecteer(1);
    t.l->Druk(Uitslagknop::Res2);
    t.l->Selecteer(0);
    t.l->Verwijder();
    t.l->Verwijder();
    EXPECT_EQ(t.l->Aantal(), 1u);
    t.gesprek.Antwoorden = {Antwoord::Annuleren, Antwoord::Ja};
    EXPECT_FALSE(t.l->Abort());
    EXPECT_EQ(t.gesprek.Vragen[0].Tekst,
              "De ingevoerde (wijzigingen in de) uitslagen worden niet doorgevoerd! Weet u dit "
              "zeker?");
    ASSERT_EQ(t.l->Abort(), Afsluiting::Abort);
    t.l->GetData(2, false);
    ASSERT_EQ(t.c.Wedstrijden.Aantal(), 4u);
    auto hersteld = t.c.Wedstrijden.At(2).G();
    EXPECT_EQ(hersteld.UitslagWit, voor.UitslagWit);
    EXPECT_EQ(hersteld.Wit, voor.Wit);
    EXPECT_EQ(hersteld.Wedstrijdnummer, 20); // the copies were taken after renumbering

    // No changes: Abort closes at once; "Nee" keeps the changes.
    t.l->SetData(2);
    EXPECT_EQ(t.l->Abort(), Afsluiting::Abort);
    t.l->Druk(Uitslagknop::Res2);
    t.gesprek.Antwoorden = {Antwoord::Nee};
    EXPECT_EQ(t.l->Abort(), Afsluiting::Ok);
    t.l->GetData(2, true);
    EXPECT_EQ(t.c.Wedstrijden.At(1).G().UitslagWit, 2);
}

TEST(Wedstrijdlijst, LaatsteRegelVerwijderen) {
    Lijst t;
    t.l->SetData(2);
    t.l->Selecteer(2);
    t.l->Verwijder();
    EXPECT_EQ(t.l->Selectie(), 1);
    EXPECT_EQ(t.l->VrijeSpelers(), std::vector<int>{t.f});
    EXPECT_TRUE(t.c.Gewijzigd);
    t.l->GetData(2, true);
    EXPECT_EQ(t.c.Wedstrijden.Aantal(), 3u);
    EXPECT_FALSE(t.c.Opties.IsActueel());
}

TEST(Wedstrijdlijst, NieuwEnWijzig) {
    Lijst t;
    t.l->SetData(1);
    EXPECT_EQ(t.l->VrijeSpelers(), (std::vector<int>{t.d, t.e, t.f}));
    t.l->Nieuw([&](TWedInvoer& d) {
        EXPECT_EQ(d.Label(Kleur::Wit), "(witspeler)");
        d.ZetTekst(Kleur::Wit, "Delta");
        d.ZetTekst(Kleur::Zwart, "4");
        return true;
    });
    ASSERT_EQ(t.l->Aantal(), 2u);
    EXPECT_EQ(t.l->Wedstrijd(1).Wedstrijdnummer, 20); // 10 x (lines + 1)
    EXPECT_EQ(t.l->Wedstrijd(1).Wit, t.d);
    EXPECT_EQ(t.l->Selectie(), 1);
    EXPECT_EQ(t.l->VrijeSpelers(), std::vector<int>{t.f});
    t.l->Nieuw([](TWedInvoer&) { return false; });
    EXPECT_EQ(t.l->Aantal(), 2u);

    // Change: the match's own players are free while the dialog is open.
    t.l->Wijzig([&](TWedInvoer& d) {
        EXPECT_EQ(d.Tekst(Kleur::Wit), "3");
        EXPECT_EQ(d.Referentie(Kleur::Zwart), t.e);
        EXPECT_EQ(t.l->VrijeSpelers(), (std::vector<int>{t.f, t.d, t.e}));
        d.ZetTekst(Kleur::Zwart, "-1650");
        return true;
    });
    EXPECT_EQ(t.l->Wedstrijd(1).Zwart, -1650);
    EXPECT_EQ(t.l->VrijeSpelers(), (std::vector<int>{t.e, t.f}));
    t.l->GetData(1, true);
    EXPECT_EQ(t.c.Wedstrijden.Aantal(), 5u);
    EXPECT_TRUE(t.c.Gewijzigd);
}

TEST(Wedstrijdlijst, NummerRondeEnWissel) {
    Lijst t;
    t.l->SetData(2);
    t.gesprek.Invoeren = {"25", "twintig", std::nullopt};
    t.l->Nummer();
    EXPECT_EQ(t.gesprek.Invoerkaders[0].first, "Wedstrijdnummer wijzigen");
    EXPECT_EQ(t.gesprek.Prompts[0], "Geef in nieuw wedstrijdnummer");
    EXPECT_EQ(t.gesprek.Invoerkaders[0].second, "10");
    EXPECT_EQ(t.Nummers(), (std::vector<int>{20, 25, 30})); // the match moves to its place
    EXPECT_EQ(t.l->Selectie(), 1);
    t.l->Nummer(); // unreadable: unchanged, no message
    t.l->Nummer(); // cancelled
    EXPECT_EQ(t.Nummers(), (std::vector<int>{20, 25, 30}));
    EXPECT_TRUE(t.gesprek.Meldingen.empty());

    t.gesprek.Invoeren = {"7", "1"};
    t.l->Rondenummer(); // no round 7
    EXPECT_EQ(t.l->Wedstrijd(1).Ronde, 2);
    t.l->Rondenummer();
    EXPECT_EQ(t.l->Wedstrijd(0).Ronde, 1); // sorted first, still in the list
    EXPECT_EQ(t.l->Selectie(), 0);

    t.l->Selecteer(1); // b - e, 1/1
    t.l->Wissel();
    EXPECT_EQ(t.l->Wedstrijd(1).Wit, t.e);
    EXPECT_EQ(t.l->Wedstrijd(1).UitslagWit, 1);
    t.l->GetData(2, true);
    EXPECT_EQ(t.c.Wedstrijden.At(1).G().Ronde, 1); // back under its new round
    EXPECT_EQ(t.c.Wedstrijden.At(1).G().Wedstrijdnummer, 25);
}

TEST(Wedstrijdlijst, RandomUitslagen) {
    Lijst t;
    t.l->SetData(2);
    t.toeval.getallen = {0, 0, 0, 999};
    t.l->Random();
    EXPECT_EQ(t.l->Wedstrijd(0).UitslagWit, 2); // x = 1
    EXPECT_EQ(t.l->Wedstrijd(1).UitslagWit, 0); // x = 1000: black wins
    EXPECT_FALSE(t.l->Wedstrijd(2).Gespeeld);   // an outside opponent
    EXPECT_EQ(t.toeval.bereiken, (std::vector<int>{1166, 1000, 1166, 1000}));
    EXPECT_TRUE(t.l->Gewijzigd());
}

TEST(Wedstrijdlijst, VerzoekenEnOpruimen) {
    Lijst t;
    t.l->SetData(2);
    EXPECT_EQ(t.l->Rooster(), Afsluiting::Ok);
    EXPECT_EQ(t.l->GevraagdVerzoek(), Verzoek::Rooster);
    EXPECT_EQ(t.l->KiesGroep(3), Afsluiting::Ok);
    EXPECT_EQ(t.l->GevraagdVerzoek(), Verzoek::AndereGroep);
    EXPECT_EQ(t.l->GevraagdeGroep(), 3);
    // A list that goes while it holds matches gives them back.
    t.l.reset();
    EXPECT_EQ(t.c.Wedstrijden.Aantal(), 4u);
}
