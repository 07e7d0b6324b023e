// The test class of the player register, player entry and categories dialogs (apart, so that
// moc reads only Qt headers).
#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestSpelers : public QObject {
    Q_OBJECT

    QTemporaryDir map_;

private slots:
    void init();
    void toetsenEnTeller();
    void ingevenNaamEnWeigeringen();
    void snelIngeven();
    void willekeurigMetMaximum();
    void automatischNummeren();
    void kolomweergaveSorteert();
    void ratinglijsten();
    void categorieen();
    void f1OpentHetEigenHulpstuk();
};
