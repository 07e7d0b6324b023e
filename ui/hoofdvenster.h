// The main window: menu, the two groups of speed buttons, the panels and the status bar,
// refreshed when the program is idle. It holds every dialog, created once at start-up, and
// hands each command to the logic of entry/programma.h.
#pragma once

#include "entry/herstel.h"
#include "entry/ongedaan.h"
#include "entry/programma.h"
#include "reports/rapportopties.h"
#include "ui/omgeving.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QTimer;
class QTranslator;
class QToolButton;

namespace velkaro {
class TWedstrijdenlijst;
}

namespace velkaro::ui {

class AfdrukDialoog;
class CategorieDialoog;
class GroepenDialoog;
class HelpVenster;
class InstellingenDialoog;
class OngedaanActies;
class MatrixDialoog;
class OverVenster;
class PerRondeMatrixDialoog;
class RapportDialoog;
class Rapportscherm;
class RondeDialoog;
class RoosterDialoog;
class SorteerDialoog;
class SpelerLijstDialoog;
class TaalDialoog;
class ToernooiDialoog;

struct Startopties {
    std::string InstellingenPad; // the program settings file
    std::string Werkmap;         // the working folder before the settings file is read
    QString Handleiding;         // the user guide; empty when it is not there
    bool FMJDLijsten = false;
    bool Testopties = false;
    Ratinglijsten* Lijsten = nullptr; // owned by main, for the program's whole run
};

class Hoofdvenster final : public QMainWindow {
    Q_OBJECT
public:
    Hoofdvenster(Competitie& c, Gesprek& g, Startopties opties);
    ~Hoofdvenster() override;

    // Showing the main window: its placement, the "Bestanden" section with the language,
    // the recent files; then the window appears.
    void Start();
    // Opens a competition named at start-up (as a recent file is opened).
    bool OpenBijStart(const std::string& naam);
    // Started without a file: a competition whose recovery copy the last run left behind
    // (the program did not end normally) is opened, which offers to restore it.
    bool HerstelBijStart();
    // Every text of every window in the language in force.
    void Vertaal();
    // The idle refresh: panels, status bar, caption, recent files and enabled commands.
    void Ververs();

    // " &Rooster maken" and both "Rooster" buttons: the Swiss pre-check, then the schedule
    // dialog; after a pairing the report of its rounds. Also the rounds dialog's request.
    void RoosterMaken();
    // The schedule dialog, then the new rounds on "Uitslagen en/of rooster" after a pairing.
    void Roosterdialoog();
    // The report dialog opened for a kind, with the results range preset (after a pairing:
    // the paired rounds).
    void ToonRapport(Rapportsoort soort, std::optional<int32_t> van = {},
                     std::optional<int32_t> tot = {});

    Programma& Logica() { return programma_; }
    // "&Uitslagen invoeren" and "Ronde" (input mode), "Uitslagen" (result mode: the current
    // round opens at once); afterwards the group switch or the schedule the match list asked for.
    void OpenRondes(bool direct);
    RondeDialoog* Rondes() const { return rondes_.get(); }

