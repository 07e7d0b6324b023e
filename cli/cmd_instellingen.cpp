// velkaro-cli settings: the scoring settings of the open group, shown and changed through the
// settings dialog's own logic (entry/instellingen).
#include "cli/context.h"
#include "cli/instellingsopties.h"
#include "entry/instellingen.h"
#include "lang/namen.h"
#include "lang/teksten.h"
#include "model/tekst.h"

#include <array>

namespace velkaro::cli {

namespace {

struct Systeemnaam {
    const char* Naam;
    uint16_t Waarde;
};
constexpr std::array<Systeemnaam, 8> kSystemen{{{"normal", SysteemNormaal},
                                                {"swiss", SysteemZwitsers},
                                                {"keizer", SysteemKeizer},
                                                {"average", SysteemMoyenne},
                                                {"rating", SysteemRating},
                                                {"swiss-rating", SysteemZwitsersRating},
                                                {"fmjd-swiss", SysteemFMJDZwitsers},
                                                {"laren", SysteemLaren}}};

// The rating methods by their value: 0 performance, 1 fixed, 2 own starting point.
constexpr std::array<const char*, 3> kRatingmethoden{"performance", "fixed-start", "own-start"};
// What a bye scores, in the order of Vrijscore.
constexpr std::array<const char*, 3> kVrijscores{"win", "draw", "nothing"};

std::string SysteemSleutel(uint16_t waarde) {
    for (const auto& s : kSystemen)
        if (s.Waarde == waarde) return s.Naam;
    return std::to_string(waarde);
}

uint16_t SysteemVan(const std::string& tekst) {
    for (const auto& s : kSystemen)
        if (tekst == s.Naam || tekst == std::to_string(s.Waarde)) return s.Waarde;
    throw Gebruiksfout("--system takes normal, swiss, keizer, average, rating, swiss-rating, "
                       "fmjd-swiss or laren (or 0-6, 17), got '" +
                       tekst + "'");
}

std::optional<bool> JaNee(const Argumenten& a, const std::string& optie) {
    const auto w = a.Waarde(optie);
    if (!w) return std::nullopt;
    if (*w == "yes") return true;
    if (*w == "no") return false;
    throw Gebruiksfout(optie + " takes yes or no, got '" + *w + "'");
}

// A value of n parts separated by commas; each part goes into its field as typed.
std::vector<std::string> Delen(const std::string& optie, const std::string& w, std::size_t n) {
    std::vector<std::string> d{""};
    for (char ch : w) {
        if (ch == ',')
            d.emplace_back();
        else
            d.back() += ch;
    }
    if (d.size() != n)
        throw Gebruiksfout(optie + " takes " + std::to_string(n) +
                           " values separated by commas, got '" + w + "'");
    return d;
}

// An option for a control that the dialog hides or disables under the settings chosen so far.
void Vereist(bool zichtbaar, const std::string& optie, const char* waarom) {
    if (!zichtbaar) throw Gebruiksfout(optie + " does not apply: " + waarom);
}

// A spin-field value: a whole number the field can show, else the dialog's own refusal.
int Spinwaarde(const std::string& tekst) {
    const auto n = LeesGetal(tekst);
    if (!n || *n < INT32_MIN || *n > INT32_MAX)
        throw Weigering(lang::Tekst(lang::T::GeenGeldigGetal));
    return static_cast<int>(*n);
}

// The settings dialog's questions and messages on the command line: each one refuses, except
// the sort-order check under the Swiss system, which (as in the dialog) puts the standard
// order in place of an unfit one and says so; that message is kept as a warning.
class WeigerendGesprek final : public Gesprek {
public:
    std::vector<std::string> Waarschuwingen;
    Antwoord Vraag(const std::string& tekst, const std::string&, Knoppen, Pictogram) override {
        throw Weigering(tekst);
    }
    void Melding(const std::string& tekst, const std::string&, Pictogram) override {
        if (tekst == lang::Tekst(lang::T::SorteervolgordeOnjuist)) {
            Waarschuwingen.push_back(tekst);
            return;
        }
        throw Weigering(tekst);
    }
    std::optional<std::string> Invoer(const std::string&, const std::string& prompt,
                                      const std::string&) override {
        throw Weigering(prompt);
    }
    std::optional<std::string> KiesBestand(Bestandskeuze& keuze) override {
        throw Weigering(keuze.Titel);
    }
};

const char* JaOfNee(bool b) {
    return b ? "yes" : "no";
}

void ToonInstellingen(const Competitie& c, std::ostream& out) {
    const trekenopties& o = c.Opties;
    const auto r = [&](const char* kop) -> std::ostream& {
        return out << VulRechts(std::string(kop) + ":", 24);
    };
    r("System") << o.Rekensysteem << ' ' << lang::SysteemNaam(o.Rekensysteem) << " ("
                << SysteemSleutel(o.Rekensysteem) << ")\n";
    const std::string volgorde = o.Sorteervolgorde ? std::to_string(o.Sorteervolgorde) : "";
    r("Sort order") << (volgorde.empty() ? "none"
                                         : volgorde + "  " + Trim(SorteerLegenda(volgorde)))
                    << '\n';
    r("Points") << "win " << o.PuntenWinst << ", draw " << o.PuntenRemise << ", loss "
                << o.PuntenVerlies << ", plus-draw " << o.PuntenPlusRemise << ", minus-draw "
                << o.PuntenMinRemise << '\n';
    r("Chess notation") << JaOfNee(o.Schaaknotatie()) << '\n';
    r("KNDB-Delfts") << JaOfNee(o.KNDBDelfts()) << '\n';
    r("FMJD rating") << JaOfNee(o.FMJDRatingHanteren()) << '\n';
    r("FMJD 64") << JaOfNee(o.FMJD64()) << '\n';
    r("Test options") << JaOfNee(o.Testopties()) << ", alternative resistance pairing "
                      << JaOfNee(o.AlternatieveWeerstandparing()) << '\n';
    r("Four-player teams") << JaOfNee(o.Viertallentoernooi) << '\n';
    r("Colour dominant") << JaOfNee(o.KleurDominant != 0) << ", max colour difference "
                         << o.MaxKleurverschil << '\n';
    r("Keizer") << "win " << o.KeizerWinst << ", draw " << o.KeizerRemise << ", loss "
                << o.KeizerVerlies << ", absent " << o.KeizerNietGespeeld << ", first "
                << o.PuntenNr1 << ", step " << o.Afloopfactor << ", optimise "
                << JaOfNee(o.NietOptimaliseren == 0) << ", passes " << o.KerenRekenen << '\n';
    r("Average") << "own weight " << o.WegingEigen << ", opponents' weight " << o.WegingTegen
                 << ", weigh opponents " << JaOfNee(o.NietWegen == 0) << '\n';
    r("Rating") << "method "
                << (o.Ratingmethode < kRatingmethoden.size()
                        ? kRatingmethoden[o.Ratingmethode]
                        : std::to_string(o.Ratingmethode).c_str())
                << ", starting rating " << o.Aanvangsrating << ", correction factor "
                << o.Correctiefactor << '\n';
    r("Bye") << "odd number " << JaOfNee(o.VrijBijOneven()) << ", scores "
             << kVrijscores[static_cast<std::size_t>(o.VrijScore())] << '\n';
    r("Laren base") << c.LarenBasis << '\n';
    r("Place pairing") << "min games " << c.MinWed << ", max place distance " << c.PlaatsAfstand
                       << ", round gap " << c.Geleden << '\n';
    r("Tournament name") << o.Toernooinaam << '\n';
    r("Standings") << (o.IsActueel() ? "up to date" : "to be recomputed") << '\n';
}

int Instellingen(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    if (PasInstellingenToe(c, a, u.err)) Bewaar(c);
    if (a.Vlag("--json"))
        SchrijfJson(u.out, InstellingenJson(c));
    else
        ToonInstellingen(c, u.out);
    return 0;
}

} // namespace

const std::set<std::string>& InstellingOpties() {
    static const std::set<std::string> opties{"--system",
                                              "--sort",
                                              "--points",
                                              "--plus-minus-draws",
                                              "--chess-notation",
                                              "--kndb-delfts",
                                              "--fmjd-rating",
                                              "--four-player-teams",
                                              "--colour-dominant",
                                              "--max-colour-difference",
                                              "--keizer",
                                              "--keizer-first",
                                              "--keizer-step",
                                              "--keizer-optimise",
                                              "--keizer-passes",
                                              "--average-weights",
                                              "--weigh-opponents",
                                              "--rating-method",
                                              "--starting-rating",
                                              "--correction-factor",
                                              "--laren-base",
                                              "--place-min-games",
                                              "--place-max-distance",
                                              "--place-round-gap",
                                              "--bye",
                                              "--bye-score"};
    return opties;
}

const char* const kInstellingGebruik =
    "  --system normal|swiss|keizer|average|rating|swiss-rating|fmjd-swiss|laren\n"
    "                         (or its number 0-6, 17); choosing one resets what the dialog\n"
    "                         resets: the sort order (389, none, 47, 21), the colour options\n"
    "                         of the Swiss systems, the Laren base (60)\n"
    "  --sort DIGITS|none     tie-break order, up to 5 digits 0-9 (not under Keizer, average,\n"
    "                         rating, Laren); under swiss it must begin with 3 or more, or 29\n"
    "  --points W,D,L         win, draw, loss: one digit each (not with chess notation or\n"
    "                         KNDB-Delfts)\n"
    "  --plus-minus-draws P,M|off  plus-draw and minus-draw points, one digit each; switching\n"
    "                         them on sets the points to 4,2,0 and off to 2,1,0 first, so\n"
    "                         --points comes after it\n"
    "  --chess-notation yes|no  points 2,1,0 shown as 1, 1/2, 0; clears KNDB-Delfts\n"
    "  --kndb-delfts yes|no   points 4,2,0 with plus-draw 3 and minus-draw 1; clears chess\n"
    "                         notation\n"
    "  --fmjd-rating yes|no   the FMJD rating is the rating in use; every player's rating is\n"
    "                         reset from the chosen source\n"
    "  --four-player-teams yes|no  results are board points (Swiss systems only)\n"
    "  --colour-dominant yes|no    colour balance dominates the pairing (Swiss systems)\n"
    "  --max-colour-difference N   0-9 (only with colour dominant)\n"
    "  --keizer W,D,L,ABSENT  Keizer percentages, 0-999 each (Keizer only, as the fields below)\n"
    "  --keizer-first N       value of the first place, 0-999\n"
    "  --keizer-step N        decrease from place to place, 0-999\n"
    "  --keizer-optimise yes|no  optimise the values\n"
    "  --keizer-passes N      calculation passes when not optimising, 0-999\n"
    "  --average-weights OWN,OPP  weights of the own and opponents' average, 0-9 each\n"
    "                         (average system only, as the three place-pairing values)\n"
    "  --weigh-opponents yes|no  weigh the opponents' average\n"
    "  --place-min-games N, --place-max-distance N, --place-round-gap N  0-1000 each\n"
    "  --rating-method own-start|performance|fixed-start  (rating system only, as below)\n"
    "  --starting-rating N    0-9999\n"
    "  --correction-factor N  0-9999\n"
    "  --laren-base N         10-750 in steps of 10 (Laren system only)\n"
    "  --bye yes|no           an odd number of players to pair gives one a bye instead of\n"
    "                         refusing (not the round robin, which pairs everyone)\n"
    "  --bye-score win|draw|nothing  what a bye scores (only with the bye on)";

bool PasInstellingenToe(Competitie& c, const Argumenten& a, std::ostream& waarschuwingen) {
    bool gegeven = false;
    for (const auto& o : InstellingOpties())
        if (a.Waarde(o)) gegeven = true;
    if (!gegeven) return false;

    // No FMJD list files offered here, so the program-wide FMJD 64 switch stays as it is; the
    // test options are shown so that OK keeps them.
    Instellingenscherm s(c, false, c.Opties.FMJD64(), true);
    s.Open();
    auto& v = s.Invoer();
    const auto& z = s.Zicht();
    if (auto w = a.Waarde("--system")) s.KiesSysteem(SysteemVan(*w));

    const auto schaak = JaNee(a, "--chess-notation"), kndb = JaNee(a, "--kndb-delfts");
    if (schaak.value_or(false) && kndb.value_or(false))
        throw Gebruiksfout("--chess-notation yes and --kndb-delfts yes exclude each other");
    if (schaak) s.ZetSchaaknotatie(*schaak);
    if (kndb) s.ZetKNDBDelfts(*kndb);

    const char* kNotatie = "chess notation and KNDB-Delfts fix the points";
    if (auto w = a.Waarde("--plus-minus-draws")) {
        Vereist(z.Puntvelden, "--plus-minus-draws", kNotatie);
        if (*w == "off") {
            s.ZetPlusMin(false);
        } else {
            const auto d = Delen("--plus-minus-draws", *w, 2);
            s.ZetPlusMin(true);
            v.PlusRemise = d[0], v.MinRemise = d[1];
        }
    }
    if (auto w = a.Waarde("--points")) {
        Vereist(z.Puntvelden, "--points", kNotatie);
        const auto d = Delen("--points", *w, 3);
        v.Winst = d[0], v.Remise = d[1], v.Verlies = d[2];
    }
    if (auto w = a.Waarde("--sort")) {
        Vereist(z.Sorteervolgorde, "--sort", "this calculation system ranks without a sort order");
        s.ZetSorteervolgorde(*w == "none" ? "" : *w);
    }
    if (auto b = JaNee(a, "--fmjd-rating")) s.ZetFMJDRating(*b);

    const char* kZwitsers = "only under a Swiss system";
    if (auto b = JaNee(a, "--four-player-teams")) {
        Vereist(z.Zwitsers, "--four-player-teams", kZwitsers);
        v.Viertallen = *b;
    }
    if (auto b = JaNee(a, "--colour-dominant")) {
        Vereist(z.Zwitsers, "--colour-dominant", kZwitsers);
        s.ZetKleurDominant(*b);
    }
    if (auto w = a.Waarde("--max-colour-difference")) {
        Vereist(z.Zwitsers && z.MaxKleurverschil, "--max-colour-difference",
                "only with --colour-dominant yes under a Swiss system");
        v.MaxKleurverschil = *w;
    }

    const char* kKeizer = "only under the Keizer system";
    if (auto w = a.Waarde("--keizer")) {
        Vereist(z.Keizer, "--keizer", kKeizer);
        const auto d = Delen("--keizer", *w, 4);
        v.KeizerWinst = d[0], v.KeizerRemise = d[1], v.KeizerVerlies = d[2];
        v.KeizerNietGespeeld = d[3];
    }
    for (auto [optie, veld] : {std::pair{"--keizer-first", &Instellingsvelden::PuntenNr1},
                               std::pair{"--keizer-step", &Instellingsvelden::Afloopfactor},
                               std::pair{"--keizer-passes", &Instellingsvelden::KerenRekenen}})
        if (auto w = a.Waarde(optie)) {
            Vereist(z.Keizer, optie, kKeizer);
            v.*veld = *w;
        }
    if (auto b = JaNee(a, "--keizer-optimise")) {
        Vereist(z.Keizer, "--keizer-optimise", kKeizer);
        v.Optimaliseren = *b;
    }

    const char* kMoyenne = "only under the average system";
    if (auto w = a.Waarde("--average-weights")) {
        Vereist(z.Moyenne, "--average-weights", kMoyenne);
        const auto d = Delen("--average-weights", *w, 2);
        v.WegingEigen = d[0], v.WegingTegen = d[1];
    }
    if (auto b = JaNee(a, "--weigh-opponents")) {
        Vereist(z.Moyenne, "--weigh-opponents", kMoyenne);
        v.Wegen = *b;
    }
    for (auto [optie, veld] : {std::pair{"--place-min-games", Huizumveld::MinWed},
                               std::pair{"--place-max-distance", Huizumveld::PlaatsAfstand},
                               std::pair{"--place-round-gap", Huizumveld::Geleden}})
        if (auto w = a.Waarde(optie)) {
            Vereist(z.Moyenne, optie, kMoyenne);
            if (!s.ZetHuizum(veld, Spinwaarde(*w)))
                throw Weigering(lang::Tekst(lang::T::GeenGeldigGetal));
        }

    const char* kRating = "only under the rating system";
    if (auto w = a.Waarde("--rating-method")) {
        Vereist(z.Rating, "--rating-method", kRating);
        bool gevonden = false;
        for (uint16_t m = 0; m < kRatingmethoden.size(); ++m)
            if (*w == kRatingmethoden[m]) v.Ratingmethode = m, gevonden = true;
        if (!gevonden)
            throw Gebruiksfout("--rating-method takes own-start, performance or fixed-start");
    }
    if (auto w = a.Waarde("--starting-rating")) {
        Vereist(z.Rating, "--starting-rating", kRating);
        v.Aanvangsrating = *w;
    }
    if (auto w = a.Waarde("--correction-factor")) {
        Vereist(z.Rating, "--correction-factor", kRating);
        v.Correctiefactor = *w;
    }

    if (auto w = a.Waarde("--laren-base")) {
        Vereist(z.LarenBasis, "--laren-base", "only under the Laren system");
        const int basis = Spinwaarde(*w);
        if (!GeldigeLarenBasis(basis)) throw Weigering(lang::Tekst(lang::T::GeenGeldigGetal));
        v.LarenBasis = basis;
    }

    if (auto b = JaNee(a, "--bye")) s.ZetVrijBijOneven(*b);
    if (auto w = a.Waarde("--bye-score")) {
        Vereist(z.VrijScore, "--bye-score", "only with --bye yes");
        bool gevonden = false;
        for (std::size_t i = 0; i < kVrijscores.size(); ++i)
            if (*w == kVrijscores[i]) v.VrijScore = static_cast<Vrijscore>(i), gevonden = true;
        if (!gevonden) throw Gebruiksfout("--bye-score takes win, draw or nothing");
    }

    WeigerendGesprek gesprek;
    if (!s.Ok(gesprek)) throw Weigering(lang::Tekst(lang::T::GeenGeldigGetal));
    s.Sluit();
    for (const auto& w : gesprek.Waarschuwingen) waarschuwingen << w << '\n';
    return true;
}

Json InstellingenJson(const Competitie& c) {
    const trekenopties& o = c.Opties;
    const std::string volgorde = o.Sorteervolgorde ? std::to_string(o.Sorteervolgorde) : "";
    Json criteria = Json::array();
    for (char ch : volgorde) criteria.push_back(ch - '0');
    return Json{
        {"system",
         {{"number", o.Rekensysteem},
          {"key", SysteemSleutel(o.Rekensysteem)},
          {"name", lang::SysteemNaam(o.Rekensysteem)}}},
        {"sort_order",
         {{"value", o.Sorteervolgorde},
          {"criteria", criteria},
          {"legend", Trim(SorteerLegenda(volgorde))}}},
        {"points",
         {{"win", o.PuntenWinst},
          {"draw", o.PuntenRemise},
          {"loss", o.PuntenVerlies},
          {"plus_draw", o.PuntenPlusRemise},
          {"minus_draw", o.PuntenMinRemise}}},
        {"chess_notation", o.Schaaknotatie()},
        {"kndb_delfts", o.KNDBDelfts()},
        {"fmjd_rating", o.FMJDRatingHanteren()},
        {"fmjd64", o.FMJD64()},
        {"test_options", o.Testopties()},
        {"alternative_resistance_pairing", o.AlternatieveWeerstandparing()},
        {"four_player_teams", o.Viertallentoernooi},
        {"colour_dominant", o.KleurDominant != 0},
        {"max_colour_difference", o.MaxKleurverschil},
        {"keizer",
         {{"win", o.KeizerWinst},
          {"draw", o.KeizerRemise},
          {"loss", o.KeizerVerlies},
          {"absent", o.KeizerNietGespeeld},
          {"first", o.PuntenNr1},
          {"step", o.Afloopfactor},
          {"optimise", o.NietOptimaliseren == 0},
          {"passes", o.KerenRekenen}}},
        {"average",
         {{"own_weight", o.WegingEigen},
          {"opponents_weight", o.WegingTegen},
          {"weigh_opponents", o.NietWegen == 0}}},
        {"rating",
         {{"method", o.Ratingmethode < kRatingmethoden.size()
                         ? Json(kRatingmethoden[o.Ratingmethode])
                         : Json(o.Ratingmethode)},
          {"starting_rating", o.Aanvangsrating},
          {"correction_factor", o.Correctiefactor}}},
        {"bye",
         {{"odd_number", o.VrijBijOneven()},
          {"score", kVrijscores[static_cast<std::size_t>(o.VrijScore())]}}},
        {"laren_base", c.LarenBasis},
        {"place_pairing",
         {{"min_games", c.MinWed},
          {"max_place_distance", c.PlaatsAfstand},
          {"round_gap", c.Geleden}}},
        {"tournament_name", o.Toernooinaam},
        {"standings_up_to_date", o.IsActueel()},
    };
}

void InstellingOpdrachten(std::vector<Opdracht>& t) {
    auto opties = InstellingOpties();
    t.push_back(
        {"settings",
         "settings FILE.xv7 [OPTIONS] [--json]",
         std::string(
             "Prints the scoring settings of the open group. With options, changes them as\n"
             "the settings dialog's OK does, with the same reactions (a system choice that\n"
             "resets the sort order, notation that fixes the points), and saves. The\n"
             "program's refusals come with its own text and exit status 1: a field that\n"
             "holds no number or more digits than it takes, a value off its scale. An\n"
             "option the dialog does not offer for the system chosen is a usage error.\n"
             "After a refusal the file is left as it was. Under the Swiss system a sort\n"
             "order that does not begin with a criterion of 3 or more becomes 47, with\n"
             "the program's warning on stderr, as in the dialog.\n\nOptions:\n") +
             kInstellingGebruik,
         opties,
         {"--json"},
         Instellingen});
}

} // namespace velkaro::cli
