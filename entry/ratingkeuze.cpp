#include "entry/ratingkeuze.h"

#include "lang/teksten.h"
#include "model/tekst.h"

#include <algorithm>

namespace velkaro {

namespace {

// Letters and digits; every byte of a multi-byte character counts as a letter (the lists
// hold names, whose non-ASCII characters are letters).
bool IsTeken(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80;
}

bool IsLetter(unsigned char c) {
    return IsTeken(c) && !(c >= '0' && c <= '9');
}

std::vector<std::string_view> Woorden(std::string_view zoekvorm) {
    std::vector<std::string_view> w;
    std::size_t b = 0;
    while (b < zoekvorm.size()) {
        std::size_t e = zoekvorm.find(' ', b);
        if (e == std::string_view::npos) e = zoekvorm.size();
        w.push_back(zoekvorm.substr(b, e - b));
        b = e + 1;
    }
    return w;
}

// A bit for the first character of a word: the letters and digits apart, the rest shared.
uint64_t Beginbit(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return uint64_t{1} << (c - 'A');
    if (c >= '0' && c <= '9') return uint64_t{1} << (26 + c - '0');
    return uint64_t{1} << 36;
}

// The bits of the first characters of the words of a search form.
uint64_t Beginletters(std::string_view vorm) {
    uint64_t bits = 0;
    for (std::size_t i = 0; i < vorm.size(); ++i)
        if (i == 0 || vorm[i - 1] == ' ') bits |= Beginbit(static_cast<unsigned char>(vorm[i]));
    return bits;
}

// Every word of the filter begins a word of the key, each key word serving one filter word
// ("bakker b" is Bram Bakker, not Anna Bakker). The words are few: a search over them is
// cheap.
bool Past(std::string_view sleutel, const std::vector<std::string_view>& woorden, std::size_t k,
          uint64_t gebruikt) {
    if (k == woorden.size()) return true;
    const std::string_view w = woorden[k];
    std::size_t nummer = 0;
    for (std::size_t b = 0; b < sleutel.size() && nummer < 64; ++nummer) {
        std::size_t e = sleutel.find(' ', b);
        if (e == std::string_view::npos) e = sleutel.size();
        if (!(gebruikt >> nummer & 1) && e - b >= w.size() &&
            sleutel.compare(b, w.size(), w) == 0 &&
            Past(sleutel, woorden, k + 1, gebruikt | uint64_t{1} << nummer))
            return true;
        b = e + 1;
    }
    return false;
}

} // namespace

std::string Zoekvorm(std::string_view tekst) {
    bool ascii = true;
    for (char c : tekst) ascii &= static_cast<unsigned char>(c) < 0x80;
    const std::string h = ascii ? std::string() : Hoofdletters(tekst);
    const std::string_view bron = ascii ? tekst : std::string_view(h);
    std::string r;
    r.reserve(bron.size());
    bool gat = false;
    for (char c : bron) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        if (IsTeken(static_cast<unsigned char>(c))) {
            if (gat && !r.empty()) r += ' ';
            r += c;
            gat = false;
        } else {
            gat = true;
        }
    }
    return r;
}

std::string ZoekvormVanNaam(std::string_view naam) {
    if (naam.find(',') != std::string_view::npos) return Zoekvorm(naam);
    const std::string vorm = Zoekvorm(naam);
    const std::size_t laatste = vorm.rfind(' ');
    if (laatste == std::string::npos) return vorm;
    // The list names carry initials, so a typed first name counts with its initial only.
    return vorm.substr(laatste + 1) + ' ' + vorm[0];
}

std::string KortVanNaam(std::string_view achternaam) {
    std::string letters;
    std::size_t n = 0;
    for (std::size_t i = 0; i < achternaam.size() && n < 3; ++i) {
        const auto c = static_cast<unsigned char>(achternaam[i]);
        if (!IsLetter(c)) continue;
        letters += static_cast<char>(c);
        // The rest of a multi-byte character.
        while (i + 1 < achternaam.size() &&
               (static_cast<unsigned char>(achternaam[i + 1]) & 0xC0) == 0x80)
            letters += achternaam[++i];
        ++n;
    }
    return Hoofdletters(letters);
}

