// The average system: a weighted sum of the player's own scoring rate and that of his
// opponents ranks the players.
#include "standings/sleutels.h"
#include "standings/systemen.h"

#include <vector>

namespace velkaro::stand {

void Moyenne(Berekening& b) {
    const trekenopties& o = b.c.Opties;
    b.c.Ranglijst.DeleteAll();

    for (auto& s : b.c.Spelers) {
        b.Meld(lang::T::StapBijwerkenMoyenne);
        Spelergegevens& g = s->W();
        // A rate per game: the points of byes, which are no games, stay out of it.
        g.EigenMoyenne =
            g.AantalPartijen > 0 ? double(g.Punten - g.VrijPunten) / g.AantalPartijen : 0.0;
        g.TegenstanderMoyenne = 0.0;
        g.TotaalMoyenne = 0.0;
    }

    // Weighted, the opponents' average is their combined points over their combined games;
    // unweighted, the mean of their own averages over the player's games.
    b.Meld(lang::T::StapTegenstandermoyenne);
    const bool gewogen = o.NietWegen == 0;
    std::vector<double> som(b.c.Spelers.Aantal(), 0.0), gewicht(b.c.Spelers.Aantal(), 0.0);
    for (const auto& w : b.Wedstrijden) {
        if (!w.BeideIngeschreven()) continue;
        for (auto [zelf, ander] : {std::pair{&w.Wit, &w.Zwart}, std::pair{&w.Zwart, &w.Wit}}) {
            const Spelergegevens& tegen = ander->Speler->G();
            if (gewogen) {
                som[zelf->Index] += tegen.EigenMoyenne * tegen.AantalPartijen;
                gewicht[zelf->Index] += tegen.AantalPartijen;
            } else {
                som[zelf->Index] += tegen.EigenMoyenne;
            }
        }
    }

    b.Meld(lang::T::StapTotaalmoyenne);
    for (std::size_t i = 0; i < b.c.Spelers.Aantal(); ++i) {
        Spelergegevens& g = b.c.Spelers.At(i).W();
        if (gewogen)
            g.TegenstanderMoyenne = gewicht[i] > 0 ? som[i] / gewicht[i] : 0.0;
        else
            g.TegenstanderMoyenne = g.AantalPartijen > 0 ? som[i] / g.AantalPartijen : 0.0;
        // The weights are not divided out: with 1 and 1 the total runs up to twice a rate.
        g.TotaalMoyenne = g.EigenMoyenne * o.WegingEigen + g.TegenstanderMoyenne * o.WegingTegen;
    }

    b.Meld(lang::T::StapSorterenMoyenne);
    SorteerAlle(b.c, b.Minimum);
}

} // namespace velkaro::stand
