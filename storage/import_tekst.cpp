// The two text formats of results: the TXT result list of team matches and the DOC game list.
#include "storage/import.h"

#include "model/tekst.h"
#include "storage/importdelen.h"

namespace velkaro {

using namespace importdelen;

// The TXT result list: team match blocks of a header line, the teams and the date, then one
// line per game.

void LeesTXTInhoud(Competitie& c, std::string_view inhoud, Importresultaat& r) {
    Spelerzoeker zoeker(c);
    Rondeteller teller;
    std::string teamWit, teamZwart, datum;
    bool kopVolgt = false, datumVolgt = false;
    VoorElkeRegel(inhoud, [&](std::string_view regel, int64_t nummer) {
        if (datumVolgt) {
            datum = Kolom(regel, 2, 11);
            datumVolgt = false;
            return true;
        }
        if (regel.size() <= 40) {
            kopVolgt = true;
            return true;
        }
        if (kopVolgt) {
            teamWit = Kolom(regel, 6, 25);
            teamZwart = Kolom(regel, 30, 49);
            kopVolgt = false;
            datumVolgt = true;
            return true;
        }
        const std::string uitslag = Kolom(regel, 58, 61);
        return TekstWedstrijd(c, r, zoeker, teller, nummer, regel, Kolom(regel, 6, 25), teamWit,
                              Kolom(regel, 30, 49), teamZwart, uitslag, datum,
                              LeesUitslag(uitslag, {{"2- 0", {2, 0}},
                                                    {"3- 0", {2, 0}},
                                                    {"1- 1", {1, 1}},
                                                    {"0- 2", {0, 2}},
                                                    {"0- 3", {0, 2}}}));
    });
}

// The DOC game list: one line per game with both names, the result and the date.

void LeesDOCInhoud(Competitie& c, std::string_view inhoud, Importresultaat& r) {
    Spelerzoeker zoeker(c);
    Rondeteller teller;
    VoorElkeRegel(inhoud, [&](std::string_view regel, int64_t nummer) {
        if (regel.size() <= 60 || regel[1] == ' ') return true;
        const std::string uitslag = Kolom(regel, 54, 56);
        return TekstWedstrijd(
            c, r, zoeker, teller, nummer, regel, Kap(Kolom(regel, 1, 25), kNaamLengte), {},
            Kap(Kolom(regel, 28, 52), kNaamLengte), {}, uitslag, Kolom(regel, 60, 69),
            LeesUitslag(uitslag, {{"2-0", {2, 0}}, {"1-1", {1, 1}}, {"0-2", {0, 2}}}));
    });
}

} // namespace velkaro
