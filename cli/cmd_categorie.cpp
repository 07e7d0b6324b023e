// velkaro-cli category list|add|delete: the categories of the open group.
#include "cli/context.h"
#include "entry/categorieen.h"
#include "lang/teksten.h"
#include "model/tekst.h"

namespace velkaro::cli {

namespace {

void Toon(const Competitie& c, Uitvoer& u) {
    for (std::size_t i = 0; i < c.Categorieen.size(); ++i)
        u.out << i + 1 << '\t' << CategorieRegel(c.Categorieen[i]) << '\n';
}

int Lijst(const Argumenten& a, Uitvoer& u) {
    a.Aantal(1);
    Competitie c;
    OpenLezen(c, a.Positie(0, "FILE"), u.err);
    Toon(c, u);
    return 0;
}

int Toevoegen(const Argumenten& a, Uitvoer& u) {
    a.Aantal(3);
    const std::string letter = a.Positie(1, "LETTER");
    if (letter.empty() || letter == " ") throw Gebruiksfout("LETTER cannot be empty");
    if (AantalTekens(letter) != 1)
        throw Gebruiksfout("LETTER " + letter + ": " + lang::Tekst(lang::T::CategorieEenLetter));
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    VoegCategorieToe(c, letter, a.Positie(2, "DESCRIPTION"));
    Bewaar(c);
    Toon(c, u);
    return 0;
}

int Verwijder(const Argumenten& a, Uitvoer& u) {
    a.Aantal(2);
    const auto nr = GetalArgument(a.Positie(1, "POSITION"), "POSITION", 1, INT32_MAX);
    Competitie c;
    Open(c, a.Positie(0, "FILE"), u.err);
    if (static_cast<std::size_t>(nr) > c.Categorieen.size())
        throw Weigering(lang::Tekst(lang::T::GeenCategorie) + " " + std::to_string(nr));
    CliGesprek gesprek(u.err);
    if (a.Vlag("--yes")) gesprek.Antwoorden = Antwoord::Ja;
    gesprek.AntwoordOpties = "--yes";
    VerwijderCategorie(c, static_cast<std::size_t>(nr - 1), gesprek);
    Bewaar(c);
    Toon(c, u);
    return 0;
}

} // namespace

void CategorieOpdrachten(std::vector<Opdracht>& t) {
    t.push_back({"category list",
                 "category list FILE.xv7",
                 "Lists the categories: position, letter and description.",
                 {},
                 {},
                 Lijst});
    t.push_back({"category add",
                 "category add FILE.xv7 LETTER DESCRIPTION",
                 "Adds a category at the end; only the first character of LETTER counts, and a\n"
                 "letter may be used twice.",
                 {},
                 {},
                 Toevoegen});
    t.push_back({"category delete",
                 "category delete FILE.xv7 POSITION [--yes]",
                 "Deletes the category at POSITION (see 'category list'). The program asks\n"
                 "first: --yes answers Yes. Players keep the letter.",
                 {},
                 {"--yes"},
                 Verwijder});
}

} // namespace velkaro::cli
