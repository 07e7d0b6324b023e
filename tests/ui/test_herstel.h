// The test class of the crash recovery (apart, so that moc reads only Qt headers).
#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestHerstel : public QObject {
    Q_OBJECT

    QTemporaryDir map_;

private slots:
    void killNaUitslagBiedtHerstelAan();
};
