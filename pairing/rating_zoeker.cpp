#include "pairing/rating_zoeker.h"

#include "model/tekst.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

// How the Swiss by rating pairs a round.
//
// Which pairs may meet at all: two players who have not met, and, when the colour ratio is
// dominant, whose colour balances both stay within the maximum colour difference once the
// colours of the pair are given by the routine's own verdicts (a balance already beyond it
// must move toward 0; an odd number of games always leaves a difference of 1, so the bound is
// never below 1). The first attempt also forbids the float a player had in the previous
// round: someone who floated down ("df") meets nobody with fewer points, someone who floated
// up ("uf") nobody with more. The second attempt, the relaxed one, drops that rule and only
// prefers to keep it.
//
// An attempt starts only when the players as a whole can be paired completely by its pairs
// (a maximum matching, VolledigeParing); from then on every choice it makes keeps that true,
// so it never backtracks and always ends with a complete pairing:
//
// Score groups are taken from the top down: the first unpaired player not waiting and everyone
// after him on the same points. The candidates are the waiting room (players who floated down
// from above, in the order they came) followed by the group in ranking order; in the last
// round they are ordered by their score rate (Percentage), highest first, keeping that order
// among equals. Of the candidates, W prefer white and the others do not; |W − others| / 2
// pairs cannot satisfy both preferences, the majority colour is noted in the trace.
//
// The number of pairs made in the group starts at half the candidates and goes down one at a
// time; for each number a strict and then a tentative ("Voorlopig Indelen") division is tried.
// A division chooses the floaters first, from a preference list: the group's own players from
// the lowest-ranked up, those who floated down in either of the two previous rounds last, and
// the waiting room's players (who would fall a second group) after them; the sets of floaters
// are tried in that order, at most 24 sets for a strict division and 256 for a tentative one.
// A set is taken when the players staying can be paired among themselves and the floaters
// together with everyone below can still be paired completely. The staying players are then
// paired greedily: the first of them meets, in order of preference, the player half the list
// further on and those after him, then those before him back up (a floater from above prefers
// the highest-ranked of the group); partners that satisfy both colour preferences come first,
// then those that give nobody the float he had in one of the two previous rounds. A partner
// is taken only when the rest can still be paired among themselves. The strict division
// allows no more colour clashes than the count above, no such float repeat, and no floater
// who floated down in the two previous rounds; the tentative one allows all of these. The
// last group may leave nobody waiting. With no pair in the group (everyone floating) a
// division always succeeds, since everyone left can be paired, so every group ends with one.
//
// The user can stop it wherever it counts a tried pair.

