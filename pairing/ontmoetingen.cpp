#include "pairing/ontmoetingen.h"

#include <algorithm>

namespace velkaro {

Ontmoetingstabel::Ontmoetingstabel(const twedstrijdverzameling& wedstrijden)
    : cellen_(static_cast<std::size_t>(kHoogsteNummer + 1) * (kHoogsteNummer + 1), 0) {
    for (const auto& w : wedstrijden) {
        const auto& g = w->G();
        if (!w->IsGespeeldOfAfgebroken()) continue;
        // Numbers above the table belong to no player of this competition.
        if (!Binnen(g.Wit) || !Binnen(g.Zwart)) continue;
        const std::size_t ab = Cel(g.Wit, g.Zwart), ba = Cel(g.Zwart, g.Wit);
        if (cellen_[ab] < 255) ++cellen_[ab];
        if (ba != ab && cellen_[ba] < 255) ++cellen_[ba];
    }
}

Ontmoetingen::Ontmoetingen(const Competitie& c) : wedstrijden_(c.Wedstrijden) {
    int32_t hoogste = 0;
    for (const auto& s : c.Spelers) hoogste = std::max(hoogste, s->InternNummer());
    if (hoogste <= Ontmoetingstabel::kHoogsteNummer) tabel_.emplace(c.Wedstrijden);
}

bool Ontmoetingen::Gespeeld(int32_t a, int32_t b) const {
    return tabel_ ? tabel_->Gespeeld(a, b) : wedstrijden_.is_gespeeld(a, b);
}

int Ontmoetingen::Aantal(int32_t a, int32_t b) const {
    return tabel_ ? tabel_->Aantal(a, b) : wedstrijden_.keer_gespeeld(a, b);
}

twedstrijdverzameling::Laatsteontmoeting Ontmoetingen::Laatste(int32_t a, int32_t b) const {
    return wedstrijden_.RondenGeleden(a, b);
}

} // namespace velkaro
