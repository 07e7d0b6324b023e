// The import of foreign files and the WDS export, on files the tests write.
#include "hulp.h"
#include "storage/bestandsnamen.h"
#include "storage/codepagina.h"
#include "storage/competitiebestand.h"
#include "storage/import.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velkaro;
using namespace velkaro::test;

namespace {

// A Windows-1252 line with texts placed at 1-based columns.
std::string Regel(std::initializer_list<std::pair<std::size_t, std::string>> velden,
                  std::size_t lengte) {
    std::string r(lengte, ' ');
    for (const auto& [kolom, utf8] : velden) {
        const std::string t = Utf8NaarWindows1252(utf8);
        r.replace(kolom - 1, t.size(), t);
    }
    return r + "\r\n";
}

std::string TxtWedstrijd(const std::string& wit, const std::string& zwart,
                         const std::string& uitslag) {
    return Regel({{6, wit}, {30, zwart}, {58, uitslag}}, 64);
}

std::string DocPartij(const std::string& wit, const std::string& zwart, const std::string& uitslag,
                      const std::string& datum) {
    return Regel({{1, wit}, {28, zwart}, {54, uitslag}, {60, datum}}, 70);
}

// "name/place wit-zwart:codes" for every match, to compare whole groups at a glance.
std::string Wedstrijden(const Competitie& c) {
    std::string s;
    for (const auto& m : c.Wedstrijden) {
        const auto& g = m->G();
        auto naam = [&](int32_t i) {
            const auto* p = c.Spelers.zoekptr(i);
            return p ? p->G().Naam : std::string("?");
        };
        s += std::to_string(g.Ronde) + "." + std::to_string(g.Wedstrijdnummer) + " " + naam(g.Wit) +
             "-" + naam(g.Zwart) + " " +
             (g.Gespeeld ? std::to_string(g.UitslagWit) + "-" + std::to_string(g.UitslagZwart)
                         : (g.UitslagWit == UitslagAfgebroken ? std::string("afg")
                                                              : std::string("geen"))) +
             (g.Reglementair ? "R" : "") + "; ";
    }
    return s;
}

// "intern.drawing name/place" for every player.
std::string Spelers(const Competitie& c) {
    std::string s;
    for (const auto& p : c.Spelers)
        s += std::to_string(p->G().InternNummer) + "." + std::to_string(p->G().Lotingnummer) + " " +
             p->G().Naam + "/" + p->G().Plaats + "; ";
    return s;
}

std::vector<Importmeldingsoort> Soorten(const Importresultaat& r) {
    std::vector<Importmeldingsoort> s;
    for (const auto& m : r.Meldingen) s.push_back(m.Soort);
    return s;
}

Competitie& MetSpeler(Competitie& c, int32_t intern, const std::string& naam,
                      const std::string& plaats) {
    Spelergegevens g;
    g.InternNummer = intern;
    g.Lotingnummer = intern;
    g.Naam = naam;
    g.Plaats = plaats;
    c.Spelers.Voegtoe(g);
    return c;
}

void MetUitslag(Competitie& c, int32_t ronde, int32_t nr, int32_t wit, int32_t zwart, int uw,
                int uz, bool afgebroken = false, bool gespeeld = true) {
    Wedstrijdgegevens g{ronde, nr, wit, zwart, 0, 0, false, false};
    auto& w = c.Wedstrijden.Voegtoe(g);
    if (uw >= 0)
        w.ZetUitslag(static_cast<uint8_t>(uw), static_cast<uint8_t>(uz), afgebroken, gespeeld);
}

} // namespace

