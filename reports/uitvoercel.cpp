#include "reports/uitvoercel.h"

#include "model/tekst.h"

#include <cstdio>

namespace velkaro {

Uitvoercel Uitvoercel::MetGeheel(int32_t waarde, int breedte) {
    Uitvoercel c;
    c.Soort = Celsoort::Geheel;
    c.Geheel = waarde;
    c.Breedte = breedte;
    return c;
}

Uitvoercel Uitvoercel::MetTekst(std::string tekst, int breedte, bool rechts) {
    Uitvoercel c;
    c.Soort = Celsoort::Tekst;
    c.Tekst = std::move(tekst);
    c.Breedte = breedte;
    c.Rechts = rechts;
    return c;
}

Uitvoercel Uitvoercel::MetReeel(double waarde, int breedte, int decimalen) {
    Uitvoercel c;
    c.Soort = Celsoort::Reeel;
    c.Reeel = waarde;
    c.Breedte = breedte;
    c.Decimalen = decimalen;
    return c;
}

std::string ReeelTekst(double waarde, int decimalen) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimalen < 0 ? 0 : decimalen, waarde);
    return buf;
}

std::string KaleWaarde(const Uitvoercel& cel) {
    switch (cel.Soort) {
    case Celsoort::Geheel:
        return std::to_string(cel.Geheel);
    case Celsoort::Reeel:
        return ReeelTekst(cel.Reeel, cel.Decimalen);
    case Celsoort::Tekst:
        break;
    }
    return cel.Tekst;
}

std::string CelAlsTekst(const Uitvoercel& cel) {
    const auto breedte = static_cast<std::size_t>(cel.Breedte < 0 ? 0 : cel.Breedte);
    std::string s;
    if (cel.Soort == Celsoort::Tekst && !cel.Rechts)
        s = VulRechts(cel.Tekst, breedte);
    else
        s = VulLinks(KaleWaarde(cel), breedte);
    s += (cel.Streepje && !cel.Kopcel) ? '-' : ' ';
    return s;
}

} // namespace velkaro
