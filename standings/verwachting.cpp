#include "standings/verwachting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace velkaro {

namespace {

// Fixed points of the table, which results computed elsewhere with the same table must
// reproduce. Between them the table follows the normal distribution with a standard deviation
// of 2000/7 points, bent linearly so that it passes exactly through every fixed point.
struct Ijkpunt {
    int d;
    double t;
};
constexpr std::array<Ijkpunt, 10> kIjkpunten{{{0, 0.0},
                                              {1, 0.001401},
                                              {10, 0.013972},
                                              {50, 0.069449},
                                              {100, 0.136842},
                                              {200, 0.258002},
                                              {400, 0.419183},
                                              {600, 0.481688},
                                              {800, 0.495005},
                                              {935, 0.5}}};

double Normaal(int d) {
    return 0.5 * std::erf(0.0035 * d / std::sqrt(2.0));
}

std::array<double, kVerwachtingGrootte> MaakTabel() {
    std::array<double, kVerwachtingGrootte> t{};
    for (std::size_t k = 0; k + 1 < kIjkpunten.size(); ++k) {
        const auto& a = kIjkpunten[k];
        const auto& b = kIjkpunten[k + 1];
        const double ca = a.t - Normaal(a.d), cb = b.t - Normaal(b.d);
        for (int d = a.d; d <= b.d; ++d) {
            const double f = static_cast<double>(d - a.d) / (b.d - a.d);
            const double v = Normaal(d) + ca + f * (cb - ca);
            // Six decimals, the precision of the fixed points.
            t[static_cast<std::size_t>(d)] = std::nearbyint(v * 1e6) / 1e6;
        }
    }
    return t;
}

const std::array<double, kVerwachtingGrootte>& Tabel() {
    static const auto tabel = MaakTabel();
    return tabel;
}

} // namespace

double T(int d) {
    const long long a = std::llabs(static_cast<long long>(d));
    return Tabel()[static_cast<std::size_t>(std::min<long long>(a, kVerwachtingGrootte - 1))];
}

double Verwachting(int d) {
    return d >= 0 ? 0.5 + T(d) : 0.5 - T(d);
}

int Verschil(double p) {
    const double doel = std::fabs(p - 0.5);
    // The table holds six decimals; a fraction that equals a table value may arrive a few
    // units in the last place above it, which must not push it to the next difference.
    constexpr double kMarge = 1e-9;
    const auto& t = Tabel();
    const auto it = std::lower_bound(t.begin(), t.end(), doel - kMarge);
    const int d = it == t.end() ? kVerwachtingGrootte - 1 : static_cast<int>(it - t.begin());
    return p < 0.5 ? -d : d;
}

} // namespace velkaro
