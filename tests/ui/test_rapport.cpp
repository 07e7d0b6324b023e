// The report dialog driven as a user drives it: its options reach the report byte for byte as
// the command line writes them, the screen view shows it, and the print preview and the
// headless print lay the largest competition out on the right number of PDF pages.
#ifndef Q_MOC_RUN // moc reads the Qt headers only
#include "bench/grootste.h"
#include "hulp.h"
#include "lang/teksten.h"
#include "reports/rapportdialoog.h"
#include "storage/competitiebestand.h"
#include "ui/afdrukvoorbeeld.h"
#include "ui/helpvenster.h"
#include "ui/qtgesprek.h"
#include "ui/rapportscherm.h"
#endif

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

using namespace velkaro;
using velkaro::test::BijVenster;
using velkaro::test::Draai;
using velkaro::test::Klik;
using velkaro::test::LeesAlles;
using velkaro::test::PdfBladen;
using velkaro::test::PdfTekst;
using velkaro::test::ZetVakjes;
using velkaro::test::Zoek;

class TestRapport : public QObject {
    Q_OBJECT

    QTemporaryDir map_;
    QString Pad(const QString& naam) const { return map_.path() + "/" + naam; }
    // A copy of the demo competition in a folder of the scratch folder.
    std::string Demo(const QString& map) const { return test::KopieerDemo(Pad(map)); }
    // The largest competition: 255 players, 50 rounds, cross table on.
    std::string Grootste() const;

private slots:
    void init();
    void menuEnKnoppen();
    void elkeSoortAlsDeOpdrachtregel();
    void schijfGelijkAanDeOpdrachtregel();
    void grootsteRanglijstNaarPdf();
    void afdrukkenZonderVenster();
    void pdfNaamEnZoom();
    void afdrukkenVanZonderGaten();
};

namespace {

// The first line of a PDF page holding text.
QString EersteRegel(const QString& tekst) {
    for (const QString& r : tekst.split('\n'))
        if (!r.trimmed().isEmpty()) return r.trimmed();
    return {};
}

} // namespace

std::string TestRapport::Grootste() const {
    const std::string pad = Pad("grootste.xv7").toStdString();
    Competitie c;
    c.VolledigeReset();
    c.Bestandsnaam = pad;
    Deelcompgegevens g;
    g.Competitienummer = 1;
    g.Bestandsnummer = 1;
    c.Groepen.Voegtoe(g);
    c.HuidigeDeelcomp = 1;
    bench::VulGrootste(c);
    c.RanglijstOpties = OptieMatrix;
    c.MarkeerHerberekenen();
    if (!SchrijfBestand(c).Ok()) qFatal("cannot write %s", pad.c_str());
    return pad;
}

void TestRapport::init() {
    Q_INIT_RESOURCE(velkaro);
    lang::KiesTaal(lang::Taal::Nederlands);
    for (const QString& f : QDir(map_.path()).entryList(QDir::Files)) QFile::remove(Pad(f));
}

void TestRapport::menuEnKnoppen() {
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(!Zoek<QAction>(w, "mnuUitvoer0")->isEnabled());
    QVERIFY(!Zoek<QAction>(w, "mnuPrinter")->isEnabled());
    QVERIFY(!Zoek<QToolButton>(w, "knopStand")->isEnabled());
    QVERIFY(w->OpenBijStart(Demo("dialoog")));
    QVERIFY(Zoek<QAction>(w, "mnuPrinter")->isEnabled());
    QVERIFY(Zoek<QToolButton>(w, "knopStand")->isEnabled());
    for (int i = 0; i <= 8; ++i) {
        auto* a = Zoek<QAction>(w, qPrintable(QString("mnuUitvoer%1").arg(i)));
        QVERIFY(a->isVisible());
        QVERIFY(a->isEnabled());
    }
    // The "Stand" button opens the dialog on the ranking list with its options.
    bool gezien = false;
    BijVenster("TVKRang", [&](QWidget* d) {
        gezien = true;
        QCOMPARE(d->windowTitle(), QString("Ranglijst afdrukken"));
        QVERIFY(Zoek<QCheckBox>(d, "chkMatrix")->isVisibleTo(d));
        QVERIFY(!Zoek<QWidget>(d, "grpUitslagen")->isVisibleTo(d));
        QVERIFY(!Zoek<QWidget>(d, "cbMaximumPerRegel")->isVisibleTo(d));
        Klik(d, "knopHelp");
        QCOMPARE(w->Help()->Browser()->source().fragment(), QString("rapporten"));
        Klik(d, "knopOk");
    });
    QTest::mouseClick(Zoek<QToolButton>(w, "knopStand"), Qt::LeftButton);
    QVERIFY(gezien);
}

