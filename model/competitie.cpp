#include "model/competitie.h"

namespace velkaro {

std::array<std::string*, Toernooigegevens::kAantal> Toernooigegevens::Velden() {
    return {&SpeelVan,     &SpeelTot,   &SpeelPlaats,  &SpeelLand, &WLNaam,  &WLAdres,
            &WLWoonplaats, &WLTelefoon, &WLEmail,      &ARNaam,    &ARAdres, &ARWoonplaats,
            &ARTelefoon,   &AREmail,    &Hulparbiters, &Speeltempo};
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
    w.ZetUitslag(wit, zwart, afgebroken, gespeeld);
    MarkeerHerberekenen();
}

} // namespace velkaro
