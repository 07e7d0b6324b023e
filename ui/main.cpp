// velkaro: the desktop program. "velkaro FILE.xv7" opens that competition at start-up;
// "velkaro --version" prints the version.
#include "entry/ini.h"
#include "entry/programma.h"
#include "model/competitie.h"
#include "storage/ratinglijst.h"
#include "ui/afdrukopdracht.h"
#include "ui/helpvenster.h"
#include "ui/hoofdvenster.h"
#include "ui/qtgesprek.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include <cstring>
#include <iostream>

namespace {

const char* kGebruik =
    "usage: velkaro [--testopties] [FILE.xv7]\n"
    "       velkaro --print FILE.xv7 [--kind ranking|progress] [--options LIST]\n"
    "               [--landscape] -o OUT.pdf\n"
    "       velkaro --version\n";

} // namespace

int main(int argc, char** argv) {
    // Asked before any window exists, so it also works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "velkaro " << velkaro::Versietekst() << '\n';
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kGebruik;
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
            std::cerr << kGebruik;
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
