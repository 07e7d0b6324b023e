// The WDS file: one record of 255 players and 2000 games, read as a competition and written
// for the open group.
#include "storage/import.h"

#include "model/tekst.h"
#include "storage/bestandsnamen.h"
#include "storage/codepagina.h"
#include "storage/importdelen.h"

#include <cstring>
#include <utility>

namespace velkaro {

using namespace importdelen;

namespace {

constexpr std::size_t kWDSPlaatsen = 5355;
constexpr std::size_t kWDSPartijBegin = 10710;
constexpr std::size_t kWDSTekst = 21;

std::string LeegWDSRecord() {
    std::string r(kWDSGrootte, '\0');
    for (std::size_t i = 0; i < 2u * kWDSSpelers; ++i) {
        r[i * kWDSTekst] = 20;
        std::memset(r.data() + i * kWDSTekst + 1, ' ', 20);
    }
    return r;
}

} // namespace

uint8_t WDSCode(const Wedstrijdgegevens& w) {
    if (w.UitslagWit == UitslagAfgebroken) return 5;
    if (!w.Gespeeld) return 0;
    const auto paar = std::make_pair(w.UitslagWit, w.UitslagZwart);
    if (paar == std::make_pair<uint8_t, uint8_t>(2, 0)) return 1;
    if (paar == std::make_pair<uint8_t, uint8_t>(0, 2)) return 2;
    if (paar == std::make_pair<uint8_t, uint8_t>(1, 1) ||
        paar == std::make_pair<uint8_t, uint8_t>(3, 4) ||
        paar == std::make_pair<uint8_t, uint8_t>(4, 3))
        return 3;
    if (paar == std::make_pair<uint8_t, uint8_t>(0, 0)) return 4;
    return 0;
}

bool ZetWDSUitslag(twedstrijdobj& w, uint8_t code) {
    switch (code) {
    case 0:
        return true;
    case 1:
        w.ZetUitslag(2, 0, false, true);
        return true;
    case 2:
        w.ZetUitslag(0, 2, false, true);
        return true;
    case 3:
        w.ZetUitslag(1, 1, false, true);
        return true;
    case 4:
        w.ZetUitslag(0, 0, false, true);
        return true;
    case 5:
        // Adjourned, as the result entry marks it; the export writes it as 5 again.
        w.ZetUitslag(0, 0, true, false);
        return true;
    default:
        return false;
    }
}

void LeesWDSInhoud(Competitie& c, std::string_view inhoud, Importresultaat& r) {
    // A short file leaves the rest of the record empty; bytes past the record are not read.
    std::string rec = LeegWDSRecord();
    std::memcpy(rec.data(), inhoud.data(), std::min(inhoud.size(), kWDSGrootte));
    auto partij = [&](int k) { return kWDSPartijBegin + 3 * static_cast<std::size_t>(k); };
    std::array<bool, kWDSSpelers + 1> gebruikt{};
    for (int k = 0; k < kWDSPartijen; ++k) {
        const uint8_t w = Byte(rec, partij(k)), z = Byte(rec, partij(k) + 1);
        if (w != 0 && z != 0 && Byte(rec, partij(k) + 2) != 0) gebruikt[w] = gebruikt[z] = true;
    }
    std::array<int32_t, kWDSSpelers + 1> intern{};
    int32_t volgende = 0;
    for (int i = 1; i <= kWDSSpelers; ++i) {
        if (!gebruikt[static_cast<std::size_t>(i)]) continue;
        const std::size_t p = static_cast<std::size_t>(i - 1) * kWDSTekst;
        auto s = ImportSpeler(KorteTekst(rec, p, 20), ++volgende);
        s.Lotingnummer = i;
        s.Kort = "   ";
        s.Plaats = KorteTekst(rec, kWDSPlaatsen + p, 20);
        s.Categorieen = s.Plaats;
        c.Spelers.Voegtoe(s);
        intern[static_cast<std::size_t>(i)] = volgende;
    }
    for (int k = 0; k < kWDSPartijen; ++k) {
        const uint8_t w = Byte(rec, partij(k)), z = Byte(rec, partij(k) + 1);
        const uint8_t code = Byte(rec, partij(k) + 2);
        if (w == 0 || z == 0) continue; // outside 1 to 255: an empty slot
        // An unplayed game of players who play no other game: they were not made.
        if (intern[w] == 0 || intern[z] == 0) {
            r.Meld(Importmeldingsoort::OngeldigeWedstrijd, k + 1,
                   std::to_string(w) + "-" + std::to_string(z));
            continue;
        }
        auto& m = MaakWedstrijd(c, 1, k + 1, intern[w], intern[z], std::nullopt);
        if (!ZetWDSUitslag(m, code))
            r.Meld(Importmeldingsoort::OnbekendeUitslag, k + 1, std::to_string(code));
    }
}

WDSWeigering WDSRecord(const Competitie& c, std::string& record) {
    record = LeegWDSRecord();
    for (const auto& s : c.Spelers) {
        const int32_t i = s->InternNummer();
        if (i < 1 || i > kWDSSpelers) return WDSWeigering::SpelerNummer;
        const std::size_t p = static_cast<std::size_t>(i - 1) * kWDSTekst;
        ZetKorteTekst(record, p, 20, s->G().Naam);
        ZetKorteTekst(record, kWDSPlaatsen + p, 20, s->G().Plaats);
    }
    int slot = 0;
    for (const auto& m : c.Wedstrijden) {
        const auto& g = m->G();
        // Opponents outside the competition (known by rating only) have no index.
        if (g.Wit < 1 || g.Wit > kWDSSpelers || g.Zwart < 1 || g.Zwart > kWDSSpelers) continue;
        if (!m->IsGespeeldOfAfgebroken()) continue;
        if (slot == kWDSPartijen) return WDSWeigering::TeVeelPartijen;
        const std::size_t p = kWDSPartijBegin + 3 * static_cast<std::size_t>(slot++);
        record[p] = static_cast<char>(g.Wit);
        record[p + 1] = static_cast<char>(g.Zwart);
        record[p + 2] = static_cast<char>(WDSCode(g));
    }
    return WDSWeigering::Geen;
}

std::string WDSNaam(const Competitie& c) {
    const std::string& t = c.Opties.Toernooinaam;
    // "/" is a folder separator here as "\" is elsewhere; a blank name names no file.
    if (!Trim(t).empty() && t.find_first_of("\\.:/") == std::string::npos)
        return Map(c.Bestandsnaam) + t + ".wds";
    return Basisnaam(c.Bestandsnaam) + std::to_string(c.HuidigeDeelcomp) + ".wds";
}

Exportresultaat ExporteerWDS(const Competitie& c) {
    Exportresultaat r;
    r.Pad = WDSNaam(c);
    std::string record;
    r.Weigering = WDSRecord(c, record);
    if (r.Weigering != WDSWeigering::Geen) return r;
    if (IsEigenBestand(c, r.Pad)) {
        r.Weigering = WDSWeigering::EigenBestand;
        return r;
    }
    // An export is never written through a link or into a pipe planted under its name.
    r.Bestand = SchrijfNieuw(r.Pad, record);
    return r;
}

} // namespace velkaro
