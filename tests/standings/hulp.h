// Shared helpers of the standings tests: small competitions built by hand, players named by
// drawing number (which is also their internal number), and the ranking read back.
#pragma once

#include "model/competitie.h"
#include "standings/stand.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velkaro::test {

// An outside opponent of rating 1500, for padding a player's points without touching anybody
// else's totals.
constexpr int32_t kBuiten = -1500;

struct Toernooi {
    Competitie c;

    explicit Toernooi(uint16_t systeem = SysteemNormaal, int32_t sorteervolgorde = 0) {
        c.Opties.Rekensysteem = systeem;
        c.Opties.Sorteervolgorde = sorteervolgorde;
    }

    // Players 1..n with InternNummer = Lotingnummer, marked S and R.
    void Spelers(int n) {
        for (int i = 1; i <= n; ++i) Speler(i);
    }
    TSpelerObj& Speler(int nummer, int32_t rating = 0,
                       uint16_t opnemen = OpnemenStand | OpnemenRooster) {
        Spelergegevens g;
        g.Lotingnummer = nummer;
        g.InternNummer = nummer;
        g.Naam = "Speler " + std::to_string(nummer);
        g.LokaleRating = rating;
        g.FMJDRating = 2100;
        g.Opnemen = opnemen;
        return c.Spelers.Voegtoe(g);
    }
    Spelergegevens& G(int nummer) { return c.Spelers.zoekptr(nummer)->W(); }

    // A played match; the numbers are internal numbers (negative: outside opponent).
    twedstrijdobj& Partij(int32_t ronde, int32_t wit, int32_t zwart, uint8_t codeWit,
                          uint8_t codeZwart) {
        Wedstrijdgegevens w;
        w.Ronde = ronde;
        w.Wedstrijdnummer = ++nummers_;
        w.Wit = wit;
        w.Zwart = zwart;
        auto& obj = c.Wedstrijden.Voegtoe(w);
        obj.ZetUitslag(codeWit, codeZwart, false, true);
        return obj;
    }
    // Shorthands for a decisive game and a draw.
    void Winst(int32_t ronde, int32_t winnaar, int32_t verliezer) {
        Partij(ronde, winnaar, verliezer, UitslagWinst, UitslagVerlies);
    }
    void Remise(int32_t ronde, int32_t wit, int32_t zwart) {
        Partij(ronde, wit, zwart, UitslagRemise, UitslagRemise);
    }

    // The interactive computation as before a report, with the proposed choices unless given.
    void Bereken(const Sorteerinstellingen* keuze = nullptr) {
        c.Opties.Herberekenen = 1;
        ranglijst_sorteren(c, false, keuze);
    }
    void BerekenStil() { ranglijst_sorteren(c, true); }

    // Drawing numbers in ranking order (every entry of the list).
    std::vector<int32_t> Volgorde() const {
        std::vector<int32_t> v;
        for (const auto& r : c.Ranglijst) v.push_back(r.Speler->Lotingnummer());
        return v;
    }
    // The stored places, in ranking order.
    std::vector<int> Noteringen() const {
        std::vector<int> v;
        for (const auto& r : c.Ranglijst) v.push_back(r.Speler->G().Notering);
        return v;
    }

private:
    int32_t nummers_ = 0;
};

// Records the progress texts the computation shows.
class Opname final : public Voortgang {
public:
    std::vector<std::string> Teksten;
    void Status(const std::string& t) override { Teksten.push_back(t); }
    void Regel(const std::string& t) override { Teksten.push_back(t); }
    void Teller(long long) override {}
};

} // namespace velkaro::test
