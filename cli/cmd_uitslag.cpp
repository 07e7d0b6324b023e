// velkaro-cli results random: random results for a round from the players' ratings.
#include "cli/context.h"
#include "entry/uitslagtekst.h"
#include "entry/wedstrijdregels.h"
#include "model/systeem.h"

namespace velkaro::cli {

namespace {

int Random(const Argumenten& a, Uitvoer& u) {
    a.Aantal(2);
    const auto zaad = a.Getal("--seed", 0, UINT32_MAX);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    const int32_t r = BestaandeRonde(c, a.Positie(1, "ROUND"));
    MersenneToeval toeval = ToevalMetZaad(zaad);
    for (auto& w : c.Wedstrijden)
        if (w->G().Ronde == r) RandomUitslag(c, *w, toeval);
    Bewaar(c);
    for (const auto& w : c.Wedstrijden)
        if (w->G().Ronde == r) u.out << WedstrijdRegel(w->G(), c.Spelers, c.Opties, true) << '\n';
    return 0;
}

} // namespace

void UitslagOpdrachten(std::vector<Opdracht>& t) {
    t.push_back({"results random",
                 "results random FILE.xv7 ROUND [--seed N]",
                 "Gives every match of ROUND between two registered players a random result\n"
                 "weighted by their ratings (a rating of 0 counts as the starting rating),\n"
                 "replacing any result it had. --seed makes the draw repeatable.",
                 {"--seed"},
                 {},
                 Random});
}

} // namespace velkaro::cli
