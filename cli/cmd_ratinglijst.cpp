// velkaro-cli ratinglist: the entries of a rating-list file as player entry lists them,
// sorted on their names and narrowed to a name.
#include "cli/context.h"
#include "cli/json.h"
#include "entry/ratingkeuze.h"
#include "lang/teksten.h"

namespace velkaro::cli {

namespace {

std::optional<Ratingformaat> FormaatVanOptie(const std::string& w) {
    if (w == "kndb4") return Ratingformaat::KNDB4;
    if (w == "elo3") return Ratingformaat::Elo3;
    if (w == "elo2") return Ratingformaat::Elo2;
    if (w == "fmjd") return Ratingformaat::FMJD;
    return std::nullopt;
}

const char* FormaatNaam(Ratingformaat f) {
    switch (f) {
    case Ratingformaat::KNDB4:
        return "kndb4";
    case Ratingformaat::Elo3:
        return "elo3";
    case Ratingformaat::Elo2:
        return "elo2";
    case Ratingformaat::FMJD:
        return "fmjd";
    }
    return "";
}

Json Json1(const TCBElo& e, Ratingformaat f) {
    Json j{{"name", e.VolledigeNaam()}, {"list_name", e.Lijstnaam()}, {"rating", e.Rating}};
    if (f == Ratingformaat::Elo2) {
        j["text5"] = e.Tekst5;
        j["text10"] = e.Tekst10;
        return j;
    }
    j["first_name"] = e.Voornaam;
    j["surname"] = e.Achternaam;
    if (f == Ratingformaat::KNDB4) {
        j["title"] = e.Titel;
        j["fmjd_id"] = e.FMJDID;
    }
    return j;
}

Json Json1(const TCBFMJD& e) {
    return Json{{"fmjd_id", e.ID},          {"name", e.VolledigeNaam()}, {"surname", e.Naam},
                {"first_name", e.Voornaam}, {"country", e.Land},         {"title", e.Titel},
                {"rating", e.Rating}};
}

int Lijst(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    const std::string pad = a.Positie(0, "FILE");
    std::optional<Ratingformaat> formaat;
    if (auto w = a.Waarde("--format")) {
        formaat = FormaatVanOptie(*w);
        if (!formaat) throw Gebruiksfout("--format takes kndb4, elo3, elo2 or fmjd");
    } else {
        formaat = FormaatVanNaam(pad);
        if (!formaat)
            throw Gebruiksfout("the file name does not tell the list's layout: give --format");
    }
    const auto weiger = [&] {
        return Weigering(lang::Tekst(lang::T::BestandNietTeOpenen) + ": " + pad);
    };
    std::optional<NationaleLijst> nationaal;
    std::optional<FMJDLijst> fmjd;
    if (*formaat == Ratingformaat::FMJD) {
        fmjd = LeesFMJDBestand(pad);
        if (!fmjd) throw weiger();
    } else {
        nationaal = LeesNationaalBestand(pad, *formaat);
        if (!nationaal) throw weiger();
    }
    Ratingkeuze keuze = fmjd ? Ratingkeuze(*fmjd) : Ratingkeuze(*nationaal);
    if (auto naam = a.Waarde("--find")) keuze.Filter(*naam);

    if (a.Vlag("--json")) {
        Json gevonden = Json::array();
        for (std::size_t r = 0; r < keuze.Aantal(); ++r)
            gevonden.push_back(fmjd ? Json1(fmjd->Spelers[keuze.Index(r)])
                                    : Json1(nationaal->Spelers[keuze.Index(r)], *formaat));
        Json j{{"file", pad}, {"format", FormaatNaam(*formaat)}};
        if (fmjd) j["edition"] = fmjd->Editie;
        j["entries"] = keuze.Totaal();
        j["found"] = std::move(gevonden);
        SchrijfJson(u.out, j);
        return 0;
    }
    u.out << Bestandsregel(pad, fmjd ? fmjd->Editie : std::string(), keuze.Totaal()) << '\n';
    for (std::size_t r = 0; r < keuze.Aantal(); ++r) u.out << keuze.Regel(r) << '\n';
    return 0;
}

} // namespace

void RatinglijstOpdrachten(std::vector<Opdracht>& t) {
    t.push_back(
        {"ratinglist",
         "ratinglist FILE [--format kndb4|elo3|elo2|fmjd] [--find NAME] [--json]",
         "Shows the entries of a rating-list file as the player entry dialog lists them, sorted\n"
         "on their names: first the file, its edition and the number of entries, then one line\n"
         "per entry. --find NAME keeps the entries that have a name word beginning with each\n"
         "word of NAME (any case, any order), as typing in the dialog's search box does.\n"
         "The layout follows from the file name (KNDBRAT4.DAT, ELO3BOND.DAT, ELO2BOND.DAT,\n"
         "FMJD2VK.DAT, FMJD2VK64.DAT); --format names it for a file called otherwise.",
         {"--format", "--find"},
         {"--json"},
         Lijst});
}

} // namespace velkaro::cli
