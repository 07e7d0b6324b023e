// Command-line arguments of one command: positionals, "--name value" options and flags.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace velkaro::cli {

// A usage error: the command line itself is wrong (exit status 2).
struct Gebruiksfout : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The system refuses (exit status 1); the text is the system's own.
struct Weigering : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Argumenten {
public:
    // waardeOpties take a value; vlagOpties do not. Anything else starting with "--" is a
    // usage error. "--help" is always a flag. A declared short option ("-o") works the same.
    Argumenten(const std::vector<std::string>& args, const std::set<std::string>& waardeOpties,
               const std::set<std::string>& vlagOpties);

    bool Hulp() const { return Vlag("--help"); }
    const std::vector<std::string>& Posities() const { return posities_; }
    std::string Positie(std::size_t i, const char* naam) const;
    bool Vlag(const std::string& naam) const { return vlaggen_.count(naam) != 0; }
    std::optional<std::string> Waarde(const std::string& naam) const;
    // An option holding a whole number in [min, max].
    std::optional<long long> Getal(const std::string& naam, long long min, long long max) const;
    // Demands exactly n positionals.
    void Aantal(std::size_t n) const;

private:
    std::vector<std::string> posities_;
    std::map<std::string, std::string> waarden_;
    std::set<std::string> vlaggen_;
};

// A positional holding a whole number in [min, max].
long long GetalArgument(const std::string& tekst, const char* naam, long long min, long long max);
// A comma list of whole numbers in [1, max], such as "3,7,12"; blanks and empty items are
// passed over.
std::vector<int32_t> GetallenArgument(const std::string& lijst, const char* naam, long long max);

} // namespace velkaro::cli
