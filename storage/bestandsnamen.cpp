#include "storage/bestandsnamen.h"

#include <algorithm>
#include <cctype>

namespace velkaro {

namespace {
std::size_t NaamBegin(const std::string& pad) {
    const std::size_t s = pad.find_last_of("/\\");
    return s == std::string::npos ? 0 : s + 1;
}
} // namespace

std::string Extensie(const std::string& pad) {
    const std::size_t punt = pad.rfind('.');
    if (punt == std::string::npos || punt < NaamBegin(pad)) return {};
    return pad.substr(punt);
}

std::string Basisnaam(const std::string& pad) {
    return pad.substr(0, pad.size() - Extensie(pad).size());
}

std::string MetXv7(const std::string& pad) {
    return Basisnaam(pad) + ".xv7";
}

std::string MetExtensie(const std::string& pad, const std::string& extensie) {
    const std::string e = Extensie(pad);
    const bool zelfde = e.size() == extensie.size() &&
                        std::equal(e.begin(), e.end(), extensie.begin(), [](char a, char b) {
                            return std::tolower(static_cast<unsigned char>(a)) ==
                                   std::tolower(static_cast<unsigned char>(b));
                        });
    return zelfde ? pad : pad + extensie;
}

std::string Groepsbestand(const std::string& pad, int32_t bestandsnummer) {
    return Basisnaam(pad) + "." + std::to_string(100LL + bestandsnummer);
}

std::string Herstelbestand(const std::string& pad) {
    return Basisnaam(pad) + ".herstel";
}

std::string Vergrendelbestand(const std::string& pad) {
    return Basisnaam(pad) + ".lck";
}

std::string Leesslotbestand(const std::string& pad) {
    return Basisnaam(pad) + ".lcl";
}

std::string Map(const std::string& pad) {
    return pad.substr(0, NaamBegin(pad));
}

} // namespace velkaro
