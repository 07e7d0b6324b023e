#include "pairing/zwitsers_zoeker.h"

#include "model/tekst.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>

namespace velkaro {

// A group opening's float choice: the candidate list on the candidate stack, how many float
// down, and where the next level's segments begin.
struct ZwitsersZoeker::Keuze {
    int kBasis = 0;  // candidate list on kand_
    int l = 0;       // its length
    int f = 0;       // players to float down
    int gNieuw = 0;  // the next level's group segment
    int wNieuw = 0;  // the next level's waiting room
    int gekozen = 0; // floaters chosen so far
};

namespace {

// Stable insertion sort of a byte segment; it allocates nothing, unlike std::stable_sort.
template <class Voor> void InvoegSorteer(uint8_t* begin, int aantal, Voor voor) {
    for (int i = 1; i < aantal; ++i) {
        const uint8_t x = begin[i];
        int j = i;
        while (j > 0 && voor(x, begin[j - 1])) {
            begin[j] = begin[j - 1];
            --j;
        }
        begin[j] = x;
    }
}

} // namespace

ZwitsersZoeker::ZwitsersZoeker(const Speltabel& tabel, std::vector<Posities> gespeeld,
                               const Zoekopties& opties, Voortgang& voortgang, const Spoor* spoor)
    : t_(tabel), n_(static_cast<int>(tabel.size()) - 1), gespeeld_(std::move(gespeeld)),
      opties_(opties), voortgang_(voortgang), spoor_(spoor), woorden_(n_ / 64 + 1),
      // 4 MB of entries (56 bytes each up to 63 players, 128 up to 255): the search comes back
      // to a state soon or not at all, and a small memory stays in the cache
      geheugen_(3 * woorden_ + 1, 3, (std::size_t{4} << 20) / (8 * (3 * woorden_ + 4))) {
    if (n_ < 0 || n_ >= Posities::kAantal || n_ % 2 != 0 || gespeeld_.size() != tabel.size())
        throw std::invalid_argument("Swiss search: table of an even number of at most 255");
    partner_.assign(static_cast<std::size_t>(n_) + 1, 0);
    // Every open search level holds at most n entries per stack; there are at most n / 2
    // pair levels and n + 1 group openings on the way down.
    const auto ruimte = static_cast<std::size_t>(n_ + 1) * static_cast<std::size_t>(n_ * 3 / 2 + 3);
    groep_.assign(ruimte, 0);
    wacht_.assign(ruimte, 0);
    kand_.assign(ruimte, 0);
    kandGekozen_.assign(ruimte, 0);
    // Each position's half of a progress line, made once: "  3 Name padded to 20".
    naamKolom_.resize(tabel.size());
    for (std::size_t p = 1; p < tabel.size(); ++p) {
        char nr[8];
        std::snprintf(nr, sizeof nr, "%3d ", static_cast<int>(p));
        naamKolom_[p] = nr + VulRechts(Kap(tabel[p].Naam, 20), 20);
    }
    kleurOk_.resize(tabel.size());
    kleurStrikt_.resize(tabel.size());
    std::vector<int32_t> sleutels;
    for (std::size_t p = 1; p < tabel.size(); ++p) sleutels.push_back(tabel[p].Sorteersleutel);
    std::sort(sleutels.begin(), sleutels.end());
    sleutelsUniek_ = std::adjacent_find(sleutels.begin(), sleutels.end()) == sleutels.end();
    groepenBlijven_ = true;
    for (int p = 1; p <= n_; ++p)
        if (!HoudtGroepen(p)) groepenBlijven_ = false;
}

void ZwitsersZoeker::Trace(const char* formaat, ...) const {
    if (!spoor_) return;
    char buf[512];
    va_list args;
    va_start(args, formaat);
    std::vsnprintf(buf, sizeof buf, formaat, args);
    va_end(args);
    spoor_->Schrijf(buf);
}

void ZwitsersZoeker::TraceRij(const char* label, const uint8_t* rij, int aantal) const {
    if (!spoor_) return;
    std::string s = label;
    for (int i = 0; i < aantal; ++i) s += " " + std::to_string(int{rij[i]});
    spoor_->Schrijf(s);
}

void ZwitsersZoeker::RekenKleurrijen() {
    const int32_t grens = 20 * maxKleurverschil_;
    for (int x = 1; x <= n_; ++x) {
        auto& ok = kleurOk_[static_cast<std::size_t>(x)];
        auto& strikt = kleurStrikt_[static_cast<std::size_t>(x)];
        ok = strikt = Posities{};
        for (int y = 1; y <= n_; ++y) {
            const int32_t som = std::abs(t_[static_cast<std::size_t>(x)].Kleurwaarde +
                                         t_[static_cast<std::size_t>(y)].Kleurwaarde);
            if (som <= grens) ok.Zet(y);
            if (som < grens) strikt.Zet(y);
        }
    }
}

bool ZwitsersZoeker::Toelaatbaar(int x, int y, bool kleurtest, bool strikt) const {
    if (x == y || gespeeld_[static_cast<std::size_t>(x)].Heeft(y)) return false;
    if (!kleurtest) return true;
    const int32_t som = std::abs(t_[static_cast<std::size_t>(x)].Kleurwaarde +
                                 t_[static_cast<std::size_t>(y)].Kleurwaarde);
    const int32_t grens = 20 * maxKleurverschil_;
    return strikt ? som < grens : som <= grens;
}

// True when p has an admissible partner in the set (the strict colour test aside).
bool ZwitsersZoeker::HeeftPartnerIn(const Posities& spelers, int p, bool kleurtest) const {
    const auto i = static_cast<std::size_t>(p);
    return kleurtest ? spelers.SnijdtZonder(kleurOk_[i], gespeeld_[i], p)
                     : spelers.HeeftZonder(gespeeld_[i], p);
}

// True when every player of the set has an admissible partner inside the set.
bool ZwitsersZoeker::ElkHeeftPartner(const Posities& spelers, bool kleurtest) const {
    return spelers.VoorElke([&](int p) { return HeeftPartnerIn(spelers, p, kleurtest); });
}

// True when the players of the set cannot all be paired among themselves by admissible pairs
// (the strict colour test never applies where this is asked).
bool ZwitsersZoeker::Onpaarbaar(const Posities& spelers, bool kleurtest) {
    return !paring_.Bestaat(spelers, [&](int p) {
        const auto i = static_cast<std::size_t>(p);
        const Posities buren = spelers.Zonder(gespeeld_[i]);
        return kleurtest ? buren.Snijding(kleurOk_[i]) : buren;
    });
}

void ZwitsersZoeker::BouwSleutel(Sleutel& sleutel, bool kleurtest, const Posities& groep,
                                 const Posities& wachtend) const {
    const auto w = static_cast<std::size_t>(woorden_);
    std::copy_n(vrij_.Woorden().begin(), w, sleutel.begin());
    std::copy_n(groep.Woorden().begin(), w, sleutel.begin() + w);
    std::copy_n(wachtend.Woorden().begin(), w, sleutel.begin() + 2 * w);
    // Beyond 25 pairs since the mark every count gives up alike.
    const auto sindsMerk = static_cast<uint64_t>(std::min(onderzocht_ - merkteken_, 26LL));
    sleutel[3 * w] = static_cast<uint64_t>(kleurtest) | static_cast<uint64_t>(laatsteGroep_) << 1 |
                     static_cast<uint64_t>(versoepeld_) << 2 |
                     static_cast<uint64_t>(kleurDominant_) << 3 |
                     static_cast<uint64_t>(mislukt_) << 4 | sindsMerk << 5 |
                     static_cast<uint64_t>(static_cast<uint32_t>(maxKleurverschil_)) << 16;
}

void ZwitsersZoeker::Onthoud(const Sleutel& sleutel, const Uitkomst& u) {
    const uint64_t waarde[3] = {
        static_cast<uint64_t>(u.onderzocht), static_cast<uint64_t>(u.sindsMerk),
        static_cast<uint64_t>(u.laatsteGroep) | static_cast<uint64_t>(u.versoepeld) << 1 |
            static_cast<uint64_t>(u.kleurDominant) << 2 | static_cast<uint64_t>(u.mislukt) << 3 |
            static_cast<uint64_t>(static_cast<uint32_t>(u.maxKleurverschil)) << 8};
    geheugen_.Voeg(sleutel.data(), waarde);
}

void ZwitsersZoeker::SpeelAf(const uint64_t* waarde) {
    onderzocht_ += static_cast<long long>(waarde[0]);
    const auto sindsMerk = static_cast<long long>(waarde[1]);
    if (sindsMerk >= 0) merkteken_ = onderzocht_ - sindsMerk;
    laatsteGroep_ = (waarde[2] & 1u) != 0;
    versoepeld_ = (waarde[2] & 2u) != 0;
    kleurDominant_ = (waarde[2] & 4u) != 0;
    mislukt_ = (waarde[2] & 8u) != 0;
    const auto maxKleurverschil = static_cast<int32_t>(static_cast<uint32_t>(waarde[2] >> 8));
    if (maxKleurverschil != maxKleurverschil_) {
        maxKleurverschil_ = maxKleurverschil;
        RekenKleurrijen();
    }
    voortgang_.Teller(onderzocht_);
    VraagStop();
}

// Asks the progress receiver whether to stop; true (and Gestopt) when it says so.
bool ZwitsersZoeker::VraagStop() {
    if (!voortgang_.Stoppen()) return false;
    gestopt_ = true;
    Trace("Gestopt: Onderzocht %lld", onderzocht_);
    return true;
}

// When a branch may be skipped without changing what the search finds.
//
// Inside a score group (a > 0) a call and everything below it only pair members of its group
// with each other, each time the first unpaired one with a later one, and reach OpenGroep, the
// only place that opens the next group, sets roosterKlaar_, mislukt_ or versoepeld_, or moves
// the give-up mark, only once the whole group is paired. If the group's admissible pairs hold
// no complete pairing (Onpaarbaar), that never happens: the literal search walks the branch, finds
// nothing, and returns with partners, free set, depth and stacks as they were. What differs is the
// count of tried pairs (and the progress lines), and the count decides three things:
// - "more than 5000" in OpenGroep makes the search relaxed, and in a colour-test call with a
//   colour difference of 1 raises it to 2. We skip only when the count is already above 5000,
//   so both hold for the rest of the search with or without the skipped pairs, and never in a
//   colour-test call at difference 1, where the raise inside the branch would change the
//   admissible pairs while it runs.
// - Opgeven: relaxed and more than 25 pairs since the mark. We skip only when not relaxed (so
//   nothing gives up inside the branch) and when more than 25 pairs have passed since the
//   mark. The literal count since the mark is then at least the pruned one, which stays above
//   25 until the mark is set again; from there both count alike, until the next skip, again
//   above 25. So the give-up falls at the same moments.
// - The pairs admissible inside the branch: with the colour test those within 20 × the
//   difference (kleurOk_), the strict form only when relaxed, which is excluded.
// The same holds for the float choices of an opening whose group takes every player left
// (s beyond the table): with anyone floating, the opening below finds no player outside the
// waiting room and fails (mislukt_) before it could turn relaxed, so every choice from the
// first with a floater on only adds to the count, except that the last choice (everyone
// floats, the group is empty) ends with mislukt_ set, which the caller sees: a skip sets it
// too. The colour test runs in those choices when the colour is dominant, hence
// MagSnoeien(kleurDominant_).
// Only the final count reported differs: it counts the pairs actually tried.
// The FMJD rules keep all of this: they never turn relaxed (so nothing gives up and the mark
// stays 0), the colour difference still rises after 5000 pairs, a group branch still pairs
// only its own members, and an opening whose group takes everyone left (the run reaching past
// the table, or the merged rest of the third pass) leaves floaters nobody below; the opening
// below fails before it could set LaatsteGroep. As that raise is all the count decides there,
// they skip from the first pair on when it cannot come (TellingTelt).
bool ZwitsersZoeker::MagSnoeien(bool kleurtest) const {
    return opties_.Snoeien && !versoepeld_ && !TellingTelt() && onderzocht_ - merkteken_ > 25 &&
           !(kleurtest && maxKleurverschil_ == 1);
}

std::string_view ZwitsersZoeker::Paarregel(int f, int c) {
    const std::string& a = naamKolom_[static_cast<std::size_t>(f)];
    const std::string& b = naamKolom_[static_cast<std::size_t>(c)];
    constexpr std::string_view kStreep = "  -  ";
    char* uit = regel_;
    uit = std::copy(a.begin(), a.end(), uit);
    uit = std::copy(kStreep.begin(), kStreep.end(), uit);
    uit = std::copy(b.begin(), b.end(), uit);
    return std::string_view(regel_, static_cast<std::size_t>(uit - regel_));
}

void ZwitsersZoeker::Paar(int f, int c) {
    partner_[static_cast<std::size_t>(f)] = c;
    partner_[static_cast<std::size_t>(c)] = f;
    vrij_.Wis(f);
    vrij_.Wis(c);
}

void ZwitsersZoeker::Ontpaar(int f, int c) {
    partner_[static_cast<std::size_t>(f)] = 0;
    partner_[static_cast<std::size_t>(c)] = 0;
    vrij_.Zet(f);
    vrij_.Zet(c);
}

bool ZwitsersZoeker::Zoek() {
    maxKleurverschil_ = opties_.MaxKleurverschil;
    kleurDominant_ = opties_.KleurDominant;
    RekenKleurrijen();
    std::fill(partner_.begin(), partner_.end(), 0);
    vrij_ = Posities{};
    for (int p = 1; p <= n_; ++p) vrij_.Zet(p);

    if (opties_.Ronde <= 1) {
        for (int p = 1; p + 1 <= n_; p += 2) Paar(p, p + 1);
        roosterKlaar_ = true;
        Trace("Klaar met 1e ronde vind_wedstrijd: %d paren", n_ / 2);
        Trace("Rooster klaar");
        return true;
    }

    // Up to three passes; the count of tried pairs, the give-up mark and the relaxed colour
    // difference carry over from pass to pass.
    if (FMJD()) {
        // No relaxed mode: the third pass lets the rest form one group instead.
        const char* namen[] = {"kleurtest aan", "kleurtest uit", "laatste groep, kleurtest uit"};
        for (int doorgang = kleurDominant_ ? 0 : 1; doorgang < 3; ++doorgang) {
            if (roosterKlaar_ || gestopt_) break;
            if (doorgang < 2) eersteAanroep_ = true;
            laatsteGroep_ = doorgang == 2;
            Trace("Aanroep vindwedstrijd gestart: %s", namen[doorgang]);
            Vindwedstrijd(doorgang == 0, 0, 0, 0, 0);
        }
    } else {
        ZoekDoorgangen();
    }
    Trace(roosterKlaar_ ? "Rooster klaar: Onderzocht %lld" : "Rooster niet klaar: Onderzocht %lld",
          onderzocht_);
    return roosterKlaar_;
}

void ZwitsersZoeker::ZoekDoorgangen() {
    if (kleurDominant_) {
        eersteAanroep_ = true;
        versoepeld_ = laatsteGroep_ = false;
        Trace("Aanroep vindwedstrijd gestart: kleurtest aan, MaxKleurverschil %d",
              maxKleurverschil_);
        Vindwedstrijd(true, 0, 0, 0, 0);
    }
    if (!roosterKlaar_ && !gestopt_) {
        eersteAanroep_ = true;
        versoepeld_ = laatsteGroep_ = false;
        Trace("Aanroep vindwedstrijd gestart: kleurtest uit");
        Vindwedstrijd(false, 0, 0, 0, 0);
    }
    if (!roosterKlaar_ && !gestopt_) {
        versoepeld_ = true;
        Trace("Aanroep vindwedstrijd gestart: versoepeld, kleurtest uit");
        Vindwedstrijd(false, 0, 0, 0, 0);
    }
}

// Drops the members already paired, then orders the group: by table position; in round 2 the
// first member stays and the others are reversed, and runs of equal places from the third
// member on follow the colour value; with the test options by resistance points.
// The FMJD rules also drop the players of this level's waiting room, order only in round 2
// (runs by colour value only when the first member's value is not negative), and otherwise
// keep the order the group was built in.
void ZwitsersZoeker::BereidGroepVoor(int gBasis, int& a, const Posities& wachtend) {
    uint8_t* g = groep_.data() + gBasis;
    int over = 0;
    const bool fmjd = FMJD();
    for (int i = 0; i < a; ++i)
        if (partner_[g[i]] == 0 && !(fmjd && wachtend.Heeft(g[i]))) g[over++] = g[i];
    a = over;
    if (a <= 1) return;
    if (fmjd) {
        if (opties_.Ronde != 2) return;
        std::sort(g, g + a);
        std::reverse(g + 1, g + a);
        if (t_[g[0]].Kleurwaarde < 0) return;
        for (int begin = 2; begin < a;) {
            int eind = begin + 1;
            while (eind < a && t_[g[eind]].Notering == t_[g[begin]].Notering) ++eind;
            InvoegSorteer(g + begin, eind - begin, [&](uint8_t x, uint8_t y) {
                return t_[x].Kleurwaarde > t_[y].Kleurwaarde;
            });
            begin = eind;
        }
        return;
    }
    if (!std::is_sorted(g, g + a)) std::sort(g, g + a);
    if (opties_.Ronde == 2) {
        std::reverse(g + 1, g + a);
        const bool oplopend = t_[g[0]].Kleurwaarde < 0;
        for (int begin = 2; begin < a;) {
            int eind = begin + 1;
            while (eind < a && t_[g[eind]].Notering == t_[g[begin]].Notering) ++eind;
            InvoegSorteer(g + begin, eind - begin, [&](uint8_t x, uint8_t y) {
                return oplopend ? t_[x].Kleurwaarde < t_[y].Kleurwaarde
                                : t_[x].Kleurwaarde > t_[y].Kleurwaarde;
            });
            begin = eind;
        }
    }
    if (opties_.Testopties)
        InvoegSorteer(g, a, [&](uint8_t x, uint8_t y) {
            return t_[x].Weerstandspunten > t_[y].Weerstandspunten;
        });
}

// Remembering the branches that found nothing. Once the count no longer decides anything (more
// than 5000 pairs tried; under the FMJD rules as soon as no raise can come), a call of
// Vindwedstrijd that ends without a pairing is kept with what it left behind, and a later call in
// the same state plays that back instead of walking the branch again. Its state is all that the
// call and everything below it read:
// - the unpaired players (vrij_; the partners follow from it), the members of its group and the
//   players in its waiting room, as sets. The group's order is a function of its members (by
//   position, then the round-2 and resistance orders; under the FMJD rules the candidate order,
//   which is by position too), and the waiting room's order matters only through the candidate
//   list, which is sorted by the sort keys: so sets only when no two players share a key, which
//   the constructor checks (ZetSorteersleutels never makes two alike);
// - kleurtest, LaatsteGroep, Versoepeld, KleurDominant, Mislukt (a group whose first member finds
//   no partner returns with it as it came) and the colour difference;
// - the count of tried pairs, but only through comparisons: "more than 5000", true from here on as
//   the count only grows (or, under the FMJD rules, read nowhere), and "more than 25 since the
//   give-up mark" (Opgeven, MagSnoeien), which holds for every count since the mark of 26 or more;
//   those are one state;
// - the stacks above the call's own segments, which it writes before it reads them.
// What it leaves behind: the count (the pairs it tried are added back, so the count stays the one
// the search would reach by walking), the mark (when it set it: how many pairs ago), Mislukt,
// LaatsteGroep, Versoepeld, KleurDominant and the colour difference. Partners, free set, depth and
// stacks come back as they were, as a call that found nothing undoes each pair it made. A call
// that found the pairing or was stopped is not kept. A played-back branch does not repeat its
// progress lines or trace, and the first pass's feasibility test (eersteAanroep_) is never kept.
void ZwitsersZoeker::Vindwedstrijd(bool kleurtest, int gBasis, int a, int wBasis, int b) {
    if (gestopt_) return;
    if (spoor_) {
        Trace("Vindwedstrijd geopend: Basis groep %d, wacht %d, kleurtest %d", gBasis, wBasis,
              kleurtest ? 1 : 0);
        Trace("Groepsteller: %d Wachtteller: %d", a, b);
    }
    const uint8_t* w = wacht_.data() + wBasis;
    Posities wachtend;
    for (int j = 0; j < b; ++j) wachtend.Zet(w[j]);
    if (!Onthoudbaar()) {
        VindwedstrijdZelf(kleurtest, gBasis, a, wBasis, b, wachtend);
        return;
    }
    // The members BereidGroepVoor keeps: those still unpaired and, under the FMJD rules, not
    // waiting; looked up before the group is ordered and tested, which a played-back call skips.
    const uint8_t* g = groep_.data() + gBasis;
    Posities groep;
    for (int i = 0; i < a; ++i)
        if (partner_[g[i]] == 0 && !(FMJD() && wachtend.Heeft(g[i]))) groep.Zet(g[i]);
    Sleutel sleutel;
    BouwSleutel(sleutel, kleurtest, groep, wachtend);
    if (const uint64_t* waarde = geheugen_.Zoek(sleutel.data())) {
        SpeelAf(waarde);
        return;
    }
    const long long onderzochtVoor = onderzocht_, merktekenVoor = merkteken_;
    VindwedstrijdZelf(kleurtest, gBasis, a, wBasis, b, wachtend);
    if (roosterKlaar_ || gestopt_) return;
    Onthoud(sleutel, {.onderzocht = onderzocht_ - onderzochtVoor,
                      .sindsMerk = merkteken_ != merktekenVoor ? onderzocht_ - merkteken_ : -1,
                      .maxKleurverschil = maxKleurverschil_,
                      .laatsteGroep = laatsteGroep_,
                      .versoepeld = versoepeld_,
                      .kleurDominant = kleurDominant_,
                      .mislukt = mislukt_});
}

void ZwitsersZoeker::VindwedstrijdZelf(bool kleurtest, int gBasis, int a, int wBasis, int b,
                                       const Posities& wachtend) {
    const uint8_t* g = groep_.data() + gBasis;
    const uint8_t* w = wacht_.data() + wBasis;
    if (a > 0) BereidGroepVoor(gBasis, a, wachtend);
    if (spoor_) {
        TraceRij("groeprij - index:", g, a);
        TraceRij("wachtrij - index:", w, b);
    }

    Posities groep;
    for (int i = 0; i < a; ++i) groep.Zet(g[i]);
    if (eersteAanroep_) {
        if (!ElkHeeftPartner(vrij_.Zonder(groep), kleurtest)) return;
        eersteAanroep_ = false;
    }
    if (!ElkHeeftPartner(groep, kleurtest)) return;
    if (onderzocht_ > 5000 && kleurtest && maxKleurverschil_ == 1) {
        maxKleurverschil_ = 2;
        RekenKleurrijen();
    }
    ZoekGroep(kleurtest, gBasis, a, wBasis, b, groep, wachtend);
}

void ZwitsersZoeker::ZoekGroep(bool kleurtest, int gBasis, int a, int wBasis, int b,
                               const Posities& groep, const Posities& wachtend) {
    const uint8_t* g = groep_.data() + gBasis;
    const uint8_t* w = wacht_.data() + wBasis;
    if (a == 0) {
        OpenGroep(gBasis, wBasis, b, wachtend);
        return;
    }
    // A group that cannot be paired among itself, once the count no longer matters (above).
    if (MagSnoeien(kleurtest) && Onpaarbaar(groep, kleurtest)) return;
    // Every complete pairing of the group ends in the same opening below; when that opening
    // is known to fail, so does each of them (see OpenGroep): the first that gets there ends
    // the group when it left Mislukt set; otherwise all of them come back alike.
    if (Onthouden()) {
        const auto it = vergeefs_.find(
            Opening{vrij_.Zonder(groep), wachtend, laatsteGroep_, maxKleurverschil_});
        if (it != vergeefs_.end()) {
            if (it->second.mislukt) {
                if (!Onpaarbaar(groep, kleurtest)) {
                    mislukt_ = true;
                    laatsteGroep_ = it->second.laatsteGroep;
                }
                return;
            }
            if (it->second.laatsteGroep == laatsteGroep_) return;
        }
    }

    const int f = g[0];
    for (int i = a - 1; i >= 1; --i) {
        const int c = g[i];
        if (partner_[static_cast<std::size_t>(c)] != 0) continue;
        if (!Toelaatbaar(f, c, kleurtest, versoepeld_ && laatsteGroep_)) continue;
        Paar(f, c);
        ++onderzocht_;
        ++diepte_;
        voortgang_.Teller(onderzocht_);
        voortgang_.ZetRegel(diepte_, Paarregel(f, c));
        if (VraagStop()) return;
        if (spoor_) Trace("Diepte %d: %d - %d Onderzocht: %lld", diepte_, f, c, onderzocht_);
        // The next level works on its own copies just above this level's segments.
        std::copy(g, g + a, groep_.data() + gBasis + a);
        std::copy(w, w + b, wacht_.data() + wBasis + b);
        Vindwedstrijd(kleurtest, gBasis + a, a, wBasis + b, b);
        if (roosterKlaar_) {
            if (spoor_) Trace(" Selekteren: roosterklaar");
            return;
        }
        Ontpaar(f, c);
        --diepte_;
        if (spoor_) Trace("Terug: %d - %d", f, c);
        if (mislukt_ || Opgeven()) return;
    }
}

// An FMJD opening that failed once fails the same way whenever the search returns to the same
// unpaired players, waiting room, LaatsteGroep and colour difference: without a relaxed mode
// nothing else it reads differs, except the count of tried pairs, which decides only the raise
// of the colour difference after 5000 pairs (the colour test of the openings runs when the
// colour is dominant). So once that raise can no longer come (Onthouden), the opening's way out
// (Mislukt and LaatsteGroep as it left them) is kept and played back. The waiting room's order does
// not matter: the FMJD candidate list is sorted by position.
void ZwitsersZoeker::OpenGroep(int gBasis, int wBasis, int b, const Posities& wachtend) {
    constexpr std::size_t kMaxOnthouden = 300000;
    const bool onthoud = Onthouden();
    Opening opening;
    if (onthoud) {
        opening = Opening{vrij_, wachtend, laatsteGroep_, maxKleurverschil_};
        if (const auto it = vergeefs_.find(opening); it != vergeefs_.end()) {
            mislukt_ = it->second.mislukt;
            laatsteGroep_ = it->second.laatsteGroep;
            return;
        }
    }
    // An FMJD opening with a player left to pair that fails leaves Mislukt and LaatsteGroep
    // set: its last float choice lets every candidate float, and so on down, each opening
    // trying all its choices (nothing gives up without a relaxed mode), until the opening of
    // the last score group sets LaatsteGroep and the one below it finds only floaters. It fails
    // for certain when the players left cannot all be paired with opponents they have not met,
    // which every pairing it could find would do.
    if (onthoud && !vrij_.Zonder(wachtend).Leeg() && Onpaarbaar(vrij_, false))
        mislukt_ = laatsteGroep_ = true;
    else
        OpenGroepZelf(gBasis, wBasis, b, wachtend);
    if (onthoud && !roosterKlaar_ && !gestopt_ && vergeefs_.size() < kMaxOnthouden)
        vergeefs_.emplace(opening, Afloop{mislukt_, laatsteGroep_});
}

void ZwitsersZoeker::OpenGroepZelf(int gBasis, int wBasis, int b, const Posities& wachtend) {
    const uint8_t* w = wacht_.data() + wBasis;
    const int i = vrij_.Zonder(wachtend).Eerste();
    if (i < 0) {
        if (b == 0)
            roosterKlaar_ = true;
        else
            mislukt_ = true;
        return;
    }
    const bool fmjd = FMJD();
    if (!fmjd && (n_ < 2 * t_[1].AantalPartijen || onderzocht_ > 5000)) versoepeld_ = true;
    if (versoepeld_) kleurDominant_ = false;

    int s = n_ + 1;
    if (fmjd) {
        // A small field with more than six games to go keeps its score groups in every pass.
        if (!laatsteGroep_ || HoudtGroepen(i)) {
            s = i + 1;
            while (s <= n_ &&
                   t_[static_cast<std::size_t>(s)].Punten == t_[static_cast<std::size_t>(i)].Punten)
                ++s;
            if (s > n_) laatsteGroep_ = true;
        }
    } else if (!(versoepeld_ && laatsteGroep_)) {
        s = i + 1;
        while (s <= n_ &&
               t_[static_cast<std::size_t>(s)].Punten == t_[static_cast<std::size_t>(i)].Punten)
            ++s;
        if (s > n_ && versoepeld_) laatsteGroep_ = true;
    }

    Keuze k;
    k.kBasis = kTop_;
    uint8_t* kand = kand_.data() + k.kBasis;
    for (int p = i; p < s; ++p) kand[k.l++] = static_cast<uint8_t>(p);
    for (int j = 0; j < b; ++j) kand[k.l++] = w[j];
    if (fmjd) // the lowest-ranked candidates first, so they are the first to float
        std::sort(kand, kand + k.l, std::greater<>());
    else
        InvoegSorteer(kand, k.l, [&](uint8_t x, uint8_t y) {
            return t_[x].Sorteersleutel > t_[y].Sorteersleutel;
        });
    std::fill(kandGekozen_.begin() + k.kBasis, kandGekozen_.begin() + k.kBasis + k.l, 0);
    kTop_ += k.l;
    if (spoor_) TraceRij("Kandidaten:", kand, k.l);

    k.gNieuw = gBasis;
    k.wNieuw = wBasis + b;
    for (int x = 0; x <= k.l / 2; ++x) {
        k.f = 2 * x + k.l % 2;
        k.gekozen = 0;
        // Every player left is a candidate here: whoever floats finds nobody below (above).
        if (k.f > 0 && s > n_ && MagSnoeien(kleurDominant_)) {
            mislukt_ = true; // as the last choice, everyone floating, leaves it
            break;
        }
        if (kleurDominant_) {
            Vulwacht(k, true, k.l, k.f);
            if (roosterKlaar_) break;
        }
        Vulwacht(k, false, k.l, k.f);
        if (roosterKlaar_) break;
        if (Opgeven()) {
            merkteken_ = onderzocht_;
            break;
        }
    }
    kTop_ = k.kBasis;
}

// Whether every float choice below this node of Vulwacht (the candidates from index n on chosen
// or not, `aantal` more to choose among the first n) fails in a way the caller cannot tell from a
// skip; the node is then skipped.
// - A group fails its first test, before any pair is tried or any flag changes but Mislukt
//   (left cleared, as the skip does), when a member has no admissible partner in it. So a
//   candidate still to choose with no partner among the players that can still be in the group
//   must float in every group that passes; when more must float than are still to be chosen, or
//   a certain member (index n or above, not chosen) has no partner left once they float, every
//   group below fails that test. This holds for every rule and count.
// - Under the FMJD rules, once nothing reads the count (Onthouden) and LaatsteGroep is set or
//   changes nothing (groepenBlijven_: it only lets the rest form one group): an
//   opening with a player left who is not waiting succeeds exactly when the players left can all
//   be paired with opponents they have not met (by induction from the bottom: float each
//   candidate whose partner in such a pairing lies below; the group's search pairs the group
//   whenever it can, every pairing of the group leads to the same opening below, and nothing
//   gives up). So a float choice can succeed only when its group can be paired and the floaters
//   can be paired with everyone below, and one that fails changes nothing read later:
//   LaatsteGroep is already set (or read only in the memories' keys, whose entries are true
//   under either value), the count is not read, and the next choice sets Mislukt anew.
//   The node is skipped when no choice below it makes both halves pairable: the certain floaters
//   and everyone below lack more partners than are still to be chosen, the certain members lack
//   more than may stay, or the players left cannot be paired without a pair across the halves.
//   The opening's last choice (everyone floats) leaves what the opening reports and is never
//   skipped: the colour difference may have been raised inside the opening after its own test.
bool ZwitsersZoeker::KeuzesVergeefs(const Keuze& k, bool kleurtest, int n, int aantal) {
    const uint8_t* kand = kand_.data() + k.kBasis;
    const uint8_t* gekozen = kandGekozen_.data() + k.kBasis;
    Posities alle, vast, drijft, mogelijk;
    for (int j = 0; j < k.l; ++j) {
        alle.Zet(kand[j]);
        if (j < n)
            mogelijk.Zet(kand[j]);
        else
            (gekozen[j] ? drijft : vast).Zet(kand[j]);
    }
    Posities open = mogelijk; // may still float
    mogelijk.Voeg(vast);
    const auto heeftPartner = [&](int p) { return HeeftPartnerIn(mogelijk, p, kleurtest); };
    for (int moeten = 0;;) {
        if (!vast.VoorElke(heeftPartner)) return true;
        Posities weg;
        int nieuw = 0;
        open.VoorElke([&](int p) {
            if (!heeftPartner(p)) {
                weg.Zet(p);
                ++nieuw;
            }
            return true;
        });
        if (nieuw == 0) break;
        moeten += nieuw;
        if (moeten > aantal) return true;
        open = open.Zonder(weg);
        mogelijk = mogelijk.Zonder(weg);
    }
    if (!(FMJD() && (laatsteGroep_ || groepenBlijven_) && Onthouden() && k.f < k.l)) return false;
    drijft.Voeg(vrij_.Zonder(alle));
    const auto rij = [&](int p) { return vrij_.Zonder(gespeeld_[static_cast<std::size_t>(p)]); };
    if (paring_.Tekort(drijft, rij, aantal) > aantal ||
        paring_.Tekort(vast, rij, n - aantal) > n - aantal)
        return true;
    return !paring_.Bestaat(vrij_, [&](int p) {
        const Posities r = rij(p);
        if (vast.Heeft(p)) return r.Zonder(drijft);
        if (drijft.Heeft(p)) return r.Zonder(vast);
        return r;
    });
}

// Chooses `aantal` of the first n candidates for the waiting room, the last chosen candidate
// as far to the front as possible first.
void ZwitsersZoeker::Vulwacht(Keuze& k, bool kleurtest, int n, int aantal) {
    if (aantal > 0 && aantal <= n && opties_.Snoeien && KeuzesVergeefs(k, kleurtest, n, aantal)) {
        mislukt_ = false;
        return;
    }
    if (aantal == 0 || aantal > n) {
        if (k.gekozen != k.f) return;
        if (spoor_) Trace(" Vultel: %d van %d", k.f, k.l);
        const uint8_t* kand = kand_.data() + k.kBasis;
        const uint8_t* gekozen = kandGekozen_.data() + k.kBasis;
        uint8_t* g = groep_.data() + k.gNieuw;
        int a = 0;
        for (int j = 0; j < k.l; ++j)
            if (!gekozen[j]) g[a++] = kand[j];
        // Float choices whose group fails before any pair is tried count nothing, so a stop
        // request is asked here too: Stop is honoured while they are run through.
        if (VraagStop()) return;
        mislukt_ = false;
        Vindwedstrijd(kleurtest, k.gNieuw, a, k.wNieuw, k.f);
        return;
    }
    for (int c = aantal; c <= n; ++c) {
        wacht_[static_cast<std::size_t>(k.wNieuw + k.gekozen)] =
            kand_[static_cast<std::size_t>(k.kBasis + c - 1)];
        kandGekozen_[static_cast<std::size_t>(k.kBasis + c - 1)] = 1;
        ++k.gekozen;
        Vulwacht(k, kleurtest, c - 1, aantal - 1);
        if (roosterKlaar_) {
            if (spoor_) Trace(" Vulwacht: roosterklaar");
            return;
        }
        --k.gekozen;
        kandGekozen_[static_cast<std::size_t>(k.kBasis + c - 1)] = 0;
        if (Opgeven()) return;
    }
}

} // namespace velkaro
