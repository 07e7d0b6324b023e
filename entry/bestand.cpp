#include "entry/bestand.h"

#include "standings/stand.h"

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

void NaLaden(Competitie& c) {
    ranglijst_sorteren(c, true);
}

} // namespace velkaro
