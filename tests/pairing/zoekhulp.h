// Hand-built input for the Swiss search: a player table from a few numbers per position and
// the played-before rows from a list of pairs.
#pragma once

#include "pairing/speltabel.h"

#include <string>
#include <utility>
#include <vector>

namespace velkaro::test {

struct Rij {
    int Punten = 0;
    int Kleurwaarde = 0;
    int Notering = 0;
    int Partijen = 0;
    int Weerstand = 0;
};

// Positions 1..N in the given order; internal number = position, name "P<position>".
inline Speltabel Tabel(const std::vector<Rij>& rijen) {
    Speltabel t(1);
    int p = 0;
    for (const auto& r : rijen) {
        Spelregel s;
        s.Naam = "P" + std::to_string(++p);
        s.Punten = r.Punten;
        s.Kleurwaarde = r.Kleurwaarde;
        s.Notering = static_cast<uint8_t>(r.Notering);
        s.AantalPartijen = r.Partijen;
        s.Weerstandspunten = r.Weerstand;
        s.InternNummer = p;
        t.push_back(s);
    }
    ZetSorteersleutels(t);
    return t;
}

inline std::vector<Posities> Gespeeld(const Speltabel& t,
                                      const std::vector<std::pair<int, int>>& paren) {
    std::vector<Posities> r(t.size());
    for (auto [a, b] : paren) {
        r[static_cast<std::size_t>(a)].Zet(b);
        r[static_cast<std::size_t>(b)].Zet(a);
    }
    return r;
}

// The pairs of a partner table, each once, by its first position.
inline std::vector<std::pair<int, int>> Paren(const std::vector<int>& partner) {
    std::vector<std::pair<int, int>> p;
    for (int i = 1; i < static_cast<int>(partner.size()); ++i)
        if (partner[static_cast<std::size_t>(i)] > i)
            p.emplace_back(i, partner[static_cast<std::size_t>(i)]);
    return p;
}

} // namespace velkaro::test
