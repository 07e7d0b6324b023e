#include "verschiltoets.h"

#include "competitiehulp.h"
#include "letterlijke_zoeker.h"
#include "pairing/ontmoetingen.h"
#include "pairing/samenstellen.h"
#include "proeftoernooi.h"
#include "standings/stand.h"

#include <random>

namespace velkaro::test {

namespace {

// Stops the literal search once it has tried more pairs than the limit.
struct Grens {};
class Begrensd final : public Voortgang {
public:
    explicit Begrensd(long long grens) : grens_(grens) {}
    void Status(const std::string&) override {}
    void Regel(const std::string&) override {}
    void Teller(long long n) override {
        if (n > grens_) throw Grens{};
    }
    void ZetRegel(int, std::string_view) override {}

private:
    long long grens_;
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
    const Zoekopties opties{.Ronde = ronde,
                            .KleurDominant = c.Opties.KleurDominant != 0,
                            .MaxKleurverschil = c.Opties.MaxKleurverschil,
                            .Testopties = c.Opties.Testopties()};
    const int32_t volgorde = c.Opties.Sorteervolgorde;
    c.Opties.Sorteervolgorde = 47;
    ranglijst_sorteren(c, true);
    c.Opties.Sorteervolgorde = volgorde;
    Speltabel tabel = BouwSpeltabel(c);
    auto gespeeld = GespeeldRijen(tabel, Ontmoetingen(c));
    return {std::move(tabel), std::move(gespeeld), opties};
}

Vergelijking VergelijkZoekers(const Zoekinvoer& in, long long grens) {
    Vergelijking v;
    Begrensd stop(grens);
    LetterlijkeZoeker letterlijk(in.Tabel, in.Gespeeld, in.Opties, stop);
    bool klaarL = false;
    try {
        klaarL = letterlijk.Zoek();
        v.Vergeleken = true;
    } catch (const Grens&) {
    }
    Begrensd ruim(10 * grens);
    ZwitsersZoeker gesnoeid(in.Tabel, in.Gespeeld, in.Opties, ruim);
    bool klaarG = false;
    try {
        klaarG = gesnoeid.Zoek();
    } catch (const Grens&) {
        v.GesnoeidBegrensd = true;
    }
    v.OnderzochtGesnoeid = gesnoeid.Onderzocht();
    if (!v.Vergeleken || v.GesnoeidBegrensd) return v;
    v.OnderzochtLetterlijk = letterlijk.Onderzocht();
    v.OnderzochtGesnoeid = gesnoeid.Onderzocht();
    if (klaarL != klaarG)
        v.Verschil = klaarL ? "the pruned search found no pairing" : "the pruned search paired";
    else if (letterlijk.Partner() != gesnoeid.Partner())
        v.Verschil = "other partners";
    else if (letterlijk.MaxKleurverschil() != gesnoeid.MaxKleurverschil())
        v.Verschil = "another colour difference";
    else if (letterlijk.Versoepeld() != gesnoeid.Versoepeld())
        v.Verschil = "another relaxed flag";
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
                                          int32_t ronde) {
    auto t = std::make_unique<Proeftoernooi>(zaad, spelers);
    auto gen = UitslagGenerator(zaad);
    for (int32_t r = 1; r < ronde; ++r)
        if (!PaarEnSpeel(*t, r, u, gen)) return nullptr;
    return t;
}

Seizoen SpeelSeizoen(unsigned zaad, int spelers, Uitslagverdeling u, long long grens) {
    Seizoen s;
    Proeftoernooi t(zaad, spelers);
    auto gen = UitslagGenerator(zaad);
    for (int32_t ronde = 1; ronde < spelers; ++ronde) {
        const auto invoer = BouwZoekinvoer(t.c, ronde);
        if ((invoer.Tabel.size() - 1) % 2 != 0) break;
        const auto v = VergelijkZoekers(invoer, grens);
        ++s.Rondes;
        if (v.OnderzochtGesnoeid > s.MeesteGesnoeid) {
            s.MeesteGesnoeid = v.OnderzochtGesnoeid;
            s.ZwaarsteGesnoeid = ronde;
        }
        if (v.GesnoeidBegrensd) {
            s.GesnoeidBegrensd = true;
            break;
        }
        if (!v.Vergeleken) ++s.Afgebroken;
        if (v.Vergeleken) ++s.Vergeleken;
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
