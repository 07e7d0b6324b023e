// velkaro: the desktop program. "velkaro FILE.xv7" opens that competition at start-up;
// "velkaro --version" prints the version.
#include "entry/ini.h"
#include "entry/programma.h"
#include "model/competitie.h"
#include "reports/rapportdialoog.h"
#include "storage/ratinglijst.h"
#include "ui/afdrukopdracht.h"
#include "ui/helpvenster.h"
#include "ui/hoofdvenster.h"
#include "ui/qtgesprek.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <csignal>
#include <cstring>
#include <iostream>
#include <string>

namespace {

// The report kinds as a list to read: "ranking, progress, ...".
std::string Soorten() {
    std::string s = velkaro::Soortnamen();
    for (auto p = s.find('|'); p != std::string::npos; p = s.find('|', p)) s.replace(p, 1, ", ");
    return s;
}

std::string Gebruik() {
    return "Usage: velkaro [--testopties] [FILE.xv7]\n"
           "  or:  velkaro --print FILE.xv7 [--kind KIND] [--options LIST] [--landscape] -o "
           "OUT.pdf\n"
           "  or:  velkaro --version\n"
           "Runs draughts competitions kept in Velkaro competition files (.xv7): players,\n"
           "pairings, results, standings and reports, in Dutch, English or French.\n"
           "\n"
           "Options:\n"
           "  FILE.xv7           open this competition at start-up\n"
           "  --testopties       the settings dialog also shows its test options\n"
           "  --print FILE.xv7   write a report of FILE as the print preview prints it,\n"
           "                     into a PDF, without a window; FILE is left as it is\n"
           "  --kind KIND        with --print: the report kind, ranking (the default) or one of\n"
           "                     " +
           Soorten() +
           "\n"
           "  --options LIST     with --print: the report options, a comma list as for\n"
           "                     'velkaro-cli report --options'\n"
           "  --landscape        with --print: a landscape page\n"
           "  -o OUT.pdf         with --print: the PDF to write\n"
           "  -h, --help         print this help and exit\n"
           "  --version          print the version and exit\n";
}

} // namespace

int main(int argc, char** argv) {
    // A file-size limit makes a save fail with a message instead of killing the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Asked before any window exists, so it also works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "velkaro " << velkaro::Versietekst() << '\n';
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << Gebruik();
            return 0;
        }
    }

    // The headless print needs no display: it draws into a PDF.
    bool afdrukken = false;
    for (int i = 1; i < argc; ++i) afdrukken |= std::strcmp(argv[i], "--print") == 0;
    if (afdrukken && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    if (afdrukken) return velkaro::ui::AfdrukZonderVenster(app.arguments().mid(1), std::cerr);
    Q_INIT_RESOURCE(velkaro);
    QApplication::setApplicationName("velkaro");
    QApplication::setApplicationDisplayName("Velkaro");
    QApplication::setApplicationVersion(QString::fromStdString(velkaro::Versietekst()));
    QApplication::setDesktopFileName("velkaro");

    std::string bestand;
    bool testopties = false;
    for (const QString& a : app.arguments().mid(1)) {
        if (a == "--testopties")
            testopties = true;
        else if (a.startsWith("-")) {
            std::cerr << Gebruik();
            return 2;
        } else if (bestand.empty())
            bestand = a.toStdString();
    }

    // The competition state lives as long as the program.
    velkaro::Competitie c;
    velkaro::ui::QtGesprek gesprek;

    const std::string programma = QCoreApplication::applicationFilePath().toStdString();
    const std::string config =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
    velkaro::ui::Startopties opties;
    opties.InstellingenPad = velkaro::InstellingenPad(programma, config);
    // The working folder starts as the program's folder where one may write there, else the
    // home folder: an installed program's folder is no place for competitions.
    const QString programmamap = QCoreApplication::applicationDirPath();
    opties.Werkmap =
        (velkaro::MapIsSchrijfbaar(programmamap.toStdString()) ? programmamap : QDir::homePath())
            .toStdString() +
        "/";
    opties.Handleiding = velkaro::ui::ZoekHandleiding();
    // The rating lists: the user's data folder first (an installed program's own folder is
    // not his to change), then the program's folder.
    velkaro::Ratinglijsten lijsten;
    lijsten.Mappen = {
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(),
        programmamap.toStdString()};
    lijsten.Laad();
    opties.FMJDLijsten = lijsten.BeideFMJD;
    opties.Lijsten = &lijsten;
    opties.Testopties = testopties;

    velkaro::ui::Hoofdvenster venster(c, gesprek, opties);
    venster.Start();
    if (bestand.empty())
        venster.HerstelBijStart();
    else
        venster.OpenBijStart(
            QDir::current().absoluteFilePath(QString::fromStdString(bestand)).toStdString());
    return app.exec();
}
