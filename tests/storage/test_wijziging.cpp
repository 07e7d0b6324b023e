// A change of several files is one change: broken off at any rename or removal (as a kill
// would), the next open finds the old competition or finishes the new one.
#include "hulp.h"
#include "storage/competitiebestand.h"
#include "storage/veiligschrijven.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

using namespace velkaro;
using namespace velkaro::test;
namespace fs = std::filesystem;

namespace {

struct Afgebroken {};

// The competition's own files by name: the state a user sees.
std::map<std::string, std::string> Stand(const TijdelijkeMap& map) {
    std::map<std::string, std::string> s;
    for (const auto& e : fs::directory_iterator(map.Pad())) {
        const std::string n = e.path().filename().string();
        if (n.rfind("club.", 0) == 0 && n.find(".tmp~") == std::string::npos && n != "club.lck" &&
            n != "club.lcl" && n != "club.jnl")
            s[n] = Lees(e.path());
    }
    return s;
}

// Three groups; group 1 open with one player. With oud, the main file says version 701 and
// the group files have the older layout (no Optievlaggen line).
void MaakCompetitie(const TijdelijkeMap& map, bool oud) {
    Competitie c;
    c.Bestandsnaam = map / "club.xv7";
    c.Groepen.Voegtoe({2, "", 2, false, ""});
    c.Groepen.Voegtoe({3, "", 3, false, ""});
    Spelergegevens a;
    a.Lotingnummer = 1;
    a.Naam = "Anna";
    c.Spelers.Voegtoe(a);
    ASSERT_TRUE(SchrijfBestand(c).Ok());
    for (int n : {2, 3}) {
        c.HuidigeDeelcomp = n;
        ASSERT_TRUE(SchrijfDeelcomp(c).Ok());
    }
    if (!oud) return;
    const std::string hoofd = Lees(map / "club.xv7");
    Schrijf(map / "club.xv7", "701" + hoofd.substr(3));
    for (const char* g : {"club.101", "club.102", "club.103"}) {
        // Players (31 lines each, without Land and FMJDRating in the old layout), 0 rounds and
        // matches, then the settings: the line after the 24 settings lines goes.
        auto r = test::Bestandsregels(Lees(map / g));
        const std::size_t spelers = std::stoul(r[0]);
        for (std::size_t p = spelers; p-- > 0;)
            r.erase(r.begin() + 1 + p * 31 + 4, r.begin() + 1 + p * 31 + 6);
        r.erase(r.begin() + 1 + spelers * 29 + 2 + 24);
        Schrijf(map / g, test::Bestandstekst(r));
    }
}

} // namespace

TEST(Wijziging, AfgebrokenWijzigingLaatOudOfNieuw) {
    struct Geval {
        const char* naam;
        bool oud;
        std::function<void(const std::string&)> wijzig; // on the main file
    };
    const std::vector<Geval> gevallen = {
        {"opslaan", false,
         [](const std::string& f) {
             Competitie c;
             ASSERT_TRUE(LeesBestand(c, f).Ok());
             Spelergegevens b;
             b.Lotingnummer = 2;
             b.Naam = "Bert";
             c.Spelers.Voegtoe(b);
             c.Groepen.Voegtoe({4, "", 4, false, ""});
             ASSERT_TRUE(SchrijfBestand(c).Ok());
         }},
        {"groep verwijderen", false,
         [](const std::string& f) {
             Competitie c;
             ASSERT_TRUE(LeesBestand(c, f).Ok());
             c.Groepen.Verwijder(2);
             ASSERT_TRUE(VerwijderGroepsbestand(c, 2).Ok());
         }},
        {"omzetten", true,
         [](const std::string& f) {
             Competitie c;
             ASSERT_TRUE(LeesBestand(c, f).Ok());
         }},
    };
    for (const auto& g : gevallen) {
        TijdelijkeMap heel;
        MaakCompetitie(heel, g.oud);
        const auto oud = Stand(heel);
        g.wijzig(heel / "club.xv7");
        const auto nieuw = Stand(heel);
        ASSERT_NE(oud, nieuw) << g.naam;
        int stappen = 0;
        for (int breuk = 1;; ++breuk) {
            TijdelijkeMap map;
            MaakCompetitie(map, g.oud);
            int teller = 0;
            ZetWijzigingWaarnemer([&](const std::string&) {
                if (++teller == breuk) throw Afgebroken{};
            });
            bool afgebroken = false;
            try {
                g.wijzig(map / "club.xv7");
            } catch (const Afgebroken&) {
                afgebroken = true;
            }
            ZetWijzigingWaarnemer({});
            if (!afgebroken) break;
            ++stappen;
            // The next open finds one of the two, whole.
            Competitie c;
            const auto r = LeesBestand(c, map / "club.xv7");
            EXPECT_TRUE(r.Ok() && r.Schade.empty()) << g.naam << " step " << breuk;
            const auto na = Stand(map);
            EXPECT_TRUE(na == oud || na == nieuw) << g.naam << " broken off at step " << breuk;
            EXPECT_FALSE(fs::exists(map / "club.jnl")) << g.naam << " step " << breuk;
        }
        EXPECT_GE(stappen, 2) << g.naam;
    }
}
