// The match list of one round: its matches in a table, the round's date, the result buttons
// and keys of the scoring mode in force, the buttons that add, change, delete, renumber and
// move matches, and the group switch. It shows a TWedstrijdenlijst (entry/wedstrijdlijst.h)
// and passes every click and key to it.
#pragma once

#include "entry/wedstrijdlijst.h"
#include "ui/dialoog.h"

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QTableView;

namespace velkaro::ui {

class OngedaanActies;
class WedInvoerDialoog;
class WedstrijdModel;

class WedstrijdlijstDialoog final : public Dialoog {
    Q_OBJECT
public:
    WedstrijdlijstDialoog(Omgeving& o, QWidget* ouder);
    ~WedstrijdlijstDialoog() override;
    void Vertaal() override;

    // Fills the dialog from the list (after its SetData) and runs it modally.
    Afsluiting Toon(TWedstrijdenlijst& lijst);
    // The same without running it: what opening the list costs, and the screenshots.
    void Bereid(TWedstrijdenlijst& lijst);
    // Lets go of the list after Bereid.
    void Los();

    // "&Spelers": the player register, opened modally by the main window.
    std::function<void()> OpenSpelers;

    WedstrijdModel* Model() const { return model_; }
    // The list shown, nullptr while the dialog shows none.
    const TWedstrijdenlijst* Lijst() const { return l_; }
    WedInvoerDialoog* Invoer() const { return invoer_.get(); }
    OngedaanActies* Ongedaan() const { return ongedaan_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // Escape and closing the window keep the changes.
    void reject() override;

private:
    QPushButton* Knop(const char* naam);
    // A key outside the date field; true when it was the list's.
    bool Toets(QKeyEvent* e);
    void Druk(Uitslagknop knop);
    // After an action that may have moved lines: the table again and the list's selection.
    void Na();
    void Selecteer();
    void Sluit(Afsluiting a);
    void VulGroepen();

    TWedstrijdenlijst* l_ = nullptr;
    Afsluiting uitkomst_ = Afsluiting::Ok;
    WedstrijdModel* model_;
    QTableView* tabel_;
    QLabel *lblDatum_, *lblGroep_;
    QLineEdit* datum_;
    QComboBox* groep_;
    QGroupBox* paneel_;
    std::array<QPushButton*, kResultaatknoppen> res_{};
    QPushButton *regl00_, *afgebroken_, *uitslagWeg_, *reglUitslag_;
    QPushButton *nieuw_, *wijzig_, *verwijder_, *nummer_, *ronde_, *wissel_, *random_;
    QPushButton *spelers_, *rooster_, *abort_, *ok_, *help_;
    std::unique_ptr<WedInvoerDialoog> invoer_;
    OngedaanActies* ongedaan_;
};

} // namespace velkaro::ui
