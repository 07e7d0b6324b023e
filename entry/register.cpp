#include "entry/register.h"

#include "entry/conversie.h"
#include "entry/nummeren.h"
#include "entry/ongedaan.h"
#include "lang/teksten.h"
#include "model/tekst.h"

#include <algorithm>
#include <cstdio>

namespace velkaro {

namespace {

std::string Nullen(int32_t waarde, int breedte) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%.*d", breedte, waarde);
    return buf;
}

} // namespace

std::string SpelerRegel(const Spelergegevens& g) {
    const bool r = (g.Opnemen & OpnemenRooster) != 0, s = (g.Opnemen & OpnemenStand) != 0;
    return VulLinks(std::to_string(g.Lotingnummer), 3) + '\t' + g.Naam + '\t' + g.Kort + '\t' +
           g.Plaats + '\t' + g.Categorieen + '\t' + VulLinks(std::to_string(g.Rating), 4) + '\t' +
           (r ? "R" : " ") + '\t' + (s ? "S" : " ");
}

Kolomrij SpelerKolommen(const Spelergegevens& g) {
    Kolomrij k;
    k[KolomIntern] = Nullen(g.InternNummer, 3);
    k[KolomLNR] = Nullen(g.Lotingnummer, 3);
    k[KolomNaam] = g.Naam;
    k[KolomKort] = g.Kort;
    k[KolomPlaats] = g.Plaats;
    k[KolomCat] = g.Categorieen;
    k[KolomRating] = Nullen(g.Rating, 4);
    k[KolomRating2] = Nullen(g.Rating == g.LokaleRating ? g.FMJDRating : g.LokaleRating, 4);
    k[KolomR] = (g.Opnemen & OpnemenRooster) ? "R" : " ";
    k[KolomS] = (g.Opnemen & OpnemenStand) ? "S" : " ";
    k[KolomAlf] = g.VolledigeNaam;
    return k;
}

Kolomrij KolomKoppen() {
    using lang::T;
    using lang::Tekst;
    return {"",
            Tekst(T::LNR),
            Tekst(T::Naam),
            Tekst(T::Kort),
            Tekst(T::Plaats),
            Tekst(T::Cat),
            Tekst(T::Rating),
            Tekst(T::Rating) + "2",
            "R",
            "S",
            Tekst(T::ALF)};
}

bool KolomVoor(const Kolomrij& a, const Kolomrij& b, int k) {
    const int kolom = k == KolomNaam ? KolomAlf : k;
    const auto x = Hoofdletters(a[static_cast<std::size_t>(kolom)]);
    const auto y = Hoofdletters(b[static_cast<std::size_t>(kolom)]);
    return k == KolomRating || k == KolomRating2 ? y < x : x < y;
}

int32_t GecontroleerdMaximum(int32_t maximum, std::size_t spelers) {
    const auto n = static_cast<int64_t>(spelers);
    if (3 * n > 2 * static_cast<int64_t>(maximum))
        return static_cast<int32_t>(std::max<int64_t>(3 * n / 2, 15));
    return maximum;
}

TSpelerLijst::TSpelerLijst(Competitie& c, Gesprek& gesprek, Toeval& toeval)
    : c_(c), gesprek_(gesprek), toeval_(toeval), invoer_(c.Spelers, c.Opties, gesprek) {}

void TSpelerLijst::Activeer() {
    kolomweergave_ = c_.Opties.Testopties();
    sorteerkolom_ = KolomLNR;
    Vul();
    selectie_ = items_.empty() ? -1 : 0;
    keuze_ = c_.LotingModus <= 2 ? static_cast<LotingKeuze>(c_.LotingModus) : LotingKeuze::Volgorde;
    maximum_ = GecontroleerdMaximum(maximum_, c_.Spelers.Aantal());
    SnelIngeven = false;
    Lotinggroepen = StandaardLotinggroepen(c_.Spelers.Aantal());
    Parallel = false;
}

void TSpelerLijst::Deactiveer() {
    items_.clear();
    selectie_ = -1;
    const auto modus = static_cast<uint16_t>(keuze_);
    if (c_.LotingModus != modus) {
        c_.LotingModus = modus;
        c_.Gewijzigd = true;
    }
}

