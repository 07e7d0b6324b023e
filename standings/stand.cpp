// The standings computation: every step from the system check to the new places, in order.
#include "standings/stand.h"

#include "standings/berekening.h"
#include "standings/plaatsen.h"
#include "standings/sleutels.h"
#include "standings/systemen.h"
#include "standings/totalen.h"

#include <algorithm>
#include <limits>

namespace velkaro {

using lang::T;

Sorteerinstellingen StandaardSorteerinstellingen(const Competitie& c) {
    return {c.Rondes.eerste_ronde(), stand::LaatsteRondeMetUitslagen(c), c.MinimumWedstrijden,
            true};
}

void ranglijst_sorteren(Competitie& c, bool stil, const Sorteerinstellingen* keuze,
                        Voortgang* voortgang) {
    trekenopties& o = c.Opties;
    // 1. A system this program does not know is the normal one, and is stored so.
    if (o.Rekensysteem > 32) o.Rekensysteem = SysteemNormaal;
    // 2. Before a report nothing needs doing while nothing changed.
    if (!stil && o.IsActueel()) return;

    // 3. Round range and options.
    Sorteerinstellingen k = keuze ? *keuze : StandaardSorteerinstellingen(c);
    if (stil && !keuze) k.VorigeNotering = false;
    const int32_t minimum =
        std::clamp<int32_t>(k.MinimumWedstrijden, 0, std::numeric_limits<uint16_t>::max());
    if (!stil && c.MinimumWedstrijden != minimum) {
        c.MinimumWedstrijden = static_cast<uint16_t>(minimum);
        c.Gewijzigd = true;
    }
    o.VanRonde = k.VanRonde;
    o.TotRonde = k.TotRonde;

    GeenVoortgang stilte;
    stand::Berekening b{c, stil, minimum, voortgang ? *voortgang : stilte, {}, {}, {}, {}};
    for (int code = 0; code < 256; ++code)
        b.PuntenVoorCode[static_cast<std::size_t>(code)] = o.PuntenVoorUitslag(code);

    // 4. The rating system's sums per player start empty.
    b.Meld(T::StapHulptabellen);
    b.Hulptabel.clear();

    // 5.
    b.Meld(T::StapSpelerstotalen);
    stand::InitialiseerSpelers(c, k.VorigeNotering);

    // 6.
    b.Meld(T::StapWedstrijdtotalenInit);
    b.Wedstrijden = stand::GeteldeWedstrijden(c, k.VanRonde, k.TotRonde);
    b.Vrij = stand::VrijeRondes(c, k.VanRonde, k.TotRonde);
    stand::TelUitslagen(b);

    // 7.
    b.Meld(T::StapWedstrijdtotalen);
    stand::TelTegenstanders(b);

    // 8. First sort: who is tied with whom, and their mutual results.
    SorteerAlle(c, minimum);
    stand::BepaalOnderlingResultaat(b);

    // 9. Second sort, now with the mutual results: the places that weigh the results.
    c.Ranglijst2.DeleteAll();
    SorteerAlle(c, minimum);
    stand::BepaalHAR(b);

    // 10. The ranking of the system.
    switch (o.Rekensysteem) {
    case SysteemNormaal:
    case SysteemZwitsers:
    case SysteemFMJDZwitsers:
    case Systeem16:
        b.Meld(T::StapSorteren);
        SorteerAlle(c, minimum);
        break;
    case SysteemKeizer:
        stand::Keizer(b);
        break;
    case SysteemMoyenne:
        stand::Moyenne(b);
        break;
    case SysteemRating:
    case SysteemZwitsersRating:
        stand::Rating(b);
        break;
    case SysteemLaren:
        stand::Laren(b);
        break;
    default:
        // Another value keeps the order of the second sort.
        break;
    }

    // 11.
    if (!stil) o.WisHerberekenen();

    // 12.
    if (!stil) {
        b.Meld(T::StapNieuwePlaats);
        stand::Plaatsen(b, [](TSpelerObj& s, int32_t plaats) {
            s.W().Notering = static_cast<uint8_t>(std::min(plaats, 255));
        });
    }
}

} // namespace velkaro
