// The report dialog's decisions and the print pagination, without any window.
#include "lang/teksten.h"
#include "model/competitie.h"
#include "reports/pagina.h"
#include "reports/rapport.h"
#include "reports/rapportdialoog.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace velkaro;

namespace {

const Datum kNu{2026, 12, 6, 14, 5};

Afdrukdocument Document(std::vector<std::string> regels, const std::string& titel = "T") {
    Afdrukdocument d;
    d.Koppen[0] = titel;
    for (auto& r : regels) d.Regels.push_back({r, {}});
    return d;
}

// The body lines of a page, without the header.
std::vector<std::string> Romp(const Blad& b) {
    std::vector<std::string> r;
    for (std::size_t i = kKopregels; i < b.Regels.size(); ++i) r.push_back(b.Regels[i].Tekst);
    return r;
}

class Rapportdialoog : public ::testing::Test {
protected:
    void SetUp() override { lang::KiesTaal(lang::Taal::Nederlands); }
};

} // namespace

TEST_F(Rapportdialoog, Bladkop) {
    const std::string rechts = "06-12-2026 14:05 Blad:   3";
    EXPECT_EQ(Bladkop("Ranglijst", kNu, 3), "Ranglijst" + std::string(65 - 9, ' ') + " " + rechts);
    EXPECT_EQ(Bladkop("Ranglijst", kNu, 3).size(), 92u);
    const std::string lang(70, 'x'); // 70 + 26 is not below 90: no padding
    EXPECT_EQ(Bladkop(lang, kNu, 1210), lang + " 06-12-2026 14:05 Blad:1210");
    lang::KiesTaal(lang::Taal::Engels);
    EXPECT_NE(Bladkop("R", kNu, 1).find(" Page:   1"), std::string::npos);
}

TEST_F(Rapportdialoog, BladenVolgenElkaarOp) {
    std::vector<std::string> regels;
    for (int i = 1; i <= 10; ++i) regels.push_back("r" + std::to_string(i));
    const auto bladen = Pagineer(Document(regels, "Stand"), {kKopregels + 3, 40}, kNu, 5);
    ASSERT_EQ(bladen.size(), 4u);
    for (std::size_t i = 0; i < bladen.size(); ++i) {
        EXPECT_EQ(std::forward_as_tuple(bladen[i].Nummer, bladen[i].Regels[0].Tekst,
                                        bool(bladen[i].Regels[0].Vet), bladen[i].Regels[1].Tekst),
                  std::make_tuple(5 + static_cast<int>(i),
                                  Bladkop("Stand", kNu, 5 + static_cast<int>(i)), true,
                                  std::string(92, '-')));
    }
    EXPECT_EQ(Romp(bladen[0]), (std::vector<std::string>{"r1", "r2", "r3"}));
    EXPECT_EQ(Romp(bladen[3]), (std::vector<std::string>{"r10"}));
    // The header is wider than 40 characters: it is fitted.
    EXPECT_TRUE(bladen[0].Regels[0].Passen);
    EXPECT_EQ(Pagineer(Document({}), {60, 80}, kNu).size(), 1u);
}

TEST_F(Rapportdialoog, Stuurregels) {
    // A page of 3 header and 9 body lines: five sixths of 12 is 10 lines.
    const Bladmaat maat{12, 10};
    struct Geval {
        std::vector<std::string> regels;
        std::vector<std::size_t> perBlad; // body lines per page
    };
    const std::vector<Geval> gevallen = {
        {{"$$FF", "a", "b"}, {2}},                               // nothing printed yet
        {{"a", "$$FF", "b"}, {1, 1}},                            // 4 of 12 used
        {{"a", "b", "c", "d", "e", "f", "$$FF", "g"}, {6, 1}},   // 9 of 12: 54 < 60
        {{"a", "b", "c", "d", "e", "f", "g", "$$FF", "h"}, {8}}, // 10 of 12: ignored
    };
    for (const auto& g : gevallen) {
        const auto bladen = Pagineer(Document(g.regels), maat, kNu);
        ASSERT_EQ(bladen.size(), g.perBlad.size()) << g.regels.size();
        for (std::size_t i = 0; i < bladen.size(); ++i)
            EXPECT_EQ(Romp(bladen[i]).size(), g.perBlad[i]);
    }

    Afdrukdocument d = Document(
        {"$$BOLD", "vet", "gewoon", "$$NA", "123456789012345678901234", "$$A", "abcdefghijk"});
    d.Regels[4].Attributen = std::string(12, 'V');
    const auto b = Pagineer(d, maat, kNu)[0];
    ASSERT_EQ(b.Regels.size(), kKopregels + 6u);
    EXPECT_TRUE(b.Regels[3].Vet);
    EXPECT_FALSE(b.Regels[4].Vet);
    EXPECT_EQ(std::forward_as_tuple(b.Regels[5].Tekst, b.Regels[5].Attributen,
                                    b.Regels[6].Attributen, b.Regels[7].Tekst),
              std::make_tuple("1234567890", std::string(10, 'V'), "VV", "1234"));
    EXPECT_EQ(std::forward_as_tuple(bool(b.Regels[7].Passen), b.Regels[8].Tekst,
                                    bool(b.Regels[8].Passen)),
              std::make_tuple(false, "abcdefghijk", true));
}