void TestRapport::elkeSoortAlsDeOpdrachtregel() {
    const std::string demo = Demo("dialoog");
    const std::string vergelijk = Demo("cli");
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(w->OpenBijStart(demo));
    const struct {
        Rapportsoort soort;
        const char* naam;
        const char* titel;
        const char* groep; // the group of options the kind shows
        QStringList zet;   // boxes ticked on top of what the group keeps
        QStringList cli;
    } soorten[] = {
        {Rapportsoort::Voortschrijdingstabel,
         "progress",
         "Voortschrijdingstabel afdrukken",
         "grpAfdrukkenVan",
         {"chkPlaats"},
         {"--options", "place"}},
        {Rapportsoort::TegenstanderPerRonde,
         "opponents",
         "Tegenstander per speler per ronde afdrukken",
         "cbMaximumPerRegel",
         {"chkKleurPerSpeler"},
         {"--options", "colour-per-player"}},
        {Rapportsoort::RanglijstenPerCategorie,
         "categories",
         "Ranglijsten per categorie afdrukken",
         "edRondesInMatrix",
         {"chkStatistiek"},
         {"--options", "statistics"}},
        {Rapportsoort::UitslagenEnRooster,
         "results",
         "Uitslagen en/of rooster afdrukken",
         "grpUitslagen",
         {"chkUitslagen", "chkTafelnummer", "chkInfoEerdereRonde"},
         {"--options", "results", "--board-numbers", "--earlier-info"}},
        {Rapportsoort::MeerdereLijsten,
         "series",
         "Meerdere lijsten afdrukken",
         "grpSerie",
         {"chkSerieVoortschrijding"},
         {"--options", "", "--lists", "ranking,progress"}},
        {Rapportsoort::Deelnemerslijst,
         "participants",
         "Deelnemerslijst afdrukken",
         "grpSorteren",
         {"chkRating", "rbSorteerRating"},
         {"--options", "rating", "--sort", "rating"}},
        {Rapportsoort::Geschiedenis, "history", "", "grpGeschiedenis", {}, {"--options", ""}},
        {Rapportsoort::FMJDTabel,
         "norms",
         "FMJD-tabel afdrukken",
         "grpAfdrukkenVan",
         {},
         {"--options", ""}},
    };
    int eenmalig = 0; // reports that print the one-time text
    for (const auto& s : soorten) {
        // A new computation first, so that the sort dialog comes for the kinds that ask it.
        Zoek<QAction>(w, "mnuHersorteren")->trigger();
        const bool sorteren = SorteerschermNodig(p.c, s.soort);
        QString getoond;
        BijVenster("TVKRang", [&](QWidget* d) {
            if (*s.titel) QCOMPARE(d->windowTitle(), QString(s.titel));
            QVERIFY2(Zoek<QWidget>(d, s.groep)->isVisibleTo(d), s.naam);
            // Only the boxes this kind shows, and those as asked.
            for (auto* vak : d->findChildren<QCheckBox*>(QRegularExpression("^chk")))
                if (vak->parentWidget()->objectName() == "grpAfdrukkenVan") vak->setChecked(false);
            Zoek<QCheckBox>(d, "chkUitslagLotingnummer")->setChecked(false);
            for (const QString& naam : s.zet) {
                if (auto* vak = d->findChild<QCheckBox*>(naam)) vak->setChecked(true);
                if (auto* knop = d->findChild<QRadioButton*>(naam)) knop->setChecked(true);
            }
            // A one-time text serves one report only.
            Zoek<QPlainTextEdit>(d, "edEenmaligeTekst")->setPlainText("Alleen nu");
            auto scherm = [&] {
                BijVenster("TBeeldscherm", [&](QWidget* b) {
                    auto* memo = Zoek<QPlainTextEdit>(b, "memoRapport");
                    QVERIFY(memo->isReadOnly());
                    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
                    QCOMPARE(memo->textCursor().position(), 0);
                    getoond = memo->toPlainText();
                });
            };
            if (sorteren)
                BijVenster("TSortScherm", [&](QWidget* t) {
                    scherm();
                    Klik(t, "knopSorteren");
                });
            else
                scherm();
            Klik(d, "knopBeeldscherm");
            QVERIFY(Zoek<QPlainTextEdit>(d, "edEenmaligeTekst")->toPlainText().isEmpty());
            // The computation named its steps in the dialog, the last one stays.
            if (sorteren)
                QCOMPARE(Zoek<QLabel>(d, "lblVoortgang")->text(),
                         QString("Nieuwe plaats bijwerken"));
            Klik(d, "knopOk");
        });
        Zoek<QAction>(w, qPrintable(QString("mnuUitvoer%1").arg(static_cast<int>(s.soort))))
            ->trigger();
        QStringList args = {"report",      QString::fromStdString(vergelijk),
                            "--kind",      s.naam,
                            "--once-text", "Alleen nu",
                            "--no-save"};
        args << s.cli;
        const auto cli = Draai(VELKARO_CLI, args);
        QCOMPARE(cli.status, 0);
        QVERIFY2(!getoond.isEmpty(), s.naam);
        QCOMPARE(getoond + "\n", QString::fromUtf8(cli.out));
        eenmalig += getoond.contains("Alleen nu");
    }
    QVERIFY(eenmalig > 0);
}

