#include "reports/pagina.h"

#include "lang/teksten.h"
#include "model/tekst.h"

#include <algorithm>
#include <cstdio>

namespace velkaro {

namespace {

std::string Tweecijferig(int n) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", n);
    return b;
}

// The characters [van, van + n) of UTF-8 text.
std::string Deel(std::string_view s, std::size_t van, std::size_t n) {
    std::size_t i = 0, teken = 0;
    auto naar = [&](std::size_t doel) {
        while (i < s.size() && teken < doel) {
            ++i;
            while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
            ++teken;
        }
        return i;
    };
    const std::size_t begin = naar(van);
    const std::size_t eind = naar(van + n);
    return std::string(s.substr(begin, eind - begin));
}

// While fitting is on, a line up to twice the page's width is drawn narrower; a wider one
// would be too small to read.
constexpr std::size_t kPassenTot = 2;

class Opmaker {
public:
    Opmaker(const std::string& titel, const Bladmaat& maat, const Datum& nu, int eersteBlad)
        : titel_(titel), maat_(maat), nu_(nu), volgende_(eersteBlad) {
        maat_.RegelsPerBlad = std::max(maat_.RegelsPerBlad, kKopregels + 1);
        maat_.TekensPerRegel = std::max(maat_.TekensPerRegel, 1);
    }

    void Regel(const Afdrukregel& r) {
        const std::size_t lengte = AantalTekens(r.Tekst);
        const std::size_t breedte = static_cast<std::size_t>(maat_.TekensPerRegel);
        // A line too wide to be read when drawn narrower joins the block of such lines that
        // is printed in bands of columns; any other line ends the block.
        if (passen_ && lengte > kPassenTot * breedte) {
            strook_.push_back({r.Tekst, r.Attributen, vet_, false});
            vet_ = false;
            return;
        }
        PlaatsStroken();
        if (lengte <= breedte || passen_) {
            Plaats({r.Tekst, r.Attributen, vet_, lengte > breedte});
        } else {
            for (std::size_t van = 0; van < lengte; van += breedte)
                Plaats(
                    {Deel(r.Tekst, van, breedte), Deel(r.Attributen, van, breedte), vet_, false});
        }
        vet_ = false;
    }

    void Stuur(const std::string& s) {
        if (s != "$$BOLD") PlaatsStroken();
        if (s == "$$A")
            passen_ = true;
        else if (s == "$$NA")
            passen_ = false;
        else if (s == "$$BOLD")
            vet_ = true;
        else if (s == "$$FF" && !bladen_.empty()) {
            const int gebruikt = static_cast<int>(bladen_.back().Regels.size());
            if (gebruikt > kKopregels && gebruikt * 6 < maat_.RegelsPerBlad * 5) nieuw_ = true;
        }
    }

    std::vector<Blad> Klaar() {
        PlaatsStroken();
        if (bladen_.empty()) NieuwBlad();
        return std::move(bladen_);
    }

private:
    // The block of very wide lines, one band of a page's width after the other: the first
    // band holds every line's first columns, each further band starts a new page with the
    // columns after them, line for line, so nothing of a wide table is lost.
    void PlaatsStroken() {
        if (strook_.empty()) return;
        const std::size_t breedte = static_cast<std::size_t>(maat_.TekensPerRegel);
        std::size_t langste = 0;
        for (const auto& r : strook_) langste = std::max(langste, AantalTekens(r.Tekst));
        for (std::size_t van = 0; van < langste; van += breedte) {
            if (van > 0) nieuw_ = true;
            for (const auto& r : strook_)
                Plaats(
                    {Deel(r.Tekst, van, breedte), Deel(r.Attributen, van, breedte), r.Vet, false});
        }
        strook_.clear();
    }

    void NieuwBlad() {
        Blad b;
        b.Nummer = volgende_++;
        const std::string kop = Bladkop(titel_, nu_, b.Nummer);
        const std::size_t lengte = AantalTekens(kop);
        const bool breed = lengte > static_cast<std::size_t>(maat_.TekensPerRegel);
        b.Regels.push_back({kop, {}, true, breed});
        b.Regels.push_back({std::string(lengte, '-'), {}, false, breed});
        b.Regels.push_back({});
        bladen_.push_back(std::move(b));
        nieuw_ = false;
    }

    void Plaats(Bladregel r) {
        if (bladen_.empty() || nieuw_ ||
            static_cast<int>(bladen_.back().Regels.size()) >= maat_.RegelsPerBlad)
            NieuwBlad();
        bladen_.back().Regels.push_back(std::move(r));
    }

    std::string titel_;
    Bladmaat maat_;
    Datum nu_;
    int volgende_;
    bool passen_ = true;
    bool vet_ = false;
    bool nieuw_ = false;
    std::vector<Bladregel> strook_;
    std::vector<Blad> bladen_;
};

} // namespace

std::string Bladkop(const std::string& titel, const Datum& nu, int blad) {
    char nummer[16];
    std::snprintf(nummer, sizeof nummer, "%4d", blad);
    const std::string rechts = Tweecijferig(nu.Dag) + "-" + Tweecijferig(nu.Maand) + "-" +
                               std::to_string(nu.Jaar) + " " + Tweecijferig(nu.Uur) + ":" +
                               Tweecijferig(nu.Minuut) + lang::Tekst(lang::T::PrBlad) + nummer;
    const std::size_t r = AantalTekens(rechts);
    std::string links = titel;
    if (AantalTekens(titel) + r < 90) links = VulRechts(titel, 91 - r);
    return links + " " + rechts;
}

std::vector<Blad> Pagineer(const Afdrukdocument& document, const Bladmaat& maat, const Datum& nu,
                           int eersteBlad) {
    Opmaker o(document.Koppen[0], maat, nu, eersteBlad);
    for (const Afdrukregel& r : document.Regels) {
        if (r.Tekst.size() >= 2 && r.Tekst[0] == '$' && r.Tekst[1] == '$')
            o.Stuur(r.Tekst);
        else
            o.Regel(r);
    }
    return o.Klaar();
}

} // namespace velkaro
