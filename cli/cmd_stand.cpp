// velkaro-cli standings: the interactive standings computation with a short ranking, one line
// per ranked player.
#include "cli/context.h"
#include "cli/json.h"
#include "lang/namen.h"
#include "lang/teksten.h"
#include "model/tekst.h"
#include "standings/sleutels.h"
#include "standings/stand.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace velkaro::cli {

namespace {

using lang::T;
using lang::Tekst;

// The column heading of a tie-break criterion as the ranking report shows it.
std::string Kop(int cijfer) {
    switch (cijfer) {
    case 1:
        return Tekst(T::KopERt);
    case 2:
        return Tekst(T::KopTRt);
    case 3:
        return Tekst(T::KortWinst);
    case 4:
        return Tekst(T::KopWP);
    case 5:
        return Tekst(T::KopWl);
    case 6:
        return Tekst(T::KopWlh);
    case 7:
        return Tekst(T::KopSB);
    case 8:
        return Tekst(T::KopOR);
    default:
        return Tekst(T::KopHAR);
    }
}

// The key of a tie-break criterion in the JSON output.
const char* Sleutel(int cijfer) {
    static constexpr const char* kSleutels[] = {
        "own_rating",       "opponents_rating",        "wins",
        "resistance",       "resistance_minus_lowest", "resistance_minus_lowest_highest",
        "sonneborn_berger", "mutual_result",           "highest_deviating_result"};
    return cijfer >= 1 && cijfer <= 9 ? kSleutels[cijfer - 1] : "none";
}

// A value column after the points: its heading, JSON key, width, decimals shown and value.
struct Kolom {
    std::string Kop;
    std::string Sleutel;
    std::size_t Breedte;
    int Decimalen;
    std::function<double(const Spelergegevens&)> Getal;
    bool Geheel = false; // a whole number in the JSON output
};

std::string Decimaal(double x, int decimalen) {
    char tekst[64];
    std::snprintf(tekst, sizeof tekst, "%.*f", decimalen, x);
    return tekst;
}

// The columns of the calculation system: the criteria of the sort order for the normal and
// Swiss tables, the computed values for the Keizer, average, rating and Laren systems.
std::vector<Kolom> Kolommen(const trekenopties& o) {
    std::vector<Kolom> k;
    auto Heel = [&](std::string kop, const char* sleutel, std::size_t breedte,
                    int32_t Spelergegevens::*veld) {
        k.push_back({std::move(kop), sleutel, breedte, 0,
                     [veld](const Spelergegevens& g) { return double(g.*veld); }, true});
    };
    auto Reeel = [&](std::string kop, const char* sleutel, int decimalen,
                     std::function<double(const Spelergegevens&)> waarde) {
        k.push_back({std::move(kop), sleutel, 7, decimalen, std::move(waarde)});
    };
    switch (o.Rekensysteem) {
    case SysteemKeizer:
        Reeel(Tekst(T::KTot), "keizer_total", 0,
              [](const Spelergegevens& g) { return g.Keizerpunten; });
        Heel(Tekst(T::KPnt), "keizer_value", 7, &Spelergegevens::Keizerwaarde);
        break;
    case SysteemMoyenne:
        Reeel(Tekst(T::KopEigen), "own_average", 3,
              [](const Spelergegevens& g) { return g.EigenMoyenne; });
        Reeel(Tekst(T::KopTegen), "opponents_average", 3,
              [](const Spelergegevens& g) { return g.TegenstanderMoyenne; });
        Reeel(Tekst(T::KopTotal), "total_average", 3,
              [](const Spelergegevens& g) { return g.TotaalMoyenne; });
        break;
    case SysteemRating:
        // Beginrating and Nurating live in the fields of the opponent extremes.
        Heel(Tekst(T::TsR), "opponents_rating", 7, &Spelergegevens::MinTegenstanderPunten);
        Heel(Tekst(T::KopBegin), "starting_rating", 7, &Spelergegevens::Rating);
        Heel(Trim(Tekst(T::KopNu)), "current_rating", 7, &Spelergegevens::MaxTegenstanderPunten);
        break;
    case SysteemLaren: {
        // The value, the value-weighted points, and the four places whose sum ranks.
        auto Plaats = [&](std::string kop, const char* sleutel, std::size_t breedte,
                          Real48 Spelergegevens::*veld) {
            k.push_back({std::move(kop), sleutel, breedte, 1,
                         [veld](const Spelergegevens& g) { return (g.*veld).Waarde(); }});
        };
        Heel(Tekst(T::KopRWC), "laren_value", 5, &Spelergegevens::Larenwaarde);
        Heel(Tekst(T::KopRWP), "laren_weighted_points", 6, &Spelergegevens::LarenWP);
        Plaats(Tekst(T::KopPlP), "place_points", 6, &Spelergegevens::PlaatsPunten);
        Plaats(Tekst(T::KopPlR), "place_weighted_points", 6, &Spelergegevens::PlaatsWP);
        Plaats(Tekst(T::KopPGP), "place_points_per_game", 6, &Spelergegevens::PlaatsGemPunten);
        Plaats(Tekst(T::KopPGR), "place_weighted_points_per_game", 6, &Spelergegevens::PlaatsGemWP);
        Plaats(Tekst(T::KopPTot), "place_total", 7, &Spelergegevens::PlaatsTotaal);
        break;
    }
    default:
        if (o.Rekensysteem != SysteemNormaal && !o.IsZwitsers()) break;
        for (int i = 1; o.SorteerCriterium(i) != 0; ++i) {
            const int cijfer = o.SorteerCriterium(i);
            k.push_back(
                {Trim(Kop(cijfer)), Sleutel(cijfer), cijfer == 9 ? 11u : 7u, 0,
                 [cijfer](const Spelergegevens& g) { return double(Criteriumwaarde(g, cijfer)); },
                 true});
        }
        break;
    }
    return k;
}

std::string Tekstwaarde(const Kolom& k, const Spelergegevens& g) {
    return Decimaal(k.Getal(g), k.Decimalen);
}

Json Getalwaarde(const Kolom& k, const Spelergegevens& g) {
    const double x = k.Getal(g);
    if (k.Geheel) return static_cast<int64_t>(x);
    return x;
}

std::string Rechts(const std::string& s, std::size_t breedte) {
    return VulLinks(s, breedte);
}

int Stand(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    ControleerRondebereik(a);
    const auto van = a.Getal("--from", 0, 999);
    const auto tot = a.Getal("--to", 0, 999);
    const auto minimum = a.Getal("--min-games", 0, 999);
    Competitie c;
    // Without a save the command only reads: it shares the lock and warns of damage.
    if (a.Vlag("--no-save"))
        OpenLezen(c, a.Positie(0, "FILE"), u.err);
    else
        Open(c, a.Positie(0, "FILE"), u.err);

    // A range past the last round ranks nothing, and the command would save it all the same.
    for (const auto& r : {van, tot})
        if (r && *r > 0 && !c.Rondes.RondeBestaat(static_cast<int32_t>(*r)))
            throw Weigering(lang::Tekst(lang::T::RondeBestaatNiet) + ": " + std::to_string(*r));
    Sorteerinstellingen keuze = StandaardSorteerinstellingen(c);
    if (van) keuze.VanRonde = static_cast<int32_t>(*van);
    if (tot) keuze.TotRonde = static_cast<int32_t>(*tot);
    if (minimum) keuze.MinimumWedstrijden = static_cast<int32_t>(*minimum);
    keuze.VorigeNotering = !a.Vlag("--keep-previous");
    // The load computed silently; the ranking asked for here is always computed anew, as the
    // desktop program does before a report whose data changed.
    c.Opties.Herberekenen = 1;
    ranglijst_sorteren(c, false, &keuze);

    const auto kolommen = Kolommen(c.Opties);
    if (a.Vlag("--json")) {
        Json spelers = Json::array();
        for (const auto& regel : c.Ranglijst) {
            const TSpelerObj& s = *regel.Speler;
            if (!s.InStand()) continue;
            const Spelergegevens& g = s.G();
            Json waarden = Json::object();
            for (const auto& k : kolommen) waarden[k.Sleutel] = Getalwaarde(k, g);
            spelers.push_back({{"place", g.Notering},
                               {"number", g.Lotingnummer},
                               {"name", g.Naam},
                               {"games", g.AantalPartijen},
                               {"points", g.Punten},
                               {"values", waarden}});
        }
        Json sleutels = Json::array();
        for (const auto& k : kolommen) sleutels.push_back(k.Sleutel);
        SchrijfJson(u.out, Json{{"system",
                                 {{"number", c.Opties.Rekensysteem},
                                  {"name", lang::SysteemNaam(c.Opties.Rekensysteem)}}},
                                {"sort_order", c.Opties.Sorteervolgorde},
                                {"from_round", c.Opties.VanRonde},
                                {"to_round", c.Opties.TotRonde},
                                {"columns", sleutels},
                                {"players", spelers}});
        if (!a.Vlag("--no-save")) Bewaar(c);
        return 0;
    }
    constexpr std::size_t kNaam = 21;
    u.out << Rechts(Tekst(T::Nr), 4) << Rechts(Tekst(T::LNR), 5) << "  "
          << VulRechts(Tekst(T::Naam), kNaam) << Rechts(Tekst(T::KopAW), 4)
          << Rechts(Tekst(T::KopPt), 5);
    for (const auto& k : kolommen) u.out << Rechts(k.Kop, k.Breedte);
    u.out << '\n';
    for (const auto& regel : c.Ranglijst) {
        const TSpelerObj& s = *regel.Speler;
        if (!s.InStand()) continue;
        const Spelergegevens& g = s.G();
        u.out << Rechts(std::to_string(g.Notering), 4) << Rechts(std::to_string(g.Lotingnummer), 5)
              << "  " << VulRechts(Kap(g.Naam, kNaam - 1), kNaam)
              << Rechts(std::to_string(g.AantalPartijen), 4) << Rechts(std::to_string(g.Punten), 5);
        for (const auto& k : kolommen) u.out << Rechts(Tekstwaarde(k, g), k.Breedte);
        u.out << '\n';
    }
    if (!a.Vlag("--no-save")) Bewaar(c);
    return 0;
}

} // namespace

void StandOpdrachten(std::vector<Opdracht>& t) {
    t.push_back(
        {"standings",
         "standings FILE.xv7 [--from R] [--to R] [--min-games N] [--keep-previous] [--no-save]\n"
         "         [--json]",
         "Computes the standings of the open group as before a ranking report and prints one\n"
         "line per player counted in the standings (marked S): place, drawing number, name,\n"
         "games, points and the values of the tie-break criteria of the sort order (Keizer:\n"
         "total and value; average system: own, opponents' and total average; rating system:\n"
         "opponents' average, starting and computed rating; Laren: value, value-weighted\n"
         "points, the places by points, weighted points and both per game, and their sum).\n"
         "The rounds counted run from the lowest round (--from) to the last round with results\n"
         "(--to); players with fewer games than the minimum (--min-games, default the group's\n"
         "own, which this option replaces) rank below the others. Each player's previous place\n"
         "becomes his place before this computation unless --keep-previous is given.\n"
         "The places and the up-to-date standings are saved; --no-save leaves the file as it is.",
         {"--from", "--to", "--min-games"},
         {"--keep-previous", "--no-save", "--json"},
         Stand});
}

} // namespace velkaro::cli
