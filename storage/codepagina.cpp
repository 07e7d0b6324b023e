#include "storage/codepagina.h"

#include <array>
#include <cstdint>

namespace velkaro {

namespace {

// Code points of the bytes 0x80..0x9F; 0 where Windows-1252 defines no character (those
// bytes are read as the C1 control of the same number, as Windows does).
constexpr std::array<uint16_t, 32> kC1 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void SchrijfUtf8(std::string& uit, uint32_t cp) {
    if (cp < 0x80) {
        uit += static_cast<char>(cp);
    } else if (cp < 0x800) {
        uit += static_cast<char>(0xC0 | (cp >> 6));
        uit += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        uit += static_cast<char>(0xE0 | (cp >> 12));
        uit += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        uit += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char NaarByte(uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kC1.size(); ++i)
        if (kC1[i] == cp) return static_cast<char>(0x80 + i);
    if (cp >= 0x80 && cp <= 0x9F && kC1[cp - 0x80] == 0) return static_cast<char>(cp);
    return '?';
}

} // namespace

std::string Windows1252NaarUtf8(std::string_view in) {
    std::string uit;
    uit.reserve(in.size() + in.size() / 8);
    for (char ch : in) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            uit += ch;
        } else if (b < 0xA0) {
            const uint16_t cp = kC1[b - 0x80];
            SchrijfUtf8(uit, cp != 0 ? cp : b);
        } else {
            SchrijfUtf8(uit, b);
        }
    }
    return uit;
}

std::string Utf8NaarWindows1252(std::string_view in) {
    std::string uit;
    uit.reserve(in.size());
    std::size_t i = 0;
    while (i < in.size()) {
        const auto b = static_cast<unsigned char>(in[i]);
        if (b < 0x80) {
            uit += static_cast<char>(b);
            ++i;
            continue;
        }
        int lengte = 0;
        uint32_t cp = 0;
        if ((b & 0xE0) == 0xC0) {
            lengte = 2;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            lengte = 3;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            lengte = 4;
            cp = b & 0x07;
        } else {
            uit += '?'; // a stray continuation byte
            ++i;
            continue;
        }
        bool geldig = i + static_cast<std::size_t>(lengte) <= in.size();
        for (int k = 1; geldig && k < lengte; ++k) {
            const auto c = static_cast<unsigned char>(in[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80)
                geldig = false;
            else
                cp = (cp << 6) | (c & 0x3F);
        }
        if (!geldig) {
            uit += '?';
            ++i;
            continue;
        }
        uit += NaarByte(cp);
        i += static_cast<std::size_t>(lengte);
    }
    return uit;
}

} // namespace velkaro
