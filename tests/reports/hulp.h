// Shared helpers of the report tests: the entry tests' scripted conversation, a fixed clock, a
// screen that keeps its lines, and a small competition built by hand.
#pragma once

#include "../entry/scriptgesprek.h"
#include "model/competitie.h"
#include "model/gesprek.h"
#include "reports/uitvoer.h"

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

namespace velkaro::test {

class VasteKlok final : public Klok {
public:
    Datum Nu() const override { return Datum{2025, 3, 7, 20, 15}; }
};

class LijstScherm final : public Regelscherm {
public:
    std::vector<std::string> Regels;
    bool Begin = false;
    void VoegToe(const std::string& r) override { Regels.push_back(r); }
    void NaarBegin() override { Begin = true; }
};

class LijstAfdruk final : public Afdrukvoorbeeld {
public:
    std::vector<Afdrukdocument> Documenten;
    void Druk(const Afdrukdocument& d) override { Documenten.push_back(d); }
};

// Puts the players into the ranking list in the given order (positions from 1).
inline void ZetRanglijst(Competitie& c, const std::vector<int32_t>& internNummers) {
    c.Ranglijst.DeleteAll();
    for (std::size_t i = 0; i < internNummers.size(); ++i) {
        char sleutel[32];
        std::snprintf(sleutel, sizeof sleutel, "%09zu", i);
        c.Ranglijst.Voegtoe(sleutel, c.Spelers.zoekptr(internNummers[i]));
    }
}

inline TSpelerObj& NieuweSpeler(Competitie& c, const std::string& naam, int32_t nummer) {
    Spelergegevens g;
    g.Naam = naam;
    g.Lotingnummer = nummer;
    g.InternNummer = nummer;
    g.Opnemen = OpnemenStand | OpnemenRooster;
    return c.Spelers.Voegtoe(g);
}

inline void Speel(Competitie& c, int32_t ronde, int32_t wit, int32_t zwart, uint8_t uw,
                  uint8_t uz) {
    Wedstrijdgegevens w;
    w.Ronde = ronde;
    w.Wedstrijdnummer = static_cast<int32_t>(c.Wedstrijden.Aantal()) + 1;
    w.Wit = wit;
    w.Zwart = zwart;
    c.Wedstrijden.Voegtoe(w).ZetUitslag(uw, uz, false, true);
}

} // namespace velkaro::test
