// The rounds dialog's logic: the list of rounds, the current round, opening a round in the
// match list (commit or restore, an aborted empty round removed again), new round, insert
// before a round and delete a round with or without its matches.
#pragma once

#include "entry/wedstrijdlijst.h"
#include "model/competitie.h"
#include "model/gesprek.h"

#include <functional>
#include <string>
#include <vector>

namespace velkaro {

// A date as the rounds carry it: "dd-mm-yyyy".
std::string DatumTekst(const Datum& d);

// Number, date, matches, "[results]" and the word "Wedstrijden", tab-separated.
std::string RondeRegel(const Rondegegevens& g);

// The round to open: the lowest round with a match without a result, else the first round
// without matches, else 0. Recounts the rounds.
int32_t HuidigeRonde(Competitie& c);

// A new round after the last one, dated today; returns its number.
int32_t NieuweRonde(Competitie& c, const Klok& klok);
// A new empty round r dated today; the rounds from r on and their matches move one up.
void VoegRondeIn(Competitie& c, int32_t r, const Klok& klok);
// Removes round r and lowers the rounds above it (their matches stay where they are).
void VerwijderRondeRecord(Competitie& c, int32_t r);

enum class RondeWeg { Geannuleerd, Geweigerd, Verwijderd };
// "&Verwijderen": asks whether the round's matches go too (Yes/No/Cancel). Yes deletes them,
// No keeps them (refused when this is the only round and there are matches); then the matches
// from round r on (above round 1) move one round down and the round is removed.
RondeWeg VerwijderRonde(Competitie& c, int32_t r, Gesprek& gesprek);

class Geschiedenis;

class TRondeScherm {
public:
    // Shows the match list modally (after SetData) and gives its outcome.
    using Wedstrijdscherm = std::function<Afsluiting(TWedstrijdenlijst&)>;

    TRondeScherm(Competitie& c, Gesprek& gesprek, const Klok& klok, Toeval& toeval);

    // Rebuilds the list; with direct set opens the current round at once, or makes a new one
    // when there is none.
    void Activeer(bool direct, const Wedstrijdscherm& toon);

    const std::vector<std::string>& Regels() const { return regels_; }
    int Selectie() const { return selectie_; }
    void Selecteer(int i);
    int32_t Huidige() const { return huidige_; }

    void Keuze(const Wedstrijdscherm& toon);
    void Nieuw(const Wedstrijdscherm& toon);
    void Invoegen();
    void Verwijderen();

    // What the match list asked for when it was closed (another group, a schedule).
    Verzoek GevraagdVerzoek() const { return lijst_.GevraagdVerzoek(); }
    int32_t GevraagdeGroep() const { return lijst_.GevraagdeGroep(); }
    TWedstrijdenlijst& Lijst() { return lijst_; }
    // The undo history that records the rounds' and the match list's changes.
    void ZetGeschiedenis(Geschiedenis* g) {
        geschiedenis_ = g;
        lijst_.ZetGeschiedenis(g);
    }

private:
    void Bouw();
    int32_t GekozenRonde() const;
    int Positie(int32_t ronde) const;

    Competitie& c_;
    Gesprek& gesprek_;
    const Klok& klok_;
    TWedstrijdenlijst lijst_;
    std::vector<std::string> regels_;
    std::vector<int32_t> nummers_;
    int selectie_ = -1;
    int32_t huidige_ = 0;
    Geschiedenis* geschiedenis_ = nullptr;
};

} // namespace velkaro
