// Shared helpers of the report tests: scripted conversations, a fixed clock, a screen that
// keeps its lines, and a small competition built by hand.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"
#include "reports/uitvoer.h"

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

namespace velkaro::test {

class SchriftGesprek final : public Gesprek {
public:
    std::deque<Antwoord> Antwoorden;
    std::deque<std::optional<std::string>> Bestanden;
    int FilterIndex = 1;
    std::vector<std::string> Vragen, Meldingen;
    std::vector<Knoppen> Knopsets;
    std::vector<Bestandskeuze> Keuzes;

    Antwoord Vraag(const std::string& tekst, const std::string&, Knoppen k, Pictogram) override {
        Vragen.push_back(tekst);
        Knopsets.push_back(k);
        if (Antwoorden.empty()) return Antwoord::Annuleren;
        const Antwoord a = Antwoorden.front();
        Antwoorden.pop_front();
        return a;
    }
    void Melding(const std::string& tekst, const std::string&, Pictogram) override {
        Meldingen.push_back(tekst);
    }
    std::optional<std::string> Invoer(const std::string&, const std::string&,
                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> KiesBestand(Bestandskeuze& k) override {
        Keuzes.push_back(k);
        k.FilterIndex = FilterIndex;
        if (Bestanden.empty()) return std::nullopt;
        auto b = Bestanden.front();
        Bestanden.pop_front();
        return b;
    }
};

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
