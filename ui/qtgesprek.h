// The program's conversations with its user as Qt shows them: message boxes, input boxes and
// file dialogs, with button texts from the language tables.
#pragma once

#include "model/gesprek.h"

class QWidget;

namespace velkaro::ui {

// The width a window needs for its whole title in the title bar.
int TitelBreedte(const QWidget& venster);

class QtGesprek final : public Gesprek {
public:
    Antwoord Vraag(const std::string& tekst, const std::string& titel, Knoppen knoppen,
                   Pictogram pictogram) override;
    void Melding(const std::string& tekst, const std::string& titel, Pictogram pictogram) override;
    std::optional<std::string> Invoer(const std::string& titel, const std::string& prompt,
                                      const std::string& standaard) override;
    std::optional<std::string> KiesBestand(Bestandskeuze& keuze) override;
};

} // namespace velkaro::ui
