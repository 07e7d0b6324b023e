#include "entry/herstel.h"

#include "lang/teksten.h"
#include "storage/bestandsnamen.h"

#include <sys/stat.h>

#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace velkaro {

namespace {

constexpr std::string_view kKop = "VELKARO-HERSTEL 1\r\n";
constexpr std::string_view kEinde = "EINDE\r\n";

// Reads one number and its line end from the front of t.
std::optional<long long> Getal(std::string_view& t) {
    long long v = 0;
    const auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc{}) return std::nullopt;
    t.remove_prefix(static_cast<std::size_t>(p - t.data()));
    if (t.starts_with(' '))
        t.remove_prefix(1);
    else if (t.starts_with("\r\n"))
        t.remove_prefix(2);
    else
        return std::nullopt;
    return v;
}

std::optional<std::string> Blok(std::string_view& t) {
    const auto n = Getal(t);
    if (!n || *n < 0 || static_cast<std::size_t>(*n) > t.size()) return std::nullopt;
    std::string b(t.substr(0, static_cast<std::size_t>(*n)));
    t.remove_prefix(static_cast<std::size_t>(*n));
    return b;
}

std::optional<std::string> LeesBestandstekst(const std::string& pad) {
    Bestandsfout f = Bestandsfout::Geen;
    return LeesAlles(pad, f);
}

bool Verwijder(const std::string& pad) {
    std::error_code ec;
    return std::filesystem::remove(pad, ec);
}

// Whether the competition's files hold exactly this copy's main file and group.
bool OpSchijf(const std::string& naam, const Herstelkopie& k) {
    return k.Open.empty() && LeesBestandstekst(MetXv7(naam)) == k.Hoofdtekst &&
           LeesBestandstekst(Groepsbestand(naam, k.Groep)) == k.Groeptekst;
}

std::string Tijd(const std::string& pad) {
    struct stat st {};
    if (::stat(pad.c_str(), &st) != 0) return {};
    std::tm t{};
    localtime_r(&st.st_mtime, &t);
    char b[64];
    std::snprintf(b, sizeof b, "%02d-%02d-%04d %02d:%02d", t.tm_mday, t.tm_mon + 1,
                  t.tm_year + 1900, t.tm_hour, t.tm_min);
    return b;
}

} // namespace

std::string SchrijfHerstelTekst(const Herstelkopie& k) {
    std::string t(kKop);
    t += std::to_string(k.Groep) + "\r\n";
    t += std::to_string(k.Hoofdtekst.size()) + "\r\n" + k.Hoofdtekst;
    t += std::to_string(k.Groeptekst.size()) + "\r\n" + k.Groeptekst;
    t += std::to_string(k.Open.size()) + "\r\n";
    for (const auto& w : k.Open)
        t += std::to_string(w.Ronde) + ' ' + std::to_string(w.Wedstrijdnummer) + ' ' +
             std::to_string(w.Wit) + ' ' + std::to_string(w.Zwart) + ' ' +
             std::to_string(w.UitslagWit) + ' ' + std::to_string(w.UitslagZwart) + ' ' +
             (w.Gespeeld ? "1 " : "0 ") + (w.Reglementair ? "1" : "0") + "\r\n";
    t += kEinde;
    return t;
}

std::optional<Herstelkopie> LeesHerstelTekst(std::string_view t) {
    if (!t.starts_with(kKop)) return std::nullopt;
    t.remove_prefix(kKop.size());
    Herstelkopie k;
    const auto groep = Getal(t);
    auto hoofd = Blok(t);
    auto groeptekst = Blok(t);
    const auto aantal = Getal(t);
    if (!groep || !hoofd || !groeptekst || !aantal || *aantal < 0 || *aantal > 100000)
        return std::nullopt;
    k.Groep = static_cast<int32_t>(*groep);
    k.Hoofdtekst = std::move(*hoofd);
    k.Groeptekst = std::move(*groeptekst);
    for (long long i = 0; i < *aantal; ++i) {
        long long v[8];
        for (auto& x : v) {
            const auto g = Getal(t);
            if (!g) return std::nullopt;
            x = *g;
        }
        Wedstrijdgegevens w;
        w.Ronde = static_cast<int32_t>(v[0]);
        w.Wedstrijdnummer = static_cast<int32_t>(v[1]);
        w.Wit = static_cast<int32_t>(v[2]);
        w.Zwart = static_cast<int32_t>(v[3]);
        w.UitslagWit = static_cast<uint8_t>(v[4]);
        w.UitslagZwart = static_cast<uint8_t>(v[5]);
        w.Gespeeld = v[6] != 0;
        w.Reglementair = v[7] != 0;
        k.Open.push_back(w);
    }
    if (t != kEinde) return std::nullopt;
    return k;
}

