// The Dutch, English and French text tables. Every text the program shows is an entry with
// a fixed identity; the current language is chosen once (KiesTaal) and read everywhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkaro::lang {

enum class Taal { Nederlands, Engels, Frans };

enum class T : uint16_t {
#define TEKST(id, nl, en, fr) id,
#include "lang/teksten.def"
#undef TEKST
    Aantal_
};

// The text of an entry in the current language.
const std::string& Tekst(T id);
// The text of an entry in a given language.
const std::string& Tekst(Taal taal, T id);

// The language named by its Dutch name ("Nederlands", "Engels", "Frans"); anything else is
// Dutch.
Taal TaalVanNaam(std::string_view naam);
std::string_view NaamVanTaal(Taal taal);
// Language codes of the command line: nl, en, fr.
std::optional<Taal> TaalVanCode(std::string_view code);

// Applies a language: every later Tekst() call answers in it.
void KiesTaal(Taal taal);
Taal HuidigeTaal();

constexpr std::size_t kAantalTeksten = static_cast<std::size_t>(T::Aantal_);

} // namespace velkaro::lang
