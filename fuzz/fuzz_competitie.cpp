// Fuzzes a competition folder: the input is split at "\n@@\n" into the main file and the
// group files 101, 102, ...; the competition is opened from disk, and when it loaded
// without damage it is saved and must open again without damage and with the same data.
#include "storage/bestandsnamen.h"
#include "storage/competitiebestand.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path& Map() {
    static const fs::path map = [] {
        fs::path p = fs::temp_directory_path() / ("velkaro-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(p);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(Map(), ec);
        });
        return p;
    }();
    return map;
}

void Schrijf(const fs::path& pad, std::string_view inhoud) {
    std::ofstream(pad, std::ios::binary)
        .write(inhoud.data(), static_cast<std::streamsize>(inhoud.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view invoer(reinterpret_cast<const char*>(data), size);
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(Map(), ec)) fs::remove_all(e.path(), ec);
    const std::string hoofd = (Map() / "f.xv7").string();
    std::size_t begin = 0;
    for (int deel = 0; begin <= invoer.size() && deel < 8; ++deel) {
        std::size_t eind = invoer.find("\n@@\n", begin);
        if (eind == std::string_view::npos) eind = invoer.size();
        Schrijf(deel == 0 ? fs::path(hoofd) : fs::path(velkaro::Groepsbestand(hoofd, deel)),
                invoer.substr(begin, eind - begin));
        begin = eind + 4;
    }
    velkaro::Competitie c;
    const auto r = velkaro::LeesBestand(c, hoofd);
    if (!r.Ok() || !r.Schade.empty()) return 0; // refused, or a changing program would stop here
    if (!velkaro::SchrijfBestand(c).Ok()) std::abort();
    velkaro::Competitie d;
    const auto r2 = velkaro::LeesBestand(d, hoofd);
    if (!r2.Ok() || !r2.Schade.empty()) std::abort(); // a save must load without damage
    if (d.Groepen.Aantal() != c.Groepen.Aantal() || d.Spelers.Aantal() != c.Spelers.Aantal() ||
        d.Wedstrijden.Aantal() != c.Wedstrijden.Aantal() || d.HuidigeDeelcomp != c.HuidigeDeelcomp)
        std::abort();
    return 0;
}
