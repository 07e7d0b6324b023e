// The conversation of a computation that runs on a worker thread: every question, message,
// input box and file choice is shown on the GUI thread, and the worker waits for the answer.
#pragma once

#include "model/gesprek.h"

class QObject;

namespace velkaro::ui {

class DraadGesprek final : public Gesprek {
public:
    // `gui` is any object that lives on the GUI thread; `binnen` answers there.
    DraadGesprek(Gesprek& binnen, QObject* gui) : binnen_(binnen), gui_(gui) {}

    Antwoord Vraag(const std::string& tekst, const std::string& titel, Knoppen knoppen,
                   Pictogram pictogram) override;
    void Melding(const std::string& tekst, const std::string& titel, Pictogram pictogram) override;
    std::optional<std::string> Invoer(const std::string& titel, const std::string& prompt,
                                      const std::string& standaard) override;
    std::optional<std::string> KiesBestand(Bestandskeuze& keuze) override;

private:
    // Runs f on the GUI thread and waits for it; what f throws is thrown here.
    template <class F> void OpGuiDraad(F&& f);

    Gesprek& binnen_;
    QObject* gui_;
};

} // namespace velkaro::ui
