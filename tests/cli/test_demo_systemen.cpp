// The demo's club groups under the Keizer, average, rating and Laren systems, place by place:
// the standings against values worked out by hand from the results that the demo file holds,
// and the ranking report's columns. The rules themselves are tested on the library in
// tests/standings; here the command prints them.
#include "cli_hulp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace velkaro::test;

namespace {

struct Systeem {
    int groep;
    // The system's column headings in both, in the standings with their widths after "Pt".
    const char *kop, *rapportkop;
    // Per place: drawing number, games, points and the system's columns, as printed.
    std::vector<std::vector<double>> regels;
    std::vector<double> rapport; // the first report row: games, points and the columns
};

// The last `n` numbers of a printed line.
std::vector<double> Laatste(const std::string& regel, std::size_t n) {
    const auto w = Woorden(regel);
    std::vector<double> r;
    for (std::size_t i = w.size() < n ? 0 : w.size() - n; i < w.size(); ++i)
        r.push_back(std::stod(w[i]));
    return r;
}

} // namespace

TEST(DemoSystemen, StandEnRapportPerSysteem) {
    const Systeem systemen[] = {
        // Keizer: first place worth 36, win 100 %, draw 50 %, 33 % of the own value per evening
        // missed, optimised. Wolters (36) beat Ensing 25, Bouwman 27, Nijland 23, Oosterhof 24,
        // Schuurman 20 and Brink 22: 141, plus his own 36 = 177. Bouwman: 67 in wins, 11 for a
        // draw with Brink, his own 27 and 8 for an evening missed: 113, and his value is
        // 36 * (2 * 113 / 177 + 1) / 3 = 27.32, so 27.
        {3,
         "   KTot   KPnt",
         "KTot KPnt",
         {{1, 6, 12, 177, 36},
          {3, 5, 7, 113, 27},
          {2, 5, 6, 99, 25},
          {8, 6, 6, 90, 24},
          {12, 5, 6, 88, 24},
          {5, 5, 6, 84, 23},
          {6, 6, 5, 80, 23},
          {10, 6, 5, 75, 22},
          {7, 4, 4, 74, 22},
          {4, 6, 4, 61, 20},
          {11, 5, 2, 43, 18},
          {9, 5, 1, 30, 16}},
         {6, 12, 177, 36}},
        // Average: own rate twice and the opponents' combined rate once, four games needed. Ter
        // Horst: 9 in 6 is 1.5, his opponents 40 points in 36 games, 2 * 1.5 + 1.111 = 4.111.
        // Wiggers' 3.867 would be third, but three games rank him last.
        {4,
         "  Eigen  Tegen  Total",
         "Eigen Tegen Total",
         {{1, 6, 9, 1.5, 1.111, 4.111},
          {2, 6, 9, 1.5, 0.947, 3.947},
          {4, 7, 9, 1.286, 1.05, 3.621},
          {3, 6, 6, 1, 1.079, 3.079},
          {7, 7, 6, 0.857, 1, 2.714},
          {5, 7, 6, 0.857, 0.9, 2.614},
          {10, 6, 5, 0.833, 0.846, 2.513},
          {8, 6, 3, 0.5, 0.974, 1.974},
          {9, 6, 3, 0.5, 0.921, 1.921},
          {6, 3, 4, 1.333, 1.2, 3.867}},
         {6, 9, 1.5, 1.11, 4.11}},
        // Performance rating: the opponents' ratings with the own as one more, averaged, plus
        // the difference for the score with an extra half point over an extra game. Wouters
        // (1302) met 8077 in six games: 9379 / 7 = 1340; 10 of 14 half points is 5/7, +162.
        // Roelofs has no rating and starts from the group's 1000.
        {5,
         "   Ts-R  Begin     Nu",
         "Ts-R Prest Begin    Nu",
         {{5, 6, 9, 1340, 1302, 1502},
          {4, 5, 7, 1331, 1347, 1455},
          {1, 6, 7, 1340, 1480, 1392},
          {6, 6, 7, 1301, 1255, 1353},
          {3, 6, 7, 1284, 1391, 1336},
          {8, 6, 6, 1245, 1168, 1245},
          {10, 5, 5, 1221, 1000, 1221},
          {2, 5, 4, 1251, 1436, 1190},
          {9, 5, 4, 1198, 1121, 1137},
          {7, 6, 0, 1213, 1210, 794}},
         {6, 9, 1340, 1502, 1302, 1502}},
        // Laren, base 60: drawing number n is worth 60 - 2 (n - 1); a win earns the opponent's
        // value, a draw half of it. The four places share the average position on equal values
        // (Post, Willemsen and Schouten: 7 points at positions 3 to 5, each 4); their sum ranks.
        {6,
         "  RWC   RWP  Pl P  Pl R  P GP  P GR  P Tot",
         "RWP  P/N RWP/N Pl P Pl R P GP P GR P Tot",
         {{2, 5, 10, 58, 264, 1, 1, 1, 1, 4},
          {1, 6, 8, 60, 188, 2, 2, 2, 2, 8},
          {3, 6, 7, 56, 174, 4, 3, 6, 3, 16},
          {7, 6, 7, 48, 168, 4, 4, 6, 4, 18},
          {4, 5, 6, 54, 138, 7, 6, 3.5, 5, 21.5},
          {5, 6, 7, 52, 147, 4, 5, 6, 7, 22},
          {12, 5, 6, 38, 123, 7, 7, 3.5, 6, 23.5},
          {8, 6, 6, 46, 119, 7, 8, 8.5, 9, 32.5},
          {11, 5, 5, 40, 101, 9, 9, 8.5, 8, 34.5},
          {6, 5, 4, 50, 78, 10.5, 10, 10, 10, 40.5},
          {10, 6, 4, 42, 74, 10.5, 11, 11, 12, 44.5},
          {9, 5, 3, 44, 71, 12, 12, 12, 11, 47},
          {14, 5, 2, 34, 36, 13, 13, 13, 13, 52},
          {13, 5, 1, 36, 21, 14, 14, 14, 14, 56}},
         {5, 10, 264, 2, 52.8, 1, 1, 1, 1, 4}},
    };
    for (const auto& s : systemen) {
        Demo d;
        ASSERT_EQ(Cli({"group", "switch", d.f, std::to_string(s.groep)}).status, 0);
        const std::size_t n = s.regels[0].size() - 1; // the columns after the drawing number
        // Saved and computed again: the optimised Keizer values do not depend on stored ones.
        for (int keer = 0; keer < 2; ++keer) {
            const auto stand = Regels(Gelukt({"standings", d.f}).out);
            ASSERT_EQ(stand.size(), s.regels.size() + 1) << s.groep;
            EXPECT_TRUE(stand[0].ends_with(std::string("Pt") + s.kop)) << stand[0];
            for (std::size_t i = 0; i < s.regels.size(); ++i) {
                const auto w = Woorden(stand[i + 1]);
                auto regel = Laatste(stand[i + 1], n);
                regel.insert(regel.begin(), std::stod(w.at(1)));
                EXPECT_EQ(std::stoi(w[0]), int(i + 1)) << stand[i + 1];
                EXPECT_EQ(regel, s.regels[i]) << s.groep << ": " << stand[i + 1];
            }
        }
        const auto rapport = Regels(Gelukt({"report", d.f, "--options", "", "--no-save"}).out);
        const auto kop = std::find_if(rapport.begin(), rapport.end(),
                                      [](const std::string& r) { return r.starts_with("  Nr "); });
        ASSERT_TRUE(kop + 1 < rapport.end()) << s.groep;
        EXPECT_NE(kop->find(s.rapportkop), std::string::npos) << *kop;
        EXPECT_EQ(Laatste(kop[1], s.rapport.size()), s.rapport) << kop[1];
    }
}
