#include "letterlijke_zoeker.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace velkaro::test {

// A group opening's float choice: the candidate list on the candidate stack, how many float
// down, and where the next level's segments begin.
struct LetterlijkeZoeker::Keuze {
    int kBasis = 0;  // candidate list on kand_
    int l = 0;       // its length
    int f = 0;       // players to float down
    int gNieuw = 0;  // the next level's group segment
    int wNieuw = 0;  // the next level's waiting room
    int gekozen = 0; // floaters chosen so far
};

LetterlijkeZoeker::LetterlijkeZoeker(const Speltabel& tabel, std::vector<Posities> gespeeld,
                                     const Zoekopties& opties, Voortgang& voortgang)
    : t_(tabel), n_(static_cast<int>(tabel.size()) - 1), gespeeld_(std::move(gespeeld)),
      opties_(opties), voortgang_(voortgang) {
    if (n_ < 0 || n_ >= Posities::kAantal || n_ % 2 != 0 || gespeeld_.size() != tabel.size())
        throw std::invalid_argument("Swiss search: table of an even number of at most 255");
    partner_.assign(n_ + 1, 0);
    // Every open search level holds at most n entries per stack; there are at most n / 2
    // pair levels and n + 1 group openings on the way down.
    const std::size_t ruimte = (n_ + 1) * (n_ * 3 / 2 + 3);
    groep_.assign(ruimte, 0);
    wacht_.assign(ruimte, 0);
    kand_.assign(ruimte, 0);
    kandGekozen_.assign(ruimte, 0);
    kleurOk_.resize(tabel.size());
    kleurStrikt_.resize(tabel.size());
}

void LetterlijkeZoeker::RekenKleurrijen() {
    const int32_t grens = 20 * maxKleurverschil_;
    for (int x = 1; x <= n_; ++x) {
        auto& ok = kleurOk_[x];
        auto& strikt = kleurStrikt_[x];
        ok = strikt = Posities{};
        for (int y = 1; y <= n_; ++y) {
            const int32_t som = std::abs(t_[x].Kleurwaarde + t_[y].Kleurwaarde);
            if (som <= grens) ok.Zet(y);
            if (som < grens) strikt.Zet(y);
        }
    }
}

bool LetterlijkeZoeker::Toelaatbaar(int x, int y, bool kleurtest, bool strikt) const {
    if (x == y || gespeeld_[x].Heeft(y)) return false;
    return !kleurtest || (strikt ? kleurStrikt_ : kleurOk_)[x].Heeft(y);
}

// True when every player of the set has an admissible partner inside the set.
bool LetterlijkeZoeker::ElkHeeftPartner(const Posities& spelers, bool kleurtest) const {
    if (kleurtest)
        return spelers.VoorElke(
            [&](int p) { return spelers.SnijdtZonder(kleurOk_[p], gespeeld_[p], p); });
    return spelers.VoorElke([&](int p) { return spelers.HeeftZonder(gespeeld_[p], p); });
}

void LetterlijkeZoeker::Paar(int f, int c) {
    partner_[f] = c;
    partner_[c] = f;
    vrij_.Wis(f);
    vrij_.Wis(c);
}

void LetterlijkeZoeker::Ontpaar(int f, int c) {
    partner_[f] = 0;
    partner_[c] = 0;
    vrij_.Zet(f);
    vrij_.Zet(c);
}

bool LetterlijkeZoeker::Zoek() {
    maxKleurverschil_ = opties_.MaxKleurverschil;
    kleurDominant_ = opties_.KleurDominant;
    RekenKleurrijen();
    std::fill(partner_.begin(), partner_.end(), 0);
    vrij_ = Posities{};
    for (int p = 1; p <= n_; ++p) vrij_.Zet(p);

    if (opties_.Ronde <= 1) {
        for (int p = 1; p + 1 <= n_; p += 2) Paar(p, p + 1);
        roosterKlaar_ = true;
        return true;
    }

    // Up to three passes; the count of tried pairs, the give-up mark and the relaxed colour
    // difference carry over from pass to pass.
    const auto pas = [&](bool kleurtest) {
        eersteAanroep_ = true;
        versoepeld_ = laatsteGroep_ = false;
        Vindwedstrijd(kleurtest, 0, 0, 0, 0);
    };
    if (kleurDominant_) pas(true);
    if (!roosterKlaar_) pas(false);
    if (!roosterKlaar_) {
        versoepeld_ = true;
        Vindwedstrijd(false, 0, 0, 0, 0);
    }
    return roosterKlaar_;
}

// Drops the members already paired, then orders the group: by table position; in round 2 the
// first member stays and the others are reversed, and runs of equal places from the third
// member on follow the colour value; with the test options by resistance points.
void LetterlijkeZoeker::BereidGroepVoor(int gBasis, int& a) {
    uint8_t* g = groep_.data() + gBasis;
    int over = 0;
    for (int i = 0; i < a; ++i)
        if (partner_[g[i]] == 0) g[over++] = g[i];
    a = over;
    if (a <= 1) return;
    if (!std::is_sorted(g, g + a)) std::sort(g, g + a);
    if (opties_.Ronde == 2) {
        std::reverse(g + 1, g + a);
        const bool oplopend = t_[g[0]].Kleurwaarde < 0;
        for (int begin = 2; begin < a;) {
            int eind = begin + 1;
            while (eind < a && t_[g[eind]].Notering == t_[g[begin]].Notering) ++eind;
            std::stable_sort(g + begin, g + eind, [&](uint8_t x, uint8_t y) {
                return oplopend ? t_[x].Kleurwaarde < t_[y].Kleurwaarde
                                : t_[x].Kleurwaarde > t_[y].Kleurwaarde;
            });
            begin = eind;
        }
    }
    if (opties_.Testopties)
        std::stable_sort(g, g + a, [&](uint8_t x, uint8_t y) {
            return t_[x].Weerstandspunten > t_[y].Weerstandspunten;
        });
}

