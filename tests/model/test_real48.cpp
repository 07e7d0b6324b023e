#include "model/real48.h"

#include <gtest/gtest.h>

#include <cmath>

using velkaro::Real48;

TEST(Real48, HoudtWaardenDieHetFormaatExactKent) {
    for (double x : {0.0, 1.0, -1.0, 1.5, 0.25, 1234.5, -60.0, 1e10})
        EXPECT_EQ(static_cast<double>(Real48(x)), x) << x;
}

TEST(Real48, RondtAfOp39BitsMantisse) {
    // 1/3 has an infinite binary expansion: the stored value differs from the double but by
    // less than half a unit in the 40th significant bit.
    const double x = 1.0 / 3.0;
    const double r = Real48(x);
    EXPECT_NE(r, x);
    EXPECT_LE(std::fabs(r - x), std::ldexp(x, -40));
    // Rounding is idempotent.
    EXPECT_EQ(static_cast<double>(Real48(r)), r);
    // About 11 significant digits survive.
    EXPECT_NEAR(static_cast<double>(Real48(2.718281828459045)), 2.718281828459045, 1e-11);
}

TEST(Real48, GrenzenVanHetBereik) {
    EXPECT_EQ(static_cast<double>(Real48(1e-60)), 0.0); // below 2^-128: zero
    EXPECT_GT(static_cast<double>(Real48(1e60)), 1e37); // clamped, not infinite
    EXPECT_TRUE(std::isfinite(static_cast<double>(Real48(1e300))));
    EXPECT_EQ(static_cast<double>(Real48(std::nan(""))), 0.0);
}

TEST(Real48, ZesBytesHeenEnTerug) {
    for (double x : {1.0, -2.5, 1.0 / 3.0, 123456.789, 0.0}) {
        const Real48 r(x);
        EXPECT_EQ(Real48::VanBytes(r.Bytes()), r) << x;
    }
    // 1.0: exponent byte 129, mantissa 0, sign clear.
    const auto b = Real48(1.0).Bytes();
    EXPECT_EQ(b[0], 129);
    for (int i = 1; i < 6; ++i) EXPECT_EQ(b[i], 0);
    EXPECT_EQ(Real48(-1.0).Bytes()[5], 0x80);
}
