// Player collection look-ups of the register: random free number, name search in four passes
// and the equal-games test of the pairing pre-check.
#include "model/gesprek.h"
#include "model/spelers.h"
#include "model/tekst.h"

#include <gtest/gtest.h>

#include <deque>

using namespace velkaro;

namespace {

// Gives the scripted numbers in turn and records every request.
class Rij final : public Toeval {
public:
    explicit Rij(std::deque<int> getallen) : getallen_(std::move(getallen)) {}
    int Getal(int n) override {
        bereiken.push_back(n);
        if (getallen_.empty()) return 0;
        const int g = getallen_.front();
        getallen_.pop_front();
        return g;
    }
    void Herstart() override { ++herstarts; }
    std::vector<int> bereiken;
    int herstarts = 0;

private:
    std::deque<int> getallen_;
};

Spelergegevens Speler(int32_t loting, std::string naam, std::string kort) {
    Spelergegevens g;
    g.Lotingnummer = loting;
    g.Naam = std::move(naam);
    g.Kort = std::move(kort);
    return g;
}

} // namespace

// Drawn, after one restart of the generator, until the number is free; a maximum under one
// draws from ten; a full range does not loop but gives the next number.
TEST(KiesRandomNummer, TrektTotHetNummerVrijIs) {
    const struct {
        std::vector<int> bezet;
        int maximum;
        std::deque<int> getallen;
        int nummer;
        std::vector<int> bereiken;
    } gevallen[] = {
        {{3, 5}, 6, {2, 4, 0}, 1, {6, 6, 6}}, // 3 and 5 are taken, 1 is free
        {{}, 0, {9}, 10, {10}},
        {{}, -4, {0}, 1, {10}},
        {{1, 2, 3}, 3, {}, 4, {}},
    };
    for (const auto& g : gevallen) {
        TSpelersVerzameling s;
        for (int i : g.bezet) s.Voegtoe(Speler(i, "x", ""));
        Rij r(g.getallen);
        EXPECT_EQ(s.KiesRandomNummer(g.maximum, r), g.nummer) << g.maximum;
        EXPECT_EQ(std::tie(r.herstarts, r.bereiken), std::make_tuple(1, g.bereiken)) << g.maximum;
    }
}

TEST(Zoeknaam, VierRondesInVolgorde) {
    TSpelersVerzameling s;
    s.Voegtoe(Speler(1, "de Vries, Jan", "jv"));
    s.Voegtoe(Speler(2, "Jansen, Piet", "JAN"));
    s.Voegtoe(Speler(3, "Bakker, Jv", "BAK"));
    // 1: Kort exactly, although "Jan" also occurs in the first name.
    EXPECT_EQ(s.zoeknaam("JAN")->Lotingnummer, 2);
    // 2: inside Naam, case-sensitive, before the case-free Kort "jv" of player 1.
    EXPECT_EQ(s.zoeknaam("Jv")->Lotingnummer, 3);
    // 1 again: exact Kort beats everything.
    EXPECT_EQ(s.zoeknaam("jv")->Lotingnummer, 1);
    // 3: Kort ignoring case.
    EXPECT_EQ(s.zoeknaam("bak")->Lotingnummer, 3);
    // 4: inside Naam ignoring case.
    EXPECT_EQ(std::forward_as_tuple(s.zoeknaam("VRIES")->Lotingnummer,
                                    s.zoeknaam("piet")->Lotingnummer, bool(s.zoeknaam("Smit")),
                                    bool(s.zoeknaam(""))),
              std::make_tuple(1, 2, false, false));
}

TEST(Zoeknaam, HoofdlettersMetAccenten) {
    // Every small letter Windows-1252 holds finds its capital, and the other way round.
    const std::pair<const char*, const char*> gevallen[] = {
        {"Müller, É.", "MÜLLER"}, {"Müller, É.", "é."},   {"Šimon, P.", "šim"},
        {"Žák, J.", "žák"},       {"Œuvre, A.", "œuv"},   {"Ÿvon, B.", "ÿvo"},
        {"ÿvon, B.", "ŸVON"},     {"šimon, P.", "ŠIMON"}, {"Ærø, C.", "ærø"}};
    for (const auto& [naam, zoek] : gevallen) {
        TSpelersVerzameling s;
        s.Voegtoe(Speler(4, naam, "XYZ"));
        const auto gevonden = s.zoeknaam(zoek);
        EXPECT_TRUE(gevonden && gevonden->Lotingnummer == 4) << naam << " / " << zoek;
    }
    EXPECT_EQ(Hoofdletters("šžœÿ÷ß"), "ŠŽŒŸ÷ß");
}

TEST(GelijkAantalWedstrijden, AlleenSpelersVoorHetRooster) {
    TSpelersVerzameling s;
    EXPECT_TRUE(s.GelijkAantalWedstrijden());
    auto maak = [&](int partijen, uint16_t opnemen) {
        Spelergegevens g;
        g.AantalPartijen = partijen;
        g.Opnemen = opnemen;
        s.Voegtoe(g);
    };
    maak(1, OpnemenStand); // not marked for pairing: ignored
    maak(3, OpnemenStand | OpnemenRooster);
    maak(3, OpnemenRooster);
    EXPECT_TRUE(s.GelijkAantalWedstrijden());
    maak(2, OpnemenStand);
    EXPECT_TRUE(s.GelijkAantalWedstrijden());
    maak(2, OpnemenRooster);
    EXPECT_FALSE(s.GelijkAantalWedstrijden());
}
