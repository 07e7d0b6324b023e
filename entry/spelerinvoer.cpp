#include "entry/spelerinvoer.h"

#include "entry/conversie.h"
#include "entry/ratingkeuze.h"
#include "lang/teksten.h"
#include "model/tekst.h"

namespace velkaro {

namespace {

int Lijstpositie(int32_t titel) {
    return titel >= 0 && titel <= 3 ? titel : 0;
}

// An empty field means no number; anything else must be a whole number.
std::optional<int32_t> VeldGetal(const std::string& tekst, Gesprek& gesprek) {
    if (Trim(tekst).empty()) return 0;
    return LeesGeheel(tekst, gesprek);
}

} // namespace

std::array<std::string, 4> CategorieVelden(std::string_view categorieen) {
    std::array<std::string, 4> velden;
    std::size_t begin = 0;
    for (auto& veld : velden) {
        const std::string tot = Kap(categorieen.substr(begin), 1);
        begin += tot.size();
        veld = tot == " " ? std::string() : tot;
    }
    return velden;
}

void TInvoerSpelers::SetData(const Spelergegevens& g, bool nummerToegestaan) {
    nummerToegestaan_ = nummerToegestaan;
    intern_ = g.InternNummer;
    volledigeNaam_ = g.VolledigeNaam;
    naamBijOpenen_ = g.Naam;
    overgenomenNaam_.clear();
    Velden = {};
    Velden.Naam = g.Naam;
    Velden.LotingNr =
        std::to_string(g.Lotingnummer == 0 && nummerToegestaan ? laatste_ + 1 : g.Lotingnummer);
    Velden.Kort = g.Kort;
    Velden.Plaats = g.Plaats;
    Velden.Land = g.Land;
    Velden.Cat = CategorieVelden(g.Categorieen);
    Velden.Barrage = std::to_string(g.Barrage);
    Velden.Stand = (g.Opnemen & OpnemenStand) != 0;
    Velden.Rooster = (g.Opnemen & OpnemenRooster) != 0;
    Velden.Rating = g.LokaleRating;
    Velden.LokaleTitel = Lijstpositie(g.LokaleTitel);
    Velden.FMJDRating = g.FMJDRating;
    Velden.FMJDTitel = Lijstpositie(g.FMJDTitel);
    Velden.FMJDID = std::to_string(g.FMJDID);
}

void TInvoerSpelers::NaamVerlaten() {
    for (const auto& s : spelers_)
        if (Trim(s->G().Naam) == Velden.Naam && s->InternNummer() != intern_)
            gesprek_.Melding(lang::Tekst(lang::T::NaamAlIngevoerd),
                             lang::Tekst(lang::T::Waarschuwing), Pictogram::Waarschuwing);
}

bool TInvoerSpelers::GetData(Spelergegevens& g) {
    // A player without a name cannot be found in any list: nothing is read back.
    if (Trim(Velden.Naam).empty()) return false;
    // Every conversion first, so that a failure changes nothing.
    const auto loting = VeldGetal(Velden.LotingNr, gesprek_);
    if (!loting) return false;
    const auto barrage = VeldGetal(Velden.Barrage, gesprek_);
    if (!barrage) return false;
    const auto fmjdid = VeldGetal(Velden.FMJDID, gesprek_);
    if (!fmjdid) return false;

    g.Naam = Kap(Velden.Naam, kNaamLengte);
    // A long name that was only a copy of the old name follows a renamed player; one taken
    // from a rating list stays.
    // So does one taken from a rating list whose name was then typed over.
    if (volledigeNaam_.empty() || volledigeNaam_ == naamBijOpenen_ ||
        (!overgenomenNaam_.empty() && Velden.Naam != overgenomenNaam_))
        g.VolledigeNaam = g.Naam;
    else
        g.VolledigeNaam = volledigeNaam_;
    g.Lotingnummer = *loting;
    g.Kort = Kap(Velden.Kort, kKortLengte);
    g.Plaats = Kap(Velden.Plaats, kPlaatsLengte);
    g.Land = Kap(Velden.Land, kLandLengte);
    std::string cat;
    for (const auto& c : Velden.Cat) cat += Kap(c, 1);
    g.Categorieen = VulRechts(cat, 5);
    g.LokaleRating = Velden.Rating;
    g.FMJDRating = Velden.FMJDRating;
    g.Barrage = *barrage;
    g.FMJDID = *fmjdid;
    g.Rating = opties_.FMJDRatingHanteren() ? g.FMJDRating : g.LokaleRating;
    g.Opnemen = static_cast<uint16_t>((Velden.Stand ? OpnemenStand : 0) |
                                      (Velden.Rooster ? OpnemenRooster : 0));
    g.FMJDTitel = Lijstpositie(Velden.FMJDTitel);
    g.LokaleTitel = Lijstpositie(Velden.LokaleTitel);
    laatste_ = *loting;
    return true;
}

void TInvoerSpelers::NeemNationaalOver(const TCBElo& e, bool volledigeKNDBLijst,
                                       bool volledigeVoornaam) {
    Velden.Rating = e.Rating;
    const std::string naam = volledigeVoornaam    ? e.VolledigeNaam()
                             : volledigeKNDBLijst ? e.KorteNaam()
                                                  : e.Lijstnaam();
    Velden.Naam = Kap(naam, kNaamLengte);
    volledigeNaam_ = e.VolledigeNaam();
    overgenomenNaam_ = Velden.Naam;
    if (!volledigeKNDBLijst) return;
    Velden.LokaleTitel = NationaleTitelpositie(e.Titel);
    Velden.Kort = KortVanNaam(e.Achternaam);
    Velden.FMJDID = std::to_string(e.FMJDID);
}

void TInvoerSpelers::NeemFMJDOver(const TCBFMJD& e, bool volledigeVoornaam) {
    Velden.FMJDRating = e.Rating;
    Velden.FMJDTitel = FMJDTitelpositie(e.Titel);
    Velden.Naam = Kap(volledigeVoornaam ? e.VolledigeNaam() : e.KorteNaam(), kNaamLengte);
    Velden.Land = Kap(e.Land, kLandLengte);
    Velden.FMJDID = std::to_string(e.ID);
    Velden.FMJDNaam = e.VolledigeNaam();
    Velden.Kort = KortVanNaam(e.Naam);
    volledigeNaam_ = e.VolledigeNaam();
    overgenomenNaam_ = Velden.Naam;
}

void TInvoerSpelers::FMJDIDGetypt(const FMJDLijst& lijst) {
    // Without a list every number would be unknown and wipe what was typed by hand.
    if (lijst.Spelers.empty()) return;
    const auto id = Geheel(Velden.FMJDID);
    const TCBFMJD* e = id ? ZoekFMJDID(lijst, *id) : nullptr;
    Velden.FMJDNaam = e ? e->VolledigeNaam() : std::string();
    Velden.FMJDRating = e ? e->Rating : 0;
    Velden.FMJDTitel = e ? FMJDTitelpositie(e->Titel) : 0;
    Velden.Land = e ? Kap(e->Land, kLandLengte) : std::string();
}

} // namespace velkaro
