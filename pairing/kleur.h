// The colour rule shared by the pairing routines: who of a pair plays white.
#pragma once

#include <cstdint>

namespace velkaro {

struct Kleurgegevens {
    int32_t Kleurwaarde = 0;  // the routine's colour value; larger means more whites
    uint8_t LaatsteKleur = 2; // 0 white, 1 black, other values none
    int32_t InternNummer = 0;
};

// For table positions i < j: true when i plays white in round `ronde`. The first stage that
// decides: the larger colour value gets black; at equal values the player who had white last
// gets black against one who had black; at equal values and last colours from round 2 on the
// sum of the internal numbers decides (odd: the smaller number white, even: the larger);
// otherwise i keeps white.
bool EersteSpeeltWit(const Kleurgegevens& i, const Kleurgegevens& j, int32_t ronde);

} // namespace velkaro
