#include "entry/toernooigegevens.h"

#include "lang/teksten.h"

namespace velkaro {

using lang::T;
using lang::Tekst;

void Toernooischerm::Open() {
    v_.Toernooinaam = c_.Opties.Toernooinaam;
    v_.Gegevens = c_.Toernooi;
    v_.Gegevens.SpeelVan = DatumCijfers(v_.Gegevens.SpeelVan);
    v_.Gegevens.SpeelTot = DatumCijfers(v_.Gegevens.SpeelTot);
    opgeslagen_ = false;
}

void Toernooischerm::Ok() {
    c_.Opties.Toernooinaam = v_.Toernooinaam;
    c_.Toernooi = v_.Gegevens;
    c_.Toernooi.SpeelVan = DatumCijfers(c_.Toernooi.SpeelVan);
    c_.Toernooi.SpeelTot = DatumCijfers(c_.Toernooi.SpeelTot);
    // The group list shows the new name at once, as saving would make it.
    c_.Groepen.GeefTitel(c_.HuidigeDeelcomp, c_.Opties.Toernooinaam);
    c_.Gewijzigd = true;
    opgeslagen_ = true;
}

void Toernooischerm::Sluit(Gesprek& gesprek) {
    if (opgeslagen_) return;
    const auto antwoord = gesprek.Vraag(Tekst(T::WijzigingenNietOpslaan) + "?",
                                        Tekst(T::Bevestiging), Knoppen::JaNeeStandaardNee);
    if (antwoord != Antwoord::Ja) Ok();
}

std::string DatumCijfers(const std::string& getypt) {
    std::string r;
    for (char ch : getypt)
        if (ch >= '0' && ch <= '9' && r.size() < 8) r += ch;
    return r;
}

std::string DatumMetStreepjes(const std::string& cijfers) {
    std::string d = DatumCijfers(cijfers);
    d.resize(8, ' ');
    return d.substr(0, 2) + "-" + d.substr(2, 2) + "-" + d.substr(4);
}

} // namespace velkaro
