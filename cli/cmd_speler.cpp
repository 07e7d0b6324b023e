// velkaro-cli player add|list: the players of the open group, named by drawing number.
#include "cli/context.h"
#include "model/tekst.h"

#include <cstdio>

namespace velkaro::cli {

namespace {

int Toevoegen(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    Spelergegevens g;
    g.Naam = a.Waarde("--name").value_or("");
    if (Trim(g.Naam).empty()) throw Gebruiksfout("--name is required and cannot be empty");
    g.VolledigeNaam = g.Naam;
    g.Kort = a.Waarde("--short").value_or("");
    g.Plaats = a.Waarde("--place").value_or("");
    g.Land = a.Waarde("--country").value_or("");
    g.LokaleRating = static_cast<int32_t>(a.Getal("--rating", 0, 9999).value_or(0));
    g.FMJDRating = static_cast<int32_t>(a.Getal("--fmjd-rating", 0, 9999).value_or(2100));
    g.FMJDID = static_cast<int32_t>(a.Getal("--fmjd-id", 0, INT32_MAX).value_or(0));
    const std::string cat = a.Waarde("--categories").value_or("");
    if (AantalTekens(cat) > 4) throw Gebruiksfout("--categories takes at most four letters");
    g.Categorieen = VulRechts(cat, 5);
    const auto nummer = a.Getal("--number", 1, 9999);
    Competitie c;
    Open(c, a.Positie(0, "FILE"));
    g.Rating = c.Opties.FMJDRatingHanteren() ? g.FMJDRating : g.LokaleRating;
    g.Opnemen = OpnemenStand | OpnemenRooster;
    g.Lotingnummer = static_cast<int32_t>(nummer.value_or(c.Spelers.EersteLotingNummerVrij()));
    g.InternNummer = c.Spelers.VrijIntern();
    const auto& s = c.Spelers.Voegtoe(g);
    c.MarkeerHerberekenen();
    Bewaar(c);
    u.out << s.Lotingnummer() << '\t' << s.G().Naam << '\n';
    return 0;
}

int Lijst(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    Competitie c;
    Open(c, a.Positie(0, "FILE"));
    std::vector<const TSpelerObj*> spelers;
    for (const auto& s : c.Spelers) spelers.push_back(s.get());
    std::stable_sort(spelers.begin(), spelers.end(), [](const auto* x, const auto* y) {
        return x->Lotingnummer() < y->Lotingnummer();
    });
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
    t.push_back({"player add",
                 "player add FILE.xv7 --name NAME [--short CODE] [--place P] [--country C]\n"
                 "         [--rating N] [--fmjd-rating N] [--fmjd-id N] [--categories LETTERS] [--number N]",
                 "Adds a player to the open group as the register does: marked R and S, the first\n"
                 "free drawing number unless --number is given, FMJD rating 2100 unless given.",
                 {"--name", "--short", "--place", "--country", "--rating", "--fmjd-rating",
                  "--fmjd-id", "--categories", "--number"},
                 {},
                 Toevoegen});
    t.push_back({"player list", "player list FILE.xv7",
                 "Lists the players of the open group by drawing number with rating and the R\n"
                 "(pairing) and S (standings) marks.",
                 {}, {}, Lijst});
}

} // namespace velkaro::cli
