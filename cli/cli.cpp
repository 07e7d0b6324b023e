#include "cli/cli.h"

#include "cli/context.h"
#include "entry/programma.h"
#include "lang/teksten.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <sstream>

namespace velkaro::cli {

namespace {

std::vector<Opdracht> Tabel() {
    std::vector<Opdracht> t;
    BestandOpdrachten(t);
    InstellingOpdrachten(t);
    ToernooiOpdrachten(t);
    GroepOpdrachten(t);
    SpelerOpdrachten(t);
    WedstrijdOpdrachten(t);
    ParenOpdrachten(t);
    StandOpdrachten(t);
    RegisterOpdrachten(t);
    RondeOpdrachten(t);
    WedstrijdlijstOpdrachten(t);
    UitslagOpdrachten(t);
    MatrixOpdrachten(t);
    CategorieOpdrachten(t);
    RapportOpdrachten(t);
    RatinglijstOpdrachten(t);
    ImportOpdrachten(t);
    PubliceerOpdrachten(t);
    return t;
}

void AlgemeneHulp(std::ostream& out, const std::vector<Opdracht>& tabel) {
    out << "Usage: velkaro-cli [--lang nl|en|fr] COMMAND [ARGS...]\n"
           "  or:  velkaro-cli --version\n"
           "Runs draughts competitions kept in Velkaro competition files (.xv7).\n"
           "Players are named by drawing number. Commands that change the competition save it.\n"
           "Exit status: 0 success, 1 the system refuses (its message on stderr), 2 usage "
           "error.\n"
           "Commands that print data take --json: one JSON document on standard output.\n\n"
           "Commands:\n";
    for (const auto& o : tabel) out << "  velkaro-cli " << o.Gebruik << '\n';
    out << "\nRun 'velkaro-cli COMMAND --help' for the details of a command.\n"
           "'velkaro-cli --commands' lists the commands for shell completion.\n";
}

// The positionals of a command: the words of its usage lines after the command's name, up to
// the first option or alternative; where usage lines differ, the words at one place are
// joined ("FILE.xv7 order|random|entry|auto").
std::string Posities(const Opdracht& o) {
    std::vector<std::string> posities;
    std::istringstream regels(o.Gebruik);
    for (std::string regel; std::getline(regels, regel);) {
        const auto begin = regel.find_first_not_of(' ');
        if (begin == std::string::npos || regel.compare(begin, o.Naam.size() + 1, o.Naam + " "))
            continue; // a continued line of options
        std::istringstream woorden(regel.substr(begin + o.Naam.size()));
        std::string woord;
        for (std::size_t i = 0; woorden >> woord; ++i) {
            if (woord[0] == '[' || woord[0] == '-' || woord[0] == '|') break;
            if (i == posities.size())
                posities.push_back(woord);
            else if (("|" + posities[i] + "|").find("|" + woord + "|") == std::string::npos)
                posities[i] += "|" + woord;
        }
    }
    std::string uit;
    for (const auto& p : posities) uit += (uit.empty() ? "" : " ") + p;
    return uit;
}

// What an option takes, as the command's usage or explanation writes it after the option
// ("--kind ranking|progress|..." gives "ranking|progress|...", "-o OUT" gives "OUT"); empty
// where the texts name no value.
std::string Waarde(const std::string& tekst, const std::string& optie) {
    const auto deelVanNaam = [](char ch) {
        return std::isalnum(static_cast<unsigned char>(ch)) || ch == '-';
    };
    for (auto p = tekst.find(optie); p != std::string::npos; p = tekst.find(optie, p + 1)) {
        const auto eind = p + optie.size();
        if ((p > 0 && deelVanNaam(tekst[p - 1])) || eind >= tekst.size() || tekst[eind] != ' ')
            continue;
        auto waarde = tekst.substr(eind + 1, tekst.find_first_of(" \n", eind + 1) - eind - 1);
        while (!waarde.empty() && (waarde.back() == ']' || waarde.back() == ',')) waarde.pop_back();
        if (!waarde.empty() && waarde[0] != '-' && waarde[0] != '[' && waarde[0] != '(')
            return waarde;
    }
    return {};
}

// One line a command for shell completion, tab-separated: the name, the positionals, and the
// options, a value option as --name=VALUE (VALUE as above, may be empty). The first line,
// with an empty name, holds the options that stand before any command.
void Opdrachtenlijst(std::ostream& out, const std::vector<Opdracht>& tabel) {
    out << "\t\t--lang=nl|en|fr --help --version --commands\n";
    for (const auto& o : tabel) {
        const std::string tekst = o.Gebruik + "\n" + o.Uitleg;
        out << o.Naam << '\t' << Posities(o) << '\t';
        for (const auto& w : o.WaardeOpties) out << w << '=' << Waarde(tekst, w) << ' ';
        for (const auto& v : o.VlagOpties) out << v << ' ';
        out << "--help\n";
    }
}

} // namespace

int Uitvoeren(const std::vector<std::string>& argsIn, std::ostream& out, std::ostream& err) {
    std::vector<std::string> args = argsIn;
    const auto tabel = Tabel();
    // The competition's lock is held to the end of the command, however it ends.
    struct Loslaten {
        ~Loslaten() { LaatSlotLos(); }
    } loslaten;
    try {
        lang::KiesTaal(lang::Taal::Nederlands);
        // --lang may stand anywhere on the line; it is taken out first, so every message,
        // usage errors included, is in the chosen language.
        for (std::size_t i = 0; i < args.size();) {
            std::string code;
            if (args[i] == "--lang") {
                if (i + 1 >= args.size())
                    throw Gebruiksfout("--lang: " + lang::Tekst(lang::T::OptieMetWaarde));
                code = args[i + 1];
                args.erase(args.begin() + static_cast<long>(i),
                           args.begin() + static_cast<long>(i) + 2);
            } else if (args[i].rfind("--lang=", 0) == 0) {
                code = args[i].substr(7);
                args.erase(args.begin() + static_cast<long>(i));
            } else {
                ++i;
                continue;
            }
            const auto taal = lang::TaalVanCode(code);
            if (!taal) throw Gebruiksfout(lang::Tekst(lang::T::LangWaarden));
            lang::KiesTaal(*taal);
        }
        while (!args.empty() && args.front().rfind("--", 0) == 0) {
            if (args.front() == "--help") {
                AlgemeneHulp(out, tabel);
                return 0;
            }
            if (args.front() == "--commands") {
                Opdrachtenlijst(out, tabel);
                return 0;
            }
            if (args.front() == "--version") {
                out << "velkaro-cli " << Versietekst() << '\n';
                return 0;
            }
            throw Gebruiksfout(lang::Tekst(lang::T::OnbekendeOptie) + " " + args.front());
        }
        if (args.empty()) {
            AlgemeneHulp(err, tabel);
            return 2;
        }
        // Two-word commands ("group list") before one-word ones ("info").
        const Opdracht* gekozen = nullptr;
        std::size_t woorden = 0;
        for (const auto& o : tabel) {
            if (args.size() >= 2 && o.Naam == args[0] + " " + args[1]) {
                gekozen = &o;
                woorden = 2;
                break;
            }
        }
        if (!gekozen)
            for (const auto& o : tabel)
                if (o.Naam == args[0]) {
                    gekozen = &o;
                    woorden = 1;
                    break;
                }
        if (!gekozen) {
            bool groep = false;
            for (const auto& o : tabel)
                if (o.Naam.rfind(args[0] + " ", 0) == 0) groep = true;
            if (groep) {
                err << "velkaro-cli: '" << args[0] << "' "
                    << lang::Tekst(lang::T::HeeftSubopdrachtNodig) << ":\n";
                for (const auto& o : tabel)
                    if (o.Naam.rfind(args[0] + " ", 0) == 0)
                        err << "  velkaro-cli " << o.Gebruik << '\n';
                return 2;
            }
            throw Gebruiksfout(lang::Tekst(lang::T::OnbekendeOpdracht) + " '" + args[0] + "'");
        }
        std::vector<std::string> rest(args.begin() + static_cast<long>(woorden), args.end());
        Argumenten a(rest, gekozen->WaardeOpties, gekozen->VlagOpties);
        if (a.Hulp()) {
            out << "Usage: velkaro-cli " << gekozen->Gebruik << "\n\n" << gekozen->Uitleg << '\n';
            return 0;
        }
        Uitvoer u{out, err};
        return gekozen->Voer(a, u);
    } catch (const Gebruiksfout& e) {
        err << "velkaro-cli: " << e.what() << '\n' << lang::Tekst(lang::T::ZieHulp) << '\n';
        return 2;
    } catch (const Weigering& e) {
        err << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        err << "velkaro-cli: " << e.what() << '\n';
        return 1;
    }
}

} // namespace velkaro::cli
