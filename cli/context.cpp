#include "cli/context.h"

#include "entry/bestand.h"
#include "entry/bestandsfout.h"
#include "lang/teksten.h"

namespace velkaro::cli {

std::string FoutTekst(const Bestandsresultaat& r) { return BestandsfoutTekst(r); }

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

void CliGesprek::Melding(const std::string& tekst, const std::string& titel, Pictogram) {
    meldingen_ << titel << ": " << tekst << '\n';
}

std::optional<std::string> CliGesprek::Invoer(const std::string&, const std::string& prompt,
                                              const std::string&) {
    throw Weigering(prompt);
}

std::optional<std::string> CliGesprek::KiesBestand(Bestandskeuze& keuze) {
    throw Weigering(keuze.Titel);
}

} // namespace velkaro::cli