void TestRapport::schijfGelijkAanDeOpdrachtregel() {
    const std::string demo = Demo("dialoog");
    const std::string vergelijk = Demo("cli");
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(w->OpenBijStart(demo));
    Zoek<QAction>(w, "mnuHersorteren")->trigger(); // the sort dialog comes first

    const QString uit = Pad("dialoog.rtf");
    p.g.Bestanden = {uit.toStdString()}; // the first filter: RTF
    bool gesorteerd = false;
    BijVenster("TVKRang", [&](QWidget* d) {
        ZetVakjes(d, {"chkMatrix", "chkStatistiek", "chkPlaats", "chkKleurverhouding"});
        Zoek<QRadioButton>(d, "rbLiggend")->setChecked(true);
        BijVenster("TSortScherm", [&](QWidget* s) {
            gesorteerd = true;
            test::LabelsVrij(s);
            Klik(s, "knopSorteren");
        });
        Klik(d, "knopDisk");
        Klik(d, "knopOk");
    });
    Zoek<QAction>(w, "mnuUitvoer0")->trigger();
    QVERIFY(gesorteerd);
    QVERIFY(p.c.Opties.IsActueel());
    // The dialog keeps its boxes and the orientation in the competition.
    QVERIFY(AfdrukoptiesVan(p.c).Kleurverhouding && !AfdrukoptiesVan(p.c).VorigeNotering);
    QVERIFY(!p.c.Staand);

    const auto cli = Draai(VELKARO_CLI, {"report", QString::fromStdString(vergelijk), "--options",
                                         "matrix,statistics,place,colours", "--landscape", "-o",
                                         Pad("cli.rtf"), "--no-save"});
    QCOMPARE(cli.status, 0);
    const QByteArray dialoog = LeesAlles(uit);
    QVERIFY(dialoog.contains("\\landscape"));
    QCOMPARE(dialoog, LeesAlles(Pad("cli.rtf")));
}

