// velkaro-cli publish: the competition as a static web site in a folder.
#include "cli/context.h"
#include "entry/programma.h"
#include "lang/teksten.h"
#include "model/tekst.h"
#include "web/publiceerkeuze.h"
#include "web/publiceren.h"

namespace velkaro::cli {

namespace {

std::vector<int32_t> LeesGroepen(const std::string& lijst) {
    auto r = GetallenArgument(lijst, "--groups", 99999);
    if (r.empty()) throw Gebruiksfout("--groups takes a comma list of group numbers");
    return r;
}

int Publiceer(const Argumenten& a, Uitvoer& u) {
    a.Aantal(2);
    web::Siteopties opties;
    if (auto g = a.Waarde("--groups")) opties.Groepen = LeesGroepen(*g);
    opties.Voetregel = web::Voetregel(Versietekst());
    Competitie c;
    OpenLezen(c, a.Positie(0, "FILE"), u.err);
    try {
        const auto p = web::Publiceer(c, a.Positie(1, "OUTDIR"), opties);
        for (const auto& w : p.Waarschuwingen)
            u.err << lang::Tekst(lang::T::Waarschuwing) << ": " << w << '\n';
        u.out << a.Positie(1, "OUTDIR") << '\n';
    } catch (const web::Publicatiefout& e) {
        throw Weigering(e.what());
    }
    return 0;
}

} // namespace

void PubliceerOpdrachten(std::vector<Opdracht>& t) {
    t.push_back(
        {"publish",
         "publish FILE.xv7 OUTDIR [--groups LIST] [--lang nl|en|fr]",
         "Writes the competition as a static web site into OUTDIR: an index of the groups with\n"
         "the tournament data, and per group the standings (the ranking list with statistics),\n"
         "the cross table (round robin) or the progress table, one page per round, the rankings\n"
         "per category and one page per player; UTF-8 HTML5 with one style sheet, no scripts.\n"
         "--groups takes a comma list of group numbers (default every group); --lang the\n"
         "language of the pages. The site is built in a new folder beside OUTDIR and swapped\n"
         "in, so OUTDIR is never half written; the same competition gives the same bytes.\n"
         "OUTDIR may not be the competition's folder or a folder above it, and an existing\n"
         "OUTDIR must be empty or hold an earlier site. The competition is only read.",
         {"--groups"},
         {},
         Publiceer});
}

} // namespace velkaro::cli
