// velkaro-cli as a function: runs one command line and returns its exit status
// (0 success, 1 the system refuses, 2 usage error).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace velkaro::cli {

int Uitvoeren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace velkaro::cli
