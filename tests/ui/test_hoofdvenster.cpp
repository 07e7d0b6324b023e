// The desktop program driven as a user drives it: the real main window and dialogs, found by
// object name, with the questions and file dialogs answered by the scripted conversation.
#ifndef Q_MOC_RUN // moc reads the Qt headers only
#include "../entry/maak.h"
#include "entry/ini.h"
#include "hulp.h"
#include "lang/teksten.h"
#include "storage/competitiebestand.h"
#include "ui/helpvenster.h"
#endif

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

using namespace velkaro;
using velkaro::test::BijModaal;
using velkaro::test::Zoek;

class TestHoofdvenster : public QObject {
    Q_OBJECT

    QTemporaryDir map_;
    QString Pad(const QString& naam) const { return map_.path() + "/" + naam; }
    // A copy of the demo competition in the scratch folder.
    std::string Demo() const { return test::KopieerDemo(map_.path()); }

private slots:
    void init();
    void openenOpslaanEnNieuw();
    void recenteBestandenEnOnbekendeTaal();
    void groependialoog();
    void instellingendialoog();
    void toernooigegevensVraag();
    void engelsInDeStatusbalkNaWisselen();
    void afsluitenMeldtEenFout();
    void f1OpentHetHulpstuk();
    void publicerenVanuitHetUitvoermenu();
    void vensterOverHetHoofdvenster();
    void rondgangVanEenNieuweGebruiker();
};

namespace {

QString Status(test::Programma& p, int i) {
    return Zoek<QLabel>(p.venster.get(), qPrintable(QString("status%1").arg(i)))->text();
}

} // namespace

void TestHoofdvenster::init() {
    lang::KiesTaal(lang::Taal::Nederlands);
    for (const QString& f : QDir(map_.path()).entryList(QDir::Files)) QFile::remove(Pad(f));
}

// A start without a settings file: no recent files, nothing to save; then the demo opened,
// saved, and a new competition over an existing and a new name.
void TestHoofdvenster::openenOpslaanEnNieuw() {
    const std::string demo = Demo();
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    for (const char* r : {"mnuRecent1", "mnuRecent2", "mnuRecent3", "mnuRecent4"})
        QVERIFY(!Zoek<QAction>(w, r)->isVisible());
    QVERIFY(!Zoek<QToolButton>(w, "knopSnelladen")->isVisible());
    QVERIFY(!Zoek<QAction>(w, "mnuOpslaan")->isEnabled());
    QVERIFY(!Zoek<QAction>(w, "mnuWisselen")->isEnabled());
    QVERIFY(!Zoek<QToolButton>(w, "knopInstellingen")->isEnabled());
    QCOMPARE(p.c.Werkmap, map_.path().toStdString() + "/");
    QVERIFY(w->windowTitle().startsWith("Velkaro "));
    p.g.Bestanden = {demo};
    QTest::mouseClick(Zoek<QToolButton>(w, "knopOpenen"), Qt::LeftButton);
    QCOMPARE(p.g.Keuzes.size(), std::size_t(1));
    QCOMPARE(p.g.Keuzes[0].Map, map_.path().toStdString() + "/");
    QCOMPARE(w->windowTitle(), QString("Velkaro - club.xv7"));
    QCOMPARE(Status(p, 2), QString("Sp: 14"));
    QCOMPARE(Zoek<QLabel>(w, "lblGroepen")->text(), QString("Aantal competities: 6"));
    QVERIFY(Zoek<QAction>(w, "mnuOpslaan")->isEnabled());
    QVERIFY(Zoek<QAction>(w, "mnuSpelers")->isEnabled());

    Zoek<QAction>(w, "mnuOpslaan")->trigger();
    QCOMPARE(p.g.Meldingen.back().first, "Bestand " + demo + " weggeschreven");

    // New over an existing name: the question, and No changes nothing.
    p.g.Bestanden = {demo};
    p.g.Antwoorden = {Antwoord::Nee};
    Zoek<QAction>(w, "mnuNieuw")->trigger();
    QCOMPARE(p.g.Vragen.back().Tekst, std::string("Overschrijven?"));
    QCOMPARE(p.c.Spelers.Aantal(), std::size_t(14));
    // A new name: the loaded competition is saved without a question, the new one made.
    p.c.Spelers.At(0).W().Naam = "Nieuwe naam";
    const std::size_t vragen = p.g.Vragen.size();
    p.g.Bestanden = {Pad("nieuw").toStdString()};
    Zoek<QAction>(w, "mnuNieuw")->trigger();
    QCOMPARE(p.g.Vragen.size(), vragen);
    QCOMPARE(w->windowTitle(), QString("Velkaro - nieuw.xv7"));
    QCOMPARE(Status(p, 2), QString("Sp: 0"));
    QVERIFY(QFile::exists(Pad("nieuw.101")));
    Competitie terug;
    QVERIFY(LeesBestand(terug, demo).Ok());
    QCOMPARE(terug.Spelers.At(0).G().Naam, std::string("Nieuwe naam"));
}

