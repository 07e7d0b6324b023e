// Reals to whole totals: the two roundings the standings use, both saturated to 32 bits so
// that an absurd value gives an absurd total rather than an overflow.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace velkaro::stand {

// A real as a whole number: saturated, and 0 for a value that is no number.
inline int32_t Geheel(double x) {
    if (std::isnan(x)) return 0;
    return static_cast<int32_t>(std::clamp(x, -2147483648.0, 2147483647.0));
}
// Rounded: halves to the even neighbour.
inline int32_t Rond(double x) {
    return Geheel(std::nearbyint(x));
}
// Rounded half up: add 0.5 and truncate.
inline int32_t RondOp(double x) {
    return Geheel(std::trunc(x + 0.5));
}

} // namespace velkaro::stand
