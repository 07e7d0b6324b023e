#include "reports/voortschrijding.h"

#include "reports/kolommen.h"
#include "reports/partijtabellen.h"
#include "reports/punten.h"
#include "reports/ranglijst_rapport.h"

#include <algorithm>

namespace velkaro {

namespace {

// The columns of one block of rounds.
std::vector<Kolom> Rondekolommen(const Competitie& c, const Partijtabellen& t, int van, int tot) {
    const int breedte = HalvePunten(c.Opties) ? 3 : 2;
    std::vector<Kolom> k;
    for (int r = van; r <= tot; ++r) {
        Kolom kolom;
        kolom.Rechts = true;
        kolom.VasteBreedte = true;
        kolom.Breedte = breedte;
        kolom.Kopcel = Uitvoercel::MetGeheel(r, breedte);
        kolom.Kopcel.Kopcel = true;
        kolom.Waarde = [&c, &t, r](std::size_t, const TSpelerObj& s) {
            const auto punten = t.Cumulatief(s.InternNummer(), r);
            return Uitvoercel::MetTekst(punten ? PuntenTekst(c.Opties, *punten) : "--", 0, true);
        };
        k.push_back(std::move(kolom));
    }
    return k;
}

} // namespace

void SchrijfVoortschrijdingstabel(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                                  const std::string& titel) {
    Partijtabellen tabellen;
    tabellen.Vul(c);
    auto leidend = LeidendeKolommen(c, o.Afdrukken);
    BepaalBreedtes(leidend, c.Ranglijst);
    const int laatste = std::min(tabellen.LaatsteRonde(), Partijtabellen::kMaxRondes);
    const int perRegel = c.MaximumPerRegel >= 1 ? c.MaximumPerRegel : 30;

    std::vector<std::vector<Kolom>> blokken;
    for (int van = 1; van <= laatste; van += perRegel)
        blokken.push_back(Rondekolommen(c, tabellen, van, std::min(van + perRegel - 1, laatste)));
    if (blokken.empty()) blokken.emplace_back();

    const int breedte = Tabelbreedte(leidend) + Tabelbreedte(blokken.front());
    const std::string streep(static_cast<std::size_t>(breedte), '-');

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

} // namespace velkaro
