// The player register's logic: its list lines and column rows, the drawing-number modes and
// the maximum number, adding, changing, deleting and searching players, and the automatic
// numbering, kept apart from any widget.
#pragma once

#include "entry/spelerinvoer.h"
#include "model/competitie.h"
#include "model/gesprek.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace velkaro {

class Geschiedenis;

// "Lotingnummers": how a new player gets his drawing number; kept as LotingModus.
enum class LotingKeuze : uint16_t { Volgorde = 0, Willekeurig = 1, Ingeven = 2 };

// The register's list line (also the player collection's key): number, then tab-separated
// name, short code, place, categories, rating, "R", "S".
std::string SpelerRegel(const Spelergegevens& g);

// The column view.
enum Kolom : int {
    KolomIntern,
    KolomLNR,
    KolomNaam,
    KolomKort,
    KolomPlaats,
    KolomCat,
    KolomRating,
    KolomRating2,
    KolomR,
    KolomS,
    KolomAlf,
    kAantalKolommen
};
using Kolomrij = std::array<std::string, kAantalKolommen>;
Kolomrij SpelerKolommen(const Spelergegevens& g);
Kolomrij KolomKoppen();
// True when row a comes before row b in the view sorted on column k.
bool KolomVoor(const Kolomrij& a, const Kolomrij& b, int k);

// "Maximumnummer" after a change: raised to 3/2 of the players when that is more, never to
// less than 15.
int32_t GecontroleerdMaximum(int32_t maximum, std::size_t spelers);

class TSpelerLijst {
public:
    // Shows the entry dialog modally on the given logic; true for OK.
    using Invoerscherm = std::function<bool(TInvoerSpelers&)>;

    struct Item {
        int32_t InternNummer = 0;
        std::string Regel;
        Kolomrij Kolommen;
    };

    TSpelerLijst(Competitie& c, Gesprek& gesprek, Toeval& toeval);

    void Activeer();
    // Empties the view and keeps the drawing-number mode with the competition.
    void Deactiveer();

    // --- the view ---
    bool Kolomweergave() const { return kolomweergave_; }
    const std::vector<Item>& Items() const { return items_; }
    int Selectie() const { return selectie_; }
    void Selecteer(int i);
    // "3/14": the selected position and the number of lines.
    std::string Teller() const;
    int Sorteerkolom() const { return sorteerkolom_; }
    void SorteerOp(int kolom);

    // --- the controls ---
    LotingKeuze Keuze() const { return keuze_; }
    void KiesLoting(LotingKeuze k) { keuze_ = k; }
    bool MaximumActief() const { return keuze_ == LotingKeuze::Willekeurig; }
    int32_t Maximum() const { return maximum_; }
    // A typed maximum; a text that is not a whole number is reported and changes nothing.
    bool ZetMaximum(std::string_view tekst);
    void MaximumStap(int delta);
    bool SnelIngeven = false;
    int Lotinggroepen = 1;
    bool Parallel = false;
    bool ToonGroepen() const;
    bool ToonParallel() const;

    // --- the actions ---
    void Nieuw(const Invoerscherm& toon);
    void Wijzig(const Invoerscherm& toon);
    void Verwijder();
    void Zoek();
    void Nummeren();

    TInvoerSpelers& Invoer() { return invoer_; }

    // The undo history that records the register's changes; none by default.
    void ZetGeschiedenis(Geschiedenis* g) { geschiedenis_ = g; }
    // After undo or redo: the lines again, the selection kept where it was as far as it goes.
    void Ververs();

private:
    void Vul();
    int Positie(int32_t intern) const;
    const Item* Gekozen() const;

    Competitie& c_;
    Gesprek& gesprek_;
    Toeval& toeval_;
    TInvoerSpelers invoer_;
    std::vector<Item> items_;
    int selectie_ = -1;
    bool kolomweergave_ = false;
    int sorteerkolom_ = KolomLNR;
    LotingKeuze keuze_ = LotingKeuze::Volgorde;
    int32_t maximum_ = 0;
    std::string zoektekst_;
    Geschiedenis* geschiedenis_ = nullptr;
};

} // namespace velkaro
