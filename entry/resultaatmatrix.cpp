#include "entry/resultaatmatrix.h"

#include "entry/bestandsfout.h"
#include "entry/conversie.h"
#include "lang/teksten.h"
#include "storage/competitiebestand.h"

#include <algorithm>

namespace velkaro {

using lang::T;

twedstrijdobj& ZetMatrixUitslag(Competitie& c, int32_t a, int32_t b, uint8_t code, bool overschrijf,
                                std::optional<int32_t> ronde) {
    const auto tegen = static_cast<uint8_t>(2 - code);
    for (auto& w : c.Wedstrijden) {
        const auto& g = w->G();
        if (ronde && g.Ronde != *ronde) continue;
        const bool aWit = g.Wit == a && g.Zwart == b;
        if (!aWit && !(g.Wit == b && g.Zwart == a)) continue;
        if (w->HeeftUitslag() && !overschrijf) continue;
        if (aWit)
            c.ZetUitslag(*w, code, tegen, false, true);
        else
            c.ZetUitslag(*w, tegen, code, false, true);
        return *w;
    }
    Wedstrijdgegevens g;
    g.Ronde =
        ronde ? *ronde : std::max(c.Rondes.laatste_ronde(), c.Wedstrijden.laatste_ronde()) + 1;
    for (const auto& w : c.Wedstrijden)
        if (w->G().Ronde == g.Ronde)
            g.Wedstrijdnummer = std::max(g.Wedstrijdnummer, w->G().Wedstrijdnummer);
    ++g.Wedstrijdnummer;
    g.Wit = a;
    g.Zwart = b;
    g.UitslagWit = code;
    g.UitslagZwart = tegen;
    g.Gespeeld = true;
    auto& w = c.Wedstrijden.Voegtoe(g);
    c.MarkeerHerberekenen();
    return w;
}

// ---- the shared grid ----

void Uitslagentabel::Bouw(const Competitie& c, int kolommen) {
    rijen_.clear();
    for (const auto& s : c.Spelers)
        rijen_.push_back({s->InternNummer(), s->Lotingnummer(), s->G().Naam});
    kolommen_ = kolommen;
    cellen_.assign(rijen_.size(), std::vector<std::string>(static_cast<std::size_t>(kolommen)));
    partijen_.assign(rijen_.size(), 0);
    punten_.assign(rijen_.size(), 0);
}

void Uitslagentabel::MeldRij(Gesprek& g, int i) const {
    g.Melding(Rij(i).Naam + " " + std::to_string(Partijen(i)) + "-" + std::to_string(Punten(i)),
              lang::Tekst(T::Bevestiging), Pictogram::Informatie);
}

void Uitslagentabel::TelAlles() {
    for (int i = 1; i <= Aantal(); ++i) Tel(i);
}

// ---- cross table ----

void Tvxmatrix::SetData() {
    Bouw(c_, static_cast<int>(c_.Spelers.Aantal()));
    for (int i = 1; i <= Aantal(); ++i)
        for (int j = 1; j <= Aantal(); ++j) C(i, j) = i == j ? kMatrixDiagonaal : ".";
    i_ = 1;
    j_ = 2;
    winst_ = '2';
    winstPunten_ = 2;
    drieMogelijk_ = true;
    oudePuntenWinst_ = c_.Opties.PuntenWinst;
}

void Tvxmatrix::Herstel() {
    drieMogelijk_ = true;
}

void Tvxmatrix::VulUitRonde(int32_t ronde) {
    auto rij = [this](int32_t intern) {
        for (int i = 1; i <= Aantal(); ++i)
            if (Rij(i).InternNummer == intern) return i;
        return 0;
    };
    // A side's points on the 2-1-0 scale: board points by who has more, a plus- or
    // minus-draw as a draw. Each side on its own, so a double forfeit reads 0 and 0.
    const bool bord = c_.Opties.Bordpunten();
    auto teken = [bord](uint8_t eigen, uint8_t ander) {
        if (bord) return eigen > ander ? "2" : eigen < ander ? "0" : "1";
        return eigen == UitslagWinst ? "2" : eigen == UitslagVerlies ? "0" : "1";
    };
    for (const auto& w : c_.Wedstrijden) {
        const auto& g = w->G();
        if (g.Ronde != ronde || !w->HeeftUitslag()) continue;
        const int a = rij(g.Wit), b = rij(g.Zwart);
        if (a == 0 || b == 0 || a == b) continue;
        C(a, b) = teken(g.UitslagWit, g.UitslagZwart);
        C(b, a) = teken(g.UitslagZwart, g.UitslagWit);
        Tel(a);
        Tel(b);
    }
}

bool Tvxmatrix::ZetCel(int i, int j, char uitslag) {
    if (i < 1 || j < 1 || i > Aantal() || j > Aantal() || i == j) return false;
    std::string wit, zwart;
    switch (uitslag) {
    case '0':
        wit = "0", zwart = std::string(1, winst_);
        break;
    case '1':
        wit = zwart = "1";
        break;
    case '2':
    case '3':
        wit = std::string(1, winst_), zwart = "0";
        break;
    case '.':
        wit = zwart = ".";
        break;
    default:
        return false;
    }
    C(i, j) = wit;
    C(j, i) = zwart;
    Tel(i);
    Tel(j);
    return true;
}

void Tvxmatrix::Tel(int i) {
    int partijen = 0, punten = 0;
    for (int k = 1; k <= Kolommen(); ++k) {
        const std::string& s = Cel(i, k);
        if (s == "0" || s == "1" || s == "2" || s == "3") ++partijen;
        if (s == "1") ++punten;
        if (s == "2" || s == "3") punten += winstPunten_;
    }
    partijen_[Ix(i)] = partijen;
    punten_[Ix(i)] = punten;
}

void Tvxmatrix::Zet(char wit) {
    if (!Geldig()) return;
    drieMogelijk_ = false;
    ZetCel(i_, j_, wit);
    Volgende();
}

void Tvxmatrix::Volgende() {
    if (++j_ <= Aantal()) return;
    MeldRij(g_, i_);
    ++i_;
    j_ = i_ + 1;
    // Past the last pair the table starts again at the top.
    if (j_ > Aantal()) i_ = 1, j_ = 2;
}

void Tvxmatrix::Winst() {
    Zet('2');
}
void Tvxmatrix::Remise() {
    Zet('1');
}
void Tvxmatrix::Verlies() {
    Zet('0');
}
void Tvxmatrix::NietGespeeld() {
    Zet('.');
}

void Tvxmatrix::Drie() {
    if (!drieMogelijk_ || !Geldig()) return;
    winst_ = '3';
    winstPunten_ = 3;
    c_.Opties.PuntenWinst = 3;
    c_.MarkeerHerberekenen();
    // Wins entered before a later switch count 3 as well.
    TelAlles();
    Winst();
}

void Tvxmatrix::Terug() {
    if (--j_ > i_) return;
    j_ = Aantal();
    if (--i_ < 1) i_ = 1, j_ = 2;
}

bool Tvxmatrix::Toets(char toets) {
    switch (toets) {
    case '2':
    case '3':
        Winst();
        return true;
    case '1':
        Remise();
        return true;
    case '0':
        Verlies();
        return true;
    default:
        return false;
    }
}

bool Tvxmatrix::NietVerwerken() {
    if (g_.Vraag(lang::Tekst(T::TabelNietVerwerken), lang::Tekst(T::Waarschuwing),
                 Knoppen::OkAnnuleren, Pictogram::Waarschuwing) != Antwoord::Ok)
        return false;
    // Closing without changes also takes back the switch to 3 points for a win.
    if (c_.Opties.PuntenWinst != oudePuntenWinst_) {
        c_.Opties.PuntenWinst = oudePuntenWinst_;
        c_.MarkeerHerberekenen();
    }
    return true;
}

void Tvxmatrix::Verwerken(const std::function<void()>& toonRooster) {
    if (RoosterAanmaken) {
        c_.Opties.Rekensysteem = 0;
        c_.MarkeerHerberekenen();
        if (toonRooster) toonRooster();
    }
    for (int i = 1; i <= Aantal(); ++i)
        for (int j = i + 1; j <= Aantal(); ++j) {
            const std::string& s = Cel(i, j);
            if (s == ".") continue;
            const auto code = static_cast<uint8_t>(s == "3" ? 2 : s[0] - '0');
            ZetMatrixUitslag(c_, Rij(i).InternNummer, Rij(j).InternNummer, code, Overschrijven);
        }
    c_.MarkeerHerberekenen();
}

// ---- progress table ----

void Tvxmatrix1::SetData() {
    const int n = static_cast<int>(c_.Spelers.Aantal());
    Bouw(c_, std::clamp(n % 2 == 0 ? n - 1 : n, 1, kMaxRondes));
    i_ = r_ = 1;
    invoer_.clear();
}

void Tvxmatrix1::ZetAantalRondes(int n) {
    if (n < 1 || n > kMaxRondes) return;
    for (auto& rij : cellen_) rij.resize(static_cast<std::size_t>(n));
    kolommen_ = n;
    r_ = std::min(r_, n);
    TelAlles();
}

int Tvxmatrix1::RijVanLoting(int32_t loting) const {
    for (int i = 1; i <= Aantal(); ++i)
        if (Rij(i).Lotingnummer == loting) return i;
    return 0;
}

int Tvxmatrix1::Tegenstander(int i, int r) const {
    const std::string& s = Cel(i, r);
    const auto streep = s.find('/');
    if (streep == std::string::npos) return 0;
    const auto n = Geheel(std::string_view(s).substr(0, streep));
    return n ? RijVanLoting(*n) : 0;
}

void Tvxmatrix1::Leeg(int i, int r) {
    const int j = Tegenstander(i, r);
    C(i, r).clear();
    Tel(i);
    // The opponent's cell goes only while it still names this row.
    if (j > 0 && Tegenstander(j, r) == i) {
        C(j, r).clear();
        Tel(j);
    }
}

void Tvxmatrix1::Tel(int i) {
    int partijen = 0, punten = 0;
    for (int r = 1; r <= Kolommen(); ++r) {
        const std::string& s = Cel(i, r);
        if (s.size() <= 2) continue;
        const char u = s.back();
        if (u == '0' || u == '1' || u == '2') {
            ++partijen;
            punten += u - '0';
        }
    }
    partijen_[Ix(i)] = partijen;
    punten_[Ix(i)] = punten;
}

void Tvxmatrix1::Weiger(const std::string& tekst) {
    g_.Melding(tekst, lang::Tekst(T::Fout), Pictogram::Fout);
    invoer_.clear();
}

void Tvxmatrix1::ZetInvoer(const std::string& tekst) {
    invoer_ = tekst;
    if (tekst.size() <= 2 || tekst.back() != '.' || Aantal() == 0) return;
    const char uitslag = tekst[tekst.size() - 2];
    const auto loting = LeesGeheel(std::string_view(tekst).substr(0, tekst.size() - 2), g_);
    if (!loting) {
        invoer_.clear();
        return;
    }
    if (uitslag < '0' || uitslag > '2') return Weiger(lang::Tekst(T::OngeldigeUitslag));
    const int j = RijVanLoting(*loting);
    if (j == 0) return Weiger(lang::Tekst(T::MxGeenSpeler));
    if (j == i_) return Weiger(lang::Tekst(T::ZelfdeSpeler));
    // The opponent's cell may already hold this very pairing (entered from his row): typing
    // it again confirms or corrects it.
    if (!Cel(j, r_).empty() && Tegenstander(j, r_) != i_)
        return Weiger(lang::Tekst(T::TegenstanderAlGespeeld));
    Leeg(i_, r_);
    Leeg(j, r_);
    C(i_, r_) = std::to_string(Rij(j).Lotingnummer) + "/" + uitslag;
    C(j, r_) =
        std::to_string(Rij(i_).Lotingnummer) + "/" + static_cast<char>('2' - (uitslag - '0'));
    Tel(i_);
    Tel(j);
    invoer_.clear();
    if (++r_ <= Kolommen()) return;
    MeldRij(g_, i_);
    r_ = 1;
    if (++i_ > Aantal()) i_ = 1;
}

void Tvxmatrix1::Punt() {
    if (Aantal() == 0) return;
    Leeg(i_, r_);
}

void Tvxmatrix1::Terug() {
    if (Aantal() == 0) return;
    for (;;) {
        if (--r_ < 1) {
            if (--i_ < 1) {
                i_ = r_ = 1;
                break;
            }
            r_ = Kolommen();
        }
        const int j = Tegenstander(i_, r_);
        if (j == 0 || j > i_) break;
    }
    Leeg(i_, r_);
    invoer_.clear();
}

void Tvxmatrix1::Verwerken() {
    int32_t teller = 0;
    for (int r = 1; r <= Kolommen(); ++r)
        for (int i = 1; i <= Aantal(); ++i) {
            ++teller;
            const int j = Tegenstander(i, r);
            if (j <= i) continue;
            const uint8_t code = static_cast<uint8_t>(Cel(i, r).back() - '0');
            Wedstrijdgegevens g;
            g.Ronde = r;
            g.Wedstrijdnummer = teller;
            g.Wit = Rij(i).InternNummer;
            g.Zwart = Rij(j).InternNummer;
            g.UitslagWit = code;
            g.UitslagZwart = static_cast<uint8_t>(2 - code);
            g.Gespeeld = true;
            c_.Wedstrijden.Voegtoe(g);
        }
    c_.MarkeerHerberekenen();
    if (c_.Geladen()) MeldBestandsfout(g_, SchrijfBestand(c_));
}

} // namespace velkaro
