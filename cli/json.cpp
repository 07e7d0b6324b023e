#include "cli/json.h"

#include "entry/uitslagtekst.h"
#include "model/tekst.h"
#include "storage/bestandsnamen.h"

namespace velkaro::cli {

Json GroepenJson(const Competitie& c) {
    Json groepen = Json::array();
    for (const auto& g : c.Groepen)
        groepen.push_back({{"number", g->G().Competitienummer},
                           {"title", g->G().Titel},
                           {"file", Groepsbestand(c.Bestandsnaam, g->G().Bestandsnummer)},
                           {"open", g->G().Bestandsnummer == c.HuidigeDeelcomp}});
    return groepen;
}

Json KantJson(int32_t referentie, const Competitie& c) {
    if (referentie == 0) return nullptr;
    const auto k = Kant(referentie, c.Spelers);
    Json j{{"number", k.Lotingnummer}, {"name", Trim(k.Naam)}};
    if (referentie < 0) j["outside_rating"] = -static_cast<int64_t>(referentie);
    return j;
}

Json WedstrijdJson(const Wedstrijdgegevens& g, const Competitie& c) {
    // The result as the list shows it, without the blanks that align it.
    std::string uitslag;
    for (char ch : UitslagTekst(g, c.Opties))
        if (ch != ' ') uitslag += ch;
    Json j{{"round", g.Ronde},
           {"number", g.Wedstrijdnummer},
           {"white", KantJson(g.Wit, c)},
           {"black", KantJson(g.Zwart, c)},
           {"result", uitslag.empty() ? Json(nullptr) : Json(uitslag)},
           {"played", g.Gespeeld},
           {"regulation", g.Reglementair},
           {"white_code", g.UitslagWit},
           {"black_code", g.UitslagZwart}};
    // A bye has no black player; the key is there only for a bye, so other output stays as it
    // was.
    if (c.Opties.IsVrijeRonde(g)) j["bye"] = true;
    return j;
}

} // namespace velkaro::cli
