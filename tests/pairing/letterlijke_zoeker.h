// The Swiss search as it was before its dead branches were cut short, kept as the reference the
// differential tests hold the pruned search to: it visits every pair the candidate order gives.
// It writes no trace and no pair lines: the count of tried pairs is all it reports.
#pragma once

#include "model/gesprek.h"
#include "pairing/posities.h"
#include "pairing/speltabel.h"
#include "pairing/zwitsers_zoeker.h"

#include <cstdint>
#include <vector>

namespace velkaro::test {

class LetterlijkeZoeker {
public:
    // `gespeeld` holds per position the positions met before (see GespeeldRijen). The table
    // must have an even number of at most 255 players.
    LetterlijkeZoeker(const Speltabel& tabel, std::vector<Posities> gespeeld,
                      const Zoekopties& opties, Voortgang& voortgang);

    // The first round pairs the table in order; later rounds run up to three passes. True
    // when a complete pairing was found.
    bool Zoek();

    // Partner per position (entry 0 unused); 0 when unpaired.
    const std::vector<int>& Partner() const { return partner_; }
    long long Onderzocht() const { return onderzocht_; }
    int32_t MaxKleurverschil() const { return maxKleurverschil_; }
    bool Versoepeld() const { return versoepeld_; }

private:
    struct Keuze; // one group opening's float choice

    void Vindwedstrijd(bool kleurtest, int gBasis, int a, int wBasis, int b);
    void OpenGroep(int gBasis, int wBasis, int b);
    void Vulwacht(Keuze& k, bool kleurtest, int n, int aantal);
    void BereidGroepVoor(int gBasis, int& a);
    bool ElkHeeftPartner(const Posities& spelers, bool kleurtest) const;
    bool Toelaatbaar(int x, int y, bool kleurtest, bool strikt) const;
    void RekenKleurrijen();
    bool Opgeven() const { return versoepeld_ && onderzocht_ - merkteken_ > 25; }
    void Paar(int f, int c);
    void Ontpaar(int f, int c);

    const Speltabel& t_;
    const int n_;
    const std::vector<Posities> gespeeld_;
    Zoekopties opties_;
    Voortgang& voortgang_;

    std::vector<int> partner_;
    Posities vrij_;                     // unpaired positions
    std::vector<Posities> kleurOk_;     // |Kleurwaarde sum| <= 20 × MaxKleurverschil
    std::vector<Posities> kleurStrikt_; // the same with <
    std::vector<uint8_t> groep_, wacht_, kand_, kandGekozen_;
    int kTop_ = 0;

    long long onderzocht_ = 0;
    long long merkteken_ = 0;
    bool roosterKlaar_ = false;
    bool mislukt_ = false;
    bool eersteAanroep_ = false;
    bool versoepeld_ = false;
    bool laatsteGroep_ = false;
    bool kleurDominant_ = false;
    int32_t maxKleurverschil_ = 2;
};

} // namespace velkaro::test
