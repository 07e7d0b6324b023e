// The undo history over one evening: results and a deletion in the open match list, a question
// answered No, a numbering and a pairing each as one step, a change made outside the named
// steps, undo and redo across them, redo cleared by a new change, the depth bound, closing the
// list in between, and another group emptying the history.
#include "entry/ongedaan.h"
#include "entry/register.h"
#include "entry/wedstrijdlijst.h"
#include "hulp.h"
#include "lang/teksten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>

using namespace velkaro;
using namespace velkaro::test;

namespace {

// Players (drawing number and name) and every match, in the collection or the open list.
std::string Afdruk(const Competitie& c, const TWedstrijdenlijst& l) {
    std::ostringstream o;
    for (const auto& s : c.Spelers) o << s->Lotingnummer() << s->G().Naam << ' ';
    std::vector<std::string> w;
    auto regel = [&](const Wedstrijdgegevens& g) {
        std::ostringstream r;
        r << g.Ronde << '.' << g.Wedstrijdnummer << ':' << g.Wit << '-' << g.Zwart << '='
          << int(g.UitslagWit) << int(g.UitslagZwart) << g.Gespeeld;
        w.push_back(r.str());
    };
    for (const auto& g : c.Wedstrijden) regel(g->G());
    for (const auto& g : l.Werkset()) regel(g);
    std::sort(w.begin(), w.end());
    for (const auto& r : w) o << r << ' ';
    o << "rondes" << c.Rondes.Aantal();
    return o.str();
}

} // namespace

