// velkaro-cli group list|switch: the competition groups of a file.
#include "cli/context.h"
#include "cli/json.h"
#include "entry/bestandsfout.h"
#include "entry/groepen.h"
#include "lang/teksten.h"

namespace velkaro::cli {

namespace {

int Lijst(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    Competitie c;
    OpenLezen(c, a.Positie(0, "FILE"), u.err);
    if (a.Vlag("--json")) {
        SchrijfJson(u.out, Json{{"groups", GroepenJson(c)}});
        return 0;
    }
    for (const auto& g : c.Groepen)
        u.out << (g->G().Bestandsnummer == c.HuidigeDeelcomp ? "* " : "  ") << GroepRegel(g->G())
              << "  file " << (100 + g->G().Bestandsnummer) << '\n';
    return 0;
}

int Wissel(const Argumenten& a, Uitvoer& u) {
    a.Aantal(2);
    const auto nummer = GetalArgument(a.Positie(1, "NUMBER"), "NUMBER", 1, INT32_MAX);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    const TDeelcompObj* doel = c.Groepen.ZoekCompetitienummer(static_cast<int32_t>(nummer));
    if (!doel)
        throw Weigering(lang::Tekst(lang::T::GeenGroepMetNummer) + " " + std::to_string(nummer));
    const int32_t bestandsnummer = doel->G().Bestandsnummer;
    // The group opened is saved at the end: a damaged one would be cut short for good, and a
    // missing one would be written empty over whatever the user restores there.
    const auto proef = ControleerGroep(c, bestandsnummer);
    for (const auto& b : proef.Schade)
        throw Weigering(SchadeTekst(b) + "; " + lang::Tekst(lang::T::NietsGewijzigd));
    // The group dialog's "Kies": the open group is written and the other loaded; a failed
    // write comes back as the refusal. Then the file is saved.
    CliGesprek gesprek(u.err);
    gesprek.Antwoorden = Antwoord::Ja; // the damage was weighed above
    KiesGroep(c, gesprek, bestandsnummer);
    Bewaar(c);
    u.out << GroepRegel(c.Groepen.Zoek(bestandsnummer)->G()) << '\n';
    return 0;
}

} // namespace

void GroepOpdrachten(std::vector<Opdracht>& t) {
    t.push_back(
        {"group list",
         "group list FILE.xv7 [--json]",
         "Lists the competition groups: number, title and group file; * marks the open one.",
         {},
         {"--json"},
         Lijst});
    t.push_back({"group switch",
                 "group switch FILE.xv7 NUMBER",
                 "Opens the group with this number (Competitienummer): the open group is written,\n"
                 "the other loaded, and the competition saved.",
                 {},
                 {},
                 Wissel});
}

} // namespace velkaro::cli
