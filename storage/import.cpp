#include "storage/import.h"

#include "model/tekst.h"
#include "storage/bestandsnamen.h"
#include "storage/codepagina.h"
#include "storage/importdelen.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace velkaro {

namespace fs = std::filesystem;

void Importresultaat::Meld(Importmeldingsoort soort, int64_t plaats, std::string tekst) {
    if (Meldingen.size() < kMaxImportmeldingen)
        Meldingen.push_back({soort, plaats, std::move(tekst)});
    else
        ++WeggelatenMeldingen;
}

// The imports of files: the preparation every import but z6e shares, and the save.

namespace {

std::string Hoofd(const std::string& naam) {
    return Hoofdletters(Extensie(naam));
}

// The file name without folder and extension: the imported group's tournament name.
std::string Naamdeel(const std::string& naam) {
    return Basisnaam(naam).substr(Map(naam).size());
}

// Any entry of the name counts, a link to nothing included.
bool Bestaat(const std::string& pad) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(pad, ec));
}

Bestandsresultaat Fout(Bestandsfout f, const std::string& pad) {
    return Bestandsresultaat{f, pad, {}, {}};
}

// Makes the open group an empty group that has never been saved: a new group takes no data
// from a file that happens to carry its number.
void LeegGroep(Competitie& c, int32_t bestandsnummer) {
    c.Reset();
    c.MinimumWedstrijden = 0;
    c.Toernooi = Toernooigegevens{};
    c.Staand = true;
    c.HuidigeDeelcomp = bestandsnummer;
    c.HuidigCompetitienummer = c.Groepen.VraagNummer(bestandsnummer);
}

// The preparation every import but z6e shares, the reader, and the save.
Importresultaat Voorbereid(Competitie& c, const std::string& naam,
                           const std::function<void(Competitie&, Importresultaat&)>& lees) {
    Importresultaat r;
    bool nieuw = false;
    if (!c.Geladen()) {
        const std::string doel = ImportDoel(naam);
        if (Bestaat(doel)) {
            r.Bestand = Fout(Bestandsfout::BestaatAl, doel);
            return r;
        }
        BeginImport(c, doel);
        nieuw = true;
    }
    // Checked before the group is written, which clears Gewijzigd.
    const bool onberoerd = !c.Gewijzigd && c.Spelers.Leeg() && c.HuidigeDeelcomp == 1;
    // The files of a new competition are created, not written through what their names hold.
    if (r.Bestand = nieuw ? MaakNieuweBestanden(c, true) : SchrijfDeelcomp(c); !r.Ok()) return r;
    if (onberoerd) {
        LeesDeelcomp(c, c.HuidigeDeelcomp);
    } else {
        Deelcompgegevens g;
        g.Competitienummer = c.Groepen.VindVrijCompetitieNummer();
        g.Bestandsnummer = c.Groepen.VindVrijInternNummer();
        c.Groepen.Voegtoe(g);
        LeegGroep(c, g.Bestandsnummer);
        // The new group's file exists before a main file names it; the main file itself is
        // written once, with the imported group, so the import is one change.
        if (r.Bestand = MaakNieuweBestanden(c, false); !r.Ok()) return r;
    }
    c.Opties.Toernooinaam = Naamdeel(naam);
    c.Groepen.GeefTitel(c.HuidigeDeelcomp, c.Opties.Toernooinaam);
    lees(c, r);
    c.MarkeerHerberekenen();
    // The main file too, so the group list carries the new title.
    r.Bestand = SchrijfBestand(c);
    return r;
}

Importresultaat Weiger(Bestandsfout f, const std::string& pad) {
    Importresultaat r;
    r.Bestand = Fout(f, pad);
    return r;
}

// The score file beside a ".DEE" file, in the case of its extension or in either case.
std::optional<std::string> LeesSCO(const std::string& naam) {
    const std::string basis = Basisnaam(naam);
    std::string ext = Extensie(naam);
    const std::string van = "DEEdee", naar = "SCOsco";
    for (char& ch : ext)
        if (auto i = van.find(ch); i != std::string::npos) ch = naar[i];
    for (const std::string& e : {ext, std::string(".SCO"), std::string(".sco")}) {
        Bestandsfout f = Bestandsfout::Geen;
        if (auto s = LeesAlles(basis + e, f)) return s;
    }
    return std::nullopt;
}

