// The match list's logic for one round: the round's matches taken out of the collection as a
// working set with restore copies, the result buttons and keys, new, change, delete, number,
// round, exchange colours and random results, and the commit or restore on closing.
#pragma once

#include "entry/uitslagknoppen.h"
#include "entry/wedinvoer.h"
#include "model/competitie.h"
#include "model/gesprek.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velkaro {

namespace lang {
enum class T : uint16_t;
}

class Geschiedenis;

// How the match list was closed: OK keeps the changes, Abort restores the round.
enum class Afsluiting { Ok, Abort };
// What the caller is asked to do after an OK close.
enum class Verzoek { Geen, AndereGroep, Rooster };

class TWedstrijdenlijst {
public:
    // Shows the match entry dialog modally on the given logic; true for OK.
    using Invoerscherm = std::function<bool(TWedInvoer&)>;

    TWedstrijdenlijst(Competitie& c, Gesprek& gesprek, Toeval& toeval);
    ~TWedstrijdenlijst();
    TWedstrijdenlijst(const TWedstrijdenlijst&) = delete;
    TWedstrijdenlijst& operator=(const TWedstrijdenlijst&) = delete;

    // Takes the round's matches out of the collection, numbering them 10, 20, 30, ..., keeps a
    // copy of each, shows the round's date and rebuilds the free players.
    void SetData(int32_t ronde);
    // Stores the date; puts the edited matches back (commit) or the copies (no commit).
    void GetData(int32_t ronde, bool commit);

    std::string Datum;
    // "Ronde " (with its blank), a blank, the round number, a blank and the tournament name.
    std::string Titel() const;
    int32_t Ronde() const { return ronde_; }
    bool Gewijzigd() const { return gewijzigd_; }

    std::size_t Aantal() const { return lijnen_.size(); }
    std::string Regel(std::size_t i) const;
    const Wedstrijdgegevens& Wedstrijd(std::size_t i) const { return lijnen_[i]->G(); }
    int Selectie() const { return selectie_; }
    void Selecteer(int i);

    // --- results ---
    Knoppaneel Panel() const { return MaakKnoppaneel(c_.Opties); }
    // A result button on the selected match; a result moves the selection to the next line.
    void Druk(Uitslagknop knop);
    // A typed key outside the date field: marks the standings out of date, then presses the
    // button the key stands for. True when it pressed one.
    bool Toets(char toets);
    // "Rando&m": random results for every match between two registered players.
    void Random();

    // --- matches ---
    void Nieuw(const Invoerscherm& toon);
    void Wijzig(const Invoerscherm& toon);
    void Verwijder();
    // "&Nummer" and "Ron&de": input boxes on the selected match.
    void Nummer();
    void Rondenummer();
    void Wissel();

    // --- closing ---
    // "Abort": nullopt keeps the dialog open (Cancel on the question).
    std::optional<Afsluiting> Abort();
    // Choosing another group in the combo box, or "Rooster": an OK close with a request.
    Afsluiting KiesGroep(int32_t bestandsnummer);
    Afsluiting Rooster();
    Verzoek GevraagdVerzoek() const { return verzoek_; }
    int32_t GevraagdeGroep() const { return groep_; }

    TWedInvoer& Invoer() { return invoer_; }
    // After the player register was open: the free players again (players may have gone).
    void SpelersGewijzigd() { WerkVrijBij(); }
    // The matches of the list as an OK close would put them back (the crash recovery keeps
    // them while they are outside the collection).
    std::vector<Wedstrijdgegevens> Werkset() const;
    // The undo history that records the list's changes; none by default.
    void ZetGeschiedenis(Geschiedenis* g) { geschiedenis_ = g; }
    // Undo and redo put the matches the list holds back as they were.
    void ZetWerkset(std::vector<Wedstrijdgegevens> wedstrijden);
    // The players free in this round (in no match of the list).
    const std::vector<int32_t>& VrijeSpelers() const { return invoer_.Vrij; }

private:
    twedstrijdobj* Gekozen();
    void Sorteer(const twedstrijdobj* volg);
    void WerkVrijBij();
    void Leeg();
    // A step's name with the selected match's number.
    std::string Stap(lang::T tekst);

    Competitie& c_;
    Gesprek& gesprek_;
    Toeval& toeval_;
    TWedInvoer invoer_;
    int32_t ronde_ = 0;
    std::vector<std::unique_ptr<twedstrijdobj>> lijnen_;
    std::vector<Wedstrijdgegevens> herstel_;
    int selectie_ = -1;
    bool gewijzigd_ = false;
    Verzoek verzoek_ = Verzoek::Geen;
    int32_t groep_ = 0;
    Geschiedenis* geschiedenis_ = nullptr;
};

} // namespace velkaro
