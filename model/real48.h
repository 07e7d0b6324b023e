// The six-byte real of the player record: a double held to the precision of a
// 48-bit real (8-bit exponent with bias 129, 39-bit mantissa, sign bit).
#pragma once

#include <array>
#include <cstdint>

namespace velkaro {

class Real48 {
public:
    Real48() = default;
    Real48(double waarde) : waarde_(Rond(waarde)) {} // NOLINT: converts like the record field

    operator double() const { return waarde_; }
    double Waarde() const { return waarde_; }

    // The six bytes as the record lays them out: exponent byte first, sign in the top bit of
    // the last byte.
    std::array<uint8_t, 6> Bytes() const;
    static Real48 VanBytes(const std::array<uint8_t, 6>& b);

    // Rounds a double to the nearest value a 48-bit real can hold (halves to even); values
    // below the smallest magnitude become 0, values beyond the largest are clamped.
    static double Rond(double x);

    friend bool operator==(Real48 a, Real48 b) { return a.waarde_ == b.waarde_; }

private:
    double waarde_ = 0.0;
};

} // namespace velkaro
