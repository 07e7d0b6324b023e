// The pruned Swiss search against the literal one: a sample of seeded seasons under every result
// distribution and the two-halves fields, each round giving the same outcome, partners, colour
// difference and relaxed flag. The full run of 10,000 rounds is verschil_zwitsers (make bench).
#include "verschiltoets.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

constexpr long long kGrens = 300000; // pairs the literal search may try per round here

TEST(VerschilZoeker, GezaaideSeizoenenGevenHetzelfde) {
    struct Geval {
        int spelers;
        Uitslagverdeling u;
    };
    const Geval gevallen[] = {
        {8, Uitslagverdeling::Rating},    {12, Uitslagverdeling::Remises},
        {14, Uitslagverdeling::Favoriet}, {16, Uitslagverdeling::Munt},
        {20, Uitslagverdeling::Rating},   {24, Uitslagverdeling::Remises},
        {24, Uitslagverdeling::Munt},     {31, Uitslagverdeling::Favoriet},
    };
    int vergeleken = 0;
    for (const auto& g : gevallen)
        for (unsigned zaad = 1; zaad <= 3; ++zaad) {
            const auto s = SpeelSeizoen(zaad * 101u + static_cast<unsigned>(g.spelers), g.spelers,
                                        g.u, kGrens);
            for (const auto& v : s.Verschillen) ADD_FAILURE() << v;
            vergeleken += s.Vergeleken;
        }
    // Most rounds end well inside the limit; a sample that compared nothing proves nothing.
    EXPECT_GT(vergeleken, 200);
}

// No pairing with odd halves, one with even halves; each colour and order option.
TEST(VerschilZoeker, TweeHelftenGevenHetzelfde) {
    const Zoekopties opties[] = {
        {.Ronde = 9},
        {.Ronde = 9, .KleurDominant = true, .MaxKleurverschil = 1},
        {.Ronde = 9, .MaxKleurverschil = 1, .Testopties = true},
        {.Ronde = 2},
    };
    for (int spelers : {14, 16, 18, 20})
        for (const auto& o : opties) {
            if (spelers == 18 && o.Ronde == 2) continue; // the literal search takes seconds
            const auto v = VergelijkZoekers(TweeHelften(spelers, o), 50'000'000);
            ASSERT_TRUE(v.Vergeleken) << spelers;
            EXPECT_EQ(v.Verschil, "") << spelers << " players, round " << o.Ronde;
        }
}

} // namespace
