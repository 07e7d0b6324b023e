#include "entry/nummeren.h"

#include <algorithm>
#include <tuple>

namespace velkaro {

std::vector<TSpelerObj*> Sterktelijst(TSpelersVerzameling& spelers) {
    std::vector<TSpelerObj*> lijst;
    for (auto& s : spelers) lijst.push_back(s.get());
    // The order of the text key "9999 - rating, number + 1000, intern + 1000" for every
    // value that key can hold, and still a sound order for those it cannot.
    std::stable_sort(lijst.begin(), lijst.end(), [](const TSpelerObj* a, const TSpelerObj* b) {
        return std::make_tuple(-static_cast<int64_t>(a->G().Rating), a->Lotingnummer(),
                               a->InternNummer()) <
               std::make_tuple(-static_cast<int64_t>(b->G().Rating), b->Lotingnummer(),
                               b->InternNummer());
    });
    return lijst;
}

int StandaardLotinggroepen(std::size_t spelers) {
    return static_cast<int>(spelers / 30) + 1;
}

bool NummerAutomatisch(Competitie& c, int& groepen, bool parallel, Toeval& toeval) {
    const int n = static_cast<int>(c.Spelers.Aantal());
    if (n < 2) return false;
    const uint16_t systeem = c.Opties.Rekensysteem;
    if (c.Opties.IsZwitsers()) groepen = std::clamp(groepen, 1, n / 2);
    const auto sterkte = Sterktelijst(c.Spelers);
    // Positions count from 1 as in the strength list.
    auto geef = [&](int positie, int nummer) { sterkte[positie - 1]->W().Lotingnummer = nummer; };

    if (systeem == SysteemZwitsersRating) {
        for (int i = 1; i <= n; ++i) geef(i, i);
    } else if (systeem == SysteemZwitsers || systeem == SysteemFMJDZwitsers) {
        const int g = groepen;
        const int s = 2 * ((n / g) / 2);
        const int r = toeval.Getal(2);
        int volgende = 1;
        for (int groep = 1; groep <= g; ++groep) {
            int eerste = (groep - 1) * s + 1;
            int partner = 0, stap = 0, paren = 0;
            if (groep < g) {
                partner = parallel ? eerste + s - 1 : eerste + s / 2;
                stap = parallel ? -1 : 1;
                paren = s / 2;
            } else if (parallel) {
                const int laatste = n % 2 == 1 ? n - 1 : n;
                partner = laatste;
                stap = -1;
                paren = (laatste + 1 - eerste) / 2;
            } else {
                partner = eerste + (n - eerste + 1) / 2;
                stap = 1;
                paren = partner - eerste;
            }
            for (int p = 0; p < paren; ++p) {
                if (groep % 2 == r) {
                    geef(eerste, volgende);
                    geef(partner, volgende + 1);
                } else {
                    geef(partner, volgende);
                    geef(eerste, volgende + 1);
                }
                volgende += 2;
                ++eerste;
                partner += stap;
            }
        }
        if (n % 2 == 1) geef(n, volgende);
    } else {
        return false;
    }
    c.MarkeerHerberekenen();
    return true;
}

} // namespace velkaro
