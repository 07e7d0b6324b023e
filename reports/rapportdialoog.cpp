#include "reports/rapportdialoog.h"

#include "lang/teksten.h"
#include "model/tekst.h"
#include "reports/kader.h"

#include <algorithm>

namespace velkaro {

using lang::T;
using lang::Tekst;
using Veld = bool Afdrukopties::*;

namespace {

// The leading columns every table of players shares.
bool Leidend(Veld v) {
    return v == &Afdrukopties::VorigeNotering || v == &Afdrukopties::Plaats ||
           v == &Afdrukopties::Categorie || v == &Afdrukopties::FMJDTitel ||
           v == &Afdrukopties::NatTitel || v == &Afdrukopties::Land;
}

// The frame of every report that rests on the standings.
bool Kader(Veld v) {
    return v == &Afdrukopties::Totaalgegevens || v == &Afdrukopties::Toernooigegevens ||
           v == &Afdrukopties::FMJDInfo;
}

} // namespace

std::string Rapportdialoogtitel(Rapportsoort soort) {
    switch (soort) {
    case Rapportsoort::Geschiedenis:
        return Tekst(T::RgTitel);
    case Rapportsoort::FMJDTabel:
        return Tekst(T::RgTitelFMJD);
    default:
        return Soortnaam(soort) + " " + Tekst(T::afdrukken);
    }
}

bool ToontGroep(Rapportsoort soort, Rapportgroep groep) {
    using S = Rapportsoort;
    switch (groep) {
    case Rapportgroep::AfdrukkenVan:
        return true;
    case Rapportgroep::Uitslagen:
        return soort == S::UitslagenEnRooster;
    case Rapportgroep::Serie:
        return soort == S::MeerdereLijsten;
    case Rapportgroep::SorterenOp:
        return soort == S::Deelnemerslijst;
    case Rapportgroep::Geschiedenis:
        return soort == S::Geschiedenis;
    case Rapportgroep::MaximumPerRegel:
        return soort == S::Voortschrijdingstabel || soort == S::TegenstanderPerRonde ||
               soort == S::MeerdereLijsten;
    case Rapportgroep::RondesInMatrix:
        return soort == S::Ranglijst || soort == S::RanglijstenPerCategorie ||
               soort == S::MeerdereLijsten;
    }
    return false;
}

bool ToontAfdrukoptie(Rapportsoort soort, Veld v) {
    using A = Afdrukopties;
    switch (soort) {
    case Rapportsoort::Ranglijst:
    case Rapportsoort::RanglijstenPerCategorie:
    case Rapportsoort::MeerdereLijsten:
        return Leidend(v) || Kader(v) || v == &A::Matrix || v == &A::Statistiek ||
               v == &A::Kleurverhouding;
    case Rapportsoort::Voortschrijdingstabel:
        return Leidend(v) || Kader(v);
    case Rapportsoort::TegenstanderPerRonde:
        return Leidend(v) || Kader(v) || v == &A::KleurPerSpeler;
    case Rapportsoort::UitslagenEnRooster:
        return v == &A::Uitslagen || v == &A::VolgendeRonde || v == &A::KleurPerSpeler ||
               v == &A::Toernooigegevens;
    case Rapportsoort::Deelnemerslijst:
        return (Leidend(v) && v != &A::VorigeNotering) || v == &A::Lotingnummer ||
               v == &A::Rating || v == &A::TweedeRating || v == &A::Toernooigegevens ||
               v == &A::FMJDInfo;
    case Rapportsoort::Geschiedenis:
        return v == &A::Rating || v == &A::Toernooigegevens;
    case Rapportsoort::FMJDTabel:
        return v == &A::Toernooigegevens || v == &A::FMJDTitel;
    }
    return false;
}

int32_t MaximumPerRegelKeuze(int32_t m) {
    if (m < 1) return 30;
    for (int32_t k : kMaximaPerRegel)
        if (m <= k) return k;
    return 50;
}

Rapportkeuze OpenRapportkeuze(const Competitie& c, Rapportsoort soort,
                              const std::string& vasteTekst, std::optional<int32_t> van,
                              std::optional<int32_t> tot) {
    Rapportkeuze k;
    k.Soort = soort;
    k.Afdrukken = AfdrukoptiesVan(c);
    k.VasteTekst = vasteTekst;
    // After a pairing the new round has no results yet: the last round is the one to show.
    const int32_t laatste = std::max(c.Rondes.laatste_ronde(), 1);
    k.UitslagTot = tot.value_or(laatste);
    k.UitslagVan = van.value_or(k.UitslagTot);
    if (k.UitslagVan > k.UitslagTot) std::swap(k.UitslagVan, k.UitslagTot);
    k.Wedstrijdnummer = c.ToonWedstrijdnummer;
    k.Tafelnummer = c.ToonTafelnummer;
    k.UitslagLotingnummer = c.ToonLotingnummer;
    int32_t eerste = 0, hoogste = 0;
    for (const auto& g : c.Groepen) {
        const int32_t n = g->G().Competitienummer;
        if (eerste == 0 || n < eerste) eerste = n;
        hoogste = std::max(hoogste, n);
    }
    k.VanCompetitie = eerste > 0 ? eerste : 1;
    k.TotCompetitie = hoogste > 0 ? hoogste : 1;
    for (const auto& s : c.Spelers) k.Geschiedenis.push_back(s->InternNummer());
    k.Geformatteerd = c.GeformatteerdeRanglijst;
    k.Staand = c.Staand;
    k.Vastfont = c.Vastfont;
    k.Opmaakfont = c.Opmaakfont;
    k.MaximumPerRegel = MaximumPerRegelKeuze(c.MaximumPerRegel);
    k.RondesInMatrix = std::clamp(c.RondesInMatrix, 1, 4);
    return k;
}

void BewaarRapportkeuze(Competitie& c, const Rapportkeuze& k) {
    const uint16_t bits = c.RanglijstOpties;
    const bool loting = c.ToonLotingnummer;
    BewaarAfdrukopties(c, k.Afdrukken);
    // The drawing-number box of "Afdrukken van" and that of "Uitslagen" are one switch; the
    // one the kind shows decides.
    if (ToontGroep(k.Soort, Rapportgroep::Uitslagen)) c.ToonLotingnummer = k.UitslagLotingnummer;
    bool anders = bits != c.RanglijstOpties || loting != c.ToonLotingnummer;
    auto zet = [&anders](auto& veld, const auto& waarde) {
        if (veld != waarde) {
            veld = waarde;
            anders = true;
        }
    };
    zet(c.ToonWedstrijdnummer, k.Wedstrijdnummer);
    zet(c.ToonTafelnummer, k.Tafelnummer);
    zet(c.Staand, k.Staand);
    zet(c.GeformatteerdeRanglijst, k.Geformatteerd);
    if (!k.Vastfont.empty()) zet(c.Vastfont, k.Vastfont);
    if (!k.Opmaakfont.empty()) zet(c.Opmaakfont, k.Opmaakfont);
    zet(c.MaximumPerRegel, MaximumPerRegelKeuze(k.MaximumPerRegel));
    zet(c.RondesInMatrix, std::clamp(k.RondesInMatrix, 1, 4));
    if (anders) c.Gewijzigd = true;
}

Rapportopties RapportoptiesVan(const Competitie& c, const Rapportkeuze& k) {
    Rapportopties o = StandaardRapportopties(c);
    o.Soort = k.Soort;
    o.Afdrukken = k.Afdrukken;
    if (ToontGroep(k.Soort, Rapportgroep::Uitslagen))
        o.Afdrukken.Lotingnummer = k.UitslagLotingnummer;
    o.VasteTekst = k.VasteTekst;
    o.EenmaligeTekst = k.EenmaligeTekst;
    return o;
}

bool SorteerschermNodig(const Competitie& c, Rapportsoort soort) {
    switch (soort) {
    case Rapportsoort::UitslagenEnRooster:
    case Rapportsoort::MeerdereLijsten:
    case Rapportsoort::Deelnemerslijst:
    case Rapportsoort::Geschiedenis:
        return false;
    default:
        return !c.Opties.IsActueel();
    }
}

void ZetSorteerkeuze(Rapportopties& o, int32_t van, int32_t tot, int32_t minimum,
                     bool vorigeNotering) {
    o.VanRonde = van;
    o.TotRonde = tot;
    o.MinimumWedstrijden = minimum;
    o.VorigeNoteringAanpassen = vorigeNotering;
}

Afdrukoptielijst LeesAfdrukoptielijst(std::string_view lijst) {
    Afdrukoptielijst r;
    std::size_t begin = 0;
    while (begin <= lijst.size()) {
        std::size_t eind = lijst.find(',', begin);
        if (eind == std::string_view::npos) eind = lijst.size();
        const std::string naam = Trim(std::string(lijst.substr(begin, eind - begin)));
        if (!naam.empty() && !ZetAfdrukoptie(r.Opties, naam)) {
            r.Onbekend = naam;
            return r;
        }
        begin = eind + 1;
    }
    return r;
}

std::optional<Rapportsoort> SoortVanNaam(std::string_view naam) {
    if (naam == "ranking") return Rapportsoort::Ranglijst;
    if (naam == "progress") return Rapportsoort::Voortschrijdingstabel;
    return std::nullopt;
}

} // namespace velkaro
