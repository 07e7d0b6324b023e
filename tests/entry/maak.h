// Builds small competitions on disk for the tests of the dialog logic.
#pragma once

#include "model/competitie.h"
#include "storage/competitiebestand.h"

#include <string>
#include <vector>

namespace velkaro::test {

// A competition saved as `pad` with one group per title; group i (from 0) gets
// Competitienummer and Bestandsnummer from the lists and one player named after its title.
// The group with Bestandsnummer `open` is left open.
inline void MaakCompetitie(Competitie& c, const std::string& pad,
                           const std::vector<std::string>& titels,
                           const std::vector<int32_t>& bestandsnummers, int32_t open) {
    c.VolledigeReset();
    c.Bestandsnaam = pad;
    for (std::size_t i = 0; i < titels.size(); ++i) {
        Deelcompgegevens g;
        g.Competitienummer = static_cast<int32_t>(i + 1);
        g.Bestandsnummer = bestandsnummers[i];
        g.Titel = titels[i];
        c.Groepen.Voegtoe(g);
    }
    for (std::size_t i = 0; i < titels.size(); ++i) {
        c.Reset();
        c.HuidigeDeelcomp = bestandsnummers[i];
        c.HuidigCompetitienummer = static_cast<int32_t>(i + 1);
        c.Opties.Toernooinaam = titels[i];
        Spelergegevens s;
        s.Naam = "Speler " + titels[i];
        s.Lotingnummer = 1;
        c.Spelers.Voegtoe(s);
        SchrijfDeelcomp(c);
    }
    LeesDeelcomp(c, open);
    SchrijfBestand(c);
}

} // namespace velkaro::test
