// What the settings dialog decides: which controls it shows, how each control reacts, and
// how OK writes the fields back into the scoring settings (with the sort-order check of the
// Swiss system). The dialog widgets only show a Instellingenscherm and pass its events on.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velkaro {

// The values the controls show. Number fields are texts, as typed.
struct Instellingsvelden {
    std::optional<uint16_t> Systeem; // the selected radio button; none for an unknown value

    bool Schaaknotatie = false, KNDBDelfts = false, PlusMin = false;
    std::string Winst, Remise, Verlies, PlusRemise, MinRemise; // one digit each
    bool FMJDRating = false, FMJD64 = false, Testopties = false, AlternatieveWeerstand = false;
    int LarenBasis = 60; // 10..750, step 10

    std::string Sorteervolgorde; // up to five digits
    std::string SorteerLegenda;  // the line below it

    std::string KeizerWinst, KeizerRemise, KeizerVerlies, KeizerNietGespeeld, Afloopfactor,
        PuntenNr1, KerenRekenen; // up to three digits each
    bool Optimaliseren = false;

    bool KleurDominant = false;
    std::string MaxKleurverschil; // one digit
    bool Viertallen = false;

    uint16_t Ratingmethode = 2; // 0 Prestatierating, 1 Vast startpunt, 2 Eigen startpunt
    std::string Correctiefactor, Aanvangsrating; // up to four digits each

    std::string WegingEigen, WegingTegen; // one digit each
    bool Wegen = false;
    int MinWed = 0, PlaatsAfstand = 0, Geleden = 0; // 0..1000

    bool VrijBijOneven = false; // an odd number of players to pair gives a bye
    Vrijscore VrijScore = Vrijscore::Winst;
};

// The widths of the number fields in digits: a longer value is no valid number.
inline constexpr std::size_t kCijfersPunten = 1, kCijfersSorteer = 5, kCijfersKeizer = 3,
                             kCijfersKleur = 1, kCijfersRating = 4, kCijfersWeging = 1;
// The spin fields: the Laren base points and the place-pairing values.
inline constexpr int kLarenBasisMin = 10, kLarenBasisMax = 750, kLarenBasisStap = 10;
inline constexpr int kHuizumMax = 1000;
// A Laren base the spin field can show: on its scale and its step.
bool GeldigeLarenBasis(int waarde);

// Which controls are shown (or enabled, for the colour difference).
struct Instellingszicht {
    bool Keizer = false, Zwitsers = false, Rating = false, Moyenne = false;
    bool Sorteervolgorde = true, LarenBasis = false;
    bool Puntvelden = true;     // "Plus en minremises" and the five point fields
    bool PlusMinVelden = false; // "+ remise" and "-  remise"
    bool FMJD64 = false, Testopties = false;
    bool MaxKleurverschil = false; // enabled
    bool VrijScore = false;        // enabled: only while the bye is switched on
};

// The pairing parameters of place pairing, written at once when their spin field changes.
enum class Huizumveld { MinWed, PlaatsAfstand, Geleden };

class Instellingenscherm {
public:
    // fmjd64Aanwezig: both FMJD list files exist (only then is "FMJD 64" offered);
    // fmjd64Programma: the program-wide switch behind it.
    Instellingenscherm(Competitie& c, bool fmjd64Aanwezig, bool fmjd64Programma,
                       bool testoptiesZichtbaar = false);

    // Fills every control from the settings (the dialog's activation).
    void Open();

    const Instellingsvelden& Velden() const { return v_; }
    // The number fields are typed into directly.
    Instellingsvelden& Invoer() { return v_; }
    const Instellingszicht& Zicht() const { return z_; }

    void KiesSysteem(uint16_t systeem);
    void ZetSchaaknotatie(bool aan);
    void ZetKNDBDelfts(bool aan);
    void ZetPlusMin(bool aan);
    void ZetKleurDominant(bool aan);
    void ZetVrijBijOneven(bool aan);
    void ZetSorteervolgorde(const std::string& tekst);
    void ZetFMJDRating(bool aan);
    void ZetFMJD64(bool aan);
    // False, and nothing written, for a value outside 0 to kHuizumMax.
    bool ZetHuizum(Huizumveld veld, int waarde);

    // OK: writes the fields back. False when a field holds no number (or more digits than
    // the field takes): then nothing is written, the user is told, and the dialog stays open.
    bool Ok(Gesprek& gesprek);
    // Closing (after OK or Annuleren): resets the players' ratings when "FMJD-rating
    // hanteren" was clicked. Returns the new state of the program-wide FMJD 64 switch when
    // the shell must be told it.
    std::optional<bool> Sluit();

private:
    void VerbergSysteemgroepen();
    void PasNotatieToe();
    void ToonSysteem(uint16_t systeem);

    Competitie& c_;
    bool fmjd64Aanwezig_, fmjd64Programma_, testoptiesZichtbaar_;
    Instellingsvelden v_;
    Instellingszicht z_;
    bool ratingbronGeklikt_ = false;
};

// The line below the sort-order field: each digit's short criterion name and a blank.
std::string SorteerLegenda(const std::string& cijfers);
// The tie-break order as the main window shows it: criteria 1 to 7 by name, other digits
// only a blank.
std::string SorteervolgordeTekst(int32_t sorteervolgorde);
// The Swiss system's check: a sort order that does not begin with a criterion of 3 or more
// (or with "29") is replaced by 47. Returns the order to use.
int32_t ControleerSorteervolgorde(uint16_t systeem, int32_t sorteervolgorde);

} // namespace velkaro
