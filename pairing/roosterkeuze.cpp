#include "pairing/roosterkeuze.h"

#include "lang/teksten.h"

#include <algorithm>
#include <cstdio>

namespace velkaro {

bool IsRondtoernooi(uint16_t s) {
    trekenopties o;
    o.Rekensysteem = s;
    if (o.IsZwitsers()) return false;
    return s != SysteemKeizer && s != SysteemMoyenne && s != SysteemRating && s != SysteemLaren;
}

bool Voorcontrole(const Competitie& c, Gesprek& gesprek) {
    if (!c.Opties.IsZwitsers() || c.Spelers.GelijkAantalWedstrijden()) return true;
    return gesprek.Vraag(lang::Tekst(lang::T::OngelijkAantalGespeeld),
                         lang::Tekst(lang::T::Waarschuwing), Knoppen::JaNeeAnnuleren,
                         Pictogram::Waarschuwing) == Antwoord::Ja;
}

int32_t VoorgesteldeRonde(const Competitie& c) {
    const int32_t l = c.Wedstrijden.laatste_ronde();
    if (c.Opties.Rekensysteem == SysteemNormaal) return l + 1;
    const int32_t b = std::max(l, 1);
    return c.Wedstrijden.IsRondeLeeg(b) ? b : b + 1;
}

Rondecontrole ControleerRonde(const Competitie& c, int32_t ronde) {
    Rondecontrole r;
    r.Voorgesteld = VoorgesteldeRonde(c);
    const bool vanaf = IsRondtoernooi(c.Opties.Rekensysteem);
    for (const auto& w : c.Wedstrijden) {
        const int32_t rw = w->G().Ronde;
        if (rw != ronde && !(vanaf && rw > ronde)) continue;
        if (w->IsGespeeldOfAfgebroken())
            ++r.Uitslagen;
        else
            ++r.Vervangen;
    }
    r.LegeRondes = std::max(0, ronde - c.Wedstrijden.laatste_ronde() - 1);
    return r;
}

std::vector<std::string> AlGespeeld(const Competitie& c, int32_t ronde) {
    const bool vanaf = IsRondtoernooi(c.Opties.Rekensysteem);
    std::vector<std::string> namen;
    for (const auto& s : c.Spelers) {
        if (!vanaf && !s->InRooster()) continue;
        const int32_t i = s->InternNummer();
        const bool gespeeld =
            std::any_of(c.Wedstrijden.begin(), c.Wedstrijden.end(), [&](const auto& w) {
                const auto& g = w->G();
                return (g.Ronde == ronde || (vanaf && g.Ronde > ronde)) &&
                       (g.Wit == i || g.Zwart == i) && w->IsGespeeldOfAfgebroken();
            });
        if (gespeeld) namen.push_back(s->G().Naam);
    }
    return namen;
}

bool BevestigOpnieuwParen(const Competitie& c, int32_t ronde, Gesprek& gesprek) {
    const auto namen = AlGespeeld(c, ronde);
    if (namen.empty()) return true;
    std::string tekst =
        lang::Tekst(lang::T::AlGespeeldInRonde) + " " + std::to_string(ronde) + ":\n";
    for (std::size_t i = 0; i < namen.size(); ++i) tekst += (i ? ", " : "") + namen[i];
    tekst += "\n\n" + lang::Tekst(lang::T::TochOpnieuwParen);
    return gesprek.Vraag(tekst, lang::Tekst(lang::T::Bevestiging), Knoppen::JaNeeStandaardNee,
                         Pictogram::Waarschuwing) == Antwoord::Ja;
}

int32_t RondeVanInvoer(int32_t spinwaarde) {
    return std::max(spinwaarde, 1);
}

bool MetVrijeRonde(const Competitie& c) {
    return !IsRondtoernooi(c.Opties.Rekensysteem) && c.Opties.VrijBijOneven() &&
           c.Spelers.tel_rooster() % 2 != 0;
}

bool MagSamenstellen(const Competitie& c) {
    return IsRondtoernooi(c.Opties.Rekensysteem) || c.Spelers.tel_rooster() % 2 == 0 ||
           c.Opties.VrijBijOneven();
}

std::string Samenstelmelding(const Competitie& c) {
    if (IsRondtoernooi(c.Opties.Rekensysteem) || c.Spelers.tel_rooster() % 2 == 0) return {};
    return lang::Tekst(c.Opties.VrijBijOneven() ? lang::T::OnevenMetVrij
                                                : lang::T::OnevenZonderVrij);
}

namespace {
std::string Nummer3(int32_t n) {
    char b[16];
    std::snprintf(b, sizeof b, "%3d", n);
    return b;
}
} // namespace

std::string RoosterlijstRegel(const TSpelerObj& s) {
    return std::string(s.InRooster() ? "»" : " ") + '\t' + s.G().Kort + '\t' +
           Nummer3(s.Lotingnummer()) + '\t' + s.G().Naam;
}

std::string VinklijstRegel(const TSpelerObj& s) {
    return Nummer3(s.Lotingnummer()) + ' ' + s.G().Naam + " [" + s.G().Kort + ']';
}

std::vector<TSpelerObj*> VinklijstSpelers(Competitie& c) {
    std::vector<std::pair<std::string, TSpelerObj*>> regels;
    regels.reserve(c.Spelers.Aantal());
    for (auto& s : c.Spelers) regels.emplace_back(VinklijstRegel(*s), s.get());
    std::stable_sort(regels.begin(), regels.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TSpelerObj*> spelers;
    spelers.reserve(regels.size());
    for (auto& [regel, s] : regels) spelers.push_back(s);
    return spelers;
}

void SelecteerIedereen(Competitie& c) {
    for (auto& s : c.Spelers) s->ZetRooster();
    c.Gewijzigd = true;
}

void SelecteerNiemand(Competitie& c) {
    for (auto& s : c.Spelers) s->WisRooster();
    c.Gewijzigd = true;
}

void WisselRooster(Competitie& c, TSpelerObj& speler) {
    if (speler.InRooster())
        speler.WisRooster();
    else
        speler.ZetRooster();
    c.Gewijzigd = true;
}

void VerlaatRoosterdialoog(Competitie& c, bool laatsteRonde) {
    if (laatsteRonde && c.Opties.Rekensysteem == SysteemZwitsersRating) {
        c.Opties.Sorteervolgorde = 21;
        c.MarkeerHerberekenen();
    }
}

} // namespace velkaro
