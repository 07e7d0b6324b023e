// The match entry dialog ("Wedstrijden invoeren"): white and black typed as a drawing number,
// a name or an outside opponent's rating, or clicked in the lists of free or all players. It
// shows a TWedInvoer (entry/wedinvoer.h) and passes every keystroke and click to it.
#pragma once

#include "entry/wedinvoer.h"
#include "ui/dialoog.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace velkaro::ui {

class WedInvoerDialoog final : public Dialoog {
    Q_OBJECT
public:
    WedInvoerDialoog(Omgeving& o, QWidget* ouder);
    void Vertaal() override;
    // Fills the dialog from the logic (already opened on a match) and runs it; true for OK.
    bool Toon(TWedInvoer& invoer);
    // The same without running it (the screenshots show it this way).
    void Bereid(TWedInvoer& invoer);

private:
    struct Kant {
        QLabel *Kop, *Speler, *OfRating;
        QLineEdit *Tekst, *Rating;
        QListWidget* Lijst;
    };
    Kant MaakKant(Kleur k, const char* kop, const char* tekst, const char* speler,
                  const char* rating, const char* lijst);
    void Ververs(Kleur k, bool tekstOok);
    void VulLijsten();

    TWedInvoer* w_ = nullptr;
    std::array<Kant, 2> kanten_;
    QCheckBox* alle_;
    QPushButton *ok_, *annuleren_, *help_;
};

} // namespace velkaro::ui
