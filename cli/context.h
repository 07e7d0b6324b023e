// What every command of velkaro-cli shares: the command table, opening and saving the
// competition with the system's own messages, and the answers to the program's questions.
#pragma once

#include "cli/argumenten.h"
#include "model/competitie.h"
#include "model/gesprek.h"
#include "model/systeem.h"
#include "storage/competitiebestand.h"
#include "storage/ratinglijst.h"

#include <chrono>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace velkaro::cli {

struct Uitvoer {
    std::ostream& out;
    std::ostream& err;
};

struct Opdracht {
    std::string Naam;    // "info", "group list", ...
    std::string Gebruik; // the usage line(s) after "velkaro-cli "
    std::string Uitleg;  // one paragraph for --help
    std::set<std::string> WaardeOpties;
    std::set<std::string> VlagOpties;
    std::function<int(const Argumenten&, Uitvoer&)> Voer;
};

// Each command file adds its commands to the table.
void BestandOpdrachten(std::vector<Opdracht>& tabel);
void GroepOpdrachten(std::vector<Opdracht>& tabel);
void SpelerOpdrachten(std::vector<Opdracht>& tabel);
void WedstrijdOpdrachten(std::vector<Opdracht>& tabel);
void ParenOpdrachten(std::vector<Opdracht>& tabel);
void StandOpdrachten(std::vector<Opdracht>& tabel);
void RegisterOpdrachten(std::vector<Opdracht>& tabel);
void RondeOpdrachten(std::vector<Opdracht>& tabel);
void WedstrijdlijstOpdrachten(std::vector<Opdracht>& tabel);
void UitslagOpdrachten(std::vector<Opdracht>& tabel);
void CategorieOpdrachten(std::vector<Opdracht>& tabel);
void RapportOpdrachten(std::vector<Opdracht>& tabel);
void InstellingOpdrachten(std::vector<Opdracht>& tabel);
void ToernooiOpdrachten(std::vector<Opdracht>& tabel);
void MatrixOpdrachten(std::vector<Opdracht>& tabel);
void RatinglijstOpdrachten(std::vector<Opdracht>& tabel);
void ImportOpdrachten(std::vector<Opdracht>& tabel);
void PubliceerOpdrachten(std::vector<Opdracht>& tabel);

// Opens a competition for a command that changes it: takes the competition's lock for
// itself (waiting briefly for another program's save) and holds it to the end of the
// command. A refusal, another program holding the lock, or a damaged main or open group
// file throws Weigering with the reason.
// An interrupted change that opening finished is said on err.
void Open(Competitie& c, const std::string& pad, std::ostream& err);
// Opens a competition for a command that only reads it: shares the lock with other readers;
// damaged files, those of the groups that are not open included, are reported on err and the
// command goes on.
void OpenLezen(Competitie& c, const std::string& pad, std::ostream& err);
// Shares the read lock of a competition without opening it ("check").
void VergrendelLezen(const std::string& pad);
// Warns on err of every damaged group file of the groups that are not open; true when any.
bool MeldAndereGroepen(const Competitie& c, std::ostream& err);
// Takes the lock for a competition that is about to be created ("new").
void Vergrendel(const std::string& pad);
// Lets the command's lock go; the command runner calls it when a command ends.
void LaatSlotLos();
// How long a command waits for the lock (the tests shorten it).
void ZetSlotWachttijd(std::chrono::milliseconds wachttijd);
// Saves; a failure throws Weigering.
void Bewaar(Competitie& c);
// The round named by a ROUND argument (1 to 1000); a round the group does not have throws
// Weigering.
int32_t BestaandeRonde(const Competitie& c, const std::string& tekst);
// Whether day, month and year make a date that exists.
bool BestaandeDatum(int dag, int maand, int jaar);
// --from and --to given together must make a range: from at most to.
void ControleerRondebereik(const Argumenten& a);
// The random source of a command: repeatable from --seed when it was given, otherwise seeded
// from the clock.
MersenneToeval ToevalMetZaad(const std::optional<long long>& zaad);
// The player with this drawing number; none throws Weigering.
TSpelerObj& SpelerMetLoting(Competitie& c, int32_t lotingnummer);
// The match with this number in this round; none throws Weigering.
twedstrijdobj& ZoekWedstrijd(Competitie& c, long long ronde, long long nummer);

// The rating lists as the desktop program finds them (the user's data folder, then the
// program's folder), with the FMJD variant the group chose when both files are there.
Ratinglijsten LaadRatinglijsten(const Competitie& c);

// Answers the program's questions from the command line: a question is answered only when
// the command was given an answer for it, otherwise the command refuses with its text. An
// error message (icon Fout) is the system refusing: it throws Weigering with its text; other
// messages are written out and the command goes on.
class CliGesprek final : public Gesprek {
public:
    explicit CliGesprek(std::ostream& meldingen) : meldingen_(meldingen) {}
    // The answer to give to the next questions (e.g. Ja for --yes).
    std::optional<Antwoord> Antwoorden;
    // The options that answer the command's questions ("--yes"), named when a question is
    // refused for want of an answer.
    std::string AntwoordOpties;
    // The texts for the next input boxes, in turn; without one the command refuses.
    std::deque<std::string> Invoeren;
    Antwoord Vraag(const std::string& tekst, const std::string& titel, Knoppen knoppen,
                   Pictogram pictogram) override;
    void Melding(const std::string& tekst, const std::string& titel, Pictogram pictogram) override;
    std::optional<std::string> Invoer(const std::string& titel, const std::string& prompt,
                                      const std::string& standaard) override;
    std::optional<std::string> KiesBestand(Bestandskeuze& keuze) override;

private:
    std::ostream& meldingen_;
};

} // namespace velkaro::cli
