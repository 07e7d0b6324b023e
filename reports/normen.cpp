#include "reports/normen.h"

#include "lang/teksten.h"
#include "reports/uitvoercel.h"

#include <array>

namespace velkaro {

using lang::T;
using lang::Tekst;

namespace {

// Class 0 (A) below 1976 up to class 18 (S) above 2400.
int Klasse(int32_t rating) {
    if (rating > 2400) return 18;
    if (rating < 1976) return 0;
    return 1 + (rating - 1976) / 25;
}

// The percentages MF, MI, GMI per class from A to S; 0 where the class gives no norm.
constexpr std::array<std::array<int, 3>, 19> kPercentages = {{
    {0, 0, 0},    {70, 0, 0},   {67, 0, 0},   {64, 76, 0},  {60, 73, 0},
    {57, 70, 0},  {53, 67, 0},  {50, 64, 0},  {47, 60, 0},  {43, 57, 76},
    {40, 53, 73}, {36, 50, 70}, {33, 47, 67}, {30, 43, 63}, {27, 40, 60},
    {24, 36, 57}, {20, 33, 53}, {20, 30, 50}, {20, 27, 47},
}};

} // namespace

std::string Categorie(int32_t rating) {
    static const char* const kRomeins[] = {"I",    "II",  "III",  "IV",    "V",   "VI",   "VII",
                                           "VIII", "IX",  "X",    "XI",    "XII", "XIII", "XIV",
                                           "XV",   "XVI", "XVII", "XVIII", "XIX"};
    return kRomeins[Klasse(rating)];
}

char Klasseletter(int32_t rating) {
    return static_cast<char>('A' + Klasse(rating));
}

std::optional<int> NormPercentage(char letter, FMJDNorm norm) {
    if (letter < 'A' || letter > 'S') return std::nullopt;
    const int p =
        kPercentages[static_cast<std::size_t>(letter - 'A')][static_cast<std::size_t>(norm)];
    if (p == 0) return std::nullopt;
    return p;
}

bool NormBehaald(int32_t punten, int32_t partijen, int percentage) {
    // games × 2 × percentage in hundredths, rounded in whole numbers so that a half is exact.
    const int64_t honderdsten = static_cast<int64_t>(partijen) * 2 * percentage;
    int64_t nodig = honderdsten / 100;
    const int64_t rest = honderdsten % 100;
    if (rest > 50 || (rest == 50 && nodig % 2 != 0)) ++nodig;
    return punten >= nodig;
}

bool NormGehaald(const Spelergegevens& g, FMJDNorm norm) {
    bool titels = false;
    switch (norm) {
    case FMJDNorm::MF:
        titels = g.AantalNorm1 + g.AantalNorm2 + g.AantalNorm3 >= 3;
        break;
    case FMJDNorm::MI:
        titels = g.AantalNorm2 >= 2 || g.AantalNorm2 + g.AantalNorm3 >= 3;
        break;
    case FMJDNorm::GMI:
        titels = g.AantalNorm3 >= 3;
        break;
    }
    const auto p = NormPercentage(Klasseletter(g.TSRating), norm);
    return titels && p && NormBehaald(g.Punten, g.AantalPartijen, *p);
}

int32_t GemiddeldeFMJDRating(const Competitie& c) {
    int64_t som = 0, n = 0;
    auto tel = [&](const Spelergegevens& g) {
        som += g.FMJDRating == 0 ? 2100 : g.FMJDRating;
        ++n;
    };
    for (const auto& regel : c.Ranglijst) tel(regel.Speler->G());
    // A list that needs no standings (the participants) before any computation: the players
    // who will be ranked.
    if (c.Ranglijst.Aantal() == 0)
        for (const auto& s : c.Spelers)
            if (s->InStand()) tel(s->G());
    return static_cast<int32_t>(n == 0 ? 0 : som / n);
}

void SchrijfGemiddeldeRating(const Competitie& c, TUitvoerObject& u) {
    const int32_t gemiddeld = GemiddeldeFMJDRating(c);
    u.Regel(Tekst(T::GemiddeldeRating) + " " + std::to_string(gemiddeld) + " " +
            Tekst(T::categorie) + " " + Categorie(gemiddeld));
    u.Regel();
}

void SchrijfFMJDTabel(const Competitie& c, const Rapportopties& o, TUitvoerObject& u) {
    SchrijfGemiddeldeRating(c, u);
    u.Regel(Tekst(T::FMJDRatingfile) + " " +
            (o.FMJDBestand.empty() ? Tekst(T::FMJDGeenLijst) : o.FMJDBestand));
    u.Regel();

    const struct {
        std::string kop;
        int breedte;
        bool rechts;
    } koppen[] = {{Tekst(T::FMJDID), 9, true},
                  {Tekst(T::Naam), 21, false},
                  {Tekst(T::TsR), 5, true},
                  {Tekst(T::Cat), 6, false},
                  {Tekst(T::Perc), 5, true},
                  {"F", 3, true},
                  {"M", 3, true},
                  {"G", 3, true},
                  {Tekst(T::TitelMF), 4, false},
                  {Tekst(T::TitelMI), 4, false},
                  {Tekst(T::TitelGMI), 4, false}};
    int breedte = 0;
    for (const auto& k : koppen) breedte += k.breedte + 1;
    u.Titel(Tekst(T::FMJDNormentabel) + " " + Tekst(T::NormenOnderVoorbehoud), true);
    for (const auto& k : koppen) {
        Uitvoercel cel = Uitvoercel::MetTekst(k.kop, k.breedte, k.rechts);
        cel.Kopcel = true;
        u.Cel(cel);
    }
    u.EindeRij();
    if (u.IsTekstuitvoer()) u.Regel(std::string(static_cast<std::size_t>(breedte), '-'));

    for (const auto& regel : c.Ranglijst) {
        const Spelergegevens& g = regel.Speler->G();
        std::string naam = g.Naam;
        if (o.FMJDNaam && g.FMJDID != 0)
            if (auto lijstnaam = o.FMJDNaam(g.FMJDID)) naam = *lijstnaam;
        const int32_t perc = g.AantalPartijen == 0 ? 0 : g.Punten * 50 / g.AantalPartijen;
        u.Cel(Uitvoercel::MetGeheel(g.FMJDID, 9));
        u.Cel(Uitvoercel::MetTekst(naam, 21));
        u.Cel(Uitvoercel::MetGeheel(g.TSRating, 5));
        u.Cel(Uitvoercel::MetTekst(Categorie(g.TSRating), 6));
        u.Cel(Uitvoercel::MetTekst(std::to_string(perc) + "%", 5, true));
        for (int32_t aantal : {g.AantalNorm1, g.AantalNorm2, g.AantalNorm3})
            u.Cel(Uitvoercel::MetGeheel(aantal, 3));
        for (FMJDNorm norm : {FMJDNorm::MF, FMJDNorm::MI, FMJDNorm::GMI})
            u.Cel(Uitvoercel::MetTekst(NormGehaald(g, norm) ? "*" : "-", 4));
        u.EindeRij();
    }
    u.EindeTabel();
}

} // namespace velkaro
