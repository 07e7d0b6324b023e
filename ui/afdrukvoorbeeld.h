// The print preview "Afdrukken" (Twprint): it receives a finished report document, shows its
// pages as they will be printed, and prints them on a printer of the user's choice or into a
// PDF file. The drawing itself (TekenDocument) also serves the headless print.
#pragma once

#include "model/gesprek.h"
#include "reports/pagina.h"
#include "reports/uitvoer.h"
#include "ui/dialoog.h"

#include <QFont>

#include <memory>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class QSpinBox;

namespace velkaro::ui {

// The print font: the family by name in the given size, fixed pitch also when the family is
// missing.
QFont Printfont(const std::string& naam, double punten);
// A4 with margins of 10 mm, the page a report starts on.
void Standaardpagina(QPrinter& printer);
// What a page of the printer holds in this font with this left margin.
Bladmaat MeetBlad(QPrinter& printer, const QFont& font, double kantlijnMm);
// Paginates and draws a document on the printer (which takes its orientation from the
// caller), its pages numbered from eersteBlad; returns the number of pages, or -1 when the
// printer could not be started.
int TekenDocument(QPrinter& printer, const Afdrukdocument& document, const QFont& font,
                  double kantlijnMm, const Datum& nu, int eersteBlad = 1);

class AfdrukDialoog final : public Dialoog, public Afdrukvoorbeeld {
    Q_OBJECT
public:
    AfdrukDialoog(Omgeving& o, QWidget* ouder);
    ~AfdrukDialoog() override;
    void Vertaal() override;

    // Shows the document in the preview (modal); the user prints it or saves it as PDF.
    void Druk(const Afdrukdocument& document) override;
    // Puts a document into the preview without showing the dialog.
    void Laad(const Afdrukdocument& document);
    // The printer set-up (paper, orientation, margins); true when accepted.
    bool PrinterInstellen(QWidget* vanuit);
    QPrinter& Printer() { return *printer_; }
    // Writes the document shown into a PDF; false (with a message) when it could not.
    bool BewaarPdf(const std::string& pad);

    // The pages and page measure of the last layout, shown or written.
    int Bladen() const { return bladen_; }
    Bladmaat Maat() const { return maat_; }
    double Punten() const { return punten_; }
    const Afdrukdocument& Document() const { return document_; }

private:
    QFont Font() const;
    void Teken(QPrinter* printer);
    void KiesFont();
    void Print();
    void Pdf();

    std::unique_ptr<QPrinter> printer_;
    QPrintPreviewWidget* voorbeeld_;
    QSpinBox* spKantlijn_;
    QLabel *lblKantlijn_, *lblBladen_;
    QPushButton *knopFont_, *knopPrint_, *knopPrinter_, *knopPdf_, *knopSluiten_, *knopHelp_;
    QPushButton *knopBreedte_, *knopPagina_, *knopIn_, *knopUit_;
    Afdrukdocument document_;
    Datum nu_;
    double punten_ = 9;
    int bladen_ = 0;
    // The page counter: every print or PDF numbers its pages on from the last one's, for as
    // long as the program runs.
    int eersteBlad_ = 1;
    Bladmaat maat_;
};

} // namespace velkaro::ui