using Inhoudlezer = void (*)(Competitie&, std::string_view, Importresultaat&);

Importresultaat ImporteerTekst(Competitie& c, const std::string& naam, Inhoudlezer lezer) {
    Bestandsfout f = Bestandsfout::Geen;
    const auto inhoud = LeesAlles(naam, f);
    if (!inhoud) return Weiger(f, naam);
    return Voorbereid(c, naam, [&](Competitie& cc, Importresultaat& r) { lezer(cc, *inhoud, r); });
}

} // namespace

bool IsImportbestand(const std::string& naam) {
    const std::string e = Hoofd(naam);
    return e == ".WDS" || e == ".DEE" || e == ".DOC" || e == ".TXT";
}

bool IsZ6EBestand(const std::string& naam) {
    return Hoofd(naam) == ".Z6E";
}

std::string ImportDoel(const std::string& naam) {
    return MetXv7(naam);
}

void BeginImport(Competitie& c, const std::string& doel) {
    c.VolledigeReset();
    c.Toernooi = Toernooigegevens{};
    c.Bestandsnaam = MetXv7(doel);
    Deelcompgegevens g;
    g.Competitienummer = 1;
    g.Bestandsnummer = 1;
    c.Groepen.Voegtoe(g);
    LeegGroep(c, 1);
}

Importresultaat ImporteerWDS(Competitie& c, const std::string& naam) {
    return ImporteerTekst(c, naam, LeesWDSInhoud);
}

Importresultaat ImporteerDOC(Competitie& c, const std::string& naam) {
    return ImporteerTekst(c, naam, LeesDOCInhoud);
}

Importresultaat ImporteerTXT(Competitie& c, const std::string& naam) {
    return ImporteerTekst(c, naam, LeesTXTInhoud);
}

Importresultaat ImporteerDEE(Competitie& c, const std::string& naam) {
    Bestandsfout f = Bestandsfout::Geen;
    const auto dee = LeesAlles(naam, f);
    if (!dee) return Weiger(f, naam);
    const auto sco = LeesSCO(naam);
    return Voorbereid(c, naam, [&](Competitie& cc, Importresultaat& r) {
        const std::string_view s = sco ? std::string_view(*sco) : std::string_view();
        LeesDEEInhoud(cc, *dee, sco ? &s : nullptr, r);
    });
}

Importresultaat Importeer(Competitie& c, const std::string& naam) {
    const std::string e = Hoofd(naam);
    if (e == ".WDS") return ImporteerWDS(c, naam);
    if (e == ".DEE") return ImporteerDEE(c, naam);
    if (e == ".DOC") return ImporteerDOC(c, naam);
    if (e == ".TXT") return ImporteerTXT(c, naam);
    return Weiger(Bestandsfout::AnderFormaat, naam);
}

Importresultaat ImporteerZ6E(Competitie& c, const std::string& naam, const std::string& doel) {
    Bestandsfout f = Bestandsfout::Geen;
    const auto inhoud = LeesAlles(naam, f);
    if (!inhoud) return Weiger(f, naam);
    Importresultaat r;
    const auto groepen = LeesZ6EGroepen(*inhoud, r);
    c.VolledigeReset();
    c.Toernooi = Toernooigegevens{};
    c.Bestandsnaam = MetXv7(doel);
    for (const auto& g : groepen) {
        Deelcompgegevens d;
        d.Competitienummer = c.Groepen.VindVrijCompetitieNummer();
        d.Titel = g.Titel;
        d.Bestandsnummer = c.Groepen.VindVrijInternNummer();
        d.Overgenomen = g.Overgenomen;
        d.OudeGroep = g.OudeGroep;
        c.Groepen.Voegtoe(d);
        LeegGroep(c, d.Bestandsnummer);
        c.Opties.Toernooinaam = g.Titel;
        VulZ6EGroep(c, *inhoud, g, r);
        c.MarkeerHerberekenen();
        if (r.Bestand = MaakNieuweBestanden(c, false); !r.Ok()) return r;
    }
    if (groepen.empty()) {
        // A file without groups still gives a competition to work in.
        BeginImport(c, doel);
    } else {
        LeesDeelcomp(c, c.Groepen.At(0).G().Bestandsnummer);
    }
    if (r.Bestand = MaakNieuweBestanden(c, true); !r.Ok()) return r;
    r.Bestand = SchrijfBestand(c);
    return r;
}

} // namespace velkaro
