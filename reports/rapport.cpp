#include "reports/rapport.h"

#include "reports/kader.h"
#include "reports/ranglijst_rapport.h"
#include "reports/voortschrijding.h"

namespace velkaro {

bool SoortBeschikbaar(Rapportsoort soort) {
    return soort == Rapportsoort::Ranglijst || soort == Rapportsoort::Voortschrijdingstabel;
}

bool SchrijfRapport(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                    const Klok& klok) {
    if (!SoortBeschikbaar(o.Soort)) return false;
    u.ZetKoptekst(0, Rapportnaam(c, o.Soort));
    u.ZetKoptekst(1, c.Opties.Toernooinaam);
    u.ZetKoptekst(2, c.Bestandsnaam);
    SchrijfKader(c, o, u, klok);
    const std::string titel = Rapporttitel(c, o.Soort);
    if (o.Soort == Rapportsoort::Ranglijst)
        SchrijfRanglijst(c, o, u, titel);
    else
        SchrijfVoortschrijdingstabel(c, o, u, titel);
    if (o.Afdrukken.Totaalgegevens) SchrijfTotaalgegevens(c, u);
    return true;
}

} // namespace velkaro
