#include "reports/rtf.h"

#include "reports/uitvoercel.h"

#include <algorithm>

namespace velkaro {

namespace {
constexpr std::size_t kMaxTabs = 100;
constexpr int kMaxLettergrootte = 24;
constexpr int kStandaardKantlijn = 1800;
} // namespace

std::string RtfTekst(std::string_view tekst) {
    std::string r;
    r.reserve(tekst.size());
    for (char ch : tekst) {
        if (ch == '\\' || ch == '{' || ch == '}') r += '\\';
        r += ch;
    }
    return r;
}

void Rtfschrijver::Kop(std::string_view font, int papierbreedte, int papierhoogte, bool liggend) {
    uit_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1043{\\fonttbl {\\f0\\fnil\\fcharset0 ";
    uit_ += font.empty() ? std::string_view("Times New Roman") : font;
    uit_ += ";}}";
    papierbreedte_ = 0;
    if (papierbreedte > 0 && papierhoogte > 0) {
        uit_ +=
            "\\paperw" + std::to_string(papierbreedte) + "\\paperh" + std::to_string(papierhoogte);
        papierbreedte_ = papierbreedte;
    }
    if (liggend) uit_ += "\\landscape";
    uit_ += "\r\n";
}

void Rtfschrijver::Alinea() {
    uit_ += "\\par\\keep\r\n";
}

void Rtfschrijver::VetteTitel(std::string_view tekst) {
    uit_ += "\\pard\\f0\\qc\\fs28\\b ";
    uit_ += RtfTekst(tekst);
    uit_ += "\\b0\\par\r\n";
}

void Rtfschrijver::Titel(std::string_view tekst) {
    uit_ += "\\pard\\f0\\qc\\fs28 ";
    uit_ += RtfTekst(tekst);
    uit_ += "\\par\r\n";
}

void Rtfschrijver::Tekst(std::string_view tekst) {
    uit_ += RtfTekst(tekst);
}

void Rtfschrijver::StartRij(bool vet) {
    cellen_.clear();
    rijOpen_ = true;
    rijVet_ = vet;
}

void Rtfschrijver::Cel(std::string_view tekst, int breedte, uint16_t a) {
    if (rijOpen_) {
        if (cellen_.size() < kMaxTabs) cellen_.push_back({std::string(tekst), breedte, a});
        return;
    }
    uit_ += "\\tab ";
    if (a & AttrVet) uit_ += "\\b ";
    if (a & AttrCursief) uit_ += "\\i ";
    if (a & AttrOnderstreept) uit_ += "\\ul ";
    uit_ += RtfTekst(tekst);
    if (a & AttrVet) uit_ += "\\b0";
    if (a & AttrCursief) uit_ += "\\i0";
    if (a & AttrOnderstreept) uit_ += "\\ul0";
}

int Rtfschrijver::Tekenmaat() const {
    const int c = Tekenbreedte * 100 / 125;
    return c < 1 ? 11 : c;
}

int Rtfschrijver::Lettergrootte() const {
    int w = 0;
    for (const auto& c : cellen_) w += c.Breedte + 1;
    // Without a paper width or a known printable width there is nothing to fit.
    if (w <= 0 || (papierbreedte_ <= 0 && AfdrukbareBreedte <= 0)) return kMaxLettergrootte;
    int grootte;
    if (papierbreedte_ > 0) {
        grootte = 3 * papierbreedte_ / w;
    } else {
        const int marge = NaarBestand ? 200 : 50;
        grootte = ((((AfdrukbareBreedte - marge) / w) * 200 / 254) * 12) / Tekenmaat();
        if (!NaarBestand) ++grootte;
    }
    return std::clamp(grootte, 1, kMaxLettergrootte);
}

void Rtfschrijver::Tabdefinitie(int grootte, int eenheid) {
    uit_ += "\\pard\\f0\\fs" + std::to_string(grootte);
    int positie = 15;
    for (const auto& c : cellen_) {
        int tab = positie;
        if (UitgelijndeKolommen) {
            if (c.Attribuut & AttrRechts) {
                uit_ += "\\tqr";
                tab = positie + c.Breedte * eenheid;
            } else if (c.Attribuut & (AttrMidden | AttrMiddenTab)) {
                uit_ += "\\tqc";
            }
        }
        uit_ += "\\tx" + std::to_string(tab);
        positie += (c.Breedte + 1) * eenheid;
    }
}

void Rtfschrijver::EindeRij() {
    if (rijOpen_) {
        int grootte = Lettergrootte();
        int eenheid = Tekenbreedte * Tekenmaat();
        // A row whose tab stops pass the right margin wraps in a word processor, which tears
        // the table apart: its columns and its letters are narrowed together to fit. A header
        // without margins leaves the page less the usual 1800 twips on either side.
        int w = 0;
        for (const auto& c : cellen_) w += c.Breedte + 1;
        const int bruikbaar = papierbreedte_ - 2 * kStandaardKantlijn - 15;
        if (papierbreedte_ > 0 && w > 0 && w * eenheid > bruikbaar) {
            const int smal = std::max(1, bruikbaar / w);
            grootte = std::max(2, grootte * smal / eenheid);
            eenheid = smal;
        }
        Tabdefinitie(grootte, eenheid);
        uit_ += "\r\n";
        if (rijVet_) {
            uit_ += "\\b ";
            Tabdefinitie(grootte - 1, eenheid);
        }
        for (const auto& c : cellen_) uit_ += "\\tab " + RtfTekst(c.Tekst);
        if (rijVet_) {
            uit_ += "\\b0";
            Tabdefinitie(grootte, eenheid);
        }
        rijOpen_ = false;
    }
    uit_ += "\\par\r\n";
}

void Rtfschrijver::Slot() {
    uit_ += "}\r\n";
}

} // namespace velkaro
