#include "model/tekst.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace velkaro {

namespace {
bool IsVervolg(unsigned char c) {
    return (c & 0xC0) == 0x80;
}
} // namespace

std::size_t AantalTekens(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if (!IsVervolg(c)) ++n;
    return n;
}

std::string Kap(std::string_view s, std::size_t n) {
    std::size_t tekens = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!IsVervolg(static_cast<unsigned char>(s[i]))) {
            if (tekens == n) return std::string(s.substr(0, i));
            ++tekens;
        }
    }
    return std::string(s);
}

std::string VulRechts(std::string_view s, std::size_t n) {
    std::string r(s);
    std::size_t k = AantalTekens(s);
    if (k < n) r.append(n - k, ' ');
    return r;
}

std::string VulLinks(std::string_view s, std::size_t n) {
    std::size_t k = AantalTekens(s);
    std::string r;
    if (k < n) r.assign(n - k, ' ');
    r += s;
    return r;
}

std::string Hoofdletters(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c >= 'a' && c <= 'z') {
            r += static_cast<char>(c - 32);
        } else if (c == 0xC3 && i + 1 < s.size()) {
            // U+00E0..U+00FE (except U+00F7) map to U+00C0..U+00DE; U+00FF to U+0178.
            auto d = static_cast<unsigned char>(s[i + 1]);
            if (d == 0xBF) {
                r += "\xC5\xB8";
            } else {
                if (d >= 0xA0 && d <= 0xBE && d != 0xB7) d = static_cast<unsigned char>(d - 0x20);
                r += static_cast<char>(c);
                r += static_cast<char>(d);
            }
            ++i;
        } else if (c == 0xC5 && i + 1 < s.size()) {
            // The small letters only Windows-1252 adds to Latin-1: œ, š, ž (U+0153, U+0161,
            // U+017E), each one code point above its capital.
            auto d = static_cast<unsigned char>(s[i + 1]);
            if (d == 0x93 || d == 0xA1 || d == 0xBE) d = static_cast<unsigned char>(d - 1);
            r += static_cast<char>(c);
            r += static_cast<char>(d);
            ++i;
        } else {
            r += static_cast<char>(c);
        }
    }
    return r;
}

std::string Trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r' || s[b] == '\n')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r' || s[e - 1] == '\n'))
        --e;
    return std::string(s.substr(b, e - b));
}

std::optional<long long> LeesGetal(std::string_view s) {
    std::string t = Trim(s);
    if (t.empty()) return std::nullopt;
    std::string_view v(t);
    if (v.front() == '+') v.remove_prefix(1);
    long long x = 0;
    auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), x);
    if (ec != std::errc{} || p != v.data() + v.size()) return std::nullopt;
    return x;
}

int LeesGetalBegin(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negatief = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negatief = s[i] == '-';
        ++i;
    }
    int64_t x = 0;
    bool cijfers = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        cijfers = true;
        if (x < (int64_t{1} << 40)) x = x * 10 + (s[i] - '0');
        ++i;
    }
    if (!cijfers) return 0;
    if (negatief) x = -x;
    if (x > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (x < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int>(x);
}

} // namespace velkaro
