#include "reports/ranglijst_rapport.h"

#include "lang/teksten.h"
#include "model/tekst.h"
#include "reports/matrix.h"
#include "reports/punten.h"

namespace velkaro {

using lang::T;
using lang::Tekst;

namespace {

std::string FMJDTitelTekst(int32_t titel) {
    switch (titel) {
    case 1:
        return Tekst(T::TitelMF);
    case 2:
        return Tekst(T::TitelMI);
    case 3:
        return Tekst(T::TitelGMI);
    default:
        return {};
    }
}

std::string NatTitelTekst(int32_t titel) {
    switch (titel) {
    case 1:
        return Tekst(T::TitelCMN);
    case 2:
        return Tekst(T::TitelMN);
    case 3:
        return Tekst(T::TitelGMN);
    default:
        return {};
    }
}

// The tie-break column of a digit of Sorteervolgorde; nothing for 0, 3, 8 and 9.
std::optional<Kolom> Weerstandskolom(int cijfer) {
    switch (cijfer) {
    case 1:
        return GeheelKolom(Tekst(T::KopERt), [](const Spelergegevens& g) { return g.Rating; });
    case 2:
        return GeheelKolom(Tekst(T::KopTRt),
                           [](const Spelergegevens& g) { return g.MinTegenstanderPunten; });
    case 4:
        return GeheelKolom(Tekst(T::KopWP),
                           [](const Spelergegevens& g) { return g.Weerstandspunten; });
    case 5:
        return GeheelKolom(Tekst(T::KopWl), [](const Spelergegevens& g) { return g.WPMinLaagste; });
    case 6:
        return GeheelKolom(Tekst(T::KopWlh),
                           [](const Spelergegevens& g) { return g.WPMinLaagsteHoogste; });
    case 7:
        return GeheelKolom(Tekst(T::KopSB), [](const Spelergegevens& g) { return g.SBPunten; });
    default:
        return std::nullopt;
    }
}

} // namespace

std::vector<Kolom> LeidendeKolommen(const Competitie& c, const Afdrukopties& a) {
    return LeidendeKolommen(c, a, c.Ranglijst);
}

std::vector<Kolom> LeidendeKolommen(const Competitie& c, const Afdrukopties& a,
                                    const tranglijst& lijst) {
    std::vector<Kolom> k;
    Kolom plaats;
    plaats.Kop = Tekst(T::Nr);
    plaats.Rechts = true;
    plaats.VasteBreedte = true;
    plaats.Breedte = lijst.Aantal() >= 100 ? 5 : 4;
    // Players who share a place show it on the first of their rows only.
    if (&lijst == &c.Ranglijst)
        plaats.Waarde = [](std::size_t positie, const TSpelerObj& s) {
            if (s.G().Notering == positie) return Uitvoercel::MetGeheel(s.G().Notering, 0);
            return Uitvoercel::MetTekst({}, 0, true);
        };
    else
        plaats.Waarde = [&lijst](std::size_t positie, const TSpelerObj& s) {
            if (positie > 1 && lijst.At(positie - 2).Speler->G().Notering == s.G().Notering)
                return Uitvoercel::MetTekst({}, 0, true);
            return Uitvoercel::MetGeheel(static_cast<int32_t>(positie), 0);
        };
    k.push_back(std::move(plaats));
    if (a.VorigeNotering) {
        Kolom vorig;
        vorig.Kop = Tekst(T::KopVorig);
        vorig.Rechts = true;
        vorig.Waarde = [](std::size_t, const TSpelerObj& s) {
            if (s.G().VorigeNotering == 0) return Uitvoercel::MetTekst("--", 0, true);
            return Uitvoercel::MetGeheel(s.G().VorigeNotering, 0);
        };
        k.push_back(std::move(vorig));
    }
    k.push_back(TekstKolom(Tekst(T::Naam), [](const Spelergegevens& g) { return g.Naam; }));
    if (a.FMJDTitel)
        k.push_back(TekstKolom(Tekst(T::KopFMJDTitel), [](const Spelergegevens& g) {
            return FMJDTitelTekst(g.FMJDTitel);
        }));
    if (a.NatTitel)
        k.push_back(TekstKolom(Tekst(T::KopNatTitel), [](const Spelergegevens& g) {
            return NatTitelTekst(g.LokaleTitel);
        }));
    if (a.Plaats)
        k.push_back(TekstKolom(Tekst(T::Plaats), [](const Spelergegevens& g) { return g.Plaats; }));
    if (a.Land)
        k.push_back(TekstKolom(Tekst(T::Land), [](const Spelergegevens& g) { return g.Land; }));
    if (a.Categorie)
        k.push_back(TekstKolom(
            Tekst(T::Cat), [](const Spelergegevens& g) { return Trim(Kap(g.Categorieen, 4)); }));
    return k;
}

std::vector<Kolom> RanglijstKolommen(const Competitie& c, const Afdrukopties& a,
                                     const Partijtabellen& tabellen) {
    return RanglijstKolommen(c, a, tabellen, c.Ranglijst);
}

std::vector<Kolom> RanglijstKolommen(const Competitie& c, const Afdrukopties& a,
                                     const Partijtabellen& tabellen, const tranglijst& lijst) {
    const trekenopties& o = c.Opties;
    std::vector<Kolom> k = LeidendeKolommen(c, a, lijst);

    if (a.Matrix) {
        const int breedte = MatrixBreedte(c);
        for (std::size_t kolom = 1; kolom <= lijst.Aantal(); ++kolom) {
            Kolom m;
            m.Rechts = true;
            m.VasteBreedte = true;
            // The first column one position wider (its value right-aligned): a name as long as
            // its column keeps two blanks from the first result, and stays clear of it where
            // the names are drawn in a proportional font.
            m.Breedte = kolom == 1 ? breedte + 1 : breedte;
            m.Kopcel = MatrixKopcel(kolom, breedte);
            m.Waarde = [&c, &lijst, &tabellen, kolom, breedte](std::size_t rij, const TSpelerObj&) {
                return MatrixCel(c, lijst, tabellen, rij, kolom, breedte);
            };
            k.push_back(std::move(m));
        }
    }
    k.push_back(
        GeheelKolom(Tekst(T::KopAW), [](const Spelergegevens& g) { return g.AantalPartijen; }));
    // Two-letter headings get a third position, so that a bold heading in a proportional font
    // keeps clear of the column before it.
    k.back().MinBreedte = 3;
    if (a.Statistiek) {
        const bool bijzonder = o.BijzondereRemises();
        k.push_back(GeheelKolom("+", [](const Spelergegevens& g) { return g.AantalWinst; }));
        if (bijzonder)
            k.push_back(GeheelKolom("+=", [](const Spelergegevens& g) { return g.PlusRemises; }));
        k.push_back(GeheelKolom("=", [](const Spelergegevens& g) { return g.AantalRemise; }));
        if (bijzonder)
            k.push_back(GeheelKolom("-=", [](const Spelergegevens& g) { return g.MinRemises; }));
        k.push_back(GeheelKolom("-", [](const Spelergegevens& g) { return g.AantalVerlies; }));
    }
    if (HalvePunten(o))
        k.push_back(TekstKolom(
            Tekst(T::KopPt), [&o](const Spelergegevens& g) { return PuntenTekst(o, g.Punten); },
            true));
    else
        k.push_back(GeheelKolom(Tekst(T::KopPt), [](const Spelergegevens& g) { return g.Punten; }));
    k.back().MinBreedte = 3;

    switch (o.Rekensysteem) {
    case SysteemNormaal:
    case SysteemZwitsers:
    case SysteemZwitsersRating:
    case SysteemFMJDZwitsers: {
        const std::string volgorde = std::to_string(o.Sorteervolgorde);
        for (std::size_t i = 0; i < volgorde.size(); ++i)
            if (auto kolom = Weerstandskolom(o.SorteerCriterium(static_cast<int>(i + 1))))
                k.push_back(std::move(*kolom));
        break;
    }
    case SysteemKeizer:
        k.push_back(ReeelKolom(Tekst(T::KTot), 1,
                               [](const Spelergegevens& g) { return g.Keizerpunten.Waarde(); }));
        k.push_back(
            GeheelKolom(Tekst(T::KPnt), [](const Spelergegevens& g) { return g.Keizerwaarde; }));
        break;
    case SysteemLaren:
        if (a.Statistiek)
            k.push_back(GeheelKolom(Tekst(T::KopRWC),
                                    [](const Spelergegevens& g) { return g.Larenwaarde; }));
        k.push_back(
            GeheelKolom(Tekst(T::KopRWP), [](const Spelergegevens& g) { return g.LarenWP; }));
        k.push_back(ReeelKolom(Tekst(T::KopPN), 2,
                               [](const Spelergegevens& g) { return g.PuntenPerPartij.Waarde(); }));
        k.push_back(ReeelKolom(Tekst(T::KopRWPN), 2, [](const Spelergegevens& g) {
            return g.LarenWPPerPartij.Waarde();
        }));
        k.push_back(ReeelKolom(Tekst(T::KopPlP), 1,
                               [](const Spelergegevens& g) { return g.PlaatsPunten.Waarde(); }));
        k.push_back(ReeelKolom(Tekst(T::KopPlR), 1,
                               [](const Spelergegevens& g) { return g.PlaatsWP.Waarde(); }));
        k.push_back(ReeelKolom(Tekst(T::KopPGP), 1,
                               [](const Spelergegevens& g) { return g.PlaatsGemPunten.Waarde(); }));
        k.push_back(ReeelKolom(Tekst(T::KopPGR), 1,
                               [](const Spelergegevens& g) { return g.PlaatsGemWP.Waarde(); }));
        k.push_back(ReeelKolom(Tekst(T::KopPTot), 1,
                               [](const Spelergegevens& g) { return g.PlaatsTotaal.Waarde(); }));
        break;
    case SysteemMoyenne:
        k.push_back(ReeelKolom(Tekst(T::KopEigen), 2,
                               [](const Spelergegevens& g) { return g.EigenMoyenne.Waarde(); }));
        k.push_back(ReeelKolom(Tekst(T::KopTegen), 2, [](const Spelergegevens& g) {
            return g.TegenstanderMoyenne.Waarde();
        }));
        k.push_back(ReeelKolom(Tekst(T::KopTotal), 2,
                               [](const Spelergegevens& g) { return g.TotaalMoyenne.Waarde(); }));
        break;
    case SysteemRating:
        // Under the rating system the opponent-point fields hold the starting and the new rating.
        k.push_back(GeheelKolom(Tekst(T::TsR),
                                [](const Spelergegevens& g) { return g.MinTegenstanderPunten; }));
        k.push_back(GeheelKolom(Tekst(T::KopPrest),
                                [](const Spelergegevens& g) { return g.MaxTegenstanderPunten; }));
        k.push_back(
            GeheelKolom(Tekst(T::KopBegin), [](const Spelergegevens& g) { return g.Rating; }));
        k.push_back(GeheelKolom(Tekst(T::KopNu),
                                [](const Spelergegevens& g) { return g.MaxTegenstanderPunten; }));
        break;
    default:
        break;
    }
    if (a.Kleurverhouding)
        k.push_back(
            GeheelKolom(Tekst(T::KopKlr), [](const Spelergegevens& g) { return g.Kleurbalans; }));

    BepaalBreedtes(k, lijst);
    return k;
}

void SchrijfRanglijst(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                      const std::string& titel) {
    Partijtabellen tabellen;
    tabellen.Vul(c);
    SchrijfRanglijst(c, o, u, titel, c.Ranglijst, tabellen);
}

void SchrijfRanglijst(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                      const std::string& titel, const tranglijst& lijst,
                      const Partijtabellen& tabellen) {
    const auto kolommen = RanglijstKolommen(c, o.Afdrukken, tabellen, lijst);
    u.Titel(titel, true);
    SchrijfKopcellen(u, kolommen);
    for (std::size_t i = 0; i < lijst.Aantal(); ++i)
        SchrijfCellen(u, kolommen, i + 1, *lijst.At(i).Speler);
    u.EindeTabel();
}

} // namespace velkaro
