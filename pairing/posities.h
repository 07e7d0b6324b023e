// A set of table positions 0..255 in four machine words: the search's played-before rows
// and feasibility tests are a few word operations instead of scans.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace velkaro {

class Posities {
public:
    static constexpr int kAantal = 256;

    void Zet(int p) { w_[Woord(p)] |= Bit(p); }
    void Wis(int p) { w_[Woord(p)] &= ~Bit(p); }
    bool Heeft(int p) const { return (w_[Woord(p)] & Bit(p)) != 0; }
    bool Leeg() const { return (w_[0] | w_[1] | w_[2] | w_[3]) == 0; }
    // The lowest position in the set; -1 when empty.
    int Eerste() const {
        for (int i = 0; i < 4; ++i)
            if (w_[static_cast<std::size_t>(i)] != 0)
                return i * 64 + std::countr_zero(w_[static_cast<std::size_t>(i)]);
        return -1;
    }
    // True when this set and `a` share a position other than p that `b` lacks.
    bool SnijdtZonder(const Posities& a, const Posities& b, int p) const {
        for (std::size_t i = 0; i < 4; ++i) {
            uint64_t x = w_[i] & a.w_[i] & ~b.w_[i];
            if (i == Woord(p)) x &= ~Bit(p);
            if (x != 0) return true;
        }
        return false;
    }
    // True when this set holds a position other than p that `b` lacks.
    bool HeeftZonder(const Posities& b, int p) const {
        for (std::size_t i = 0; i < 4; ++i) {
            uint64_t x = w_[i] & ~b.w_[i];
            if (i == Woord(p)) x &= ~Bit(p);
            if (x != 0) return true;
        }
        return false;
    }
    Posities Snijding(const Posities& a) const {
        Posities r;
        for (std::size_t i = 0; i < 4; ++i) r.w_[i] = w_[i] & a.w_[i];
        return r;
    }
    void Voeg(const Posities& a) {
        for (std::size_t i = 0; i < 4; ++i) w_[i] |= a.w_[i];
    }
    int Aantal() const {
        return std::popcount(w_[0]) + std::popcount(w_[1]) + std::popcount(w_[2]) +
               std::popcount(w_[3]);
    }
    Posities Zonder(const Posities& a) const {
        Posities r;
        for (std::size_t i = 0; i < 4; ++i) r.w_[i] = w_[i] & ~a.w_[i];
        return r;
    }
    // Calls f(position) in ascending order while it returns true; false when f stopped.
    template <class F> bool VoorElke(F&& f) const {
        for (std::size_t i = 0; i < 4; ++i)
            for (uint64_t x = w_[i]; x != 0; x &= x - 1)
                if (!f(static_cast<int>(i) * 64 + std::countr_zero(x))) return false;
        return true;
    }
    bool operator==(const Posities&) const = default;
    // The four words, lowest positions first, for keys that copy the set as bytes.
    const std::array<uint64_t, 4>& Woorden() const { return w_; }
    std::size_t Hash() const {
        std::size_t h = 0;
        for (uint64_t w : w_) h = (h ^ static_cast<std::size_t>(w)) * 0x9E3779B97F4A7C15ull;
        return h;
    }

private:
    static std::size_t Woord(int p) { return static_cast<std::size_t>(p) >> 6; }
    static uint64_t Bit(int p) { return uint64_t{1} << (static_cast<unsigned>(p) & 63u); }
    std::array<uint64_t, 4> w_{};
};

} // namespace velkaro
