// The categories dialog's logic: the list lines, adding a category from the two fields and
// deleting one after a question.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"

#include <string>
#include <vector>

namespace velkaro {

// The letter, a blank and the description.
std::string CategorieRegel(const Categoriegegevens& g);

// "&Invoegen": a letter field that is neither empty nor a single blank adds a category with
// its first character at the end of the list (a letter may be used twice). False when nothing
// was added.
bool VoegCategorieToe(Competitie& c, const std::string& letter, const std::string& omschrijving);

// "&Verwijderen": the category at position i (from 0) after the question; players keep the
// letter. False when nothing was removed.
bool VerwijderCategorie(Competitie& c, std::size_t i, Gesprek& gesprek);

class Tcategoriescherm {
public:
    Tcategoriescherm(Competitie& c, Gesprek& gesprek) : c_(c), gesprek_(gesprek) {}

    void Activeer();
    void Deactiveer() { regels_.clear(); }
    const std::vector<std::string>& Regels() const { return regels_; }
    int Selectie = -1;

    std::string Letter;
    std::string Omschrijving;
    // Adds from the fields and empties them.
    void Invoegen();
    void Verwijderen();

private:
    Competitie& c_;
    Gesprek& gesprek_;
    std::vector<std::string> regels_;
};

} // namespace velkaro
