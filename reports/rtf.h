// The RTF writer of the output channel: the document header, centred titles, paragraph ends and
// table rows laid out on tab stops, written into the text of the file being built (CR LF).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro {

// The page sizes of A4 in twips.
constexpr int kA4Kort = 11907;
constexpr int kA4Lang = 16840;

class Rtfschrijver {
public:
    explicit Rtfschrijver(std::string& uit) : uit_(uit) {}

    // Right and centred tab stops for aligned cells; off puts every tab at its cell's start.
    bool UitgelijndeKolommen = true;
    // The measure of one character of the report font. With 13 a character column takes
    // 13 x 10 = 130 twips, about a digit of a 12-point proportional font plus its spacing.
    int Tekenbreedte = 13;
    // Without a paper width the font size follows the printable width (device units).
    int AfdrukbareBreedte = 0;
    bool NaarBestand = true;

    // The header line; with a paper width and height the page size, and the landscape mark.
    void Kop(std::string_view font, int papierbreedte, int papierhoogte, bool liggend);
    // The paragraph end after every line of text.
    void Alinea();
    void VetteTitel(std::string_view tekst);
    void Titel(std::string_view tekst);
    void StartRij(bool vet);
    // Inside a row the cell is recorded for the row's tab stops; outside it is written at once.
    void Cel(std::string_view tekst, int breedte, uint16_t attribuut);
    void EindeRij();
    void Slot();
    // A text line (escaped), without its paragraph end.
    void Tekst(std::string_view tekst);

    bool RijOpen() const { return rijOpen_; }
    // The font size (half-points) of the row being recorded.
    int Lettergrootte() const;
    // The character measure c of the size and tab rules (11 when the measure gives less than 1).
    int Tekenmaat() const;

private:
    struct Celinfo {
        std::string Tekst;
        int Breedte;
        uint16_t Attribuut;
    };
    void Tabdefinitie(int grootte, int eenheid);
    std::string& uit_;
    int papierbreedte_ = 0;
    bool rijOpen_ = false;
    bool rijVet_ = false;
    std::vector<Celinfo> cellen_;
};

// Text with "\", "{" and "}" escaped, so names and file paths cannot start control words.
std::string RtfTekst(std::string_view tekst);

} // namespace velkaro
