#include "reports/rapport.h"

#include "reports/kader.h"
#include "reports/normen.h"
#include "reports/ranglijst_rapport.h"
#include "reports/rapportsoorten.h"
#include "reports/voortschrijding.h"

namespace velkaro {

bool SoortBeschikbaar(Rapportsoort soort) {
    return static_cast<uint8_t>(soort) <= static_cast<uint8_t>(Rapportsoort::FMJDTabel);
}

bool SchrijfRapport(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                    const Klok& klok) {
    if (!SoortBeschikbaar(o.Soort)) return false;
    u.ZetKoptekst(0, Rapportnaam(c, o.Soort));
    u.ZetKoptekst(1, c.Opties.Toernooinaam);
    u.ZetKoptekst(2, c.Bestandsnaam);
    SchrijfKader(c, o, u, klok);
    bool totalen = o.Afdrukken.Totaalgegevens;
    switch (o.Soort) {
    case Rapportsoort::Ranglijst:
        SchrijfRanglijst(c, o, u, Rapporttitel(c, o.Soort));
        break;
    case Rapportsoort::Voortschrijdingstabel:
        SchrijfVoortschrijdingstabel(c, o, u, Rapporttitel(c, o.Soort));
        break;
    case Rapportsoort::TegenstanderPerRonde:
        SchrijfTegenstanderPerRonde(c, o, u, Rapporttitel(c, o.Soort));
        break;
    case Rapportsoort::RanglijstenPerCategorie:
        SchrijfRanglijstenPerCategorie(c, o, u, Rapporttitel(c, Rapportsoort::Ranglijst));
        break;
    case Rapportsoort::UitslagenEnRooster:
        SchrijfUitslagenEnRooster(c, o, u);
        totalen = false;
        break;
    case Rapportsoort::MeerdereLijsten:
        SchrijfSerie(c, o, u); // with the totals of every group
        totalen = false;
        break;
    case Rapportsoort::Deelnemerslijst:
        SchrijfDeelnemerslijst(c, o, u, Rapportnaam(c, o.Soort));
        totalen = false;
        break;
    case Rapportsoort::Geschiedenis:
        SchrijfGeschiedenis(c, o, u);
        totalen = false;
        break;
    case Rapportsoort::FMJDTabel:
        SchrijfFMJDTabel(c, o, u);
        break;
    }
    if (totalen) SchrijfTotaalgegevens(c, u);
    return true;
}

} // namespace velkaro
