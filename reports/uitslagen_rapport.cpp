// Results and schedule (report kind 4).
#include "lang/teksten.h"
#include "model/tekst.h"
#include "reports/kader.h"
#include "reports/kolommen.h"
#include "reports/partijtabellen.h"
#include "reports/punten.h"
#include "reports/rapportsoorten.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace velkaro {

using lang::T;
using lang::Tekst;

namespace {

// A bye's missing opponent is named "vrij".
std::string Naam(const Competitie& c, int32_t nummer, bool vrij = false) {
    if (vrij && nummer == kGeenTegenstander) return Tekst(T::Vrij);
    if (nummer < 0) return Tekst(T::Rating) + " " + std::to_string(-nummer);
    const TSpelerObj* s = c.Spelers.zoekptr(nummer);
    return s ? s->G().Naam : std::string();
}

Uitvoercel Lotingnummer(const Competitie& c, int32_t nummer) {
    const TSpelerObj* s = nummer > 0 ? c.Spelers.zoekptr(nummer) : nullptr;
    if (!s) return Uitvoercel::MetTekst({}, 0, true);
    return Uitvoercel::MetGeheel(s->Lotingnummer(), 0);
}

} // namespace

std::string Rapportuitslag(const trekenopties& o, const twedstrijdobj& w) {
    // A bye: what it scores, against nobody.
    if (o.IsVrijeRonde(w.G())) return Trim(PuntenTekst(o, o.VrijPunten())) + " - 0";
    if (w.IsAfgebroken()) return Tekst(T::AFG);
    if (!w.HeeftUitslag()) return {};
    const Wedstrijdgegevens& g = w.G();
    if (o.Bordpunten())
        return std::to_string(g.UitslagWit) + " - " + std::to_string(g.UitslagZwart);
    return Trim(PuntenTekst(o, o.PuntenVoorUitslag(g.UitslagWit))) + " - " +
           Trim(PuntenTekst(o, o.PuntenVoorUitslag(g.UitslagZwart)));
}

namespace {

// What the rounds before a round leave: each player's points and the meetings of each pair.
struct Eerder {
    std::map<int32_t, int32_t> Punten;
    std::map<std::pair<int32_t, int32_t>, int> Ontmoetingen;

