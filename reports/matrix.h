// The cross-table cells of the ranking list: one column per ranked player, holding each
// player's result against the player at that position.
#pragma once

#include "model/competitie.h"
#include "reports/partijtabellen.h"
#include "reports/uitvoercel.h"

#include <cstddef>

namespace velkaro {

// The width of a cross-table column: "Rondes in matrix" (1 to 4), one more under KNDB-Delfts.
int MatrixBreedte(const Competitie& c);
// The header cell of the column at this position (from 1): with width 1 the last digit, with
// width 2 the last two.
Uitvoercel MatrixKopcel(std::size_t positie, int breedte);
// The cell of the player at position rij (from 1) in the column at position kolom, of the
// ranking list or of a part of it (one category).
Uitvoercel MatrixCel(const Competitie& c, const Partijtabellen& t, std::size_t rij,
                     std::size_t kolom, int breedte);
Uitvoercel MatrixCel(const Competitie& c, const tranglijst& lijst, const Partijtabellen& t,
                     std::size_t rij, std::size_t kolom, int breedte);

} // namespace velkaro
