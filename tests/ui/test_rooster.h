// The test class of the schedule dialog and the progress window (apart, so that moc reads
// only Qt headers).
#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestRooster : public QObject {
    Q_OBJECT

    QTemporaryDir map_;

private slots:
    void init();
    void tonenEnVrijgavePerSysteem_data();
    void tonenEnVrijgavePerSysteem();
    void selecterenEnWisselen();
    void voorgesteldeRonde();
    void zwitsersDoorDeDialoog();
    void opnieuwParenVraagtEerst();
    void rondtoernooiDoorDeDialoog();
    void stopHerstelt();
    void meldingenVanDeWerkerBereikenHetGesprek();
    void hoofdvensterRoostert();
};
