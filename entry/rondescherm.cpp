#include "entry/rondescherm.h"

#include "entry/ongedaan.h"

#include "lang/teksten.h"
#include "model/tekst.h"

#include <algorithm>
#include <cstdio>

namespace velkaro {

std::string DatumTekst(const Datum& d) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", d.Dag, d.Maand, d.Jaar);
    return buf;
}

std::string RondeRegel(const Rondegegevens& g) {
    return VulLinks(std::to_string(g.Rondenummer), 3) + '\t' + g.Datum + '\t' +
           VulLinks(std::to_string(g.AantalWedstrijden), 2) + "\t[" +
           VulLinks(std::to_string(g.AantalUitslagen), 2) + "]\t" +
           lang::Tekst(lang::T::Wedstrijden);
}

int32_t HuidigeRonde(Competitie& c) {
    c.Rondes.BerekenUitslagen(c.Wedstrijden);
    int32_t laagste = 0;
    // A bye carries no result and waits for none.
    for (const auto& w : c.Wedstrijden)
        if (!w->G().Gespeeld && !c.Opties.IsVrijeRonde(w->G()) &&
            (laagste == 0 || w->G().Ronde < laagste))
            laagste = w->G().Ronde;
    if (laagste != 0) return laagste;
    for (const auto& r : c.Rondes)
        if (r->G().AantalWedstrijden == 0) return r->Rondenummer();
    return 0;
}

int32_t NieuweRonde(Competitie& c, const Klok& klok) {
    const int32_t r = c.Rondes.laatste_ronde() + 1;
    c.Rondes.Voegtoe(Rondegegevens{r, DatumTekst(klok.Nu()), 0, 0, 0});
    c.Gewijzigd = true;
    return r;
}

void VoegRondeIn(Competitie& c, int32_t r, const Klok& klok) {
    for (auto& w : c.Wedstrijden)
        if (w->G().Ronde >= r) ++w->W().Ronde;
    // Raising every number from r on keeps both collections in order.
    for (auto& o : c.Rondes)
        if (o->Rondenummer() >= r) ++o->W().Rondenummer;
    c.Rondes.Voegtoe(Rondegegevens{r, DatumTekst(klok.Nu()), 0, 0, 0});
    c.MarkeerHerberekenen();
}

void VerwijderRondeRecord(Competitie& c, int32_t r) {
    c.Rondes.Verwijder(r);
    for (auto& o : c.Rondes)
        if (o->Rondenummer() > r) --o->W().Rondenummer;
    c.Gewijzigd = true;
}

RondeWeg VerwijderRonde(Competitie& c, int32_t r, Gesprek& gesprek) {
    using lang::T;
    const auto antwoord = gesprek.Vraag(
        lang::Tekst(T::OokWedstrijdenVerwijderen) + " " + std::to_string(r) + "?",
        lang::Tekst(T::Bevestiging), Knoppen::JaNeeAnnuleren, Pictogram::Waarschuwing);
    if (antwoord == Antwoord::Ja) {
        c.Wedstrijden.VerwijderRondeCompleet(r);
    } else if (antwoord == Antwoord::Nee) {
        if (c.Wedstrijden.Aantal() > 0 && c.Rondes.Aantal() == 1) {
            gesprek.Melding(lang::Tekst(T::VerwijderEerstWedstrijden), lang::Tekst(T::Fout),
                            Pictogram::Fout);
            return RondeWeg::Geweigerd;
        }
    } else {
        return RondeWeg::Geannuleerd;
    }
    for (auto& w : c.Wedstrijden)
        if (w->G().Ronde >= r && w->G().Ronde > 1) --w->W().Ronde;
    c.Wedstrijden.Herschik();
    VerwijderRondeRecord(c, r);
    c.MarkeerHerberekenen();
    return RondeWeg::Verwijderd;
}

TRondeScherm::TRondeScherm(Competitie& c, Gesprek& gesprek, const Klok& klok, Toeval& toeval)
    : c_(c), gesprek_(gesprek), klok_(klok), lijst_(c, gesprek, toeval) {}

