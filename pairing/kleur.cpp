#include "pairing/kleur.h"

namespace velkaro {

bool EersteSpeeltWit(const Kleurgegevens& i, const Kleurgegevens& j, int32_t ronde) {
    if (i.Kleurwaarde > j.Kleurwaarde) return false;
    if (i.Kleurwaarde == j.Kleurwaarde) {
        if (i.LaatsteKleur == 0 && j.LaatsteKleur == 1) return false;
        if (i.LaatsteKleur == j.LaatsteKleur && ronde > 1) {
            const int64_t som = int64_t{i.InternNummer} + j.InternNummer;
            const bool kleinsteWit = som % 2 != 0;
            const bool iKleiner = i.InternNummer < j.InternNummer;
            return kleinsteWit == iKleiner;
        }
    }
    return true;
}

} // namespace velkaro
