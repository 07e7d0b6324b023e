#include "entry/bestandsfout.h"

#include "lang/teksten.h"

#include <algorithm>

namespace velkaro {

using lang::T;
using lang::Tekst;

std::string BestandsfoutTekst(const Bestandsresultaat& r) {
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
    case Bestandsfout::AlleenLezen:
        t = Tekst(T::BestandAlleenLezen);
        break;
    case Bestandsfout::GeenGewoonBestand:
        t = Tekst(T::GeenGewoonBestand);
        break;
    case Bestandsfout::InGebruik:
        t = Tekst(T::CompetitieInGebruik);
        break;
    case Bestandsfout::NietVergrendeld:
        t = Tekst(T::SlotNietTeNemen);
        break;
    case Bestandsfout::Beschadigd:
        t = Tekst(T::BestandBeschadigd);
        break;
    case Bestandsfout::AlleenGeopend:
        t = Tekst(T::AlleenLezenGeopend);
        break;
    case Bestandsfout::BestaatAl:
        t = Tekst(T::BestandBestaatAl);
        break;
    }
    t += ": " + r.Pad;
    if (!r.Detail.empty()) t += " (" + r.Detail + ")";
    return t;
}

std::string SchadeTekst(const Beschadiging& b) {
    T reden = T::SchadeAfgekapt;
    switch (b.Soort) {
    case Schadesoort::Ontbreekt:
        reden = T::SchadeOntbreekt;
        break;
    case Schadesoort::Afgekapt:
        reden = T::SchadeAfgekapt;
        break;
    case Schadesoort::OngeldigAantal:
        reden = T::SchadeOngeldigAantal;
        break;
    case Schadesoort::Overtollig:
        reden = T::SchadeOvertollig;
        break;
    case Schadesoort::OngeldigNummer:
        reden = T::SchadeOngeldigNummer;
        break;
    case Schadesoort::Onleesbaar:
        reden = T::SchadeOnleesbaar;
        break;
    case Schadesoort::GeenGewoonBestand:
        reden = T::GeenGewoonBestand;
        break;
    }
    return Tekst(b.Hoofdbestand ? T::Competitiebestand : T::Groepsbestand) + " " + b.Pad + " " +
           Tekst(T::IsBeschadigd) + ": " + Tekst(reden);
}

bool MeldBestandsfout(Gesprek& gesprek, const Bestandsresultaat& r) {
    if (r.Ok()) return true;
    gesprek.Melding(BestandsfoutTekst(r), Tekst(T::Fout), Pictogram::Fout);
    return false;
}

bool SchadeAanvaard(Gesprek& gesprek, const Bestandsresultaat& r) {
    if (r.Schade.empty()) return true;
    std::string tekst;
    for (const auto& b : r.Schade) tekst += SchadeTekst(b) + "\n";
    return gesprek.Vraag(tekst + "\n" + Tekst(T::SchadeTochOpslaan), Tekst(T::Waarschuwing),
                         Knoppen::JaNee, Pictogram::Waarschuwing) == Antwoord::Ja;
}

bool MeldSchade(Competitie& c, Gesprek& gesprek, const Bestandsresultaat& r) {
    using A = Competitie::Alleenlezen;
    const bool hoofdbestand = std::any_of(r.Schade.begin(), r.Schade.end(),
                                          [](const Beschadiging& b) { return b.Hoofdbestand; });
    if (SchadeAanvaard(gesprek, r)) {
        if (c.AlleenLezen == A::Groep) c.AlleenLezen = A::Nee;
    } else if (c.AlleenLezen != A::Competitie) {
        c.AlleenLezen = hoofdbestand ? A::Competitie : A::Groep;
    }
    return c.AlleenLezen == A::Nee;
}

} // namespace velkaro
