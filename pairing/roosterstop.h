// A pairing that the user can stop: the open group is copied before the routine runs and put
// back exactly as it was when the search was stopped.
#pragma once

#include "model/competitie.h"
#include "pairing/roosteromgeving.h"
#include "pairing/roosterresultaat.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velkaro {

// Everything of the open group that a pairing routine may change: the matches (it deletes
// the unplayed ones of the round and adds new ones), the rounds (adding a match creates its
// round), the player records and sort keys (the silent standings write the totals), both
// ranking lists, the settings, the minimum number of games and the changed flag. Players are
// never added or removed by a pairing, so they are put back in place and the ranking lists'
// pointers stay valid. The matches are put back in their order, which is round and number
// order as the collection keeps it.
class Groepstand {
public:
    explicit Groepstand(const Competitie& c);
    void Herstel(Competitie& c) const;

private:
    struct Speler {
        Spelergegevens Gegevens;
        std::array<int32_t, 7> Sorteersleutels{};
    };
    std::vector<Speler> spelers_;
    std::vector<Rondegegevens> rondes_;
    std::vector<Wedstrijdgegevens> wedstrijden_;
    tranglijst ranglijst_, ranglijst2_;
    trekenopties opties_;
    uint16_t minimumWedstrijden_ = 0;
    bool gewijzigd_ = false;
};

// SamenstellenRooster, stoppable through omg.voortgang: when the user stops the search, the
// group is put back as it was before the call and he is told so ("Informatie").
Roosterresultaat SamenstellenRoosterMetStop(Competitie& c, int32_t ronde, bool standaardKleuren,
                                            bool laatsteRonde, Roosteromgeving& omg);

} // namespace velkaro
