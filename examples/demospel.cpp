// Players, drawn results and the simple pairing of the demo generator.
#include "examples/demospel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

namespace velkaro::demo {

namespace {

// A new member without a rating plays about as strong as the lower half of a club.
constexpr int kSterkteZonderRating = 1100;

int Sterkte(const Competitie& c, int32_t intern) {
    const int r = c.Spelers.zoekptr(intern)->G().Rating;
    return r != 0 ? r : kSterkteZonderRating;
}

int Punten(const Competitie& c, int32_t intern) {
    int p = 0;
    for (const auto& w : c.Wedstrijden) {
        if (!w->G().Gespeeld) continue;
        if (w->G().Wit == intern) p += c.Opties.PuntenVoorUitslag(w->G().UitslagWit);
        if (w->G().Zwart == intern) p += c.Opties.PuntenVoorUitslag(w->G().UitslagZwart);
    }
    return p;
}

int Kleur(const Competitie& c, int32_t intern) {
    int k = 0;
    for (const auto& w : c.Wedstrijden) {
        if (w->G().Wit == intern) ++k;
        if (w->G().Zwart == intern) --k;
    }
    return k;
}

bool Gespeeld(const Competitie& c, int32_t a, int32_t b) {
    for (const auto& w : c.Wedstrijden)
        if ((w->G().Wit == a && w->G().Zwart == b) || (w->G().Wit == b && w->G().Zwart == a))
            return true;
    return false;
}

bool PaarRest(const Competitie& c, std::vector<int32_t>& vrij,
              std::vector<std::pair<int32_t, int32_t>>& paren) {
    if (vrij.empty()) return true;
    const int32_t a = vrij.front();
    for (std::size_t j = 1; j < vrij.size(); ++j) {
        const int32_t b = vrij[j];
        if (Gespeeld(c, a, b)) continue;
        std::vector<int32_t> rest;
        for (std::size_t k = 1; k < vrij.size(); ++k)
            if (k != j) rest.push_back(vrij[k]);
        paren.emplace_back(a, b);
        if (PaarRest(c, rest, paren)) return true;
        paren.pop_back();
    }
    return false;
}

} // namespace

void VoegSpelersToe(Competitie& c, const std::vector<Deelnemer>& lijst) {
    int nummer = 1;
    for (const auto& d : lijst) {
        Spelergegevens g;
        g.Lotingnummer = nummer++;
        g.Naam = d.naam;
        g.VolledigeNaam = d.volledig;
        g.Kort = d.kort;
        g.Plaats = d.plaats;
        g.Land = "NED";
        g.LokaleRating = d.rating;
        g.FMJDRating = 2100;
        g.Rating = d.rating;
        g.Categorieen = std::string(d.cat) + std::string(5 - std::string(d.cat).size(), ' ');
        g.Opnemen = OpnemenStand | OpnemenRooster;
        c.Spelers.Voegtoe(g);
    }
}

std::vector<Categoriegegevens> Clubcategorieen() {
    return {{"S", "Senioren"}, {"V", "Veteranen"}, {"J", "Jeugd"}};
}

void Speel(Competitie& c, twedstrijdobj& w, std::mt19937& gen) {
    const int rw = Sterkte(c, w.G().Wit);
    const int rz = Sterkte(c, w.G().Zwart);
    const double verwacht = 1.0 / (1.0 + std::pow(10.0, (rz - rw) / 400.0));
    const double remise = 0.28;
    const double x = std::uniform_real_distribution<double>(0.0, 1.0)(gen);
    if (x < verwacht - remise / 2)
        c.ZetUitslag(w, 2, 0, false, true);
    else if (x < verwacht + remise / 2)
        c.ZetUitslag(w, 1, 1, false, true);
    else
        c.ZetUitslag(w, 0, 2, false, true);
}

void ZwitsersRonde(Competitie& c, int ronde, std::mt19937& gen, const std::set<int32_t>& afwezig) {
    std::vector<int32_t> volgorde;
    for (const auto& s : c.Spelers)
        if (!afwezig.count(s->Lotingnummer())) volgorde.push_back(s->InternNummer());
    std::stable_sort(volgorde.begin(), volgorde.end(), [&](int32_t a, int32_t b) {
        const int pa = Punten(c, a), pb = Punten(c, b);
        if (pa != pb) return pa > pb;
        return c.Spelers.zoekptr(a)->G().Rating > c.Spelers.zoekptr(b)->G().Rating;
    });
    std::vector<std::pair<int32_t, int32_t>> paren;
    if (volgorde.size() % 2 != 0 || !PaarRest(c, volgorde, paren)) {
        // The data of the generator are fixed: this only happens when they are edited badly.
        std::cerr << "velkaro-demo: round " << ronde << " of '" << c.Opties.Toernooinaam
                  << "' cannot be paired\n";
        std::exit(1);
    }
    int nummer = static_cast<int>(c.Wedstrijden.Aantal()) + 1;
    for (auto [a, b] : paren) {
        if (Kleur(c, a) > Kleur(c, b)) std::swap(a, b);
        Wedstrijdgegevens g;
        g.Ronde = ronde;
        g.Wedstrijdnummer = nummer++;
        g.Wit = a;
        g.Zwart = b;
        Speel(c, c.Wedstrijden.Voegtoe(g), gen);
    }
}

void SpeelSeizoen(Competitie& c, uint32_t zaad, const std::vector<const char*>& data,
                  const std::vector<std::set<int32_t>>& afwezig) {
    std::mt19937 gen(zaad);
    for (std::size_t r = 0; r < data.size(); ++r)
        ZwitsersRonde(c, static_cast<int>(r + 1), gen,
                      r < afwezig.size() ? afwezig[r] : std::set<int32_t>{});
    for (std::size_t r = 0; r < data.size(); ++r)
        c.Rondes.ZetRondeDatum(static_cast<int32_t>(r + 1), data[r]);
}

} // namespace velkaro::demo