TEST_F(Rapportdialoog, BredeTabelInStroken) {
    // Lines of 25 characters on pages 10 wide: more than twice the width, so printed in bands
    // of 10 columns, each further band from a new page; the 15-character line keeps fitting
    // and ends the block.
    const Bladmaat maat{kKopregels + 4, 10};
    const std::string a = "abcdefghijklmnopqrstuvwxy", b = "ABCDEFGHIJKLMNOPQRSTUVWXY";
    Afdrukdocument d = Document({"$$BOLD", a, b, "123456789012345"});
    d.Regels[2].Attributen = std::string(25, 'O');
    const auto bladen = Pagineer(d, maat, kNu);
    ASSERT_EQ(bladen.size(), 3u);
    EXPECT_EQ(Romp(bladen[0]), (std::vector<std::string>{"abcdefghij", "ABCDEFGHIJ"}));
    EXPECT_EQ(Romp(bladen[1]), (std::vector<std::string>{"klmnopqrst", "KLMNOPQRST"}));
    EXPECT_EQ(Romp(bladen[2]), (std::vector<std::string>{"uvwxy", "UVWXY", "123456789012345"}));
    EXPECT_EQ(std::forward_as_tuple(bool(bladen[1].Regels[kKopregels].Vet),
                                    bool(bladen[1].Regels[kKopregels + 1].Vet),
                                    bladen[2].Regels[kKopregels + 1].Attributen,
                                    bool(bladen[2].Regels[kKopregels + 2].Passen)),
              std::make_tuple(true, false, "OOOOO", true));
}

TEST_F(Rapportdialoog, GroepenPerSoort) {
    using S = Rapportsoort;
    using G = Rapportgroep;
    const struct {
        S soort;
        G groep;
        bool toont;
    } tabel[] = {
        {S::Ranglijst, G::RondesInMatrix, true},
        {S::Ranglijst, G::MaximumPerRegel, false},
        {S::Voortschrijdingstabel, G::MaximumPerRegel, true},
        {S::Voortschrijdingstabel, G::RondesInMatrix, false},
        {S::UitslagenEnRooster, G::Uitslagen, true},
        {S::Ranglijst, G::Uitslagen, false},
        {S::MeerdereLijsten, G::Serie, true},
        {S::Deelnemerslijst, G::SorterenOp, true},
        {S::Geschiedenis, G::Geschiedenis, true},
        {S::FMJDTabel, G::Geschiedenis, false},
    };
    for (const auto& r : tabel)
        EXPECT_EQ(ToontGroep(r.soort, r.groep), r.toont)
            << static_cast<int>(r.soort) << " " << static_cast<int>(r.groep);
    EXPECT_TRUE(ToontAfdrukoptie(S::Ranglijst, &Afdrukopties::Matrix));
    EXPECT_FALSE(ToontAfdrukoptie(S::Voortschrijdingstabel, &Afdrukopties::Matrix));
    EXPECT_TRUE(ToontAfdrukoptie(S::Voortschrijdingstabel, &Afdrukopties::Plaats));
    EXPECT_FALSE(ToontAfdrukoptie(S::Deelnemerslijst, &Afdrukopties::VorigeNotering));
    EXPECT_TRUE(ToontAfdrukoptie(S::Deelnemerslijst, &Afdrukopties::TweedeRating));

    EXPECT_EQ(std::forward_as_tuple(Rapportdialoogtitel(S::Ranglijst),
                                    Rapportdialoogtitel(S::Deelnemerslijst),
                                    Rapportdialoogtitel(S::FMJDTabel)),
              std::make_tuple("Ranglijst afdrukken", "Deelnemerslijst afdrukken",
                              "FMJD-tabel afdrukken"));
}

