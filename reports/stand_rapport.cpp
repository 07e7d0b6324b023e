// The standings step of every report: the interactive computation with the report's range.
#include "reports/rapport.h"
#include "reports/rapportsoorten.h"
#include "standings/stand.h"

#include <algorithm>

namespace velkaro {

void BerekenStandVoorRapport(Competitie& c, const Rapportopties& o, Voortgang* voortgang) {
    c.RondesInMatrix = std::clamp(c.RondesInMatrix, 1, 4);
    const bool zonderStand = o.Soort == Rapportsoort::UitslagenEnRooster ||
                             o.Soort == Rapportsoort::Deelnemerslijst ||
                             o.Soort == Rapportsoort::Geschiedenis;
    if (o.Soort == Rapportsoort::MeerdereLijsten) {
        // The open group is one of the series: computed as every other group, without a
        // question and keeping the previous places.
        if (o.Herberekenen || !c.Opties.IsActueel()) BerekenSerieStand(c);
    } else if (!zonderStand) {
        Sorteerinstellingen keuze = StandaardSorteerinstellingen(c);
        if (o.VanRonde) keuze.VanRonde = *o.VanRonde;
        if (o.TotRonde) keuze.TotRonde = *o.TotRonde;
        if (o.MinimumWedstrijden) keuze.MinimumWedstrijden = *o.MinimumWedstrijden;
        keuze.VorigeNotering = o.VorigeNoteringAanpassen;
        if (o.Herberekenen) c.Opties.Herberekenen = 1;
        ranglijst_sorteren(c, false, &keuze, voortgang);
    }
    c.Ranglijst.verwijder_niet_ranglijst();
}

bool MaakRapport(Competitie& c, const Rapportopties& o, TUitvoerObject& u, const Klok& klok,
                 Voortgang* voortgang) {
    if (!SoortBeschikbaar(o.Soort)) return false;
    BerekenStandVoorRapport(c, o, voortgang);
    return SchrijfRapport(c, o, u, klok);
}

} // namespace velkaro
