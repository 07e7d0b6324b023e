// Publishing as a web site: the demo competition (six groups, read from its files) and the
// largest group the data model allows (255 players, 50 rounds), each built and written into
// a folder that the next run replaces.
#include "bench/grootste.h"
#include "storage/competitiebestand.h"
#include "web/publiceren.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

using namespace velkaro;
namespace fs = std::filesystem;

namespace {

struct Werkmap {
    fs::path Pad = fs::temp_directory_path() / ("velkaro-bench-web-" + std::to_string(::getpid()));
    Werkmap() { fs::create_directories(Pad / "comp"); }
    ~Werkmap() { fs::remove_all(Pad); }
};

void BM_PubliceerDemo(benchmark::State& state) {
    Werkmap w;
    for (const auto& e : fs::directory_iterator(VELKARO_EXAMPLES))
        if (e.path().stem() == "club")
            fs::copy_file(e.path(), w.Pad / "comp" / e.path().filename());
    std::size_t bestanden = 0;
    for (auto _ : state) {
        Competitie c;
        LeesBestand(c, (w.Pad / "comp/club.xv7").string());
        bestanden = web::Publiceer(c, (w.Pad / "site").string(), {}).Bestanden;
    }
    state.counters["files"] = static_cast<double>(bestanden);
}
BENCHMARK(BM_PubliceerDemo)->Unit(benchmark::kMillisecond);

void BM_PubliceerGrootste(benchmark::State& state) {
    Werkmap w;
    Competitie c;
    bench::VulGrootste(c);
    c.Opties.Rekensysteem = SysteemZwitsers;
    c.Opties.Sorteervolgorde = 47;
    c.Bestandsnaam = (w.Pad / "comp/groot.xv7").string();
    std::size_t bestanden = 0;
    for (auto _ : state) bestanden = web::Publiceer(c, (w.Pad / "site").string(), {}).Bestanden;
    state.counters["files"] = static_cast<double>(bestanden);
    state.counters["matches"] = static_cast<double>(c.Wedstrijden.Aantal());
}
BENCHMARK(BM_PubliceerGrootste)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
