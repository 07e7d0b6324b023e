// Competitions run from nothing in the desktop program alone, as a new user runs them:
// a new file, players through the player dialog, rounds paired through the schedule dialog,
// results typed in the match list, the ranking with its cross table on screen, printed to PDF
// and written as HTML. The files the walks leave behind are then checked.
#ifndef Q_MOC_RUN // moc reads the Qt headers only
#include "hulp.h"
#include "lang/teksten.h"
#include "storage/competitiebestand.h"
#endif

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

using namespace velkaro;
using velkaro::test::BijVenster;
using velkaro::test::Draai;
using velkaro::test::Klik;
using velkaro::test::LeesAlles;
using velkaro::test::PdfBladen;
using velkaro::test::PdfTekst;
using velkaro::test::ZetVakjes;
using velkaro::test::Zoek;

class TestRondgang : public QObject {
    Q_OBJECT

    QTemporaryDir map_;
    QString Pad(const QString& naam) const { return map_.path() + "/" + naam; }

private slots:
    void init();
    void zwitsersVanNieuwTotRanglijst();
    void rondtoernooiVanAcht();
    void clubavondMetVrijeRondeEnOngedaan();
};

namespace {

QString Naam(int i) {
    return QString("Speler %1").arg(i, 2, 10, QChar('0'));
}

// A new competition and n players entered through the register and the player dialog, the
// drawing numbers given in order (the dialog shows the next one and does not let it be typed).
void NieuwMetSpelers(test::Programma& p, const QString& pad, int n) {
    auto* w = p.venster.get();
    QVERIFY(!Zoek<QAbstractButton>(w, "knopSpelers")->isEnabled());
    p.g.Bestanden = {pad.toStdString()};
    Zoek<QAction>(w, "mnuNieuw")->trigger();
    QVERIFY(Zoek<QAction>(w, "mnuCategorieen")->isEnabled());
    QString teller;
    BijVenster("TSpelerLijst", [&](QWidget* d) {
        for (int i = 1; i <= n; ++i) {
            BijVenster("TInvoerSpelers", [i](QWidget* invoer) {
                auto* nummer = Zoek<QLineEdit>(invoer, "EdLotingNr");
                QVERIFY(!nummer->isEnabled());
                QCOMPARE(nummer->text(), QString::number(i));
                Zoek<QLineEdit>(invoer, "EdNaam")->setText(Naam(i));
                Zoek<QLineEdit>(invoer, "EdKort")->setText("S" + QString::number(i));
                Zoek<QSpinBox>(invoer, "EdRating")->setValue(1900 - 20 * i);
                Klik(invoer, "knopOk");
            });
            Klik(d, "knopNieuw");
        }
        teller = Zoek<QLabel>(d, "lblTeller")->text();
        Klik(d, "knopOk");
    });
    Klik(w, "knopSpelers");
    QCOMPARE(teller, QString("%1/%1").arg(n));
    QVERIFY(p.c.Gewijzigd);
}

// Every player as entered: drawing number in order of entry, short code, rating, marked for
// the standings and the pairing.
void ControleerSpelers(const Competitie& c, int n) {
    QCOMPARE(c.Spelers.Aantal(), std::size_t(n));
    for (const auto& s : c.Spelers) {
        const auto& g = s->G();
        QCOMPARE(QString::fromStdString(g.Naam), Naam(g.Lotingnummer));
        QCOMPARE(g.Kort, "S" + std::to_string(g.Lotingnummer));
        QCOMPARE(g.Rating, 1900 - 20 * g.Lotingnummer);
        QCOMPARE(g.Opnemen, uint16_t(OpnemenStand | OpnemenRooster));
        QCOMPARE(g.InternNummer, g.Lotingnummer); // added in order, nobody deleted
    }
}

// Types one result key per match of the current round in the match list ("Uitslagen" opens
// it at once) and closes both dialogs with OK. A bye is the round's last row and takes no key.
void TypUitslagen(test::Programma& p, const QString& toetsen, int byes = 0) {
    bool klaar = false;
    BijVenster("TWedstrijdenlijst", [&](QWidget* l) {
        auto* tabel = Zoek<QTableView>(l, "lijstWedstrijden");
        QCOMPARE(tabel->model()->rowCount(), toetsen.size() + byes);
        for (QChar t : toetsen) QTest::keyClick(tabel, t.toLatin1());
        Klik(l, "knopOk");
        BijVenster("TRondeScherm", [&](QWidget* r) {
            Klik(r, "knopOk");
            klaar = true;
        });
    });
    Klik(p.venster.get(), "knopUitslagen");
    QTRY_VERIFY_WITH_TIMEOUT(klaar, 10000);
}

// The schedule dialog on its proposed round; the results and schedule of the rounds it paired
// (that one, or up to `tot`) follow.
void Roosteren(test::Programma& p, int verwachteRonde, int tot = 0) {
    int voorgesteld = 0;
    BijVenster("TRooster", [&](QWidget* d) {
        voorgesteld = Zoek<QSpinBox>(d, "sbRonde")->value();
        Klik(d, "knopSamenstellen");
    });
    int van = 0, totRonde = 0;
    BijVenster("TVKRang", [&](QWidget* d) {
        if (d->windowTitle() == "Uitslagen en/of rooster afdrukken") {
            van = Zoek<QSpinBox>(d, "edUitslagVan")->value();
            totRonde = Zoek<QSpinBox>(d, "edUitslagTot")->value();
        }
        Klik(d, "knopOk");
    });
    Klik(p.venster.get(), "knopRooster");
    QCOMPARE(voorgesteld, verwachteRonde);
    QCOMPARE(van, verwachteRonde);
    QCOMPARE(totRonde, tot ? tot : verwachteRonde);
}

// The ranking with cross table: on screen (the sort dialog first, as the results changed),
// printed to PDF from the print preview, and written as HTML. Returns the screen text.
QString Ranglijst(test::Programma& p, const QString& pdf, const QString& html) {
    QString scherm;
    BijVenster("TVKRang", [&](QWidget* d) {
        ZetVakjes(d, {"chkMatrix"});
        BijVenster("TSortScherm", [&](QWidget* s) {
            BijVenster("TBeeldscherm", [&](QWidget* b) {
                scherm = Zoek<QPlainTextEdit>(b, "memoRapport")->toPlainText();
            });
            Klik(s, "knopSorteren");
        });
        Klik(d, "knopBeeldscherm");
        BijVenster("Twprint", [&](QWidget* t) {
            p.g.Bestanden = {pdf.toStdString()};
            Klik(t, "knopPdf");
            Klik(t, "knopSluiten");
        });
        Klik(d, "knopPrint");
        p.g.Bestanden = {html.toStdString()};
        p.g.Filters = {2}; // "HTML-bestanden"
        Klik(d, "knopDisk");
        Klik(d, "knopOk");
    });
    Zoek<QAction>(p.venster.get(), "mnuUitvoer0")->trigger();
    return scherm;
}

// What the walks leave behind besides the competition: the PDF holds every player under the
// ranking's title, and the HTML and the screen text are what velkaro-cli writes for the same
// options from the saved file.
void ControleerRapporten(const QString& xv7, const QString& scherm, const QString& pdf,
                         const QString& html, int spelers) {
    QVERIFY(PdfBladen(pdf) >= 1);
    QString tekst;
    for (int b = 1; b <= PdfBladen(pdf); ++b) tekst += PdfTekst(pdf, b);
    QVERIFY2(tekst.trimmed().startsWith("Ranglijst"), qPrintable(tekst.left(80)));
    for (int i = 1; i <= spelers; ++i) QVERIFY2(tekst.contains(Naam(i)), qPrintable(Naam(i)));

    const QString cliHtml = html + ".cli.htm";
    const auto disk = Draai(VELKARO_CLI, {"report", xv7, "--options", "matrix", "--format", "html",
                                          "-o", cliHtml, "--no-save"});
    QCOMPARE(disk.status, 0);
    QCOMPARE(LeesAlles(html), LeesAlles(cliHtml));
    const auto cli = Draai(VELKARO_CLI, {"report", xv7, "--options", "matrix", "--no-save"});
    QCOMPARE(cli.status, 0);
    QCOMPARE(scherm + "\n", QString::fromUtf8(cli.out));
}

// Round, number, white, black and result of every match, in the collection's order.
using Partij = std::tuple<int32_t, int32_t, int32_t, int32_t, int, int>;
std::vector<Partij> Partijen(const Competitie& c) {
    std::vector<Partij> v;
    for (const auto& w : c.Wedstrijden) {
        const auto& g = w->G();
        v.emplace_back(g.Ronde, g.Wedstrijdnummer, g.Wit, g.Zwart, g.UitslagWit, g.UitslagZwart);
    }
    return v;
}

// Per round the pairs (smaller internal number first) and each player's games.
struct Verloop {
    std::map<int32_t, int> Partijen;
    std::set<std::pair<int32_t, int32_t>> Paren;
    int Herhaald = 0, ZonderUitslag = 0;
};
Verloop LeesVerloop(const Competitie& c) {
    Verloop v;
    for (const auto& w : c.Wedstrijden) {
        const auto& g = w->G();
        ++v.Partijen[g.Wit];
        ++v.Partijen[g.Zwart];
        v.Herhaald += !v.Paren.insert(std::minmax(g.Wit, g.Zwart)).second;
        v.ZonderUitslag += !g.Gespeeld;
    }
    return v;
}

} // namespace

