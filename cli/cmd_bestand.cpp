// velkaro-cli new, info: creating a competition file and describing one.
#include "cli/context.h"
#include "cli/instellingsopties.h"
#include "lang/namen.h"
#include "lang/teksten.h"
#include "storage/bestandsnamen.h"

#include <filesystem>

namespace velkaro::cli {

namespace {

int Nieuw(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    const std::string pad = MetXv7(a.Positie(0, "FILE"));
    Vergrendel(pad);
    std::error_code ec;
    if (std::filesystem::exists(pad, ec) && !a.Vlag("--overwrite"))
        throw Weigering(lang::Tekst(lang::T::BestandBestaatAl) + ": " + pad);
    Competitie c;
    c.Bestandsnaam = pad;
    // The settings and the tournament data as their dialogs would set them at once; a
    // refusal leaves no file behind.
    PasInstellingenToe(c, a, u.err);
    PasToernooiToe(c, a);
    Bewaar(c);
    u.out << pad << '\n';
    return 0;
}

int Info(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    Competitie c;
    OpenLezen(c, a.Positie(0, "FILE"), u.err);
    c.Rondes.BerekenUitslagen(c.Wedstrijden);
    int uitslagen = 0;
    for (const auto& w : c.Wedstrijden) uitslagen += w->G().Gespeeld ? 1 : 0;
    if (a.Vlag("--json")) {
        SchrijfJson(u.out,
                    Json{{"file", c.Bestandsnaam},
                         {"version", c.Bestandsversie},
                         {"groups", GroepenJson(c)},
                         {"open_group",
                          {{"number", c.HuidigCompetitienummer}, {"title", c.Opties.Toernooinaam}}},
                         {"players", c.Spelers.Aantal()},
                         {"rounds", c.Rondes.Aantal()},
                         {"matches", c.Wedstrijden.Aantal()},
                         {"matches_with_result", uitslagen},
                         {"system",
                          {{"number", c.Opties.Rekensysteem},
                           {"name", lang::SysteemNaam(c.Opties.Rekensysteem)}}},
                         {"sort_order", c.Opties.Sorteervolgorde},
                         {"standings_up_to_date", c.Opties.IsActueel()}});
        return 0;
    }
    u.out << "File:         " << c.Bestandsnaam << '\n'
          << "Version:      " << c.Bestandsversie << '\n'
          << "Groups:       " << c.Groepen.Aantal() << '\n';
    for (const auto& g : c.Groepen)
        u.out << (g->G().Bestandsnummer == c.HuidigeDeelcomp ? "  * " : "    ")
              << GroepRegel(g->G()) << "  (file "
              << Groepsbestand(c.Bestandsnaam, g->G().Bestandsnummer) << ")\n";
    u.out << "Open group:   " << c.HuidigCompetitienummer << " - " << c.Opties.Toernooinaam << '\n'
          << "Players:      " << c.Spelers.Aantal() << '\n'
          << "Rounds:       " << c.Rondes.Aantal() << '\n'
          << "Matches:      " << c.Wedstrijden.Aantal() << " (" << uitslagen << " with a result)\n"
          << "System:       " << c.Opties.Rekensysteem << " "
          << lang::SysteemNaam(c.Opties.Rekensysteem) << '\n'
          << "Sort order:   " << c.Opties.Sorteervolgorde << '\n'
          << "Standings:    " << (c.Opties.IsActueel() ? "up to date" : "to be recomputed") << '\n';
    return 0;
}

std::set<std::string> NieuwOpties() {
    auto o = InstellingOpties();
    o.insert(ToernooiOpties().begin(), ToernooiOpties().end());
    return o;
}

} // namespace

void BestandOpdrachten(std::vector<Opdracht>& t) {
    t.push_back(
        {"new",
         "new FILE.xv7 [--overwrite] [SETTINGS OPTIONS] [TOURNAMENT OPTIONS]",
         std::string(
             "Creates a new competition with one empty group and saves it at once.\n"
             "An existing file is only replaced with --overwrite. The options of 'settings'\n"
             "and 'tournament' set the new group's settings and tournament data at once;\n"
             "what those commands refuse, 'new' refuses, and then writes no file.\n\n"
             "Settings options:\n") +
             kInstellingGebruik + "\n\nTournament options:\n" + kToernooiGebruik,
         NieuwOpties(),
         {"--overwrite"},
         Nieuw});
    t.push_back({"info",
                 "info FILE.xv7 [--json]",
                 "Shows the file version, the groups (the open one marked with *), and the\n"
                 "players, rounds, matches, system and sort order of the open group.",
                 {},
                 {"--json"},
                 Info});
}

} // namespace velkaro::cli
