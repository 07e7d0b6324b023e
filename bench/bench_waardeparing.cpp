// The Keizer, place and Laren pairings: a late round of a seeded season through the whole
// pairing command (254 players under Keizer, 50 under place and Laren pairing), and the
// hardest local improvements we could build for each routine.
#include "cli/cli.h"
#include "model/competitie.h"
#include "pairing/keizer_rooster.h"
#include "pairing/plaats_rooster.h"
#include "pairing/samenstellen.h"
#include "storage/competitiebestand.h"
#include "tests/pairing/competitiehulp.h"
#include "tests/pairing/proeftoernooi.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>

using namespace velkaro;
using velkaro::test::Proeftoernooi;
using velkaro::test::Scriptgesprek;

namespace {

// A season of `spelers` players under `systeem`, paired by the system itself for the rounds
// before `ronde` with seeded results; a few members sit out each round.
std::unique_ptr<Proeftoernooi> Seizoen(uint16_t systeem, int spelers, int32_t ronde) {
    auto t = std::make_unique<Proeftoernooi>(7, spelers);
    t->c.Opties.Rekensysteem = systeem;
    t->c.PlaatsAfstand = 3;
    t->c.Geleden = 4;
    t->c.MinWed = 2;
    std::mt19937 gen(11);
    for (auto& s : t->c.Spelers)
        s->W().Categorieen = std::string(1, static_cast<char>('1' + gen() % 3));
    for (int32_t r = 1; r <= ronde; ++r) {
        for (auto& s : t->c.Spelers) s->ZetRooster();
        // Two members absent each evening (the count stays even).
        if (spelers % 2 == 0) {
            t->c.Spelers.At(gen() % static_cast<unsigned>(spelers / 2)).WisRooster();
            t->c.Spelers
                .At(static_cast<unsigned>(spelers / 2) + gen() % static_cast<unsigned>(spelers / 2))
                .WisRooster();
        }
        if (r == ronde) break;
        Scriptgesprek g;
        GeenVoortgang v;
        Roosteromgeving o{g, v};
        if (!SamenstellenRooster(t->c, r, true, false, o).Gelukt())
            throw std::runtime_error("fixture round not paired");
        t->SpeelRonde(r);
    }
    return t;
}

void PaarRonde(benchmark::State& state, Proeftoernooi& t, int32_t ronde) {
    long long onderzocht = 0;
    for (auto _ : state) {
        Scriptgesprek g;
        GeenVoortgang v;
        Roosteromgeving o{g, v};
        const auto r = SamenstellenRooster(t.c, ronde, true, false, o);
        if (!r.Gelukt()) state.SkipWithError("not paired");
        onderzocht = r.Onderzocht;
        benchmark::DoNotOptimize(r.Nieuw.data());
    }
    state.counters["rounds_or_passes"] = static_cast<double>(onderzocht);
    state.counters["players"] = static_cast<double>(t.c.Spelers.tel_rooster());
}

void BM_Keizer254Ronde25(benchmark::State& state) {
    static auto t = Seizoen(SysteemKeizer, 254, 25);
    PaarRonde(state, *t, 25);
}
BENCHMARK(BM_Keizer254Ronde25)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_Plaats50Ronde30(benchmark::State& state) {
    static auto t = Seizoen(SysteemMoyenne, 50, 30);
    PaarRonde(state, *t, 30);
}
BENCHMARK(BM_Plaats50Ronde30)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

void BM_Laren50Ronde30(benchmark::State& state) {
    static auto t = Seizoen(SysteemLaren, 50, 30);
    PaarRonde(state, *t, 30);
}
BENCHMARK(BM_Laren50Ronde30)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The whole command as the user runs it: `velkaro-cli pair FILE` on the saved season, in-process
// (load, standings, pairing, save). The round has no result, so every run pairs it again.
void PaarCommando(benchmark::State& state, uint16_t systeem, int spelers, int32_t ronde) {
    const auto map = std::filesystem::temp_directory_path() /
                     ("velkaro-bench-" + std::to_string(systeem) + "-" + std::to_string(spelers));
    std::filesystem::create_directories(map);
    const std::string f = (map / "seizoen.xv7").string();
    {
        auto t = Seizoen(systeem, spelers, ronde);
        t->c.Bestandsnaam = f;
        if (!SchrijfBestand(t->c).Ok()) state.SkipWithError("fixture not saved");
    }
    for (auto _ : state) {
        std::ostringstream out, err;
        if (cli::Uitvoeren({"pair", f}, out, err) != 0) state.SkipWithError(err.str().c_str());
    }
    std::filesystem::remove_all(map);
}
void BM_CliKeizer254(benchmark::State& s) {
    PaarCommando(s, SysteemKeizer, 254, 25);
}
void BM_CliPlaats50(benchmark::State& s) {
    PaarCommando(s, SysteemMoyenne, 50, 30);
}
void BM_CliLaren50(benchmark::State& s) {
    PaarCommando(s, SysteemLaren, 50, 30);
}
BENCHMARK(BM_CliKeizer254)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_CliPlaats50)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_CliLaren50)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// Keizer exchanges at their longest: 254 players who all met their ten nearest neighbours
// long ago in a long season (a repeat costs nothing any more). The checked division has to pair
// eleven places apart (behind a search of the whole field for a division without repeats) and
// the neighbour passes bring the pairs back together.
void BM_KeizerLangsteRuil(benchmark::State& state) {
    static Competitie c;
    static Paartabel t(1);
    if (t.size() == 1) {
        test::VoegSpelersToe(c, 254);
        int nummer = 1;
        for (int i = 1; i <= 254; ++i)
            for (int j = i + 1; j <= std::min(254, i + 10); ++j)
                test::VoegWedstrijdToe(c, 1, nummer++, i, j, true);
        for (const auto& s : c.Spelers) {
            Paarregel r = MaakPaarregel(*s);
            r.AantalPartijen = 60;
            t.push_back(r);
        }
    }
    const Ontmoetingen o(c);
    const Ontmoetingsmatrix m(t, o);
    long long passen = 0;
    for (auto _ : state) {
        GeenVoortgang v;
        Scriptgesprek g;
        Paarstand s(t, v);
        passen = 0;
        KeizerParing(t, m, 80, s, g, v, passen);
        benchmark::DoNotOptimize(s.Partners().data());
    }
    state.counters["passes"] = static_cast<double>(passen);
}
BENCHMARK(BM_KeizerLangsteRuil)->Unit(benchmark::kMillisecond);

