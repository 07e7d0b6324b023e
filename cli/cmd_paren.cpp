// velkaro-cli pair, player mark: pairing the next round and choosing who takes part.
#include "cli/context.h"
#include "cli/json.h"
#include "lang/teksten.h"
#include "model/tekst.h"
#include "pairing/roosterkeuze.h"
#include "pairing/samenstellen.h"

#include <cstdio>

namespace velkaro::cli {

namespace {

// Drawing number and name; the name padded when a column follows.
std::string Spelerkolom(const Competitie& c, int32_t intern, bool opvullen) {
    const auto* s = c.Spelers.zoekptr(intern);
    char nr[16];
    std::snprintf(nr, sizeof nr, "%3d ", s ? s->Lotingnummer() : 0);
    const std::string naam = s ? s->G().Naam : std::to_string(intern);
    return nr + (opvullen ? VulRechts(naam, 20) : naam);
}

// A round given with --round passes where the dialog's proposal would: at least 1, without
// results (unless --force, which says what it replaces) and without empty rounds before it
// (unless --allow-gap).
int32_t ControleerGekozenRonde(const Competitie& c, long long gekozen, const Argumenten& a,
                               Uitvoer& u) {
    using lang::T;
    using lang::Tekst;
    if (gekozen < 1)
        throw Weigering(Tekst(T::RondeMinstensEen) + " (" + std::to_string(gekozen) + ")");
    const auto ronde = static_cast<int32_t>(gekozen);
    const Rondecontrole k = ControleerRonde(c, ronde);
    const std::string wat = Tekst(T::Ronde) + " " + std::to_string(ronde) + ": " +
                            std::to_string(k.Uitslagen) + " " + Tekst(T::WedstrijdenMetUitslag) +
                            ", " + std::to_string(k.Vervangen) + " " +
                            Tekst(T::WedstrijdenZonderUitslag);
    if (k.Uitslagen > 0) {
        if (!a.Vlag("--force"))
            throw Weigering(Tekst(T::RondeHeeftUitslagen) + " (" + wat + "); " +
                            Tekst(T::VoorgesteldeRonde) + " " + std::to_string(k.Voorgesteld) +
                            "; " + Tekst(T::ForceVervangtTekst));
        u.err << Tekst(T::Waarschuwing) << ": " << Tekst(T::ForceVervangt) << " (" << wat << ")\n";
    }
    if (k.LegeRondes > 0 && !a.Vlag("--allow-gap"))
        throw Weigering(Tekst(T::RondeLaatGat) + " (" + std::to_string(k.LegeRondes) + "); " +
                        Tekst(T::VoorgesteldeRonde) + " " + std::to_string(k.Voorgesteld) + "; " +
                        Tekst(T::AllowGapTekst));
    return ronde;
}

int Paren(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    // Below 1 the rules of the schedule dialog say why; above the last round there is no round.
    std::optional<long long> rondeOptie;
    if (auto w = a.Waarde("--round")) {
        const auto g = LeesGetal(*w);
        rondeOptie = g && *g < 1 ? *g : GetalArgument(*w, "--round", 1, kMaxRonde);
    }
    const std::string kleuren = a.Waarde("--colours").value_or("standard");
    if (kleuren != "standard" && kleuren != "swapped")
        throw Gebruiksfout("--colours takes standard or swapped");
    const bool laatsteRonde = a.Vlag("--last-round");

    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    CliGesprek gesprek(u.err);
    if (a.Vlag("--force")) gesprek.Antwoorden = Antwoord::Ja;
    gesprek.AntwoordOpties = "--force";
    if (!Voorcontrole(c, gesprek)) return 1;
    gesprek.Antwoorden.reset();
    // The dialog offers "&Rooster samenstellen" only for an even number of marked players.
    if (!MagSamenstellen(c))
        throw Weigering(lang::Tekst(lang::T::OnevenAantalSpelers) + " (" +
                        lang::Tekst(lang::T::InTeRoosteren) + " " +
                        std::to_string(c.Spelers.tel_rooster()) + ")");
    const int32_t ronde =
        rondeOptie ? ControleerGekozenRonde(c, *rondeOptie, a, u) : VoorgesteldeRonde(c);

    GeenVoortgang voortgang;
    Roosteromgeving omg{gesprek, voortgang, a.Vlag("--trace")};
    const auto r = SamenstellenRooster(c, ronde, kleuren == "standard", laatsteRonde, omg);
    if (!r.Gelukt()) {
        // The unplayed matches of the round are gone, as in the program: keep that.
        if (c.Gewijzigd) Bewaar(c);
        return 1;
    }
    VerlaatRoosterdialoog(c, laatsteRonde);
    Bewaar(c);
    if (a.Vlag("--json")) {
        Json wedstrijden = Json::array();
        for (const auto& w : r.Nieuw) {
            Json j{{"round", w.Ronde},
                   {"number", w.Wedstrijdnummer},
                   {"white", KantJson(w.Wit, c)},
                   {"black", KantJson(w.Zwart, c)}};
            if (c.Opties.IsVrijeRonde(w)) j["bye"] = true;
            wedstrijden.push_back(std::move(j));
        }
        SchrijfJson(u.out, Json{{"round", ronde}, {"matches", wedstrijden}});
        return 0;
    }
    u.out << "Round Board    White                        Black\n";
    for (const auto& w : r.Nieuw) {
        char kop[32];
        std::snprintf(kop, sizeof kop, "%5d %5d    ", w.Ronde, w.Wedstrijdnummer);
        u.out << kop << Spelerkolom(c, w.Wit, true) << "  -  "
              << (c.Opties.IsVrijeRonde(w) ? "    " + lang::Tekst(lang::T::Vrij)
                                           : Spelerkolom(c, w.Zwart, false))
              << '\n';
    }
    return 0;
}

int Markeer(const Argumenten& a, Uitvoer& u) {
    const bool alle = a.Vlag("--all"), niemand = a.Vlag("--none"), uit = a.Vlag("--off");
    const auto& pos = a.Posities();
    if (pos.empty()) throw Gebruiksfout("missing FILE");
    const std::size_t nummers = pos.size() - 1;
    if ((alle ? 1 : 0) + (niemand ? 1 : 0) + (nummers > 0 ? 1 : 0) != 1)
        throw Gebruiksfout("give exactly one of --all, --none or drawing NUMBERS");
    if (uit && nummers == 0) throw Gebruiksfout("--off goes with drawing NUMBERS");
    std::vector<int32_t> lotingen;
    for (std::size_t i = 1; i < pos.size(); ++i)
        lotingen.push_back(static_cast<int32_t>(GetalArgument(pos[i], "NUMBER", 0, 9999)));

    Competitie c;
    Open(c, pos[0], u.err);
    if (alle) SelecteerIedereen(c);
    if (niemand) SelecteerNiemand(c);
    for (int32_t n : lotingen) {
        TSpelerObj& s = SpelerMetLoting(c, n);
        if (s.InRooster() == uit) WisselRooster(c, s);
    }
    Bewaar(c);
    u.out << lang::Tekst(lang::T::InTeRoosteren) << ' ' << c.Spelers.tel_rooster() << '\n'
          << lang::Tekst(lang::T::TotaalAantalSpelers) << ' ' << c.Spelers.Aantal() << '\n';
    return 0;
}

} // namespace

void ParenOpdrachten(std::vector<Opdracht>& t) {
    t.push_back(
        {"pair",
         "pair FILE.xv7 [--round R] [--colours standard|swapped] [--last-round] [--trace]\n"
         "         [--force] [--allow-gap] [--json]",
         "Pairs a round of the open group by its calculation system and saves: the round\n"
         "robin writes the whole schedule from R; the Swiss, Keizer, rating, average (place\n"
         "pairing) and Laren systems pair the players marked R (see 'player mark'); under\n"
         "Keizer and rating the unmarked members keep their place in the ranking but sit the\n"
         "round out. Without --round the proposed round is paired: the next\n"
         "one, or the last one again while it has no result. Under a Swiss system with an\n"
         "unequal number of games the program asks whether to go on: --force answers yes.\n"
         "R must be at least 1. A round that already has results (for the round robin: that\n"
         "round or a later one) is paired again only with --force, which warns of the matches\n"
         "without a result it replaces (the results stay); a round that leaves empty rounds\n"
         "after the last one is paired only with --allow-gap.\n"
         "--colours swapped exchanges the colours of the round robin; --last-round is for\n"
         "the Swiss by rating; --trace writes the search trace vULWACHT beside the file.\n"
         "Prints the new matches, white first, players by drawing number.",
         {"--round", "--colours"},
         {"--last-round", "--trace", "--force", "--allow-gap", "--json"},
         Paren});
    t.push_back({"player mark",
                 "player mark FILE.xv7 --all | --none | NUMBERS... [--off]",
                 "Marks players for the next pairing (R): all of them, none, or the players with\n"
                 "these drawing numbers (--off clears their mark instead). Prints the counts.",
                 {},
                 {"--all", "--none", "--off"},
                 Markeer});
}

} // namespace velkaro::cli
