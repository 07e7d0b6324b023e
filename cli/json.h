// The machine-readable output of velkaro-cli: one JSON document per command, keys in a fixed
// order, written by the JSON library.
#pragma once

#include "model/competitie.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace velkaro::cli {

using Json = nlohmann::ordered_json;

// The document on one stream, indented, ending in a newline. A text that is no valid UTF-8
// gets the replacement character rather than breaking the document.
inline void SchrijfJson(std::ostream& out, const Json& j) {
    out << j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

// The groups of the file, as "info" and "group list" give them.
Json GroepenJson(const Competitie& c);
// One side of a match: drawing number and name; an outside opponent also his rating; nobody
// null.
Json KantJson(int32_t referentie, const Competitie& c);
// A match as the match list shows it, with its stored result codes.
Json WedstrijdJson(const Wedstrijdgegevens& g, const Competitie& c);

} // namespace velkaro::cli
