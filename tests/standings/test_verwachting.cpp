// The expected-score table: its fixed values, its shape and the inverse.
#include "standings/verwachting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace velkaro;

namespace {
double Normaal(int d) {
    return 0.5 * std::erf(0.0035 * d / std::sqrt(2.0));
}
} // namespace

TEST(Verwachting, VasteWaarden) {
    EXPECT_EQ(T(0), 0.0);
    EXPECT_DOUBLE_EQ(T(1), 0.001401);
    EXPECT_DOUBLE_EQ(T(10), 0.013972);
    EXPECT_DOUBLE_EQ(T(50), 0.069449);
    EXPECT_DOUBLE_EQ(T(100), 0.136842);
    EXPECT_DOUBLE_EQ(T(200), 0.258002);
    EXPECT_DOUBLE_EQ(T(400), 0.419183);
    EXPECT_DOUBLE_EQ(T(600), 0.481688);
    EXPECT_DOUBLE_EQ(T(800), 0.495005);
    EXPECT_EQ(T(935), 0.5);
}

TEST(Verwachting, TabelVolgtDeNormaleVerdeling) {
    for (int d = 0; d < kVerwachtingGrootte; ++d) {
        EXPECT_NEAR(T(d), Normaal(d), 0.003) << d;
        EXPECT_LE(T(d), 0.5) << d;
        // Six decimals, like the fixed points.
        EXPECT_NEAR(T(d) * 1e6, std::nearbyint(T(d) * 1e6), 1e-6) << d;
        // Strictly rising, so that the inverse finds every difference back.
        if (d > 0) {
            EXPECT_GT(T(d), T(d - 1)) << d;
        }
    }
}

TEST(Verwachting, GroteEnNegatieveVerschillen) {
    EXPECT_EQ(std::forward_as_tuple(T(936), T(5000), T(-100), T(std::numeric_limits<int>::min()),
                                    Verwachting(0)),
              std::make_tuple(0.5, 0.5, T(100), 0.5, 0.5));
    EXPECT_DOUBLE_EQ(Verwachting(100), 0.636842);
    EXPECT_DOUBLE_EQ(Verwachting(-100), 0.363158);
    EXPECT_EQ(Verwachting(2000), 1.0);
    EXPECT_EQ(Verwachting(-2000), 0.0);
    for (int d = -1000; d <= 1000; d += 7) EXPECT_DOUBLE_EQ(Verwachting(d) + Verwachting(-d), 1.0);
}

TEST(Verwachting, VerschilIsDeInverse) {
    EXPECT_EQ(std::forward_as_tuple(Verschil(0.5), Verschil(1.0), Verschil(0.0), Verschil(1.7),
                                    Verschil(-0.2)),
              std::make_tuple(0, 935, -935, 935, -935));
    // Exactly a table value gives that difference, a hair above it the next one.
    EXPECT_EQ(std::forward_as_tuple(Verschil(0.5 + 0.136842), Verschil(0.5 + 0.136841),
                                    Verschil(0.5 + 0.136843), Verschil(0.5 - 0.136842)),
              std::make_tuple(100, 100, 101, -100));
    for (int d = 0; d < kVerwachtingGrootte; ++d) {
        EXPECT_EQ(Verschil(Verwachting(d)), d) << d;
        EXPECT_EQ(Verschil(Verwachting(-d)), -d) << d;
    }
}

TEST(Verwachting, PrestatieVanTweeUitTwee) {
    // Two wins from two games with one extra half point over one extra game: p = 5/6. The
    // normal distribution puts that at 0.9674 standard deviations, 276.4 points; the table may
    // differ by 0.003 in T, a few points in the difference.
    const int d = Verschil(5 * 0.5 / 3);
    EXPECT_GE(d, 272);
    EXPECT_LE(d, 281);
    EXPECT_EQ(Verschil(1 - 5 * 0.5 / 3), -d);
}
