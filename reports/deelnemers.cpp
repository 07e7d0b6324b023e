// The lists of players that need no standings: participants (kind 6) and player history
// (kind 7).
#include "lang/teksten.h"
#include "model/tekst.h"
#include "reports/kader.h"
#include "reports/kolommen.h"
#include "reports/partijtabellen.h"
#include "reports/punten.h"
#include "reports/rapportsoorten.h"

#include <algorithm>
#include <vector>

namespace velkaro {

using lang::T;
using lang::Tekst;

namespace {

std::string Titeltekst(int32_t titel, bool fmjd) {
    static const T kFMJD[] = {T::TitelMF, T::TitelMI, T::TitelGMI};
    static const T kNat[] = {T::TitelCMN, T::TitelMN, T::TitelGMN};
    if (titel < 1 || titel > 3) return {};
    return Tekst((fmjd ? kFMJD : kNat)[titel - 1]);
}

} // namespace

void SchrijfDeelnemerslijst(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                            const std::string& titel) {
    std::vector<const Spelergegevens*> spelers;
    for (const auto& s : c.Spelers) spelers.push_back(&s->G());
    auto opNaam = [](const Spelergegevens* x, const Spelergegevens* y) {
        return Hoofdletters(x->Naam) < Hoofdletters(y->Naam);
    };
    switch (o.Volgorde) {
    case Deelnemersvolgorde::Naam:
        std::stable_sort(spelers.begin(), spelers.end(), opNaam);
        break;
    case Deelnemersvolgorde::Rating:
        std::stable_sort(spelers.begin(), spelers.end(), [&](auto* x, auto* y) {
            return x->Rating != y->Rating ? x->Rating > y->Rating : opNaam(x, y);
        });
        break;
    case Deelnemersvolgorde::Lotingnummer:
        std::stable_sort(spelers.begin(), spelers.end(),
                         [](auto* x, auto* y) { return x->Lotingnummer < y->Lotingnummer; });
        break;
    }

    const Afdrukopties& a = o.Afdrukken;
    std::vector<Vrijekop> koppen = {{Tekst(T::Nr), true}};
    if (a.Lotingnummer) koppen.push_back({Tekst(T::LNR), true});
    koppen.push_back({Tekst(T::Naam), false});
    if (a.FMJDTitel) koppen.push_back({Tekst(T::KopFMJDTitel), false});
    if (a.NatTitel) koppen.push_back({Tekst(T::KopNatTitel), false});
    if (a.Plaats) koppen.push_back({Tekst(T::Plaats), false});
    if (a.Land) koppen.push_back({Tekst(T::Land), false});
    if (a.Categorie) koppen.push_back({Tekst(T::Cat), false});
    if (a.Rating) koppen.push_back({Tekst(T::Rating), true});
    if (a.TweedeRating) koppen.push_back({Tekst(T::KopTweedeRating), true});
    if (a.FMJDInfo) koppen.push_back({Tekst(T::FMJDID), true});

    std::vector<std::vector<Uitvoercel>> rijen;
    int32_t nr = 0;
    for (const Spelergegevens* g : spelers) {
        std::vector<Uitvoercel> rij = {Uitvoercel::MetGeheel(++nr, 0)};
        if (a.Lotingnummer) rij.push_back(Uitvoercel::MetGeheel(g->Lotingnummer, 0));
        rij.push_back(Uitvoercel::MetTekst(g->Naam, 0));
        if (a.FMJDTitel) rij.push_back(Uitvoercel::MetTekst(Titeltekst(g->FMJDTitel, true), 0));
        if (a.NatTitel) rij.push_back(Uitvoercel::MetTekst(Titeltekst(g->LokaleTitel, false), 0));
        if (a.Plaats) rij.push_back(Uitvoercel::MetTekst(g->Plaats, 0));
        if (a.Land) rij.push_back(Uitvoercel::MetTekst(g->Land, 0));
        if (a.Categorie) rij.push_back(Uitvoercel::MetTekst(Trim(Kap(g->Categorieen, 4)), 0));
        if (a.Rating) rij.push_back(Uitvoercel::MetGeheel(g->Rating, 0));
        // The second rating is the one of the two lists that is not in use.
        if (a.TweedeRating)
            rij.push_back(
                Uitvoercel::MetGeheel(c.GebruikFMJDBestand ? g->LokaleRating : g->FMJDRating, 0));
        if (a.FMJDInfo) rij.push_back(Uitvoercel::MetGeheel(g->FMJDID, 0));
        rijen.push_back(std::move(rij));
    }
    SchrijfVrijeTabel(u, titel, koppen, std::move(rijen));
}

void SchrijfGeschiedenis(const Competitie& c, const Rapportopties& o, TUitvoerObject& u) {
    std::vector<int32_t> nummers;
    if (o.Geschiedenis)
        nummers = *o.Geschiedenis;
    else
        for (const auto& s : c.Spelers) nummers.push_back(s->InternNummer());
    const trekenopties& r = c.Opties;
    for (int32_t nummer : nummers) {
        const TSpelerObj* speler = c.Spelers.zoekptr(nummer);
        if (!speler) continue;
        std::vector<std::vector<Uitvoercel>> rijen;
        int32_t totaal = 0;
        for (const auto& w : c.Wedstrijden) {
            const Wedstrijdgegevens& g = w->G();
            if (g.Wit != nummer && g.Zwart != nummer) continue;
            if (r.IsVrijeRonde(g)) {
                // A bye: no opponent, no colour, no rating; what it scores.
                totaal += r.VrijPunten();
                rijen.push_back({Uitvoercel::MetGeheel(g.Ronde, 0),
                                 Uitvoercel::MetTekst(Tekst(T::Vrij), 0),
                                 Uitvoercel::MetTekst({}, 0),
                                 Uitvoercel::MetTekst(PuntenTekst(r, r.VrijPunten()), 0, true),
                                 Uitvoercel::MetTekst({}, 0)});
                continue;
            }
            const bool wit = g.Wit == nummer;
            const int32_t ander = wit ? g.Zwart : g.Wit;
            std::string naam;
            int32_t rating = 0;
            if (ander < 0) {
                rating = -ander;
            } else if (const TSpelerObj* a = c.Spelers.zoekptr(ander)) {
                naam = a->G().Naam;
                rating = a->G().Rating;
            }
            std::string punten;
            if (w->IsAfgebroken()) {
                punten = Tekst(T::AFG);
            } else if (w->HeeftUitslag()) {
                const int32_t p = StandPunten(r, wit ? g.UitslagWit : g.UitslagZwart);
                totaal += p;
                punten = PuntenTekst(r, p);
            }
            rijen.push_back({Uitvoercel::MetGeheel(g.Ronde, 0), Uitvoercel::MetTekst(naam, 0),
                             Uitvoercel::MetTekst(Tekst(wit ? T::w : T::z), 0),
                             Uitvoercel::MetTekst(punten, 0, true),
                             Uitvoercel::MetGeheel(rating, 0)});
        }
        rijen.push_back(
            {Uitvoercel::MetTekst({}, 0), Uitvoercel::MetTekst({}, 0), Uitvoercel::MetTekst({}, 0),
             Uitvoercel::MetTekst(PuntenTekst(r, totaal), 0, true), Uitvoercel::MetTekst({}, 0)});
        SchrijfVrijeTabel(u, Tekst(T::GeschiedenisSpeler) + speler->G().Naam,
                          {{Tekst(T::Ronde), true},
                           {Tekst(T::Tegenstander), false},
                           {Tekst(T::KopKlr), false},
                           {Tekst(T::KopPt), true},
                           {Tekst(T::Rating), true}},
                          std::move(rijen));
        u.Regel();
    }
}

} // namespace velkaro
