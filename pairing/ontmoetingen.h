// Who met whom before a pairing: the meeting table over the internal numbers 1..255, and the
// played-before, meeting-count and last-meeting tests that read it or scan the matches.
#pragma once

#include "model/competitie.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace velkaro {

// Cell (a, b) counts the matches between a and b in either colour that have a result or are
// adjourned, with both numbers positive. A cell stops at 255 rather than wrapping to 0.
class Ontmoetingstabel {
public:
    static constexpr int32_t kHoogsteNummer = 255;

    explicit Ontmoetingstabel(const twedstrijdverzameling& wedstrijden);

    int Aantal(int32_t a, int32_t b) const {
        return Binnen(a) && Binnen(b) ? cellen_[Cel(a, b)] : 0;
    }
    bool Gespeeld(int32_t a, int32_t b) const { return Aantal(a, b) > 0; }

private:
    static bool Binnen(int32_t n) { return n >= 1 && n <= kHoogsteNummer; }
    static std::size_t Cel(int32_t a, int32_t b) {
        return static_cast<std::size_t>(a) * (kHoogsteNummer + 1) + static_cast<std::size_t>(b);
    }
    std::vector<uint8_t> cellen_;
};

// The tests as the pairing routines use them: while the table exists they read it, otherwise
// (a competition with an internal number above 255, or after Vrijgeven) they scan the match
// collection, where every match counts, with or without a result.
class Ontmoetingen {
public:
    // Builds the table when the highest internal number of the players is at most 255.
    explicit Ontmoetingen(const Competitie& c);

    bool HeeftTabel() const { return tabel_.has_value(); }
    // Releases the table; the tests scan from then on.
    void Vrijgeven() { tabel_.reset(); }

    bool Gespeeld(int32_t a, int32_t b) const;
    int Aantal(int32_t a, int32_t b) const;
    // The most recent meeting in list order and the number of meetings, over the whole match
    // list including its last entry.
    twedstrijdverzameling::Laatsteontmoeting Laatste(int32_t a, int32_t b) const;

    const Ontmoetingstabel* Tabel() const { return tabel_ ? &*tabel_ : nullptr; }
    const twedstrijdverzameling& Wedstrijden() const { return wedstrijden_; }

private:
    const twedstrijdverzameling& wedstrijden_;
    std::optional<Ontmoetingstabel> tabel_;
};

} // namespace velkaro
