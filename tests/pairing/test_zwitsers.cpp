// The pairing driver and the Swiss routine on whole competitions: dispatch, the odd-number
// and failure messages, what is restored, the trace file, and a property test over seeded
// random tournaments.
#include "competitiehulp.h"
#include "lang/teksten.h"
#include "pairing/samenstellen.h"
#include "proeftoernooi.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

void Zwitsers(Competitie& c) {
    c.Opties.Rekensysteem = SysteemZwitsers;
    c.Opties.Sorteervolgorde = 389;
}

} // namespace

TEST(Samenstellen, EersteRondeVanZesOpRanglijstvolgorde) {
    // Equal in everything, the Swiss ranks the lower drawing number first and pairs the table in
    // order; the Keizer and rating pairings pair 1-2, then 6-5, then 3-4 by ranking position. In
    // round 1 the higher placed of each pair has white ("Verwisseld" means nothing to the Swiss),
    // and the matches are numbered on from the match count.
    for (uint16_t systeem : {SysteemZwitsers, SysteemKeizer, SysteemRating}) {
        SCOPED_TRACE(systeem);
        Competitie c;
        VoegSpelersToe(c, 6);
        Zwitsers(c);
        c.Opties.Rekensysteem = systeem;
        Omgeving o;
        const bool zwitsers = systeem == SysteemZwitsers;
        const auto r = SamenstellenRooster(c, 1, !zwitsers, false, o.omg);
        ASSERT_TRUE(r.Gelukt());
        std::vector<int32_t> v;
        for (const auto& regel : c.Ranglijst) v.push_back(regel.Speler->InternNummer());
        ASSERT_EQ(v.size(), 6u);
        if (zwitsers) {
            EXPECT_EQ(v, (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
            EXPECT_EQ(c.Opties.Sorteervolgorde, 389); // restored
        }
        EXPECT_EQ(RondeParen(c, 1), (Paarlijst{{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}}));
        EXPECT_EQ(RondeNummers(c, 1), (std::vector<int32_t>{1, 2, 3}));
        EXPECT_EQ(std::tuple(r.VanRonde, r.TotRonde, r.Nieuw.size()), std::tuple(1, 1, 3u));
        EXPECT_TRUE(o.gesprek.meldingen.empty());
    }
}

// An odd number, or four where 1 has met everybody: "Kan niet paren", nothing written, only the
// round's unplayed matches deleted and the settings as they were, under the Swiss and the Swiss
// by rating (which computes under system 16).
TEST(Zwitsers, ZonderParingWordtNietsGeschreven) {
    for (uint16_t systeem : {SysteemZwitsers, SysteemZwitsersRating})
        for (int spelers : {4, 5}) {
            SCOPED_TRACE(std::to_string(systeem) + " " + std::to_string(spelers));
            Competitie c;
            VoegSpelersToe(c, spelers);
            Zwitsers(c);
            c.Opties.Rekensysteem = systeem;
            c.Opties.MaxKleurverschil = 1;
            VoegWedstrijdToe(c, 1, 1, 1, 2, true);
            VoegWedstrijdToe(c, 2, 2, 1, 3, true);
            VoegWedstrijdToe(c, 3, 3, 1, 4, true);
            VoegWedstrijdToe(c, 4, 4, 2, 3);       // unplayed: goes
            VoegWedstrijdToe(c, 4, 5, 4, 1, true); // played: stays
            Omgeving o;
            const auto r = SamenstellenRooster(c, 4, true, false, o.omg);
            EXPECT_EQ(r.Uitkomst, Roosteruitkomst::KanNietParen);
            EXPECT_TRUE(r.Nieuw.empty());
            ASSERT_EQ(o.gesprek.meldingen.size(), 1u);
            EXPECT_EQ(o.gesprek.meldingen[0].tekst, "Kan niet paren");
            EXPECT_EQ(o.gesprek.meldingen[0].titel, "Fout");
            EXPECT_EQ(o.gesprek.meldingen[0].pictogram, Pictogram::Fout);
            EXPECT_EQ(RondeParen(c, 4), (Paarlijst{{4, 1}}));
            EXPECT_EQ(c.Wedstrijden.Aantal(), 4u);
            EXPECT_EQ(std::tuple(c.Opties.Rekensysteem, c.Opties.Sorteervolgorde,
                                 c.Opties.MaxKleurverschil),
                      std::tuple(systeem, 389, 1));
            // The opening feasibility test already sees that 1 has nobody left.
            if (systeem == SysteemZwitsers && spelers == 4) {
                EXPECT_EQ(r.Onderzocht, 0);
            }
        }
}

TEST(Samenstellen, RondtoernooiKrijgtDeKleurkeuze) {
    for (uint16_t s : {0, 9, 16, 18}) {
        Competitie c;
        VoegSpelersToe(c, 4);
        c.Opties.Rekensysteem = s;
        Omgeving o;
        const auto r = SamenstellenRooster(c, 2, false, false, o.omg);
        ASSERT_TRUE(r.Gelukt()) << s;
        EXPECT_EQ(r.VanRonde, 2);
        EXPECT_EQ(r.TotRonde, 4);
        EXPECT_EQ(RondeParen(c, 2), (Paarlijst{{4, 1}, {3, 2}})) << s;
    }
}

namespace {

// Plays seeded tournaments of `van`..`tot` players for at most rondes(participants) rounds, or
// until a round cannot be paired, checking every round. Returns the rounds paired.
template <class Rondes>
int Speel(unsigned zaden, int van, int tot, Rondes rondes, int& mislukt,
          uint16_t systeem = SysteemZwitsers) {
    int gepaard = 0;
    for (unsigned zaad = 1; zaad <= zaden; ++zaad) {
        std::mt19937 g(zaad * 7919u);
        const int n = std::uniform_int_distribution<int>(van, tot)(g);
        Proeftoernooi t(zaad, n);
        t.c.Opties.Rekensysteem = systeem;
        // The FMJD Swiss keeps a sort order that begins with 4, 5 or 6.
        if (systeem == SysteemFMJDZwitsers) t.c.Opties.Sorteervolgorde = zaad % 3 == 0 ? 54 : 47;
        const int laatste = rondes(t.c.Spelers.tel_rooster());
        for (int32_t ronde = 1; ronde <= laatste; ++ronde) {
            SCOPED_TRACE("seed " + std::to_string(zaad) + " players " + std::to_string(n) +
                         " round " + std::to_string(ronde));
            const Voorstand voor = NeemVoorstand(t.c, ronde);
            Omgeving o;
            const auto r = SamenstellenRooster(t.c, ronde, true, ronde == laatste, o.omg);
            if (!r.Gelukt()) {
                ++mislukt;
                EXPECT_TRUE(r.Nieuw.empty());
                EXPECT_EQ(o.gesprek.meldingen.size(), 1u);
                break;
            }
            ++gepaard;
            Paarregels regels;
            if (systeem == SysteemZwitsersRating) regels.Kleur = Kleurcontrole::Maximum;
            for (const auto& f : ControleerRonde(t.c, ronde, voor, regels)) ADD_FAILURE() << f;
            t.SpeelRonde(ronde);
        }
    }
    return gepaard;
}

// Seeded tournaments under each Swiss routine: over a part of the field's rounds (a third: the
// length of a real Swiss, where the search stays in its ordinary, unrelaxed mode), and small
// fields played until no pairing is left (at most N − 1 rounds: the relaxed search of the late
// rounds, the give-up rule and "Kan niet paren" at the end, which some fields reach early).
struct Eigenschapgeval {
    uint16_t systeem;
    unsigned zaden;
    int van, tot, deler; // rounds: players / deler; 0: players − 1
    int minstens;        // rounds paired at least
};

void Eigenschappen(std::initializer_list<Eigenschapgeval> gevallen) {
    for (const auto& g : gevallen) {
        SCOPED_TRACE(std::to_string(g.systeem) + " " + std::to_string(g.deler));
        int mislukt = 0;
        const int rondes = Speel(
            g.zaden, g.van, g.tot, [&](int n) { return g.deler ? n / g.deler : n - 1; }, mislukt,
            g.systeem);
        EXPECT_GT(rondes, g.minstens);
        EXPECT_EQ(mislukt > 0, g.deler == 0);
    }
}

} // namespace

TEST(Zwitsers, EigenschappenOverWillekeurigeToernooien) {
    Eigenschappen(
        {{SysteemZwitsers, 200, 8, 60, 3, 200 * 4}, {SysteemZwitsers, 120, 8, 24, 0, 120 * 6}});
}

TEST(ZwitsersVarianten, EigenschappenOverWillekeurigeToernooien) {
    Eigenschappen({{SysteemFMJDZwitsers, 60, 8, 60, 4, 60 * 3},
                   {SysteemFMJDZwitsers, 40, 8, 16, 0, 40 * 5},
                   {SysteemZwitsersRating, 60, 8, 60, 4, 60 * 3},
                   {SysteemZwitsersRating, 40, 8, 16, 0, 40 * 5}});
}
