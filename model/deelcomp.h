// Competition groups: the Deelcompgegevens record and the group collection of a competition
// file, kept in insertion order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velkaro {

constexpr std::size_t kTitelLengte = 80;

struct Deelcompgegevens {
    int32_t Competitienummer = 0;
    std::string Titel;
    int32_t Bestandsnummer = 0; // group file suffix is 100 + Bestandsnummer
    // Carried over from a group imported from the earlier product; kept as read.
    bool Overgenomen = false;
    std::string OudeGroep;

    bool operator==(const Deelcompgegevens&) const = default;
};

class TDeelcompObj {
public:
    explicit TDeelcompObj(const Deelcompgegevens& g);
    Deelcompgegevens Gegevens() const { return g_; }
    const Deelcompgegevens& G() const { return g_; }
    Deelcompgegevens& W() { return g_; }

private:
    Deelcompgegevens g_;
};

class TDeelcompVerzameling {
public:
    // Appends a group; Bestandsnummer 0 is replaced by VindVrijInternNummer.
    TDeelcompObj& Voegtoe(const Deelcompgegevens& g);
    bool Verwijder(int32_t bestandsnummer);
    void Wissen() { lijst_.clear(); }

    std::size_t Aantal() const { return lijst_.size(); }
    TDeelcompObj& At(std::size_t i) { return *lijst_[i]; }
    const TDeelcompObj& At(std::size_t i) const { return *lijst_[i]; }
    auto begin() const { return lijst_.cbegin(); }
    auto end() const { return lijst_.cend(); }

    TDeelcompObj* Zoek(int32_t bestandsnummer);
    const TDeelcompObj* Zoek(int32_t bestandsnummer) const;
    // Groups by Competitienummer; the first one with that number.
    const TDeelcompObj* ZoekCompetitienummer(int32_t nummer) const;

    int32_t VindVrijInternNummer() const;
    int32_t VindVrijCompetitieNummer() const;
    void GeefTitel(int32_t bestandsnummer, const std::string& titel);
    int32_t VraagNummer(int32_t bestandsnummer) const;

private:
    std::vector<std::unique_ptr<TDeelcompObj>> lijst_;
};

// The list line of a group: "%5d - %-20s" of Competitienummer and Titel.
std::string GroepRegel(const Deelcompgegevens& g);

} // namespace velkaro
