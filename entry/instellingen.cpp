#include "entry/instellingen.h"

#include "lang/teksten.h"
#include "model/tekst.h"

#include <cstdlib>

namespace velkaro {

using lang::T;
using lang::Tekst;

namespace {

std::string Naam(int criterium, int hoogste) {
    static constexpr T kNamen[] = {T::KortERating,   T::KortTsRating, T::KortWinst,
                                   T::KortWeerstand, T::KortWPLaag,   T::KortWPLaagHoog,
                                   T::KopSB,         T::KopOR,        T::KopHAR};
    if (criterium < 1 || criterium > hoogste) return {};
    return Tekst(kNamen[criterium - 1]);
}

std::string Legenda(const std::string& cijfers, int hoogste) {
    std::string r;
    for (char ch : cijfers) {
        if (ch < '0' || ch > '9') continue;
        r += Naam(ch - '0', hoogste) + " ";
    }
    return r;
}

std::string Getal(long long n) {
    return std::to_string(n);
}

// The points of win, draw, loss, plus-draw and minus-draw: the usual ones (which chess
// notation keeps to) and KNDB-Delfts scoring with its plus- and minus-draws.
struct Puntenwaarden {
    int32_t Winst, Remise, Verlies, PlusRemise, MinRemise;
};
constexpr Puntenwaarden kGewonePunten{2, 1, 0, 0, 0};
constexpr Puntenwaarden kDelftsePunten{4, 2, 0, 3, 1};

void ZetPunten(trekenopties& o, const Puntenwaarden& p) {
    o.PuntenWinst = p.Winst, o.PuntenRemise = p.Remise, o.PuntenVerlies = p.Verlies;
    o.PuntenPlusRemise = p.PlusRemise, o.PuntenMinRemise = p.MinRemise;
}

// The win, draw and loss fields and, with plusMin, the plus- and minus-draw fields.
void ToonPunten(Instellingsvelden& v, const Puntenwaarden& p, bool plusMin) {
    v.Winst = Getal(p.Winst), v.Remise = Getal(p.Remise), v.Verlies = Getal(p.Verlies);
    if (plusMin) v.PlusRemise = Getal(p.PlusRemise), v.MinRemise = Getal(p.MinRemise);
}

// A number field: digits only, at least one, at most the field's width.
std::optional<int32_t> Veld(const std::string& s, std::size_t breedte) {
    const std::string t = Trim(s);
    if (t.empty() || t.size() > breedte) return std::nullopt;
    for (char ch : t)
        if (ch < '0' || ch > '9') return std::nullopt;
    return static_cast<int32_t>(std::stol(t));
}

} // namespace

bool GeldigeLarenBasis(int waarde) {
    return waarde >= kLarenBasisMin && waarde <= kLarenBasisMax &&
           (waarde - kLarenBasisMin) % kLarenBasisStap == 0;
}

std::string SorteerLegenda(const std::string& cijfers) {
    return Legenda(cijfers, 9);
}

std::string SorteervolgordeTekst(int32_t sorteervolgorde) {
    return Legenda(std::to_string(sorteervolgorde), 7);
}

int32_t ControleerSorteervolgorde(uint16_t systeem, int32_t sorteervolgorde) {
    if (systeem != SysteemZwitsers) return sorteervolgorde;
    int32_t kop = sorteervolgorde;
    while (kop > 100) kop /= 10;
    return kop < 29 ? 47 : sorteervolgorde;
}

Instellingenscherm::Instellingenscherm(Competitie& c, bool fmjd64Aanwezig, bool fmjd64Programma,
                                       bool testoptiesZichtbaar)
    : c_(c), fmjd64Aanwezig_(fmjd64Aanwezig), fmjd64Programma_(fmjd64Programma),
      testoptiesZichtbaar_(testoptiesZichtbaar) {}

void Instellingenscherm::VerbergSysteemgroepen() {
    z_.Keizer = z_.Zwitsers = z_.Rating = z_.Moyenne = false;
    z_.LarenBasis = false;
    z_.Sorteervolgorde = true;
}

void Instellingenscherm::PasNotatieToe() {
    z_.Puntvelden = !v_.Schaaknotatie && !v_.KNDBDelfts;
    z_.PlusMinVelden = z_.Puntvelden && v_.PlusMin;
}

void Instellingenscherm::ToonSysteem(uint16_t systeem) {
    switch (systeem) {
    case SysteemZwitsers:
    case SysteemZwitsersRating:
    case SysteemFMJDZwitsers:
        z_.Zwitsers = true;
        break;
    case SysteemKeizer:
        z_.Keizer = true;
        z_.Sorteervolgorde = false;
        break;
    case SysteemMoyenne:
        z_.Moyenne = true;
        z_.Sorteervolgorde = false;
        break;
    case SysteemRating:
        z_.Rating = true;
        z_.Sorteervolgorde = false;
        break;
    case SysteemLaren:
        z_.Sorteervolgorde = false;
        z_.LarenBasis = true;
        break;
    default:
        break;
    }
}

void Instellingenscherm::Open() {
    const trekenopties& o = c_.Opties;
    v_ = Instellingsvelden{};
    z_ = Instellingszicht{};
    ratingbronGeklikt_ = false;
    VerbergSysteemgroepen();
    v_.Schaaknotatie = o.Schaaknotatie();
    v_.KNDBDelfts = o.KNDBDelfts();
    switch (o.Rekensysteem) {
    case SysteemNormaal:
    case SysteemZwitsers:
    case SysteemKeizer:
    case SysteemMoyenne:
    case SysteemRating:
    case SysteemZwitsersRating:
    case SysteemFMJDZwitsers:
    case SysteemLaren:
        v_.Systeem = o.Rekensysteem;
        break;
    default:
        break;
    }
    ToonSysteem(o.Rekensysteem);

    v_.Winst = Getal(o.PuntenWinst);
    v_.Remise = Getal(o.PuntenRemise);
    v_.Verlies = Getal(o.PuntenVerlies);
    v_.PlusRemise = Getal(o.PuntenPlusRemise);
    v_.MinRemise = Getal(o.PuntenMinRemise);
    v_.FMJDRating = o.FMJDRatingHanteren();
    v_.FMJD64 = o.FMJD64();
    v_.LarenBasis = c_.LarenBasis;
    v_.Sorteervolgorde = o.Sorteervolgorde == 0 ? std::string() : Getal(o.Sorteervolgorde);
    v_.SorteerLegenda = SorteerLegenda(v_.Sorteervolgorde);
    v_.KeizerWinst = Getal(o.KeizerWinst);
    v_.KeizerRemise = Getal(o.KeizerRemise);
    v_.KeizerVerlies = Getal(o.KeizerVerlies);
    v_.KeizerNietGespeeld = Getal(o.KeizerNietGespeeld);
    v_.Afloopfactor = Getal(o.Afloopfactor);
    v_.PuntenNr1 = Getal(o.PuntenNr1);
    v_.KerenRekenen = Getal(o.KerenRekenen);
    v_.Optimaliseren = o.NietOptimaliseren == 0;
    v_.KleurDominant = o.KleurDominant != 0;
    v_.MaxKleurverschil = Getal(o.MaxKleurverschil);
    v_.Viertallen = o.Viertallentoernooi;
    v_.Ratingmethode = o.Ratingmethode;
    v_.Correctiefactor = Getal(std::llabs(o.Correctiefactor));
    v_.Aanvangsrating = Getal(o.Aanvangsrating);
    v_.WegingEigen = Getal(o.WegingEigen);
    v_.WegingTegen = Getal(o.WegingTegen);
    v_.Wegen = o.NietWegen == 0;
    v_.MinWed = c_.MinWed;
    v_.PlaatsAfstand = c_.PlaatsAfstand;
    v_.Geleden = c_.Geleden;
    z_.MaxKleurverschil = v_.KleurDominant;
    v_.VrijBijOneven = o.VrijBijOneven();
    v_.VrijScore = o.VrijScore();
    z_.VrijScore = v_.VrijBijOneven;

    v_.PlusMin = o.PuntenPlusRemise != 0 || o.PuntenMinRemise != 0;
    PasNotatieToe();

    z_.FMJD64 = fmjd64Aanwezig_;
    z_.Testopties = testoptiesZichtbaar_;
    if (testoptiesZichtbaar_) {
        v_.Testopties = o.Testopties();
        v_.AlternatieveWeerstand = o.AlternatieveWeerstandparing();
    }
}

void Instellingenscherm::KiesSysteem(uint16_t systeem) {
    v_.Systeem = systeem;
    VerbergSysteemgroepen();
    PasNotatieToe();
    ToonSysteem(systeem);
    switch (systeem) {
    case SysteemNormaal:
        ZetSorteervolgorde("389");
        break;
    case SysteemKeizer:
        ZetSorteervolgorde("");
        break;
    case SysteemZwitsers:
    case SysteemFMJDZwitsers:
    case SysteemZwitsersRating:
        ZetSorteervolgorde(systeem == SysteemZwitsersRating ? "21" : "47");
        v_.KleurDominant = false;
        v_.MaxKleurverschil = "2";
        break;
    case SysteemLaren:
        v_.LarenBasis = 60;
        break;
    default:
        break;
    }
    z_.MaxKleurverschil = v_.KleurDominant;
}

void Instellingenscherm::ZetSchaaknotatie(bool aan) {
    v_.Schaaknotatie = aan;
    trekenopties& o = c_.Opties;
    o.ZetVlag(VlagSchaaknotatie, aan);
    if (aan) {
        v_.KNDBDelfts = false;
        o.ZetVlag(VlagKNDBDelfts, false);
        // Chess notation knows no plus- or minus-draws: they go with the KNDB points.
        ZetPunten(o, kGewonePunten);
        ToonPunten(v_, kGewonePunten, true);
        v_.PlusMin = false;
    }
    PasNotatieToe();
}

void Instellingenscherm::ZetKNDBDelfts(bool aan) {
    v_.KNDBDelfts = aan;
    trekenopties& o = c_.Opties;
    o.ZetVlag(VlagKNDBDelfts, aan);
    if (aan) {
        v_.Schaaknotatie = false;
        o.ZetVlag(VlagSchaaknotatie, false);
        ZetPunten(o, kDelftsePunten);
        ToonPunten(v_, kDelftsePunten, true);
        // The hidden box is ticked as opening the dialog would show it, so OK keeps the
        // plus- and minus-draw points that KNDB scoring needs.
        v_.PlusMin = true;
    }
    PasNotatieToe();
}

void Instellingenscherm::ZetPlusMin(bool aan) {
    v_.PlusMin = aan;
    // Switching the plus- and minus-draws off leaves their hidden fields as they were.
    ToonPunten(v_, aan ? kDelftsePunten : kGewonePunten, aan);
    PasNotatieToe();
}

void Instellingenscherm::ZetKleurDominant(bool aan) {
    v_.KleurDominant = aan;
    z_.MaxKleurverschil = aan;
}

void Instellingenscherm::ZetVrijBijOneven(bool aan) {
    v_.VrijBijOneven = aan;
    z_.VrijScore = aan;
}

void Instellingenscherm::ZetSorteervolgorde(const std::string& tekst) {
    v_.Sorteervolgorde = tekst;
    v_.SorteerLegenda = SorteerLegenda(tekst);
}

void Instellingenscherm::ZetFMJDRating(bool aan) {
    v_.FMJDRating = aan;
    ratingbronGeklikt_ = true;
}

void Instellingenscherm::ZetFMJD64(bool aan) {
    v_.FMJD64 = aan;
    c_.Opties.ZetVlag(VlagFMJD64, aan);
}

bool Instellingenscherm::ZetHuizum(Huizumveld veld, int waarde) {
    if (waarde < 0 || waarde > kHuizumMax) return false;
    switch (veld) {
    case Huizumveld::MinWed:
        v_.MinWed = c_.MinWed = waarde;
        break;
    case Huizumveld::PlaatsAfstand:
        v_.PlaatsAfstand = c_.PlaatsAfstand = waarde;
        break;
    case Huizumveld::Geleden:
        v_.Geleden = c_.Geleden = waarde;
        break;
    }
    return true;
}

bool Instellingenscherm::Ok(Gesprek& gesprek) {
    // Every field is read before anything is written, so a field without a number changes
    // nothing.
    bool goed = true;
    auto lees = [&](const std::string& s, std::size_t breedte) {
        const auto n = Veld(s, breedte);
        if (!n) goed = false;
        return n.value_or(0);
    };
    const auto p = kCijfersPunten, k = kCijfersKeizer, r = kCijfersRating, w = kCijfersWeging;
    const int32_t winst = lees(v_.Winst, p), remise = lees(v_.Remise, p),
                  verlies = lees(v_.Verlies, p);
    const int32_t plus = v_.PlusMin ? lees(v_.PlusRemise, p) : 0;
    const int32_t min = v_.PlusMin ? lees(v_.MinRemise, p) : 0;
    const int32_t sorteer =
        Trim(v_.Sorteervolgorde).empty() ? 0 : lees(v_.Sorteervolgorde, kCijfersSorteer);
    const int32_t kWinst = lees(v_.KeizerWinst, k), kRemise = lees(v_.KeizerRemise, k),
                  kVerlies = lees(v_.KeizerVerlies, k), kNiet = lees(v_.KeizerNietGespeeld, k),
                  afloop = lees(v_.Afloopfactor, k), nr1 = lees(v_.PuntenNr1, k),
                  keren = lees(v_.KerenRekenen, k);
    const int32_t kleur = lees(v_.MaxKleurverschil, kCijfersKleur);
    const int32_t correctie = lees(v_.Correctiefactor, r), aanvang = lees(v_.Aanvangsrating, r);
    const int32_t eigen = lees(v_.WegingEigen, w), tegen = lees(v_.WegingTegen, w);
    // A spin field keeps a typed value between its steps; the base must be one of them.
    if (z_.LarenBasis && !GeldigeLarenBasis(v_.LarenBasis)) goed = false;
    if (!goed) {
        gesprek.Melding(Tekst(T::GeenGeldigGetal), Tekst(T::Fout), Pictogram::Fout);
        return false;
    }

    trekenopties& o = c_.Opties;
    if (v_.Systeem) o.Rekensysteem = *v_.Systeem;
    o.ZetVlag(VlagFMJDRatingHanteren, v_.FMJDRating);
    o.ZetVlag(VlagTestopties, z_.Testopties && v_.Testopties);
    o.ZetVlag(VlagAlternatieveWeerstandparing, z_.Testopties && v_.AlternatieveWeerstand);
    o.ZetVlag(VlagVrijBijOneven, v_.VrijBijOneven);
    o.ZetVrijScore(v_.VrijScore);
    o.PuntenWinst = winst, o.PuntenRemise = remise, o.PuntenVerlies = verlies;
    o.PuntenPlusRemise = plus, o.PuntenMinRemise = min;

    o.Sorteervolgorde = ControleerSorteervolgorde(o.Rekensysteem, sorteer);
    if (o.Sorteervolgorde != sorteer) {
        ZetSorteervolgorde(std::to_string(o.Sorteervolgorde));
        gesprek.Melding(Tekst(T::SorteervolgordeOnjuist), Tekst(T::Waarschuwing),
                        Pictogram::Waarschuwing);
    }

    o.KeizerWinst = kWinst, o.KeizerRemise = kRemise, o.KeizerVerlies = kVerlies;
    o.KeizerNietGespeeld = kNiet, o.Afloopfactor = afloop, o.PuntenNr1 = nr1;
    c_.LarenBasis = v_.LarenBasis;
    o.KerenRekenen = keren;
    o.NietOptimaliseren = v_.Optimaliseren ? 0 : 1;

    o.KleurDominant = v_.KleurDominant ? 1 : 0;
    o.MaxKleurverschil = kleur;
    if (!z_.Zwitsers) v_.Viertallen = false;
    o.Viertallentoernooi = v_.Viertallen;

    o.Ratingmethode = v_.Ratingmethode;
    o.Aanvangsrating = aanvang;
    o.Correctiefactor = correctie;
    o.WegingEigen = eigen, o.WegingTegen = tegen;
    o.NietWegen = v_.Wegen ? 0 : 1;

    c_.MarkeerHerberekenen();
    return true;
}

std::optional<bool> Instellingenscherm::Sluit() {
    if (ratingbronGeklikt_) c_.Spelers.ResetRating(c_.Opties.FMJDRatingHanteren());
    ratingbronGeklikt_ = false;
    if (z_.FMJD64 && v_.FMJD64 != fmjd64Programma_) return v_.FMJD64;
    return std::nullopt;
}

} // namespace velkaro
