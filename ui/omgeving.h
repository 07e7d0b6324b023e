// What every window of the desktop program shares: the competition, the conversation with
// the user, the program settings file and the help window.
#pragma once

#include "entry/ini.h"
#include "model/competitie.h"
#include "model/gesprek.h"
#include "storage/ratinglijst.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace velkaro {
class Geschiedenis;
}

namespace velkaro::ui {

struct Omgeving {
    Competitie& C;
    Gesprek& G;
    Ini& Instellingen; // the settings file in memory; written at exit
    // Opens the user guide at a section, over the given window.
    std::function<void(const QString& anker, QWidget* vanuit)> Help;
    bool FMJDLijsten = false;         // both FMJD rating list files exist
    bool FMJD64 = false;              // the program-wide switch behind "FMJD 64"
    bool Testopties = false;          // the settings dialog shows its test options
    Ratinglijsten* Lijsten = nullptr; // the rating lists loaded at start-up; none in some tests
    Geschiedenis* Historie = nullptr; // the undo history of the main window; none in some tests
};

// A window's placement in the settings file under its form name.
void HerstelPlaatsing(QWidget* venster, const Ini& ini, const std::string& naam);
void BewaarPlaatsing(const QWidget* venster, Ini& ini, const std::string& naam);

} // namespace velkaro::ui