TEST(Import, WDSHeenEnTerugHoudtSpelersPlaatsenEnUitslagen) {
    TijdelijkeMap map;
    Competitie c;
    c.Bestandsnaam = map / "club.xv7";
    c.Opties.Toernooinaam = "Najaar";
    MetSpeler(c, 1, "Jan Élan", "Zwolle");
    MetSpeler(c, 2, "Piet Müller", "Groningen");
    MetSpeler(c, 5, "Kees", "Assen");
    MetSpeler(c, 7, "Zonder partij", "Emmen"); // plays nothing: WDS keeps only players of games
    MetUitslag(c, 1, 1, 1, 2, 2, 0);
    MetUitslag(c, 1, 2, 5, -1800, 2, 0); // an outside opponent has no index
    MetUitslag(c, 2, 1, 2, 5, 0, 2);
    MetUitslag(c, 2, 2, 5, 1, 1, 1);
    MetUitslag(c, 3, 1, 1, 5, 0, 0);
    MetUitslag(c, 3, 2, 2, 1, 3, 4);
    MetUitslag(c, 4, 1, 5, 2, 0, 0, true, false); // adjourned
    MetUitslag(c, 4, 2, 1, 2, -1, -1);            // no result: not exported
    const auto e = ExporteerWDS(c);
    ASSERT_TRUE(e.Ok());
    EXPECT_EQ(e.Pad, map / "Najaar.wds");
    EXPECT_EQ(Lees(e.Pad).size(), kWDSGrootte);

    Competitie d;
    Schrijf(map / "Terug.WDS", Lees(e.Pad));
    const auto r = LeesBestand(d, map / "Terug.WDS"); // the extension in any case
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(d.Bestandsnaam, map / "Terug.xv7");
    EXPECT_EQ(Spelers(d), "1.1 Jan Élan/Zwolle; 2.2 Piet Müller/Groningen; 3.5 Kees/Assen; ");
    for (const auto& s : d.Spelers) EXPECT_EQ(s->G().Opnemen, OpnemenStand | OpnemenRooster);
    // One round, numbered by game slot; the plus/minus draw comes back as a draw.
    EXPECT_EQ(Wedstrijden(d), "1.1 Jan Élan-Piet Müller 2-0; 1.2 Piet Müller-Kees 0-2; "
                              "1.3 Kees-Jan Élan 1-1; 1.4 Jan Élan-Kees 0-0R; "
                              "1.5 Piet Müller-Jan Élan 1-1; 1.6 Kees-Piet Müller afg; ");
}

TEST(Import, WDSExportWeigertWatHetFormaatNietBevat) {
    TijdelijkeMap map;
    {
        Competitie c;
        c.Bestandsnaam = map / "a.xv7";
        MetSpeler(c, 256, "Te hoog", "");
        const auto r = ExporteerWDS(c);
        EXPECT_EQ(r.Weigering, WDSWeigering::SpelerNummer);
    }
    {
        Competitie c;
        c.Bestandsnaam = map / "a.xv7";
        MetSpeler(c, 1, "A", "");
        MetSpeler(c, 2, "B", "");
        for (int i = 1; i <= kWDSPartijen; ++i) MetUitslag(c, 1 + i / 100, i % 100, 1, 2, 1, 1);
        std::string rec;
        EXPECT_EQ(WDSRecord(c, rec), WDSWeigering::Geen); // exactly 2000 fit
        MetUitslag(c, 999, 1, 2, 1, 2, 0);
        EXPECT_EQ(ExporteerWDS(c).Weigering, WDSWeigering::TeVeelPartijen);
    }
    EXPECT_TRUE(std::filesystem::is_empty(map.Pad())); // nothing was written
}

TEST(Import, WDSBestandsnaam) {
    const std::pair<const char*, const char*> gevallen[] = {
        {"Voorjaar 2024", "/m/club/Voorjaar 2024.wds"},
        {"A.B", "/m/club/club3.wds"},
        {"c:x", "/m/club/club3.wds"},
        {"a\\b", "/m/club/club3.wds"},
        {"a/b", "/m/club/club3.wds"},
        {"  ", "/m/club/club3.wds"},
    };
    for (const auto& [titel, naam] : gevallen) {
        Competitie c;
        c.Bestandsnaam = "/m/club/club.xv7";
        c.HuidigeDeelcomp = 3;
        c.Opties.Toernooinaam = titel;
        EXPECT_EQ(WDSNaam(c), naam) << titel;
    }
    // A name that leads to one of the competition's own files is refused.
    TijdelijkeMap map;
    Competitie c;
    c.Bestandsnaam = map / "club.xv7";
    c.Opties.Toernooinaam = "kopie";
    Schrijf(map / "club.xv7", "702\r\n");
    std::filesystem::create_symlink(map / "club.xv7", map / "kopie.wds");
    EXPECT_EQ(ExporteerWDS(c).Weigering, WDSWeigering::EigenBestand);
    EXPECT_EQ(Lees(map / "club.xv7"), "702\r\n");
}

