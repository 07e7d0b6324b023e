#include "model/spelers.h"

#include "model/gesprek.h"
#include "model/tekst.h"

#include <algorithm>

namespace velkaro {

void Spelergegevens::Kap() {
    Naam = velkaro::Kap(Naam, kNaamLengte);
    Kort = velkaro::Kap(Kort, kKortLengte);
    Plaats = velkaro::Kap(Plaats, kPlaatsLengte);
    Land = velkaro::Kap(Land, kLandLengte);
    Categorieen = velkaro::Kap(Categorieen, kCategorieenLengte);
}

TSpelerObj& TSpelersVerzameling::Voegtoe(const Spelergegevens& g) {
    auto obj = std::make_unique<TSpelerObj>(g);
    if (obj->G().InternNummer == 0) obj->W().InternNummer = VrijIntern();
    lijst_.push_back(std::move(obj));
    return *lijst_.back();
}

bool TSpelersVerzameling::Verwijder(int32_t internNummer) {
    auto it = std::find_if(lijst_.begin(), lijst_.end(),
                           [&](const auto& s) { return s->InternNummer() == internNummer; });
    if (it == lijst_.end()) return false;
    lijst_.erase(it);
    return true;
}

int32_t TSpelersVerzameling::EersteLotingNummerVrij() const {
    for (int32_t n = 1;; ++n)
        if (!BestaatLotingNummer(n)) return n;
}

bool TSpelersVerzameling::BestaatLotingNummer(int32_t n) const {
    return std::any_of(lijst_.begin(), lijst_.end(),
                       [&](const auto& s) { return s->Lotingnummer() == n; });
}

int32_t TSpelersVerzameling::VrijIntern() const {
    int32_t hoogste = 0;
    for (const auto& s : lijst_) hoogste = std::max(hoogste, s->InternNummer());
    return hoogste + 1;
}

std::optional<Spelergegevens> TSpelersVerzameling::zoek(int32_t internNummer) const {
    if (const auto* s = zoekptr(internNummer)) return s->Gegevens();
    return std::nullopt;
}

TSpelerObj* TSpelersVerzameling::zoekptr(int32_t internNummer) {
    for (auto& s : lijst_)
        if (s->InternNummer() == internNummer) return s.get();
    return nullptr;
}

const TSpelerObj* TSpelersVerzameling::zoekptr(int32_t internNummer) const {
    for (const auto& s : lijst_)
        if (s->InternNummer() == internNummer) return s.get();
    return nullptr;
}

std::optional<Spelergegevens> TSpelersVerzameling::zoekloting(int32_t lotingnummer) const {
    for (const auto& s : lijst_)
        if (s->Lotingnummer() == lotingnummer) return s->Gegevens();
    return std::nullopt;
}

TSpelerObj* TSpelersVerzameling::zoeklotingptr(int32_t lotingnummer) {
    for (auto& s : lijst_)
        if (s->Lotingnummer() == lotingnummer) return s.get();
    return nullptr;
}

int TSpelersVerzameling::tel_rooster() const {
    return static_cast<int>(
        std::count_if(lijst_.begin(), lijst_.end(), [](const auto& s) { return s->InRooster(); }));
}

void TSpelersVerzameling::ResetRating(bool fmjd) {
    for (auto& s : lijst_) s->W().Rating = fmjd ? s->G().FMJDRating : s->G().LokaleRating;
}

int32_t TSpelersVerzameling::KiesRandomNummer(int32_t max, Toeval& toeval) const {
    toeval.Herstart();
    const int32_t m = max < 1 ? 10 : max;
    bool vrij = false;
    for (int32_t n = 1; n <= m && !vrij; ++n) vrij = !BestaatLotingNummer(n);
    if (!vrij) return EersteLotingNummerVrij();
    for (;;) {
        const int32_t n = 1 + toeval.Getal(m);
        if (!BestaatLotingNummer(n)) return n;
    }
}

std::optional<Spelergegevens> TSpelersVerzameling::zoeknaam(std::string_view tekst) const {
    if (tekst.empty()) return std::nullopt;
    const std::string groot = Hoofdletters(tekst);
    auto zoek = [&](auto past) -> std::optional<Spelergegevens> {
        for (const auto& s : lijst_)
            if (past(s->G())) return s->Gegevens();
        return std::nullopt;
    };
    if (auto r = zoek([&](const Spelergegevens& g) { return g.Kort == tekst; })) return r;
    if (auto r =
            zoek([&](const Spelergegevens& g) { return g.Naam.find(tekst) != std::string::npos; }))
        return r;
    if (auto r = zoek([&](const Spelergegevens& g) { return Hoofdletters(g.Kort) == groot; }))
        return r;
    return zoek([&](const Spelergegevens& g) {
        return Hoofdletters(g.Naam).find(groot) != std::string::npos;
    });
}

bool TSpelersVerzameling::GelijkAantalWedstrijden() const {
    const TSpelerObj* eerste = nullptr;
    for (const auto& s : lijst_) {
        if (!s->InRooster()) continue;
        if (!eerste)
            eerste = s.get();
        else if (s->G().AantalPartijen + s->G().AantalVrij !=
                 eerste->G().AantalPartijen + eerste->G().AantalVrij)
            return false;
    }
    return true;
}

} // namespace velkaro
