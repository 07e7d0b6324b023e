#include "entry/vensterplaatsing.h"

#include <algorithm>
#include <climits>

namespace velkaro {

namespace {

const char* kSectie = "WindowsRestorer";

long long Overlap(const Rechthoek& a, const Rechthoek& b) {
    const long long l = std::max(a.Links, b.Links);
    const long long r = std::min<long long>(1LL * a.Links + a.Breedte, 1LL * b.Links + b.Breedte);
    const long long t = std::max(a.Boven, b.Boven);
    const long long o = std::min<long long>(1LL * a.Boven + a.Hoogte, 1LL * b.Boven + b.Hoogte);
    return (r > l && o > t) ? (r - l) * (o - t) : 0;
}

bool Binnen(const Rechthoek& v, const Rechthoek& s) {
    return v.Links >= s.Links && v.Boven >= s.Boven &&
           1LL * v.Links + v.Breedte <= 1LL * s.Links + s.Breedte &&
           1LL * v.Boven + v.Hoogte <= 1LL * s.Boven + s.Hoogte;
}

int Begrens(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

} // namespace

std::optional<Plaatsing> LeesPlaatsing(const Ini& ini, const std::string& venster) {
    const auto b = ini.Getal(kSectie, venster + "_Width");
    const auto h = ini.Getal(kSectie, venster + "_Height");
    const auto t = ini.Getal(kSectie, venster + "_Top");
    const auto l = ini.Getal(kSectie, venster + "_Left");
    if (!b || !h || !t || !l || *b <= 0 || *h <= 0) return std::nullopt;
    Plaatsing p;
    p.Vak = {Begrens(*l), Begrens(*t), Begrens(*b), Begrens(*h)};
    const auto s = ini.Getal(kSectie, venster + "_WindowState").value_or(0);
    p.Toestand = s == 2   ? Venstertoestand::Gemaximaliseerd
                 : s == 1 ? Venstertoestand::Geminimaliseerd
                          : Venstertoestand::Normaal;
    return p;
}

void SchrijfPlaatsing(Ini& ini, const std::string& venster, const Plaatsing& p) {
    ini.Zet(kSectie, venster + "_WindowState", static_cast<long long>(p.Toestand));
    ini.Zet(kSectie, venster + "_Width", p.Vak.Breedte);
    ini.Zet(kSectie, venster + "_Height", p.Vak.Hoogte);
    ini.Zet(kSectie, venster + "_Top", p.Vak.Boven);
    ini.Zet(kSectie, venster + "_Left", p.Vak.Links);
}

Rechthoek OpScherm(const Rechthoek& venster, const std::vector<Rechthoek>& schermen) {
    if (schermen.empty()) return venster;
    const Rechthoek* beste = &schermen.front();
    long long meeste = -1;
    for (const auto& s : schermen) {
        if (Binnen(venster, s)) return venster;
        const long long o = Overlap(venster, s);
        if (o > meeste) meeste = o, beste = &s;
    }
    const Rechthoek& s = *beste;
    Rechthoek r = venster;
    r.Breedte = std::min(r.Breedte, s.Breedte);
    r.Hoogte = std::min(r.Hoogte, s.Hoogte);
    r.Links =
        Begrens(std::clamp<long long>(r.Links, s.Links, 1LL * s.Links + s.Breedte - r.Breedte));
    r.Boven = Begrens(std::clamp<long long>(r.Boven, s.Boven, 1LL * s.Boven + s.Hoogte - r.Hoogte));
    return r;
}

Rechthoek Gecentreerd(int breedte, int hoogte, const Rechthoek& over,
                      const std::vector<Rechthoek>& schermen) {
    const Rechthoek r{over.Links + (over.Breedte - breedte) / 2,
                      over.Boven + (over.Hoogte - hoogte) / 2, breedte, hoogte};
    return OpScherm(r, schermen);
}

} // namespace velkaro
