#include "pairing/volledige_paring.h"

#include <algorithm>

namespace velkaro {

namespace {
constexpr std::size_t kN = Posities::kAantal;
}

VolledigeParing::VolledigeParing()
    : index_(kN, 0), positie_(kN, 0), buren_(kN * kN, 0), aantalBuren_(kN, 0), partner_(kN, -1),
      ouder_(kN, -1), basis_(kN, 0), rij_(kN, 0), gebruikt_(kN, 0), bloesem_(kN, 0),
      gezien_(kN, 0) {}

int VolledigeParing::GemeenschappelijkeBasis(int a, int b) {
    std::fill(gezien_.begin(), gezien_.begin() + m_, 0);
    for (;;) {
        a = basis_[static_cast<std::size_t>(a)];
        gezien_[static_cast<std::size_t>(a)] = 1;
        if (partner_[static_cast<std::size_t>(a)] == -1) break;
        a = ouder_[static_cast<std::size_t>(partner_[static_cast<std::size_t>(a)])];
    }
    for (;;) {
        b = basis_[static_cast<std::size_t>(b)];
        if (gezien_[static_cast<std::size_t>(b)]) return b;
        b = ouder_[static_cast<std::size_t>(partner_[static_cast<std::size_t>(b)])];
    }
}

void VolledigeParing::MarkeerPad(int v, int b, int kind) {
    while (basis_[static_cast<std::size_t>(v)] != b) {
        const int w = partner_[static_cast<std::size_t>(v)];
        bloesem_[static_cast<std::size_t>(basis_[static_cast<std::size_t>(v)])] = 1;
        bloesem_[static_cast<std::size_t>(basis_[static_cast<std::size_t>(w)])] = 1;
        ouder_[static_cast<std::size_t>(v)] = kind;
        kind = w;
        v = ouder_[static_cast<std::size_t>(w)];
    }
}

// Breadth-first search for an augmenting path from an unpaired root, contracting odd cycles;
// the unpaired end of the path, or -1.
int VolledigeParing::Pad(int wortel) {
    const auto m = static_cast<std::size_t>(m_);
    std::fill(gebruikt_.begin(), gebruikt_.begin() + static_cast<long>(m), 0);
    std::fill(ouder_.begin(), ouder_.begin() + static_cast<long>(m), -1);
    for (std::size_t i = 0; i < m; ++i) basis_[i] = static_cast<int>(i);
    gebruikt_[static_cast<std::size_t>(wortel)] = 1;
    std::size_t kop = 0, staart = 0;
    rij_[staart++] = wortel;
    while (kop < staart) {
        const int v = rij_[kop++];
        const int* lijst = buren_.data() + static_cast<std::size_t>(v) * kN;
        for (int j = 0; j < aantalBuren_[static_cast<std::size_t>(v)]; ++j) {
            const int naar = lijst[j];
            const auto un = static_cast<std::size_t>(naar);
            if (basis_[static_cast<std::size_t>(v)] == basis_[un] ||
                partner_[static_cast<std::size_t>(v)] == naar)
                continue;
            if (naar == wortel ||
                (partner_[un] != -1 && ouder_[static_cast<std::size_t>(partner_[un])] != -1)) {
                const int b = GemeenschappelijkeBasis(v, naar);
                std::fill(bloesem_.begin(), bloesem_.begin() + static_cast<long>(m), 0);
                MarkeerPad(v, b, naar);
                MarkeerPad(naar, b, v);
                for (std::size_t i = 0; i < m; ++i) {
                    if (!bloesem_[static_cast<std::size_t>(basis_[i])]) continue;
                    basis_[i] = b;
                    if (!gebruikt_[i]) {
                        gebruikt_[i] = 1;
                        rij_[staart++] = static_cast<int>(i);
                    }
                }
            } else if (ouder_[un] == -1) {
                ouder_[un] = v;
                if (partner_[un] == -1) return naar;
                gebruikt_[static_cast<std::size_t>(partner_[un])] = 1;
                rij_[staart++] = partner_[un];
            }
        }
    }
    return -1;
}

int VolledigeParing::Zoek(int grens) {
    const auto m = static_cast<std::size_t>(m_);
    std::fill(partner_.begin(), partner_.begin() + static_cast<long>(m), -1);
    // A greedy start; the augmenting paths do the rest.
    for (std::size_t v = 0; v < m; ++v) {
        if (partner_[v] != -1) continue;
        const int* lijst = buren_.data() + v * kN;
        for (int j = 0; j < aantalBuren_[v]; ++j)
            if (partner_[static_cast<std::size_t>(lijst[j])] == -1) {
                partner_[v] = lijst[j];
                partner_[static_cast<std::size_t>(lijst[j])] = static_cast<int>(v);
                break;
            }
    }
    int ongepaard = 0;
    for (std::size_t v = 0; v < m; ++v) {
        if (partner_[v] != -1) continue;
        // A player without an augmenting path now never gets one.
        int eind = Pad(static_cast<int>(v));
        if (eind == -1) {
            if (++ongepaard > grens) return ongepaard;
            continue;
        }
        while (eind != -1) {
            const int ouder = ouder_[static_cast<std::size_t>(eind)];
            const int volgende = partner_[static_cast<std::size_t>(ouder)];
            partner_[static_cast<std::size_t>(eind)] = ouder;
            partner_[static_cast<std::size_t>(ouder)] = eind;
            eind = volgende;
        }
    }
    return ongepaard;
}

} // namespace velkaro
