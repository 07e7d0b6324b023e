// The result tables driven as the dialogs drive them: a script of button presses and typed
// entries on a small register, then the cells, the row summaries, the cursor and the
// matches the table was turned into, against hand-worked values.
#include "entry/resultaatmatrix.h"
#include "hulp.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

using namespace velkaro;
using namespace velkaro::test;

namespace {

struct Geval {
    const char* naam;
    int spelers;
    // Matches already there: round, white, black (drawing numbers), codes (-1: no result).
    std::vector<std::array<int, 5>> bestaand;
    bool perRonde;
    // Cross table: 2 1 0 . 3 < (buttons), k3 (key 3), O (overwrite), V (process), N (do not
    // process, confirmed). Progress table: #n (rounds), =TEXT (typed entry), . < V.
    const char* script;
    const char* cellen;      // the rows "cells|games-points", blank-separated; "" unchecked
    const char* meldingen;   // the messages, "|"-separated
    const char* cursor;      // "(i,j)"
    const char* wedstrijden; // "round.number white-black codes" ("_": none), blank-separated
    int puntenWinst;
};

void PrintTo(const Geval& g, std::ostream* os) {
    *os << g.naam;
}

std::vector<std::string> Woorden(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> w;
    for (std::string x; in >> x;) w.push_back(x);
    return w;
}

// Rows "cells|games-points"; progress cells apart by ",", the diagonal as "*", empty "_".
std::string Cellen(const Uitslagentabel& t, bool perRonde) {
    std::string s;
    for (int i = 1; i <= t.Aantal(); ++i) {
        if (i > 1) s += ' ';
        for (int k = 1; k <= t.Kolommen(); ++k) {
            const std::string& c = t.Cel(i, k);
            if (perRonde && k > 1) s += ',';
            s += c == kMatrixDiagonaal ? "*" : c.empty() ? "_" : c;
        }
        s += '|' + std::to_string(t.Partijen(i)) + '-' + std::to_string(t.Punten(i));
    }
    return s;
}

// clang-format off
const Geval kGevallen[] = {
    {"kruistabel 2 1 0 vanaf het begin", 4, {}, false, "2 1 0",
     "*210|3-3 0*..|1-0 1.*.|1-1 2..*|1-2", "A 3-3", "(2,3)", "", 2},
    {"verwerken: elke nieuwe wedstrijd in een eigen nieuwe ronde", 3, {}, false, "2 0 1 V", "",
     "A 2-2|B 2-1", "(1,2)", "1.1 1-2 2/0 2.1 1-3 0/2 3.1 2-3 1/1", 2},
    {"3 voor een overwinning, opgeslagen als 2", 3, {}, false, "3 2 V",
     "*33|2-6 0*.|1-0 0.*|1-0", "A 2-6", "(2,3)", "1.1 1-2 2/0 2.1 1-3 2/0", 3},
    {"de toets 3 telt als 2 en daarna schakelt 3 niet meer om", 3, {}, false, "k3 3",
     "*2.|1-2 0*.|1-0 ..*|0-0", "", "(1,3)", "", 2},
    {"niet verwerken neemt de 3 punten terug", 3, {}, false, "3 N", "", "", "(1,3)", "", 2},
    {"terug over de rijgrens en voor (1,2) weer (1,2)", 4, {}, false, "2 2 2 < < 1 < < <", "",
     "A 3-6", "(1,2)", "", 2},
    {"bestaande wedstrijd zonder uitslag krijgt hem, ook met de kleuren andersom", 3,
     {{1, 2, 1, -1, -1}}, false, "0 V", "", "", "(1,3)", "1.1 2-1 2/0", 2},
    {"bestaande uitslag blijft zonder overschrijven", 3, {{1, 1, 2, 0, 2}}, false, "2 V", "",
     "", "(1,3)", "1.1 1-2 0/2 2.1 1-2 2/0", 2},
    {"met overschrijven krijgt de eerste bestaande wedstrijd de uitslag", 3,
     {{1, 1, 2, 0, 2}, {2, 2, 1, -1, -1}}, false, "O 1 V", "", "", "(1,3)",
     "1.1 1-2 1/1 2.2 2-1 _", 2},
    {"per ronde: 7 en 2 voor speler 3 in ronde 1", 8, {}, true, "#1 =21. =11. =72.",
     "2/1|1-1 1/1|1-1 7/2|1-2 _|0-0 _|0-0 _|0-0 3/0|1-0 _|0-0", "A 1-1|B 1-1|C 1-2", "(4,1)",
     "", 2},
    {"per ronde: tegenstander heeft al gespeeld", 4, {}, true, "#2 =22. =30. =10. =32.",
     "2/2,3/0|2-2 1/0,_|1-0 _,1/2|1-2 _,_|0-0",
     "A 2-2|Tegenstander heeft al gespeeld in deze ronde", "(2,2)", "", 2},
    {"per ronde: onbekend nummer, zichzelf, geen uitslag, geen getal", 4, {}, true,
     "=92. =12. =25. =x2.", "_,_,_|0-0 _,_,_|0-0 _,_,_|0-0 _,_,_|0-0",
     "Geen speler met dit lotingnummer|Een speler kan niet tegen zichzelf spelen|"
     "Ongeldige uitslag|'x' is geen geldig geheel getal",
     "(1,1)", "", 2},
    {"per ronde: een gevulde cel overschrijven haalt de oude spiegel weg", 4, {}, true,
     "#2 =22. =30. =31.", "_,3/0|1-0 3/1,_|1-1 2/1,1/2|2-3 _,_|0-0", "A 2-2", "(2,2)", "", 2},
    {"per ronde: terug slaat cellen van eerdere rijen over, . maakt ook de spiegel leeg", 4, {},
     true, "#2 =22. =30. =10. < =41. .", "_,4/1|1-1 _,_|0-0 _,_|0-0 _,1/1|1-1", "A 2-2|A 2-3",
     "(2,1)", "", 2},
    {"per ronde: verwerken nummert op de bezochte cellen", 4, {}, true, "#2 =22. =30. =10. =40. V",
     "", "A 2-2|B 2-0", "(3,1)", "1.1 1-2 2/0 2.5 1-3 0/2 2.6 2-4 0/2", 2},
};
// clang-format on

class Resultaatmatrix : public testing::TestWithParam<Geval> {};

} // namespace