    // What follows the match list's "Rooster" request (the schedule dialog) and a successful
    // pairing (the report of the paired rounds, once that kind can be written); tests replace
    // them to see that they are asked for.
    std::function<void()> OpenRooster;
    std::function<void(int32_t van, int32_t tot)> NaRooster;
    HelpVenster* Help() const { return help_.get(); }
    // The player register, whose hooks the program sets.
    SpelerLijstDialoog* Spelerlijst() const { return spelers_.get(); }
    // The undo history of the open group, shared by the match list and the player register.
    Geschiedenis& Historie() { return historie_; }
    OngedaanActies* Ongedaan() const { return ongedaan_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QAction* Actie(QMenu* menu, const char* naam, QKeySequence sneltoets = {});
    QToolButton* Knop(QWidget* ouder, const char* naam, QAction* actie = nullptr);
    void BouwMenu();
    void BouwScherm();
    void Na(bool gelukt);      // after a command: refresh at once
    void Geopend(bool gelukt); // after opening or creating a competition
    void BewaarHerstel(const TWedstrijdenlijst* open);
    void ToonHelp(const QString& anker, QWidget* vanuit);
    // The web site's folder and "publish after every save", remembered per competition in
    // the program settings ("Publiceren"); the settings file is written at once.
    std::string Publiceermap() const;
    bool PubliceerNaOpslaan() const;
    void BewaarPubliceren(const std::string& map, bool naOpslaan);

    Competitie& c_;
    Gesprek& g_;
    Startopties opties_;
    Ini ini_;
    Omgeving o_;
    Programma programma_;
    Herstelbewaarder herstel_{c_};
    Geschiedenis historie_{c_};
    std::string herstelInIni_; // the competition whose copy the settings file names
    QTimer* klok_;
    // Qt's own texts (file, print and page set-up dialogs) in the program's language.
    std::unique_ptr<QTranslator> qtTeksten_;
    Panelen getoond_; // the texts shown last, so unchanged ones are not set again

    // menu
    OngedaanActies* ongedaan_ = nullptr;
    QMenu *mBestand_, *mBewerken_, *mGegevens_, *mWedstrijden_, *mUitvoer_, *mCompetitie_, *mInfo_;
    QAction *aOpenen_, *aOpslaan_, *aNieuw_, *aPrinter_, *aTaal_, *aExport_, *aAfsluiten_;
    QAction* aRecentScheiding_;
    std::array<QAction*, 4> aRecent_{};
    QAction *aSpelers_, *aInstellingen_, *aCategorieen_, *aElo_, *aToernooi_;
    QAction *aRooster_, *aUitslagenInvoeren_, *aMatrix_, *aPerRondeMatrix_, *aWissen_,
        *aHersorteren_;
    std::array<QAction*, 9> aUitvoer_{};
    QAction *aPubliceren_, *aPubliceerNaOpslaan_;
    QAction *aWisselen_, *aHeropenen_, *aHelp_, *aOver_;

    // speed buttons
    QToolButton *kAfsluiten_, *kWisselen_;
    QGroupBox *grpNieuw_, *grpBestaand_;
    QToolButton *kOpslaanN_, *kNieuw_, *kSpelers_, *kInstellingen_, *kRoosterN_;
    QToolButton *kOpenen_, *kRoosterB_, *kRonde_, *kStand_, *kUitslagen_, *kSnel_, *kOpslaanB_;

    // panels
    QLabel *lblCompetitie_, *lblBestand_, *lblGroepen_;
    QLabel *capSpelers_, *capRondes_, *capWedstrijden_, *capSysteem_, *capSorteer_;
    QLabel *valSpelers_, *valRondes_, *valWedstrijden_, *valSysteem_, *valSorteer_;
    std::array<QLabel*, 6> status_{};

    // the dialogs, created once in this order
    std::unique_ptr<SpelerLijstDialoog> spelers_;
    std::unique_ptr<CategorieDialoog> categorieen_;
    std::unique_ptr<GroepenDialoog> groepen_;
    std::unique_ptr<InstellingenDialoog> instellingen_;
    std::unique_ptr<TaalDialoog> taal_;
    std::unique_ptr<ToernooiDialoog> toernooi_;
    std::unique_ptr<OverVenster> over_;
    std::unique_ptr<RondeDialoog> rondes_;
    std::unique_ptr<RoosterDialoog> rooster_;
    std::unique_ptr<MatrixDialoog> matrix_;
    std::unique_ptr<PerRondeMatrixDialoog> perRondeMatrix_;
    std::unique_ptr<SorteerDialoog> sorteren_;
    std::unique_ptr<Rapportscherm> scherm_;
    std::unique_ptr<AfdrukDialoog> afdrukken_;
    std::unique_ptr<RapportDialoog> rapport_;
    std::unique_ptr<HelpVenster> help_;
};

} // namespace velkaro::ui
