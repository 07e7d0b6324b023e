// A report from start to end: the standings computed as the report asks, the frame, the title
// and the body of its kind, written through the output channel.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"
#include "reports/rapportopties.h"
#include "reports/uitvoer.h"

namespace velkaro {

// Whether this program can write the kind yet.
bool SoortBeschikbaar(Rapportsoort soort);

// The standings as a report needs them: "Rondes in matrix" brought into 1..4, the interactive
// computation with the report's round range and minimum, and the players outside the standings
// taken out of the ranking list.
void BerekenStandVoorRapport(Competitie& c, const Rapportopties& o, Voortgang* voortgang = nullptr);

// Writes a report of the standings as they are into the open destinations; false for a kind
// this program cannot write yet.
bool SchrijfRapport(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                    const Klok& klok);

// Both: what "Beeldscherm", "Disk" and "Print" do once their destination is open.
bool MaakRapport(Competitie& c, const Rapportopties& o, TUitvoerObject& u, const Klok& klok,
                 Voortgang* voortgang = nullptr);

} // namespace velkaro
