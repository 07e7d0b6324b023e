#include "pairing/rating_zwitsers.h"

#include "pairing/nieuwe_wedstrijden.h"
#include "pairing/ontmoetingen.h"
#include "pairing/posities.h"
#include "pairing/rating_zoeker.h"
#include "pairing/speltabel.h"
#include "pairing/spoor.h"
#include "standings/stand.h"

#include <optional>
#include <unordered_map>

namespace velkaro {

namespace {

// A result code as a score: an adjourned game (9) has none yet.
int32_t Resultaat(uint8_t code) {
    return code == UitslagAfgebroken ? 0 : code;
}

// Sets the float markers of one round from the scores before it; `score` holds the scores
// after the round (by internal number) and is lowered to the scores before it.
void MarkeerFloats(const Competitie& c, int32_t ronde, std::unordered_map<int32_t, int32_t>& score,
                   std::unordered_map<int32_t, Ratingregel*>& regel, bool vorige) {
    for (const auto& w : c.Wedstrijden) {
        const auto& g = w->G();
        if (g.Ronde != ronde || g.Wit <= 0 || g.Zwart <= 0) continue;
        const auto wit = score.find(g.Wit), zwart = score.find(g.Zwart);
        if (wit == score.end() || zwart == score.end()) continue;
        wit->second -= Resultaat(g.UitslagWit);
        zwart->second -= Resultaat(g.UitslagZwart);
        if (wit->second == zwart->second) continue;
        const bool witHoger = wit->second > zwart->second;
        const int32_t hoog = witHoger ? g.Wit : g.Zwart, laag = witHoger ? g.Zwart : g.Wit;
        if (const auto h = regel.find(hoog); h != regel.end())
            (vorige ? h->second->df : h->second->df1) = true;
        if (const auto l = regel.find(laag); l != regel.end())
            (vorige ? l->second->uf : l->second->uf1) = true;
    }
}

// The calculation system is 16 while the routine computes and 5 again on every way out.
class TijdelijkSysteem {
public:
    explicit TijdelijkSysteem(trekenopties& o) : o_(o) { o_.Rekensysteem = Systeem16; }
    ~TijdelijkSysteem() { o_.Rekensysteem = SysteemZwitsersRating; }
    TijdelijkSysteem(const TijdelijkSysteem&) = delete;
    TijdelijkSysteem& operator=(const TijdelijkSysteem&) = delete;

private:
    trekenopties& o_;
};

} // namespace

Ratingtabel BouwRatingtabel(const Competitie& c, int32_t ronde, bool laatsteRonde) {
    Ratingtabel t(1);
    const std::size_t ranglijst = c.Ranglijst.Aantal();
    const bool dominant = c.Opties.KleurDominant != 0;
    const int32_t sterk = 10 * c.Opties.MaxKleurverschil;
    for (const auto& regel : c.Ranglijst) {
        const TSpelerObj& s = *regel.Speler;
        if (!s.InRooster()) continue;
        const auto& g = s.G();
        const std::size_t p = t.size();
        Ratingregel r;
        r.Naam = g.Naam;
        r.AantalPartijen = g.AantalPartijen;
        r.Punten = g.Punten;
        r.Weerstandspunten = g.Weerstandspunten;
        r.Notering = g.Notering;
        r.Kleurbalans = g.Kleurbalans;
        r.InternNummer = g.InternNummer;
        r.LaatsteKleur = g.LaatsteKleur;
        if (laatsteRonde && g.AantalPartijen >= 1)
            r.Percentage = (g.Punten * 100 / g.AantalPartijen) / 2;
        r.Kleurvoorkeur = ranglijst < 2 * p ? WensGeen : (p % 2 != 0 ? WensWit : WensZwart);
        if (g.AantalPartijen >= 1) {
            if (!dominant)
                r.Kleurvoorkeur = WensGeen;
            else if (g.Kleurbalans > 0)
                r.Kleurvoorkeur = WensZwart;
            else if (g.Kleurbalans < 0)
                r.Kleurvoorkeur = WensWit;
        }
        if (dominant && g.Kleurbalans > sterk) r.SterkeKleurvoorkeur = WensZwart;
        if (dominant && g.Kleurbalans < -sterk) r.SterkeKleurvoorkeur = WensWit;
        t.push_back(std::move(r));
    }

    std::unordered_map<int32_t, int32_t> score;
    for (const auto& s : c.Spelers) score.emplace(s->InternNummer(), s->G().Punten);
    std::unordered_map<int32_t, Ratingregel*> regel;
    for (std::size_t p = 1; p < t.size(); ++p) regel.emplace(t[p].InternNummer, &t[p]);
    if (ronde - 1 > 0) MarkeerFloats(c, ronde - 1, score, regel, true);
    if (ronde - 2 > 0) MarkeerFloats(c, ronde - 2, score, regel, false);
    return t;
}

bool RatingEersteSpeeltWit(const Ratingregel& i, const Ratingregel& j) {
    auto wensen = [](uint8_t wi, uint8_t wj) -> int { // 1: j white, 0: i white, -1: none
        if (wi == WensZwart || wj == WensWit) return 1;
        if (wi == WensWit || wj == WensZwart) return 0;
        return -1;
    };
    if (const int v = wensen(i.SterkeKleurvoorkeur, j.SterkeKleurvoorkeur); v >= 0) return v == 0;
    if (const int v = wensen(i.Kleurvoorkeur, j.Kleurvoorkeur); v >= 0) return v == 0;
    if (j.Kleurbalans < i.Kleurbalans) return false;
    if (j.Kleurbalans > i.Kleurbalans) return true;
    return i.LaatsteKleur != 1;
}

Roosterresultaat StelRatingZwitsersRoosterSamen(Competitie& c, int32_t ronde, bool laatsteRonde,
                                                Roosteromgeving& omg) {
    Roosterresultaat res;
    std::optional<Spoor> spoor;
    if (omg.Debugfile) spoor.emplace(SpoorPad(c));

    if (c.Wedstrijden.verwijderronde(ronde)) c.MarkeerHerberekenen();
    std::optional<TijdelijkSysteem> systeem(std::in_place, c.Opties);
    ranglijst_sorteren(c, true);
    const Ratingtabel tabel = BouwRatingtabel(c, ronde, laatsteRonde);
    const int n = static_cast<int>(tabel.size()) - 1;
    auto terugNaarVijf = [&] {
        systeem.reset();
        ranglijst_sorteren(c, true);
    };
    // The search holds positions in sets of 256: more than 255 players cannot be paired.
    if (n % 2 != 0 || n >= Posities::kAantal) {
        MeldOnevenAantal(omg.gesprek, true);
        terugNaarVijf();
        res.Uitkomst = Roosteruitkomst::KanNietParen;
        return res;
    }

    for (int i = 0; i < n / 2; ++i) omg.voortgang.Regel("");
    omg.voortgang.Teller(0);
    std::vector<int32_t> intern(tabel.size(), 0);
    for (std::size_t p = 1; p < tabel.size(); ++p) intern[p] = tabel[p].InternNummer;
    RatingZoeker zoeker(tabel, GespeeldRijen(intern, Ontmoetingen(c)),
                        Ratingzoekopties{.KleurDominant = c.Opties.KleurDominant != 0,
                                         .MaxKleurverschil = c.Opties.MaxKleurverschil},
                        omg.voortgang, spoor ? &*spoor : nullptr);
    const bool klaar = zoeker.Zoek();
    res.Onderzocht = zoeker.Onderzocht();
    if (zoeker.Gestopt()) {
        systeem.reset(); // the caller puts the group back as it was
        res.Uitkomst = Roosteruitkomst::Gestopt;
        return res;
    }
    terugNaarVijf();
    if (!klaar) {
        MeldKanNietParen(omg.gesprek);
        res.Uitkomst = Roosteruitkomst::KanNietParen;
        return res;
    }
    res.Nieuw = SchrijfParen(c, ronde, ZwitsersEersteNummer(c, ronde), zoeker.Partner(), intern,
                             [&](int i, int j) {
                                 return RatingEersteSpeeltWit(tabel[static_cast<std::size_t>(i)],
                                                              tabel[static_cast<std::size_t>(j)]);
                             });
    res.VanRonde = res.TotRonde = ronde;
    return res;
}

} // namespace velkaro