TEST(Import, WDSVreemdeEnBeschadigdeRecords) {
    auto record = [](std::initializer_list<std::tuple<int, int, int, int>> partijen) {
        std::string r(kWDSGrootte, '\0');
        for (int i = 0; i < 2 * kWDSSpelers; ++i) {
            r[static_cast<std::size_t>(i) * 21] = 20;
            std::fill_n(r.begin() + i * 21 + 1, 20, ' ');
        }
        for (const auto& [slot, w, z, code] : partijen) {
            const std::size_t p = 10710 + 3 * static_cast<std::size_t>(slot - 1);
            r[p] = static_cast<char>(w);
            r[p + 1] = static_cast<char>(z);
            r[p + 2] = static_cast<char>(code);
        }
        return r;
    };
    const std::string gewoon = record({{1, 3, 4, 1}, {2, 4, 3, 7}, {5, 9, 3, 0}});
    std::string naam = gewoon;
    naam[2 * 21] = static_cast<char>(200); // a length beyond 20 reads 20 characters
    const std::string naamWin = Utf8NaarWindows1252("Zoë ÅngströmXXXXXXXX");
    naam.replace(2 * 21 + 1, naamWin.size(), naamWin);
    struct Geval {
        const char* wat;
        std::string inhoud;
        std::size_t spelers;
        std::string wedstrijden;
        std::vector<Importmeldingsoort> meldingen;
    };
    using S = Importmeldingsoort;
    const Geval gevallen[] = {
        {"leeg", "", 0, "", {}},
        {"gewoon",
         gewoon,
         2,
         "1.1 - 2-0; 1.2 - geen; ",
         {S::OnbekendeUitslag, S::OngeldigeWedstrijd}},
        {"te lang",
         gewoon + std::string(5000, 'x'),
         2,
         "1.1 - 2-0; 1.2 - geen; ",
         {S::OnbekendeUitslag, S::OngeldigeWedstrijd}},
        {"in de eerste partij afgekapt",
         gewoon.substr(0, 10710 + 2),
         0,
         "",
         {S::OngeldigeWedstrijd}},
        {"na de eerste partij afgekapt", gewoon.substr(0, 10710 + 3), 2, "1.1 - 2-0; ", {}},
        {"lange naam",
         naam,
         2,
         "1.1 Zoë ÅngströmXXXXXXXX- 2-0; 1.2 -Zoë ÅngströmXXXXXXXX geen; ",
         {S::OnbekendeUitslag, S::OngeldigeWedstrijd}},
    };
    for (const auto& g : gevallen) {
        Competitie c;
        Importresultaat r;
        LeesWDSInhoud(c, g.inhoud, r);
        EXPECT_EQ(c.Spelers.Aantal(), g.spelers) << g.wat;
        EXPECT_EQ(Soorten(r), g.meldingen) << g.wat;
        if (g.spelers == 0) continue;
        EXPECT_EQ(std::forward_as_tuple(c.Spelers.At(0).G().Lotingnummer, c.Spelers.At(0).G().Kort,
                                        Wedstrijden(c)),
                  std::make_tuple(3, "   ", g.wedstrijden))
            << g.wat;
    }
    // A line break in a place (also the categories) must not break the group file's lines.
    std::string plaats = gewoon;
    plaats.replace(5355 + 2 * 21, 10, std::string("\x09Zwolle\r\nX", 10));
    Competitie c, terug;
    Importresultaat r;
    LeesWDSInhoud(c, plaats, r);
    EXPECT_EQ(c.Spelers.At(0).G().Plaats, "Zwolle  X");
    EXPECT_FALSE(LeesGroepTekst(terug, SchrijfGroepTekst(c), kHuidigeVersie));
    EXPECT_EQ(terug.Spelers.At(0).G().Plaats, "Zwolle  X");
}

