// The pages of one competition group: standings, cross table or progress table, the rounds,
// the categories, the participants and one page per player.
#include "lang/namen.h"
#include "lang/teksten.h"
#include "model/tekst.h"
#include "reports/kader.h"
#include "reports/kolommen.h"
#include "reports/matrix.h"
#include "reports/punten.h"
#include "reports/ranglijst_rapport.h"
#include "reports/rapportsoorten.h"
#include "standings/stand.h"
#include "storage/competitiebestand.h"
#include "web/groep.h"
#include "web/html.h"
#include "web/site.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace velkaro::web {

using lang::T;
using lang::Tekst;

namespace {

std::unique_ptr<Competitie> Kopie(const std::string& groepstekst, const Competitie& bron) {
    auto g = std::make_unique<Competitie>();
    g->Bestandsnaam = bron.Bestandsnaam;
    g->MaximumPerRegel = bron.MaximumPerRegel;
    LeesGroepTekst(*g, groepstekst, kHuidigeVersie);
    g->RondesInMatrix = std::clamp(g->RondesInMatrix, 1, 4);
    return g;
}

// The interactive computation of the ranking report up to a round (none: the proposed range),
// keeping the previous places, with the players outside the standings taken out.
void Bereken(Competitie& g, std::optional<int32_t> tot) {
    Sorteerinstellingen keuze = StandaardSorteerinstellingen(g);
    if (tot) keuze.TotRonde = *tot;
    keuze.VorigeNotering = false;
    g.Opties.Herberekenen = 1;
    ranglijst_sorteren(g, false, &keuze);
    g.Ranglijst.verwijder_niet_ranglijst();
}

bool IsRondtoernooi(const trekenopties& o) {
    if (o.IsZwitsers()) return false;
    return o.Rekensysteem != SysteemKeizer && o.Rekensysteem != SysteemMoyenne &&
           o.Rekensysteem != SysteemRating && o.Rekensysteem != SysteemLaren;
}

std::string Getal(long long n) {
    return std::to_string(n);
}

std::string Punten(const trekenopties& o, int32_t p) {
    return Trim(PuntenTekst(o, p));
}

// The bare value of a report cell, escaped; "&nbsp;"-free so the cell can be compared.
Celinhoud Cel(const Uitvoercel& cel) {
    Celinhoud c;
    c.Html = Esc(Trim(KaleWaarde(cel)));
    c.Getal = cel.Soort != Celsoort::Tekst || cel.Rechts;
    c.Nadruk = cel.Vet;
    return c;
}

struct Pagina {
    const Webgroep& g;
    const std::string& sitetitel;
    std::string Uit;

