// The player entry dialog's logic: one player record shown in the dialog's fields
// (SetData), the duplicate-name warning, and the record read back after OK (GetData).
#pragma once

#include "model/gesprek.h"
#include "model/rekenopties.h"
#include "model/spelers.h"
#include "storage/ratinglijst.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velkaro {

// The dialog's fields as the user sees and types them.
struct Spelervelden {
    std::string Naam;
    std::string LotingNr;
    std::string Kort;
    std::string Plaats;
    std::string Land;
    std::array<std::string, 4> Cat;
    std::string Barrage;
    bool Stand = false;
    bool Rooster = false;
    int32_t Rating = 0;  // national rating
    int LokaleTitel = 0; // list position: Geen, cMN, MN, GMN
    int32_t FMJDRating = 0;
    int FMJDTitel = 0; // list position: Geen, MF, MI, GMI
    std::string FMJDID;
    std::string FMJDNaam; // the name found for the typed FMJD number
};

// The four category fields of a category text: its first four characters, a blank (or a
// missing character) giving an empty field.
std::array<std::string, 4> CategorieVelden(std::string_view categorieen);

class TInvoerSpelers {
public:
    TInvoerSpelers(const TSpelersVerzameling& spelers, const trekenopties& opties, Gesprek& gesprek)
        : spelers_(spelers), opties_(opties), gesprek_(gesprek) {}

    // Fills the fields from the record; with number entry allowed and no drawing number yet,
    // the number after the last one read back is offered.
    void SetData(const Spelergegevens& g, bool nummerToegestaan);
    // "Naam" left: warns once for every other player who already has the name.
    void NaamVerlaten();
    // Reads the fields back into the record. A drawing number, barrage or FMJD number that is
    // not a whole number is reported and leaves the record (and the remembered number) as
    // they were: false. A blank name reads back nothing either (false, without a message).
    bool GetData(Spelergegevens& g);

    // A line of the national list chosen: rating, and the name with the full first name or
    // with initials; from the 88-byte list also title, "Kort" and FMJD number.
    void NeemNationaalOver(const TCBElo& e, bool volledigeKNDBLijst, bool volledigeVoornaam);
    // A line of the FMJD list chosen: rating, title, name, country, FMJD number and "Kort".
    void NeemFMJDOver(const TCBFMJD& e, bool volledigeVoornaam);
    // "FMJD-ID" typed: the entry with that number gives the FMJD name, rating, title and
    // country; an unknown number clears them. Without an FMJD list nothing changes.
    void FMJDIDGetypt(const FMJDLijst& lijst);

    Spelervelden Velden;
    bool NummerToegestaan() const { return nummerToegestaan_; }
    int32_t LaatsteNummer() const { return laatste_; }

private:
    const TSpelersVerzameling& spelers_;
    const trekenopties& opties_;
    Gesprek& gesprek_;
    bool nummerToegestaan_ = false;
    int32_t intern_ = 0;
    std::string volledigeNaam_;
    std::string naamBijOpenen_;
    std::string overgenomenNaam_; // the name a rating-list entry gave, while it stands
    int32_t laatste_ = 0;
};

} // namespace velkaro
