#include "pairing/roosterstop.h"

#include "lang/teksten.h"
#include "pairing/samenstellen.h"

#include <stdexcept>

namespace velkaro {

Groepstand::Groepstand(const Competitie& c)
    : ranglijst_(c.Ranglijst), ranglijst2_(c.Ranglijst2), opties_(c.Opties),
      minimumWedstrijden_(c.MinimumWedstrijden), gewijzigd_(c.Gewijzigd) {
    spelers_.reserve(c.Spelers.Aantal());
    for (const auto& s : c.Spelers) spelers_.push_back({s->G(), s->Sorteersleutels});
    rondes_.reserve(c.Rondes.Aantal());
    for (const auto& r : c.Rondes) rondes_.push_back(r->G());
    wedstrijden_.reserve(c.Wedstrijden.Aantal());
    for (const auto& w : c.Wedstrijden) wedstrijden_.push_back(w->G());
}

void Groepstand::Herstel(Competitie& c) const {
    if (c.Spelers.Aantal() != spelers_.size())
        throw std::logic_error("group snapshot: the players changed while pairing");
    for (std::size_t i = 0; i < spelers_.size(); ++i) {
        TSpelerObj& s = c.Spelers.At(i);
        s.W() = spelers_[i].Gegevens;
        s.Sorteersleutels = spelers_[i].Sorteersleutels;
    }
    c.Wedstrijden.Wissen();
    for (const auto& w : wedstrijden_) c.Wedstrijden.Voegtoe(w);
    // Adding the matches made bare round records; the saved ones replace them.
    c.Rondes.Wissen();
    for (const auto& r : rondes_) c.Rondes.Voegtoe(r);
    c.Ranglijst = ranglijst_;
    c.Ranglijst2 = ranglijst2_;
    c.Opties = opties_;
    c.MinimumWedstrijden = minimumWedstrijden_;
    c.Gewijzigd = gewijzigd_;
}

Roosterresultaat SamenstellenRoosterMetStop(Competitie& c, int32_t ronde, bool standaardKleuren,
                                            bool laatsteRonde, Roosteromgeving& omg) {
    const Groepstand voor(c);
    Roosterresultaat res = SamenstellenRooster(c, ronde, standaardKleuren, laatsteRonde, omg);
    if (res.Uitkomst != Roosteruitkomst::Gestopt) return res;
    voor.Herstel(c);
    omg.gesprek.Melding(lang::Tekst(lang::T::RoosterenGestopt), lang::Tekst(lang::T::Informatie),
                        Pictogram::Informatie);
    return res;
}

} // namespace velkaro
