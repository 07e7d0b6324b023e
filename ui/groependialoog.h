// The competition group dialog ("Selecteren competitiegroep"): the list of groups and the
// buttons that choose, create, copy, renumber, rename and delete them (entry/groepen.h).
#pragma once

#include "ui/dialoog.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace velkaro::ui {

class GroepenDialoog final : public Dialoog {
    Q_OBJECT
public:
    GroepenDialoog(Omgeving& o, QWidget* ouder);
    void Vertaal() override;
    // Fills the list and selects its first line (the dialog's activation).
    void Vul(int32_t selecteer = 0);

protected:
    void showEvent(QShowEvent* e) override;

private:
    int32_t Gekozen() const;
    void Kies();
    void Na(int32_t selecteer);

    QLabel* label_;
    QListWidget* lijst_;
    QPushButton *kies_, *wijzigNaam_, *nieuw_, *kopieer_, *hernummer_, *verwijder_, *annuleren_;
};

} // namespace velkaro::ui
