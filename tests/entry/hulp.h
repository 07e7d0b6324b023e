// Shared helpers of the entry tests: the scripted conversation, a fixed clock, a scripted
// random source, and a small competition.
#pragma once

#include "entry/spelerinvoer.h"
#include "model/competitie.h"
#include "model/gesprek.h"
#include "scriptgesprek.h"

#include <deque>
#include <string>
#include <vector>

namespace velkaro::test {

class VasteKlok final : public Klok {
public:
    Datum Nu() const override { return Datum{2024, 3, 7, 20, 15}; }
};

// Gives the scripted numbers in turn (0 when they run out) and records each range asked.
class RijToeval final : public Toeval {
public:
    explicit RijToeval(std::deque<int> getallen = {}) : getallen(std::move(getallen)) {}
    int Getal(int n) override {
        bereiken.push_back(n);
        if (getallen.empty()) return 0;
        const int g = getallen.front();
        getallen.pop_front();
        return g;
    }
    std::deque<int> getallen;
    std::vector<int> bereiken;
};

// The player entry dialog on an empty competition.
struct Spelerscherm {
    Competitie c;
    ScriptGesprek gesprek;
    TInvoerSpelers d{c.Spelers, c.Opties, gesprek};
};

inline TSpelerObj& VoegSpelerToe(Competitie& c, int32_t loting, const std::string& naam,
                                 int32_t rating = 0, const std::string& kort = "") {
    Spelergegevens g;
    g.Lotingnummer = loting;
    g.Naam = naam;
    g.VolledigeNaam = naam;
    g.Kort = kort;
    g.Rating = g.LokaleRating = rating;
    g.FMJDRating = 2100;
    g.Opnemen = OpnemenStand | OpnemenRooster;
    return c.Spelers.Voegtoe(g);
}

inline twedstrijdobj& VoegWedstrijdToe(Competitie& c, int32_t ronde, int32_t nummer, int32_t wit,
                                       int32_t zwart, int wc = -1, int zc = -1) {
    Wedstrijdgegevens g;
    g.Ronde = ronde;
    g.Wedstrijdnummer = nummer;
    g.Wit = wit;
    g.Zwart = zwart;
    if (wc >= 0) {
        g.UitslagWit = static_cast<uint8_t>(wc);
        g.UitslagZwart = static_cast<uint8_t>(zc);
        g.Gespeeld = true;
    }
    return c.Wedstrijden.Voegtoe(g);
}

} // namespace velkaro::test
