// The rankings of the Keizer, average, rating and Laren systems by the keys their totals give
// as they stand; the passes that compute those totals join these branches later.
#include "standings/systemen.h"
#include "standings/sleutels.h"

namespace velkaro::stand {

namespace {

void Sorteer(Berekening& b) {
    b.Meld(lang::T::StapSorteren);
    SorteerAlle(b.c, b.Minimum);
}

} // namespace

void Keizer(Berekening& b) {
    Sorteer(b);
}
void Moyenne(Berekening& b) {
    Sorteer(b);
}
void Rating(Berekening& b) {
    Sorteer(b);
}
void Laren(Berekening& b) {
    Sorteer(b);
}

} // namespace velkaro::stand
