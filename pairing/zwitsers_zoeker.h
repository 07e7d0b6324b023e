// The search of the Swiss pairing: score groups from the top down, players that cannot be
// paired in their group wait in a waiting room and join the next group; a depth-first
// backtracking over who floats down, whom the first player of a group meets, and everything
// below, stopping at the first complete pairing. The order in which candidates are visited
// decides which pairing is found, so it is kept exactly; speed comes from the layout (bit
// rows, preallocated stacks), from skipping a score group's branches that cannot be completed
// once the count of tried pairs no longer decides anything, and from remembering the branches
// that found nothing, with the pairs they tried, so that coming back to one costs a look-up
// (the arguments are in the .cpp). Only that memory allocates while the search runs.
#pragma once

#include "model/gesprek.h"
#include "pairing/posities.h"
#include "pairing/speltabel.h"
#include "pairing/spoor.h"
#include "pairing/volledige_paring.h"
#include "pairing/zoekgeheugen.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velkaro {

// The FMJD Swiss runs the same search with a few rules of its own: no relaxed mode (it never
// gives up on a branch, and its third pass merges the rest into one group instead), small late
// fields keep their score groups, the lowest-ranked candidates float first, groups keep the
// order they were built in outside round 2, and no ordering by resistance points.
enum class Zwitsersvariant : uint8_t { Weerstand, FMJD };

struct Zoekopties {
    int32_t Ronde = 1;            // the round being paired
    bool KleurDominant = false;   // "Kleurverhouding dominant"
    int32_t MaxKleurverschil = 2; // "Maximum toegelaten kleurverschil"
    bool Testopties = false;      // order groups by resistance points
    Zwitsersvariant Variant = Zwitsersvariant::Weerstand;
    // Skip branches that cannot change the outcome (see MagSnoeien); the differential tests
    // switch it off to hold the search to its literal walk.
    bool Snoeien = true;
};

class ZwitsersZoeker {
public:
    // `gespeeld` holds per position the positions met before (see GespeeldRijen). The table
    // must have an even number of at most 255 players.
    ZwitsersZoeker(const Speltabel& tabel, std::vector<Posities> gespeeld, const Zoekopties& opties,
                   Voortgang& voortgang, const Spoor* spoor = nullptr);

    // The first round pairs the table in order; later rounds run up to three passes. True
    // when a complete pairing was found.
    bool Zoek();

    // Partner per position (entry 0 unused); 0 when unpaired.
    const std::vector<int>& Partner() const { return partner_; }
    long long Onderzocht() const { return onderzocht_; }
    // True when the search ended because the progress receiver asked it to stop.
    bool Gestopt() const { return gestopt_; }
    int32_t MaxKleurverschil() const { return maxKleurverschil_; }
    bool Versoepeld() const { return versoepeld_; }

private:
    struct Keuze; // one group opening's float choice

    void ZoekDoorgangen();
    void Vindwedstrijd(bool kleurtest, int gBasis, int a, int wBasis, int b);
    void VindwedstrijdZelf(bool kleurtest, int gBasis, int a, int wBasis, int b,
                           const Posities& wachtend);
    void ZoekGroep(bool kleurtest, int gBasis, int a, int wBasis, int b, const Posities& groep,
                   const Posities& wachtend);
    void OpenGroep(int gBasis, int wBasis, int b, const Posities& wachtend);
    void OpenGroepZelf(int gBasis, int wBasis, int b, const Posities& wachtend);
    void Vulwacht(Keuze& k, bool kleurtest, int n, int aantal);
    bool KeuzesVergeefs(const Keuze& k, bool kleurtest, int n, int aantal);
    void BereidGroepVoor(int gBasis, int& a, const Posities& wachtend);
    bool FMJD() const { return opties_.Variant == Zwitsersvariant::FMJD; }
    bool HeeftPartnerIn(const Posities& spelers, int p, bool kleurtest) const;
    bool ElkHeeftPartner(const Posities& spelers, bool kleurtest) const;
    // The FMJD rule that a field of fewer than 61 where p has more than six games to go keeps
    // its score groups in every pass.
    bool HoudtGroepen(int p) const {
        return n_ < 61 && n_ - t_[static_cast<std::size_t>(p)].AantalPartijen > 6;
    }
    bool VraagStop();
    bool Onpaarbaar(const Posities& spelers, bool kleurtest);
    bool MagSnoeien(bool kleurtest) const;
    // True while the count of tried pairs can still change what the search does: past 5000 it
    // is read nowhere but in the give-up, and the FMJD rules read it only for the raise of the
    // colour difference from 1 to 2 (which the colour test of the dominant colour meets).
    bool TellingTelt() const {
        return onderzocht_ <= 5000 && (!FMJD() || (kleurDominant_ && maxKleurverschil_ == 1));
    }
    bool Onthouden() const {
        return FMJD() && opties_.Snoeien && !(kleurDominant_ && maxKleurverschil_ == 1);
    }
    bool Toelaatbaar(int x, int y, bool kleurtest, bool strikt) const;
    void RekenKleurrijen();
    bool Opgeven() const { return gestopt_ || (versoepeld_ && onderzocht_ - merkteken_ > 25); }
    void Paar(int f, int c);
    std::string_view Paarregel(int f, int c);
    void Ontpaar(int f, int c);
    void Trace(const char* formaat, ...) const __attribute__((format(printf, 2, 3)));
    void TraceRij(const char* label, const uint8_t* rij, int aantal) const;

