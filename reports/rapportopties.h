// Everything a report is asked for, in one value that the desktop report dialog and the CLI
// both fill: the kind, the "Afdrukken van" options, the texts, the round range and layout.
#pragma once

#include "model/competitie.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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
};

// The options the dialog opens with for a competition.
Rapportopties StandaardRapportopties(const Competitie& c);

} // namespace velkaro
