#include "cli/spelervelden.h"

#include "cli/context.h"
#include "entry/ratingkeuze.h"
#include "lang/teksten.h"
#include "model/tekst.h"
#include "storage/codepagina.h"

#include <algorithm>

#include <array>
#include <climits>

namespace velkaro::cli {

namespace {

int Titel(const std::string& tekst, const std::array<const char*, 4>& namen, const char* optie) {
    for (std::size_t i = 0; i < namen.size(); ++i)
        if (Hoofdletters(tekst) == Hoofdletters(namen[i])) return static_cast<int>(i);
    throw Gebruiksfout(std::string(optie) + " takes " + namen[0] + ", " + namen[1] + ", " +
                       namen[2] + " or " + namen[3]);
}

bool JaNee(const std::string& tekst, const char* optie) {
    if (tekst == "yes") return true;
    if (tekst == "no") return false;
    throw Gebruiksfout(std::string(optie) + " takes yes or no");
}

} // namespace

const std::set<std::string>& SpelerveldOpties() {
    static const std::set<std::string> opties{
        "--name",      "--short",      "--place",     "--country",  "--rating", "--fmjd-rating",
        "--fmjd-id",   "--categories", "--barrage",   "--number",   "--title",  "--fmjd-title",
        "--standings", "--pairing",    "--from-list", "--from-fmjd"};
    return opties;
}

const char* const kSpelerveldGebruik =
    "[--name NAME] [--short CODE] [--place P] [--country C] [--rating N]\n"
    "         [--fmjd-rating N] [--fmjd-id N] [--categories LETTERS] [--barrage N] [--number N]\n"
    "         [--title none|cMN|MN|GMN] [--fmjd-title none|MF|MI|GMI] [--standings yes|no]\n"
    "         [--pairing yes|no] [--from-list TEXT] [--from-fmjd ID]";

void VulSpelervelden(const Argumenten& a, Spelervelden& v) {
    if (auto n = a.Waarde("--name")) {
        if (Trim(*n).empty()) throw Gebruiksfout("--name cannot be empty");
        v.Naam = *n;
    }
    if (auto k = a.Waarde("--short")) v.Kort = *k;
    if (auto p = a.Waarde("--place")) v.Plaats = *p;
    if (auto l = a.Waarde("--country")) v.Land = *l;
    if (auto r = a.Getal("--rating", 0, 9999)) v.Rating = static_cast<int32_t>(*r);
    if (auto r = a.Getal("--fmjd-rating", 0, 9999)) v.FMJDRating = static_cast<int32_t>(*r);
    if (auto f = a.Waarde("--fmjd-id")) v.FMJDID = *f;
    if (auto b = a.Waarde("--barrage")) v.Barrage = *b;
    if (auto n = a.Waarde("--number")) v.LotingNr = *n;
    if (auto c = a.Waarde("--categories")) {
        if (AantalTekens(*c) > 4) throw Gebruiksfout("--categories takes at most four letters");
        v.Cat = CategorieVelden(*c);
    }
    if (auto t = a.Waarde("--title"))
        v.LokaleTitel = Titel(*t, {"none", "cMN", "MN", "GMN"}, "--title");
    if (auto t = a.Waarde("--fmjd-title"))
        v.FMJDTitel = Titel(*t, {"none", "MF", "MI", "GMI"}, "--fmjd-title");
    if (auto s = a.Waarde("--standings")) v.Stand = JaNee(*s, "--standings");
    if (auto s = a.Waarde("--pairing")) v.Rooster = JaNee(*s, "--pairing");
}

std::optional<Ratinglijsten> LijstenVoorOvername(const Argumenten& a, const Competitie& c) {
    const bool nationaal = a.Waarde("--from-list").has_value();
    const bool fmjd = a.Waarde("--from-fmjd").has_value();
    if (!nationaal && !fmjd) return std::nullopt;
    if (nationaal && fmjd) throw Gebruiksfout("give --from-list or --from-fmjd, not both");
    Ratinglijsten l = LaadRatinglijsten(c);
    std::string mappen;
    for (const auto& m : l.Mappen) mappen += (mappen.empty() ? "" : ", ") + m;
    if (nationaal && l.Nationaal.Spelers.empty())
        throw Weigering("--from-list: no national rating list is loaded (looked in " + mappen +
                        ")");
    if (fmjd && l.FMJD.Spelers.empty())
        throw Weigering("--from-fmjd: no FMJD rating list is loaded (looked in " + mappen + ")");
    return l;
}

void NeemUitLijstOver(const Argumenten& a, const Ratinglijsten& lijsten, const Competitie& c,
                      TInvoerSpelers& d) {
    if (auto tekst = a.Waarde("--from-list")) {
        Ratingkeuze keuze(lijsten.Nationaal);
        keuze.Filter(*tekst);
        if (keuze.Aantal() != 1)
            throw Weigering("--from-list \"" + *tekst + "\": " + std::to_string(keuze.Aantal()) +
                            " entries of " + lijsten.Nationaal.Bestand +
                            " match; give a text that only one matches");
        d.NeemNationaalOver(lijsten.Nationaal.Spelers[keuze.Index(0)],
                            lijsten.Nationaal.VolledigeKNDBLijst(), c.VolledigeVoornaam);
    }
    if (a.Waarde("--from-fmjd")) {
        const auto id = a.Getal("--from-fmjd", 1, INT32_MAX);
        const TCBFMJD* e = ZoekFMJDID(lijsten.FMJD, static_cast<int32_t>(*id));
        if (!e)
            throw Weigering("--from-fmjd " + std::to_string(*id) + ": not in " +
                            lijsten.FMJD.Bestand);
        d.NeemFMJDOver(*e, c.VolledigeVoornaam);
    }
}

void ControleerSpelervelden(const Argumenten& a) {
    if (auto n = a.Waarde("--number")) {
        const auto g = LeesGetal(*n);
        if (g && *g < 0)
            throw Weigering("--number " + *n + ": " + lang::Tekst(lang::T::LotingnummerNegatief));
        // Player 0 could never be marked or paired by number. What is no number at all is
        // left to the dialog's own message.
        if (g) a.Getal("--number", 1, 9999);
    }
    for (const auto& [optie, minimum] : {std::pair{"--fmjd-id", 0}, std::pair{"--max", 1}})
        if (auto w = a.Waarde(optie); w && LeesGetal(*w)) a.Getal(optie, minimum, INT32_MAX);
    if (auto naam = a.Waarde("--name"); naam && naam->find("##") != std::string::npos)
        throw Weigering("--name: " + lang::Tekst(lang::T::NaamMetHekjes));
}

std::string MeldAanpassingen(const Argumenten& a, const Competitie& c, const Spelergegevens& g,
                             std::ostream& err) {
    using lang::T;
    const std::string waarschuwing = lang::Tekst(T::Waarschuwing) + ": ";
    const std::string opgeslagen = Windows1252NaarUtf8(Utf8NaarWindows1252(g.Naam));
    if (auto naam = a.Waarde("--name")) {
        if (Trim(*naam) != Trim(g.Naam)) // the field holds 20 characters
            err << waarschuwing << lang::Tekst(T::NaamIngekort) << ": " << opgeslagen << '\n';
        if (opgeslagen != g.Naam)
            err << waarschuwing << lang::Tekst(T::TekensVervangen) << ": " << opgeslagen << '\n';
    }
    if (a.Waarde("--number") && g.Lotingnummer != 0)
        for (const auto& s : c.Spelers)
            if (s->Lotingnummer() == g.Lotingnummer && s->G().InternNummer != g.InternNummer) {
                err << waarschuwing << lang::Tekst(T::LotingnummerDubbel) << " " << g.Lotingnummer
                    << ": " << s->G().Naam << '\n';
                break;
            }
    // The short code and the place have room for a few characters only.
    for (const auto& [optie, veld] :
         {std::pair<const char*, const std::string*>{"--short", &g.Kort}, {"--place", &g.Plaats}})
        if (auto w = a.Waarde(optie); w && Trim(*w) != Trim(*veld))
            err << waarschuwing << optie << " " << lang::Tekst(T::IngekortTot) << " "
                << AantalTekens(*veld) << " " << lang::Tekst(T::Tekens) << ": " << *veld << '\n';
    if (a.Waarde("--categories"))
        for (char letter :
             g.Categorieen.substr(0, std::min<std::size_t>(4, g.Categorieen.size()))) {
            if (letter == ' ') continue;
            bool bekend = false;
            for (const auto& k : c.Categorieen)
                bekend = bekend || k.Letter == std::string(1, letter);
            if (!bekend)
                err << waarschuwing << lang::Tekst(T::CategorieOnbekend) << ": " << letter << '\n';
        }
    return opgeslagen;
}

} // namespace velkaro::cli
