#include "entry/wedstrijdlijst.h"

#include "entry/ongedaan.h"
#include "entry/uitslagtekst.h"
#include "entry/wedstrijdregels.h"
#include "lang/teksten.h"

#include <algorithm>

namespace velkaro {

TWedstrijdenlijst::TWedstrijdenlijst(Competitie& c, Gesprek& gesprek, Toeval& toeval)
    : c_(c), gesprek_(gesprek), toeval_(toeval), invoer_(c.Spelers) {}

// A list still holding matches when it goes gives them back rather than losing them.
TWedstrijdenlijst::~TWedstrijdenlijst() {
    if (!lijnen_.empty() || !herstel_.empty()) GetData(ronde_, false);
}

void TWedstrijdenlijst::SetData(int32_t ronde) {
    if (!lijnen_.empty() || !herstel_.empty()) GetData(ronde_, false);
    // A change not yet recorded stays apart from the numbering below, which is none.
    if (geschiedenis_) geschiedenis_->Bij();
    ronde_ = ronde;
    gewijzigd_ = false;
    verzoek_ = Verzoek::Geen;
    Datum = c_.Rondes.geef_datum(ronde);
    std::vector<const twedstrijdobj*> eigen;
    for (const auto& w : c_.Wedstrijden)
        if (w->G().Ronde == ronde) eigen.push_back(w.get());
    int32_t nummer = 0;
    for (const auto* w : eigen) {
        auto obj = c_.Wedstrijden.Neem(w);
        nummer += 10;
        obj->W().Wedstrijdnummer = nummer;
        herstel_.push_back(obj->G());
        lijnen_.push_back(std::move(obj));
    }
    Sorteer(nullptr);
    selectie_ = lijnen_.empty() ? -1 : 0;
    WerkVrijBij();
    if (geschiedenis_) {
        geschiedenis_->Koppel(this);
        geschiedenis_->Herijk();
    }
}

void TWedstrijdenlijst::Leeg() {
    lijnen_.clear();
    herstel_.clear();
    selectie_ = -1;
}

void TWedstrijdenlijst::GetData(int32_t ronde, bool commit) {
    c_.Rondes.ZetRondeDatum(ronde, Datum);
    if (commit) {
        for (auto& w : lijnen_) c_.Wedstrijden.Zet(std::move(w));
        // New and deleted matches change the standings as much as results do.
        if (gewijzigd_) c_.MarkeerHerberekenen();
    } else {
        for (const auto& g : herstel_) c_.Wedstrijden.Voegtoe(g);
    }
    Leeg();
    if (geschiedenis_) geschiedenis_->Koppel(nullptr);
}

void TWedstrijdenlijst::ZetWerkset(std::vector<Wedstrijdgegevens> wedstrijden) {
    const int oud = selectie_;
    lijnen_.clear();
    for (const auto& g : wedstrijden) lijnen_.push_back(std::make_unique<twedstrijdobj>(g));
    Sorteer(nullptr);
    selectie_ = lijnen_.empty() ? -1 : std::clamp(oud, 0, static_cast<int>(lijnen_.size()) - 1);
    gewijzigd_ = true;
    WerkVrijBij();
}

std::string TWedstrijdenlijst::Stap(lang::T tekst) {
    const auto* w = Gekozen();
    return Stapnaam(tekst, w ? std::to_string(w->G().Wedstrijdnummer) : std::string());
}

std::vector<Wedstrijdgegevens> TWedstrijdenlijst::Werkset() const {
    std::vector<Wedstrijdgegevens> w;
    w.reserve(lijnen_.size());
    for (const auto& l : lijnen_) w.push_back(l->G());
    return w;
}

std::string TWedstrijdenlijst::Titel() const {
    return lang::Tekst(lang::T::RondeKop) + " " + std::to_string(ronde_) + " " +
           c_.Opties.Toernooinaam;
}

std::string TWedstrijdenlijst::Regel(std::size_t i) const {
    return WedstrijdRegel(lijnen_[i]->G(), c_.Spelers, c_.Opties, c_.ToonLotingnummer);
}

void TWedstrijdenlijst::Selecteer(int i) {
    selectie_ = i >= 0 && i < static_cast<int>(lijnen_.size()) ? i : -1;
}

twedstrijdobj* TWedstrijdenlijst::Gekozen() {
    if (selectie_ < 0 || selectie_ >= static_cast<int>(lijnen_.size())) return nullptr;
    return lijnen_[static_cast<std::size_t>(selectie_)].get();
}

// The list is sorted on its lines; the selection follows the given match.
void TWedstrijdenlijst::Sorteer(const twedstrijdobj* volg) {
    std::vector<std::pair<std::string, std::unique_ptr<twedstrijdobj>>> regels;
    for (auto& w : lijnen_)
        regels.emplace_back(WedstrijdRegel(w->G(), c_.Spelers, c_.Opties, c_.ToonLotingnummer),
                            std::move(w));
    std::stable_sort(regels.begin(), regels.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    lijnen_.clear();
    for (auto& [regel, w] : regels) {
        if (w.get() == volg) selectie_ = static_cast<int>(lijnen_.size());
        lijnen_.push_back(std::move(w));
    }
}

void TWedstrijdenlijst::WerkVrijBij() {
    invoer_.Vrij.clear();
    for (const auto& s : c_.Spelers) {
        const int32_t i = s->InternNummer();
        const bool bezet = std::any_of(lijnen_.begin(), lijnen_.end(), [&](const auto& w) {
            return w->G().Wit == i || w->G().Zwart == i;
        });
        if (!bezet) invoer_.Vrij.push_back(i);
    }
}

void TWedstrijdenlijst::Druk(Uitslagknop knop) {
    auto* w = Gekozen();
    if (!w) return;
    Wijzigingsstap stap(geschiedenis_, Stap(lang::T::StapUitslag));
    if (!DrukKnop(c_, *w, knop)) return;
    gewijzigd_ = true;
    if (knop != Uitslagknop::ReglUitslag && knop != Uitslagknop::Afgebroken &&
        knop != Uitslagknop::UitslagWeg && knop != Uitslagknop::Regl00)
        selectie_ = std::min(selectie_ + 1, static_cast<int>(lijnen_.size()) - 1);
}

bool TWedstrijdenlijst::Toets(char toets) {
    c_.MarkeerHerberekenen();
    const auto knop = KnopVoorToets(c_.Opties, toets);
    if (!knop) return false;
    Druk(*knop);
    return true;
}

void TWedstrijdenlijst::Random() {
    Wijzigingsstap stap(geschiedenis_, Stapnaam(lang::T::StapRandom));
    bool iets = false;
    for (auto& w : lijnen_) iets = RandomUitslag(c_, *w, toeval_) || iets;
    if (iets) gewijzigd_ = true;
}

void TWedstrijdenlijst::Nieuw(const Invoerscherm& toon) {
    Wedstrijdgegevens g;
    g.Ronde = ronde_;
    g.Wedstrijdnummer = static_cast<int32_t>(10 * (lijnen_.size() + 1));
    invoer_.Open(g);
    Wijzigingsstap stap(geschiedenis_, Stapnaam(lang::T::StapWedstrijdNieuw));
    if (!toon(invoer_)) return;
    std::tie(g.Wit, g.Zwart) = invoer_.Ok();
    gewijzigd_ = true;
    if (!c_.Rondes.RondeBestaat(g.Ronde)) c_.Rondes.Voegtoe(Rondegegevens{g.Ronde, {}, 0, 0, 0});
    lijnen_.push_back(std::make_unique<twedstrijdobj>(g));
    const twedstrijdobj* nieuw = lijnen_.back().get();
    Sorteer(nieuw);
    WerkVrijBij();
}

void TWedstrijdenlijst::Wijzig(const Invoerscherm& toon) {
    auto* w = Gekozen();
    if (!w) return;
    Wijzigingsstap stap(geschiedenis_, Stap(lang::T::StapWedstrijdWijzig));
    invoer_.Open(w->G());
    // The match's own players are free while it is changed.
    WerkVrijBij();
    for (int32_t i : {w->G().Wit, w->G().Zwart})
        if (i > 0 && c_.Spelers.zoekptr(i) &&
            std::find(invoer_.Vrij.begin(), invoer_.Vrij.end(), i) == invoer_.Vrij.end())
            invoer_.Vrij.push_back(i);
    if (toon(invoer_)) {
        std::tie(w->W().Wit, w->W().Zwart) = invoer_.Ok();
        gewijzigd_ = true;
        c_.Gewijzigd = true;
    }
    Sorteer(w);
    WerkVrijBij();
}

void TWedstrijdenlijst::Verwijder() {
    if (!Gekozen()) return;
    Wijzigingsstap stap(geschiedenis_, Stap(lang::T::StapWedstrijdVerwijder));
    lijnen_.erase(lijnen_.begin() + selectie_);
    gewijzigd_ = true;
    c_.Gewijzigd = true;
    selectie_ = std::min(selectie_, static_cast<int>(lijnen_.size()) - 1);
    WerkVrijBij();
}

void TWedstrijdenlijst::Nummer() {
    auto* w = Gekozen();
    if (!w) return;
    Wijzigingsstap stap(geschiedenis_, Stap(lang::T::StapWedstrijdnummer));
    using lang::T;
    const auto tekst = gesprek_.Invoer(lang::Tekst(T::WedstrijdnummerWijzigen),
                                       lang::Tekst(T::GeefNieuwWedstrijdnummer),
                                       std::to_string(w->G().Wedstrijdnummer));
    if (!tekst || !ZetWedstrijdnummer(*w, *tekst)) return;
    gewijzigd_ = true;
    Sorteer(w);
}

void TWedstrijdenlijst::Rondenummer() {
    auto* w = Gekozen();
    if (!w) return;
    Wijzigingsstap stap(geschiedenis_, Stap(lang::T::StapRondenummer));
    using lang::T;
    const auto tekst =
        gesprek_.Invoer(lang::Tekst(T::RondenummerWijzigen), lang::Tekst(T::GeefNieuwRondenummer),
                        std::to_string(w->G().Ronde));
    if (!tekst || !ZetRondenummer(*w, *tekst, c_.Rondes)) return;
    gewijzigd_ = true;
    Sorteer(w);
}

void TWedstrijdenlijst::Wissel() {
    auto* w = Gekozen();
    if (!w) return;
    Wijzigingsstap stap(geschiedenis_, Stap(lang::T::StapWissel));
    WisselKleuren(*w, c_.Opties);
    gewijzigd_ = true;
    c_.MarkeerHerberekenen();
    Sorteer(w);
}

std::optional<Afsluiting> TWedstrijdenlijst::Abort() {
    if (!gewijzigd_) return Afsluiting::Abort;
    using lang::T;
    switch (gesprek_.Vraag(lang::Tekst(T::UitslagenNietDoorgevoerd), lang::Tekst(T::Bevestiging),
                           Knoppen::JaNeeAnnuleren)) {
    case Antwoord::Ja:
        return Afsluiting::Abort;
    case Antwoord::Nee:
        return Afsluiting::Ok;
    default:
        return std::nullopt;
    }
}

Afsluiting TWedstrijdenlijst::KiesGroep(int32_t bestandsnummer) {
    groep_ = bestandsnummer;
    verzoek_ = Verzoek::AndereGroep;
    return Afsluiting::Ok;
}

Afsluiting TWedstrijdenlijst::Rooster() {
    groep_ = c_.HuidigeDeelcomp;
    verzoek_ = Verzoek::Rooster;
    return Afsluiting::Ok;
}

} // namespace velkaro
