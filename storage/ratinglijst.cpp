#include "storage/ratinglijst.h"

#include "model/tekst.h"
#include "storage/codepagina.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace velkaro {

namespace {

// A text field: a length byte and `capaciteit` character positions, from Windows-1252.
// Control characters become blanks, so a damaged record cannot break a list line. With
// `naamveld` characters above 127 become "_" instead: the federation's files do not agree on
// one code page for the name fields of the national records.
std::string Tekst(const char* veld, std::size_t capaciteit, bool naamveld = false) {
    const std::size_t n = std::min<std::size_t>(static_cast<unsigned char>(veld[0]), capaciteit);
    std::string t(veld + 1, n);
    bool ascii = true;
    for (char& c : t) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 32)
            c = ' ';
        else if (b > 127) {
            if (naamveld)
                c = '_';
            else
                ascii = false;
        }
    }
    return ascii ? t : Windows1252NaarUtf8(t);
}

std::string Naamtekst(const char* veld, std::size_t capaciteit) {
    return Tekst(veld, capaciteit, true);
}

// Cuts to n characters; most names are shorter in bytes already.
void Kort(std::string& s, std::size_t n) {
    if (s.size() > n) s = Kap(s, n);
}

int32_t Int32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 |
                                static_cast<uint32_t>(b[3]) << 24);
}

int16_t Int16(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return static_cast<int16_t>(static_cast<uint16_t>(b[0] | b[1] << 8));
}

// A name prefix of a single blank (or nothing) is no prefix.
bool HeeftTussenvoegsel(const std::string& t) {
    return !t.empty() && t != " ";
}

std::size_t Recordgrootte(Ratingformaat f) {
    switch (f) {
    case Ratingformaat::KNDB4:
        return kRecordKNDB4;
    case Ratingformaat::Elo3:
        return kRecordElo3;
    case Ratingformaat::Elo2:
        return kRecordElo2;
    case Ratingformaat::FMJD:
        return kRecordFMJD;
    }
    return kRecordFMJD;
}

std::optional<std::string> LeesAlles(const std::string& pad) {
    std::unique_ptr<FILE, int (*)(FILE*)> f(std::fopen(pad.c_str(), "rb"), &std::fclose);
    if (!f) return std::nullopt;
    std::string inhoud;
    std::error_code ec;
    const auto grootte = std::filesystem::file_size(pad, ec);
    if (!ec) inhoud.reserve(static_cast<std::size_t>(grootte));
    char buf[1 << 16];
    while (const std::size_t n = std::fread(buf, 1, sizeof buf, f.get())) inhoud.append(buf, n);
    if (std::ferror(f.get())) return std::nullopt; // a folder, or a read error
    return inhoud;
}

bool IsBestand(const std::string& pad) {
    std::error_code ec;
    return std::filesystem::is_regular_file(pad, ec);
}