void TRondeScherm::Bouw() {
    c_.Rondes.BerekenUitslagen(c_.Wedstrijden);
    regels_.clear();
    nummers_.clear();
    for (const auto& r : c_.Rondes) {
        regels_.push_back(RondeRegel(r->G()));
        nummers_.push_back(r->Rondenummer());
    }
    if (selectie_ >= static_cast<int>(regels_.size()))
        selectie_ = static_cast<int>(regels_.size()) - 1;
}

int TRondeScherm::Positie(int32_t ronde) const {
    for (std::size_t i = 0; i < nummers_.size(); ++i)
        if (nummers_[i] == ronde) return static_cast<int>(i);
    return -1;
}

int32_t TRondeScherm::GekozenRonde() const {
    if (selectie_ < 0 || selectie_ >= static_cast<int>(nummers_.size())) return 0;
    return nummers_[static_cast<std::size_t>(selectie_)];
}

void TRondeScherm::Selecteer(int i) {
    selectie_ = i >= 0 && i < static_cast<int>(regels_.size()) ? i : -1;
}

void TRondeScherm::Activeer(bool direct, const Wedstrijdscherm& toon) {
    Bouw();
    huidige_ = HuidigeRonde(c_);
    // The current round's own line, also when the round numbers have gaps.
    selectie_ = huidige_ != 0 ? Positie(huidige_) : (regels_.empty() ? -1 : 0);
    if (!direct) return;
    if (huidige_ != 0 && selectie_ >= 0)
        Keuze(toon);
    else
        Nieuw(toon);
}

void TRondeScherm::Keuze(const Wedstrijdscherm& toon) {
    const int32_t r = GekozenRonde();
    if (selectie_ < 0) return;
    const int positie = selectie_;
    const trondeobj* ronde = c_.Rondes.zoek(r);
    const bool leeg = ronde && ronde->G().AantalWedstrijden == 0;
    lijst_.SetData(r);
    if (toon(lijst_) == Afsluiting::Abort) {
        // Putting the round back as it was is itself a change that can be undone.
        Wijzigingsstap stap(geschiedenis_, Stapnaam(lang::T::StapAfbreken, std::to_string(r)));
        lijst_.GetData(r, false);
        // (An undo in the list may already have taken the round away.)
        if (leeg && c_.Rondes.RondeBestaat(r)) VerwijderRondeRecord(c_, r);
    } else {
        lijst_.GetData(r, true);
    }
    Bouw();
    Selecteer(std::min(positie + 1, static_cast<int>(regels_.size()) - 1));
}

void TRondeScherm::Nieuw(const Wedstrijdscherm& toon) {
    int32_t r = 0;
    {
        Wijzigingsstap stap(geschiedenis_, Stapnaam(lang::T::StapRondeNieuw));
        r = NieuweRonde(c_, klok_);
    }
    Bouw();
    selectie_ = Positie(r);
    Keuze(toon);
    Bouw();
    selectie_ = static_cast<int>(regels_.size()) - 1;
}

void TRondeScherm::Invoegen() {
    const int32_t r = GekozenRonde();
    if (selectie_ < 0) {
        gesprek_.Melding(lang::Tekst(lang::T::GeenRondeGeselecteerd),
                         lang::Tekst(lang::T::Informatie), Pictogram::Informatie);
        return;
    }
    {
        Wijzigingsstap stap(geschiedenis_, Stapnaam(lang::T::StapRondeInvoegen, std::to_string(r)));
        VoegRondeIn(c_, r, klok_);
    }
    Bouw();
}

void TRondeScherm::Verwijderen() {
    if (selectie_ < 0) return;
    const int32_t r = GekozenRonde();
    {
        Wijzigingsstap stap(geschiedenis_,
                            Stapnaam(lang::T::StapRondeVerwijderen, std::to_string(r)));
        VerwijderRonde(c_, r, gesprek_);
    }
    Bouw();
}

} // namespace velkaro
