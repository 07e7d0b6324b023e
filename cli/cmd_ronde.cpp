// velkaro-cli round list|new|insert|delete: the rounds of the open group, through the rounds
// dialog's own rules.
#include "cli/context.h"
#include "cli/json.h"
#include "entry/rondescherm.h"
#include "lang/teksten.h"
#include "model/systeem.h"

#include <cctype>

namespace velkaro::cli {

namespace {

void Toon(Competitie& c, Uitvoer& u) {
    const int32_t huidig = HuidigeRonde(c);
    for (const auto& r : c.Rondes)
        u.out << (r->Rondenummer() == huidig ? "* " : "  ") << RondeRegel(r->G()) << '\n';
}

int Lijst(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    Competitie c;
    OpenLezen(c, a.Positie(0, "FILE"), u.err);
    if (!a.Vlag("--json")) {
        Toon(c, u);
        return 0;
    }
    const int32_t huidig = HuidigeRonde(c);
    Json rondes = Json::array();
    for (const auto& r : c.Rondes)
        rondes.push_back({{"round", r->Rondenummer()},
                          {"date", r->G().Datum},
                          {"matches", r->G().AantalWedstrijden},
                          {"results", r->G().AantalUitslagen},
                          {"current", r->Rondenummer() == huidig}});
    SchrijfJson(u.out, Json{{"rounds", rondes}});
    return 0;
}

// A round date as the program writes it: dd-mm-yyyy, a day that exists.
void ControleerDatum(const Argumenten& a) {
    const auto d = a.Waarde("--date");
    if (!d) return;
    bool goed = d->size() == 10 && (*d)[2] == '-' && (*d)[5] == '-';
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        goed = goed && std::isdigit(static_cast<unsigned char>((*d)[i]));
    if (goed) {
        const int dag = std::stoi(d->substr(0, 2)), maand = std::stoi(d->substr(3, 2)),
                  jaar = std::stoi(d->substr(6, 4));
        goed = BestaandeDatum(dag, maand, jaar);
    }
    if (!goed) throw Gebruiksfout("--date " + *d + ": " + lang::Tekst(lang::T::OngeldigeDatum));
}

int Nieuw(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    ControleerDatum(a);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    SysteemKlok klok;
    const int32_t r = NieuweRonde(c, klok);
    if (auto datum = a.Waarde("--date")) c.Rondes.ZetRondeDatum(r, *datum);
    Bewaar(c);
    u.out << r << '\t' << c.Rondes.geef_datum(r) << '\n';
    return 0;
}

int Invoegen(const Argumenten& a, Uitvoer& u) {
    a.Aantal(2);
    ControleerDatum(a);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    const int32_t r = BestaandeRonde(c, a.Positie(1, "ROUND"));
    SysteemKlok klok;
    VoegRondeIn(c, r, klok);
    if (auto datum = a.Waarde("--date")) c.Rondes.ZetRondeDatum(r, *datum);
    Bewaar(c);
    Toon(c, u);
    return 0;
}

int Verwijder(const Argumenten& a, Uitvoer& u) {
    a.Aantal(2);
    if (a.Vlag("--yes") && a.Vlag("--keep-matches"))
        throw Gebruiksfout(
            "--yes deletes the round's matches, --keep-matches keeps them: not both");
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    const int32_t r = BestaandeRonde(c, a.Positie(1, "ROUND"));
    CliGesprek gesprek(u.err);
    if (a.Vlag("--yes")) gesprek.Antwoorden = Antwoord::Ja;
    if (a.Vlag("--keep-matches")) gesprek.Antwoorden = Antwoord::Nee;
    gesprek.AntwoordOpties = "--yes | --keep-matches";
    if (VerwijderRonde(c, r, gesprek) != RondeWeg::Verwijderd) return 1;
    Bewaar(c);
    Toon(c, u);
    return 0;
}

} // namespace

void RondeOpdrachten(std::vector<Opdracht>& t) {
    t.push_back({"round list",
                 "round list FILE.xv7 [--json]",
                 "Lists the rounds: number, date, matches, [results]; * marks the round the\n"
                 "program would open for result entry.",
                 {},
                 {"--json"},
                 Lijst});
    t.push_back({"round new",
                 "round new FILE.xv7 [--date DD-MM-YYYY]",
                 "Adds a round after the last one, dated today (dd-mm-yyyy) unless --date is\n"
                 "given.",
                 {"--date"},
                 {},
                 Nieuw});
    t.push_back({"round insert",
                 "round insert FILE.xv7 ROUND [--date DD-MM-YYYY]",
                 "Inserts an empty round before ROUND: that round and the later ones move one\n"
                 "up with their matches.",
                 {"--date"},
                 {},
                 Invoegen});
    t.push_back({"round delete",
                 "round delete FILE.xv7 ROUND --yes | --keep-matches",
                 "Deletes a round. The program asks whether the round's matches go too: --yes\n"
                 "deletes them, --keep-matches keeps them (they join the round before; refused\n"
                 "for the only round of a group with matches). The later rounds move one down.",
                 {},
                 {"--yes", "--keep-matches"},
                 Verwijder});
}

} // namespace velkaro::cli
