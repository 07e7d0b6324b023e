// What the main window decides: opening, creating and saving competitions with the
// automatic save before every change of file and at exit, the recent files and quick load,
// clearing all results, reopening, the program settings ("Bestanden") and the panel texts.
// A failed save is always shown; before another file is opened or the program ends the user
// is asked whether to go on without saving, and nothing happens unless he says Yes.
// A competition stays locked while it is open, so no other program changes it meanwhile;
// one that another program holds can be opened read-only.
#pragma once

#include "entry/ini.h"
#include "model/competitie.h"
#include "model/gesprek.h"
#include "storage/vergrendeling.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velkaro {

// The program's version as "--version" and the about box show it.
std::string Versietekst();

// What the main window shows of the competition, refreshed when the program is idle.
struct Panelen {
    std::string Venstertitel;
    std::string Spelers, Rondes, Wedstrijden; // counts; "-" before anything is loaded
    std::string Systeem;
    std::string Sorteervolgorde;
    bool SorteervolgordeZichtbaar = false; // its caption is hidden when the text is blank
    std::string Competitie;                // number and tournament name
    std::string Bestand;
    std::string Groepen;
    std::array<std::string, 6> Status;
};

// buitenCollectie: the matches the open match list holds outside the collection, which count
// all the same.
Panelen BerekenPanelen(const Competitie& c, std::size_t buitenCollectie = 0);

// The open-dialog filters: the competition files and the foreign formats that can be imported.
std::vector<std::string> OpenFilters();

class Programma {
public:
    Programma(Competitie& c, Gesprek& gesprek) : c_(c), gesprek_(gesprek) {}

    // The "Bestanden" section: working folder, recent files and language. A missing key
    // leaves the current value.
    void LeesInstellingen(const Ini& ini);
    void SchrijfInstellingen(Ini& ini) const;

    bool Geladen() const { return c_.Geladen(); }

    // "&Openen": the open dialog, then as OpenNaam.
    bool Openen();
    // A recent file, the quick-load button or the command line: the loaded competition is
    // saved first, then the file is read. True when it was opened.
    bool OpenNaam(const std::string& naam);
    // "&Export": the open group as a WDS file.
    bool Exporteren();
    // "&Nieuw": save, ask a name (and whether to overwrite), start an empty competition with
    // one group and save it at once.
    bool Nieuw();
    // "Op&slaan", with its message.
    bool Opslaan();
    // "&Wissen alle uitslagen": every round and match goes, after a question.
    bool WisAlleUitslagen();
    // "&Heropenen": reload the open group from its file, after a question.
    bool Heropenen();
    // "&Hersorteren".
    void Hersorteren();
    // Closing the program saves the loaded competition. False when the save failed and the
    // user chose to stay.
    bool Afsluiten();

    // Called after every save of "Op&slaan" and of the automatic save before another file
    // or the end of the program, while the saved competition is still loaded (the desktop
    // program publishes its web site there when asked to).
    std::function<void()> NaOpslaan;

    // The recent files that exist, most recent first.
    std::vector<std::string> RecenteMenu() const;
    // The quick-load button's caption (the first recent file's name) while it is shown:
    // only before a competition is loaded, and only when that file exists.
    std::optional<std::string> Snelknop() const;

private:
    // The save before another file replaces the loaded one. False when it failed and the
    // user did not choose to go on without it.
    bool BewaarVoorWissel();
    bool Lees(const std::string& naam);
    // Opening a foreign file: the import, with the new competition locked.
    bool Importeer(const std::string& naam);
    // Takes the lock of the competition naam for as long as it is open here. When another
    // program holds it the user is told, or (alleenLezenAanbieden) asked whether to open it
    // read-only; false when nothing is to be opened.
    bool NeemSlot(const std::string& naam, bool alleenLezenAanbieden, Competitieslot& slot,
                  bool& alleenLezen);
    // After a failed open the competition that stays loaded keeps its lock.
    void HerneemSlot();

    Competitie& c_;
    Gesprek& gesprek_;
    Competitieslot slot_;
};

} // namespace velkaro
