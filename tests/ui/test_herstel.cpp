// Crash recovery for real: a second run of this program types results in the match list and
// is killed (SIGKILL) before any close; the next start offers the recovery copy, which holds
// every result typed, and a normal close afterwards leaves no copy and asks nothing.
#ifndef Q_MOC_RUN // moc reads the Qt headers only
#include "../entry/hulp.h"
#include "../entry/maak.h"
#include "entry/herstel.h"
#include "hulp.h"
#include "lang/teksten.h"
#include "storage/competitiebestand.h"
#endif

#include <QElapsedTimer>
#include <QLabel>
#include <QTableView>
#include <QtTest>

#include <cstring>
#include <iostream>

using namespace velkaro;

class TestHerstel : public QObject {
    Q_OBJECT

    QTemporaryDir map_;

private slots:
    void killNaUitslagBiedtHerstelAan();
};

namespace {

int Gespeeld(const Competitie& c) {
    int n = 0;
    for (const auto& w : c.Wedstrijden) n += w->G().Gespeeld;
    return n;
}

// Four players and round 1 paired, without results.
void MaakClub(const std::string& pad) {
    Competitie c;
    test::MaakCompetitie(c, pad, {"Club"}, {1}, 1); // with player 1
    for (int i = 2; i <= 4; ++i) test::VoegSpelerToe(c, i, "Speler " + std::to_string(i));
    for (int i = 0; i < 2; ++i) test::VoegWedstrijdToe(c, 1, i + 1, 2 * i + 1, 2 * i + 2);
    if (!SchrijfBestand(c).Ok()) qFatal("cannot write %s", pad.c_str());
}

} // namespace

// The run that is killed: two results typed in the open match list, then it waits until the
// recovery copy holds both, says so and waits to be killed.
int test::HerstelSessie(const QString& map) {
    test::Programma p(map);
    if (!p.venster->OpenBijStart((map + "/club.xv7").toStdString())) return 3;
    const std::string kopie = (map + "/club.herstel").toStdString();
    test::BijVenster("TWedstrijdenlijst", [&](QWidget* l) {
        auto* tabel = test::Zoek<QTableView>(l, "lijstWedstrijden");
        QTest::keyClick(tabel, '1');
        QTest::keyClick(tabel, '0');
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 20000) {
            QTest::qWait(50);
            Bestandsfout f{};
            const auto tekst = LeesAlles(kopie, f);
            const auto k = tekst ? LeesHerstelTekst(*tekst) : std::nullopt;
            if (k && k->Open.size() == 2 && k->Open[0].Gespeeld && k->Open[1].Gespeeld) {
                // The main window's count of games, while the list holds them outside the
                // collection.
                p.venster->Ververs();
                std::cout
                    << "klaar "
                    << test::Zoek<QLabel>(p.venster.get(), "lblWedstrijden")->text().toStdString()
                    << std::endl;
                break;
            }
        }
        for (;;) QTest::qWait(1000); // until the kill
    });
    p.venster->OpenRondes(true);
    return 4;
}

void TestHerstel::killNaUitslagBiedtHerstelAan() {
    const QString map = map_.path();
    const std::string club = (map + "/club.xv7").toStdString();
    MaakClub(club);
    {
        // Opening alone changes nothing: no copy.
        test::Programma kijken(map);
        QVERIFY(kijken.venster->OpenBijStart(club));
        kijken.venster->Ververs();
        QVERIFY(!QFile::exists(map + "/club.herstel"));
    }
    QProcess sessie;
    sessie.start(QCoreApplication::applicationFilePath(), {"--sessie", map});
    QVERIFY(sessie.waitForStarted());
    QElapsedTimer t;
    t.start();
    QByteArray uit;
    while (!uit.contains("klaar") && t.elapsed() < 60000) {
        QVERIFY2(sessie.waitForReadyRead(60000), sessie.readAllStandardError().constData());
        uit += sessie.readAllStandardOutput();
    }
    sessie.kill(); // SIGKILL: no close, no save
    QVERIFY(sessie.waitForFinished());
    QCOMPARE(uit.trimmed(), QByteArray("klaar 2"));

    Competitie opSchijf;
    QVERIFY(LeesBestand(opSchijf, club).Ok());
    QCOMPARE(Gespeeld(opSchijf), 0); // the competition itself was never saved

    test::Programma volgende(map);
    volgende.g.Antwoorden = {Antwoord::Ja};
    QVERIFY(volgende.venster->HerstelBijStart());
    QCOMPARE(volgende.g.Vragen.size(), std::size_t{1});
    QCOMPARE(volgende.g.Vragen[0].Titel, lang::Tekst(lang::T::Waarschuwing));
    QCOMPARE(Gespeeld(volgende.c), 2);
    QVERIFY(!QFile::exists(map + "/club.herstel"));
    volgende.venster->close();
    QCOMPARE(volgende.g.Vragen.size(), std::size_t{1});
    QVERIFY(!QFile::exists(map + "/club.herstel"));
    Competitie terug;
    QVERIFY(LeesBestand(terug, club).Ok());
    QCOMPARE(Gespeeld(terug), 2);
    QVERIFY(!Ini::Lees((map + "/velkaro.INI").toStdString())
                 .Waarde("Bestanden", "Herstel")
                 .value_or("")
                 .size());
}

VELKARO_TESTKLASSE(TestHerstel)
#include "test_herstel.moc"
