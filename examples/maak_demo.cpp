// Builds the demo competition: a 14-player club Swiss with five rounds played, a 10-player
// round robin of which the first half is played, and four club competitions under the Keizer,
// average, rating and Laren systems. Deterministic, so the files it writes only change when the
// file format or this program changes.
//
//   velkaro-demo OUT.xv7
#include "examples/demospel.h"
#include "model/competitie.h"
#include "storage/competitiebestand.h"

#include <cstdio>
#include <iostream>
#include <random>
#include <string>
#include <vector>

using namespace velkaro;
using namespace velkaro::demo;

namespace {

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
    c.Categorieen = Clubcategorieen();
    VoegSpelersToe(c, kClub);
    SpeelSeizoen(c, 20260902,
                 {"02-09-2026", "16-09-2026", "30-09-2026", "14-10-2026", "28-10-2026"});
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
        std::snprintf(datum, sizeof datum, "%02d-%02d-%04d", 7 + 7 * ((r - 1) % 3),
                      11 + (r - 1) / 3, 2026);
        c.Rondes.ZetRondeDatum(r, r <= 6 ? datum : "");
    }
}

// Builds a group from scratch: no particulars or minimum of an earlier group.
void BouwGroep(Competitie& c, int32_t nummer, void (*bouw)(Competitie&)) {
    c.HuidigeDeelcomp = nummer;
    c.HuidigCompetitienummer = nummer;
    c.Reset();
    c.Toernooi = {};
    c.MinimumWedstrijden = 0;
    bouw(c);
}

// Writes one group file.
Bestandsresultaat SchrijfGroep(Competitie& c, int32_t nummer, void (*bouw)(Competitie&)) {
    BouwGroep(c, nummer, bouw);
    return SchrijfDeelcomp(c);
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
    for (int32_t n = 1; n <= 6; ++n) c.Groepen.Voegtoe({n, "", n, false, ""});

    Bestandsresultaat r;
    const std::pair<int32_t, void (*)(Competitie&)> systemen[] = {
        {3, Keizercompetitie}, {4, Moyennecompetitie}, {5, Ratingcompetitie}, {6, Larencompetitie}};
    for (const auto& [nummer, bouw] : systemen)
        if (r.Ok()) r = SchrijfGroep(c, nummer, bouw);
    if (r.Ok()) r = SchrijfGroep(c, 2, Rondtoernooi);

    // The club Swiss is the open group, written with the main file.
    BouwGroep(c, 1, Club);
    if (r.Ok()) r = SchrijfBestand(c);
    if (!r.Ok()) {
        std::cerr << "velkaro-demo: cannot write " << r.Pad << ": " << r.Detail << '\n';
        return 1;
    }
    return 0;
}