    void Kop(const std::string& titel, const std::string& huidig) {
        Paginakop k;
        k.Titel = titel;
        k.Wortel = "../";
        k.Pad = {{"../index.html", sitetitel}, {"index.html", g.Titel}};
        k.MenuLabel = Tekst(T::WebGroepsnavigatie);
        auto item = [&](const std::string& href, std::string tekst, bool nadruk = false) {
            k.Menu.push_back({href, std::move(tekst), href == huidig, nadruk});
        };
        item("index.html", Tekst(T::WebStand));
        if (g.Kruistabel)
            item("kruistabel.html", Tekst(T::WebKruistabel));
        else
            item("voortschrijding.html", Tekst(T::Voortschrijdingstabel));
        item("rondes.html", Tekst(T::WebRondes));
        if (g.LaatsteRonde() > 0)
            item(Rondepagina(g.LaatsteRonde()),
                 Tekst(T::WebLaatsteRonde) + " (" + Getal(g.LaatsteRonde()) + ")", true);
        if (g.VolgendeRonde() > 0)
            item(Rondepagina(g.VolgendeRonde()),
                 Tekst(T::WebVolgendeRonde) + " (" + Getal(g.VolgendeRonde()) + ")");
        item("deelnemers.html", Tekst(T::WebDeelnemers));
        std::size_t i = 0;
        for (const Categoriegegevens& cat : g.C->Categorieen) {
            ++i;
            const std::string letter = Trim(cat.Letter);
            if (letter.empty()) continue;
            item("categorie-" + Getal(static_cast<long long>(i)) + ".html",
                 Tekst(T::KopCategorie) + " " + letter);
        }
        SchrijfKop(Uit, k);
    }
};

std::string Spelerlink(const Competitie& c, int32_t nummer) {
    if (nummer == 0) return Esc(Tekst(T::WebVrij));
    if (nummer < 0)
        return "<span title=\"" + Esc(Tekst(T::WebBuitenspeler)) + "\">" +
               Esc(Tekst(T::Rating) + " " + Getal(-static_cast<long long>(nummer))) + "</span>";
    const TSpelerObj* s = c.Spelers.zoekptr(nummer);
    if (!s) return {};
    return A(Spelerpagina(nummer), s->G().Naam);
}

// The ranking table of the whole list or of a part of it, with the names linked.
void SchrijfRanglijsttabel(std::string& uit, const Webgroep& g, const std::string& id,
                           const std::string& titel, const tranglijst& lijst,
                           const Afdrukopties& a) {
    const Competitie& c = *g.C;
    const auto kolommen = RanglijstKolommen(c, a, g.Tabellen, lijst);
    const std::size_t naam = a.VorigeNotering ? 2 : 1;
    std::vector<Kolomkop> koppen;
    // A cross-table column is headed by the whole position, not only its last digit.
    std::size_t positie = 0;
    for (const Kolom& k : kolommen)
        koppen.push_back(
            {k.Kopcel.Kopcel ? Getal(static_cast<long long>(++positie)) : Trim(k.Kop), k.Rechts});
    std::vector<std::vector<Celinhoud>> rijen;
    for (std::size_t i = 0; i < lijst.Aantal(); ++i) {
        const TSpelerObj& s = *lijst.At(i).Speler;
        std::vector<Celinhoud> rij;
        for (std::size_t k = 0; k < kolommen.size(); ++k) {
            Celinhoud cel = Cel(kolommen[k].Waarde(i + 1, s));
            if (k == naam) {
                cel.Html = A(Spelerpagina(s.InternNummer()), s.G().Naam);
                cel.Rijkop = true;
                cel.Getal = false;
            }
            rij.push_back(std::move(cel));
        }
        rijen.push_back(std::move(rij));
    }
    SchrijfTabel(uit, id, titel, koppen, rijen);
}

std::string Standpagina(const Webgroep& g, const std::string& voet, const std::string& site) {
    Pagina p{g, site, {}};
    p.Kop(g.Titel + " - " + Tekst(T::WebStand), "index.html");
    const Competitie& c = *g.C;
    p.Uit +=
        "<p>" + Esc(Tekst(T::Toernooivorm)) + ": " + Esc(lang::SysteemNaam(c.Opties.Rekensysteem));
    if (g.LaatsteRonde() > 0)
        p.Uit += " &middot; " + A(Rondepagina(g.LaatsteRonde()), Tekst(T::WebLaatsteRonde) + ": " +
                                                                     Tekst(T::Ronde) + " " +
                                                                     Getal(g.LaatsteRonde()));
    p.Uit += "</p>\n";
    SchrijfRanglijsttabel(p.Uit, g, "stand", Rapporttitel(c, Rapportsoort::Ranglijst), c.Ranglijst,
                          g.Opties);
    SchrijfSlot(p.Uit, voet);
    return p.Uit;
}

std::string Kruistabelpagina(const Webgroep& g, const std::string& voet, const std::string& site) {
    Pagina p{g, site, {}};
    p.Kop(g.Titel + " - " + Tekst(T::WebKruistabel), "kruistabel.html");
    Afdrukopties a = g.Opties;
    a.Matrix = true;
    a.Statistiek = false;
    a.Plaats = a.Land = a.Categorie = a.FMJDTitel = a.NatTitel = a.Kleurverhouding = false;
    a.VorigeNotering = false;
    SchrijfRanglijsttabel(p.Uit, g, "kruistabel", Rapporttitel(*g.C, Rapportsoort::Ranglijst),
                          g.C->Ranglijst, a);
    SchrijfSlot(p.Uit, voet);
    return p.Uit;
}

std::string Voortschrijdingspagina(const Webgroep& g, const std::string& voet,
                                   const std::string& site) {
    Pagina p{g, site, {}};
    p.Kop(g.Titel + " - " + Tekst(T::Voortschrijdingstabel), "voortschrijding.html");
    const Competitie& c = *g.C;
    Afdrukopties a = g.Opties;
    a.Statistiek = false;
    auto leidend = LeidendeKolommen(c, a);
    BepaalBreedtes(leidend, c.Ranglijst);
    const std::size_t naam = a.VorigeNotering ? 2 : 1;
    const int laatste = std::min(g.Tabellen.LaatsteRonde(), Partijtabellen::kMaxRondes);
    std::vector<Kolomkop> koppen;
    for (const auto& k : leidend) koppen.push_back({Trim(k.Kop), k.Rechts});
    for (int r = 1; r <= laatste; ++r) koppen.push_back({Getal(r), true});
    std::vector<std::vector<Celinhoud>> rijen;
    for (std::size_t i = 0; i < c.Ranglijst.Aantal(); ++i) {
        const TSpelerObj& s = *c.Ranglijst.At(i).Speler;
        std::vector<Celinhoud> rij;
        for (std::size_t k = 0; k < leidend.size(); ++k) {
            Celinhoud cel = Cel(leidend[k].Waarde(i + 1, s));
            if (k == naam) {
                cel.Html = A(Spelerpagina(s.InternNummer()), s.G().Naam);
                cel.Rijkop = true;
                cel.Getal = false;
            }
            rij.push_back(std::move(cel));
        }
        for (int r = 1; r <= laatste; ++r) {
            const auto punten = g.Tabellen.Cumulatief(s.InternNummer(), r);
            Celinhoud cel;
            cel.Getal = true;
            cel.Html = punten ? Esc(Punten(c.Opties, *punten)) : "--";
            rij.push_back(std::move(cel));
        }
        rijen.push_back(std::move(rij));
    }
    SchrijfTabel(p.Uit, "voortschrijding", Rapporttitel(c, Rapportsoort::Voortschrijdingstabel),
                 koppen, rijen);
    SchrijfSlot(p.Uit, voet);
    return p.Uit;
}

std::string Rondedatum(const Competitie& c, int32_t ronde) {
    const trondeobj* r = c.Rondes.zoek(ronde);
    return r ? Trim(Datumtekst(Trim(r->G().Datum))) : std::string();
}

std::string Rondesoverzicht(const Webgroep& g, const std::string& voet, const std::string& site) {
    Pagina p{g, site, {}};
    p.Kop(g.Titel + " - " + Tekst(T::WebRondes), "rondes.html");
    const Competitie& c = *g.C;
    if (g.Rondes.empty()) p.Uit += "<p>" + Esc(Tekst(T::WebGeenRondes)) + "</p>\n";
    std::vector<std::vector<Celinhoud>> rijen;
    for (int32_t r : g.Rondes) {
        int wedstrijden = 0, uitslagen = 0;
        for (const auto& w : c.Wedstrijden)
            if (w->G().Ronde == r) {
                ++wedstrijden;
                if (w->HeeftUitslag()) ++uitslagen;
            }
        Celinhoud ronde{A(Rondepagina(r), Tekst(T::Ronde) + " " + Getal(r)), false, true,
                        r == g.LaatsteRonde()};
        rijen.push_back({ronde,
                         {Esc(Rondedatum(c, r)), false, false, false},
                         {Getal(wedstrijden), true, false, false},
                         {Getal(uitslagen), true, false, false}});
    }
    if (!rijen.empty())
        SchrijfTabel(p.Uit, "rondes", Tekst(T::WebRondes),
                     {{Tekst(T::Ronde), false},
                      {Tekst(T::WebDatum), false},
                      {Tekst(T::WebPartijen), true},
                      {Tekst(T::KopUitslag), true}},
                     rijen);
    SchrijfSlot(p.Uit, voet);
    return p.Uit;
}

std::string RondepaginaHtml(const Webgroep& g, int32_t ronde, const std::string& voet,
                            const std::string& site) {
    Pagina p{g, site, {}};
    const Competitie& c = *g.C;
    std::string titel = g.Titel + " - " + Tekst(T::Ronde) + " " + Getal(ronde);
    const std::string datum = Rondedatum(c, ronde);
    if (!datum.empty()) titel += " (" + datum + ")";
    p.Kop(titel, Rondepagina(ronde));
    // The neighbouring rounds.
    const auto it = std::find(g.Rondes.begin(), g.Rondes.end(), ronde);
    p.Uit += "<p class=\"buren\">";
    bool eerst = true;
    if (it != g.Rondes.begin()) {
        p.Uit +=
            A(Rondepagina(*(it - 1)), Tekst(T::WebVorigeRonde) + " (" + Getal(*(it - 1)) + ")");
        eerst = false;
    }
    if (it != g.Rondes.end() && it + 1 != g.Rondes.end()) {
        if (!eerst) p.Uit += " &middot; ";
        p.Uit +=
            A(Rondepagina(*(it + 1)), Tekst(T::WebVolgendeRonde) + " (" + Getal(*(it + 1)) + ")");
    }
    p.Uit += "</p>\n";
    std::vector<std::vector<Celinhoud>> rijen;
    int tafel = 0;
    for (const auto& w : c.Wedstrijden) {
        if (w->G().Ronde != ronde) continue;
        rijen.push_back({{Getal(++tafel), true, false, false},
                         {Spelerlink(c, w->G().Wit), false, false, false},
                         {Spelerlink(c, w->G().Zwart), false, false, false},
                         {Esc(Rapportuitslag(c.Opties, *w)), false, false, false}});
    }
    SchrijfTabel(p.Uit, "ronde", Tekst(T::Ronde) + " " + Getal(ronde),
                 {{Tekst(T::KopTafel), true},
                  {Tekst(T::KopWit), false},
                  {Tekst(T::KopZwart), false},
                  {Tekst(T::KopUitslag), false}},
                 rijen);
    SchrijfSlot(p.Uit, voet);
    return p.Uit;
}

std::string Categoriepagina(const Webgroep& g, std::size_t index, const std::string& voet,
                            const std::string& site) {
    const Competitie& c = *g.C;
    const Categoriegegevens& cat = c.Categorieen[index - 1];
    const std::string letter = Trim(cat.Letter);
    std::string naam = Tekst(T::KopCategorie) + " " + letter;
    if (!Trim(cat.Omschrijving).empty()) naam += " " + Trim(cat.Omschrijving);
    Pagina p{g, site, {}};
    p.Kop(g.Titel + " - " + naam, "categorie-" + Getal(static_cast<long long>(index)) + ".html");
    // The players who carry the letter, in ranking order, placed within the category, as the
    // rankings per category report places them.
    const tranglijst deel = SpelersMetCategorie(c, letter);
    SchrijfRanglijsttabel(p.Uit, g, "categorie",
                          Rapporttitel(c, Rapportsoort::Ranglijst) + " - " + naam, deel, g.Opties);
    SchrijfSlot(p.Uit, voet);
    return p.Uit;
}

std::string Deelnemerspagina(const Webgroep& g, const std::string& voet, const std::string& site) {
    Pagina p{g, site, {}};
    p.Kop(g.Titel + " - " + Tekst(T::WebDeelnemers), "deelnemers.html");
    const Competitie& c = *g.C;
    std::vector<const TSpelerObj*> spelers;
    for (const auto& s : c.Spelers) spelers.push_back(s.get());
    std::stable_sort(spelers.begin(), spelers.end(), [](const TSpelerObj* x, const TSpelerObj* y) {
        return x->G().Lotingnummer < y->G().Lotingnummer;
    });
    std::vector<std::vector<Celinhoud>> rijen;
    for (const TSpelerObj* s : spelers) {
        const Spelergegevens& d = s->G();
        rijen.push_back({{Getal(d.Lotingnummer), true, false, false},
                         {A(Spelerpagina(s->InternNummer()), d.Naam), false, true, false},
                         {Esc(Trim(d.Plaats)), false, false, false},
                         {d.Rating ? Getal(d.Rating) : std::string(), true, false, false}});
    }
    SchrijfTabel(p.Uit, "deelnemers", Tekst(T::WebDeelnemers),
                 {{Tekst(T::LNR), true},
                  {Tekst(T::Naam), false},
                  {Tekst(T::WebWoonplaats), false},
                  {Tekst(T::Rating), true}},
                 rijen);
    SchrijfSlot(p.Uit, voet);
    return p.Uit;
}

// The result from one side: his points, then his opponent's.
std::string EigenUitslag(const trekenopties& o, const twedstrijdobj& w, bool wit) {
    const std::string r = Rapportuitslag(o, w);
    if (wit || !w.HeeftUitslag() || w.IsAfgebroken()) return r;
    const auto streep = r.find(" - ");
    return streep == std::string::npos ? r : r.substr(streep + 3) + " - " + r.substr(0, streep);
}

std::string SpelerpaginaHtml(const Webgroep& g, const TSpelerObj& s, const std::string& voet,
                             const std::string& site) {
    const Competitie& c = *g.C;
    const Spelergegevens& d = s.G();
    const int32_t ik = s.InternNummer();
    Pagina p{g, site, {}};
    p.Kop(d.Naam, Spelerpagina(ik));
    const bool inStand = std::any_of(c.Ranglijst.begin(), c.Ranglijst.end(),
                                     [&](const auto& r) { return r.Speler == &s; });
    p.Uit += "<dl>\n";
    auto regel = [&](const std::string& kop, const std::string& html) {
        if (!html.empty()) p.Uit += "<dt>" + Esc(kop) + "</dt><dd>" + html + "</dd>\n";
    };
    regel(Tekst(T::LNR), Getal(d.Lotingnummer));
    regel(Tekst(T::WebWoonplaats), Esc(Trim(d.Plaats)));
    regel(Tekst(T::KopCategorie), Esc(Trim(d.Categorieen)));
    if (d.Rating) regel(Tekst(T::Rating), Getal(d.Rating));
    if (inStand) {
        regel(Tekst(T::WebPlaatsNu), Getal(d.Notering));
        regel(Tekst(T::WebPunten), Esc(Punten(c.Opties, d.Punten)));
        regel(Tekst(T::WebPartijen), Getal(d.AantalPartijen));
    }
    p.Uit += "</dl>\n";

    const auto plaatsen = g.Plaatsen.find(ik);
    auto plaats = [&](int32_t ronde) -> std::string {
        if (plaatsen == g.Plaatsen.end()) return {};
        const auto it = plaatsen->second.find(ronde);
        return it == plaatsen->second.end() ? std::string() : Getal(it->second);
    };
    const std::set<int32_t> gespeeld(g.GespeeldeRondes.begin(), g.GespeeldeRondes.end());
    std::vector<std::vector<Celinhoud>> rijen;
    for (int32_t ronde : g.Rondes) {
        std::vector<const twedstrijdobj*> partijen;
        for (const auto& w : c.Wedstrijden)
            if (w->G().Ronde == ronde && (w->G().Wit == ik || w->G().Zwart == ik))
                partijen.push_back(w.get());
        const auto cumulatief = g.Tabellen.Cumulatief(ik, ronde);
        const std::string stand = cumulatief ? Esc(Punten(c.Opties, *cumulatief)) : std::string();
        const Celinhoud rondecel{A(Rondepagina(ronde), Tekst(T::Ronde) + " " + Getal(ronde)), false,
                                 true, false};
        if (partijen.empty()) {
            if (!gespeeld.count(ronde)) continue;
            rijen.push_back({rondecel,
                             {{}, false, false, false},
                             {Esc(Tekst(T::WebGeenPartij)), false, false, false},
                             {{}, false, false, false},
                             {stand, true, false, false},
                             {plaats(ronde), true, false, false}});
            continue;
        }
        for (std::size_t i = 0; i < partijen.size(); ++i) {
            const twedstrijdobj& w = *partijen[i];
            const bool wit = w.G().Wit == ik;
            const bool laatste = i + 1 == partijen.size();
            rijen.push_back({rondecel,
                             {Esc(Tekst(wit ? T::KopWit : T::KopZwart)), false, false, false},
                             {Spelerlink(c, wit ? w.G().Zwart : w.G().Wit), false, false, false},
                             {Esc(EigenUitslag(c.Opties, w, wit)), false, false, false},
                             {laatste ? stand : std::string(), true, false, false},
                             {laatste ? plaats(ronde) : std::string(), true, false, false}});
        }
    }
    SchrijfTabel(p.Uit, "partijen", Tekst(T::WebPartijen),
                 {{Tekst(T::Ronde), false},
                  {Tekst(T::WebKleur), false},
                  {Tekst(T::Tegenstander), false},
                  {Tekst(T::KopUitslag), false},
                  {Tekst(T::WebTussenstand), true},
                  {Tekst(T::WebPlaatsNaRonde), true}},
                 rijen);
    SchrijfSlot(p.Uit, voet);
    return p.Uit;
}

} // namespace