void TestRondgang::init() {
    lang::KiesTaal(lang::Taal::Nederlands);
}

void TestRondgang::zwitsersVanNieuwTotRanglijst() {
    const QString xv7 = Pad("zwitsers.xv7");
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    NieuwMetSpelers(p, xv7, 12);
    BijVenster("TVKInstelling", [](QWidget* d) {
        Zoek<QAbstractButton>(d, "rbZwitsers")->click();
        Klik(d, "knopOk");
    });
    Klik(w, "knopInstellingen");
    QCOMPARE(p.c.Opties.Rekensysteem, uint16_t(SysteemZwitsers));

    // Five rounds: paired, then one key per board (2 white wins, 1 draw, 0 black wins).
    for (int ronde = 1; ronde <= 5; ++ronde) {
        Roosteren(p, ronde);
        QString toetsen;
        for (int i = 0; i < 6; ++i) toetsen += QChar("210"[(ronde + i) % 3]);
        TypUitslagen(p, toetsen);
    }
    QCOMPARE(p.c.Wedstrijden.Aantal(), std::size_t(30));

    // One result corrected: round 3's first board becomes a win for black.
    BijVenster("TRondeScherm", [&](QWidget* r) {
        auto* lijst = Zoek<QTreeWidget>(r, "lijstRondes");
        lijst->setCurrentItem(lijst->topLevelItem(2));
        BijVenster("TWedstrijdenlijst", [](QWidget* l) {
            QTest::keyClick(Zoek<QTableView>(l, "lijstWedstrijden"), '0');
            Klik(l, "knopOk");
        });
        Klik(r, "knopKeuze");
        Klik(r, "knopOk");
    });
    Klik(w, "knopRonde");

    const QString scherm = Ranglijst(p, Pad("zwitsers.pdf"), Pad("zwitsers.htm"));
    QVERIFY2(scherm.contains("Ranglijst"), qPrintable(scherm.left(200)));
    QVERIFY(p.g.Vragen.empty());
    // The one message says where the PDF went.
    QCOMPARE(p.g.Meldingen.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(p.g.Meldingen[0].first).endsWith(Pad("zwitsers.pdf")));
    Klik(w, "knopAfsluiten");
    QVERIFY(!w->isVisible());

    Competitie c;
    QVERIFY(LeesBestand(c, xv7.toStdString()).Ok());
    QCOMPARE(c.Opties.Rekensysteem, uint16_t(SysteemZwitsers));
    ControleerSpelers(c, 12);
    QCOMPARE(c.Rondes.Aantal(), std::size_t(5));
    const Verloop v = LeesVerloop(c);
    QCOMPARE(v.Partijen.size(), std::size_t(12));
    for (const auto& [speler, partijen] : v.Partijen) QCOMPARE(partijen, 5);
    QCOMPARE(v.Herhaald, 0);
    QCOMPARE(v.ZonderUitslag, 0);
    // The corrected board and an untouched one of the same round.
    std::vector<const Wedstrijdgegevens*> derde;
    for (const auto& m : c.Wedstrijden)
        if (m->G().Ronde == 3) derde.push_back(&m->G());
    QCOMPARE(derde.size(), std::size_t(6));
    QCOMPARE(int(derde[0]->UitslagWit), 0);
    QCOMPARE(int(derde[0]->UitslagZwart), 2);
    QCOMPARE(int(derde[1]->UitslagWit), 1);
    ControleerRapporten(xv7, scherm, Pad("zwitsers.pdf"), Pad("zwitsers.htm"), 12);
}

