// Matches: the Wedstrijdgegevens record, the match object with its result operation and the
// match collection, kept in round and match-number order.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace velkaro {

class trondeverzameling;

// Result codes per side.
enum Uitslagcode : uint8_t {
    UitslagVerlies = 0,
    UitslagRemise = 1,
    UitslagWinst = 2,
    UitslagMinRemise = 3,
    UitslagPlusRemise = 4,
    UitslagAfgebroken = 9, // in UitslagWit only
};

struct Wedstrijdgegevens {
    int32_t Ronde = 0;
    int32_t Wedstrijdnummer = 0;
    int32_t Wit = 0;   // InternNummer; -r is an outside opponent of rating r
    int32_t Zwart = 0; // same convention
    uint8_t UitslagWit = 0;
    uint8_t UitslagZwart = 0;
    bool Gespeeld = false;
    bool Reglementair = false;

    bool operator==(const Wedstrijdgegevens&) const = default;
};

// A match of a registered player in white against nobody (0, a number no player has). With
// the bye switched on in the settings it is a bye: no game, no result of its own, what it
// scores comes from the settings. Otherwise it is a match with an absent player.
constexpr int32_t kGeenTegenstander = 0;
inline bool IsVrij(const Wedstrijdgegevens& g) {
    return g.Wit > 0 && g.Zwart == kGeenTegenstander;
}

class twedstrijdobj {
public:
    explicit twedstrijdobj(const Wedstrijdgegevens& g) : g_(g) {}
    Wedstrijdgegevens Gegevens() const { return g_; }
    const Wedstrijdgegevens& G() const { return g_; }
    Wedstrijdgegevens& W() { return g_; }

    // Stores both codes and Gespeeld; an adjourned game gets 9 as white's code; both codes 0
    // mark the regulation 0-0 (Reglementair is never cleared here). The caller marks the
    // standings out of date.
    void ZetUitslag(uint8_t wit, uint8_t zwart, bool afgebroken, bool gespeeld);
    bool HeeftUitslag() const { return g_.Gespeeld; }
    bool IsAfgebroken() const { return g_.UitslagWit == UitslagAfgebroken; }
    // Played at the board: the result is in or the game was adjourned.
    bool IsGespeeldOfAfgebroken() const { return HeeftUitslag() || IsAfgebroken(); }

private:
    Wedstrijdgegevens g_;
};

class twedstrijdverzameling {
public:
    // The round collection receives a round for every match whose round is missing.
    explicit twedstrijdverzameling(trondeverzameling& rondes) : rondes_(rondes) {}

    // Inserts by (Ronde, Wedstrijdnummer); equal ones keep insertion order. Creates the round
    // with an empty date when it does not exist.
    twedstrijdobj& Voegtoe(const Wedstrijdgegevens& g);
    // Takes a match out of the collection (ownership passes to the caller).
    std::unique_ptr<twedstrijdobj> Neem(const twedstrijdobj* w);
    // Puts a match object taken out earlier back in its place.
    twedstrijdobj& Zet(std::unique_ptr<twedstrijdobj> w);
    void Verwijder(const twedstrijdobj* w) { Neem(w); }
    void Wissen() { lijst_.clear(); }
    // Restores the order after Ronde or Wedstrijdnummer of a match changed.
    void Herschik();

    std::size_t Aantal() const { return lijst_.size(); }
    twedstrijdobj& At(std::size_t i) { return *lijst_[i]; }
    const twedstrijdobj& At(std::size_t i) const { return *lijst_[i]; }
    auto begin() { return lijst_.begin(); }
    auto end() { return lijst_.end(); }
    auto begin() const { return lijst_.cbegin(); }
    auto end() const { return lijst_.cend(); }

    // Removes the unplayed matches of a round; true when it removed any.
    bool verwijderronde(int32_t ronde);
    // Removes every match of a round.
    void VerwijderRondeCompleet(int32_t ronde);
    // Removes every match in which this player is white or black.
    void VerwijderSpeler(int32_t internNummer);

    // Meetings of two players, in either colour, over every match with or without a result:
    // the scans behind the played-before, meeting-count and last-meeting tests of pairing.
    bool is_gespeeld(int32_t a, int32_t b) const;
    int keer_gespeeld(int32_t a, int32_t b) const;
    struct Laatsteontmoeting {
        int32_t Ronde = -1; // round of the most recent meeting; -1 when none
        int Aantal = 0;     // meetings in the scanned range
    };
    // Scans from entry `vanaf` back to the first entry (list order: round, then number).
    Laatsteontmoeting RondenGeleden(int32_t a, int32_t b, std::size_t vanaf) const;
    // The same over the whole list, the last entry included.
    Laatsteontmoeting RondenGeleden(int32_t a, int32_t b) const;
    // True when no match of the round has a result or is adjourned.
    bool IsRondeLeeg(int32_t ronde) const;
    // Highest round number of all matches; 0 without matches.
    int32_t laatste_ronde() const;

private:
    std::vector<std::unique_ptr<twedstrijdobj>> lijst_;
    trondeverzameling& rondes_;
};

} // namespace velkaro
