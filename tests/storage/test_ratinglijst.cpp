// The rating-list readers on files written here: every record layout, the derived names and
// list lines, characters above 127, records cut short, and where the files are looked for.
#include "hulp.h"
#include "ratingbestanden.h"
#include "storage/ratinglijst.h"

#include <gtest/gtest.h>

#include <array>

using namespace velkaro;
using namespace velkaro::test;

namespace {

Nationaal DeVries() {
    // 0xEB is "ë" in Windows-1252: shown as "_" in the first name, kept in the surname.
    return {"Zo\xEB", "de", "Z.J.", "Vri\xEBs", "Assen", 1423, "MN", 16000042};
}

} // namespace

TEST(Ratinglijst, NationaleFormaten) {
    Nationaal zonder{"Jan", " ", "J.", "Bakker", "DOS", -5, "GMN", 7};
    Nationaal lang{"Maximiliaan", "van der", "M.A.B.C.", "Zwanenburg-Oosterhuis",
                   "x",           2000,      "cMN",      9};
    struct Geval {
        std::string bestand, inhoud;
        Ratingformaat formaat;
        std::size_t aantal;
        TCBElo eerste; // the names, texts, rating, title and FMJD number expected
        std::array<std::string, 3> namen; // list name, full name, short name
        std::string regel;
    };
    const std::string kndb = NationaalRecord(DeVries(), true) + NationaalRecord(zonder, true) +
                             NationaalRecord(lang, true);
    const Geval gevallen[] = {
        {"KNDBRAT4.DAT",
         kndb,
         Ratingformaat::KNDB4,
         3,
         TCBElo{"Zo_", "de", "Z.J.", "Vriës", "Assen", "", "", 1423, "MN", 16000042},
         {"Vriës, Z.J. de", "Zo_ de Vriës", "Z.J. de Vriës"},
         "1423\tVriës, Z.J. de Zo_ Assen "},
        // A record cut short at the end is left out.
        {"KNDBRAT4.DAT", kndb.substr(0, 2 * 88 + 50), Ratingformaat::KNDB4, 2, {}, {}, {}},
        {"ELO3BOND.DAT",
         NationaalRecord(zonder, false) + NationaalRecord(DeVries(), false),
         Ratingformaat::Elo3,
         2,
         TCBElo{"Jan", " ", "J.", "Bakker", "DOS", "", "", -5, "", 0},
         {"Bakker, J.", "Jan Bakker", "J. Bakker"},
         "-5\tBakker, J. Jan DOS "},
        {"ELO2BOND.DAT",
         Elo2Record("M\xFCller, K.", "NED", "Groningen", -1500) + Elo2Record("A", "", "", 1) +
             "\x05tail",
         Ratingformaat::Elo2,
         2,
         TCBElo{"", "", "", "M_ller, K.", "", "NED", "Groningen", -1500, "", 0},
         {"M_ller, K.", "M_ller, K.", "M_ller, K."},
         "-1500\tM_ller, K. NED Groningen "},
    };
    for (const auto& g : gevallen) {
        TijdelijkeMap map;
        Schrijf(map / g.bestand, g.inhoud);
        const NationaleLijst l = LaadRatinglijst({map.Pad().string()});
        SCOPED_TRACE(g.bestand);
        EXPECT_EQ(std::forward_as_tuple(l.Bestand, l.Formaat, l.VolledigeKNDBLijst()),
                  std::make_tuple(map / g.bestand, g.formaat, g.formaat == Ratingformaat::KNDB4));
        ASSERT_EQ(l.Spelers.size(), g.aantal);
        if (g.regel.empty()) continue;
        const TCBElo& e = l.Spelers[0];
        const TCBElo& v = g.eerste;
        EXPECT_EQ(std::tie(e.Voornaam, e.Tussenvoegsel, e.Voorletters, e.Achternaam, e.Extra,
                           e.Tekst5, e.Tekst10, e.Rating, e.Titel, e.FMJDID),
                  std::tie(v.Voornaam, v.Tussenvoegsel, v.Voorletters, v.Achternaam, v.Extra,
                           v.Tekst5, v.Tekst10, v.Rating, v.Titel, v.FMJDID));
        EXPECT_EQ((std::array{e.Lijstnaam(), e.VolledigeNaam(), e.KorteNaam()}), g.namen);
        EXPECT_EQ(Lijstregel(e, l.Formaat), g.regel);
    }
    // Names longer than their capacities are cut: list name 20, full 30, short 25.
    TijdelijkeMap map;
    Schrijf(map / "KNDBRAT4.DAT", kndb);
    const TCBElo e = LaadRatinglijst({map.Pad().string()}).Spelers[2];
    EXPECT_EQ(std::forward_as_tuple(e.Voornaam, e.Lijstnaam(), e.VolledigeNaam(), e.KorteNaam()),
              std::make_tuple("Maximiliaa", "Zwanenburg-Oosterhui",
                              "Maximiliaa van der Zwanenburg-", "M.A.B.C. van der Zwanenbu"));
}

