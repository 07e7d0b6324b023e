// The scoring settings of a competition group: calculation system, points per result,
// tie-break order, the parameters of every system and the out-of-date flag.
#pragma once

#include "model/wedstrijden.h"

#include <cstdint>
#include <string>

namespace velkaro {

// Values of Rekensysteem.
enum Systeem : uint16_t {
    SysteemNormaal = 0,
    SysteemZwitsers = 1,
    SysteemKeizer = 2,
    SysteemMoyenne = 3,
    SysteemRating = 4,
    SysteemZwitsersRating = 5,
    SysteemFMJDZwitsers = 6,
    Systeem16 = 16,
    SysteemLaren = 17,
};

// Bits of Optievlaggen.
enum Optievlag : uint16_t {
    VlagFMJDRatingHanteren = 1,
    VlagSchaaknotatie = 2,
    VlagTestopties = 4,
    VlagAlternatieveWeerstandparing = 8,
    VlagKNDBDelfts = 16,
    VlagFMJD64 = 32,
    // An odd number of players to pair gives one of them a bye instead of refusing.
    VlagVrijBijOneven = 64,
    // Bits 7 and 8 hold what a bye scores (Vrijscore).
    VlagVrijscoreLaag = 128,
    VlagVrijscoreHoog = 256,
};

// What a bye scores: the points of a win, of a draw, or nothing.
enum class Vrijscore : uint8_t { Winst = 0, Remise = 1, Niets = 2 };

class trekenopties {
public:
    uint16_t Rekensysteem = 0;
    int32_t KeizerWinst = 0;
    int32_t KeizerRemise = 0;
    int32_t KeizerVerlies = 0;
    int32_t KeizerNietGespeeld = 0;
    int32_t Afloopfactor = 0;
    int32_t PuntenNr1 = 0;
    uint16_t NietOptimaliseren = 0;
    int32_t KerenRekenen = 0;
    int32_t Sorteervolgorde = 0;
    int32_t PuntenWinst = 0;
    int32_t PuntenRemise = 0;
    int32_t PuntenVerlies = 0;
    int32_t PuntenPlusRemise = 0;
    int32_t PuntenMinRemise = 0;
    int32_t WegingEigen = 0;
    int32_t WegingTegen = 0;
    uint16_t NietWegen = 0;
    int32_t Aanvangsrating = 0;
    uint16_t Ratingmethode = 0;
    int32_t Correctiefactor = 0;
    uint16_t KleurDominant = 0;
    int32_t MaxKleurverschil = 0;
    uint16_t Herberekenen = 0;
    bool Viertallentoernooi = false;
    std::string Toernooinaam;
    uint16_t Optievlaggen = 0;

    // Round range of the last standings computation; in memory only.
    int32_t VanRonde = 0;
    int32_t TotRonde = 0;

    // Defaults of the competition reset. PuntenPlusRemise, PuntenMinRemise,
    // Viertallentoernooi and Optievlaggen are left as they are.
    void ZetStandaard();

    // Points one side earns for its result code.
    int32_t PuntenVoorUitslag(int code) const;
    bool PlusMinRemisesActief() const;
    bool BijzondereRemises() const;
    bool IsZwitsers() const;
    // Board-point mode: a Swiss-family system with 8 points for a win, or a team tournament.
    bool Bordpunten() const;
    // The k-th digit (k from 1) of Sorteervolgorde; 0 when there is none.
    int SorteerCriterium(int k) const;

    void WisHerberekenen() { Herberekenen = 0; }
    bool IsActueel() const { return Herberekenen == 0; }

    bool Vlag(Optievlag v) const { return (Optievlaggen & v) != 0; }
    void ZetVlag(Optievlag v, bool aan);

    bool FMJDRatingHanteren() const { return Vlag(VlagFMJDRatingHanteren); }
    bool Schaaknotatie() const { return Vlag(VlagSchaaknotatie); }
    bool Testopties() const { return Vlag(VlagTestopties); }
    bool AlternatieveWeerstandparing() const { return Vlag(VlagAlternatieveWeerstandparing); }
    bool KNDBDelfts() const { return Vlag(VlagKNDBDelfts); }
    bool FMJD64() const { return Vlag(VlagFMJD64); }
    bool VrijBijOneven() const { return Vlag(VlagVrijBijOneven); }
    // The score of a bye; the unused fourth value of the two bits reads as a win.
    Vrijscore VrijScore() const;
    void ZetVrijScore(Vrijscore v);
    // The result code a bye counts as: win, draw or loss.
    uint8_t VrijCode() const;
    // A bye: a match against nobody while the bye is switched on. With it off such a match
    // has an absent player and counts for nobody, as it always did.
    bool IsVrijeRonde(const Wedstrijdgegevens& g) const { return VrijBijOneven() && IsVrij(g); }
    // The points a bye adds to the standings: those of its code, or in board-point mode the
    // match points 2, 1 or 0.
    int32_t VrijPunten() const;
};

} // namespace velkaro
