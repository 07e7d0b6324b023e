// Whether a set of players can be paired completely by admissible pairs: a maximum matching by
// Edmonds' blossom search, on buffers made once, so the Swiss search can ask at every level
// without allocating.
#pragma once

#include "pairing/posities.h"

#include <cstdint>
#include <vector>

namespace velkaro {

class VolledigeParing {
public:
    VolledigeParing();

    // rij(p) gives the positions p may meet (p itself may be in it, and players outside the set);
    // true when the players of the set can all be paired among themselves.
    template <class Rij> bool Bestaat(const Posities& spelers, Rij rij) {
        Laad(spelers, rij);
        return m_ % 2 == 0 && Zoek(0) == 0;
    }

    // How many players of the set a largest pairing among themselves leaves unpaired; once more
    // than `grens`, the search stops and the number it gives is above `grens` but may be short
    // of the whole.
    template <class Rij>
    int Tekort(const Posities& spelers, Rij rij, int grens = Posities::kAantal) {
        Laad(spelers, rij);
        return Zoek(grens);
    }

private:
    template <class Rij> void Laad(const Posities& spelers, Rij rij) {
        m_ = 0;
        spelers.VoorElke([&](int p) {
            index_[static_cast<std::size_t>(p)] = static_cast<int16_t>(m_);
            positie_[static_cast<std::size_t>(m_++)] = static_cast<uint8_t>(p);
            return true;
        });
        for (int i = 0; i < m_; ++i) {
            int* lijst = buren_.data() + i * Posities::kAantal;
            int aantal = 0;
            const int p = positie_[static_cast<std::size_t>(i)];
            spelers.Snijding(rij(p)).VoorElke([&](int q) {
                if (q != p) lijst[aantal++] = index_[static_cast<std::size_t>(q)];
                return true;
            });
            aantalBuren_[static_cast<std::size_t>(i)] = aantal;
        }
    }
    // The players a largest pairing leaves unpaired, counted up to one more than `grens`.
    int Zoek(int grens);
    int Pad(int wortel);
    int GemeenschappelijkeBasis(int a, int b);
    void MarkeerPad(int v, int basis, int kind);

    int m_ = 0;
    std::vector<int16_t> index_;
    std::vector<uint8_t> positie_;
    std::vector<int> buren_, aantalBuren_; // neighbour lists by index, m × 256
    std::vector<int> partner_, ouder_, basis_, rij_;
    std::vector<uint8_t> gebruikt_, bloesem_, gezien_;
};

} // namespace velkaro
