// velkaro-cli matrix: a round's results as the cross table of the result-table entry, and one
// cell of it entered by the rule that processes the table.
#include "cli/context.h"
#include "entry/resultaatmatrix.h"
#include "lang/teksten.h"

namespace velkaro::cli {

namespace {

void Druk(const Tvxmatrix& m, std::ostream& out) {
    using lang::T;
    out << lang::Tekst(T::Nr) << '\t' << lang::Tekst(T::Naam) << '\t' << lang::Tekst(T::We) << '\t'
        << lang::Tekst(T::KopPt);
    for (int k = 1; k <= m.Kolommen(); ++k) out << '\t' << m.Kolomkop(k);
    out << '\n';
    for (int i = 1; i <= m.Aantal(); ++i) {
        out << m.Rij(i).Lotingnummer << '\t' << m.Rij(i).Naam << '\t' << m.Partijen(i) << '\t'
            << m.Punten(i);
        for (int k = 1; k <= m.Kolommen(); ++k) out << '\t' << m.Cel(i, k);
        out << '\n';
    }
}

int Matrix(const Argumenten& a, Uitvoer& u) {
    const bool zet = a.Vlag("--set");
    if (a.Posities().size() != (zet ? 5u : 2u))
        throw Gebruiksfout(zet ? "expected FILE ROUND --set WHITE BLACK RESULT"
                               : "expected FILE ROUND");
    if (a.Vlag("--overwrite") && !zet) throw Gebruiksfout("--overwrite goes with --set");
    Competitie c;
    if (zet)
        Open(c, a.Positie(0, "FILE"), u.err);
    else
        OpenLezen(c, a.Positie(0, "FILE"), u.err);
    const int32_t r = BestaandeRonde(c, a.Positie(1, "ROUND"));
    if (zet) {
        auto intern = [&](std::size_t i, const char* naam) {
            const auto n = GetalArgument(a.Positie(i, naam), naam, 0, 9999);
            return SpelerMetLoting(c, static_cast<int32_t>(n)).InternNummer();
        };
        const int32_t wit = intern(2, "WHITE"), zwart = intern(3, "BLACK");
        if (wit == zwart) throw Weigering(lang::Tekst(lang::T::ZelfdeSpeler));
        const std::string uitslag = a.Positie(4, "RESULT");
        if (uitslag != "0" && uitslag != "1" && uitslag != "2")
            throw Weigering(lang::Tekst(lang::T::OngeldigeUitslag));
        ZetMatrixUitslag(c, wit, zwart, static_cast<uint8_t>(uitslag[0] - '0'),
                         a.Vlag("--overwrite"), r);
        Bewaar(c);
    }
    CliGesprek gesprek(u.err);
    Tvxmatrix m(c, gesprek);
    m.SetData();
    m.VulUitRonde(r);
    Druk(m, u.out);
    return 0;
}

} // namespace

void MatrixOpdrachten(std::vector<Opdracht>& t) {
    t.push_back(
        {"matrix",
         "matrix FILE.xv7 ROUND [--set WHITE BLACK RESULT [--overwrite]]",
         "Prints the results of ROUND as the cross table of the result-table entry: one row per\n"
         "player in register order with drawing number, name, games and points, then his\n"
         "points against each player on the 2-1-0 scale (. not played, the bullet on the\n"
         "diagonal). --set enters one cell as processing the table does: WHITE (drawing\n"
         "number) scores RESULT (0, 1 or 2) against BLACK. The first match of ROUND between\n"
         "the two without a result gets it (with --overwrite the first one at all, whatever\n"
         "its colours); otherwise a new match of ROUND is made with WHITE as white. Saves,\n"
         "then prints the table.",
         {},
         {"--set", "--overwrite"},
         Matrix});
}

} // namespace velkaro::cli
