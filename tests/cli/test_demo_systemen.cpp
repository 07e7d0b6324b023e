// The demo's club groups under the Keizer, average, rating and Laren systems, place by place:
// the standings and the ranking report against values worked out by hand from the results
// that the demo file holds.
#include "cli_hulp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace velkaro::test;

namespace {

// One ranked player as a command printed him: place, drawing number (standings only), games,
// points and the columns of the calculation system.
struct Regel {
    int plaats = 0, nummer = 0, partijen = 0, punten = 0;
    std::vector<double> waarden;
};

// A printed number is the exact value rounded to the decimals shown.
void VerwachtGetoond(double getoond, double exact, int decimalen, const std::string& wat) {
    EXPECT_NEAR(getoond, exact, 0.5 * std::pow(10.0, -decimalen) + 1e-9) << wat;
}

// A printed line: the place, the drawing number when `nummer`, and the last `kolommen` values
// after the games and points.
Regel LeesRegel(const std::string& regel, std::size_t kolommen, bool nummer) {
    const auto w = Woorden(regel);
    Regel g;
    if (w.size() < kolommen + (nummer ? 5 : 4)) {
        ADD_FAILURE() << "short line: " << regel;
        return g;
    }
    g.plaats = std::stoi(w[0]);
    if (nummer) g.nummer = std::stoi(w[1]);
    const std::size_t n = w.size() - kolommen;
    g.partijen = std::stoi(w[n - 2]);
    g.punten = std::stoi(w[n - 1]);
    for (std::size_t i = n; i < w.size(); ++i) g.waarden.push_back(std::stod(w[i]));
    return g;
}

class DemoSystemen : public ::testing::Test {
protected:
    void Open(int groep) {
        const auto r = Cli({"group", "switch", f, std::to_string(groep)});
        ASSERT_EQ(r.status, 0) << r.err;
    }

    // velkaro-cli standings: the heading, and every line with its last `kolommen` values.
    std::vector<Regel> Stand(std::size_t kolommen, std::string& kop, bool bewaren = false) {
        std::vector<std::string> args{"standings", f};
        if (!bewaren) args.push_back("--no-save");
        const auto r = Cli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        auto regels = velkaro::test::Regels(r.out);
        kop = regels.at(0);
        std::vector<Regel> uit;
        for (std::size_t i = 1; i < regels.size(); ++i)
            uit.push_back(LeesRegel(regels[i], kolommen, true));
        return uit;
    }

    // velkaro-cli report without the optional columns: the header row, and every row with its
    // last `kolommen` values (the drawing number is not printed).
    std::vector<Regel> Rapport(std::size_t kolommen, std::string& kop) {
        const auto r = Cli({"report", f, "--options", "", "--no-save"});
        EXPECT_EQ(r.status, 0) << r.err;
        std::vector<Regel> uit;
        bool tabel = false;
        for (const auto& regel : velkaro::test::Regels(r.out)) {
            if (!tabel) {
                tabel = regel.rfind("  Nr ", 0) == 0;
                if (tabel) kop = regel;
            } else if (Woorden(regel).empty()) {
                break;
            } else {
                uit.push_back(LeesRegel(regel, kolommen, false));
            }
        }
        EXPECT_TRUE(tabel) << r.out;
        return uit;
    }

