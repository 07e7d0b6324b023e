// The ranking list (report kind 0): its columns for every calculation system, and the leading
// columns (place, previous place, name, titles, residence) that other reports share.
#pragma once

#include "model/competitie.h"
#include "reports/kolommen.h"
#include "reports/partijtabellen.h"
#include "reports/rapportopties.h"
#include "reports/uitvoer.h"

#include <vector>

namespace velkaro {

// Place, previous place, name, titles, residence, country and category, as ticked. Over a
// part of the ranking list (one category) the place is the position in that part, shown on
// the first of the players who share a place.
std::vector<Kolom> LeidendeKolommen(const Competitie& c, const Afdrukopties& a);
std::vector<Kolom> LeidendeKolommen(const Competitie& c, const Afdrukopties& a,
                                    const tranglijst& lijst);
// Every column of the ranking list (or a part of it), in order, with their widths.
std::vector<Kolom> RanglijstKolommen(const Competitie& c, const Afdrukopties& a,
                                     const Partijtabellen& tabellen);
std::vector<Kolom> RanglijstKolommen(const Competitie& c, const Afdrukopties& a,
                                     const Partijtabellen& tabellen, const tranglijst& lijst);
// The title and the table; the ranking list and the totals are those of the last computation.
void SchrijfRanglijst(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                      const std::string& titel);
void SchrijfRanglijst(const Competitie& c, const Rapportopties& o, TUitvoerObject& u,
                      const std::string& titel, const tranglijst& lijst,
                      const Partijtabellen& tabellen);

} // namespace velkaro
