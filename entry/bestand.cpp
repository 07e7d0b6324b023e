#include "entry/bestand.h"

#include "model/tekst.h"
#include "standings/stand.h"
#include "storage/bestandsnamen.h"

namespace velkaro {

Bestandsresultaat OpenBestand(Competitie& c, const std::string& naam) {
    // Only a competition file: an import writes files, which a command that merely opens a
    // competition must not do behind its user's back.
    if (Hoofdletters(Extensie(naam)) != ".XV7")
        return Bestandsresultaat{Bestandsfout::AnderFormaat, naam, {}, {}};
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
