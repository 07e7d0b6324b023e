// Results: the result text in every notation, the match line, the buttons per mode with their
// captions and keys, exchanging colours, and random results from ratings.
#include "entry/uitslagknoppen.h"
#include "entry/uitslagtekst.h"
#include "entry/wedstrijdregels.h"
#include "hulp.h"
#include "lang/teksten.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {

Wedstrijdgegevens Uitslag(int wit, int zwart, bool gespeeld = true) {
    Wedstrijdgegevens g;
    g.UitslagWit = static_cast<uint8_t>(wit);
    g.UitslagZwart = static_cast<uint8_t>(zwart);
    g.Gespeeld = gespeeld;
    return g;
}

std::optional<std::pair<uint8_t, uint8_t>> P(int w, int z) {
    return std::make_pair(static_cast<uint8_t>(w), static_cast<uint8_t>(z));
}

trekenopties Standaard() {
    trekenopties o;
    o.ZetStandaard();
    return o;
}

trekenopties KNDB() {
    auto o = Standaard();
    o.ZetVlag(VlagKNDBDelfts, true);
    o.PuntenWinst = 4;
    o.PuntenRemise = 2;
    o.PuntenVerlies = 0;
    o.PuntenPlusRemise = 3;
    o.PuntenMinRemise = 1;
    return o;
}

trekenopties Bord() {
    auto o = Standaard();
    o.Viertallentoernooi = true;
    return o;
}

} // namespace

TEST(Uitslagtekst, Notaties) {
    auto drie = Standaard();
    drie.PuntenWinst = 3;
    auto s = Standaard();
    s.ZetVlag(VlagSchaaknotatie, true);
    const auto n = Standaard(), k = KNDB(), b = Bord();
    const struct {
        const trekenopties& o;
        Wedstrijdgegevens g;
        const char* tekst;
    } tabel[] = {{n, Uitslag(2, 0), " 2- 0"},      {n, Uitslag(1, 1), " 1- 1"},
                 {n, Uitslag(2, 0, false), "   "}, {n, Uitslag(9, 0, false), "AFG"},
                 {drie, Uitslag(0, 2), " 0- 3"},   {s, Uitslag(2, 0), "1-0"},
                 {s, Uitslag(1, 1), "½-½"},        {s, Uitslag(4, 3), "½-½"},
                 {s, Uitslag(0, 7), "0- "},        {k, Uitslag(4, 3), "1½-  ½"},
                 {k, Uitslag(2, 0), "2  -0  "},    {k, Uitslag(1, 1), "1  -1  "},
                 {b, Uitslag(3, 5), " 3- 5"}};
    for (const auto& r : tabel) EXPECT_EQ(UitslagTekst(r.g, r.o), r.tekst);
    lang::KiesTaal(lang::Taal::Engels);
    EXPECT_EQ(UitslagTekst(Uitslag(9, 0, false), n), "ADJ");
    lang::KiesTaal(lang::Taal::Nederlands);
}

TEST(Uitslagtekst, Wedstrijdregel) {
    Competitie c;
    const int a = VoegSpelerToe(c, 7, "Post, H.").InternNummer();
    Wedstrijdgegevens g = Uitslag(0, 0);
    g.Ronde = 3;
    g.Wedstrijdnummer = 20;
    g.Wit = a;
    g.Zwart = -1725;
    g.Reglementair = true;
    EXPECT_EQ(WedstrijdRegel(g, c.Spelers, c.Opties, false),
              "  3\t  20\t \tPost, H.\t-\t \t1725 Rating\t 0- 0\tR");
    g.Zwart = 99; // nobody
    g.Gespeeld = false;
    g.Reglementair = false;
    EXPECT_EQ(WedstrijdRegel(g, c.Spelers, c.Opties, true),
              " 3\t  20\t7\tPost, H.\t-\t0\t\t   \t ");
}

