// The result panel of the match list: what each button stores in the mode in force
// (plus/minus-draw, board points, normal), the captions, the keys that press the buttons,
// and the buttons' names on the command line.
#pragma once

#include "model/competitie.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velkaro {

enum class Uitslagknop : int {
    Res0,
    Res1,
    Res2,
    Res3,
    Res4,
    Res5,
    Res6,
    Res7,
    Res8,
    Regl00,      // "Regl. 0-0"
    Afgebroken,  // "&Afgebroken"
    UitslagWeg,  // "&Uitslag weg"
    ReglUitslag, // "Regl.uitslag"
};
constexpr int kResultaatknoppen = 9;

// White's and black's code stored by BtnRes0..BtnRes8; nullopt for a button the mode hides.
std::optional<std::pair<uint8_t, uint8_t>> KnopCodes(const trekenopties& o, int knop);

struct Knoppaneel {
    std::array<std::string, kResultaatknoppen> Opschrift;
    std::array<bool, kResultaatknoppen> Zichtbaar{};
    std::array<char, kResultaatknoppen> Toets{}; // '\0': no key
    bool Schaaknotatie = false;
};
// The captions, the shown buttons and the key table, as built when the match list opens.
Knoppaneel MaakKnoppaneel(const trekenopties& o);

// The button a typed character presses (digits of the key table, the chess keys, "A", "R",
// "U"); the numeric keypad's 8 arrives as 'H'.
std::optional<Uitslagknop> KnopVoorToets(const trekenopties& o, char toets);

// Presses a button on a match: results are set as entered (marking the standings out of
// date), "Regl.uitslag" toggles the regulation mark. False for a button the mode hides.
bool DrukKnop(Competitie& c, twedstrijdobj& w, Uitslagknop knop);

// The buttons by name for the command line: the result each one stores written in the
// notation in force without blanks ("1-0", "½-½", "2-0", "5-3", "1½-½"), "res0".."res8",
// and "regl", "adj", "clear", "toggle-regl".
std::vector<std::pair<std::string, Uitslagknop>> Knopnamen(const trekenopties& o);
// The button with this name ("1/2" may stand for "½"); nullopt when there is none or the
// name is ambiguous in the mode in force.
std::optional<Uitslagknop> KnopVoorNaam(const trekenopties& o, const std::string& naam);

} // namespace velkaro
