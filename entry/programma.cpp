#include "entry/programma.h"

#include "entry/bestand.h"
#include "entry/bestandsfout.h"
#include "entry/herstel.h"
#include "entry/importeren.h"
#include "entry/instellingen.h"
#include "lang/namen.h"
#include "lang/teksten.h"
#include "model/tekst.h"
#include "storage/bestandsnamen.h"
#include "storage/vergrendeling.h"

#include <filesystem>

#ifndef VELKARO_VERSIE
#define VELKARO_VERSIE "0"
#endif

namespace velkaro {

namespace fs = std::filesystem;
using lang::T;
using lang::Tekst;

namespace {

const char* kBestanden = "Bestanden";
constexpr std::size_t kWerkmapLengte = 100;
// A command-line save holds the lock for moments; a longer wait would only freeze the window
// while another desktop program keeps the competition open.
constexpr std::chrono::milliseconds kVensterWachttijd{2000};

std::string Bestandsdeel(const std::string& pad) {
    return fs::path(pad).filename().string();
}

bool Bestaat(const std::string& pad) {
    std::error_code ec;
    return !pad.empty() && fs::is_regular_file(pad, ec);
}

std::string Aantal(bool geladen, std::size_t n) {
    return geladen ? std::to_string(n) : "-";
}

} // namespace

std::string Versietekst() {
    return VELKARO_VERSIE;
}

Panelen BerekenPanelen(const Competitie& c, std::size_t buitenCollectie) {
    Panelen p;
    const bool geladen = c.Geladen();
    p.Venstertitel = geladen ? Tekst(T::Velkaro) + " - " + Bestandsdeel(c.Bestandsnaam)
                             : Tekst(T::Velkaro) + " " + Versietekst();
    if (geladen && c.AlleenLezen != Competitie::Alleenlezen::Nee)
        p.Venstertitel += Tekst(T::TitelAlleenLezen);
    p.Spelers = Aantal(geladen, c.Spelers.Aantal());
    p.Rondes = Aantal(geladen, c.Rondes.Aantal());
    p.Wedstrijden = Aantal(geladen, c.Wedstrijden.Aantal() + buitenCollectie);
    // Before anything is loaded there is no system to show, only the defaults of nothing.
    p.Systeem = geladen ? lang::SysteemNaam(c.Opties.Rekensysteem) : "-";
    p.Sorteervolgorde = geladen ? SorteervolgordeTekst(c.Opties.Sorteervolgorde) : "";
    p.SorteervolgordeZichtbaar = !Trim(p.Sorteervolgorde).empty();
    const std::string nummer = std::to_string(c.HuidigCompetitienummer);
    p.Competitie = c.Opties.Toernooinaam.empty() ? nummer + Tekst(T::GeenTitel)
                                                 : nummer + " " + c.Opties.Toernooinaam;
    p.Bestand = Tekst(T::Bestand) + " " + c.Bestandsnaam;
    p.Groepen = Tekst(T::AantalCompetities) + ": " + std::to_string(c.Groepen.Aantal());
    if (geladen) {
        p.Status = {p.Competitie,
                    "",
                    Tekst(T::Sp) + p.Spelers,
                    Tekst(T::Ro) + p.Rondes,
                    Tekst(T::We) + p.Wedstrijden,
                    p.Systeem + " " + p.Sorteervolgorde};
    }
    return p;
}

std::vector<std::string> OpenFilters() {
    return {Tekst(T::FilterVelkaro) + "|*.xv7",      Tekst(T::FilterZandor) + "|*.z6e",
            Tekst(T::FilterWDS) + "|*.wds",          Tekst(T::FilterZwitsers) + "|*.dee",
            Tekst(T::FilterTurboDambase) + "|*.doc", Tekst(T::FilterAlles) + "|*"};
}

void Programma::LeesInstellingen(const Ini& ini) {
    if (auto m = ini.Waarde(kBestanden, "DataPath")) c_.Werkmap = Kap(*m, kWerkmapLengte);
    for (std::size_t i = 0; i < c_.RecenteBestanden.size(); ++i)
        if (auto f = ini.Waarde(kBestanden, "File_" + std::to_string(i + 1)))
            c_.RecenteBestanden[i] = *f;
    if (auto t = ini.Waarde(kBestanden, "Taal")) lang::KiesTaal(lang::TaalVanNaam(*t));
}

void Programma::SchrijfInstellingen(Ini& ini) const {
    ini.Zet(kBestanden, "DataPath", c_.Werkmap);
    for (std::size_t i = 0; i < c_.RecenteBestanden.size(); ++i)
        ini.Zet(kBestanden, "File_" + std::to_string(i + 1), c_.RecenteBestanden[i]);
    ini.Zet(kBestanden, "Taal", std::string(lang::NaamVanTaal(lang::HuidigeTaal())));
}

bool Programma::BewaarVoorWissel() {
    if (!Geladen()) return true;
    // The user chose read-only: only changes he made are worth a word.
    if (c_.AlleenLezen != Competitie::Alleenlezen::Nee && !c_.Gewijzigd) return true;
    if (MeldBestandsfout(gesprek_, SchrijfBestand(c_))) {
        if (NaOpslaan) NaOpslaan();
        return true;
    }
    return gesprek_.Vraag(Tekst(T::NietOpgeslagenDoorgaan), Tekst(T::Waarschuwing), Knoppen::JaNee,
                          Pictogram::Waarschuwing) == Antwoord::Ja;
}

bool Programma::NeemSlot(const std::string& naam, bool alleenLezenAanbieden, Competitieslot& slot,
                         bool& alleenLezen) {
    // The competition that is open again: its own lock must not stand in the way.
    if (Geladen() && IsEigenBestand(c_, MetXv7(naam))) slot_.Laat();
    alleenLezen = false;
    // Only a competition file is locked; any other file is refused or imported by the reader.
    if (Hoofdletters(Extensie(naam)) != ".XV7") return true;
    const auto r = Competitieslot::Neem(naam, Slotsoort::Exclusief, kVensterWachttijd, slot);
    if (r.Ok()) return true;
    if (!alleenLezenAanbieden) return MeldBestandsfout(gesprek_, r);
    alleenLezen = gesprek_.Vraag(BestandsfoutTekst(r) + "\n\n" + Tekst(T::AlleenLezenOpenen),
                                 Tekst(T::Waarschuwing), Knoppen::JaNee,
                                 Pictogram::Waarschuwing) == Antwoord::Ja;
    return alleenLezen;
}

void Programma::HerneemSlot() {
    if (!Geladen()) slot_.Laat();
    if (Geladen() && !slot_.Vast() && c_.AlleenLezen != Competitie::Alleenlezen::Competitie)
        Competitieslot::Neem(c_.Bestandsnaam, Slotsoort::Exclusief, {}, slot_);
}

bool Programma::Lees(const std::string& naam) {
    if (IsImportbestand(naam) || IsZ6EBestand(naam)) return Importeer(naam);
    Competitieslot slot;
    bool alleenLezen = false;
    if (!NeemSlot(naam, true, slot, alleenLezen)) {
        HerneemSlot();
        return false;
    }
    const auto r = OpenBestand(c_, naam);
    if (!MeldBestandsfout(gesprek_, r)) {
        HerneemSlot();
        return false;
    }
    slot_ = std::move(slot);
    c_.AlleenLezen =
        alleenLezen ? Competitie::Alleenlezen::Competitie : Competitie::Alleenlezen::Nee;
    if (r.Hersteld)
        gesprek_.Melding(Tekst(T::WijzigingHersteld), Tekst(T::Informatie), Pictogram::Informatie);
    MeldSchade(c_, gesprek_, r);
    // A recovery copy left by a program that did not end normally is offered first.
    if (!alleenLezen && r.Schade.empty()) BiedHerstelAan(c_, gesprek_);
    return true;
}

bool Programma::Importeer(const std::string& naam) {
    // The competition an import makes is locked as one that is opened. Its name is known
    // beforehand except for a z6e file, whose name the user chooses during the import.
    Competitieslot slot;
    bool alleenLezen = false;
    if (!IsZ6EBestand(naam) && !NeemSlot(ImportDoel(naam), false, slot, alleenLezen)) {
        HerneemSlot();
        return false;
    }
    if (!ImporteerBestand(c_, gesprek_, naam)) {
        HerneemSlot();
        return false;
    }
    if (!slot.Vast()) {
        slot_.Laat(); // the competition it held is no longer loaded
        Competitieslot::Neem(c_.Bestandsnaam, Slotsoort::Exclusief, {}, slot);
    }
    slot_ = std::move(slot);
    c_.AlleenLezen = Competitie::Alleenlezen::Nee;
    return true;
}

bool Programma::Exporteren() {
    return Geladen() && ExporteerWDSMetMelding(c_, gesprek_);
}

bool Programma::Openen() {
    Bestandskeuze k;
    k.Titel = Tekst(T::DlgOpenen);
    k.Map = c_.Werkmap;
    k.Filters = OpenFilters();
    k.FilterIndex = 1;
    const auto naam = gesprek_.KiesBestand(k);
    if (!naam) return false;
    if (!BewaarVoorWissel()) return false;
    c_.Werkmap = Kap(Map(*naam), kWerkmapLengte);
    return Lees(*naam);
}

bool Programma::OpenNaam(const std::string& naam) {
    if (!BewaarVoorWissel()) return false;
    return Lees(naam);
}

bool Programma::Nieuw() {
    if (!BewaarVoorWissel()) return false;
    Bestandskeuze k;
    k.Opslaan = true;
    k.Titel = Tekst(T::DlgNieuw);
    k.Map = c_.Werkmap;
    k.Filters = {Tekst(T::FilterVelkaro) + "|*.xv7"};
    auto naam = gesprek_.KiesBestand(k);
    if (!naam || naam->empty()) return false;
    if (Extensie(*naam).empty()) *naam += ".xv7";
    if (Bestaat(MetXv7(*naam)) &&
        gesprek_.Vraag(Tekst(T::Overschrijven) + "?", Tekst(T::BestandBestaatAl), Knoppen::JaNee) !=
            Antwoord::Ja)
        return false;
    Competitieslot slot;
    bool alleenLezen = false;
    if (!NeemSlot(MetXv7(*naam), false, slot, alleenLezen)) {
        HerneemSlot();
        return false;
    }
    slot_ = std::move(slot);
    c_.VolledigeReset();
    // A new competition starts without the particulars of the one before.
    c_.Toernooi = Toernooigegevens{};
    c_.Bestandsnaam = *naam;
    Deelcompgegevens g;
    g.Competitienummer = 1;
    g.Bestandsnummer = c_.Groepen.VindVrijInternNummer();
    c_.Groepen.Voegtoe(g);
    c_.HuidigeDeelcomp = g.Bestandsnummer;
    c_.HuidigCompetitienummer = 1;
    MeldBestandsfout(gesprek_, SchrijfBestand(c_));
    return true;
}

bool Programma::Opslaan() {
    if (!Geladen()) return false;
    if (!MeldBestandsfout(gesprek_, SchrijfBestand(c_))) return false;
    gesprek_.Melding(Tekst(T::Bestand) + " " + c_.Bestandsnaam + " " + Tekst(T::Weggeschreven),
                     Tekst(T::Informatie), Pictogram::Informatie);
    if (NaOpslaan) NaOpslaan();
    return true;
}

bool Programma::WisAlleUitslagen() {
    if (!Geladen()) return false;
    if (gesprek_.Vraag(Tekst(T::AlleUitslagenWissen) + "?", Tekst(T::Bevestiging),
                       Knoppen::JaNee) != Antwoord::Ja)
        return false;
    c_.Wedstrijden.Wissen();
    c_.Rondes.Wissen();
    c_.MarkeerHerberekenen();
    return true;
}

bool Programma::Heropenen() {
    if (!Geladen()) return false;
    if (gesprek_.Vraag(Tekst(T::WeetUHetZeker), Tekst(T::Waarschuwing), Knoppen::OkAnnuleren,
                       Pictogram::Waarschuwing) != Antwoord::Ok)
        return false;
    MeldSchade(c_, gesprek_, LaadGroep(c_, c_.HuidigeDeelcomp));
    return true;
}

void Programma::Hersorteren() {
    if (Geladen()) c_.MarkeerHerberekenen();
}

bool Programma::Afsluiten() {
    if (!BewaarVoorWissel()) return false;
    slot_.Laat(); // the program ends: others may change the competition again
    return true;
}

std::vector<std::string> Programma::RecenteMenu() const {
    std::vector<std::string> r;
    for (const auto& f : c_.RecenteBestanden)
        if (Bestaat(f)) r.push_back(f);
    return r;
}

std::optional<std::string> Programma::Snelknop() const {
    if (Geladen() || !Bestaat(c_.RecenteBestanden[0])) return std::nullopt;
    return Bestandsdeel(c_.RecenteBestanden[0]);
}

} // namespace velkaro
