// velkaro-cli new, info: creating a competition file and describing one.
#include "cli/context.h"
#include "cli/instellingsopties.h"
#include "cli/json.h"
#include "entry/bestandsfout.h"
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
    // Anything under the two names counts, a link to nothing included; with --overwrite it
    // is replaced, never written through.
    for (const std::string& naam : {pad, Groepsbestand(pad, 1)}) {
        std::error_code ec;
        if (std::filesystem::exists(std::filesystem::symlink_status(naam, ec)) &&
            !a.Vlag("--overwrite"))
            throw Weigering(lang::Tekst(lang::T::BestandBestaatAl) + ": " + naam);
    }
    Competitie c;
    c.Bestandsnaam = pad;
    // The settings and the tournament data as their dialogs would set them at once; a
    // refusal leaves no file behind.
    PasInstellingenToe(c, a, u.err);
    PasToernooiToe(c, a);
    if (auto r = MaakNieuweBestanden(c, true); !r.Ok()) throw Weigering(BestandsfoutTekst(r));
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

int Controleer(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    const std::string pad = a.Positie(0, "FILE");
    VergrendelLezen(pad);
    const auto r = ControleerCompetitie(pad);
    if (!r.Ok()) throw Weigering(BestandsfoutTekst(r));
    if (a.Vlag("--json")) {
        Json fouten = Json::array();
        for (const auto& s : r.Schade)
            fouten.push_back(
                {{"file", s.Pad}, {"main_file", s.Hoofdbestand}, {"fault", SchadeTekst(s)}});
        SchrijfJson(u.out, Json{{"file", pad}, {"damaged", fouten}});
    } else {
        for (const auto& s : r.Schade) u.out << SchadeTekst(s) << '\n';
        if (r.Schade.empty()) u.out << pad << ": OK\n";
    }
    return r.Schade.empty() ? 0 : 1;
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
    t.push_back({"check",
                 "check FILE.xv7 [--json]",
                 "Reads the main file and every group file of the competition and lists every\n"
                 "fault: a missing group file, a file cut short, a count that disagrees with\n"
                 "the lines after it, lines after the last part, a drawing or group file number\n"
                 "that is negative or used twice. Exit status 1 when any file is damaged.",
                 {},
                 {"--json"},
                 Controleer});
}

} // namespace velkaro::cli
