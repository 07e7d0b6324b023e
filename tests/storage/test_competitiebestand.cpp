#include "hulp.h"
#include "storage/bestandsnamen.h"
#include "storage/competitiebestand.h"
#include "storage/regels.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkaro;
using namespace velkaro::test;

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

// The settings stored as numbers, and the values the full group gives them.
template <class O> auto OptieVelden(O& o) {
    return std::tie(o.Rekensysteem, o.KeizerWinst, o.KeizerRemise, o.KeizerVerlies,
                    o.KeizerNietGespeeld, o.Afloopfactor, o.PuntenNr1, o.NietOptimaliseren,
                    o.KerenRekenen, o.Sorteervolgorde, o.PuntenWinst, o.PuntenRemise,
                    o.PuntenVerlies, o.PuntenPlusRemise, o.PuntenMinRemise, o.WegingEigen,
                    o.WegingTegen, o.NietWegen, o.Aanvangsrating, o.Ratingmethode,
                    o.Correctiefactor, o.KleurDominant, o.MaxKleurverschil, o.Herberekenen);
}
const auto kOpties = std::make_tuple(1, 101, 51, 2, 34, 3, 99, 0, 7, 47, 4, 2, 0, 3, 1, 2, 3, 0,
                                     1500, 1, -30, 1, 3, 0);

// The group's other settings, and their values in the full group.
template <class C> auto GroepVelden(C& c) {
    return std::tie(c.RanglijstOpties, c.LotingModus, c.MinimumWedstrijden, c.ToonWedstrijdnummer,
                    c.ToonTafelnummer, c.Staand, c.ToonLotingnummer, c.GebruikRatingbestand,
                    c.VolledigeVoornaam, c.RondesInMatrix, c.MinWed, c.PlaatsAfstand, c.Geleden,
                    c.GebruikFMJDBestand);
}
const auto kGroep =
    std::make_tuple(0x3123, 2, 3, true, false, false, true, true, false, 4, 2, 6, 9, true);

void VulGroep(Competitie& c) {
    for (int n = 1; n <= 5; ++n) c.Spelers.Voegtoe(VolleSpeler(n));
    c.Wedstrijden.Voegtoe({1, 1, 4, 5, 2, 0, true, false});
    c.Wedstrijden.Voegtoe({1, 2, 6, -1850, 0, 0, true, true});
    c.Wedstrijden.Voegtoe({2, 3, 7, 8, 9, 1, false, false});
    c.Rondes.ZetRondeDatum(1, "02-09-2026");
    c.Rondes.ZetRondeDatum(2, "één week later");
    OptieVelden(c.Opties) = kOpties;
    c.Opties.Viertallentoernooi = true;
    c.Opties.Toernooinaam = "Clubcompetitie 2026";
    c.Opties.Optievlaggen = VlagFMJDRatingHanteren | VlagTestopties | VlagFMJD64;
    c.Categorieen = {{"A", "Senioren"}, {"B", "Jeugd"}, {" ", ""}};
    int i = 0;
    for (std::string* t : c.Toernooi.Velden()) *t = "veld " + std::to_string(++i);
    GroepVelden(c) = kGroep;
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
    EXPECT_EQ(std::forward_as_tuple(d.Rondes.geef_datum(2), OptieVelden(d.Opties),
                                    bool(d.Opties.Viertallentoernooi)),
              std::make_tuple("één week later", kOpties, true));
    EXPECT_EQ(std::forward_as_tuple(d.Opties.Toernooinaam, d.Opties.Optievlaggen, d.Categorieen,
                                    GroepVelden(d), d.Toernooi),
              std::make_tuple("Clubcompetitie 2026", c.Opties.Optievlaggen, c.Categorieen, kGroep,
                              c.Toernooi));
    EXPECT_EQ(std::tie(d.Opmaakfont, d.Vastfont, d.MaximumPerRegel, d.GeformatteerdeRanglijst),
              std::make_tuple("Arial", "Consolas", 17, false));
    ASSERT_EQ(d.Groepen.Aantal(), 1u);
    EXPECT_EQ(
        std::forward_as_tuple(d.Groepen.At(0).G(), d.Groepen.At(0).G().Titel, bool(d.Gewijzigd)),
        std::make_tuple(c.Groepen.At(0).G(), "Clubcompetitie 2026", false));
    // Read and written again, the group file comes out byte for byte the same.
    EXPECT_EQ(SchrijfGroepTekst(d), Lees(map / "club.101"));
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
    // With "##" the name and the full name; without, both from the whole line, the name cut to
    // 20. The title line: under 5 characters no titles and no ID; 5 the FMJD title; 6 both
    // titles; from 11 the ID, read to the end of the line.
    const struct {
        const char *naamregel, *titelregel, *naam, *volledig, *categorieen;
        int fmjdTitel, lokaleTitel, id;
    } gevallen[] = {
        {"Kort##Een heel lange volledige naam", "A", "Kort", "Een heel lange volledige naam", "A",
         0, 0, 0},
        {"Abcdefghijklmnopqrstuvwxyz", "A", "Abcdefghijklmnopqrst", "Abcdefghijklmnopqrstuvwxyz",
         "A", 0, 0, 0},
        {"x", "ABCm", "x", "x", "ABCm", 0, 0, 0},
        {"x", "AB  g", "x", "x", "AB  g", 3, 0, 0},
        {"x", "A   fc", "x", "x", "A   f", 1, 1, 0},
        {"x", "A    m12345", "x", "x", "A    ", 0, 2, 12345},
        {"x", "A    m1234567", "x", "x", "A    ", 0, 2, 1234567},
        {"x", "A    m123", "x", "x", "A    ", 0, 2, 123},
        {"x", "A    m12x45", "x", "x", "A    ", 0, 2, 0},
    };
    for (const auto& v : gevallen) {
        const auto g = lees(v.naamregel, v.titelregel);
        EXPECT_EQ(
            std::tie(g.Naam, g.VolledigeNaam, g.Categorieen, g.FMJDTitel, g.LokaleTitel, g.FMJDID),
            std::make_tuple(v.naam, v.volledig, v.categorieen, v.fmjdTitel, v.lokaleTitel, v.id))
            << v.titelregel;
    }
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
    // The Laren base in the slot of PuntenNr1; win and plus draw, loss and minus draw packed.
    EXPECT_EQ(std::make_tuple(opties[6], opties[10], opties[12]), std::make_tuple(130, 34, 10));
    Competitie d;
    d.LarenBasis = 60;
    LeesGroepTekst(d, t, 702);
    EXPECT_EQ(std::tie(d.LarenBasis, d.Opties.PuntenWinst, d.Opties.PuntenPlusRemise,
                       d.Opties.PuntenVerlies, d.Opties.PuntenMinRemise),
              std::make_tuple(130, 4, 3, 0, 1));
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
    // The group's title becomes the loaded (empty) tournament name.
    EXPECT_EQ(std::tie(c.Opties.Sorteervolgorde, c.Staand, c.HuidigCompetitienummer,
                       c.Groepen.At(0).G().Titel),
              std::make_tuple(389, true, 1, ""));
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
    auto bewaar = [&](const std::string& naam) {
        c.Bestandsnaam = map / naam;
        ASSERT_TRUE(SchrijfBestand(c).Ok());
    };
    using Lijst = std::array<std::string, 4>;
    const std::string e = map / "e.xv7";
    // Saved again, the file moves to the top and the others keep their order.
    const std::pair<Lijst, Lijst> gevallen[] = {{{"a", "b", "c", "d"}, {e, "a", "b", "c"}},
                                                {{"a", e, "c", "d"}, {e, "a", "c", "d"}},
                                                {{"a", "b", e, "d"}, {e, "a", "b", "d"}},
                                                {{e, "a", "b", "d"}, {e, "a", "b", "d"}}};
    for (const auto& [voor, na] : gevallen) {
        c.RecenteBestanden = voor;
        bewaar("e.xv7");
        EXPECT_EQ(c.RecenteBestanden, na);
        EXPECT_EQ(c.Werkmap, map.Pad().string() + "/");
    }
}

