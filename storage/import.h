// Foreign files: the import of ".z6e" competition files of the earlier program, WDS files,
// Swiss ".DEE"/".SCO" files, Turbo Dambase ".doc" game lists and ".txt" result lists, and the
// WDS export of the open group.
#pragma once

#include "model/competitie.h"
#include "storage/competitiebestand.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

// Something of the source the import could not take over as it stood.
enum class Importmeldingsoort {
    OnbekendeUitslag,   // the match was made without a result
    LegeNaam,           // the line names no player: skipped
    TeVeelSpelers,      // the group is full: a text file is read no further
    TeVeelWedstrijden,  // the import is full: the rest of the source is skipped
    TeVeelRondes,       // past round 1000: the line is skipped
    OngeldigeWedstrijd, // a game whose players the import did not make: skipped
    ScoreOntbreekt,     // the ".SCO" file of a ".DEE" file is missing: no matches
    Afgekapt,           // a record is cut off or of an unknown kind: the rest is skipped
};

struct Importmelding {
    Importmeldingsoort Soort;
    int64_t Plaats = 0; // line (text files), game (WDS) or byte offset (z6e)
    std::string Tekst;  // what was read there, as UTF-8
};

struct Importresultaat {
    // A source that cannot be read, a competition file that would be replaced, a failed save.
    Bestandsresultaat Bestand;
    std::vector<Importmelding> Meldingen; // the first kMaxImportmeldingen
    int64_t WeggelatenMeldingen = 0;      // further notes that were only counted
    bool Ok() const { return Bestand.Ok(); }
    void Meld(Importmeldingsoort soort, int64_t plaats, std::string tekst);
};

// What one import takes at most: a group of more players cannot be paired, and a hostile
// source must not grow the competition without bound.
constexpr std::size_t kMaxImportSpelers = 1000;
constexpr std::size_t kMaxImportWedstrijden = 100000;
constexpr std::size_t kMaxImportmeldingen = 100;

// ---- the WDS record ----
constexpr std::size_t kWDSGrootte = 16710;
constexpr int kWDSSpelers = 255;
constexpr int kWDSPartijen = 2000;
// The WDS code of a match (0 when it has none the format can hold) and the reverse.
uint8_t WDSCode(const Wedstrijdgegevens& w);
// Sets the result of a WDS code on a match; false for a code the format does not define
// (the match is then left without a result).
bool ZetWDSUitslag(twedstrijdobj& w, uint8_t code);

// ---- the readers, on content held in memory, into the open group of c ----
// (They add players, rounds and matches; the file functions below start them on an empty
// group. Also used by the fuzz targets.)
void LeesWDSInhoud(Competitie& c, std::string_view inhoud, Importresultaat& r);
void LeesTXTInhoud(Competitie& c, std::string_view inhoud, Importresultaat& r);
void LeesDOCInhoud(Competitie& c, std::string_view inhoud, Importresultaat& r);
// sco is nullptr when the score file is missing.
void LeesDEEInhoud(Competitie& c, std::string_view dee, const std::string_view* sco,
                   Importresultaat& r);

// A group of a ".z6e" file: its entry in the header and where its records lie.
struct Z6EGroep {
    int Plaats = 0; // 1 to 99 in the header's table
    std::string Titel;
    bool Overgenomen = false;
    std::string OudeGroep;
    std::vector<std::size_t> Spelers, Rondes, Wedstrijden; // offsets of the records
    std::size_t Kruistabel = 0;                            // offset; 0 when there is none
};
std::vector<Z6EGroep> LeesZ6EGroepen(std::string_view inhoud, Importresultaat& r);
// Fills the open group of c with one group of the file, the cross table applied last.
void VulZ6EGroep(Competitie& c, std::string_view inhoud, const Z6EGroep& g, Importresultaat& r);

// ---- the imports of files ----
// Whether the file's extension (any case) is one LeesBestand imports: ".WDS", ".DEE",
// ".DOC", ".TXT". A ".Z6E" file needs the name of a new competition: ImporteerZ6E.
bool IsImportbestand(const std::string& naam);
bool IsZ6EBestand(const std::string& naam);
// The competition file an import into an unloaded program creates: the source's base name
// with ".xv7".
std::string ImportDoel(const std::string& naam);
// Starts a new competition under this name for an import: no groups but one empty group 1.
void BeginImport(Competitie& c, const std::string& doel);

// WDS, DEE, DOC and TXT. When no competition is loaded, the import starts one under
// ImportDoel; an existing file of that name is refused with BestaatAl before anything
// changes (the caller asks whether to replace it and then calls BeginImport). A loaded
// competition receives the import in its open group when that is the untouched first group,
// otherwise in a new group. A source that cannot be read is refused before anything
// changes. The competition is saved.
Importresultaat ImporteerWDS(Competitie& c, const std::string& naam);
Importresultaat ImporteerDEE(Competitie& c, const std::string& naam);
Importresultaat ImporteerDOC(Competitie& c, const std::string& naam);
Importresultaat ImporteerTXT(Competitie& c, const std::string& naam);
// The reader chosen by the extension; another extension gives AnderFormaat.
Importresultaat Importeer(Competitie& c, const std::string& naam);
// A ".z6e" file as a new competition named doel (the caller has asked whether to replace an
// existing one): every group of the file becomes a group, the first of them is opened.
Importresultaat ImporteerZ6E(Competitie& c, const std::string& naam, const std::string& doel);

// ---- the WDS export ----
enum class WDSWeigering {
    Geen,
    SpelerNummer,   // a player whose internal number lies outside 1 to 255
    TeVeelPartijen, // more than 2000 games with a result
    EigenBestand,   // the name would be one of the competition's own files
};
struct Exportresultaat {
    WDSWeigering Weigering = WDSWeigering::Geen;
    Bestandsresultaat Bestand;
    std::string Pad;
    bool Ok() const { return Weigering == WDSWeigering::Geen && Bestand.Ok(); }
};
// The name of the export: beside the competition file, the tournament name + ".wds" when
// that is a plain name, otherwise the competition's base name, HuidigeDeelcomp and ".wds".
std::string WDSNaam(const Competitie& c);
// The record of the open group; a group the format cannot hold whole is refused.
WDSWeigering WDSRecord(const Competitie& c, std::string& record);
// Writes the open group as a WDS file (safely, never onto the competition's own files).
Exportresultaat ExporteerWDS(const Competitie& c);

} // namespace velkaro
