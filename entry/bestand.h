// Opening a competition file and loading a group as the program does it: the file is read
// and then the standings are computed silently, so the derived values are current.
#pragma once

#include "model/competitie.h"
#include "storage/competitiebestand.h"

#include <string>

namespace velkaro {

// Opens a competition file (".xv7"); any other extension is refused with AnderFormaat (the
// imports are ImporteerBestand's). The result's Schade lists damaged files (see LeesBestand): show them before anything is
// saved.
Bestandsresultaat OpenBestand(Competitie& c, const std::string& naam);
Bestandsresultaat LaadGroep(Competitie& c, int32_t bestandsnummer);
// What follows every load: the silent standings computation.
void NaLaden(Competitie& c);

} // namespace velkaro
