#include "reports/rapportopties.h"

#include "lang/teksten.h"

#include <array>
#include <filesystem>
#include <utility>

#ifndef VELKARO_VERSIE
#define VELKARO_VERSIE "0"
#endif

namespace velkaro {

namespace {

using Veld = bool Afdrukopties::*;

const std::array<std::pair<const char*, Veld>, 18> kNamen = {{
    {"previous", &Afdrukopties::VorigeNotering},
    {"matrix", &Afdrukopties::Matrix},
    {"statistics", &Afdrukopties::Statistiek},
    {"place", &Afdrukopties::Plaats},
    {"category", &Afdrukopties::Categorie},
    {"colours", &Afdrukopties::Kleurverhouding},
    {"totals", &Afdrukopties::Totaalgegevens},
    {"results", &Afdrukopties::Uitslagen},
    {"next-round", &Afdrukopties::VolgendeRonde},
    {"colour-per-player", &Afdrukopties::KleurPerSpeler},
    {"number", &Afdrukopties::Lotingnummer},
    {"rating", &Afdrukopties::Rating},
    {"tournament", &Afdrukopties::Toernooigegevens},
    {"fmjd", &Afdrukopties::FMJDInfo},
    {"fmjd-title", &Afdrukopties::FMJDTitel},
    {"national-title", &Afdrukopties::NatTitel},
    {"country", &Afdrukopties::Land},
    {"second-rating", &Afdrukopties::TweedeRating},
}};

// The boxes that RanglijstOpties keeps, with their bits.
const std::array<std::pair<uint16_t, Veld>, 14> kBits = {{
    {OptieVorigeNotering, &Afdrukopties::VorigeNotering},
    {OptieMatrix, &Afdrukopties::Matrix},
    {OptieStatistiek, &Afdrukopties::Statistiek},
    {OptiePlaats, &Afdrukopties::Plaats},
    {OptieCategorie, &Afdrukopties::Categorie},
    {OptieKleurverhouding, &Afdrukopties::Kleurverhouding},
    {OptieTotaalgegevens, &Afdrukopties::Totaalgegevens},
    {OptieKleurPerSpeler, &Afdrukopties::KleurPerSpeler},
    {OptieUitslagen, &Afdrukopties::Uitslagen},
    {OptieFMJDTitel, &Afdrukopties::FMJDTitel},
    {OptieNatTitel, &Afdrukopties::NatTitel},
    {OptieLand, &Afdrukopties::Land},
    {OptieToernooigegevens, &Afdrukopties::Toernooigegevens},
    {OptieFMJDInfo, &Afdrukopties::FMJDInfo},
}};

} // namespace

Afdrukopties AfdrukoptiesVan(const Competitie& c) {
    Afdrukopties a;
    for (const auto& [bit, veld] : kBits) a.*veld = (c.RanglijstOpties & bit) != 0;
    a.Lotingnummer = c.ToonLotingnummer;
    return a;
}

void BewaarAfdrukopties(Competitie& c, const Afdrukopties& a) {
    uint16_t bits = c.RanglijstOpties;
    for (const auto& [bit, veld] : kBits)
        bits = static_cast<uint16_t>(a.*veld ? (bits | bit) : (bits & ~bit));
    c.RanglijstOpties = bits;
    c.ToonLotingnummer = a.Lotingnummer;
}

bool ZetAfdrukoptie(Afdrukopties& a, std::string_view naam) {
    for (const auto& [n, veld] : kNamen)
        if (naam == n) {
            a.*veld = true;
            return true;
        }
    return false;
}

std::string AfdrukoptieNamen() {
    std::string r;
    for (const auto& [n, veld] : kNamen) {
        if (!r.empty()) r += ", ";
        r += n;
    }
    return r;
}

Rapportopties StandaardRapportopties(const Competitie& c) {
    Rapportopties r;
    r.Afdrukken = AfdrukoptiesVan(c);
    r.Programma = lang::Tekst(lang::T::Velkaro) + " " + VELKARO_VERSIE;
    r.Wedstrijdnummer = c.ToonWedstrijdnummer;
    r.Tafelnummer = c.ToonTafelnummer;
    return r;
}

void GebruikFMJDLijst(Rapportopties& o, const FMJDLijst& lijst) {
    o.FMJDBestand = std::filesystem::path(lijst.Bestand).filename().string();
    o.FMJDNaam = nullptr;
    if (lijst.Spelers.empty()) return;
    o.FMJDNaam = [&lijst](int32_t id) -> std::optional<std::string> {
        const TCBFMJD* e = ZoekFMJDID(lijst, id);
        if (!e) return std::nullopt;
        return e->VolledigeNaam();
    };
}

} // namespace velkaro
