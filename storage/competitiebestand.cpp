#include "storage/competitiebestand.h"

#include "model/tekst.h"
#include "storage/bestandsnamen.h"
#include "storage/codepagina.h"
#include "storage/import.h"
#include "storage/regels.h"
#include "storage/veiligschrijven.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace velkaro {

namespace fs = std::filesystem;

namespace {

constexpr int32_t kOudsteVersie = 1;
constexpr std::size_t kWerkmapLengte = 100;
constexpr std::chrono::minutes kVerouderd{10};

Bestandsresultaat Fout(Bestandsfout f, const std::string& pad, std::string detail = {}) {
    return Bestandsresultaat{f, pad, std::move(detail), {}};
}

} // namespace

// The file is opened without waiting, so a pipe or device named like a competition file is
// refused instead of hanging the program.
std::optional<std::string> LeesAlles(const std::string& pad, Bestandsfout& fout) {
    const int fd = ::open(pad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        fout = Bestandsfout::NietTeOpenen;
        return std::nullopt;
    }
    struct Sluit {
        int fd;
        ~Sluit() { ::close(fd); }
    } sluit{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        fout = Bestandsfout::NietTeOpenen;
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        fout = S_ISDIR(st.st_mode) ? Bestandsfout::NietTeOpenen : Bestandsfout::GeenGewoonBestand;
        return std::nullopt;
    }
    if (static_cast<std::size_t>(st.st_size) > kMaxBestandsgrootte) {
        fout = Bestandsfout::TeGroot;
        return std::nullopt;
    }
    std::string inhoud(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t gelezen = 0;
    while (gelezen < inhoud.size()) {
        const ssize_t n = ::read(fd, inhoud.data() + gelezen, inhoud.size() - gelezen);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            fout = Bestandsfout::NietTeOpenen;
            return std::nullopt;
        }
        if (n == 0) break; // the file shrank while it was read
        gelezen += static_cast<std::size_t>(n);
    }
    inhoud.resize(gelezen);
    fout = Bestandsfout::Geen;
    return inhoud;
}

