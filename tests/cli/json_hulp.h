// Shared helper of the tests that read velkaro-cli's JSON output: the standings as JSON
// checked against the standings as text.
#pragma once

#include "cli/json.h"
#include "cli_hulp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace velkaro::test {

using cli::Json;

// The standings as JSON agree with the text, line by line: place, number, games, points and
// every value column, each shown rounded to the decimals the text prints.
inline Json StandVergeleken(const std::string& f) {
    const auto tekst = Cli({"standings", f, "--no-save"});
    const auto json = Cli({"standings", f, "--no-save", "--json"});
    EXPECT_EQ(tekst.status, 0);
    EXPECT_EQ(json.status, 0);
    const Json j = Json::parse(json.out);
    std::istringstream in(tekst.out);
    std::string regel;
    std::getline(in, regel); // heading
    const auto& kolommen = j.at("columns");
    std::size_t n = 0;
    for (; std::getline(in, regel); ++n) {
        const auto w = Woorden(regel);
        const auto k = kolommen.size();
        if (n >= j.at("players").size() || w.size() < 5 + k) {
            ADD_FAILURE() << "line without its JSON player: " << regel;
            break;
        }
        const Json& s = j.at("players")[n];
        EXPECT_EQ(std::stoi(w[0]), s.at("place").get<int>()) << regel;
        EXPECT_EQ(std::stoi(w[1]), s.at("number").get<int>()) << regel;
        EXPECT_EQ(std::stoi(w[w.size() - k - 2]), s.at("games").get<int>()) << regel;
        EXPECT_EQ(std::stoi(w[w.size() - k - 1]), s.at("points").get<int>()) << regel;
        for (std::size_t i = 0; i < k; ++i) {
            const std::string& t = w[w.size() - k + i];
            const auto punt = t.find('.');
            const int decimalen = punt == std::string::npos ? 0 : int(t.size() - punt - 1);
            const double waarde = s.at("values").at(kolommen[i].get<std::string>()).get<double>();
            EXPECT_NEAR(std::stod(t), waarde, 0.5 * std::pow(10.0, -decimalen) + 1e-9)
                << kolommen[i] << " in " << regel;
        }
    }
    EXPECT_EQ(n, j.at("players").size());
    return j;
}

} // namespace velkaro::test
