// Shared helpers of the desktop-program tests: a main window with its own settings file in
// a scratch folder, answers through the scripted conversation, and modal dialogs handled
// while they run.
#pragma once

#include "../entry/scriptgesprek.h"
#include "model/competitie.h"
#include "storage/competitiebestand.h"
#include "ui/hoofdvenster.h"
#include "ui/omgeving.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

namespace velkaro::test {

// The test classes of this program by name; main() runs the one its first argument names.
inline std::map<QString, std::function<QObject*()>>& Testklassen() {
    static std::map<QString, std::function<QObject*()>> klassen;
    return klassen;
}
struct Aanmelding {
    Aanmelding(const char* naam, std::function<QObject*()> maak) { Testklassen()[naam] = maak; }
};
#define VELKARO_TESTKLASSE(K)                                                                      \
    static const velkaro::test::Aanmelding aanmelding##K{#K, [] { return new K; }};

// The run of the program that the crash-recovery test starts and kills (test_herstel.cpp).
int HerstelSessie(const QString& map);

// A child widget by object name; a missing one ends the test run at once.
template <class W> W* Zoek(QObject* ouder, const char* naam) {
    W* w = ouder->findChild<W*>(naam);
    if (!w) qFatal("no widget %s", naam);
    return w;
}

inline void Klik(QWidget* ouder, const char* knop) {
    Zoek<QAbstractButton>(ouder, knop)->click();
}

// Runs f on the modal window of this form name (any, if empty) as soon as it is the active one
// and shown (the command that opens it runs exec()); a dialog that f leaves open (a failed check
// returns early) is closed, so the test goes on.
inline void BijVenster(const QString& naam, std::function<void(QWidget*)> f) {
    auto probeer = std::make_shared<std::function<void()>>();
    *probeer = [naam, f, probeer] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || (!naam.isEmpty() && w->objectName() != naam) || !w->isVisible()) {
            QTimer::singleShot(10, *probeer);
            return;
        }
        f(w);
        if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->reject();
    };
    QTimer::singleShot(0, *probeer);
}

inline void BijModaal(std::function<void(QWidget*)> f) {
    BijVenster({}, std::move(f));
}

// Every visible label with a field (buddy) beside it keeps at least 10 pixels from it.
inline void LabelsVrij(QWidget* d) {
    for (QLabel* l : d->findChildren<QLabel*>()) {
        QWidget* v = l->buddy();
        if (!v || !l->isVisible() || !v->isVisible()) continue;
        const QRect a(l->mapTo(d, QPoint(0, 0)), l->size());
        const QRect b(v->mapTo(d, QPoint(0, 0)), v->size());
        if (a.bottom() < b.top() || b.bottom() < a.top() || b.left() < a.left()) continue;
        QVERIFY2(b.left() - a.right() > 10, qPrintable(l->text()));
    }
}

// Ticks exactly the named "Afdrukken van" boxes of the report dialog.
inline void ZetVakjes(QWidget* d, const QStringList& aan) {
    for (QCheckBox* k : d->findChild<QWidget*>("grpAfdrukkenVan")->findChildren<QCheckBox*>())
        k->setChecked(aan.contains(k->objectName()));
}

inline QByteArray LeesAlles(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Uitkomst {
    int status;
    QByteArray out, err;
};

// Runs a program (the CLI, the headless print, pdfinfo) and waits for it.
inline Uitkomst Draai(const QString& programma, const QStringList& args) {
    QProcess p;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(programma, args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

inline int PdfBladen(const QString& pad) {
    const auto r = Draai("pdfinfo", {pad});
    const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(r.out));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

inline QString PdfTekst(const QString& pad, int blad) {
    return QString::fromUtf8(Draai("pdftotext", {"-layout", "-f", QString::number(blad), "-l",
                                                 QString::number(blad), pad, "-"})
                                 .out);
}

// The group as its files hold it.
inline std::string Afdruk(const Competitie& c) {
    return SchrijfHoofdbestandTekst(c) + "\n=====\n" + SchrijfGroepTekst(c);
}

// A fresh copy of the demo competition in map (no recovery copy of an earlier program that
// ended without a close); returns the main file.
inline std::string KopieerDemo(const QString& map) {
    QDir().mkpath(map);
    QFile::remove(map + "/club.herstel");
    for (const QString& n : QDir(VELKARO_EXAMPLES).entryList({"club.*"}, QDir::Files)) {
        QFile::remove(map + "/" + n);
        QFile::copy(QString(VELKARO_EXAMPLES) + "/" + n, map + "/" + n);
        QFile(map + "/" + n).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    return (map + "/club.xv7").toStdString();
}

// A competition in memory with what a dialog needs around it.
struct Dialoogomgeving {
    Competitie c;
    ScriptGesprek g;
    Ini ini;
    ui::Omgeving o{c, g, ini, {}};
};

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
