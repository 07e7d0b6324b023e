// The settings dialog ("Instellingen"): the calculation system, the points, the sort order
// and the parameters of each system. It shows an Instellingenscherm (entry/instellingen.h)
// and passes every click and keystroke to it.
#pragma once

#include "entry/instellingen.h"
#include "ui/dialoog.h"

#include <memory>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace velkaro::ui {

class InstellingenDialoog final : public Dialoog {
    Q_OBJECT
public:
    InstellingenDialoog(Omgeving& o, QWidget* ouder);
    void Vertaal() override;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    // Sets every control from the screen state, without echoing the changes back.
    void Toon();
    QLineEdit* Veld(const char* naam, std::size_t cijfers, std::string Instellingsvelden::*veld);
    QCheckBox* Vak(const char* naam);
    QRadioButton* Keuze(const char* naam);

    std::unique_ptr<Instellingenscherm> scherm_;
    bool bezig_ = false;

    struct Systeemknop {
        QRadioButton* Knop;
        uint16_t Systeem;
    };
    std::vector<Systeemknop> systemen_;
    QButtonGroup* systeemGroep_;
    std::vector<std::pair<QLineEdit*, std::string Instellingsvelden::*>> velden_;

    QGroupBox *grpSysteem_, *grpAlgemeen_, *grpSorteer_, *grpKeizer_, *grpZwitsers_, *grpRating_,
        *grpMoyenne_, *grpVedodi_;
    QRadioButton *rbNormaal_, *rbKeizer_, *rbMoyenne_, *rbRating_, *rbZwitsers_, *rbZwitsersRating_,
        *rbLaren_, *rbFMJDZwitsers_;
    QCheckBox *cbSchaak_, *cbKNDB_, *cbPlusMin_, *cbFMJDRating_, *cbFMJD64_, *cbTestopties_,
        *cbAltWeerstand_;
    QLineEdit *edWinst_, *edRemise_, *edVerlies_, *edPlusRemise_, *edMinRemise_;
    QLabel *lblWinst_, *lblRemise_, *lblVerlies_, *lblPlusRemise_, *lblMinRemise_, *lblBasis_;
    QSpinBox* sbBasis_;
    QCheckBox* cbVrij_;
    QLabel* lblVrijScore_;
    QComboBox* cbVrijScore_;
    QLineEdit* edSorteer_;
    QLabel* lblLegenda_;
    std::vector<QLabel*> criteria_;
    QLineEdit *edKWinst_, *edKRemise_, *edKVerlies_, *edKNiet_, *edAfloop_, *edNr1_, *edKeren_;
    QLabel *lblKWinst_, *lblKRemise_, *lblKVerlies_, *lblKNiet_, *lblAfloop_, *lblNr1_, *lblKeren_;
    QCheckBox* cbOptimaliseren_;
    QCheckBox *cbKleurDominant_, *cbViertallen_;
    QLineEdit* edMaxKleur_;
    QLabel* lblMaxKleur_;
    QRadioButton *rbEigenStart_, *rbPrestatie_, *rbVastStart_;
    QLineEdit *edCorrectie_, *edAanvang_;
    QLabel *lblCorrectie_, *lblAanvang_;
    QLabel *lblWeging_, *lblEigenGem_, *lblTegenGem_;
    QLineEdit *edWegingEigen_, *edWegingTegen_;
    QCheckBox* cbWegen_;
    QSpinBox *sbMinWed_, *sbPlaats_, *sbGeleden_;
    QLabel *lblMinWed_, *lblPlaats_, *lblGeleden_;
    QPushButton *knopOk_, *knopAnnuleren_, *knopHelp_;
};

} // namespace velkaro::ui
