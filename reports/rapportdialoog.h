// The decisions of the report dialog: what it opens with for a competition and a kind, which
// groups of controls and which "Afdrukken van" boxes each kind shows, what it keeps in the
// competition, the options it hands to the report, and whether the sort dialog comes first.
#pragma once

#include "model/competitie.h"
#include "reports/rapportopties.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velkaro {

// The groups of controls of the dialog besides the output buttons and the texts.
enum class Rapportgroep : uint8_t {
    AfdrukkenVan,    // the "Afdrukken van" boxes (each box also by ToontAfdrukoptie)
    Uitslagen,       // "Van ronde" .. "tot en met ronde" and the numbering boxes
    Serie,           // "Serie ranglijsten" with the range of competition groups
    SorterenOp,      // order of a participant list
    Geschiedenis,    // the list of players whose history is printed
    MaximumPerRegel, // rounds per line of the progress and opponent tables
    RondesInMatrix,  // width of a cross-table cell
};

enum class Deelnemersvolgorde : uint8_t { Naam = 0, Rating = 1, Lotingnummer = 2 };

// Everything the dialog's controls hold.
struct Rapportkeuze {
    Rapportsoort Soort = Rapportsoort::Ranglijst;
    Afdrukopties Afdrukken;
    std::string VasteTekst;
    std::string EenmaligeTekst;
    // "Uitslagen"
    int32_t UitslagVan = 1;
    int32_t UitslagTot = 1;
    bool Wedstrijdnummer = false;
    bool Tafelnummer = false;
    bool UitslagLotingnummer = false;
    bool InfoEerdereRonde = false;
    // "Serie ranglijsten"
    bool SerieStand = true;
    bool SerieVoortschrijding = false;
    bool SerieTegenstander = false;
    bool SerieCategorie = false;
    int32_t VanCompetitie = 1;
    int32_t TotCompetitie = 1;
    Deelnemersvolgorde Volgorde = Deelnemersvolgorde::Naam;
    std::vector<int32_t> Geschiedenis; // internal numbers of the ticked players
    // Layout.
    bool Geformatteerd = true;
    bool Staand = true;
    std::string Vastfont;
    std::string Opmaakfont;
    int32_t MaximumPerRegel = 30;
    int32_t RondesInMatrix = 1;

    bool operator==(const Rapportkeuze&) const = default;
};

// The dialog's caption for a kind: the kind's name and "afdrukken"; the FMJD table has a
// caption of its own and the history the dialog's own.
std::string Rapportdialoogtitel(Rapportsoort soort);

bool ToontGroep(Rapportsoort soort, Rapportgroep groep);
// Whether a kind shows an "Afdrukken van" box (the member of Afdrukopties).
bool ToontAfdrukoptie(Rapportsoort soort, bool Afdrukopties::*veld);

// The choices "Maximum per regel" offers.
inline constexpr int32_t kMaximaPerRegel[] = {10, 20, 30, 40, 50};
// The nearest offered value at or above m (50 above it, 30 for nothing sensible).
int32_t MaximumPerRegelKeuze(int32_t m);

// What the dialog opens with: the boxes, layout and numbering as the competition keeps them,
// the fixed text of this run, the result range of the last round with results (or the given
// range), the series over every group, all players ticked for their history.
Rapportkeuze OpenRapportkeuze(const Competitie& c, Rapportsoort soort,
                              const std::string& vasteTekst = {}, std::optional<int32_t> van = {},
                              std::optional<int32_t> tot = {});

// What the dialog keeps in the competition when a report starts or it closes: the boxes of
// RanglijstOpties, the drawing-number, game-number and board-number switches, orientation,
// formatting, fonts, "Maximum per regel" and "Rondes in matrix" (brought into 1..4). Marks
// the competition changed when anything changed.
void BewaarRapportkeuze(Competitie& c, const Rapportkeuze& k);

// The options for MaakRapport: kind, boxes and texts of the choice, the program line.
Rapportopties RapportoptiesVan(const Competitie& c, const Rapportkeuze& k);

// Whether the sort dialog comes before this report: only kinds that rest on the standings,
// and only while the standings are out of date.
bool SorteerschermNodig(const Competitie& c, Rapportsoort soort);
// Puts what the sort dialog left into the options.
void ZetSorteerkeuze(Rapportopties& o, int32_t van, int32_t tot, int32_t minimum,
                     bool vorigeNotering);

// The parts of a command-line option list such as "matrix, statistics": the boxes, or the
// first unknown name.
struct Afdrukoptielijst {
    Afdrukopties Opties;
    std::optional<std::string> Onbekend;
};
Afdrukoptielijst LeesAfdrukoptielijst(std::string_view lijst);
// "ranking" and "progress", the kinds the command lines can write.
std::optional<Rapportsoort> SoortVanNaam(std::string_view naam);

} // namespace velkaro
