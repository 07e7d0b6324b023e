// What a pairing routine hands back to its caller: how it ended, the new matches, and the
// round range of the report "Uitslagen en/of rooster" that the program shows after success.
#pragma once

#include "model/wedstrijden.h"

#include <cstdint>
#include <vector>

namespace velkaro {

enum class Roosteruitkomst {
    Gepaard,         // the matches were written
    KanNietParen,    // odd number or no complete pairing: the user was told, nothing written
    Gestopt,         // the user stopped the search: nothing written
};

// The report kind the program opens after a pairing ("Uitslagen en/of rooster").
constexpr int kRapportsoortUitslagenRooster = 4;

struct Roosterresultaat {
    Roosteruitkomst Uitkomst = Roosteruitkomst::Gepaard;
    int32_t VanRonde = 0; // report range after success
    int32_t TotRonde = 0;
    std::vector<Wedstrijdgegevens> Nieuw; // in creation order
    long long Onderzocht = 0;             // pairs tried by a search

    bool Gelukt() const { return Uitkomst == Roosteruitkomst::Gepaard; }
};

} // namespace velkaro
