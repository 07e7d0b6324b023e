// The rounds dialog, the match list and the match entry dialog driven as a user drives them:
// widgets found by object name, keys typed into the match table, questions answered by the
// scripted conversation.
#ifndef Q_MOC_RUN // moc reads the Qt headers only
#include "../entry/hulp.h"
#include "../entry/maak.h"
#include "entry/ongedaan.h"
#include "entry/uitslagtekst.h"
#include "entry/wedstrijdlijst.h"
#include "hulp.h"
#include "lang/teksten.h"
#include "model/systeem.h"
#include "ui/helpvenster.h"
#include "ui/matrixdialoog.h"
#include "ui/ongedaanacties.h"
#include "ui/rondedialoog.h"
#include "ui/spelerlijst.h"
#include "ui/spelermodel.h"
#include "ui/wedinvoerdialoog.h"
#include "ui/wedstrijdlijstdialoog.h"
#include "ui/wedstrijdmodel.h"
#endif

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace velkaro;
using velkaro::test::BijVenster;
using velkaro::test::Klik;
using velkaro::test::Zoek;

class TestUitslagen : public QObject {
    Q_OBJECT

    QTemporaryDir map_;

private slots:
    void init();
    void uitslagtoetsenPerModus_data();
    void uitslagtoetsenPerModus();
    void uitslagVerbeteren();
    void abortVraagt_data();
    void abortVraagt();
    void rondesInvoegenEnVerwijderen();
    void nieuweRondeNaAbortWeg();
    void wedInvoerLostOp();
    void vrijeEnAlleSpelers();
    void uitslagenknopEnGroepswissel();
    void matrixInvoer();
    void matrixRoosterToontHetRooster();
    void ongedaanMakenEnOpnieuw();
};

namespace {

int InRonde(const Competitie& c, int32_t ronde) {
    int n = 0;
    for (const auto& w : c.Wedstrijden) n += w->G().Ronde == ronde;
    return n;
}

// A competition in memory with the dialogs' surroundings.
struct Omg : test::Dialoogomgeving {
    MersenneToeval toeval{7};

    // Players 1..6; round 1 with the matches 1-2, 3-4, 5-6 (numbered 1, 2, 3), no results.
    Omg() {
        for (int i = 1; i <= 6; ++i)
            test::VoegSpelerToe(c, i, std::string("Speler ") + char('A' + i - 1), 1500 + 10 * i);
        for (int i = 0; i < 3; ++i)
            test::VoegWedstrijdToe(c, 1, i + 1, Intern(2 * i + 1), Intern(2 * i + 2));
        c.Opties.PuntenWinst = 2;
        c.Opties.PuntenRemise = 1;
        c.Opties.PuntenVerlies = 0;
    }
    int32_t Intern(int32_t loting) const { return c.Spelers.zoekloting(loting)->InternNummer; }
    // The matches of a round in order: "white/black" codes, "-" without a result.
    QStringList Uitslagen(int32_t ronde) const {
        QStringList r;
        for (const auto& w : c.Wedstrijden)
            if (w->G().Ronde == ronde)
                r << (w->G().Gespeeld
                          ? QString("%1/%2").arg(w->G().UitslagWit).arg(w->G().UitslagZwart)
                          : QString("-"));
        return r;
    }
};

} // namespace

void TestUitslagen::init() {
    lang::KiesTaal(lang::Taal::Nederlands);
}

void TestUitslagen::uitslagtoetsenPerModus_data() {
    QTest::addColumn<QString>("modus");
    QTest::addColumn<QString>("toetsen"); // one per match; "8" on the keypad written as "k"
    QTest::addColumn<QStringList>("uitslagen");
    QTest::addColumn<bool>("res4Zichtbaar");
    QTest::addColumn<bool>("res8Zichtbaar");
    // The codes per mode are the core's; here the keys reach them and the buttons show.
    QTest::newRow("schaaknotatie") << "schaak"
                                   << "1k0" << QStringList{"2/0", "1/1", "0/2"} << false << false;
    QTest::newRow("kndb-delfts") << "kndb"
                                 << "134" << QStringList{"3/4", "4/3", "2/0"} << true << false;
    QTest::newRow("viertallen") << "viertal"
                                << "3k4" << QStringList{"3/5", "8/0", "4/4"} << true << true;
}

