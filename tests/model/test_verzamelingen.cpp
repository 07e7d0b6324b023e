#include "model/competitie.h"
#include "model/tekst.h"

#include <gtest/gtest.h>

using namespace velkaro;

TEST(Spelers, InternNummersEnLotingnummers) {
    TSpelersVerzameling s;
    EXPECT_EQ(s.VrijIntern(), 1);
    EXPECT_EQ(s.EersteLotingNummerVrij(), 1);
    Spelergegevens g;
    g.Lotingnummer = 1;
    EXPECT_EQ(s.Voegtoe(g).InternNummer(), 1); // 0 is handed the next free number
    g.Lotingnummer = 2;
    g.InternNummer = 7;
    s.Voegtoe(g);
    g.Lotingnummer = 4;
    g.InternNummer = 0;
    EXPECT_EQ(s.Voegtoe(g).InternNummer(), 8);
    EXPECT_EQ(s.EersteLotingNummerVrij(), 3);
    EXPECT_TRUE(s.Verwijder(8));
    EXPECT_EQ(s.VrijIntern(), 8); // only the highest number is reused
    EXPECT_EQ(
        std::forward_as_tuple(bool(s.zoek(7)), bool(s.zoek(8)), s.zoekloting(2)->InternNummer),
        std::make_tuple(true, false, 7));
}

TEST(Spelers, TekstenWordenOpCapaciteitGekapt) {
    Spelergegevens g;
    g.Naam = "Abcdefghijklmnopqrstuvwxyz";
    g.Kort = "ÉÉÉÉ"; // characters, not bytes
    g.VolledigeNaam = std::string(300, 'x');
    TSpelerObj s(g);
    EXPECT_EQ(s.G().Naam, "Abcdefghijklmnopqrst");
    EXPECT_EQ(s.G().Kort, "ÉÉÉ");
    EXPECT_EQ(s.G().VolledigeNaam.size(), 300u); // unbounded
}

TEST(Spelers, VlaggenEnRating) {
    TSpelersVerzameling s;
    Spelergegevens g;
    g.LokaleRating = 1400;
    g.FMJDRating = 2100;
    g.Opnemen = OpnemenStand;
    auto& a = s.Voegtoe(g);
    s.Voegtoe(g).ZetRooster();
    EXPECT_EQ(s.tel_rooster(), 1);
    a.ZetRooster();
    a.ZetSelectie();
    EXPECT_EQ(a.G().Opnemen, 7);
    a.WisRooster();
    EXPECT_EQ(a.G().Opnemen, 5);
    s.ResetRating(true);
    EXPECT_EQ(a.G().Rating, 2100);
    s.ResetRating(false);
    EXPECT_EQ(a.G().Rating, 1400);
}

TEST(Wedstrijden, VolgordeEnRondeAanmaak) {
    Competitie c;
    c.Wedstrijden.Voegtoe({3, 2, 1, 2, 0, 0, false, false});
    c.Wedstrijden.Voegtoe({1, 5, 3, 4, 0, 0, false, false});
    c.Wedstrijden.Voegtoe({3, 1, 5, 6, 0, 0, false, false});
    c.Wedstrijden.Voegtoe({1, 5, 7, 8, 0, 0, false, false}); // equal key: after the first
    ASSERT_EQ(c.Wedstrijden.Aantal(), 4u);
    EXPECT_EQ(std::forward_as_tuple(c.Wedstrijden.At(0).G().Wit, c.Wedstrijden.At(1).G().Wit,
                                    c.Wedstrijden.At(2).G().Wit, c.Wedstrijden.At(3).G().Wit),
              std::make_tuple(3, 7, 5, 1));
    // A match for a missing round creates it with an empty date.
    ASSERT_EQ(c.Rondes.Aantal(), 2u);
    EXPECT_EQ(std::forward_as_tuple(c.Rondes.At(0).Rondenummer(), c.Rondes.At(1).Rondenummer(),
                                    c.Rondes.geef_datum(3)),
              std::make_tuple(1, 3, ""));
}

