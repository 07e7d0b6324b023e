// The standings computation on the largest competition: the normal and the Swiss table, the
// average, rating and Laren systems, and Keizer with its twenty optimising passes.
#include "bench/grootste.h"
#include "standings/stand.h"

#include <benchmark/benchmark.h>

using namespace velkaro;

namespace {

void Stand(benchmark::State& state, uint16_t systeem, int32_t volgorde, bool stil) {
    Competitie c;
    bench::VulGrootste(c);
    c.Opties.Rekensysteem = systeem;
    c.Opties.Sorteervolgorde = volgorde;
    c.Opties.NietOptimaliseren = 0;
    for (auto _ : state) {
        c.Opties.Herberekenen = 1;
        ranglijst_sorteren(c, stil);
        benchmark::DoNotOptimize(c.Ranglijst.At(0).Speler);
    }
    state.counters["matches"] = static_cast<double>(c.Wedstrijden.Aantal());
}

void BM_StandNormaal(benchmark::State& s) {
    Stand(s, SysteemNormaal, 389, false);
}
void BM_StandZwitsers(benchmark::State& s) {
    Stand(s, SysteemZwitsers, 47, false);
}
void BM_StandZwitsersStil(benchmark::State& s) {
    Stand(s, SysteemZwitsers, 47, true);
}
BENCHMARK(BM_StandNormaal)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StandZwitsers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StandZwitsersStil)->Unit(benchmark::kMicrosecond);

void BM_StandMoyenne(benchmark::State& s) {
    Stand(s, SysteemMoyenne, 389, false);
}
void BM_StandRating(benchmark::State& s) {
    Stand(s, SysteemRating, 389, false);
}
void BM_StandLaren(benchmark::State& s) {
    Stand(s, SysteemLaren, 389, false);
}
BENCHMARK(BM_StandMoyenne)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StandRating)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StandLaren)->Unit(benchmark::kMicrosecond);

void BM_StandKeizerOptimaal(benchmark::State& s) {
    Stand(s, SysteemKeizer, 0, false);
}
BENCHMARK(BM_StandKeizerOptimaal)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
