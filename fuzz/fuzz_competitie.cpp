// Fuzzes a competition folder: the input is split at "\n@@\n" into the main file and the
// group files 101, 102, ...; the competition is opened from disk, and when it loaded
// without damage it is saved and must open again without damage and with the same data.
// Then the saved folder is damaged the way a count slips or a file is cut (the input's first
// byte chooses how): a count one more or less, a file cut at a block boundary, a line after
// the last block. Every such variant must load with a report.
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
#include <vector>

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

std::string Lees(const fs::path& pad) {
    std::ifstream in(pad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Regels(const std::string& inhoud) {
    std::vector<std::string> r;
    for (std::size_t b = 0; b < inhoud.size();) {
        std::size_t e = inhoud.find("\r\n", b);
        if (e == std::string::npos) e = inhoud.size();
        r.push_back(inhoud.substr(b, e - b));
        b = e + 2;
    }
    return r;
}

std::string Tekst(const std::vector<std::string>& r) {
    std::string s;
    for (const auto& l : r) s += l + "\r\n";
    return s;
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

    // The saved open group: its counts and block boundaries follow from what it holds.
    const fs::path groep = velkaro::Groepsbestand(d.Bestandsnaam, d.HuidigeDeelcomp);
    auto g = Regels(Lees(groep));
    const std::size_t spelers = 0, rondes = spelers + 1 + 31 * d.Spelers.Aantal(),
                      wedstrijden = rondes + 1 + 2 * d.Rondes.Aantal(),
                      instellingen = wedstrijden + 1 + 8 * d.Wedstrijden.Aantal(),
                      categorieen = instellingen + 25,
                      opties = categorieen + 1 + 2 * d.Categorieen.size();
    if (g.size() != opties + 30) std::abort(); // the layout as written
    const unsigned keuze = size > 0 ? data[0] % 12 : 0;
    auto tel = [&](std::vector<std::string>& r, std::size_t regel, int delta) {
        const long n = std::stol(r[regel]) + delta;
        if (n < 0) return false;
        r[regel] = std::to_string(n);
        return true;
    };
    bool hoofdbestand = false, gewijzigd = true;
    switch (keuze) {
    case 0:
        gewijzigd = tel(g, spelers, 1);
        break;
    case 1:
        gewijzigd = tel(g, rondes, 1);
        break;
    case 2:
        gewijzigd = tel(g, wedstrijden, 1);
        break;
    case 3:
        gewijzigd = tel(g, categorieen, 1);
        break;
    case 4:
        gewijzigd = tel(g, size > 1 && data[1] % 2 ? spelers : categorieen, -1);
        break;
    case 5:
        gewijzigd = tel(g, size > 1 && data[1] % 2 ? rondes : wedstrijden, -1);
        break;
    case 6:
        g.resize(size > 1 && data[1] % 2 ? rondes : wedstrijden);
        break;
    case 7:
        g.resize(size > 1 && data[1] % 2 ? instellingen : categorieen);
        break;
    case 8:
        g.resize(opties);
        break;
    case 9:
        g.push_back(size > 1 ? std::to_string(data[1]) : "0");
        break;
    default:
        hoofdbestand = true;
        break;
    }
    if (!gewijzigd) return 0;
    if (hoofdbestand) {
        auto h = Regels(Lees(d.Bestandsnaam));
        if (keuze == 10)
            h.push_back("0");
        else if (!tel(h, 1, size > 1 && data[1] % 2 ? 1 : -1))
            return 0;
        Schrijf(d.Bestandsnaam, Tekst(h));
    } else {
        Schrijf(groep, Tekst(g));
    }
    velkaro::Competitie e;
    const auto r3 = velkaro::LeesBestand(e, hoofd);
    if (r3.Ok() && r3.Schade.empty()) std::abort(); // damage that loads without a report
    return 0;
}
