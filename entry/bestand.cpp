#include "entry/bestand.h"

#include "standings/stand.h"

namespace velkaro {

Bestandsresultaat OpenBestand(Competitie& c, const std::string& naam) {
    auto r = LeesBestand(c, naam);
    if (r.Ok()) NaLaden(c);
    return r;
}

Bestandsresultaat LaadGroep(Competitie& c, int32_t bestandsnummer) {
    auto r = LeesDeelcomp(c, bestandsnummer);
    NaLaden(c);
    return r;
}

void NaLaden(Competitie& c) {
    ranglijst_sorteren(c, true);
}

} // namespace velkaro
