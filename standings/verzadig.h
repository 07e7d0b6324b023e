// Saturating sums for the 32-bit totals: a file with absurd numbers or codes must give
// absurd totals, never an overflow.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace velkaro::stand {

inline int32_t Verzadig(int64_t x) {
    return static_cast<int32_t>(std::clamp<int64_t>(x, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

inline void TelOp(int32_t& veld, int64_t erbij) {
    veld = Verzadig(int64_t{veld} + erbij);
}

} // namespace velkaro::stand
