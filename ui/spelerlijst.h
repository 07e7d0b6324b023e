// The player register ("Invoeren spelers"): the list of players as plain lines or, with the
// test options on, as sortable columns, and the buttons and keys that add, change, delete,
// find and number players. Every decision is TSpelerLijst's (entry/register.h).
#pragma once

#include "entry/register.h"
#include "model/systeem.h"
#include "ui/dialoog.h"

#include <functional>
#include <memory>

class QAbstractItemView;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeView;

namespace velkaro::ui {

class OngedaanActies;
class SpelerInvoerDialoog;
class SpelerModel;

class SpelerLijstDialoog final : public Dialoog {
    Q_OBJECT
public:
    SpelerLijstDialoog(Omgeving& o, QWidget* ouder);
    ~SpelerLijstDialoog() override;
    void Vertaal() override;

    // Opens the list of participants (the report dialog); the button is disabled while unset.
    std::function<void()> OpenDeelnemerslijst;

    SpelerInvoerDialoog* Invoerdialoog() const { return invoer_; }
    SpelerModel* Model() const { return model_; }
    OngedaanActies* Ongedaan() const { return ongedaan_; }

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // After every action: the lines again from the register, its selection, the counter.
    void Toon();
    void ToonTeller();
    void ToonBediening();
    QAbstractItemView* View() const;
    void Nieuw();
    void Wijzig();
    void Verwijder();
    void Zoek();
    void Nummeren();

    MersenneToeval toeval_;
    std::unique_ptr<TSpelerLijst> lijst_;
    SpelerInvoerDialoog* invoer_;
    SpelerModel* model_;
    bool bezig_ = false;
    OngedaanActies* ongedaan_;

    QListView* regels_;
    QTreeView* kolommen_;
    QLabel* lblTeller_;
    QGroupBox *grpLoting_, *grpNummeren_;
    QButtonGroup* lotingGroep_;
    QRadioButton *rbVolgorde_, *rbWillekeurig_, *rbIngeven_;
    QLabel* lblMaximum_;
    QSpinBox* sbMaximum_;
    QCheckBox* cbSnel_;
    QLabel* lblGroepen_;
    QSpinBox* sbGroepen_;
    QRadioButton *rbParallel_, *rbTegenElkaarIn_;
    QPushButton *knopNummeren_, *knopNieuw_, *knopWijzig_, *knopVerwijder_, *knopZoek_,
        *knopDeelnemers_, *knopOk_, *knopHelp_;
};

} // namespace velkaro::ui
