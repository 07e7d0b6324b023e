#include "entry/ongedaan.h"

#include "entry/wedstrijdlijst.h"
#include "lang/teksten.h"

#include <algorithm>
#include <tuple>

namespace velkaro {

namespace {

// What the user entered of a player; the totals are the standings' own and the selection bit
// belongs to the report dialogs.
auto Kern(const Spelergegevens& g) {
    return std::make_tuple(std::cref(g.Lotingnummer), std::cref(g.Naam), std::cref(g.Kort),
                           std::cref(g.Plaats), std::cref(g.Land), std::cref(g.FMJDTitel),
                           std::cref(g.LokaleTitel), std::cref(g.Categorieen),
                           std::cref(g.LokaleRating), std::cref(g.Rating), std::cref(g.FMJDID),
                           std::cref(g.FMJDRating), std::cref(g.Barrage), g.Opnemen & 3,
                           std::cref(g.InternNummer), std::cref(g.VolledigeNaam));
}

bool ZelfdeSpelers(const std::vector<Spelergegevens>& a, const std::vector<Spelergegevens>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto& x, const auto& y) { return Kern(x) == Kern(y); });
}

auto Sleutel(const Wedstrijdgegevens& w) {
    return std::tie(w.Ronde, w.Wedstrijdnummer, w.Wit, w.Zwart, w.UitslagWit, w.UitslagZwart,
                    w.Gespeeld, w.Reglementair);
}

// Every match of a state, in one order whatever holds it.
std::vector<Wedstrijdgegevens> AlleWedstrijden(const Toestand& t) {
    std::vector<Wedstrijdgegevens> alle = t.Wedstrijden;
    alle.insert(alle.end(), t.Lijst.begin(), t.Lijst.end());
    std::sort(alle.begin(), alle.end(),
              [](const auto& a, const auto& b) { return Sleutel(a) < Sleutel(b); });
    return alle;
}

std::string Menu(lang::T tekst, const std::string& naam) {
    std::string t = lang::Tekst(tekst);
    if (naam.empty()) return t;
    // The accelerator stays on the entry; an "&" in the step's name is shown as it is.
    std::string n;
    for (char ch : naam) {
        if (ch == '&') n += '&';
        n += ch;
    }
    return t + ": " + n;
}

} // namespace

bool ZelfdeInhoud(const Toestand& a, const Toestand& b) {
    if (a.Spelers != b.Spelers &&
        (!a.Spelers || !b.Spelers || !ZelfdeSpelers(*a.Spelers, *b.Spelers)))
        return false;
    if (!std::equal(a.Rondes.begin(), a.Rondes.end(), b.Rondes.begin(), b.Rondes.end(),
                    [](const auto& x, const auto& y) {
                        return x.Rondenummer == y.Rondenummer && x.Datum == y.Datum;
                    }))
        return false;
    return AlleWedstrijden(a) == AlleWedstrijden(b);
}

Geschiedenis::Geschiedenis(Competitie& c, std::size_t diepte)
    : c_(c), diepte_(std::max<std::size_t>(diepte, 1)) {
    Herijk();
}

Toestand Geschiedenis::Nu() const {
    Toestand t;
    std::vector<Spelergegevens> spelers;
    spelers.reserve(c_.Spelers.Aantal());
    for (const auto& s : c_.Spelers) spelers.push_back(s->G());
    // Unchanged players are shared with the last state seen.
    if (na_.Spelers && ZelfdeSpelers(*na_.Spelers, spelers))
        t.Spelers = na_.Spelers;
    else
        t.Spelers = std::make_shared<const std::vector<Spelergegevens>>(std::move(spelers));
    t.Rondes.reserve(c_.Rondes.Aantal());
    for (const auto& r : c_.Rondes) t.Rondes.push_back({r->Rondenummer(), r->G().Datum, 0, 0, 0});
    t.Wedstrijden.reserve(c_.Wedstrijden.Aantal());
    for (const auto& w : c_.Wedstrijden) t.Wedstrijden.push_back(w->G());
    if (lijst_) {
        t.Lijst = lijst_->Werkset();
        t.LijstRonde = lijst_->Ronde();
    }
    return t;
}

