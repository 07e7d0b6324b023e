#include "web/site.h"

#include "lang/namen.h"
#include "lang/teksten.h"
#include "model/tekst.h"
#include "reports/kader.h"
#include "storage/competitiebestand.h"
#include "web/groep.h"
#include "web/html.h"

#include <algorithm>
#include <filesystem>

namespace velkaro::web {

using lang::T;
using lang::Tekst;

std::string Groepsmap(int32_t competitienummer) {
    return "groep-" + std::to_string(competitienummer) + "/";
}

std::string Rondepagina(int32_t ronde) {
    return "ronde-" + std::to_string(ronde) + ".html";
}

std::string Spelerpagina(int32_t internNummer) {
    return "speler-" + std::to_string(internNummer) + ".html";
}

namespace {

struct Groepsbron {
    int32_t Nummer;
    std::string Tekst; // the group file's text
};

// The tournament data of a group as a definition list; empty when the group has none.
std::string Toernooiblok(const Competitie& c) {
    const velkaro::Toernooigegevens& t = c.Toernooi;
    std::string uit;
    auto regel = [&](T kop, const std::vector<std::string>& delen) {
        std::string waarde;
        for (const std::string& d : delen) {
            const std::string s = Trim(d);
            if (s.empty()) continue;
            if (!waarde.empty()) waarde += ", ";
            waarde += Esc(s);
        }
        if (!waarde.empty()) uit += "<dt>" + Esc(Tekst(kop)) + "</dt><dd>" + waarde + "</dd>\n";
    };
    regel(T::Toernooinaam, {c.Opties.Toernooinaam});
    regel(T::GespeeldVan, {Datumtekst(Trim(t.SpeelVan))});
    regel(T::GespeeldTotMet, {Datumtekst(Trim(t.SpeelTot))});
    regel(T::WebSpeelplaats, {t.SpeelPlaats, t.SpeelLand});
    regel(T::Organisatie, {t.WLNaam, t.WLAdres, t.WLWoonplaats, t.WLTelefoon, t.WLEmail});
    regel(T::Hoofdarbiter, {t.ARNaam, t.ARAdres, t.ARWoonplaats, t.ARTelefoon, t.AREmail});
    regel(T::Hulparbiters, {t.Hulparbiters});
    regel(T::Speeltempo, {t.Speeltempo});
    regel(T::Toernooivorm, {lang::SysteemNaam(c.Opties.Rekensysteem)});
    return uit;
}

std::string Indexpagina(const std::vector<Webgroep>& groepen, const std::string& titel,
                        const std::string& voet) {
    std::string uit;
    Paginakop kop;
    kop.Titel = titel;
    SchrijfKop(uit, kop);
    std::vector<std::vector<Celinhoud>> rijen;
    for (const Webgroep& g : groepen) {
        const std::string map = Groepsmap(g.Nummer);
        const Competitie& c = *g.C;
        std::string datum;
        if (const trondeobj* r = c.Rondes.zoek(g.LaatsteGespeeld()))
            datum = Datumtekst(Trim(r->G().Datum));
        const std::string naam = g.EigenTitel ? std::to_string(g.Nummer) + ". " + g.Titel : g.Titel;
        rijen.push_back(
            {{A(map + "index.html", naam), false, true, false},
             {Esc(lang::SysteemNaam(c.Opties.Rekensysteem)), false, false, false},
             {std::to_string(g.GespeeldeRondes.size()), true, false, false},
             {Esc(datum), false, false, false},
             {g.LaatsteRonde() > 0 ? A(map + Rondepagina(g.LaatsteRonde()),
                                       Tekst(T::Ronde) + " " + std::to_string(g.LaatsteRonde()))
                                   : std::string(),
              false, false, g.LaatsteRonde() > 0}});
    }
    SchrijfTabel(uit, "groepen", Tekst(T::WebGroepen),
                 {{Tekst(T::Competitiegroep), false},
                  {Tekst(T::Toernooivorm), false},
                  {Tekst(T::WebGespeeldeRondes), true},
                  {Tekst(T::WebDatumLaatsteRonde), false},
                  {Tekst(T::WebLaatsteRonde), false}},
                 rijen);
    // The tournament data of each group, once for groups that share them.
    std::vector<std::string> gezien;
    for (const Webgroep& g : groepen) {
        const std::string gegevens = Toernooiblok(*g.C);
        if (gegevens.empty() || std::find(gezien.begin(), gezien.end(), gegevens) != gezien.end())
            continue;
        gezien.push_back(gegevens);
        uit += "<h2>" + Esc(Tekst(T::Toernooirapportage) + ": " + g.Titel) + "</h2>\n<dl>\n" +
               gegevens + "</dl>\n";
    }
    SchrijfSlot(uit, voet);
    return uit;
}

} // namespace

Site BouwSite(const Competitie& c, const Siteopties& opties) {
    Site site;
    std::vector<Groepsbron> bronnen;
    if (c.Groepen.Aantal() == 0) {
        // A competition not yet kept in a file is a site of its one group.
        bronnen.push_back({1, SchrijfGroepTekst(c)});
    } else {
        std::vector<const Deelcompgegevens*> lijst;
        for (const auto& g : c.Groepen) lijst.push_back(&g->G());
        std::stable_sort(lijst.begin(), lijst.end(), [](const auto* x, const auto* y) {
            return x->Competitienummer < y->Competitienummer;
        });
        for (int32_t n : opties.Groepen)
            if (std::none_of(lijst.begin(), lijst.end(),
                             [n](const auto* g) { return g->Competitienummer == n; }))
                throw Publicatiefout(Tekst(T::PubliceerGroepBestaatNiet) + ": " +
                                     std::to_string(n));
        for (const Deelcompgegevens* g : lijst) {
            if (!opties.Groepen.empty() && std::find(opties.Groepen.begin(), opties.Groepen.end(),
                                                     g->Competitienummer) == opties.Groepen.end())
                continue;
            if (g->Bestandsnummer == c.HuidigeDeelcomp) {
                bronnen.push_back({g->Competitienummer, SchrijfGroepTekst(c)});
                continue;
            }
            Competitie andere;
            andere.Bestandsnaam = c.Bestandsnaam;
            andere.Bestandsversie = c.Bestandsversie;
            const auto r = LeesDeelcomp(andere, g->Bestandsnummer);
            for (const auto& s : r.Schade) site.Waarschuwingen.push_back(s.Pad);
            bronnen.push_back({g->Competitienummer, SchrijfGroepTekst(andere)});
        }
    }

    std::vector<Webgroep> groepen;
    for (const auto& b : bronnen) groepen.push_back(MaakWebgroep(b.Nummer, b.Tekst, c));

    // The site's name: the tournament name all groups share, else the competition file's.
    std::string titel = groepen.empty() ? std::string() : groepen.front().Titel;
    for (const Webgroep& g : groepen)
        if (g.Titel != titel || !g.EigenTitel) titel.clear();
    if (titel.empty()) titel = std::filesystem::path(c.Bestandsnaam).stem().string();
    if (titel.empty()) titel = Tekst(T::WebOverzicht);

    site.Bestanden["stijl.css"] = Stijlblad();
    site.Bestanden["index.html"] = Indexpagina(groepen, titel, opties.Voetregel);
    for (const Webgroep& g : groepen) SchrijfGroep(g, opties.Voetregel, titel, site.Bestanden);
    return site;
}

} // namespace velkaro::web
