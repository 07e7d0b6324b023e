#include "web/publiceerkeuze.h"

#include "lang/teksten.h"
#include "web/publiceren.h"

#include <filesystem>

namespace velkaro::web {

using lang::T;
using lang::Tekst;

std::string Voetregel(const std::string& versie) {
    return Tekst(T::WebGemaaktMet) + " Velkaro " + versie;
}

namespace {

bool Schrijf(const Competitie& c, Gesprek& g, const std::string& map, const std::string& versie,
             bool meldGelukt) {
    Siteopties opties;
    opties.Voetregel = Voetregel(versie);
    try {
        const Publicatie p = Publiceer(c, map, opties);
        std::string tekst = Tekst(T::PubliceerGelukt) + " " + map;
        for (const auto& w : p.Waarschuwingen) tekst += "\n" + Tekst(T::Waarschuwing) + ": " + w;
        if (meldGelukt || !p.Waarschuwingen.empty())
            g.Melding(tekst, Tekst(T::Informatie), Pictogram::Informatie);
        return true;
    } catch (const Publicatiefout& e) {
        g.Melding(e.what(), Tekst(T::Fout), Pictogram::Fout);
    } catch (const std::exception& e) {
        g.Melding(Tekst(T::PubliceerMislukt) + ": " + e.what(), Tekst(T::Fout), Pictogram::Fout);
    }
    return false;
}

} // namespace

std::optional<std::string> PubliceerMetKeuze(const Competitie& c, Gesprek& g,
                                             const std::string& voorstel,
                                             const std::string& versie) {
    if (!c.Geladen()) return std::nullopt;
    Bestandskeuze keuze;
    keuze.Mapkeuze = true;
    keuze.Titel = Tekst(T::PubliceerMapKiezen);
    // The folder used before, else the competition's folder to start from.
    keuze.Map =
        !voorstel.empty() ? voorstel : std::filesystem::path(c.Bestandsnaam).parent_path().string();
    const auto map = g.KiesBestand(keuze);
    if (!map || map->empty()) return std::nullopt;
    if (!Schrijf(c, g, *map, versie, true)) return std::nullopt;
    return *map;
}

bool PubliceerNaOpslaan(const Competitie& c, Gesprek& g, const std::string& map,
                        const std::string& versie) {
    if (!c.Geladen()) return false;
    if (map.empty()) {
        g.Melding(Tekst(T::PubliceerGeenMap), Tekst(T::Waarschuwing), Pictogram::Waarschuwing);
        return false;
    }
    return Schrijf(c, g, map, versie, false);
}

} // namespace velkaro::web
