#include "storage/importdelen.h"

#include "model/tekst.h"
#include "storage/codepagina.h"

#include <algorithm>
#include <cstring>

namespace velkaro::importdelen {

Spelergegevens ImportSpeler(std::string naam, int32_t intern) {
    Spelergegevens g;
    g.Naam = std::move(naam);
    g.InternNummer = intern;
    g.Lotingnummer = intern;
    g.Opnemen = OpnemenStand | OpnemenRooster;
    return g;
}

std::string Schoon(std::string_view cp1252) {
    std::string t(cp1252);
    for (char& ch : t)
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f) ch = ' ';
    return Windows1252NaarUtf8(t);
}

std::string Kolom(std::string_view regel, std::size_t van, std::size_t tot) {
    if (regel.size() < van) return {};
    return Trim(Schoon(regel.substr(van - 1, tot - van + 1)));
}

int32_t Spelerzoeker::Zoek(const std::string& naam, const std::string& plaats) {
    if (auto it = gevonden_.find(naam); it != gevonden_.end()) return it->second;
    int32_t nummer = 0;
    if (auto g = c_.Spelers.zoeknaam(naam)) {
        nummer = g->InternNummer;
    } else if (c_.Spelers.Aantal() < kMaxImportSpelers) {
        auto s = ImportSpeler(naam, c_.Spelers.VrijIntern());
        s.Plaats = plaats;
        nummer = c_.Spelers.Voegtoe(s).InternNummer();
        gevonden_.clear();
    }
    gevonden_.emplace(naam, nummer);
    return nummer;
}

int32_t Rondeteller::Ronde(const std::string& datum, bool& nieuw) {
    nieuw = !vorige_ || *vorige_ != datum;
    if (nieuw) {
        vorige_ = datum;
        ++ronde_;
        nummer_ = 0;
    }
    return ronde_ <= kMaxRonde ? ronde_ : 0;
}

twedstrijdobj& MaakWedstrijd(Competitie& c, int32_t ronde, int32_t nummer, int32_t wit,
                             int32_t zwart, const Uitslag& uitslag) {
    Wedstrijdgegevens g;
    g.Ronde = ronde;
    g.Wedstrijdnummer = nummer;
    g.Wit = wit;
    g.Zwart = zwart;
    auto& w = c.Wedstrijden.Voegtoe(g);
    if (uitslag) w.ZetUitslag(uitslag->first, uitslag->second, false, true);
    return w;
}

Uitslag LeesUitslag(
    std::string_view tekst,
    std::initializer_list<std::pair<std::string_view, std::pair<uint8_t, uint8_t>>> vormen) {
    for (const auto& [vorm, codes] : vormen)
        if (tekst == vorm) return codes;
    return std::nullopt;
}

bool TekstWedstrijd(Competitie& c, Importresultaat& r, Spelerzoeker& zoeker, Rondeteller& teller,
                    int64_t regelnummer, std::string_view regel, const std::string& wit,
                    const std::string& plaatsWit, const std::string& zwart,
                    const std::string& plaatsZwart, const std::string& uitslagtekst,
                    const std::string& datum, const Uitslag& uitslag) {
    const std::string tekst = Schoon(regel);
    if (wit.empty() || zwart.empty()) {
        r.Meld(Importmeldingsoort::LegeNaam, regelnummer, tekst);
        return true;
    }
    if (c.Wedstrijden.Aantal() >= kMaxImportWedstrijden) {
        r.Meld(Importmeldingsoort::TeVeelWedstrijden, regelnummer, tekst);
        return false;
    }
    const int32_t w = zoeker.Zoek(wit, plaatsWit);
    const int32_t z = zoeker.Zoek(zwart, plaatsZwart);
    // A group this full is no result list; reading on would only search the names in vain.
    if (w == 0 || z == 0) {
        r.Meld(Importmeldingsoort::TeVeelSpelers, regelnummer, tekst);
        return false;
    }
    bool nieuw = false;
    const int32_t ronde = teller.Ronde(datum, nieuw);
    if (ronde == 0) {
        r.Meld(Importmeldingsoort::TeVeelRondes, regelnummer, tekst);
        return true;
    }
    MaakWedstrijd(c, ronde, teller.VolgendNummer(), w, z, uitslag);
    if (nieuw) c.Rondes.ZetRondeDatum(ronde, datum);
    if (!uitslag) r.Meld(Importmeldingsoort::OnbekendeUitslag, regelnummer, uitslagtekst);
    return true;
}

uint8_t Byte(std::string_view s, std::size_t pos) {
    return static_cast<uint8_t>(s[pos]);
}

int32_t Int32(std::string_view s, std::size_t pos) {
    uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(Byte(s, pos + i)) << (8 * i);
    return static_cast<int32_t>(v);
}

std::string KorteTekst(std::string_view s, std::size_t pos, std::size_t n) {
    const std::size_t lengte = std::min<std::size_t>(Byte(s, pos), n);
    std::string t = Schoon(s.substr(pos + 1, lengte));
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t;
}

void ZetKorteTekst(std::string& s, std::size_t pos, std::size_t n, const std::string& utf8) {
    const std::string t = Utf8NaarWindows1252(utf8).substr(0, n);
    s[pos] = static_cast<char>(t.size());
    std::memcpy(s.data() + pos + 1, t.data(), t.size());
}

} // namespace velkaro::importdelen
