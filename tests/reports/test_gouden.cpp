// Golden reports: every report kind of a small Swiss tournament as text, HTML and RTF (the
// ranking list also tab- and comma-separated), compared byte for byte with the files under
// tests/data/rapport.
// Run with VELKARO_GOUDEN_BIJWERKEN=1 to rewrite them after a deliberate change (and read the
// new files before committing them).
#include "../storage/hulp.h"
#include "hulp.h"
#include "reports/kader.h"
#include "reports/rapport.h"
#include "storage/competitiebestand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

using namespace velkaro;
using namespace velkaro::test;

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
        auto& g = velkaro::test::NieuweSpeler(c, s.naam, nummer).W();
        g.Plaats = s.plaats;
        g.LokaleRating = g.Rating = s.rating;
        g.FMJDRating = 2100;
        g.FMJDID = 17000 + nummer;
        g.Categorieen = nummer % 2 ? "S" : "JS";
        ++nummer;
    }
    c.Categorieen = {{"J", "Jeugd"}, {"S", "Senioren"}, {"V", "Veteranen"}};
    const struct {
        int ronde, wit, zwart, uw, uz;
    } partijen[] = {{1, 1, 4, 2, 0}, {1, 2, 5, 1, 1}, {1, 3, 6, 0, 2}, {2, 6, 1, 1, 1},
                    {2, 4, 2, 0, 2}, {2, 5, 3, 2, 0}, {3, 1, 5, 2, 0}, {3, 2, 6, 2, 0},
                    {3, 3, 4, 1, 1}, {4, 2, 1, 1, 1}, {4, 6, 4, 2, 0}};
    for (const auto& p : partijen)
        Speel(c, p.ronde, p.wit, p.zwart, static_cast<uint8_t>(p.uw), static_cast<uint8_t>(p.uz));
    c.Opties.Herberekenen = 1;
}

using Aanpassing = std::function<void(Competitie&, Rapportopties&)>;

std::string Rapport(Rapportsoort soort, Bestandsformaat formaat, const std::string& naam,
                    const Aanpassing& aanpassing) {
    TijdelijkeMap map;
    Competitie c;
    Zomertoernooi(c);
    c.Bestandsnaam = map / "zomer.xv7";
    ScriptGesprek g;
    TUitvoerObject u(g);
    Rapportopties o = StandaardRapportopties(c);
    o.Soort = soort;
    o.Afdrukken.Toernooigegevens = true;
    o.Programma = "Velkaro 0.1.0";
    o.EenmaligeTekst = "Uitslagen t/m ronde 4, onder voorbehoud";
    if (aanpassing) aanpassing(c, o);
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

// The competition as a file of two groups: the open one in memory, the second a copy on disk
// under another title.
void TweeGroepen(Competitie& c) {
    c.Groepen.GeefTitel(1, c.Opties.Toernooinaam);
    Deelcompgegevens g;
    g.Competitienummer = 2;
    g.Bestandsnummer = 2;
    g.Titel = "Najaarstoernooi 2025";
    c.Groepen.Voegtoe(g);
    c.HuidigeDeelcomp = 2;
    const std::string naam = c.Opties.Toernooinaam;
    c.Opties.Toernooinaam = g.Titel;
    ASSERT_TRUE(SchrijfDeelcomp(c).Ok());
    c.Opties.Toernooinaam = naam;
    c.HuidigeDeelcomp = 1;
}

TEST(Gouden, ElkeSoortInDeFormaten) {
    const struct {
        Rapportsoort soort;
        const char* naam;
        Aanpassing aanpassing;
    } soorten[] = {
        {Rapportsoort::Ranglijst, "ranglijst", {}},
        {Rapportsoort::Voortschrijdingstabel, "voortschrijding", {}},
        {Rapportsoort::TegenstanderPerRonde, "tegenstander",
         [](Competitie&, Rapportopties& o) { o.Afdrukken.KleurPerSpeler = true; }},
        {Rapportsoort::RanglijstenPerCategorie, "categorie",
         [](Competitie&, Rapportopties& o) { o.Afdrukken.Totaalgegevens = false; }},
        // Round 4 with its results and round 5 paired: a repeated meeting that is adjourned,
        // and one still to be played.
        {Rapportsoort::UitslagenEnRooster, "uitslagen",
         [](Competitie& c, Rapportopties& o) {
             Wedstrijdgegevens w;
             w.Ronde = 5;
             w.Wedstrijdnummer = 12;
             w.Wit = 1;
             w.Zwart = 2;
             c.Wedstrijden.Voegtoe(w);
             w.Wedstrijdnummer = 13;
             w.Wit = 4;
             w.Zwart = 3;
             w.UitslagWit = UitslagAfgebroken;
             c.Wedstrijden.Voegtoe(w);
             o.UitslagVan = o.UitslagTot = 4;
             o.Afdrukken = {};
             o.Afdrukken.Uitslagen = o.Afdrukken.VolgendeRonde = true;
             o.Afdrukken.Lotingnummer = o.Afdrukken.KleurPerSpeler = true;
             o.Wedstrijdnummer = o.Tafelnummer = o.InfoEerdereRonde = true;
         }},
        {Rapportsoort::MeerdereLijsten, "serie",
         [](Competitie& c, Rapportopties& o) {
             TweeGroepen(c);
             o.Serie.Voortschrijding = true;
             o.Afdrukken.Matrix = false;
         }},
        {Rapportsoort::Deelnemerslijst, "deelnemers",
         [](Competitie&, Rapportopties& o) {
             o.Volgorde = Deelnemersvolgorde::Rating;
             o.Afdrukken.Lotingnummer = o.Afdrukken.Rating = o.Afdrukken.TweedeRating = true;
             o.Afdrukken.Categorie = o.Afdrukken.FMJDInfo = true;
         }},
        {Rapportsoort::Geschiedenis, "geschiedenis",
         [](Competitie&, Rapportopties& o) {
             o.Geschiedenis = std::vector<int32_t>{5, 1};
         }},
        // The list in use names itself and gives player 17002 the name it knows him by.
        {Rapportsoort::FMJDTabel, "fmjd",
         [](Competitie&, Rapportopties& o) {
             static const FMJDLijst lijst = [] {
                 FMJDLijst l;
                 l.Bestand = "/lijsten/FMJD2VK.DAT";
                 l.Spelers.push_back({17002, "de Vries", "Hendrik", "NED", "MF", 2150});
                 return l;
             }();
             GebruikFMJDLijst(o, lijst);
         }},
    };
    const struct {
        Bestandsformaat formaat;
        const char* extensie;
    } formaten[] = {{Bestandsformaat::Tekst, ".txt"},
                    {Bestandsformaat::Html, ".htm"},
                    {Bestandsformaat::Rtf, ".rtf"},
                    {Bestandsformaat::Tab, ".tab"},
                    {Bestandsformaat::Komma, ".csv"}};
    for (const auto& s : soorten)
        for (const auto& f : formaten) {
            // The separated formats hold nothing of layout: the ranking list covers them.
            const bool gescheiden =
                f.formaat == Bestandsformaat::Tab || f.formaat == Bestandsformaat::Komma;
            if (gescheiden && s.soort != Rapportsoort::Ranglijst) continue;
            const std::string naam = std::string(s.naam) + f.extensie;
            const std::string inhoud = Rapport(s.soort, f.formaat, naam, s.aanpassing);
            Vergelijk(naam, inhoud);
            EXPECT_EQ(inhoud.find("\xC3"), std::string::npos) << naam; // no UTF-8 left
        }
}
