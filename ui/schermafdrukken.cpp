// velkaro-schermafdrukken DEMO.xv7 OUTDIR: pictures of the main window with the demo
// competition and of every dialog, in Dutch and English, for the README and the user guide.
// Run under a display (make screenshots runs it under Xvfb); the demo is opened from a copy.
#include "entry/rondescherm.h"
#include "entry/spelerinvoer.h"
#include "entry/wedstrijdlijst.h"
#include "lang/teksten.h"
#include "model/competitie.h"
#include "model/systeem.h"
#include "pairing/roosterstop.h"
#include "reports/rapport.h"
#include "storage/bestandsnamen.h"
#include "storage/competitiebestand.h"
#include "ui/afdrukvoorbeeld.h"
#include "ui/helpvenster.h"
#include "ui/hoofdvenster.h"
#include "ui/ongedaanacties.h"
#include "ui/qtgesprek.h"
#include "ui/rapportdialoog.h"
#include "ui/rondedialoog.h"
#include "ui/roostervoortgang.h"
#include "ui/sorteerscherm.h"
#include "ui/spelerinvoer.h"
#include "ui/spelerlijst.h"
#include "ui/wedinvoerdialoog.h"
#include "ui/wedstrijdlijstdialoog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <string_view>

namespace {

void Wacht() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// Keeps the document of a report for the print preview's picture.
class Verzamelaar final : public velkaro::Afdrukvoorbeeld {
public:
    void Druk(const velkaro::Afdrukdocument& d) override { Document = d; }
    velkaro::Afdrukdocument Document;
};

bool Bewaar(QWidget* w, const QString& pad) {
    Wacht();
    const bool ok = w->grab().save(pad);
    std::cout << (ok ? "wrote " : "FAILED ") << pad.toStdString() << '\n';
    return ok;
}

// A Swiss group whose next round takes the search minutes: 26 players on equal points where
// everyone met exactly the other half (all draws), and the halves are odd.
void ZwareZoektocht(velkaro::Competitie& c) {
    static const char* const kNamen[] = {
        "Bakker, J.",   "de Boer, A.",  "Mulder, K.", "Visser, H.",  "Smit, R.",
        "Meijer, L.",   "de Vries, E.", "Bos, M.",    "Vos, T.",     "Peters, W.",
        "Hendriks, P.", "van Dijk, S.", "Jansen, G.", "Dekker, F.",  "Brouwer, I.",
        "Hoekstra, Y.", "Koster, N.",   "Prins, O.",  "Huisman, C.", "Kuipers, V.",
        "Postma, H.",   "Veenstra, D.", "Kok, B.",    "Jonker, P.",  "Willems, A.",
        "de Haan, R."};
    c.Opties.Rekensysteem = velkaro::SysteemZwitsers;
    constexpr int helft = 13;
    for (int i = 0; i < 2 * helft; ++i) {
        velkaro::Spelergegevens g;
        g.Lotingnummer = g.InternNummer = i + 1;
        g.Naam = kNamen[i];
        g.Opnemen = velkaro::OpnemenStand | velkaro::OpnemenRooster;
        c.Spelers.Voegtoe(g);
    }
    int nummer = 0;
    for (int k = 0; k < helft; ++k)
        for (int a = 0; a < helft; ++a) {
            velkaro::Wedstrijdgegevens w;
            w.Ronde = k + 1;
            w.Wedstrijdnummer = ++nummer;
            w.Wit = 2 * a + 1;
            w.Zwart = 2 * ((a + k) % helft) + 2;
            c.Wedstrijden.Voegtoe(w).ZetUitslag(1, 1, false, true);
        }
}

// The progress window caught while it shows the search's pair lines; Stop ends the search.
bool Voortgangsbeeld(const QString& pad) {
    velkaro::Competitie c;
    ZwareZoektocht(c);
    velkaro::ui::QtGesprek gesprek;
    velkaro::Ini ini;
    velkaro::ui::Omgeving o{c, gesprek, ini, {}};
    velkaro::ui::RoosterVoortgang venster(o, nullptr);
    bool goed = false;
    // The message that the pairing was stopped is closed as soon as it is up.
    QTimer melding;
    melding.setInterval(50);
    QObject::connect(&melding, &QTimer::timeout, [&] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) m->accept();
    });
    QTimer::singleShot(900, [&] {
        goed = Bewaar(&venster, pad);
        melding.start();
        venster.findChild<QPushButton*>("knopStop")->click();
    });
    venster.Voer(
        [&](velkaro::Roosteromgeving& omg) {
            return velkaro::SamenstellenRoosterMetStop(c, 14, true, false, omg);
        },
        false);
    return goed;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(velkaro);
    if (argc != 3) {
        std::cerr << "usage: velkaro-schermafdrukken DEMO.xv7 OUTDIR\n";
        return 2;
    }
    const QString demo = QString::fromLocal8Bit(argv[1]);
    const QString uit = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(uit);
    // A plain folder name, since the main window shows the file's path.
    QDir tijdelijk(QDir::temp().filePath("Velkaro"));
    tijdelijk.removeRecursively();
    QDir().mkpath(tijdelijk.path());
    struct {
        QString path() const { return p; }
        QString p;
    } map{tijdelijk.path()};
    const QFileInfo bron(demo);
    for (const QString& f : QDir(bron.absolutePath()).entryList({bron.completeBaseName() + ".*"})) {
        QFile::copy(bron.absolutePath() + "/" + f, map.path() + "/" + f);
        QFile(map.path() + "/" + f).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    const std::string kopie = (map.path() + "/" + bron.fileName()).toStdString();

    bool goed = true;
    for (const auto& [taal, code] : {std::pair{velkaro::lang::Taal::Nederlands, "nl"},
                                     std::pair{velkaro::lang::Taal::Engels, "en"}}) {
        velkaro::lang::KiesTaal(taal);
        velkaro::Competitie c;
        velkaro::ui::QtGesprek gesprek;
        velkaro::ui::Startopties opties;
        opties.InstellingenPad = (map.path() + "/velkaro-" + code + ".INI").toStdString();
        opties.Werkmap = map.path().toStdString() + "/";
        opties.Handleiding = velkaro::ui::ZoekHandleiding();
        velkaro::ui::Hoofdvenster venster(c, gesprek, opties);
        venster.Start();
        venster.Vertaal();
        const QString s = QString("-%1.png").arg(code);
        venster.resize(920, 560);
        goed &= Bewaar(&venster, uit + "/start" + s);
        venster.OpenBijStart(kopie);
        goed &= Bewaar(&venster, uit + "/hoofdvenster" + s);
        for (const char* naam : {"TDeelComp", "TVKInstelling", "TVKToernooigegevens", "TVKTaal",
                                 "TAboutBox", "TRooster"}) {
            auto* d = venster.findChild<QDialog*>(naam);
            d->show();
            d->adjustSize();
            goed &= Bewaar(d, uit + "/" + QString(naam).toLower() + s);
            d->hide();
        }
        {
            auto* lijst = venster.Spelerlijst();
            lijst->show();
            lijst->resize(lijst->sizeHint().width(), 520);
            goed &= Bewaar(lijst, uit + "/tspelerlijst" + s);
            lijst->hide();
            // The entry dialog on the demo's first player, as "Wijzig" shows it.
            velkaro::TInvoerSpelers invoer(c.Spelers, c.Opties, gesprek);
            invoer.SetData(c.Spelers.At(0).G(), false);
            auto* d = lijst->Invoerdialoog();
            d->Zet(invoer);
            d->show();
            d->adjustSize();
            goed &= Bewaar(d, uit + "/tinvoerspelers" + s);
            d->hide();
        }
        {
            // A few categories, so that the picture shows what the dialog keeps.
            const auto oud = c.Categorieen;
            if (c.Categorieen.empty())
                c.Categorieen = {{"J", "Jeugd"}, {"S", "Senioren"}, {"V", "Veteranen"}};
            auto* d = venster.findChild<QDialog*>("Tcategoriescherm");
            d->show();
            d->adjustSize();
            goed &= Bewaar(d, uit + "/tcategoriescherm" + s);
            d->hide();
            c.Categorieen = oud;
        }
        {
            // The rounds dialog, the match list of the last round with results and the match
            // entry dialog on its first match.
            auto* rondes = venster.Rondes();
            rondes->show();
            rondes->adjustSize();
            goed &= Bewaar(rondes, uit + "/trondescherm" + s);
            rondes->hide();
            velkaro::MersenneToeval toeval(1);
            velkaro::TWedstrijdenlijst lijst(c, gesprek, toeval);
            const int32_t ronde = std::max<int32_t>(1, c.Rondes.LaatsteRondeMetUitslagen());
            lijst.SetData(ronde);
            auto& wl = rondes->Wedstrijdlijst();
            wl.Bereid(lijst);
            wl.resize(900, 560);
            wl.show();
            goed &= Bewaar(&wl, uit + "/twedstrijdenlijst" + s);
            if (lijst.Aantal() > 0) {
                lijst.Invoer().Open(lijst.Wedstrijd(0));
                lijst.Invoer().AlleSpelers = true;
                auto* invoer = wl.Invoer();
                invoer->Bereid(lijst.Invoer());
                invoer->show();
                invoer->adjustSize();
                goed &= Bewaar(invoer, uit + "/twedinvoer" + s);
                invoer->hide();
            }
            {
                // The undo menu of the match list: two results changed, the second undone, the
                // table's context menu open over the list.
                auto& historie = venster.Historie();
                lijst.ZetGeschiedenis(&historie);
                historie.Koppel(&lijst);
                historie.Wis();
                lijst.Selecteer(0);
                lijst.Druk(velkaro::Uitslagknop::Res0);
                lijst.Druk(velkaro::Uitslagknop::Res0);
                historie.Ongedaan();
                wl.Bereid(lijst);
                wl.Ongedaan()->Werkbij();
                QMenu menu(&wl);
                menu.addAction(wl.Ongedaan()->Ongedaan());
                menu.addAction(wl.Ongedaan()->Opnieuw());
                auto* tabel = wl.findChild<QWidget*>("lijstWedstrijden");
                menu.popup(tabel->mapToGlobal(QPoint(160, 60)));
                Wacht();
                const QPixmap beeld = QGuiApplication::primaryScreen()->grabWindow(
                    0, wl.x(), wl.y(), wl.frameGeometry().width(), wl.frameGeometry().height());
                const QString pad = uit + "/ongedaan" + s;
                const bool ok = beeld.save(pad);
                std::cout << (ok ? "wrote " : "FAILED ") << pad.toStdString() << '\n';
                goed &= ok;
                menu.hide();
                lijst.ZetGeschiedenis(nullptr);
            }
            wl.hide();
            wl.Los();
            lijst.GetData(ronde, false);
            venster.Historie().Koppel(nullptr);
            venster.Historie().Wis();
        }
        // The two result-table dialogs, modal: pictured once shown, then closed unchanged.
        for (const char* naam : {"Tvxmatrix", "Tvxmatrix1"}) {
            auto* d = venster.findChild<QDialog*>(naam);
            QTimer::singleShot(0, d, [&goed, d, naam, &uit, &s] {
                d->resize(d->sizeHint().width(), 520);
                goed &= Bewaar(d, uit + "/" + QString(naam).toLower() + s);
                d->done(QDialog::Rejected);
            });
            const char* actie =
                std::string_view(naam) == "Tvxmatrix" ? "mnuMatrix" : "mnuPerRondeMatrix";
            venster.findChild<QAction*>(actie)->trigger();
        }
        goed &= Voortgangsbeeld(uit + "/troostervoortgang" + s);
        // The report dialog, the sort dialog and the print preview of the standings.
        auto* rapport = venster.findChild<velkaro::ui::RapportDialoog*>("TVKRang");
        rapport->Bereid(velkaro::Rapportsoort::Ranglijst);
        rapport->show();
        rapport->adjustSize();
        goed &= Bewaar(rapport, uit + "/tvkrang" + s);
        rapport->hide();
        auto* sorteren = venster.findChild<velkaro::ui::SorteerDialoog*>("TSortScherm");
        sorteren->Vul();
        sorteren->show();
        sorteren->adjustSize();
        goed &= Bewaar(sorteren, uit + "/tsortscherm" + s);
        sorteren->hide();
        {
            velkaro::TUitvoerObject u(gesprek);
            Verzamelaar v;
            velkaro::Rapportopties o = velkaro::StandaardRapportopties(c);
            o.Herberekenen = true;
            u.StartPrinter(v);
            velkaro::MaakRapport(c, o, u, velkaro::SysteemKlok());
            u.EindePrinter();
            auto* afdruk = venster.findChild<velkaro::ui::AfdrukDialoog*>("Twprint");
            afdruk->show();
            afdruk->resize(900, 700);
            afdruk->Laad(v.Document);
            goed &= Bewaar(afdruk, uit + "/twprint" + s);
            afdruk->hide();
        }
        if (auto* h = venster.Help()) {
            h->Toon("groepen", &venster);
            h->resize(820, 600);
            goed &= Bewaar(h, uit + "/help" + s);
            h->hide();
        }
        {
            // The question after a crash: a recovery copy with a change the files lack, found
            // when the competition is opened; the picture is taken and No answered.
            const std::string oud = c.Spelers.At(0).G().Naam;
            c.Spelers.At(0).W().Naam = "Na de stroomstoring";
            venster.Ververs();
            QFile kopieBestand(QString::fromStdString(velkaro::Herstelbestand(kopie)));
            const QByteArray achtergelaten =
                kopieBestand.open(QIODevice::ReadOnly) ? kopieBestand.readAll() : QByteArray();
            kopieBestand.close();
            c.Spelers.At(0).W().Naam = oud;
            velkaro::SchrijfBestand(c);
            venster.Ververs();
            if (kopieBestand.open(QIODevice::WriteOnly)) kopieBestand.write(achtergelaten);
            kopieBestand.close();
            QTimer::singleShot(100, [&goed, &uit, &s] {
                auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!m) return;
                goed &= Bewaar(m, uit + "/herstel" + s);
                for (QAbstractButton* k : m->buttons())
                    if (m->buttonRole(k) == QMessageBox::NoRole) k->click();
            });
            venster.Logica().OpenNaam(kopie);
        }
        venster.hide();
    }
    tijdelijk.removeRecursively();
    return goed ? 0 : 1;
}
