// The HTML writer of the output channel: the fixed mark-up of a report page, written piece by
// piece into the text of the file being built (CR LF line ends).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velkaro {

class TInternetUitvoerObject {
public:
    explicit TInternetUitvoerObject(std::string& uit) : uit_(uit) {}

    // The page head with the title; leaves the writer inside a preformatted block.
    void Kop(std::string_view titel);
    // The line break after a line of text, only inside a preformatted block.
    void Regeleinde();
    void EindePre();
    void StartPre();
    void StartTabel(int rand, int celruimte);
    void EindeTabel();
    void StartRij();
    void EindeRij();
    // A data cell; an empty text or a single blank is written as ".".
    void Cel(std::string_view tekst, uint16_t attribuut);
    // A header cell with the alignment bits of the attribute word.
    void Kopcel(std::string_view tekst, uint16_t uitlijning);
    void Bijschrift(std::string_view tekst, bool boven);
    void Slot();
    // A text line inside the page (escaped), followed by its line end.
    void Tekstregel(std::string_view tekst);

    bool InPre() const { return inPre_; }

private:
    void Regel(std::string_view s);
    std::string& uit_;
    bool inPre_ = false;
};

// Text with "&", "<" and ">" written as entities, so names and file names cannot break the page.
std::string HtmlTekst(std::string_view tekst);

} // namespace velkaro
