// The test class of the walks through a whole competition (apart, so that moc reads only
// Qt headers).
#pragma once

#include <QObject>
#include <QString>
#include <QTemporaryDir>

class TestRondgang : public QObject {
    Q_OBJECT

    QTemporaryDir map_;
    QString Pad(const QString& naam) const { return map_.path() + "/" + naam; }

private slots:
    void init();
    void zwitsersVanNieuwTotRanglijst();
    void rondtoernooiVanAcht();
    void clubavondMetVrijeRondeEnOngedaan();
};
