// Builds the demo competition: a 14-player club Swiss with five rounds played and a 10-player
// round robin of which the first half is played. Deterministic, so the files it writes only
// change when the file format or this program changes.
//
//   velkaro-demo OUT.xv7
#include "model/competitie.h"
#include "storage/competitiebestand.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace velkaro;

namespace {

struct Deelnemer {
    const char* naam;
    const char* volledig;
    const char* kort;
    const char* plaats;
    int rating;
    const char* cat;
};

const std::vector<Deelnemer> kClub = {
    {"Jansen, P.", "Jansen, Pieter", "PJA", "Zwolle", 1412, "S"},
    {"de Vries, H.", "de Vries, Hendrik", "HDV", "Kampen", 1388, "S"},
    {"Bakker, A.", "Bakker, Anneke", "ABA", "Zwolle", 1301, "S"},
    {"Visser, K.", "Visser, Klaas", "KVI", "Hattem", 1290, "V"},
    {"Smit, J.", "Smit, Jan", "JSM", "Zwolle", 1254, "S"},
    {"Meijer, W.", "Meijer, Willem", "WME", "Dalfsen", 1220, "V"},
    {"Mulder, E.", "Mulder, Els", "EMU", "Kampen", 1187, "S"},
    {"de Boer, T.", "de Boer, Thijs", "TDB", "Zwolle", 1163, "J"},
    {"Bos, G.", "Bos, Gerrit", "GBO", "Heino", 1131, "V"},
    {"Vos, M.", "Vos, Marieke", "MVO", "Zwolle", 1098, "S"},
    {"Peters, R.", "Peters, Ruben", "RPE", "Wijhe", 1052, "J"},
    {"Hendriks, D.", "Hendriks, Dirk", "DHE", "Zwolle", 1010, "V"},
    {"van Dijk, L.", "van Dijk, Lotte", "LVD", "Hattem", 968, "J"},
    {"Kok, B.", "Kok, Bram", "BKO", "Kampen", 925, "J"},
};

const std::vector<Deelnemer> kRond = {
    {"Dekker, F.", "Dekker, Frank", "FDE", "Apeldoorn", 1620, ""},
    {"Brouwer, S.", "Brouwer, Sander", "SBR", "Deventer", 1585, ""},
    {"van Leeuwen, I.", "van Leeuwen, Ingrid", "IVL", "Zutphen", 1544, ""},
    {"Hoekstra, Y.", "Hoekstra, Ytsen", "YHO", "Leeuwarden", 1531, ""},
    {"Koster, N.", "Koster, Nico", "NKO", "Apeldoorn", 1498, ""},
    {"Prins, O.", "Prins, Olaf", "OPR", "Epe", 1476, ""},
    {"Huisman, C.", "Huisman, Corrie", "CHU", "Deventer", 1450, ""},
    {"Kuipers, V.", "Kuipers, Vincent", "VKU", "Twello", 1427, ""},
    {"van der Meer, A.", "van der Meer, Arend", "AVM", "Zutphen", 1402, ""},
    {"Postma, H.", "Postma, Hylke", "HPO", "Heerde", 1365, ""},
};

void VoegSpelersToe(Competitie& c, const std::vector<Deelnemer>& lijst) {
    int nummer = 1;
    for (const auto& d : lijst) {
        Spelergegevens g;
        g.Lotingnummer = nummer++;
        g.Naam = d.naam;
        g.VolledigeNaam = d.volledig;
        g.Kort = d.kort;
        g.Plaats = d.plaats;
        g.Land = "NED";
        g.LokaleRating = d.rating;
        g.FMJDRating = 2100;
        g.Rating = d.rating;
        g.Categorieen = std::string(d.cat) + std::string(5 - std::string(d.cat).size(), ' ');
        g.Opnemen = OpnemenStand | OpnemenRooster;
        c.Spelers.Voegtoe(g);
    }
}

// A result drawn from the rating difference: the stronger player wins more often.
void Speel(Competitie& c, twedstrijdobj& w, std::mt19937& gen) {
    const int rw = c.Spelers.zoekptr(w.G().Wit)->G().Rating;
    const int rz = c.Spelers.zoekptr(w.G().Zwart)->G().Rating;
    const double verwacht = 1.0 / (1.0 + std::pow(10.0, (rz - rw) / 400.0));
    const double remise = 0.28;
    const double x = std::uniform_real_distribution<double>(0.0, 1.0)(gen);
    if (x < verwacht - remise / 2) c.ZetUitslag(w, 2, 0, false, true);
    else if (x < verwacht + remise / 2) c.ZetUitslag(w, 1, 1, false, true);
    else c.ZetUitslag(w, 0, 2, false, true);
}

int Punten(const Competitie& c, int32_t intern) {
    int p = 0;
    for (const auto& w : c.Wedstrijden) {
        if (!w->G().Gespeeld) continue;
        if (w->G().Wit == intern) p += c.Opties.PuntenVoorUitslag(w->G().UitslagWit);
        if (w->G().Zwart == intern) p += c.Opties.PuntenVoorUitslag(w->G().UitslagZwart);
    }
    return p;
}

int Kleur(const Competitie& c, int32_t intern) {
    int k = 0;
    for (const auto& w : c.Wedstrijden) {
        if (w->G().Wit == intern) ++k;
        if (w->G().Zwart == intern) --k;
    }
    return k;
}

bool Gespeeld(const Competitie& c, int32_t a, int32_t b) {
    for (const auto& w : c.Wedstrijden)
        if ((w->G().Wit == a && w->G().Zwart == b) || (w->G().Wit == b && w->G().Zwart == a)) return true;
    return false;
}

// A simple Swiss round for the demo data: players by points and rating, each paired with the
// first one below him he has not met.
bool PaarRest(const Competitie& c, std::vector<int32_t>& vrij, std::vector<std::pair<int32_t, int32_t>>& paren) {
    if (vrij.empty()) return true;
    const int32_t a = vrij.front();
    for (std::size_t j = 1; j < vrij.size(); ++j) {
        const int32_t b = vrij[j];
        if (Gespeeld(c, a, b)) continue;
        std::vector<int32_t> rest;
        for (std::size_t k = 1; k < vrij.size(); ++k)
            if (k != j) rest.push_back(vrij[k]);
        paren.emplace_back(a, b);
        if (PaarRest(c, rest, paren)) return true;
        paren.pop_back();
    }
    return false;
}

void ZwitsersRonde(Competitie& c, int ronde, std::mt19937& gen) {
    std::vector<int32_t> volgorde;
    for (const auto& s : c.Spelers) volgorde.push_back(s->InternNummer());
    std::stable_sort(volgorde.begin(), volgorde.end(), [&](int32_t a, int32_t b) {
        const int pa = Punten(c, a), pb = Punten(c, b);
        if (pa != pb) return pa > pb;
        return c.Spelers.zoekptr(a)->G().Rating > c.Spelers.zoekptr(b)->G().Rating;
    });
    std::vector<std::pair<int32_t, int32_t>> paren;
    PaarRest(c, volgorde, paren);
    int bord = (static_cast<int>(volgorde.size()) / 2) * (ronde - 1) + 1;
    for (auto [a, b] : paren) {
        if (Kleur(c, a) > Kleur(c, b)) std::swap(a, b);
        Wedstrijdgegevens g;
        g.Ronde = ronde;
        g.Wedstrijdnummer = bord++;
        g.Wit = a;
        g.Zwart = b;
        Speel(c, c.Wedstrijden.Voegtoe(g), gen);
    }
}

void Club(Competitie& c) {
    c.Opties.Toernooinaam = "Clubcompetitie DC Het Noorden 2026-2027";
    c.Opties.Rekensysteem = SysteemZwitsers;
    c.Opties.Sorteervolgorde = 47;
    c.Opties.MaxKleurverschil = 2;
    c.Toernooi.SpeelPlaats = "Zwolle";
    c.Toernooi.SpeelLand = "Nederland";
    c.Toernooi.SpeelVan = "02-09-2026";
    c.Toernooi.Speeltempo = "80 min + 1 min/zet";
    c.Toernooi.WLNaam = "DC Het Noorden";
    c.Toernooi.ARNaam = "G. Timmerman";
    c.Categorieen = {{"S", "Senioren"}, {"V", "Veteranen"}, {"J", "Jeugd"}};
    VoegSpelersToe(c, kClub);
    std::mt19937 gen(20260902);
    const char* data[] = {"02-09-2026", "16-09-2026", "30-09-2026", "14-10-2026", "28-10-2026"};
    for (int r = 1; r <= 5; ++r) {
        ZwitsersRonde(c, r, gen);
        c.Rondes.ZetRondeDatum(r, data[r - 1]);
    }
}

void Rondtoernooi(Competitie& c) {
    c.Opties.Toernooinaam = "Regiokampioenschap IJssel 2026";
    c.Opties.Rekensysteem = SysteemNormaal;
    c.Opties.Sorteervolgorde = 389;
    c.Toernooi.SpeelPlaats = "Deventer";
    c.Toernooi.SpeelLand = "Nederland";
    c.Toernooi.SpeelVan = "07-11-2026";
    c.Toernooi.SpeelTot = "16-01-2027";
    c.Toernooi.Speeltempo = "90 min + 30 s/zet";
    VoegSpelersToe(c, kRond);
    // Circle method: position 10 stays, the others turn.
    const int n = 10;
    std::mt19937 gen(20261107);
    int nummer = 1;
    for (int r = 1; r <= n - 1; ++r) {
        for (int i = 0; i < n / 2; ++i) {
            int a = (r - 1 + i) % (n - 1) + 1;
            int b = i == 0 ? n : (r - 1 + n - 1 - i) % (n - 1) + 1;
            if ((i == 0 && r % 2 == 0) || (i > 0 && i % 2 == 1)) std::swap(a, b);
            Wedstrijdgegevens g;
            g.Ronde = r;
            g.Wedstrijdnummer = nummer++;
            g.Wit = c.Spelers.zoeklotingptr(a)->InternNummer();
            g.Zwart = c.Spelers.zoeklotingptr(b)->InternNummer();
            auto& w = c.Wedstrijden.Voegtoe(g);
            if (r <= 5) Speel(c, w, gen);
        }
        char datum[16];
        std::snprintf(datum, sizeof datum, "%02d-%02d-%04d", 7 + 7 * ((r - 1) % 3), 11 + (r - 1) / 3,
                      2026);
        c.Rondes.ZetRondeDatum(r, r <= 6 ? datum : "");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: velkaro-demo OUT.xv7\n";
        return 2;
    }
    Competitie c;
    c.Bestandsnaam = argv[1];
    c.Groepen.Wissen();
    c.Groepen.Voegtoe({1, "", 1, false, ""});
    c.Groepen.Voegtoe({2, "", 2, false, ""});

    c.HuidigeDeelcomp = 2;
    c.HuidigCompetitienummer = 2;
    c.Reset();
    Rondtoernooi(c);
    auto r = SchrijfDeelcomp(c);

    c.HuidigeDeelcomp = 1;
    c.HuidigCompetitienummer = 1;
    c.Reset();
    Club(c);
    if (r.Ok()) r = SchrijfBestand(c);
    if (!r.Ok()) {
        std::cerr << "velkaro-demo: cannot write " << r.Pad << ": " << r.Detail << '\n';
        return 1;
    }
    return 0;
}
