// velkaro-cli match list|swap|renumber|move|delete: the matches of one round, through the
// match list's own rules.
#include "cli/context.h"
#include "cli/json.h"
#include "entry/uitslagknoppen.h"
#include "entry/uitslagtekst.h"
#include "entry/wedstrijdlijst.h"
#include "entry/wedstrijdregels.h"
#include "lang/teksten.h"
#include "model/systeem.h"

namespace velkaro::cli {

namespace {

twedstrijdobj& Wedstrijd(Competitie& c, const Argumenten& a) {
    const int32_t r = BestaandeRonde(c, a.Positie(1, "ROUND"));
    return ZoekWedstrijd(c, r, GetalArgument(a.Positie(2, "MATCH"), "MATCH", INT32_MIN, INT32_MAX));
}

void ToonRonde(const Competitie& c, int32_t r, bool nummers, Uitvoer& u) {
    for (const auto& w : c.Wedstrijden)
        if (w->G().Ronde == r)
            u.out << WedstrijdRegel(w->G(), c.Spelers, c.Opties, nummers || c.ToonLotingnummer)
                  << '\n';
}

int Lijst(const Argumenten& a, Uitvoer& u) {
    a.Aantal(2);
    Competitie c;
    OpenLezen(c, a.Positie(0, "FILE"), u.err);
    const int32_t r = BestaandeRonde(c, a.Positie(1, "ROUND"));
    if (a.Vlag("--json")) {
        Json wedstrijden = Json::array();
        for (const auto& w : c.Wedstrijden)
            if (w->G().Ronde == r) wedstrijden.push_back(WedstrijdJson(w->G(), c));
        Json doc{{"round", r}, {"matches", wedstrijden}};
        if (a.Vlag("--buttons")) {
            Json knoppen = Json::array();
            for (const auto& [naam, knop] : Knopnamen(c.Opties)) knoppen.push_back(naam);
            doc["result_buttons"] = knoppen;
        }
        SchrijfJson(u.out, doc);
        return 0;
    }
    ToonRonde(c, r, a.Vlag("--numbers"), u);
    if (a.Vlag("--buttons")) {
        u.out << "\nresult buttons:";
        for (const auto& [naam, knop] : Knopnamen(c.Opties)) u.out << ' ' << naam;
        u.out << '\n';
    }
    return 0;
}

int Wissel(const Argumenten& a, Uitvoer& u) {
    a.Aantal(3);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    auto& w = Wedstrijd(c, a);
    WisselKleuren(w, c.Opties);
    c.MarkeerHerberekenen();
    Bewaar(c);
    u.out << WedstrijdRegel(w.G(), c.Spelers, c.Opties, true) << '\n';
    return 0;
}

int Hernummer(const Argumenten& a, Uitvoer& u) {
    if (a.Posities().size() != 2 && a.Posities().size() != 4)
        throw Gebruiksfout("expected FILE ROUND, or FILE ROUND MATCH NEWNUMBER");
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    const int32_t r = BestaandeRonde(c, a.Positie(1, "ROUND"));
    if (a.Posities().size() == 2) {
        // As opening the round in the match list does: 10, 20, 30, ... in the present order.
        CliGesprek gesprek(u.err);
        MersenneToeval toeval;
        TWedstrijdenlijst lijst(c, gesprek, toeval);
        lijst.SetData(r);
        lijst.GetData(r, true);
    } else {
        GetalArgument(a.Positie(3, "NEWNUMBER"), "NEWNUMBER", 1, INT32_MAX);
        auto& w = Wedstrijd(c, a);
        if (!ZetWedstrijdnummer(w, a.Positie(3, "NEWNUMBER")))
            throw Gebruiksfout("NEWNUMBER: expected a whole number other than 0, got '" +
                               a.Positie(3, "NEWNUMBER") + "'");
        c.Wedstrijden.Herschik();
    }
    c.Gewijzigd = true;
    Bewaar(c);
    ToonRonde(c, r, true, u);
    return 0;
}

int Verplaats(const Argumenten& a, Uitvoer& u) {
    a.Aantal(4);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    auto& w = Wedstrijd(c, a);
    const std::string naar = a.Positie(3, "NEWROUND");
    GetalArgument(naar, "NEWROUND", 1, kMaxRonde);
    if (!ZetRondenummer(w, naar, c.Rondes)) throw Weigering(lang::Tekst(lang::T::RondeBestaatNiet));
    c.Wedstrijden.Herschik();
    c.MarkeerHerberekenen();
    Bewaar(c);
    u.out << WedstrijdRegel(w.G(), c.Spelers, c.Opties, true) << '\n';
    return 0;
}

int Verwijder(const Argumenten& a, Uitvoer& u) {
    a.Aantal(3);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    auto& w = Wedstrijd(c, a);
    const std::string regel = WedstrijdRegel(w.G(), c.Spelers, c.Opties, true);
    c.Wedstrijden.Verwijder(&w);
    c.MarkeerHerberekenen();
    Bewaar(c);
    u.out << "deleted: " << regel << '\n';
    return 0;
}

} // namespace

void WedstrijdlijstOpdrachten(std::vector<Opdracht>& t) {
    t.push_back({"match list",
                 "match list FILE.xv7 ROUND [--numbers] [--buttons] [--json]",
                 "Lists the matches of ROUND as the match list shows them: round, number,\n"
                 "white, black, result, R for a regulation result. --numbers shows the drawing\n"
                 "numbers; --buttons adds the result button names of the mode in force.",
                 {},
                 {"--numbers", "--buttons", "--json"},
                 Lijst});
    t.push_back({"match swap",
                 "match swap FILE.xv7 ROUND MATCH",
                 "Exchanges the colours of match MATCH; the result is mirrored (board points\n"
                 "swap with the players).",
                 {},
                 {},
                 Wissel});
    t.push_back({"match renumber",
                 "match renumber FILE.xv7 ROUND [MATCH NEWNUMBER]",
                 "Without MATCH: numbers the round's matches 10, 20, 30, ... in their order, as\n"
                 "opening the round for result entry does. With MATCH: gives that match the\n"
                 "number NEWNUMBER (not 0), which places it among the others.",
                 {},
                 {},
                 Hernummer});
    t.push_back({"match move",
                 "match move FILE.xv7 ROUND MATCH NEWROUND",
                 "Moves a match to another existing round.",
                 {},
                 {},
                 Verplaats});
    t.push_back({"match delete",
                 "match delete FILE.xv7 ROUND MATCH",
                 "Deletes a match, result included (the match list asks nothing either).",
                 {},
                 {},
                 Verwijder});
}

} // namespace velkaro::cli
