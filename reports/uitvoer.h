// The report output channel: every report is written as lines and table cells, which reach the
// open destinations at once - a screen view, the printer's document model, and a file in one of
// five formats (text, tab- and comma-separated, HTML, RTF), written in Windows-1252.
#pragma once

#include "model/gesprek.h"
#include "reports/html.h"
#include "reports/rtf.h"
#include "reports/uitvoercel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velkaro {

enum class Bestandsformaat : uint8_t { Tekst = 0, Tab = 1, Komma = 2, Html = 3, Rtf = 4 };

// The read-only, non-wrapping text view of a report on screen.
class Regelscherm {
public:
    virtual ~Regelscherm() = default;
    virtual void VoegToe(const std::string& regel) = 0;
    // Places the caret at the start once the report is complete.
    virtual void NaarBegin() {}
};

// One printed line with its attribute marks: empty when the line has none, else one mark per
// character ("V" bold, "C" italic, "O" underlined, " " none).
struct Afdrukregel {
    std::string Tekst;
    std::string Attributen;
    bool operator==(const Afdrukregel&) const = default;
};

// What the print preview paginates: the lines, including the "$$" control lines ("$$A",
// "$$NA", "$$BOLD", "$$FF"), the three header texts and the orientation.
struct Afdrukdocument {
    std::vector<Afdrukregel> Regels;
    std::array<std::string, 3> Koppen;
    bool Staand = true;
};

// The print preview: it receives a finished document and prints it page by page.
class Afdrukvoorbeeld {
public:
    virtual ~Afdrukvoorbeeld() = default;
    virtual void Druk(const Afdrukdocument& document) = 0;
};

// The answer to "the file exists".
enum class BestaandBestand { Overschrijven, Toevoegen, Annuleren };

class TUitvoerObject {
public:
    explicit TUitvoerObject(Gesprek& gesprek) : gesprek_(gesprek) {}

    // The program-wide fonts: the RTF font ("Times New Roman" when empty) and the print font.
    std::string Rtffont;
    std::string Printfont = "Courier New";
    // Copied to the RTF writer when an RTF file is opened.
    bool UitgelijndeKolommen = true;

    // The save dialog; on success the name and format are kept and, when the file exists, the
    // user has chosen to overwrite or append. False when cancelled.
    bool KiesUitvoerbestand(const std::string& startmap, const std::string& titel);
    // Opens a file; an existing one not chosen through the dialog raises the question. Errors
    // leave no file open and are shown; Fout() then holds the message.
    bool OpenUitvoerbestand(const std::string& naam, Bestandsformaat formaat,
                            const std::string& titel);
    // Writes the trailer and replaces the file only when all of it could be written.
    bool SluitUitvoerbestand();

    void StartScherm(Regelscherm& scherm);
    void EindeScherm();
    void StartPrinter(Afdrukvoorbeeld& voorbeeld);
    void EindePrinter();

    bool IsTekstuitvoer() const;

    bool Staand() const { return staand_; }
    void ZetStaand() { staand_ = true; }
    void ZetLiggend() { staand_ = false; }

    void ZetKoptekst(std::size_t i, std::string tekst) { koppen_.at(i) = std::move(tekst); }

    void Kop(const std::string& tekst);
    void Titel(const std::string& tekst, bool vet);
    void Cel(const Uitvoercel& cel);
    void Schrijf(const std::string& tekst);
    void Regel(const std::string& tekst = {});
    void EindeRij();
    void EindeTabel();

    // State for the dialog and the callers.
    bool BestandOpen() const { return bestandOpen_; }
    bool PrinterOpen() const { return printer_; }
    bool SchermOpen() const { return scherm_ != nullptr; }
    Bestandsformaat Formaat() const { return formaat_; }
    const std::string& Bestandsnaam() const { return bestandsnaam_; }
    bool Toevoegen() const { return toevoegen_; }
    const std::optional<std::string>& Fout() const { return fout_; }
    const Afdrukdocument& Document() const { return document_; }
    // Lines passed to the printer since StartPrinter.
    int Regelteller() const { return regelteller_; }

private:
    // Asks what to do with the file when it exists; a new file is written from the start
    // (Overschrijven) without a question.
    BestaandBestand VraagBestaand(const std::string& pad, Bestandsformaat formaat);
    void MeldFout(std::string tekst);
    // Ends the current line on screen and printer and, when naarBestand, in the file.
    void RegelNaar(const std::string& tekst, bool naarBestand);
    // Writes one finished line to the file in its format; "$$" lines never get there.
    void Bestandsregel(const std::string& lijn);
    void Markeer(std::size_t van, std::size_t lengte, char merk);
    bool TekstBestand() const;

    Gesprek& gesprek_;
    Bestandsformaat formaat_ = Bestandsformaat::Tekst;
    std::string bestandsnaam_;
    bool gekozen_ = false;
    bool toevoegen_ = false;
    std::string laatsteMap_;

    bool bestandOpen_ = false;
    std::string inhoud_;        // the file's new text (UTF-8), written out when it is closed
    std::string bestandsregel_; // the file's current line
    bool regelLeeg_ = true;
    std::optional<TInternetUitvoerObject> html_;
    std::optional<Rtfschrijver> rtf_;

    bool printer_ = false;
    Afdrukvoorbeeld* voorbeeld_ = nullptr;
    Afdrukdocument document_;
    int regelteller_ = 0;
    Regelscherm* scherm_ = nullptr;
    std::string buffer_;
    std::string attributen_;
    std::array<std::string, 3> koppen_;
    bool staand_ = true;
    std::optional<std::string> fout_;
};

// The extension that goes with a format (".rtf", ".htm", ".tab", ".csv", ".txt") and the
// format that goes with a file name's extension (text for anything unknown).
std::string ExtensieVan(Bestandsformaat formaat);
Bestandsformaat FormaatVanNaam(const std::string& naam);

} // namespace velkaro