TEST(Wedstrijden, UitslagZetten) {
    Competitie c;
    auto& w = c.Wedstrijden.Voegtoe({1, 1, 1, 2, 0, 0, false, false});
    c.Gewijzigd = false;
    c.Opties.WisHerberekenen();
    c.ZetUitslag(w, 2, 0, false, true);
    EXPECT_TRUE(w.G().Gespeeld);
    EXPECT_FALSE(w.G().Reglementair);
    EXPECT_TRUE(c.Gewijzigd);
    EXPECT_FALSE(c.Opties.IsActueel());
    // Adjourned: white's code becomes 9, black's stays.
    c.ZetUitslag(w, 1, 1, true, false);
    EXPECT_EQ(std::forward_as_tuple(w.G().UitslagWit, w.G().UitslagZwart, bool(w.IsAfgebroken())),
              std::make_tuple(9, 1, true));
    // 0-0 is the regulation result; another result does not clear the mark.
    c.ZetUitslag(w, 0, 0, false, true);
    EXPECT_TRUE(w.G().Reglementair);
    c.ZetUitslag(w, 2, 0, false, true);
    EXPECT_TRUE(w.G().Reglementair);
}

TEST(Wedstrijden, RondetellingDatumEnVerwijderen) {
    Competitie c;
    c.Wedstrijden.Voegtoe({1, 1, 1, 2, 2, 0, true, false});
    c.Wedstrijden.Voegtoe({1, 2, 3, 4, 0, 0, false, false});
    c.Wedstrijden.Voegtoe({1001, 1, 3, 4, 0, 0, true, false});
    c.Wedstrijden.Voegtoe({2, 1, 3, 1, 0, 0, false, false});
    c.Rondes.zoek(1001)->W().AantalWedstrijden = 42;
    c.Rondes.BerekenUitslagen(c.Wedstrijden);
    EXPECT_EQ(c.Rondes.zoek(1)->G().AantalWedstrijden, 2);
    EXPECT_EQ(c.Rondes.zoek(1)->G().AantalUitslagen, 1);
    // Rounds outside 1..1000 stay but are not recounted.
    EXPECT_EQ(c.Rondes.zoek(1001)->G().AantalWedstrijden, 42);
    EXPECT_EQ(c.Rondes.LaatsteRondeMetUitslagen(), 1);
    c.Rondes.ZetRondeDatum(1, "02-09-2026");
    c.Rondes.ZetRondeDatum(5, "niets");
    EXPECT_EQ(c.Rondes.geef_datum(1), "02-09-2026");
    EXPECT_FALSE(c.Rondes.RondeBestaat(5));

    EXPECT_TRUE(c.Wedstrijden.verwijderronde(1));
    EXPECT_EQ(c.Wedstrijden.Aantal(), 3u);         // the played match of round 1 stays
    EXPECT_FALSE(c.Wedstrijden.verwijderronde(1)); // nothing unplayed left to remove
    c.Wedstrijden.VerwijderSpeler(1);              // as white and as black
    EXPECT_EQ(c.Wedstrijden.Aantal(), 1u);
}

TEST(Groepen, VrijeNummersTitelEnRegel) {
    TDeelcompVerzameling g;
    EXPECT_EQ(g.VindVrijInternNummer(), 1);
    g.Voegtoe({1, "A", 1, false, ""});
    g.Voegtoe({3, "B", 3, false, ""});
    EXPECT_EQ(g.VindVrijInternNummer(), 2);
    EXPECT_EQ(g.VindVrijCompetitieNummer(), 2);
    EXPECT_EQ(g.Voegtoe({2, "C", 0, false, ""}).G().Bestandsnummer, 2);
    EXPECT_EQ(g.VraagNummer(3), 3);
    EXPECT_EQ(g.VraagNummer(9), 0);
    g.GeefTitel(1, std::string(100, 'T'));
    EXPECT_EQ(AantalTekens(g.Zoek(1)->G().Titel), 80u);
    EXPECT_EQ(GroepRegel({12, "Senioren", 1, false, ""}), "   12 - Senioren            ");
}

