// velkaro-cli player edit|delete|number: changing and deleting a player and the drawing
// numbers, through the register's own logic.
#include "cli/context.h"
#include "cli/spelervelden.h"
#include "entry/register.h"
#include "lang/teksten.h"
#include "model/systeem.h"

namespace velkaro::cli {

namespace {

// Selects the first player with this drawing number in the register's list.
void KiesSpeler(TSpelerLijst& lijst, Competitie& c, const std::string& tekst) {
    const auto n = GetalArgument(tekst, "NUMBER", 0, INT32_MAX);
    const int32_t intern = SpelerMetLoting(c, static_cast<int32_t>(n)).G().InternNummer;
    for (std::size_t i = 0; i < lijst.Items().size(); ++i)
        if (lijst.Items()[i].InternNummer == intern) lijst.Selecteer(static_cast<int>(i));
}

int Wijzig(const Argumenten& a, Uitvoer& u) {
    a.Aantal(2);
    ControleerSpelervelden(a);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    const auto lijsten = LijstenVoorOvername(a, c);
    CliGesprek gesprek(u.err);
    MersenneToeval toeval;
    TSpelerLijst lijst(c, gesprek, toeval);
    lijst.Activeer();
    KiesSpeler(lijst, c, a.Positie(1, "NUMBER"));
    const int32_t intern = lijst.Items()[static_cast<std::size_t>(lijst.Selectie())].InternNummer;
    // The number field is open for typing only in the mode "Ingeven".
    if (a.Waarde("--number")) lijst.KiesLoting(LotingKeuze::Ingeven);
    lijst.Wijzig([&](TInvoerSpelers& d) {
        if (lijsten) NeemUitLijstOver(a, *lijsten, c, d);
        VulSpelervelden(a, d.Velden);
        if (a.Waarde("--name") || lijsten) d.NaamVerlaten();
        return true;
    });
    Bewaar(c);
    const auto& g = c.Spelers.zoekptr(intern)->G();
    const std::string naam = MeldAanpassingen(a, c, g, u.err);
    u.out << g.Lotingnummer << '\t' << naam << '\n';
    return 0;
}

int Verwijder(const Argumenten& a, Uitvoer& u) {
    a.Aantal(2);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    CliGesprek gesprek(u.err);
    if (a.Vlag("--yes")) gesprek.Antwoorden = Antwoord::Ja;
    gesprek.AntwoordOpties = "--yes";
    MersenneToeval toeval;
    TSpelerLijst lijst(c, gesprek, toeval);
    lijst.Activeer();
    KiesSpeler(lijst, c, a.Positie(1, "NUMBER"));
    const std::size_t wedstrijden = c.Wedstrijden.Aantal();
    lijst.Verwijder();
    Bewaar(c);
    u.out << "deleted, with " << wedstrijden - c.Wedstrijden.Aantal() << " matches\n";
    return 0;
}

int Nummer(const Argumenten& a, Uitvoer& u) {
    a.Aantal(2);
    const std::string modus = a.Positie(1, "MODE");
    if (modus != "order" && modus != "random" && modus != "entry" && modus != "auto")
        throw Gebruiksfout("MODE is order, random, entry or auto");
    const auto groepen = a.Getal("--groups", 0, 1000);
    const auto zaad = a.Getal("--seed", 0, UINT32_MAX);
    if (modus != "auto" && (groepen || a.Vlag("--parallel") || zaad))
        throw Gebruiksfout("--groups, --parallel and --seed go with 'auto'");
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    CliGesprek gesprek(u.err);
    MersenneToeval toeval = ToevalMetZaad(zaad);
    TSpelerLijst lijst(c, gesprek, toeval);
    lijst.Activeer();
    if (modus == "order" || modus == "random" || modus == "entry") {
        lijst.KiesLoting(modus == "order"    ? LotingKeuze::Volgorde
                         : modus == "random" ? LotingKeuze::Willekeurig
                                             : LotingKeuze::Ingeven);
        lijst.Deactiveer();
        Bewaar(c);
        u.out << "new players: " << modus << '\n';
        return 0;
    }
    if (groepen) lijst.Lotinggroepen = static_cast<int>(*groepen);
    lijst.Parallel = a.Vlag("--parallel");
    std::vector<int32_t> oud;
    for (const auto& s : c.Spelers) oud.push_back(s->Lotingnummer());
    lijst.Nummeren();
    // The dialog's clamp (1 to half the players) writes the value it used back: say so.
    if (groepen && lijst.Lotinggroepen != *groepen)
        u.err << lang::Tekst(lang::T::Waarschuwing) << ": --groups " << *groepen << " -> "
              << lijst.Lotinggroepen << " (" << lang::Tekst(lang::T::LotinggroepenAangepast)
              << ")\n";
    bool veranderd = false;
    for (std::size_t i = 0; i < c.Spelers.Aantal(); ++i)
        veranderd = veranderd || c.Spelers.At(i).Lotingnummer() != oud[i];
    if (!veranderd) {
        u.err << "no numbers changed (automatic numbering is for the Swiss systems, with at least "
                 "two players)\n";
        return 0;
    }
    Bewaar(c);
    for (const auto& item : lijst.Items()) u.out << item.Regel << '\n';
    return 0;
}

} // namespace

void RegisterOpdrachten(std::vector<Opdracht>& t) {
    t.push_back({"player edit",
                 std::string("player edit FILE.xv7 NUMBER ") + kSpelerveldGebruik,
                 "Changes the player with drawing number NUMBER through the player entry\n"
                 "dialog's rules: only the fields given change; the rating in use follows the\n"
                 "group's FMJD setting; a name already in the group is warned about and kept; a\n"
                 "drawing number, barrage or FMJD number that is not a whole number is refused.\n"
                 "--from-list and --from-fmjd take the player over from a rating list as for\n"
                 "'player add'.",
                 SpelerveldOpties(),
                 {},
                 Wijzig});
    t.push_back({"player delete",
                 "player delete FILE.xv7 NUMBER [--yes]",
                 "Deletes the player with drawing number NUMBER and every match he played in,\n"
                 "results included. The program asks first: --yes answers Yes; without it the\n"
                 "command refuses with the question.",
                 {},
                 {"--yes"},
                 Verwijder});
    t.push_back({"player number",
                 "player number FILE.xv7 order|random|entry\n"
                 "         player number FILE.xv7 auto [--groups G] [--parallel] [--seed N]",
                 "order, random, entry: how new players get their drawing number (the first free\n"
                 "one, a random free one, or typed in), kept with the group.\n"
                 "auto: numbers all players by strength before the first round (Swiss systems):\n"
                 "Swiss by rating 1..N by rating; Swiss and FMJD Swiss in pairs of future\n"
                 "opponents per drawing group (G groups, default one per 30 players plus one,\n"
                 "kept within 1..N/2), the strongest against the first of the second half, or\n"
                 "with --parallel against the weakest. --seed fixes the random choice of who\n"
                 "takes the odd number.",
                 {"--groups", "--seed"},
                 {"--parallel"},
                 Nummer});
}

} // namespace velkaro::cli