Bestandsresultaat Herstelbewaarder::Bij(std::span<const Wedstrijdgegevens> open) {
    if (!c_.Geladen() || c_.AlleenLezen != Competitie::Alleenlezen::Nee) return {};
    const std::string naam = MetXv7(c_.Bestandsnaam);
    if (naam != naam_) {
        // Another competition: the copy of the previous one stays only while its files lack
        // what it holds (its save failed and the user went on).
        if (geschreven_) {
            if (auto k = LeesHerstelTekst(laatste_); k && OpSchijf(naam_, *k))
                Verwijder(Herstelbestand(naam_));
        }
        naam_ = naam;
        laatste_.clear();
        geschreven_ = false;
        basis_.reset();
    }
    Herstelkopie k{c_.HuidigeDeelcomp,
                   SchrijfHoofdbestandTekst(c_),
                   SchrijfGroepTekst(c_),
                   {open.begin(), open.end()}};
    std::string tekst = SchrijfHerstelTekst(k);
    // Unchanged, and no save since (a save clears Gewijzigd): nothing to do.
    const bool opgeslagen = gewijzigd_ && !c_.Gewijzigd;
    gewijzigd_ = c_.Gewijzigd;
    // The competition as just loaded or saved: what its files hold, as far as this program is
    // concerned (loading recomputes the standings, so the text may differ from the file's
    // bytes without any change).
    if (!basis_ || opgeslagen) basis_ = tekst;
    if (tekst == laatste_ && !opgeslagen) return {};
    if (tekst == *basis_ || OpSchijf(naam_, k)) {
        if (geschreven_) Verwijder(Herstelbestand(naam_));
        geschreven_ = false;
        laatste_ = std::move(tekst);
        return {};
    }
    auto r = SchrijfVeilig(Herstelbestand(naam_), tekst);
    // A copy that could not be written is tried again at the next change.
    if (r.Ok()) {
        geschreven_ = true;
        laatste_ = std::move(tekst);
    }
    return r;
}

bool BiedHerstelAan(Competitie& c, Gesprek& gesprek) {
    if (!c.Geladen() || c.AlleenLezen != Competitie::Alleenlezen::Nee) return false;
    const std::string naam = MetXv7(c.Bestandsnaam);
    const std::string pad = Herstelbestand(naam);
    const auto tekst = LeesBestandstekst(pad);
    if (!tekst) return false;
    const auto k = LeesHerstelTekst(*tekst);
    if (!k) return false; // not a copy of this program: left alone
    using lang::T;
    if (OpSchijf(naam, *k)) {
        Verwijder(pad); // the files hold it already
        return false;
    }
    const std::string vraag = lang::Tekst(T::HerstelVraag) + "\n" + pad + " (" + Tijd(pad) +
                              ")\n\n" + lang::Tekst(T::HerstelNeeWist);
    if (gesprek.Vraag(vraag, lang::Tekst(T::Waarschuwing), Knoppen::JaNee,
                      Pictogram::Waarschuwing) != Antwoord::Ja) {
        Verwijder(pad);
        return false;
    }
    // The copy replaces the files (each through a temporary file), then is read as any
    // competition; the match list's matches go back into their round.
    for (const auto& [bestand, inhoud] :
         {std::pair{naam, &k->Hoofdtekst},
          std::pair{Groepsbestand(naam, k->Groep), &k->Groeptekst}}) {
        if (const auto r = SchrijfVeilig(bestand, *inhoud); !r.Ok()) {
            gesprek.Melding(lang::Tekst(T::HerstelMislukt) + ": " + r.Pad, lang::Tekst(T::Fout),
                            Pictogram::Fout);
            return false;
        }
    }
    if (!LeesBestand(c, naam).Ok()) {
        gesprek.Melding(lang::Tekst(T::HerstelMislukt) + ": " + naam, lang::Tekst(T::Fout),
                        Pictogram::Fout);
        return false;
    }
    if (!k->Open.empty()) {
        for (const auto& w : k->Open) c.Wedstrijden.Voegtoe(w);
        c.MarkeerHerberekenen();
        if (!SchrijfBestand(c).Ok()) return true; // the copy stays for the next attempt
    }
    Verwijder(pad);
    return true;
}

} // namespace velkaro
