// Stopping a pairing: the search gives up at the stop request and the group is put back
// byte for byte; the progress buffer between the search and the screen; the check list order.
#include "competitiehulp.h"
#include "lang/teksten.h"
#include "pairing/roosterkeuze.h"
#include "pairing/roosterstop.h"
#include "pairing/samenstellen.h"
#include "pairing/voortgangsbuffer.h"
#include "proeftoernooi.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <stdexcept>

using namespace velkaro;
using namespace velkaro::test;

namespace {

// 24 players after eleven seeded Swiss rounds: round 12 takes the search about a million
// pairs (the hardest late round the benchmarks know).
std::unique_ptr<Proeftoernooi> ZwareRonde12() {
    return GepaardTot(49, 24, 12);
}

// The group as its files hold it, and what the files do not hold: the ranking lists.
std::string Afdruk(const Competitie& c) {
    std::string s = SchrijfHoofdbestandTekst(c) + "\n=====\n" + SchrijfGroepTekst(c);
    for (const tranglijst* l : {&c.Ranglijst, &c.Ranglijst2})
        for (const auto& r : *l)
            s += "\n" + r.Sleutel + " " + std::to_string(r.Speler->InternNummer());
    for (const auto& sp : c.Spelers)
        for (int32_t k : sp->Sorteersleutels) s += " " + std::to_string(k);
    s += "\nHerberekenen " + std::to_string(c.Opties.Herberekenen) + " Gewijzigd " +
         std::to_string(c.Gewijzigd) + " Rondes " + std::to_string(c.Rondes.Aantal());
    return s;
}

} // namespace

TEST(Roosterstop, GestoptZoekenLaatDeGroepZoalsHijWas) {
    auto t = ZwareRonde12();
    Competitie& c = t->c;
    // Round 12 was drawn up before (unplayed): the pairing deletes those matches first.
    VoegWedstrijdToe(c, 12, 133, c.Spelers.At(0).InternNummer(), c.Spelers.At(5).InternNummer());
    VoegWedstrijdToe(c, 12, 134, c.Spelers.At(7).InternNummer(), c.Spelers.At(2).InternNummer());
    c.Gewijzigd = false;
    const std::string voor = Afdruk(c);
    const std::size_t wedstrijden = c.Wedstrijden.Aantal();

    for (long long n : {1LL, 37LL, 20000LL}) {
        SCOPED_TRACE(n);
        Scriptgesprek g;
        Opname stop(n);
        Roosteromgeving omg{g, stop};
        const auto r = SamenstellenRoosterMetStop(c, 12, true, false, omg);
        EXPECT_EQ(r.Uitkomst, Roosteruitkomst::Gestopt);
        // The search looked no further than the request; past 5000 pairs a branch played
        // back from memory adds all its pairs at once.
        if (n <= 5000)
            EXPECT_EQ(r.Onderzocht, n);
        else
            EXPECT_TRUE(r.Onderzocht >= n && r.Onderzocht < 2 * n) << r.Onderzocht;
        EXPECT_TRUE(r.Nieuw.empty());
        ASSERT_EQ(g.meldingen.size(), 1u);
        EXPECT_EQ(g.meldingen[0].tekst, lang::Tekst(lang::T::RoosterenGestopt));
        EXPECT_EQ(g.meldingen[0].titel, lang::Tekst(lang::T::Informatie));
        EXPECT_EQ(c.Wedstrijden.Aantal(), wedstrijden);
        EXPECT_EQ(Afdruk(c), voor);
    }

    // Not stopped, the same call pairs the round and the stop snapshot is simply dropped.
    Scriptgesprek g;
    Opname nooit;
    Roosteromgeving omg{g, nooit};
    const Voorstand vooraf = NeemVoorstand(c, 12);
    const auto r = SamenstellenRoosterMetStop(c, 12, true, false, omg);
    ASSERT_TRUE(r.Gelukt());
    EXPECT_GT(r.Onderzocht, 20000);
    EXPECT_TRUE(g.meldingen.empty());
    for (const auto& f : ControleerRonde(c, 12, vooraf)) ADD_FAILURE() << f;
}

