#include "pairing/keizer_rooster.h"

#include "lang/teksten.h"
#include "pairing/posities.h"
#include "pairing/volledige_paring.h"
#include "standings/stand.h"

#include <cstdlib>
#include <optional>
#include <stdexcept>

namespace velkaro {

using lang::T;
using lang::Tekst;

int32_t KeizerVerschil(int k) {
    return k <= 1 ? k : 3 * k - 2;
}

void VulKeizertabel(const Competitie& c, Paartabel& t) {
    t.assign(1, Paarregel{});
    for (const auto& regel : c.Ranglijst) {
        const TSpelerObj& s = *regel.Speler;
        if (!s.InStand() && !s.InRooster()) continue;
        if (static_cast<int>(t.size()) > kMaxPosities) throw std::length_error("Keizer table full");
        Paarregel r = MaakPaarregel(s);
        r.Paren = s.InRooster();
        t.push_back(std::move(r));
    }
}

namespace {

// Stops a search that would take unreasonably long; the division then accepts repeats.
constexpr long long kMaxStappen = 2'000'000;

class Indeler {
public:
    Indeler(const Paartabel& t, const Ontmoetingsmatrix& m, bool controle, Paarstand& s,
            Voortgang& voortgang)
        : t_(t), m_(m), controle_(controle), s_(s), voortgang_(voortgang),
          laatste_(static_cast<int>(t.size()) - 1) {
        for (int p = 1; p <= laatste_; ++p)
            if (s_.Partner(p) == 0) vrij_.Zet(p);
        if (!controle_) return;
        mag_.resize(t.size());
        vrij_.VoorElke([&](int p) {
            vrij_.VoorElke([&](int q) {
                if (q != p && !m_.Gespeeld(p, q)) mag_[static_cast<std::size_t>(p)].Zet(q);
                return true;
            });
            return true;
        });
    }

    bool Deel() {
        // Without a complete division of the whole field there is nothing to look for.
        if (controle_ && !Voltooibaar()) return false;
        return Deel(1);
    }

private:
    bool Voltooibaar() {
        return paring_.Bestaat(
            vrij_, [&](int p) -> const Posities& { return mag_[static_cast<std::size_t>(p)]; });
    }

    int LaatsteVrij() const {
        for (int p = laatste_; p >= 1; --p)
            if (vrij_.Heeft(p)) return p;
        return -1;
    }

    bool Deel(int diepte) {
        if (++stappen_ > kMaxStappen) afgebroken_ = true;
        if ((stappen_ & 4095) == 0 && voortgang_.Stoppen()) afgebroken_ = true;
        if (afgebroken_) return false;
        const bool vanBoven = diepte % 2 == 1;
        const int i = vanBoven ? vrij_.Eerste() : LaatsteVrij();
        if (i < 0) return true;
        const int stap = vanBoven ? 1 : -1;
        for (int j = i + stap; j >= 1 && j <= laatste_; j += stap) {
            if (!vrij_.Heeft(j) || (controle_ && m_.Gespeeld(i, j))) continue;
            vrij_.Wis(i);
            vrij_.Wis(j);
            // Once a depth failed, a candidate is tried only when the rest can still be
            // divided completely; this skips exactly the branches that would fail.
            if (!moeite_ || Voltooibaar()) {
                s_.Koppel(i, j, 0);
                if (Deel(diepte + 1)) return true;
                s_.Ontkoppel(i, j);
                moeite_ = controle_;
            }
            vrij_.Zet(i);
            vrij_.Zet(j);
            if (afgebroken_) return false;
            if (moeite_ && !Voltooibaar()) return false;
        }
        return false;
    }

    const Paartabel& t_;
    const Ontmoetingsmatrix& m_;
    bool controle_;
    Paarstand& s_;
    Voortgang& voortgang_;
    int laatste_;
    Posities vrij_;
    std::vector<Posities> mag_;
    VolledigeParing paring_;
    bool moeite_ = false;
    bool afgebroken_ = false;
    long long stappen_ = 0;
};

} // namespace

bool GIndeling(const Paartabel& t, const Ontmoetingsmatrix& m, bool controle, Paarstand& s,
               Voortgang& voortgang) {
    return Indeler(t, m, controle, s, voortgang).Deel();
}

namespace {

// Values of every two positions to be paired, and the exchanges between two pairs.
class Keizerruil {
public:
    Keizerruil(const Paartabel& t, const Ontmoetingsmatrix& m, int32_t ronde, Paarstand& s)
        : n_(t.size()), waarde_(t.size() * t.size(), 0), s_(s) {
        for (std::size_t i = 1; i < n_; ++i)
            for (std::size_t j = 1; j < n_; ++j)
                if (i != j && t[i].Paren && t[j].Paren)
                    waarde_[i * n_ + j] =
                        KeizerVerschil(std::abs(static_cast<int>(i) - static_cast<int>(j))) +
                        Herhaalstraf(t, m, static_cast<int>(i), static_cast<int>(j), ronde);
    }

