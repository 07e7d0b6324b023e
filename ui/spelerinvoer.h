// The player entry dialog ("Invoer spelersgegevens"): one player's fields, shown from and
// read back into TInvoerSpelers (entry/spelerinvoer.h), and the national and FMJD rating
// lists, narrowed as the user types, from which a click takes a player's data over.
#pragma once

#include "entry/spelerinvoer.h"
#include "ui/dialoog.h"
#include "ui/ratinglijstmodel.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSpinBox;

namespace velkaro::ui {

class SpelerInvoerDialoog final : public Dialoog {
    Q_OBJECT
public:
    SpelerInvoerDialoog(Omgeving& o, QWidget* ouder);
    void Vertaal() override;

    // Shows the fields of the logic; true when closed with OK (its GetData then succeeds).
    bool Toon(TInvoerSpelers& invoer);
    // Fills the controls without showing the dialog.
    void Zet(TInvoerSpelers& invoer);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void LeesVelden();
    void ToonVelden();
    void VulLijsten();
    void NeemOver(bool fmjd, const QModelIndex& i);
    void Positioneer();
    void Ok();

    TInvoerSpelers* invoer_ = nullptr;

    QLineEdit *edNaam_, *edLotingNr_, *edKort_, *edPlaats_, *edLand_, *edBarrage_, *edFMJDID_;
    std::array<QLineEdit*, 4> edCat_{};
    QLabel *lblNaam_, *lblLotingNr_, *lblKort_, *lblPlaats_, *lblLand_, *lblCat_, *lblBarrage_,
        *lblFMJDID_;
    QGroupBox *grpOpnemen_, *grpNationaal_, *grpFMJD_;
    QCheckBox *cbStand_, *cbRooster_;
    QLabel *lblRating_, *lblTitel_, *lblFMJDRating_, *lblFMJDTitel_;
    QSpinBox *sbRating_, *sbFMJDRating_;
    QComboBox *cbTitel_, *cbFMJDTitel_;
    QCheckBox *cbGebruikRatingbestand_, *cbFMJDBestand_, *cbVolledigeVoornaam_;
    QPushButton *knopOk_, *knopAnnuleren_, *knopHelp_;
    QGroupBox *grpNatLijst_, *grpFMJDLijst_;
    QLabel *lblNatBestand_, *lblFMJDBestand_, *lblFMJDNaam_, *lblZoekNat_, *lblZoekFMJD_;
    QLineEdit *edZoekNat_, *edZoekFMJD_;
    QListView *lbNat_, *lbFMJD_;
    RatinglijstModel *natModel_, *fmjdModel_;
    // What the lists were filled from, so they are filled again only after a change.
    std::string natGevuld_, fmjdGevuld_;
};

} // namespace velkaro::ui