TEST(Competitiebestand, ParingsparametersNaSchrijvenGecorrigeerd) {
    TijdelijkeMap map;
    Competitie c;
    c.Bestandsnaam = map / "p.xv7";
    c.MinWed = -4;
    c.PlaatsAfstand = 1001;
    c.Geleden = 5000;
    ASSERT_TRUE(SchrijfDeelcomp(c).Ok());
    EXPECT_EQ(std::tie(c.MinWed, c.PlaatsAfstand, c.Geleden), std::make_tuple(0, 10, 10));
    // The file holds the values as they were.
    Competitie d;
    d.Bestandsnaam = c.Bestandsnaam;
    LeesDeelcomp(d, 1);
    EXPECT_EQ(std::tie(d.MinWed, d.PlaatsAfstand, d.Geleden), std::make_tuple(-4, 1001, 5000));
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
    EXPECT_EQ(std::tie(c.Bestandsversie, c.HuidigeDeelcomp, c.Opties.Toernooinaam,
                       c.Opties.Sorteervolgorde),
              std::make_tuple(702, 2, "Groep B", 47));
    ASSERT_EQ(c.Spelers.Aantal(), 1u);
    const auto& twee = c.Spelers.At(0).G();
    EXPECT_EQ(std::tie(twee.Naam, twee.FMJDRating, twee.Land, twee.LokaleRating, twee.Opnemen),
              std::make_tuple("Twee", 2100, "", 1500, 3));
    // Both group files and the main file are in the current layout on disk already.
    EXPECT_EQ(Lees(map / "oud.xv7").substr(0, 5), "702\r\n");
    Competitie d;
    d.Bestandsnaam = map / "oud.xv7";
    d.Bestandsversie = 702;
    LeesDeelcomp(d, 1);
    ASSERT_EQ(d.Spelers.Aantal(), 1u);
    const auto& een = d.Spelers.At(0).G();
    EXPECT_EQ(std::tie(een.Naam, een.FMJDRating, een.LokaleRating, een.FMJDID,
                       d.Opties.Toernooinaam, d.Opties.Optievlaggen),
              std::make_tuple("Een", 2100, 1850, 12345, "Groep A", 0));
}

TEST(Bestandsnamen, ExtensieEnGroepsbestand) {
    EXPECT_EQ(
        std::forward_as_tuple(
            Extensie("/a/b.c/club.xv7"), Extensie("/a/b.c/club"), Basisnaam("/a/b.c/club"),
            Groepsbestand("/m/club.XV7", 3), MetXv7("/m/club.z6e"), MetExtensie("/m/stand", ".pdf"),
            MetExtensie("/m/stand.PDF", ".pdf"), MetExtensie("/m/club.xv7", ".pdf"),
            MetExtensie("/m.d/stand", ".pdf"), Map("/m/club.xv7")),
        std::make_tuple(".xv7", "", "/a/b.c/club", "/m/club.103", "/m/club.xv7", "/m/stand.pdf",
                        "/m/stand.PDF", "/m/club.xv7.pdf", "/m.d/stand.pdf", "/m/"));
}