void LetterlijkeZoeker::Vindwedstrijd(bool kleurtest, int gBasis, int a, int wBasis, int b) {
    if (a > 0) BereidGroepVoor(gBasis, a);
    const uint8_t* g = groep_.data() + gBasis;
    const uint8_t* w = wacht_.data() + wBasis;

    Posities groep;
    for (int i = 0; i < a; ++i) groep.Zet(g[i]);
    if (eersteAanroep_) {
        if (!ElkHeeftPartner(vrij_.Zonder(groep), kleurtest)) return;
        eersteAanroep_ = false;
    }
    if (!ElkHeeftPartner(groep, kleurtest)) return;
    if (onderzocht_ > 5000 && kleurtest && maxKleurverschil_ == 1) {
        maxKleurverschil_ = 2;
        RekenKleurrijen();
    }
    if (a == 0) {
        OpenGroep(gBasis, wBasis, b);
        return;
    }

    const int f = g[0];
    for (int i = a - 1; i >= 1; --i) {
        const int c = g[i];
        if (partner_[c] != 0) continue;
        if (!Toelaatbaar(f, c, kleurtest, versoepeld_ && laatsteGroep_)) continue;
        Paar(f, c);
        ++onderzocht_;
        voortgang_.Teller(onderzocht_);
        // The next level works on its own copies just above this level's segments.
        std::copy(g, g + a, groep_.data() + gBasis + a);
        std::copy(w, w + b, wacht_.data() + wBasis + b);
        Vindwedstrijd(kleurtest, gBasis + a, a, wBasis + b, b);
        if (roosterKlaar_) {
            return;
        }
        Ontpaar(f, c);
        if (mislukt_ || Opgeven()) return;
    }
}

void LetterlijkeZoeker::OpenGroep(int gBasis, int wBasis, int b) {
    const uint8_t* w = wacht_.data() + wBasis;
    Posities wachtend;
    for (int j = 0; j < b; ++j) wachtend.Zet(w[j]);
    const int i = vrij_.Zonder(wachtend).Eerste();
    if (i < 0) {
        if (b == 0)
            roosterKlaar_ = true;
        else
            mislukt_ = true;
        return;
    }
    if (n_ < 2 * t_[1].AantalPartijen || onderzocht_ > 5000) versoepeld_ = true;
    if (versoepeld_) kleurDominant_ = false;

    int s = n_ + 1;
    if (!(versoepeld_ && laatsteGroep_)) {
        s = i + 1;
        while (s <= n_ && t_[s].Punten == t_[i].Punten) ++s;
        if (s > n_ && versoepeld_) laatsteGroep_ = true;
    }

    Keuze k;
    k.kBasis = kTop_;
    uint8_t* kand = kand_.data() + k.kBasis;
    for (int p = i; p < s; ++p) kand[k.l++] = static_cast<uint8_t>(p);
    for (int j = 0; j < b; ++j) kand[k.l++] = w[j];
    std::stable_sort(kand, kand + k.l, [&](uint8_t x, uint8_t y) {
        return t_[x].Sorteersleutel > t_[y].Sorteersleutel;
    });
    std::fill(kandGekozen_.begin() + k.kBasis, kandGekozen_.begin() + k.kBasis + k.l, 0);
    kTop_ += k.l;

    k.gNieuw = gBasis;
    k.wNieuw = wBasis + b;
    for (int x = 0; x <= k.l / 2; ++x) {
        k.f = 2 * x + k.l % 2;
        k.gekozen = 0;
        if (kleurDominant_) {
            Vulwacht(k, true, k.l, k.f);
            if (roosterKlaar_) break;
        }
        Vulwacht(k, false, k.l, k.f);
        if (roosterKlaar_) break;
        if (Opgeven()) {
            merkteken_ = onderzocht_;
            break;
        }
    }
    kTop_ = k.kBasis;
}

// Chooses `aantal` of the first n candidates for the waiting room, the last chosen candidate
// as far to the front as possible first.
void LetterlijkeZoeker::Vulwacht(Keuze& k, bool kleurtest, int n, int aantal) {
    if (aantal == 0 || aantal > n) {
        if (k.gekozen != k.f) return;
        const uint8_t* kand = kand_.data() + k.kBasis;
        const uint8_t* gekozen = kandGekozen_.data() + k.kBasis;
        uint8_t* g = groep_.data() + k.gNieuw;
        int a = 0;
        for (int j = 0; j < k.l; ++j)
            if (!gekozen[j]) g[a++] = kand[j];
        mislukt_ = false;
        Vindwedstrijd(kleurtest, k.gNieuw, a, k.wNieuw, k.f);
        return;
    }
    for (int c = aantal; c <= n; ++c) {
        wacht_[k.wNieuw + k.gekozen] = kand_[k.kBasis + c - 1];
        kandGekozen_[k.kBasis + c - 1] = 1;
        ++k.gekozen;
        Vulwacht(k, kleurtest, c - 1, aantal - 1);
        if (roosterKlaar_) {
            return;
        }
        --k.gekozen;
        kandGekozen_[k.kBasis + c - 1] = 0;
        if (Opgeven()) return;
    }
}

} // namespace velkaro::test
