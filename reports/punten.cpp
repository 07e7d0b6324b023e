#include "reports/punten.h"

namespace velkaro {

namespace {

const char* const kHalf = "\xC2\xBD"; // "½"

std::string Halven(int32_t waarde, bool blankVoorHalf) {
    const int64_t a = waarde < 0 ? -static_cast<int64_t>(waarde) : waarde;
    const int64_t heel = a / 2;
    const bool oneven = a % 2 != 0;
    std::string s;
    if (oneven && heel == 0)
        s = blankVoorHalf ? std::string(" ") + kHalf : std::string(kHalf);
    else
        s = std::to_string(heel) + (oneven ? kHalf : " ");
    return waarde < 0 ? "-" + s : s;
}

} // namespace

std::string MaakSchaakPunten(int32_t waarde) {
    return Halven(waarde, false);
}
std::string MaakKNDBDelftsPunten(int32_t waarde) {
    return Halven(waarde, true);
}

bool HalvePunten(const trekenopties& o) {
    return o.Schaaknotatie() || o.KNDBDelfts();
}

std::string PuntenTekst(const trekenopties& o, int32_t waarde) {
    if (o.Schaaknotatie()) return MaakSchaakPunten(waarde);
    if (o.KNDBDelfts()) return MaakKNDBDelftsPunten(waarde);
    return std::to_string(waarde);
}

} // namespace velkaro
