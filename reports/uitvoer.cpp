#include "reports/uitvoer.h"

#include "lang/teksten.h"
#include "model/tekst.h"
#include "storage/bestandsnamen.h"
#include "storage/codepagina.h"
#include "storage/competitiebestand.h"
#include "storage/veiligschrijven.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace velkaro {

namespace fs = std::filesystem;
using lang::T;
using lang::Tekst;

namespace {

// The screen and the printer take a line as wide as a report makes it (the cross table of
// 255 players is 536 characters); the bound only keeps runaway text in check.
constexpr std::size_t kMaxBuffer = 4096;

bool IsStuurregel(std::string_view s) {
    return s.size() >= 2 && s[0] == '$' && s[1] == '$';
}

// Whether a file can be created beside the report's name: the check that makes a missing or
// read-only folder fail when the report starts instead of when it ends. The probe is a
// temporary file as a save makes it (unique, exclusive, never through a link), removed again.
std::optional<std::string> Schrijfbaar(const std::string& pad) {
    Tijdelijkbestand proef;
    const auto res = Tijdelijkbestand::Maak(pad, {}, proef);
    if (res.Ok()) return std::nullopt;
    if (!res.Detail.empty()) return res.Detail;
    return std::string(res.Fout == Bestandsfout::AlleenLezen ? Tekst(T::BestandAlleenLezen)
                                                             : Tekst(T::GeenGewoonBestand));
}

std::optional<std::string> LeesBestaand(const std::string& pad, std::string& inhoud) {
    std::ifstream in(pad, std::ios::binary);
    if (!in) return std::string(std::strerror(errno));
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) return std::string(std::strerror(errno));
    inhoud = s.str();
    return std::nullopt;
}

// A separated value; a text holding the separator, a quote or a line break is quoted, so that
// names like "Jansen, P." keep their own column.
std::string Gescheiden(const std::string& waarde, char scheiding) {
    if (waarde.find_first_of(std::string(1, scheiding) + "\"\r\n") == std::string::npos)
        return waarde;
    std::string r = "\"";
    for (char ch : waarde) {
        if (ch == '"') r += '"';
        r += ch;
    }
    r += '"';
    return r;
}

uint16_t HtmlAttribuut(const Uitvoercel& cel) {
    uint16_t a = 0;
    if (cel.Soort != Celsoort::Tekst || cel.Rechts)
        a |= AttrRechts;
    else
        a |= AttrLinks;
    if (cel.Vet) a |= AttrVet;
    if (cel.Cursief) a |= AttrCursief;
    return a;
}

} // namespace

std::string ExtensieVan(Bestandsformaat f) {
    switch (f) {
    case Bestandsformaat::Rtf:
        return ".rtf";
    case Bestandsformaat::Html:
        return ".htm";
    case Bestandsformaat::Tab:
        return ".tab";
    case Bestandsformaat::Komma:
        return ".csv";
    case Bestandsformaat::Tekst:
        break;
    }
    return ".txt";
}

Bestandsformaat FormaatVanNaam(const std::string& naam) {
    const std::string e = Hoofdletters(Extensie(naam));
    if (e == ".RTF") return Bestandsformaat::Rtf;
    if (e == ".HTM" || e == ".HTML") return Bestandsformaat::Html;
    if (e == ".TAB") return Bestandsformaat::Tab;
    if (e == ".CSV") return Bestandsformaat::Komma;
    return Bestandsformaat::Tekst;
}

BestaandBestand TUitvoerObject::VraagBestaand(const std::string& pad, Bestandsformaat formaat) {
    std::error_code ec;
    if (!fs::exists(pad, ec)) return BestaandBestand::Overschrijven;
    // Appending to an HTML or RTF document would put a second document after its end, so for
    // those only overwriting is offered.
    if (formaat == Bestandsformaat::Html || formaat == Bestandsformaat::Rtf) {
        const Antwoord a = gesprek_.Vraag(Tekst(T::BestandBestaatOverschrijven),
                                          Tekst(T::BestandBestaatAl), Knoppen::JaNee);
        return a == Antwoord::Ja ? BestaandBestand::Overschrijven : BestaandBestand::Annuleren;
    }
    switch (gesprek_.Vraag(Tekst(T::TekstbestandBestaatOverschrijven), Tekst(T::BestandBestaatAl),
                           Knoppen::JaNeeAnnuleren)) {
    case Antwoord::Ja:
        return BestaandBestand::Overschrijven;
    case Antwoord::Nee:
        return BestaandBestand::Toevoegen;
    default:
        return BestaandBestand::Annuleren;
    }
}

