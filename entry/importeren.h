// Opening a foreign file and the WDS export as the program does them: the questions before a
// competition file is replaced, the notes of an import shown, the silent standings after it,
// and the message of the export.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"
#include "storage/import.h"

#include <string>

namespace velkaro {

// "regel 12: uitslag niet herkend, de wedstrijd staat zonder uitslag: 2-2"
std::string ImportmeldingTekst(const Importmelding& m);
// All notes of an import, one a line; empty when there are none.
std::string ImportmeldingenTekst(const Importresultaat& r);
std::string WDSWeigeringTekst(WDSWeigering w);

// Imports a ".z6e", ".wds", ".dee", ".doc" or ".txt" file. A ".z6e" file asks for the name of
// the new competition; an existing competition file is replaced only when the user says Yes
// to "Overschrijven?". Failures are shown as errors, notes as a warning. True when imported.
bool ImporteerBestand(Competitie& c, Gesprek& gesprek, const std::string& naam);
// "&Export": the open group as a WDS file, then "weggeschreven: name", or why not.
bool ExporteerWDSMetMelding(const Competitie& c, Gesprek& gesprek);

} // namespace velkaro
