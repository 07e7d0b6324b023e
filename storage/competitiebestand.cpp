#include "storage/competitiebestand.h"

#include "model/tekst.h"
#include "storage/bestandsnamen.h"
#include "storage/codepagina.h"
#include "storage/regels.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace velkaro {

namespace fs = std::filesystem;

namespace {

constexpr int32_t kOudsteVersie = 1;
constexpr std::size_t kWerkmapLengte = 100;

Bestandsresultaat Fout(Bestandsfout f, const std::string& pad, std::string detail = {}) {
    return Bestandsresultaat{f, pad, std::move(detail)};
}

// Reads a whole file; nullopt when it cannot be opened or is too large.
std::optional<std::string> LeesAlles(const std::string& pad, Bestandsfout& fout) {
    std::error_code ec;
    if (fs::is_directory(pad, ec)) {
        fout = Bestandsfout::NietTeOpenen;
        return std::nullopt;
    }
    std::ifstream in(pad, std::ios::binary);
    if (!in) {
        fout = Bestandsfout::NietTeOpenen;
        return std::nullopt;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff grootte = in.tellg();
    if (grootte < 0) {
        fout = Bestandsfout::NietTeOpenen;
        return std::nullopt;
    }
    if (static_cast<std::size_t>(grootte) > kMaxBestandsgrootte) {
        fout = Bestandsfout::TeGroot;
        return std::nullopt;
    }
    in.seekg(0);
    std::string inhoud(static_cast<std::size_t>(grootte), '\0');
    in.read(inhoud.data(), grootte);
    if (in.gcount() != grootte) {
        fout = Bestandsfout::NietTeOpenen;
        return std::nullopt;
    }
    fout = Bestandsfout::Geen;
    return inhoud;
}

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

void LeesGroepTekst(Competitie& c, std::string_view inhoud, int32_t versie) {
    Regellezer r(inhoud);
    // Counts are bounded by what the file holds: the loops stop at its end.
    const int32_t spelers = r.Getal();
    // The rating in use follows the settings, which come later in the file: read the players
    // first and choose their rating once the settings are known.
    for (int32_t i = 0; i < spelers && !r.Einde(); ++i) c.Spelers.Voegtoe(LeesSpeler(r, versie));
    const int32_t rondes = r.Getal();
    for (int32_t i = 0; i < rondes && !r.Einde(); ++i) {
        Rondegegevens g;
        g.Rondenummer = r.Getal();
        g.Datum = r.Tekst();
        c.Rondes.Voegtoe(g);
    }
    const int32_t wedstrijden = r.Getal();
    for (int32_t i = 0; i < wedstrijden && !r.Einde(); ++i) {
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
    if (!r.Einde()) LeesOpties(r, c.Opties, versie, c.LarenBasis);
    c.Spelers.ResetRating(c.Opties.FMJDRatingHanteren());
    const int32_t categorieen = r.Getal();
    for (int32_t i = 0; i < categorieen && !r.Einde(); ++i) {
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

Bestandsfout LeesHoofdbestandTekst(Competitie& c, std::string_view inhoud, int32_t* openGroep) {
    // A competition main file is text that starts with its version number.
    if (inhoud.empty() || inhoud.find('\0') != std::string_view::npos)
        return Bestandsfout::GeenCompetitiebestand;
    Regellezer r(inhoud);
    const auto versie = LeesGetal(r.RuweRegel());
    if (!versie || *versie < kOudsteVersie) return Bestandsfout::GeenCompetitiebestand;
    if (*versie > kHuidigeVersie) return Bestandsfout::NieuwereVersie;

    c.Reset();
    c.Bestandsversie = static_cast<int32_t>(*versie);
    const int32_t groepen = r.Getal();
    if (groepen > 0) {
        c.Groepen.Wissen();
        for (int32_t i = 0; i < groepen && !r.Einde(); ++i) {
            Deelcompgegevens g;
            g.Competitienummer = r.Getal();
            g.Titel = r.Tekst();
            g.Bestandsnummer = r.Getal();
            g.Overgenomen = r.Boolean();
            g.OudeGroep = r.Tekst();
            c.Groepen.Voegtoe(g);
        }
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
    // A list that ends up empty would leave nothing to open: keep one group.
    if (c.Groepen.Aantal() == 0) {
        Deelcompgegevens g;
        g.Competitienummer = 1;
        c.Groepen.Voegtoe(g);
    }
    return Bestandsfout::Geen;
}

// ---- files ----

namespace {

const char* kTijdelijk = ".tmp~";

// Writes the whole content to pad + ".tmp~"; removes it again when anything fails.
Bestandsresultaat SchrijfTijdelijk(const std::string& pad, std::string_view inhoud) {
    const std::string tijdelijk = pad + kTijdelijk;
    std::FILE* f = std::fopen(tijdelijk.c_str(), "wb");
    if (!f) return Fout(Bestandsfout::SchrijvenMislukt, pad, std::strerror(errno));
    bool ok = std::fwrite(inhoud.data(), 1, inhoud.size(), f) == inhoud.size();
    int fout = ok ? 0 : errno;
    if (std::fflush(f) != 0 && ok) {
        ok = false;
        fout = errno;
    }
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        fout = errno;
    }
    if (!ok) {
        std::error_code ec;
        fs::remove(tijdelijk, ec);
        return Fout(Bestandsfout::SchrijvenMislukt, pad, std::strerror(fout));
    }
    return {};
}

// Puts a completely written temporary file in the place of the old one.
Bestandsresultaat Vervang(const std::string& pad) {
    const std::string tijdelijk = pad + kTijdelijk;
    std::error_code ec;
    fs::rename(tijdelijk, pad, ec);
    if (ec) {
        std::error_code ec2;
        fs::remove(tijdelijk, ec2);
        return Fout(Bestandsfout::SchrijvenMislukt, pad, ec.message());
    }
    return {};
}

} // namespace

Bestandsresultaat SchrijfVeilig(const std::string& pad, std::string_view inhoud) {
    auto res = SchrijfTijdelijk(pad, inhoud);
    return res.Ok() ? Vervang(pad) : res;
}

void LeesDeelcomp(Competitie& c, int32_t bestandsnummer) {
    c.Reset();
    Bestandsfout fout = Bestandsfout::Geen;
    const auto inhoud = LeesAlles(Groepsbestand(c.Bestandsnaam, bestandsnummer), fout);
    // The values that start empty or default when the group file cannot be read.
    c.MinimumWedstrijden = 0;
    for (std::string* t : c.Toernooi.Velden()) t->clear();
    c.Staand = true;
    if (inhoud) LeesGroepTekst(c, *inhoud, c.Bestandsversie);
    c.HuidigeDeelcomp = bestandsnummer;
    c.HuidigCompetitienummer = c.Groepen.VraagNummer(bestandsnummer);
    c.Groepen.GeefTitel(bestandsnummer, c.Opties.Toernooinaam);
    c.Gewijzigd = false;
}

Bestandsresultaat SchrijfDeelcomp(Competitie& c) {
    c.Groepen.GeefTitel(c.HuidigeDeelcomp, c.Opties.Toernooinaam);
    auto res =
        SchrijfVeilig(Groepsbestand(c.Bestandsnaam, c.HuidigeDeelcomp), SchrijfGroepTekst(c));
    // The pairing parameters are brought into range in memory; the file keeps them as they were.
    auto corrigeer = [](int32_t& v, int32_t boven) {
        if (v < 0)
            v = 0;
        else if (v > 1000)
            v = boven;
    };
    corrigeer(c.MinWed, 5);
    corrigeer(c.PlaatsAfstand, 10);
    corrigeer(c.Geleden, 10);
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
    c.Bestandsnaam = MetXv7(c.Bestandsnaam);
    auto res = SchrijfVeilig(c.Bestandsnaam, SchrijfHoofdbestandTekst(c));
    if (!res.Ok()) {
        c.Gewijzigd = true;
        return res;
    }
    res = SchrijfDeelcomp(c);
    if (!res.Ok()) {
        c.Gewijzigd = true;
        return res;
    }
    c.Werkmap = Kap(Map(c.Bestandsnaam), kWerkmapLengte);
    WerkRecenteBij(c, c.Bestandsnaam);
    return res;
}

namespace {

// Rewrites every group file of an older competition in the current layout, then the main
// file. All group files are first written beside the old ones, so a full disk changes
// nothing; only then do they replace the old files, and the main file follows at once, so
// no current group file is ever left behind a main file that still says it is older.
Bestandsresultaat Converteer(Competitie& c, int32_t open) {
    const int32_t oudeVersie = c.Bestandsversie;
    std::vector<std::string> paden;
    auto opruimen = [&] {
        std::error_code ec;
        for (const auto& p : paden) fs::remove(p + kTijdelijk, ec);
    };
    for (std::size_t i = 0; i < c.Groepen.Aantal(); ++i) {
        const int32_t n = c.Groepen.At(i).G().Bestandsnummer;
        c.Bestandsversie = oudeVersie;
        LeesDeelcomp(c, n);
        const std::string pad = Groepsbestand(c.Bestandsnaam, n);
        auto res = SchrijfTijdelijk(pad, SchrijfGroepTekst(c));
        if (!res.Ok()) {
            opruimen();
            return res;
        }
        paden.push_back(pad);
    }
    for (const auto& p : paden) {
        auto res = Vervang(p);
        if (!res.Ok()) {
            opruimen();
            return res;
        }
    }
    c.Bestandsversie = kHuidigeVersie;
    c.HuidigeDeelcomp = open;
    return SchrijfVeilig(c.Bestandsnaam, SchrijfHoofdbestandTekst(c));
}

} // namespace

Bestandsresultaat LeesBestand(Competitie& c, const std::string& naam) {
    if (Hoofdletters(Extensie(naam)) != ".XV7") return Fout(Bestandsfout::AnderFormaat, naam);
    Bestandsfout fout = Bestandsfout::Geen;
    const auto inhoud = LeesAlles(naam, fout);
    if (!inhoud) return Fout(fout, naam);
    // The reader refuses a file before it changes anything, so the open competition stays.
    int32_t open = 0;
    if (const Bestandsfout f = LeesHoofdbestandTekst(c, *inhoud, &open); f != Bestandsfout::Geen)
        return Fout(f, naam);
    c.Bestandsnaam = naam;
    if (c.Bestandsversie != kHuidigeVersie) {
        auto res = Converteer(c, open);
        if (!res.Ok()) {
            // Not loaded: nothing may be saved over the files that are left as they were.
            c.Reset();
            c.Bestandsnaam.clear();
            return res;
        }
    }
    // An open-group number that names no group opens the first group.
    if (!c.Groepen.Zoek(open)) open = c.Groepen.At(0).G().Bestandsnummer;
    LeesDeelcomp(c, open);
    return {};
}

void VerwijderFysiek(const Competitie& c, int32_t bestandsnummer) {
    std::error_code ec;
    fs::remove(Groepsbestand(c.Bestandsnaam, bestandsnummer), ec);
}

} // namespace velkaro