TEST(Import, TXTUitslagenlijst) {
    const std::string lijst = "Competitie 2024\r\n"                      // short: a heading follows
                              + TxtWedstrijd("DC Zwolle", "Damlust", "") //
                              + " 12-09-2024\r\n"                        //
                              + TxtWedstrijd("Jan Élan", "Piet Bos", "2- 0") //
                              + TxtWedstrijd("Kees", "Ab", "1- 1")           //
                              + TxtWedstrijd("jan élan", "Kees", "0- 3")     // one date: one round
                              + "\r\n"                                       //
                              + TxtWedstrijd("Damlust", "Hoogeveen", "")     //
                              + " 19-09-2024\r\n"                            //
                              + TxtWedstrijd("Bos", "Henk Vos", "3- 0")      // "Bos" is Piet Bos
                              + TxtWedstrijd("Ab", "", "0- 2")               // no name: skipped
                              + TxtWedstrijd("Wim", "Kees", "5- 5");         // not recognised
    Competitie c;
    Importresultaat r;
    LeesTXTInhoud(c, lijst, r);
    EXPECT_EQ(Wedstrijden(c), "1.1 Jan Élan-Piet Bos 2-0; 1.2 Kees-Ab 1-1; 1.3 Jan Élan-Kees 0-2; "
                              "2.1 Piet Bos-Henk Vos 2-0; 2.2 Wim-Kees geen; ");
    EXPECT_EQ(c.Rondes.geef_datum(1), "12-09-2024");
    EXPECT_EQ(c.Rondes.geef_datum(2), "19-09-2024");
    EXPECT_EQ(Spelers(c), "1.1 Jan Élan/DC Zwolle; 2.2 Piet Bos/Damlust; 3.3 Kees/DC Zwolle; "
                          "4.4 Ab/Damlust; 5.5 Henk Vos/Hoogeveen; 6.6 Wim/Damlust; ");
    for (const auto& s : c.Spelers) EXPECT_TRUE(s->G().Kort.empty());
    ASSERT_EQ(Soorten(r),
              (std::vector{Importmeldingsoort::LegeNaam, Importmeldingsoort::OnbekendeUitslag}));
    EXPECT_EQ(r.Meldingen[1].Plaats, 12);
    EXPECT_EQ(r.Meldingen[1].Tekst, "5- 5");
}

TEST(Import, DOCPartijlijst) {
    const std::string lijst =
        DocPartij("Annabel van der Bergh", "Bé Ödönsdóttir", "2-0", "01-02-2003") +
        DocPartij("Carel", "Anna", "1-1", "01-02-2003") +
        "x overgeslagen: tweede teken is een spatie" + std::string(40, '.') + "\r\n" +
        "te kort\r\n" + DocPartij("Bé", "Carel", "0-2", "08-02-2003") +
        DocPartij("Carel", "Dirk", "2:0", "08-02-2003");
    Competitie c;
    Importresultaat r;
    LeesDOCInhoud(c, lijst, r);
    EXPECT_EQ(Wedstrijden(c), "1.1 Annabel van der Berg-Bé Ödönsdóttir 2-0; "
                              "1.2 Carel-Annabel van der Berg 1-1; 2.1 Bé Ödönsdóttir-Carel 0-2; "
                              "2.2 Carel-Dirk geen; ");
    EXPECT_EQ(c.Rondes.geef_datum(2), "08-02-2003");
    EXPECT_EQ(Soorten(r), std::vector{Importmeldingsoort::OnbekendeUitslag});
}

