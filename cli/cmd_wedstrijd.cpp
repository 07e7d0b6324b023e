// velkaro-cli match add, result: matches and results of the open group.
#include "cli/context.h"
#include "lang/teksten.h"
#include "model/tekst.h"

namespace velkaro::cli {

namespace {

int32_t InternVanLoting(const Competitie& c, const std::string& tekst, const char* naam) {
    const auto n = GetalArgument(tekst, naam, 0, 9999);
    const auto s = c.Spelers.zoekloting(static_cast<int32_t>(n));
    if (!s) throw Weigering(lang::Tekst(lang::T::GeenSpelerMetNummer) + " " + std::to_string(n));
    return s->InternNummer;
}

int Toevoegen(const Argumenten& a, Uitvoer& u) {
    a.Aantal(4);
    const auto ronde = GetalArgument(a.Positie(1, "ROUND"), "ROUND", 1, kMaxRonde);
    Competitie c;
    Open(c, a.Positie(0, "FILE"));
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
        throw Gebruiksfout("expected FILE ROUND BOARD WHITECODE BLACKCODE, or adj/clear");
    const auto ronde = GetalArgument(a.Positie(1, "ROUND"), "ROUND", 1, kMaxRonde);
    const auto bord = GetalArgument(a.Positie(2, "BOARD"), "BOARD", 0, INT32_MAX);
    Competitie c;
    Open(c, a.Positie(0, "FILE"));
    twedstrijdobj* w = nullptr;
    for (auto& m : c.Wedstrijden)
        if (m->G().Ronde == ronde && m->G().Wedstrijdnummer == bord) {
            w = m.get();
            break;
        }
    if (!w) throw Weigering(lang::Tekst(lang::T::GeenWedstrijd));
    const std::string eerste = a.Positie(3, "WHITECODE");
    if (eerste == "clear" || eerste == "adj") {
        if (a.Posities().size() != 4) throw Gebruiksfout(eerste + " takes no black code");
        if (eerste == "clear") {
            // The result goes; the codes stay behind unseen and Reglementair is kept.
            w->W().Gespeeld = false;
            if (w->IsAfgebroken()) w->W().UitslagWit = 0;
            c.MarkeerHerberekenen();
        } else
            c.ZetUitslag(*w, w->G().UitslagWit, w->G().UitslagZwart, true, false);
    } else {
        if (a.Posities().size() != 5) throw Gebruiksfout("missing BLACKCODE");
        const long long max = c.Opties.Bordpunten() ? 8 : 4;
        const auto wc = LeesGetal(eerste);
        const auto zc = LeesGetal(a.Positie(4, "BLACKCODE"));
        if (!wc || !zc || *wc < 0 || *zc < 0 || *wc > max || *zc > max)
            throw Weigering(lang::Tekst(lang::T::OngeldigeUitslag));
        c.ZetUitslag(*w, static_cast<uint8_t>(*wc), static_cast<uint8_t>(*zc), false, true);
    }
    Bewaar(c);
    const auto& g = w->G();
    u.out << g.Ronde << '\t' << g.Wedstrijdnummer << '\t' << int(g.UitslagWit) << '-'
          << int(g.UitslagZwart) << (g.Gespeeld ? "" : " (no result)") << '\n';
    return 0;
}

} // namespace

void WedstrijdOpdrachten(std::vector<Opdracht>& t) {
    t.push_back({"match add", "match add FILE.xv7 ROUND WHITE BLACK",
                 "Adds a match to a round (created when missing); players by drawing number,\n"
                 "white first. The match gets the next free number of the round.",
                 {}, {}, Toevoegen});
    t.push_back({"result", "result FILE.xv7 ROUND BOARD WHITECODE BLACKCODE | adj | clear",
                 "Sets the result of match BOARD of ROUND. Codes as stored: 0 loss, 1 draw,\n"
                 "2 win, 3 minus-draw, 4 plus-draw; board points 0-8 in board-point mode.\n"
                 "'adj' marks the game adjourned, 'clear' removes the result.",
                 {}, {}, Uitslag});
}

} // namespace velkaro::cli
