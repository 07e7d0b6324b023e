// The series of lists over several competition groups (report kind 5).
#include "lang/teksten.h"
#include "reports/kader.h"
#include "reports/ranglijst_rapport.h"
#include "reports/rapportsoorten.h"
#include "reports/voortschrijding.h"
#include "standings/stand.h"
#include "storage/competitiebestand.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace velkaro {

namespace {

void SchrijfLijsten(const Competitie& g, const Rapportopties& o, TUitvoerObject& u) {
    const Serieopties& s = o.Serie;
    if (s.Stand) {
        SchrijfRanglijst(g, o, u, Rapporttitel(g, Rapportsoort::Ranglijst));
        if (o.Afdrukken.Totaalgegevens) SchrijfTotaalgegevens(g, u);
        u.Regel();
    }
    if (s.Voortschrijding) {
        SchrijfVoortschrijdingstabel(g, o, u, Rapporttitel(g, Rapportsoort::Voortschrijdingstabel));
        u.Regel();
    }
    if (s.Tegenstander) {
        SchrijfTegenstanderPerRonde(g, o, u, Rapporttitel(g, Rapportsoort::TegenstanderPerRonde));
        u.Regel();
    }
    if (s.Categorie)
        SchrijfRanglijstenPerCategorie(g, o, u,
                                       Rapporttitel(g, Rapportsoort::RanglijstenPerCategorie));
}

} // namespace

void BerekenSerieStand(Competitie& g) {
    Sorteerinstellingen keuze = StandaardSorteerinstellingen(g);
    keuze.VorigeNotering = false;
    g.Opties.Herberekenen = 1;
    ranglijst_sorteren(g, false, &keuze);
    g.Ranglijst.verwijder_niet_ranglijst();
}

void SchrijfSerie(const Competitie& c, const Rapportopties& o, TUitvoerObject& u) {
    // A competition not yet kept in a file is a series of its one group.
    if (c.Groepen.Aantal() == 0) {
        SchrijfLijsten(c, o, u);
        return;
    }
    std::vector<const Deelcompgegevens*> groepen;
    for (const auto& g : c.Groepen) {
        const int32_t n = g->G().Competitienummer;
        if (n >= o.Serie.VanCompetitie.value_or(n) && n <= o.Serie.TotCompetitie.value_or(n))
            groepen.push_back(&g->G());
    }
    std::stable_sort(groepen.begin(), groepen.end(), [](const auto* x, const auto* y) {
        return x->Competitienummer < y->Competitienummer;
    });
    for (const Deelcompgegevens* groep : groepen) {
        u.Regel(lang::Tekst(lang::T::Competitiegroep) + " " +
                std::to_string(groep->Competitienummer) + " " + groep->Titel);
        u.Regel();
        if (groep->Bestandsnummer == c.HuidigeDeelcomp) {
            SchrijfLijsten(c, o, u);
            continue;
        }
        // Another group as its file holds it, with the layout the report was asked with.
        auto g = std::make_unique<Competitie>();
        g->Bestandsnaam = c.Bestandsnaam;
        g->Bestandsversie = c.Bestandsversie;
        LeesDeelcomp(*g, groep->Bestandsnummer);
        g->MaximumPerRegel = c.MaximumPerRegel;
        g->RondesInMatrix = c.RondesInMatrix;
        BerekenSerieStand(*g);
        SchrijfLijsten(*g, o, u);
    }
}

} // namespace velkaro