namespace {

// ---- player block ----

// Title letters by level (0 none, 1, 2, 3): FMJD MF, MI, GMI and national cMN, MN, GMN.
constexpr std::string_view kFMJDTitelcodes = " fmg";
constexpr std::string_view kLokaleTitelcodes = " cmg";

char TitelCode(std::string_view codes, int32_t titel) {
    return titel >= 1 && titel <= 3 ? codes[static_cast<std::size_t>(titel)] : ' ';
}

int32_t TitelVanCode(std::string_view codes, char c) {
    const std::size_t i = codes.find(c); // a blank is level 0
    return i == std::string_view::npos ? 0 : static_cast<int32_t>(i);
}

// The title and ID line, worked on in Windows-1252 bytes so positions are characters.
std::string TitelRegel(const Spelergegevens& g) {
    std::string r = Utf8NaarWindows1252(g.Categorieen);
    if (r.size() < 6) r.append(6 - r.size(), ' ');
    r[4] = TitelCode(kFMJDTitelcodes, g.FMJDTitel);
    r[5] = TitelCode(kLokaleTitelcodes, g.LokaleTitel);
    r += std::to_string(g.FMJDID);
    return r;
}

void LeesTitelRegel(std::string_view r, Spelergegevens& g) {
    g.Categorieen = Windows1252NaarUtf8(r.substr(0, 5));
    g.FMJDTitel = r.size() >= 5 ? TitelVanCode(kFMJDTitelcodes, r[4]) : 0;
    g.LokaleTitel = r.size() >= 6 ? TitelVanCode(kLokaleTitelcodes, r[5]) : 0;
    // The ID is read from character 7 to the end of the line, so IDs of any length survive.
    g.FMJDID = 0;
    if (r.size() >= 7) {
        const auto id = LeesGetal(r.substr(6));
        if (id && *id >= 0 && *id <= INT32_MAX) g.FMJDID = static_cast<int32_t>(*id);
    }
}

void SchrijfSpeler(Regelschrijver& w, const Spelergegevens& g) {
    w.Getal(g.Lotingnummer);
    const std::string& volledig = g.VolledigeNaam.empty() ? g.Naam : g.VolledigeNaam;
    w.Tekst(g.Naam + "##" + volledig);
    w.Tekst(g.Kort);
    w.Tekst(g.Plaats);
    w.Tekst(g.Land);
    w.Getal(g.FMJDRating);
    w.Ruw(TitelRegel(g));
    w.Getal(g.LokaleRating);
    w.Getal(g.Barrage);
    w.Getal(g.Opnemen);
    w.Getal(g.InternNummer);
    w.Getal(g.Punten);
    w.Getal(g.AantalPartijen);
    w.Getal(g.AantalWinst);
    w.Getal(g.AantalRemise);
    w.Getal(g.AantalVerlies);
    w.Getal(g.Extrawaarde1);
    w.Getal(g.Weerstandspunten);
    w.Getal(g.SBPunten);
    w.Getal(g.Extrawaarde2);
    w.Getal(g.Kleurbalans);
    w.Getal(g.LaatsteKleur);
    w.Getal(g.Keizerwaarde);
    w.Reeel(g.Keizerpunten);
    w.Reeel(g.EigenMoyenne);
    w.Reeel(g.TegenstanderMoyenne);
    w.Reeel(g.TotaalMoyenne);
    w.Getal(g.MinTegenstanderPunten);
    w.Getal(g.MaxTegenstanderPunten);
    w.Getal(g.VorigeNotering);
    w.Getal(g.Notering);
}

// Rating, the copy of one of the two ratings, is set once the settings are read.
Spelergegevens LeesSpeler(Regellezer& r, int32_t versie) {
    Spelergegevens g;
    g.Lotingnummer = r.Getal();
    const std::string naamregel = r.Tekst();
    const std::size_t scheiding = naamregel.find("##");
    if (scheiding == std::string::npos) {
        g.Naam = naamregel;
        g.VolledigeNaam = naamregel;
    } else {
        g.Naam = naamregel.substr(0, scheiding);
        g.VolledigeNaam = naamregel.substr(scheiding + 2);
    }
    g.Kort = r.Tekst();
    g.Plaats = r.Tekst();
    if (versie >= kHuidigeVersie) {
        g.Land = r.Tekst();
        g.FMJDRating = r.Getal();
    } else {
        g.FMJDRating = 2100;
    }
    LeesTitelRegel(r.RuweRegel(), g);
    g.LokaleRating = r.Getal();
    g.Barrage = r.Getal();
    g.Opnemen = static_cast<uint16_t>(r.Getal());
    g.InternNummer = r.Getal();
    g.Punten = r.Getal();
    g.AantalPartijen = r.Getal();
    g.AantalWinst = r.Getal();
    g.AantalRemise = r.Getal();
    g.AantalVerlies = r.Getal();
    g.Extrawaarde1 = r.Getal();
    g.Weerstandspunten = r.Getal();
    g.SBPunten = r.Getal();
    g.Extrawaarde2 = r.Getal();
    g.Kleurbalans = static_cast<int8_t>(r.Getal());
    g.LaatsteKleur = static_cast<uint8_t>(r.Getal());
    g.Keizerwaarde = r.Getal();
    g.Keizerpunten = r.Reeel();
    g.EigenMoyenne = r.Reeel();
    g.TegenstanderMoyenne = r.Reeel();
    g.TotaalMoyenne = r.Reeel();
    g.MinTegenstanderPunten = r.Getal();
    g.MaxTegenstanderPunten = r.Getal();
    g.VorigeNotering = static_cast<uint8_t>(r.Getal());
    g.Notering = static_cast<uint8_t>(r.Getal());
    return g;
}

// ---- settings block ----

void SchrijfOpties(Regelschrijver& w, const trekenopties& o, int32_t larenBasis) {
    w.Getal(o.Rekensysteem);
    w.Getal(o.KeizerWinst);
    w.Getal(o.KeizerRemise);
    w.Getal(o.KeizerVerlies);
    w.Getal(o.KeizerNietGespeeld);
    w.Getal(o.Afloopfactor);
    w.Getal(o.Rekensysteem == SysteemLaren ? larenBasis : o.PuntenNr1);
    w.Getal(o.NietOptimaliseren);
    w.Getal(o.KerenRekenen);
    w.Getal(o.Sorteervolgorde);
    w.Getal(o.PuntenWinst + 10LL * o.PuntenPlusRemise);
    w.Getal(o.PuntenRemise);
    w.Getal(o.PuntenVerlies + 10LL * o.PuntenMinRemise);
    w.Getal(o.WegingEigen);
    w.Getal(o.WegingTegen);
    w.Getal(o.NietWegen);
    w.Getal(o.Aanvangsrating);
    w.Getal(o.Ratingmethode);
    w.Getal(o.Correctiefactor);
    w.Getal(o.KleurDominant);
    w.Getal(o.MaxKleurverschil);
    w.Getal(o.Herberekenen);
    w.Boolean(o.Viertallentoernooi);
    w.Tekst(o.Toernooinaam);
    w.Getal(o.Optievlaggen);
}

void LeesOpties(Regellezer& r, trekenopties& o, int32_t versie, int32_t& larenBasis) {
    o.Rekensysteem = static_cast<uint16_t>(r.Getal());
    o.KeizerWinst = r.Getal();
    o.KeizerRemise = r.Getal();
    o.KeizerVerlies = r.Getal();
    o.KeizerNietGespeeld = r.Getal();
    o.Afloopfactor = r.Getal();
    o.PuntenNr1 = r.Getal();
    if (o.Rekensysteem == SysteemLaren) larenBasis = o.PuntenNr1;
    o.NietOptimaliseren = static_cast<uint16_t>(r.Getal());
    o.KerenRekenen = r.Getal();
    o.Sorteervolgorde = r.Getal();
    const int32_t winst = r.Getal();
    o.PuntenWinst = winst % 10;
    o.PuntenPlusRemise = winst / 10;
    o.PuntenRemise = r.Getal();
    const int32_t verlies = r.Getal();
    o.PuntenVerlies = verlies % 10;
    o.PuntenMinRemise = verlies / 10;
    o.WegingEigen = r.Getal();
    o.WegingTegen = r.Getal();
    o.NietWegen = static_cast<uint16_t>(r.Getal());
    o.Aanvangsrating = r.Getal();
    o.Ratingmethode = static_cast<uint16_t>(r.Getal());
    o.Correctiefactor = r.Getal();
    o.KleurDominant = static_cast<uint16_t>(r.Getal());
    o.MaxKleurverschil = r.Getal();
    o.Herberekenen = static_cast<uint16_t>(r.Getal());
    o.Viertallentoernooi = r.Boolean();
    o.Toernooinaam = r.Tekst();
    o.Optievlaggen = versie >= kHuidigeVersie ? static_cast<uint16_t>(r.Getal()) : 0;
    // A Swiss-family group scored in board points is a team tournament.
    if (o.IsZwitsers() && o.PuntenWinst == 8) o.Viertallentoernooi = true;
}

} // namespace

