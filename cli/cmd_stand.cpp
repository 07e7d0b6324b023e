// velkaro-cli standings: the interactive standings computation with a short ranking, one line
// per ranked player.
#include "cli/context.h"
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

// A value column after the points: its heading, width and value.
struct Kolom {
    std::string Kop;
    std::size_t Breedte;
    std::function<std::string(const Spelergegevens&)> Waarde;
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
    auto Geheel = [](int32_t Spelergegevens::*veld) {
        return [veld](const Spelergegevens& g) { return std::to_string(g.*veld); };
    };
    switch (o.Rekensysteem) {
    case SysteemKeizer:
        k.push_back({Tekst(T::KTot), 7,
                     [](const Spelergegevens& g) { return Decimaal(g.Keizerpunten, 0); }});
        k.push_back({Tekst(T::KPnt), 7, Geheel(&Spelergegevens::Keizerwaarde)});
        break;
    case SysteemMoyenne:
        k.push_back({Tekst(T::KopEigen), 7,
                     [](const Spelergegevens& g) { return Decimaal(g.EigenMoyenne, 3); }});
        k.push_back({Tekst(T::KopTegen), 7,
                     [](const Spelergegevens& g) { return Decimaal(g.TegenstanderMoyenne, 3); }});
        k.push_back({Tekst(T::KopTotal), 7,
                     [](const Spelergegevens& g) { return Decimaal(g.TotaalMoyenne, 3); }});
        break;
    case SysteemRating:
        // Beginrating and Nurating live in the fields of the opponent extremes.
        k.push_back({Tekst(T::TsR), 7, Geheel(&Spelergegevens::MinTegenstanderPunten)});
        k.push_back({Tekst(T::KopBegin), 7, Geheel(&Spelergegevens::Rating)});
        k.push_back({Trim(Tekst(T::KopNu)), 7, Geheel(&Spelergegevens::MaxTegenstanderPunten)});
        break;
    case SysteemLaren: {
        // The value, the value-weighted points, and the four places whose sum ranks.
        auto Plaats = [](Real48 Spelergegevens::*veld) {
            return [veld](const Spelergegevens& g) { return Decimaal((g.*veld).Waarde(), 1); };
        };
        k.push_back({Tekst(T::KopRWC), 5, Geheel(&Spelergegevens::Larenwaarde)});
        k.push_back({Tekst(T::KopRWP), 6, Geheel(&Spelergegevens::LarenWP)});
        k.push_back({Tekst(T::KopPlP), 6, Plaats(&Spelergegevens::PlaatsPunten)});
        k.push_back({Tekst(T::KopPlR), 6, Plaats(&Spelergegevens::PlaatsWP)});
        k.push_back({Tekst(T::KopPGP), 6, Plaats(&Spelergegevens::PlaatsGemPunten)});
        k.push_back({Tekst(T::KopPGR), 6, Plaats(&Spelergegevens::PlaatsGemWP)});
        k.push_back({Tekst(T::KopPTot), 7, Plaats(&Spelergegevens::PlaatsTotaal)});
        break;
    }
    default:
        if (o.Rekensysteem != SysteemNormaal && !o.IsZwitsers()) break;
        for (int i = 1; o.SorteerCriterium(i) != 0; ++i) {
            const int cijfer = o.SorteerCriterium(i);
            k.push_back(
                {Trim(Kop(cijfer)), cijfer == 9 ? 11u : 7u, [cijfer](const Spelergegevens& g) {
                     return std::to_string(Criteriumwaarde(g, cijfer));
                 }});
        }
        break;
    }
    return k;
}

std::string Rechts(const std::string& s, std::size_t breedte) {
    return VulLinks(s, breedte);
}

int Stand(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    const auto van = a.Getal("--from", 0, 999);
    const auto tot = a.Getal("--to", 0, 999);
    const auto minimum = a.Getal("--min-games", 0, 999);
    Competitie c;
    Open(c, a.Positie(0, "FILE"));

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
        for (const auto& k : kolommen) u.out << Rechts(k.Waarde(g), k.Breedte);
        u.out << '\n';
    }
    if (!a.Vlag("--no-save")) Bewaar(c);
    return 0;
}

} // namespace

void StandOpdrachten(std::vector<Opdracht>& t) {
    t.push_back(
        {"standings",
         "standings FILE.xv7 [--from R] [--to R] [--min-games N] [--keep-previous] [--no-save]",
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
         {"--keep-previous", "--no-save"},
         Stand});
}

} // namespace velkaro::cli
