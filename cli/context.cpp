#include "cli/context.h"

#include "entry/bestand.h"
#include "lang/teksten.h"

namespace velkaro::cli {

using lang::T;
using lang::Tekst;

std::string FoutTekst(const Bestandsresultaat& r) {
    std::string t;
    switch (r.Fout) {
    case Bestandsfout::Geen:
        return {};
    case Bestandsfout::NietTeOpenen:
        t = Tekst(T::BestandNietTeOpenen);
        break;
    case Bestandsfout::GeenCompetitiebestand:
        t = Tekst(T::GeenCompetitiebestand);
        break;
    case Bestandsfout::NieuwereVersie:
        t = Tekst(T::NieuwereVersie);
        break;
    case Bestandsfout::AnderFormaat:
        t = Tekst(T::ImportNietBeschikbaar);
        break;
    case Bestandsfout::TeGroot:
        t = Tekst(T::BestandTeGroot);
        break;
    case Bestandsfout::SchrijvenMislukt:
        t = Tekst(T::OpslaanMislukt);
        break;
    }
    t += ": " + r.Pad;
    if (!r.Detail.empty()) t += " (" + r.Detail + ")";
    return t;
}

void Open(Competitie& c, const std::string& pad) {
    auto r = OpenBestand(c, pad);
    if (!r.Ok()) throw Weigering(FoutTekst(r));
}

void Bewaar(Competitie& c) {
    auto r = SchrijfBestand(c);
    if (!r.Ok()) throw Weigering(FoutTekst(r));
}

Antwoord CliGesprek::Vraag(const std::string& tekst, const std::string&, Knoppen, Pictogram) {
    if (!Antwoorden) throw Weigering(tekst);
    return *Antwoorden;
}

void CliGesprek::Melding(const std::string& tekst, const std::string& titel, Pictogram pictogram) {
    if (pictogram == Pictogram::Fout) throw Weigering(tekst);
    meldingen_ << titel << ": " << tekst << '\n';
}

std::optional<std::string> CliGesprek::Invoer(const std::string&, const std::string& prompt,
                                              const std::string&) {
    if (Invoeren.empty()) throw Weigering(prompt);
    std::string t = Invoeren.front();
    Invoeren.pop_front();
    return t;
}

twedstrijdobj& ZoekWedstrijd(Competitie& c, long long ronde, long long nummer) {
    for (auto& w : c.Wedstrijden)
        if (w->G().Ronde == ronde && w->G().Wedstrijdnummer == nummer) return *w;
    throw Weigering(lang::Tekst(T::GeenWedstrijd));
}

std::optional<std::string> CliGesprek::KiesBestand(Bestandskeuze& keuze) {
    throw Weigering(keuze.Titel);
}

} // namespace velkaro::cli