// The page number at the end of a header line as the PDF's text gives it (its blanks may be
// drawn as one).
namespace {

bool EindigtOpBlad(const QString& kop, int blad) {
    return kop.contains(QRegularExpression(QString("Blad: *%1$").arg(blad)));
}

} // namespace

void TestRapport::grootsteRanglijstNaarPdf() {
    const std::string grootste = Grootste();
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(w->OpenBijStart(grootste));
    auto* afdruk = w->findChild<ui::AfdrukDialoog*>("Twprint");
    QVERIFY(afdruk);
    int bladen[2] = {0, 0};
    int eerste = 1; // the page counter runs on from one print to the next
    for (int liggend = 0; liggend < 2; ++liggend) {
        const QString pdf = Pad(liggend ? "liggend.pdf" : "staand.pdf");
        p.g.Bestanden = {pdf.toStdString()};
        Afdrukdocument document;
        Bladmaat maat;
        BijVenster("TVKRang", [&](QWidget* d) {
            ZetVakjes(d, {"chkMatrix"});
            Zoek<QRadioButton>(d, liggend ? "rbLiggend" : "rbStaand")->setChecked(true);
            BijVenster("TSortScherm", [&](QWidget* s) {
                BijVenster("Twprint", [&](QWidget* t) {
                    QCOMPARE(t->windowTitle(), QString("Afdrukken"));
                    Klik(t, "knopPdf");
                    bladen[liggend] = afdruk->Bladen();
                    maat = afdruk->Maat();
                    document = afdruk->Document();
                    Klik(t, "knopSluiten");
                });
                Klik(s, "knopSorteren");
            });
            Klik(d, "knopPrint");
            Klik(d, "knopOk");
        });
        Zoek<QAction>(w, "mnuHersorteren")->trigger();
        Zoek<QAction>(w, "mnuUitvoer0")->trigger();
        QCOMPARE(document.Staand, liggend == 0);

        int regels = 0;
        for (const auto& r : document.Regels) regels += r.Tekst.rfind("$$", 0) != 0;
        QVERIFY(regels > 255);
        QCOMPARE(PdfBladen(pdf), bladen[liggend]);
        // The cross table is far wider than the page: it comes out in bands of columns, and
        // every player's row and every column, down to the last diagonal mark, is on paper.
        int spelers = 0, diagonaal = 0;
        for (int b = 1; b <= bladen[liggend]; ++b) {
            const QString tekst = PdfTekst(pdf, b);
            const QString kop = EersteRegel(tekst);
            QVERIFY2(kop.startsWith("Ranglijst Grootste competitie"), qPrintable(kop));
            QVERIFY2(
                EindigtOpBlad(kop, eerste + b - 1),
                qPrintable(kop + QString(" page %1 of the file, first %2").arg(b).arg(eerste)));
            spelers += static_cast<int>(tekst.count(QRegularExpression("Speler \\d+ ")));
            diagonaal += static_cast<int>(tekst.count(QChar(0x2022)));
        }
        QCOMPARE(spelers, 255);
        QCOMPARE(diagonaal, 255);
        eerste += bladen[liggend];
        qInfo("%s: %d lines, %d lines and %d characters a page, %d pages",
              liggend ? "landscape" : "portrait", regels, maat.RegelsPerBlad, maat.TekensPerRegel,
              bladen[liggend]);
    }

    // "Print" asks which printer; here the printer is a PDF file, as the print dialog offers.
    const QString geprint = Pad("printer.pdf");
    afdruk->Printer().setOutputFormat(QPrinter::PdfFormat);
    afdruk->Printer().setOutputFileName(geprint);
    bool gevraagd = false;
    BijVenster("TVKRang", [&](QWidget* d) {
        BijVenster("TSortScherm", [&](QWidget* s) {
            BijVenster("Twprint", [&](QWidget* t) {
                test::BijModaal([&](QWidget* vraag) {
                    gevraagd = qobject_cast<QPrintDialog*>(vraag) != nullptr;
                    qobject_cast<QDialog*>(vraag)->accept();
                });
                Klik(t, "knopPrint");
                Klik(t, "knopSluiten");
            });
            Klik(s, "knopSorteren");
        });
        Klik(d, "knopPrint");
        Klik(d, "knopOk");
    });
    Zoek<QAction>(w, "mnuHersorteren")->trigger();
    Zoek<QAction>(w, "mnuUitvoer0")->trigger();
    QVERIFY(gevraagd);
    QCOMPARE(PdfBladen(geprint), bladen[1]); // the last report was landscape
    QVERIFY(EindigtOpBlad(EersteRegel(PdfTekst(geprint, 1)), eerste));

    // The headless print lays the same report out on as many pages.
    for (int liggend = 0; liggend < 2; ++liggend) {
        const QString pdf = Pad(liggend ? "zonder-liggend.pdf" : "zonder-staand.pdf");
        QStringList args = {
            "--print", QString::fromStdString(grootste), "--options", "matrix", "-o", pdf};
        if (liggend) args << "--landscape";
        const auto r = Draai(VELKARO_PROGRAMMA, args);
        QCOMPARE(r.status, 0);
        QCOMPARE(PdfBladen(pdf), bladen[liggend]);
        QVERIFY(EindigtOpBlad(EersteRegel(PdfTekst(pdf, bladen[liggend])), bladen[liggend]));
    }
}

