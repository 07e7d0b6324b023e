// The undo history of the desktop program. Before a change the players, rounds and matches of
// the open group are kept (with the matches an open match list holds outside the collection);
// undo puts them back, redo the state undo left. A change that replaces many things (a
// pairing, a numbering) is one step, and a change that turns out to change nothing (a question
// answered No) is none. The history belongs to one group: it is emptied when another
// competition or group is opened.
#pragma once

#include "model/competitie.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velkaro {

namespace lang {
enum class T : uint16_t;
}

class TWedstrijdenlijst;

// What an undoable change can touch. The players are shared between snapshots while they stay
// the same, so a step that changes only results costs the matches alone.
struct Toestand {
    std::shared_ptr<const std::vector<Spelergegevens>> Spelers;
    std::vector<Rondegegevens> Rondes;          // number and date; the counts are recounted
    std::vector<Wedstrijdgegevens> Wedstrijden; // the collection
    std::vector<Wedstrijdgegevens> Lijst;       // the open match list's matches
    int32_t LijstRonde = 0;                     // its round; 0 when no list is open
};

// True when the two states hold the same data: standings totals, the report selection bit,
// the round counts and where a match is kept (collection or open list) do not count.
bool ZelfdeInhoud(const Toestand& a, const Toestand& b);

class Geschiedenis {
public:
    static constexpr std::size_t kDiepte = 100;
    explicit Geschiedenis(Competitie& c, std::size_t diepte = kDiepte);

    // The match list while it holds its round's matches (between SetData and GetData);
    // nullptr when none is open.
    void Koppel(TWedstrijdenlijst* lijst) { lijst_ = lijst; }

    // One step, however much changes between Begin and Einde; nested pairs belong to the outer
    // step. Einde records it (under the name given to Einde, else the one given to Begin) when
    // the data changed, and then nothing can be redone any more.
    void Begin(std::string naam);
    void Einde(std::optional<std::string> naam = {});

    // After any command (the program is idle again): a change made outside the named steps is
    // recorded as a step of its own, so undo never takes it back together with an older one.
    // Another competition or group empties the history.
    void Bij();
    // The state as it is now is the starting point, without a step (a match list numbering its
    // round as it opens).
    void Herijk();

    bool KanOngedaan() const { return !ongedaan_.empty(); }
    bool KanOpnieuw() const { return !opnieuw_.empty(); }
    // The name of the step undo (redo) would take back (do again); empty when there is none.
    std::string OngedaanNaam() const;
    std::string OpnieuwNaam() const;
    std::size_t AantalOngedaan() const { return ongedaan_.size(); }
    std::size_t AantalOpnieuw() const { return opnieuw_.size(); }

    // True when a step was undone (redone).
    bool Ongedaan();
    bool Opnieuw();
    void Wis();

    // The state now, the open match list's matches included.
    Toestand Nu() const;

private:
    struct Stap {
        std::string Naam;
        Toestand Voor;
    };
    void Leg(std::deque<Stap>& stapel, Stap s);
    // Takes the last step of `van` back to its state and puts the state now on `naar`.
    bool Verplaats(std::deque<Stap>& van, std::deque<Stap>& naar);
    void Zet(const Toestand& t);
    bool AndereGroep() const;

    Competitie& c_;
    std::size_t diepte_;
    TWedstrijdenlijst* lijst_ = nullptr;
    std::deque<Stap> ongedaan_, opnieuw_;
    int open_ = 0;
    Stap begin_;
    Toestand na_; // the state as the history saw it last
    std::string bestand_;
    int32_t groep_ = 0;
};

// One step for as long as the object lives; without a history it does nothing.
class Wijzigingsstap {
public:
    Wijzigingsstap(Geschiedenis* g, std::string naam) : g_(g) {
        if (g_) g_->Begin(std::move(naam));
    }
    ~Wijzigingsstap() {
        if (g_) g_->Einde(std::move(naam_));
    }
    Wijzigingsstap(const Wijzigingsstap&) = delete;
    Wijzigingsstap& operator=(const Wijzigingsstap&) = delete;
    // The name known only once the change is made (a new player's name).
    void Noem(std::string naam) { naam_ = std::move(naam); }

private:
    Geschiedenis* g_;
    std::optional<std::string> naam_;
};

// A step's name: the text, and what it acted on (a match number, a player's name).
std::string Stapnaam(lang::T tekst, const std::string& wat = {});

// "Ongedaan maken: uitslag 30" and "Opnieuw: …" for the menus; the plain entry without a step.
std::string OngedaanMenu(const Geschiedenis* g);
std::string OpnieuwMenu(const Geschiedenis* g);

} // namespace velkaro
