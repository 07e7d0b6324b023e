#include "reports/voortschrijding.h"

#include "lang/teksten.h"
#include "model/tekst.h"
#include "reports/kolommen.h"
#include "reports/punten.h"
#include "reports/ranglijst_rapport.h"

#include <algorithm>

namespace velkaro {

using lang::T;
using lang::Tekst;

namespace {

// The columns of one block of rounds.
std::vector<Kolom> Rondekolommen(int van, int tot, int breedte, const Rondecel& cel) {
    std::vector<Kolom> k;
    for (int r = van; r <= tot; ++r) {
        Kolom kolom;
        kolom.Rechts = true;
        kolom.VasteBreedte = true;
        kolom.Breedte = breedte;
        kolom.Kopcel = Uitvoercel::MetGeheel(r, breedte);
        kolom.Kopcel.Kopcel = true;
        kolom.Waarde = [&cel, r](std::size_t, const TSpelerObj& s) { return cel(s, r); };
        k.push_back(std::move(kolom));
    }
    return k;
}

} // namespace

void SchrijfRondetabel(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                       const std::string& titel, const Partijtabellen& tabellen, int breedte,
                       const Rondecel& cel) {
    auto leidend = LeidendeKolommen(c, o.Afdrukken);
    BepaalBreedtes(leidend, c.Ranglijst);
    const int laatste = std::min(tabellen.LaatsteRonde(), Partijtabellen::kMaxRondes);
    const int perRegel = c.MaximumPerRegel >= 1 ? c.MaximumPerRegel : 30;

    std::vector<std::vector<Kolom>> blokken;
    for (int van = 1; van <= laatste; van += perRegel)
        blokken.push_back(Rondekolommen(van, std::min(van + perRegel - 1, laatste), breedte, cel));
    if (blokken.empty()) blokken.emplace_back();

    const int totaal = Tabelbreedte(leidend) + Tabelbreedte(blokken.front());
    const std::string streep(static_cast<std::size_t>(totaal), '-');

    u.Titel(titel, true);
    if (u.IsTekstuitvoer()) u.Regel(streep);
    // A row, continued on further lines with the leading columns empty.
    auto rij = [&](auto&& leidendeCellen, auto&& rondecellen) {
        for (std::size_t b = 0; b < blokken.size(); ++b) {
            if (b == 0)
                leidendeCellen();
            else
                SchrijfLegeCellen(u, leidend);
            rondecellen(blokken[b]);
        }
    };
    rij([&] { SchrijfKopcellen(u, leidend, false); },
        [&](const std::vector<Kolom>& blok) { SchrijfKopcellen(u, blok); });
    for (std::size_t i = 0; i < c.Ranglijst.Aantal(); ++i) {
        const TSpelerObj& s = *c.Ranglijst.At(i).Speler;
        rij([&] { SchrijfCellen(u, leidend, i + 1, s, false); },
            [&](const std::vector<Kolom>& blok) { SchrijfCellen(u, blok, i + 1, s); });
    }
    if (u.IsTekstuitvoer()) u.Regel(streep);
    u.EindeTabel();
}

void SchrijfVoortschrijdingstabel(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                                  const std::string& titel) {
    Partijtabellen tabellen;
    tabellen.Vul(c);
    const int breedte = HalvePunten(c.Opties) ? 3 : 2;
    SchrijfRondetabel(c, o, u, titel, tabellen, breedte, [&](const TSpelerObj& s, int r) {
        const auto punten = tabellen.Cumulatief(s.InternNummer(), r);
        return Uitvoercel::MetTekst(punten ? PuntenTekst(c.Opties, *punten) : "--", 0, true);
    });
}

void SchrijfTegenstanderPerRonde(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                                 const std::string& titel) {
    Partijtabellen tabellen;
    tabellen.Vul(c);
    const bool kleur = o.Afdrukken.KleurPerSpeler;
    const std::string wit = Tekst(T::w), zwart = Tekst(T::z), buiten = Tekst(T::R);
    // Wide enough for the highest place and the colour.
    const int cijfers =
        static_cast<int>(std::to_string(std::max<std::size_t>(c.Ranglijst.Aantal(), 1)).size());
    const std::string vrij = Tekst(T::Vrij);
    bool metVrij = false;
    for (const auto& regel : c.Ranglijst)
        for (const Partij& p : tabellen.Partijen(regel.Speler->InternNummer()))
            metVrij = metVrij || p.Vrij;
    int breedte = std::max(3, cijfers) + (kleur ? 1 : 0);
    if (metVrij) breedte = std::max(breedte, static_cast<int>(AantalTekens(vrij)));
    SchrijfRondetabel(c, o, u, titel, tabellen, breedte, [&](const TSpelerObj& s, int r) {
        for (const Partij& p : tabellen.Partijen(s.InternNummer())) {
            if (p.Ronde != r) continue;
            if (p.Vrij) return Uitvoercel::MetTekst(vrij, 0, true);
            std::string t =
                p.Buiten ? buiten + std::to_string(p.Tegenstander) : std::to_string(p.Tegenstander);
            if (kleur) t += p.Kleur == 0 ? wit : zwart;
            return Uitvoercel::MetTekst(t, 0, true);
        }
        return Uitvoercel::MetTekst("--", 0, true);
    });
}

} // namespace velkaro