bool TUitvoerObject::KiesUitvoerbestand(const std::string& startmap, const std::string& titel) {
    Bestandskeuze k;
    k.Opslaan = true;
    k.Titel = titel;
    k.Map = laatsteMap_.empty() ? startmap : laatsteMap_;
    k.Filters = {Tekst(T::FilterRtf) + "|*.rtf",   Tekst(T::FilterHtml) + "|*.htm",
                 Tekst(T::FilterTab) + "|*.tab",   Tekst(T::FilterKomma) + "|*.csv",
                 Tekst(T::FilterTekst) + "|*.txt", Tekst(T::FilterAlle) + "|*.*"};
    k.FilterIndex = 1;
    auto naam = gesprek_.KiesBestand(k);
    if (!naam || naam->empty()) return false;
    static constexpr Bestandsformaat kPerFilter[] = {
        Bestandsformaat::Rtf,   Bestandsformaat::Html,  Bestandsformaat::Tab,
        Bestandsformaat::Komma, Bestandsformaat::Tekst, Bestandsformaat::Tekst};
    const int i = (k.FilterIndex >= 1 && k.FilterIndex <= 6) ? k.FilterIndex : 1;
    const Bestandsformaat formaat = kPerFilter[i - 1];
    std::string pad = *naam;
    if (Extensie(fs::path(pad).filename().string()).empty()) pad += ExtensieVan(formaat);
    laatsteMap_ = Map(pad);

    const BestaandBestand keuze = VraagBestaand(pad, formaat);
    if (keuze == BestaandBestand::Annuleren) return false;
    bestandsnaam_ = pad;
    formaat_ = formaat;
    gekozen_ = true;
    toevoegen_ = keuze == BestaandBestand::Toevoegen;
    return true;
}

void TUitvoerObject::MeldFout(std::string tekst) {
    fout_ = tekst;
    gesprek_.Melding(tekst, Tekst(T::Fout), Pictogram::Fout);
}

bool TUitvoerObject::OpenUitvoerbestand(const std::string& naam, Bestandsformaat formaat,
                                        const std::string& titel) {
    if (bestandOpen_) SluitUitvoerbestand();
    fout_.reset();
    bool toevoegen = toevoegen_;
    if (!gekozen_ || naam != bestandsnaam_) {
        // A file not chosen through the dialog: the question comes now.
        const BestaandBestand keuze = VraagBestaand(naam, formaat);
        if (keuze == BestaandBestand::Annuleren) return false;
        toevoegen = keuze == BestaandBestand::Toevoegen;
    }
    std::error_code ec;
    if (fs::is_directory(naam, ec)) {
        MeldFout(Tekst(T::BestandNietTeOpenen) + ": " + naam);
        return false;
    }
    if (auto fout = Schrijfbaar(naam)) {
        MeldFout(Tekst(T::BestandNietTeOpenen) + ": " + naam + " (" + *fout + ")");
        return false;
    }
    bestandsnaam_ = naam;
    formaat_ = formaat;
    toevoegen_ = toevoegen;
    inhoud_.clear();
    bestandsregel_.clear();
    regelLeeg_ = true;
    html_.emplace(inhoud_);
    rtf_.emplace(inhoud_);
    rtf_->UitgelijndeKolommen = UitgelijndeKolommen;
    if (!toevoegen) {
        if (formaat == Bestandsformaat::Html) html_->Kop(titel);
        if (formaat == Bestandsformaat::Rtf) {
            if (staand_)
                rtf_->Kop(Rtffont, kA4Kort, kA4Lang, false);
            else
                rtf_->Kop(Rtffont, kA4Lang, kA4Kort, true);
        }
    }
    bestandOpen_ = true;
    return true;
}