void Geschiedenis::Zet(const Toestand& t) {
    std::vector<Spelergegevens> nu;
    for (const auto& s : c_.Spelers) nu.push_back(s->G());
    if (t.Spelers && !ZelfdeSpelers(*t.Spelers, nu)) {
        // The ranking lists point at the player objects that go now; the standings are out of
        // date anyway.
        c_.Ranglijst.DeleteAll();
        c_.Ranglijst2.DeleteAll();
        c_.Spelers.Wissen();
        for (const auto& g : *t.Spelers) c_.Spelers.Voegtoe(g);
    }
    c_.Rondes.Wissen();
    for (const auto& r : t.Rondes) c_.Rondes.Voegtoe(r);
    c_.Wedstrijden.Wissen();
    // The open match list takes its round's matches again, wherever the state kept them.
    const int32_t ronde = lijst_ ? lijst_->Ronde() : 0;
    std::vector<Wedstrijdgegevens> lijst;
    for (const auto& w : t.Wedstrijden) {
        if (lijst_ && w.Ronde == ronde)
            lijst.push_back(w);
        else
            c_.Wedstrijden.Voegtoe(w);
    }
    for (const auto& w : t.Lijst) {
        if (lijst_ && t.LijstRonde == ronde)
            lijst.push_back(w);
        else
            c_.Wedstrijden.Voegtoe(w);
    }
    c_.Rondes.BerekenUitslagen(c_.Wedstrijden);
    if (lijst_) lijst_->ZetWerkset(std::move(lijst));
    c_.MarkeerHerberekenen();
}

void Geschiedenis::Leg(std::deque<Stap>& stapel, Stap s) {
    stapel.push_back(std::move(s));
    while (stapel.size() > diepte_) stapel.pop_front();
}

void Geschiedenis::Begin(std::string naam) {
    if (open_++ > 0) return;
    // A change made before this one without a step of its own is not folded into it.
    Bij();
    begin_ = {std::move(naam), na_};
}

void Geschiedenis::Einde(std::optional<std::string> naam) {
    if (open_ == 0 || --open_ > 0) return;
    Toestand nu = Nu();
    if (ZelfdeInhoud(nu, begin_.Voor)) {
        na_ = std::move(nu);
        return;
    }
    if (naam) begin_.Naam = std::move(*naam);
    Leg(ongedaan_, std::move(begin_));
    opnieuw_.clear();
    na_ = std::move(nu);
}

bool Geschiedenis::AndereGroep() const {
    return c_.Bestandsnaam != bestand_ || c_.HuidigeDeelcomp != groep_;
}

void Geschiedenis::Bij() {
    if (open_ > 0) return;
    if (AndereGroep()) {
        Wis();
        return;
    }
    Toestand nu = Nu();
    if (ZelfdeInhoud(nu, na_)) {
        na_ = std::move(nu);
        return;
    }
    Leg(ongedaan_, {lang::Tekst(lang::T::StapAndere), std::move(na_)});
    opnieuw_.clear();
    na_ = std::move(nu);
}

void Geschiedenis::Herijk() {
    bestand_ = c_.Bestandsnaam;
    groep_ = c_.HuidigeDeelcomp;
    na_ = Nu();
}

void Geschiedenis::Wis() {
    ongedaan_.clear();
    opnieuw_.clear();
    Herijk();
}

std::string Geschiedenis::OngedaanNaam() const {
    return ongedaan_.empty() ? std::string() : ongedaan_.back().Naam;
}

std::string Geschiedenis::OpnieuwNaam() const {
    return opnieuw_.empty() ? std::string() : opnieuw_.back().Naam;
}

bool Geschiedenis::Ongedaan() {
    return Verplaats(ongedaan_, opnieuw_);
}

bool Geschiedenis::Opnieuw() {
    return Verplaats(opnieuw_, ongedaan_);
}

bool Geschiedenis::Verplaats(std::deque<Stap>& van, std::deque<Stap>& naar) {
    if (open_ > 0) return false;
    // A change since the last undo is a new step, and after a new step nothing is redone.
    Bij();
    if (van.empty()) return false;
    Stap s = std::move(van.back());
    van.pop_back();
    Leg(naar, {s.Naam, Nu()});
    Zet(s.Voor);
    na_ = Nu();
    return true;
}

std::string Stapnaam(lang::T tekst, const std::string& wat) {
    return wat.empty() ? lang::Tekst(tekst) : lang::Tekst(tekst) + " " + wat;
}

std::string OngedaanMenu(const Geschiedenis* g) {
    return Menu(lang::T::MnuOngedaan, g ? g->OngedaanNaam() : std::string());
}

std::string OpnieuwMenu(const Geschiedenis* g) {
    return Menu(lang::T::MnuOpnieuw, g ? g->OpnieuwNaam() : std::string());
}

} // namespace velkaro