TEST(Ongedaan, StappenTerugEnWeerOverEenAvond) {
    Competitie c;
    c.Bestandsnaam = "/tmp/club.xv7";
    c.Opties.Rekensysteem = SysteemZwitsersRating; // numbering by rating changes every number
    int32_t id[6];
    for (int i = 0; i < 6; ++i)
        id[i] = VoegSpelerToe(c, i + 1, "Speler" + std::to_string(i), 1000 + 10 * i).InternNummer();
    c.Rondes.Voegtoe({1, "01-01-2024", 0, 0, 0});
    for (int i = 0; i < 3; ++i) VoegWedstrijdToe(c, 1, i + 1, id[2 * i], id[2 * i + 1]);

    ScriptGesprek gesprek;
    RijToeval toeval;
    Geschiedenis h(c, 4);
    TWedstrijdenlijst lijst(c, gesprek, toeval);
    lijst.ZetGeschiedenis(&h);
    TSpelerLijst register_(c, gesprek, toeval);
    register_.ZetGeschiedenis(&h);
    register_.Activeer();
    lijst.SetData(1); // numbers the round 10, 20, 30: no step

    enum Actie {
        Uitslag,     // the result button 1-0 on line arg of the match list
        Verwijder,   // delete line arg of the match list
        SpelerNee,   // delete a player, answered No
        Nummeren,    // the register's numbering: six drawing numbers, one step
        Rooster,     // a pairing of round 2: three new matches, one step
        Buiten,      // a change without a named step, seen when the program is idle
        Sluit,       // the match list closed with OK: matches back in the collection
        Open,        // the match list of round 1 opened again
        Ongedaan,    // undo
        Opnieuw,     // redo
        AndereGroep, // another group opened
    };
    struct Rij {
        Actie actie;
        int arg;
        std::string ongedaan, opnieuw; // the names the menus show
        std::size_t stappen;           // steps that can be undone
        int zelfde;                    // -1: a new state; else the state after row `zelfde`
                                       // (-2: the state before the first row)
        bool gelukt = true;            // undo / redo did something
    };
    const std::vector<Rij> rijen = {
        {Uitslag, 0, "uitslag 10", "", 1, -1},
        {Uitslag, 1, "uitslag 20", "", 2, -1},
        {Verwijder, 2, "wedstrijd verwijderen 30", "", 3, -1},
        {SpelerNee, 0, "wedstrijd verwijderen 30", "", 3, 2},
        {Ongedaan, 0, "uitslag 20", "wedstrijd verwijderen 30", 2, 1},
        {Ongedaan, 0, "uitslag 10", "uitslag 20", 1, 0},
        {Opnieuw, 0, "uitslag 20", "wedstrijd verwijderen 30", 2, 1},
        // A new change: what was undone cannot be redone any more.
        {Uitslag, 2, "uitslag 30", "", 3, -1},
        {Nummeren, 0, "nummeren", "", 4, -1},
        // Beyond the depth of four the oldest step goes.
        {Rooster, 0, "rooster ronde 2", "", 4, -1},
        {Buiten, 0, "wijziging", "", 4, -1},
        {Ongedaan, 0, "rooster ronde 2", "wijziging", 3, 9},
        {Ongedaan, 0, "nummeren", "rooster ronde 2", 2, 8},
        // Where the matches are kept is no change; undo reaches them in the collection too.
        {Sluit, 0, "nummeren", "rooster ronde 2", 2, 8},
        {Ongedaan, 0, "uitslag 30", "nummeren", 1, 7},
        {Open, 0, "uitslag 30", "nummeren", 1, 7},
        {Ongedaan, 0, "", "uitslag 30", 0, 6},
        {Ongedaan, 0, "", "uitslag 30", 0, 6, false},
        {Opnieuw, 0, "uitslag 30", "nummeren", 1, 7},
        {Opnieuw, 0, "nummeren", "rooster ronde 2", 2, 8},
        {AndereGroep, 0, "", "", 0, 19},
        {Opnieuw, 0, "", "", 0, 20, false},
    };

    std::vector<std::string> na;
    const std::string begin = Afdruk(c, lijst);
    for (std::size_t i = 0; i < rijen.size(); ++i) {
        const Rij& r = rijen[i];
        SCOPED_TRACE("row " + std::to_string(i));
        bool gelukt = true;
        switch (r.actie) {
        case Uitslag:
            lijst.Selecteer(r.arg);
            lijst.Druk(Uitslagknop::Res2);
            break;
        case Verwijder:
            lijst.Selecteer(r.arg);
            lijst.Verwijder();
            break;
        case SpelerNee:
            gesprek.Antwoorden.push_back(Antwoord::Nee);
            register_.Selecteer(0);
            register_.Verwijder();
            break;
        case Nummeren:
            register_.Nummeren();
            break;
        case Rooster:
            h.Begin(Stapnaam(lang::T::StapRooster, "2"));
            for (int k = 0; k < 3; ++k) VoegWedstrijdToe(c, 2, k + 1, id[k], id[5 - k]);
            h.Einde();
            break;
        case Buiten:
            c.Spelers.At(0).W().Naam = "Anders";
            h.Bij();
            break;
        case Sluit:
            lijst.GetData(1, true);
            h.Bij();
            break;
        case Open:
            lijst.SetData(1);
            break;
        case Ongedaan:
            gelukt = h.Ongedaan();
            break;
        case Opnieuw:
            gelukt = h.Opnieuw();
            break;
        case AndereGroep:
            c.HuidigeDeelcomp = 2;
            h.Bij();
            break;
        }
        na.push_back(Afdruk(c, lijst));
        EXPECT_EQ(gelukt, r.gelukt);
        EXPECT_EQ(h.OngedaanNaam(), r.ongedaan);
        EXPECT_EQ(h.OpnieuwNaam(), r.opnieuw);
        EXPECT_EQ(h.AantalOngedaan(), r.stappen);
        const std::string& vorig = i == 0 ? begin : na[i - 1];
        if (r.zelfde == -1)
            EXPECT_NE(na[i], vorig);
        else
            EXPECT_EQ(na[i], r.zelfde == -2 ? begin : na[static_cast<std::size_t>(r.zelfde)]);
    }
    // While the list was open its matches stayed in it: undo put them back there.
    EXPECT_EQ(lijst.Aantal(), 3u);
    EXPECT_EQ(OngedaanMenu(&h), "&Ongedaan maken");
    h.Begin("a & b");
    c.Spelers.At(1).W().Naam = "Ander";
    h.Einde();
    EXPECT_EQ(OngedaanMenu(&h), "&Ongedaan maken: a && b");
}