    velkaro::test::Demo d;
    std::string f = d.f;
};

TEST_F(DemoSystemen, KeizerGeoptimaliseerd) {
    // First place worth 36, win 100 %, draw 50 %, loss 0 %, 33 % of the own value per game
    // fewer than the 6 of the members who played every evening; values optimised. At the fixed
    // point, by hand:
    //   Wolters (36) beat Ensing 25, Bouwman 27, Nijland 23, Oosterhof 24, Schuurman 20 and
    //   Brink 22: 141, plus his own 36 = 177.
    //   Bouwman: wins over Schuurman 20, Dijkstra 24, Nijland 23 (67), a draw with Brink 22
    //   (11), his own 27, one evening missed: 33 % of 27 = 8; 113. His value is
    //   36 * (2 * 113 / 177 + 1) / 3 = 27.32, so 27.
    //   Lubbers, away twice: draws with Oosterhof 24 and Schuurman 20 (12 + 10), a win over
    //   Hulsebos 16, his own 22 and 2 * 33 % of 22 = 14; 74.
    struct Verwacht {
        int plaats, nummer, partijen, punten, totaal, waarde;
    };
    const std::vector<Verwacht> verwacht = {
        {1, 1, 6, 12, 177, 36}, {2, 3, 5, 7, 113, 27},  {3, 2, 5, 6, 99, 25},
        {4, 8, 6, 6, 90, 24},   {5, 12, 5, 6, 88, 24},  {6, 5, 5, 6, 84, 23},
        {7, 6, 6, 5, 80, 23},   {8, 10, 6, 5, 75, 22},  {9, 7, 4, 4, 74, 22},
        {10, 4, 6, 4, 61, 20},  {11, 11, 5, 2, 43, 18}, {12, 9, 5, 1, 30, 16},
    };
    Open(3);
    std::string kop;
    const auto stand = Stand(2, kop, true);
    EXPECT_NE(kop.find("KTot"), std::string::npos) << kop;
    EXPECT_NE(kop.find("KPnt"), std::string::npos) << kop;
    ASSERT_EQ(stand.size(), verwacht.size());
    const double top = stand[0].waarden[0];
    for (std::size_t i = 0; i < verwacht.size(); ++i) {
        const auto& v = verwacht[i];
        const auto& g = stand[i];
        const std::string wie = "place " + std::to_string(v.plaats);
        EXPECT_EQ(std::tie(g.plaats, g.nummer, g.partijen, g.punten),
                  std::tie(v.plaats, v.nummer, v.partijen, v.punten))
            << wie;
        EXPECT_EQ(g.waarden, (std::vector<double>{double(v.totaal), double(v.waarde)})) << wie;
        // Optimised, every value follows from the player's share of the leader's total.
        EXPECT_EQ(g.waarden[1], std::trunc(36 * (2 * g.waarden[0] / top + 1) / 3 + 0.5)) << wie;
    }

    // The optimised values do not depend on those an earlier ranking stored: a second
    // computation after the saved first gives the same table.
    std::string kop2;
    const auto nogmaals = Stand(2, kop2, true);
    ASSERT_EQ(nogmaals.size(), stand.size());
    for (std::size_t i = 0; i < stand.size(); ++i) {
        EXPECT_EQ(nogmaals[i].nummer, stand[i].nummer);
        EXPECT_EQ(nogmaals[i].waarden, stand[i].waarden);
    }

    const auto rapport = Rapport(2, kop);
    EXPECT_NE(kop.find("KTot KPnt"), std::string::npos) << kop;
    ASSERT_EQ(rapport.size(), verwacht.size());
    for (std::size_t i = 0; i < verwacht.size(); ++i) {
        EXPECT_EQ(std::tie(rapport[i].plaats, rapport[i].punten),
                  std::tie(verwacht[i].plaats, verwacht[i].punten));
        EXPECT_EQ(rapport[i].waarden,
                  (std::vector<double>{double(verwacht[i].totaal), double(verwacht[i].waarde)}));
    }
}

TEST_F(DemoSystemen, MoyenneGewogenMetMinimum) {
    // Own rate twice, the opponents' combined rate (their points over their games, once per
    // game played against them) once; four games needed. By hand:
    //   ter Horst, 9 points in 6 games: 1.5. His opponents Groot Wassink (9 in 6), Nijenhuis
    //   (9 in 7), Heijink (6 in 6), Rouwenhorst (6 in 7), Klein Gunnewiek (6 in 7) and Wiggers
    //   (4 in 3): 40 / 36 = 1.111; total 2 * 1.5 + 1.111 = 4.111.
    //   Wiggers, 4 points in 3 games against Klein Gunnewiek, Nijenhuis and ter Horst:
    //   2 * 1.333 + 24 / 20 = 3.867 would be third, but three games rank him last.
    struct Verwacht {
        int plaats, nummer, partijen, punten, tegenPunten, tegenPartijen;
    };
    const std::vector<Verwacht> verwacht = {
        {1, 1, 6, 9, 40, 36}, {2, 2, 6, 9, 36, 38},  {3, 4, 7, 9, 42, 40},  {4, 3, 6, 6, 41, 38},
        {5, 7, 7, 6, 44, 44}, {6, 5, 7, 6, 36, 40},  {7, 10, 6, 5, 33, 39}, {8, 8, 6, 3, 38, 39},
        {9, 9, 6, 3, 35, 38}, {10, 6, 3, 4, 24, 20},
    };
    Open(4);
    std::string kop;
    const auto stand = Stand(3, kop);
    EXPECT_NE(kop.find("Eigen"), std::string::npos) << kop;
    const auto rapport = Rapport(3, kop);
    EXPECT_NE(kop.find("Eigen Tegen Total"), std::string::npos) << kop;
    ASSERT_EQ(stand.size(), verwacht.size());
    ASSERT_EQ(rapport.size(), verwacht.size());
    for (std::size_t i = 0; i < verwacht.size(); ++i) {
        const auto& v = verwacht[i];
        const std::string wie = "place " + std::to_string(v.plaats);
        const double eigen = double(v.punten) / v.partijen;
        const double tegen = double(v.tegenPunten) / v.tegenPartijen;
        const double totaal = 2 * eigen + tegen;
        EXPECT_EQ(std::tie(stand[i].plaats, stand[i].nummer, stand[i].partijen, stand[i].punten),
                  std::tie(v.plaats, v.nummer, v.partijen, v.punten))
            << wie;
        EXPECT_EQ(std::tie(rapport[i].plaats, rapport[i].punten), std::tie(v.plaats, v.punten))
            << wie;
        const double exact[] = {eigen, tegen, totaal};
        for (int k = 0; k < 3; ++k) {
            VerwachtGetoond(stand[i].waarden[k], exact[k], 3, wie + " standings");
            VerwachtGetoond(rapport[i].waarden[k], exact[k], 2, wie + " report");
        }
        // Among the players with enough games the totals fall.
        if (i > 0 && v.partijen >= 4) {
            EXPECT_LT(stand[i].waarden[2], stand[i - 1].waarden[2]) << wie;
        }
    }
}

TEST_F(DemoSystemen, Prestatierating) {
    // Performance rating: the opponents' ratings with the own starting rating as one more,
    // averaged and rounded, plus the difference for the scoring fraction with an extra half
    // point over an extra game. The differences, from the expected-score table (the normal
    // distribution with a standard deviation of 2000/7): 5/7 gives 162, 2/3 124, 4/7 52,
    // 1/2 0, 5/12 -61, 1/14 -419. By hand:
    //   Wouters (1302) met Claassen 1255, Lammers 1168, van Beek 1480, Timmer 1391, Evers 1347
    //   and Hofman 1436: (8077 + 1302) / 7 = 1339.86, so 1340. Four wins and a draw are 9 half
    //   points: (9 + 1) * 0.5 / 7 = 5/7, and 1340 + 162 = 1502.
    //   Roelofs has no rating and starts from the group's 1000.
    struct Verwacht {
        int plaats, nummer, partijen, halvePunten, tegenRatings, eigen, verschil;
    };
    const std::vector<Verwacht> verwacht = {
        {1, 5, 6, 9, 8077, 1302, 162}, {2, 4, 5, 7, 6638, 1347, 124},
        {3, 1, 6, 7, 7899, 1480, 52},  {4, 6, 6, 7, 7851, 1255, 52},
        {5, 3, 6, 7, 7594, 1391, 52},  {6, 8, 6, 6, 7549, 1168, 0},
        {7, 10, 5, 5, 6326, 1000, 0},  {8, 2, 5, 4, 6071, 1436, -61},
        {9, 9, 5, 4, 6069, 1121, -61}, {10, 7, 6, 0, 7282, 1210, -419},
    };
    Open(5);
    std::string kop;
    const auto stand = Stand(3, kop);
    EXPECT_NE(kop.find("Ts-R"), std::string::npos) << kop;
    const auto rapport = Rapport(4, kop);
    EXPECT_NE(kop.find("Ts-R Prest Begin    Nu"), std::string::npos) << kop;
    ASSERT_EQ(stand.size(), verwacht.size());
    ASSERT_EQ(rapport.size(), verwacht.size());
    for (std::size_t i = 0; i < verwacht.size(); ++i) {
        const auto& v = verwacht[i];
        const std::string wie = "place " + std::to_string(v.plaats);
        const double begin = std::nearbyint(double(v.tegenRatings + v.eigen) / (v.partijen + 1));
        const double nu = begin + v.verschil;
        EXPECT_EQ(std::tie(stand[i].plaats, stand[i].nummer, stand[i].partijen, stand[i].punten),
                  std::tie(v.plaats, v.nummer, v.partijen, v.halvePunten))
            << wie;
        EXPECT_EQ(stand[i].waarden, (std::vector<double>{begin, double(v.eigen), nu})) << wie;
        EXPECT_EQ(rapport[i].plaats, v.plaats) << wie;
        EXPECT_EQ(rapport[i].waarden, (std::vector<double>{begin, nu, double(v.eigen), nu})) << wie;
    }
}

TEST_F(DemoSystemen, LarenMetGedeeldePlaatsen) {
    // Base 60: drawing number n is worth 60 - 2 (n - 1). A win earns the opponent's value, a
    // draw half of it. The four places (points, weighted points, both per game) share the
    // average position on equal values; their sum ranks, lowest first. By hand:
    //   Verbeek (58) beat de Graaf 60, van Dam 54, Willemsen 48, Post 56 and Smeets 46: 264,
    //   first in all four sorts, 4.
    //   Post, Willemsen and Schouten have 7 points at positions 3 to 5 of the points sort:
    //   each 4. Van Dam and Kramer score 6 in 5 games, 1.2 a game, at positions 3 and 4 of the
    //   sort per game: each 3.5.
    //   Kramer (38): wins over de Wit 40 and van Vliet 34, draws with Smeets 46 and Schouten 52
    //   (23 + 26): 123.
    struct Verwacht {
        int plaats, nummer, partijen, punten, wp;
        double plaatsPunten, plaatsWP, plaatsGemPunten, plaatsGemWP;
    };
    const std::vector<Verwacht> verwacht = {
        {1, 2, 5, 10, 264, 1, 1, 1, 1},       {2, 1, 6, 8, 188, 2, 2, 2, 2},
        {3, 3, 6, 7, 174, 4, 3, 6, 3},        {4, 7, 6, 7, 168, 4, 4, 6, 4},
        {5, 4, 5, 6, 138, 7, 6, 3.5, 5},      {6, 5, 6, 7, 147, 4, 5, 6, 7},
        {7, 12, 5, 6, 123, 7, 7, 3.5, 6},     {8, 8, 6, 6, 119, 7, 8, 8.5, 9},
        {9, 11, 5, 5, 101, 9, 9, 8.5, 8},     {10, 6, 5, 4, 78, 10.5, 10, 10, 10},
        {11, 10, 6, 4, 74, 10.5, 11, 11, 12}, {12, 9, 5, 3, 71, 12, 12, 12, 11},
        {13, 14, 5, 2, 36, 13, 13, 13, 13},   {14, 13, 5, 1, 21, 14, 14, 14, 14},
    };
    Open(6);
    std::string kop;
    const auto stand = Stand(7, kop);
    EXPECT_NE(kop.find("P Tot"), std::string::npos) << kop;
    const auto rapport = Rapport(8, kop);
    EXPECT_NE(kop.find("RWP  P/N RWP/N Pl P Pl R P GP P GR P Tot"), std::string::npos) << kop;
    ASSERT_EQ(stand.size(), verwacht.size());
    ASSERT_EQ(rapport.size(), verwacht.size());
    for (std::size_t i = 0; i < verwacht.size(); ++i) {
        const auto& v = verwacht[i];
        const std::string wie = "place " + std::to_string(v.plaats);
        const double totaal = v.plaatsPunten + v.plaatsWP + v.plaatsGemPunten + v.plaatsGemWP;
        EXPECT_EQ(std::tie(stand[i].plaats, stand[i].nummer, stand[i].partijen, stand[i].punten),
                  std::tie(v.plaats, v.nummer, v.partijen, v.punten))
            << wie;
        EXPECT_EQ(stand[i].waarden,
                  (std::vector<double>{60.0 - 2 * (v.nummer - 1), double(v.wp), v.plaatsPunten,
                                       v.plaatsWP, v.plaatsGemPunten, v.plaatsGemWP, totaal}))
            << wie;
        if (i > 0) {
            EXPECT_GT(totaal, stand[i - 1].waarden[6]) << wie;
        }

        EXPECT_EQ(rapport[i].plaats, v.plaats) << wie;
        const auto& r = rapport[i].waarden;
        EXPECT_EQ(r[0], v.wp) << wie;
        VerwachtGetoond(r[1], double(v.punten) / v.partijen, 2, wie + " P/N");
        VerwachtGetoond(r[2], double(v.wp) / v.partijen, 2, wie + " RWP/N");
        EXPECT_EQ((std::vector<double>(r.begin() + 3, r.end())),
                  (std::vector<double>{v.plaatsPunten, v.plaatsWP, v.plaatsGemPunten, v.plaatsGemWP,
                                       totaal}))
            << wie;
    }
}

} // namespace