    static std::pair<int32_t, int32_t> Paar(int32_t a, int32_t b) {
        return a < b ? std::pair{a, b} : std::pair{b, a};
    }
    void Neem(const trekenopties& o, const twedstrijdobj& w) {
        const Wedstrijdgegevens& g = w.G();
        if (o.IsVrijeRonde(g)) {
            Punten[g.Wit] += o.VrijPunten();
            return;
        }
        ++Ontmoetingen[Paar(g.Wit, g.Zwart)];
        if (!w.HeeftUitslag() || w.IsAfgebroken()) return;
        if (g.Wit > 0) Punten[g.Wit] += StandPunten(o, g.UitslagWit);
        if (g.Zwart > 0) Punten[g.Zwart] += StandPunten(o, g.UitslagZwart);
    }
};

void SchrijfRonde(const Competitie& c, const Rapportopties& o, TUitvoerObject& u, int32_t ronde,
                  const std::vector<const twedstrijdobj*>& wedstrijden, const Eerder& eerder) {
    const trekenopties& r = c.Opties;
    const Afdrukopties& a = o.Afdrukken;
    const bool info = o.InfoEerdereRonde;
    bool herhaald = false;
    if (info)
        for (const auto* w : wedstrijden) {
            auto it = eerder.Ontmoetingen.find(Eerder::Paar(w->G().Wit, w->G().Zwart));
            herhaald = herhaald || it != eerder.Ontmoetingen.end();
        }

    std::vector<Vrijekop> koppen;
    if (o.Wedstrijdnummer) koppen.push_back({Tekst(T::Nr), true});
    if (o.Tafelnummer) koppen.push_back({Tekst(T::KopTafel), true});
    for (T kant : {T::KopWit, T::KopZwart}) {
        if (a.Lotingnummer) koppen.push_back({Tekst(T::LNR), true});
        koppen.push_back({Tekst(kant), false});
        if (info) koppen.push_back({Tekst(T::KopPt), true});
    }
    if (a.Uitslagen) koppen.push_back({Tekst(T::KopUitslag), false});
    if (herhaald) koppen.push_back({Tekst(T::KopOpmerking), false});

    auto punten = [&](int32_t nummer) {
        if (nummer <= 0) return Uitvoercel::MetTekst({}, 0, true);
        auto it = eerder.Punten.find(nummer);
        return Uitvoercel::MetTekst(PuntenTekst(r, it == eerder.Punten.end() ? 0 : it->second), 0,
                                    true);
    };
    std::vector<std::vector<Uitvoercel>> rijen;
    int32_t tafel = 0;
    for (const auto* w : wedstrijden) {
        const Wedstrijdgegevens& g = w->G();
        std::vector<Uitvoercel> rij;
        ++tafel;
        if (o.Wedstrijdnummer) rij.push_back(Uitvoercel::MetGeheel(g.Wedstrijdnummer, 0));
        if (o.Tafelnummer) rij.push_back(Uitvoercel::MetGeheel(tafel, 0));
        for (int32_t nummer : {g.Wit, g.Zwart}) {
            if (a.Lotingnummer) rij.push_back(Lotingnummer(c, nummer));
            rij.push_back(Uitvoercel::MetTekst(Naam(c, nummer, r.IsVrijeRonde(g)), 0));
            if (info) rij.push_back(punten(nummer));
        }
        if (a.Uitslagen) rij.push_back(Uitvoercel::MetTekst(Rapportuitslag(r, *w), 0));
        if (herhaald) {
            auto it = eerder.Ontmoetingen.find(Eerder::Paar(g.Wit, g.Zwart));
            rij.push_back(Uitvoercel::MetTekst(
                it == eerder.Ontmoetingen.end() ? std::string()
                                                : std::to_string(it->second + 1) + Tekst(T::EKeer),
                0));
        }
        rijen.push_back(std::move(rij));
    }
    std::string titel = Rapportnaam(c, Rapportsoort::UitslagenEnRooster) + " " + Tekst(T::Ronde) +
                        " " + std::to_string(ronde);
    if (const trondeobj* rd = c.Rondes.zoek(ronde); rd && !Trim(rd->G().Datum).empty())
        titel += " (" + Datumtekst(rd->G().Datum) + ")";
    SchrijfVrijeTabel(u, titel, koppen, std::move(rijen));
    u.Regel();

    if (!a.KleurPerSpeler) return;
    // Each player of the round by name: where he sits and with which colour.
    struct Plek {
        std::string naam, kleur, tegenstander;
        int32_t tafel;
    };
    std::vector<Plek> plekken;
    tafel = 0;
    for (const auto* w : wedstrijden) {
        ++tafel;
        const Wedstrijdgegevens& g = w->G();
        if (r.IsVrijeRonde(g)) {
            plekken.push_back({Naam(c, g.Wit), {}, Tekst(T::Vrij), tafel});
            continue;
        }
        if (g.Wit > 0) plekken.push_back({Naam(c, g.Wit), Tekst(T::w), Naam(c, g.Zwart), tafel});
        if (g.Zwart > 0) plekken.push_back({Naam(c, g.Zwart), Tekst(T::z), Naam(c, g.Wit), tafel});
    }
    std::stable_sort(plekken.begin(), plekken.end(), [](const Plek& x, const Plek& y) {
        return Hoofdletters(x.naam) < Hoofdletters(y.naam);
    });
    std::vector<std::vector<Uitvoercel>> lijst;
    for (const auto& p : plekken)
        lijst.push_back({Uitvoercel::MetTekst(p.naam, 0), Uitvoercel::MetTekst(p.kleur, 0),
                         Uitvoercel::MetGeheel(p.tafel, 0),
                         Uitvoercel::MetTekst(p.tegenstander, 0)});
    SchrijfVrijeTabel(
        u, Tekst(T::KleurPerSpeler) + " " + Tekst(T::Ronde) + " " + std::to_string(ronde),
        {{Tekst(T::Naam), false},
         {Tekst(T::KopKlr), false},
         {Tekst(T::KopTafel), true},
         {Tekst(T::Tegenstander), false}},
        std::move(lijst));
    u.Regel();
}

} // namespace

std::pair<int32_t, int32_t> Uitslagbereik(const Competitie& c, const Rapportopties& o) {
    const int32_t laatste = std::max(c.Rondes.laatste_ronde(), 1);
    int32_t tot = o.UitslagTot.value_or(laatste);
    int32_t van = o.UitslagVan.value_or(tot);
    if (van > tot) std::swap(van, tot);
    if (o.Afdrukken.VolgendeRonde) ++tot;
    return {van, tot};
}

void SchrijfUitslagenEnRooster(const Competitie& c, const Rapportopties& o, TUitvoerObject& u) {
    const auto [van, tot] = Uitslagbereik(c, o);
    Eerder eerder;
    std::vector<const twedstrijdobj*> ronde;
    int32_t huidig = 0;
    auto sluit = [&] {
        if (!ronde.empty() && huidig >= van && huidig <= tot)
            SchrijfRonde(c, o, u, huidig, ronde, eerder);
        for (const auto* w : ronde) eerder.Neem(c.Opties, *w);
        ronde.clear();
    };
    // The matches come in round order: each round is written with what the earlier left.
    for (const auto& w : c.Wedstrijden) {
        if (w->G().Ronde > tot) break;
        if (w->G().Ronde != huidig) {
            sluit();
            huidig = w->G().Ronde;
        }
        ronde.push_back(w.get());
    }
    sluit();
}

} // namespace velkaro
