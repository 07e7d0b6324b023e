// Files that are not competition files, or damaged ones: a clear refusal or a bounded read,
// and the user's files never overwritten.
#include "hulp.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

using namespace velkaro;
using namespace velkaro::test;

namespace {
const std::string kGoed =
    "702\r\n1\r\n1\r\nGoed\r\n1\r\nFALSE\r\n\r\n1\r\nArial\r\n30\r\nTRUE\r\nCourier New\r\n";
}

TEST(SlechteInvoer, GeenCompetitiebestandWordtGeweigerd) {
    TijdelijkeMap map;
    std::filesystem::create_directory(map / "map.xv7");
    const std::tuple<const char*, std::optional<std::string>, Bestandsfout> gevallen[] = {
        {"leeg.xv7", "", Bestandsfout::GeenCompetitiebestand},
        {"binair.xv7", std::string("702\r\n\0\x01\x02", 8), Bestandsfout::GeenCompetitiebestand},
        {"tekst.xv7", "Dit is een brief aan de club.\r\n", Bestandsfout::GeenCompetitiebestand},
        {"negatief.xv7", "-5\r\n", Bestandsfout::GeenCompetitiebestand},
        {"club.z6e", "x", Bestandsfout::AnderFormaat},
        {"nieuw.xv7", "703\r\n1\r\n", Bestandsfout::NieuwereVersie},
        {"bestaat-niet.xv7", std::nullopt, Bestandsfout::NietTeOpenen},
        {"map.xv7", std::nullopt, Bestandsfout::NietTeOpenen},
    };
    for (const auto& [naam, inhoud, fout] : gevallen) {
        if (inhoud) Schrijf(map / naam, *inhoud);
        Competitie c;
        c.Bestandsnaam = "vorige.xv7";
        c.Spelers.Voegtoe({});
        const auto r = LeesBestand(c, map / naam);
        EXPECT_EQ(r.Fout, fout) << naam;
        // The open competition is untouched, and nothing of the refused file is written.
        EXPECT_EQ(std::forward_as_tuple(c.Bestandsnaam, c.Spelers.Aantal()),
                  std::make_tuple("vorige.xv7", 1u))
            << naam;
        if (inhoud) {
            EXPECT_EQ(Lees(map / naam), *inhoud) << naam;
        }
    }
}

TEST(SlechteInvoer, AbsurdeAantallenLezenBegrensd) {
    TijdelijkeMap map;
    Schrijf(map / "a.xv7", "702\r\n2000000000\r\n1\r\nX\r\n1\r\nFALSE\r\n\r\n");
    Competitie c;
    ASSERT_TRUE(LeesBestand(c, map / "a.xv7").Ok());
    EXPECT_EQ(c.Groepen.Aantal(), 1u);
    EXPECT_EQ(c.Opmaakfont, "Times New Roman"); // unread values take their defaults
    EXPECT_EQ(c.MaximumPerRegel, 30);

    Competitie d;
    LeesGroepTekst(d, "2000000000\r\n1\r\nNaam\r\n", 702);
    EXPECT_EQ(d.Spelers.Aantal(), 1u);
    Competitie e;
    LeesGroepTekst(e, "0\r\n0\r\n2000000000\r\n1\r\n1\r\n1\r\n2\r\n", 702);
    EXPECT_EQ(e.Wedstrijden.Aantal(), 1u);
}

