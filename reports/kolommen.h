// A report table as a list of columns over the ranking list: each column has a heading and
// gives the cell of every ranked player; widths follow the heading and the values unless fixed.
#pragma once

#include "model/ranglijst.h"
#include "model/spelers.h"
#include "reports/uitvoer.h"
#include "reports/uitvoercel.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace velkaro {

struct Kolom {
    std::string Kop;
    // The value of the player at this position of the ranking list (from 1).
    std::function<Uitvoercel(std::size_t positie, const TSpelerObj& speler)> Waarde;
    bool Rechts = false; // numbers and right-aligned texts
    int Breedte = 0;     // set by BepaalBreedtes unless VasteBreedte
    bool VasteBreedte = false;
    int MinBreedte = 0;
    Uitvoercel Kopcel; // when set (Kopcel.Kopcel), written instead of the heading text
};

// Each column as wide as its heading and its widest value.
void BepaalBreedtes(std::vector<Kolom>& kolommen, const tranglijst& lijst);
// The characters a row of these columns takes in text layout.
int Tabelbreedte(const std::vector<Kolom>& kolommen);

// The header cells and a player's cells; the row is ended unless more cells follow.
void SchrijfKopcellen(TUitvoerObject& u, const std::vector<Kolom>& kolommen, bool eindeRij = true);
void SchrijfCellen(TUitvoerObject& u, const std::vector<Kolom>& kolommen, std::size_t positie,
                   const TSpelerObj& speler, bool eindeRij = true);
// Empty cells of the columns' widths, for continuation lines.
void SchrijfLegeCellen(TUitvoerObject& u, const std::vector<Kolom>& kolommen);

// A table of rows built beforehand: each column as wide as its widest value, at least one
// wider than its heading;
// the rule lines of text layout before and after when asked for.
struct Vrijekop {
    std::string Tekst;
    bool Rechts = false;
};
void SchrijfVrijeTabel(TUitvoerObject& u, const std::string& titel,
                       const std::vector<Vrijekop>& koppen,
                       std::vector<std::vector<Uitvoercel>> rijen, bool regels = false);

// Column helpers.
Kolom GeheelKolom(std::string kop, std::function<int32_t(const Spelergegevens&)> waarde);
Kolom TekstKolom(std::string kop, std::function<std::string(const Spelergegevens&)> waarde,
                 bool rechts = false);
Kolom ReeelKolom(std::string kop, int decimalen,
                 std::function<double(const Spelergegevens&)> waarde);

} // namespace velkaro
