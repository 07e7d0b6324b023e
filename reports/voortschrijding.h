// The tables with one column per round: the progress table (report kind 1, cumulative points
// after every round) and the opponents per round (kind 2); rows continue on further lines past
// "Maximum per regel" rounds.
#pragma once

#include "model/competitie.h"
#include "reports/partijtabellen.h"
#include "reports/rapportopties.h"
#include "reports/uitvoer.h"
#include "reports/uitvoercel.h"

#include <functional>
#include <string>

namespace velkaro {

// The cell of a player in a round.
using Rondecel = std::function<Uitvoercel(const TSpelerObj& speler, int ronde)>;

// The leading columns of the ranking list and a column of this width per round up to the last
// round with a result, ruled before and after in text layout.
void SchrijfRondetabel(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                       const std::string& titel, const Partijtabellen& tabellen, int breedte,
                       const Rondecel& cel);

void SchrijfVoortschrijdingstabel(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                                  const std::string& titel);
// Per round the opponent's place in the ranking list (for an outside opponent "R" and his
// reduced number), with "K&leur per speler" followed by his colour, "w" or "z".
void SchrijfTegenstanderPerRonde(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                                 const std::string& titel);

} // namespace velkaro
