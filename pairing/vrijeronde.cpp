#include "pairing/vrijeronde.h"

#include "standings/stand.h"

#include <algorithm>
#include <unordered_set>

namespace velkaro {

namespace {

// Holds back the messages of an attempt that may yet be followed by another one.
class Achterhouden final : public Gesprek {
public:
    explicit Achterhouden(Gesprek& echt) : echt_(echt) {}
    Antwoord Vraag(const std::string& tekst, const std::string& titel, Knoppen knoppen,
                   Pictogram pictogram) override {
        return echt_.Vraag(tekst, titel, knoppen, pictogram);
    }
    void Melding(const std::string&, const std::string&, Pictogram) override {}
    std::optional<std::string> Invoer(const std::string& titel, const std::string& prompt,
                                      const std::string& standaard) override {
        return echt_.Invoer(titel, prompt, standaard);
    }
    std::optional<std::string> KiesBestand(Bestandskeuze& keuze) override {
        return echt_.KiesBestand(keuze);
    }

private:
    Gesprek& echt_;
};

} // namespace

int AantalVrijeRondes(const Competitie& c, int32_t internNummer, int32_t ronde) {
    return static_cast<int>(
        std::count_if(c.Wedstrijden.begin(), c.Wedstrijden.end(), [&](const auto& w) {
            return IsVrij(w->G()) && w->G().Wit == internNummer && w->G().Ronde < ronde;
        }));
}

std::vector<int32_t> VrijKandidaten(const Competitie& c, int32_t ronde) {
    // Ranking order first; a marked player the ranking leaves out (too few games) stands
    // below it.
    std::vector<int32_t> volgorde;
    std::unordered_set<int32_t> gezien;
    for (const auto& regel : c.Ranglijst)
        if (regel.Speler->InRooster() && gezien.insert(regel.Speler->InternNummer()).second)
            volgorde.push_back(regel.Speler->InternNummer());
    for (const auto& s : c.Spelers)
        if (s->InRooster() && gezien.insert(s->InternNummer()).second)
            volgorde.push_back(s->InternNummer());
    std::reverse(volgorde.begin(), volgorde.end());
    std::vector<std::pair<int, int32_t>> metAantal;
    metAantal.reserve(volgorde.size());
    for (int32_t i : volgorde) metAantal.emplace_back(AantalVrijeRondes(c, i, ronde), i);
    std::stable_sort(metAantal.begin(), metAantal.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int32_t> kandidaten;
    kandidaten.reserve(metAantal.size());
    for (const auto& [aantal, i] : metAantal) kandidaten.push_back(i);
    return kandidaten;
}

Roosterresultaat
ParenMetVrijeRonde(Competitie& c, int32_t ronde, Roosteromgeving& omg,
                   const std::function<Roosterresultaat(Roosteromgeving&)>& paren) {
    // The round's old bye goes with its other unplayed matches, so it does not count as one.
    if (c.Wedstrijden.verwijderronde(ronde)) c.MarkeerHerberekenen();
    ranglijst_sorteren(c, true);
    const std::vector<int32_t> kandidaten = VrijKandidaten(c, ronde);
    Achterhouden stil(omg.gesprek);
    Roosterresultaat res;
    res.Uitkomst = Roosteruitkomst::KanNietParen;
    for (std::size_t k = 0; k < kandidaten.size(); ++k) {
        TSpelerObj* speler = c.Spelers.zoekptr(kandidaten[k]);
        const bool laatste = k + 1 == kandidaten.size();
        Roosteromgeving poging{laatste ? omg.gesprek : stil, omg.voortgang, omg.Debugfile};
        speler->WisRooster();
        const long long onderzocht = res.Onderzocht;
        res = paren(poging);
        res.Onderzocht += onderzocht;
        speler->ZetRooster();
        if (res.Uitkomst == Roosteruitkomst::Gestopt) return res;
        if (!res.Gelukt()) continue;
        int32_t nummer = 1;
        for (const auto& w : c.Wedstrijden)
            if (w->G().Ronde == ronde) nummer = std::max(nummer, w->G().Wedstrijdnummer + 1);
        Wedstrijdgegevens g;
        g.Ronde = ronde;
        g.Wedstrijdnummer = nummer;
        g.Wit = kandidaten[k];
        g.Zwart = kGeenTegenstander;
        c.Wedstrijden.Voegtoe(g);
        c.MarkeerHerberekenen();
        res.Nieuw.push_back(g);
        res.VanRonde = res.TotRonde = ronde;
        return res;
    }
    return res;
}

} // namespace velkaro
