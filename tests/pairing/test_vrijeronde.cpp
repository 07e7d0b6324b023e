// The bye for an odd turnout: who gets it under every system that pairs by standings, that
// nobody gets a second one while another can take it, and that without the switch an odd
// number is still refused.
#include "competitiehulp.h"
#include "lang/teksten.h"
#include "pairing/roosterkeuze.h"
#include "pairing/samenstellen.h"
#include "standings/stand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace velkaro;
using namespace velkaro::test;

namespace {

struct Systeemgeval {
    const char* naam;
    uint16_t systeem;
    int32_t sorteervolgorde;
    bool zwitsers; // lowest score group first; otherwise the lowest on the value list
    int rondes;
};

void Zeven(Competitie& c, const Systeemgeval& g, bool vrij) {
    c.Opties.ZetStandaard();
    c.Opties.Rekensysteem = g.systeem;
    c.Opties.Sorteervolgorde = g.sorteervolgorde;
    c.LarenBasis = 60;
    c.Opties.ZetVlag(VlagVrijBijOneven, vrij);
    VoegSpelersToe(c, 7);
    for (auto& s : c.Spelers) s->W().LokaleRating = s->W().Rating = 2000 - 37 * s->Lotingnummer();
}

// Every game of the round gets a result: mostly a win for white, now and then a draw.
void Speel(Competitie& c, int32_t ronde) {
    for (auto& w : c.Wedstrijden) {
        const auto& g = w->G();
        if (g.Ronde != ronde || IsVrij(g)) continue;
        if ((g.Wit + g.Zwart + ronde) % 3 == 0)
            c.ZetUitslag(*w, UitslagRemise, UitslagRemise, false, true);
        else
            c.ZetUitslag(*w, UitslagWinst, UitslagVerlies, false, true);
    }
}

} // namespace

// Without the switch an odd turnout is refused; with it, who gets the bye.
TEST(VrijeRonde, WieHemKrijgtPerSysteem) {
    const Systeemgeval gevallen[] = {
        {"Zwitsers", SysteemZwitsers, 47, true, 4},
        {"Zwitsers rating", SysteemZwitsersRating, 21, true, 4},
        {"FMJD-zwitsers", SysteemFMJDZwitsers, 47, true, 4},
        {"Keizer", SysteemKeizer, 0, false, 9},
        {"Rating", SysteemRating, 0, false, 9},
        {"Plaatsparing", SysteemMoyenne, 0, false, 9},
        {"Laren", SysteemLaren, 0, false, 9},
    };
    for (const auto& geval : gevallen) {
        SCOPED_TRACE(geval.naam);
        {
            // Without the switch an odd number is refused; an even one says nothing.
            Competitie c;
            Zeven(c, geval, false);
            EXPECT_FALSE(MagSamenstellen(c));
            EXPECT_EQ(Samenstelmelding(c), lang::Tekst(lang::T::OnevenZonderVrij));
            VoegWedstrijdToe(c, 1, 1, 1, 2);       // unplayed: goes
            VoegWedstrijdToe(c, 1, 2, 3, 4, true); // played: stays
            Omgeving o;
            const auto res = SamenstellenRooster(c, 1, true, false, o.omg);
            EXPECT_EQ(res.Uitkomst, Roosteruitkomst::KanNietParen);
            EXPECT_EQ(RondeParen(c, 1), (Paarlijst{{3, 4}}));
            ASSERT_EQ(o.gesprek.meldingen.size(), 1u);
            const auto& m = o.gesprek.meldingen[0];
            EXPECT_EQ(m.tekst, (geval.zwitsers ? "" : "Oneven aantal spelers\r") +
                                   lang::Tekst(lang::T::KanNietParen));
            EXPECT_EQ(std::tuple(m.titel, m.pictogram), std::tuple("Fout", Pictogram::Fout));
            c.Spelers.At(0).WisRooster();
            EXPECT_TRUE(MagSamenstellen(c));
            EXPECT_EQ(Samenstelmelding(c), "");
        }
        Competitie c;
        Zeven(c, geval, true);
        EXPECT_TRUE(MagSamenstellen(c));
        EXPECT_EQ(Samenstelmelding(c), lang::Tekst(lang::T::OnevenMetVrij));
        std::map<int32_t, int> byes;
        for (int32_t ronde = 1; ronde <= geval.rondes; ++ronde) {
            SCOPED_TRACE("ronde " + std::to_string(ronde));
            // The standings the pairing reads, and who may still take a first (next) bye.
            ranglijst_sorteren(c, true);
            int minste = INT32_MAX;
            for (const auto& s : c.Spelers) minste = std::min(minste, byes[s->InternNummer()]);
            std::vector<const TSpelerObj*> vrijKandidaten;
            for (const auto& r : c.Ranglijst)
                if (byes[r.Speler->InternNummer()] == minste) vrijKandidaten.push_back(r.Speler);
            ASSERT_FALSE(vrijKandidaten.empty());
            int32_t laagstePunten = INT32_MAX;
            for (const auto* s : vrijKandidaten)
                laagstePunten = std::min(laagstePunten, s->G().Punten);

            Omgeving o;
            const auto res = SamenstellenRooster(c, ronde, true, false, o.omg);
            ASSERT_TRUE(res.Gelukt())
                << (o.gesprek.meldingen.empty() ? "" : o.gesprek.meldingen[0].tekst);
            EXPECT_TRUE(o.gesprek.meldingen.empty());
            std::map<int32_t, int> inRonde;
            int32_t vrij = 0;
            for (const auto& [wit, zwart] : RondeParen(c, ronde)) {
                ++inRonde[wit];
                if (zwart == kGeenTegenstander) {
                    EXPECT_EQ(vrij, 0) << "a second bye in one round";
                    vrij = wit;
                } else {
                    ++inRonde[zwart];
                }
            }
            EXPECT_EQ(inRonde.size(), 7u);
            for (const auto& [speler, keer] : inRonde) EXPECT_EQ(keer, 1) << speler;
            ASSERT_NE(vrij, 0);
            // The bye is the last new match, numbered after the games of the round.
            ASSERT_FALSE(res.Nieuw.empty());
            EXPECT_TRUE(IsVrij(res.Nieuw.back()));
            EXPECT_EQ(res.Nieuw.back().Wit, vrij);

            // Nobody gets a bye more than once before everyone had as many.
            EXPECT_EQ(byes[vrij], minste) << "speler " << vrij;
            ++byes[vrij];
            // Among those: Swiss the lowest place of the lowest score group, value systems the
            // lowest on the value list.
            const TSpelerObj* verwacht = nullptr;
            for (const auto* s : vrijKandidaten)
                if (!geval.zwitsers || s->G().Punten == laagstePunten) verwacht = s;
            ASSERT_NE(verwacht, nullptr);
            EXPECT_EQ(vrij, verwacht->InternNummer());
            Speel(c, ronde);
        }
    }
}