bool TUitvoerObject::SluitUitvoerbestand() {
    if (!bestandOpen_) return !fout_.has_value();
    if (!bestandsregel_.empty()) Bestandsregel(bestandsregel_);
    bestandsregel_.clear();
    if (formaat_ == Bestandsformaat::Html) html_->Slot();
    if (formaat_ == Bestandsformaat::Rtf) rtf_->Slot();
    bestandOpen_ = false;
    gekozen_ = false;
    const bool toevoegen = toevoegen_;
    toevoegen_ = false;

    std::string bytes;
    if (toevoegen) {
        std::error_code ec;
        if (fs::exists(bestandsnaam_, ec)) {
            if (auto fout = LeesBestaand(bestandsnaam_, bytes)) {
                MeldFout(Tekst(T::BestandNietTeOpenen) + ": " + bestandsnaam_ + " (" + *fout + ")");
                return false;
            }
        }
    }
    bytes += Utf8NaarWindows1252(inhoud_);
    inhoud_.clear();
    const auto res = SchrijfVeilig(bestandsnaam_, bytes);
    if (!res.Ok()) {
        std::string t = Tekst(T::OpslaanMislukt) + ": " + bestandsnaam_;
        if (!res.Detail.empty()) t += " (" + res.Detail + ")";
        MeldFout(t);
        return false;
    }
    return true;
}

void TUitvoerObject::StartScherm(Regelscherm& scherm) {
    scherm_ = &scherm;
}

void TUitvoerObject::EindeScherm() {
    if (!scherm_) return;
    if (!buffer_.empty() && !IsStuurregel(buffer_)) scherm_->VoegToe(buffer_);
    if (!printer_) {
        buffer_.clear();
        attributen_.clear();
    }
    scherm_->NaarBegin();
    scherm_ = nullptr;
}

void TUitvoerObject::StartPrinter(Afdrukvoorbeeld& voorbeeld) {
    voorbeeld_ = &voorbeeld;
    printer_ = true;
    document_ = Afdrukdocument{};
    regelteller_ = 0;
    buffer_.clear();
    attributen_.clear();
    for (auto& k : koppen_) k.clear();
}

void TUitvoerObject::EindePrinter() {
    if (!printer_) return;
    if (!buffer_.empty()) {
        document_.Regels.push_back({buffer_, attributen_});
        ++regelteller_;
    }
    buffer_.clear();
    attributen_.clear();
    document_.Koppen = koppen_;
    document_.Staand = staand_;
    printer_ = false;
    if (voorbeeld_) voorbeeld_->Druk(document_);
    voorbeeld_ = nullptr;
}

bool TUitvoerObject::TekstBestand() const {
    return bestandOpen_ && formaat_ != Bestandsformaat::Html && formaat_ != Bestandsformaat::Rtf;
}

bool TUitvoerObject::IsTekstuitvoer() const {
    return printer_ || scherm_ != nullptr || formaat_ == Bestandsformaat::Tekst;
}

void TUitvoerObject::Markeer(std::size_t van, std::size_t lengte, char merk) {
    if (attributen_.size() < van + lengte) attributen_.resize(van + lengte, ' ');
    for (std::size_t i = van; i < van + lengte; ++i) attributen_[i] = merk;
}

void TUitvoerObject::Schrijf(const std::string& tekst) {
    if ((printer_ || scherm_) && AantalTekens(buffer_) + AantalTekens(tekst) <= kMaxBuffer)
        buffer_ += tekst;
    if (bestandOpen_) bestandsregel_ += tekst;
}

void TUitvoerObject::RegelNaar(const std::string& tekst, bool naarBestand) {
    if (printer_ || scherm_) {
        std::string lijn = buffer_;
        if (AantalTekens(buffer_) + AantalTekens(tekst) < kMaxBuffer) lijn += tekst;
        if (printer_) {
            document_.Regels.push_back({lijn, attributen_});
            ++regelteller_;
        }
        if (scherm_ && !IsStuurregel(lijn)) scherm_->VoegToe(lijn);
    }
    if (naarBestand && bestandOpen_) Bestandsregel(bestandsregel_ + tekst);
    bestandsregel_.clear();
    regelLeeg_ = true;
    buffer_.clear();
    attributen_.clear();
}

void TUitvoerObject::Bestandsregel(const std::string& lijn) {
    if (IsStuurregel(lijn)) return;
    switch (formaat_) {
    case Bestandsformaat::Html:
        html_->Tekstregel(lijn);
        break;
    case Bestandsformaat::Rtf:
        rtf_->Tekst(lijn);
        inhoud_ += "\r\n";
        rtf_->Alinea();
        break;
    default:
        inhoud_ += lijn;
        inhoud_ += "\r\n";
    }
}

void TUitvoerObject::Regel(const std::string& tekst) {
    RegelNaar(tekst, true);
}