namespace velkaro {

namespace {

constexpr int kStriktKeuzes = 24;     // floater sets a strict division tries
constexpr int kVoorlopigKeuzes = 256; // floater sets a tentative division tries

} // namespace

RatingZoeker::RatingZoeker(const Ratingtabel& tabel, std::vector<Posities> gespeeld,
                           const Ratingzoekopties& opties, Voortgang& voortgang, const Spoor* spoor)
    : t_(tabel), n_(static_cast<int>(tabel.size()) - 1), gespeeld_(std::move(gespeeld)),
      opties_(opties), voortgang_(voortgang), spoor_(spoor) {
    if (n_ < 0 || n_ >= Posities::kAantal || n_ % 2 != 0 || gespeeld_.size() != tabel.size())
        throw std::invalid_argument("rating Swiss search: table of an even number of at most 255");
    partner_.assign(tabel.size(), 0);
    naamKolom_.resize(tabel.size());
    for (std::size_t p = 1; p < tabel.size(); ++p) {
        char nr[8];
        std::snprintf(nr, sizeof nr, "%3d ", static_cast<int>(p));
        naamKolom_[p] = nr + VulRechts(Kap(tabel[p].Naam, 20), 20);
    }
    toegestaan_.resize(tabel.size());
    for (int x = 1; x <= n_; ++x)
        for (int y = 1; y <= n_; ++y)
            if (Toelaatbaar(x, y)) toegestaan_[static_cast<std::size_t>(x)].Zet(y);
}

bool RatingZoeker::Toelaatbaar(int x, int y) const {
    if (x == y || gespeeld_[static_cast<std::size_t>(x)].Heeft(y)) return false;
    if (!opties_.KleurDominant) return true;
    const int i = std::min(x, y), j = std::max(x, y);
    const auto& a = t_[static_cast<std::size_t>(i)];
    const auto& b = t_[static_cast<std::size_t>(j)];
    const bool iWit = RatingEersteSpeeltWit(a, b);
    const int grens = std::max(opties_.MaxKleurverschil, 1);
    auto binnen = [&](int oud, bool wit) {
        const int nieuw = oud + (wit ? 1 : -1);
        return std::abs(nieuw) <= grens || std::abs(nieuw) < std::abs(oud);
    };
    return binnen(a.Kleurbalans, iWit) && binnen(b.Kleurbalans, !iWit);
}

bool RatingZoeker::KleurConflict(int x, int y) const {
    const uint8_t a = t_[static_cast<std::size_t>(x)].Kleurvoorkeur;
    return a != WensGeen && a == t_[static_cast<std::size_t>(y)].Kleurvoorkeur;
}

// True when the pair gives a player the float he had in the previous round (`streng`) or in
// the round before.
bool RatingZoeker::FloatHerhaling(int x, int y, bool streng) const {
    const auto& a = t_[static_cast<std::size_t>(x)];
    const auto& b = t_[static_cast<std::size_t>(y)];
    if (a.Punten == b.Punten) return false;
    const auto& hoog = a.Punten > b.Punten ? a : b;
    const auto& laag = a.Punten > b.Punten ? b : a;
    if (streng && (hoog.df || laag.uf)) return true;
    return hoog.df1 || laag.uf1;
}

void RatingZoeker::Trace(const char* formaat, ...) const {
    if (!spoor_) return;
    char buf[512];
    va_list args;
    va_start(args, formaat);
    std::vsnprintf(buf, sizeof buf, formaat, args);
    va_end(args);
    spoor_->Schrijf(buf);
}

void RatingZoeker::TraceLijst(const char* label, const std::vector<int>& lijst) const {
    if (!spoor_) return;
    std::string s = label;
    for (int p : lijst) s += " " + std::to_string(p);
    spoor_->Schrijf(s);
}

bool RatingZoeker::KanVolledig(const Posities& spelers) {
    return paring_.Bestaat(spelers, [&](int p) { return rij_[static_cast<std::size_t>(p)]; });
}

void RatingZoeker::Paar(int x, int y) {
    partner_[static_cast<std::size_t>(x)] = y;
    partner_[static_cast<std::size_t>(y)] = x;
    ++diepte_;
    const int i = std::min(x, y), j = std::max(x, y);
    char regel[256];
    std::snprintf(regel, sizeof regel, "Nr %4d: %s  -  %s                -", diepte_,
                  naamKolom_[static_cast<std::size_t>(i)].c_str(),
                  naamKolom_[static_cast<std::size_t>(j)].c_str());
    voortgang_.ZetRegel(diepte_, regel);
}

void RatingZoeker::Ontpaar(int x, int y) {
    partner_[static_cast<std::size_t>(x)] = 0;
    partner_[static_cast<std::size_t>(y)] = 0;
    --diepte_;
}

bool RatingZoeker::Zoek() {
    if (spoor_)
        for (int p = 1; p <= n_; ++p) {
            const auto& r = t_[static_cast<std::size_t>(p)];
            std::string s = naamKolom_[static_cast<std::size_t>(p)] + " ";
            if (r.df) s += "df ";
            if (r.df1) s += "df1 ";
            if (r.uf) s += "uf ";
            if (r.uf1) s += "uf1 ";
            if (r.Kleurvoorkeur == WensWit) s += "wit   ";
            if (r.Kleurvoorkeur == WensZwart) s += "zwart ";
            if (r.SterkeKleurvoorkeur == WensWit) s += "WIT   ";
            if (r.SterkeKleurvoorkeur == WensZwart) s += "ZWART ";
            spoor_->Schrijf(s);
        }
    for (int poging = 1; poging <= 2 && !gestopt_; ++poging) {
        if (Poog(poging == 2)) {
            poging_ = poging;
            Trace("Rooster klaar: Onderzocht %lld", onderzocht_);
            return true;
        }
    }
    Trace("Rooster niet klaar: Onderzocht %lld", onderzocht_);
    return false;
}

bool RatingZoeker::Poog(bool relaxed) {
    rij_ = toegestaan_;
    if (!relaxed)
        for (int x = 1; x <= n_; ++x)
            for (int y = 1; y <= n_; ++y)
                if (FloatHerhaling(x, y, true)) rij_[static_cast<std::size_t>(x)].Wis(y);
    std::fill(partner_.begin(), partner_.end(), 0);
    diepte_ = 0;
    Posities vrij;
    for (int p = 1; p <= n_; ++p) vrij.Zet(p);
    Trace("Level %d: %s", relaxed ? 2 : 1, relaxed ? "versoepeld" : "streng");
    if (!KanVolledig(vrij)) {
        Trace("Indeelstatus: geen volledige indeling");
        return false;
    }

    std::vector<int> wacht;
    int groepsnummer = 0;
    while (!vrij.Leeg()) {
        Posities wachtend;
        for (int p : wacht) wachtend.Zet(p);
        const int i = vrij.Zonder(wachtend).Eerste();
        if (i < 0) return false; // cannot happen: the last group leaves nobody waiting
        std::vector<int> kand = wacht;
        const std::size_t wachtAantal = kand.size();
        Posities kandSet = wachtend;
        for (int p = i; p <= n_ && t_[static_cast<std::size_t>(p)].Punten ==
                                       t_[static_cast<std::size_t>(i)].Punten;
             ++p)
            if (vrij.Heeft(p)) {
                kand.push_back(p);
                kandSet.Zet(p);
            }
        std::stable_sort(kand.begin(), kand.end(), [&](int x, int y) {
            return t_[static_cast<std::size_t>(x)].Percentage >
                   t_[static_cast<std::size_t>(y)].Percentage;
        });
        const Posities rest = vrij.Zonder(kandSet);
        const int l = static_cast<int>(kand.size());
        ++groepsnummer;
        if (spoor_) {
            Trace("Aanroep ID %d: Groepsindex %d WachtTeller %zu GroepsTeller %zu", ++aanroep_, i,
                  wachtAantal, kand.size() - wachtAantal);
            TraceLijst("Inhoud wachtkamer:", wacht);
            TraceLijst("Inhoud groep:", kand);
            if (rest.Leeg()) Trace("Einde gehad");
        }
        std::vector<int> wachtNa;
        bool gedaan = false;
        const int laagste = rest.Leeg() ? l / 2 : 0;
        for (int paren = l / 2; paren >= laagste && !gedaan && !gestopt_; --paren)
            for (bool strikt : {true, false}) {
                if (DeelGroepIn(groepsnummer, kand, wachtend, rest, paren, strikt, wachtNa)) {
                    gedaan = true;
                    break;
                }
                if (gestopt_) break;
            }
        if (!gedaan) return false;
        wacht = wachtNa;
        vrij = rest;
        for (int p : wacht) vrij.Zet(p);
        Trace("Gepaarde wedstr.: %d", diepte_);
    }
    return true;
}

// Divides the candidates into `paren` pairs and floaters; on success the pairs are made and
// `wachtNa` holds the floaters in candidate order.
bool RatingZoeker::DeelGroepIn(int groepsnummer, const std::vector<int>& kand,
                               const Posities& wachtend, const Posities& rest, int paren,
                               bool strikt, std::vector<int>& wachtNa) {
    const int l = static_cast<int>(kand.size());
    const int f = l - 2 * paren;
    int wit = 0;
    for (int p : kand)
        if (t_[static_cast<std::size_t>(p)].Kleurvoorkeur == WensWit) ++wit;
    const int budget = std::abs(wit - (l - wit)) / 2;
    if (spoor_) {
        Trace("Indelingsniveau %d: groep %d, MaxWacht %d, %s", paren, groepsnummer, f,
              strikt ? "strikt" : "Voorlopig Indelen");
        Trace("Kleurverdeling: wit %d, overig %d, onvermijdelijk %d, meerderheid %s", wit, l - wit,
              budget, wit > l - wit ? "wit" : (wit < l - wit ? "zwart" : "geen"));
    }

    // The floater preference list: the group's own players from the bottom up, those who
    // floated down recently last, then the waiting room's players from the bottom up.
    std::vector<int> voorkeur;
    std::vector<int> eigen, later, oudeWacht;
    for (auto it = kand.rbegin(); it != kand.rend(); ++it) {
        const auto& r = t_[static_cast<std::size_t>(*it)];
        if (wachtend.Heeft(*it))
            oudeWacht.push_back(*it);
        else if (r.df || r.df1)
            later.push_back(*it);
        else
            eigen.push_back(*it);
    }
    voorkeur = eigen;
    voorkeur.insert(voorkeur.end(), later.begin(), later.end());
    voorkeur.insert(voorkeur.end(), oudeWacht.begin(), oudeWacht.end());

    std::vector<int> keuze(static_cast<std::size_t>(f));
    for (int k = 0; k < f; ++k) keuze[static_cast<std::size_t>(k)] = k;
    const int grens = strikt ? kStriktKeuzes : kVoorlopigKeuzes;
    for (int poging = 0; poging < grens; ++poging) {
        Posities zakkers;
        for (int k : keuze) zakkers.Zet(voorkeur[static_cast<std::size_t>(k)]);
        bool magZakken = true;
        if (strikt)
            for (int k : keuze) {
                const auto& r = t_[static_cast<std::size_t>(voorkeur[static_cast<std::size_t>(k)])];
                if (r.df1 || r.df) magZakken = false;
            }
        if (magZakken) {
            std::vector<int> blijvers;
            Posities blijfSet;
            for (int p : kand)
                if (!zakkers.Heeft(p)) {
                    blijvers.push_back(p);
                    blijfSet.Zet(p);
                }
            Posities onder = rest;
            onder.Voeg(zakkers);
            if (spoor_) {
                std::vector<int> z;
                for (int k : keuze) z.push_back(voorkeur[static_cast<std::size_t>(k)]);
                TraceLijst("Wachtindex:", z);
            }
            if (KanVolledig(blijfSet) && (onder.Leeg() || KanVolledig(onder)) &&
                PaarBlijvers(blijvers, blijfSet, wachtend, strikt, budget)) {
                wachtNa.clear();
                for (int p : kand)
                    if (zakkers.Heeft(p)) wachtNa.push_back(p);
                Trace("Indeelstatus: ingedeeld, %d wachtend", f);
                return true;
            }
            if (gestopt_) return false;
        }
        // The next set of floaters in preference order.
        int k = f - 1;
        const int m = static_cast<int>(voorkeur.size());
        while (k >= 0 && keuze[static_cast<std::size_t>(k)] == m - f + k) --k;
        if (k < 0) break;
        ++keuze[static_cast<std::size_t>(k)];
        for (int j = k + 1; j < f; ++j)
            keuze[static_cast<std::size_t>(j)] = keuze[static_cast<std::size_t>(j - 1)] + 1;
    }
    Trace("Indeelstatus: niet ingedeeld");
    return false;
}

// Pairs the staying players greedily (see above); undoes its pairs when it fails.
bool RatingZoeker::PaarBlijvers(std::vector<int> blijvers, Posities set, const Posities& wachtend,
                                bool strikt, int budget) {
    std::vector<std::pair<int, int>> gemaakt;
    int botsingen = 0;
    auto opgeven = [&] {
        for (auto it = gemaakt.rbegin(); it != gemaakt.rend(); ++it) Ontpaar(it->first, it->second);
        return false;
    };
    while (!blijvers.empty()) {
        const int x = blijvers.front();
        const int m = static_cast<int>(blijvers.size());
        std::vector<int> volgorde;
        if (wachtend.Heeft(x)) {
            // A floater from above: the group from the top, other floaters after it.
            for (int k = 1; k < m; ++k)
                if (!wachtend.Heeft(blijvers[static_cast<std::size_t>(k)]))
                    volgorde.push_back(blijvers[static_cast<std::size_t>(k)]);
            for (int k = 1; k < m; ++k)
                if (wachtend.Heeft(blijvers[static_cast<std::size_t>(k)]))
                    volgorde.push_back(blijvers[static_cast<std::size_t>(k)]);
        } else {
            const int half = std::max(m / 2, 1);
            for (int k = half; k < m; ++k)
                volgorde.push_back(blijvers[static_cast<std::size_t>(k)]);
            for (int k = half - 1; k >= 1; --k)
                volgorde.push_back(blijvers[static_cast<std::size_t>(k)]);
        }
        std::stable_sort(volgorde.begin(), volgorde.end(), [&](int a, int b) {
            const int ka = (KleurConflict(x, a) ? 2 : 0) + (FloatHerhaling(x, a, true) ? 1 : 0);
            const int kb = (KleurConflict(x, b) ? 2 : 0) + (FloatHerhaling(x, b, true) ? 1 : 0);
            return ka < kb;
        });
        set.Wis(x);
        bool gevonden = false;
        for (int y : volgorde) {
            if (!rij_[static_cast<std::size_t>(x)].Heeft(y)) continue;
            const bool botst = KleurConflict(x, y);
            if (strikt && ((botst && botsingen >= budget) || FloatHerhaling(x, y, true))) continue;
            ++onderzocht_;
            voortgang_.Teller(onderzocht_);
            if (voortgang_.Stoppen()) {
                gestopt_ = true;
                Trace("Gestopt: Onderzocht %lld", onderzocht_);
                set.Zet(x);
                return opgeven();
            }
            Posities zonder = set;
            zonder.Wis(y);
            if (!KanVolledig(zonder)) continue;
            Paar(x, y);
            gemaakt.emplace_back(x, y);
            if (botst) ++botsingen;
            set = zonder;
            blijvers.erase(std::find(blijvers.begin(), blijvers.end(), y));
            blijvers.erase(blijvers.begin());
            gevonden = true;
            break;
        }
        if (!gevonden) return opgeven();
    }
    return true;
}

} // namespace velkaro