TEST(Competitie, OpstartEnResets) {
    Competitie c;
    ASSERT_EQ(c.Groepen.Aantal(), 1u);
    EXPECT_EQ(std::forward_as_tuple(c.Groepen.At(0).G().Competitienummer,
                                    c.Groepen.At(0).G().Bestandsnummer, c.HuidigeDeelcomp,
                                    c.Bestandsversie, c.RanglijstOpties),
              std::make_tuple(1, 1, 1, 702, 39));
    EXPECT_TRUE(c.VolledigeVoornaam);
    EXPECT_EQ(c.RondesInMatrix, 1);

    c.Spelers.Voegtoe({});
    c.Wedstrijden.Voegtoe({1, 1, 1, 2, 0, 0, false, false});
    c.Categorieen.push_back({"A", "x"});
    c.RanglijstOpties = 1;
    c.LotingModus = 2;
    c.Toernooi.SpeelPlaats = "Zwolle";
    c.Gewijzigd = true;
    c.Reset();
    EXPECT_EQ(std::forward_as_tuple(bool(c.Spelers.Leeg()), c.Wedstrijden.Aantal(),
                                    c.Rondes.Aantal(), bool(c.Categorieen.empty()),
                                    c.RanglijstOpties, c.LotingModus, bool(c.Gewijzigd)),
              std::make_tuple(true, 0u, 0u, true, 39, 0, false));
    EXPECT_EQ(c.Toernooi.SpeelPlaats, "Zwolle"); // the reader overwrites it, not the reset
    EXPECT_EQ(c.Groepen.Aantal(), 1u);

    c.Opmaakfont = "Arial";
    c.HuidigeDeelcomp = 4;
    c.VolledigeReset();
    EXPECT_EQ(std::forward_as_tuple(c.Groepen.Aantal(), c.HuidigeDeelcomp, c.Opmaakfont),
              std::make_tuple(0u, 1, "Times New Roman"));
}

TEST(Ranglijst, LaterIngevoegdeGelijkeSleutelStaatVoor) {
    TSpelersVerzameling s;
    auto& a = s.Voegtoe({});
    auto& b = s.Voegtoe({});
    auto& c = s.Voegtoe({});
    tranglijst r;
    r.Voegtoe("2", &a);
    r.Voegtoe("1", &b);
    r.Voegtoe("2", &c);
    ASSERT_EQ(r.Aantal(), 3u);
    EXPECT_EQ(std::forward_as_tuple(r.At(0).Speler, r.At(1).Speler, r.At(2).Speler),
              std::make_tuple(&b, &c, &a));
    a.W().Opnemen = OpnemenStand;
    r.verwijder_niet_ranglijst();
    ASSERT_EQ(r.Aantal(), 1u);
    EXPECT_EQ(r.At(0).Speler, &a);
}

// Inserting all at once gives the order of inserting one by one, ties and an existing list
// included: keys of one to three characters from a small alphabet repeat often.
TEST(Ranglijst, AllesTegelijkAlsEenVoorEen) {
    TSpelersVerzameling s;
    std::vector<TSpelerObj*> spelers;
    for (int i = 0; i < 40; ++i) spelers.push_back(&s.Voegtoe({}));
    unsigned x = 12345;
    auto sleutel = [&] {
        x = x * 1103515245u + 12345u;
        return std::string((x >> 8) % 3 + 1, static_cast<char>('1' + (x >> 16) % 3));
    };
    for (std::size_t vooraf : {0u, 1u, 15u}) {
        tranglijst eenVoorEen, tegelijk;
        std::vector<tranglijst::Regel> rest;
        for (std::size_t i = 0; i < spelers.size(); ++i) {
            const std::string k = sleutel();
            eenVoorEen.Voegtoe(k, spelers[i]);
            if (i < vooraf)
                tegelijk.Voegtoe(k, spelers[i]);
            else
                rest.push_back({k, spelers[i]});
        }
        tegelijk.VoegAlleToe(rest);
        ASSERT_EQ(tegelijk.Aantal(), eenVoorEen.Aantal());
        for (std::size_t i = 0; i < eenVoorEen.Aantal(); ++i) {
            EXPECT_EQ(tegelijk.At(i).Speler, eenVoorEen.At(i).Speler) << vooraf << " " << i;
            EXPECT_EQ(tegelijk.At(i).Sleutel, eenVoorEen.At(i).Sleutel);
        }
    }
}
