#include "storage/regels.h"

#include "model/tekst.h"
#include "storage/codepagina.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace velkaro {

std::string_view Regellezer::RuweRegel() {
    if (pos_ >= inhoud_.size()) {
        voorbij_ = true;
        return {};
    }
    const std::size_t begin = pos_;
    std::size_t eind = inhoud_.find_first_of("\r\n", begin);
    if (eind == std::string_view::npos) {
        pos_ = inhoud_.size();
        return inhoud_.substr(begin);
    }
    pos_ = eind + 1;
    if (inhoud_[eind] == '\r' && pos_ < inhoud_.size() && inhoud_[pos_] == '\n') ++pos_;
    return inhoud_.substr(begin, eind - begin);
}

bool Regellezer::GegevensOver() const {
    return pos_ < inhoud_.size() &&
           inhoud_.find_first_not_of(" \t\r\n", pos_) != std::string_view::npos;
}

std::string Regellezer::Tekst() {
    return Windows1252NaarUtf8(RuweRegel());
}

int32_t Regellezer::Getal() {
    std::string_view r = RuweRegel();
    std::size_t i = 0;
    while (i < r.size() && (r[i] == ' ' || r[i] == '\t')) ++i;
    std::size_t j = i;
    while (j < r.size() && r[j] != ' ' && r[j] != '\t') ++j;
    const std::string_view woord = r.substr(i, j - i);
    if (woord.empty()) return 0;
    // The word must be a number as a whole; LeesGetalBegin saturates long digit runs.
    std::size_t k = (woord[0] == '-' || woord[0] == '+') ? 1 : 0;
    if (k == woord.size()) return 0;
    for (std::size_t m = k; m < woord.size(); ++m)
        if (woord[m] < '0' || woord[m] > '9') return 0;
    return LeesGetalBegin(woord);
}

std::optional<int32_t> Regellezer::Aantal() {
    // The same word Getal reads: leading blanks skipped, the rest of the line after it too.
    std::string_view r = RuweRegel();
    while (!r.empty() && (r.front() == ' ' || r.front() == '\t')) r.remove_prefix(1);
    r = r.substr(0, std::min(r.find(' '), r.find('\t')));
    if (r.empty() || r.size() > 10) return std::nullopt;
    long long v = 0;
    for (char ch : r) {
        if (ch < '0' || ch > '9') return std::nullopt;
        v = v * 10 + (ch - '0');
    }
    if (v > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(v);
}

bool Regellezer::Boolean() {
    return RuweRegel() == "TRUE";
}

double Regellezer::Reeel() {
    const std::string s = Trim(RuweRegel());
    if (s.empty()) return 0.0;
    char* eind = nullptr;
    const double v = std::strtod(s.c_str(), &eind);
    if (eind == s.c_str() || !std::isfinite(v)) return 0.0;
    return v;
}

void Regelschrijver::Tekst(std::string_view utf8) {
    std::string t = Utf8NaarWindows1252(utf8);
    // A line break would split the value, a NUL byte would make the file read as binary.
    for (char& c : t)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    Ruw(t);
}

void Regelschrijver::Ruw(std::string_view cp1252) {
    uit_ += cp1252;
    uit_ += "\r\n";
}

void Regelschrijver::Getal(long long waarde) {
    Ruw(std::to_string(waarde));
}

void Regelschrijver::Boolean(bool waarde) {
    Ruw(waarde ? "TRUE" : "FALSE");
}

void Regelschrijver::Reeel(double waarde) {
    Ruw(ReeelTekst(waarde));
}

std::string ReeelTekst(double waarde) {
    if (!std::isfinite(waarde)) waarde = 0.0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", std::fabs(waarde));
    // buf: d.ddddddddddddddE+xx
    std::string s(buf);
    const std::size_t e = s.find('E');
    const char teken = s[e + 1];
    const int exponent = std::atoi(s.c_str() + e + 2);
    char exp[16];
    std::snprintf(exp, sizeof exp, "%c%04d", teken, exponent);
    return std::string(waarde < 0 ? "-" : " ") + s.substr(0, e + 1) + exp;
}

} // namespace velkaro
