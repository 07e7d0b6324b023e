// The pieces every page of the published site is made of: escaped text, the page head with
// its navigation, a table in a box of its own that scrolls sideways on a narrow screen, and
// the page end. Everything is UTF-8 HTML5 with one shared style sheet and no scripts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velkaro::web {

// Text with "&", "<", ">" and '"' as entities and the control characters a page may not hold
// left out, so that any name can stand in an element or an attribute.
std::string Esc(std::string_view tekst);

struct Link {
    std::string Href;  // relative to the page
    std::string Tekst; // plain text, escaped when written
    bool Huidig = false;
    bool Nadruk = false; // the latest round: marked so that it is found at a glance
};

struct Paginakop {
    std::string Titel;      // the document title and the heading
    std::string Wortel;     // "" for pages in the site folder, "../" for a group's pages
    std::vector<Link> Pad;  // the way back: site index, group
    std::vector<Link> Menu; // the pages of the group (or of the site)
    std::string MenuLabel;  // what the menu is, for screen readers
};

// From the document type to the opening of the main part, with the heading.
void SchrijfKop(std::string& uit, const Paginakop& kop);
// The end of the main part, the footer line and the end of the document.
void SchrijfSlot(std::string& uit, const std::string& voetregel);

struct Kolomkop {
    std::string Tekst;
    bool Getal = false; // right-aligned
};

struct Celinhoud {
    std::string Html; // already escaped mark-up
    bool Getal = false;
    bool Rijkop = false; // the cell that names the row (a player's name)
    bool Nadruk = false;
};

// A table under its title in a box that scrolls sideways; the title (with this id) is the
// accessible name of the box and the table.
void SchrijfTabel(std::string& uit, const std::string& id, const std::string& bijschrift,
                  const std::vector<Kolomkop>& koppen,
                  const std::vector<std::vector<Celinhoud>>& rijen);

// A link element with escaped text.
std::string A(const std::string& href, std::string_view tekst);

// The shared style sheet.
const std::string& Stijlblad();

} // namespace velkaro::web
