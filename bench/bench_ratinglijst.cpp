// Loading rating lists of 100,000 entries in every layout, and the player entry dialog's
// work on them: sorting for the selection list, narrowing as a name is typed, positioning.
#include "entry/ratingkeuze.h"
#include "ratingbestanden.h"
#include "storage/ratinglijst.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

using namespace velkaro;

namespace {

constexpr int kAantal = 100000;

// Names of two or three syllables; 0xEB ("ë" in Windows-1252) now and then.
std::string Naam(std::mt19937& r) {
    static const char* lettergrepen[] = {"bak", "ker",  "vries", "jan", "sen", "berg",   "man",
                                         "hof", "stra", "dijk",  "wa",  "le",  "no\xEB", "ma"};
    std::string n;
    const int delen = 2 + static_cast<int>(r() % 2);
    for (int i = 0; i < delen; ++i) n += lettergrepen[r() % std::size(lettergrepen)];
    n[0] = static_cast<char>(n[0] - 32);
    return n;
}

std::string Inhoud(Ratingformaat f) {
    std::mt19937 r(7);
    std::string b;
    if (f == Ratingformaat::FMJD) b += test::FMJDKop("benchmark");
    for (int i = 0; i < kAantal; ++i) {
        const std::string voor = Naam(r), achter = Naam(r);
        const auto rating = static_cast<int32_t>(800 + r() % 1700);
        switch (f) {
        case Ratingformaat::KNDB4:
        case Ratingformaat::Elo3:
            b += test::NationaalRecord({voor, i % 3 ? " " : "van", voor.substr(0, 1) + ".", achter,
                                        "Club", rating, i % 50 ? "" : "MN", 16000000 + i},
                                       f == Ratingformaat::KNDB4);
            break;
        case Ratingformaat::Elo2:
            b += test::Elo2Record(achter + ", " + voor.substr(0, 1) + ".", "NED", "Club",
                                  static_cast<int16_t>(rating));
            break;
        case Ratingformaat::FMJD:
            b += test::FMJDRecord(16000000 + i, achter, voor, "NED", i % 50 ? "" : "MI", rating);
            break;
        }
    }
    return b;
}

std::string Bestand(Ratingformaat f) {
    const char* namen[] = {"KNDBRAT4.DAT", "ELO3BOND.DAT", "ELO2BOND.DAT", "FMJD2VK.DAT"};
    const auto map = std::filesystem::temp_directory_path() / "velkaro-bench";
    std::filesystem::create_directories(map);
    const std::string pad = (map / namen[static_cast<int>(f)]).string();
    std::ofstream(pad, std::ios::binary) << Inhoud(f);
    return pad;
}

void BM_LaadLijst(benchmark::State& state) {
    const auto f = static_cast<Ratingformaat>(state.range(0));
    const std::string pad = Bestand(f);
    for (auto _ : state) {
        std::size_t n = 0;
        if (f == Ratingformaat::FMJD)
            n = LeesFMJDBestand(pad)->Spelers.size();
        else
            n = LeesNationaalBestand(pad, f)->Spelers.size();
        if (n != kAantal) state.SkipWithError("wrong count");
    }
}
BENCHMARK(BM_LaadLijst)
    ->ArgName("layout") // 0 KNDBRAT4, 1 ELO3BOND, 2 ELO2BOND, 3 FMJD2VK
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond);

const NationaleLijst& Lijst() {
    static const NationaleLijst l =
        LeesNationaleLijst(Inhoud(Ratingformaat::KNDB4), Ratingformaat::KNDB4);
    return l;
}

// Building the sorted selection list, as the dialog does once after start-up.
void BM_SorteerLijst(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Ratingkeuze(Lijst()).Totaal());
}
BENCHMARK(BM_SorteerLijst)->Unit(benchmark::kMillisecond);

// One keystroke each: a name typed letter by letter, then the field cleared.
void BM_FilterTypen(benchmark::State& state) {
    Ratingkeuze k(Lijst());
    const std::string naam = "bakker jan";
    std::size_t i = 0;
    for (auto _ : state) {
        i = i % (naam.size() + 1);
        k.Filter(naam.substr(0, i));
        benchmark::DoNotOptimize(k.Aantal());
        ++i;
    }
}
BENCHMARK(BM_FilterTypen)->Unit(benchmark::kMicrosecond);

// The worst keystroke: the first letter, over the whole list.
void BM_FilterEersteLetter(benchmark::State& state) {
    Ratingkeuze k(Lijst());
    bool om = false;
    for (auto _ : state) {
        k.Filter(om ? "b" : "m");
        om = !om;
        benchmark::DoNotOptimize(k.Aantal());
    }
}
BENCHMARK(BM_FilterEersteLetter)->Unit(benchmark::kMicrosecond);

void BM_Positioneer(benchmark::State& state) {
    Ratingkeuze k(Lijst());
    for (auto _ : state) benchmark::DoNotOptimize(k.Positie("Jan de Vriesberg"));
}
BENCHMARK(BM_Positioneer);

} // namespace

BENCHMARK_MAIN();