// ---- group file ----

std::string SchrijfGroepTekst(const Competitie& c) {
    Regelschrijver w;
    w.Inhoud().reserve(64 + c.Spelers.Aantal() * 200 + c.Wedstrijden.Aantal() * 24);
    w.Getal(static_cast<long long>(c.Spelers.Aantal()));
    for (const auto& s : c.Spelers) SchrijfSpeler(w, s->G());
    w.Getal(static_cast<long long>(c.Rondes.Aantal()));
    for (const auto& r : c.Rondes) {
        w.Getal(r->G().Rondenummer);
        w.Tekst(r->G().Datum);
    }
    w.Getal(static_cast<long long>(c.Wedstrijden.Aantal()));
    for (const auto& m : c.Wedstrijden) {
        const auto& g = m->G();
        w.Getal(g.Ronde);
        w.Getal(g.Wedstrijdnummer);
        w.Getal(g.Wit);
        w.Getal(g.Zwart);
        w.Getal(g.UitslagWit);
        w.Getal(g.UitslagZwart);
        w.Getal(g.Gespeeld ? 1 : 0);
        w.Getal(g.Reglementair ? 1 : 0);
    }
    SchrijfOpties(w, c.Opties, c.LarenBasis);
    w.Getal(static_cast<long long>(c.Categorieen.size()));
    for (const auto& k : c.Categorieen) {
        w.Tekst(Kap(k.Letter.empty() ? std::string(" ") : k.Letter, 1));
        w.Tekst(k.Omschrijving);
    }
    w.Getal(c.RanglijstOpties);
    w.Getal(c.LotingModus);
    w.Getal(c.MinimumWedstrijden);
    w.Boolean(c.ToonWedstrijdnummer);
    w.Boolean(c.ToonTafelnummer);
    for (const std::string* t : c.Toernooi.Velden()) w.Tekst(*t);
    w.Ruw(c.Staand ? "P" : "L");
    w.Boolean(c.ToonLotingnummer);
    w.Boolean(c.GebruikRatingbestand);
    w.Boolean(c.VolledigeVoornaam);
    w.Getal(c.RondesInMatrix);
    w.Getal(c.MinWed);
    w.Getal(c.PlaatsAfstand);
    w.Getal(c.Geleden);
    w.Boolean(c.GebruikFMJDBestand);
    return std::move(w.Inhoud());
}