TEST(Uitslagknoppen, CodesPerModus) {
    using Codes = std::vector<std::optional<std::pair<uint8_t, uint8_t>>>;
    // The codes of buttons van..tot.
    auto codes = [](const trekenopties& o, int van, int tot) {
        Codes c;
        for (int k = van; k <= tot; ++k) c.push_back(KnopCodes(o, k));
        return c;
    };
    EXPECT_EQ(codes(Standaard(), 0, 3), (Codes{P(0, 2), P(1, 1), P(2, 0), {}}));
    // Plus/minus-draw mode through KNDB-Delfts.
    EXPECT_EQ(codes(KNDB(), 1, 5), (Codes{P(3, 4), P(1, 1), P(4, 3), P(2, 0), {}}));
    auto b = Bord();
    EXPECT_EQ(codes(b, 3, 3), Codes{P(3, 5)});
    EXPECT_EQ(codes(b, 8, 8), Codes{P(8, 0)});
    auto z = Standaard();
    z.Rekensysteem = SysteemZwitsers;
    z.PuntenWinst = 8;
    EXPECT_EQ(codes(z, 6, 6), Codes{P(6, 2)});
    // Plus/minus-draw mode is tested first.
    b.PuntenPlusRemise = 3;
    EXPECT_EQ(codes(b, 3, 3), Codes{P(4, 3)});
    EXPECT_EQ(codes(b, 6, 6), Codes{{}});
}

namespace {
using Toetsknoppen = std::vector<std::optional<Uitslagknop>>;
// The button of each key.
Toetsknoppen Toetsen(const trekenopties& o, const std::string& toetsen) {
    Toetsknoppen k;
    for (char t : toetsen) k.push_back(KnopVoorToets(o, t));
    return k;
}
} // namespace

TEST(Uitslagknoppen, OpschriftenEnToetsen) {
    using enum Uitslagknop;
    auto n = Standaard();
    auto p = MaakKnoppaneel(n);
    EXPECT_EQ(p.Opschrift[0], "&0");
    EXPECT_EQ(p.Opschrift[2], "&2");
    EXPECT_FALSE(p.Zichtbaar[3]);
    // '/' is in the table, but its button is hidden.
    EXPECT_EQ(Toetsen(n, "21/5aRu"),
              (Toetsknoppen{Res2, Res1, {}, {}, Afgebroken, Regl00, UitslagWeg}));

    auto s = Standaard();
    s.ZetVlag(VlagSchaaknotatie, true);
    EXPECT_EQ(MaakKnoppaneel(s).Opschrift[1], "½");
    EXPECT_EQ(Toetsen(s, "1h/02"), (Toetsknoppen{Res2, Res1, Res1, Res0, {}}));

    auto pm = Standaard();
    pm.PuntenWinst = 4;
    pm.PuntenRemise = 2;
    pm.PuntenPlusRemise = 3;
    pm.PuntenMinRemise = 1;
    p = MaakKnoppaneel(pm);
    EXPECT_EQ(p.Opschrift, (std::array<std::string, 9>{"&0", "&1", "&2", "&3", "&4"}));
    EXPECT_TRUE(p.Zichtbaar[4]);
    EXPECT_EQ(Toetsen(pm, "34"), (Toetsknoppen{Res3, Res4}));

    p = MaakKnoppaneel(KNDB());
    EXPECT_EQ(p.Opschrift[3], "1½");
    EXPECT_EQ(p.Opschrift[1], " ½");
    EXPECT_EQ(KnopVoorToets(KNDB(), '3'), Res3);

    p = MaakKnoppaneel(Bord());
    EXPECT_TRUE(p.Zichtbaar[8]);
    EXPECT_EQ(p.Opschrift[8], "&8");
    EXPECT_EQ(KnopVoorToets(Bord(), '7'), Res7);
}

