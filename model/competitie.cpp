#include "model/competitie.h"

namespace velkaro {

namespace {
// The fields in file order, for the changing and the reading side alike.
template <class Gegevens, class Veld>
std::array<Veld*, Toernooigegevens::kAantal> VeldenVan(Gegevens& t) {
    return {&t.SpeelVan,   &t.SpeelTot, &t.SpeelPlaats,  &t.SpeelLand,
            &t.WLNaam,     &t.WLAdres,  &t.WLWoonplaats, &t.WLTelefoon,
            &t.WLEmail,    &t.ARNaam,   &t.ARAdres,      &t.ARWoonplaats,
            &t.ARTelefoon, &t.AREmail,  &t.Hulparbiters, &t.Speeltempo};
}
} // namespace

std::array<std::string*, Toernooigegevens::kAantal> Toernooigegevens::Velden() {
    return VeldenVan<Toernooigegevens, std::string>(*this);
}

std::array<const std::string*, Toernooigegevens::kAantal> Toernooigegevens::Velden() const {
    return VeldenVan<const Toernooigegevens, const std::string>(*this);
}

Competitie::Competitie() {
    VolledigeReset();
    Bestandsversie = kHuidigeVersie;
    Deelcompgegevens g;
    g.Competitienummer = 1;
    g.Bestandsnummer = Groepen.VindVrijInternNummer();
    Groepen.Voegtoe(g);
    HuidigeDeelcomp = g.Bestandsnummer;
    HuidigCompetitienummer = 1;
    GeformatteerdeRanglijst = true;
    Staand = true;
}

void Competitie::Reset() {
    Wedstrijden.Wissen();
    Spelers.Wissen();
    Rondes.Wissen();
    Ranglijst.DeleteAll();
    Ranglijst2.DeleteAll();
    Categorieen.clear();
    Opties.ZetStandaard();
    RanglijstOpties = kStandaardRanglijstOpties;
    LotingModus = 0;
    Gewijzigd = false;
}

void Competitie::VolledigeReset() {
    Groepen.Wissen();
    Reset();
    AlleenLezen = Alleenlezen::Nee;
    HuidigeDeelcomp = 1;
    HuidigCompetitienummer = 1;
    Opmaakfont = "Times New Roman";
    Vastfont = "Courier New";
}

void Competitie::MarkeerHerberekenen() {
    Opties.Herberekenen = 1;
    Gewijzigd = true;
}

void Competitie::ZetUitslag(twedstrijdobj& w, uint8_t wit, uint8_t zwart, bool afgebroken,
                            bool gespeeld) {
    // A bye takes no result: what it scores comes from the settings.
    if (Opties.IsVrijeRonde(w.G())) return;
    w.ZetUitslag(wit, zwart, afgebroken, gespeeld);
    MarkeerHerberekenen();
}

} // namespace velkaro
