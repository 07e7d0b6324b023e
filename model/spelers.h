// Players: the Spelergegevens record, the player object and the player collection.
#pragma once

#include "model/real48.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

class Toeval;

// Bits of Opnemen.
enum OpnemenBit : uint16_t {
    OpnemenStand = 1,    // "S": counts in the standings
    OpnemenRooster = 2,  // "R": takes part in the next pairing
    OpnemenSelectie = 4, // selected for the player-selection reports
};

// Capacities of the fixed-length texts, in characters.
constexpr std::size_t kNaamLengte = 20;
constexpr std::size_t kKortLengte = 3;
constexpr std::size_t kPlaatsLengte = 20;
constexpr std::size_t kLandLengte = 20;
constexpr std::size_t kCategorieenLengte = 20;

struct Spelergegevens {
    int32_t Lotingnummer = 0;
    std::string Naam;
    std::string Kort;
    std::string Plaats;
    std::string Land;
    int32_t FMJDTitel = 0;   // 0 none, 1 MF, 2 MI, 3 GMI
    int32_t LokaleTitel = 0; // 0 none, 1 cMN, 2 MN, 3 GMN
    std::string Categorieen;
    int32_t LokaleRating = 0;
    int32_t Rating = 0; // copy of LokaleRating or FMJDRating
    int32_t FMJDID = 0;
    int32_t FMJDRating = 0;
    int32_t Barrage = 0;
    uint16_t Opnemen = 0;
    int32_t InternNummer = 0;
    int32_t Punten = 0;
    int32_t AantalPartijen = 0;
    int32_t AantalWinst = 0;
    int32_t PlusRemises = 0;
    int32_t AantalRemise = 0;
    int32_t MinRemises = 0;
    int32_t AantalVerlies = 0;
    int32_t Extrawaarde1 = 0;
    int32_t Weerstandspunten = 0;
    int32_t WPMinLaagste = 0;
    int32_t WPMinLaagsteHoogste = 0;
    int32_t SBPunten = 0;
    int32_t Extrawaarde2 = 0;
    int8_t Kleurbalans = 0;
    uint8_t LaatsteKleur = 0; // 0 white, 1 black, 2 none yet
    int32_t Keizerwaarde = 0;
    Real48 Keizerpunten;
    Real48 EigenMoyenne;
    Real48 TegenstanderMoyenne;
    Real48 TotaalMoyenne;
    int32_t MinTegenstanderPunten = 0; // Beginrating under the rating systems
    int32_t MaxTegenstanderPunten = 0; // Nurating under the rating systems
    uint8_t VorigeNotering = 0;
    uint8_t Notering = 0;

    // Working values of the standings computation; never stored.
    int32_t TSRating = 0;
    int32_t AantalNorm1 = 0;
    int32_t AantalNorm2 = 0;
    int32_t AantalNorm3 = 0;
    int32_t Plaatsgroep = 0;
    int32_t OnderlingResultaat = 0;
    int32_t HAR = 0;
    int32_t Larenwaarde = 0;
    int32_t LarenWP = 0;
    int32_t TegenstanderWaarden = 0;
    int32_t TegenstanderGemiddeld = 0;
    Real48 PuntenPerPartij;
    Real48 LarenWPPerPartij;
    int32_t LarenVolgorde = 0;
    Real48 PlaatsPunten;
    Real48 PlaatsWP;
    Real48 PlaatsGemPunten;
    Real48 PlaatsGemWP;
    Real48 PlaatsTotaal;
    int32_t LarenOnderling = 0;
    int32_t Categoriecijfer = 0;
    int32_t GroepPartijen = 0;
    int32_t AantalVrij = 0; // byes in the range: rounds taken part in without a game
    int32_t VrijPunten = 0; // the points of those byes, within Punten

    std::string VolledigeNaam; // unbounded; empty means "same as Naam"

    // Cuts every fixed-capacity text to its capacity.
    void Kap();

    bool operator==(const Spelergegevens&) const = default;
};

class TSpelerObj {
public:
    explicit TSpelerObj(const Spelergegevens& g) : g_(g) { g_.Kap(); }

    Spelergegevens Gegevens() const { return g_; }
    const Spelergegevens& G() const { return g_; }
    // Direct access for the computations that fill the totals.
    Spelergegevens& W() { return g_; }
    void ZetGegevens(const Spelergegevens& g) {
        g_ = g;
        g_.Kap();
    }

    int32_t InternNummer() const { return g_.InternNummer; }
    int32_t Lotingnummer() const { return g_.Lotingnummer; }

    bool InStand() const { return (g_.Opnemen & OpnemenStand) != 0; }
    bool InRooster() const { return (g_.Opnemen & OpnemenRooster) != 0; }
    void ZetRooster() { g_.Opnemen |= OpnemenRooster; }
    void WisRooster() { g_.Opnemen = static_cast<uint16_t>(g_.Opnemen & ~OpnemenRooster); }
    bool InSelectie() const { return (g_.Opnemen & OpnemenSelectie) != 0; }
    void ZetSelectie() { g_.Opnemen |= OpnemenSelectie; }
    void WisSelectie() { g_.Opnemen = static_cast<uint16_t>(g_.Opnemen & ~OpnemenSelectie); }

    // The seven sort keys of the last standings computation.
    std::array<int32_t, 7> Sorteersleutels{};

private:
    Spelergegevens g_;
};

class TSpelersVerzameling {
public:
    using Lijst = std::vector<std::unique_ptr<TSpelerObj>>;

    // Adds a player in insertion order; InternNummer 0 is replaced by VrijIntern.
    TSpelerObj& Voegtoe(const Spelergegevens& g);
    // Removes the player with this internal number; false when there is none.
    bool Verwijder(int32_t internNummer);
    void Wissen() { lijst_.clear(); }

    std::size_t Aantal() const { return lijst_.size(); }
    bool Leeg() const { return lijst_.empty(); }
    TSpelerObj& At(std::size_t i) { return *lijst_[i]; }
    const TSpelerObj& At(std::size_t i) const { return *lijst_[i]; }
    auto begin() { return lijst_.begin(); }
    auto end() { return lijst_.end(); }
    auto begin() const { return lijst_.cbegin(); }
    auto end() const { return lijst_.cend(); }

    int32_t EersteLotingNummerVrij() const;
    bool BestaatLotingNummer(int32_t n) const;
    int32_t VrijIntern() const;
    std::optional<Spelergegevens> zoek(int32_t internNummer) const;
    TSpelerObj* zoekptr(int32_t internNummer);
    const TSpelerObj* zoekptr(int32_t internNummer) const;
    std::optional<Spelergegevens> zoekloting(int32_t lotingnummer) const;
    TSpelerObj* zoeklotingptr(int32_t lotingnummer);
    int tel_rooster() const;
    void ResetRating(bool fmjd);
    // A drawing number from 1..max (1..10 when max < 1) that no player has yet, drawn after
    // reseeding the source. When every number of that range is taken it gives the first free
    // number above it rather than drawing for ever.
    int32_t KiesRandomNummer(int32_t max, Toeval& toeval) const;
    // The player a typed text names, in four passes over the collection: Kort equal to the
    // text, the text inside Naam, Kort equal ignoring case, the text inside Naam ignoring case.
    // An empty text names nobody.
    std::optional<Spelergegevens> zoeknaam(std::string_view tekst) const;
    // True when every player marked for pairing counted as many games and byes (AantalPartijen
    // and AantalVrij of the last standings computation) as the first such player; true for an
    // empty collection.
    bool GelijkAantalWedstrijden() const;

private:
    Lijst lijst_;
};

} // namespace velkaro
