// The search of the Swiss by rating: score groups from the top down with a waiting room, each
// group divided into pairs and floaters by preference, every choice checked against a complete
// pairing of the players still left, so the search never runs into a dead end.
#pragma once

#include "model/gesprek.h"
#include "pairing/posities.h"
#include "pairing/rating_zwitsers.h"
#include "pairing/spoor.h"
#include "pairing/volledige_paring.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

struct Ratingzoekopties {
    bool KleurDominant = false;   // "Kleurverhouding dominant"
    int32_t MaxKleurverschil = 2; // "Maximum toegelaten kleurverschil"
};

class RatingZoeker {
public:
    // `gespeeld` holds per position the positions met before; the table must have an even
    // number of at most 255 players.
    RatingZoeker(const Ratingtabel& tabel, std::vector<Posities> gespeeld,
                 const Ratingzoekopties& opties, Voortgang& voortgang,
                 const Spoor* spoor = nullptr);

    // Two attempts: the first never gives a player the float he had in the previous round,
    // the second (relaxed) only avoids it. True when a complete pairing was found.
    bool Zoek();

    // Partner per position (entry 0 unused); 0 when unpaired.
    const std::vector<int>& Partner() const { return partner_; }
    long long Onderzocht() const { return onderzocht_; }
    bool Gestopt() const { return gestopt_; }
    // The attempt that found the pairing: 1, 2 (relaxed), or 0 when none did.
    int Poging() const { return poging_; }

    // True when the pair may meet at all: not met before and, under a dominant colour
    // ratio, both colour balances stay within the maximum (or move toward 0).
    bool Toelaatbaar(int x, int y) const;

private:
    bool Poog(bool relaxed);
    bool DeelGroepIn(int groepsnummer, const std::vector<int>& kand, const Posities& wachtend,
                     const Posities& rest, int paren, bool strikt, std::vector<int>& wachtNa);
    bool PaarBlijvers(std::vector<int> blijvers, Posities set, const Posities& wachtend,
                      bool strikt, int budget);
    bool KanVolledig(const Posities& spelers);
    bool KleurConflict(int x, int y) const;
    bool FloatHerhaling(int x, int y, bool streng) const;
    void Paar(int x, int y);
    void Ontpaar(int x, int y);
    void Trace(const char* formaat, ...) const __attribute__((format(printf, 2, 3)));
    void TraceLijst(const char* label, const std::vector<int>& lijst) const;

    const Ratingtabel& t_;
    const int n_;
    const std::vector<Posities> gespeeld_;
    Ratingzoekopties opties_;
    Voortgang& voortgang_;
    const Spoor* spoor_;

    std::vector<Posities> toegestaan_; // pairs that may meet at all
    std::vector<Posities> rij_;        // pairs of the current attempt
    std::vector<int> partner_;
    std::vector<std::string> naamKolom_;
    VolledigeParing paring_;
    long long onderzocht_ = 0;
    int diepte_ = 0;
    int aanroep_ = 0;
    int poging_ = 0;
    bool gestopt_ = false;
};

} // namespace velkaro
