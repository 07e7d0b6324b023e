#include "model/rekenopties.h"

#include <string>

namespace velkaro {

void trekenopties::ZetStandaard() {
    Rekensysteem = SysteemNormaal;
    KeizerWinst = 100;
    KeizerRemise = 50;
    KeizerVerlies = 0;
    KeizerNietGespeeld = 33;
    Afloopfactor = 1;
    PuntenNr1 = 100;
    NietOptimaliseren = 1;
    KerenRekenen = 1;
    Sorteervolgorde = 389;
    PuntenWinst = 2;
    PuntenRemise = 1;
    PuntenVerlies = 0;
    WegingEigen = 1;
    WegingTegen = 1;
    NietWegen = 1;
    Aanvangsrating = 2100;
    Ratingmethode = 2;
    Correctiefactor = 25;
    KleurDominant = 0;
    MaxKleurverschil = 2;
    Herberekenen = 1;
    Toernooinaam.clear();
}

bool trekenopties::IsZwitsers() const {
    return Rekensysteem == SysteemZwitsers || Rekensysteem == SysteemZwitsersRating ||
           Rekensysteem == SysteemFMJDZwitsers;
}

bool trekenopties::Bordpunten() const {
    return (IsZwitsers() && PuntenWinst == 8) || Viertallentoernooi;
}

bool trekenopties::PlusMinRemisesActief() const {
    return (PuntenPlusRemise >= 1 || PuntenMinRemise >= 1) && !KNDBDelfts();
}

bool trekenopties::BijzondereRemises() const {
    return PlusMinRemisesActief() || KNDBDelfts();
}

int32_t trekenopties::PuntenVoorUitslag(int code) const {
    if (Bordpunten()) return code;
    switch (code) {
    case 0:
    case 255:
        return PuntenVerlies;
    case 1:
        return PuntenRemise;
    case 2:
        return PuntenWinst;
    case 3:
        return BijzondereRemises() ? PuntenMinRemise : PuntenRemise;
    case 4:
        return BijzondereRemises() ? PuntenPlusRemise : PuntenRemise;
    default:
        // Not a result code (an adjourned 9 never carries Gespeeld): worth nothing.
        return 0;
    }
}

int trekenopties::SorteerCriterium(int k) const {
    if (k < 1) return 0;
    const std::string s = std::to_string(Sorteervolgorde);
    const auto i = static_cast<std::size_t>(k - 1);
    if (i >= s.size() || s[i] < '0' || s[i] > '9') return 0;
    return s[i] - '0';
}

void trekenopties::ZetVlag(Optievlag v, bool aan) {
    if (aan)
        Optievlaggen = static_cast<uint16_t>(Optievlaggen | v);
    else
        Optievlaggen = static_cast<uint16_t>(Optievlaggen & ~v);
}

Vrijscore trekenopties::VrijScore() const {
    const int v = (Optievlaggen >> 7) & 3;
    return v == 1 ? Vrijscore::Remise : v == 2 ? Vrijscore::Niets : Vrijscore::Winst;
}

void trekenopties::ZetVrijScore(Vrijscore v) {
    Optievlaggen = static_cast<uint16_t>((Optievlaggen & ~(VlagVrijscoreLaag | VlagVrijscoreHoog)) |
                                         (static_cast<int>(v) << 7));
}

uint8_t trekenopties::VrijCode() const {
    switch (VrijScore()) {
    case Vrijscore::Remise:
        return UitslagRemise;
    case Vrijscore::Niets:
        return UitslagVerlies;
    default:
        return UitslagWinst;
    }
}

int32_t trekenopties::VrijPunten() const {
    return Bordpunten() ? VrijCode() : PuntenVoorUitslag(VrijCode());
}

} // namespace velkaro