    int32_t Waarde(int i, int j) const {
        return waarde_[static_cast<std::size_t>(i) * n_ + static_cast<std::size_t>(j)];
    }

    // The exchange that lowers the sum of the two pairs most; equal alternatives change nothing.
    bool Ruil(int i, int j) {
        const int a = s_.Partner(i), b = s_.Partner(j);
        if (a <= 0 || b <= 0 || a == j) return false;
        const int64_t huidig = s_.Paarwaarde(i) + s_.Paarwaarde(j);
        const int32_t alt1 = Waarde(i, b) + Waarde(a, j);
        const int32_t alt2 = Waarde(i, j) + Waarde(a, b);
        if (alt1 < alt2 && alt1 < huidig) {
            s_.Ruil(i, b, Waarde(i, b), a, j, Waarde(a, j));
            return true;
        }
        if (alt2 < alt1 && alt2 < huidig) {
            s_.Ruil(i, j, Waarde(i, j), a, b, Waarde(a, b));
            return true;
        }
        return false;
    }

private:
    std::size_t n_;
    std::vector<int32_t> waarde_;
    Paarstand& s_;
};

} // namespace

std::optional<bool> KeizerParing(const Paartabel& t, const Ontmoetingsmatrix& m, int32_t ronde,
                                 Paarstand& s, Gesprek& gesprek, Voortgang& voortgang,
                                 long long& passen) {
    const int laatste = static_cast<int>(t.size()) - 1;
    std::optional<Keizerruil> ruil;
    Voorbereiding(gesprek, Tekst(T::FoutVerschilTabel), [&] { ruil.emplace(t, m, ronde, s); });
    Voorbereiding(gesprek, Tekst(T::FoutGIndeling), [&] {
        if (GIndeling(t, m, true, s, voortgang)) return;
        for (int p = 1; p <= laatste; ++p)
            if (s.Partner(p) > 0) s.Ontkoppel(p, s.Partner(p));
        if (!voortgang.Stoppen()) GIndeling(t, m, false, s, voortgang);
    });
    if (voortgang.Stoppen()) return std::nullopt;
    if (!ruil) return false;
    for (int p = 1; p <= laatste; ++p) {
        const int q = s.Partner(p);
        if (q > p) s.Koppel(p, q, ruil->Waarde(p, q));
    }
    s.ToonParen();
    Voorbereiding(gesprek, Tekst(T::FoutZoekwedstrijd), [&] {
        for (int keer = 0; keer < 3; ++keer) {
            for (bool veranderd = true; veranderd;) {
                veranderd = false;
                for (int i = 1; i < laatste; ++i)
                    if (ruil->Ruil(i, i + 1)) veranderd = true;
                voortgang.Teller(++passen);
                if (voortgang.Stoppen()) return;
            }
            for (int i = 1; i + 2 <= laatste; ++i) ruil->Ruil(i, i + 2);
            voortgang.Teller(++passen);
        }
    });
    if (voortgang.Stoppen()) return std::nullopt;
    return true;
}

Roosterresultaat StelKeizerRoosterSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg) {
    Roosterresultaat res;
    if (c.Wedstrijden.verwijderronde(ronde)) c.MarkeerHerberekenen();
    ranglijst_sorteren(c, true);

    Paartabel t(1);
    bool vol = false;
    Voorbereiding(omg.gesprek, Tekst(T::FoutInVulhulpk), [&] {
        vol = true;
        VulKeizertabel(c, t);
        vol = false;
    });
    const int m = static_cast<int>(t.size()) - 1;
    int n = 0;
    for (int p = 1; p <= m; ++p) n += t[static_cast<std::size_t>(p)].Paren ? 1 : 0;
    if (n % 2 != 0) {
        MeldOnevenAantal(omg.gesprek, false);
        res.Uitkomst = Roosteruitkomst::KanNietParen;
        return res;
    }
    // Players beyond the table would silently sit out: nothing is paired instead.
    if (vol) {
        MeldKanNietParen(omg.gesprek);
        res.Uitkomst = Roosteruitkomst::KanNietParen;
        return res;
    }

    Ontmoetingen ontmoetingen(c);
    const Ontmoetingsmatrix matrix(t, ontmoetingen);
    Paarstand s(t, omg.voortgang);
    for (int p = 1; p <= m; ++p)
        if (!t[static_cast<std::size_t>(p)].Paren) s.ZetBuiten(p);
    if (!KeizerParing(t, matrix, ronde, s, omg.gesprek, omg.voortgang, res.Onderzocht)) {
        res.Uitkomst = Roosteruitkomst::Gestopt;
        return res;
    }
    ontmoetingen.Vrijgeven();
    SchrijfWaardeparing(c, ronde, t, s, res);
    return res;
}

} // namespace velkaro
