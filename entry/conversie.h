// Whole numbers typed into the dialogs: a text that is not one is a conversion error, shown
// to the user with the caption "Fout", after which the caller leaves its data as it was.
#pragma once

#include "model/gesprek.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkaro {

// The conversion error's text for a typed text.
std::string ConversieFout(std::string_view tekst);

// The whole number in the text (int32 range), or nullopt after reporting the conversion error.
std::optional<int32_t> LeesGeheel(std::string_view tekst, Gesprek& gesprek);

// The whole number in the text; nullopt when it is none (no message).
std::optional<int32_t> Geheel(std::string_view tekst);

} // namespace velkaro
