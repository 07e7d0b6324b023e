#include "model/deelcomp.h"

#include "model/tekst.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace velkaro {

TDeelcompObj::TDeelcompObj(const Deelcompgegevens& g) : g_(g) {
    g_.Titel = Kap(g_.Titel, kTitelLengte);
    g_.OudeGroep = Kap(g_.OudeGroep, kTitelLengte);
}

TDeelcompObj& TDeelcompVerzameling::Voegtoe(const Deelcompgegevens& g) {
    auto obj = std::make_unique<TDeelcompObj>(g);
    if (obj->G().Bestandsnummer == 0) obj->W().Bestandsnummer = VindVrijInternNummer();
    lijst_.push_back(std::move(obj));
    return *lijst_.back();
}

bool TDeelcompVerzameling::Verwijder(int32_t bestandsnummer) {
    auto it = std::find_if(lijst_.begin(), lijst_.end(),
                           [&](const auto& o) { return o->G().Bestandsnummer == bestandsnummer; });
    if (it == lijst_.end()) return false;
    lijst_.erase(it);
    return true;
}

TDeelcompObj* TDeelcompVerzameling::Zoek(int32_t bestandsnummer) {
    for (auto& o : lijst_)
        if (o->G().Bestandsnummer == bestandsnummer) return o.get();
    return nullptr;
}

const TDeelcompObj* TDeelcompVerzameling::Zoek(int32_t bestandsnummer) const {
    for (const auto& o : lijst_)
        if (o->G().Bestandsnummer == bestandsnummer) return o.get();
    return nullptr;
}

const TDeelcompObj* TDeelcompVerzameling::ZoekCompetitienummer(int32_t nummer) const {
    for (const auto& o : lijst_)
        if (o->G().Competitienummer == nummer) return o.get();
    return nullptr;
}

int32_t TDeelcompVerzameling::VindVrijInternNummer() const {
    // Among n groups one of 1..n+1 is free: mark those in use in one pass.
    std::vector<bool> bezet(lijst_.size() + 2, false);
    for (const auto& o : lijst_) {
        const int32_t b = o->G().Bestandsnummer;
        if (b >= 1 && static_cast<std::size_t>(b) < bezet.size())
            bezet[static_cast<std::size_t>(b)] = true;
    }
    int32_t n = 1;
    while (bezet[static_cast<std::size_t>(n)]) ++n;
    return n;
}

int32_t TDeelcompVerzameling::VindVrijCompetitieNummer() const {
    for (int32_t n = 1;; ++n)
        if (!ZoekCompetitienummer(n)) return n;
}

void TDeelcompVerzameling::GeefTitel(int32_t bestandsnummer, const std::string& titel) {
    if (auto* o = Zoek(bestandsnummer)) o->W().Titel = Kap(titel, kTitelLengte);
}

int32_t TDeelcompVerzameling::VraagNummer(int32_t bestandsnummer) const {
    const auto* o = Zoek(bestandsnummer);
    return o ? o->G().Competitienummer : 0;
}

std::string GroepRegel(const Deelcompgegevens& g) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%5d - ", g.Competitienummer);
    return buf + VulRechts(g.Titel, 20);
}

} // namespace velkaro
