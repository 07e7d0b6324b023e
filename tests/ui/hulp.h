// Shared helpers of the desktop-program tests: a main window with its own settings file in
// a scratch folder, answers through the scripted conversation, and modal dialogs handled
// while they run.
#pragma once

#include "../entry/scriptgesprek.h"
#include "model/competitie.h"
#include "ui/hoofdvenster.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

namespace velkaro::test {

// Runs f on the modal dialog as soon as it is up (the command that opens it runs exec()).
// A dialog that f leaves open (a failed check returns early) is closed, so the test goes on.
inline void BijModaal(std::function<void(QWidget*)> f) {
    auto probeer = std::make_shared<std::function<void()>>();
    *probeer = [f, probeer] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) {
            QTimer::singleShot(10, *probeer);
            return;
        }
        f(w);
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
    };
    QTimer::singleShot(0, *probeer);
}

struct Programma {
    explicit Programma(const QString& map, const QString& iniNaam = "velkaro.INI") {
        opties.InstellingenPad = (map + "/" + iniNaam).toStdString();
        opties.Werkmap = (map + "/").toStdString();
        opties.Handleiding = QString(VELKARO_BRON) + "/docs/handleiding.html";
        venster = std::make_unique<ui::Hoofdvenster>(c, g, opties);
        venster->Start();
    }
    Competitie c;
    ScriptGesprek g;
    ui::Startopties opties;
    std::unique_ptr<ui::Hoofdvenster> venster;
};

} // namespace velkaro::test
