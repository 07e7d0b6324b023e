// One value of a report table as the reports hand it to the output channel, and the attribute
// word with which the HTML and RTF writers receive a cell's alignment and emphasis.
#pragma once

#include <cstdint>
#include <string>

namespace velkaro {

enum class Celsoort : uint8_t { Geheel = 0, Tekst = 1, Reeel = 2 };

struct Uitvoercel {
    int32_t Geheel = 0;
    double Reeel = 0.0;
    std::string Tekst;
    Celsoort Soort = Celsoort::Geheel;
    int Breedte = 0;   // field width in characters
    int Decimalen = 0; // for a real
    bool Vet = false;
    bool Cursief = false;
    bool Kopcel = false; // a cell of the header row
    bool Onderstreept = false;
    bool Streepje = false; // ends with "-" instead of a blank in text layout
    bool Rechts = false;   // right-aligns a text

    void Wis() { *this = Uitvoercel{}; }

    static Uitvoercel MetGeheel(int32_t waarde, int breedte);
    static Uitvoercel MetTekst(std::string tekst, int breedte, bool rechts = false);
    static Uitvoercel MetReeel(double waarde, int breedte, int decimalen);
};

// Bits of the attribute word of an HTML or RTF cell.
enum Celattribuut : uint16_t {
    AttrLinks = 1 << 0,
    AttrMidden = 1 << 1,
    AttrRechts = 1 << 2,
    AttrVet = 1 << 5,
    AttrCursief = 1 << 6,
    AttrKleiner1 = 1 << 8,
    AttrKleiner2 = 1 << 9,
    AttrGroter1 = 1 << 12,
    AttrGroter2 = 1 << 13,
    AttrOnderstreept = 1 << 14,
    AttrMiddenTab = 1 << 15, // RTF: a centred tab
};

// The cell laid out by width as the screen, the printer and a text file show it: the value,
// then "-" (Streepje, never in a heading cell) or one blank.
std::string CelAlsTekst(const Uitvoercel& cel);
// The bare value as a separated file or a mark-up cell holds it.
std::string KaleWaarde(const Uitvoercel& cel);
// A real with the given decimals, as "%.*f" writes it.
std::string ReeelTekst(double waarde, int decimalen);

} // namespace velkaro