int32_t Webgroep::LaatsteRonde() const {
    if (!GespeeldeRondes.empty()) return GespeeldeRondes.back();
    return Rondes.empty() ? 0 : Rondes.front();
}

int32_t Webgroep::VolgendeRonde() const {
    for (int32_t r : Rondes)
        if (r > LaatsteRonde() &&
            !std::binary_search(GespeeldeRondes.begin(), GespeeldeRondes.end(), r))
            return r;
    return 0;
}

Webgroep MaakWebgroep(int32_t nummer, const std::string& groepstekst, const Competitie& bron) {
    Webgroep g;
    g.Nummer = nummer;
    g.C = Kopie(groepstekst, bron);
    Competitie& c = *g.C;
    g.Titel = Trim(c.Opties.Toernooinaam);
    g.EigenTitel = !g.Titel.empty();
    if (!g.EigenTitel) g.Titel = Tekst(T::Competitiegroep) + " " + Getal(nummer);
    for (const auto& r : c.Rondes) g.Rondes.push_back(r->G().Rondenummer);
    std::sort(g.Rondes.begin(), g.Rondes.end());
    std::set<int32_t> gespeeld;
    for (const auto& w : c.Wedstrijden)
        if (w->HeeftUitslag()) gespeeld.insert(w->G().Ronde);
    g.GespeeldeRondes.assign(gespeeld.begin(), gespeeld.end());
    g.Kruistabel = IsRondtoernooi(c.Opties);

    // Each player's place after every played round, on a copy of its own, so that the
    // standings of the whole range are computed exactly as the ranking report computes them.
    {
        const auto tussen = Kopie(groepstekst, bron);
        for (int32_t r : g.GespeeldeRondes) {
            if (r < 1) continue;
            Bereken(*tussen, r);
            for (const auto& regel : tussen->Ranglijst)
                g.Plaatsen[regel.Speler->InternNummer()][r] = regel.Speler->G().Notering;
        }
    }
    Bereken(c, std::nullopt);
    g.Tabellen.Vul(c);
    // The ranking list with statistics and the columns the group asks for; the cross table
    // has a page of its own.
    g.Opties = AfdrukoptiesVan(c);
    g.Opties.Statistiek = true;
    g.Opties.Matrix = false;
    g.Opties.Totaalgegevens = false;
    g.Opties.Categorie = g.Opties.Categorie || !c.Categorieen.empty();
    return g;
}

