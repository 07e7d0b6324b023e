// Golden reports: the ranking list of a small Swiss tournament in all five formats and its
// progress table as text, compared byte for byte with the files under tests/data/rapport.
// Run with VELKARO_GOUDEN_BIJWERKEN=1 to rewrite them after a deliberate change (and read the
// new files before committing them).
#include "../storage/hulp.h"
#include "hulp.h"
#include "reports/kader.h"
#include "reports/rapport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace velkaro;
using velkaro::test::Lees;
using velkaro::test::SchriftGesprek;
using velkaro::test::Speel;
using velkaro::test::TijdelijkeMap;
using velkaro::test::VasteKlok;

namespace {

const std::string kMap = std::string(VELKARO_TESTDATA) + "/rapport/";

// Six players, four rounds; Müller and Smit sit out round 4.
void Zomertoernooi(Competitie& c) {
    c.Opties.ZetStandaard();
    c.Opties.Rekensysteem = SysteemZwitsers;
    c.Opties.Sorteervolgorde = 47;
    c.Opties.ZetVlag(VlagSchaaknotatie, true);
    c.Opties.Toernooinaam = "Zomertoernooi 2025";
    c.Toernooi.SpeelVan = "05072025";
    c.Toernooi.SpeelTot = "26072025";
    c.Toernooi.WLNaam = "DC Het Noorden";
    c.Toernooi.ARNaam = "G. de Wit";
    c.Toernooi.Speeltempo = "90 min + 30 s";
    c.Bestandsnaam = "zomer.xv7";
    c.RanglijstOpties = OptieVorigeNotering | OptieMatrix | OptieStatistiek | OptiePlaats |
                        OptieKleurverhouding | OptieTotaalgegevens;
    const struct {
        const char* naam;
        const char* plaats;
        int rating;
    } spelers[] = {{"Jansen, P.", "Zwolle", 1412},
                   {"de Vries, H.", "Kampen", 1388},
                   {"M\xC3\xBCller, \xC3\x96.", "Hattem", 1301},
                   {"Bakker, A.", "Zwolle", 1290},
                   {"Smit, J.", "Dalfsen", 1254},
                   {"Visser, K.", "Heino", 1220}};
    int nummer = 1;
    for (const auto& s : spelers) {
        auto& g = velkaro::test::NieuweSpeler(c, s.naam, nummer++).W();
        g.Plaats = s.plaats;
        g.LokaleRating = g.Rating = s.rating;
        g.FMJDRating = 2100;
    }
    const struct {
        int ronde, wit, zwart, uw, uz;
    } partijen[] = {{1, 1, 4, 2, 0}, {1, 2, 5, 1, 1}, {1, 3, 6, 0, 2}, {2, 6, 1, 1, 1},
                    {2, 4, 2, 0, 2}, {2, 5, 3, 2, 0}, {3, 1, 5, 2, 0}, {3, 2, 6, 2, 0},
                    {3, 3, 4, 1, 1}, {4, 2, 1, 1, 1}, {4, 6, 4, 2, 0}};
    for (const auto& p : partijen)
        Speel(c, p.ronde, p.wit, p.zwart, static_cast<uint8_t>(p.uw), static_cast<uint8_t>(p.uz));
    c.Opties.Herberekenen = 1;
}

std::string Rapport(Rapportsoort soort, Bestandsformaat formaat, const std::string& naam) {
    TijdelijkeMap map;
    Competitie c;
    Zomertoernooi(c);
    SchriftGesprek g;
    TUitvoerObject u(g);
    Rapportopties o = StandaardRapportopties(c);
    o.Soort = soort;
    o.Afdrukken.Toernooigegevens = true;
    o.Programma = "Velkaro 0.1.0";
    o.EenmaligeTekst = "Uitslagen t/m ronde 4, onder voorbehoud";
    EXPECT_TRUE(u.OpenUitvoerbestand(map / naam, formaat, Rapportnaam(c, soort)));
    EXPECT_TRUE(MaakRapport(c, o, u, VasteKlok{}));
    EXPECT_TRUE(u.SluitUitvoerbestand());
    return Lees(map / naam);
}

void Vergelijk(const std::string& naam, const std::string& inhoud) {
    if (std::getenv("VELKARO_GOUDEN_BIJWERKEN")) {
        std::filesystem::create_directories(kMap);
        velkaro::test::Schrijf(kMap + naam, inhoud);
        return;
    }
    EXPECT_EQ(inhoud, Lees(kMap + naam)) << naam;
}

} // namespace

TEST(Gouden, RanglijstInAlleFormaten) {
    const struct {
        Bestandsformaat formaat;
        const char* naam;
    } formaten[] = {{Bestandsformaat::Tekst, "ranglijst.txt"},
                    {Bestandsformaat::Tab, "ranglijst.tab"},
                    {Bestandsformaat::Komma, "ranglijst.csv"},
                    {Bestandsformaat::Html, "ranglijst.htm"},
                    {Bestandsformaat::Rtf, "ranglijst.rtf"}};
    for (const auto& f : formaten) {
        const std::string inhoud = Rapport(Rapportsoort::Ranglijst, f.formaat, f.naam);
        Vergelijk(f.naam, inhoud);
        // Windows-1252: the bullet of the cross table, the half point and the umlaut.
        EXPECT_NE(inhoud.find('\x95'), std::string::npos) << f.naam;
        EXPECT_NE(inhoud.find('\xBD'), std::string::npos) << f.naam;
        EXPECT_NE(inhoud.find("M\xFCller"), std::string::npos) << f.naam;
        EXPECT_EQ(inhoud.find("\xC3"), std::string::npos) << f.naam; // no UTF-8 left
    }
}

TEST(Gouden, VoortschrijdingstabelAlsTekst) {
    Vergelijk("voortschrijding.txt", Rapport(Rapportsoort::Voortschrijdingstabel,
                                             Bestandsformaat::Tekst, "voortschrijding.txt"));
}
