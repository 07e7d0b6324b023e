#include "pairing/zwitsers.h"

#include "pairing/nieuwe_wedstrijden.h"
#include "pairing/ontmoetingen.h"
#include "pairing/speltabel.h"
#include "pairing/spoor.h"
#include "pairing/zwitsers_zoeker.h"
#include "standings/stand.h"

#include <optional>

namespace velkaro {

namespace {

constexpr int32_t kZwitsersSorteervolgorde = 47; // resistance points, then Sonneborn-Berger

// Holds the settings' sort order for the duration of the routine.
class TijdelijkeSorteervolgorde {
public:
    TijdelijkeSorteervolgorde(trekenopties& o, int32_t tijdelijk)
        : o_(o), bewaard_(o.Sorteervolgorde) {
        o_.Sorteervolgorde = tijdelijk;
    }
    ~TijdelijkeSorteervolgorde() { o_.Sorteervolgorde = bewaard_; }
    TijdelijkeSorteervolgorde(const TijdelijkeSorteervolgorde&) = delete;
    TijdelijkeSorteervolgorde& operator=(const TijdelijkeSorteervolgorde&) = delete;

private:
    trekenopties& o_;
    int32_t bewaard_;
};

} // namespace

Roosterresultaat StelZwitsersRoosterSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg) {
    return StelZwitsersVariantSamen(c, ronde, omg, Zwitsersvariant::Weerstand,
                                    kZwitsersSorteervolgorde);
}

Roosterresultaat StelZwitsersVariantSamen(Competitie& c, int32_t ronde, Roosteromgeving& omg,
                                          Zwitsersvariant variant, int32_t sorteervolgorde) {
    Roosterresultaat res;
    std::optional<Spoor> spoor;
    if (omg.Debugfile) spoor.emplace(SpoorPad(c));

    if (c.Wedstrijden.verwijderronde(ronde)) c.MarkeerHerberekenen();

    const Zoekopties opties{.Ronde = ronde,
                            .KleurDominant = c.Opties.KleurDominant != 0,
                            .MaxKleurverschil = c.Opties.MaxKleurverschil,
                            .Testopties = c.Opties.Testopties(),
                            .Variant = variant};
    TijdelijkeSorteervolgorde volgorde(c.Opties, sorteervolgorde);
    ranglijst_sorteren(c, true);
    const Speltabel tabel = BouwSpeltabel(c);
    const int n = static_cast<int>(tabel.size()) - 1;
    // The search holds table positions in bytes: more than 255 players cannot be paired.
    if (n % 2 != 0 || n >= Posities::kAantal) {
        MeldOnevenAantal(omg.gesprek, true);
        res.Uitkomst = Roosteruitkomst::KanNietParen;
        return res;
    }

    for (int i = 0; i < n / 2; ++i) omg.voortgang.Regel("");
    omg.voortgang.Teller(0);
    // The meeting table only feeds the played-before rows; the search keeps those.
    ZwitsersZoeker zoeker(tabel, GespeeldRijen(tabel, Ontmoetingen(c)), opties, omg.voortgang,
                          spoor ? &*spoor : nullptr);
    const bool klaar = zoeker.Zoek();
    res.Onderzocht = zoeker.Onderzocht();
    if (zoeker.Gestopt()) {
        res.Uitkomst = Roosteruitkomst::Gestopt;
        return res;
    }
    if (!klaar) {
        MeldKanNietParen(omg.gesprek);
        res.Uitkomst = Roosteruitkomst::KanNietParen;
        return res;
    }
    res.Nieuw =
        SchrijfParen(c, ronde, ZwitsersEersteNummer(c, ronde), zoeker.Partner(), Kleuren(tabel));
    res.VanRonde = res.TotRonde = ronde;
    return res;
}

} // namespace velkaro