std::optional<Schadesoort> LeesGroepTekst(Competitie& c, std::string_view inhoud, int32_t versie) {
    Regellezer r(inhoud);
    bool ongeldig = false;
    auto aantal = [&] {
        const auto n = r.Aantal();
        if (!n && !r.VoorbijEinde()) ongeldig = true; // past the end the file was cut short
        return n.value_or(0);
    };
    // A collection that holds fewer records than its count says: the file was cut short.
    bool kort = false;
    // Counts are bounded by what the file holds: the loops stop at its end.
    const int32_t spelers = aantal();
    // A negative drawing number is a count that slipped (players read from other lines) or a
    // hand edit: the program never gives one. A repeated one is no damage: quick entry and
    // typed numbers may give two players the same number, and the register allows it.
    bool nummerFout = false;
    // The rating in use follows the settings, which come later in the file: read the players
    // first and choose their rating once the settings are known.
    for (int32_t i = 0; i < spelers; ++i) {
        if (r.Einde()) {
            kort = true;
            break;
        }
        Spelergegevens g = LeesSpeler(r, versie);
        if (g.Lotingnummer < 0) nummerFout = true;
        c.Spelers.Voegtoe(g);
    }
    const int32_t rondes = aantal();
    for (int32_t i = 0; i < rondes; ++i) {
        if (r.Einde()) {
            kort = true;
            break;
        }
        Rondegegevens g;
        g.Rondenummer = r.Getal();
        g.Datum = r.Tekst();
        c.Rondes.Voegtoe(g);
    }
    const int32_t wedstrijden = aantal();
    for (int32_t i = 0; i < wedstrijden; ++i) {
        if (r.Einde()) {
            kort = true;
            break;
        }
        Wedstrijdgegevens g;
        g.Ronde = r.Getal();
        g.Wedstrijdnummer = r.Getal();
        g.Wit = r.Getal();
        g.Zwart = r.Getal();
        g.UitslagWit = static_cast<uint8_t>(r.Getal());
        g.UitslagZwart = static_cast<uint8_t>(r.Getal());
        g.Gespeeld = r.Getal() != 0;
        g.Reglementair = r.Getal() != 0;
        c.Wedstrijden.Voegtoe(g);
    }
    // Every block must be there: a file that stops after the matches or the settings was cut
    // at a block boundary, and reading on gives defaults that a save would make permanent.
    // Only a file of an older version may stop right after its settings: its categories and
    // option values take their defaults.
    if (!r.Einde()) LeesOpties(r, c.Opties, versie, c.LarenBasis);
    const bool oudKort = versie < kHuidigeVersie && r.Einde() && !r.VoorbijEinde();
    c.Spelers.ResetRating(c.Opties.FMJDRatingHanteren());
    const int32_t categorieen = aantal();
    for (int32_t i = 0; i < categorieen; ++i) {
        if (r.Einde()) {
            kort = true;
            break;
        }
        Categoriegegevens k;
        k.Letter = Kap(r.Tekst(), 1);
        if (k.Letter.empty()) k.Letter = " ";
        k.Omschrijving = r.Tekst();
        c.Categorieen.push_back(std::move(k));
    }
    if (!r.Einde()) c.RanglijstOpties = static_cast<uint16_t>(r.Getal());
    c.LotingModus = static_cast<uint16_t>(r.Getal());
    c.MinimumWedstrijden = static_cast<uint16_t>(r.Getal());
    c.ToonWedstrijdnummer = r.Boolean();
    c.ToonTafelnummer = r.Boolean();
    for (std::string* t : c.Toernooi.Velden()) *t = r.Tekst();
    c.Staand = r.RuweRegel() != "L";
    c.ToonLotingnummer = r.Boolean();
    c.GebruikRatingbestand = r.Boolean();
    c.VolledigeVoornaam = r.Boolean();
    c.RondesInMatrix = r.Getal();
    c.MinWed = r.Getal();
    c.PlaatsAfstand = r.Getal();
    c.Geleden = r.Getal();
    c.GebruikFMJDBestand = r.Boolean();
    if (c.LotingModus > 2) c.LotingModus = 0;
    if (ongeldig) return Schadesoort::OngeldigAantal;
    if (kort || (r.VoorbijEinde() && !oudKort)) return Schadesoort::Afgekapt;
    // Lines after the last option value: some count is smaller than the records it heads.
    if (r.GegevensOver()) return Schadesoort::Overtollig;
    if (nummerFout) return Schadesoort::OngeldigNummer;
    return std::nullopt;
}

// ---- main file ----

std::string SchrijfHoofdbestandTekst(const Competitie& c) {
    Regelschrijver w;
    w.Getal(kHuidigeVersie);
    w.Getal(static_cast<long long>(c.Groepen.Aantal()));
    for (const auto& g : c.Groepen) {
        w.Getal(g->G().Competitienummer);
        w.Tekst(g->G().Titel);
        w.Getal(g->G().Bestandsnummer);
        w.Boolean(g->G().Overgenomen);
        w.Tekst(g->G().OudeGroep);
    }
    w.Getal(c.HuidigeDeelcomp);
    w.Tekst(c.Opmaakfont);
    w.Getal(c.MaximumPerRegel);
    w.Boolean(c.GeformatteerdeRanglijst);
    w.Tekst(c.Vastfont);
    return std::move(w.Inhoud());
}

