// The player register, the player entry dialog and the categories dialog driven by object
// name, with their questions answered by the scripted conversation.
#ifndef Q_MOC_RUN // moc reads the Qt headers only
#include "../entry/hulp.h"
#include "../storage/hulp.h"
#include "../storage/ratingbestanden.h"
#include "hulp.h"
#include "lang/teksten.h"
#include "storage/competitiebestand.h"
#include "ui/categoriedialoog.h"
#include "ui/spelerinvoer.h"
#include "ui/spelerlijst.h"
#include "ui/spelermodel.h"
#endif

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

using namespace velkaro;
using velkaro::test::BijModaal;
using velkaro::test::Zoek;

class TestSpelers : public QObject {
    Q_OBJECT

    QTemporaryDir map_;

private slots:
    void init();
    void toetsenEnTeller();
    void ingevenNaamEnWeigeringen();
    void snelIngeven();
    void willekeurigMetMaximum();
    void automatischNummeren();
    void kolomweergaveSorteert();
    void ratinglijsten();
    void categorieen();
    void f1OpentHetEigenHulpstuk();
};

namespace {

// A register on its own competition, shown as the main window shows it.
struct Register : test::Dialoogomgeving {
    explicit Register(const std::vector<std::pair<std::string, int32_t>>& spelers = {},
                      uint16_t systeem = SysteemNormaal, bool kolommen = false) {
        c.Opties.Rekensysteem = systeem;
        c.Opties.ZetVlag(VlagTestopties, kolommen);
        int32_t nummer = 0;
        for (const auto& [naam, rating] : spelers) test::VoegSpelerToe(c, ++nummer, naam, rating);
        d = std::make_unique<ui::SpelerLijstDialoog>(o, nullptr);
        d->show();
        QApplication::processEvents();
    }
    QString Teller() {
        QApplication::processEvents(); // the counter follows a key after the view moved
        return Zoek<QLabel>(d.get(), "lblTeller")->text();
    }
    QAbstractItemView* View() {
        return c.Opties.Testopties() ? static_cast<QAbstractItemView*>(kolommen())
                                     : Zoek<QListView>(d.get(), "lijstSpelers");
    }
    QTreeView* kolommen() { return Zoek<QTreeView>(d.get(), "kolommenSpelers"); }
    void Toets(int toets) { QTest::keyClick(View(), static_cast<Qt::Key>(toets)); }
    QPushButton* Knop(const char* naam) { return Zoek<QPushButton>(d.get(), naam); }
    const TSpelerObj* Speler(const std::string& naam) {
        for (const auto& s : c.Spelers)
            if (s->G().Naam == naam) return s.get();
        return nullptr;
    }
    // The names down the view.
    QStringList Namen() {
        QStringList n;
        auto* m = View()->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            const auto* s = c.Spelers.zoekptr(m->index(r, 0).data(Qt::UserRole).toInt());
            n << QString::fromStdString(s ? s->G().Naam : "?");
        }
        return n;
    }

    std::unique_ptr<ui::SpelerLijstDialoog> d;
};

void VulIn(QWidget* invoer, const QString& naam, const char* veld = "EdNaam") {
    Zoek<QLineEdit>(invoer, veld)->setText(naam);
}

} // namespace

void TestSpelers::init() {
    lang::KiesTaal(lang::Taal::Nederlands);
}

