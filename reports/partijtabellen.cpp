#include "reports/partijtabellen.h"

#include "standings/geteld.h"

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

    for (const auto& w : stand::TelbareWedstrijden(c, o.VanRonde, o.TotRonde)) {
        const bool beide = w.BeideIngeschreven();
        if (w.Afgebroken) {
            if (beide) {
                const int32_t wit = w.Wit.Speler->InternNummer();
                const int32_t zwart = w.Zwart.Speler->InternNummer();
                paren_[{wit, zwart}].Afgebroken = true;
                paren_[{zwart, wit}].Afgebroken = true;
            }
            continue;
        }

        const struct {
            const stand::ZijdeVan<const TSpelerObj>& zelf;
            const stand::ZijdeVan<const TSpelerObj>& ander;
            uint8_t kleur;
        } kanten[2] = {{w.Wit, w.Zwart, 0}, {w.Zwart, w.Wit, 1}};
        for (const auto& k : kanten) {
            if (!k.zelf.Speler) continue;
            const int32_t zelf = k.zelf.Speler->InternNummer();
            const int code = k.zelf.Code;
            Spelertabel& t = Tabel(zelf);
            if (t.Partijen.size() < kMaxPartijen) {
                Partij p;
                p.Ronde = w.Ronde;
                p.Punten = o.PuntenVoorUitslag(code);
                p.Kleur = k.kleur;
                if (!k.ander.Speler) {
                    // The outside number reduced below 1000.
                    p.Tegenstander = k.ander.Buitenrating % 1000;
                    p.Buiten = true;
                } else {
                    p.Tegenstander = plaatsVan(k.ander.Speler->InternNummer());
                }
                t.Partijen.push_back(p);
            }
            if (w.Ronde >= 1 && w.Ronde <= kMaxRondes) {
                auto& slot = t.Rondes[static_cast<std::size_t>(w.Ronde - 1)];
                slot = slot.value_or(0) + StandPunten(o, code);
                if (w.Ronde > laatsteRonde_) laatsteRonde_ = w.Ronde;
            }
            if (beide) TelUitslag(paren_[{zelf, k.ander.Speler->InternNummer()}], o, code);
        }
    }
    // A bye is in the player's games and his points, but meets nobody.
    for (const auto& v : stand::VrijeRondes(c, o.VanRonde, o.TotRonde)) {
        const TSpelerObj& s = c.Spelers.At(v.Index);
        Spelertabel& t = Tabel(s.InternNummer());
        if (t.Partijen.size() < kMaxPartijen) {
            Partij p;
            p.Ronde = v.Ronde;
            p.Tegenstander = 0;
            p.Vrij = true;
            p.Punten = o.VrijPunten();
            t.Partijen.push_back(p);
        }
        if (v.Ronde >= 1 && v.Ronde <= kMaxRondes) {
            auto& slot = t.Rondes[static_cast<std::size_t>(v.Ronde - 1)];
            slot = slot.value_or(0) + o.VrijPunten();
            laatsteRonde_ = std::max(laatsteRonde_, static_cast<int>(v.Ronde));
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
