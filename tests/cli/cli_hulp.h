// Shared helpers of the tests that run velkaro-cli: a command in-process or through the real
// executable, and a scratch copy of the demo competition.
#pragma once

#include "../storage/hulp.h"
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace velkaro::test {

struct Uitkomst {
    int status;
    std::string out, err;
};

// Runs one command in-process.
inline Uitkomst Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int s = cli::Uitvoeren(args, out, err);
    return {s, out.str(), err.str()};
}

// Runs the real executable, for what only a process shows (exit status, streams); both
// streams end up in out. With maxSeconden a command that hangs is stopped (status 124).
inline Uitkomst Proces(const std::string& args, int maxSeconden = 0) {
    const std::string cmd =
        (maxSeconden > 0 ? "timeout " + std::to_string(maxSeconden) + " " : "") +
        std::string(VELKARO_CLI) + " " + args + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    std::string uit;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, p)) uit.append(buf, n);
    const int s = pclose(p);
    return {WEXITSTATUS(s), uit, {}};
}

// Copies the demo competition with its six groups into the folder (group 1 is a 14-player
// Swiss with five rounds played) and returns the competition file's path.
inline std::string KopieerDemo(const TijdelijkeMap& map) {
    for (const char* n :
         {"club.xv7", "club.101", "club.102", "club.103", "club.104", "club.105", "club.106"})
        std::filesystem::copy_file(std::string(VELKARO_EXAMPLES) + "/" + n, map / n);
    return map / "club.xv7";
}

// A scratch copy of the demo competition, and its open group's file as it stands.
struct Demo {
    TijdelijkeMap map;
    std::string f = KopieerDemo(map);
    std::string Groep() const { return Lees(map / "club.101"); }
};

// Runs a command that must succeed.
inline Uitkomst Gelukt(const std::vector<std::string>& args) {
    auto r = Cli(args);
    EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
    return r;
}

// A text's lines, and a line's words.
inline std::vector<std::string> Regels(const std::string& tekst) {
    std::istringstream in(tekst);
    std::vector<std::string> r;
    for (std::string s; std::getline(in, s);) r.push_back(s);
    return r;
}

inline std::vector<std::string> Woorden(const std::string& regel) {
    std::istringstream in(regel);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

} // namespace velkaro::test
