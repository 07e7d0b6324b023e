// The undo history on the largest competition (255 players, about 6,300 matches): what one
// result typed in the match list costs (the state before and after, compared), what the idle
// check costs, and what an undo costs.
#include "bench/grootste.h"
#include "entry/ongedaan.h"

#include <benchmark/benchmark.h>

using namespace velkaro;

namespace {

void Uitslag(Competitie& c, Geschiedenis& h, std::size_t i) {
    h.Begin("uitslag");
    auto& w = c.Wedstrijden.At(i % c.Wedstrijden.Aantal());
    const bool wit = w.G().UitslagWit != UitslagWinst;
    c.ZetUitslag(w, wit ? UitslagWinst : UitslagVerlies, wit ? UitslagVerlies : UitslagWinst, false,
                 true);
    h.Einde();
}

void BM_UitslagAlsStap(benchmark::State& s) {
    Competitie c;
    bench::VulGrootste(c);
    Geschiedenis h(c);
    std::size_t i = 0;
    for (auto _ : s) Uitslag(c, h, i++);
}
BENCHMARK(BM_UitslagAlsStap)->Unit(benchmark::kMicrosecond);

void BM_Stilstand(benchmark::State& s) {
    Competitie c;
    bench::VulGrootste(c);
    Geschiedenis h(c);
    for (auto _ : s) h.Bij();
}
BENCHMARK(BM_Stilstand)->Unit(benchmark::kMicrosecond);

void BM_OngedaanEnOpnieuw(benchmark::State& s) {
    Competitie c;
    bench::VulGrootste(c);
    Geschiedenis h(c);
    Uitslag(c, h, 0);
    for (auto _ : s) {
        h.Ongedaan();
        h.Opnieuw();
    }
}
BENCHMARK(BM_OngedaanEnOpnieuw)->Unit(benchmark::kMicrosecond);

// The memory a full history of result steps holds: the players are shared, the matches not.
void BM_VolleGeschiedenis(benchmark::State& s) {
    for (auto _ : s) {
        Competitie c;
        bench::VulGrootste(c);
        Geschiedenis h(c);
        for (std::size_t i = 0; i < Geschiedenis::kDiepte; ++i) Uitslag(c, h, i);
        benchmark::DoNotOptimize(h.AantalOngedaan());
    }
    s.counters["bytes_per_step"] =
        static_cast<double>(6300 * sizeof(Wedstrijdgegevens) + 50 * sizeof(Rondegegevens));
    s.counters["bytes_players"] = static_cast<double>(255 * sizeof(Spelergegevens));
}
BENCHMARK(BM_VolleGeschiedenis)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