TEST(SlechteInvoer, AfgebrokenGroepsbestand) {
    TijdelijkeMap map;
    Competitie c;
    c.Bestandsnaam = map / "t.xv7";
    for (int i = 1; i <= 4; ++i) {
        Spelergegevens g;
        g.Naam = "Speler " + std::to_string(i);
        g.Lotingnummer = i;
        c.Spelers.Voegtoe(g);
    }
    c.Wedstrijden.Voegtoe({1, 1, 1, 2, 2, 0, true, false});
    c.Opties.Toernooinaam = "Afgebroken";
    const std::string heel = SchrijfGroepTekst(c);
    // Every cut gives a bounded read with the values read so far.
    for (std::size_t lengte = 0; lengte < heel.size(); lengte += 7) {
        Competitie d;
        LeesGroepTekst(d, std::string_view(heel).substr(0, lengte), 702);
        EXPECT_LE(d.Spelers.Aantal(), 4u);
        EXPECT_LE(d.Wedstrijden.Aantal(), 1u);
    }
    // Cut in the middle of the second player: one player, then empty blocks.
    const std::size_t tweede = heel.find("Speler 2");
    Competitie d;
    LeesGroepTekst(d, std::string_view(heel).substr(0, tweede + 3), 702);
    EXPECT_EQ(
        std::forward_as_tuple(d.Spelers.Aantal(), d.Spelers.At(0).G().Naam, d.Wedstrijden.Aantal()),
        std::make_tuple(2u, "Speler 1", 0u));
}

TEST(SlechteInvoer, OnleesbareWaardenWordenNul) {
    Competitie c;
    LeesGroepTekst(c, "1\r\nabc\r\nNaam\r\nK\r\nP\r\nL\r\nveel\r\n", 702);
    ASSERT_EQ(c.Spelers.Aantal(), 1u);
    EXPECT_EQ(c.Spelers.At(0).G().Lotingnummer, 0);
    EXPECT_EQ(c.Spelers.At(0).G().FMJDRating, 0);
    EXPECT_EQ(c.Spelers.At(0).G().InternNummer, 1); // 0 handed the next free number
}

TEST(SlechteInvoer, MisluktOpslaanLaatBestandHeel) {
    TijdelijkeMap map;
    Competitie c;
    c.Bestandsnaam = map / "club.xv7";
    c.Spelers.Voegtoe({});
    ASSERT_TRUE(SchrijfBestand(c).Ok());
    const std::string voor = Lees(map / "club.xv7");

    // A folder that does not exist (its parent is a file).
    Schrijf(map / "bestand", "x");
    Competitie d;
    d.Bestandsnaam = map / "bestand/club.xv7";
    d.Gewijzigd = true;
    auto r = SchrijfBestand(d);
    EXPECT_EQ(std::forward_as_tuple(r.Fout, bool(r.Detail.empty()), bool(d.Gewijzigd)),
              std::make_tuple(Bestandsfout::SchrijvenMislukt, false, true));

    // No name: nothing is written anywhere.
    Competitie naamloos;
    naamloos.Gewijzigd = true;
    EXPECT_EQ(SchrijfBestand(naamloos).Fout, Bestandsfout::SchrijvenMislukt);
    EXPECT_TRUE(naamloos.Gewijzigd);
    EXPECT_FALSE(std::filesystem::exists(".xv7"));

    // The main file cannot be replaced (a folder stands in the way of its group file).
    std::filesystem::remove(map / "club.101");
    std::filesystem::create_directory(map / "club.101");
    c.Spelers.Voegtoe({});
    c.Gewijzigd = true;
    r = SchrijfBestand(c);
    EXPECT_EQ(std::forward_as_tuple(r.Fout, bool(c.Gewijzigd),
                                    bool(std::filesystem::exists(map / "club.101.tmp~")),
                                    Lees(map / "club.xv7")),
              std::make_tuple(Bestandsfout::SchrijvenMislukt, true, false, voor));
}

TEST(SlechteInvoer, OnbekendeOpenGroepOpentDeEerste) {
    TijdelijkeMap map;
    Schrijf(map / "g.xv7", "702\r\n1\r\n4\r\nVier\r\n7\r\nFALSE\r\n\r\n99\r\n");
    Competitie c;
    ASSERT_TRUE(LeesBestand(c, map / "g.xv7").Ok());
    EXPECT_EQ(c.HuidigeDeelcomp, 7);
    EXPECT_EQ(c.HuidigCompetitienummer, 4);
}
