// Writing the ranking list with its cross table and the progress table of the largest
// competition (255 players, 50 rounds) as text and as RTF.
#include "bench/grootste.h"
#include "reports/rapport.h"

#include <benchmark/benchmark.h>

#include <cstdio>

using namespace velkaro;

namespace {

class GeenGesprek final : public Gesprek {
public:
    Antwoord Vraag(const std::string&, const std::string&, Knoppen, Pictogram) override {
        return Antwoord::Ja;
    }
    void Melding(const std::string&, const std::string&, Pictogram) override {}
    std::optional<std::string> Invoer(const std::string&, const std::string&,
                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> KiesBestand(Bestandskeuze&) override { return std::nullopt; }
};

class TelScherm final : public Regelscherm {
public:
    std::size_t Tekens = 0;
    void VoegToe(const std::string& r) override { Tekens += r.size(); }
};

class VasteKlok final : public Klok {
public:
    Datum Nu() const override { return {}; }
};

// The standings as a computation leaves them: every player ranked in register order.
void Rangschik(Competitie& c) {
    c.Ranglijst.DeleteAll();
    for (std::size_t i = 0; i < c.Spelers.Aantal(); ++i) {
        char sleutel[32];
        std::snprintf(sleutel, sizeof sleutel, "%09zu", i);
        c.Spelers.At(i).W().Notering = static_cast<uint8_t>(i + 1);
        c.Ranglijst.Voegtoe(sleutel, &c.Spelers.At(i));
    }
    c.Opties.VanRonde = 1;
    c.Opties.TotRonde = 50;
}

// The ranking list with cross table and statistics, as most reports ask for it.
Rapportopties RanglijstMetMatrix() {
    Rapportopties o;
    o.Afdrukken.Matrix = o.Afdrukken.Statistiek = true;
    return o;
}

// One report of the largest competition written to a screen that only counts its characters.
void OpScherm(benchmark::State& state, const Rapportopties& o) {
    Competitie c;
    bench::VulGrootste(c);
    Rangschik(c);
    GeenGesprek g;
    VasteKlok klok;
    for (auto _ : state) {
        TelScherm s;
        TUitvoerObject u(g);
        u.StartScherm(s);
        SchrijfRapport(c, o, u, klok);
        u.EindeScherm();
        benchmark::DoNotOptimize(s.Tekens);
    }
}

void BM_RanglijstMetMatrixOpScherm(benchmark::State& state) {
    OpScherm(state, RanglijstMetMatrix());
}
BENCHMARK(BM_RanglijstMetMatrixOpScherm)->Unit(benchmark::kMillisecond);

void BM_RanglijstMetMatrixAlsRtf(benchmark::State& state) {
    Competitie c;
    bench::VulGrootste(c);
    Rangschik(c);
    const Rapportopties o = RanglijstMetMatrix();
    GeenGesprek g;
    VasteKlok klok;
    const std::string pad = "/tmp/velkaro-bench-ranglijst.rtf";
    for (auto _ : state) {
        TUitvoerObject u(g);
        u.OpenUitvoerbestand(pad, Bestandsformaat::Rtf, "Ranglijst");
        SchrijfRapport(c, o, u, klok);
        if (!u.SluitUitvoerbestand()) state.SkipWithError("write failed");
    }
    std::remove(pad.c_str());
}
BENCHMARK(BM_RanglijstMetMatrixAlsRtf)->Unit(benchmark::kMillisecond);

void BM_Voortschrijdingstabel(benchmark::State& state) {
    Rapportopties o;
    o.Soort = Rapportsoort::Voortschrijdingstabel;
    OpScherm(state, o);
}
BENCHMARK(BM_Voortschrijdingstabel)->Unit(benchmark::kMillisecond);

} // namespace
BENCHMARK_MAIN();
