// Small competitions for the pairing tests: numbered players, the matches of a round, and a
// conversation partner that answers from a script and records what it was asked.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"
#include "pairing/roosteromgeving.h"

#include <deque>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace velkaro::test {

// Players 1..n: drawing number and internal number i, name "Speler i", marked "S" and "R".
inline void VoegSpelersToe(Competitie& c, int n) {
    for (int i = 1; i <= n; ++i) {
        Spelergegevens g;
        g.Lotingnummer = i;
        g.InternNummer = static_cast<int32_t>(c.Spelers.VrijIntern());
        g.Naam = "Speler " + std::to_string(i);
        g.Opnemen = OpnemenStand | OpnemenRooster;
        c.Spelers.Voegtoe(g);
    }
}

inline twedstrijdobj& VoegWedstrijdToe(Competitie& c, int32_t ronde, int32_t nummer, int32_t wit,
                                       int32_t zwart, bool gespeeld = false) {
    Wedstrijdgegevens g;
    g.Ronde = ronde;
    g.Wedstrijdnummer = nummer;
    g.Wit = wit;
    g.Zwart = zwart;
    auto& w = c.Wedstrijden.Voegtoe(g);
    if (gespeeld) w.ZetUitslag(2, 0, false, true);
    return w;
}

using Paarlijst = std::vector<std::pair<int, int>>;

// (white, black) of the matches of a round, in list order.
inline std::vector<std::pair<int, int>> RondeParen(const Competitie& c, int32_t ronde) {
    std::vector<std::pair<int, int>> p;
    for (const auto& w : c.Wedstrijden)
        if (w->G().Ronde == ronde) p.emplace_back(w->G().Wit, w->G().Zwart);
    return p;
}

inline std::vector<int32_t> RondeNummers(const Competitie& c, int32_t ronde) {
    std::vector<int32_t> n;
    for (const auto& w : c.Wedstrijden)
        if (w->G().Ronde == ronde) n.push_back(w->G().Wedstrijdnummer);
    return n;
}

class Scriptgesprek final : public Gesprek {
public:
    struct Vraagregel {
        std::string tekst, titel;
        Knoppen knoppen;
        Pictogram pictogram;
    };
    std::deque<Antwoord> antwoorden;
    std::vector<Vraagregel> vragen;
    std::vector<Vraagregel> meldingen;

    Antwoord Vraag(const std::string& tekst, const std::string& titel, Knoppen knoppen,
                   Pictogram pictogram) override {
        vragen.push_back({tekst, titel, knoppen, pictogram});
        if (antwoorden.empty()) return Antwoord::Annuleren;
        const Antwoord a = antwoorden.front();
        antwoorden.pop_front();
        return a;
    }
    void Melding(const std::string& tekst, const std::string& titel, Pictogram pictogram) override {
        meldingen.push_back({tekst, titel, Knoppen::Ok, pictogram});
    }
    std::optional<std::string> Invoer(const std::string&, const std::string&,
                                      const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> KiesBestand(Bestandskeuze&) override { return std::nullopt; }
};

// Records what a routine shows: its progress lines (rewritten in place) and the last count; asks
// to stop once the count reaches `stopNa` (0: at the first look).
class Opname final : public Voortgang {
public:
    explicit Opname(long long stopNa = std::numeric_limits<long long>::max()) : stopNa_(stopNa) {}
    void Status(const std::string&) override {}
    void Regel(const std::string& t) override {
        if (bijRegel) bijRegel();
        regels.push_back(t);
    }
    void Teller(long long w) override {
        teller = w;
        ++tellerAanroepen;
    }
    // Only a line shown before can be rewritten.
    void ZetRegel(int n, std::string_view t) override {
        regels.at(static_cast<std::size_t>(n - 1)) = std::string(t);
    }
    bool Stoppen() const override { return teller >= stopNa_; }
    std::vector<std::string> regels;
    long long teller = 0;
    int tellerAanroepen = 0;
    std::function<void()> bijRegel; // called before a new line is recorded

private:
    long long stopNa_;
};

// What a pairing routine runs in: the scripted conversation and a progress recorder, which
// refuses a rewrite of a line never shown.
struct Omgeving {
    Scriptgesprek gesprek;
    Opname voortgang;
    Roosteromgeving omg{gesprek, voortgang};
};

} // namespace velkaro::test
