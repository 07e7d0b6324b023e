// Entering a whole tournament's results from a paper table: the cross table (player against
// player) and the progress table (player by round). Both edit a grid of text cells and turn
// it into matches only when the table is processed; results are the row player's points on
// the 2-1-0 scale.
#pragma once

#include "model/competitie.h"
#include "model/gesprek.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velkaro {

// The cross table's diagonal: a bullet.
inline constexpr const char* kMatrixDiagonaal = "\xE2\x80\xA2";

// The rule behind processing one filled cell, shared by the cross table and the command
// line: the first match between players a and b (either colour) without a result, or the
// first at all when overschrijf is set, gets the result (a scores code on the 2-1-0 scale,
// b 2 minus it). Otherwise a new match is made with a as white: in round `ronde`, or in a
// new round after the last when no round is given, numbered after the round's last match.
// With a round only that round's matches are looked at.
twedstrijdobj& ZetMatrixUitslag(Competitie& c, int32_t a, int32_t b, uint8_t code, bool overschrijf,
                                std::optional<int32_t> ronde = {});

// One row of a table: a player of the register.
struct Matrixrij {
    int32_t InternNummer = 0;
    int32_t Lotingnummer = 0;
    std::string Naam;
};

// The grid both tables share: one row per player in register order, "We: " (games) and "Pt"
// (points) per row, and a number of result columns. Rows and columns count from 1.
class Uitslagentabel {
public:
    virtual ~Uitslagentabel() = default;
    int Aantal() const { return static_cast<int>(rijen_.size()); }
    int Kolommen() const { return kolommen_; }
    const Matrixrij& Rij(int i) const { return rijen_[Ix(i)]; }
    const std::string& Cel(int i, int k) const { return cellen_[Ix(i)][Ix(k)]; }
    int Partijen(int i) const { return partijen_[Ix(i)]; }
    int Punten(int i) const { return punten_[Ix(i)]; }
    // The title over result column k: its number.
    std::string Kolomkop(int k) const { return std::to_string(k); }

protected:
    static std::size_t Ix(int i) { return static_cast<std::size_t>(i - 1); }
    void Bouw(const Competitie& c, int kolommen);
    std::string& C(int i, int k) { return cellen_[Ix(i)][Ix(k)]; }
    // "name games-points", the row's summary when the cursor leaves it.
    void MeldRij(Gesprek& g, int i) const;
    virtual void Tel(int i) = 0;
    void TelAlles();

    std::vector<Matrixrij> rijen_;
    std::vector<std::vector<std::string>> cellen_;
    std::vector<int> partijen_, punten_;
    int kolommen_ = 0;
};

// "&Matrix": the cross table. Cell (i, j) holds player i's result against player j: "0",
// "1", the win character ("2", or "3" once wins are worth 3) or "." for not played.
class Tvxmatrix final : public Uitslagentabel {
public:
    Tvxmatrix(Competitie& c, Gesprek& g) : c_(c), g_(g) {}

    // An empty table of the register's players; the cursor at (1, 2).
    void SetData();
    // The dialog was deactivated: the switch to 3 points for a win is possible again.
    void Herstel();
    // The results of one round's matches in the cells (the command line's view of a round).
    void VulUitRonde(int32_t ronde);

    int CursorRij() const { return i_; }
    int CursorKolom() const { return j_; }
    // The win button's caption ("&2" or "&3") and whether "&3" is offered.
    std::string WinstOpschrift() const { return std::string("&") + winst_; }
    bool DrieZichtbaar() const { return drieMogelijk_; }
    int WinstPunten() const { return winstPunten_; }

    // The buttons: "&2", "&1", "&0", "&." on the cursor pair, then the cursor advances.
    void Winst();
    void Remise();
    void Verlies();
    void NietGespeeld();
    // "&3": wins are worth 3 from now on (only before anything was entered), then as "&2".
    void Drie();
    // "&<": the cursor one pair back.
    void Terug();
    // Keys 0 to 3; true when the key was one of them.
    bool Toets(char toets);

    // Cell (i, j) and its mirror (j, i) from a result character "0", "1", "2", "3" or ".".
    // False for a pair outside the table or a character that is none of these.
    bool ZetCel(int i, int j, char uitslag);

    bool RoosterAanmaken = false;
    bool Overschrijven = false;
    // "&Niet verwerken": true when the user confirmed; the points for a win return to what
    // they were.
    bool NietVerwerken();
    // "&Verwerken": optionally the schedule first (system "Normaal"), then every filled pair
    // becomes a result.
    void Verwerken(const std::function<void()>& toonRooster);

protected:
    void Tel(int i) override;

private:
    bool Geldig() const { return i_ >= 1 && j_ > i_ && j_ <= Aantal(); }
    void Zet(char wit);
    void Volgende();

    Competitie& c_;
    Gesprek& g_;
    int i_ = 1, j_ = 2;
    char winst_ = '2';
    int winstPunten_ = 2;
    bool drieMogelijk_ = true;
    int32_t oudePuntenWinst_ = 2;
};

// "&Per ronde matrix": the progress table. Cell (i, r) holds the opponent's drawing number,
// "/" and the row player's result character ("0", "1", "2"), or is empty.
class Tvxmatrix1 final : public Uitslagentabel {
public:
    static constexpr int kMaxRondes = 19;

    Tvxmatrix1(Competitie& c, Gesprek& g) : c_(c), g_(g) {}

    // An empty table of the register's players with the rounds of one round robin (at most
    // 19); the cursor at (1, 1).
    void SetData();
    // "Aantal Rondes": 1 to 19 round columns; cells of rounds that go are dropped with their
    // mirrors, which lie in the same round.
    void ZetAantalRondes(int n);

    int CursorRij() const { return i_; }
    int CursorRonde() const { return r_; }
    // The edit field.
    const std::string& Invoer() const { return invoer_; }
    // The edit field changed: an entry ending in "." (drawing number, result character, ".")
    // fills the cursor cell and the opponent's, and the cursor advances.
    void ZetInvoer(const std::string& tekst);
    // "&.": empties the cursor cell and the opponent's mirrored cell.
    void Punt();
    // "&<": one cell back, past the cells an earlier row filled, and empties it.
    void Terug();
    // "&Verwerken": every pair from its lower row becomes a new match of its round; then the
    // competition is saved.
    void Verwerken();

protected:
    void Tel(int i) override;

private:
    // The row of the opponent in cell (i, r); 0 when empty.
    int Tegenstander(int i, int r) const;
    int RijVanLoting(int32_t loting) const;
    void Leeg(int i, int r);
    // An entry refused: the message, and the edit field cleared.
    void Weiger(const std::string& tekst);

    Competitie& c_;
    Gesprek& g_;
    int i_ = 1, r_ = 1;
    std::string invoer_;
};

} // namespace velkaro
