// The schedule dialog and the progress window driven as a user drives them, Stop while the
// search runs on its worker thread, and the worker's messages on the GUI thread.
#ifndef Q_MOC_RUN // moc reads the Qt headers only
#include "../entry/hulp.h"
#include "../pairing/verschiltoets.h"
#include "entry/ini.h"
#include "hulp.h"
#include "lang/teksten.h"
#include "pairing/rondtoernooi.h"
#include "pairing/roosterkeuze.h"
#include "pairing/samenstellen.h"
#include "storage/competitiebestand.h"
#include "ui/draadgesprek.h"
#include "ui/helpvenster.h"
#include "ui/hoofdvenster.h"
#include "ui/ongedaanacties.h"
#include "ui/qtgesprek.h"
#include "ui/roosterdialoog.h"
#endif

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QThread>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace velkaro;
using velkaro::test::Zoek;
using Paarlijst = std::vector<std::pair<int, int>>;
using velkaro::test::Afdruk;
using velkaro::test::BijModaal;

class TestRooster : public QObject {
    Q_OBJECT

    QTemporaryDir map_;

private slots:
    void init();
    void tonenEnVrijgavePerSysteem_data();
    void tonenEnVrijgavePerSysteem();
    void selecterenEnWisselen();
    void zwitsersDoorDeDialoog();
    void echteVraagAntwoordtNee();
    void rondtoernooiDoorDeDialoog();
    void stopHerstelt();
    void meldingenVanDeWerkerBereikenHetGesprek();
    void hoofdvensterRoostert();
};

namespace {

// Players with these drawing numbers (internal numbers 1, 2, ... in this order), marked "S"
// and "R".
void Spelers(Competitie& c, std::initializer_list<int32_t> nummers) {
    for (int32_t nr : nummers)
        test::VoegSpelerToe(c, nr, "Speler " + std::to_string(nr), 0, "S" + std::to_string(nr));
}

void Spelers(Competitie& c, int n) {
    for (int i = 1; i <= n; ++i) Spelers(c, {i});
}

void Wedstrijd(Competitie& c, int32_t ronde, int32_t wit, int32_t zwart, int uitslag = -1) {
    Wedstrijdgegevens g;
    g.Ronde = ronde;
    g.Wedstrijdnummer = static_cast<int32_t>(c.Wedstrijden.Aantal()) + 1;
    g.Wit = wit;
    g.Zwart = zwart;
    auto& w = c.Wedstrijden.Voegtoe(g);
    if (uitslag >= 0)
        w.ZetUitslag(static_cast<uint8_t>(uitslag), static_cast<uint8_t>(2 - uitslag), false, true);
}

Paarlijst Paren(const Competitie& c, int32_t ronde) {
    Paarlijst p;
    for (const auto& w : c.Wedstrijden)
        if (w->G().Ronde == ronde) p.emplace_back(w->G().Wit, w->G().Zwart);
    return p;
}

// A competition with a dialog of its own, answering through the scripted conversation.
struct Opstelling : test::Dialoogomgeving {
    std::unique_ptr<ui::RoosterDialoog> d;

    ui::RoosterDialoog& Open() {
        if (!d) d = std::make_unique<ui::RoosterDialoog>(o, nullptr);
        d->show();
        QCoreApplication::processEvents();
        return *d;
    }
    QString Tekst(const char* label) { return Zoek<QLabel>(d.get(), label)->text(); }
    QPushButton* Knop(const char* naam) { return Zoek<QPushButton>(d.get(), naam); }
};

} // namespace

void TestRooster::init() {
    lang::KiesTaal(lang::Taal::Nederlands);
}

void TestRooster::tonenEnVrijgavePerSysteem_data() {
    QTest::addColumn<int>("systeem");
    QTest::addColumn<int>("spelers");
    QTest::addColumn<bool>("vrij");
    QTest::addColumn<bool>("rondtoernooi");
    QTest::addColumn<bool>("laatsteRonde");
    // Which systems pair as a round robin and when an odd field may be paired is the core's;
    // here the dialog shows it.
    QTest::newRow("rondtoernooi oneven") << 0 << 5 << true << true << false;
    QTest::newRow("zwitsers oneven") << 1 << 5 << false << false << false;
    QTest::newRow("zwitsers even") << 1 << 6 << true << false << false;
    QTest::newRow("zwitsers/rating even") << 5 << 4 << true << false << true;
}

