#include "reports/kolommen.h"

#include "model/tekst.h"

#include <algorithm>

namespace velkaro {

void BepaalBreedtes(std::vector<Kolom>& kolommen, const tranglijst& lijst) {
    for (auto& k : kolommen) {
        if (k.VasteBreedte) continue;
        std::size_t b = std::max(AantalTekens(k.Kop), static_cast<std::size_t>(k.MinBreedte));
        for (std::size_t i = 0; i < lijst.Aantal(); ++i) {
            const Uitvoercel cel = k.Waarde(i + 1, *lijst.At(i).Speler);
            b = std::max(b, AantalTekens(KaleWaarde(cel)));
        }
        k.Breedte = static_cast<int>(b);
    }
}

int Tabelbreedte(const std::vector<Kolom>& kolommen) {
    int b = 0;
    for (const auto& k : kolommen) b += k.Breedte + 1;
    return b;
}

void SchrijfKopcellen(TUitvoerObject& u, const std::vector<Kolom>& kolommen, bool eindeRij) {
    for (const auto& k : kolommen) {
        Uitvoercel cel = k.Kopcel.Kopcel ? k.Kopcel : Uitvoercel::MetTekst(k.Kop, 0, k.Rechts);
        cel.Breedte = k.Breedte;
        cel.Kopcel = true;
        u.Cel(cel);
    }
    if (eindeRij) u.EindeRij();
}

void SchrijfCellen(TUitvoerObject& u, const std::vector<Kolom>& kolommen, std::size_t positie,
                   const TSpelerObj& speler, bool eindeRij) {
    for (const auto& k : kolommen) {
        Uitvoercel cel = k.Waarde(positie, speler);
        cel.Breedte = k.Breedte;
        u.Cel(cel);
    }
    if (eindeRij) u.EindeRij();
}

void SchrijfLegeCellen(TUitvoerObject& u, const std::vector<Kolom>& kolommen) {
    for (const auto& k : kolommen) u.Cel(Uitvoercel::MetTekst({}, k.Breedte, k.Rechts));
}

void SchrijfVrijeTabel(TUitvoerObject& u, const std::string& titel,
                       const std::vector<Vrijekop>& koppen,
                       std::vector<std::vector<Uitvoercel>> rijen, bool regels) {
    // One position more than a heading needs, so that a bold heading in a proportional font
    // keeps clear of the next column.
    std::vector<std::size_t> breedtes(koppen.size());
    for (std::size_t k = 0; k < koppen.size(); ++k) breedtes[k] = AantalTekens(koppen[k].Tekst) + 1;
    for (const auto& rij : rijen)
        for (std::size_t k = 0; k < rij.size() && k < breedtes.size(); ++k)
            breedtes[k] = std::max(breedtes[k], AantalTekens(KaleWaarde(rij[k])));
    std::size_t totaal = 0;
    for (std::size_t b : breedtes) totaal += b + 1;

    u.Titel(titel, true);
    const bool streep = regels && u.IsTekstuitvoer();
    if (streep) u.Regel(std::string(totaal, '-'));
    for (std::size_t k = 0; k < koppen.size(); ++k) {
        Uitvoercel cel =
            Uitvoercel::MetTekst(koppen[k].Tekst, static_cast<int>(breedtes[k]), koppen[k].Rechts);
        cel.Kopcel = true;
        u.Cel(cel);
    }
    u.EindeRij();
    for (auto& rij : rijen) {
        for (std::size_t k = 0; k < rij.size() && k < breedtes.size(); ++k) {
            rij[k].Breedte = static_cast<int>(breedtes[k]);
            u.Cel(rij[k]);
        }
        u.EindeRij();
    }
    if (streep) u.Regel(std::string(totaal, '-'));
    u.EindeTabel();
}

Kolom GeheelKolom(std::string kop, std::function<int32_t(const Spelergegevens&)> waarde) {
    Kolom k;
    k.Kop = std::move(kop);
    k.Rechts = true;
    k.Waarde = [waarde = std::move(waarde)](std::size_t, const TSpelerObj& s) {
        return Uitvoercel::MetGeheel(waarde(s.G()), 0);
    };
    return k;
}

Kolom TekstKolom(std::string kop, std::function<std::string(const Spelergegevens&)> waarde,
                 bool rechts) {
    Kolom k;
    k.Kop = std::move(kop);
    k.Rechts = rechts;
    k.Waarde = [waarde = std::move(waarde), rechts](std::size_t, const TSpelerObj& s) {
        return Uitvoercel::MetTekst(waarde(s.G()), 0, rechts);
    };
    return k;
}

Kolom ReeelKolom(std::string kop, int decimalen,
                 std::function<double(const Spelergegevens&)> waarde) {
    Kolom k;
    k.Kop = std::move(kop);
    k.Rechts = true;
    k.Waarde = [waarde = std::move(waarde), decimalen](std::size_t, const TSpelerObj& s) {
        return Uitvoercel::MetReeel(waarde(s.G()), 0, decimalen);
    };
    return k;
}

} // namespace velkaro
