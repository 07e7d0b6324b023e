#include "lang/teksten.h"

#include <array>

namespace velkaro::lang {

namespace {

// Every row names all three languages, so a missing translation does not compile.
const std::array<std::string, kAantalTeksten> kNederlands = {
#define TEKST(id, nl, en, fr) nl,
#include "lang/teksten.def"
#undef TEKST
};
const std::array<std::string, kAantalTeksten> kEngels = {
#define TEKST(id, nl, en, fr) en,
#include "lang/teksten.def"
#undef TEKST
};
const std::array<std::string, kAantalTeksten> kFrans = {
#define TEKST(id, nl, en, fr) fr,
#include "lang/teksten.def"
#undef TEKST
};

// The language in force: a program setting like the settings file that records it.
Taal huidige = Taal::Nederlands;

const std::array<std::string, kAantalTeksten>& Tabel(Taal taal) {
    switch (taal) {
    case Taal::Engels:
        return kEngels;
    case Taal::Frans:
        return kFrans;
    default:
        return kNederlands;
    }
}

} // namespace

const std::string& Tekst(Taal taal, T id) {
    return Tabel(taal)[static_cast<std::size_t>(id)];
}
const std::string& Tekst(T id) {
    return Tekst(huidige, id);
}

Taal TaalVanNaam(std::string_view naam) {
    if (naam == "Engels") return Taal::Engels;
    if (naam == "Frans") return Taal::Frans;
    return Taal::Nederlands;
}

std::string_view NaamVanTaal(Taal taal) {
    switch (taal) {
    case Taal::Engels:
        return "Engels";
    case Taal::Frans:
        return "Frans";
    default:
        return "Nederlands";
    }
}

std::optional<Taal> TaalVanCode(std::string_view code) {
    if (code == "nl") return Taal::Nederlands;
    if (code == "en") return Taal::Engels;
    if (code == "fr") return Taal::Frans;
    return std::nullopt;
}

void KiesTaal(Taal taal) {
    huidige = taal;
}
Taal HuidigeTaal() {
    return huidige;
}

} // namespace velkaro::lang