TEST(Import, DEEEnSCO) {
    const std::string dee =
        Utf8NaarWindows1252("3\r\n130\r\nAlbert\r\nBéatrice Langenaamsdochter\r\nCor\r\n");
    // Player by player, round by round, 10 bytes: white?, opponent, result.
    std::string sco(3 * 2 * 10, '\0');
    auto blok = [&](int speler, int ronde, int wit, int tegen, int uitslag) {
        const std::size_t p = static_cast<std::size_t>(((speler - 1) * 2 + ronde - 1) * 10);
        sco[p] = static_cast<char>(wit);
        sco[p + 1] = static_cast<char>(tegen);
        sco[p + 2] = static_cast<char>(uitslag);
    };
    blok(1, 1, 1, 2, 1);
    blok(2, 1, 0, 1, 3); // black's own view: no match of its own
    blok(1, 2, 0, 3, 0);
    blok(3, 2, 1, 1, 2);
    blok(2, 2, 1, 9, 1); // an opponent that does not exist
    blok(3, 1, 1, 2, 6); // a result code that does not exist
    struct Geval {
        const char* wat;
        std::optional<std::string> score;
        std::string wedstrijden;
        std::vector<Importmeldingsoort> meldingen;
    };
    using S = Importmeldingsoort;
    const Geval gevallen[] = {
        {"heel",
         sco,
         "1.1 Albert-Béatrice Langenaamsd 2-0; 1.3 Cor-Béatrice Langenaamsd geen; "
         "2.3 Cor-Albert 1-1; ",
         {S::OngeldigeWedstrijd, S::OnbekendeUitslag}},
        {"afgekapt", sco.substr(0, 25), "1.1 Albert-Béatrice Langenaamsd 2-0; ", {}},
        {"zonder score", std::nullopt, "", {S::ScoreOntbreekt}},
    };
    for (const auto& g : gevallen) {
        Competitie c;
        Importresultaat r;
        const std::string_view s = g.score ? std::string_view(*g.score) : std::string_view();
        LeesDEEInhoud(c, dee, g.score ? &s : nullptr, r);
        ASSERT_EQ(c.Spelers.Aantal(), 3u) << g.wat;
        EXPECT_EQ(std::forward_as_tuple(c.Spelers.At(2).G().InternNummer,
                                        c.Spelers.At(2).G().Lotingnummer, Wedstrijden(c),
                                        Soorten(r)),
                  std::make_tuple(3, 3, g.wedstrijden, g.meldingen))
            << g.wat;
    }
}

namespace {

// A ".z6e" file: the header's group table, then records.
class Z6E {
public:
    Z6E() : s_(2766, '\0') {}
    Z6E& Groep(int plaats, const std::string& naam, bool inGebruik, bool weg, int vlag = 0,
               int tweede = 0) {
        const std::size_t p = static_cast<std::size_t>(plaats - 1) * 25;
        Tekst(p, naam, 20);
        s_[p + 21] = inGebruik ? 1 : 0;
        s_[p + 22] = weg ? 1 : 0;
        s_[p + 23] = static_cast<char>(vlag);
        s_[p + 24] = static_cast<char>(tweede);
        return *this;
    }
    Z6E& Speler(int groep, int loting, int intern, const std::string& naam, const std::string& kort,
                const std::string& plaats, int rating) {
        Kop(1, groep);
        Int(loting);
        Int(intern);
        Aan(naam, 20);
        Aan(kort, 3);
        Aan(plaats, 20);
        Int(rating);
        return *this;
    }
    Z6E& Ronde(int groep, int nummer, const std::string& datum) {
        Kop(2, groep);
        Int(nummer);
        Aan(datum, 20);
        return *this;
    }
    Z6E& Wedstrijd(int groep, int ronde, int nr, int wit, int zwart, int uw, int uz, bool gesp) {
        Kop(3, groep);
        for (int v : {ronde, nr, wit, zwart}) Int(v);
        s_ += static_cast<char>(uw);
        s_ += static_cast<char>(uz);
        s_ += static_cast<char>(gesp ? 1 : 0);
        return *this;
    }
    Z6E& Kruistabel(int groep, const std::vector<std::vector<int>>& t) {
        Kop(4, groep);
        s_ += static_cast<char>(t.size());
        for (const auto& rij : t)
            for (int v : rij) s_ += static_cast<char>(v);
        return *this;
    }
    const std::string& Inhoud() const { return s_; }

private:
    void Kop(int soort, int groep) {
        s_ += static_cast<char>(soort);
        s_ += static_cast<char>(groep);
    }
    void Int(int32_t v) {
        for (int i = 0; i < 4; ++i)
            s_ += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xff);
    }
    void Tekst(std::size_t p, const std::string& utf8, std::size_t n) {
        const std::string t = Utf8NaarWindows1252(utf8);
        s_[p] = static_cast<char>(t.size());
        s_.replace(p + 1, t.size(), t);
        (void)n;
    }
    void Aan(const std::string& utf8, std::size_t n) {
        const std::size_t p = s_.size();
        s_.append(n + 1, ' ');
        Tekst(p, utf8, n);
    }
    std::string s_;
};

} // namespace

