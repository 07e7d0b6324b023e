#include "hulp.h"
#include "storage/bestandsnamen.h"
#include "storage/competitiebestand.h"
#include "storage/regels.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkaro;
using velkaro::test::Lees;
using velkaro::test::Schrijf;
using velkaro::test::TijdelijkeMap;

namespace {

Spelergegevens VolleSpeler(int n) {
    Spelergegevens g;
    g.Lotingnummer = n;
    g.Naam = "Speler " + std::to_string(n) + " Ëlmo";
    g.Kort = "S" + std::to_string(n % 10);
    g.Plaats = "Zwolle";
    g.Land = "Nederland";
    g.FMJDTitel = n % 4;
    g.LokaleTitel = (n + 1) % 4;
    g.Categorieen = "AB  "; // the fifth character comes back as the FMJD title code
    g.LokaleRating = 1000 + n;
    g.FMJDID = 10000 + n;
    g.FMJDRating = 2000 + n;
    g.Barrage = n % 100;
    g.Opnemen = 7;
    g.InternNummer = n + 3;
    g.Punten = 11 * n;
    g.AantalPartijen = 12;
    g.AantalWinst = 5;
    g.AantalRemise = 4;
    g.AantalVerlies = 3;
    g.Extrawaarde1 = -17;
    g.Weerstandspunten = 123;
    g.SBPunten = 456;
    g.Extrawaarde2 = 789;
    g.Kleurbalans = -3;
    g.LaatsteKleur = 1;
    g.Keizerwaarde = 58;
    g.Keizerpunten = 312.5;
    g.EigenMoyenne = 1.0 / 3.0;
    g.TegenstanderMoyenne = 0.625;
    g.TotaalMoyenne = -2.75;
    g.MinTegenstanderPunten = 4;
    g.MaxTegenstanderPunten = 19;
    g.VorigeNotering = 3;
    g.Notering = 250;
    g.VolledigeNaam = "Speler nummer " + std::to_string(n) + " met een lange volledige naam";
    return g;
}

// The record as it comes back: derived and working values are not stored.
Spelergegevens AlsGelezen(Spelergegevens g, bool fmjd) {
    Spelergegevens leeg;
    g.Rating = fmjd ? g.FMJDRating : g.LokaleRating;
    const std::string cat = g.Categorieen + std::string(6, ' ');
    const char fmjdCode[] = {' ', 'f', 'm', 'g'};
    g.Categorieen = cat.substr(0, 4) + fmjdCode[g.FMJDTitel];
    g.PlusRemises = g.MinRemises = g.WPMinLaagste = g.WPMinLaagsteHoogste = 0;
    g.TSRating = leeg.TSRating;
    return g;
}

void VulGroep(Competitie& c) {
    for (int n = 1; n <= 5; ++n) c.Spelers.Voegtoe(VolleSpeler(n));
    c.Wedstrijden.Voegtoe({1, 1, 4, 5, 2, 0, true, false});
    c.Wedstrijden.Voegtoe({1, 2, 6, -1850, 0, 0, true, true});
    c.Wedstrijden.Voegtoe({2, 3, 7, 8, 9, 1, false, false});
    c.Rondes.ZetRondeDatum(1, "02-09-2026");
    c.Rondes.ZetRondeDatum(2, "één week later");
    auto& o = c.Opties;
    o.Rekensysteem = 1;
    o.KeizerWinst = 101;
    o.KeizerRemise = 51;
    o.KeizerVerlies = 2;
    o.KeizerNietGespeeld = 34;
    o.Afloopfactor = 3;
    o.PuntenNr1 = 99;
    o.NietOptimaliseren = 0;
    o.KerenRekenen = 7;
    o.Sorteervolgorde = 47;
    o.PuntenWinst = 4;
    o.PuntenRemise = 2;
    o.PuntenVerlies = 0;
    o.PuntenPlusRemise = 3;
    o.PuntenMinRemise = 1;
    o.WegingEigen = 2;
    o.WegingTegen = 3;
    o.NietWegen = 0;
    o.Aanvangsrating = 1500;
    o.Ratingmethode = 1;
    o.Correctiefactor = -30;
    o.KleurDominant = 1;
    o.MaxKleurverschil = 3;
    o.Herberekenen = 0;
    o.Viertallentoernooi = true;
    o.Toernooinaam = "Clubcompetitie 2026";
    o.Optievlaggen = VlagFMJDRatingHanteren | VlagTestopties | VlagFMJD64;
    c.Categorieen = {{"A", "Senioren"}, {"B", "Jeugd"}, {" ", ""}};
    c.RanglijstOpties = 0x3123;
    c.LotingModus = 2;
    c.MinimumWedstrijden = 3;
    c.ToonWedstrijdnummer = true;
    c.ToonTafelnummer = false;
    int i = 0;
    for (std::string* t : c.Toernooi.Velden()) *t = "veld " + std::to_string(++i);
    c.Staand = false;
    c.ToonLotingnummer = true;
    c.GebruikRatingbestand = true;
    c.VolledigeVoornaam = false;
    c.RondesInMatrix = 4;
    c.MinWed = 2;
    c.PlaatsAfstand = 6;
    c.Geleden = 9;
    c.GebruikFMJDBestand = true;
}

} // namespace

