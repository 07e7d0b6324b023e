// velkaro-cli report: every report kind, to standard output as the screen shows it or to a
// report file in one of the five formats.
#include "cli/context.h"
#include "entry/bestandsfout.h"
#include "lang/teksten.h"
#include "model/systeem.h"
#include "model/tekst.h"
#include "reports/kader.h"
#include "reports/rapport.h"
#include "reports/rapportdialoog.h"

namespace velkaro::cli {

namespace {

// The screen view on standard output.
class StroomScherm final : public Regelscherm {
public:
    explicit StroomScherm(std::ostream& out) : out_(out) {}
    void VoegToe(const std::string& regel) override { out_ << regel << '\n'; }

private:
    std::ostream& out_;
};

Bestandsformaat LeesFormaat(const std::string& s) {
    if (s == "txt") return Bestandsformaat::Tekst;
    if (s == "tab") return Bestandsformaat::Tab;
    if (s == "csv") return Bestandsformaat::Komma;
    if (s == "html") return Bestandsformaat::Html;
    if (s == "rtf") return Bestandsformaat::Rtf;
    throw Gebruiksfout("--format takes txt, tab, csv, html or rtf");
}

Rapportsoort LeesSoort(const std::string& s) {
    if (auto soort = SoortVanNaam(s)) return *soort;
    throw Gebruiksfout("--kind takes " + Soortnamen());
}

void LeesSerie(Serieopties& s, const std::string& lijst) {
    s.Stand = s.Voortschrijding = s.Tegenstander = s.Categorie = false;
    std::size_t begin = 0;
    while (begin <= lijst.size()) {
        std::size_t eind = lijst.find(',', begin);
        if (eind == std::string::npos) eind = lijst.size();
        const std::string naam = Trim(lijst.substr(begin, eind - begin));
        if (naam == "ranking")
            s.Stand = true;
        else if (naam == "progress")
            s.Voortschrijding = true;
        else if (naam == "opponents")
            s.Tegenstander = true;
        else if (naam == "categories")
            s.Categorie = true;
        else if (!naam.empty())
            throw Gebruiksfout("unknown list '" + naam +
                               "'; --lists takes ranking, progress, opponents and categories");
        begin = eind + 1;
    }
}

Afdrukopties LeesAfdrukopties(const std::string& lijst) {
    const Afdrukoptielijst l = LeesAfdrukoptielijst(lijst);
    if (l.Onbekend)
        throw Gebruiksfout("unknown report option '" + *l.Onbekend + "'; the options are " +
                           AfdrukoptieNamen());
    return l.Opties;
}

int Rapport(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    const auto uit = a.Waarde("-o");
    const auto formaatTekst = a.Waarde("--format");
    if (formaatTekst && !uit && *formaatTekst != "txt")
        throw Gebruiksfout("--format " + *formaatTekst + " needs -o OUT");
    if (a.Vlag("--overwrite") && a.Vlag("--append"))
        throw Gebruiksfout("--overwrite and --append exclude each other");
    const Bestandsformaat formaat =
        formaatTekst ? LeesFormaat(*formaatTekst) : FormaatVanNaam(uit.value_or(""));
    if (a.Vlag("--append") && (formaat == Bestandsformaat::Html || formaat == Bestandsformaat::Rtf))
        throw Gebruiksfout("--append is for txt, tab and csv reports only");

    ControleerRondebereik(a);
    Competitie c;
    // Without a save the command only reads: it shares the lock and warns of damage.
    if (a.Vlag("--no-save"))
        OpenLezen(c, a.Positie(0, "FILE"), u.err);
    else
        Open(c, a.Positie(0, "FILE"), u.err);
    if (uit && IsEigenBestand(c, *uit))
        throw Weigering(lang::Tekst(lang::T::UitvoerIsCompetitiebestand) + ": " + *uit);
    Rapportopties o = StandaardRapportopties(c);
    if (auto s = a.Waarde("--kind")) o.Soort = LeesSoort(*s);
    if (auto l = a.Waarde("--options")) o.Afdrukken = LeesAfdrukopties(*l);
    if (auto t = a.Waarde("--title-text")) o.VasteTekst = *t;
    if (auto t = a.Waarde("--once-text")) o.EenmaligeTekst = *t;
    const auto van = a.Getal("--from", 0, 999), tot = a.Getal("--to", 0, 999);
    if (o.Soort == Rapportsoort::UitslagenEnRooster) {
        // The results and schedule take the rounds to show, not a standings range.
        if (van) o.UitslagVan = static_cast<int32_t>(*van);
        if (tot) o.UitslagTot = static_cast<int32_t>(*tot);
        if (van && !tot) o.UitslagTot = o.UitslagVan;
    } else {
        if (van) o.VanRonde = static_cast<int32_t>(*van);
        if (tot) o.TotRonde = static_cast<int32_t>(*tot);
    }
    if (a.Vlag("--game-numbers")) o.Wedstrijdnummer = true;
    if (a.Vlag("--board-numbers")) o.Tafelnummer = true;
    if (a.Vlag("--earlier-info")) o.InfoEerdereRonde = true;
    if (auto l = a.Waarde("--lists")) LeesSerie(o.Serie, *l);
    if (auto g = a.Getal("--groups-from", 1, 99999))
        o.Serie.VanCompetitie = static_cast<int32_t>(*g);
    if (auto g = a.Getal("--groups-to", 1, 99999)) o.Serie.TotCompetitie = static_cast<int32_t>(*g);
    if (o.Serie.VanCompetitie && o.Serie.TotCompetitie &&
        *o.Serie.VanCompetitie > *o.Serie.TotCompetitie)
        throw Gebruiksfout("--groups-from --groups-to: " + lang::Tekst(lang::T::LeegGroepenbereik));
    // The series reads the other groups from their files: a damaged one is written as far as
    // it goes, and the command says so and fails (a read-only run has warned already).
    bool serieSchade = false;
    if (o.Soort == Rapportsoort::MeerdereLijsten)
        for (const auto& g : c.Groepen) {
            const int32_t n = g->G().Competitienummer;
            if (g->G().Bestandsnummer == c.HuidigeDeelcomp ||
                n < o.Serie.VanCompetitie.value_or(n) || n > o.Serie.TotCompetitie.value_or(n))
                continue;
            for (const auto& s : ControleerGroep(c, g->G().Bestandsnummer).Schade) {
                if (!a.Vlag("--no-save"))
                    u.err << lang::Tekst(lang::T::Waarschuwing) << ": " << SchadeTekst(s) << '\n';
                serieSchade = true;
            }
        }
    if (auto v = a.Waarde("--sort")) {
        if (*v == "name")
            o.Volgorde = Deelnemersvolgorde::Naam;
        else if (*v == "rating")
            o.Volgorde = Deelnemersvolgorde::Rating;
        else if (*v == "number")
            o.Volgorde = Deelnemersvolgorde::Lotingnummer;
        else
            throw Gebruiksfout("--sort takes name, rating or number");
    }
    if (auto l = a.Waarde("--players")) {
        std::vector<int32_t> intern;
        for (int32_t n : GetallenArgument(*l, "--players", 9999))
            intern.push_back(SpelerMetLoting(c, n).InternNummer());
        o.Geschiedenis = intern;
    }
    if (auto m = a.Getal("--min-games", 0, 999)) o.MinimumWedstrijden = static_cast<int32_t>(*m);
    // The load computed silently with the proposed range, so the ranking is always computed
    // anew. The previous places move up only when the data changed since the last ranking, as
    // they do in the desktop program, so that running a report twice keeps them.
    o.VorigeNoteringAanpassen = !c.Opties.IsActueel();
    o.Herberekenen = true;
    // The FMJD block names the list in use and takes the players' names from it.
    Ratinglijsten lijsten;
    if (o.Soort == Rapportsoort::FMJDTabel || o.Afdrukken.FMJDInfo) {
        lijsten = LaadRatinglijsten(c);
        GebruikFMJDLijst(o, lijsten.FMJD);
    }

    CliGesprek gesprek(u.err);
    if (a.Vlag("--overwrite")) gesprek.Antwoorden = Antwoord::Ja;
    if (a.Vlag("--append")) gesprek.Antwoorden = Antwoord::Nee;
    gesprek.AntwoordOpties = "--overwrite | --append";
    TUitvoerObject uitvoer(gesprek);
    uitvoer.Rtffont = c.Opmaakfont;
    uitvoer.Printfont = c.Vastfont;
    if (a.Vlag("--landscape") || !c.Staand)
        uitvoer.ZetLiggend();
    else
        uitvoer.ZetStaand();
    SysteemKlok klok;

    bool gelukt = true;
    if (uit) {
        if (!uitvoer.OpenUitvoerbestand(*uit, formaat, Rapportnaam(c, o.Soort))) return 1;
        MaakRapport(c, o, uitvoer, klok);
        gelukt = uitvoer.SluitUitvoerbestand();
    } else {
        StroomScherm scherm(u.out);
        uitvoer.StartScherm(scherm);
        MaakRapport(c, o, uitvoer, klok);
        uitvoer.EindeScherm();
    }
    if (!a.Vlag("--no-save")) Bewaar(c);
    if (gelukt && uit) u.out << *uit << '\n';
    return gelukt && !serieSchade ? 0 : 1;
}

} // namespace

void RapportOpdrachten(std::vector<Opdracht>& t) {
    t.push_back(
        {"report",
         "report FILE.xv7 [--kind " + Soortnamen() +
             "] [--format txt|tab|csv|html|rtf] [--from R] [--to R] [--min-games N] "
             "[--options LIST] [--title-text TEXT] [--once-text TEXT] [--game-numbers] "
             "[--board-numbers] [--earlier-info] [--lists LIST] [--groups-from N] "
             "[--groups-to N] [--sort name|rating|number] [--players N,N,...] [--landscape] "
             "[-o OUT [--overwrite|--append]] [--no-save]",
         "Computes the standings over the rounds --from to --to (default: the first round to the\n"
         "last with results; --min-games N ranks players with fewer games last) and writes the\n"
         "report of --kind (default ranking):\n"
         "  ranking       the ranking list, with cross table and statistics as --options asks\n"
         "  progress      the cumulative points after every round\n"
         "  opponents     each player's opponent per round (their places; colour-per-player\n"
         "                adds w or z)\n"
         "  categories    the ranking list once per category\n"
         "  results       the matches of the rounds --from to --to (default the last round):\n"
         "                --game-numbers, --board-numbers, the options number (drawing numbers),\n"
         "                results (the result column), next-round (the round after as well) and\n"
         "                colour-per-player (the players by name with colour and board);\n"
         "                --earlier-info adds the points before the round and repeated meetings\n"
         "  series        for every group from --groups-from to --groups-to (default all) the\n"
         "                lists of --lists: ranking (default), progress, opponents, categories\n"
         "  participants  every player, --sort name (default), rating or number\n"
         "  history       the games of the players --players (drawing numbers; default all)\n"
         "  norms         the FMJD norm table\n"
         "Without -o it goes to standard output as the\n"
         "screen shows it; with -o OUT it is written to a Windows-1252 file whose format is\n"
         "--format, else the extension of OUT (.rtf, .htm/.html, .tab, .csv, otherwise text).\n"
         "An existing OUT is replaced only with --overwrite; --append adds to a txt/tab/csv file.\n"
         "--options replaces the competition's report options by a comma list of:\n  " +
             AfdrukoptieNamen() +
             "\n(the ranking list uses previous, matrix, statistics, place, category, colours,\n"
             "totals, tournament, fmjd, fmjd-title, national-title and country; the participants\n"
             "also number, rating and second-rating). --title-text is the fixed text above the\n"
             "report, --once-text\n"
             "a text for this report only; --landscape lays an RTF page landscape.\n"
             "The competition is saved afterwards (the standings and places), unless --no-save.",
         {"--kind", "--format", "--from", "--to", "--min-games", "--options", "--title-text",
          "--once-text", "--lists", "--groups-from", "--groups-to", "--sort", "--players", "-o"},
         {"--landscape", "--overwrite", "--append", "--no-save", "--game-numbers",
          "--board-numbers", "--earlier-info"},
         Rapport});
}

} // namespace velkaro::cli