void TestSpelers::toetsenEnTeller() {
    Register r({{"Anna", 1500}, {"Bert", 1400}, {"Cees", 1300}, {"Dirk", 1200}, {"Evert", 1100}});
    QAbstractItemModelTester tester(r.d->Model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(r.Teller(), QString("1/5"));
    r.Toets(Qt::Key_Down);
    r.Toets(Qt::Key_Down);
    QCOMPARE(r.Teller(), QString("3/5"));

    // Delete asks first (what No and Yes do to the games is the core's).
    r.g.Antwoorden = {Antwoord::Ja};
    r.Toets(Qt::Key_Delete);
    QCOMPARE(r.g.Vragen.at(0).Tekst, std::string("Speler Cees verwijderen?"));
    QCOMPARE(r.Teller(), QString("3/4"));
    QCOMPARE(r.Namen(), QStringList({"Anna", "Bert", "Dirk", "Evert"}));

    // Insert: the first free drawing number, and the new line is selected.
    BijModaal([](QWidget* invoer) {
        VulIn(invoer, "Frits");
        Zoek<QPushButton>(invoer, "knopOk")->click();
    });
    r.Toets(Qt::Key_Insert);
    QCOMPARE(r.Speler("Frits")->G().Lotingnummer, 3);
    QCOMPARE(r.Teller(), QString("3/5"));

    // F3 searches from the line after the selected one, without regard to case.
    r.g.Invoeren = {std::string("vER")};
    r.Toets(Qt::Key_F3);
    QCOMPARE(r.Teller(), QString("5/5"));

    // Space, Enter and Return open the selected player; Cancel changes nothing.
    for (int toets : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QString getoond;
        BijModaal([&](QWidget* invoer) {
            getoond = Zoek<QLineEdit>(invoer, "EdNaam")->text();
            Zoek<QPushButton>(invoer, "knopAnnuleren")->click();
        });
        r.Toets(toets);
        QCOMPARE(getoond, QString("Evert"));
    }
    // Changing through the dialog moves the selection to the next line.
    r.Toets(Qt::Key_Home);
    QCOMPARE(r.Teller(), QString("1/5"));
    BijModaal([](QWidget* invoer) {
        VulIn(invoer, "Amersfoort", "EdPlaats");
        Zoek<QPushButton>(invoer, "knopOk")->click();
    });
    const QPoint regel = r.View()->visualRect(r.View()->model()->index(0, 0)).center();
    QTest::mouseClick(r.View()->viewport(), Qt::LeftButton, {}, regel);
    QTest::mouseDClick(r.View()->viewport(), Qt::LeftButton, {}, regel);
    QCOMPARE(r.Speler("Anna")->G().Plaats, std::string("Amersfoort"));
    QCOMPARE(r.Teller(), QString("2/5"));
    // Any other key only brings the counter up to date.
    r.Toets(Qt::Key_End);
    QCOMPARE(r.Teller(), QString("5/5"));
}

void TestSpelers::ingevenNaamEnWeigeringen() {
    Register r({{"Anna", 1500}});
    Zoek<QRadioButton>(r.d.get(), "rbIngeven")->click();
    bool openNaFout = false;
    BijModaal([&](QWidget* invoer) {
        auto* nummer = Zoek<QLineEdit>(invoer, "EdLotingNr");
        QVERIFY(nummer->isEnabled());
        auto* naam = Zoek<QLineEdit>(invoer, "EdNaam");
        naam->setText("Anna");
        QFocusEvent weg(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(naam, &weg);
        QCOMPARE(r.g.Meldingen.size(), std::size_t(1));
        QCOMPARE(r.g.Meldingen[0].first, std::string("Naam speler al ingevoerd"));
        QVERIFY(invoer->isVisible()); // a warning only
        // A number that is not a number is refused; the dialog stays open.
        nummer->setText("7x");
        Zoek<QPushButton>(invoer, "knopOk")->click();
        openNaFout = invoer->isVisible() && r.g.Meldingen.size() == 2;
        nummer->setText("7");
        naam->setText("Anna Zwart");
        Zoek<QPushButton>(invoer, "knopOk")->click();
    });
    r.Knop("knopNieuw")->click();
    QVERIFY(openNaFout);
    QCOMPARE(r.c.Spelers.Aantal(), std::size_t(2));
    QCOMPARE(r.Speler("Anna Zwart")->G().Lotingnummer, 7);
    // The mode is kept with the competition when the register closes.
    r.d->accept();
    QCOMPARE(r.c.LotingModus, uint16_t(2));
}

// Quick entry: Space asks the drawing number of the selected player; the selection stays on the
// first line, whoever stands there now (the refusals are the core's).
void TestSpelers::snelIngeven() {
    Register r({{"Anna", 1500}, {"Bert", 1400}, {"Cees", 1300}});
    Zoek<QCheckBox>(r.d.get(), "cbSnelIngeven")->setChecked(true);
    r.g.Invoeren = {std::string("12")};
    r.Toets(Qt::Key_Space);
    QCOMPARE(r.g.Invoerkaders.at(0).first, std::string("Invoeren lotingnummer"));
    QCOMPARE(r.Speler("Anna")->G().Lotingnummer, 12);
    QCOMPARE(r.Teller(), QString("1/3"));
    QCOMPARE(r.Namen().first(), QString("Bert"));
}

void TestSpelers::automatischNummeren() {
    // Swiss by rating numbers by strength alone: no groups, no pairing choice.
    {
        Register r({{"Anna", 1100}}, SysteemZwitsersRating);
        QVERIFY(Zoek<QSpinBox>(r.d.get(), "seLotinggroepen")->isHidden());
        QVERIFY(Zoek<QRadioButton>(r.d.get(), "rbParallel")->isHidden());
    }
    // Swiss, one group, "Parallel": strongest with weakest, each pair two consecutive
    // numbers; which of the two starts is drawn.
    std::vector<std::pair<std::string, int32_t>> tien;
    for (int i = 0; i < 10; ++i) tien.emplace_back("Speler" + std::to_string(i), 2000 - 10 * i);
    Register r(tien, SysteemZwitsers);
    QVERIFY(!Zoek<QSpinBox>(r.d.get(), "seLotinggroepen")->isHidden());
    QVERIFY(Zoek<QRadioButton>(r.d.get(), "rbTegenElkaarIn")->isChecked());
    Zoek<QRadioButton>(r.d.get(), "rbParallel")->click();
    Zoek<QSpinBox>(r.d.get(), "seLotinggroepen")->setValue(1);
    r.Knop("knopNummeren")->click();
    for (int i = 0; i < 5; ++i) {
        const int32_t a = r.Speler("Speler" + std::to_string(i))->G().Lotingnummer;
        const int32_t b = r.Speler("Speler" + std::to_string(9 - i))->G().Lotingnummer;
        QCOMPARE(std::min(a, b), 2 * i + 1);
        QCOMPARE(std::max(a, b), 2 * i + 2);
    }
    // A group count above N/2 is lowered to it, and shown so.
    Zoek<QSpinBox>(r.d.get(), "seLotinggroepen")->setValue(9);
    r.Knop("knopNummeren")->click();
    QCOMPARE(Zoek<QSpinBox>(r.d.get(), "seLotinggroepen")->value(), 5);
}

void TestSpelers::kolomweergaveSorteert() {
    Register r({{"bakker", 1500}, {"Aalders", 1200}, {"Zwart", 1900}, {"Claes", 1200}},
               SysteemNormaal, true);
    QAbstractItemModelTester tester(r.d->Model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QTreeView* v = r.kolommen();
    QVERIFY(v->isVisible());
    QVERIFY(!Zoek<QListView>(r.d.get(), "lijstSpelers")->isVisible());
    QVERIFY(v->isColumnHidden(KolomIntern));
    QVERIFY(v->isColumnHidden(KolomAlf));
    QCOMPARE(v->model()->headerData(KolomLNR, Qt::Horizontal).toString(), QString("LNR"));
    QCOMPARE(v->model()->index(0, KolomLNR).data().toString(), QString("001"));
    QCOMPARE(r.Namen(), QStringList({"bakker", "Aalders", "Zwart", "Claes"}));

    struct Geval {
        int kolom;
        QStringList namen;
    };
    const Geval gevallen[] = {
        {KolomNaam, {"Aalders", "bakker", "Claes", "Zwart"}},   // case does not count
        {KolomRating, {"Zwart", "bakker", "Aalders", "Claes"}}, // descending
        {KolomLNR, {"bakker", "Aalders", "Zwart", "Claes"}},
    };
    for (const Geval& g : gevallen) {
        QHeaderView* kop = v->header();
        const QPoint plek(kop->sectionViewportPosition(g.kolom) + 5, kop->height() / 2);
        QTest::mouseClick(kop->viewport(), Qt::LeftButton, {}, plek);
        QCOMPARE(r.Namen(), g.namen);
        QCOMPARE(kop->sortIndicatorSection(), g.kolom);
    }
    // The selection follows its player through a re-sort.
    r.Toets(Qt::Key_End);
    QCOMPARE(r.Teller(), QString("4/4"));
    const QPoint naam(v->header()->sectionViewportPosition(KolomNaam) + 5, 5);
    QTest::mouseClick(v->header()->viewport(), Qt::LeftButton, {}, naam);
    QCOMPARE(r.Teller(), QString("3/4")); // Claes
}

void TestSpelers::ratinglijsten() {
    const std::string map = map_.path().toStdString();
    test::Schrijf(
        map + "/KNDBRAT4.DAT",
        test::NationaalRecord({"Anna", " ", "A.", "Bakker", "Zwolle", 1200, "", 0}, true) +
            test::NationaalRecord({"Bram", " ", "B.", "Bakker", "Assen", 1390, "cMN", 30001},
                                  true));
    test::Schrijf(map + "/FMJD2VK.DAT",
                  test::FMJDKop("2024 Q3") +
                      test::FMJDRecord(30001, "Bakker", "Bram", "NED", "MF", 2050) +
                      test::FMJDRecord(40002, "Li", "Xu", "CHN", "", 2010));
    Ratinglijsten lijsten{{map}, {}, {}, false, false};
    lijsten.Laad();
    Register r;
    r.o.Lijsten = &lijsten;
    r.c.VolledigeVoornaam = false;
    r.c.GebruikRatingbestand = true;
    BijModaal([&](QWidget* invoer) {
        auto* lijst = Zoek<QListView>(invoer, "LBNationaal");
        QAbstractItemModelTester tester(lijst->model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(invoer->focusWidget(), lijst); // "Gebruik ratingbestand voor invoer" is ticked
        QVERIFY(Zoek<QLabel>(invoer, "lblNationaalBestand")->text().contains("KNDBRAT4.DAT (2 "));
        QVERIFY(Zoek<QLabel>(invoer, "lblFMJDBestand")->text().contains("2024 Q3"));
        // Typing in the search field narrows the list; a click takes the player over.
        QTest::keyClicks(Zoek<QLineEdit>(invoer, "EdZoekNationaal"), "bakker b");
        QCOMPARE(lijst->model()->rowCount(), 1);
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {},
                          lijst->visualRect(lijst->model()->index(0, 0)).center());
        QCOMPARE(Zoek<QLineEdit>(invoer, "EdNaam")->text(), QString("B. Bakker"));
        QCOMPARE(Zoek<QLineEdit>(invoer, "EdKort")->text(), QString("BAK"));
        QCOMPARE(Zoek<QSpinBox>(invoer, "EdRating")->value(), 1390);
        QCOMPARE(Zoek<QComboBox>(invoer, "CBLocalTitel")->currentIndex(), 1);
        // The FMJD number taken over is looked up as it is typed again.
        auto* id = Zoek<QLineEdit>(invoer, "EdFMJDID");
        QCOMPARE(id->text(), QString("30001"));
        id->clear();
        QTest::keyClicks(id, "30001");
        QCOMPARE(Zoek<QLabel>(invoer, "lblFMJDNaam")->text(), QString("Bram Bakker"));
        QCOMPARE(Zoek<QSpinBox>(invoer, "SEFMJDRating")->value(), 2050);
        QCOMPARE(Zoek<QLineEdit>(invoer, "EdLand")->text(), QString("NED"));
        Zoek<QPushButton>(invoer, "knopOk")->click();
    });
    r.Toets(Qt::Key_Insert);
    const TSpelerObj* s = r.Speler("B. Bakker");
    QVERIFY(s);
    QCOMPARE(s->G().VolledigeNaam, std::string("Bram Bakker"));
    QCOMPARE(s->G().FMJDTitel, 1);
    QCOMPARE(s->G().FMJDID, 30001);

    // Without an FMJD list its list is hidden and its box cannot be ticked.
    lijsten.FMJD = {};
    BijModaal([&](QWidget* invoer) {
        QVERIFY(!Zoek<QListView>(invoer, "LBFMJD")->isVisible());
        QVERIFY(!Zoek<QCheckBox>(invoer, "cbFMJDRatingbestand")->isEnabled());
        QCOMPARE(Zoek<QLabel>(invoer, "lblFMJDBestand")->text(),
                 QString("Geen ratingbestand gevonden"));
        Zoek<QPushButton>(invoer, "knopAnnuleren")->click();
    });
    r.Toets(Qt::Key_Insert);
}

void TestSpelers::categorieen() {
    test::Dialoogomgeving t;
    test::VoegSpelerToe(t.c, 1, "Anna").W().Categorieen = "J    ";
    ui::CategorieDialoog d(t.o, nullptr);
    d.show();
    auto* lijst = Zoek<QListWidget>(&d, "lijstCategorieen");
    auto* letter = Zoek<QLineEdit>(&d, "edLetter");
    auto* omschrijving = Zoek<QLineEdit>(&d, "edOmschrijving");
    struct Geval {
        const char *letter, *omschrijving;
        int regels;
    };
    // What a letter may be is the core's; the list follows what is added.
    for (const Geval& geval : {Geval{"J", "Jeugd", 1}, Geval{"J", "Junioren", 2}}) {
        letter->setText(geval.letter);
        omschrijving->setText(geval.omschrijving);
        Zoek<QPushButton>(&d, "knopInvoegen")->click();
        QCOMPARE(lijst->count(), geval.regels);
    }
    QCOMPARE(lijst->item(1)->text(), QString("J Junioren"));
    QVERIFY(letter->text().isEmpty());
    QCOMPARE(t.c.Categorieen.size(), std::size_t(2));

    t.g.Antwoorden = {Antwoord::Ja};
    lijst->setCurrentRow(0);
    Zoek<QPushButton>(&d, "knopVerwijderen")->click();
    QCOMPARE(t.g.Vragen.at(0).Tekst, std::string("Verwijder categorie?Jeugd"));
    QCOMPARE(lijst->count(), 1);
    QCOMPARE(lijst->item(0)->text(), QString("J Junioren"));
    QCOMPARE(t.c.Spelers.At(0).G().Categorieen, std::string("J    "));
    QVERIFY(t.c.Gewijzigd);
}

void TestSpelers::willekeurigMetMaximum() {
    std::vector<std::pair<std::string, int32_t>> twintig;
    for (int i = 1; i <= 20; ++i) twintig.emplace_back("Speler" + std::to_string(i), 1000);
    Register r(twintig);
    auto* maximum = Zoek<QSpinBox>(r.d.get(), "sbMaximumnummer");
    QVERIFY(!maximum->isEnabled());
    QCOMPARE(maximum->value(), 30); // 3/2 of 20 players
    Zoek<QRadioButton>(r.d.get(), "rbWillekeurig")->click();
    QVERIFY(maximum->isEnabled());
    maximum->setValue(25);
    QCOMPARE(maximum->value(), 30);
    maximum->setValue(40);
    QCOMPARE(maximum->value(), 40);
    // Numbers 1..20 are taken: the new player's number is drawn from 21..40.
    BijModaal([](QWidget* invoer) {
        QVERIFY(!Zoek<QLineEdit>(invoer, "EdLotingNr")->isEnabled());
        VulIn(invoer, "Nieuw");
        Zoek<QPushButton>(invoer, "knopOk")->click();
    });
    r.Toets(Qt::Key_Insert);
    const int32_t n = r.Speler("Nieuw")->G().Lotingnummer;
    QVERIFY2(n > 20 && n <= 40, qPrintable(QString::number(n)));

    // The list of participants is opened through the hook the program sets.
    int geopend = 0;
    r.d->OpenDeelnemerslijst = [&] { ++geopend; };
    r.d->hide();
    r.d->show();
    auto* deelnemers = r.Knop("knopDeelnemerslijst");
    QVERIFY(deelnemers->isEnabled());
    deelnemers->click();
    QCOMPARE(geopend, 1);
    QCOMPARE(r.c.LotingModus, uint16_t(1));
}

// F1 in each dialog opens its own section of the user guide, and the guide has it.
void TestSpelers::f1OpentHetEigenHulpstuk() {
    QFile gids(QString(VELKARO_BRON) + "/docs/handleiding.html");
    QVERIFY(gids.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(gids.readAll());
    test::Dialoogomgeving t;
    QString anker;
    t.o.Help = [&](const QString& a, QWidget*) { anker = a; };
    ui::SpelerLijstDialoog lijst(t.o, nullptr);
    ui::CategorieDialoog categorieen(t.o, nullptr);
    const std::pair<QWidget*, QString> gevallen[] = {{&lijst, "spelers"},
                                                     {lijst.Invoerdialoog(), "spelerinvoer"},
                                                     {&categorieen, "categorieen"}};
    for (const auto& [d, verwacht] : gevallen) {
        anker.clear();
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QTest::keyClick(d, Qt::Key_F1);
        QCOMPARE(anker, verwacht);
        QVERIFY(html.contains("id=\"" + verwacht + "\""));
        d->hide();
    }
}

VELKARO_TESTKLASSE(TestSpelers)
#include "test_spelers.moc"
