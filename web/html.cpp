#include "web/html.h"

#include "lang/teksten.h"

namespace velkaro::web {

std::string Esc(std::string_view tekst) {
    std::string r;
    r.reserve(tekst.size() + 8);
    for (char ch : tekst) {
        const auto b = static_cast<unsigned char>(ch);
        switch (ch) {
        case '&':
            r += "&amp;";
            break;
        case '<':
            r += "&lt;";
            break;
        case '>':
            r += "&gt;";
            break;
        case '"':
            r += "&quot;";
            break;
        default:
            // Control characters (a damaged file may hold them) are no text of a page.
            if (b < 0x20 || b == 0x7F)
                r += ' ';
            else
                r += ch;
        }
    }
    return r;
}

std::string A(const std::string& href, std::string_view tekst) {
    return "<a href=\"" + href + "\">" + Esc(tekst) + "</a>";
}

namespace {

std::string Taalcode() {
    switch (lang::HuidigeTaal()) {
    case lang::Taal::Engels:
        return "en";
    case lang::Taal::Frans:
        return "fr";
    default:
        return "nl";
    }
}

void SchrijfLink(std::string& uit, const Link& l) {
    uit += "<a href=\"" + l.Href + "\"";
    if (l.Huidig) uit += " aria-current=\"page\"";
    if (l.Nadruk) uit += " class=\"laatste\"";
    uit += ">" + Esc(l.Tekst) + "</a>";
}

} // namespace

void SchrijfKop(std::string& uit, const Paginakop& kop) {
    uit +=
        "<!DOCTYPE html>\n<html lang=\"" + Taalcode() + "\">\n<head>\n<meta charset=\"utf-8\">\n";
    uit += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    uit += "<title>" + Esc(kop.Titel) + "</title>\n";
    uit += "<link rel=\"stylesheet\" href=\"" + kop.Wortel + "stijl.css\">\n</head>\n<body>\n";
    uit += "<a class=\"overslaan\" href=\"#inhoud\">" + Esc(lang::Tekst(lang::T::WebNaarInhoud)) +
           "</a>\n<header>\n";
    if (!kop.Pad.empty()) {
        uit += "<p class=\"pad\">";
        for (std::size_t i = 0; i < kop.Pad.size(); ++i) {
            if (i > 0) uit += " &rsaquo; ";
            SchrijfLink(uit, kop.Pad[i]);
        }
        uit += "</p>\n";
    }
    if (!kop.Menu.empty()) {
        uit += "<nav aria-label=\"" + Esc(kop.MenuLabel) + "\">\n<ul>\n";
        for (const Link& l : kop.Menu) {
            uit += "<li>";
            SchrijfLink(uit, l);
            uit += "</li>\n";
        }
        uit += "</ul>\n</nav>\n";
    }
    uit += "</header>\n<main id=\"inhoud\">\n<h1>" + Esc(kop.Titel) + "</h1>\n";
}

void SchrijfSlot(std::string& uit, const std::string& voetregel) {
    uit += "</main>\n<footer>\n<p>" + Esc(voetregel) + "</p>\n</footer>\n</body>\n</html>\n";
}

void SchrijfTabel(std::string& uit, const std::string& id, const std::string& bijschrift,
                  const std::vector<Kolomkop>& koppen,
                  const std::vector<std::vector<Celinhoud>>& rijen) {
    // The title stands above the box, so that it stays in view while a wide table scrolls;
    // the box, not the page, scrolls, and takes the keyboard focus so that it scrolls without
    // a mouse too.
    uit += "<h2 id=\"" + id + "\">" + Esc(bijschrift) + "</h2>\n";
    uit += "<div class=\"rol\" role=\"region\" tabindex=\"0\" aria-labelledby=\"" + id +
           "\">\n<table aria-labelledby=\"" + id + "\">\n";
    uit += "<thead>\n<tr>";
    for (const Kolomkop& k : koppen)
        uit += std::string(k.Getal ? "<th scope=\"col\" class=\"n\">" : "<th scope=\"col\">") +
               Esc(k.Tekst) + "</th>";
    uit += "</tr>\n</thead>\n<tbody>\n";
    for (const auto& rij : rijen) {
        uit += "<tr>";
        for (const Celinhoud& c : rij) {
            const char* el = c.Rijkop ? "th" : "td";
            uit += "<";
            uit += el;
            if (c.Rijkop) uit += " scope=\"row\"";
            if (c.Getal || c.Nadruk) {
                uit += " class=\"";
                if (c.Getal) uit += "n";
                if (c.Getal && c.Nadruk) uit += " ";
                if (c.Nadruk) uit += "vet";
                uit += "\"";
            }
            uit += ">" + c.Html + "</" + el + ">";
        }
        uit += "</tr>\n";
    }
    uit += "</tbody>\n</table>\n</div>\n";
}

} // namespace velkaro::web