void TestRooster::tonenEnVrijgavePerSysteem() {
    QFETCH(int, systeem);
    QFETCH(int, spelers);
    QFETCH(bool, vrij);
    QFETCH(bool, rondtoernooi);
    QFETCH(bool, laatsteRonde);
    Opstelling t;
    Spelers(t.c, spelers);
    t.c.Opties.Rekensysteem = static_cast<uint16_t>(systeem);
    auto& d = t.Open();
    QCOMPARE(d.windowTitle(), QString("Rooster maken"));
    QCOMPARE(t.Knop("knopSamenstellen")->isEnabled(), vrij);
    QCOMPARE(Zoek<QGroupBox>(&d, "grpKleuren")->isVisible(), rondtoernooi);
    QCOMPARE(Zoek<QGroupBox>(&d, "grpSelecteren")->isVisible(), !rondtoernooi);
    QCOMPARE(Zoek<QListWidget>(&d, "lstVinklijst")->isVisible(), !rondtoernooi);
    QVERIFY(!Zoek<QListWidget>(&d, "lstRooster")->isVisible());
    QCOMPARE(Zoek<QCheckBox>(&d, "cbLaatsteRonde")->isVisible(), laatsteRonde);
    if (rondtoernooi) QVERIFY(Zoek<QRadioButton>(&d, "rbStandaard")->isChecked());
    QCOMPARE(t.Tekst("lblInTeRoosteren"), QString::number(spelers));
    QCOMPARE(t.Tekst("lblTotaal"), QString::number(spelers));
    d.reject();
}

