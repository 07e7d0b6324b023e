// The competition file: the main file (".xv7") with the group list and output preferences,
// and one group file per competition group with everything of that group.
#pragma once

#include "model/competitie.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

// Why a file operation failed; the caller shows the matching text of the language tables.
enum class Bestandsfout {
    Geen,
    NietTeOpenen,          // the file does not exist or cannot be read
    GeenCompetitiebestand, // empty, binary, or no version line
    NieuwereVersie,        // a version this program does not know
    AnderFormaat,          // another extension: the import's business
    TeGroot,
    SchrijvenMislukt,  // a file could not be written; the old one is untouched
    AlleenLezen,       // the user made the file read-only: it is not replaced
    GeenGewoonBestand, // a pipe, device or the like: never opened as a competition file
    InGebruik,         // another program is changing the competition
    NietVergrendeld,   // the lock cannot be taken (something else under its name, no locking)
    Beschadigd,        // a damaged file would make a save lose data
    AlleenGeopend,     // the competition was opened read-only: nothing is written
    BestaatAl,         // an import would replace this competition file: the user decides
};

// What is wrong with a file that was loaded all the same.
enum class Schadesoort {
    Ontbreekt,         // the group file is not there
    Afgekapt,          // the file ends before its counts are satisfied
    OngeldigAantal,    // a count that is negative or no number
    Overtollig,        // lines follow the last block: a count is smaller than the lines it heads
    OngeldigNummer,    // a drawing or group file number that is negative or used twice
    Onleesbaar,        // it exists but cannot be read (too large, no permission)
    GeenGewoonBestand, // a pipe, device or folder
};

struct Beschadiging {
    std::string Pad;
    Schadesoort Soort;
    bool Hoofdbestand = false; // the main file rather than a group file
};

struct Bestandsresultaat {
    Bestandsfout Fout = Bestandsfout::Geen;
    std::string Pad;    // the file concerned
    std::string Detail; // the system's own words, when it gave any
    // Files that loaded only in part: the competition is usable, but saving it would make the
    // loss permanent until the user has seen it.
    std::vector<Beschadiging> Schade;
    // Opening finished a change of several files that a killed program broke off.
    bool Hersteld = false;
    bool Ok() const { return Fout == Bestandsfout::Geen; }
};

struct Importresultaat;

// Opens a competition (".xv7", any case), or imports a foreign file by its extension (".wds",
// ".dee", ".doc", ".txt", any case; see Importeer), whose notes go to *import when given. A file
// that is refused leaves the competition as it was; a recognised one is loaded with its open group.
// Schade lists a damaged main file or open group file: the competition is loaded, but must not be
// saved before the user knows. Files of an older version are converted: their group files and then
// the main file are rewritten at once.
Bestandsresultaat LeesBestand(Competitie& c, const std::string& naam,
                              Importresultaat* import = nullptr);
// Saves the main file and the open group under Bestandsnaam (extension made ".xv7"), then
// updates Werkmap and RecenteBestanden. Gewijzigd stays set when anything fails.
Bestandsresultaat SchrijfBestand(Competitie& c);
// Loads the group with this Bestandsnummer; a missing group file gives an empty group. The
// result is always Ok; its Schade says when the group file was missing or loaded in part.
Bestandsresultaat LeesDeelcomp(Competitie& c, int32_t bestandsnummer);
// Reads the group file of another group without loading it, for its Schade: a program that
// is about to open that group (and later save it) checks it first.
Bestandsresultaat ControleerGroep(const Competitie& c, int32_t bestandsnummer);
// Reads every file of the competition whose main file is pad without loading it: a main file
// that is refused gives its Fout; otherwise Schade lists the main file when it is damaged and
// every group file that is missing, damaged or unreadable, in the order of the group list.
Bestandsresultaat ControleerCompetitie(const std::string& pad);
// Writes the open group to its group file. Both saves refuse with AlleenGeopend while the
// competition is read-only.
Bestandsresultaat SchrijfDeelcomp(Competitie& c);
// Deletes the group file of a group; a missing file is no error.
void VerwijderFysiek(const Competitie& c, int32_t bestandsnummer);
// Deletes a group that is already out of c's group list: the main file without it and the
// removal of its group file as one change, so no main file ever names a removed file.
Bestandsresultaat VerwijderGroepsbestand(Competitie& c, int32_t bestandsnummer);

// Whether pad names one of the competition's own files (its main file, a group file of one
// of its groups, its lock files or its journal), after following links; outputs such as reports
// must never be written there.
bool IsEigenBestand(const Competitie& c, const std::string& pad);

// The layouts themselves, on text held in memory (also used by the fuzz targets).
// Reads a main file. A file that is not a competition main file is refused with the reason
// before c is touched; on success the group list, open group number, fonts and preferences
// are in c.
// *schade is set when the group list is cut short or its count is no count, when a line of the
// layout is missing or lines follow the last one, or when a group file number is negative or
// used twice.
Bestandsfout LeesHoofdbestandTekst(Competitie& c, std::string_view inhoud,
                                   int32_t* openGroep = nullptr,
                                   std::optional<Schadesoort>* schade = nullptr);
std::string SchrijfHoofdbestandTekst(const Competitie& c);
// Reads a group file of the given version into c (after a competition reset). Every value
// is read leniently; the result says when a count was impossible, the file ended before its
// counts and values were all read, lines follow the last block, or a drawing number is
// negative or used twice: a count that disagrees with the lines after it shows as one of these.
std::optional<Schadesoort> LeesGroepTekst(Competitie& c, std::string_view inhoud, int32_t versie);
std::string SchrijfGroepTekst(const Competitie& c);

// Writes a file through a temporary file in the same folder that replaces the old one only
// when it was written completely.
Bestandsresultaat SchrijfVeilig(const std::string& pad, std::string_view inhoud);

// Writes a file the competition does not have yet (a new group or competition, an export)
// the same way, but onto the name itself: a link or pipe planted under it is replaced, never
// followed.
Bestandsresultaat SchrijfNieuw(const std::string& pad, std::string_view inhoud);
// Removes a link, pipe or device under the name (never a regular file or a folder), so a file
// created there afterwards is not written through what a stranger planted.
void VerwijderGeplant(const std::string& pad);
// Creates the files of a competition or group that is new: the open group's file, and with
// hoofdbestand the main file too, written by SchrijfNieuw. Later saves find plain files.
Bestandsresultaat MaakNieuweBestanden(Competitie& c, bool hoofdbestand);

// Reads a whole file; nullopt (with the reason) when it cannot be opened, is no regular file
// or is larger than kMaxBestandsgrootte. A pipe or device is refused instead of waited for.
std::optional<std::string> LeesAlles(const std::string& pad, Bestandsfout& fout);

// Largest file the readers accept.
constexpr std::size_t kMaxBestandsgrootte = 64u << 20;

} // namespace velkaro
