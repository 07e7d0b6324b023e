// The test class of the rounds dialog, the match list and the match entry dialog (apart, so
// that moc reads only Qt headers).
#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestUitslagen : public QObject {
    Q_OBJECT

    QTemporaryDir map_;

private slots:
    void init();
    void uitslagtoetsenPerModus_data();
    void uitslagtoetsenPerModus();
    void uitslagVerbeteren();
    void abortVraagt_data();
    void abortVraagt();
    void rondesInvoegenEnVerwijderen();
    void nieuweRondeNaAbortWeg();
    void wedInvoerLostOp_data();
    void wedInvoerLostOp();
    void vrijeEnAlleSpelers();
    void uitslagenknopEnGroepswissel();
    void matrixInvoer();
    void matrixRoosterToontHetRooster();
    void ongedaanMakenEnOpnieuw();
};