TEST_P(Resultaatmatrix, Script) {
    const Geval& g = GetParam();
    Competitie c;
    ScriptGesprek gesprek;
    for (int i = 1; i <= g.spelers; ++i) VoegSpelerToe(c, i, std::string(1, char('A' + i - 1)));
    for (const auto& b : g.bestaand)
        VoegWedstrijdToe(c, b[0], 1 + static_cast<int>(c.Wedstrijden.Aantal()), b[1], b[2], b[3],
                         b[4]);
    c.Opties.PuntenWinst = 2;
    Tvxmatrix kruis(c, gesprek);
    Tvxmatrix1 ronde(c, gesprek);
    Uitslagentabel& t = g.perRonde ? static_cast<Uitslagentabel&>(ronde) : kruis;
    kruis.SetData();
    ronde.SetData();
    const std::map<std::string, std::function<void()>> knoppen{
        {"2", [&] { kruis.Winst(); }},
        {"1", [&] { kruis.Remise(); }},
        {"0", [&] { kruis.Verlies(); }},
        {".", [&] { g.perRonde ? ronde.Punt() : kruis.NietGespeeld(); }},
        {"3", [&] { kruis.Drie(); }},
        {"<", [&] { g.perRonde ? ronde.Terug() : kruis.Terug(); }},
        {"k3", [&] { kruis.Toets('3'); }},
        {"O", [&] { kruis.Overschrijven = true; }},
        {"V", [&] { g.perRonde ? ronde.Verwerken() : kruis.Verwerken({}); }},
        {"N", [&] {
             gesprek.Antwoorden.push_back(Antwoord::Ok);
             EXPECT_TRUE(kruis.NietVerwerken());
         }}};
    for (const auto& w : Woorden(g.script)) {
        if (w[0] == '#')
            ronde.ZetAantalRondes(std::stoi(w.substr(1)));
        else if (w[0] == '=')
            ronde.ZetInvoer(w.substr(1));
        else
            knoppen.at(w)();
    }
    if (*g.cellen) {
        EXPECT_EQ(Cellen(t, g.perRonde), g.cellen);
    }
    std::string meldingen;
    for (const auto& [tekst, titel] : gesprek.Meldingen) {
        if (!meldingen.empty()) meldingen += '|';
        meldingen += tekst;
        EXPECT_EQ(titel,
                  g.perRonde && tekst.find('-') == std::string::npos ? "Fout" : "Bevestiging")
            << tekst;
    }
    EXPECT_EQ(meldingen, g.meldingen);
    const auto cursor = g.perRonde ? std::pair{ronde.CursorRij(), ronde.CursorRonde()}
                                   : std::pair{kruis.CursorRij(), kruis.CursorKolom()};
    EXPECT_EQ("(" + std::to_string(cursor.first) + "," + std::to_string(cursor.second) + ")",
              g.cursor);
    std::string wedstrijden;
    for (const auto& w : c.Wedstrijden) {
        const auto& m = w->G();
        if (!wedstrijden.empty()) wedstrijden += ' ';
        wedstrijden +=
            std::to_string(m.Ronde) + "." + std::to_string(m.Wedstrijdnummer) + " " +
            std::to_string(m.Wit) + "-" + std::to_string(m.Zwart) + " " +
            (m.Gespeeld ? std::to_string(m.UitslagWit) + "/" + std::to_string(m.UitslagZwart)
                        : std::string("_"));
    }
    EXPECT_EQ(wedstrijden, g.wedstrijden);
    EXPECT_EQ(c.Opties.PuntenWinst, g.puntenWinst);
}

INSTANTIATE_TEST_SUITE_P(Gevallen, Resultaatmatrix, testing::ValuesIn(kGevallen),
                         [](const auto& info) { return "g" + std::to_string(info.index); });
