// Writing every report kind of the largest competition (255 players, 50 rounds) on the
// screen, the ranking list with its cross table also as RTF, and a series over six groups of
// that size, five of them read from their group files.
#include "bench/grootste.h"
#include "reports/rapport.h"
#include "storage/competitiebestand.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

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

// Every kind with the options that make it longest: colours, every category of the
// players, all fifty rounds of results with the earlier-round information, every player's
// history, and the open group as a series of one.
void BM_ElkeSoort(benchmark::State& state) {
    Rapportopties o;
    o.Soort = static_cast<Rapportsoort>(state.range(0));
    o.Afdrukken.KleurPerSpeler = o.Afdrukken.Uitslagen = o.Afdrukken.Lotingnummer = true;
    o.Afdrukken.Rating = o.Afdrukken.Plaats = true;
    o.UitslagVan = 1;
    o.UitslagTot = 50;
    o.Wedstrijdnummer = o.Tafelnummer = o.InfoEerdereRonde = true;
    o.Serie.Voortschrijding = o.Serie.Tegenstander = o.Serie.Categorie = true;
    Competitie c;
    bench::VulGrootste(c);
    Rangschik(c);
    c.Categorieen = {{"A", "Alle spelers"}};
    GeenGesprek gesprek; // the competition's one group is the open one: a series of one
    VasteKlok klok;
    for (auto _ : state) {
        TelScherm s;
        TUitvoerObject u(gesprek);
        u.StartScherm(s);
        SchrijfRapport(c, o, u, klok);
        u.EindeScherm();
        benchmark::DoNotOptimize(s.Tekens);
    }
}
BENCHMARK(BM_ElkeSoort)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// Six groups of the largest size in one competition file; the first is open.
void BM_SerieZesGroepen(benchmark::State& state) {
    const auto map = std::filesystem::temp_directory_path() / "velkaro-bench-serie";
    std::filesystem::create_directories(map);
    Competitie c;
    c.Bestandsnaam = (map / "serie.xv7").string();
    // Group 1 comes with the competition; groups 6 down to 2 are written, then 1 is opened.
    for (int32_t n = 6; n >= 1; --n) {
        c.Reset();
        bench::VulGrootste(c, static_cast<unsigned>(n));
        if (n > 1) {
            Deelcompgegevens g;
            g.Competitienummer = g.Bestandsnummer = n;
            g.Titel = "Groep " + std::to_string(n);
            c.Groepen.Voegtoe(g);
        }
        c.HuidigeDeelcomp = n;
        if (n > 1 && !SchrijfDeelcomp(c).Ok()) state.SkipWithError("cannot write a group");
    }
    Rangschik(c);
    Rapportopties o;
    o.Soort = Rapportsoort::MeerdereLijsten;
    GeenGesprek gesprek;
    VasteKlok klok;
    for (auto _ : state) {
        TelScherm s;
        TUitvoerObject u(gesprek);
        u.StartScherm(s);
        SchrijfRapport(c, o, u, klok);
        u.EindeScherm();
        state.counters["tekens"] = static_cast<double>(s.Tekens);
    }
    std::filesystem::remove_all(map);
}
BENCHMARK(BM_SerieZesGroepen)->Unit(benchmark::kMillisecond);

} // namespace
BENCHMARK_MAIN();
