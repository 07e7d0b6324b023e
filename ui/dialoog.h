// What every dialog of the program does alike: its placement is restored when it is shown
// and kept when it closes, F1 opens its section of the user guide, and Vertaal() sets all
// its texts in the language in force.
#pragma once

#include "ui/omgeving.h"

#include <QDialog>

#include <string>

namespace velkaro::ui {

class Dialoog : public QDialog {
    Q_OBJECT
public:
    Dialoog(Omgeving& o, std::string vormnaam, QString helpanker, QWidget* ouder);
    virtual void Vertaal() = 0;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    Omgeving& o_;

private:
    std::string vormnaam_;
    QString helpanker_;
};

} // namespace velkaro::ui
