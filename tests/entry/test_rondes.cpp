// Rounds: the list lines, the current round, inserting and deleting rounds with Yes, No and
// Cancel, the refusal for the only round, and opening a round with commit or restore.
#include "entry/rondescherm.h"
#include "hulp.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

// Three rounds with two matches each between four players; round 3 without results.
struct Rondes {
    Competitie c;
    ScriptGesprek gesprek;
    VasteKlok klok;
    RijToeval toeval;
    TRondeScherm scherm{c, gesprek, klok, toeval};
    Rondes() {
        for (int i = 1; i <= 4; ++i) VoegSpelerToe(c, i, "S" + std::to_string(i));
        for (int r = 1; r <= 3; ++r) {
            c.Rondes.Voegtoe({r, "0" + std::to_string(r) + "-01-2024", 0, 0, 0});
            VoegWedstrijdToe(c, r, 1, 1, 2 + (r - 1) % 3, r < 3 ? 2 : -1, 0);
            VoegWedstrijdToe(c, r, 2, 3 + r % 2, 3 + (r + 1) % 2, r < 3 ? 1 : -1, 1);
        }
    }
    // Round of every match, in collection order.
    std::vector<int> Rondes_() const {
        std::vector<int> r;
        for (const auto& w : c.Wedstrijden) r.push_back(w->G().Ronde);
        return r;
    }
    std::vector<int> Nummers() const {
        std::vector<int> r;
        for (const auto& o : c.Rondes) r.push_back(o->Rondenummer());
        return r;
    }
};

Afsluiting Sluit(TWedstrijdenlijst&) {
    return Afsluiting::Ok;
}

} // namespace

TEST(Rondes, RegelsEnDatum) {
    Rondes t;
    t.scherm.Activeer(false, Sluit);
    ASSERT_EQ(t.scherm.Regels().size(), 3u);
    EXPECT_EQ(t.scherm.Regels()[0], "  1\t01-01-2024\t 2\t[ 2]\tWedstrijden");
    EXPECT_EQ(t.scherm.Regels()[2], "  3\t03-01-2024\t 2\t[ 0]\tWedstrijden");
    EXPECT_EQ(DatumTekst(Datum{2024, 3, 7}), "07-03-2024");
    // Deleting from the screen: a line fewer, the selection on the line before.
    t.scherm.Selecteer(2);
    t.gesprek.Antwoorden = {Antwoord::Ja};
    t.scherm.Verwijderen();
    EXPECT_EQ(t.scherm.Regels().size(), 2u);
    EXPECT_EQ(t.scherm.Selectie(), 1);
}

TEST(Rondes, HuidigeRonde) {
    Rondes t;
    EXPECT_EQ(HuidigeRonde(t.c), 3);
    for (auto& w : t.c.Wedstrijden) t.c.ZetUitslag(*w, 1, 1, false, true);
    EXPECT_EQ(HuidigeRonde(t.c), 0);
    // A bye waits for no result while byes are switched on; without, it is an open match.
    auto& vrij = VoegWedstrijdToe(t.c, 2, 3, 5, kGeenTegenstander);
    t.c.Opties.ZetVlag(VlagVrijBijOneven, true);
    EXPECT_EQ(HuidigeRonde(t.c), 0);
    t.c.Opties.ZetVlag(VlagVrijBijOneven, false);
    EXPECT_EQ(HuidigeRonde(t.c), 2);
    t.c.Wedstrijden.Verwijder(&vrij);
    t.c.Rondes.Voegtoe({5, "", 0, 0, 0});
    t.c.Rondes.Voegtoe({4, "", 0, 0, 0});
    EXPECT_EQ(HuidigeRonde(t.c), 4); // the first round without matches
    t.c.ZetUitslag(t.c.Wedstrijden.At(1), 0, 0, false, false);
    EXPECT_EQ(HuidigeRonde(t.c), 1);
}

