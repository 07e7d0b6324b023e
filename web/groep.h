// One competition group made ready for its pages: a private copy with the standings computed,
// the per-player tables of the reports and each player's place after every played round.
#pragma once

#include "model/competitie.h"
#include "reports/partijtabellen.h"
#include "reports/rapportopties.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace velkaro::web {

struct Webgroep {
    int32_t Nummer = 1;
    std::string Titel;             // the tournament name, else "Competitiegroep N"
    bool EigenTitel = false;       // the group has a tournament name
    std::unique_ptr<Competitie> C; // standings of the default range, as the ranking report
    Partijtabellen Tabellen;
    Afdrukopties Opties; // the ranking list's columns: the group's own, with statistics
    // Internal number -> round -> place after that round.
    std::map<int32_t, std::map<int32_t, int32_t>> Plaatsen;
    std::vector<int32_t> Rondes;          // every round of the group, in order
    std::vector<int32_t> GespeeldeRondes; // the rounds with at least one result
    bool Kruistabel = false;              // a round robin shows its cross table

    // The round the site points to as "the latest": the last with results, else the first;
    // 0 without rounds.
    int32_t LaatsteRonde() const;
    // The round after it that is paired but holds no result yet; 0 when there is none.
    int32_t VolgendeRonde() const;
    int32_t LaatsteGespeeld() const { return GespeeldeRondes.empty() ? 0 : GespeeldeRondes.back(); }
};

// Prepares a group from the text of its group file.
Webgroep MaakWebgroep(int32_t nummer, const std::string& groepstekst, const Competitie& bron);

// Every page of the group, keyed by its path relative to the site folder.
void SchrijfGroep(const Webgroep& g, const std::string& voetregel, const std::string& sitetitel,
                  std::map<std::string, std::string>& bestanden);

} // namespace velkaro::web
