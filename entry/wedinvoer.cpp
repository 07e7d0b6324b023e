#include "entry/wedinvoer.h"

#include "entry/conversie.h"
#include "lang/teksten.h"
#include "model/tekst.h"

#include <algorithm>

namespace velkaro {

namespace {
Kleur Ander(Kleur k) {
    return k == Kleur::Wit ? Kleur::Zwart : Kleur::Wit;
}
} // namespace

void TWedInvoer::Open(const Wedstrijdgegevens& g) {
    const std::array<int32_t, 2> refs{g.Wit, g.Zwart};
    for (std::size_t i = 0; i < 2; ++i) {
        auto& k = kanten_[i];
        k = Kantstaat{};
        k.Referentie = refs[i];
        if (refs[i] < 0) {
            k.Tekst = std::to_string(refs[i]);
            k.Label =
                std::to_string(-static_cast<int64_t>(refs[i])) + " " + lang::Tekst(lang::T::Rating);
        } else if (const auto* s = refs[i] > 0 ? spelers_.zoekptr(refs[i]) : nullptr) {
            k.Tekst = std::to_string(s->Lotingnummer());
            k.Label = s->G().Naam;
        } else {
            k.Referentie = 0;
            k.Label = lang::Tekst(i == 0 ? lang::T::Witspeler : lang::T::Zwartspeler);
        }
    }
}

void TWedInvoer::Buiten(Kleur k, int32_t rating) {
    auto& s = kant(k);
    s.Referentie = -rating;
    s.Label = std::to_string(rating) + " " + lang::Tekst(lang::T::Rating);
}

void TWedInvoer::Gevonden(Kleur k, const std::optional<Spelergegevens>& g) {
    auto& s = kant(k);
    if (!g || g->InternNummer == kant(Ander(k)).Referentie) {
        s.Referentie = 0;
        s.Label.clear();
        return;
    }
    s.Referentie = g->InternNummer;
    s.Label = g->Naam;
    s.Rating = "0";
}

void TWedInvoer::ZetTekst(Kleur k, std::string_view tekst) {
    kant(k).Tekst = std::string(tekst);
    const auto n = Geheel(tekst);
    if (n && *n > 0)
        Gevonden(k, spelers_.zoekloting(*n));
    else if (n && *n < 0 && *n > INT32_MIN)
        Buiten(k, -*n);
    else
        Gevonden(k, spelers_.zoeknaam(tekst));
}

void TWedInvoer::ZetRating(Kleur k, std::string_view tekst) {
    const auto r = Geheel(tekst);
    if (!r || *r < 0) {
        kant(k).Rating = "0";
        return;
    }
    kant(k).Rating = std::string(tekst);
    // The field is reset to "0" whenever a player is found: that is no rating.
    if (*r > 0) Buiten(k, *r);
}

void TWedInvoer::KiesSpeler(Kleur k, int32_t internNummer) {
    if (const auto* s = spelers_.zoekptr(internNummer))
        ZetTekst(k, std::to_string(s->Lotingnummer()));
}

std::string TWedInvoer::LijstRegel(const Spelergegevens& g) {
    return VulLinks(std::to_string(g.Lotingnummer), 3) + " " + g.Naam;
}

std::vector<int32_t> TWedInvoer::Lijst() const {
    std::vector<std::pair<std::string, int32_t>> regels;
    for (const auto& s : spelers_)
        if (AlleSpelers || std::find(Vrij.begin(), Vrij.end(), s->InternNummer()) != Vrij.end())
            regels.emplace_back(Hoofdletters(LijstRegel(s->G())), s->InternNummer());
    std::stable_sort(regels.begin(), regels.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int32_t> r;
    for (const auto& [regel, intern] : regels) r.push_back(intern);
    return r;
}

} // namespace velkaro