std::string Hoofd(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

std::string Klein(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

} // namespace

std::string TCBElo::Lijstnaam() const {
    if (EenNaam) return Achternaam;
    std::string r = Achternaam + ", " + Voorletters;
    if (HeeftTussenvoegsel(Tussenvoegsel)) r.append(" ").append(Tussenvoegsel);
    Kort(r, kLijstnaamLengte);
    return r;
}

namespace {
std::string Naam(const TCBElo& e, const std::string& voor, std::size_t capaciteit) {
    if (e.EenNaam) return e.Achternaam;
    std::string r = voor + " ";
    if (HeeftTussenvoegsel(e.Tussenvoegsel)) r.append(e.Tussenvoegsel).append(" ");
    r.append(e.Achternaam);
    Kort(r, capaciteit);
    return r;
}
} // namespace

std::string TCBElo::VolledigeNaam() const {
    return Naam(*this, Voornaam, kVolledigeNaamLengte);
}

std::string TCBElo::KorteNaam() const {
    return Naam(*this, Voorletters, kKorteNaamLengte);
}

std::string TCBFMJD::VolledigeNaam() const {
    std::string r = Voornaam.empty() ? Naam : Voornaam + " " + Naam;
    Kort(r, kVolledigeNaamLengte);
    return r;
}

std::string TCBFMJD::KorteNaam() const {
    std::string r = AantalTekens(Voornaam) > 2 ? Kap(Voornaam, 1) + ". " + Naam
                    : Voornaam.empty()         ? Naam
                                               : Voornaam + " " + Naam;
    Kort(r, kKorteNaamLengte);
    return r;
}

NationaleLijst LeesNationaleLijst(std::string_view inhoud, Ratingformaat formaat) {
    NationaleLijst l;
    l.Formaat = formaat;
    const std::size_t grootte = Recordgrootte(formaat);
    l.Spelers.reserve(inhoud.size() / grootte);
    for (std::size_t p = 0; p + grootte <= inhoud.size(); p += grootte) {
        const char* r = inhoud.data() + p;
        TCBElo e;
        if (formaat == Ratingformaat::Elo2) {
            e.Achternaam = Naamtekst(r, 20);
            e.Tekst5 = Tekst(r + 21, 5);
            e.Tekst10 = Tekst(r + 27, 10);
            e.Rating = Int16(r + 38);
            e.EenNaam = true;
        } else {
            e.Voornaam = Naamtekst(r, 10);
            e.Tussenvoegsel = Naamtekst(r + 11, 10);
            e.Voorletters = Tekst(r + 22, 10);
            e.Achternaam = Tekst(r + 33, 20);
            e.Extra = Tekst(r + 54, 10);
            e.Rating = Int32(r + 65);
            if (formaat == Ratingformaat::KNDB4) {
                e.Titel = Trim(Tekst(r + 69, 14));
                e.FMJDID = Int32(r + 84);
            }
        }
        l.Spelers.push_back(std::move(e));
    }
    return l;
}

FMJDLijst LeesFMJDInhoud(std::string_view inhoud) {
    FMJDLijst l;
    if (inhoud.size() < kRecordFMJD) return l;
    l.Editie = Trim(Tekst(inhoud.data(), kRecordFMJD - 1));
    l.Spelers.reserve(inhoud.size() / kRecordFMJD);
    for (std::size_t p = kRecordFMJD; p + kRecordFMJD <= inhoud.size(); p += kRecordFMJD) {
        const char* r = inhoud.data() + p;
        TCBFMJD e;
        e.ID = Int32(r);
        e.Naam = Tekst(r + 4, 20);
        e.Voornaam = Tekst(r + 25, 20);
        e.Land = Tekst(r + 46, 20);
        e.Titel = Trim(Tekst(r + 67, 5));
        e.Rating = Int32(r + 73);
        l.Spelers.push_back(std::move(e));
    }
    return l;
}

std::string Lijstregel(const TCBElo& e, Ratingformaat formaat) {
    std::string r = std::to_string(e.Rating) + '\t';
    if (formaat == Ratingformaat::Elo2)
        r += e.Achternaam + ' ' + e.Tekst5 + ' ' + e.Tekst10 + ' ';
    else
        r += e.Lijstnaam() + ' ' + e.Voornaam + ' ' + e.Extra + ' ';
    return r;
}

std::string Lijstregel(const TCBFMJD& e) {
    return e.Naam + '\t' + e.Voornaam + '\t' + e.Titel + '\t' + std::to_string(e.ID) + '\t' +
           e.Land + '\t' + std::to_string(e.Rating);
}

std::optional<Ratingformaat> FormaatVanNaam(std::string_view bestandsnaam) {
    const std::string naam = Hoofd(std::filesystem::path(bestandsnaam).filename().string());
    if (naam == kNationaleBestanden[0]) return Ratingformaat::KNDB4;
    if (naam == kNationaleBestanden[1]) return Ratingformaat::Elo3;
    if (naam == kNationaleBestanden[2]) return Ratingformaat::Elo2;
    if (naam == kFMJDBestand || naam == kFMJD64Bestand) return Ratingformaat::FMJD;
    return std::nullopt;
}

std::optional<NationaleLijst> LeesNationaalBestand(const std::string& pad, Ratingformaat formaat) {
    const auto inhoud = LeesAlles(pad);
    if (!inhoud) return std::nullopt;
    NationaleLijst l = LeesNationaleLijst(*inhoud, formaat);
    l.Bestand = pad;
    return l;
}

std::optional<FMJDLijst> LeesFMJDBestand(const std::string& pad) {
    const auto inhoud = LeesAlles(pad);
    if (!inhoud) return std::nullopt;
    FMJDLijst l = LeesFMJDInhoud(*inhoud);
    l.Bestand = pad;
    return l;
}

std::string ZoekRatingbestand(const std::vector<std::string>& mappen, std::string_view naam) {
    for (const auto& map : mappen) {
        if (map.empty()) continue;
        for (const std::string& n : {std::string(naam), Hoofd(naam), Klein(naam)}) {
            const std::string pad = (std::filesystem::path(map) / n).string();
            if (IsBestand(pad)) return pad;
        }
    }
    return {};
}

NationaleLijst LaadRatinglijst(const std::vector<std::string>& mappen) {
    const Ratingformaat formaten[] = {Ratingformaat::KNDB4, Ratingformaat::Elo3,
                                      Ratingformaat::Elo2};
    // A folder of the user's own comes before the program's: its list replaces the shipped
    // one whatever the format.
    for (const auto& map : mappen)
        for (std::size_t i = 0; i < std::size(formaten); ++i) {
            const std::string pad = ZoekRatingbestand({map}, kNationaleBestanden[i]);
            if (pad.empty()) continue;
            if (auto l = LeesNationaalBestand(pad, formaten[i])) return std::move(*l);
        }
    return {};
}

FMJDLijst LaadFMJDLijst(const std::vector<std::string>& mappen, bool fmjd64) {
    const std::string pad = ZoekRatingbestand(mappen, fmjd64 ? kFMJD64Bestand : kFMJDBestand);
    if (pad.empty()) return {};
    auto l = LeesFMJDBestand(pad);
    return l ? std::move(*l) : FMJDLijst{};
}

const TCBFMJD* ZoekFMJDID(const FMJDLijst& lijst, int32_t id) {
    for (const auto& e : lijst.Spelers)
        if (e.ID == id) return &e;
    return nullptr;
}

std::vector<std::string> StandaardRatingmappen(const std::string& programmamap) {
    std::vector<std::string> mappen;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    const char* thuis = std::getenv("HOME");
    if (xdg && *xdg == '/')
        mappen.push_back(std::string(xdg) + "/velkaro");
    else if (thuis && *thuis)
        mappen.push_back(std::string(thuis) + "/.local/share/velkaro");
    if (!programmamap.empty()) mappen.push_back(programmamap);
    return mappen;
}

void Ratinglijsten::Laad() {
    Nationaal = LaadRatinglijst(Mappen);
    const bool normaal = !ZoekRatingbestand(Mappen, kFMJDBestand).empty();
    const bool vierenzestig = !ZoekRatingbestand(Mappen, kFMJD64Bestand).empty();
    BeideFMJD = normaal && vierenzestig;
    KiesFMJD(!normaal && vierenzestig);
}

void Ratinglijsten::KiesFMJD(bool fmjd64) {
    FMJD64 = fmjd64;
    FMJD = LaadFMJDLijst(Mappen, fmjd64);
}

} // namespace velkaro