TEST(Ratinglijst, BeschadigdeTeksten) {
    // A length byte beyond its field is cut to the field; control characters become blanks.
    std::string r = NationaalRecord({"Piet", " ", "P.", "Laan\n\t", "", 1, "", 0}, true);
    r[0] = static_cast<char>(250);
    const NationaleLijst l = LeesNationaleLijst(r, Ratingformaat::KNDB4);
    ASSERT_EQ(l.Spelers.size(), 1u);
    EXPECT_EQ(
        std::forward_as_tuple(l.Spelers[0].Voornaam, l.Spelers[0].Achternaam,
                              bool(LeesNationaleLijst("", Ratingformaat::Elo2).Spelers.empty()),
                              bool(LeesFMJDInhoud(std::string(126, 'x')).Spelers.empty())),
        std::make_tuple("Piet######", "Laan  ", true, true));
}

TEST(Ratinglijst, FMJDLijst) {
    const std::string inhoud = FMJDKop("2024-3 edition") +
                               FMJDRecord(16000042, "Sijbrands", "Ton", "NED", "GMI", 2400) +
                               FMJDRecord(16000043, "Ndiaye", "Bassirou", "SEN", "MI", 2350) +
                               FMJDRecord(7, "Li", "Xu", "CHN", "xx", 1900) + "cut";
    const FMJDLijst l = LeesFMJDInhoud(inhoud);
    EXPECT_EQ(l.Editie, "2024-3 edition");
    ASSERT_EQ(l.Spelers.size(), 3u);
    const TCBFMJD& b = l.Spelers[1];
    EXPECT_EQ(std::tie(b.ID, b.Naam, b.Voornaam, b.Land, b.Titel, b.Rating),
              std::make_tuple(16000043, "Ndiaye", "Bassirou", "SEN", "MI", 2350));
    EXPECT_EQ(b.VolledigeNaam(), "Bassirou Ndiaye");
    EXPECT_EQ(b.KorteNaam(), "B. Ndiaye");
    EXPECT_EQ(l.Spelers[2].KorteNaam(), "Xu Li"); // a first name of two letters stays whole
    EXPECT_EQ(Lijstregel(b), "Ndiaye\tBassirou\tMI\t16000043\tSEN\t2350");
}

TEST(Ratinglijst, ZoekvolgordeEnVarianten) {
    TijdelijkeMap eigen, programma;
    const std::vector<std::string> mappen{eigen.Pad().string(), programma.Pad().string()};
    Ratinglijsten r{mappen, {}, {}, false, false};
    r.Laad(); // nothing anywhere: empty lists, no choice of FMJD variant
    EXPECT_TRUE(r.Nationaal.Spelers.empty());
    EXPECT_TRUE(r.Nationaal.Bestand.empty());
    EXPECT_TRUE(r.FMJD.Spelers.empty());
    EXPECT_FALSE(r.BeideFMJD);

    Schrijf(programma / "KNDBRAT4.DAT", NationaalRecord(DeVries(), true));
    Schrijf(programma / "ELO3BOND.DAT", NationaalRecord(DeVries(), false));
    Schrijf(programma / "fmjd2vk64.dat", FMJDKop("64") + FMJDRecord(1, "A", "B", "C", "", 1));
    r.Laad();
    EXPECT_EQ(r.Nationaal.Formaat, Ratingformaat::KNDB4); // the fullest format first
    EXPECT_TRUE(r.FMJD64); // only the 64-square list exists (found in lower case)
    EXPECT_EQ(r.FMJD.Editie, "64");
    EXPECT_FALSE(r.BeideFMJD);

    // The user's own folder comes first, whatever the format.
    Schrijf(eigen / "ELO2BOND.DAT", Elo2Record("X", "", "", 1));
    Schrijf(eigen / "FMJD2VK.DAT", FMJDKop("100") + FMJDRecord(1, "A", "B", "C", "", 1));
    r.Laad();
    EXPECT_EQ(std::forward_as_tuple(r.Nationaal.Bestand, bool(r.BeideFMJD), bool(r.FMJD64),
                                    r.FMJD.Editie),
              std::make_tuple(eigen / "ELO2BOND.DAT", true, false, "100"));
    r.KiesFMJD(true);
    EXPECT_EQ(r.FMJD.Editie, "64");

    EXPECT_EQ(std::forward_as_tuple(FormaatVanNaam("/x/Elo3Bond.dat"),
                                    FormaatVanNaam("FMJD2VK64.DAT"), FormaatVanNaam("lijst.txt")),
              std::make_tuple(Ratingformaat::Elo3, Ratingformaat::FMJD, std::nullopt));
}
