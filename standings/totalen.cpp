// The common totals of the standings computation.
#include "standings/totalen.h"

#include "standings/verzadig.h"

#include <algorithm>
#include <tuple>

namespace velkaro::stand {

namespace {

constexpr int32_t kRatingOnbekend = 2100;
constexpr int32_t kMinStart = 999;

// Systems whose opponent extremes are kept (the others use the fields for their own values).
bool HoudtExtremen(uint16_t systeem) {
    return systeem == SysteemNormaal || systeem == SysteemZwitsers ||
           systeem == SysteemZwitsersRating || systeem == SysteemFMJDZwitsers;
}

// The rating a side brings to the rating sums: the outside rating, or the FMJD rating of a
// registered player with 2100 for one who has none.
int32_t SomRating(const Zijde& z) {
    if (!z.Speler) return z.Buitenrating;
    const int32_t r = z.Speler->G().FMJDRating;
    return r == 0 ? kRatingOnbekend : r;
}

// The smallest digit 1 to 9 in a category text; 0 when there is none.
int32_t Categoriecijfer(const std::string& categorieen) {
    int32_t kleinste = 0;
    for (char t : categorieen)
        if (t >= '1' && t <= '9' && (kleinste == 0 || t - '0' < kleinste)) kleinste = t - '0';
    return kleinste;
}

// Whether results are board points and whether plus- and minus-draws are told apart.
struct Telwijze {
    bool Bord, Bijzonder;
};

void TelUitslag(const Berekening& b, Telwijze wijze, Spelergegevens& g, uint8_t code) {
    ++g.AantalPartijen;
    if (wijze.Bord) {
        // The code is the board score out of 8; the standings count match points.
        if (code < 4) {
            ++g.AantalVerlies;
        } else if (code == 4) {
            ++g.AantalRemise;
            TelOp(g.Punten, 1);
        } else if (code <= 8) {
            ++g.AantalWinst;
            TelOp(g.Punten, 2);
        }
        return;
    }
    const bool bijzonder = wijze.Bijzonder;
    switch (code) {
    case UitslagVerlies:
        ++g.AantalVerlies;
        break;
    case UitslagRemise:
        ++g.AantalRemise;
        break;
    case UitslagWinst:
        ++g.AantalWinst;
        break;
    case UitslagMinRemise:
        ++(bijzonder ? g.MinRemises : g.AantalRemise);
        break;
    case UitslagPlusRemise:
        ++(bijzonder ? g.PlusRemises : g.AantalRemise);
        break;
    default:
        break;
    }
    TelOp(g.Punten, b.Punten(code));
}

// Counts the opponent in the highest norm level he reaches.
void TelNorm(Spelergegevens& g, const Spelergegevens& tegen) {
    const int32_t titel = tegen.FMJDTitel, rating = tegen.FMJDRating;
    if (titel >= 3 && rating >= 2300)
        ++g.AantalNorm3;
    else if (titel >= 2 && rating >= 2250)
        ++g.AantalNorm2;
    else if (titel >= 1 && rating >= 2210)
        ++g.AantalNorm1;
}

} // namespace

int32_t LaatsteRondeMetUitslagen(const Competitie& c) {
    // The same rule as the round list's result count: rounds 1 to 1000 that exist and have a
    // match with a result.
    std::vector<bool> metUitslag(kMaxRonde + 1, false);
    for (const auto& w : c.Wedstrijden) {
        const int32_t r = w->G().Ronde;
        if (w->G().Gespeeld && r >= 1 && r <= kMaxRonde)
            metUitslag[static_cast<std::size_t>(r)] = true;
    }
    int32_t laatste = 0;
    for (const auto& ronde : c.Rondes) {
        const int32_t r = ronde->Rondenummer();
        if (r >= 1 && r <= kMaxRonde && metUitslag[static_cast<std::size_t>(r)])
            laatste = std::max(laatste, r);
    }
    return laatste;
}

void InitialiseerSpelers(Competitie& c, bool vorigeNotering) {
    const trekenopties& o = c.Opties;
    const bool fmjd = o.FMJDRatingHanteren();
    for (auto& s : c.Spelers) {
        Spelergegevens& g = s->W();
        g.Rating = fmjd ? g.FMJDRating : g.LokaleRating;
        g.Punten = g.AantalPartijen = 0;
        g.AantalWinst = g.PlusRemises = g.AantalRemise = g.MinRemises = g.AantalVerlies = 0;
        g.Weerstandspunten = g.WPMinLaagste = g.WPMinLaagsteHoogste = g.SBPunten = 0;
        g.MinTegenstanderPunten = g.MaxTegenstanderPunten = 0;
        if (HoudtExtremen(o.Rekensysteem))
            g.MinTegenstanderPunten = o.Rekensysteem == SysteemZwitsersRating ? 0 : kMinStart;
        g.Kleurbalans = 0;
        g.LaatsteKleur = 2;
        g.TSRating = g.AantalNorm1 = g.AantalNorm2 = g.AantalNorm3 = 0;
        g.Plaatsgroep = g.OnderlingResultaat = g.HAR = 0;
        g.Keizerpunten = 0.0;
        g.Larenwaarde = std::max<int32_t>(1, c.LarenBasis - 2 * (g.Lotingnummer - 1));
        g.LarenWP = g.TegenstanderWaarden = g.TegenstanderGemiddeld = 0;
        g.PuntenPerPartij = g.LarenWPPerPartij = 0.0;
        g.LarenVolgorde = 0;
        g.PlaatsPunten = g.PlaatsWP = g.PlaatsGemPunten = g.PlaatsGemWP = g.PlaatsTotaal = 0.0;
        g.LarenOnderling = 20;
        g.Categoriecijfer = Categoriecijfer(g.Categorieen);
        g.GroepPartijen = 0;
        g.AantalVrij = g.VrijPunten = 0;
        if (vorigeNotering) g.VorigeNotering = g.Notering;
    }
}

void TelUitslagen(Berekening& b) {
    const Telwijze wijze{b.c.Opties.Bordpunten(), b.c.Opties.BijzondereRemises()};
    // TSRating holds the rating sum until every match is in.
    for (auto& w : b.Wedstrijden) {
        for (auto [zelf, ander] : {std::pair{&w.Wit, &w.Zwart}, std::pair{&w.Zwart, &w.Wit}}) {
            if (!zelf->Speler) continue;
            Spelergegevens& g = zelf->Speler->W();
            TelUitslag(b, wijze, g, zelf->Code);
            TelOp(g.TSRating, SomRating(*ander));
            if (ander->Speler) TelNorm(g, ander->Speler->G());
        }
    }
    // A bye adds only its points: no game, no win, draw or loss, no opponent, no colour.
    const int32_t vrijpunten = b.c.Opties.VrijPunten();
    for (const auto& v : b.Vrij) {
        Spelergegevens& g = b.c.Spelers.At(v.Index).W();
        ++g.AantalVrij;
        TelOp(g.VrijPunten, vrijpunten);
        TelOp(g.Punten, vrijpunten);
    }
    for (auto& s : b.c.Spelers) {
        Spelergegevens& g = s->W();
        if (g.AantalPartijen >= 1) {
            const int64_t eigen = g.FMJDRating == 0 ? kRatingOnbekend : g.FMJDRating;
            g.TSRating = static_cast<int32_t>((static_cast<int64_t>(g.TSRating) + eigen) /
                                              (g.AantalPartijen + 1));
        } else {
            g.TSRating = 0;
        }
    }
}

void TelTegenstanders(Berekening& b) {
    const trekenopties& o = b.c.Opties;
    const bool extremen = HoudtExtremen(o.Rekensysteem);
    const bool ratingsom = o.Rekensysteem == SysteemZwitsersRating;
    const bool bord = o.Bordpunten();
    for (auto& w : b.Wedstrijden) {
        if (!w.BeideIngeschreven()) continue;
        Spelergegevens& a = w.Wit.Speler->W();
        Spelergegevens& z = w.Zwart.Speler->W();
        for (auto [zelf, ander, code] :
             {std::tuple{&a, &z, w.Wit.Code}, std::tuple{&z, &a, w.Zwart.Code}}) {
            TelOp(zelf->Weerstandspunten, ander->Punten);
            if (ratingsom) {
                TelOp(zelf->MinTegenstanderPunten, ander->Rating);
            } else if (extremen) {
                zelf->MinTegenstanderPunten = std::min(zelf->MinTegenstanderPunten, ander->Punten);
                zelf->MaxTegenstanderPunten = std::max(zelf->MaxTegenstanderPunten, ander->Punten);
            }
            TelOp(zelf->SBPunten, bord ? int64_t{code} : int64_t{b.Punten(code)} * ander->Punten);
        }
        a.Kleurbalans = static_cast<int8_t>(a.Kleurbalans + 1);
        z.Kleurbalans = static_cast<int8_t>(z.Kleurbalans - 1);
        a.LaatsteKleur = 0;
        z.LaatsteKleur = 1;
    }
}

} // namespace velkaro::stand
