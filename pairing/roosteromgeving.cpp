#include "pairing/roosteromgeving.h"

#include "lang/teksten.h"

namespace velkaro {

using lang::T;
using lang::Tekst;

void MeldOnevenAantal(Gesprek& gesprek, bool zwitsers) {
    const std::string tekst = zwitsers
                                  ? Tekst(T::KanNietParen)
                                  : Tekst(T::OnevenAantalSpelers) + "\r" + Tekst(T::KanNietParen);
    gesprek.Melding(tekst, Tekst(T::Fout), Pictogram::Fout);
}

void MeldKanNietParen(Gesprek& gesprek) {
    gesprek.Melding(Tekst(T::KanNietParen), Tekst(T::Fout), Pictogram::Fout);
}

} // namespace velkaro
