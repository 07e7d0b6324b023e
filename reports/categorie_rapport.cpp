// Rankings per category (report kind 3).
#include "lang/teksten.h"
#include "model/tekst.h"
#include "reports/partijtabellen.h"
#include "reports/ranglijst_rapport.h"
#include "reports/rapportsoorten.h"

#include <cstdio>

namespace velkaro {

tranglijst SpelersMetCategorie(const Competitie& c, const std::string& letter) {
    std::vector<tranglijst::Regel> regels;
    for (const auto& regel : c.Ranglijst)
        if (regel.Speler->G().Categorieen.find(letter) != std::string::npos) {
            char sleutel[16];
            std::snprintf(sleutel, sizeof sleutel, "%09zu", regels.size());
            regels.push_back({sleutel, regel.Speler});
        }
    tranglijst deel;
    deel.VoegAlleToe(std::move(regels));
    return deel;
}

void SchrijfRanglijstenPerCategorie(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                                    const std::string& titel) {
    Partijtabellen tabellen;
    tabellen.Vul(c);
    for (const Categoriegegevens& cat : c.Categorieen) {
        const std::string letter = Trim(cat.Letter);
        if (letter.empty()) continue;
        const tranglijst deel = SpelersMetCategorie(c, letter);
        if (deel.Aantal() == 0) continue;
        std::string kop = titel + " - " + lang::Tekst(lang::T::KopCategorie) + " " + letter;
        if (!Trim(cat.Omschrijving).empty()) kop += " " + Trim(cat.Omschrijving);
        SchrijfRanglijst(c, o, u, kop, deel, tabellen);
        u.Regel();
    }
}

} // namespace velkaro
