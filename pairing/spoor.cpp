#include "pairing/spoor.h"

#include <cstdio>

namespace velkaro {

std::filesystem::path SpoorPad(const Competitie& c) {
    const std::filesystem::path bestand(c.Bestandsnaam);
    return (c.Bestandsnaam.empty() ? std::filesystem::path() : bestand.parent_path()) / "vULWACHT";
}

Spoor::Spoor(std::filesystem::path pad) : pad_(std::move(pad)) {
    if (std::FILE* f = std::fopen(pad_.c_str(), "wb")) {
        bruikbaar_ = std::fclose(f) == 0;
    }
}

void Spoor::Schrijf(std::string_view regel) const {
    if (!bruikbaar_) return;
    std::FILE* f = std::fopen(pad_.c_str(), "ab");
    if (!f) return;
    std::fwrite(regel.data(), 1, regel.size(), f);
    std::fputs("\r\n", f);
    std::fclose(f);
}

} // namespace velkaro