Bestandsfout LeesHoofdbestandTekst(Competitie& c, std::string_view inhoud, int32_t* openGroep,
                                   std::optional<Schadesoort>* schade) {
    // A competition main file is text that starts with its version number.
    if (inhoud.empty() || inhoud.find('\0') != std::string_view::npos)
        return Bestandsfout::GeenCompetitiebestand;
    Regellezer r(inhoud);
    const auto versie = LeesGetal(r.RuweRegel());
    if (!versie || *versie < kOudsteVersie) return Bestandsfout::GeenCompetitiebestand;
    if (*versie > kHuidigeVersie) return Bestandsfout::NieuwereVersie;

    c.Reset();
    c.Bestandsversie = static_cast<int32_t>(*versie);
    const auto aantal = r.Aantal();
    const int32_t groepen = aantal.value_or(0);
    if (schade && !aantal)
        *schade = r.VoorbijEinde() ? Schadesoort::Afgekapt : Schadesoort::OngeldigAantal;
    if (groepen > 0) {
        c.Groepen.Wissen();
        // A group without a file number gets the smallest one not yet in use, as adding it
        // would give it. Numbers are only ever taken while reading, so that smallest free
        // number never goes down: one pointer finds them all and the file reads in linear time.
        std::unordered_set<int32_t> bezet;
        int32_t vrij = 1;
        bool nummerFout = false;
        for (int32_t i = 0; i < groepen && !r.Einde(); ++i) {
            Deelcompgegevens g;
            g.Competitienummer = r.Getal();
            g.Titel = r.Tekst();
            g.Bestandsnummer = r.Getal();
            g.Overgenomen = r.Boolean();
            g.OudeGroep = r.Tekst();
            if (g.Bestandsnummer == 0) {
                while (bezet.count(vrij)) ++vrij;
                g.Bestandsnummer = vrij;
            }
            // Two groups on one group file would overwrite each other's data; a negative
            // number names no file the program writes.
            if (!bezet.insert(g.Bestandsnummer).second || g.Bestandsnummer < 0) nummerFout = true;
            c.Groepen.Voegtoe(g);
        }
        // The group list must be whole: a save would drop the groups that were cut off.
        // The values after it have defaults of their own and may be missing.
        if (schade && !*schade &&
            (c.Groepen.Aantal() < static_cast<std::size_t>(groepen) || r.VoorbijEinde()))
            *schade = Schadesoort::Afgekapt;
        if (schade && !*schade && nummerFout) *schade = Schadesoort::OngeldigNummer;
    }
    const int32_t open = r.Getal();
    if (openGroep) *openGroep = open;
    const bool eind1 = r.Einde();
    c.Opmaakfont = r.Tekst();
    if (eind1 || c.Opmaakfont.empty()) c.Opmaakfont = "Times New Roman";
    const bool eind2 = r.Einde();
    const int32_t perRegel = r.Getal();
    c.MaximumPerRegel = (eind2 || perRegel < 1) ? 30 : perRegel;
    const bool eind3 = r.Einde();
    const std::string_view geformatteerd = r.RuweRegel();
    c.GeformatteerdeRanglijst = eind3 || geformatteerd != "FALSE";
    const bool eind4 = r.Einde();
    c.Vastfont = r.Tekst();
    if (eind4 || c.Vastfont.empty()) c.Vastfont = "Courier New";
    // The values after the group list have defaults, but the program always writes them: a
    // file without them, or with lines after them, has a group count that disagrees with its
    // list (a phantom group read from these lines, or real groups left unread).
    if (schade && !*schade) {
        if (r.VoorbijEinde())
            *schade = Schadesoort::Afgekapt;
        else if (r.GegevensOver())
            *schade = Schadesoort::Overtollig;
    }
    // A list that ends up empty would leave nothing to open: keep one group.
    if (c.Groepen.Aantal() == 0) {
        Deelcompgegevens g;
        g.Competitienummer = 1;
        c.Groepen.Voegtoe(g);
    }
    return Bestandsfout::Geen;
}

// ---- files ----

Bestandsresultaat SchrijfVeilig(const std::string& pad, std::string_view inhoud) {
    Tijdelijkbestand t;
    auto res = Tijdelijkbestand::Maak(pad, inhoud, t);
    return res.Ok() ? t.Vervang() : res;
}

