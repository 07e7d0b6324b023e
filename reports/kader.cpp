#include "reports/kader.h"

#include "lang/namen.h"
#include "lang/teksten.h"
#include "model/tekst.h"
#include "reports/normen.h"
#include "reports/partijtabellen.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

namespace velkaro {

using lang::T;
using lang::Tekst;

std::string Soortnaam(Rapportsoort soort) {
    switch (soort) {
    case Rapportsoort::Ranglijst:
        return Tekst(T::Ranglijst);
    case Rapportsoort::Voortschrijdingstabel:
        return Tekst(T::Voortschrijdingstabel);
    case Rapportsoort::TegenstanderPerRonde:
        return Tekst(T::TegenstanderPerSpeler);
    case Rapportsoort::RanglijstenPerCategorie:
        return Tekst(T::RanglijstenPerCategorie);
    case Rapportsoort::UitslagenEnRooster:
        return Tekst(T::UitslagenEnOfRooster);
    case Rapportsoort::MeerdereLijsten:
        return Tekst(T::MeerdereLijsten);
    case Rapportsoort::Deelnemerslijst:
        return Tekst(T::Deelnemerslijst2);
    case Rapportsoort::Geschiedenis:
        return Tekst(T::GeschiedenisSpeler);
    case Rapportsoort::FMJDTabel:
        return Tekst(T::FMJDNormentabel);
    }
    return {};
}

std::string Rapportnaam(const Competitie& c, Rapportsoort soort) {
    std::string s = Soortnaam(soort);
    if (!c.Opties.Toernooinaam.empty()) s += " " + c.Opties.Toernooinaam;
    return s;
}

std::string Rapporttitel(const Competitie& c, Rapportsoort soort) {
    std::string s = Rapportnaam(c, soort);
    const int32_t van = c.Opties.VanRonde;
    const int32_t tot = c.Opties.TotRonde;
    if (tot >= 1 && tot >= van) {
        if (van <= c.Rondes.eerste_ronde() || van <= 1)
            s += " " + Tekst(T::NaRonde) + " " + std::to_string(tot);
        else
            s += " " + Tekst(T::RondesVan) + " " + std::to_string(van) + " " + Tekst(T::TotMet) +
                 " " + std::to_string(tot);
    }
    return s;
}

std::string Datumtekst(const std::string& cijfers) {
    if (cijfers.size() != 8) return cijfers;
    for (char ch : cijfers)
        if (ch < '0' || ch > '9') return cijfers;
    return cijfers.substr(0, 2) + "-" + cijfers.substr(2, 2) + "-" + cijfers.substr(4);
}

std::string FMJDCategorie(int32_t rating) {
    return Categorie(rating);
}

namespace {

void SchrijfRegels(TUitvoerObject& u, const std::string& tekst) {
    std::size_t begin = 0;
    while (begin <= tekst.size()) {
        std::size_t eind = tekst.find('\n', begin);
        if (eind == std::string::npos) eind = tekst.size();
        std::string regel = tekst.substr(begin, eind - begin);
        if (!regel.empty() && regel.back() == '\r') regel.pop_back();
        u.Regel(regel);
        begin = eind + 1;
    }
}

std::string Tweecijferig(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n % 100);
    return buf;
}

void SchrijfToernooiblok(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                         const Klok& klok) {
    const trekenopties& r = c.Opties;
    const Toernooigegevens& t = c.Toernooi;
    std::vector<std::pair<std::string, std::string>> regels;
    auto voeg = [&](T label, std::string waarde) {
        if (!waarde.empty()) regels.emplace_back(Tekst(label), std::move(waarde));
    };
    voeg(T::Toernooinaam, r.Toernooinaam);
    voeg(T::GespeeldVan, Datumtekst(t.SpeelVan));
    voeg(T::GespeeldTotMet, Datumtekst(t.SpeelTot));
    voeg(T::Organisatie, t.WLNaam);
    voeg(T::Hoofdarbiter, t.ARNaam);
    voeg(T::Hulparbiters, t.Hulparbiters);
    voeg(T::Speeltempo, t.Speeltempo);
    voeg(T::Telefoon, t.WLTelefoon);
    voeg(T::Email, t.WLEmail);
    voeg(T::Toernooivorm, lang::SysteemNaam(r.Rekensysteem));
    switch (r.Rekensysteem) {
    case SysteemNormaal:
    case SysteemZwitsers:
    case SysteemZwitsersRating:
    case SysteemFMJDZwitsers:
    case Systeem16:
        voeg(T::Sorteervolgorde, std::to_string(r.Sorteervolgorde));
        break;
    case SysteemKeizer:
        if (r.NietOptimaliseren == 0) regels.emplace_back(Tekst(T::Optimaliseren), "");
        break;
    case SysteemRating: {
        const T methode = r.Ratingmethode == 0   ? T::Prestatierating
                          : r.Ratingmethode == 1 ? T::VastStartpunt
                                                 : T::EigenStartpunt;
        regels.emplace_back(Tekst(methode), "");
        voeg(T::Startrating, std::to_string(r.Aanvangsrating));
        voeg(T::Factor,
             std::to_string(r.Correctiefactor < 0 ? -r.Correctiefactor : r.Correctiefactor));
        break;
    }
    case SysteemMoyenne:
        voeg(T::Weging, std::to_string(r.WegingEigen) + "/" + std::to_string(r.WegingTegen) +
                            (r.NietWegen == 0 ? " " + Tekst(T::gewogen) : std::string()));
        break;
    default:
        break;
    }
    if (r.BijzondereRemises())
        voeg(T::PlusMin,
             std::to_string(r.PuntenPlusRemise) + "/" + std::to_string(r.PuntenMinRemise));
    if (r.IsZwitsers() && r.KleurDominant != 0)
        voeg(T::KleurBelangrijk, std::to_string(r.MaxKleurverschil));

    std::size_t breedte = 0;
    for (const auto& [label, waarde] : regels) breedte = std::max(breedte, AantalTekens(label));
    const Datum nu = klok.Nu();
    const std::string datum =
        Tweecijferig(nu.Dag) + "-" + Tweecijferig(nu.Maand) + "-" + std::to_string(nu.Jaar);
    breedte =
        std::max({breedte, AantalTekens(Tekst(T::Programma)), AantalTekens(Tekst(T::Printdatum))});

    u.Regel(Tekst(T::Toernooirapportage));
    u.Regel();
    for (const auto& [label, waarde] : regels)
        u.Regel(waarde.empty() ? label : VulRechts(label, breedte) + " : " + waarde);
    if (r.IsZwitsers() && r.AlternatieveWeerstandparing())
        u.Regel(Tekst(T::AlternatieveWeerstandsparing));
    u.Regel();
    u.Regel(VulRechts(Tekst(T::Programma), breedte) + " : " + o.Programma);
    u.Regel(VulRechts(Tekst(T::Printdatum), breedte) + " : " + datum);
    u.Regel();
}

} // namespace

