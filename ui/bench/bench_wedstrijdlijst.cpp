// The match list of the desktop program on the largest competition: opening a round of 127
// matches (taking them out of the collection, filling the table, drawing it) and one typed
// result key (the result stored, its line drawn again, the next line selected).
#include "bench/grootste.h"
#include "entry/wedstrijdlijst.h"
#include "model/systeem.h"
#include "ui/qtgesprek.h"
#include "ui/wedstrijdlijstdialoog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTableView>

#include <benchmark/benchmark.h>

using namespace velkaro;

namespace {

constexpr int32_t kRonde = 25;

struct Opstelling {
    Competitie c;
    ui::QtGesprek g;
    Ini ini;
    ui::Omgeving o{c, g, ini, {}, false, false, false};
    MersenneToeval toeval{1};
    Opstelling() { bench::VulGrootste(c); }
};

void BM_WedstrijdlijstOpenen(benchmark::State& state) {
    Opstelling t;
    TWedstrijdenlijst l(t.c, t.g, t.toeval);
    ui::WedstrijdlijstDialoog d(t.o, nullptr);
    std::size_t regels = 0;
    for (auto _ : state) {
        l.SetData(kRonde);
        d.Bereid(l);
        d.show();
        QApplication::processEvents();
        state.PauseTiming();
        regels = l.Aantal();
        d.hide();
        d.Los();
        l.GetData(kRonde, false);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["matches"] = static_cast<double>(regels);
}
BENCHMARK(BM_WedstrijdlijstOpenen)->Unit(benchmark::kMillisecond);

void BM_WedstrijdlijstUitslagtoets(benchmark::State& state) {
    Opstelling t;
    TWedstrijdenlijst l(t.c, t.g, t.toeval);
    ui::WedstrijdlijstDialoog d(t.o, nullptr);
    l.SetData(kRonde);
    d.Bereid(l);
    d.show();
    QApplication::processEvents();
    auto* tabel = d.findChild<QTableView*>("lijstWedstrijden");
    int i = 0;
    for (auto _ : state) {
        // Down the list and back to the top, as a user types a round's results.
        if (l.Selectie() == static_cast<int>(l.Aantal()) - 1) {
            state.PauseTiming();
            l.Selecteer(0);
            d.Bereid(l);
            QApplication::processEvents();
            state.ResumeTiming();
        }
        const bool winst = (++i % 3) != 0;
        QKeyEvent toets(QEvent::KeyPress, winst ? Qt::Key_2 : Qt::Key_1, Qt::NoModifier,
                        winst ? "2" : "1");
        QApplication::sendEvent(tabel, &toets);
        QApplication::processEvents();
    }
    d.hide();
    d.Los();
    l.GetData(kRonde, false);
}
BENCHMARK(BM_WedstrijdlijstUitslagtoets)->Unit(benchmark::kMicrosecond);

} // namespace
