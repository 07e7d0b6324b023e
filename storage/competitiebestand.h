// The competition file: the main file (".xv7") with the group list and output preferences,
// and one group file per competition group with everything of that group.
#pragma once

#include "model/competitie.h"

#include <optional>
#include <string>
#include <string_view>

namespace velkaro {

// Why a file operation failed; the caller shows the matching text of the language tables.
enum class Bestandsfout {
    Geen,
    NietTeOpenen,          // the file does not exist or cannot be read
    GeenCompetitiebestand, // empty, binary, or no version line
    NieuwereVersie,        // a version this program does not know
    AnderFormaat,          // another extension: the import's business
    TeGroot,
    SchrijvenMislukt, // a file could not be written; the old one is untouched
};

struct Bestandsresultaat {
    Bestandsfout Fout = Bestandsfout::Geen;
    std::string Pad;    // the file concerned
    std::string Detail; // the system's own words, when it gave any
    bool Ok() const { return Fout == Bestandsfout::Geen; }
};

// Opens a competition (".xv7", any case). A file that is refused leaves the competition as it
// was; a recognised one is loaded with its open group. Files of an older version are
// converted: their group files and then the main file are rewritten at once.
Bestandsresultaat LeesBestand(Competitie& c, const std::string& naam);
// Saves the main file and the open group under Bestandsnaam (extension made ".xv7"), then
// updates Werkmap and RecenteBestanden. Gewijzigd stays set when anything fails.
Bestandsresultaat SchrijfBestand(Competitie& c);
// Loads the group with this Bestandsnummer; a missing group file gives an empty group.
void LeesDeelcomp(Competitie& c, int32_t bestandsnummer);
// Writes the open group to its group file.
Bestandsresultaat SchrijfDeelcomp(Competitie& c);
// Deletes the group file of a group; a missing file is no error.
void VerwijderFysiek(const Competitie& c, int32_t bestandsnummer);

// The layouts themselves, on text held in memory (also used by the fuzz targets).
// Reads a main file. A file that is not a competition main file is refused with the reason
// before c is touched; on success the group list, open group number, fonts and preferences
// are in c.
Bestandsfout LeesHoofdbestandTekst(Competitie& c, std::string_view inhoud,
                                   int32_t* openGroep = nullptr);
std::string SchrijfHoofdbestandTekst(const Competitie& c);
// Reads a group file of the given version into c (after a competition reset).
void LeesGroepTekst(Competitie& c, std::string_view inhoud, int32_t versie);
std::string SchrijfGroepTekst(const Competitie& c);

// Writes a file through a temporary file in the same folder that replaces the old one only
// when it was written completely.
Bestandsresultaat SchrijfVeilig(const std::string& pad, std::string_view inhoud);

// Largest file the readers accept.
constexpr std::size_t kMaxBestandsgrootte = 64u << 20;

} // namespace velkaro