// The place and Laren improvement at the longest we found: of 40 seeded value matrices of 50
// and of 254 positions with values over a wide range, the one that takes the most rounds. No
// field we could build comes near the 500 rounds; BM_Ronde254 gives the cost of one round.
void Verbetering(benchmark::State& state, int n, Gelijkeruil gelijk) {
    auto matrix = [n](unsigned zaad) {
        std::mt19937 gen(zaad);
        const std::size_t b = static_cast<std::size_t>(n) + 1;
        std::vector<int64_t> w(b * b, 0);
        for (std::size_t i = 1; i < b; ++i)
            for (std::size_t j = i + 1; j < b; ++j)
                w[i * b + j] = w[j * b + i] = static_cast<int64_t>(gen() % 1000000);
        return w;
    };
    Paartabel t(static_cast<std::size_t>(n) + 1);
    auto rondes = [&](const std::vector<int64_t>& w) {
        GeenVoortgang v;
        Paarstand s(t, v);
        Ruilparing r(n, w, gelijk, s);
        if (n <= Ruilparing::kMatrixGrens) r.Startparing();
        r.VulAan();
        long long k = 0;
        r.Verbeter(v, k);
        return k;
    };
    unsigned beste = 1;
    long long meeste = 0;
    for (unsigned zaad = 1; zaad <= 40; ++zaad)
        if (const long long k = rondes(matrix(zaad)); k > meeste) {
            meeste = k;
            beste = zaad;
        }
    const auto w = matrix(beste);
    long long k = 0;
    for (auto _ : state) k = rondes(w);
    state.counters["rounds"] = static_cast<double>(k);
}
void BM_PlaatsVerbetering50(benchmark::State& s) {
    Verbetering(s, 50, Gelijkeruil::Plaats);
}
void BM_LarenVerbetering50(benchmark::State& s) {
    Verbetering(s, 50, Gelijkeruil::Laren);
}
void BM_PlaatsVerbetering254(benchmark::State& s) {
    Verbetering(s, 254, Gelijkeruil::Plaats);
}
// One improvement round of 254 positions with nothing left to improve: the worst-pair step and
// the pass over all i and j, the most a round can cost; 500 of them bound the improvement.
void BM_Ronde254(benchmark::State& state) {
    constexpr int n = 254;
    const std::size_t b = n + 1;
    std::vector<int64_t> w(b * b, 0);
    for (std::size_t i = 1; i < b; ++i)
        for (std::size_t j = 1; j < b; ++j)
            w[i * b + j] = (static_cast<int64_t>(i) - static_cast<int64_t>(j)) *
                           (static_cast<int64_t>(i) - static_cast<int64_t>(j));
    Paartabel t(b);
    GeenVoortgang v;
    Paarstand s(t, v);
    Ruilparing r(n, std::move(w), Gelijkeruil::Plaats, s);
    r.VulAan();
    long long k = 0;
    for (auto _ : state) {
        k = 0;
        r.Verbeter(v, k);
    }
    state.counters["rounds"] = static_cast<double>(k);
}
BENCHMARK(BM_Ronde254)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlaatsVerbetering50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LarenVerbetering50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlaatsVerbetering254)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