void TestRapport::afdrukkenZonderVenster() {
    const QString demo = QString::fromStdString(Demo("dialoog"));
    const QByteArray voor = LeesAlles(demo);
    const struct {
        QStringList args;
        int status;
        const char* melding;
    } gevallen[] = {
        {{"--print", demo, "--kind", "progress", "-o", Pad("v.pdf")}, 0, ""},
        {{"--print", demo, "--options", "matrix,bogus", "-o", Pad("x.pdf")}, 1, "'bogus'"},
        {{"--print", demo, "--kind", "bogus", "-o", Pad("x.pdf")}, 1, "--kind"},
        {{"--print", demo}, 1, "usage:"},
        {{"--print", Pad("geen.xv7"), "-o", Pad("x.pdf")}, 1, "geen.xv7"},
        {{"--print", demo, "-o", Pad("geen/map/x.pdf")}, 1, "x.pdf"},
        {{"--print", demo, "-o", Pad("dialoog/club.101")}, 1, "competitie zelf"},
    };
    for (const auto& g : gevallen) {
        const auto r = Draai(VELKARO_PROGRAMMA, g.args);
        QCOMPARE(r.status, g.status);
        QVERIFY2(QString::fromUtf8(r.err).contains(g.melding), r.err.constData());
    }
    QVERIFY(EersteRegel(PdfTekst(Pad("v.pdf"), 1)).startsWith("Voortschrijdingstabel"));
    QVERIFY(!QFile::exists(Pad("x.pdf")));
    QCOMPARE(LeesAlles(demo), voor); // printing changes no competition
}