void TUitvoerObject::Kop(const std::string& tekst) {
    if (bestandOpen_ && formaat_ == Bestandsformaat::Rtf) {
        rtf_->Titel(tekst);
        rtf_->Alinea();
        rtf_->Alinea();
    } else if (bestandOpen_ && formaat_ == Bestandsformaat::Html) {
        html_->Bijschrift(tekst, true);
    }
    if (printer_) {
        // A heading of a text report is the printer's only: it reaches no screen and no file.
        for (const char* r : {"$$BOLD", "", " "})
            document_.Regels.push_back({*r ? std::string(r) : tekst, {}});
        regelteller_ += 3;
    }
}

void TUitvoerObject::Titel(const std::string& tekst, bool vet) {
    if (bestandOpen_ && formaat_ == Bestandsformaat::Html) {
        html_->EindePre();
        html_->StartTabel(1, 5);
        html_->Bijschrift(tekst, true);
    } else if (bestandOpen_ && formaat_ == Bestandsformaat::Rtf) {
        rtf_->VetteTitel(tekst);
        rtf_->Alinea();
        rtf_->StartRij(vet);
    }
    if (printer_) RegelNaar("$$BOLD", false);
    RegelNaar(tekst, TekstBestand());
    RegelNaar(" ", TekstBestand());
}

void TUitvoerObject::Cel(const Uitvoercel& cel) {
    if (printer_ || scherm_) {
        const std::string s = CelAlsTekst(cel);
        const std::size_t begin = AantalTekens(buffer_);
        if (begin + AantalTekens(s) <= kMaxBuffer) {
            buffer_ += s;
            const std::size_t lengte = AantalTekens(s) - 1;
            if (cel.Vet)
                Markeer(begin, lengte, 'V');
            else if (cel.Cursief)
                Markeer(begin, lengte, 'C');
            else if (cel.Onderstreept)
                Markeer(begin, lengte, 'O');
        }
    }
    if (!bestandOpen_) return;
    switch (formaat_) {
    case Bestandsformaat::Tekst:
        bestandsregel_ += CelAlsTekst(cel);
        break;
    case Bestandsformaat::Tab:
    case Bestandsformaat::Komma: {
        const char scheiding = formaat_ == Bestandsformaat::Tab ? '\t' : ',';
        if (!regelLeeg_) bestandsregel_ += scheiding;
        // The blanks that align a column on screen are no part of a separated value.
        bestandsregel_ += Gescheiden(Trim(KaleWaarde(cel)), scheiding);
        break;
    }
    case Bestandsformaat::Html:
        if (regelLeeg_) html_->StartRij();
        if (cel.Kopcel)
            html_->Kopcel(KaleWaarde(cel), HtmlAttribuut(cel));
        else
            html_->Cel(cel.Soort == Celsoort::Tekst ? cel.Tekst + " " : KaleWaarde(cel),
                       HtmlAttribuut(cel));
        break;
    case Bestandsformaat::Rtf: {
        uint16_t a = 0;
        if (cel.Soort == Celsoort::Geheel)
            a = AttrRechts;
        else if (cel.Soort == Celsoort::Reeel)
            a = AttrMiddenTab;
        else
            a = (cel.Rechts && rtf_->UitgelijndeKolommen) ? AttrRechts : AttrLinks;
        if (cel.Vet) a |= AttrVet;
        if (cel.Cursief) a |= AttrCursief;
        if (cel.Onderstreept) a |= AttrOnderstreept;
        rtf_->Cel(KaleWaarde(cel), cel.Breedte > 10 ? cel.Breedte + 1 : cel.Breedte, a);
        if (cel.Streepje) rtf_->Cel(cel.Kopcel ? " " : "-", 1, 0);
        break;
    }
    }
    regelLeeg_ = false;
}

void TUitvoerObject::EindeRij() {
    if (bestandOpen_ && formaat_ == Bestandsformaat::Html) {
        if (!regelLeeg_) html_->EindeRij();
        regelLeeg_ = true;
    } else if (bestandOpen_ && formaat_ == Bestandsformaat::Rtf) {
        rtf_->EindeRij();
        regelLeeg_ = true;
    }
    RegelNaar({}, TekstBestand());
}

void TUitvoerObject::EindeTabel() {
    if (bestandOpen_ && formaat_ == Bestandsformaat::Html) {
        html_->EindeTabel();
        html_->StartPre();
    }
    if (printer_ || IsTekstuitvoer()) RegelNaar("$$A", TekstBestand());
}

} // namespace velkaro
