#include "entry/bestandsfout.h"

#include "lang/teksten.h"

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
    }
    t += ": " + r.Pad;
    if (!r.Detail.empty()) t += " (" + r.Detail + ")";
    return t;
}

bool MeldBestandsfout(Gesprek& gesprek, const Bestandsresultaat& r) {
    if (r.Ok()) return true;
    gesprek.Melding(BestandsfoutTekst(r), Tekst(T::Fout), Pictogram::Fout);
    return false;
}

} // namespace velkaro
