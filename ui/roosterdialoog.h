// The schedule dialog ("Rooster maken"): round, players and colours of the pairing, which
// runs in the progress window; what it shows and allows comes from pairing/roosterkeuze.h.
#pragma once

#include "pairing/roosterresultaat.h"
#include "ui/dialoog.h"

#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace velkaro::ui {

class RoosterVoortgang;

class RoosterDialoog final : public Dialoog {
    Q_OBJECT
public:
    RoosterDialoog(Omgeving& o, QWidget* ouder);
    ~RoosterDialoog() override;
    void Vertaal() override;

    // The outcome of "&Rooster samenstellen" in the last session; nullopt when none ran.
    const std::optional<Roosterresultaat>& Resultaat() const { return resultaat_; }
    // A pairing is running: nothing else may touch the competition.
    bool Bezig() const;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    void Vul();
    void VulRoosterlijst();
    void ToonTellers();
    void Wissel(QListWidgetItem* item);
    void Samenstellen();

    bool debugfile_ = false; // "Debugfile", remembered while the program runs
    bool bezig_ = false;     // filling the lists: their signals are not the user's
    std::optional<Roosterresultaat> resultaat_;
    std::unique_ptr<RoosterVoortgang> voortgang_;

    QLabel* lblRonde_;
    QSpinBox* sbRonde_;
    QCheckBox* cbLaatsteRonde_;
    QGroupBox* grpKleuren_;
    QRadioButton *rbStandaard_, *rbVerwisseld_;
    QGroupBox* grpSelecteren_;
    QPushButton *knopIedereen_, *knopNiemand_;
    QLabel *capInTeRoosteren_, *lblInTeRoosteren_, *capTotaal_, *lblTotaal_;
    QLabel* lblOneven_; // why an odd number greys the button, or that one player gets a bye
    QListWidget *lstRooster_, *lstVinklijst_;
    QCheckBox* cbDebugfile_;
    QPushButton *knopSamenstellen_, *knopAnnuleren_, *knopHelp_;
};

} // namespace velkaro::ui
