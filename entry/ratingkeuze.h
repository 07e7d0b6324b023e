// A rating list as player entry offers it: sorted on its names, narrowed as the user types,
// positioned on a typed name; and the rules that take a player's data from an entry.
#pragma once

#include "storage/ratinglijst.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

// The search form of a text: capitals, every run of characters other than letters and
// digits one blank, no blanks around. "de Vries, J.-P." -> "DE VRIES J P".
std::string Zoekvorm(std::string_view tekst);
// The search form of a player's name as typed, surname first like the list names:
// the surname and the initial of the first word, "Jan de Vries" -> "VRIES J"; a name with a
// comma ("Vries, J. de") is already in list order and keeps all its words.
std::string ZoekvormVanNaam(std::string_view naam);
// "Kort" from a surname: its first three letters in capitals ("'t Hart" -> "THA").
std::string KortVanNaam(std::string_view achternaam);

// The list positions of the title boxes for a title text: Geen, cMN, MN, GMN and Geen, MF,
// MI, GMI.
int NationaleTitelpositie(std::string_view titel);
int FMJDTitelpositie(std::string_view titel);

// What player entry shows of the list in use: its file, its edition when it has one, and the
// number of players; a text saying so when no file was found.
std::string Bestandsregel(const std::string& bestand, const std::string& editie,
                          std::size_t aantal);

class Ratingkeuze {
public:
    Ratingkeuze() = default;
    // The list must outlive the choice.
    explicit Ratingkeuze(const NationaleLijst& lijst);
    explicit Ratingkeuze(const FMJDLijst& lijst);

    std::size_t Totaal() const { return volgorde_.size(); }
    // The rows shown: the entries whose names have a word beginning with each word of the
    // filter, each name word counting for one filter word.
    std::size_t Aantal() const { return zichtbaar_.size(); }
    std::size_t Index(std::size_t rij) const { return zichtbaar_[rij]; }
    std::string Regel(std::size_t rij) const;
    const std::string& Sleutel(std::size_t rij) const { return sleutels_[zichtbaar_[rij]]; }

    // Narrows the rows to the entries that fit the text (in search form), as above.
    void Filter(std::string_view tekst);
    // The first row whose name is not smaller than the typed name (in search form); Aantal()
    // when every name is smaller.
    std::size_t Positie(std::string_view naam) const;

private:
    void Sorteer();

    const NationaleLijst* nationaal_ = nullptr;
    const FMJDLijst* fmjd_ = nullptr;
    std::vector<std::string> sleutels_;  // per entry
    std::vector<uint64_t> beginletters_; // per entry: the first characters of its key's words
    std::vector<uint32_t> volgorde_;     // every entry, sorted on its key
    std::vector<uint32_t> zichtbaar_;
    std::string filter_; // the search form of the filter in force
};

} // namespace velkaro