void TestUitslagen::uitslagtoetsenPerModus() {
    QFETCH(QString, modus);
    QFETCH(QString, toetsen);
    QFETCH(QStringList, uitslagen);
    QFETCH(bool, res4Zichtbaar);
    QFETCH(bool, res8Zichtbaar);
    Omg t;
    auto& o = t.c.Opties;
    if (modus == "schaak") o.ZetVlag(VlagSchaaknotatie, true);
    if (modus == "kndb") o.ZetVlag(VlagKNDBDelfts, true);
    if (modus == "viertal") o.Viertallentoernooi = true;

    TWedstrijdenlijst l(t.c, t.g, t.toeval);
    l.SetData(1);
    ui::WedstrijdlijstDialoog d(t.o, nullptr);
    QAbstractItemModelTester tester(d.Model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QStringList getoond;
    BijVenster("TWedstrijdenlijst", [&](QWidget* w) {
        QCOMPARE(Zoek<QPushButton>(w, "knopRes4")->isVisible(), res4Zichtbaar);
        QCOMPARE(Zoek<QPushButton>(w, "knopRes8")->isVisible(), res8Zichtbaar);
        auto* tabel = Zoek<QTableView>(w, "lijstWedstrijden");
        for (QChar k : toetsen) {
            if (k == 'k')
                QTest::keyClick(tabel, Qt::Key_8, Qt::KeypadModifier);
            else
                QTest::keyClick(tabel, k.toLatin1());
        }
        // The table shows each result as soon as its key is typed.
        for (int i = 0; i < 3; ++i) getoond << d.Model()->index(i, 7).data().toString();
        Klik(w, "knopOk");
    });
    QCOMPARE(d.Toon(l), Afsluiting::Ok);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(getoond[i], QString::fromStdString(UitslagTekst(l.Wedstrijd(i), o)).trimmed());
    l.GetData(1, true);
    QCOMPARE(t.Uitslagen(1), uitslagen);
}

void TestUitslagen::uitslagVerbeteren() {
    Omg t;
    TWedstrijdenlijst l(t.c, t.g, t.toeval);
    l.SetData(1);
    ui::WedstrijdlijstDialoog d(t.o, nullptr);
    QAbstractItemModelTester tester(d.Model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    BijVenster("TWedstrijdenlijst", [&](QWidget* w) {
        auto* tabel = Zoek<QTableView>(w, "lijstWedstrijden");
        QTest::keyClick(tabel, '2');
        QTest::keyClick(tabel, '2');
        // Back up to the first line: a typed key replaces its result.
        QTest::keyClick(tabel, Qt::Key_Up);
        QTest::keyClick(tabel, Qt::Key_Up);
        QTest::keyClick(tabel, '0');
        // The second line is selected again: "Uitslag weg" by key, then adjourned by button.
        QTest::keyClick(tabel, 'u');
        QCOMPARE(tabel->currentIndex().row(), 1);
        QTest::keyClick(tabel, Qt::Key_Down);
        Klik(w, "knopAfgebroken");
        Klik(w, "knopReglUitslag");
        QCOMPARE(d.Model()->index(2, 8).data().toString(), QString("R"));
        QCOMPARE(d.Model()->index(2, 7).data().toString(), QString("AFG"));
        Klik(w, "knopOk");
    });
    QCOMPARE(d.Toon(l), Afsluiting::Ok);
    l.GetData(1, true);
    QCOMPARE(t.Uitslagen(1), (QStringList{"0/2", "-", "-"}));
    const auto* derde = (t.c.Wedstrijden.begin() + 2)->get();
    QCOMPARE(int(derde->G().UitslagWit), 9);
    QVERIFY(derde->G().Reglementair);
}

void TestUitslagen::abortVraagt_data() {
    QTest::addColumn<int>("antwoord");
    QTest::addColumn<bool>("blijftOpen");
    QTest::addColumn<QStringList>("uitslagen");
    QTest::addColumn<int>("aantal");
    // Yes discards everything, the deleted match included; No keeps the changes.
    QTest::newRow("ja") << int(Antwoord::Ja) << false << QStringList{"-", "-", "-"} << 3;
    QTest::newRow("nee") << int(Antwoord::Nee) << false << QStringList{"2/0", "0/2"} << 2;
    QTest::newRow("annuleren") << int(Antwoord::Annuleren) << true << QStringList{"2/0", "0/2"}
                               << 2;
}

void TestUitslagen::abortVraagt() {
    QFETCH(int, antwoord);
    QFETCH(bool, blijftOpen);
    QFETCH(QStringList, uitslagen);
    QFETCH(int, aantal);
    Omg t;
    t.g.Antwoorden = {static_cast<Antwoord>(antwoord)};
    TWedstrijdenlijst l(t.c, t.g, t.toeval);
    l.SetData(1);
    ui::WedstrijdlijstDialoog d(t.o, nullptr);
    bool open = false;
    BijVenster("TWedstrijdenlijst", [&](QWidget* w) {
        auto* tabel = Zoek<QTableView>(w, "lijstWedstrijden");
        QTest::keyClick(tabel, '2');
        QTest::keyClick(tabel, Qt::Key_Delete); // the second match goes
        QTest::keyClick(tabel, '0');            // the third, now second, stays selected
        Klik(w, "knopAbort");
        open = w->isVisible();
        if (open) Klik(w, "knopOk");
    });
    const Afsluiting a = d.Toon(l);
    QCOMPARE(open, blijftOpen);
    QCOMPARE(t.g.Vragen.size(), std::size_t(1));
    QCOMPARE(t.g.Vragen[0].Tekst, lang::Tekst(lang::T::UitslagenNietDoorgevoerd));
    QVERIFY(t.g.Vragen[0].Knoppen == Knoppen::JaNeeAnnuleren);
    l.GetData(1, a == Afsluiting::Ok);
    QCOMPARE(t.Uitslagen(1), uitslagen);
    QCOMPARE(int(t.c.Wedstrijden.Aantal()), aantal);
}

void TestUitslagen::rondesInvoegenEnVerwijderen() {
    Omg t;
    t.c.Wedstrijden.begin()->get()->W().Ronde = 1;
    (t.c.Wedstrijden.begin() + 1)->get()->W().Ronde = 2;
    (t.c.Wedstrijden.begin() + 2)->get()->W().Ronde = 3;
    t.c.Rondes.Voegtoe(Rondegegevens{2, "01-02-2024", 0, 0, 0});
    t.c.Rondes.Voegtoe(Rondegegevens{3, "08-02-2024", 0, 0, 0});
    auto perRonde = [&] {
        QList<int> n;
        for (const auto& r : t.c.Rondes) n << int(InRonde(t.c, r->Rondenummer()));
        return n;
    };
    ui::RondeDialoog d(t.o, nullptr);
    BijVenster("TRondeScherm", [&](QWidget* w) {
        auto* lijst = Zoek<QTreeWidget>(w, "lijstRondes");
        QCOMPARE(lijst->topLevelItemCount(), 3);
        lijst->setCurrentItem(lijst->topLevelItem(1));
        Klik(w, "knopInvoegen");
        QCOMPARE(lijst->topLevelItemCount(), 4);
        QCOMPARE(perRonde(), (QList<int>{1, 0, 1, 1}));
        QCOMPARE(lijst->topLevelItem(1)->text(2), QString("0"));

        lijst->setCurrentItem(lijst->topLevelItem(1));
        t.g.Antwoorden = {Antwoord::Annuleren, Antwoord::Ja};
        Klik(w, "knopVerwijderen");
        QCOMPARE(lijst->topLevelItemCount(), 4);
        QCOMPARE(t.g.Vragen.back().Tekst, lang::Tekst(lang::T::OokWedstrijdenVerwijderen) + " 2?");
        Klik(w, "knopVerwijderen");
        QCOMPARE(perRonde(), (QList<int>{1, 1, 1}));
        QCOMPARE(lijst->topLevelItemCount(), 3); // No and the last round are the core's
        Klik(w, "knopOk");
    });
    d.exec();
    QVERIFY(t.g.Antwoorden.empty());
}

void TestUitslagen::nieuweRondeNaAbortWeg() {
    Omg t;
    for (auto& w : t.c.Wedstrijden) t.c.ZetUitslag(*w, 2, 0, false, true);
    ui::RondeDialoog d(t.o, nullptr);
    QString titel;
    BijVenster("TRondeScherm", [&](QWidget* w) {
        BijVenster("TWedstrijdenlijst", [&](QWidget* l) {
            titel = l->windowTitle();
            Klik(l, "knopAbort");
        });
        Klik(w, "knopNieuw");
        QCOMPARE(int(t.c.Rondes.Aantal()), 1);
        QCOMPARE(Zoek<QTreeWidget>(w, "lijstRondes")->topLevelItemCount(), 1);
        Klik(w, "knopOk");
    });
    d.exec();
    QVERIFY(titel.startsWith(QString::fromStdString(lang::Tekst(lang::T::RondeKop)) + " 2"));
}

// The match entry dialog names the players as their numbers are typed; a rating typed in
// black's "(of rating)" afterwards makes black an outside opponent of that rating.
void TestUitslagen::wedInvoerLostOp() {
    Omg t;
    TWedInvoer w(t.c.Spelers);
    w.Open(Wedstrijdgegevens{});
    ui::WedInvoerDialoog d(t.o, nullptr);
    BijVenster("TWedInvoer", [&](QWidget* v) {
        QCOMPARE(Zoek<QLabel>(v, "lblWitspeler")->text(), QString("(witspeler)"));
        QTest::keyClicks(Zoek<QLineEdit>(v, "editWit"), "2");
        QTest::keyClicks(Zoek<QLineEdit>(v, "editZwart"), "3");
        QCOMPARE(Zoek<QLabel>(v, "lblWitspeler")->text(), QString("Speler B"));
        QCOMPARE(Zoek<QLabel>(v, "lblZwartspeler")->text(), QString("Speler C"));
        auto* r = Zoek<QLineEdit>(v, "editRatingZwart");
        QCOMPARE(r->text(), QString("0"));
        r->selectAll();
        QTest::keyClicks(r, "1800");
        QCOMPARE(Zoek<QLabel>(v, "lblZwartspeler")->text(), QString("1800 Rating"));
        Klik(v, "knopOk");
    });
    QVERIFY(d.Toon(w));
    QCOMPARE(w.Ok(), std::pair(t.Intern(2), -1800));
}

void TestUitslagen::vrijeEnAlleSpelers() {
    Omg t;
    TWedstrijdenlijst l(t.c, t.g, t.toeval);
    l.SetData(1);
    l.Selecteer(0);
    l.Verwijder(); // players 1 and 2 are free
    ui::WedstrijdlijstDialoog d(t.o, nullptr);
    d.Invoer()->Vertaal();
    BijVenster("TWedstrijdenlijst", [&](QWidget* wl) {
        BijVenster("TWedInvoer", [&](QWidget* v) {
            auto* lijst = Zoek<QListWidget>(v, "lijstZwart");
            QCOMPARE(lijst->count(), 2);
            Zoek<QCheckBox>(v, "chkAlleSpelers")->setChecked(true);
            QCOMPARE(lijst->count(), 6);
            QListWidgetItem* vijfde = lijst->item(4);
            QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {},
                              lijst->visualItemRect(vijfde).center());
            QCOMPARE(Zoek<QLineEdit>(v, "editZwart")->text(), QString("5"));
            QCOMPARE(Zoek<QLabel>(v, "lblZwartspeler")->text(), QString("Speler E"));
            QTest::keyClicks(Zoek<QLineEdit>(v, "editWit"), "1");
            Klik(v, "knopOk");
        });
        Klik(wl, "knopNieuw");
        // The check box is remembered for the next opening.
        QVERIFY(l.Invoer().AlleSpelers);
        Klik(wl, "knopOk");
    });
    QCOMPARE(d.Toon(l), Afsluiting::Ok);
    l.GetData(1, true);
    QCOMPARE(int(t.c.Wedstrijden.Aantal()), 3);
}

// "Uitslagen" opens the current round at once; choosing another group in the match list
// writes the open group, loads the other and opens its rounds again; "Rooster" ends in the
// main window's hook.
void TestUitslagen::uitslagenknopEnGroepswissel() {
    const QString pad = map_.path() + "/groepen.xv7";
    {
        Competitie c;
        test::MaakCompetitie(c, pad.toStdString(), {"Alfa", "Beta"}, {1, 2}, 1);
    }
    test::Programma p(map_.path());
    QVERIFY(p.venster->OpenBijStart(pad.toStdString()));
    auto* uitslagen = Zoek<QToolButton>(p.venster.get(), "knopUitslagen");
    QVERIFY(uitslagen->isEnabled());
    QVERIFY(Zoek<QToolButton>(p.venster.get(), "knopRonde")->isEnabled());

    QStringList titels;
    bool klaar = false;
    BijVenster("TWedstrijdenlijst", [&](QWidget* l) {
        titels << l->windowTitle();
        auto* groep = Zoek<QComboBox>(l, "comboGroep");
        QCOMPARE(groep->count(), 2);
        groep->setCurrentIndex(1);
        emit groep->activated(1);
        QVERIFY(!l->isVisible());
        BijVenster("TWedstrijdenlijst", [&](QWidget* l2) {
            titels << l2->windowTitle();
            Klik(l2, "knopHelp");
            QCOMPARE(p.venster->Help()->Browser()->source().fragment(), QString("wedstrijdlijst"));
            Klik(l2, "knopOk");
            BijVenster("TRondeScherm", [&](QWidget* r) {
                Klik(r, "knopOk");
                klaar = true;
            });
        });
    });
    uitslagen->click();
    QTRY_VERIFY_WITH_TIMEOUT(klaar, 10000);
    QCOMPARE(p.c.HuidigeDeelcomp, 2);
    QCOMPARE(titels.size(), 2);
    QVERIFY(titels[0].endsWith("Alfa"));
    QVERIFY(titels[1].endsWith("Beta"));
    // Group Alfa was written with the round its match list made.
    {
        Competitie alfa;
        QVERIFY(LeesBestand(alfa, pad.toStdString()).Ok());
        LeesDeelcomp(alfa, 1);
        QCOMPARE(int(alfa.Rondes.Aantal()), 1);
    }

    // Each dialog's help section is there.
    QFile gids(QString(VELKARO_BRON) + "/docs/handleiding.html");
    QVERIFY(gids.open(QIODevice::ReadOnly));
    const QByteArray tekst = gids.readAll();
    for (const char* anker : {"rondes", "wedstrijdlijst", "wedinvoer"})
        QVERIFY2(tekst.contains(QByteArray("id=\"") + anker + '"'), anker);

    p.c.Opties.Rekensysteem = 1;
    bool rooster = false;
    p.venster->OpenRooster = [&] { rooster = true; };
    BijVenster("TRondeScherm", [&](QWidget* r) {
        BijVenster("TWedstrijdenlijst", [&](QWidget* l) {
            QVERIFY(Zoek<QPushButton>(l, "knopRooster")->isVisible());
            Klik(l, "knopRooster");
        });
        Klik(r, "knopKeuze");
        QVERIFY(!r->isVisible());
    });
    Zoek<QAction>(p.venster.get(), "mnuUitslagenInvoeren")->trigger();
    QVERIFY(rooster);
    QCOMPARE(p.c.HuidigeDeelcomp, 2);
}

// A competition of four players, no rounds yet, for the result tables.
namespace {

void VierSpelers(const QString& pad) {
    Competitie c;
    test::MaakCompetitie(c, pad.toStdString(), {"Tabel"}, {1}, 1);
    for (int i = 2; i <= 4; ++i) test::VoegSpelerToe(c, i, std::string("Speler ") + char('0' + i));
    SchrijfBestand(c);
}

} // namespace

// "&Rooster aanmaken" in the cross table pairs the group as a round robin, and the results and
// schedule of its rounds follow as after the main window's schedule command.
void TestUitslagen::matrixRoosterToontHetRooster() {
    const QString pad = map_.path() + "/matrixrooster.xv7";
    VierSpelers(pad);
    test::Programma p(map_.path());
    QVERIFY(p.venster->OpenBijStart(pad.toStdString()));
    QString rapport;
    BijVenster("Tvxmatrix", [&](QWidget* d) {
        Zoek<QCheckBox>(d, "vakRoosterAanmaken")->setChecked(true);
        BijVenster("TRooster", [&](QWidget* r) { Klik(r, "knopSamenstellen"); });
        BijVenster("TVKRang", [&](QWidget* r) {
            rapport = r->windowTitle();
            Klik(r, "knopOk");
        });
        Klik(d, "knopVerwerken");
    });
    Zoek<QAction>(p.venster.get(), "mnuMatrix")->trigger();
    QTRY_COMPARE_WITH_TIMEOUT(rapport, QString("Uitslagen en/of rooster afdrukken"), 10000);
    QCOMPARE(p.c.Opties.Rekensysteem, SysteemNormaal);
    QVERIFY(p.c.Wedstrijden.Aantal() >= 6u); // three rounds of two games
}

// Both result tables reached through the main window's menu: a win and a draw typed into the
// cross table, an entry typed into the progress table, and the match list of round 1 then
// shows what they made.
void TestUitslagen::matrixInvoer() {
    const QString pad = map_.path() + "/matrix.xv7";
    VierSpelers(pad);
    test::Programma p(map_.path());
    QVERIFY(p.venster->OpenBijStart(pad.toStdString()));
    auto tester = [](QWidget* d) {
        auto* t = Zoek<QTableView>(d, "tabelMatrix");
        new QAbstractItemModelTester(t->model(),
                                     QAbstractItemModelTester::FailureReportingMode::QtTest, d);
        return t;
    };

    // A wide name of fifteen characters keeps clear of the next column in both tables.
    const QString breed = "WWWWWWWWWWWWWWW";
    const std::string naam = p.c.Spelers.At(0).G().Naam;
    p.c.Spelers.At(0).W().Naam = breed.toStdString();
    const auto naamPast = [&](QTableView* t) {
        const int rand = t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1;
        QVERIFY2(t->columnWidth(1) - 2 * rand >= t->fontMetrics().horizontalAdvance(breed),
                 qPrintable(QString::number(t->columnWidth(1))));
    };
    bool klaar = false;
    BijVenster("Tvxmatrix", [&](QWidget* d) {
        auto* t = tester(d);
        naamPast(t);
        QCOMPARE(d->windowTitle(), QString("Uitslagentabel invoeren"));
        QCOMPARE(t->model()->columnCount(), 4 + 4);
        QCOMPARE(t->currentIndex(), t->model()->index(0, 4 + 1));
        Klik(d, "knopWinst");
        QTest::keyClick(t, Qt::Key_1);
        QCOMPARE(t->model()->index(0, 2).data().toInt(), 2); // games of player 1
        QCOMPARE(t->model()->index(2, 4).data().toString(), QString("1"));
        QVERIFY(!Zoek<QPushButton>(d, "knopDrie")->isVisible());
        Klik(d, "knopVerwerken");
        klaar = true;
    });
    Zoek<QAction>(p.venster.get(), "mnuMatrix")->trigger();
    QVERIFY(klaar);

    klaar = false;
    BijVenster("Tvxmatrix1", [&](QWidget* d) {
        auto* t = tester(d);
        naamPast(t);
        QCOMPARE(Zoek<QSpinBox>(d, "spinRondes")->value(), 3);
        Zoek<QSpinBox>(d, "spinRondes")->setValue(2);
        QCOMPARE(t->model()->columnCount(), 4 + 2);
        auto* invoer = Zoek<QLineEdit>(d, "editInvoer");
        QTest::keyClicks(invoer, "40.");
        QCOMPARE(invoer->text(), QString());
        QCOMPARE(t->model()->index(3, 4).data().toString(), QString("1/2"));
        QCOMPARE(t->currentIndex(), t->model()->index(0, 4 + 1));
        Klik(d, "knopVerwerken");
        klaar = true;
    });
    Zoek<QAction>(p.venster.get(), "mnuPerRondeMatrix")->trigger();
    QVERIFY(klaar);
    p.c.Spelers.At(0).W().Naam = naam;

    // The cross table made rounds 1 and 2; the progress table's match joined round 1.
    QStringList regels;
    for (const auto& m : p.c.Wedstrijden) {
        const auto& g = m->G();
        regels << QString("%1 %2-%3 %4-%5")
                      .arg(g.Ronde)
                      .arg(p.c.Spelers.zoekptr(g.Wit)->G().Lotingnummer)
                      .arg(p.c.Spelers.zoekptr(g.Zwart)->G().Lotingnummer)
                      .arg(g.UitslagWit)
                      .arg(g.UitslagZwart);
    }
    regels.sort();
    QCOMPARE(regels, (QStringList{"1 1-2 2-0", "1 1-4 0-2", "2 1-3 1-1"}));
}

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in the match list and the player register: a result, a
// deleted match, a numbering and a deleted player with his matches, back and forth, with the
// lists following and the menu entries naming the step.
void TestUitslagen::ongedaanMakenEnOpnieuw() {
    Omg t;
    t.c.Opties.Rekensysteem = SysteemZwitsersRating; // "Nummeren" numbers by rating
    Geschiedenis h(t.c);
    t.o.Historie = &h;
    TWedstrijdenlijst l(t.c, t.g, t.toeval);
    l.ZetGeschiedenis(&h);
    l.SetData(1);
    ui::WedstrijdlijstDialoog d(t.o, nullptr);
    const auto toets = [](QWidget* w, Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
        QTest::keyClick(w, k, m);
    };
    BijVenster("TWedstrijdenlijst", [&](QWidget* w) {
        // The keys are the window's own, so it must be the active one.
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* tabel = Zoek<QTableView>(w, "lijstWedstrijden");
        const auto uitslag = [&](int rij) { return d.Model()->index(rij, 7).data().toString(); };
        QTest::keyClick(tabel, '2');
        QTest::keyClick(tabel, '0');
        QTest::keyClick(tabel, Qt::Key_Delete); // match 30
        QCOMPARE(d.Model()->rowCount(), 2);
        QCOMPARE(d.Ongedaan()->Ongedaan()->text(),
                 QString("&Ongedaan maken: wedstrijd verwijderen 30"));
        toets(tabel, Qt::Key_Z);
        QCOMPARE(d.Model()->rowCount(), 3);
        QCOMPARE(d.Ongedaan()->Opnieuw()->text(), QString("O&pnieuw: wedstrijd verwijderen 30"));
        toets(tabel, Qt::Key_Z);
        QCOMPARE(uitslag(1).trimmed(), QString());
        QCOMPARE(uitslag(0).trimmed(), QString("2- 0"));
        toets(tabel, Qt::Key_Y);
        QCOMPARE(uitslag(1).trimmed(), QString("0- 2"));
        toets(tabel, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(d.Model()->rowCount(), 2);
        QVERIFY(!d.Ongedaan()->Opnieuw()->isEnabled());
        toets(tabel, Qt::Key_Z);
        Klik(w, "knopOk");
    });
    QCOMPARE(d.Toon(l), Afsluiting::Ok);
    l.GetData(1, true);
    QCOMPARE(t.Uitslagen(1), (QStringList{"2/0", "0/2", "-"}));

    // The register: the numbering is one step, a deleted player comes back with his matches.
    ui::SpelerLijstDialoog r(t.o, nullptr);
    const auto nummers = [&] {
        QList<int> n;
        for (const auto& s : t.c.Spelers) n << s->Lotingnummer();
        return n;
    };
    const QList<int> voor = nummers();
    BijVenster("TSpelerLijst", [&](QWidget* w) {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* lijst = Zoek<QListView>(w, "lijstSpelers");
        Klik(w, "knopNummeren");
        QCOMPARE(nummers(), (QList<int>{6, 5, 4, 3, 2, 1}));
        QCOMPARE(r.Ongedaan()->Ongedaan()->text(), QString("&Ongedaan maken: nummeren"));
        toets(lijst, Qt::Key_Z);
        QCOMPARE(nummers(), voor);
        lijst->setCurrentIndex(r.Model()->index(0, 0));
        t.g.Antwoorden = {Antwoord::Ja};
        QTest::keyClick(lijst, Qt::Key_Delete);
        QCOMPARE(r.Model()->rowCount(), 5);
        QCOMPARE(InRonde(t.c, 1), 2);
        toets(lijst, Qt::Key_Z);
        QCOMPARE(r.Model()->rowCount(), 6);
        QCOMPARE(t.Uitslagen(1), (QStringList{"2/0", "0/2", "-"}));
        toets(lijst, Qt::Key_Y);
        QCOMPARE(r.Model()->rowCount(), 5);
        QCOMPARE(r.Ongedaan()->Ongedaan()->text(),
                 QString("&Ongedaan maken: speler verwijderen Speler A"));
        Klik(w, "knopOk");
    });
    r.exec();
    QCOMPARE(InRonde(t.c, 1), 2);
}

VELKARO_TESTKLASSE(TestUitslagen)
#include "test_uitslagen.moc"