Bestandsresultaat SchrijfNieuw(const std::string& pad, std::string_view inhoud) {
    Tijdelijkbestand t;
    auto res = Tijdelijkbestand::Maak(pad, inhoud, t, false);
    return res.Ok() ? t.Vervang() : res;
}

void VerwijderGeplant(const std::string& pad) {
    struct stat st {};
    if (::lstat(pad.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode))
        ::unlink(pad.c_str());
}

Bestandsresultaat MaakNieuweBestanden(Competitie& c, bool hoofdbestand) {
    if (c.AlleenLezen != Competitie::Alleenlezen::Nee)
        return Fout(Bestandsfout::AlleenGeopend, MetXv7(c.Bestandsnaam));
    // The group file first: a main file never names a group file that is not there.
    c.Groepen.GeefTitel(c.HuidigeDeelcomp, c.Opties.Toernooinaam);
    auto res = SchrijfNieuw(Groepsbestand(c.Bestandsnaam, c.HuidigeDeelcomp), SchrijfGroepTekst(c));
    if (res.Ok() && hoofdbestand) {
        c.Bestandsnaam = MetXv7(c.Bestandsnaam);
        res = SchrijfNieuw(c.Bestandsnaam, SchrijfHoofdbestandTekst(c));
    }
    return res;
}

Bestandsresultaat LeesDeelcomp(Competitie& c, int32_t bestandsnummer) {
    c.Reset();
    Bestandsfout fout = Bestandsfout::Geen;
    const std::string pad = Groepsbestand(c.Bestandsnaam, bestandsnummer);
    const auto inhoud = LeesAlles(pad, fout);
    // The values that start empty or default when the group file cannot be read.
    c.MinimumWedstrijden = 0;
    for (std::string* t : c.Toernooi.Velden()) t->clear();
    c.Staand = true;
    std::optional<Schadesoort> schade;
    if (inhoud) {
        schade = LeesGroepTekst(c, *inhoud, c.Bestandsversie);
    } else {
        struct stat st {};
        if (::lstat(pad.c_str(), &st) != 0 && errno == ENOENT)
            schade = Schadesoort::Ontbreekt;
        else if (fout == Bestandsfout::GeenGewoonBestand)
            schade = Schadesoort::GeenGewoonBestand;
        else if (::stat(pad.c_str(), &st) != 0 && errno == ENOENT)
            schade = Schadesoort::Ontbreekt; // a link to nothing
        else
            schade = Schadesoort::Onleesbaar;
    }
    c.HuidigeDeelcomp = bestandsnummer;
    c.HuidigCompetitienummer = c.Groepen.VraagNummer(bestandsnummer);
    c.Groepen.GeefTitel(bestandsnummer, c.Opties.Toernooinaam);
    c.Gewijzigd = false;
    Bestandsresultaat res;
    if (schade) res.Schade.push_back({pad, *schade, false});
    return res;
}

Bestandsresultaat ControleerGroep(const Competitie& c, int32_t bestandsnummer) {
    Competitie proef;
    proef.Bestandsnaam = c.Bestandsnaam;
    proef.Bestandsversie = c.Bestandsversie;
    return LeesDeelcomp(proef, bestandsnummer);
}

namespace {

// The pairing parameters are brought into range in memory; the file keeps them as they were.
void CorrigeerParameters(Competitie& c) {
    auto corrigeer = [](int32_t& v, int32_t boven) {
        if (v < 0)
            v = 0;
        else if (v > 1000)
            v = boven;
    };
    corrigeer(c.MinWed, 5);
    corrigeer(c.PlaatsAfstand, 10);
    corrigeer(c.Geleden, 10);
}

} // namespace

Bestandsresultaat ControleerCompetitie(const std::string& pad) {
    Bestandsfout fout = Bestandsfout::Geen;
    const auto inhoud = LeesAlles(pad, fout);
    if (!inhoud) return Fout(fout, pad);
    Competitie c;
    std::optional<Schadesoort> hoofdschade;
    if (const Bestandsfout f = LeesHoofdbestandTekst(c, *inhoud, nullptr, &hoofdschade);
        f != Bestandsfout::Geen)
        return Fout(f, pad);
    c.Bestandsnaam = pad;
    Bestandsresultaat res;
    if (hoofdschade) res.Schade.push_back({pad, *hoofdschade, true});
    for (const auto& g : c.Groepen) {
        auto r = ControleerGroep(c, g->G().Bestandsnummer);
        res.Schade.insert(res.Schade.end(), r.Schade.begin(), r.Schade.end());
    }
    return res;
}

