// Opening the player register on the largest competition (255 players, 50 rounds): the
// register's lines, the view over them, the layout and the first paint, as plain lines and
// as sortable columns.
#include "bench/grootste.h"
#include "entry/ini.h"
#include "ui/omgeving.h"
#include "ui/spelerlijst.h"

#include <QApplication>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <cstdlib>

using namespace velkaro;

namespace {

class GeenGesprek final : public Gesprek {
public:
    Antwoord Vraag(const std::string&, const std::string&, Knoppen, Pictogram) override {
        return Antwoord::Nee;
    }
    void Melding(const std::string&, const std::string&, Pictogram) override {}
    std::optional<std::string> Invoer(const std::string&, const std::string&,
                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> KiesBestand(Bestandskeuze&) override { return std::nullopt; }
};

void OpenRegister(benchmark::State& state, bool kolommen) {
    Competitie c;
    bench::VulGrootste(c);
    c.Opties.ZetVlag(VlagTestopties, kolommen);
    GeenGesprek g;
    Ini ini;
    ui::Omgeving o{c, g, ini, {}};
    ui::SpelerLijstDialoog d(o, nullptr);
    for (auto _ : state) {
        d.show();
        QApplication::processEvents(); // layout and the first paint
        d.hide();
        QApplication::processEvents();
    }
    state.counters["spelers"] = static_cast<double>(c.Spelers.Aantal());
}

void BM_SpelerlijstOpenen(benchmark::State& state) {
    OpenRegister(state, false);
}
void BM_SpelerlijstKolommenOpenen(benchmark::State& state) {
    OpenRegister(state, true);
}
BENCHMARK(BM_SpelerlijstOpenen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpelerlijstKolommenOpenen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Without a display the windows are drawn offscreen, as in the UI tests.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The offscreen platform warns at every show that it cannot pass size hints on.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