    // A group opening of the FMJD rules that ended without a pairing, by what it depends on
    // once the count of tried pairs no longer decides anything (see OpenGroep).
    struct Opening {
        Posities vrij, wachtend;
        bool laatsteGroep = false;
        int32_t maxKleurverschil = 0;
        bool operator==(const Opening&) const = default;
    };
    struct OpeningHash {
        std::size_t operator()(const Opening& o) const {
            return o.vrij.Hash() ^ (o.wachtend.Hash() * 31u) ^
                   static_cast<std::size_t>(o.laatsteGroep) ^
                   (static_cast<std::size_t>(o.maxKleurverschil) << 8);
        }
    };
    struct Afloop {
        bool mislukt = false;
        bool laatsteGroep = false;
    };
    std::unordered_map<Opening, Afloop, OpeningHash> vergeefs_;

    // What a call of Vindwedstrijd that found no pairing left changed (see Vindwedstrijd).
    struct Uitkomst {
        long long onderzocht = 0; // pairs tried inside
        long long sindsMerk = -1; // pairs tried since the give-up mark was last set inside, or -1
        int32_t maxKleurverschil = 0;
        bool laatsteGroep = false, versoepeld = false, kleurDominant = false, mislukt = false;
    };
    bool Onthoudbaar() const {
        return opties_.Snoeien && sleutelsUniek_ && !TellingTelt() && !eersteAanroep_;
    }
    // A key of the memory: three position sets and a word of flags.
    using Sleutel = std::array<uint64_t, 13>;
    void BouwSleutel(Sleutel& sleutel, bool kleurtest, const Posities& groep,
                     const Posities& wachtend) const;
    void Onthoud(const Sleutel& sleutel, const Uitkomst& u);
    void SpeelAf(const uint64_t* waarde);
    bool sleutelsUniek_ = true;   // no two positions share a sort key
    bool groepenBlijven_ = false; // HoudtGroepen for everyone: LaatsteGroep changes no group

    const Speltabel& t_;
    const int n_;
    const std::vector<Posities> gespeeld_;
    Zoekopties opties_;
    Voortgang& voortgang_;
    const Spoor* spoor_;

    std::vector<int> partner_;
    Posities vrij_;                     // unpaired positions
    std::vector<Posities> kleurOk_;     // |Kleurwaarde sum| <= 20 × MaxKleurverschil
    std::vector<Posities> kleurStrikt_; // the same with <
    std::vector<uint8_t> groep_, wacht_, kand_, kandGekozen_;
    int kTop_ = 0;
    VolledigeParing paring_;
    std::vector<std::string> naamKolom_; // name padded for the progress lines
    char regel_[256]{}; // two name columns of at most 20 characters of 4 bytes, and more

    long long onderzocht_ = 0;
    int diepte_ = 0;
    long long merkteken_ = 0;
    bool roosterKlaar_ = false;
    bool mislukt_ = false;
    bool eersteAanroep_ = false;
    bool versoepeld_ = false;
    bool gestopt_ = false;
    bool laatsteGroep_ = false;
    bool kleurDominant_ = false;
    int32_t maxKleurverschil_ = 2;

    const int woorden_; // machine words of a position set in the keys
    Zoekgeheugen geheugen_;
};

} // namespace velkaro