// The recent files after a save and across a restart: a file gone since is left out of the
// menu and the quick-load button opens the first; an unknown language in the settings is Dutch.
void TestHoofdvenster::recenteBestandenEnOnbekendeTaal() {
    const std::string demo = Demo();
    {
        Competitie tweede;
        test::MaakCompetitie(tweede, Pad("tweede.xv7").toStdString(), {"Tweede"}, {1}, 1);
        test::Programma p(map_.path());
        auto* w = p.venster.get();
        QVERIFY(w->OpenBijStart(demo));
        QVERIFY(w->OpenBijStart(Pad("tweede.xv7").toStdString())); // saves the demo
        Zoek<QAction>(w, "mnuOpslaan")->trigger();
        w->Ververs();
        QCOMPARE(Zoek<QAction>(w, "mnuRecent1")->data().toString(), Pad("tweede.xv7"));
        QCOMPARE(Zoek<QAction>(w, "mnuRecent2")->data().toString(), Pad("club.xv7"));
        QVERIFY(!Zoek<QAction>(w, "mnuRecent3")->isVisible());
        QVERIFY(w->close());
    }
    Ini ini = Ini::Lees(Pad("velkaro.INI").toStdString());
    QCOMPARE(ini.Waarde("Bestanden", "File_1").value_or(""), Pad("tweede.xv7").toStdString());
    QCOMPARE(ini.Waarde("Bestanden", "File_2").value_or(""), demo);
    QCOMPARE(ini.Waarde("Bestanden", "Taal").value_or(""), std::string("Nederlands"));
    QVERIFY(ini.Getal("WindowsRestorer", "TForm1_Width").has_value());

    QFile::remove(Pad("club.xv7"));
    ini.Zet("Bestanden", "Taal", "Klingon");
    QVERIFY(ini.Schrijf(Pad("velkaro.INI").toStdString()).Ok());
    lang::KiesTaal(lang::Taal::Engels); // what an earlier window left behind
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QCOMPARE(lang::HuidigeTaal(), lang::Taal::Nederlands);
    QCOMPARE(Zoek<QMenu>(w, "mnuGegevens")->title(), QString("&Gegevens"));
    QVERIFY(Zoek<QAction>(w, "mnuRecent1")->isVisible());
    QVERIFY(!Zoek<QAction>(w, "mnuRecent2")->isVisible());
    auto* snel = Zoek<QToolButton>(w, "knopSnelladen");
    QVERIFY(snel->isVisible());
    QCOMPARE(snel->text(), QString("tweede.xv7"));
    QTest::mouseClick(snel, Qt::LeftButton);
    QCOMPARE(Status(p, 2), QString("Sp: 1"));
    QVERIFY(!snel->isVisible()); // only while nothing is loaded
}

