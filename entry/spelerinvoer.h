// The player entry dialog's logic: one player record shown in the dialog's fields
// (SetData), the duplicate-name warning, and the record read back after OK (GetData).
#pragma once

#include "model/gesprek.h"
#include "model/rekenopties.h"
#include "model/spelers.h"

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
    int32_t laatste_ = 0;
};

} // namespace velkaro
