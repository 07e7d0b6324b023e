#include "ui/afdrukopdracht.h"

#include "entry/bestand.h"
#include "entry/bestandsfout.h"
#include "model/systeem.h"
#include "reports/rapport.h"
#include "reports/rapportdialoog.h"
#include "storage/competitiebestand.h"
#include "ui/afdrukvoorbeeld.h"
#include "ui/tekst.h"

#include <QPrinter>

#include <optional>
#include <stdexcept>

namespace velkaro::ui {

namespace {

struct Fout : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The questions of a report have no answer here; messages become the error.
class Stilgesprek final : public Gesprek {
public:
    Antwoord Vraag(const std::string& tekst, const std::string&, Knoppen, Pictogram) override {
        throw Fout(tekst);
    }
    void Melding(const std::string& tekst, const std::string&, Pictogram p) override {
        if (p == Pictogram::Fout) throw Fout(tekst);
    }
    std::optional<std::string> Invoer(const std::string& titel, const std::string&,
                                      const std::string&) override {
        throw Fout(titel);
    }
    std::optional<std::string> KiesBestand(Bestandskeuze& k) override { throw Fout(k.Titel); }
};

// Keeps the document the output channel hands over.
class Verzamelaar final : public Afdrukvoorbeeld {
public:
    void Druk(const Afdrukdocument& d) override { Document = d; }
    Afdrukdocument Document;
};

const char* kGebruik = "usage: velkaro --print FILE.xv7 [--kind ranking|progress] "
                       "[--options LIST] [--landscape] -o OUT.pdf";

int Druk(const QStringList& a) {
    std::string bestand, uit, soort, opties;
    bool liggend = false, metOpties = false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const QString& w = a[i];
        auto waarde = [&]() {
            if (i + 1 >= a.size()) throw Fout(S(w) + " needs a value\n" + kGebruik);
            return S(a[++i]);
        };
        if (w == "--print")
            bestand = waarde();
        else if (w == "-o")
            uit = waarde();
        else if (w == "--kind")
            soort = waarde();
        else if (w == "--options") {
            opties = waarde();
            metOpties = true;
        } else if (w == "--landscape")
            liggend = true;
        else
            throw Fout("unknown argument '" + S(w) + "'\n" + kGebruik);
    }
    if (bestand.empty() || uit.empty()) throw Fout(kGebruik);

    Competitie c;
    const auto r = OpenBestand(c, bestand);
    if (!r.Ok()) throw Fout(BestandsfoutTekst(r));
    if (IsEigenBestand(c, uit)) throw Fout(lang::Tekst(lang::T::RgOpCompetitie) + ": " + uit);
    Rapportopties o = StandaardRapportopties(c);
    if (!soort.empty()) {
        const auto s = SoortVanNaam(soort);
        if (!s) throw Fout("--kind takes ranking or progress");
        o.Soort = *s;
    }
    if (metOpties) {
        const Afdrukoptielijst l = LeesAfdrukoptielijst(opties);
        if (l.Onbekend)
            throw Fout("unknown report option '" + *l.Onbekend + "'; the options are " +
                       AfdrukoptieNamen());
        o.Afdrukken = l.Opties;
    }
    // As the command line's report: computed anew, previous places moved up only when the
    // data changed since the last ranking.
    o.VorigeNoteringAanpassen = !c.Opties.IsActueel();
    o.Herberekenen = true;

    Stilgesprek gesprek;
    TUitvoerObject uitvoer(gesprek);
    uitvoer.Printfont = c.Vastfont;
    if (liggend || !c.Staand)
        uitvoer.ZetLiggend();
    else
        uitvoer.ZetStaand();
    Verzamelaar verzamelaar;
    SysteemKlok klok;
    uitvoer.StartPrinter(verzamelaar);
    MaakRapport(c, o, uitvoer, klok);
    uitvoer.EindePrinter();

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(Q(uit));
    Standaardpagina(pdf);
    pdf.setPageOrientation(verzamelaar.Document.Staand ? QPageLayout::Portrait
                                                       : QPageLayout::Landscape);
    if (TekenDocument(pdf, verzamelaar.Document, Printfont(c.Vastfont, 9), 10, klok.Nu()) < 0)
        throw Fout(lang::Tekst(lang::T::PrNietGedrukt) + ": " + uit);
    return 0;
}

} // namespace

int AfdrukZonderVenster(const QStringList& argumenten, std::ostream& fout) {
    try {
        return Druk(argumenten);
    } catch (const std::exception& e) {
        fout << "velkaro: " << e.what() << '\n';
        return 1;
    }
}

} // namespace velkaro::ui
