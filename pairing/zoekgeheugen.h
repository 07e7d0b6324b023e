// The Swiss search's memory of branches that ended without a pairing: keys and values of a
// fixed number of machine words each (chosen per search, so a field of up to 63 players keeps a
// position set in one word), in blocks that are never moved, found through a table of item
// numbers with open addressing.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace velkaro {

class Zoekgeheugen {
public:
    // Keys of `sleutelWoorden` words, values of `waardeWoorden`; at most `maxAantal` entries.
    Zoekgeheugen(int sleutelWoorden, int waardeWoorden, std::size_t maxAantal)
        : k_(static_cast<std::size_t>(sleutelWoorden)), v_(static_cast<std::size_t>(waardeWoorden)),
          max_(maxAantal) {}

    // The value words of the key, or nullptr.
    const uint64_t* Zoek(const uint64_t* sleutel) const {
        if (plekken_.empty()) return nullptr;
        const std::size_t masker = plekken_.size() - 1;
        const uint64_t h = Hash(sleutel);
        const auto merk = static_cast<uint32_t>(h >> 32);
        for (std::size_t i = h & masker;; i = (i + 1) & masker) {
            const Plek p = plekken_[i];
            if (p.nummer == 0) return nullptr;
            if (p.merk != merk) continue;
            const uint64_t* item = Item(p.nummer);
            if (std::equal(item, item + k_, sleutel)) return item + k_;
        }
    }

    // The caller adds only keys it did not find. A full memory starts again empty: what the
    // search meets now is worth more than what it met long ago.
    void Voeg(const uint64_t* sleutel, const uint64_t* waarde) {
        if (aantal_ >= max_) {
            aantal_ = 0;
            std::fill(plekken_.begin(), plekken_.end(), Plek{});
        }
        if (2 * (aantal_ + 1) > plekken_.size()) Groei();
        const std::size_t blok = aantal_ / kPerBlok;
        if (blok == blokken_.size())
            blokken_.push_back(std::make_unique_for_overwrite<uint64_t[]>(kPerBlok * (k_ + v_)));
        uint64_t* item = blokken_[blok].get() + (aantal_ % kPerBlok) * (k_ + v_);
        std::memcpy(item, sleutel, k_ * sizeof(uint64_t));
        std::memcpy(item + k_, waarde, v_ * sizeof(uint64_t));
        Plaats(static_cast<uint32_t>(++aantal_));
    }

private:
    static constexpr std::size_t kPerBlok = 4096;

    const uint64_t* Item(uint32_t nummer) const {
        const std::size_t i = nummer - 1u;
        return blokken_[i / kPerBlok].get() + (i % kPerBlok) * (k_ + v_);
    }

    // An item number (from 1; 0 marks an empty slot) and the high half of its key's hash, so
    // that most keys that differ are told apart without reading the item.
    struct Plek {
        uint32_t nummer = 0, merk = 0;
    };

    uint64_t Hash(const uint64_t* sleutel) const {
        uint64_t h = 0x9E3779B97F4A7C15ull;
        for (std::size_t i = 0; i < k_; ++i) {
            h = (h ^ sleutel[i]) * 0xBF58476D1CE4E5B9ull;
            h ^= h >> 31;
        }
        return h;
    }

    void Plaats(uint32_t nummer) {
        const std::size_t masker = plekken_.size() - 1;
        const uint64_t h = Hash(Item(nummer));
        std::size_t i = h & masker;
        while (plekken_[i].nummer != 0) i = (i + 1) & masker;
        plekken_[i] = {nummer, static_cast<uint32_t>(h >> 32)};
    }

    void Groei() {
        plekken_.assign(plekken_.empty() ? 4096 : 2 * plekken_.size(), Plek{});
        for (std::size_t nummer = 1; nummer <= aantal_; ++nummer)
            Plaats(static_cast<uint32_t>(nummer));
    }

    std::size_t k_, v_, max_;
    std::size_t aantal_ = 0;
    std::vector<Plek> plekken_;
    std::vector<std::unique_ptr<uint64_t[]>> blokken_;
};

} // namespace velkaro
