#include "model/real48.h"

#include <cmath>
#include <limits>

namespace velkaro {

namespace {
constexpr int kBias = 129;
constexpr int kMantisseBits = 39;
} // namespace

double Real48::Rond(double x) {
    if (x == 0.0 || std::isnan(x)) return 0.0;
    const bool negatief = x < 0;
    double a = std::fabs(x);
    int e = 0;
    double m = std::frexp(a, &e); // a = m * 2^e, 0.5 <= m < 1
    // 1 hidden bit + 39 stored bits: scale to a 40-bit integer and round halves to even.
    double geschaald = std::nearbyint(std::ldexp(m, kMantisseBits + 1));
    if (geschaald >= std::ldexp(1.0, kMantisseBits + 1)) {
        geschaald = std::ldexp(1.0, kMantisseBits);
        ++e;
    }
    // Exponent byte = e + 128 (value = 1.f * 2^(byte - 129) with 1.f = 2m).
    const int byte = e + kBias - 1;
    double r;
    if (byte < 1) {
        r = 0.0;
    } else if (byte > 255) {
        r = std::ldexp(std::ldexp(1.0, kMantisseBits + 1) - 1.0,
                       255 - kBias + 1 - (kMantisseBits + 1));
    } else {
        r = std::ldexp(geschaald, e - (kMantisseBits + 1));
    }
    return negatief ? -r : r;
}

std::array<uint8_t, 6> Real48::Bytes() const {
    std::array<uint8_t, 6> b{};
    if (waarde_ == 0.0) return b;
    int e = 0;
    double m = std::frexp(std::fabs(waarde_), &e);
    const auto mantisse = static_cast<uint64_t>(std::ldexp(m, kMantisseBits + 1)) &
                          ((uint64_t{1} << kMantisseBits) - 1);
    b[0] = static_cast<uint8_t>(e + kBias - 1);
    for (int i = 0; i < 5; ++i) b[1 + i] = static_cast<uint8_t>(mantisse >> (8 * i));
    if (waarde_ < 0) b[5] |= 0x80;
    return b;
}

Real48 Real48::VanBytes(const std::array<uint8_t, 6>& b) {
    if (b[0] == 0) return Real48{};
    uint64_t mantisse = 0;
    for (int i = 0; i < 5; ++i) mantisse |= static_cast<uint64_t>(b[1 + i]) << (8 * i);
    const bool negatief = (mantisse >> kMantisseBits) & 1;
    mantisse &= (uint64_t{1} << kMantisseBits) - 1;
    const double v = std::ldexp(static_cast<double>(mantisse | (uint64_t{1} << kMantisseBits)),
                                b[0] - kBias - kMantisseBits);
    return Real48{negatief ? -v : v};
}

} // namespace velkaro
