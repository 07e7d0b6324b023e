// The match entry dialog's logic: the two sides of one match typed as a drawing number, a
// name or short code, or an outside opponent's rating, resolved to player references.
#pragma once

#include "model/spelers.h"
#include "model/wedstrijden.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velkaro {

enum class Kleur { Wit = 0, Zwart = 1 };

class TWedInvoer {
public:
    explicit TWedInvoer(const TSpelersVerzameling& spelers) : spelers_(spelers) {}

    // Fills both sides from the match: the field gets the player's drawing number (or -r for
    // an outside opponent) and the side keeps the match's own reference.
    void Open(const Wedstrijdgegevens& g);

    // A change of "Wit" or "Zwart": a positive number is a drawing number, a negative one -r
    // an outside opponent of rating r, anything else a name or short code. Nobody found gives
    // reference 0 and an empty label; the player already on the other side is refused the
    // same way.
    void ZetTekst(Kleur k, std::string_view tekst);
    // A change of "(of rating)": a positive number r makes the side an outside opponent of
    // rating r; a text that is not a number resets the field to "0".
    void ZetRating(Kleur k, std::string_view tekst);
    // A click on a line of a player list: that player's drawing number into the side's field.
    void KiesSpeler(Kleur k, int32_t internNummer);

    const std::string& Tekst(Kleur k) const { return kant(k).Tekst; }
    const std::string& Label(Kleur k) const { return kant(k).Label; }
    const std::string& Rating(Kleur k) const { return kant(k).Rating; }
    int32_t Referentie(Kleur k) const { return kant(k).Referentie; }

    // "&Alle spelers weergeven": which lists show; remembered between openings.
    bool AlleSpelers = false;
    // The players still free in the round, kept by the match list.
    std::vector<int32_t> Vrij;
    // The visible list's players (free or all), sorted by their lines "number name".
    std::vector<int32_t> Lijst() const;
    static std::string LijstRegel(const Spelergegevens& g);

    // OK: white's and black's references.
    std::pair<int32_t, int32_t> Ok() const {
        return {kanten_[0].Referentie, kanten_[1].Referentie};
    }

private:
    struct Kantstaat {
        std::string Tekst, Label, Rating = "0";
        int32_t Referentie = 0;
    };
    Kantstaat& kant(Kleur k) { return kanten_[static_cast<std::size_t>(k)]; }
    const Kantstaat& kant(Kleur k) const { return kanten_[static_cast<std::size_t>(k)]; }
    void Buiten(Kleur k, int32_t rating);
    void Gevonden(Kleur k, const std::optional<Spelergegevens>& s);

    const TSpelersVerzameling& spelers_;
    std::array<Kantstaat, 2> kanten_;
};

} // namespace velkaro
