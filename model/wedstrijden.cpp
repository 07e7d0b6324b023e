#include "model/wedstrijden.h"

#include "model/rondes.h"

#include <algorithm>

namespace velkaro {

void twedstrijdobj::ZetUitslag(uint8_t wit, uint8_t zwart, bool afgebroken, bool gespeeld) {
    g_.UitslagWit = wit;
    g_.UitslagZwart = zwart;
    g_.Gespeeld = gespeeld;
    if (afgebroken) g_.UitslagWit = UitslagAfgebroken;
    if (g_.UitslagWit == 0 && g_.UitslagZwart == 0) g_.Reglementair = true;
}

namespace {
bool Voor(const Wedstrijdgegevens& a, const Wedstrijdgegevens& b) {
    if (a.Ronde != b.Ronde) return a.Ronde < b.Ronde;
    return a.Wedstrijdnummer < b.Wedstrijdnummer;
}
} // namespace

twedstrijdobj& twedstrijdverzameling::Voegtoe(const Wedstrijdgegevens& g) {
    return Zet(std::make_unique<twedstrijdobj>(g));
}

twedstrijdobj& twedstrijdverzameling::Zet(std::unique_ptr<twedstrijdobj> w) {
    if (!rondes_.RondeBestaat(w->G().Ronde))
        rondes_.Voegtoe(Rondegegevens{w->G().Ronde, {}, 0, 0, 0});
    // Matches mostly arrive in order (files, pairing): check the end first.
    auto it = lijst_.end();
    if (!lijst_.empty() && Voor(w->G(), lijst_.back()->G()))
        it = std::upper_bound(
            lijst_.begin(), lijst_.end(), w->G(),
            [](const Wedstrijdgegevens& g, const auto& o) { return Voor(g, o->G()); });
    it = lijst_.insert(it, std::move(w));
    return **it;
}

std::unique_ptr<twedstrijdobj> twedstrijdverzameling::Neem(const twedstrijdobj* w) {
    auto it =
        std::find_if(lijst_.begin(), lijst_.end(), [&](const auto& o) { return o.get() == w; });
    if (it == lijst_.end()) return nullptr;
    auto r = std::move(*it);
    lijst_.erase(it);
    return r;
}

void twedstrijdverzameling::Herschik() {
    std::stable_sort(lijst_.begin(), lijst_.end(),
                     [](const auto& a, const auto& b) { return Voor(a->G(), b->G()); });
}

bool twedstrijdverzameling::verwijderronde(int32_t ronde) {
    return std::erase_if(lijst_, [&](const auto& o) {
               return o->G().Ronde == ronde && !o->G().Gespeeld;
           }) > 0;
}

void twedstrijdverzameling::VerwijderRondeCompleet(int32_t ronde) {
    std::erase_if(lijst_, [&](const auto& o) { return o->G().Ronde == ronde; });
}

void twedstrijdverzameling::VerwijderSpeler(int32_t internNummer) {
    std::erase_if(lijst_, [&](const auto& o) {
        return o->G().Wit == internNummer || o->G().Zwart == internNummer;
    });
}

namespace {
bool Tussen(const Wedstrijdgegevens& g, int32_t a, int32_t b) {
    return (g.Wit == a && g.Zwart == b) || (g.Wit == b && g.Zwart == a);
}
} // namespace

bool twedstrijdverzameling::is_gespeeld(int32_t a, int32_t b) const {
    return std::any_of(lijst_.begin(), lijst_.end(),
                       [&](const auto& o) { return Tussen(o->G(), a, b); });
}

int twedstrijdverzameling::keer_gespeeld(int32_t a, int32_t b) const {
    return static_cast<int>(std::count_if(lijst_.begin(), lijst_.end(),
                                          [&](const auto& o) { return Tussen(o->G(), a, b); }));
}

twedstrijdverzameling::Laatsteontmoeting
twedstrijdverzameling::RondenGeleden(int32_t a, int32_t b, std::size_t vanaf) const {
    Laatsteontmoeting l;
    if (lijst_.empty()) return l;
    for (std::size_t i = std::min(vanaf, lijst_.size() - 1) + 1; i-- > 0;) {
        const auto& g = lijst_[i]->G();
        if (!Tussen(g, a, b)) continue;
        if (l.Aantal++ == 0) l.Ronde = g.Ronde;
    }
    return l;
}

twedstrijdverzameling::Laatsteontmoeting twedstrijdverzameling::RondenGeleden(int32_t a,
                                                                              int32_t b) const {
    return lijst_.empty() ? Laatsteontmoeting{} : RondenGeleden(a, b, lijst_.size() - 1);
}

bool twedstrijdverzameling::IsRondeLeeg(int32_t ronde) const {
    return std::none_of(lijst_.begin(), lijst_.end(), [&](const auto& o) {
        return o->G().Ronde == ronde && o->IsGespeeldOfAfgebroken();
    });
}

int32_t twedstrijdverzameling::laatste_ronde() const {
    int32_t r = 0;
    for (const auto& o : lijst_) r = std::max(r, o->G().Ronde);
    return r;
}

} // namespace velkaro
