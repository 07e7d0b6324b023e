// The full differential run of the Swiss search: at least 10,000 seeded rounds of fields of 8 to
// 60 players under every result distribution, each compared against the literal search, and
// per field size the round where the literal search tried the most pairs.
// Usage: verschil_zwitsers [rounds] [limit of pairs per round] [seed players distribution]
// (make bench: 10,000 rounds, the literal search stopped after 500,000 pairs, about six minutes)
#include "tests/pairing/verschiltoets.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>

using namespace velkaro::test;

int main(int argc, char** argv) {
    const long long doel = argc > 1 ? std::atoll(argv[1]) : 10000;
    const long long grens = argc > 2 ? std::atoll(argv[2]) : 2'000'000;
    const Uitslagverdeling verdelingen[] = {Uitslagverdeling::Rating, Uitslagverdeling::Remises,
                                            Uitslagverdeling::Favoriet, Uitslagverdeling::Munt};
    const char* namen[] = {"rating", "draws", "favourite", "coin"};
    struct Zwaarste {
        long long onderzocht = 0;
        unsigned zaad = 0;
        int ronde = 0, verdeling = 0;
    };
    std::map<int, Zwaarste> zwaarste, zwaarsteGesnoeid;
    long long rondes = 0, vergeleken = 0, afgebroken = 0, verschillen = 0, begrensd = 0;
    const auto begin = std::chrono::steady_clock::now();
    // One season alone: verschil_zwitsers 1 LIMIT SEED PLAYERS DISTRIBUTION(0-3).
    const bool een = argc > 5;
    for (unsigned zaad = een ? static_cast<unsigned>(std::atoi(argv[3])) : 1u;
         een ? rondes == 0 : vergeleken < doel; ++zaad) {
        const int spelers = een ? std::atoi(argv[4]) : 8 + static_cast<int>((zaad * 37u) % 53u);
        const int v = een ? std::atoi(argv[5]) : static_cast<int>(zaad % 4u);
        const auto s = SpeelSeizoen(zaad, spelers, verdelingen[v], grens);
        rondes += s.Rondes;
        vergeleken += s.Vergeleken;
        afgebroken += s.Afgebroken;
        for (const auto& f : s.Verschillen) {
            std::printf("DIFFERENCE %s (%s)\n", f.c_str(), namen[v]);
            ++verschillen;
        }
        auto& z = zwaarste[spelers];
        if (s.MeesteOnderzocht > z.onderzocht) z = {s.MeesteOnderzocht, zaad, s.ZwaarsteRonde, v};
        auto& zg = zwaarsteGesnoeid[spelers];
        if (s.MeesteGesnoeid > zg.onderzocht) zg = {s.MeesteGesnoeid, zaad, s.ZwaarsteGesnoeid, v};
        if (s.GesnoeidBegrensd) {
            std::printf("OVER THE LIMIT seed %u, %d players, round %d (%s)\n", zaad, spelers,
                        s.ZwaarsteGesnoeid, namen[v]);
            ++begrensd;
        }
        std::fflush(stdout);
    }
    const double sec =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    std::printf("hardest compared round per field size (pairs tried by the literal search):\n");
    for (const auto& [spelers, z] : zwaarste)
        if (z.onderzocht > 10000)
            std::printf("  %2d players: seed %u, round %d, %s: %lld pairs\n", spelers, z.zaad,
                        z.ronde, namen[z.verdeling], z.onderzocht);
    std::printf("hardest round of the pruned search per field size:\n");
    for (const auto& [spelers, z] : zwaarsteGesnoeid)
        if (z.onderzocht > 10000)
            std::printf("  %2d players: seed %u, round %d, %s: %lld pairs\n", spelers, z.zaad,
                        z.ronde, namen[z.verdeling], z.onderzocht);
    std::printf("%lld rounds, %lld compared, %lld where the literal search passed %lld pairs, "
                "%lld where the pruned one passed ten times that, %lld differences, %.0f s\n",
                rondes, vergeleken, afgebroken, grens, begrensd, verschillen, sec);
    return verschillen == 0 ? 0 : 1;
}
