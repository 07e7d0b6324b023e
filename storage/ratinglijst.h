// The rating lists player entry takes players from: the national list (one of three
// fixed-record files of the federation) and the FMJD list (this program's own 127-byte
// records), read completely into memory, and where their files are looked for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

// The record layouts a rating file can have.
enum class Ratingformaat {
    KNDB4, // "KNDBRAT4.DAT": 88-byte national records with title and FMJD number
    Elo3,  // "ELO3BOND.DAT": 80-byte national records, name and rating
    Elo2,  // "ELO2BOND.DAT": 40-byte national records, one name field
    FMJD,  // "FMJD2VK.DAT", "FMJD2VK64.DAT": a header and 127-byte player records
};

inline constexpr std::size_t kRecordKNDB4 = 88, kRecordElo3 = 80, kRecordElo2 = 40,
                             kRecordFMJD = 127;
// Capacities of the derived names.
inline constexpr std::size_t kLijstnaamLengte = 20, kVolledigeNaamLengte = 30,
                             kKorteNaamLengte = 25;

// One entry of the national list. The 88- and 80-byte records fill the five name texts; the
// 40-byte record has its one name in Achternaam and its two further texts in Tekst5 and
// Tekst10. Texts are UTF-8. The derived names are built when asked for: kept for every entry
// they would double the memory a list takes, and its loading time with it.
struct TCBElo {
    std::string Voornaam, Tussenvoegsel, Voorletters, Achternaam, Extra;
    std::string Tekst5, Tekst10;
    int32_t Rating = 0;
    std::string Titel; // "GMN", "MN", "cMN" or anything else for none
    int32_t FMJDID = 0;
    bool EenNaam = false; // the 40-byte record: every derived name is its one name

    std::string Lijstnaam() const;     // surname, ", ", initials, blank, prefix (20)
    std::string VolledigeNaam() const; // first name, prefix, surname (30)
    std::string KorteNaam() const;     // initials, prefix, surname (25)
};

// One entry of the FMJD list.
struct TCBFMJD {
    int32_t ID = 0;
    std::string Naam, Voornaam, Land, Titel; // Titel: "GMI", "MI", "MF" or anything else
    int32_t Rating = 0;

    std::string VolledigeNaam() const; // first name and surname (30)
    // The first name shortened to its initial when longer than two characters (25).
    std::string KorteNaam() const;
};

struct NationaleLijst {
    std::vector<TCBElo> Spelers;
    Ratingformaat Formaat = Ratingformaat::Elo2;
    std::string Bestand; // the file read; empty when none was found
    // Only the 88-byte file offers title, short code and FMJD number.
    bool VolledigeKNDBLijst() const { return Formaat == Ratingformaat::KNDB4; }
};

struct FMJDLijst {
    std::vector<TCBFMJD> Spelers;
    std::string Editie;  // the header's text
    std::string Bestand; // the file read; empty when none was found
};

// The records in a file's contents. A last record cut short is left out; a text whose length
// byte exceeds its field is cut to the field.
NationaleLijst LeesNationaleLijst(std::string_view inhoud, Ratingformaat formaat);
FMJDLijst LeesFMJDInhoud(std::string_view inhoud);

// The list lines of the selection lists. The 80-byte records, which have the names of the
// 88-byte ones, are listed like those.
std::string Lijstregel(const TCBElo& e, Ratingformaat formaat);
std::string Lijstregel(const TCBFMJD& e);

// The entry with an FMJD identity number; nullptr when the list has none.
const TCBFMJD* ZoekFMJDID(const FMJDLijst& lijst, int32_t id);

// The record layout a file's name stands for, by its name without folder (any case).
std::optional<Ratingformaat> FormaatVanNaam(std::string_view bestandsnaam);
// Reads one rating file of a known layout; nullopt when it cannot be opened.
std::optional<NationaleLijst> LeesNationaalBestand(const std::string& pad, Ratingformaat formaat);
std::optional<FMJDLijst> LeesFMJDBestand(const std::string& pad);

// The file names, in the order they are tried.
inline constexpr const char* kNationaleBestanden[] = {"KNDBRAT4.DAT", "ELO3BOND.DAT",
                                                      "ELO2BOND.DAT"};
inline constexpr const char* kFMJDBestand = "FMJD2VK.DAT";
inline constexpr const char* kFMJD64Bestand = "FMJD2VK64.DAT";

// The first folder of the list holding the file (the name as given, or in upper or lower
// case); empty when none does.
std::string ZoekRatingbestand(const std::vector<std::string>& mappen, std::string_view naam);

// The national list from the first folder holding any of the three files, there the first
// of them that opens. Empty when there is none.
NationaleLijst LaadRatinglijst(const std::vector<std::string>& mappen);
// The FMJD list of the chosen variant; empty when its file is missing.
FMJDLijst LaadFMJDLijst(const std::vector<std::string>& mappen, bool fmjd64);

// The folders the lists are looked for in, most important first: the user's data folder
// ($XDG_DATA_HOME/velkaro, else ~/.local/share/velkaro), then the program's own folder.
std::vector<std::string> StandaardRatingmappen(const std::string& programmamap);

// Both lists as the program keeps them for its whole run, with the folders they come from
// (most important first).
struct Ratinglijsten {
    std::vector<std::string> Mappen;
    NationaleLijst Nationaal;
    FMJDLijst FMJD;
    bool BeideFMJD = false; // both FMJD files exist: the settings offer the choice
    bool FMJD64 = false;    // the variant loaded

    // Start-up: the national list, then the FMJD list (the 64-square one when the normal
    // file is missing).
    void Laad();
    // The settings switched the FMJD variant.
    void KiesFMJD(bool fmjd64);
};

} // namespace velkaro
