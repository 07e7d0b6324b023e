#include "pairing/nieuwe_wedstrijden.h"

namespace velkaro {

int32_t ZwitsersEersteNummer(const Competitie& c, int32_t ronde) {
    return static_cast<int32_t>(c.Spelers.Aantal() / 2) * (ronde - 1) + 1;
}

int32_t EersteNummerNaAantal(const Competitie& c) {
    return static_cast<int32_t>(c.Wedstrijden.Aantal()) + 1;
}

std::set<int32_t> GebruikteNummers(const Competitie& c, int32_t ronde) {
    std::set<int32_t> s;
    for (const auto& w : c.Wedstrijden)
        if (w->G().Ronde == ronde) s.insert(w->G().Wedstrijdnummer);
    return s;
}

int32_t VolgendVrijNummer(int32_t& nummer, const std::set<int32_t>& gebruikt) {
    while (gebruikt.contains(nummer)) ++nummer;
    return nummer++;
}

std::vector<Wedstrijdgegevens> SchrijfParen(Competitie& c, int32_t ronde, int32_t eersteNummer,
                                            std::span<const int> partner,
                                            std::span<const Kleurgegevens> kleuren) {
    std::vector<int32_t> intern(kleuren.size(), 0);
    for (std::size_t p = 1; p < kleuren.size(); ++p) intern[p] = kleuren[p].InternNummer;
    return SchrijfParen(c, ronde, eersteNummer, partner, intern, [&](int i, int j) {
        return EersteSpeeltWit(kleuren[static_cast<std::size_t>(i)],
                               kleuren[static_cast<std::size_t>(j)], ronde);
    });
}

std::vector<Wedstrijdgegevens> SchrijfParen(Competitie& c, int32_t ronde, int32_t eersteNummer,
                                            std::span<const int> partner,
                                            std::span<const int32_t> intern,
                                            const std::function<bool(int, int)>& eersteWit) {
    std::vector<Wedstrijdgegevens> nieuw;
    const int n = static_cast<int>(partner.size()) - 1;
    int32_t nummer = eersteNummer;
    const std::set<int32_t> gebruikt = GebruikteNummers(c, ronde);
    for (int i = 1; i <= n; ++i) {
        const int j = partner[static_cast<std::size_t>(i)];
        // A pair is written once, from its first player; every real position counts, so a
        // field of more than 248 players loses no pair.
        if (j <= i || j > n) continue;
        const int32_t a = intern[static_cast<std::size_t>(i)];
        const int32_t b = intern[static_cast<std::size_t>(j)];
        Wedstrijdgegevens g;
        g.Ronde = ronde;
        g.Wedstrijdnummer = VolgendVrijNummer(nummer, gebruikt);
        const bool iWit = eersteWit(i, j);
        g.Wit = iWit ? a : b;
        g.Zwart = iWit ? b : a;
        c.Wedstrijden.Voegtoe(g);
        nieuw.push_back(g);
    }
    if (!nieuw.empty()) c.MarkeerHerberekenen();
    return nieuw;
}

} // namespace velkaro
