// velkaro-cli match add, result: matches and results of the open group.
#include "cli/context.h"
#include "entry/uitslagknoppen.h"
#include "entry/uitslagtekst.h"
#include "lang/teksten.h"
#include "model/tekst.h"

namespace velkaro::cli {

namespace {

int32_t InternVanLoting(Competitie& c, const std::string& tekst, const char* naam) {
    const auto n = GetalArgument(tekst, naam, 0, 9999);
    return SpelerMetLoting(c, static_cast<int32_t>(n)).G().InternNummer;
}

int Toevoegen(const Argumenten& a, Uitvoer& u) {
    a.Aantal(4);
    const auto ronde = GetalArgument(a.Positie(1, "ROUND"), "ROUND", 1, kMaxRonde);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    const int32_t wit = InternVanLoting(c, a.Positie(2, "WHITE"), "WHITE");
    const int32_t zwart = InternVanLoting(c, a.Positie(3, "BLACK"), "BLACK");
    if (wit == zwart) throw Weigering(lang::Tekst(lang::T::ZelfdeSpeler));
    int32_t nummer = 0;
    for (const auto& w : c.Wedstrijden)
        if (w->G().Ronde == ronde) nummer = std::max(nummer, w->G().Wedstrijdnummer);
    Wedstrijdgegevens g;
    g.Ronde = static_cast<int32_t>(ronde);
    g.Wedstrijdnummer = nummer + 1;
    g.Wit = wit;
    g.Zwart = zwart;
    c.Wedstrijden.Voegtoe(g);
    c.MarkeerHerberekenen();
    Bewaar(c);
    u.out << ronde << '\t' << g.Wedstrijdnummer << '\n';
    return 0;
}

int Uitslag(const Argumenten& a, Uitvoer& u) {
    if (a.Posities().size() != 4 && a.Posities().size() != 5)
        throw Gebruiksfout(
            "expected FILE ROUND MATCH BUTTON, or FILE ROUND MATCH WHITECODE BLACKCODE");
    const auto ronde = GetalArgument(a.Positie(1, "ROUND"), "ROUND", 1, kMaxRonde);
    const auto bord = GetalArgument(a.Positie(2, "MATCH"), "MATCH", INT32_MIN, INT32_MAX);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    auto& w = ZoekWedstrijd(c, ronde, bord);
    if (a.Posities().size() == 4) {
        const std::string naam = a.Positie(3, "BUTTON");
        const auto knop = KnopVoorNaam(c.Opties, naam);
        if (!knop) {
            std::string namen;
            for (const auto& [n, k] : Knopnamen(c.Opties)) namen += " " + n;
            throw Gebruiksfout("no result button '" + naam +
                               "' in this group; the buttons:" + namen);
        }
        DrukKnop(c, w, *knop);
    } else {
        const long long max = c.Opties.Bordpunten() ? 8 : 4;
        const auto wc = LeesGetal(a.Positie(3, "WHITECODE"));
        const auto zc = LeesGetal(a.Positie(4, "BLACKCODE"));
        if (!wc || !zc || *wc < 0 || *zc < 0 || *wc > max || *zc > max)
            throw Weigering(lang::Tekst(lang::T::OngeldigeUitslag));
        c.ZetUitslag(w, static_cast<uint8_t>(*wc), static_cast<uint8_t>(*zc), false, true);
    }
    Bewaar(c);
    u.out << WedstrijdRegel(w.G(), c.Spelers, c.Opties, true) << '\n';
    return 0;
}

} // namespace

void WedstrijdOpdrachten(std::vector<Opdracht>& t) {
    t.push_back({"match add",
                 "match add FILE.xv7 ROUND WHITE BLACK",
                 "Adds a match to a round (created when missing); players by drawing number,\n"
                 "white first. The match gets the next free number of the round.",
                 {},
                 {},
                 Toevoegen});
    t.push_back({"result",
                 "result FILE.xv7 ROUND MATCH BUTTON\n"
                 "         result FILE.xv7 ROUND MATCH WHITECODE BLACKCODE",
                 "Presses a result button of the match list on match MATCH of ROUND. The buttons\n"
                 "are named by the result they give in the notation in force, without blanks:\n"
                 "'2-0', '1-1', '0-2' with the usual points; '1-0', '½-½' (or '1/2-1/2'), '0-1'\n"
                 "in chess notation; '1½-½' and the like under KNDB-Delfts; '5-3' and the like\n"
                 "for board points; 'res0'..'res8' by position. Further: 'regl' (regulation\n"
                 "0-0, both lose), 'adj' (adjourned), 'clear' (result removed; the codes 0-0\n"
                 "mark it R), 'toggle-regl' (the R mark on or off). 'match list --buttons'\n"
                 "shows the names. Two numbers set the stored codes themselves: 0 loss, 1 draw,\n"
                 "2 win, 3 minus-draw, 4 plus-draw, board points 0-8.",
                 {},
                 {},
                 Uitslag});
}

} // namespace velkaro::cli
