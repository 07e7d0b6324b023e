#include "cli/context.h"

#include "entry/bestand.h"
#include "entry/bestandsfout.h"
#include "lang/teksten.h"
#include "storage/vergrendeling.h"

#include <filesystem>

namespace velkaro::cli {

namespace {

// One command runs at a time in a process; its locks live until the command ends.
Competitieslot& Slot() {
    static Competitieslot slot;
    return slot;
}

Competitieslot& Leesslot() {
    static Competitieslot slot;
    return slot;
}

std::chrono::milliseconds& Wachttijd() {
    static std::chrono::milliseconds w = kSlotWachttijd;
    return w;
}

// A change holds both locks, the change lock first; a reader shares only the read lock, so
// the desktop program having the competition open keeps out changes but not readers.
void NeemSlot(const std::string& pad, Slotsoort soort) {
    if (soort == Slotsoort::Exclusief) {
        auto r = Competitieslot::Neem(pad, soort, Wachttijd(), Slot(), Slotdoel::Wijzigen);
        if (!r.Ok()) throw Weigering(BestandsfoutTekst(r));
    }
    auto r = Competitieslot::Neem(pad, soort, Wachttijd(), Leesslot(), Slotdoel::Lezen);
    if (!r.Ok()) throw Weigering(BestandsfoutTekst(r));
}

} // namespace

void Open(Competitie& c, const std::string& pad, std::ostream& err) {
    NeemSlot(pad, Slotsoort::Exclusief);
    auto r = OpenBestand(c, pad);
    if (!r.Ok()) throw Weigering(BestandsfoutTekst(r));
    if (r.Hersteld) err << lang::Tekst(lang::T::WijzigingHersteld) << '\n';
    // A save now would make the loss permanent: refuse before anything is changed.
    if (!r.Schade.empty())
        throw Weigering(SchadeTekst(r.Schade.front()) + "; " +
                        lang::Tekst(lang::T::NietsGewijzigd));
}

void OpenLezen(Competitie& c, const std::string& pad, std::ostream& err) {
    NeemSlot(pad, Slotsoort::Gedeeld);
    auto r = OpenBestand(c, pad);
    if (!r.Ok()) throw Weigering(BestandsfoutTekst(r));
    if (r.Hersteld) err << lang::Tekst(lang::T::WijzigingHersteld) << '\n';
    for (const auto& s : r.Schade)
        err << lang::Tekst(lang::T::Waarschuwing) << ": " << SchadeTekst(s) << '\n';
    MeldAndereGroepen(c, err);
}

bool MeldAndereGroepen(const Competitie& c, std::ostream& err) {
    bool schade = false;
    for (const auto& g : c.Groepen) {
        if (g->G().Bestandsnummer == c.HuidigeDeelcomp) continue;
        for (const auto& s : ControleerGroep(c, g->G().Bestandsnummer).Schade) {
            err << lang::Tekst(lang::T::Waarschuwing) << ": " << SchadeTekst(s) << '\n';
            schade = true;
        }
    }
    return schade;
}

void VergrendelLezen(const std::string& pad) {
    NeemSlot(pad, Slotsoort::Gedeeld);
}

void Vergrendel(const std::string& pad) {
    NeemSlot(pad, Slotsoort::Exclusief);
}

void LaatSlotLos() {
    Leesslot().Laat();
    Slot().Laat();
}

void ZetSlotWachttijd(std::chrono::milliseconds wachttijd) {
    Wachttijd() = wachttijd;
}

void Bewaar(Competitie& c) {
    auto r = SchrijfBestand(c);
    if (!r.Ok()) throw Weigering(BestandsfoutTekst(r));
}

Antwoord CliGesprek::Vraag(const std::string& tekst, const std::string&, Knoppen, Pictogram) {
    if (!Antwoorden) {
        if (AntwoordOpties.empty()) throw Weigering(tekst);
        throw Weigering(tekst + " (" + lang::Tekst(lang::T::AntwoordMetOptie) + " " +
                        AntwoordOpties + ")");
    }
    return *Antwoorden;
}

void CliGesprek::Melding(const std::string& tekst, const std::string& titel, Pictogram pictogram) {
    if (pictogram == Pictogram::Fout) throw Weigering(tekst);
    meldingen_ << titel << ": " << tekst << '\n';
}

std::optional<std::string> CliGesprek::Invoer(const std::string&, const std::string& prompt,
                                              const std::string&) {
    if (Invoeren.empty()) throw Weigering(prompt);
    std::string t = Invoeren.front();
    Invoeren.pop_front();
    return t;
}

int32_t BestaandeRonde(const Competitie& c, const std::string& tekst) {
    const auto r = static_cast<int32_t>(GetalArgument(tekst, "ROUND", 1, kMaxRonde));
    if (!c.Rondes.RondeBestaat(r)) throw Weigering(lang::Tekst(lang::T::RondeBestaatNiet));
    return r;
}

bool BestaandeDatum(int dag, int maand, int jaar) {
    static constexpr int dagen[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schrikkel = (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0;
    return jaar >= 1 && maand >= 1 && maand <= 12 && dag >= 1 &&
           dag <= (maand == 2 && !schrikkel ? 28 : dagen[maand - 1]);
}

void ControleerRondebereik(const Argumenten& a) {
    const auto van = a.Getal("--from", 0, 999), tot = a.Getal("--to", 0, 999);
    if (van && tot && *van > *tot)
        throw Gebruiksfout("--from " + std::to_string(*van) + " --to " + std::to_string(*tot) +
                           ": " + lang::Tekst(lang::T::LeegRondebereik));
}

MersenneToeval ToevalMetZaad(const std::optional<long long>& zaad) {
    return zaad ? MersenneToeval(static_cast<unsigned>(*zaad)) : MersenneToeval();
}

TSpelerObj& SpelerMetLoting(Competitie& c, int32_t lotingnummer) {
    TSpelerObj* s = c.Spelers.zoeklotingptr(lotingnummer);
    if (!s)
        throw Weigering(lang::Tekst(lang::T::GeenSpelerMetNummer) + " " +
                        std::to_string(lotingnummer));
    return *s;
}

twedstrijdobj& ZoekWedstrijd(Competitie& c, long long ronde, long long nummer) {
    for (auto& w : c.Wedstrijden)
        if (w->G().Ronde == ronde && w->G().Wedstrijdnummer == nummer) return *w;
    throw Weigering(lang::Tekst(lang::T::GeenWedstrijd));
}

std::optional<std::string> CliGesprek::KiesBestand(Bestandskeuze& keuze) {
    throw Weigering(keuze.Titel);
}

Ratinglijsten LaadRatinglijsten(const Competitie& c) {
    std::error_code fout;
    const auto programma = std::filesystem::read_symlink("/proc/self/exe", fout);
    Ratinglijsten l;
    l.Mappen = StandaardRatingmappen(fout ? std::string() : programma.parent_path().string());
    l.Laad();
    if (l.BeideFMJD && l.FMJD64 != c.Opties.FMJD64()) l.KiesFMJD(c.Opties.FMJD64());
    return l;
}

} // namespace velkaro::cli
