#include "entry/groepen.h"

#include "entry/bestand.h"
#include "entry/bestandsfout.h"
#include "entry/conversie.h"
#include "lang/teksten.h"

#include <algorithm>
#include <optional>

namespace velkaro {

using lang::T;
using lang::Tekst;

namespace {

// A whole number of at least 1, or nothing.
std::optional<int32_t> Positief(const std::string& s) {
    const auto n = Geheel(s);
    if (!n || *n < 1) return std::nullopt;
    return n;
}

// Asks until the answer is a whole number of at least 1. A cancelled box counts as the
// default when `annulerenIsStandaard`; otherwise cancelling ends the question with nothing.
std::optional<int32_t> VraagGroepsnummer(Gesprek& gesprek, T titel, T prompt,
                                         const std::string& standaard, bool annulerenIsStandaard) {
    for (;;) {
        auto antwoord = gesprek.Invoer(Tekst(titel), Tekst(prompt), standaard);
        if (!antwoord) {
            if (!annulerenIsStandaard) return std::nullopt;
            antwoord = standaard;
        }
        if (auto n = Positief(*antwoord)) return n;
    }
}

// The open group is written before it is left; a failure stops the operation. A read-only
// competition is left without a word unless the user changed something, which he may then
// give up.
bool SchrijfOpenGroep(Competitie& c, Gesprek& gesprek) {
    if (c.AlleenLezen != Competitie::Alleenlezen::Nee && !c.Gewijzigd) return true;
    if (MeldBestandsfout(gesprek, SchrijfDeelcomp(c))) return true;
    return c.AlleenLezen != Competitie::Alleenlezen::Nee &&
           gesprek.Vraag(Tekst(T::NietOpgeslagenDoorgaan), Tekst(T::Waarschuwing), Knoppen::JaNee,
                         Pictogram::Waarschuwing) == Antwoord::Ja;
}

void MaakOpen(Competitie& c, int32_t bestandsnummer) {
    c.HuidigeDeelcomp = bestandsnummer;
    c.HuidigCompetitienummer = c.Groepen.VraagNummer(bestandsnummer);
}

// Lower case of the ASCII letters: enough for the word in the delete question, whose
// accented letters are lower case already in every language.
std::string KleineLetters(std::string s) {
    for (char& ch : s)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return s;
}

} // namespace

std::vector<Groepsregel> GroepenLijst(const Competitie& c) {
    std::vector<Groepsregel> r;
    for (const auto& g : c.Groepen) r.push_back({GroepRegel(g->G()), g->G().Bestandsnummer});
    std::stable_sort(r.begin(), r.end(),
                     [](const Groepsregel& a, const Groepsregel& b) { return a.Tekst < b.Tekst; });
    return r;
}

bool KiesGroep(Competitie& c, Gesprek& gesprek, int32_t bestandsnummer) {
    if (!c.Groepen.Zoek(bestandsnummer)) return false;
    if (!SchrijfOpenGroep(c, gesprek)) return false;
    MeldSchade(c, gesprek, LaadGroep(c, bestandsnummer));
    return true;
}

int32_t NieuweGroep(Competitie& c, Gesprek& gesprek) {
    if (!SchrijfOpenGroep(c, gesprek)) return 0;
    const std::string standaard = std::to_string(c.Groepen.VindVrijCompetitieNummer());
    const auto nummer = VraagGroepsnummer(gesprek, T::NieuweCompetitiegroep,
                                          T::GeefNummerCompetitiegroep, standaard, true);
    Deelcompgegevens g;
    g.Competitienummer = *nummer;
    g.Bestandsnummer = c.Groepen.VindVrijInternNummer();
    c.Groepen.Voegtoe(g);
    MaakOpen(c, g.Bestandsnummer);
    c.Reset();
    // A new group file: whatever was planted under its name is replaced, not written through.
    if (MeldBestandsfout(gesprek, MaakNieuweBestanden(c, false)))
        MeldBestandsfout(gesprek, SchrijfBestand(c));
    return g.Bestandsnummer;
}

int32_t KopieerGroep(Competitie& c, Gesprek& gesprek, int32_t bestandsnummer) {
    const TDeelcompObj* bron = c.Groepen.Zoek(bestandsnummer);
    if (!bron) return 0;
    if (!SchrijfOpenGroep(c, gesprek)) return 0;
    const Deelcompgegevens bronGegevens = bron->Gegevens();
    // Of a damaged group only what could be read would be copied: the user decides.
    if (!SchadeAanvaard(gesprek, ControleerGroep(c, bronGegevens.Bestandsnummer))) return 0;
    // Cancelling ends the copy: the box would otherwise come back for ever.
    const auto nummer = VraagGroepsnummer(gesprek, T::KopierenCompetitiegroep,
                                          T::GeefNieuwNummerCompetitiegroep, "0", false);
    if (!nummer) return 0;
    Deelcompgegevens g = bronGegevens;
    g.Competitienummer = *nummer;
    g.Bestandsnummer = c.Groepen.VindVrijInternNummer();
    c.Groepen.Voegtoe(g);
    // The copy holds the selected group's data, whichever group was open.
    LaadGroep(c, bronGegevens.Bestandsnummer);
    MaakOpen(c, g.Bestandsnummer);
    if (MeldBestandsfout(gesprek, MaakNieuweBestanden(c, false)))
        MeldBestandsfout(gesprek, SchrijfBestand(c));
    return g.Bestandsnummer;
}

bool HernummerGroep(Competitie& c, Gesprek& gesprek, int32_t bestandsnummer) {
    TDeelcompObj* groep = c.Groepen.Zoek(bestandsnummer);
    if (!groep) return false;
    const auto nummer =
        VraagGroepsnummer(gesprek, T::HernummerenCompetitiegroep, T::GeefNieuwNummerCompetitiegroep,
                          std::to_string(groep->G().Competitienummer), true);
    groep->W().Competitienummer = *nummer;
    if (bestandsnummer == c.HuidigeDeelcomp) c.HuidigCompetitienummer = *nummer;
    return true;
}

bool WijzigGroepsnaam(Competitie& c, Gesprek& gesprek, int32_t bestandsnummer) {
    if (!c.Groepen.Zoek(bestandsnummer)) return false;
    if (!SchrijfOpenGroep(c, gesprek)) return false;
    MeldSchade(c, gesprek, LaadGroep(c, bestandsnummer));
    const auto titel =
        gesprek.Invoer(Tekst(T::NieuweTitelCompetitiegroep),
                       Tekst(T::GeefNieuweTitelCompetitiegroep), c.Opties.Toernooinaam);
    if (titel && *titel != c.Opties.Toernooinaam) {
        c.Opties.Toernooinaam = *titel;
        c.Gewijzigd = true;
    }
    c.Groepen.GeefTitel(bestandsnummer, c.Opties.Toernooinaam);
    return true;
}

bool VerwijderGroep(Competitie& c, Gesprek& gesprek, int32_t bestandsnummer) {
    if (c.Groepen.Aantal() < 2) {
        gesprek.Melding(Tekst(T::CompetitiegroepNietVerwijderd), Tekst(T::Fout), Pictogram::Fout);
        return false;
    }
    const TDeelcompObj* groep = c.Groepen.Zoek(bestandsnummer);
    if (!groep) return false;
    if (!SchrijfOpenGroep(c, gesprek)) return false;
    const bool wasOpen = bestandsnummer == c.HuidigeDeelcomp;
    const std::string vraag = Tekst(T::Verwijder) + " " + KleineLetters(Tekst(T::Competitiegroep)) +
                              " " + std::to_string(groep->G().Competitienummer) + " " +
                              groep->G().Titel + "?";
    if (gesprek.Vraag(vraag, Tekst(T::Bevestiging), Knoppen::JaNee) != Antwoord::Ja) return false;
    c.Groepen.Verwijder(bestandsnummer);
    if (wasOpen) MeldSchade(c, gesprek, LaadGroep(c, c.Groepen.At(0).G().Bestandsnummer));
    // The main file without the group and the removal of its file go as one change.
    MeldBestandsfout(gesprek, VerwijderGroepsbestand(c, bestandsnummer));
    return true;
}

} // namespace velkaro
