// What the tournament data dialog decides: the tournament name and the sixteen particulars
// of the open group, the dates kept as their digits, and the question on closing without OK.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"

#include <array>
#include <string>

namespace velkaro {

// The dialog's fields: the tournament name, then the particulars in file order.
struct Toernooivelden {
    std::string Toernooinaam;
    Toernooigegevens Gegevens;
};

class Toernooischerm {
public:
    explicit Toernooischerm(Competitie& c) : c_(c) {}

    // Activation: the fields take the current values; nothing is saved yet.
    void Open();
    Toernooivelden& Velden() { return v_; }
    const Toernooivelden& Velden() const { return v_; }

    // OK: every field back into the competition, which is marked changed.
    void Ok();
    // Closing: without OK the user is asked whether to discard the changes; any answer but
    // Yes keeps them as OK does.
    void Sluit(Gesprek& gesprek);
    bool Opgeslagen() const { return opgeslagen_; }

private:
    Competitie& c_;
    Toernooivelden v_;
    bool opgeslagen_ = false;
};

// A date as typed in the mask "##-##-####": only its digits are kept, at most eight.
std::string DatumCijfers(const std::string& getypt);
// Stored digits shown in the mask: "dd-mm-jjjj", blanks for missing digits.
std::string DatumMetStreepjes(const std::string& cijfers);

} // namespace velkaro
