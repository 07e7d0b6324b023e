// The z6e file: every group of a competition in one binary file.
#include "storage/import.h"

#include "storage/importdelen.h"

#include <algorithm>
#include <map>
#include <utility>

namespace velkaro {

using namespace importdelen;

// A ".z6e" file is a header of 2766 bytes followed by records.
//
// The header begins with the table of the 99 groups, 25 bytes each:
//   0       length of the group's name (at most 20)
//   1..20   the name, Windows-1252
//   21      the group is in use (not 0)
//   22      the group was removed (not 0): it is not imported
//   23      the group's flag; when not 0, the group's second text is this byte and
//   24      this one as decimal numbers joined by "-"
// The remaining 291 bytes of the header are not read.
//
// Every record after the header starts with its kind and the group it belongs to (the
// group's place 1 to 99 in the table); integers are 32 bits, least significant byte first;
// texts are a length byte and a fixed number of characters:
//   kind 1, player (58 bytes): drawing number, internal number, name (20), short code (3),
//           place (20), rating
//   kind 2, round (25 bytes): round number, date (20)
//   kind 3, match (19 bytes): round, match number, white's and black's internal number,
//           white's code, black's code (one byte each), result entered (one byte, not 0)
//   kind 4, cross table: a byte n (at most 140), then n rows of n bytes: the result code of
//           the row player against the column player (internal numbers 1 to n); 99 is no game
// Records of groups that are not imported are skipped; a record of another kind or one cut
// off ends the file.

namespace {

constexpr std::size_t kZ6EKop = 2766;
constexpr int kZ6EGroepen = 99;
constexpr std::size_t kZ6EItem = 25;
constexpr std::size_t kZ6ESpeler = 58, kZ6ERonde = 25, kZ6EWedstrijd = 19;
constexpr std::size_t kZ6EMaxKruis = 140;
constexpr uint8_t kGeenPartij = 99;

} // namespace

std::vector<Z6EGroep> LeesZ6EGroepen(std::string_view inhoud, Importresultaat& r) {
    std::vector<Z6EGroep> groepen;
    std::array<int, kZ6EGroepen + 1> index;
    index.fill(-1);
    for (int i = 0; i < kZ6EGroepen; ++i) {
        const std::size_t p = static_cast<std::size_t>(i) * kZ6EItem;
        if (p + kZ6EItem > inhoud.size()) break;
        if (Byte(inhoud, p + 21) == 0 || Byte(inhoud, p + 22) != 0) continue;
        Z6EGroep g;
        g.Plaats = i + 1;
        g.Titel = KorteTekst(inhoud, p, 20);
        g.Overgenomen = Byte(inhoud, p + 23) != 0;
        if (g.Overgenomen)
            g.OudeGroep =
                std::to_string(Byte(inhoud, p + 23)) + "-" + std::to_string(Byte(inhoud, p + 24));
        index[static_cast<std::size_t>(i + 1)] = static_cast<int>(groepen.size());
        groepen.push_back(std::move(g));
    }
    if (inhoud.size() < kZ6EKop) {
        if (!inhoud.empty()) r.Meld(Importmeldingsoort::Afgekapt, 0, {});
        return groepen;
    }
    std::size_t wedstrijden = 0;
    std::size_t pos = kZ6EKop;
    while (pos < inhoud.size()) {
        const auto afgekapt = [&] {
            r.Meld(Importmeldingsoort::Afgekapt, static_cast<int64_t>(pos), {});
        };
        if (pos + 2 > inhoud.size()) {
            afgekapt();
            break;
        }
        const uint8_t soort = Byte(inhoud, pos), plaats = Byte(inhoud, pos + 1);
        const std::size_t begin = pos + 2;
        std::size_t lengte = 0;
        if (soort == 1)
            lengte = kZ6ESpeler;
        else if (soort == 2)
            lengte = kZ6ERonde;
        else if (soort == 3)
            lengte = kZ6EWedstrijd;
        else if (soort == 4 && begin < inhoud.size() && Byte(inhoud, begin) <= kZ6EMaxKruis)
            lengte = 1 + std::size_t{Byte(inhoud, begin)} * Byte(inhoud, begin);
        if (lengte == 0 || begin + lengte > inhoud.size()) {
            afgekapt();
            break;
        }
        pos = begin + lengte;
        const int i = plaats <= kZ6EGroepen ? index[plaats] : -1;
        if (i < 0) continue;
        Z6EGroep& g = groepen[static_cast<std::size_t>(i)];
        if (soort == 1) {
            if (g.Spelers.size() < kMaxImportSpelers)
                g.Spelers.push_back(begin);
            else
                r.Meld(Importmeldingsoort::TeVeelSpelers, static_cast<int64_t>(begin),
                       KorteTekst(inhoud, begin + 8, 20));
        } else if (soort == 2) {
            if (g.Rondes.size() < static_cast<std::size_t>(kMaxRonde))
                g.Rondes.push_back(begin);
            else
                r.Meld(Importmeldingsoort::TeVeelRondes, static_cast<int64_t>(begin), {});
        } else if (soort == 3) {
            if (wedstrijden < kMaxImportWedstrijden) {
                g.Wedstrijden.push_back(begin);
                ++wedstrijden;
            } else {
                r.Meld(Importmeldingsoort::TeVeelWedstrijden, static_cast<int64_t>(begin), {});
            }
        } else {
            g.Kruistabel = begin;
        }
    }
    return groepen;
}

void VulZ6EGroep(Competitie& c, std::string_view inhoud, const Z6EGroep& g, Importresultaat& r) {
    for (const std::size_t p : g.Spelers) {
        Spelergegevens s = ImportSpeler(KorteTekst(inhoud, p + 8, 20), Int32(inhoud, p + 4));
        s.Lotingnummer = Int32(inhoud, p);
        s.Kort = KorteTekst(inhoud, p + 29, 3);
        s.Plaats = KorteTekst(inhoud, p + 33, 20);
        s.LokaleRating = Int32(inhoud, p + 54);
        s.Rating = s.LokaleRating;
        s.FMJDRating = 2100; // the file holds no FMJD rating
        c.Spelers.Voegtoe(s);
    }
    for (const std::size_t p : g.Rondes) {
        const int32_t nummer = Int32(inhoud, p);
        if (nummer < 1 || nummer > kMaxRonde) {
            r.Meld(Importmeldingsoort::TeVeelRondes, static_cast<int64_t>(p),
                   std::to_string(nummer));
            continue;
        }
        const std::string datum = KorteTekst(inhoud, p + 4, 20);
        if (c.Rondes.RondeBestaat(nummer))
            c.Rondes.ZetRondeDatum(nummer, datum);
        else
            c.Rondes.Voegtoe(Rondegegevens{nummer, datum, 0, 0, 0});
    }
    for (const std::size_t p : g.Wedstrijden) {
        Wedstrijdgegevens w;
        w.Ronde = Int32(inhoud, p);
        if (w.Ronde < 1 || w.Ronde > kMaxRonde) {
            r.Meld(Importmeldingsoort::TeVeelRondes, static_cast<int64_t>(p),
                   std::to_string(w.Ronde));
            continue;
        }
        w.Wedstrijdnummer = Int32(inhoud, p + 4);
        w.Wit = Int32(inhoud, p + 8);
        w.Zwart = Int32(inhoud, p + 12);
        w.UitslagWit = Byte(inhoud, p + 16);
        w.UitslagZwart = Byte(inhoud, p + 17);
        w.Gespeeld = Byte(inhoud, p + 18) != 0;
        w.Reglementair = w.Gespeeld && w.UitslagWit == 0 && w.UitslagZwart == 0;
        c.Wedstrijden.Voegtoe(w);
    }
    if (g.Kruistabel == 0) return;
    const std::size_t n = Byte(inhoud, g.Kruistabel);
    const std::size_t tabel = g.Kruistabel + 1;
    // The first match of every pair, in either colour, found once.
    std::map<std::pair<int32_t, int32_t>, twedstrijdobj*> paren;
    for (auto& m : c.Wedstrijden) paren.emplace(std::minmax(m->G().Wit, m->G().Zwart), m.get());
    const int32_t ronde = c.Wedstrijden.laatste_ronde() + 1;
    int32_t nummer = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = i + 1; j <= n; ++j) {
            const std::size_t p = tabel + (i - 1) * n + (j - 1);
            const uint8_t code = Byte(inhoud, p);
            if (code == kGeenPartij) continue;
            const auto a = static_cast<int32_t>(i), b = static_cast<int32_t>(j);
            const std::string waar = std::to_string(i) + "-" + std::to_string(j);
            // The table holds the row player's points of a game: 0, 1 or 2.
            if (code > 2) {
                r.Meld(Importmeldingsoort::OnbekendeUitslag, static_cast<int64_t>(p),
                       waar + ": " + std::to_string(code));
                continue;
            }
            const auto tegen = static_cast<uint8_t>(2 - code);
            if (auto it = paren.find({a, b}); it != paren.end()) {
                twedstrijdobj& m = *it->second;
                if (m.G().Wit == a)
                    m.ZetUitslag(code, tegen, false, true);
                else
                    m.ZetUitslag(tegen, code, false, true);
                continue;
            }
            if (!c.Spelers.zoekptr(a) || !c.Spelers.zoekptr(b) || ronde > kMaxRonde ||
                c.Wedstrijden.Aantal() >= kMaxImportWedstrijden) {
                r.Meld(Importmeldingsoort::OngeldigeWedstrijd, static_cast<int64_t>(p), waar);
                continue;
            }
            MaakWedstrijd(c, ronde, ++nummer, a, b, std::make_pair(code, tegen));
        }
    }
}

} // namespace velkaro
