#include "pairing/plaats_rooster.h"

#include "standings/stand.h"

#include <cstdlib>

namespace velkaro {

Paartabel BouwPlaatstabel(const Competitie& c, int32_t ronde) {
    Paartabel t(1);
    int32_t plaats = 0;
    for (const auto& regel : c.Ranglijst) {
        const TSpelerObj& s = *regel.Speler;
        const bool telt = s.InRooster() || int64_t{s.G().AantalPartijen} * 2 >= ronde - 1;
        if (telt) ++plaats;
        if (!s.InRooster()) continue;
        Paarregel r = MaakPaarregel(s);
        r.Plaatsnummer = plaats;
        t.push_back(std::move(r));
    }
    return t;
}

Paartabel BouwLarentabel(const Competitie& c) {
    Paartabel t(1);
    for (const auto& regel : c.Ranglijst)
        if (regel.Speler->InRooster()) t.push_back(MaakPaarregel(*regel.Speler));
    return t;
}

int64_t Plaatswaarde(const Paartabel& t, const Ontmoetingsmatrix& m, int i, int j,
                     const Plaatsinstellingen& p, int32_t ronde) {
    const Paarregel& a = t[static_cast<std::size_t>(i)];
    const Paarregel& b = t[static_cast<std::size_t>(j)];
    int64_t v = 0;
    if (a.AantalPartijen <= p.MinWed || b.AantalPartijen <= p.MinWed) {
        const int64_t d = std::abs(a.Categoriecijfer - b.Categoriecijfer);
        if (d > 1) v = 1000 * d * d;
    }
    int64_t afstand = std::abs(int64_t{a.Plaatsnummer} - b.Plaatsnummer);
    if (!m.Gespeeld(i, j)) {
        afstand = afstand <= p.PlaatsAfstand ? 0 : afstand - p.PlaatsAfstand;
        return v + afstand * afstand;
    }
    v += afstand * afstand;
    // A meeting fewer rounds ago than the round space costs the more, the more recent it was.
    const int64_t geleden = int64_t{ronde} - m.LaatsteRonde(i, j);
    const int64_t q = geleden <= p.Geleden ? geleden - p.Geleden : 0;
    const int64_t keer = m.GescandAantal(i, j);
    return v + 100000 * keer * keer + 1000 * q * q;
}

int64_t Larenpaarwaarde(const Paartabel& t, const Ontmoetingsmatrix& m, int i, int j, int32_t helft,
                        int32_t ronde) {
    const Paarregel& a = t[static_cast<std::size_t>(i)];
    const Paarregel& b = t[static_cast<std::size_t>(j)];
    int64_t v = 0;
    if (a.Categoriecijfer == 9) {
        v = 2000 - int64_t{b.AantalPartijen} * b.AantalPartijen;
    } else if (b.Categoriecijfer == 9) {
        v = 2000 - int64_t{a.AantalPartijen} * a.AantalPartijen;
    } else if (a.AantalPartijen < 2 && b.AantalPartijen < 2) {
        v = std::abs(int64_t{a.Larenwaarde} - b.Larenwaarde);
    } else {
        v = 2 * std::abs(helft - std::abs(int64_t{a.LarenVolgorde} - b.LarenVolgorde));
        for (const auto& [x, y] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
            // About a third of the games should be within the own playing group.
            const int32_t deel = x->AantalPartijen * 35 / 100;
            const bool zelfde = x->Categoriecijfer == y->Categoriecijfer;
            if (deel < x->GroepPartijen && zelfde) v += 50;
            if (deel > x->GroepPartijen && !zelfde) v += 50;
        }
    }
    return v + Herhaalstraf(t, m, i, j, ronde);
}

Ruilparing::Ruilparing(int n, std::vector<int64_t> waarde, Gelijkeruil gelijk, Paarstand& s)
    : n_(n), waarde_(std::move(waarde)), gelijk_(gelijk), s_(s) {}

void Ruilparing::Startparing() {
    std::vector<int> beste(static_cast<std::size_t>(n_) + 1, 0);
    std::vector<char> kiesbaar(static_cast<std::size_t>(n_) + 1, 0);
    for (int i = 1; i <= n_; ++i) {
        for (int j = 1; j <= n_; ++j)
            if (j != i && (beste[static_cast<std::size_t>(i)] == 0 ||
                           Waarde(i, j) > Waarde(i, beste[static_cast<std::size_t>(i)])))
                beste[static_cast<std::size_t>(i)] = j;
        kiesbaar[static_cast<std::size_t>(i)] = beste[static_cast<std::size_t>(i)] != 0;
    }
    for (;;) {
        int r = 0;
        for (int i = 1; i <= n_; ++i) {
            if (!kiesbaar[static_cast<std::size_t>(i)]) continue;
            if (r == 0 || Waarde(i, beste[static_cast<std::size_t>(i)]) >
                              Waarde(r, beste[static_cast<std::size_t>(r)]))
                r = i;
        }
        if (r == 0) return;
        const int p = beste[static_cast<std::size_t>(r)];
        if (s_.Partner(r) == 0 && s_.Partner(p) == 0) s_.Koppel(r, p, Waarde(r, p));
        kiesbaar[static_cast<std::size_t>(r)] = kiesbaar[static_cast<std::size_t>(p)] = 0;
    }
}

void Ruilparing::VulAan() {
    for (int p = 1; p <= n_; ++p) {
        if (s_.Partner(p) != 0) continue;
        for (int q = p + 1; q <= n_; ++q)
            if (s_.Partner(q) == 0) {
                s_.Koppel(p, q, Waarde(p, q));
                break;
            }
    }
}

bool Ruilparing::Ruil(int i, int j) {
    const int a = s_.Partner(i), b = s_.Partner(j);
    if (a <= 0 || b <= 0 || i == j || a == j || a == b || i == b) return false;
    const int64_t huidig = s_.Paarwaarde(i) + s_.Paarwaarde(j);
    const int64_t alt1 = Waarde(i, b) + Waarde(a, j);
    const int64_t alt2 = Waarde(i, j) + Waarde(a, b);
    bool veranderd = false;
    if (alt1 <= alt2 && alt1 < huidig) {
        s_.Ruil(i, b, Waarde(i, b), a, j, Waarde(a, j));
        veranderd = true;
    }
    const bool tweede = gelijk_ == Gelijkeruil::Plaats ? alt2 <= alt1 : alt2 < alt1;
    if (tweede && alt2 < huidig) {
        s_.Ruil(i, j, Waarde(i, j), a, b, Waarde(a, b));
        veranderd = true;
    }
    return veranderd;
}

bool Ruilparing::Verbeter(Voortgang& voortgang, long long& rondes) {
    bool veranderd = true;
    for (int ronde = 1; ronde <= kMaxRondes && veranderd; ++ronde) {
        ++rondes;
        voortgang.Teller(rondes);
        if (voortgang.Stoppen()) return false;
        veranderd = false;
        if (n_ <= kMatrixGrens) {
            // First the worst pair against every other.
            int w = 1;
            for (int p = 2; p <= n_; ++p)
                if (s_.Paarwaarde(p) > s_.Paarwaarde(w)) w = p;
            for (int j = 1; j <= n_; ++j)
                if (j != w && Ruil(j, w)) veranderd = true;
        }
        if (veranderd) continue;
        for (int i = 1; i <= n_; ++i) {
            if (voortgang.Stoppen()) return false;
            for (int j = 1; j <= n_; ++j)
                if (Ruil(i, j)) veranderd = true;
        }
    }
    return !voortgang.Stoppen();
}

namespace {

template <class Waarde>
Roosterresultaat Waardeparing(Competitie& c, int32_t ronde, Roosteromgeving& omg, bool laren,
                              Waarde waarde) {
    Roosterresultaat res;
    if (c.Wedstrijden.verwijderronde(ronde)) c.MarkeerHerberekenen();
    ranglijst_sorteren(c, true);
    const Paartabel t = laren ? BouwLarentabel(c) : BouwPlaatstabel(c, ronde);
    const int n = static_cast<int>(t.size()) - 1;
    if (n % 2 != 0) {
        MeldOnevenAantal(omg.gesprek, false);
        res.Uitkomst = Roosteruitkomst::KanNietParen;
        return res;
    }
    if (n > kMaxPosities) {
        MeldKanNietParen(omg.gesprek);
        res.Uitkomst = Roosteruitkomst::KanNietParen;
        return res;
    }

    Ontmoetingen ontmoetingen(c);
    const Ontmoetingsmatrix matrix(t, ontmoetingen);
    // Every value once: the small fields keep a matrix, and so do the larger ones here, which
    // only changes how often a value is computed, not which one.
    const std::size_t breedte = static_cast<std::size_t>(n) + 1;
    std::vector<int64_t> waarden(breedte * breedte, 0);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            if (i != j)
                waarden[static_cast<std::size_t>(i) * breedte + static_cast<std::size_t>(j)] =
                    waarde(t, matrix, i, j);

    Paarstand s(t, omg.voortgang);
    Ruilparing paring(n, std::move(waarden), laren ? Gelijkeruil::Laren : Gelijkeruil::Plaats, s);
    if (n <= Ruilparing::kMatrixGrens) paring.Startparing();
    paring.VulAan();
    s.ToonParen();
    if (!paring.Verbeter(omg.voortgang, res.Onderzocht)) {
        res.Uitkomst = Roosteruitkomst::Gestopt;
        return res;
    }
    ontmoetingen.Vrijgeven();
    SchrijfWaardeparing(c, ronde, t, s, res);
    return res;
}

} // namespace

Roosterresultaat StelHuizumRoosterSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg) {
    const Plaatsinstellingen p{c.MinWed, c.PlaatsAfstand, c.Geleden};
    return Waardeparing(c, ronde, omg, false,
                        [&](const Paartabel& t, const Ontmoetingsmatrix& m, int i, int j) {
                            return Plaatswaarde(t, m, i, j, p, ronde);
                        });
}

Roosterresultaat StelLarenRoosterSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg) {
    return Waardeparing(c, ronde, omg, true,
                        [&](const Paartabel& t, const Ontmoetingsmatrix& m, int i, int j) {
                            // The standings have just refilled the ranking list.
                            const auto helft = static_cast<int32_t>(c.Ranglijst.Aantal() / 2);
                            return Larenpaarwaarde(t, m, i, j, helft, ronde);
                        });
}

} // namespace velkaro