TEST(Import, Z6EGroepenMetKruistabel) {
    TijdelijkeMap map;
    Z6E f;
    f.Groep(1, "Hoofdklasse", true, false, 4, 2)
        .Groep(2, "Verwijderd", true, true)
        .Groep(3, "Leeg vak", false, false)
        .Groep(5, "Jeugd Ĳssel", true, false)
        .Speler(1, 11, 1, "Jan Élan", "JE", "Zwolle", 1234)
        .Speler(1, 12, 2, "Piet", "PI", "Assen", 1100)
        .Speler(1, 13, 3, "Kees", "KE", "Emmen", 900)
        .Speler(2, 1, 1, "Weg", "W", "", 0)
        .Ronde(1, 1, "12-09-2024")
        .Wedstrijd(1, 1, 1, 2, 1, 0, 0, false)   // Piet-Jan, its result from the table
        .Wedstrijd(1, 1, 2, 3, 3, 2, 0, true)    // kept as read
        .Wedstrijd(1, 1001, 1, 1, 2, 2, 0, true) // no round 1001
        .Speler(5, 1, 1, "Kind", "KI", "Ede", 0)
        .Kruistabel(1, {{99, 2, 0}, {0, 99, 99}, {2, 99, 99}});
    Schrijf(map / "oud.z6e", f.Inhoud());
    Competitie c;
    const auto r = ImporteerZ6E(c, map / "oud.z6e", map / "nieuw");
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(Soorten(r), std::vector{Importmeldingsoort::TeVeelRondes});
    EXPECT_EQ(c.Bestandsnaam, map / "nieuw.xv7");
    ASSERT_EQ(c.Groepen.Aantal(), 2u);
    const auto& g1 = c.Groepen.At(0).G();
    const auto& g2 = c.Groepen.At(1).G();
    EXPECT_EQ(g1, (Deelcompgegevens{1, "Hoofdklasse", 1, true, "4-2"}));
    EXPECT_EQ(g2, (Deelcompgegevens{2, "Jeugd ?ssel", 2, false, ""}));
    // The first group is open, as written and read back.
    EXPECT_EQ(c.HuidigeDeelcomp, 1);
    ASSERT_EQ(c.Spelers.Aantal(), 3u);
    const auto& jan = c.Spelers.At(0).G();
    EXPECT_EQ(std::tie(jan.Lotingnummer, jan.InternNummer, jan.Naam, jan.Kort, jan.Plaats,
                       jan.LokaleRating),
              std::make_tuple(11, 1, std::string("Jan Élan"), std::string("JE"),
                              std::string("Zwolle"), 1234));
    EXPECT_EQ(c.Rondes.geef_datum(1), "12-09-2024");
    // Row 1 against 2 is a win of Jan, who is black in the match; 1 against 3 a loss, played
    // in no match, so a new one in the round after the last.
    EXPECT_EQ(Wedstrijden(c), "1.1 Piet-Jan Élan 0-2; 1.2 Kees-Kees 2-0; 2.1 Jan Élan-Kees 0-2; ");
    ASSERT_TRUE(LeesDeelcomp(c, 2).Schade.empty());
    EXPECT_EQ(c.Spelers.Aantal(), 1u);
    EXPECT_EQ(c.Opties.Toernooinaam, "Jeugd ?ssel");
}