void TSpelerLijst::Vul() {
    items_.clear();
    for (const auto& s : c_.Spelers)
        items_.push_back({s->InternNummer(), SpelerRegel(s->G()), SpelerKolommen(s->G())});
    if (kolomweergave_) {
        std::stable_sort(items_.begin(), items_.end(), [&](const Item& a, const Item& b) {
            return KolomVoor(a.Kolommen, b.Kolommen, sorteerkolom_);
        });
    } else {
        // The list box sorts its lines without regard to case.
        std::stable_sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
            return Hoofdletters(a.Regel) < Hoofdletters(b.Regel);
        });
    }
}

int TSpelerLijst::Positie(int32_t intern) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].InternNummer == intern) return static_cast<int>(i);
    return -1;
}

const TSpelerLijst::Item* TSpelerLijst::Gekozen() const {
    if (selectie_ < 0 || selectie_ >= static_cast<int>(items_.size())) return nullptr;
    return &items_[static_cast<std::size_t>(selectie_)];
}

void TSpelerLijst::Selecteer(int i) {
    selectie_ = i >= 0 && i < static_cast<int>(items_.size()) ? i : -1;
}

std::string TSpelerLijst::Teller() const {
    return std::to_string(selectie_ + 1) + "/" + std::to_string(items_.size());
}

void TSpelerLijst::SorteerOp(int kolom) {
    if (kolom < 0 || kolom >= kAantalKolommen) return;
    const Item* gekozen = Gekozen();
    const int32_t intern = gekozen ? gekozen->InternNummer : 0;
    sorteerkolom_ = kolom;
    Vul();
    if (gekozen) selectie_ = Positie(intern);
}

bool TSpelerLijst::ZetMaximum(std::string_view tekst) {
    const auto m = LeesGeheel(tekst, gesprek_);
    if (!m) return false;
    maximum_ = GecontroleerdMaximum(*m, c_.Spelers.Aantal());
    return true;
}

void TSpelerLijst::MaximumStap(int delta) {
    maximum_ = GecontroleerdMaximum(maximum_ + delta, c_.Spelers.Aantal());
}

bool TSpelerLijst::ToonGroepen() const {
    const auto s = c_.Opties.Rekensysteem;
    return s == SysteemZwitsers || s == SysteemFMJDZwitsers;
}

bool TSpelerLijst::ToonParallel() const {
    return ToonGroepen() || c_.Opties.Rekensysteem == SysteemLaren;
}

void TSpelerLijst::Nieuw(const Invoerscherm& toon) {
    Spelergegevens g;
    g.Opnemen = OpnemenStand | OpnemenRooster;
    switch (keuze_) {
    case LotingKeuze::Volgorde:
        g.Lotingnummer = c_.Spelers.EersteLotingNummerVrij();
        break;
    case LotingKeuze::Willekeurig:
        g.Lotingnummer = c_.Spelers.KiesRandomNummer(maximum_, toeval_);
        maximum_ = GecontroleerdMaximum(maximum_, c_.Spelers.Aantal());
        break;
    case LotingKeuze::Ingeven:
        break;
    }
    invoer_.SetData(g, keuze_ == LotingKeuze::Ingeven);
    Wijzigingsstap stap(geschiedenis_, Stapnaam(lang::T::StapSpelerNieuw));
    if (!toon(invoer_) || !invoer_.GetData(g)) return;
    stap.Noem(Stapnaam(lang::T::StapSpelerNieuw, g.Naam));
    c_.MarkeerHerberekenen();
    g.InternNummer = c_.Spelers.VrijIntern();
    const int32_t intern = c_.Spelers.Voegtoe(g).InternNummer();
    Vul();
    selectie_ = Positie(intern);
}

