// Rounds: the Rondegegevens record and the round collection, kept in round-number order.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velkaro {

constexpr int32_t kMaxRonde = 1000;

struct Rondegegevens {
    int32_t Rondenummer = 0;
    std::string Datum;
    uint8_t Vlag = 0; // working flag, cleared when read
    int32_t AantalWedstrijden = 0;
    int32_t AantalUitslagen = 0;

    bool operator==(const Rondegegevens&) const = default;
};

class trondeobj {
public:
    explicit trondeobj(const Rondegegevens& g) : g_(g) {}
    Rondegegevens Gegevens() const { return g_; }
    const Rondegegevens& G() const { return g_; }
    Rondegegevens& W() { return g_; }
    int32_t Rondenummer() const { return g_.Rondenummer; }

private:
    Rondegegevens g_;
};

class twedstrijdverzameling;

class trondeverzameling {
public:
    // Inserts by round number; among equal numbers the new round goes last.
    trondeobj& Voegtoe(const Rondegegevens& g);
    // Removes every round with this number.
    void Verwijder(int32_t ronde);
    void Wissen() { lijst_.clear(); }

    std::size_t Aantal() const { return lijst_.size(); }
    trondeobj& At(std::size_t i) { return *lijst_[i]; }
    const trondeobj& At(std::size_t i) const { return *lijst_[i]; }
    auto begin() { return lijst_.begin(); }
    auto end() { return lijst_.end(); }
    auto begin() const { return lijst_.cbegin(); }
    auto end() const { return lijst_.cend(); }

    trondeobj* zoek(int32_t ronde);
    const trondeobj* zoek(int32_t ronde) const;
    bool RondeBestaat(int32_t ronde) const { return zoek(ronde) != nullptr; }
    std::string geef_datum(int32_t ronde) const;
    // Lowest and highest round number; 0 when there are no rounds.
    int32_t eerste_ronde() const;
    int32_t laatste_ronde() const;
    // Highest round number that has at least one result (after BerekenUitslagen); 0 if none.
    int32_t LaatsteRondeMetUitslagen() const;
    void ZetRondeDatum(int32_t ronde, const std::string& datum);
    // Recounts AantalWedstrijden and AantalUitslagen of the rounds 1 to 1000 from the matches.
    void BerekenUitslagen(const twedstrijdverzameling& wedstrijden);

private:
    std::vector<std::unique_ptr<trondeobj>> lijst_;
};

} // namespace velkaro
