#include "model/ranglijst.h"

#include "model/spelers.h"

#include <algorithm>
#include <iterator>

namespace velkaro {

void tranglijst::Voegtoe(std::string sleutel, TSpelerObj* speler) {
    // Keys are digits and blanks only, so byte order is the case-insensitive text order.
    auto it = std::lower_bound(regels_.begin(), regels_.end(), sleutel,
                               [](const Regel& r, const std::string& s) { return r.Sleutel < s; });
    regels_.insert(it, Regel{std::move(sleutel), speler});
}

void tranglijst::VoegAlleToe(std::vector<Regel> nieuw) {
    // One by one, each line goes before the lines with its key that are already there, so the
    // list ends up in key order and, within a key, in reverse order of insertion: the order a
    // stable sort gives to the reversed lines. All of them come after the lines already there,
    // so at a tie the merge puts them first.
    auto kleiner = [](const Regel& a, const Regel& b) { return a.Sleutel < b.Sleutel; };
    std::reverse(nieuw.begin(), nieuw.end());
    std::stable_sort(nieuw.begin(), nieuw.end(), kleiner);
    if (regels_.empty()) {
        regels_ = std::move(nieuw);
        return;
    }
    std::vector<Regel> samen;
    samen.reserve(regels_.size() + nieuw.size());
    std::merge(std::make_move_iterator(nieuw.begin()), std::make_move_iterator(nieuw.end()),
               std::make_move_iterator(regels_.begin()), std::make_move_iterator(regels_.end()),
               std::back_inserter(samen), kleiner);
    regels_ = std::move(samen);
}

void tranglijst::verwijder_niet_ranglijst() {
    std::erase_if(regels_, [](const Regel& r) { return !r.Speler->InStand(); });
}

} // namespace velkaro
