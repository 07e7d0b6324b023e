// The FMJD Swiss and the Swiss by rating on a late round of a 254-player field: the whole
// `velkaro-cli pair` command (open the file, pre-check, standings, search, writing the
// matches, save), run in-process, and the pairing routine alone. A fixture file can also be
// written for timing the executable: bench_varianten --write-fixture FOLDER.
#include "cli/cli.h"
#include "pairing/samenstellen.h"
#include "storage/competitiebestand.h"
#include "tests/pairing/competitiehulp.h"
#include "tests/pairing/proeftoernooi.h"
#include "tests/storage/hulp.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <stdexcept>

using namespace velkaro;

namespace {

constexpr int32_t kRonde = 9;

// A field of 254 played through round 8 by the Swiss routine, under `systeem`, saved as
// `pad`; round 9 is then the proposed round.
std::unique_ptr<test::Proeftoernooi> SchrijfVeld(uint16_t systeem, const std::string& pad) {
    auto t = test::GepaardTot(254, 254, kRonde);
    t->c.Opties.Rekensysteem = systeem;
    t->c.Bestandsnaam = pad;
    t->c.Gewijzigd = true;
    if (!SchrijfBestand(t->c).Ok()) throw std::runtime_error("cannot write " + pad);
    return t;
}

void PaarCommando(benchmark::State& state, uint16_t systeem) {
    test::TijdelijkeMap map;
    const std::string pad = map / "veld.xv7";
    SchrijfVeld(systeem, pad);
    for (auto _ : state) {
        std::ostringstream out, err;
        if (cli::Uitvoeren({"pair", pad}, out, err) != 0) {
            state.SkipWithError(err.str().c_str());
            break;
        }
        benchmark::DoNotOptimize(out.str().size());
    }
}

void PaarRoutine(benchmark::State& state, uint16_t systeem) {
    test::TijdelijkeMap map;
    auto t = SchrijfVeld(systeem, map / "veld.xv7");
    long long onderzocht = 0;
    for (auto _ : state) {
        test::Scriptgesprek g;
        GeenVoortgang v;
        Roosteromgeving o{g, v};
        const auto r = SamenstellenRooster(t->c, kRonde, true, false, o);
        if (!r.Gelukt()) {
            state.SkipWithError("not paired");
            break;
        }
        onderzocht = r.Onderzocht;
    }
    state.counters["Onderzocht"] = static_cast<double>(onderzocht);
}

void BM_CliFMJD254Ronde9(benchmark::State& s) {
    PaarCommando(s, SysteemFMJDZwitsers);
}
void BM_CliRating254Ronde9(benchmark::State& s) {
    PaarCommando(s, SysteemZwitsersRating);
}
void BM_FMJD254Ronde9(benchmark::State& s) {
    PaarRoutine(s, SysteemFMJDZwitsers);
}
void BM_Rating254Ronde9(benchmark::State& s) {
    PaarRoutine(s, SysteemZwitsersRating);
}
BENCHMARK(BM_CliFMJD254Ronde9)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_CliRating254Ronde9)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_FMJD254Ronde9)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_Rating254Ronde9)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-fixture") == 0) {
        SchrijfVeld(SysteemFMJDZwitsers, std::string(argv[2]) + "/fmjd.xv7");
        SchrijfVeld(SysteemZwitsersRating, std::string(argv[2]) + "/rating.xv7");
        std::cout << "fmjd.xv7 and rating.xv7 written\n";
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