TEST_F(Rapportdialoog, OpenenEnBewaren) {
    Competitie c;
    Rondegegevens r;
    r.Rondenummer = 4;
    c.Rondes.Voegtoe(r);
    c.RondesInMatrix = 9;
    c.MaximumPerRegel = 25;
    Rapportkeuze k = OpenRapportkeuze(c, Rapportsoort::UitslagenEnRooster, "vast");
    EXPECT_EQ(std::forward_as_tuple(k.UitslagVan, k.UitslagTot, k.RondesInMatrix, k.MaximumPerRegel,
                                    k.VasteTekst),
              std::make_tuple(4, 4, 4, 30, "vast"));
    EXPECT_EQ(OpenRapportkeuze(c, Rapportsoort::UitslagenEnRooster, {}, 3, 2).UitslagVan, 2);

    c.RondesInMatrix = 4;
    c.MaximumPerRegel = 30;
    BewaarRapportkeuze(c, OpenRapportkeuze(c, Rapportsoort::Ranglijst));
    EXPECT_FALSE(c.Gewijzigd); // nothing changed

    k.Afdrukken.Matrix = !k.Afdrukken.Matrix;
    k.Afdrukken.Toernooigegevens = k.Afdrukken.FMJDInfo = true;
    k.UitslagLotingnummer = true;
    k.Tafelnummer = true;
    k.Staand = false;
    k.RondesInMatrix = 0;
    k.MaximumPerRegel = 50;
    BewaarRapportkeuze(c, k);
    EXPECT_TRUE(c.Gewijzigd);
    EXPECT_EQ(AfdrukoptiesVan(c).Matrix, k.Afdrukken.Matrix);
    // Kept like the other boxes, for the next time the dialog opens.
    EXPECT_TRUE(OpenRapportkeuze(c, Rapportsoort::Ranglijst).Afdrukken.Toernooigegevens);
    EXPECT_TRUE(OpenRapportkeuze(c, Rapportsoort::Ranglijst).Afdrukken.FMJDInfo);
    EXPECT_EQ(std::forward_as_tuple(bool(c.ToonLotingnummer), bool(c.ToonTafelnummer),
                                    bool(c.Staand), c.RondesInMatrix, c.MaximumPerRegel),
              std::make_tuple(true, true, false, 1, 50));

    const Rapportopties o = RapportoptiesVan(c, k);
    EXPECT_EQ(std::forward_as_tuple(o.Soort, bool(o.Afdrukken.Lotingnummer), o.VasteTekst),
              std::make_tuple(Rapportsoort::UitslagenEnRooster, true, "vast"));
}

TEST_F(Rapportdialoog, SorteerschermEnOptielijst) {
    Competitie c;
    c.Opties.Herberekenen = 1;
    EXPECT_TRUE(SorteerschermNodig(c, Rapportsoort::Ranglijst));
    EXPECT_TRUE(SorteerschermNodig(c, Rapportsoort::FMJDTabel));
    EXPECT_FALSE(SorteerschermNodig(c, Rapportsoort::Deelnemerslijst));
    c.Opties.WisHerberekenen();
    EXPECT_FALSE(SorteerschermNodig(c, Rapportsoort::Ranglijst));

    auto l = LeesAfdrukoptielijst(" matrix, statistics,,");
    EXPECT_FALSE(l.Onbekend);
    Afdrukopties verwacht;
    verwacht.Matrix = verwacht.Statistiek = true;
    EXPECT_EQ(std::forward_as_tuple(l.Opties, LeesAfdrukoptielijst("matrix,bogus,x").Onbekend,
                                    SoortVanNaam("progress")),
              std::make_tuple(verwacht, "bogus", Rapportsoort::Voortschrijdingstabel));
    EXPECT_FALSE(SoortVanNaam("Ranking"));
    // Every kind has one name, in kind order.
    int soort = 0;
    for (std::size_t b = 0, e; b <= Soortnamen().size(); b = e + 1, ++soort) {
        e = std::min(Soortnamen().find('|', b), Soortnamen().size());
        const auto s = SoortVanNaam(Soortnamen().substr(b, e - b));
        ASSERT_TRUE(s);
        EXPECT_EQ(static_cast<int>(*s), soort);
        EXPECT_TRUE(SoortBeschikbaar(*s));
    }
    EXPECT_EQ(soort, 9);
}