void TestRondgang::rondtoernooiVanAcht() {
    const QString xv7 = Pad("rond.xv7");
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    NieuwMetSpelers(p, xv7, 8);
    // A new competition is a round robin: one pairing makes all seven rounds.
    Roosteren(p, 1, 7);
    QCOMPARE(p.c.Wedstrijden.Aantal(), std::size_t(28));
    for (int ronde = 1; ronde <= 7; ++ronde) TypUitslagen(p, ronde % 2 ? "2102" : "0121");
    const QString scherm = Ranglijst(p, Pad("rond.pdf"), Pad("rond.htm"));
    QVERIFY(p.g.Vragen.empty());
    QCOMPARE(p.g.Meldingen.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(p.g.Meldingen[0].first).endsWith(Pad("rond.pdf")));
    Klik(w, "knopAfsluiten");

    Competitie c;
    QVERIFY(LeesBestand(c, xv7.toStdString()).Ok());
    ControleerSpelers(c, 8);
    QCOMPARE(c.Rondes.Aantal(), std::size_t(7));
    const Verloop v = LeesVerloop(c);
    QCOMPARE(v.Paren.size(), std::size_t(28)); // everyone met everyone once
    QCOMPARE(v.Herhaald, 0);
    QCOMPARE(v.ZonderUitslag, 0);
    for (const auto& [speler, partijen] : v.Partijen) QCOMPARE(partijen, 7);
    ControleerRapporten(xv7, scherm, Pad("rond.pdf"), Pad("rond.htm"), 8);
}