TEST(Uitslagknoppen, DrukkenEnReglementair) {
    Competitie c;
    auto& w = VoegWedstrijdToe(c, 1, 1, 1, 2);
    c.Opties.WisHerberekenen();
    EXPECT_TRUE(DrukKnop(c, w, Uitslagknop::Res2));
    EXPECT_EQ(w.G(), (Wedstrijdgegevens{1, 1, 1, 2, 2, 0, true, false}));
    EXPECT_FALSE(c.Opties.IsActueel());
    EXPECT_FALSE(DrukKnop(c, w, Uitslagknop::Res4)); // hidden in normal mode
    EXPECT_EQ(w.G().UitslagWit, 2);
    EXPECT_TRUE(DrukKnop(c, w, Uitslagknop::Afgebroken));
    EXPECT_EQ(w.G(), (Wedstrijdgegevens{1, 1, 1, 2, 9, 0, false, false}));
    // "Uitslag weg" sets the codes to 0/0, which marks the match as a regulation result.
    EXPECT_TRUE(DrukKnop(c, w, Uitslagknop::UitslagWeg));
    EXPECT_EQ(w.G(), (Wedstrijdgegevens{1, 1, 1, 2, 0, 0, false, true}));
    EXPECT_TRUE(DrukKnop(c, w, Uitslagknop::Res0));
    EXPECT_TRUE(w.G().Reglementair); // kept
    EXPECT_TRUE(DrukKnop(c, w, Uitslagknop::ReglUitslag));
    EXPECT_FALSE(w.G().Reglementair);
    EXPECT_TRUE(DrukKnop(c, w, Uitslagknop::Regl00));
    EXPECT_EQ(w.G(), (Wedstrijdgegevens{1, 1, 1, 2, 0, 0, true, true}));
}

TEST(Uitslagknoppen, NamenOpDeOpdrachtregel) {
    using enum Uitslagknop;
    auto s = Standaard();
    s.ZetVlag(VlagSchaaknotatie, true);
    // Points that coincide make a name ambiguous; the numbered names still work.
    auto pm = Standaard();
    pm.PuntenPlusRemise = 1;
    pm.PuntenMinRemise = 1;
    const auto n = Standaard(), k = KNDB(), b = Bord();
    const struct {
        const trekenopties& o;
        const char* naam;
        std::optional<Uitslagknop> knop;
    } tabel[] = {{s, "1-0", Res2},         {s, "½-½", Res1},
                 {s, "1/2-1/2", Res1},     {s, "0-1", Res0},
                 {s, "2-0", {}},           {n, "2-0", Res2},
                 {n, "regl", Regl00},      {n, "adj", Afgebroken},
                 {n, "clear", UitslagWeg}, {n, "toggle-regl", ReglUitslag},
                 {n, "res1", Res1},        {n, "res3", {}},
                 {k, "1½-½", Res3},        {k, "11/2-1/2", Res3},
                 {b, "5-3", Res5},         {pm, "1-1", {}},
                 {pm, "res3", Res3}};
    for (const auto& r : tabel) EXPECT_EQ(KnopVoorNaam(r.o, r.naam), r.knop) << r.naam;
}

TEST(KleurenWisselen, SpiegelregelEnBordpunten) {
    struct Geval {
        int wit, zwart, nwit, nzwart;
    };
    auto n = Standaard();
    for (auto [w, z, nw, nz] : std::vector<Geval>{{2, 0, 0, 2},
                                                  {0, 2, 2, 0},
                                                  {3, 4, 4, 3},
                                                  {4, 3, 3, 4},
                                                  {1, 1, 1, 1},
                                                  {0, 0, 0, 0},
                                                  {9, 0, 9, 0}}) {
        twedstrijdobj m(Wedstrijdgegevens{1, 10, 5, 6, static_cast<uint8_t>(w),
                                          static_cast<uint8_t>(z), w != 9, false});
        WisselKleuren(m, n);
        EXPECT_EQ(m.G().Wit, 6);
        EXPECT_EQ(m.G().Zwart, 5);
        EXPECT_EQ(m.G().UitslagWit, nw) << w << "/" << z;
        EXPECT_EQ(m.G().UitslagZwart, nz) << w << "/" << z;
    }
    twedstrijdobj m(Wedstrijdgegevens{1, 10, 5, 6, 3, 5, true, false});
    WisselKleuren(m, Bord());
    EXPECT_EQ(m.G().UitslagWit, 5);
    EXPECT_EQ(m.G().UitslagZwart, 3);
    // Board points of a Swiss group with 8 points for a win are swapped as well.
    auto z = Standaard();
    z.Rekensysteem = SysteemZwitsers;
    z.PuntenWinst = 8;
    twedstrijdobj b(Wedstrijdgegevens{1, 10, 5, 6, 3, 5, true, false});
    WisselKleuren(b, z);
    EXPECT_EQ(b.G().UitslagWit, 5);
    EXPECT_EQ(b.G().UitslagZwart, 3);
}

