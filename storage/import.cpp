#include "storage/import.h"

#include "model/tekst.h"
#include "storage/bestandsnamen.h"
#include "storage/codepagina.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

namespace velkaro {

namespace fs = std::filesystem;

void Importresultaat::Meld(Importmeldingsoort soort, int64_t plaats, std::string tekst) {
    if (Meldingen.size() < kMaxImportmeldingen)
        Meldingen.push_back({soort, plaats, std::move(tekst)});
    else
        ++WeggelatenMeldingen;
}

namespace {

constexpr std::size_t kMaxRegel = 255;

// ---- pieces shared by the readers ----

// A player as an import makes him: the given name, his internal number also as drawing
// number, no ratings, counting in the standings and taking part in pairing.
Spelergegevens ImportSpeler(std::string naam, int32_t intern) {
    Spelergegevens g;
    g.Naam = std::move(naam);
    g.InternNummer = intern;
    g.Lotingnummer = intern;
    g.Opnemen = OpnemenStand | OpnemenRooster;
    return g;
}

// A text of a foreign file as UTF-8; control characters (a line break inside a name would
// break the competition file's lines) become blanks.
std::string Schoon(std::string_view cp1252) {
    std::string t(cp1252);
    for (char& ch : t)
        if (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f) ch = ' ';
    return Windows1252NaarUtf8(t);
}

// Characters van to tot (1-based, inclusive) of a Windows-1252 line, without surrounding
// blanks, as UTF-8.
std::string Kolom(std::string_view regel, std::size_t van, std::size_t tot) {
    if (regel.size() < van) return {};
    return Trim(Schoon(regel.substr(van - 1, tot - van + 1)));
}

// The lines of a text file without their line ends, each cut to 255 characters.
template <typename F> void VoorElkeRegel(std::string_view inhoud, F&& doe) {
    int64_t nummer = 0;
    std::size_t pos = 0;
    while (pos < inhoud.size()) {
        std::size_t eind = inhoud.find('\n', pos);
        if (eind == std::string_view::npos) eind = inhoud.size();
        std::string_view regel = inhoud.substr(pos, eind - pos);
        if (!regel.empty() && regel.back() == '\r') regel.remove_suffix(1);
        pos = eind + 1;
        if (!doe(regel.substr(0, kMaxRegel), ++nummer)) return;
    }
}

// Finds the players of a text import by name, or makes them. Between two new players the
// collection does not change, so what a name found is kept until the next one is made: a list
// that names the same players on every line is read in linear time.
class Spelerzoeker {
public:
    explicit Spelerzoeker(Competitie& c) : c_(c) {}
    // The internal number of the player the name finds; a new player (with this place) when
    // none does. 0 when the group is full.
    int32_t Zoek(const std::string& naam, const std::string& plaats) {
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

private:
    Competitie& c_;
    std::unordered_map<std::string, int32_t> gevonden_;
};

// Numbers the rounds and matches of a text import: a new date starts the next round, the
// matches of a round are numbered 1, 2, ... in the order of the file.
class Rondeteller {
public:
    // The round of a match on this date; 0 past round 1000.
    int32_t Ronde(const std::string& datum, bool& nieuw) {
        nieuw = !vorige_ || *vorige_ != datum;
        if (nieuw) {
            vorige_ = datum;
            ++ronde_;
            nummer_ = 0;
        }
        return ronde_ <= kMaxRonde ? ronde_ : 0;
    }
    int32_t VolgendNummer() { return ++nummer_; }

private:
    std::optional<std::string> vorige_;
    int32_t ronde_ = 0;
    int32_t nummer_ = 0;
};

using Uitslag = std::optional<std::pair<uint8_t, uint8_t>>;

// Adds a match with a result (nullopt: without one); the result is set as the result entry
// sets it, so a 0-0 is a regulation result.
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

// The result texts of a text format and the codes they give.
Uitslag LeesUitslag(
    std::string_view tekst,
    std::initializer_list<std::pair<std::string_view, std::pair<uint8_t, uint8_t>>> vormen) {
    for (const auto& [vorm, codes] : vormen)
        if (tekst == vorm) return codes;
    return std::nullopt;
}

// One match line of a text format: the players found or made, the round from its date.
// False when the import is full and the rest of the file is to be skipped.
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

// ---- binary fields ----

uint8_t Byte(std::string_view s, std::size_t pos) {
    return static_cast<uint8_t>(s[pos]);
}

int32_t Int32(std::string_view s, std::size_t pos) {
    uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(Byte(s, pos + i)) << (8 * i);
    return static_cast<int32_t>(v);
}

// A text of at most n characters: a length byte and n characters.
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

// ---- WDS ----

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

// ---- TXT result list ----

void LeesTXTInhoud(Competitie& c, std::string_view inhoud, Importresultaat& r) {
    Spelerzoeker zoeker(c);
    Rondeteller teller;
    std::string teamWit, teamZwart, datum;
    bool kopVolgt = false, datumVolgt = false;
    VoorElkeRegel(inhoud, [&](std::string_view regel, int64_t nummer) {
        if (datumVolgt) {
            datum = Kolom(regel, 2, 11);
            datumVolgt = false;
            return true;
        }
        if (regel.size() <= 40) {
            kopVolgt = true;
            return true;
        }
        if (kopVolgt) {
            teamWit = Kolom(regel, 6, 25);
            teamZwart = Kolom(regel, 30, 49);
            kopVolgt = false;
            datumVolgt = true;
            return true;
        }
        const std::string uitslag = Kolom(regel, 58, 61);
        return TekstWedstrijd(c, r, zoeker, teller, nummer, regel, Kolom(regel, 6, 25), teamWit,
                              Kolom(regel, 30, 49), teamZwart, uitslag, datum,
                              LeesUitslag(uitslag, {{"2- 0", {2, 0}},
                                                    {"3- 0", {2, 0}},
                                                    {"1- 1", {1, 1}},
                                                    {"0- 2", {0, 2}},
                                                    {"0- 3", {0, 2}}}));
    });
}

// ---- DOC game list ----

void LeesDOCInhoud(Competitie& c, std::string_view inhoud, Importresultaat& r) {
    Spelerzoeker zoeker(c);
    Rondeteller teller;
    VoorElkeRegel(inhoud, [&](std::string_view regel, int64_t nummer) {
        if (regel.size() <= 60 || regel[1] == ' ') return true;
        const std::string uitslag = Kolom(regel, 54, 56);
        return TekstWedstrijd(
            c, r, zoeker, teller, nummer, regel, Kap(Kolom(regel, 1, 25), kNaamLengte), {},
            Kap(Kolom(regel, 28, 52), kNaamLengte), {}, uitslag, Kolom(regel, 60, 69),
            LeesUitslag(uitslag, {{"2-0", {2, 0}}, {"1-1", {1, 1}}, {"0-2", {0, 2}}}));
    });
}

// ---- DEE and SCO ----

void LeesDEEInhoud(Competitie& c, std::string_view dee, const std::string_view* sco,
                   Importresultaat& r) {
    int64_t n = 0, rondes = 0, spelers = 0;
    VoorElkeRegel(dee, [&](std::string_view regel, int64_t nummer) {
        if (nummer == 1) {
            n = LeesGetalBegin(regel);
        } else if (nummer == 2) {
            rondes = LeesGetalBegin(regel);
            if (rondes > 128) rondes -= 128;
        } else {
            if (spelers >= n) return false;
            if (spelers == static_cast<int64_t>(kMaxImportSpelers)) {
                r.Meld(Importmeldingsoort::TeVeelSpelers, nummer, Schoon(regel));
                return false;
            }
            ++spelers;
            c.Spelers.Voegtoe(
                ImportSpeler(Kolom(regel, 1, regel.size()), static_cast<int32_t>(spelers)));
        }
        return true;
    });
    if (!sco) {
        r.Meld(Importmeldingsoort::ScoreOntbreekt, 0, {});
        return;
    }
    if (rondes <= 0) return;
    // Blocks of 10 bytes, player by player, round by round; the loops end with the file.
    for (int64_t i = 1; i <= spelers; ++i) {
        for (int64_t ronde = 1; ronde <= rondes; ++ronde) {
            const uint64_t pos = static_cast<uint64_t>(((i - 1) * rondes + ronde - 1)) * 10;
            if (pos + 3 > sco->size()) return;
            if (Byte(*sco, pos) != 1) continue;
            const uint8_t tegen = Byte(*sco, pos + 1), uitslag = Byte(*sco, pos + 2);
            const std::string waar = std::to_string(i) + "/" + std::to_string(ronde);
            if (ronde > kMaxRonde) {
                r.Meld(Importmeldingsoort::TeVeelRondes, static_cast<int64_t>(pos), waar);
                break;
            }
            if (tegen < 1 || tegen > spelers) {
                r.Meld(Importmeldingsoort::OngeldigeWedstrijd, static_cast<int64_t>(pos), waar);
                continue;
            }
            if (c.Wedstrijden.Aantal() >= kMaxImportWedstrijden) {
                r.Meld(Importmeldingsoort::TeVeelWedstrijden, static_cast<int64_t>(pos), waar);
                return;
            }
            static const Uitslag kUitslagen[] = {std::nullopt, std::pair<uint8_t, uint8_t>{2, 0},
                                                 std::pair<uint8_t, uint8_t>{1, 1},
                                                 std::pair<uint8_t, uint8_t>{0, 2}};
            MaakWedstrijd(c, static_cast<int32_t>(ronde), static_cast<int32_t>(i),
                          static_cast<int32_t>(i), tegen,
                          uitslag <= 3 ? kUitslagen[uitslag] : std::nullopt);
            if (uitslag > 3)
                r.Meld(Importmeldingsoort::OnbekendeUitslag, static_cast<int64_t>(pos),
                       std::to_string(uitslag));
        }
    }
}

// ---- z6e ----
//
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
        s.FMJDRating = 2100; // the earlier program knew no FMJD rating
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

// ---- the imports of files ----

namespace {

std::string Hoofd(const std::string& naam) {
    return Hoofdletters(Extensie(naam));
}

// The file name without folder and extension: the imported group's tournament name.
std::string Naamdeel(const std::string& naam) {
    return Basisnaam(naam).substr(Map(naam).size());
}

// Any entry of the name counts, a link to nothing included.
bool Bestaat(const std::string& pad) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(pad, ec));
}

Bestandsresultaat Fout(Bestandsfout f, const std::string& pad) {
    return Bestandsresultaat{f, pad, {}, {}};
}

// Makes the open group an empty group that has never been saved: a new group takes no data
// from a file that happens to carry its number.
void LeegGroep(Competitie& c, int32_t bestandsnummer) {
    c.Reset();
    c.MinimumWedstrijden = 0;
    c.Toernooi = Toernooigegevens{};
    c.Staand = true;
    c.HuidigeDeelcomp = bestandsnummer;
    c.HuidigCompetitienummer = c.Groepen.VraagNummer(bestandsnummer);
}

// The preparation every import but z6e shares, the reader, and the save.
Importresultaat Voorbereid(Competitie& c, const std::string& naam,
                           const std::function<void(Competitie&, Importresultaat&)>& lees) {
    Importresultaat r;
    bool nieuw = false;
    if (!c.Geladen()) {
        const std::string doel = ImportDoel(naam);
        if (Bestaat(doel)) {
            r.Bestand = Fout(Bestandsfout::BestaatAl, doel);
            return r;
        }
        BeginImport(c, doel);
        nieuw = true;
    }
    // Checked before the group is written, which clears Gewijzigd.
    const bool onberoerd = !c.Gewijzigd && c.Spelers.Leeg() && c.HuidigeDeelcomp == 1;
    // The files of a new competition are created, not written through what their names hold.
    if (r.Bestand = nieuw ? MaakNieuweBestanden(c, true) : SchrijfDeelcomp(c); !r.Ok()) return r;
    if (onberoerd) {
        LeesDeelcomp(c, c.HuidigeDeelcomp);
    } else {
        Deelcompgegevens g;
        g.Competitienummer = c.Groepen.VindVrijCompetitieNummer();
        g.Bestandsnummer = c.Groepen.VindVrijInternNummer();
        c.Groepen.Voegtoe(g);
        LeegGroep(c, g.Bestandsnummer);
        // The new group's file exists before a main file names it; the main file itself is
        // written once, with the imported group, so the import is one change.
        if (r.Bestand = MaakNieuweBestanden(c, false); !r.Ok()) return r;
    }
    c.Opties.Toernooinaam = Naamdeel(naam);
    c.Groepen.GeefTitel(c.HuidigeDeelcomp, c.Opties.Toernooinaam);
    lees(c, r);
    c.MarkeerHerberekenen();
    // The main file too, so the group list carries the new title.
    r.Bestand = SchrijfBestand(c);
    return r;
}

Importresultaat Weiger(Bestandsfout f, const std::string& pad) {
    Importresultaat r;
    r.Bestand = Fout(f, pad);
    return r;
}

// The score file beside a ".DEE" file, in the case of its extension or in either case.
std::optional<std::string> LeesSCO(const std::string& naam) {
    const std::string basis = Basisnaam(naam);
    std::string ext = Extensie(naam);
    const std::string van = "DEEdee", naar = "SCOsco";
    for (char& ch : ext)
        if (auto i = van.find(ch); i != std::string::npos) ch = naar[i];
    for (const std::string& e : {ext, std::string(".SCO"), std::string(".sco")}) {
        Bestandsfout f = Bestandsfout::Geen;
        if (auto s = LeesAlles(basis + e, f)) return s;
    }
    return std::nullopt;
}

using Inhoudlezer = void (*)(Competitie&, std::string_view, Importresultaat&);

Importresultaat ImporteerTekst(Competitie& c, const std::string& naam, Inhoudlezer lezer) {
    Bestandsfout f = Bestandsfout::Geen;
    const auto inhoud = LeesAlles(naam, f);
    if (!inhoud) return Weiger(f, naam);
    return Voorbereid(c, naam, [&](Competitie& cc, Importresultaat& r) { lezer(cc, *inhoud, r); });
}

} // namespace

bool IsImportbestand(const std::string& naam) {
    const std::string e = Hoofd(naam);
    return e == ".WDS" || e == ".DEE" || e == ".DOC" || e == ".TXT";
}

bool IsZ6EBestand(const std::string& naam) {
    return Hoofd(naam) == ".Z6E";
}

std::string ImportDoel(const std::string& naam) {
    return MetXv7(naam);
}

void BeginImport(Competitie& c, const std::string& doel) {
    c.VolledigeReset();
    c.Toernooi = Toernooigegevens{};
    c.Bestandsnaam = MetXv7(doel);
    Deelcompgegevens g;
    g.Competitienummer = 1;
    g.Bestandsnummer = 1;
    c.Groepen.Voegtoe(g);
    LeegGroep(c, 1);
}

Importresultaat ImporteerWDS(Competitie& c, const std::string& naam) {
    return ImporteerTekst(c, naam, LeesWDSInhoud);
}

Importresultaat ImporteerDOC(Competitie& c, const std::string& naam) {
    return ImporteerTekst(c, naam, LeesDOCInhoud);
}

Importresultaat ImporteerTXT(Competitie& c, const std::string& naam) {
    return ImporteerTekst(c, naam, LeesTXTInhoud);
}

Importresultaat ImporteerDEE(Competitie& c, const std::string& naam) {
    Bestandsfout f = Bestandsfout::Geen;
    const auto dee = LeesAlles(naam, f);
    if (!dee) return Weiger(f, naam);
    const auto sco = LeesSCO(naam);
    return Voorbereid(c, naam, [&](Competitie& cc, Importresultaat& r) {
        const std::string_view s = sco ? std::string_view(*sco) : std::string_view();
        LeesDEEInhoud(cc, *dee, sco ? &s : nullptr, r);
    });
}

Importresultaat Importeer(Competitie& c, const std::string& naam) {
    const std::string e = Hoofd(naam);
    if (e == ".WDS") return ImporteerWDS(c, naam);
    if (e == ".DEE") return ImporteerDEE(c, naam);
    if (e == ".DOC") return ImporteerDOC(c, naam);
    if (e == ".TXT") return ImporteerTXT(c, naam);
    return Weiger(Bestandsfout::AnderFormaat, naam);
}

Importresultaat ImporteerZ6E(Competitie& c, const std::string& naam, const std::string& doel) {
    Bestandsfout f = Bestandsfout::Geen;
    const auto inhoud = LeesAlles(naam, f);
    if (!inhoud) return Weiger(f, naam);
    Importresultaat r;
    const auto groepen = LeesZ6EGroepen(*inhoud, r);
    c.VolledigeReset();
    c.Toernooi = Toernooigegevens{};
    c.Bestandsnaam = MetXv7(doel);
    for (const auto& g : groepen) {
        Deelcompgegevens d;
        d.Competitienummer = c.Groepen.VindVrijCompetitieNummer();
        d.Titel = g.Titel;
        d.Bestandsnummer = c.Groepen.VindVrijInternNummer();
        d.Overgenomen = g.Overgenomen;
        d.OudeGroep = g.OudeGroep;
        c.Groepen.Voegtoe(d);
        LeegGroep(c, d.Bestandsnummer);
        c.Opties.Toernooinaam = g.Titel;
        VulZ6EGroep(c, *inhoud, g, r);
        c.MarkeerHerberekenen();
        if (r.Bestand = MaakNieuweBestanden(c, false); !r.Ok()) return r;
    }
    if (groepen.empty()) {
        // A file without groups still gives a competition to work in.
        BeginImport(c, doel);
    } else {
        LeesDeelcomp(c, c.Groepen.At(0).G().Bestandsnummer);
    }
    if (r.Bestand = MaakNieuweBestanden(c, true); !r.Ok()) return r;
    r.Bestand = SchrijfBestand(c);
    return r;
}

} // namespace velkaro
