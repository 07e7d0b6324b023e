// The language dialog ("Taal wijzigen"): clicking a language applies it at once, to this
// dialog's own buttons too; OK and Annuleren only close.
#pragma once

#include "ui/dialoog.h"

#include <functional>

class QPushButton;
class QRadioButton;

namespace velkaro::ui {

class TaalDialoog final : public Dialoog {
    Q_OBJECT
public:
    // taalGewijzigd: relabels every window of the program.
    TaalDialoog(Omgeving& o, std::function<void()> taalGewijzigd, QWidget* ouder);
    void Vertaal() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    std::function<void()> taalGewijzigd_;
    QRadioButton *rbNederlands_, *rbEngels_, *rbFrans_, *rbR_;
    QPushButton *knopOk_, *knopAnnuleren_;
};

} // namespace velkaro::ui
