// velkaro-cli player add|list: the players of the open group, named by drawing number.
#include "cli/context.h"
#include "cli/json.h"
#include "cli/spelervelden.h"
#include "entry/register.h"
#include "model/systeem.h"
#include "model/tekst.h"

#include <cstdio>

namespace velkaro::cli {

namespace {

int Toevoegen(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    if (!a.Waarde("--name") && !a.Waarde("--from-list") && !a.Waarde("--from-fmjd"))
        throw Gebruiksfout("--name is required and cannot be empty");
    const auto zaad = a.Getal("--seed", 0, UINT32_MAX);
    ControleerSpelervelden(a);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    const auto lijsten = LijstenVoorOvername(a, c);
    CliGesprek gesprek(u.err);
    MersenneToeval toeval = ToevalMetZaad(zaad);
    TSpelerLijst lijst(c, gesprek, toeval);
    lijst.Activeer();
    // A given number is typed in, as in the mode "Ingeven"; otherwise the group's own mode.
    if (a.Waarde("--number"))
        lijst.KiesLoting(LotingKeuze::Ingeven);
    else if (lijst.Keuze() == LotingKeuze::Ingeven)
        throw Gebruiksfout("this group numbers new players by hand: give --number");
    if (auto m = a.Waarde("--max")) lijst.ZetMaximum(*m);
    const std::size_t voor = c.Spelers.Aantal();
    lijst.Nieuw([&](TInvoerSpelers& d) {
        d.Velden.FMJDRating = 2100; // no FMJD rating known
        if (lijsten) NeemUitLijstOver(a, *lijsten, c, d);
        VulSpelervelden(a, d.Velden);
        d.NaamVerlaten();
        return true;
    });
    if (c.Spelers.Aantal() == voor) throw Gebruiksfout("--name cannot be empty");
    Bewaar(c);
    const auto& s = c.Spelers.At(c.Spelers.Aantal() - 1);
    const std::string naam = MeldAanpassingen(a, c, s.G(), u.err);
    u.out << s.Lotingnummer() << '\t' << naam << '\n';
    return 0;
}

int Lijst(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    Competitie c;
    OpenLezen(c, a.Positie(0, "FILE"), u.err);
    std::vector<const TSpelerObj*> spelers;
    for (const auto& s : c.Spelers) spelers.push_back(s.get());
    std::stable_sort(spelers.begin(), spelers.end(), [](const auto* x, const auto* y) {
        return x->Lotingnummer() < y->Lotingnummer();
    });
    if (a.Vlag("--json")) {
        Json lijst = Json::array();
        for (const auto* s : spelers) {
            const auto& g = s->G();
            lijst.push_back({{"number", g.Lotingnummer},
                             {"name", g.Naam},
                             {"short_name", g.Kort},
                             {"place", g.Plaats},
                             {"country", g.Land},
                             {"categories", Trim(g.Categorieen)},
                             {"rating", g.Rating},
                             {"national_rating", g.LokaleRating},
                             {"fmjd_rating", g.FMJDRating},
                             {"fmjd_id", g.FMJDID},
                             {"pairing", s->InRooster()},
                             {"standings", s->InStand()}});
        }
        SchrijfJson(u.out, Json{{"players", lijst}});
        return 0;
    }
    u.out << " Nr  " << VulRechts("Name", 21) << VulRechts("Sh", 4) << VulRechts("Place", 21)
          << "Cat   Rating R S\n";
    for (const auto* s : spelers) {
        const auto& g = s->G();
        char nr[16], rating[16];
        std::snprintf(nr, sizeof nr, "%3d  ", g.Lotingnummer);
        std::snprintf(rating, sizeof rating, "%6d", g.Rating);
        u.out << nr << VulRechts(g.Naam, 21) << VulRechts(g.Kort, 4) << VulRechts(g.Plaats, 21)
              << VulRechts(g.Categorieen, 6) << rating << ' ' << (s->InRooster() ? 'R' : ' ') << ' '
              << (s->InStand() ? 'S' : ' ') << '\n';
    }
    return 0;
}

} // namespace

void SpelerOpdrachten(std::vector<Opdracht>& t) {
    auto opties = SpelerveldOpties();
    opties.insert({"--max", "--seed"});
    t.push_back({"player add",
                 std::string("player add FILE.xv7 --name NAME ") + kSpelerveldGebruik +
                     "\n         [--max N] [--seed N]",
                 "Adds a player as the register does: marked R and S, FMJD rating 2100 unless\n"
                 "given. The drawing number follows the group's mode (see 'player number'):\n"
                 "the first free number, or a random free number up to --max (at least 3/2 of\n"
                 "the players, never below 15); --number gives it by hand. A name already in\n"
                 "the group is warned about and kept. --from-list TEXT takes the player over\n"
                 "from the national rating list entry that the player dialog's search for TEXT\n"
                 "finds (exactly one must match), --from-fmjd ID from the FMJD list's entry with\n"
                 "that number, as a click on the dialog's list does; other options given then\n"
                 "change what was taken over. The lists are looked for in ~/.local/share/velkaro\n"
                 "($XDG_DATA_HOME/velkaro) and the program's folder.",
                 opties,
                 {},
                 Toevoegen});
    t.push_back({"player list",
                 "player list FILE.xv7 [--json]",
                 "Lists the players of the open group by drawing number with rating and the R\n"
                 "(pairing) and S (standings) marks.",
                 {},
                 {"--json"},
                 Lijst});
}

} // namespace velkaro::cli
