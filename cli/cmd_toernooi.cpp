// velkaro-cli tournament: the tournament name and particulars of the open group, shown and
// changed through the tournament data dialog's own logic (entry/toernooigegevens).
#include "cli/context.h"
#include "cli/instellingsopties.h"
#include "entry/toernooigegevens.h"
#include "lang/teksten.h"
#include "model/tekst.h"

#include <array>

namespace velkaro::cli {

namespace {

// The options of the sixteen particulars, in file order, with the label the text shows.
struct Veldoptie {
    const char* Optie;
    const char* Label;
    std::string Toernooigegevens::*Veld;
};
using T = Toernooigegevens;
const std::array<Veldoptie, Toernooigegevens::kAantal> kVelden{{
    {"--from", "From", &T::SpeelVan},
    {"--to", "To", &T::SpeelTot},
    {"--place", "Place", &T::SpeelPlaats},
    {"--country", "Country", &T::SpeelLand},
    {"--organiser-name", "Organiser", &T::WLNaam},
    {"--organiser-address", "  address", &T::WLAdres},
    {"--organiser-city", "  city", &T::WLWoonplaats},
    {"--organiser-phone", "  phone", &T::WLTelefoon},
    {"--organiser-email", "  e-mail", &T::WLEmail},
    {"--arbiter-name", "Chief arbiter", &T::ARNaam},
    {"--arbiter-address", "  address", &T::ARAdres},
    {"--arbiter-city", "  city", &T::ARWoonplaats},
    {"--arbiter-phone", "  phone", &T::ARTelefoon},
    {"--arbiter-email", "  e-mail", &T::AREmail},
    {"--assistant-arbiters", "Assistant arbiters", &T::Hulparbiters},
    {"--time-control", "Time control", &T::Speeltempo},
}};

// A date for the mask ##-##-####: digits, dashes and blanks making a date that exists; empty
// clears it. Returns the date as YYYYMMDD (0 when empty), for comparing --from with --to.
long ControleerDatum(const std::string& optie, const std::string& tekst) {
    std::string cijfers;
    for (char ch : tekst) {
        if (!(ch >= '0' && ch <= '9') && ch != '-' && ch != ' ')
            throw Gebruiksfout(optie + " " + tekst + ": " + lang::Tekst(lang::T::OngeldigeDatum));
        if (ch != '-' && ch != ' ') cijfers += ch;
    }
    if (cijfers.empty()) return 0;
    const int dag = cijfers.size() == 8 ? std::stoi(cijfers.substr(0, 2)) : 0;
    const int maand = cijfers.size() == 8 ? std::stoi(cijfers.substr(2, 2)) : 0;
    const int jaar = cijfers.size() == 8 ? std::stoi(cijfers.substr(4, 4)) : 0;
    if (!BestaandeDatum(dag, maand, jaar))
        throw Gebruiksfout(optie + " " + tekst + ": " + lang::Tekst(lang::T::OngeldigeDatum));
    return jaar * 10000L + maand * 100L + dag;
}

// The stored date (digits DDMMYYYY) as YYYYMMDD; 0 when it is no whole date.
long Datumwaarde(const std::string& cijfers) {
    if (cijfers.size() != 8 || cijfers.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stol(cijfers.substr(4, 4)) * 10000L + std::stol(cijfers.substr(2, 2)) * 100L +
           std::stol(cijfers.substr(0, 2));
}

std::string Datum(const std::string& cijfers) {
    return cijfers.empty() ? std::string() : DatumMetStreepjes(cijfers);
}

int Toernooi(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    if (PasToernooiToe(c, a)) Bewaar(c);
    if (a.Vlag("--json")) {
        SchrijfJson(u.out, ToernooiJson(c));
        return 0;
    }
    u.out << VulRechts("Name:", 20) << c.Opties.Toernooinaam << '\n';
    for (const auto& v : kVelden) {
        const std::string& w = c.Toernooi.*v.Veld;
        const bool datum = v.Veld == &T::SpeelVan || v.Veld == &T::SpeelTot;
        u.out << VulRechts(std::string(v.Label) + ":", 20) << (datum ? Datum(w) : w) << '\n';
    }
    return 0;
}

} // namespace

const std::set<std::string>& ToernooiOpties() {
    static const std::set<std::string> opties = [] {
        std::set<std::string> o{"--name"};
        for (const auto& v : kVelden) o.insert(v.Optie);
        return o;
    }();
    return opties;
}

const char* const kToernooiGebruik =
    "  --name TEXT            tournament name (also the group's title)\n"
    "  --from DD-MM-YYYY, --to DD-MM-YYYY  playing dates; only the digits are kept\n"
    "  --place TEXT, --country TEXT\n"
    "  --organiser-name|-address|-city|-phone|-email TEXT  organisation\n"
    "  --arbiter-name|-address|-city|-phone|-email TEXT    chief arbiter\n"
    "  --assistant-arbiters TEXT, --time-control TEXT";

bool PasToernooiToe(Competitie& c, const Argumenten& a) {
    bool gegeven = false;
    for (const auto& o : ToernooiOpties())
        if (a.Waarde(o)) gegeven = true;
    if (!gegeven) return false;
    for (const char* d : {"--from", "--to"})
        if (auto w = a.Waarde(d)) ControleerDatum(d, *w);
    Toernooischerm s(c);
    s.Open();
    if (auto w = a.Waarde("--name")) s.Velden().Toernooinaam = *w;
    for (const auto& v : kVelden)
        if (auto w = a.Waarde(v.Optie)) s.Velden().Gegevens.*v.Veld = *w;
    // The range as it will be kept, a date given with one already stored included.
    const long van = a.Waarde("--from") ? ControleerDatum("--from", *a.Waarde("--from"))
                                        : Datumwaarde(c.Toernooi.SpeelVan);
    const long tot = a.Waarde("--to") ? ControleerDatum("--to", *a.Waarde("--to"))
                                      : Datumwaarde(c.Toernooi.SpeelTot);
    if (van != 0 && tot != 0 && van > tot)
        throw Gebruiksfout("--from --to: " + lang::Tekst(lang::T::DatumVolgorde));
    s.Ok();
    return true;
}

Json ToernooiJson(const Competitie& c) {
    const T& g = c.Toernooi;
    auto persoon = [](const std::string& naam, const std::string& adres, const std::string& plaats,
                      const std::string& telefoon, const std::string& email) {
        return Json{{"name", naam},
                    {"address", adres},
                    {"city", plaats},
                    {"phone", telefoon},
                    {"email", email}};
    };
    return Json{
        {"name", c.Opties.Toernooinaam},
        {"from", Datum(g.SpeelVan)},
        {"to", Datum(g.SpeelTot)},
        {"place", g.SpeelPlaats},
        {"country", g.SpeelLand},
        {"organiser", persoon(g.WLNaam, g.WLAdres, g.WLWoonplaats, g.WLTelefoon, g.WLEmail)},
        {"chief_arbiter", persoon(g.ARNaam, g.ARAdres, g.ARWoonplaats, g.ARTelefoon, g.AREmail)},
        {"assistant_arbiters", g.Hulparbiters},
        {"time_control", g.Speeltempo},
    };
}

void ToernooiOpdrachten(std::vector<Opdracht>& t) {
    t.push_back(
        {"tournament",
         "tournament FILE.xv7 [OPTIONS] [--json]",
         std::string(
             "Prints the tournament data of the open group. With options, changes them as\n"
             "the tournament data dialog's OK does (the name becomes the group's title) and\n"
             "saves; an empty value clears a field.\n\nOptions:\n") +
             kToernooiGebruik,
         ToernooiOpties(),
         {"--json"},
         Toernooi});
}

} // namespace velkaro::cli
