// Pairing: the Swiss round 9 of a 254-player field, the hardest searches we could build, and
// the round robin of 254 players.
#include "pairing/rondtoernooi.h"
#include "pairing/samenstellen.h"
#include "pairing/speltabel.h"
#include "pairing/zwitsers_zoeker.h"
#include "tests/pairing/competitiehulp.h"
#include "tests/pairing/proeftoernooi.h"
#include "tests/pairing/verschiltoets.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

using namespace velkaro;
using velkaro::test::Proeftoernooi;
using velkaro::test::Scriptgesprek;

namespace {

// The whole pairing command: replace the round, standings, table, search, writing. Pairing
// the same round again first removes its unplayed matches, so every iteration does the same.
void PaarRonde(benchmark::State& state, Proeftoernooi& t, int32_t ronde) {
    long long onderzocht = 0;
    for (auto _ : state) {
        Scriptgesprek g;
        GeenVoortgang v;
        Roosteromgeving o{g, v};
        const auto r = SamenstellenRooster(t.c, ronde, true, false, o);
        onderzocht = r.Onderzocht;
        benchmark::DoNotOptimize(r.Nieuw.data());
    }
    state.counters["Onderzocht"] = static_cast<double>(onderzocht);
    state.counters["players"] = static_cast<double>(t.c.Spelers.tel_rooster());
}

void BM_Zwitsers254Ronde9(benchmark::State& state) {
    static auto t = test::GepaardTot(254, 254, 9);
    PaarRonde(state, *t, 9);
}
BENCHMARK(BM_Zwitsers254Ronde9)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The hardest late round of a small field that seeded play turned up: half the rounds of a
// 24-player field, where the search works through a million pairs before it finds the one
// pairing left that its order allows.
void BM_ZwaarsteLateRonde(benchmark::State& state) {
    static auto t = test::GepaardTot(49, 24, 12);
    PaarRonde(state, *t, 12);
}
BENCHMARK(BM_ZwaarsteLateRonde)->Unit(benchmark::kMillisecond);

// No pairing at all: n players on equal points where everyone has met everyone of the other
// half and the halves are odd (9 and 9, 11 and 11, 13 and 13). Every player keeps partners, so
// the first feasibility tests pass; the literal search ran through every way to pair the halves
// down (18: 0.08 s, 22: 3.7 s, 26: 293 s), the pruned one sees the odd halves once the count
// of tried pairs passed 5000.
void ZonderUitweg(benchmark::State& state, int n) {
    const auto in = test::TweeHelften(n, Zoekopties{.Ronde = 9});
    const Speltabel& t = in.Tabel;
    const std::vector<Posities>& gespeeld = in.Gespeeld;
    long long onderzocht = 0;
    for (auto _ : state) {
        GeenVoortgang v;
        ZwitsersZoeker z(t, gespeeld, Zoekopties{.Ronde = 9}, v);
        if (z.Zoek()) state.SkipWithError("a pairing where none exists");
        onderzocht = z.Onderzocht();
    }
    state.counters["Onderzocht"] = static_cast<double>(onderzocht);
}
void BM_ZoekZonderUitweg18(benchmark::State& s) {
    ZonderUitweg(s, 18);
}
void BM_ZoekZonderUitweg22(benchmark::State& s) {
    ZonderUitweg(s, 22);
}
void BM_ZoekZonderUitweg26(benchmark::State& s) {
    ZonderUitweg(s, 26);
}
BENCHMARK(BM_ZoekZonderUitweg18)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoekZonderUitweg22)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoekZonderUitweg26)->Unit(benchmark::kMillisecond);

// The hardest rounds the differential runner (verschil_zwitsers) turned up in seeded seasons,
// by field size; each the whole pairing command. The literal search tries 18,771 pairs for the
// first, 1.67 and 2.51 thousand million for the others; the search now plays back the branches
// it has walked before, so it reaches the same count (and pairing) with a few million.
void Seizoensronde(benchmark::State& state, unsigned zaad, int n, test::Uitslagverdeling u,
                   int32_t ronde, int32_t systeem = SysteemZwitsers) {
    auto t = test::SeizoenTot(zaad, n, u, ronde, systeem);
    if (!t) {
        state.SkipWithError("the season ended before the round");
        for (auto _ : state) {
        }
        return;
    }
    PaarRonde(state, *t, ronde);
}
void BM_ZwaarsteGezaaid20(benchmark::State& s) {
    Seizoensronde(s, 410, 20, test::Uitslagverdeling::Favoriet, 11);
}
void BM_ZwaarsteGezaaid40(benchmark::State& s) {
    Seizoensronde(s, 210, 40, test::Uitslagverdeling::Favoriet, 17);
}
void BM_ZwaarsteGezaaid60(benchmark::State& s) {
    Seizoensronde(s, 222, 60, test::Uitslagverdeling::Favoriet, 18);
}
// A long season's round 30 whose float choices mostly leave a group member nobody to meet.
void BM_LangSeizoen56(benchmark::State& s) {
    Seizoensronde(s, 103, 56, test::Uitslagverdeling::Munt, 30);
}
BENCHMARK(BM_ZwaarsteGezaaid20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZwaarsteGezaaid40)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZwaarsteGezaaid60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LangSeizoen56)->Unit(benchmark::kMillisecond);

// Late rounds of the FMJD Swiss, which has no relaxed mode and so once walked every branch that
// fails: more than 100 s and 25 s before an opening whose players left cannot all be paired
// was known to fail at once.
void BM_FMJDLateRonde50(benchmark::State& s) {
    Seizoensronde(s, 4, 50, test::Uitslagverdeling::Rating, 18, SysteemFMJDZwitsers);
}
void BM_FMJDLateRonde29(benchmark::State& s) {
    Seizoensronde(s, 2, 29, test::Uitslagverdeling::Favoriet, 15, SysteemFMJDZwitsers);
}
// Very late FMJD rounds, where float choices that leave floaters nobody to meet below once ran
// for minutes before the count of tried pairs reached 5000: round 30 of 50 players, and round 21
// of 38 with the colour dominant at difference 1, which keeps the count exact up to its raise.
void BM_FMJDZeerLaat50(benchmark::State& s) {
    Seizoensronde(s, 4, 50, test::Uitslagverdeling::Rating, 30, SysteemFMJDZwitsers);
}
void BM_FMJDZeerLaat38(benchmark::State& s) {
    Seizoensronde(s, 18, 38, test::Uitslagverdeling::Favoriet, 21, SysteemFMJDZwitsers);
}
BENCHMARK(BM_FMJDLateRonde50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FMJDLateRonde29)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FMJDZeerLaat50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FMJDZeerLaat38)->Unit(benchmark::kMillisecond);

void BM_Rondtoernooi254(benchmark::State& state) {
    std::size_t wedstrijden = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Competitie c;
        test::VoegSpelersToe(c, 254);
        state.ResumeTiming();
        StelStandaardRoosterSamen(c, 1, true);
        wedstrijden = c.Wedstrijden.Aantal();
    }
    state.counters["matches"] = static_cast<double>(wedstrijden);
}
BENCHMARK(BM_Rondtoernooi254)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
