#include "entry/importeren.h"

#include "entry/bestand.h"
#include "entry/bestandsfout.h"
#include "lang/teksten.h"
#include "storage/bestandsnamen.h"

#include <filesystem>

namespace velkaro {

using lang::T;
using lang::Tekst;

namespace {

bool Bestaat(const std::string& pad) {
    std::error_code ec;
    return std::filesystem::exists(pad, ec);
}

bool MagVervangen(Gesprek& gesprek, const std::string& pad) {
    return !Bestaat(pad) || gesprek.Vraag(Tekst(T::Overschrijven) + "?", Tekst(T::BestandBestaatAl),
                                          Knoppen::JaNee) == Antwoord::Ja;
}

} // namespace

std::string ImportmeldingTekst(const Importmelding& m) {
    T plaats = T::ImpRegel, reden = T::ImpOnbekendeUitslag;
    switch (m.Soort) {
    case Importmeldingsoort::OnbekendeUitslag:
        reden = T::ImpOnbekendeUitslag;
        break;
    case Importmeldingsoort::LegeNaam:
        reden = T::ImpLegeNaam;
        break;
    case Importmeldingsoort::TeVeelSpelers:
        reden = T::ImpTeVeelSpelers;
        break;
    case Importmeldingsoort::TeVeelWedstrijden:
        reden = T::ImpTeVeelWedstrijden;
        break;
    case Importmeldingsoort::TeVeelRondes:
        reden = T::ImpTeVeelRondes;
        break;
    case Importmeldingsoort::OngeldigeWedstrijd:
        reden = T::ImpOngeldigeWedstrijd;
        plaats = T::ImpPartij;
        break;
    case Importmeldingsoort::ScoreOntbreekt:
        reden = T::ImpScoreOntbreekt;
        break;
    case Importmeldingsoort::Afgekapt:
        reden = T::ImpAfgekapt;
        plaats = T::ImpPositie;
        break;
    }
    std::string t;
    if (m.Plaats > 0) t = Tekst(plaats) + " " + std::to_string(m.Plaats) + ": ";
    t += Tekst(reden);
    if (!m.Tekst.empty()) t += ": " + m.Tekst;
    return t;
}

std::string ImportmeldingenTekst(const Importresultaat& r) {
    std::string t;
    for (const auto& m : r.Meldingen) t += ImportmeldingTekst(m) + "\n";
    if (r.WeggelatenMeldingen > 0)
        t += "... " + std::to_string(r.WeggelatenMeldingen) + " " + Tekst(T::ImpMeerMeldingen) +
             "\n";
    return t;
}

std::string WDSWeigeringTekst(WDSWeigering w) {
    switch (w) {
    case WDSWeigering::Geen:
        return {};
    case WDSWeigering::SpelerNummer:
        return Tekst(T::WDSSpelerNummer);
    case WDSWeigering::TeVeelPartijen:
        return Tekst(T::WDSTeVeelPartijen);
    case WDSWeigering::EigenBestand:
        return Tekst(T::ExportEigenBestand);
    }
    return {};
}

bool ImporteerBestand(Competitie& c, Gesprek& gesprek, const std::string& naam) {
    Importresultaat r;
    if (IsZ6EBestand(naam)) {
        Bestandskeuze k;
        k.Opslaan = true;
        k.Titel = Tekst(T::DlgImportDoel);
        k.Map = Map(naam);
        k.Naam = ImportDoel(naam).substr(Map(naam).size());
        k.Filters = {Tekst(T::FilterVelkaro) + "|*.xv7"};
        auto doel = gesprek.KiesBestand(k);
        if (!doel || doel->empty()) return false;
        *doel = MetXv7(*doel);
        if (!MagVervangen(gesprek, *doel)) return false;
        r = ImporteerZ6E(c, naam, *doel);
    } else {
        r = Importeer(c, naam);
        if (r.Bestand.Fout == Bestandsfout::BestaatAl) {
            if (!MagVervangen(gesprek, r.Bestand.Pad)) return false;
            BeginImport(c, r.Bestand.Pad);
            r = Importeer(c, naam);
        }
    }
    if (!MeldBestandsfout(gesprek, r.Bestand)) return false;
    NaLaden(c);
    if (const std::string t = ImportmeldingenTekst(r); !t.empty())
        gesprek.Melding(Tekst(T::ImpNietAlles) + ":\n" + t, Tekst(T::Waarschuwing),
                        Pictogram::Waarschuwing);
    return true;
}

bool ExporteerWDSMetMelding(const Competitie& c, Gesprek& gesprek) {
    const auto r = ExporteerWDS(c);
    if (r.Weigering != WDSWeigering::Geen) {
        gesprek.Melding(WDSWeigeringTekst(r.Weigering) + ": " + r.Pad, Tekst(T::Fout),
                        Pictogram::Fout);
        return false;
    }
    if (!MeldBestandsfout(gesprek, r.Bestand)) return false;
    gesprek.Melding(Tekst(T::Weggeschreven) + ": " + r.Pad, Tekst(T::Informatie),
                    Pictogram::Informatie);
    return true;
}

} // namespace velkaro