Bestandsresultaat SchrijfDeelcomp(Competitie& c) {
    if (c.AlleenLezen != Competitie::Alleenlezen::Nee)
        return Fout(Bestandsfout::AlleenGeopend, MetXv7(c.Bestandsnaam));
    c.Groepen.GeefTitel(c.HuidigeDeelcomp, c.Opties.Toernooinaam);
    auto res =
        SchrijfVeilig(Groepsbestand(c.Bestandsnaam, c.HuidigeDeelcomp), SchrijfGroepTekst(c));
    CorrigeerParameters(c);
    if (res.Ok()) c.Gewijzigd = false;
    return res;
}

namespace {

void WerkRecenteBij(Competitie& c, const std::string& naam) {
    auto& r = c.RecenteBestanden;
    if (r[0] == naam) return;
    std::size_t tot = r.size() - 1; // the entry that drops out or moves up
    for (std::size_t i = 1; i < r.size(); ++i)
        if (r[i] == naam) {
            tot = i;
            break;
        }
    for (std::size_t i = tot; i > 0; --i) r[i] = r[i - 1];
    r[0] = naam;
}

} // namespace

Bestandsresultaat SchrijfBestand(Competitie& c) {
    // Only a loaded competition has a name; without one there is nowhere to save.
    if (c.Bestandsnaam.empty()) {
        c.Gewijzigd = true;
        return Fout(Bestandsfout::SchrijvenMislukt, c.Bestandsnaam);
    }
    if (c.AlleenLezen != Competitie::Alleenlezen::Nee)
        return Fout(Bestandsfout::AlleenGeopend, MetXv7(c.Bestandsnaam));
    c.Bestandsnaam = MetXv7(c.Bestandsnaam);
    const std::string groep = Groepsbestand(c.Bestandsnaam, c.HuidigeDeelcomp);
    // Both files must be replaceable before either is written, so a read-only group file
    // does not leave a new main file beside an old group.
    for (const std::string* pad : {static_cast<const std::string*>(&c.Bestandsnaam), &groep})
        if (auto r = ControleerSchrijfbaar(*pad); !r.Ok()) {
            c.Gewijzigd = true;
            return r;
        }
    // The main file and the open group as one change: a kill or a full disk on the way
    // leaves the old competition or, by the journal, the new one.
    c.Groepen.GeefTitel(c.HuidigeDeelcomp, c.Opties.Toernooinaam);
    Wijziging w(c.Bestandsnaam);
    auto res = w.Schrijf(groep, SchrijfGroepTekst(c));
    if (res.Ok()) res = w.Schrijf(c.Bestandsnaam, SchrijfHoofdbestandTekst(c));
    if (res.Ok()) res = w.Voltooi();
    if (!res.Ok()) {
        c.Gewijzigd = true;
        return res;
    }
    // As after writing the group alone: the pairing parameters brought into range in memory.
    res = {};
    CorrigeerParameters(c);
    c.Gewijzigd = false;
    c.Werkmap = Kap(Map(c.Bestandsnaam), kWerkmapLengte);
    WerkRecenteBij(c, c.Bestandsnaam);
    // Temporary files an interrupted save left behind; a save in progress is never that old.
    std::vector<std::string> paden{c.Bestandsnaam};
    for (const auto& g : c.Groepen)
        paden.push_back(Groepsbestand(c.Bestandsnaam, g->G().Bestandsnummer));
    RuimTijdelijkeOp(paden, kVerouderd);
    return res;
}

namespace {

// Rewrites every group file of an older competition in the current layout, and the main file,
// as one change: a full disk changes nothing, and a kill leaves a journal by which the next
// open finishes it, so no current group file is ever left behind an older main file.
Bestandsresultaat Converteer(Competitie& c, int32_t open) {
    const int32_t oudeVersie = c.Bestandsversie;
    Wijziging w(c.Bestandsnaam); // the files written are removed again on a failure
    for (std::size_t i = 0; i < c.Groepen.Aantal(); ++i) {
        const int32_t n = c.Groepen.At(i).G().Bestandsnummer;
        c.Bestandsversie = oudeVersie;
        // Converting rewrites every group file: a damaged one would lose its tail for good.
        // A missing one is written empty, as it already loads.
        if (auto gelezen = LeesDeelcomp(c, n);
            !gelezen.Schade.empty() && gelezen.Schade[0].Soort != Schadesoort::Ontbreekt)
            return Bestandsresultaat{
                Bestandsfout::Beschadigd, gelezen.Schade[0].Pad, {}, gelezen.Schade};
        if (auto res = w.Schrijf(Groepsbestand(c.Bestandsnaam, n), SchrijfGroepTekst(c)); !res.Ok())
            return res;
    }
    c.Bestandsversie = kHuidigeVersie;
    c.HuidigeDeelcomp = open;
    if (auto res = w.Schrijf(c.Bestandsnaam, SchrijfHoofdbestandTekst(c)); !res.Ok()) return res;
    return w.Voltooi();
}

} // namespace