// The groups dialog on the open group of three: the first line selected on opening, the open
// group deleted after the question, a new group numbered 5, and "&Kies" on the first line.
void TestHoofdvenster::groependialoog() {
    {
        Competitie c;
        test::MaakCompetitie(c, Pad("drie.xv7").toStdString(), {"Een", "Twee", "Drie"}, {1, 2, 3},
                             2);
    }
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(w->OpenBijStart(Pad("drie.xv7").toStdString()));
    QCOMPARE(Status(p, 0), QString("2 Twee"));
    p.g.Antwoorden = {Antwoord::Ja};
    p.g.Invoeren = {std::string("5")};
    BijModaal([&](QWidget* d) {
        QCOMPARE(d->objectName(), QString("TDeelComp"));
        auto* lijst = Zoek<QListWidget>(d, "lijstGroepen");
        QAbstractItemModelTester tester(lijst->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(lijst->currentRow(), 0);
        lijst->setCurrentRow(1);
        QTest::mouseClick(Zoek<QPushButton>(d, "knopVerwijder"), Qt::LeftButton);
        QVERIFY(!QFile::exists(Pad("drie.102")));
        QCOMPARE(lijst->count(), 2);
        QVERIFY(lijst->item(0)->text().startsWith("    1 - Een"));
        QVERIFY(lijst->item(1)->text().startsWith("    3 - Drie"));
        QTest::mouseClick(Zoek<QPushButton>(d, "knopNieuw"), Qt::LeftButton);
        QCOMPARE(lijst->count(), 3);
        QVERIFY(lijst->currentItem()->text().startsWith("    5 - "));
        lijst->setCurrentRow(0);
        QTest::mouseClick(Zoek<QPushButton>(d, "knopKies"), Qt::LeftButton);
    });
    Zoek<QAction>(w, "mnuWisselen")->trigger();
    QCOMPARE(p.g.Vragen.at(0).Tekst, std::string("Verwijder competitiegroep 2 Twee?"));
    QCOMPARE(p.g.Invoerkaders.at(0).second, std::string("2")); // first free number
    QVERIFY(QFile::exists(Pad("drie.102")));                   // the new group's file
    QCOMPARE(p.c.Groepen.Zoek(2)->G().Competitienummer, 5);
    QCOMPARE(p.c.HuidigeDeelcomp, 1);
    QCOMPARE(Status(p, 0), QString("1 Een"));
    QCOMPARE(Zoek<QLabel>(w, "lblGroepen")->text(), QString("Aantal competities: 3"));
}

// The settings dialog: a Swiss sort order typed in is kept or, unknown, replaced by the standard
// with a message; KNDB Delfts hides the points, chess notation turns it off again.
void TestHoofdvenster::instellingendialoog() {
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(w->OpenBijStart(Demo()));
    for (auto [getypt, verwacht] : {std::pair{"389", 389}, {"21", 47}}) {
        BijModaal([&, getypt = getypt](QWidget* d) {
            QCOMPARE(d->objectName(), QString("TVKInstelling"));
            Zoek<QRadioButton>(d, "rbZwitsers")->click();
            auto* veld = Zoek<QLineEdit>(d, "edSorteervolgorde");
            veld->selectAll();
            QTest::keyClick(veld, Qt::Key_Backspace);
            QTest::keyClicks(veld, getypt);
            QTest::mouseClick(Zoek<QPushButton>(d, "knopOk"), Qt::LeftButton);
        });
        Zoek<QAction>(w, "mnuInstellingen")->trigger();
        QCOMPARE(p.c.Opties.Rekensysteem, uint16_t(SysteemZwitsers));
        QCOMPARE(p.c.Opties.Sorteervolgorde, verwacht);
    }
    QCOMPARE(p.g.Meldingen.size(), std::size_t(1));
    QCOMPARE(p.g.Meldingen[0].first,
             std::string("Sorteervolgorde onjuist - aangepast aan standaard"));
    BijModaal([&](QWidget* d) {
        QVERIFY(Zoek<QLineEdit>(d, "edWinst")->isVisible());
        QVERIFY(!Zoek<QCheckBox>(d, "cbFMJD64")->isVisible()); // no FMJD lists
        Zoek<QCheckBox>(d, "cbKNDBDelfts")->click();
        QVERIFY(!Zoek<QLineEdit>(d, "edWinst")->isVisible());
        Zoek<QCheckBox>(d, "cbSchaaknotatie")->click();
        QVERIFY(!Zoek<QCheckBox>(d, "cbKNDBDelfts")->isChecked());
        QCOMPARE(Zoek<QLineEdit>(d, "edWinst")->text(), QString("2"));
        QTest::mouseClick(Zoek<QPushButton>(d, "knopOk"), Qt::LeftButton);
    });
    Zoek<QAction>(w, "mnuInstellingen")->trigger();
    const auto& o = p.c.Opties;
    QCOMPARE(o.PuntenWinst, 2);
    QCOMPARE(o.PuntenRemise, 1);
    QCOMPARE(o.PuntenVerlies, 0);
    QVERIFY(o.Schaaknotatie());
    QVERIFY(!o.KNDBDelfts());
}

void TestHoofdvenster::toernooigegevensVraag() {
    const std::string demo = Demo();
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(w->OpenBijStart(demo));
    // Annuleren, then No to "discard the changes?": they are kept, dates typed as digits (Yes
    // and OK are the core's).
    p.g.Antwoorden = {Antwoord::Nee};
    BijModaal([&](QWidget* d) {
        auto* veld = Zoek<QLineEdit>(d, "edToernooinaam");
        QCOMPARE(veld->text().toStdString(), p.c.Opties.Toernooinaam);
        veld->setText("Zomeravond");
        auto* van = Zoek<QLineEdit>(d, "edGespeeldVan");
        van->setFocus();
        van->home(false);
        QTest::keyClicks(van, "03092026");
        QTest::mouseClick(Zoek<QPushButton>(d, "knopAnnuleren"), Qt::LeftButton);
    });
    Zoek<QAction>(w, "mnuToernooigegevens")->trigger();
    QCOMPARE(p.g.Vragen.back().Tekst, std::string("Wijzigingen niet opslaan?"));
    QCOMPARE(p.c.Opties.Toernooinaam, std::string("Zomeravond"));
    QCOMPARE(p.c.Toernooi.SpeelVan, std::string("03092026"));
    QVERIFY(p.c.Gewijzigd);
    QCOMPARE(Status(p, 0), QString("1 Zomeravond"));
    // Shown again with the dashes.
    BijModaal([&](QWidget* d) {
        QCOMPARE(Zoek<QLineEdit>(d, "edGespeeldVan")->displayText(), QString("03-09-2026"));
        QTest::mouseClick(Zoek<QPushButton>(d, "knopOk"), Qt::LeftButton);
    });
    Zoek<QAction>(w, "mnuToernooigegevens")->trigger();
}

void TestHoofdvenster::engelsInDeStatusbalkNaWisselen() {
    const std::string demo = Demo();
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(w->OpenBijStart(demo));
    QVERIFY(Status(p, 5).startsWith("Zwitsers "));
    // Qt's own dialogs speak the program's language too.
    const auto qtTekst = [] { return QCoreApplication::translate("QFileDialog", "Look in:"); };
    QCOMPARE(qtTekst(), QString("Zoeken in:"));
    BijModaal([&](QWidget* d) {
        QCOMPARE(d->objectName(), QString("TVKTaal"));
        Zoek<QRadioButton>(d, "rbEngels")->click();
        QCOMPARE(Zoek<QRadioButton>(d, "rbNederlands")->text(), QString("&Dutch"));
        QCOMPARE(d->windowTitle(), QString("Change language"));
        QVERIFY(!Zoek<QRadioButton>(d, "rbR")->isVisible()); // no language: not offered
        Zoek<QRadioButton>(d, "rbR")->click();               // and no effect
        QTest::mouseClick(Zoek<QPushButton>(d, "knopAnnuleren"), Qt::LeftButton);
    });
    Zoek<QAction>(w, "mnuTaal")->trigger();
    QTRY_VERIFY(Status(p, 5).startsWith("Swiss "));
    QCOMPARE(Status(p, 2), QString("Pl: 14"));
    QCOMPARE(Zoek<QMenu>(w, "mnuBestand")->title(), QString("&File"));
    QCOMPARE(qtTekst(), QString("Look in:"));
    QVERIFY(w->close());
    QCOMPARE(Ini::Lees(Pad("velkaro.INI").toStdString()).Waarde("Bestanden", "Taal").value_or(""),
             std::string("Engels"));
    lang::KiesTaal(lang::Taal::Nederlands);
}

// The main file's place taken by a folder: the save at closing fails, is shown, and No stays.
void TestHoofdvenster::afsluitenMeldtEenFout() {
    const std::string demo = Demo();
    test::Programma q(map_.path());
    QVERIFY(q.venster->OpenBijStart(demo));
    QFile::remove(Pad("club.xv7"));
    QVERIFY(QDir(map_.path()).mkpath("club.xv7/bezet"));
    q.g.Antwoorden = {Antwoord::Nee};
    QVERIFY(!q.venster->close());
    QCOMPARE(q.g.Meldingen.size(), std::size_t(1));
    QCOMPARE(q.g.Meldingen[0].second, std::string("Fout"));
    q.g.Antwoorden = {Antwoord::Ja};
    QVERIFY(q.venster->close());
    QDir(Pad("club.xv7")).removeRecursively();
}

void TestHoofdvenster::f1OpentHetHulpstuk() {
    const std::string demo = Demo();
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(w->OpenBijStart(demo));
    BijModaal([&](QWidget* d) {
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTest::keyClick(d, Qt::Key_F1);
        QVERIFY(w->Help()->isVisible());
        QCOMPARE(w->Help()->Browser()->source().fragment(), QString("instellingen"));
        QTest::mouseClick(Zoek<QPushButton>(d, "knopAnnuleren"), Qt::LeftButton);
    });
    Zoek<QAction>(w, "mnuInstellingen")->trigger();
    // The Help button opens the dialog's own section too; cancelling asks to drop the edits.
    p.g.Antwoorden = {Antwoord::Ja};
    BijModaal([&](QWidget* d) {
        QTest::mouseClick(Zoek<QPushButton>(d, "knopHelp"), Qt::LeftButton);
        QCOMPARE(w->Help()->Browser()->source().fragment(), QString("toernooigegevens"));
        QTest::mouseClick(Zoek<QPushButton>(d, "knopAnnuleren"), Qt::LeftButton);
    });
    Zoek<QAction>(w, "mnuToernooigegevens")->trigger();
    Zoek<QAction>(w, "mnuHelp")->trigger();
    QVERIFY(w->Help()->isVisible());
    QVERIFY(w->Help()->Browser()->toPlainText().contains("Velkaro"));
}

// A dialog and the help window without a remembered place open over the main window, wholly
// on the screen.
void TestHoofdvenster::vensterOverHetHoofdvenster() {
    const std::string demo = Demo();
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    QVERIFY(w->OpenBijStart(demo));
    const QRect scherm = w->screen()->availableGeometry();
    w->resize(std::min(600, scherm.width() - 60), std::min(420, scherm.height() - 60));
    w->move(scherm.x() + 40, scherm.y() + 30);
    QCoreApplication::processEvents();
    const QPoint midden = w->frameGeometry().center();
    const auto erover = [&](const QWidget* v) {
        const QRect r = v->frameGeometry();
        // The title bar is on the screen, and so is the whole window where it fits.
        QVERIFY2(r.top() >= scherm.top() && r.left() >= scherm.left(), qPrintable(v->objectName()));
        if (r.width() <= scherm.width() && r.height() <= scherm.height())
            QVERIFY2(scherm.contains(r), qPrintable(v->objectName()));
        // Centred on the main window as far as the screen allows.
        const QPoint m = midden, a = r.center();
        QVERIFY2(std::abs(a.x() - m.x()) <= 3 || r.left() <= scherm.left() + 1 ||
                     r.right() >= scherm.right() - 1,
                 qPrintable(v->objectName()));
        QVERIFY2(std::abs(a.y() - m.y()) <= 3 || r.top() <= scherm.top() + 1 ||
                     r.bottom() >= scherm.bottom() - 1,
                 qPrintable(v->objectName()));
    };
    BijModaal([&](QWidget* d) {
        erover(d);
        test::LabelsVrij(d);
        QTest::mouseClick(Zoek<QPushButton>(d, "knopAnnuleren"), Qt::LeftButton);
    });
    Zoek<QAction>(w, "mnuInstellingen")->trigger();
    Zoek<QAction>(w, "mnuHelp")->trigger();
    QVERIFY(w->Help()->isVisible());
    erover(w->Help());
}

// Open the demo, switch groups, change a setting, exit: everything saved, nothing asked.
void TestHoofdvenster::publicerenVanuitHetUitvoermenu() {
    const std::string demo = Demo();
    const std::string site = Pad("site").toStdString();
    QDir(Pad("site")).removeRecursively();
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    auto* menu = Zoek<QAction>(w, "mnuPubliceren");
    QVERIFY(!menu->isEnabled()); // nothing loaded
    QVERIFY(w->OpenBijStart(demo));
    auto* naOpslaan = Zoek<QAction>(w, "mnuPubliceerNaOpslaan");
    QVERIFY(menu->isEnabled());
    QVERIFY(!naOpslaan->isChecked());

    // The competition's own folder is refused and not remembered.
    p.g.Bestanden = {map_.path().toStdString()};
    menu->trigger();
    QVERIFY(p.g.Keuzes.back().Mapkeuze);
    QCOMPARE(p.g.Meldingen.back().second, std::string("Fout"));
    QVERIFY(!QFile::exists(Pad("index.html")));

    p.g.Bestanden = {site};
    menu->trigger();
    QCOMPARE(p.g.Keuzes.back().Map, map_.path().toStdString());
    QVERIFY(p.g.Meldingen.back().first.rfind("De website is gepubliceerd in " + site, 0) == 0);
    QVERIFY(QFile::exists(Pad("site/index.html")));
    QVERIFY(QFile::exists(Pad("site/groep-6/index.html")));

    // The folder is proposed the next time; cancelling publishes nothing.
    p.g.Bestanden = {std::nullopt};
    menu->trigger();
    QCOMPARE(p.g.Keuzes.back().Map, site);

    // Publish after every save: the next save brings the changed name onto the site.
    naOpslaan->trigger();
    QVERIFY(naOpslaan->isChecked());
    p.c.Spelers.At(0).W().Naam = "Gepubliceerd, N.";
    p.c.Gewijzigd = true;
    const std::size_t keuzes = p.g.Keuzes.size();
    Zoek<QAction>(w, "mnuOpslaan")->trigger();
    QCOMPARE(p.g.Keuzes.size(), keuzes); // no folder question
    QVERIFY(test::LeesAlles(Pad("site/groep-1/deelnemers.html")).contains("Gepubliceerd, N."));

    // Remembered for this competition across a restart of the program.
    p.venster->close();
    test::Programma q(map_.path());
    QVERIFY(q.venster->OpenBijStart(demo));
    QVERIFY(Zoek<QAction>(q.venster.get(), "mnuPubliceerNaOpslaan")->isChecked());
    q.g.Bestanden = {std::nullopt};
    Zoek<QAction>(q.venster.get(), "mnuPubliceren")->trigger();
    QCOMPARE(q.g.Keuzes.back().Map, site);
}

void TestHoofdvenster::rondgangVanEenNieuweGebruiker() {
    const std::string demo = Demo();
    test::Programma p(map_.path());
    auto* w = p.venster.get();
    p.g.Bestanden = {demo};
    Zoek<QAction>(w, "mnuOpenen")->trigger();
    BijModaal([&](QWidget* d) {
        auto* lijst = Zoek<QListWidget>(d, "lijstGroepen");
        const QPoint regel = lijst->visualItemRect(lijst->item(1)).center();
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, regel);
        QTest::mouseDClick(lijst->viewport(), Qt::LeftButton, {}, regel);
    });
    QTest::mouseClick(Zoek<QToolButton>(w, "knopWisselen"), Qt::LeftButton);
    QCOMPARE(p.c.HuidigeDeelcomp, 2);
    QCOMPARE(Status(p, 5), QString("Rondtoernooi Winst   "));
    BijModaal([&](QWidget* d) {
        Zoek<QCheckBox>(d, "cbPlusMin")->click();
        QTest::mouseClick(Zoek<QPushButton>(d, "knopOk"), Qt::LeftButton);
    });
    QTest::mouseClick(Zoek<QToolButton>(w, "knopInstellingen"), Qt::LeftButton);
    QTest::mouseClick(Zoek<QToolButton>(w, "knopAfsluiten"), Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QVERIFY(p.g.Vragen.empty());
    QVERIFY(p.g.Meldingen.empty());
    Competitie terug;
    QVERIFY(LeesBestand(terug, demo).Ok());
    QCOMPARE(terug.HuidigeDeelcomp, 2);
    QCOMPARE(terug.Opties.PuntenWinst, 4);
    QCOMPARE(terug.Opties.PuntenPlusRemise, 3);
}

VELKARO_TESTKLASSE(TestHoofdvenster)
#include "test_hoofdvenster.moc"
