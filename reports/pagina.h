// The pagination of a printed report: which lines of a document go on which page, with the
// header line and its rule on top of every page, the control lines "$$BOLD", "$$FF", "$$A"
// and "$$NA" applied, for a page that holds a given number of lines of a given width.
#pragma once

#include "model/gesprek.h"
#include "reports/uitvoer.h"

#include <string>
#include <vector>

namespace velkaro {

// What one page holds, measured by the printer in the print font: lines from the top margin
// to the bottom margin, characters from the left margin to the right edge.
struct Bladmaat {
    int RegelsPerBlad = 60;
    int TekensPerRegel = 80;
};

// The header line, its rule and the blank under them.
inline constexpr int kKopregels = 3;

struct Bladregel {
    std::string Tekst;
    std::string Attributen; // as in Afdrukregel, cut to the part this line holds
    bool Vet = false;       // after "$$BOLD", and the header line
    bool Passen = false;    // wider than the page while fitting is on: drawn narrower to fit
    bool operator==(const Bladregel&) const = default;
};

struct Blad {
    int Nummer = 0;
    std::vector<Bladregel> Regels; // the header lines first
};

// The header line of a page: the title, padded so that title and right part make 91
// characters when together they are shorter than 90, a blank, then the date, a blank, the
// time, " Blad:" and the page number in four positions.
std::string Bladkop(const std::string& titel, const Datum& nu, int blad);

// Lays a document out on pages numbered from eersteBlad. A wide line is fitted on one line
// while fitting is on ("$$A", the state a document starts in) and is continued on further
// lines while it is off ("$$NA"). While fitting is on, a run of lines more than twice the
// page's width (a cross table of a large field) is printed in bands of columns: the first
// band of every line, then from a new page the next band, and so on. "$$FF" starts a new page only when less than five sixths
// of the page is used and the page holds more than its header. Always at least one page.
std::vector<Blad> Pagineer(const Afdrukdocument& document, const Bladmaat& maat, const Datum& nu,
                           int eersteBlad = 1);

} // namespace velkaro
