// What the desktop program's "Publiceren..." decides: the folder asked for with the one used
// before proposed, the site written and the user told; and the quiet publish after a save,
// which speaks only when it fails.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"

#include <optional>
#include <string>

namespace velkaro::web {

// The footer line of the pages: the program's name and version.
std::string Voetregel(const std::string& versie);

// Asks the folder (proposing voorstel), publishes every group and tells the result. The
// folder to remember when the site was written; nothing when cancelled or refused.
std::optional<std::string> PubliceerMetKeuze(const Competitie& c, Gesprek& g,
                                             const std::string& voorstel,
                                             const std::string& versie);

// Publishes into the remembered folder after a save; a failure is shown, success is not.
bool PubliceerNaOpslaan(const Competitie& c, Gesprek& g, const std::string& map,
                        const std::string& versie);

} // namespace velkaro::web
