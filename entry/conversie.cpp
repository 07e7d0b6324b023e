#include "entry/conversie.h"

#include "lang/teksten.h"
#include "model/tekst.h"

#include <limits>

namespace velkaro {

std::string ConversieFout(std::string_view tekst) {
    return "'" + std::string(tekst) + "' " + lang::Tekst(lang::T::GeenGeheelGetal);
}

std::optional<int32_t> Geheel(std::string_view tekst) {
    const auto g = LeesGetal(tekst);
    if (!g || *g < std::numeric_limits<int32_t>::min() || *g > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(*g);
}

std::optional<int32_t> LeesGeheel(std::string_view tekst, Gesprek& gesprek) {
    const auto g = Geheel(tekst);
    if (!g) gesprek.Melding(ConversieFout(tekst), lang::Tekst(lang::T::Fout), Pictogram::Fout);
    return g;
}

} // namespace velkaro
