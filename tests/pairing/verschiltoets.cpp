#include "verschiltoets.h"

#include "competitiehulp.h"
#include "letterlijke_zoeker.h"
#include "pairing/fmjd_zwitsers.h"
#include "pairing/ontmoetingen.h"
#include "pairing/samenstellen.h"
#include "proeftoernooi.h"
#include "standings/stand.h"

#include <chrono>
#include <limits>
#include <random>

namespace velkaro::test {

namespace {

// Stops a search once it has tried more pairs than the limit, or has run for longer than the
// time allowed (the pruned search's count is the literal one's, however few pairs it walks).
struct Grens {};
class Begrensd final : public Voortgang {
public:
    explicit Begrensd(long long grens, double seconden = 0)
        : grens_(grens), seconden_(seconden), begin_(std::chrono::steady_clock::now()) {}
    void Status(const std::string&) override {}
    void Regel(const std::string&) override {}
    void Teller(long long n) override {
        if (n > grens_ || Verlopen()) throw Grens{};
    }
    void ZetRegel(int, std::string_view) override {}
    // Asked where the search tries no pair: running through float choices.
    bool Stoppen() const override { return Verlopen(); }

private:
    bool Verlopen() const {
        return seconden_ > 0 && ++oproepen_ % 4096 == 0 &&
               std::chrono::steady_clock::now() - begin_ > std::chrono::duration<double>(seconden_);
    }
    long long grens_;
    double seconden_;
    std::chrono::steady_clock::time_point begin_;
    mutable long long oproepen_ = 0;
};

void Speel(Competitie& c, int32_t ronde, Uitslagverdeling u, std::mt19937& gen) {
    for (auto& w : c.Wedstrijden) {
        if (w->G().Ronde != ronde || w->HeeftUitslag()) continue;
        const int rw = c.Spelers.zoekptr(w->G().Wit)->G().Rating;
        const int rz = c.Spelers.zoekptr(w->G().Zwart)->G().Rating;
        bool witWint = false;
        switch (u) {
        case Uitslagverdeling::Remises:
            w->ZetUitslag(1, 1, false, true);
            continue;
        case Uitslagverdeling::Favoriet:
            witWint = rw >= rz;
            break;
        default:
            witWint = std::uniform_int_distribution<int>(0, 1)(gen) == 1;
            break;
        }
        w->ZetUitslag(witWint ? 2 : 0, witWint ? 0 : 2, false, true);
    }
    c.MarkeerHerberekenen();
}

} // namespace

Zoekinvoer BouwZoekinvoer(Competitie& c, int32_t ronde) {
    if (c.Wedstrijden.verwijderronde(ronde)) c.MarkeerHerberekenen();
    const bool fmjd = c.Opties.Rekensysteem == SysteemFMJDZwitsers;
    const Zoekopties opties{.Ronde = ronde,
                            .KleurDominant = c.Opties.KleurDominant != 0,
                            .MaxKleurverschil = c.Opties.MaxKleurverschil,
                            .Testopties = c.Opties.Testopties(),
                            .Variant = fmjd ? Zwitsersvariant::FMJD : Zwitsersvariant::Weerstand};
    const int32_t volgorde = c.Opties.Sorteervolgorde;
    c.Opties.Sorteervolgorde = fmjd ? FMJDSorteervolgorde(volgorde) : 47;
    ranglijst_sorteren(c, true);
    c.Opties.Sorteervolgorde = volgorde;
    Speltabel tabel = BouwSpeltabel(c);
    auto gespeeld = GespeeldRijen(tabel, Ontmoetingen(c));
    return {std::move(tabel), std::move(gespeeld), opties};
}

namespace {

// The reference: the literal search, or for the FMJD rules the search with nothing skipped.
template <class Zoeker> bool ZoekReferentie(Zoeker& z, Vergelijking& v) {
    try {
        const bool klaar = z.Zoek();
        v.Vergeleken = true;
        return klaar;
    } catch (const Grens&) {
        return false;
    }
}

} // namespace

Vergelijking VergelijkZoekers(const Zoekinvoer& in, long long grens) {
    Vergelijking v;
    Begrensd stop(grens, SecondenPerRonde);
    LetterlijkeZoeker letterlijk(in.Tabel, in.Gespeeld, in.Opties, stop);
    Zoekopties alles = in.Opties;
    alles.Snoeien = false;
    ZwitsersZoeker volledig(in.Tabel, in.Gespeeld, alles, stop);
    const bool fmjd = in.Opties.Variant == Zwitsersvariant::FMJD;
    const bool klaarL = fmjd ? ZoekReferentie(volledig, v) : ZoekReferentie(letterlijk, v);
    if (fmjd && volledig.Gestopt()) v.Vergeleken = false; // out of time among float choices
    Begrensd ruim(std::numeric_limits<long long>::max(), SecondenPerRonde);
    ZwitsersZoeker gesnoeid(in.Tabel, in.Gespeeld, in.Opties, ruim);
    bool klaarG = false;
    const auto begin = std::chrono::steady_clock::now();
    try {
        klaarG = gesnoeid.Zoek();
    } catch (const Grens&) {
        v.GesnoeidBegrensd = true;
    }
    if (gesnoeid.Gestopt()) v.GesnoeidBegrensd = true;
    v.SecondenGesnoeid =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    if (!v.Vergeleken || v.GesnoeidBegrensd) return v;
    v.OnderzochtLetterlijk = fmjd ? volledig.Onderzocht() : letterlijk.Onderzocht();
    if (klaarL != klaarG)
        v.Verschil = klaarL ? "the pruned search found no pairing" : "the pruned search paired";
    else if ((fmjd ? volledig.Partner() : letterlijk.Partner()) != gesnoeid.Partner())
        v.Verschil = "other partners";
    else if ((fmjd ? volledig.MaxKleurverschil() : letterlijk.MaxKleurverschil()) !=
             gesnoeid.MaxKleurverschil())
        v.Verschil = "another colour difference";
    else if (!fmjd && letterlijk.Versoepeld() != gesnoeid.Versoepeld())
        v.Verschil = "another relaxed flag";
    // Up to 5000 pairs nothing may be skipped that counts a pair (under the FMJD rules, only
    // while the raise of the colour difference is to come): the count decides.
    else if (v.OnderzochtLetterlijk <= 5000 &&
             (!fmjd || (in.Opties.KleurDominant && in.Opties.MaxKleurverschil == 1)) &&
             v.OnderzochtLetterlijk != gesnoeid.Onderzocht())
        v.Verschil = "another count of tried pairs";
    return v;
}

namespace {

// Pairs round `ronde` with the Swiss routine and plays it; false when it cannot be paired.
bool PaarEnSpeel(Proeftoernooi& t, int32_t ronde, Uitslagverdeling u, std::mt19937& gen) {
    Scriptgesprek g;
    GeenVoortgang stil;
    Roosteromgeving o{g, stil};
    if (!SamenstellenRooster(t.c, ronde, true, false, o).Gelukt()) return false;
    if (u == Uitslagverdeling::Rating)
        t.SpeelRonde(ronde);
    else
        Speel(t.c, ronde, u, gen);
    return true;
}

std::mt19937 UitslagGenerator(unsigned zaad) {
    return std::mt19937(zaad * 7919u + 17u);
}

} // namespace

std::unique_ptr<Proeftoernooi> SeizoenTot(unsigned zaad, int spelers, Uitslagverdeling u,
                                          int32_t ronde, int32_t systeem) {
    auto t = std::make_unique<Proeftoernooi>(zaad, spelers);
    t->c.Opties.Rekensysteem = systeem;
    auto gen = UitslagGenerator(zaad);
    for (int32_t r = 1; r < ronde; ++r)
        if (!PaarEnSpeel(*t, r, u, gen)) return nullptr;
    return t;
}

Seizoen SpeelSeizoen(unsigned zaad, int spelers, Uitslagverdeling u, long long grens,
                     int32_t systeem) {
    Seizoen s;
    Proeftoernooi t(zaad, spelers);
    t.c.Opties.Rekensysteem = systeem;
    auto gen = UitslagGenerator(zaad);
    for (int32_t ronde = 1; ronde < spelers; ++ronde) {
        const auto invoer = BouwZoekinvoer(t.c, ronde);
        if ((invoer.Tabel.size() - 1) % 2 != 0) break;
        const auto v = VergelijkZoekers(invoer, grens);
        ++s.Rondes;
        if (v.SecondenGesnoeid > s.LangsteSeconden) {
            s.LangsteSeconden = v.SecondenGesnoeid;
            s.LangsteRonde = ronde;
        }
        if (v.GesnoeidBegrensd) {
            s.GesnoeidBegrensd = true;
            break;
        }
        if (!v.Vergeleken) ++s.Afgebroken;
        if (v.Vergeleken) ++s.Vergeleken;
        if (v.Vergeleken && v.OnderzochtLetterlijk > 5000) ++s.Boven5000;
        if (v.OnderzochtLetterlijk > s.MeesteOnderzocht) {
            s.MeesteOnderzocht = v.OnderzochtLetterlijk;
            s.ZwaarsteRonde = ronde;
        }
        if (!v.Verschil.empty())
            s.Verschillen.push_back("seed " + std::to_string(zaad) + ", " +
                                    std::to_string(spelers) + " players, round " +
                                    std::to_string(ronde) + ": " + v.Verschil);
        if (!PaarEnSpeel(t, ronde, u, gen)) break;
    }
    return s;
}

Zoekinvoer TweeHelften(int spelers, Zoekopties opties) {
    Speltabel t(1);
    for (int p = 1; p <= spelers; ++p) {
        Spelregel s;
        s.Naam = "Speler " + std::to_string(p);
        s.Punten = 10;
        s.AantalPartijen = 8;
        s.InternNummer = p;
        t.push_back(s);
    }
    ZetSorteersleutels(t);
    std::vector<Posities> gespeeld(t.size());
    for (int x = 1; x <= spelers; ++x)
        for (int y = 1; y <= spelers; ++y)
            if (x % 2 != y % 2) gespeeld[static_cast<std::size_t>(x)].Zet(y);
    return {std::move(t), std::move(gespeeld), opties};
}

} // namespace velkaro::test
