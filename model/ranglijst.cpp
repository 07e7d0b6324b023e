#include "model/ranglijst.h"

#include "model/spelers.h"

#include <algorithm>

namespace velkaro {

void tranglijst::Voegtoe(std::string sleutel, TSpelerObj* speler) {
    // Keys are digits and blanks only, so byte order is the case-insensitive text order.
    auto it = std::lower_bound(regels_.begin(), regels_.end(), sleutel,
                               [](const Regel& r, const std::string& s) { return r.Sleutel < s; });
    regels_.insert(it, Regel{std::move(sleutel), speler});
}

void tranglijst::verwijder_niet_ranglijst() {
    std::erase_if(regels_, [](const Regel& r) { return !r.Speler->InStand(); });
}

} // namespace velkaro
