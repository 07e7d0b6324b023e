#include "entry/categorieen.h"

#include "lang/teksten.h"
#include "model/tekst.h"

namespace velkaro {

std::string CategorieRegel(const Categoriegegevens& g) {
    return g.Letter + " " + g.Omschrijving;
}

bool VoegCategorieToe(Competitie& c, const std::string& letter, const std::string& omschrijving) {
    if (letter.empty() || letter == " ") return false;
    c.Categorieen.push_back({Kap(letter, 1), omschrijving});
    c.Gewijzigd = true;
    return true;
}

bool VerwijderCategorie(Competitie& c, std::size_t i, Gesprek& gesprek) {
    if (i >= c.Categorieen.size()) return false;
    using lang::T;
    const std::string vraag = lang::Tekst(T::Verwijder) + " " + lang::Tekst(T::categorie) + "?" +
                              c.Categorieen[i].Omschrijving;
    if (gesprek.Vraag(vraag, lang::Tekst(T::Bevestiging), Knoppen::JaNee) != Antwoord::Ja)
        return false;
    c.Categorieen.erase(c.Categorieen.begin() + static_cast<std::ptrdiff_t>(i));
    c.Gewijzigd = true;
    return true;
}

void Tcategoriescherm::Activeer() {
    regels_.clear();
    for (const auto& g : c_.Categorieen) regels_.push_back(CategorieRegel(g));
    Selectie = regels_.empty() ? -1 : 0;
}

void Tcategoriescherm::Invoegen() {
    if (!VoegCategorieToe(c_, Letter, Omschrijving)) return;
    regels_.push_back(CategorieRegel(c_.Categorieen.back()));
    Letter.clear();
    Omschrijving.clear();
}

void Tcategoriescherm::Verwijderen() {
    if (Selectie < 0) return;
    const auto i = static_cast<std::size_t>(Selectie);
    if (!VerwijderCategorie(c_, i, gesprek_)) return;
    regels_.erase(regels_.begin() + Selectie);
    if (Selectie >= static_cast<int>(regels_.size()))
        Selectie = static_cast<int>(regels_.size()) - 1;
}

} // namespace velkaro
