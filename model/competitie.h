// The one competition state: the open group's players, rounds, matches, categories and
// settings, the group list of the open file, and the program-wide values stored with it.
#pragma once

#include "model/deelcomp.h"
#include "model/ranglijst.h"
#include "model/rekenopties.h"
#include "model/rondes.h"
#include "model/spelers.h"
#include "model/wedstrijden.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velkaro {

constexpr int32_t kHuidigeVersie = 702;
constexpr uint16_t kStandaardRanglijstOpties = 39;

struct Categoriegegevens {
    std::string Letter; // one character, blank by default
    std::string Omschrijving;
    bool operator==(const Categoriegegevens&) const = default;
};

// Bits of RanglijstOpties.
enum RanglijstOptie : uint16_t {
    OptieVorigeNotering = 1 << 0,
    OptieMatrix = 1 << 1,
    OptieStatistiek = 1 << 2,
    OptiePlaats = 1 << 3,
    OptieCategorie = 1 << 4,
    OptieKleurverhouding = 1 << 5,
    OptieTotaalgegevens = 1 << 6,
    OptieKleurPerSpeler = 1 << 7,
    OptieUitslagen = 1 << 8,
    OptieFMJDTitel = 1 << 11,
    OptieNatTitel = 1 << 12,
    OptieLand = 1 << 13,
    // Bits the older layout leaves unused: "Toern.gegevens" and "FMJD info" are kept with the
    // other boxes.
    OptieToernooigegevens = 1 << 14,
    OptieFMJDInfo = 1 << 15,
};

// The tournament particulars, in file order.
struct Toernooigegevens {
    std::string SpeelVan, SpeelTot, SpeelPlaats, SpeelLand;
    std::string WLNaam, WLAdres, WLWoonplaats, WLTelefoon, WLEmail;
    std::string ARNaam, ARAdres, ARWoonplaats, ARTelefoon, AREmail;
    std::string Hulparbiters, Speeltempo;

    static constexpr std::size_t kAantal = 16;
    std::array<std::string*, kAantal> Velden();
    std::array<const std::string*, kAantal> Velden() const;
    bool operator==(const Toernooigegevens&) const = default;
};

class Competitie {
public:
    Competitie();
    Competitie(const Competitie&) = delete;
    Competitie& operator=(const Competitie&) = delete;

    // --- the open group ---
    TSpelersVerzameling Spelers;
    trondeverzameling Rondes;
    twedstrijdverzameling Wedstrijden{Rondes};
    tranglijst Ranglijst;
    tranglijst Ranglijst2;
    trekenopties Opties;
    uint16_t RanglijstOpties = kStandaardRanglijstOpties;
    std::vector<Categoriegegevens> Categorieen;
    uint16_t LotingModus = 0;
    uint16_t MinimumWedstrijden = 0;
    bool ToonWedstrijdnummer = false;
    bool ToonTafelnummer = false;
    int32_t MaximumPerRegel = 30;
    Toernooigegevens Toernooi;
    bool Staand = true;
    bool ToonLotingnummer = false;
    bool GebruikRatingbestand = false;
    bool GebruikFMJDBestand = false;
    bool VolledigeVoornaam = true;
    int32_t RondesInMatrix = 1;
    int32_t MinWed = 0;
    int32_t PlaatsAfstand = 0;
    int32_t Geleden = 0;
    bool Gewijzigd = false;

    // --- the file ---
    // Nothing of the competition is written while it is read-only: another program is
    // changing it or its main file is damaged (Competitie), or the open group's file is
    // damaged and the user has not agreed to save over it (Groep, lifted by another group).
    enum class Alleenlezen : uint8_t { Nee, Groep, Competitie };
    Alleenlezen AlleenLezen = Alleenlezen::Nee;
    int32_t HuidigeDeelcomp = 1;
    int32_t HuidigCompetitienummer = 1;
    TDeelcompVerzameling Groepen;
    int32_t Bestandsversie = kHuidigeVersie;

    // --- program-wide values kept with the competition file ---
    std::string Bestandsnaam; // full path of the open competition file; empty = none
    std::string Werkmap;
    std::array<std::string, 4> RecenteBestanden;
    std::string Opmaakfont = "Times New Roman";
    std::string Vastfont = "Courier New";
    bool GeformatteerdeRanglijst = true;
    int32_t LarenBasis = 60;

    // Empties the open group and resets its settings (new, open, group change).
    void Reset();
    // "New competition": also empties the group list and resets the fonts and current group.
    void VolledigeReset();
    // Marks the standings out of date and the competition changed.
    void MarkeerHerberekenen();
    // True once a competition has a name (new, open or import).
    bool Geladen() const { return !Bestandsnaam.empty(); }

    // Sets a match result (see twedstrijdobj::ZetUitslag) and marks the standings out of date;
    // a bye takes none.
    void ZetUitslag(twedstrijdobj& w, uint8_t wit, uint8_t zwart, bool afgebroken, bool gespeeld);
};

} // namespace velkaro