int NationaleTitelpositie(std::string_view titel) {
    return titel == "GMN" ? 3 : titel == "MN" ? 2 : titel == "cMN" ? 1 : 0;
}

int FMJDTitelpositie(std::string_view titel) {
    return titel == "GMI" ? 3 : titel == "MI" ? 2 : titel == "MF" ? 1 : 0;
}

std::string Bestandsregel(const std::string& bestand, const std::string& editie,
                          std::size_t aantal) {
    if (bestand.empty()) return lang::Tekst(lang::T::RatGeenBestand);
    return bestand + (editie.empty() ? "" : " - " + editie) + " (" + std::to_string(aantal) + " " +
           lang::Tekst(lang::T::RatSpelers) + ")";
}

Ratingkeuze::Ratingkeuze(const NationaleLijst& lijst) : nationaal_(&lijst) {
    sleutels_.reserve(lijst.Spelers.size());
    std::string naam;
    for (const auto& e : lijst.Spelers) {
        naam.assign(e.Achternaam).append(" ").append(e.Voorletters).append(" ");
        naam.append(e.Tussenvoegsel).append(" ").append(e.Voornaam);
        sleutels_.push_back(Zoekvorm(naam));
    }
    Sorteer();
}

Ratingkeuze::Ratingkeuze(const FMJDLijst& lijst) : fmjd_(&lijst) {
    sleutels_.reserve(lijst.Spelers.size());
    std::string naam;
    for (const auto& e : lijst.Spelers)
        sleutels_.push_back(Zoekvorm(naam.assign(e.Naam).append(" ").append(e.Voornaam)));
    Sorteer();
}

void Ratingkeuze::Sorteer() {
    beginletters_.resize(sleutels_.size());
    for (std::size_t i = 0; i < sleutels_.size(); ++i)
        beginletters_[i] = Beginletters(sleutels_[i]);
    volgorde_.resize(sleutels_.size());
    for (std::size_t i = 0; i < volgorde_.size(); ++i) volgorde_[i] = static_cast<uint32_t>(i);
    std::stable_sort(volgorde_.begin(), volgorde_.end(),
                     [this](uint32_t a, uint32_t b) { return sleutels_[a] < sleutels_[b]; });
    zichtbaar_ = volgorde_;
}

std::string Ratingkeuze::Regel(std::size_t rij) const {
    const std::size_t i = zichtbaar_[rij];
    if (nationaal_) return Lijstregel(nationaal_->Spelers[i], nationaal_->Formaat);
    return Lijstregel(fmjd_->Spelers[i]);
}

void Ratingkeuze::Filter(std::string_view tekst) {
    const std::string vorm = Zoekvorm(tekst);
    if (vorm == filter_) return;
    // A filter that only grows narrows the rows already shown, which keeps typing quick.
    const bool verder = vorm.starts_with(filter_);
    const std::vector<uint32_t>& bron = verder ? zichtbaar_ : volgorde_;
    auto woorden = Woorden(vorm);
    // The longest first: they have the fewest key words to choose from.
    std::stable_sort(woorden.begin(), woorden.end(),
                     [](std::string_view a, std::string_view b) { return a.size() > b.size(); });
    // An entry without a word beginning with each first letter asked is passed over at once.
    const uint64_t nodig = Beginletters(vorm);
    std::vector<uint32_t> nieuw;
    nieuw.reserve(vorm.empty() ? bron.size() : bron.size() / 4);
    for (uint32_t i : bron)
        if ((beginletters_[i] & nodig) == nodig && Past(sleutels_[i], woorden, 0, 0))
            nieuw.push_back(i);
    zichtbaar_ = std::move(nieuw);
    filter_ = vorm;
}

std::size_t Ratingkeuze::Positie(std::string_view naam) const {
    const std::string vorm = ZoekvormVanNaam(naam);
    const auto p =
        std::lower_bound(zichtbaar_.begin(), zichtbaar_.end(), vorm,
                         [this](uint32_t i, const std::string& v) { return sleutels_[i] < v; });
    return static_cast<std::size_t>(p - zichtbaar_.begin());
}

} // namespace velkaro
