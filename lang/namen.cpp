#include "lang/namen.h"

#include "lang/teksten.h"

namespace velkaro::lang {

std::string SysteemNaam(int rekensysteem) {
    switch (rekensysteem) {
    case 0:
        return Tekst(T::Rondtoernooi);
    case 1:
        return Tekst(T::Zwitsers);
    case 2:
        return Tekst(T::Keizer);
    case 3:
        return Tekst(T::Moyenne);
    case 4:
        return Tekst(T::Rating);
    case 5:
        return Tekst(T::ZwitsersRating);
    case 6:
        return Tekst(T::ZwitsersFMJD);
    case 17:
        return Tekst(T::LarensSysteem);
    default:
        return Tekst(T::SysteemOnbekend) + " " + std::to_string(rekensysteem);
    }
}

} // namespace velkaro::lang