// A club evening with nine players: the bye switched on, two rounds with a bye each, a result
// typed and undone, a played round paired again (No leaves it, Yes keeps the played games and
// their numbers) and that pairing undone, the ranking printed to a PDF named without
// extension; then the files left behind.
void TestRondgang::clubavondMetVrijeRondeEnOngedaan() {
    const QString xv7 = Pad("avond.xv7");
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    NieuwMetSpelers(p, xv7, 9);
    BijVenster("TVKInstelling", [](QWidget* d) {
        Zoek<QAbstractButton>(d, "rbZwitsers")->click();
        Zoek<QAbstractButton>(d, "cbVrijBijOneven")->click();
        Klik(d, "knopOk");
    });
    Klik(w, "knopInstellingen");
    QVERIFY(p.c.Opties.VrijBijOneven());

    Roosteren(p, 1);
    TypUitslagen(p, "2102", 1);
    Roosteren(p, 2);
    TypUitslagen(p, "0121", 1);
    std::set<int32_t> vrij;
    for (const auto& m : p.c.Wedstrijden)
        if (IsVrij(m->G())) vrij.insert(m->G().Wit);
    QCOMPARE(p.c.Wedstrijden.Aantal(), std::size_t(10));
    QCOMPARE(vrij.size(), std::size_t(2)); // two rounds, two different players
    const auto gespeeld = Partijen(p.c);

    // A result typed over round 2's first board, and Ctrl+Z takes it back.
    bool klaar = false;
    BijVenster("TWedstrijdenlijst", [&](QWidget* l) {
        l->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(l));
        auto* tabel = Zoek<QTableView>(l, "lijstWedstrijden");
        QTest::keyClick(tabel, '2');
        QTest::keyClick(tabel, Qt::Key_Z, Qt::ControlModifier);
        Klik(l, "knopOk");
        BijVenster("TRondeScherm", [&](QWidget* r) {
            Klik(r, "knopOk");
            klaar = true;
        });
    });
    Klik(w, "knopUitslagen");
    QTRY_VERIFY_WITH_TIMEOUT(klaar, 10000);
    QCOMPARE(Partijen(p.c), gespeeld);

    // Round 2 paired again: No leaves everything as it was.
    const std::string voor = test::Afdruk(p.c);
    p.g.Antwoorden = {Antwoord::Nee};
    BijVenster("TRooster", [&](QWidget* d) {
        Zoek<QSpinBox>(d, "sbRonde")->setValue(2);
        Klik(d, "knopSamenstellen");
        QVERIFY(d->isVisible());
    });
    Klik(w, "knopRooster");
    QCOMPARE(p.g.Vragen.size(), std::size_t{1});
    QCOMPARE(p.g.Vragen[0].Knoppen, Knoppen::JaNeeStandaardNee);
    QVERIFY2(p.g.Vragen[0].Tekst.find(", Speler ") != std::string::npos,
             p.g.Vragen[0].Tekst.c_str());
    QCOMPARE(test::Afdruk(p.c), voor);
    // Yes: the played games keep their numbers, the new ones take numbers none of them has.
    p.g.Antwoorden = {Antwoord::Ja};
    BijVenster("TRooster", [&](QWidget* d) {
        Zoek<QSpinBox>(d, "sbRonde")->setValue(2);
        BijVenster("TVKRang", [](QWidget* r) { Klik(r, "knopOk"); });
        Klik(d, "knopSamenstellen");
    });
    Klik(w, "knopRooster");
    QCOMPARE(p.g.Vragen.size(), std::size_t{2});
    // The round's bye is given anew with the pairing: 9 matches before, 4 games and a bye added,
    // the old bye gone.
    const auto opnieuw = Partijen(p.c);
    QCOMPARE(opnieuw.size(), std::size_t(14));
    std::set<int32_t> nummers;
    for (const auto& m : opnieuw)
        if (std::get<0>(m) == 2) QVERIFY(nummers.insert(std::get<1>(m)).second);
    for (const auto& m : gespeeld)
        QVERIFY(std::get<3>(m) == kGeenTegenstander ||
                std::find(opnieuw.begin(), opnieuw.end(), m) != opnieuw.end());
    // The whole pairing is one step of the Edit menu, and the counters follow it.
    QAction* ongedaan = Zoek<QMenu>(w, "mnuBewerken")->actions().value(0);
    QVERIFY(ongedaan && ongedaan->isEnabled());
    QCOMPARE(ongedaan->text(), QString("&Ongedaan maken: rooster ronde 2"));
    ongedaan->trigger();
    QCOMPARE(Partijen(p.c), gespeeld);
    QCOMPARE(Zoek<QLabel>(w, "lblWedstrijden")->text(), QString::number(gespeeld.size()));

    // The ranking printed to "avond": the PDF is avond.pdf and nothing else appears.
    const QString scherm = Ranglijst(p, Pad("avond"), Pad("avond.htm"));
    // Speler 09 had round 1's bye (a win) and won his one game: one game, four points.
    QVERIFY2(scherm.contains("   1 Speler 09  \u2022 . . . + . . . .   1   4 "),
             qPrintable(scherm));
    QCOMPARE(p.g.Meldingen.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(p.g.Meldingen[0].first).endsWith(Pad("avond.pdf")));
    Klik(w, "knopAfsluiten");
    QVERIFY(!w->isVisible());
    // The walks share the folder: this evening's files are those named after it.
    const QStringList bestanden = QDir(map_.path()).entryList({"avond*"}, QDir::Files);
    QCOMPARE(bestanden, QStringList({"avond.101", "avond.htm", "avond.pdf", "avond.xv7"}));

    Competitie c;
    QVERIFY(LeesBestand(c, xv7.toStdString()).Ok());
    QCOMPARE(Partijen(c), gespeeld);
    ControleerRapporten(xv7, scherm, Pad("avond.pdf"), Pad("avond.htm"), 9);
}

VELKARO_TESTKLASSE(TestRondgang)
#include "test_rondgang.moc"
