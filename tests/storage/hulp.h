// Shared helpers of the storage tests: a scratch folder and file access.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace velkaro::test {

class TijdelijkeMap {
public:
    TijdelijkeMap() {
        std::random_device rd;
        pad_ = std::filesystem::temp_directory_path() / ("velkaro-test-" + std::to_string(rd()));
        std::filesystem::create_directories(pad_);
    }
    ~TijdelijkeMap() {
        std::error_code ec;
        std::filesystem::permissions(pad_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(pad_, ec);
    }
    std::string operator/(const std::string& naam) const { return (pad_ / naam).string(); }
    const std::filesystem::path& Pad() const { return pad_; }

private:
    std::filesystem::path pad_;
};

inline std::string Lees(const std::string& pad) {
    std::ifstream in(pad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void Schrijf(const std::string& pad, const std::string& inhoud) {
    std::ofstream(pad, std::ios::binary) << inhoud;
}

// A file's CR LF lines, and back.
inline std::vector<std::string> Bestandsregels(const std::string& inhoud) {
    std::vector<std::string> r;
    for (std::size_t begin = 0; begin < inhoud.size();) {
        const std::size_t eind = inhoud.find("\r\n", begin);
        r.push_back(inhoud.substr(begin, eind - begin));
        begin = eind + 2;
    }
    return r;
}

inline std::string Bestandstekst(const std::vector<std::string>& regels) {
    std::string s;
    for (const auto& r : regels) s += r + "\r\n";
    return s;
}

} // namespace velkaro::test
