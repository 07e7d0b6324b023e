// The ranking list: players kept sorted on a key text, equal keys allowed; a player inserted
// later stands before earlier ones with the same key.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace velkaro {

class TSpelerObj;

class tranglijst {
public:
    struct Regel {
        std::string Sleutel;
        TSpelerObj* Speler;
    };

    // Inserts at the first position whose key is not smaller than this key.
    void Voegtoe(std::string sleutel, TSpelerObj* speler);
    // Inserts the lines as Voegtoe would one after the other, by one sort instead of a shift of
    // the list per line.
    void VoegAlleToe(std::vector<Regel> nieuw);
    void DeleteAll() { regels_.clear(); }
    // Removes the players that do not count in the standings (no "S").
    void verwijder_niet_ranglijst();

    std::size_t Aantal() const { return regels_.size(); }
    const Regel& At(std::size_t i) const { return regels_[i]; }
    auto begin() const { return regels_.cbegin(); }
    auto end() const { return regels_.cend(); }

private:
    std::vector<Regel> regels_;
};

} // namespace velkaro
