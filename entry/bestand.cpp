#include "entry/bestand.h"

namespace velkaro {

Bestandsresultaat OpenBestand(Competitie& c, const std::string& naam) {
    auto r = LeesBestand(c, naam);
    if (r.Ok()) NaLaden(c);
    return r;
}

void LaadGroep(Competitie& c, int32_t bestandsnummer) {
    LeesDeelcomp(c, bestandsnummer);
    NaLaden(c);
}

void NaLaden(Competitie&) {
    // The silent standings computation joins here once the standings library exists.
}

} // namespace velkaro
