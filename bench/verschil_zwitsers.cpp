// The full differential run of the Swiss search: at least 10,000 seeded rounds of fields of 8 to
// 60 players under every result distribution, each compared against the literal search (under
// the FMJD rules against the same search with nothing skipped), and per field size the round
// where the reference tried the most pairs and the one where the pruned search took longest.
// Usage: verschil_zwitsers [rounds] [limit of pairs per round] [swiss|fmjd] [seconds per round]
//        verschil_zwitsers 1 LIMIT swiss|fmjd SEED PLAYERS DISTRIBUTION(0-3)   (one season)
// (make bench: 10,000 Swiss rounds, the reference stopped after 500,000 pairs, about 1.5 minutes)
#include "tests/pairing/verschiltoets.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

using namespace velkaro;
using namespace velkaro::test;

int main(int argc, char** argv) {
    const long long doel = argc > 1 ? std::atoll(argv[1]) : 10000;
    const long long grens = argc > 2 ? std::atoll(argv[2]) : 2'000'000;
    const bool fmjd = argc > 3 && std::strcmp(argv[3], "fmjd") == 0;
    const int32_t systeem = fmjd ? SysteemFMJDZwitsers : SysteemZwitsers;
    if (argc == 5) SecondenPerRonde = std::atof(argv[4]);
    const Uitslagverdeling verdelingen[] = {Uitslagverdeling::Rating, Uitslagverdeling::Remises,
                                            Uitslagverdeling::Favoriet, Uitslagverdeling::Munt};
    const char* namen[] = {"rating", "draws", "favourite", "coin"};
    struct Zwaarste {
        double maat = 0; // pairs or seconds
        unsigned zaad = 0;
        int ronde = 0, verdeling = 0;
    };
    std::map<int, Zwaarste> zwaarste, langste;
    long long rondes = 0, vergeleken = 0, afgebroken = 0, verschillen = 0, begrensd = 0;
    const auto begin = std::chrono::steady_clock::now();
    const bool een = argc > 6;
    for (unsigned zaad = een ? static_cast<unsigned>(std::atoi(argv[4])) : 1u;
         een ? rondes == 0 : vergeleken < doel; ++zaad) {
        const int spelers = een ? std::atoi(argv[5]) : 8 + static_cast<int>((zaad * 37u) % 53u);
        const int v = een ? std::atoi(argv[6]) : static_cast<int>(zaad % 4u);
        const auto s = SpeelSeizoen(zaad, spelers, verdelingen[v], grens, systeem);
        rondes += s.Rondes;
        vergeleken += s.Vergeleken;
        afgebroken += s.Afgebroken;
        for (const auto& f : s.Verschillen) {
            std::printf("DIFFERENCE %s (%s)\n", f.c_str(), namen[v]);
            ++verschillen;
        }
        auto& z = zwaarste[spelers];
        if (static_cast<double>(s.MeesteOnderzocht) > z.maat)
            z = {static_cast<double>(s.MeesteOnderzocht), zaad, s.ZwaarsteRonde, v};
        auto& l = langste[spelers];
        if (s.LangsteSeconden > l.maat) l = {s.LangsteSeconden, zaad, s.LangsteRonde, v};
        if (s.GesnoeidBegrensd) {
            std::printf("OUT OF TIME seed %u, %d players, round %d (%s)\n", zaad, spelers,
                        s.LangsteRonde, namen[v]);
            ++begrensd;
        }
        std::fflush(stdout);
    }
    const double sec =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::printf("hardest compared round per field size (pairs tried by the reference):\n");
    for (const auto& [spelers, z] : zwaarste)
        if (z.maat > 10000)
            std::printf("  %2d players: seed %u, round %d, %s: %.0f pairs\n", spelers, z.zaad,
                        z.ronde, namen[z.verdeling], z.maat);
    std::printf("longest round of the pruned search per field size:\n");
    for (const auto& [spelers, z] : langste)
        if (z.maat > 0.005)
            std::printf("  %2d players: seed %u, round %d, %s: %.3f s\n", spelers, z.zaad, z.ronde,
                        namen[z.verdeling], z.maat);
    std::printf("%lld rounds, %lld compared, %lld where the reference passed %lld pairs, "
                "%lld where the pruned search ran out of time, %lld differences, %.0f s\n",
                rondes, vergeleken, afgebroken, grens, begrensd, verschillen, sec);
    return verschillen == 0 ? 0 : 1;
}