TEST(Rondes, InvoegenVoorRondeTwee) {
    Rondes t;
    t.scherm.Activeer(false, Sluit);
    t.scherm.Selecteer(1);
    t.scherm.Invoegen();
    EXPECT_EQ(t.Nummers(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(t.Rondes_(), (std::vector<int>{1, 1, 3, 3, 4, 4}));
    EXPECT_EQ(t.c.Rondes.geef_datum(2), "07-03-2024");
    EXPECT_EQ(t.c.Rondes.geef_datum(3), "02-01-2024");
    EXPECT_EQ(t.scherm.Regels()[1], "  2\t07-03-2024\t 0\t[ 0]\tWedstrijden");
    t.scherm.Selecteer(-1);
    t.scherm.Invoegen();
    ASSERT_EQ(t.gesprek.Meldingen.size(), 1u);
    EXPECT_EQ(t.gesprek.Meldingen[0].first, "Geen ronde geselecteerd");
    EXPECT_EQ(t.Nummers().size(), 4u);
}

TEST(Rondes, VerwijderRondeTweeMetJa) {
    Rondes t;
    const auto derde = t.c.Wedstrijden.At(4).G();
    t.gesprek.Antwoorden = {Antwoord::Ja};
    EXPECT_EQ(VerwijderRonde(t.c, 2, t.gesprek), RondeWeg::Verwijderd);
    EXPECT_EQ(t.gesprek.Vragen[0].Tekst, "Wilt u ook de wedstrijden verwijderen uit ronde 2?");
    EXPECT_EQ(t.gesprek.Vragen[0].Icoon, Pictogram::Waarschuwing);
    EXPECT_EQ(t.Nummers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(t.Rondes_(), (std::vector<int>{1, 1, 2, 2}));
    EXPECT_EQ(t.c.Wedstrijden.At(2).G().Wit, derde.Wit); // round 3's matches, now round 2
    EXPECT_EQ(t.c.Rondes.geef_datum(2), "03-01-2024");
}

// No: the round's matches join the round before (round 1's the round after).
TEST(Rondes, VerwijderRondeMetNee) {
    for (int32_t ronde : {1, 2}) {
        Rondes t;
        t.gesprek.Antwoorden = {Antwoord::Nee};
        EXPECT_EQ(VerwijderRonde(t.c, ronde, t.gesprek), RondeWeg::Verwijderd);
        EXPECT_EQ(t.Nummers(), (std::vector<int>{1, 2}));
        EXPECT_EQ(t.Rondes_(), (std::vector<int>{1, 1, 1, 1, 2, 2}));
        EXPECT_FALSE(t.c.Opties.IsActueel());
        EXPECT_EQ(t.c.Rondes.geef_datum(1), ronde == 1 ? "02-01-2024" : "01-01-2024");
    }
}

TEST(Rondes, AnnulerenEnDeEnigeRonde) {
    Rondes t;
    t.gesprek.Antwoorden = {Antwoord::Annuleren};
    EXPECT_EQ(VerwijderRonde(t.c, 2, t.gesprek), RondeWeg::Geannuleerd);
    EXPECT_EQ(t.Nummers().size(), 3u);
    EXPECT_EQ(t.c.Wedstrijden.Aantal(), 6u);

    Competitie c;
    ScriptGesprek g;
    VoegSpelerToe(c, 1, "A");
    VoegSpelerToe(c, 2, "B");
    VoegWedstrijdToe(c, 1, 1, 1, 2);
    g.Antwoorden = {Antwoord::Nee, Antwoord::Ja};
    EXPECT_EQ(VerwijderRonde(c, 1, g), RondeWeg::Geweigerd);
    ASSERT_EQ(g.Meldingen.size(), 1u);
    EXPECT_EQ(g.Meldingen[0].first, "Verwijder eerst de wedstrijden in deze ronde");
    EXPECT_EQ(c.Rondes.Aantal(), 1u);
    EXPECT_EQ(c.Wedstrijden.Aantal(), 1u);
    EXPECT_EQ(VerwijderRonde(c, 1, g), RondeWeg::Verwijderd);
    EXPECT_EQ(c.Rondes.Aantal(), 0u);
    EXPECT_EQ(c.Wedstrijden.Aantal(), 0u);
}

TEST(Rondes, AfgebrokenNieuweRondeVerdwijnt) {
    Rondes t;
    t.c.Rondes.Voegtoe({4, "", 0, 0, 0});
    t.c.Rondes.Voegtoe({5, "", 0, 0, 0});
    t.scherm.Activeer(false, Sluit);
    t.scherm.Nieuw([](TWedstrijdenlijst& l) {
        EXPECT_EQ(l.Ronde(), 6);
        EXPECT_EQ(l.Datum, "07-03-2024");
        return Afsluiting::Abort;
    });
    EXPECT_EQ(t.Nummers(), (std::vector<int>{1, 2, 3, 4, 5}));

    // Aborting an empty round in the middle lowers the later rounds.
    t.scherm.Selecteer(3);
    t.scherm.Keuze([](TWedstrijdenlijst&) { return Afsluiting::Abort; });
    EXPECT_EQ(t.Nummers(), (std::vector<int>{1, 2, 3, 4}));

    // A new round whose matches are committed stays.
    t.scherm.Nieuw([](TWedstrijdenlijst& l) {
        l.Nieuw([](TWedInvoer& d) {
            d.ZetTekst(Kleur::Wit, "1");
            d.ZetTekst(Kleur::Zwart, "2");
            return true;
        });
        return Afsluiting::Ok;
    });
    EXPECT_EQ(t.Nummers(), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(t.Rondes_().back(), 5);
    EXPECT_EQ(t.scherm.Selectie(), 4);
    // An empty new round closed with OK stays too.
    t.scherm.Nieuw(Sluit);
    EXPECT_EQ(t.Nummers().size(), 6u);
}

TEST(Rondes, OpenenHerstelOfBewaar) {
    Rondes t;
    t.scherm.Activeer(false, Sluit);
    EXPECT_EQ(t.scherm.Huidige(), 3);
    EXPECT_EQ(t.scherm.Selectie(), 2);
    t.scherm.Keuze([](TWedstrijdenlijst& l) {
        l.Selecteer(0);
        l.Druk(Uitslagknop::Res2);
        l.Datum = "10-01-2024";
        return Afsluiting::Abort;
    });
    EXPECT_FALSE(t.c.Wedstrijden.At(4).G().Gespeeld);
    EXPECT_EQ(t.c.Wedstrijden.At(4).G().Wedstrijdnummer, 10); // renumbered on opening
    EXPECT_EQ(t.c.Rondes.geef_datum(3), "10-01-2024");
    EXPECT_EQ(t.Nummers().size(), 3u); // a round that had matches stays after Abort
    t.scherm.Selecteer(2);
    t.scherm.Keuze([](TWedstrijdenlijst& l) {
        l.Selecteer(0);
        l.Druk(Uitslagknop::Res2);
        return Afsluiting::Ok;
    });
    EXPECT_TRUE(t.c.Wedstrijden.At(4).G().Gespeeld);
    EXPECT_EQ(t.c.Wedstrijden.At(4).G().UitslagWit, 2);
}

TEST(Rondes, DirectOpenenMaaktNieuweRondeAlsAllesGespeeldIs) {
    Rondes t;
    for (auto& w : t.c.Wedstrijden) t.c.ZetUitslag(*w, 2, 0, false, true);
    int geopend = 0;
    t.scherm.Activeer(true, [&](TWedstrijdenlijst& l) {
        geopend = l.Ronde();
        return Afsluiting::Ok;
    });
    EXPECT_EQ(geopend, 4);
    EXPECT_EQ(t.Nummers().size(), 4u);

    Rondes u;
    u.scherm.Activeer(true, [&](TWedstrijdenlijst& l) {
        geopend = l.Ronde();
        return Afsluiting::Ok;
    });
    EXPECT_EQ(geopend, 3);
}