Bestandsresultaat LeesBestand(Competitie& c, const std::string& naam, Importresultaat* import) {
    if (IsImportbestand(naam)) {
        Importresultaat r = Importeer(c, naam);
        if (import) *import = r;
        return r.Bestand;
    }
    if (Hoofdletters(Extensie(naam)) != ".XV7") return Fout(Bestandsfout::AnderFormaat, naam);
    // Saving makes the extension ".xv7": "club.XV7" names the file a save of it wrote.
    std::string pad = naam;
    struct stat st {};
    if (Extensie(naam) != ".xv7" && ::lstat(naam.c_str(), &st) != 0 &&
        ::lstat(MetXv7(naam).c_str(), &st) == 0)
        pad = MetXv7(naam);
    // A change a killed program left half done is finished first.
    const bool hersteld = HerstelWijziging(pad);
    Bestandsfout fout = Bestandsfout::Geen;
    const auto inhoud = LeesAlles(pad, fout);
    if (!inhoud) return Fout(fout, pad);
    // The reader refuses a file before it changes anything, so the open competition stays.
    int32_t open = 0;
    std::optional<Schadesoort> hoofdschade;
    if (const Bestandsfout f = LeesHoofdbestandTekst(c, *inhoud, &open, &hoofdschade);
        f != Bestandsfout::Geen)
        return Fout(f, pad);
    c.Bestandsnaam = pad;
    if (c.Bestandsversie != kHuidigeVersie) {
        auto res =
            hoofdschade
                ? Bestandsresultaat{Bestandsfout::Beschadigd, pad, {}, {{pad, *hoofdschade, true}}}
                : Converteer(c, open);
        if (!res.Ok()) {
            // Not loaded: nothing may be saved over the files that are left as they were.
            c.Reset();
            c.Bestandsnaam.clear();
            return res;
        }
    }
    // An open-group number that names no group opens the first group.
    if (!c.Groepen.Zoek(open)) open = c.Groepen.At(0).G().Bestandsnummer;
    Bestandsresultaat res = LeesDeelcomp(c, open);
    if (hoofdschade) res.Schade.insert(res.Schade.begin(), {pad, *hoofdschade, true});
    res.Hersteld = hersteld;
    return res;
}

bool IsEigenBestand(const Competitie& c, const std::string& pad) {
    if (c.Bestandsnaam.empty()) return false;
    std::vector<std::string> eigen{MetXv7(c.Bestandsnaam), Vergrendelbestand(c.Bestandsnaam),
                                   Leesslotbestand(c.Bestandsnaam),
                                   Journaalbestand(c.Bestandsnaam), Herstelbestand(c.Bestandsnaam)};
    for (const auto& g : c.Groepen)
        eigen.push_back(Groepsbestand(c.Bestandsnaam, g->G().Bestandsnummer));
    std::error_code ec;
    const fs::path doel = fs::weakly_canonical(fs::absolute(pad, ec), ec);
    struct stat sd {};
    const bool bestaat = ::stat(pad.c_str(), &sd) == 0;
    for (const auto& e : eigen) {
        std::error_code ec2;
        if (fs::weakly_canonical(fs::absolute(e, ec2), ec2) == doel && !ec2) return true;
        // The same file under another name (a hard link, a folder reached another way).
        struct stat se {};
        if (bestaat && ::stat(e.c_str(), &se) == 0 && se.st_dev == sd.st_dev &&
            se.st_ino == sd.st_ino)
            return true;
    }
    return false;
}

Bestandsresultaat VerwijderGroepsbestand(Competitie& c, int32_t bestandsnummer) {
    if (c.AlleenLezen != Competitie::Alleenlezen::Nee)
        return Fout(Bestandsfout::AlleenGeopend, MetXv7(c.Bestandsnaam));
    c.Bestandsnaam = MetXv7(c.Bestandsnaam);
    if (auto r = ControleerSchrijfbaar(c.Bestandsnaam); !r.Ok()) return r;
    Wijziging w(c.Bestandsnaam);
    if (auto r = w.Schrijf(c.Bestandsnaam, SchrijfHoofdbestandTekst(c)); !r.Ok()) return r;
    w.Verwijder(Groepsbestand(c.Bestandsnaam, bestandsnummer));
    return w.Voltooi();
}

void VerwijderFysiek(const Competitie& c, int32_t bestandsnummer) {
    std::error_code ec;
    fs::remove(Groepsbestand(c.Bestandsnaam, bestandsnummer), ec);
}

} // namespace velkaro
