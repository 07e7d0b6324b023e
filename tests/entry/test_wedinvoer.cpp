// The match entry dialog: a side resolved by drawing number, name or short code, a negative
// number or the rating field for an outside opponent, and the same player refused twice.
#include "entry/wedinvoer.h"
#include "hulp.h"

#include <gtest/gtest.h>

using namespace velkaro;
using namespace velkaro::test;

namespace {
struct Invoer {
    Competitie c;
    TWedInvoer d{c.Spelers};
    int a, b, z;
    Invoer() {
        a = VoegSpelerToe(c, 1, "Hoekstra, A.", 1500, "HOE").InternNummer();
        b = VoegSpelerToe(c, 2, "de Haan, B.", 1400, "HAA").InternNummer();
        z = VoegSpelerToe(c, 7, "Zijlstra", 1300, "7").InternNummer();
        d.Open(Wedstrijdgegevens{});
    }
    // Types `tekst` for a side and gives the player it resolves to.
    int Typ(Kleur k, const std::string& tekst) {
        d.ZetTekst(k, tekst);
        return d.Referentie(k);
    }
};
} // namespace

TEST(Wedinvoer, OpenenVultBeideKanten) {
    Invoer t;
    EXPECT_EQ(t.d.Label(Kleur::Wit), "(witspeler)");
    EXPECT_EQ(t.d.Label(Kleur::Zwart), "(zwartspeler)");
    EXPECT_EQ(t.d.Tekst(Kleur::Wit), "");
    t.d.Open(Wedstrijdgegevens{1, 10, t.b, -1720, 0, 0, false, false});
    EXPECT_EQ(t.d.Tekst(Kleur::Wit), "2");
    EXPECT_EQ(t.d.Label(Kleur::Wit), "de Haan, B.");
    EXPECT_EQ(t.d.Tekst(Kleur::Zwart), "-1720");
    EXPECT_EQ(t.d.Label(Kleur::Zwart), "1720 Rating");
    EXPECT_EQ(t.d.Ok(), std::make_pair(t.b, -1720));
}

TEST(Wedinvoer, OpenenHoudtDeSpelerBijDubbelLotingnummer) {
    Invoer t;
    const int dubbel = VoegSpelerToe(t.c, 2, "Tweede twee").InternNummer();
    t.d.Open(Wedstrijdgegevens{1, 10, dubbel, t.a, 0, 0, false, false});
    EXPECT_EQ(t.d.Ok(), std::make_pair(dubbel, t.a));
    EXPECT_EQ(t.d.Label(Kleur::Wit), "Tweede twee");
}

TEST(Wedinvoer, OplossenOpNummerNaamEnRating) {
    Invoer t;
    const auto wit = Kleur::Wit, zwart = Kleur::Zwart;
    EXPECT_EQ(t.Typ(wit, "2"), t.b);
    EXPECT_EQ(t.d.Label(wit), "de Haan, B.");
    EXPECT_EQ(t.d.Rating(wit), "0");
    EXPECT_EQ(t.Typ(wit, "9"), 0); // no such drawing number
    EXPECT_EQ(t.d.Label(wit), "");
    EXPECT_EQ(t.Typ(wit, "hoe"), t.a); // short code ignoring case
    EXPECT_EQ(t.Typ(wit, "Haan"), t.b);
    EXPECT_EQ(t.Typ(wit, "-1600"), -1600);
    EXPECT_EQ(t.d.Label(wit), "1600 Rating");
    EXPECT_EQ(t.Typ(wit, "0"), 0); // by name: nobody is called 0
    EXPECT_EQ(t.Typ(wit, ""), 0);
    EXPECT_EQ(t.Typ(wit, "Zijl"), t.z);

    t.d.ZetRating(zwart, "1850");
    EXPECT_EQ(t.d.Referentie(zwart), -1850);
    EXPECT_EQ(t.d.Label(zwart), "1850 Rating");
    t.d.ZetRating(zwart, "abc");
    EXPECT_EQ(t.d.Rating(zwart), "0");
    EXPECT_EQ(t.d.Referentie(zwart), -1850);
    EXPECT_EQ(t.Typ(zwart, "1"), t.a);
    EXPECT_EQ(t.d.Rating(zwart), "0"); // reset whenever a player is found
}

TEST(Wedinvoer, DezelfdeSpelerTweeKeer) {
    Invoer t;
    t.d.ZetTekst(Kleur::Wit, "1");
    EXPECT_EQ(t.Typ(Kleur::Zwart, "HOE"), 0); // the side entered last is cleared
    EXPECT_EQ(t.d.Label(Kleur::Zwart), "");
    EXPECT_EQ(t.d.Referentie(Kleur::Wit), t.a);
    EXPECT_EQ(t.Typ(Kleur::Zwart, "7"), t.z);
    EXPECT_EQ(t.Typ(Kleur::Wit, "Zijlstra"), 0);
    // Two outside opponents are two different people.
    t.d.ZetTekst(Kleur::Wit, "-1500");
    t.d.ZetTekst(Kleur::Zwart, "-1500");
    EXPECT_EQ(t.d.Ok(), std::make_pair(-1500, -1500));
}

TEST(Wedinvoer, LijstenEnKlikken) {
    Invoer t;
    t.d.Vrij = {t.z, t.b};
    EXPECT_EQ(t.d.Lijst(), (std::vector<int>{t.b, t.z}));
    t.d.AlleSpelers = true;
    EXPECT_EQ(t.d.Lijst(), (std::vector<int>{t.a, t.b, t.z}));
    t.d.KiesSpeler(Kleur::Zwart, t.z);
    EXPECT_EQ(t.d.Tekst(Kleur::Zwart), "7");
    EXPECT_EQ(t.d.Referentie(Kleur::Zwart), t.z);
}