TEST(Import, Z6EAfgekaptOfOnzinBlijftBegrensd) {
    Z6E f;
    f.Groep(1, "A", true, false)
        .Speler(1, 1, 1, "Een", "", "", 0)
        .Speler(1, 2, 2, "Twee", "", "", 0);
    const std::string heel = f.Inhoud();
    struct Geval {
        const char* wat;
        std::string inhoud;
        std::size_t groepen, spelers;
        bool afgekapt;
    };
    const Geval gevallen[] = {
        {"heel", heel, 1, 2, false},
        {"in een record afgekapt", heel.substr(0, heel.size() - 3), 1, 1, true},
        {"in de kop afgekapt", heel.substr(0, 100), 1, 0, true},
        {"onbekende soort", heel + "\x09\x01xxxx", 1, 2, true},
        {"te grote kruistabel", heel + std::string("\x04\x01\xff", 3) + std::string(400, 'x'), 1, 2,
         true},
        {"leeg", "", 0, 0, false},
    };
    for (const auto& g : gevallen) {
        Importresultaat r;
        const auto groepen = LeesZ6EGroepen(g.inhoud, r);
        ASSERT_EQ(groepen.size(), g.groepen) << g.wat;
        EXPECT_EQ(!r.Meldingen.empty() && r.Meldingen.back().Soort == Importmeldingsoort::Afgekapt,
                  g.afgekapt)
            << g.wat;
        if (g.groepen == 0) continue;
        Competitie c;
        VulZ6EGroep(c, g.inhoud, groepen[0], r);
        EXPECT_EQ(c.Spelers.Aantal(), g.spelers) << g.wat;
    }
}

TEST(Import, VoorbereidingEersteGroepOfNieuweGroep) {
    TijdelijkeMap map;
    const std::string lijst = "x\r\n" + TxtWedstrijd("A", "B", "") + " 01-01-2024\r\n" +
                              TxtWedstrijd("Ad", "Bea", "2- 0");
    Schrijf(map / "eerste.txt", lijst);
    Schrijf(map / "tweede.TXT", lijst);
    Competitie c;
    // A source that cannot be read changes nothing and creates no file.
    EXPECT_EQ(ImporteerTXT(c, map / "ontbreekt.txt").Bestand.Fout, Bestandsfout::NietTeOpenen);
    EXPECT_FALSE(c.Geladen());
    EXPECT_FALSE(std::filesystem::exists(map / "ontbreekt.xv7"));
    // Into a program with nothing loaded: the untouched first group is filled.
    ASSERT_TRUE(ImporteerTXT(c, map / "eerste.txt").Ok());
    EXPECT_EQ(std::forward_as_tuple(c.Bestandsnaam, c.Groepen.Aantal(), c.Opties.Toernooinaam),
              std::make_tuple(map / "eerste.xv7", 1u, "eerste"));
    // Into a loaded competition whose group has players: a new group.
    ASSERT_TRUE(LeesBestand(c, map / "tweede.TXT").Ok());
    ASSERT_EQ(c.Groepen.Aantal(), 2u);
    EXPECT_EQ(
        std::forward_as_tuple(c.HuidigeDeelcomp, c.Groepen.At(1).G().Titel, c.Spelers.Aantal()),
        std::make_tuple(2, "tweede", 2u));
    // Both are saved: the competition reads back with its two groups.
    Competitie d;
    ASSERT_TRUE(LeesBestand(d, map / "eerste.xv7").Ok());
    EXPECT_EQ(std::forward_as_tuple(d.Groepen.Aantal(), d.Groepen.At(1).G().Titel, Wedstrijden(d)),
              std::make_tuple(2u, "tweede", "1.1 Ad-Bea 2-0; "));
    // A program with nothing loaded never replaces an existing competition file itself.
    const std::string voor = Lees(map / "eerste.xv7");
    Competitie e;
    const auto r = ImporteerTXT(e, map / "eerste.txt");
    EXPECT_EQ(std::forward_as_tuple(r.Bestand.Fout, r.Bestand.Pad, bool(e.Geladen()),
                                    Lees(map / "eerste.xv7")),
              std::make_tuple(Bestandsfout::BestaatAl, map / "eerste.xv7", false, voor));
}

TEST(Import, TekstlijstStoptBijEenVolleGroep) {
    std::string lijst;
    for (int i = 0; i < 600; ++i)
        lijst +=
            TxtWedstrijd("W" + std::to_string(1000 + i), "Z" + std::to_string(1000 + i), "1- 1");
    Competitie c;
    Importresultaat r;
    LeesTXTInhoud(c, lijst, r);
    EXPECT_EQ(c.Spelers.Aantal(), kMaxImportSpelers);
    EXPECT_EQ(c.Wedstrijden.Aantal(), 500u);
    ASSERT_EQ(Soorten(r), std::vector{Importmeldingsoort::TeVeelSpelers});
    EXPECT_EQ(r.Meldingen[0].Plaats, 501);
}
