// Crash recovery of the desktop program. While a competition is open, every completed change
// is written to a recovery copy beside it (club.xv7 → club.herstel) as soon as the program is
// idle again; a save that brings the files up to date removes the copy. A copy found when the
// competition is opened again means the program did not end normally: the user is offered to
// restore it.
//
// The copy holds the main file and the open group's file as they would be saved, plus the
// matches the match list holds outside the collection while it is open, so a crash there keeps
// the results typed. Like every file of the competition it is written through a temporary file
// and a rename, so a crash while writing it leaves the previous copy.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"
#include "storage/bestandsnamen.h"
#include "storage/competitiebestand.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace velkaro {

struct Herstelkopie {
    int32_t Groep = 0; // Bestandsnummer of the open group
    std::string Hoofdtekst, Groeptekst;
    std::vector<Wedstrijdgegevens> Open; // the match list's matches, outside the collection
};

std::string SchrijfHerstelTekst(const Herstelkopie& k);
// nullopt for anything that is not a whole recovery copy (a foreign or cut-off file).
std::optional<Herstelkopie> LeesHerstelTekst(std::string_view tekst);

// Keeps the recovery copy of the open competition up to date.
class Herstelbewaarder {
public:
    explicit Herstelbewaarder(Competitie& c) : c_(c) {}
    // After a change (the program is idle again): writes the copy when the competition (with
    // the match list's matches `open`) differs from its files and from the last copy, removes
    // it when the files hold the competition as it is. A read-only competition has none.
    Bestandsresultaat Bij(std::span<const Wedstrijdgegevens> open = {});
    // The competition (main file) whose recovery copy exists now; empty when none.
    std::string Kopie() const { return geschreven_ ? naam_ : std::string(); }

private:
    Competitie& c_;
    std::string naam_;    // the competition the last copy belongs to
    std::string laatste_; // the competition as last seen
    bool geschreven_ = false;
    bool gewijzigd_ = false;           // Competitie::Gewijzigd as last seen
    std::optional<std::string> basis_; // the competition as loaded or last saved
};

// Opening a competition that has a recovery copy: the user is asked (Waarschuwing, Yes/No)
// whether to restore it, naming the copy's time. Yes writes the copy over the competition's
// files and loads it again; No removes the copy. Returns true when it was restored. The caller
// holds the competition's lock.
bool BiedHerstelAan(Competitie& c, Gesprek& gesprek);

} // namespace velkaro
