// velkaro-schermafdrukken DEMO.xv7 OUTDIR: pictures of the main window with the demo
// competition and of every dialog, in Dutch and English, for the README and the user guide.
// Run under a display (make screenshots runs it under Xvfb); the demo is opened from a copy.
#include "lang/teksten.h"
#include "model/competitie.h"
#include "model/systeem.h"
#include "reports/rapport.h"
#include "ui/afdrukvoorbeeld.h"
#include "ui/helpvenster.h"
#include "ui/hoofdvenster.h"
#include "ui/qtgesprek.h"
#include "ui/rapportdialoog.h"
#include "ui/sorteerscherm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QTimer>

#include <iostream>

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
        for (const char* naam :
             {"TDeelComp", "TVKInstelling", "TVKToernooigegevens", "TVKTaal", "TAboutBox"}) {
            auto* d = venster.findChild<QDialog*>(naam);
            d->show();
            d->adjustSize();
            goed &= Bewaar(d, uit + "/" + QString(naam).toLower() + s);
            d->hide();
        }
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
        venster.hide();
    }
    tijdelijk.removeRecursively();
    return goed ? 0 : 1;
}