TEST(Competitiebestand, ElkVeldOverleeftSchrijvenEnLezen) {
    TijdelijkeMap map;
    Competitie c;
    c.Bestandsnaam = map / "club.xv7";
    VulGroep(c);
    c.Opmaakfont = "Arial";
    c.Vastfont = "Consolas";
    c.MaximumPerRegel = 17;
    c.GeformatteerdeRanglijst = false;
    c.Groepen.At(0).W().Overgenomen = true;
    c.Groepen.At(0).W().OudeGroep = "3-12";
    c.Gewijzigd = true;
    ASSERT_TRUE(SchrijfBestand(c).Ok());
    EXPECT_FALSE(c.Gewijzigd);

    Competitie d;
    ASSERT_TRUE(LeesBestand(d, map / "club.xv7").Ok());
    ASSERT_EQ(d.Spelers.Aantal(), 5u);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(d.Spelers.At(i).G(), AlsGelezen(c.Spelers.At(i).G(), true)) << i;
    ASSERT_EQ(d.Wedstrijden.Aantal(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(d.Wedstrijden.At(i).G(), c.Wedstrijden.At(i).G());
    ASSERT_EQ(d.Rondes.Aantal(), 2u);
    EXPECT_EQ(d.Rondes.geef_datum(2), "één week later");
    const auto& o = d.Opties;
    EXPECT_EQ(o.Rekensysteem, 1);
    EXPECT_EQ(o.KeizerWinst, 101);
    EXPECT_EQ(o.KeizerRemise, 51);
    EXPECT_EQ(o.KeizerVerlies, 2);
    EXPECT_EQ(o.KeizerNietGespeeld, 34);
    EXPECT_EQ(o.Afloopfactor, 3);
    EXPECT_EQ(o.PuntenNr1, 99);
    EXPECT_EQ(o.NietOptimaliseren, 0);
    EXPECT_EQ(o.KerenRekenen, 7);
    EXPECT_EQ(o.Sorteervolgorde, 47);
    EXPECT_EQ(o.PuntenWinst, 4);
    EXPECT_EQ(o.PuntenRemise, 2);
    EXPECT_EQ(o.PuntenVerlies, 0);
    EXPECT_EQ(o.PuntenPlusRemise, 3);
    EXPECT_EQ(o.PuntenMinRemise, 1);
    EXPECT_EQ(o.WegingEigen, 2);
    EXPECT_EQ(o.WegingTegen, 3);
    EXPECT_EQ(o.NietWegen, 0);
    EXPECT_EQ(o.Aanvangsrating, 1500);
    EXPECT_EQ(o.Ratingmethode, 1);
    EXPECT_EQ(o.Correctiefactor, -30);
    EXPECT_EQ(o.KleurDominant, 1);
    EXPECT_EQ(o.MaxKleurverschil, 3);
    EXPECT_EQ(o.Herberekenen, 0);
    EXPECT_TRUE(o.Viertallentoernooi);
    EXPECT_EQ(o.Toernooinaam, "Clubcompetitie 2026");
    EXPECT_EQ(o.Optievlaggen, c.Opties.Optievlaggen);
    EXPECT_EQ(d.Categorieen, c.Categorieen);
    EXPECT_EQ(d.RanglijstOpties, 0x3123);
    EXPECT_EQ(d.LotingModus, 2);
    EXPECT_EQ(d.MinimumWedstrijden, 3);
    EXPECT_TRUE(d.ToonWedstrijdnummer);
    EXPECT_FALSE(d.ToonTafelnummer);
    EXPECT_EQ(d.Toernooi, c.Toernooi);
    EXPECT_FALSE(d.Staand);
    EXPECT_TRUE(d.ToonLotingnummer);
    EXPECT_TRUE(d.GebruikRatingbestand);
    EXPECT_FALSE(d.VolledigeVoornaam);
    EXPECT_EQ(d.RondesInMatrix, 4);
    EXPECT_EQ(d.MinWed, 2);
    EXPECT_EQ(d.PlaatsAfstand, 6);
    EXPECT_EQ(d.Geleden, 9);
    EXPECT_TRUE(d.GebruikFMJDBestand);
    EXPECT_EQ(d.Opmaakfont, "Arial");
    EXPECT_EQ(d.Vastfont, "Consolas");
    EXPECT_EQ(d.MaximumPerRegel, 17);
    EXPECT_FALSE(d.GeformatteerdeRanglijst);
    ASSERT_EQ(d.Groepen.Aantal(), 1u);
    EXPECT_EQ(d.Groepen.At(0).G(), c.Groepen.At(0).G());
    EXPECT_EQ(d.Groepen.At(0).G().Titel, "Clubcompetitie 2026");
    EXPECT_FALSE(d.Gewijzigd);
}

TEST(Competitiebestand, HoofdbestandRegelVoorRegel) {
    Competitie c;
    c.Groepen.At(0).W().Titel = "Senioren";
    c.Groepen.Voegtoe({5, "Jeugd", 2, false, ""});
    c.HuidigeDeelcomp = 2;
    EXPECT_EQ(SchrijfHoofdbestandTekst(c),
              "702\r\n2\r\n1\r\nSenioren\r\n1\r\nFALSE\r\n\r\n5\r\nJeugd\r\n2\r\nFALSE\r\n\r\n"
              "2\r\nTimes New Roman\r\n30\r\nTRUE\r\nCourier New\r\n");
    // A title with a line break or a NUL byte (read from a group file) stays one line of text:
    // a NUL would make the main file read as no competition file at all.
    c.Groepen.At(0).W().Titel = std::string("Se\nni\0ren", 9);
    const std::string t = SchrijfHoofdbestandTekst(c);
    EXPECT_NE(t.find("\r\nSe ni ren\r\n"), std::string::npos);
    Competitie d;
    EXPECT_EQ(LeesHoofdbestandTekst(d, t), Bestandsfout::Geen);
}

TEST(Competitiebestand, SpelerblokVan31Regels) {
    Competitie c;
    Spelergegevens g;
    g.Lotingnummer = 4;
    g.Naam = "Bakker, A.";
    g.Categorieen = "AB";
    g.FMJDTitel = 2;
    g.FMJDID = 12345;
    g.FMJDRating = 2100;
    g.InternNummer = 9;
    g.Keizerpunten = 1.5;
    c.Spelers.Voegtoe(g);
    const std::string t = SchrijfGroepTekst(c);
    Regellezer r(t);
    EXPECT_EQ(r.Tekst(), "1");
    EXPECT_EQ(r.Tekst(), "4");
    EXPECT_EQ(r.Tekst(), "Bakker, A.##Bakker, A."); // empty full name written as the name
    r.Tekst();
    r.Tekst();
    r.Tekst();
    EXPECT_EQ(r.Tekst(), "2100");
    EXPECT_EQ(r.Tekst(), "AB  m 12345"); // title and ID line
    for (int i = 0; i < 15; ++i) r.Tekst();
    EXPECT_EQ(r.Tekst(), "0"); // Keizerwaarde, line 23
    EXPECT_EQ(r.Tekst(), " 1.50000000000000E+0000");
    for (int i = 0; i < 7; ++i) r.Tekst();
    EXPECT_EQ(r.Tekst(), "0"); // the round count right after line 31
}

TEST(Competitiebestand, NaamregelEnTitelregel) {
    auto lees = [](const std::string& naamregel, const std::string& titelregel) {
        Regelschrijver w;
        w.Getal(1);
        w.Getal(1);
        w.Tekst(naamregel);
        for (const char* t : {"K", "P", "L", "2100"}) w.Tekst(t);
        w.Tekst(titelregel);
        Competitie c;
        LeesGroepTekst(c, w.Inhoud(), 702);
        return c.Spelers.At(0).Gegevens();
    };
    auto g = lees("Kort##Een heel lange volledige naam", "A");
    EXPECT_EQ(g.Naam, "Kort");
    EXPECT_EQ(g.VolledigeNaam, "Een heel lange volledige naam");
    // Without "##" both come from the whole line, the name cut to 20.
    g = lees("Abcdefghijklmnopqrstuvwxyz", "A");
    EXPECT_EQ(g.Naam, "Abcdefghijklmnopqrst");
    EXPECT_EQ(g.VolledigeNaam, "Abcdefghijklmnopqrstuvwxyz");
    // Fewer than 5 characters: no titles, no ID.
    g = lees("x", "ABCm");
    EXPECT_EQ(g.Categorieen, "ABCm");
    EXPECT_EQ(g.FMJDTitel, 0);
    EXPECT_EQ(g.FMJDID, 0);
    // 5 characters: the FMJD title only.
    g = lees("x", "AB  g");
    EXPECT_EQ(g.FMJDTitel, 3);
    EXPECT_EQ(g.LokaleTitel, 0);
    EXPECT_EQ(g.Categorieen, "AB  g");
    // 6 characters: both titles.
    g = lees("x", "A   fc");
    EXPECT_EQ(g.FMJDTitel, 1);
    EXPECT_EQ(g.LokaleTitel, 1);
    EXPECT_EQ(g.FMJDID, 0);
    // 11 and more characters: the ID.
    g = lees("x", "A    m12345");
    EXPECT_EQ(g.LokaleTitel, 2);
    EXPECT_EQ(g.FMJDID, 12345);
    g = lees("x", "A    m1234567");
    EXPECT_EQ(g.FMJDID, 1234567);
    // Short IDs survive: the number is read to the end of the line.
    g = lees("x", "A    m123");
    EXPECT_EQ(g.FMJDID, 123);
    g = lees("x", "A    m12x45");
    EXPECT_EQ(g.FMJDID, 0);
}

TEST(Competitiebestand, GepakteVeldenEnLarenbasis) {
    Competitie c;
    c.Opties.PuntenWinst = 4;
    c.Opties.PuntenPlusRemise = 3;
    c.Opties.PuntenVerlies = 0;
    c.Opties.PuntenMinRemise = 1;
    c.Opties.Rekensysteem = SysteemLaren;
    c.Opties.PuntenNr1 = 100;
    c.LarenBasis = 130;
    const std::string t = SchrijfGroepTekst(c);
    Regellezer r(t);
    for (int i = 0; i < 3; ++i) r.Getal(); // no players, rounds, matches
    std::vector<int32_t> opties;
    for (int i = 0; i < 13; ++i) opties.push_back(r.Getal());
    EXPECT_EQ(opties[6], 130); // the Laren base in the slot of PuntenNr1
    EXPECT_EQ(opties[10], 34);
    EXPECT_EQ(opties[12], 10);
    Competitie d;
    d.LarenBasis = 60;
    LeesGroepTekst(d, t, 702);
    EXPECT_EQ(d.LarenBasis, 130);
    EXPECT_EQ(d.Opties.PuntenWinst, 4);
    EXPECT_EQ(d.Opties.PuntenPlusRemise, 3);
    EXPECT_EQ(d.Opties.PuntenVerlies, 0);
    EXPECT_EQ(d.Opties.PuntenMinRemise, 1);
}

TEST(Competitiebestand, ZelfdeUitvoerNaLezenEnSchrijven) {
    TijdelijkeMap map;
    Competitie c;
    c.Bestandsnaam = map / "a.xv7";
    VulGroep(c);
    const std::string eerst = SchrijfGroepTekst(c);
    Competitie d;
    LeesGroepTekst(d, eerst, 702);
    EXPECT_EQ(SchrijfGroepTekst(d), eerst);
}

TEST(Competitiebestand, OntbrekendGroepsbestandGeeftLegeGroep) {
    TijdelijkeMap map;
    Schrijf(
        map / "x.xv7",
        "702\r\n1\r\n1\r\nTitel\r\n1\r\nFALSE\r\n\r\n1\r\nArial\r\n30\r\nTRUE\r\nCourier New\r\n");
    Competitie c;
    // A name in capitals opens the file a save of it wrote.
    ASSERT_TRUE(LeesBestand(c, map / "x.XV7").Ok());
    EXPECT_EQ(c.Bestandsnaam, map / "x.xv7");
    ASSERT_TRUE(LeesBestand(c, map / "x.xv7").Ok());
    EXPECT_TRUE(c.Spelers.Leeg());
    EXPECT_EQ(c.Opties.Sorteervolgorde, 389);
    EXPECT_TRUE(c.Staand);
    EXPECT_EQ(c.HuidigCompetitienummer, 1);
    EXPECT_EQ(c.Groepen.At(0).G().Titel, ""); // the loaded (empty) tournament name
}

TEST(Competitiebestand, OpslaanSchrijftAlleenDeOpenGroep) {
    TijdelijkeMap map;
    Competitie c;
    c.Bestandsnaam = map / "drie.dat";
    c.Groepen.Voegtoe({2, "", 0, false, ""});
    c.Groepen.Voegtoe({3, "", 0, false, ""});
    c.HuidigeDeelcomp = 2;
    ASSERT_TRUE(SchrijfBestand(c).Ok());
    EXPECT_EQ(c.Bestandsnaam, map / "drie.xv7"); // the extension becomes xv7
    EXPECT_TRUE(std::filesystem::exists(map / "drie.102"));
    EXPECT_FALSE(std::filesystem::exists(map / "drie.101"));
    EXPECT_FALSE(std::filesystem::exists(map / "drie.103"));
    EXPECT_FALSE(std::filesystem::exists(map / "drie.xv7.tmp~"));
}

TEST(Competitiebestand, WerkmapEnRecenteBestanden) {
    TijdelijkeMap map;
    Competitie c;
    c.RecenteBestanden = {"a", "b", "c", "d"};
    auto bewaar = [&](const std::string& naam) {
        c.Bestandsnaam = map / naam;
        ASSERT_TRUE(SchrijfBestand(c).Ok());
    };
    bewaar("e.xv7");
    EXPECT_EQ(c.RecenteBestanden, (std::array<std::string, 4>{map / "e.xv7", "a", "b", "c"}));
    EXPECT_EQ(c.Werkmap, map.Pad().string() + "/");
    c.RecenteBestanden = {"a", map / "e.xv7", "c", "d"};
    bewaar("e.xv7");
    EXPECT_EQ(c.RecenteBestanden, (std::array<std::string, 4>{map / "e.xv7", "a", "c", "d"}));
    c.RecenteBestanden = {"a", "b", map / "e.xv7", "d"};
    bewaar("e.xv7");
    EXPECT_EQ(c.RecenteBestanden, (std::array<std::string, 4>{map / "e.xv7", "a", "b", "d"}));
    bewaar("e.xv7");
    EXPECT_EQ(c.RecenteBestanden, (std::array<std::string, 4>{map / "e.xv7", "a", "b", "d"}));
}

TEST(Competitiebestand, ParingsparametersNaSchrijvenGecorrigeerd) {
    TijdelijkeMap map;
    Competitie c;
    c.Bestandsnaam = map / "p.xv7";
    c.MinWed = -4;
    c.PlaatsAfstand = 1001;
    c.Geleden = 5000;
    ASSERT_TRUE(SchrijfDeelcomp(c).Ok());
    EXPECT_EQ(c.MinWed, 0);
    EXPECT_EQ(c.PlaatsAfstand, 10);
    EXPECT_EQ(c.Geleden, 10);
    // The file holds the values as they were.
    Competitie d;
    d.Bestandsnaam = c.Bestandsnaam;
    LeesDeelcomp(d, 1);
    EXPECT_EQ(d.MinWed, -4);
    EXPECT_EQ(d.PlaatsAfstand, 1001);
    EXPECT_EQ(d.Geleden, 5000);
}

TEST(Competitiebestand, Versie701WordtOmgezet) {
    TijdelijkeMap map;
    // Two groups of the older layout: 29-line player blocks and 24 settings lines.
    Schrijf(map / "oud.xv7",
            "701\r\n2\r\n1\r\nA\r\n1\r\nFALSE\r\n\r\n2\r\nB\r\n2\r\nFALSE\r\n\r\n2\r\n"
            "Times New Roman\r\n30\r\nTRUE\r\nCourier New\r\n");
    auto groep = [](const std::string& naam, int rating) {
        Regelschrijver w;
        w.Getal(1);
        w.Getal(1);
        w.Tekst(naam + "##" + naam);
        w.Tekst("K");
        w.Tekst("Plaats");
        w.Ruw("A    m12345");
        w.Getal(rating);
        for (int i = 0; i < 12; ++i) w.Getal(i == 1 ? 3 : 0); // Barrage .. Extrawaarde2
        for (int i = 0; i < 3; ++i) w.Getal(0);
        for (int i = 0; i < 4; ++i) w.Reeel(0.5);
        for (int i = 0; i < 4; ++i) w.Getal(0);
        w.Getal(0); // rounds
        w.Getal(0); // matches
        for (int i = 0; i < 22; ++i)
            w.Getal(i == 0 ? 1 : i == 9 ? 47 : i == 10 ? 2 : i == 11 ? 1 : 0);
        w.Boolean(false);
        w.Tekst(naam == "Een" ? "Groep A" : "Groep B");
        return w.Inhoud();
    };
    Schrijf(map / "oud.101", groep("Een", 1850));
    Schrijf(map / "oud.102", groep("Twee", 1500));
    Competitie c;
    ASSERT_TRUE(LeesBestand(c, map / "oud.xv7").Ok());
    EXPECT_EQ(c.Bestandsversie, 702);
    EXPECT_EQ(c.HuidigeDeelcomp, 2);
    ASSERT_EQ(c.Spelers.Aantal(), 1u);
    EXPECT_EQ(c.Spelers.At(0).G().Naam, "Twee");
    EXPECT_EQ(c.Spelers.At(0).G().FMJDRating, 2100);
    EXPECT_EQ(c.Spelers.At(0).G().Land, "");
    EXPECT_EQ(c.Spelers.At(0).G().LokaleRating, 1500);
    EXPECT_EQ(c.Spelers.At(0).G().Opnemen, 3);
    EXPECT_EQ(c.Opties.Toernooinaam, "Groep B");
    EXPECT_EQ(c.Opties.Sorteervolgorde, 47);
    // Both group files and the main file are in the current layout on disk already.
    EXPECT_EQ(Lees(map / "oud.xv7").substr(0, 5), "702\r\n");
    Competitie d;
    d.Bestandsnaam = map / "oud.xv7";
    d.Bestandsversie = 702;
    LeesDeelcomp(d, 1);
    ASSERT_EQ(d.Spelers.Aantal(), 1u);
    EXPECT_EQ(d.Spelers.At(0).G().Naam, "Een");
    EXPECT_EQ(d.Spelers.At(0).G().FMJDRating, 2100);
    EXPECT_EQ(d.Spelers.At(0).G().LokaleRating, 1850);
    EXPECT_EQ(d.Spelers.At(0).G().FMJDID, 12345);
    EXPECT_EQ(d.Opties.Toernooinaam, "Groep A");
    EXPECT_EQ(d.Opties.Optievlaggen, 0);
}

TEST(Bestandsnamen, ExtensieEnGroepsbestand) {
    EXPECT_EQ(Extensie("/a/b.c/club.xv7"), ".xv7");
    EXPECT_EQ(Extensie("/a/b.c/club"), "");
    EXPECT_EQ(Basisnaam("/a/b.c/club"), "/a/b.c/club");
    EXPECT_EQ(Groepsbestand("/m/club.XV7", 3), "/m/club.103");
    EXPECT_EQ(MetXv7("/m/club.z6e"), "/m/club.xv7");
    EXPECT_EQ(MetExtensie("/m/stand", ".pdf"), "/m/stand.pdf");
    EXPECT_EQ(MetExtensie("/m/stand.PDF", ".pdf"), "/m/stand.PDF");
    EXPECT_EQ(MetExtensie("/m/club.xv7", ".pdf"), "/m/club.xv7.pdf");
    EXPECT_EQ(MetExtensie("/m.d/stand", ".pdf"), "/m.d/stand.pdf");
    EXPECT_EQ(Map("/m/club.xv7"), "/m/");
}
