// The tournament data dialog ("Invoeren toernooigegevens"): the tournament name and the
// particulars of the open group (entry/toernooigegevens.h), with the question on closing
// without OK.
#pragma once

#include "entry/toernooigegevens.h"
#include "ui/dialoog.h"

#include <memory>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velkaro::ui {

class ToernooiDialoog final : public Dialoog {
    Q_OBJECT
public:
    ToernooiDialoog(Omgeving& o, QWidget* ouder);
    void Vertaal() override;

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    void LeesVelden();

    std::unique_ptr<Toernooischerm> scherm_;
    QLineEdit *edNaam_, *edVan_, *edTot_, *edPlaats_, *edLand_, *edHulp_, *edTempo_;
    std::vector<QLineEdit*> edWL_, edAR_; // naam, adres, woonplaats, telefoon, e-mail
    QLabel *lblNaam_, *lblVan_, *lblTot_, *lblPlaats_, *lblLand_, *lblHulp_, *lblTempo_;
    std::vector<QLabel*> lblWL_, lblAR_;
    QGroupBox *grpWL_, *grpAR_;
    QPushButton *knopOk_, *knopAnnuleren_, *knopHelp_;
};

} // namespace velkaro::ui
