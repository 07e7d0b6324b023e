#include "model/rondes.h"

#include "model/wedstrijden.h"

#include <algorithm>
#include <array>

namespace velkaro {

trondeobj& trondeverzameling::Voegtoe(const Rondegegevens& g) {
    auto it = std::upper_bound(lijst_.begin(), lijst_.end(), g.Rondenummer,
                               [](int32_t r, const auto& o) { return r < o->Rondenummer(); });
    it = lijst_.insert(it, std::make_unique<trondeobj>(g));
    return **it;
}

void trondeverzameling::Verwijder(int32_t ronde) {
    std::erase_if(lijst_, [&](const auto& o) { return o->Rondenummer() == ronde; });
}

trondeobj* trondeverzameling::zoek(int32_t ronde) {
    for (auto& o : lijst_)
        if (o->Rondenummer() == ronde) return o.get();
    return nullptr;
}

const trondeobj* trondeverzameling::zoek(int32_t ronde) const {
    for (const auto& o : lijst_)
        if (o->Rondenummer() == ronde) return o.get();
    return nullptr;
}

std::string trondeverzameling::geef_datum(int32_t ronde) const {
    const auto* o = zoek(ronde);
    return o ? o->G().Datum : std::string();
}

int32_t trondeverzameling::eerste_ronde() const {
    return lijst_.empty() ? 0 : lijst_.front()->Rondenummer();
}

int32_t trondeverzameling::laatste_ronde() const {
    return lijst_.empty() ? 0 : lijst_.back()->Rondenummer();
}

int32_t trondeverzameling::LaatsteRondeMetUitslagen() const {
    int32_t r = 0;
    for (const auto& o : lijst_)
        if (o->G().AantalUitslagen > 0) r = std::max(r, o->Rondenummer());
    return r;
}

void trondeverzameling::ZetRondeDatum(int32_t ronde, const std::string& datum) {
    for (auto& o : lijst_)
        if (o->Rondenummer() == ronde) o->W().Datum = datum;
}

void trondeverzameling::BerekenUitslagen(const twedstrijdverzameling& wedstrijden) {
    std::vector<int32_t> aantal(kMaxRonde + 1, 0), uitslagen(kMaxRonde + 1, 0);
    for (const auto& w : wedstrijden) {
        const int32_t r = w->G().Ronde;
        if (r < 1 || r > kMaxRonde) continue;
        ++aantal[static_cast<std::size_t>(r)];
        if (w->G().Gespeeld) ++uitslagen[static_cast<std::size_t>(r)];
    }
    for (auto& o : lijst_) {
        const int32_t r = o->Rondenummer();
        if (r < 1 || r > kMaxRonde) continue;
        o->W().AantalWedstrijden = aantal[static_cast<std::size_t>(r)];
        o->W().AantalUitslagen = uitslagen[static_cast<std::size_t>(r)];
    }
}

} // namespace velkaro