TEST(Nummers, WedstrijdEnRonde) {
    Competitie c;
    c.Rondes.Voegtoe({1, "", 0, 0, 0});
    c.Rondes.Voegtoe({3, "", 0, 0, 0});
    twedstrijdobj m(Wedstrijdgegevens{1, 10, 1, 2, 0, 0, false, false});
    for (const char* fout : {"abc", "0", ""}) EXPECT_FALSE(ZetWedstrijdnummer(m, fout)) << fout;
    EXPECT_EQ(m.G().Wedstrijdnummer, 10);
    EXPECT_TRUE(ZetWedstrijdnummer(m, " 15 "));
    EXPECT_EQ(m.G().Wedstrijdnummer, 15);
    // "2": there is no round 2.
    for (const char* fout : {"2", "x", "0"})
        EXPECT_FALSE(ZetRondenummer(m, fout, c.Rondes)) << fout;
    EXPECT_EQ(m.G().Ronde, 1);
    EXPECT_TRUE(ZetRondenummer(m, "3", c.Rondes));
    EXPECT_EQ(m.G().Ronde, 3);
}

TEST(RandomUitslag, DrempelsUitDeVerwachting) {
    Competitie c;
    c.Opties.ZetStandaard();
    const int a = VoegSpelerToe(c, 1, "A", 1600).InternNummer();
    const int b = VoegSpelerToe(c, 2, "B", 0).InternNummer(); // counts as 2100
    auto& w = VoegWedstrijdToe(c, 1, 1, a, b);
    // d = -500: E = 0.5 - T(500), about 0.04; the first range is floor(7p/3).
    RijToeval r({0, 0});
    ASSERT_TRUE(RandomUitslag(c, w, r));
    ASSERT_EQ(r.bereiken.size(), 2u);
    const int m = r.bereiken[0] * 3 / 7; // the first range is floor(7m/3)
    EXPECT_GE(m, 35);
    EXPECT_LE(m, 50);
    EXPECT_EQ(r.bereiken[1], 1000);
    // d = 1, lo = p: x = 1 <= lo: white wins.
    EXPECT_EQ(w.G(), (Wedstrijdgegevens{1, 1, a, b, 2, 0, true, false}));
    // Even ratings: p = 500, m = 500, range 1166; d = 1 + 600, lo = 200, hi = 801.
    c.Spelers.zoekptr(b)->W().Rating = 1600;
    for (auto [x, wit] : std::vector<std::pair<int, int>>{{199, 2}, {200, 1}, {800, 1}, {801, 0}}) {
        RijToeval q({600, x});
        ASSERT_TRUE(RandomUitslag(c, w, q));
        EXPECT_EQ(q.bereiken[0], 1166);
        EXPECT_EQ(w.G().UitslagWit, wit) << x;
        EXPECT_EQ(w.G().UitslagZwart, 2 - wit) << x;
        EXPECT_TRUE(w.G().Gespeeld);
    }
    // An outside opponent: no result.
    auto& buiten = VoegWedstrijdToe(c, 1, 2, a, -1500);
    RijToeval q;
    EXPECT_FALSE(RandomUitslag(c, buiten, q));
    EXPECT_FALSE(buiten.G().Gespeeld);
    EXPECT_TRUE(q.bereiken.empty());
}