// The Swiss by rating (which computes under system 16) and the FMJD Swiss stop the same way.
TEST(Roosterstop, ZwitsersVariantenStoppen) {
    for (uint16_t systeem : {SysteemZwitsersRating, SysteemFMJDZwitsers}) {
        SCOPED_TRACE(systeem);
        auto t = ZwareRonde12();
        Competitie& c = t->c;
        c.Opties.Rekensysteem = systeem;
        c.Gewijzigd = false;
        const std::string voor = Afdruk(c);
        Scriptgesprek g;
        Opname stop(3);
        Roosteromgeving omg{g, stop};
        const auto r = SamenstellenRoosterMetStop(c, 12, true, true, omg);
        EXPECT_EQ(r.Uitkomst, Roosteruitkomst::Gestopt);
        EXPECT_EQ(r.Onderzocht, 3);
        EXPECT_EQ(Afdruk(c), voor);
        EXPECT_EQ(c.Opties.Rekensysteem, systeem);
    }
}

TEST(Roosterstop, GroepstandHerstelt) {
    Competitie c;
    VoegSpelersToe(c, 4);
    VoegWedstrijdToe(c, 1, 1, 1, 2, true);
    VoegWedstrijdToe(c, 1, 2, 3, 4);
    c.Rondes.ZetRondeDatum(1, "01-02-2026");
    c.Gewijzigd = false;
    const std::string voor = Afdruk(c);
    const Groepstand stand(c);
    // What a routine does on its way: delete, add a round, change totals, flags and settings.
    c.Wedstrijden.verwijderronde(1);
    VoegWedstrijdToe(c, 2, 3, 1, 3);
    c.Spelers.At(2).W().Punten = 7;
    c.Spelers.At(2).Sorteersleutels[3] = 11;
    c.Ranglijst.Voegtoe("x", &c.Spelers.At(1));
    c.Opties.Sorteervolgorde = 47;
    c.MarkeerHerberekenen();
    stand.Herstel(c);
    EXPECT_EQ(Afdruk(c), voor);
    EXPECT_EQ(c.Rondes.geef_datum(1), "01-02-2026");
}

TEST(Voortgangsbuffer, GeeftAlleenWatVeranderde) {
    Voortgangsbuffer b;
    Voortgangsbuffer::Beeld beeld;
    b.Regel("");
    b.Regel("");
    b.Teller(0);
    auto w = b.Werkbij(beeld);
    EXPECT_TRUE(w.Regels.empty()); // two empty lines over an empty screen: nothing to draw
    EXPECT_EQ(beeld.Regels.size(), 2u);

    b.ZetRegel(2, "  1 A  -  2 B");
    b.ZetRegel(2, "  1 A  -  3 C"); // only the latest counts
    b.ZetRegel(1, "x");
    b.ZetRegel(1, ""); // back to what the screen shows
    b.Teller(41);
    b.Status("bezig");
    w = b.Werkbij(beeld);
    EXPECT_EQ(w.Regels, std::vector<int>{1});
    EXPECT_EQ(beeld.Regels[1], "  1 A  -  3 C");
    EXPECT_TRUE(w.Teller);
    EXPECT_TRUE(w.Status);
    EXPECT_EQ(beeld.Teller, 41);
    EXPECT_EQ(beeld.Status, "bezig");
    EXPECT_FALSE(b.Werkbij(beeld).Iets());

    b.ZetRegel(4, "diep"); // a line beyond those announced grows the list
    w = b.Werkbij(beeld);
    EXPECT_EQ(w.Regels, std::vector<int>{3});
    EXPECT_EQ(beeld.Regels.size(), 4u);

    EXPECT_FALSE(b.Stoppen());
    b.VraagStop();
    EXPECT_TRUE(b.Stoppen());
    b.Wis();
    EXPECT_FALSE(b.Stoppen());
    b.Werkbij(beeld);
    EXPECT_TRUE(beeld.Regels.empty());
    EXPECT_EQ(beeld.Teller, 0);
}