void TestRooster::selecterenEnWisselen() {
    Opstelling t;
    t.c.Opties.Rekensysteem = SysteemZwitsers;
    Spelers(t.c, {3, 12, 1, 5, 2});
    auto& d = t.Open();
    auto* vink = Zoek<QListWidget>(&d, "lstVinklijst");
    QAbstractItemModelTester tester(vink->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(vink->count(), 5);
    // Sorted by the line, which starts with the drawing number.
    QCOMPARE(vink->item(0)->text(), QString("  1 Speler 1 [S1]"));
    QCOMPARE(vink->item(4)->text(), QString(" 12 Speler 12 [S12]"));
    auto* samenstellen = t.Knop("knopSamenstellen");

    QTest::mouseClick(t.Knop("knopNiemand"), Qt::LeftButton);
    QCOMPARE(t.Tekst("lblInTeRoosteren"), QString("0"));
    QCOMPARE(t.c.Spelers.tel_rooster(), 0);
    for (int i = 0; i < vink->count(); ++i) QCOMPARE(vink->item(i)->checkState(), Qt::Unchecked);
    QVERIFY(samenstellen->isEnabled()); // nobody is an even number

    QTest::mouseClick(t.Knop("knopIedereen"), Qt::LeftButton);
    QCOMPARE(t.Tekst("lblInTeRoosteren"), QString("5"));
    for (int i = 0; i < vink->count(); ++i) QCOMPARE(vink->item(i)->checkState(), Qt::Checked);
    QVERIFY(!samenstellen->isEnabled());

    // The check box of a line: "Speler 3" (the third line) leaves the pairing.
    vink->item(2)->setCheckState(Qt::Unchecked);
    QVERIFY(!t.c.Spelers.At(0).InRooster());
    QCOMPARE(t.Tekst("lblInTeRoosteren"), QString("4"));
    QVERIFY(samenstellen->isEnabled());
    // A double click on the line takes him back.
    const QPoint midden = vink->visualItemRect(vink->item(2)).center();
    QTest::mouseClick(vink->viewport(), Qt::LeftButton, {}, midden);
    QTest::mouseDClick(vink->viewport(), Qt::LeftButton, {}, midden);
    QVERIFY(t.c.Spelers.At(0).InRooster());
    QCOMPARE(vink->item(2)->checkState(), Qt::Checked);
    QCOMPARE(t.Tekst("lblInTeRoosteren"), QString("5"));
    QVERIFY(!samenstellen->isEnabled());

    // The plain list, in collection order: a double click toggles and moves one line down.
    auto* lijst = Zoek<QListWidget>(&d, "lstRooster");
    QCOMPARE(lijst->item(1)->text(), QString("»\tS12\t 12\tSpeler 12"));
    emit lijst->itemDoubleClicked(lijst->item(1));
    QCOMPARE(lijst->item(1)->text(), QString(" \tS12\t 12\tSpeler 12"));
    QCOMPARE(lijst->currentRow(), 2);
    QVERIFY(!t.c.Spelers.At(1).InRooster());
    QCOMPARE(vink->item(4)->checkState(), Qt::Unchecked);
    QCOMPARE(t.Tekst("lblInTeRoosteren"), QString("4"));

    d.reject();
    QCOMPARE(vink->count(), 0); // leaving empties the lists
}

// The real message box: Enter and Escape both answer No; the box is wide enough for its whole
// title, however short the question.
void TestRooster::echteVraagAntwoordtNee() {
    ui::QtGesprek echt;
    for (const int toets : {Qt::Key_Return, Qt::Key_Escape}) {
        BijModaal([toets](QWidget* w) {
            QVERIFY(w->width() >= ui::TitelBreedte(*w));
            QTest::keyClick(w, static_cast<Qt::Key>(toets));
        });
        QCOMPARE(echt.Vraag("?", "Bevestiging", Knoppen::JaNeeStandaardNee, Pictogram::Vraag),
                 Antwoord::Nee);
    }
}

void TestRooster::zwitsersDoorDeDialoog() {
    // The dialog's pairing against the routine's own on a twin competition.
    auto vul = [this](Competitie& c) {
        c.Bestandsnaam = (map_.path() + "/club.xv7").toStdString();
        c.Opties.Rekensysteem = SysteemZwitsers;
        Spelers(c, 6);
        Wedstrijd(c, 1, 1, 2, 2);
        Wedstrijd(c, 1, 3, 4, 1);
        Wedstrijd(c, 1, 5, 6, 0);
    };
    Competitie tweeling;
    vul(tweeling);
    test::ScriptGesprek stil;
    GeenVoortgang niets;
    Roosteromgeving omg{stil, niets};
    QVERIFY(SamenstellenRooster(tweeling, 2, true, false, omg).Gelukt());

    Opstelling t;
    vul(t.c);
    auto& d = t.Open();
    QCOMPARE(Zoek<QSpinBox>(&d, "sbRonde")->value(), 2);
    Zoek<QCheckBox>(&d, "cbDebugfile")->setChecked(true);
    QTest::mouseClick(t.Knop("knopSamenstellen"), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QVERIFY(d.Resultaat() && d.Resultaat()->Gelukt());
    QCOMPARE(d.Resultaat()->VanRonde, 2);
    QCOMPARE(d.Resultaat()->TotRonde, 2);
    QCOMPARE(Paren(t.c, 2), Paren(tweeling, 2));
    QCOMPARE(Paren(t.c, 2).size(), std::size_t(3));
    QVERIFY(t.g.Meldingen.empty());
    // The progress window showed one line per pair and the count, and is gone.
    auto* voortgang = Zoek<QDialog>(&d, "TRoosterVoortgang");
    QVERIFY(!voortgang->isVisible());
    QCOMPARE(Zoek<QListWidget>(voortgang, "lstVoortgang")->count(), 3);
    QCOMPARE(Zoek<QLabel>(voortgang, "lblOnderzocht")->text(),
             QString::number(d.Resultaat()->Onderzocht));
    // "Debugfile" wrote the trace and is remembered for the next session.
    QVERIFY(QFile::exists(map_.path() + "/vULWACHT"));
    t.Open();
    QVERIFY(Zoek<QCheckBox>(&d, "cbDebugfile")->isChecked());
    d.reject();
}

void TestRooster::rondtoernooiDoorDeDialoog() {
    Competitie tweeling;
    Spelers(tweeling, 5);
    QVERIFY(StelStandaardRoosterSamen(tweeling, 1, false).Gelukt());

    Opstelling t;
    Spelers(t.c, 5);
    t.c.Spelers.At(3).WisRooster(); // the round robin ignores the marks
    auto& d = t.Open();
    QCOMPARE(Zoek<QSpinBox>(&d, "sbRonde")->value(), 1);
    Zoek<QSpinBox>(&d, "sbRonde")->setValue(-3); // raised to 1
    Zoek<QRadioButton>(&d, "rbVerwisseld")->setChecked(true);
    QTest::mouseClick(t.Knop("knopSamenstellen"), Qt::LeftButton);
    QVERIFY(d.Resultaat() && d.Resultaat()->Gelukt());
    QCOMPARE(d.Resultaat()->VanRonde, 1);
    QCOMPARE(d.Resultaat()->TotRonde, 5);
    for (int32_t r = 1; r <= 5; ++r) QCOMPARE(Paren(t.c, r), Paren(tweeling, r));
    QCOMPARE(t.c.Wedstrijden.Aantal(), tweeling.Wedstrijden.Aantal());
}

void TestRooster::stopHerstelt() {
    // Through the main window, so that its idle refresh is seen to keep off the competition.
    const QString pad = map_.path() + "/stop.xv7";
    std::size_t aantalWedstrijden = 0;
    int paren = 0;
    {
        // A seeded 35-player season where the favourite always wins: round 15 is the hardest
        // such round we know, seconds even for the search that remembers where it has been,
        // time enough to press Stop.
        auto t = test::SeizoenTot(154, 35, test::Uitslagverdeling::Favoriet, 15);
        Competitie& c = t->c;
        c.Bestandsnaam = pad.toStdString();
        // Group 1 once: a second group on the same group file would read as damaged.
        if (!c.Groepen.Zoek(1)) {
            Deelcompgegevens groep;
            groep.Competitienummer = groep.Bestandsnummer = 1;
            c.Groepen.Voegtoe(groep);
        }
        Wedstrijd(c, 15, 1, 3); // drawn up before: the pairing first deletes it
        aantalWedstrijden = c.Wedstrijden.Aantal();
        paren = c.Spelers.tel_rooster() / 2;
        QVERIFY(SchrijfBestand(c).Ok());
    }
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(w->OpenBijStart(pad.toStdString()));
    const std::string voor = Afdruk(p.c);
    auto* lblWedstrijden = Zoek<QLabel>(w, "lblWedstrijden");
    const QString wedstrijden = lblWedstrijden->text();
    QCOMPARE(wedstrijden, QString::number(aantalWedstrijden));

    // Watches the progress window; once it shows the pair lines, it notes what it saw and
    // presses Stop (always, so that a failed check does not leave the search running).
    bool gezien = false, modaal = false, ververst = false;
    QString titel, regel;
    QTimer kijker;
    kijker.setInterval(5);
    connect(&kijker, &QTimer::timeout, [&] {
        auto* v = w->findChild<QDialog*>("TRoosterVoortgang");
        if (!v || !v->isVisible()) return;
        auto* lijst = Zoek<QListWidget>(v, "lstVoortgang");
        const bool regels = lijst->count() == paren && !lijst->item(0)->text().trimmed().isEmpty();
        if (!regels || Zoek<QLabel>(v, "lblOnderzocht")->text().toLongLong() < 100) return;
        gezien = true;
        modaal = v->isModal();
        titel = v->windowTitle();
        regel = lijst->item(0)->text();
        // The round's old match is gone by now, but the panels do not look.
        w->Ververs();
        ververst = lblWedstrijden->text() == wedstrijden;
        QTest::mouseClick(Zoek<QPushButton>(v, "knopStop"), Qt::LeftButton);
        kijker.stop();
    });
    BijModaal([&](QWidget* d) {
        QCOMPARE(d->objectName(), QString("TRooster"));
        QCOMPARE(Zoek<QSpinBox>(d, "sbRonde")->value(), 15);
        kijker.start();
        QTest::mouseClick(Zoek<QPushButton>(d, "knopSamenstellen"), Qt::LeftButton);
    });
    std::optional<std::pair<int32_t, int32_t>> rapport;
    w->NaRooster = [&](int32_t van, int32_t tot) { rapport = {van, tot}; };
    Zoek<QToolButton>(w, "knopRooster")->click();
    QVERIFY(gezien);
    QVERIFY(modaal);
    QCOMPARE(titel, QString("Vooruitgang roosteren"));
    QVERIFY2(regel.contains(" Speler "), qPrintable(regel));
    QVERIFY(ververst);
    QVERIFY(!rapport); // nothing to report
    QCOMPARE(p.g.Meldingen.size(), std::size_t(1));
    QCOMPARE(p.g.Meldingen[0].first, lang::Tekst(lang::T::RoosterenGestopt));
    QCOMPARE(Afdruk(p.c), voor);
    QCOMPARE(lblWedstrijden->text(), wedstrijden);
}

void TestRooster::meldingenVanDeWerkerBereikenHetGesprek() {
    // A conversation that notes on which thread it was asked.
    struct Draadnoteerder final : Gesprek {
        test::ScriptGesprek& s;
        std::vector<QThread*> draden;
        explicit Draadnoteerder(test::ScriptGesprek& g) : s(g) {}
        Antwoord Vraag(const std::string& t, const std::string& k, Knoppen kn,
                       Pictogram p) override {
            draden.push_back(QThread::currentThread());
            return s.Vraag(t, k, kn, p);
        }
        void Melding(const std::string& t, const std::string& k, Pictogram p) override {
            draden.push_back(QThread::currentThread());
            s.Melding(t, k, p);
        }
        std::optional<std::string> Invoer(const std::string& a, const std::string& b,
                                          const std::string& c) override {
            return s.Invoer(a, b, c);
        }
        std::optional<std::string> KiesBestand(Bestandskeuze& k) override {
            return s.KiesBestand(k);
        }
    };

    // "Kan niet paren" from the Swiss search: 1 has met everybody.
    Competitie c;
    c.Opties.Rekensysteem = SysteemZwitsers;
    Spelers(c, 4);
    Wedstrijd(c, 1, 1, 2, 1);
    Wedstrijd(c, 1, 3, 4, 1);
    Wedstrijd(c, 2, 1, 3, 1);
    Wedstrijd(c, 2, 2, 4, 1);
    Wedstrijd(c, 3, 1, 4, 1);
    Wedstrijd(c, 3, 3, 2, 1);
    test::ScriptGesprek script;
    Draadnoteerder noteerder(script);
    Ini ini;
    ui::Omgeving o{c, noteerder, ini, {}};
    ui::RoosterDialoog d(o, nullptr);
    d.show();
    QTest::mouseClick(Zoek<QPushButton>(&d, "knopSamenstellen"), Qt::LeftButton);
    QCOMPARE(d.Resultaat()->Uitkomst, Roosteruitkomst::KanNietParen);
    QCOMPARE(script.Meldingen.size(), std::size_t(1));
    QCOMPARE(script.Meldingen[0].first, std::string("Kan niet paren"));
    QCOMPARE(noteerder.draden, std::vector<QThread*>{QThread::currentThread()});

    // A question from a worker thread waits for its answer; what the answer throws reaches
    // the worker.
    ui::DraadGesprek draad(noteerder, &d);
    script.Antwoorden = {Antwoord::Nee};
    Antwoord antwoord = Antwoord::Ok;
    bool gegooid = false;
    QThread* werker = QThread::create([&] {
        antwoord = draad.Vraag("Doorgaan?", "Bevestiging", Knoppen::JaNee, Pictogram::Vraag);
        try {
            draad.Vraag("Nog een?", "Bevestiging", Knoppen::JaNee, Pictogram::Vraag);
        } catch (const std::logic_error&) {
            gegooid = true;
        }
    });
    werker->start();
    while (!werker->wait(5)) QCoreApplication::processEvents();
    delete werker;
    QCOMPARE(antwoord, Antwoord::Nee);
    QVERIFY(gegooid);
    QCOMPARE(noteerder.draden.size(), std::size_t(3));
    for (QThread* t : noteerder.draden) QCOMPARE(t, QThread::currentThread());
}

void TestRooster::hoofdvensterRoostert() {
    // Four Swiss players of whom only 1 and 2 played: the pre-check asks.
    const QString pad = map_.path() + "/zwitsers.xv7";
    {
        Competitie c;
        c.Bestandsnaam = pad.toStdString(); // with its one group, file number 1
        c.Opties.Rekensysteem = SysteemZwitsers;
        Spelers(c, 4);
        Wedstrijd(c, 1, 1, 2, 2);
        QVERIFY(SchrijfBestand(c).Ok());
    }
    test::Programma p(map_.path(), "hoofd.INI");
    auto* w = p.venster.get();
    for (const char* k : {"knopRooster", "knopRoosterNieuw"})
        QVERIFY(!Zoek<QToolButton>(w, k)->isEnabled());
    QVERIFY(!Zoek<QAction>(w, "mnuRoosterMaken")->isEnabled());
    QVERIFY(w->OpenBijStart(pad.toStdString()));
    for (const char* k : {"knopRooster", "knopRoosterNieuw"})
        QVERIFY(Zoek<QToolButton>(w, k)->isEnabled());
    QVERIFY(Zoek<QAction>(w, "mnuRoosterMaken")->isEnabled());

    std::vector<std::pair<int32_t, int32_t>> rapporten;
    w->NaRooster = [&](int32_t van, int32_t tot) { rapporten.emplace_back(van, tot); };
    for (Antwoord a : {Antwoord::Nee, Antwoord::Annuleren}) {
        p.g.Antwoorden = {a};
        bool geopend = false;
        QTimer::singleShot(0, [&] {
            if (auto* d = QApplication::activeModalWidget()) {
                geopend = true;
                qobject_cast<QDialog*>(d)->reject();
            }
        });
        Zoek<QAction>(w, "mnuRoosterMaken")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!geopend);
    }
    QCOMPARE(p.g.Vragen.size(), std::size_t(2));
    QCOMPARE(p.g.Vragen[0].Tekst, lang::Tekst(lang::T::OngelijkAantalGespeeld));
    QCOMPARE(p.g.Vragen[0].Titel, std::string("Waarschuwing"));
    QCOMPARE(p.g.Vragen[0].Knoppen, Knoppen::JaNeeAnnuleren);

    p.g.Antwoorden = {Antwoord::Ja};
    BijModaal([&](QWidget* d) {
        QCOMPARE(d->objectName(), QString("TRooster"));
        QTest::mouseClick(Zoek<QPushButton>(d, "knopSamenstellen"), Qt::LeftButton);
    });
    Zoek<QToolButton>(w, "knopRoosterNieuw")->click();
    QCOMPARE(rapporten, (std::vector<std::pair<int32_t, int32_t>>{{2, 2}}));
    QCOMPARE(Paren(p.c, 2).size(), std::size_t(2));
    QCOMPARE(Zoek<QLabel>(w, "lblWedstrijden")->text(), QString("3"));

    // The rounds dialog's request comes in through the same door; Cancel reports nothing.
    p.g.Antwoorden = {Antwoord::Ja};
    BijModaal([&](QWidget* d) {
        // Help (and F1, which does the same) opens the dialog's chapter of the guide.
        QTest::mouseClick(Zoek<QPushButton>(d, "knopHelp"), Qt::LeftButton);
        QVERIFY(w->Help()->isVisible());
        QCOMPARE(w->Help()->Browser()->source().fragment(), QString("rooster"));
        QTest::mouseClick(Zoek<QPushButton>(d, "knopAnnuleren"), Qt::LeftButton);
    });
    w->RoosterMaken();
    QCOMPARE(rapporten.size(), std::size_t(1));
}

VELKARO_TESTKLASSE(TestRooster)
#include "test_rooster.moc"
