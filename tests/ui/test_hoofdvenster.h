// The test class of the desktop-program tests (apart, so that moc reads only Qt headers).
#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <string>

class TestHoofdvenster : public QObject {
    Q_OBJECT

    QTemporaryDir map_;
    QString Pad(const QString& naam) const { return map_.path() + "/" + naam; }
    // A copy of the demo competition in the scratch folder.
    std::string Demo() const;

private slots:
    void init();
    void startZonderInstellingenbestand();
    void startMetOnbekendeTaal();
    void openenOpslaanEnNieuw();
    void recenteBestandenNaOpslaan();
    void ontbrekendRecentBestandNaHerstart();
    void laatsteGroepWordtNietVerwijderd();
    void openGroepVanDrieVerwijderen();
    void nieuweGroepNaGroepen1En3();
    void sorteervolgordeOnderZwitsers();
    void kndbDelftsDanSchaaknotatie();
    void toernooigegevensVraag();
    void engelsInDeStatusbalkNaWisselen();
    void afsluitenBewaartZonderVraagEnMeldtEenFout();
    void f1OpentHetHulpstuk();
    void publicerenVanuitHetUitvoermenu();
    void vensterOverHetHoofdvenster();
    void rondgangVanEenNieuweGebruiker();
};
