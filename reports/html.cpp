#include "reports/html.h"

#include "reports/uitvoercel.h"

namespace velkaro {

std::string HtmlTekst(std::string_view tekst) {
    std::string r;
    r.reserve(tekst.size());
    for (char ch : tekst) {
        switch (ch) {
        case '&':
            r += "&amp;";
            break;
        case '<':
            r += "&lt;";
            break;
        case '>':
            r += "&gt;";
            break;
        default:
            r += ch;
        }
    }
    return r;
}

void TInternetUitvoerObject::Regel(std::string_view s) {
    uit_ += s;
    uit_ += "\r\n";
}

void TInternetUitvoerObject::Kop(std::string_view titel) {
    Regel("<HTML>");
    uit_ += "<TITLE>";
    uit_ += HtmlTekst(titel);
    Regel("</TITLE>");
    Regel("<HEAD>");
    // The file is Windows-1252: without saying so, a reader that guesses UTF-8 shows every
    // accented name as "?".
    Regel("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">");
    Regel("<H1> </H1> <BR>");
    Regel("</HEAD>");
    Regel("<BODY>");
    Regel("<PRE>");
    inPre_ = true;
}

void TInternetUitvoerObject::Regeleinde() {
    if (inPre_) Regel("<BR>");
}

void TInternetUitvoerObject::EindePre() {
    if (!inPre_) return;
    Regel("</PRE> ");
    inPre_ = false;
}

void TInternetUitvoerObject::StartPre() {
    if (inPre_) return;
    Regel("<PRE> ");
    inPre_ = true;
}

void TInternetUitvoerObject::StartTabel(int rand, int celruimte) {
    Regel("<TABLE border=" + std::to_string(rand) + " cellpadding=" + std::to_string(celruimte) +
          ">");
}

void TInternetUitvoerObject::EindeTabel() {
    Regel("</TABLE> ");
}
void TInternetUitvoerObject::StartRij() {
    Regel("<TR>");
}
void TInternetUitvoerObject::EindeRij() {
    Regel("</TR>");
}

void TInternetUitvoerObject::Cel(std::string_view tekst, uint16_t a) {
    uit_ += "<TD";
    if (a & AttrLinks) uit_ += " align=left nowrap> ";
    if (a & AttrMidden) uit_ += " align=center nowrap> ";
    if (a & AttrRechts) uit_ += " align=right nowrap> ";
    if (a & AttrVet) uit_ += " <B> ";
    if (a & AttrCursief) uit_ += " <I> ";
    if (a & AttrKleiner1) uit_ += " <FONT size=-1> ";
    if (a & AttrKleiner2) uit_ += " <FONT size=-2> ";
    if (a & AttrGroter1) uit_ += " <FONT size=+1> ";
    if (a & AttrGroter2) uit_ += " <FONT size=+2> ";
    uit_ += (tekst.empty() || tekst == " ") ? std::string(".") : HtmlTekst(tekst);
    for (uint16_t bit : {AttrGroter2, AttrGroter1, AttrKleiner2, AttrKleiner1})
        if (a & bit) uit_ += " </FONT> ";
    if (a & AttrCursief) uit_ += " </I> ";
    if (a & AttrVet) uit_ += " </B> ";
    Regel("</TD>");
}

void TInternetUitvoerObject::Kopcel(std::string_view tekst, uint16_t a) {
    uit_ += "<TH";
    if (a & AttrRechts)
        uit_ += " align=right>";
    else if (a & AttrMidden)
        uit_ += " align=center>";
    else
        uit_ += " align=left>";
    uit_ += HtmlTekst(tekst);
    Regel("</TH>");
}

void TInternetUitvoerObject::Bijschrift(std::string_view tekst, bool boven) {
    uit_ += "<CAPTION align=";
    uit_ += boven ? "top>" : "bottom>";
    uit_ += HtmlTekst(tekst);
    Regel(" </CAPTION>");
}

void TInternetUitvoerObject::Slot() {
    Regel("</PRE>");
    Regel("</BODY>");
    Regel("</HTML>");
    inPre_ = false;
}

void TInternetUitvoerObject::Tekstregel(std::string_view tekst) {
    Regel(HtmlTekst(tekst));
    Regeleinde();
}

} // namespace velkaro