void SchrijfKader(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                  const Klok& klok) {
    const Afdrukopties& a = o.Afdrukken;
    if (a.Toernooigegevens) SchrijfToernooiblok(c, o, u, klok);
    if (!o.VasteTekst.empty())
        SchrijfRegels(u, o.VasteTekst);
    else if (!a.Toernooigegevens)
        u.Regel(Tekst(T::Bestand) + ": " +
                std::filesystem::path(c.Bestandsnaam).filename().string());
    if (!o.EenmaligeTekst.empty()) SchrijfRegels(u, o.EenmaligeTekst);
    u.Regel();
    // The norm table writes the average line itself.
    if (a.FMJDInfo && o.Soort != Rapportsoort::UitslagenEnRooster &&
        o.Soort != Rapportsoort::Geschiedenis && o.Soort != Rapportsoort::FMJDTabel)
        SchrijfGemiddeldeRating(c, u);
}

void SchrijfTotaalgegevens(const Competitie& c, TUitvoerObject& u) {
    const trekenopties& o = c.Opties;
    int gespeeld = 0, wit = 0, zwart = 0, remise = 0;
    for (const auto& wp : c.Wedstrijden) {
        const Wedstrijdgegevens& w = wp->G();
        if (!w.Gespeeld || wp->IsAfgebroken() || w.Ronde < o.VanRonde || w.Ronde > o.TotRonde)
            continue;
        ++gespeeld;
        const int32_t pw = StandPunten(o, w.UitslagWit);
        const int32_t pz = StandPunten(o, w.UitslagZwart);
        if (pw > pz)
            ++wit;
        else if (pz > pw)
            ++zwart;
        else
            ++remise;
    }
    const std::pair<T, int> regels[] = {{T::TotaalUitslagen, gespeeld},
                                        {T::TotaalWinstWit, wit},
                                        {T::TotaalWinstZwart, zwart},
                                        {T::TotaalRemise, remise}};
    std::size_t breedte = 0;
    for (const auto& [label, n] : regels) breedte = std::max(breedte, AantalTekens(Tekst(label)));
    u.Regel();
    for (const auto& [label, n] : regels)
        u.Regel(VulRechts(Tekst(label), breedte) + " : " + std::to_string(n));
}

} // namespace velkaro
