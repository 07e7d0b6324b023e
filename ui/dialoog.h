// What every dialog of the program does alike: its placement is restored when it is shown
// and kept when it closes, F1 opens its section of the user guide, and Vertaal() sets all
// its texts in the language in force.
#pragma once

#include "ui/omgeving.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include <string>

namespace velkaro::ui {

// The room between a label and its field in the dialogs' forms: some styles give so little
// that a long label seems to run into its field.
constexpr int kVeldafstand = 12;

class Dialoog : public QDialog {
    Q_OBJECT
public:
    Dialoog(Omgeving& o, std::string vormnaam, QString helpanker, QWidget* ouder);
    virtual void Vertaal() = 0;

protected:
    // Opens the dialog's section of the user guide (F1 and the Help button).
    void OpenHelp();
    // The row of OK, Cancel and Help at the bottom right: OK is the default button and the
    // caller connects it; Cancel rejects and Help opens the dialog's section.
    QHBoxLayout* Knoppenrij(QPushButton*& ok, QPushButton*& annuleren, QPushButton*& help);

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    Omgeving& o_;

private:
    std::string vormnaam_;
    QString helpanker_;
};

} // namespace velkaro::ui
