#include "cli/context.h"

#include "entry/bestand.h"
#include "entry/bestandsfout.h"
#include "lang/teksten.h"

namespace velkaro::cli {

void Open(Competitie& c, const std::string& pad) {
    auto r = OpenBestand(c, pad);
    if (!r.Ok()) throw Weigering(BestandsfoutTekst(r));
}

void Bewaar(Competitie& c) {
    auto r = SchrijfBestand(c);
    if (!r.Ok()) throw Weigering(BestandsfoutTekst(r));
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

int32_t BestaandeRonde(const Competitie& c, const std::string& tekst) {
    const auto r = static_cast<int32_t>(GetalArgument(tekst, "ROUND", 1, kMaxRonde));
    if (!c.Rondes.RondeBestaat(r)) throw Weigering(lang::Tekst(lang::T::RondeBestaatNiet));
    return r;
}

MersenneToeval ToevalMetZaad(const std::optional<long long>& zaad) {
    return zaad ? MersenneToeval(static_cast<unsigned>(*zaad)) : MersenneToeval();
}

TSpelerObj& SpelerMetLoting(Competitie& c, int32_t lotingnummer) {
    TSpelerObj* s = c.Spelers.zoeklotingptr(lotingnummer);
    if (!s)
        throw Weigering(lang::Tekst(lang::T::GeenSpelerMetNummer) + " " +
                        std::to_string(lotingnummer));
    return *s;
}

twedstrijdobj& ZoekWedstrijd(Competitie& c, long long ronde, long long nummer) {
    for (auto& w : c.Wedstrijden)
        if (w->G().Ronde == ronde && w->G().Wedstrijdnummer == nummer) return *w;
    throw Weigering(lang::Tekst(lang::T::GeenWedstrijd));
}

std::optional<std::string> CliGesprek::KiesBestand(Bestandskeuze& keuze) {
    throw Weigering(keuze.Titel);
}

} // namespace velkaro::cli