void TSpelerLijst::Wijzig(const Invoerscherm& toon) {
    const Item* gekozen = Gekozen();
    if (!gekozen) return;
    TSpelerObj* speler = c_.Spelers.zoekptr(gekozen->InternNummer);
    if (!speler) return;
    const int32_t intern = speler->InternNummer();
    Wijzigingsstap stap(geschiedenis_, Stapnaam(lang::T::StapSpelerWijzig, speler->G().Naam));
    if (SnelIngeven) {
        const auto tekst = gesprek_.Invoer(lang::Tekst(lang::T::InvoerenLotingnummer),
                                           lang::Tekst(lang::T::GeefLotingnummer), "");
        if (!tekst) return;
        const auto n = LeesGeheel(*tekst, gesprek_);
        if (!n || *n < 0) return;
        speler->W().Lotingnummer = *n;
        c_.Gewijzigd = true;
        // The selection stays where it was, whatever line now stands there.
        const int oud = selectie_;
        Vul();
        Selecteer(oud);
        return;
    }
    Spelergegevens kopie = speler->Gegevens();
    invoer_.SetData(kopie, keuze_ == LotingKeuze::Ingeven);
    if (!toon(invoer_) || !invoer_.GetData(kopie)) return;
    speler->ZetGegevens(kopie);
    c_.MarkeerHerberekenen();
    Vul();
    const int positie = Positie(intern);
    selectie_ = std::min(positie + 1, static_cast<int>(items_.size()) - 1);
}

void TSpelerLijst::Verwijder() {
    const Item* gekozen = Gekozen();
    if (!gekozen) return;
    const TSpelerObj* speler = c_.Spelers.zoekptr(gekozen->InternNummer);
    if (!speler) return;
    Wijzigingsstap stap(geschiedenis_, Stapnaam(lang::T::StapSpelerVerwijder, speler->G().Naam));
    using lang::T;
    const std::string vraag =
        lang::Tekst(T::Speler) + " " + speler->G().Naam + " " + lang::Tekst(T::verwijderen) + "?";
    if (gesprek_.Vraag(vraag, lang::Tekst(T::Bevestiging), Knoppen::JaNee) != Antwoord::Ja) return;
    const int32_t intern = speler->InternNummer();
    c_.Spelers.Verwijder(intern);
    c_.Wedstrijden.VerwijderSpeler(intern);
    c_.MarkeerHerberekenen();
    const int oud = selectie_;
    Vul();
    selectie_ = std::min(oud, static_cast<int>(items_.size()) - 1);
}

void TSpelerLijst::Ververs() {
    const int oud = selectie_;
    Vul();
    const int n = static_cast<int>(items_.size());
    Selecteer(n == 0 ? -1 : std::clamp(oud, 0, n - 1));
}

void TSpelerLijst::Zoek() {
    const std::string titel = lang::Tekst(lang::T::ZoekenSpeler);
    const auto tekst = gesprek_.Invoer(titel, titel, zoektekst_);
    if (!tekst) return;
    zoektekst_ = *tekst;
    const int n = static_cast<int>(items_.size());
    if (n == 0) return;
    const int start = selectie_ + 1;
    auto naam = [&](int i) -> std::string {
        const auto* s = c_.Spelers.zoekptr(items_[static_cast<std::size_t>(i)].InternNummer);
        return s ? s->G().Naam : std::string();
    };
    if (!zoektekst_.empty()) {
        const std::string groot = Hoofdletters(zoektekst_);
        for (int i = start; i < n; ++i)
            if (Hoofdletters(naam(i)).find(groot) != std::string::npos) {
                selectie_ = i;
                return;
            }
        // Round the end: from the top down to the line after the selected one.
        for (int i = 0; i <= std::min(start, n - 1); ++i)
            if (naam(i).find(zoektekst_) != std::string::npos) {
                selectie_ = i;
                return;
            }
    }
    selectie_ = std::min(start, n - 1);
}

void TSpelerLijst::Nummeren() {
    if (c_.Spelers.Aantal() < 2) return;
    // Every drawing number the numbering gives is one step.
    Wijzigingsstap stap(geschiedenis_, Stapnaam(lang::T::StapNummeren));
    NummerAutomatisch(c_, Lotinggroepen, Parallel, toeval_);
    Vul();
    selectie_ = 0;
}

} // namespace velkaro