// "Opslaan als PDF" writes a PDF and nothing else, whatever name is typed, and says where.
void TestRapport::pdfNaamEnZoom() {
    // The real save dialog: a name typed without extension takes the filter's ".pdf".
    ui::QtGesprek echt;
    Bestandskeuze k;
    k.Opslaan = true;
    k.Map = map_.path().toStdString();
    k.Filters = {"PDF-bestanden|*.pdf"};
    velkaro::test::BijModaal([](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        QVERIFY(d);
        QCOMPARE(d->nameFilters(), QStringList{"PDF-bestanden (*.pdf)"});
        auto* naam = d->findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(naam);
        naam->setText("verslag");
        QTest::keyClick(naam, Qt::Key_Return);
    });
    QCOMPARE(QString::fromStdString(echt.KiesBestand(k).value_or("")), Pad("verslag.pdf"));

    // The preview: a competition's name gets ".pdf" added; the message names the file.
    test::Programma p(map_.path());
    QVERIFY(p.venster->OpenBijStart(Demo("pdf")));
    auto* afdruk = p.venster->findChild<ui::AfdrukDialoog*>("Twprint");
    Afdrukdocument doc;
    doc.Regels.push_back({"Stand na ronde 3", {}});
    afdruk->Laad(doc);
    const QStringList voor = QDir(Pad("pdf")).entryList(QDir::Files);
    p.g.Bestanden = {Pad("pdf/uitslag.xv7").toStdString()};
    Klik(afdruk, "knopPdf");
    QCOMPARE(p.g.Keuzes.back().Filters.size(), std::size_t{1});
    QCOMPARE(QDir(Pad("pdf")).entryList(QDir::Files), QStringList(voor) << "uitslag.xv7.pdf");
    QCOMPARE(PdfBladen(Pad("pdf/uitslag.xv7.pdf")), 1);

    // Zoom: page width, whole page, a step in and out.
    auto* voorbeeld = Zoek<QPrintPreviewWidget>(afdruk, "voorbeeld");
    Klik(afdruk, "knopPaginabreedte");
    QCOMPARE(voorbeeld->zoomMode(), QPrintPreviewWidget::FitToWidth);
    Klik(afdruk, "knopHelePagina");
    QCOMPARE(voorbeeld->zoomMode(), QPrintPreviewWidget::FitInView);
    const qreal passend = voorbeeld->zoomFactor();
    Klik(afdruk, "knopInzoomen");
    QVERIFY(voorbeeld->zoomFactor() > passend);
    Klik(afdruk, "knopUitzoomen");
    Klik(afdruk, "knopUitzoomen");
    QVERIFY(voorbeeld->zoomFactor() < passend);
    QVERIFY(!p.g.Meldingen.empty());
    QVERIFY(
        QString::fromStdString(p.g.Meldingen.back().first).endsWith(Pad("pdf/uitslag.xv7.pdf")));
}

// The "Afdrukken van" box of every kind that shows it: its boxes stand one under the other in
// each column without a hole, whichever boxes the kind hides and however tall the box is.
void TestRapport::afdrukkenVanZonderGaten() {
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(w->OpenBijStart(Demo("gaten")));
    int gezien = 0;
    for (int s = 0; s <= 8; ++s) {
        BijVenster("TVKRang", [&](QWidget* d) {
            auto* groep = Zoek<QWidget>(d, "grpAfdrukkenVan");
            if (!groep->isVisible()) return;
            ++gezien;
            std::map<int, std::vector<QRect>> kolommen;
            for (auto* vak : groep->findChildren<QCheckBox*>())
                if (vak->isVisible()) kolommen[vak->x()].push_back(vak->geometry());
            QVERIFY(!kolommen.empty());
            QVERIFY(kolommen.size() <= 2);
            // The layout's own room between two rows, and a pixel for rounding.
            auto* rooster = qobject_cast<QGridLayout*>(groep->layout());
            QVERIFY(rooster);
            const int ruimte = rooster->verticalSpacing() + 1;
            for (auto& [x, vakken] : kolommen) {
                std::sort(vakken.begin(), vakken.end(),
                          [](const QRect& a, const QRect& b) { return a.y() < b.y(); });
                for (std::size_t i = 1; i < vakken.size(); ++i)
                    QVERIFY2(vakken[i].top() - vakken[i - 1].bottom() <= ruimte,
                             qPrintable(QString("kind %1: %2 px between boxes")
                                            .arg(s)
                                            .arg(vakken[i].top() - vakken[i - 1].bottom())));
            }
            Klik(d, "knopOk");
        });
        w->ToonRapport(static_cast<Rapportsoort>(s));
    }
    QVERIFY(gezien >= 3);
}

VELKARO_TESTKLASSE(TestRapport)
#include "test_rapport.moc"
