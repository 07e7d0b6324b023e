// Writing the site: built in a new folder beside the output folder and swapped in at once, so
// a web server never serves half a site; never into the competition's own folder or a folder
// above it, and never over a folder that holds anything but an earlier site.
#pragma once

#include "model/competitie.h"
#include "web/site.h"

#include <cstddef>
#include <string>
#include <vector>

namespace velkaro::web {

// The file that marks a folder as a site this program wrote, so a later publish may replace it.
inline constexpr const char* kSitemerk = ".velkaro-site";

// Refuses (Publicatiefout) an output folder that is the competition's folder or above it, a
// link, something other than a folder, or a folder with files of anything but an earlier site.
void ControleerUitmap(const Competitie& c, const std::string& uitmap);

// Writes the files into a fresh folder beside uitmap and puts it in uitmap's place; the old
// site goes only once the new one stands. Throws Publicatiefout, leaving uitmap as it was.
void SchrijfSite(const Site& site, const std::string& uitmap);

struct Publicatie {
    std::size_t Bestanden = 0;
    std::vector<std::string> Waarschuwingen;
};

// Checks the folder, builds the site of the groups asked for and writes it.
Publicatie Publiceer(const Competitie& c, const std::string& uitmap, const Siteopties& opties);

} // namespace velkaro::web
