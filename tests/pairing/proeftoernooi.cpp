#include "proeftoernooi.h"

#include "competitiehulp.h"
#include "pairing/kleur.h"
#include "pairing/samenstellen.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <stdexcept>

namespace velkaro::test {

std::unique_ptr<Proeftoernooi> GepaardTot(unsigned zaad, int spelers, int32_t ronde) {
    auto t = std::make_unique<Proeftoernooi>(zaad, spelers);
    for (int32_t r = 1; r < ronde; ++r) {
        Scriptgesprek g;
        GeenVoortgang v;
        Roosteromgeving o{g, v};
        if (!SamenstellenRooster(t->c, r, true, false, o).Gelukt())
            throw std::runtime_error("fixture round " + std::to_string(r) + " not paired");
        t->SpeelRonde(r);
    }
    return t;
}

Proeftoernooi::Proeftoernooi(unsigned zaad, int spelers) : gen_(zaad) {
    c.Opties.Rekensysteem = SysteemZwitsers;
    c.Opties.Sorteervolgorde = 47;
    c.Opties.KleurDominant = std::uniform_int_distribution<int>(0, 1)(gen_) ? 1 : 0;
    c.Opties.MaxKleurverschil = std::uniform_int_distribution<int>(1, 3)(gen_);
    if (std::uniform_int_distribution<int>(0, 4)(gen_) == 0) c.Opties.ZetVlag(VlagTestopties, true);
    for (int i = 1; i <= spelers; ++i) {
        Spelergegevens g;
        g.Lotingnummer = i;
        g.Naam = "Speler " + std::to_string(i);
        g.LokaleRating = g.Rating = std::uniform_int_distribution<int>(900, 2200)(gen_);
        g.Opnemen = OpnemenStand | OpnemenRooster;
        c.Spelers.Voegtoe(g);
    }
    if (spelers % 2 != 0)
        c.Spelers
            .At(static_cast<std::size_t>(std::uniform_int_distribution<int>(0, spelers - 1)(gen_)))
            .WisRooster();
}

void Proeftoernooi::SpeelRonde(int32_t ronde) {
    for (auto& w : c.Wedstrijden) {
        if (w->G().Ronde != ronde || w->HeeftUitslag()) continue;
        const int rw = c.Spelers.zoekptr(w->G().Wit)->G().Rating;
        const int rz = c.Spelers.zoekptr(w->G().Zwart)->G().Rating;
        const double verwacht = 1.0 / (1.0 + std::pow(10.0, (rz - rw) / 400.0));
        const double x = std::uniform_real_distribution<double>(0.0, 1.0)(gen_);
        if (x < verwacht - 0.12)
            w->ZetUitslag(2, 0, false, true);
        else if (x < verwacht + 0.12)
            w->ZetUitslag(1, 1, false, true);
        else
            w->ZetUitslag(0, 2, false, true);
    }
    c.MarkeerHerberekenen();
}

Voorstand NeemVoorstand(const Competitie& c, int32_t ronde) {
    Voorstand v;
    for (const auto& w : c.Wedstrijden)
        if (w->G().Ronde != ronde || w->HeeftUitslag()) v.Wedstrijden.push_back(w->G());
    return v;
}

std::vector<std::string> ControleerRonde(const Competitie& c, int32_t ronde, const Voorstand& voor,
                                         const Paarregels& regels) {
    std::vector<std::string> fouten;
    auto fout = [&](const std::string& t) {
        fouten.push_back("round " + std::to_string(ronde) + ": " + t);
    };

    std::set<std::pair<int32_t, int32_t>> eerder;
    std::map<int32_t, int> balans;
    std::map<int32_t, uint8_t> laatste;
    for (const auto& g : voor.Wedstrijden) {
        eerder.insert({std::min(g.Wit, g.Zwart), std::max(g.Wit, g.Zwart)});
        if (!g.Gespeeld) continue;
        ++balans[g.Wit];
        --balans[g.Zwart];
        laatste[g.Wit] = 0;
        laatste[g.Zwart] = 1;
    }
    std::map<int32_t, int> plaats;
    for (const auto& r : c.Ranglijst)
        if (r.Speler->InRooster())
            plaats.emplace(r.Speler->InternNummer(), static_cast<int>(plaats.size()) + 1);
    auto kleur = [&](int32_t s) {
        const int b = balans.count(s) ? balans[s] : 0;
        const uint8_t l = laatste.count(s) ? laatste[s] : 2;
        if (!regels.Zwitsers) return Kleurgegevens{b, l, s};
        int w = 10 * b;
        if (b >= 0 && l == 0) ++w;
        if (b < 0 && l == 1) --w;
        return Kleurgegevens{w, l, s};
    };

    std::map<int32_t, int> gepaard;
    int32_t verwacht = regels.Zwitsers
                           ? static_cast<int32_t>(c.Spelers.Aantal() / 2) * (ronde - 1) + 1
                           : static_cast<int32_t>(voor.Wedstrijden.size()) + 1;
    for (const auto& w : c.Wedstrijden) {
        const auto& g = w->G();
        if (g.Ronde != ronde || g.Gespeeld) continue;
        if (g.Wedstrijdnummer != verwacht++)
            fout("match number " + std::to_string(g.Wedstrijdnummer));
        ++gepaard[g.Wit];
        ++gepaard[g.Zwart];
        if (regels.HerhalingVerboden &&
            eerder.count({std::min(g.Wit, g.Zwart), std::max(g.Wit, g.Zwart)}))
            fout("repeat " + std::to_string(g.Wit) + "-" + std::to_string(g.Zwart));
        if (!plaats.count(g.Wit) || !plaats.count(g.Zwart)) {
            fout("unmarked player in " + std::to_string(g.Wit) + "-" + std::to_string(g.Zwart));
            continue;
        }
        if (regels.Kleur == Kleurcontrole::Maximum) {
            if (!c.Opties.KleurDominant) continue;
            const int grens = std::max<int>(c.Opties.MaxKleurverschil, 1);
            auto binnen = [&](int32_t s, int stap) {
                const int oud = balans.count(s) ? balans[s] : 0;
                return std::abs(oud + stap) <= grens || std::abs(oud + stap) < std::abs(oud);
            };
            if (!binnen(g.Wit, 1) || !binnen(g.Zwart, -1))
                fout("colour difference in " + std::to_string(g.Wit) + "-" +
                     std::to_string(g.Zwart));
            continue;
        }
        const bool witEerst = plaats[g.Wit] < plaats[g.Zwart];
        const int32_t i = witEerst ? g.Wit : g.Zwart, j = witEerst ? g.Zwart : g.Wit;
        const int32_t wit = EersteSpeeltWit(kleur(i), kleur(j), ronde) ? i : j;
        if (wit != g.Wit)
            fout("colours of " + std::to_string(g.Wit) + "-" + std::to_string(g.Zwart));
    }
    for (const auto& s : c.Spelers) {
        const int keer = gepaard.count(s->InternNummer()) ? gepaard[s->InternNummer()] : 0;
        if (keer != (s->InRooster() ? 1 : 0))
            fout("player " + std::to_string(s->InternNummer()) + " paired " + std::to_string(keer) +
                 " times");
    }
    return fouten;
}

} // namespace velkaro::test
