// The progress table (report kind 1): per ranked player his cumulative points after every
// round, rows continuing on further lines past "Maximum per regel" rounds.
#pragma once

#include "model/competitie.h"
#include "reports/rapportopties.h"
#include "reports/uitvoer.h"

#include <string>

namespace velkaro {

void SchrijfVoortschrijdingstabel(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                                  const std::string& titel);

} // namespace velkaro
