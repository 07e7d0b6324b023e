// The report dialog (TVKRang): the options of a report kind, and the output buttons that send
// the report to the screen, a file or the print preview. The decisions live in
// reports/rapportdialoog.h; the dialog fills a Rapportkeuze and calls MaakRapport.
#pragma once

#include "reports/rapportdialoog.h"
#include "reports/uitvoer.h"
#include "ui/dialoog.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

namespace velkaro::ui {

class AfdrukDialoog;
class Rapportscherm;
class SorteerDialoog;

class RapportDialoog final : public Dialoog {
    Q_OBJECT
public:
    RapportDialoog(Omgeving& o, SorteerDialoog& sorteren, Rapportscherm& scherm,
                   AfdrukDialoog& afdrukken, QWidget* ouder);
    ~RapportDialoog() override;
    void Vertaal() override;

    // Opens the dialog for a kind; van and tot preset the results range.
    void Toon(Rapportsoort soort, std::optional<int32_t> van = {}, std::optional<int32_t> tot = {});
    // Fills the controls for a kind without showing the dialog.
    void Bereid(Rapportsoort soort, std::optional<int32_t> van = {},
                std::optional<int32_t> tot = {});
    // What the controls hold now.
    Rapportkeuze Keuze() const;

    // "&Wijzigen toernooigegevens": the tournament data dialog, set by the main window.
    std::function<void()> OpenToernooigegevens;

private:
    enum class Bestemming { Scherm, Bestand, Printer };
    void Vul(const Rapportkeuze& k);
    void ToonVoorSoort(Rapportsoort soort);
    // The "Afdrukken van" boxes the kind shows, packed in two columns from the top: a hidden
    // box leaves no hole.
    void SchikVakjes();
    void Maak(Bestemming b);
    void Bewaar();

    SorteerDialoog& sorteren_;
    Rapportscherm& scherm_;
    AfdrukDialoog& afdrukken_;
    TUitvoerObject uitvoer_;
    Rapportkeuze keuze_;
    std::string vasteTekst_; // kept for the rest of the run

    QGroupBox *grpUitvoer_, *grpAfdrukkenVan_, *grpUitslagen_, *grpSerie_, *grpSorteren_,
        *grpGeschiedenis_;
    QPushButton *knopPrint_, *knopSetup_, *knopScherm_, *knopDisk_, *knopFont_;
    QCheckBox* chkGeformatteerd_;
    QComboBox *cbVastFont_, *cbOpmaakFont_;
    QLabel *lblVastFont_, *lblOpmaakFont_;
    QRadioButton *rbStaand_, *rbLiggend_;
    std::vector<std::pair<bool Afdrukopties::*, QCheckBox*>> vakjes_;
    QSpinBox *spUitslagVan_, *spUitslagTot_;
    QLabel *lblUitslagVan_, *lblUitslagTot_;
    QCheckBox *chkWedstrijdnummer_, *chkTafelnummer_, *chkUitslagLoting_, *chkInfoEerder_;
    QCheckBox *chkSerieStand_, *chkSerieVoortschrijding_, *chkSerieTegenstander_,
        *chkSerieCategorie_;
    QSpinBox *spVanCompetitie_, *spTotCompetitie_;
    QLabel *lblVanCompetitie_, *lblTotCompetitie_;
    QRadioButton *rbNaam_, *rbRating_, *rbLoting_;
    QLineEdit* edZoek_;
    QLabel* lblZoek_;
    QListWidget* lstGeschiedenis_;
    QPushButton *knopAlle_, *knopGeen_, *knopKies_;
    QPlainTextEdit *edVast_, *edEenmalig_;
    QLabel *lblVast_, *lblEenmalig_, *lblVoortgang_;
    QPushButton* knopToernooi_;
    QComboBox* cbMaximum_;
    QSpinBox* spMatrix_;
    QLabel *lblMaximum_, *lblMatrix_;
    QPushButton *knopOk_, *knopHelp_;
};

} // namespace velkaro::ui
