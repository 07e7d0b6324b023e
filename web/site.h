// The competition as a static web site: an index of the groups with the tournament data, and
// per group its standings, cross table or progress table, rounds, categories and players, all
// built in memory from the numbers of the reports, so that the same competition always gives
// the same bytes.
#pragma once

#include "model/competitie.h"

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace velkaro::web {

// Publishing refused, with the reason in the language in force.
struct Publicatiefout : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Siteopties {
    // Competitienummers of the groups to publish; empty: every group.
    std::vector<int32_t> Groepen;
    // The footer line of every page (the program's name and version).
    std::string Voetregel;
};

struct Site {
    // Relative path ("groep-1/ronde-3.html") to the file's contents, in path order.
    std::map<std::string, std::string> Bestanden;
    // Group files that could be read only in part.
    std::vector<std::string> Waarschuwingen;
};

// Builds every page of the groups asked for. The open group is taken as it is in memory, the
// others from their group files; the competition itself is not changed (the standings are
// computed on copies, keeping the previous places). A group that does not exist throws
// Publicatiefout.
Site BouwSite(const Competitie& c, const Siteopties& opties);

// The folder of a group's pages and the file names within it.
std::string Groepsmap(int32_t competitienummer);
std::string Rondepagina(int32_t ronde);
std::string Spelerpagina(int32_t internNummer);

} // namespace velkaro::web
