#include "reports/partijtabellen.h"

namespace velkaro {

int32_t StandPunten(const trekenopties& o, int code) {
    if (!o.Bordpunten()) return o.PuntenVoorUitslag(code);
    if (code < 4) return 0;
    if (code == 4) return 1;
    return code <= 8 ? 2 : 0;
}

int32_t Paarstand::Punten(const trekenopties& o) const {
    return Winst * o.PuntenWinst + Remise * o.PuntenRemise + Verlies * o.PuntenVerlies +
           PlusRemise * o.PuntenPlusRemise + MinRemise * o.PuntenMinRemise;
}

Partijtabellen::Spelertabel& Partijtabellen::Tabel(int32_t internNummer) {
    auto& t = tabellen_[internNummer];
    if (t.Rondes.empty()) t.Rondes.resize(kMaxRondes);
    return t;
}

const std::vector<Partij>& Partijtabellen::Partijen(int32_t internNummer) const {
    static const std::vector<Partij> kGeen;
    auto it = tabellen_.find(internNummer);
    return it == tabellen_.end() ? kGeen : it->second.Partijen;
}

std::optional<int32_t> Partijtabellen::Cumulatief(int32_t internNummer, int ronde) const {
    auto it = tabellen_.find(internNummer);
    if (it == tabellen_.end() || ronde < 1 || ronde > kMaxRondes) return std::nullopt;
    return it->second.Rondes[static_cast<std::size_t>(ronde - 1)];
}

const Paarstand* Partijtabellen::Onderling(int32_t p, int32_t q) const {
    auto it = paren_.find({p, q});
    return it == paren_.end() ? nullptr : &it->second;
}

namespace {

void TelUitslag(Paarstand& s, const trekenopties& o, int code) {
    if (o.Bordpunten()) {
        s.Bordpunten += code;
        ++s.Partijen;
        return;
    }
    switch (code) {
    case UitslagVerlies:
    case 255:
        ++s.Verlies;
        break;
    case UitslagRemise:
        ++s.Remise;
        break;
    case UitslagWinst:
        ++s.Winst;
        break;
    case UitslagMinRemise:
        ++(o.BijzondereRemises() ? s.MinRemise : s.Remise);
        break;
    case UitslagPlusRemise:
        ++(o.BijzondereRemises() ? s.PlusRemise : s.Remise);
        break;
    default:
        return; // not a result
    }
    ++s.Partijen;
}

} // namespace

void Partijtabellen::Vul(const Competitie& c) {
    tabellen_.clear();
    paren_.clear();
    laatsteRonde_ = 0;
    const trekenopties& o = c.Opties;

    std::map<int32_t, int32_t> positie;
    for (std::size_t i = 0; i < c.Ranglijst.Aantal(); ++i)
        positie[c.Ranglijst.At(i).Speler->InternNummer()] = static_cast<int32_t>(i + 1);
    auto plaatsVan = [&](int32_t intern) {
        auto it = positie.find(intern);
        return it == positie.end() ? 0 : it->second;
    };

    for (const auto& wp : c.Wedstrijden) {
        const Wedstrijdgegevens& w = wp->G();
        if (w.Ronde < o.VanRonde || w.Ronde > o.TotRonde) continue;
        const bool witSpeler = w.Wit > 0 && c.Spelers.zoekptr(w.Wit) != nullptr;
        const bool zwartSpeler = w.Zwart > 0 && c.Spelers.zoekptr(w.Zwart) != nullptr;
        // A side that is neither a registered player nor an outside opponent, or two outside
        // opponents, make the match count for nobody.
        if ((!witSpeler && w.Wit >= 0) || (!zwartSpeler && w.Zwart >= 0)) continue;
        if (!witSpeler && !zwartSpeler) continue;
        if (wp->IsAfgebroken()) {
            if (witSpeler && zwartSpeler) {
                paren_[{w.Wit, w.Zwart}].Afgebroken = true;
                paren_[{w.Zwart, w.Wit}].Afgebroken = true;
            }
            continue;
        }
        if (!w.Gespeeld) continue;

        const struct {
            bool speler;
            int32_t zelf, ander;
            int code;
            uint8_t kleur;
        } kanten[2] = {{witSpeler, w.Wit, w.Zwart, w.UitslagWit, 0},
                       {zwartSpeler, w.Zwart, w.Wit, w.UitslagZwart, 1}};
        for (const auto& k : kanten) {
            if (!k.speler) continue;
            Spelertabel& t = Tabel(k.zelf);
            if (t.Partijen.size() < kMaxPartijen) {
                Partij p;
                p.Ronde = w.Ronde;
                p.Punten = o.PuntenVoorUitslag(k.code);
                p.Kleur = k.kleur;
                if (k.ander < 0) {
                    int32_t r = -k.ander;
                    while (r >= 1000) r -= 1000;
                    p.Tegenstander = r;
                    p.Buiten = true;
                } else {
                    p.Tegenstander = plaatsVan(k.ander);
                }
                t.Partijen.push_back(p);
            }
            if (w.Ronde >= 1 && w.Ronde <= kMaxRondes) {
                auto& slot = t.Rondes[static_cast<std::size_t>(w.Ronde - 1)];
                slot = slot.value_or(0) + StandPunten(o, k.code);
                if (w.Ronde > laatsteRonde_) laatsteRonde_ = w.Ronde;
            }
            if (witSpeler && zwartSpeler) TelUitslag(paren_[{k.zelf, k.ander}], o, k.code);
        }
    }
    for (auto& [nummer, t] : tabellen_) {
        int32_t som = 0;
        for (auto& slot : t.Rondes)
            if (slot) {
                som += *slot;
                slot = som;
            }
    }
}

} // namespace velkaro
