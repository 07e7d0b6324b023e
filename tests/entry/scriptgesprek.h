// A conversation partner for tests: it answers from a script and records what was asked.
// Running out of answers fails the test instead of hanging in an input loop.
#pragma once

#include "model/gesprek.h"

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velkaro::test {

class ScriptGesprek final : public Gesprek {
public:
    std::deque<Antwoord> Antwoorden;
    std::deque<std::optional<std::string>> Invoeren; // nullopt = cancelled
    std::deque<std::optional<std::string>> Bestanden;
    std::deque<int> Filters; // the filter chosen with each file, while any are left

    struct Vraagje {
        std::string Tekst, Titel;
        velkaro::Knoppen Knoppen;
        Pictogram Icoon;
    };
    std::vector<Vraagje> Vragen;
    std::vector<std::pair<std::string, std::string>> Meldingen;    // text, caption
    std::vector<std::pair<std::string, std::string>> Invoerkaders; // caption, default
    std::vector<std::string> Prompts;                              // the line in each box
    std::vector<Bestandskeuze> Keuzes;

    Antwoord Vraag(const std::string& tekst, const std::string& titel, Knoppen knoppen,
                   Pictogram p) override {
        Vragen.push_back({tekst, titel, knoppen, p});
        if (Antwoorden.empty()) throw std::logic_error("unexpected question: " + tekst);
        const Antwoord a = Antwoorden.front();
        Antwoorden.pop_front();
        return a;
    }
    void Melding(const std::string& tekst, const std::string& titel, Pictogram) override {
        Meldingen.emplace_back(tekst, titel);
    }
    std::optional<std::string> Invoer(const std::string& titel, const std::string& prompt,
                                      const std::string& standaard) override {
        Invoerkaders.emplace_back(titel, standaard);
        Prompts.push_back(prompt);
        if (Invoeren.empty()) throw std::logic_error("unexpected input box: " + titel);
        auto a = Invoeren.front();
        Invoeren.pop_front();
        return a;
    }
    std::optional<std::string> KiesBestand(Bestandskeuze& keuze) override {
        Keuzes.push_back(keuze);
        if (Bestanden.empty()) throw std::logic_error("unexpected file dialog: " + keuze.Titel);
        auto a = Bestanden.front();
        Bestanden.pop_front();
        if (!Filters.empty()) {
            keuze.FilterIndex = Filters.front();
            Filters.pop_front();
        }
        return a;
    }
};

} // namespace velkaro::test
