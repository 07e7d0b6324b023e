#include "entry/ini.h"

#include "model/tekst.h"
#include "storage/codepagina.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velkaro {

namespace fs = std::filesystem;

namespace {

bool Gelijk(std::string_view a, std::string_view b) {
    return Hoofdletters(a) == Hoofdletters(b);
}

// UTF-8 as written by this program; a file written elsewhere in Windows-1252 is converted.
bool IsUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        if (c >= 0x80) {
            if ((c >> 5) == 6)
                n = 1;
            else if ((c >> 4) == 14)
                n = 2;
            else if ((c >> 3) == 30)
                n = 3;
            else
                return false;
        }
        if (i + n >= s.size()) return false;
        for (std::size_t k = 1; k <= n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += n + 1;
    }
    return true;
}

} // namespace

Ini Ini::VanTekst(std::string_view tekst) {
    Ini ini;
    const std::string inhoud = IsUtf8(tekst) ? std::string(tekst) : Windows1252NaarUtf8(tekst);
    std::istringstream in(inhoud);
    std::string regel;
    Sectie* huidig = nullptr;
    while (std::getline(in, regel)) {
        const std::string r = Trim(regel);
        if (r.empty() || r[0] == ';') continue;
        if (r.front() == '[' && r.back() == ']') {
            const std::string naam = r.substr(1, r.size() - 2);
            huidig = ini.Zoek(naam);
            if (!huidig) {
                ini.secties_.push_back({naam, {}});
                huidig = &ini.secties_.back();
            }
            continue;
        }
        const auto is = r.find('=');
        if (!huidig || is == std::string::npos) continue;
        huidig->Regels.emplace_back(Trim(r.substr(0, is)), Trim(r.substr(is + 1)));
    }
    return ini;
}

Ini Ini::Lees(const std::string& pad) {
    std::ifstream in(pad, std::ios::binary);
    if (!in) return {};
    std::ostringstream s;
    s << in.rdbuf();
    const std::string inhoud = s.str();
    if (inhoud.size() > (1u << 20)) return {};
    return VanTekst(inhoud);
}

std::string Ini::Tekst() const {
    std::string r;
    for (const auto& s : secties_) {
        if (!r.empty()) r += "\r\n";
        r += "[" + s.Naam + "]\r\n";
        for (const auto& [k, w] : s.Regels) r += k + "=" + w + "\r\n";
    }
    return r;
}

Bestandsresultaat Ini::Schrijf(const std::string& pad) const {
    std::error_code ec;
    const fs::path map = fs::path(pad).parent_path();
    if (!map.empty()) fs::create_directories(map, ec);
    return SchrijfVeilig(pad, Tekst());
}

Ini::Sectie* Ini::Zoek(const std::string& naam) {
    for (auto& s : secties_)
        if (Gelijk(s.Naam, naam)) return &s;
    return nullptr;
}

const Ini::Sectie* Ini::Zoek(const std::string& naam) const {
    for (const auto& s : secties_)
        if (Gelijk(s.Naam, naam)) return &s;
    return nullptr;
}

std::optional<std::string> Ini::Waarde(const std::string& sectie,
                                       const std::string& sleutel) const {
    const Sectie* s = Zoek(sectie);
    if (!s) return std::nullopt;
    for (const auto& [k, w] : s->Regels)
        if (Gelijk(k, sleutel)) return w;
    return std::nullopt;
}

std::optional<long long> Ini::Getal(const std::string& sectie, const std::string& sleutel) const {
    const auto w = Waarde(sectie, sleutel);
    if (!w) return std::nullopt;
    std::string t = Trim(*w);
    bool negatief = false;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
        negatief = t[0] == '-';
        t.erase(0, 1);
    }
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        const std::string hex = t.substr(2);
        if (hex.size() > 15 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return std::nullopt;
        const long long n = std::stoll(hex, nullptr, 16);
        return negatief ? -n : n;
    }
    const auto n = LeesGetal(t);
    if (!n) return std::nullopt;
    return negatief ? -*n : *n;
}

void Ini::Zet(const std::string& sectie, const std::string& sleutel, const std::string& waarde) {
    Sectie* s = Zoek(sectie);
    if (!s) {
        secties_.push_back({sectie, {}});
        s = &secties_.back();
    }
    // A value is one line.
    std::string w = waarde;
    for (char& ch : w)
        if (ch == '\r' || ch == '\n') ch = ' ';
    for (auto& [k, v] : s->Regels)
        if (Gelijk(k, sleutel)) {
            v = w;
            return;
        }
    s->Regels.emplace_back(sleutel, w);
}

void Ini::Zet(const std::string& sectie, const std::string& sleutel, long long waarde) {
    Zet(sectie, sleutel, std::to_string(waarde));
}

bool MapIsSchrijfbaar(const std::string& map) {
    std::error_code ec;
    if (!fs::is_directory(map, ec)) return false;
    const fs::path proef = fs::path(map) / ".velkaro-schrijfproef~";
    {
        std::ofstream f(proef, std::ios::binary);
        if (!f) return false;
    }
    fs::remove(proef, ec);
    return true;
}

std::string InstellingenPad(const std::string& programmaPad, const std::string& configuratiemap) {
    const fs::path programma(programmaPad);
    const std::string naam = programma.stem().string() + ".INI";
    const fs::path map = programma.parent_path();
    if (!map.empty() && MapIsSchrijfbaar(map.string())) return (map / naam).string();
    return (fs::path(configuratiemap) / naam).string();
}

} // namespace velkaro
