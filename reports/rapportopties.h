// Everything a report is asked for, in one value that the desktop report dialog and the CLI
// both fill: the kind, the "Afdrukken van" options, the texts, the round range and layout.
#pragma once

#include "model/competitie.h"
#include "storage/ratinglijst.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

enum class Rapportsoort : uint8_t {
    Ranglijst = 0,
    Voortschrijdingstabel = 1,
    TegenstanderPerRonde = 2,
    RanglijstenPerCategorie = 3,
    UitslagenEnRooster = 4,
    MeerdereLijsten = 5,
    Deelnemerslijst = 6,
    Geschiedenis = 7,
    FMJDTabel = 8,
};

// The "Afdrukken van" check boxes.
struct Afdrukopties {
    bool VorigeNotering = false;
    bool Matrix = false;
    bool Statistiek = false;
    bool Plaats = false;
    bool Categorie = false;
    bool Kleurverhouding = false;
    bool Totaalgegevens = false;
    bool Uitslagen = false;
    bool VolgendeRonde = false;
    bool KleurPerSpeler = false;
    bool Lotingnummer = false;
    bool Rating = false;
    bool Toernooigegevens = false;
    bool FMJDInfo = false;
    bool FMJDTitel = false;
    bool NatTitel = false;
    bool Land = false;
    bool TweedeRating = false;

    bool operator==(const Afdrukopties&) const = default;
};

// The boxes as the competition keeps them (RanglijstOpties and ToonLotingnummer).
Afdrukopties AfdrukoptiesVan(const Competitie& c);
// Stores the boxes that RanglijstOpties holds back into the competition.
void BewaarAfdrukopties(Competitie& c, const Afdrukopties& a);

// The stable English names of the boxes, as the command line takes them.
bool ZetAfdrukoptie(Afdrukopties& a, std::string_view naam);
// All names, comma-separated, for usage texts.
std::string AfdrukoptieNamen();

enum class Deelnemersvolgorde : uint8_t { Naam = 0, Rating = 1, Lotingnummer = 2 };

// "Serie ranglijsten": the lists written for every group of a series.
struct Serieopties {
    bool Stand = true;
    bool Voortschrijding = false;
    bool Tegenstander = false;
    bool Categorie = false;
    // The range of Competitienummer; empty ones take every group.
    std::optional<int32_t> VanCompetitie;
    std::optional<int32_t> TotCompetitie;
};

struct Rapportopties {
    Rapportsoort Soort = Rapportsoort::Ranglijst;
    Afdrukopties Afdrukken;
    std::string VasteTekst;     // "Vaste tekst boven ranglijst"
    std::string EenmaligeTekst; // "Eenmalige tekst"
    // The sort dialog's values; empty ones take the standings' defaults.
    std::optional<int32_t> VanRonde;
    std::optional<int32_t> TotRonde;
    std::optional<int32_t> MinimumWedstrijden;
    bool VorigeNoteringAanpassen = true;
    // Recompute even when the standings are up to date (a range or minimum was asked for).
    bool Herberekenen = false;
    // The program's name and version for the tournament block.
    std::string Programma;

    // "Uitslagen": the rounds of the results and schedule (empty: the last round) and what
    // each match shows besides the players; the drawing numbers follow Afdrukken.Lotingnummer.
    std::optional<int32_t> UitslagVan;
    std::optional<int32_t> UitslagTot;
    bool Wedstrijdnummer = false;
    bool Tafelnummer = false;
    bool InfoEerdereRonde = false;
    Serieopties Serie;
    Deelnemersvolgorde Volgorde = Deelnemersvolgorde::Naam;
    // Internal numbers of the players whose history is written; empty: every player.
    std::optional<std::vector<int32_t>> Geschiedenis;
    // The FMJD rating list in use: its file name (empty: none is loaded) and the name it gives
    // an identity number.
    std::string FMJDBestand;
    std::function<std::optional<std::string>(int32_t fmjdId)> FMJDNaam;
};

// The options the dialog opens with for a competition.
Rapportopties StandaardRapportopties(const Competitie& c);

// The norm table names the FMJD list in use and takes the players' names from it. The list
// must outlive the options.
void GebruikFMJDLijst(Rapportopties& o, const FMJDLijst& lijst);

} // namespace velkaro
