// The FMJD norm rules against the worked examples: the classes by rating, the required
// percentages, the rounding of the points asked (halves to the even neighbour) and the three
// norm tests with their counts of titled opponents.
#include "reports/normen.h"

#include <gtest/gtest.h>

using namespace velkaro;

TEST(Normen, KlassenEnPercentages) {
    const struct {
        int32_t rating;
        const char* categorie;
        char letter;
        std::optional<int> mf, mi, gmi;
    } tabel[] = {
        {1975, "I", 'A', {}, {}, {}},     {1976, "II", 'B', 70, {}, {}},
        {2000, "II", 'B', 70, {}, {}},    {2001, "III", 'C', 67, {}, {}},
        {2026, "IV", 'D', 64, 76, {}},    {2175, "IX", 'I', 47, 60, {}},
        {2176, "X", 'J', 43, 57, 76},     {2380, "XVIII", 'R', 20, 30, 50},
        {2400, "XVIII", 'R', 20, 30, 50}, {2401, "XIX", 'S', 20, 27, 47},
    };
    for (const auto& r : tabel) {
        EXPECT_EQ(std::forward_as_tuple(Categorie(r.rating), Klasseletter(r.rating),
                                        NormPercentage(r.letter, FMJDNorm::MF),
                                        NormPercentage(r.letter, FMJDNorm::MI),
                                        NormPercentage(r.letter, FMJDNorm::GMI)),
                  std::make_tuple(r.categorie, r.letter, r.mf, r.mi, r.gmi))
            << r.rating;
    }
}

TEST(Normen, NormBehaaldRondtHalvenNaarEven) {
    const struct {
        int32_t punten, partijen;
        int percentage;
        bool behaald;
    } tabel[] = {
        {9, 9, 50, true},                        // round(9.00) = 9
        {7, 7, 47, true},                        // round(6.58) = 7
        {6, 7, 47, false},   {16, 25, 33, true}, // 16.5 goes to the even 16, not up to 17
        {15, 25, 33, false}, {24, 25, 47, true}, // 23.5 goes to the even 24
        {23, 25, 47, false}, {0, 0, 70, true},
    };
    for (const auto& r : tabel)
        EXPECT_EQ(NormBehaald(r.punten, r.partijen, r.percentage), r.behaald)
            << r.punten << "/" << r.partijen << " at " << r.percentage << "%";
}

TEST(Normen, DrieNormtests) {
    const struct {
        int32_t tsRating, punten, partijen, norm1, norm2, norm3;
        bool mf, mi, gmi;
    } tabel[] = {
        // Letter R, 9 games, 10 points: 10 >= round(18 x 0.50) = 9.
        {2380, 10, 9, 0, 0, 3, true, true, true},
        {2380, 10, 9, 0, 0, 2, false, false, false},
        // Class II (letter B): only MF can be met, at 70 %.
        {2000, 18, 9, 0, 0, 3, true, false, false},
        // Two opponents at level 2 and none at level 3: MI but not MF.
        {2380, 10, 9, 0, 2, 0, false, true, false},
        {2380, 10, 9, 1, 2, 0, true, true, false},
        // Enough opponents, too few points.
        {2380, 3, 9, 3, 3, 3, false, false, false},
    };
    for (const auto& r : tabel) {
        Spelergegevens g;
        g.TSRating = r.tsRating;
        g.Punten = r.punten;
        g.AantalPartijen = r.partijen;
        g.AantalNorm1 = r.norm1;
        g.AantalNorm2 = r.norm2;
        g.AantalNorm3 = r.norm3;
        EXPECT_EQ(std::forward_as_tuple(NormGehaald(g, FMJDNorm::MF), NormGehaald(g, FMJDNorm::MI),
                                        NormGehaald(g, FMJDNorm::GMI)),
                  std::make_tuple(r.mf, r.mi, r.gmi))
            << r.tsRating << " " << r.norm2;
    }
}
