// Saving and loading the largest competition.
#include "bench/grootste.h"
#include "storage/competitiebestand.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace velkaro;

namespace {

std::string Pad() {
    static const std::string pad =
        (std::filesystem::temp_directory_path() / "velkaro-bench" / "grootste.xv7").string();
    std::filesystem::create_directories(std::filesystem::path(pad).parent_path());
    return pad;
}

void BM_SchrijfBestand(benchmark::State& state) {
    Competitie c;
    bench::VulGrootste(c);
    c.Bestandsnaam = Pad();
    for (auto _ : state) {
        auto r = SchrijfBestand(c);
        if (!r.Ok()) state.SkipWithError("save failed");
    }
    state.counters["matches"] = static_cast<double>(c.Wedstrijden.Aantal());
}
BENCHMARK(BM_SchrijfBestand)->Unit(benchmark::kMillisecond);

void BM_LeesBestand(benchmark::State& state) {
    {
        Competitie c;
        bench::VulGrootste(c);
        c.Bestandsnaam = Pad();
        SchrijfBestand(c);
    }
    for (auto _ : state) {
        Competitie c;
        auto r = LeesBestand(c, Pad());
        if (!r.Ok() || c.Wedstrijden.Aantal() < 6000) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(c.Spelers.Aantal());
    }
}
BENCHMARK(BM_LeesBestand)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
