#include "entry/uitslagknoppen.h"

#include "entry/uitslagtekst.h"

namespace velkaro {

namespace {

using Codes = std::pair<uint8_t, uint8_t>;

constexpr std::array<Codes, 5> kPlusMin{{{0, 2}, {3, 4}, {1, 1}, {4, 3}, {2, 0}}};
constexpr std::array<Codes, 3> kNormaal{{{0, 2}, {1, 1}, {2, 0}}};

char Cijfer(int32_t punten) {
    return punten >= 0 && punten <= 9 ? static_cast<char>('0' + punten) : '/';
}

char Groot(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::optional<std::pair<uint8_t, uint8_t>> KnopCodes(const trekenopties& o, int knop) {
    if (knop < 0 || knop >= kResultaatknoppen) return std::nullopt;
    const auto k = static_cast<std::size_t>(knop);
    if (o.BijzondereRemises()) {
        if (k < kPlusMin.size()) return kPlusMin[k];
        return std::nullopt;
    }
    if (o.Bordpunten()) return Codes{static_cast<uint8_t>(k), static_cast<uint8_t>(8 - k)};
    if (k < kNormaal.size()) return kNormaal[k];
    return std::nullopt;
}

Knoppaneel MaakKnoppaneel(const trekenopties& o) {
    Knoppaneel p;
    p.Zichtbaar = {true, true, true, false, false, false, false, false, false};
    p.Toets.fill('/');
    if (o.Schaaknotatie()) {
        p.Schaaknotatie = true;
        p.Opschrift[0] = "&0";
        p.Opschrift[1] = "½";
        p.Opschrift[2] = "&1";
        p.Toets = {'0', '/', '1', '\0', '\0', '\0', '\0', '\0', '\0'};
    } else if (o.KNDBDelfts()) {
        p.Opschrift[0] = "&0";
        p.Opschrift[1] = " ½";
        p.Opschrift[2] = "1";
        p.Opschrift[3] = "1½";
        p.Opschrift[4] = "2";
        p.Zichtbaar[3] = p.Zichtbaar[4] = true;
        // No key table comes with this mode; the keys 0 to 4 follow the captions' order,
        // which is the KNDB scale of white's score.
        p.Toets = {'0', '1', '2', '3', '4', '\0', '\0', '\0', '\0'};
    } else {
        const std::array<int32_t, 3> punten{o.PuntenVerlies, o.PuntenRemise, o.PuntenWinst};
        for (std::size_t i = 0; i < punten.size(); ++i) {
            p.Opschrift[i] = std::string("&") + Cijfer(punten[i]);
            p.Toets[i] = Cijfer(punten[i]);
        }
    }
    if (o.PlusMinRemisesActief() || o.Bordpunten()) {
        p.Zichtbaar[3] = p.Zichtbaar[4] = true;
        if (o.PlusMinRemisesActief()) {
            const std::array<int32_t, 5> punten{o.PuntenVerlies, o.PuntenMinRemise, o.PuntenRemise,
                                                o.PuntenPlusRemise, o.PuntenWinst};
            for (std::size_t i = 0; i < punten.size(); ++i) {
                p.Opschrift[i] = std::string("&") + Cijfer(punten[i]);
                if (!p.Schaaknotatie) p.Toets[i] = Cijfer(punten[i]);
            }
        }
    }
    if (o.Bordpunten()) {
        for (std::size_t i = 0; i < kResultaatknoppen; ++i) {
            p.Zichtbaar[i] = true;
            p.Opschrift[i] = "&" + std::to_string(i);
            if (!p.Schaaknotatie) p.Toets[i] = static_cast<char>('0' + i);
        }
    }
    return p;
}

std::optional<Uitslagknop> KnopVoorToets(const trekenopties& o, char toets) {
    switch (Groot(toets)) {
    case 'A':
        return Uitslagknop::Afgebroken;
    case 'R':
        return Uitslagknop::Regl00;
    case 'U':
        return Uitslagknop::UitslagWeg;
    default:
        break;
    }
    if (o.Schaaknotatie()) {
        if (toets == '1') return Uitslagknop::Res2;
        if (toets == '0') return Uitslagknop::Res0;
        if (toets == '/' || Groot(toets) == 'H') return Uitslagknop::Res1;
        return std::nullopt;
    }
    const auto p = MaakKnoppaneel(o);
    for (int k = 0; k < kResultaatknoppen; ++k) {
        if (k >= 3 && k <= 4 && !o.BijzondereRemises() && !o.Bordpunten()) continue;
        if (k >= 5 && !o.Bordpunten()) continue;
        if (p.Toets[static_cast<std::size_t>(k)] == toets) return static_cast<Uitslagknop>(k);
    }
    return std::nullopt;
}

bool DrukKnop(Competitie& c, twedstrijdobj& w, Uitslagknop knop) {
    switch (knop) {
    case Uitslagknop::Regl00:
        c.ZetUitslag(w, 0, 0, false, true);
        return true;
    case Uitslagknop::Afgebroken:
        c.ZetUitslag(w, 0, 0, true, false);
        return true;
    case Uitslagknop::UitslagWeg:
        c.ZetUitslag(w, 0, 0, false, false);
        return true;
    case Uitslagknop::ReglUitslag:
        w.W().Reglementair = !w.G().Reglementair;
        c.Gewijzigd = true;
        return true;
    default:
        break;
    }
    const auto codes = KnopCodes(c.Opties, static_cast<int>(knop));
    if (!codes) return false;
    c.ZetUitslag(w, codes->first, codes->second, false, true);
    return true;
}

std::vector<std::pair<std::string, Uitslagknop>> Knopnamen(const trekenopties& o) {
    std::vector<std::pair<std::string, Uitslagknop>> namen;
    for (int k = 0; k < kResultaatknoppen; ++k) {
        const auto codes = KnopCodes(o, k);
        if (!codes) continue;
        Wedstrijdgegevens g;
        g.UitslagWit = codes->first;
        g.UitslagZwart = codes->second;
        g.Gespeeld = true;
        std::string naam;
        for (char ch : UitslagTekst(g, o))
            if (ch != ' ') naam += ch;
        namen.emplace_back(naam, static_cast<Uitslagknop>(k));
    }
    for (int k = 0; k < kResultaatknoppen; ++k)
        if (KnopCodes(o, k))
            namen.emplace_back("res" + std::to_string(k), static_cast<Uitslagknop>(k));
    namen.emplace_back("regl", Uitslagknop::Regl00);
    namen.emplace_back("adj", Uitslagknop::Afgebroken);
    namen.emplace_back("clear", Uitslagknop::UitslagWeg);
    namen.emplace_back("toggle-regl", Uitslagknop::ReglUitslag);
    return namen;
}

std::optional<Uitslagknop> KnopVoorNaam(const trekenopties& o, const std::string& naam) {
    auto zoek = [&](const std::string& n) -> std::optional<Uitslagknop> {
        std::optional<Uitslagknop> gevonden;
        int aantal = 0;
        for (const auto& [k, knop] : Knopnamen(o))
            if (k == n && (!gevonden || *gevonden != knop)) {
                gevonden = knop;
                ++aantal;
            }
        if (aantal != 1) return std::nullopt;
        return gevonden;
    };
    if (auto k = zoek(naam)) return k;
    std::string half = naam;
    for (std::size_t i; (i = half.find("1/2")) != std::string::npos;) half.replace(i, 3, "½");
    if (half != naam) return zoek(half);
    return std::nullopt;
}

} // namespace velkaro