void SchrijfGroep(const Webgroep& g, const std::string& voet, const std::string& site,
                  std::map<std::string, std::string>& bestanden) {
    const std::string map = Groepsmap(g.Nummer);
    bestanden[map + "index.html"] = Standpagina(g, voet, site);
    if (g.Kruistabel)
        bestanden[map + "kruistabel.html"] = Kruistabelpagina(g, voet, site);
    else
        bestanden[map + "voortschrijding.html"] = Voortschrijdingspagina(g, voet, site);
    bestanden[map + "rondes.html"] = Rondesoverzicht(g, voet, site);
    for (int32_t r : g.Rondes) bestanden[map + Rondepagina(r)] = RondepaginaHtml(g, r, voet, site);
    for (std::size_t i = 1; i <= g.C->Categorieen.size(); ++i)
        if (!Trim(g.C->Categorieen[i - 1].Letter).empty())
            bestanden[map + "categorie-" + Getal(static_cast<long long>(i)) + ".html"] =
                Categoriepagina(g, i, voet, site);
    bestanden[map + "deelnemers.html"] = Deelnemerspagina(g, voet, site);
    for (const auto& s : g.C->Spelers)
        bestanden[map + Spelerpagina(s->InternNummer())] = SpelerpaginaHtml(g, *s, voet, site);
}

} // namespace velkaro::web
