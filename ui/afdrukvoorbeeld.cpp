#include "ui/afdrukvoorbeeld.h"

#include "model/systeem.h"
#include "model/tekst.h"
#include "reports/rapportdialoog.h"
#include "storage/bestandsnamen.h"
#include "storage/competitiebestand.h"
#include "ui/tekst.h"

#include <QFontDialog>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace velkaro::ui {

using lang::T;

namespace {

// The runs of equal attribute marks of a line, drawn character cell by character cell so
// that bold and plain text keep the same columns.
void TekenRegel(QPainter& p, const Bladregel& r, const QFont& font, double x, double y,
                double teken) {
    const QString tekst = Q(r.Tekst);
    const QString merken = Q(r.Attributen);
    qsizetype i = 0;
    while (i < tekst.size()) {
        const QChar merk = i < merken.size() ? merken[i] : QChar(' ');
        qsizetype j = i + 1;
        while (j < tekst.size() && (j < merken.size() ? merken[j] : QChar(' ')) == merk) ++j;
        QFont f = font;
        f.setBold(r.Vet || merk == QLatin1Char('V'));
        f.setItalic(merk == QLatin1Char('C'));
        f.setUnderline(merk == QLatin1Char('O'));
        p.setFont(f);
        p.drawText(QPointF(x + static_cast<double>(i) * teken, y), tekst.mid(i, j - i));
        i = j;
    }
}

} // namespace

QFont Printfont(const std::string& naam, double punten) {
    QFont f(Q(naam.empty() ? std::string("Courier New") : naam));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSizeF(punten > 0 ? punten : 9);
    return f;
}

void Standaardpagina(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

Bladmaat MeetBlad(QPrinter& printer, const QFont& font, double kantlijnMm) {
    const QFontMetricsF fm(font, &printer);
    const double kantlijn = kantlijnMm / 25.4 * printer.resolution();
    Bladmaat m;
    m.RegelsPerBlad = std::max(1, static_cast<int>(printer.height() / fm.lineSpacing()));
    m.TekensPerRegel =
        std::max(1, static_cast<int>((printer.width() - kantlijn) / fm.horizontalAdvance('M')));
    return m;
}

int TekenDocument(QPrinter& printer, const Afdrukdocument& document, const QFont& font,
                  double kantlijnMm, const Datum& nu, int eersteBlad) {
    const Bladmaat maat = MeetBlad(printer, font, kantlijnMm);
    const auto bladen = Pagineer(document, maat, nu, eersteBlad);
    QPainter p;
    if (!p.begin(&printer)) return -1;
    const QFontMetricsF fm(font, &printer);
    const double kantlijn = kantlijnMm / 25.4 * printer.resolution();
    const double teken = fm.horizontalAdvance('M');
    const double breedte = maat.TekensPerRegel * teken;
    for (std::size_t b = 0; b < bladen.size(); ++b) {
        if (b > 0 && !printer.newPage()) return -1;
        double y = fm.ascent();
        for (const Bladregel& r : bladen[b].Regels) {
            if (r.Passen) {
                // A wide line drawn narrower, so that all of it stays on the page.
                const double nodig = static_cast<double>(AantalTekens(r.Tekst)) * teken;
                p.save();
                p.translate(kantlijn, y);
                p.scale(breedte / nodig, 1.0);
                TekenRegel(p, r, font, 0, 0, teken);
                p.restore();
            } else {
                TekenRegel(p, r, font, kantlijn, y, teken);
            }
            y += fm.lineSpacing();
        }
    }
    return p.end() ? static_cast<int>(bladen.size()) : -1;
}

AfdrukDialoog::AfdrukDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "Twprint", "afdrukken", ouder),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    Standaardpagina(*printer_);
    voorbeeld_ = new QPrintPreviewWidget(printer_.get(), this);
    voorbeeld_->setObjectName("voorbeeld");
    connect(voorbeeld_, &QPrintPreviewWidget::paintRequested, this, &AfdrukDialoog::Teken);
    spKantlijn_ = new QSpinBox(this);
    spKantlijn_->setObjectName("edKantlijn");
    spKantlijn_->setRange(0, 60);
    spKantlijn_->setValue(10);
    lblKantlijn_ = new QLabel(this);
    lblKantlijn_->setBuddy(spKantlijn_);
    lblBladen_ = new QLabel(this);
    lblBladen_->setObjectName("lblBladen");
    connect(spKantlijn_, &QSpinBox::valueChanged, voorbeeld_, &QPrintPreviewWidget::updatePreview);
    auto knop = [this](const char* naam) {
        auto* k = new QPushButton(this);
        k->setObjectName(naam);
        return k;
    };
    knopFont_ = knop("knopFont");
    knopPrint_ = knop("knopPrint");
    knopPrinter_ = knop("knopPrinter");
    knopPdf_ = knop("knopPdf");
    knopSluiten_ = knop("knopSluiten");
    knopHelp_ = knop("knopHelp");
    knopPrint_->setDefault(true);
    connect(knopFont_, &QPushButton::clicked, this, &AfdrukDialoog::KiesFont);
    connect(knopPrint_, &QPushButton::clicked, this, &AfdrukDialoog::Print);
    connect(knopPrinter_, &QPushButton::clicked, this, [this] {
        if (PrinterInstellen(this)) voorbeeld_->updatePreview();
    });
    connect(knopPdf_, &QPushButton::clicked, this, &AfdrukDialoog::Pdf);
    connect(knopSluiten_, &QPushButton::clicked, this, &QDialog::accept);
    connect(knopHelp_, &QPushButton::clicked, this, &AfdrukDialoog::OpenHelp);
    // Zoom: the page's width, the whole page, a step in or out (Ctrl++ and Ctrl+-).
    knopBreedte_ = knop("knopPaginabreedte");
    knopPagina_ = knop("knopHelePagina");
    knopIn_ = knop("knopInzoomen");
    knopUit_ = knop("knopUitzoomen");
    knopIn_->setShortcut(QKeySequence::ZoomIn);
    knopUit_->setShortcut(QKeySequence::ZoomOut);
    connect(knopBreedte_, &QPushButton::clicked, voorbeeld_, &QPrintPreviewWidget::fitToWidth);
    connect(knopPagina_, &QPushButton::clicked, voorbeeld_, &QPrintPreviewWidget::fitInView);
    connect(knopIn_, &QPushButton::clicked, voorbeeld_, [this] { voorbeeld_->zoomIn(); });
    connect(knopUit_, &QPushButton::clicked, voorbeeld_, [this] { voorbeeld_->zoomOut(); });

    auto* boven = new QHBoxLayout;
    boven->addWidget(lblKantlijn_);
    boven->addWidget(spKantlijn_);
    boven->addWidget(knopFont_);
    boven->addSpacing(16);
    boven->addWidget(lblBladen_);
    boven->addSpacing(16);
    for (QPushButton* k : {knopBreedte_, knopPagina_, knopIn_, knopUit_}) boven->addWidget(k);
    boven->addStretch();
    for (QPushButton* k : {knopPrint_, knopPrinter_, knopPdf_, knopSluiten_, knopHelp_})
        boven->addWidget(k);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(boven);
    alles->addWidget(voorbeeld_, 1);
    resize(900, 700);
    Vertaal();
}

AfdrukDialoog::~AfdrukDialoog() = default;

void AfdrukDialoog::Vertaal() {
    setWindowTitle(Q(T::PrTitel));
    lblKantlijn_->setText(Q(T::PrKantlijn));
    knopFont_->setText(Q(T::PrFont));
    knopPrint_->setText(Q(T::PrPrint));
    knopPrinter_->setText(Q(T::PrPrinter));
    knopPdf_->setText(Q(T::PrPdf));
    knopSluiten_->setText(Q(T::PrSluiten));
    knopHelp_->setText(Q(T::BtnHelp));
    knopBreedte_->setText(Q(T::PrPaginabreedte));
    knopPagina_->setText(Q(T::PrHelePagina));
    knopIn_->setText("+");
    knopIn_->setToolTip(Q(T::PrInzoomen));
    knopUit_->setText(QString::fromUtf8("\u2212"));
    knopUit_->setToolTip(Q(T::PrUitzoomen));
    for (QPushButton* k : {knopIn_, knopUit_})
        k->setMaximumWidth(k->fontMetrics().horizontalAdvance("MM") + 16);
    lblBladen_->setText(Q(T::PrBladen) + ": " + QString::number(bladen_));
}

QFont AfdrukDialoog::Font() const {
    return Printfont(o_.C.Vastfont, punten_);
}

void AfdrukDialoog::Teken(QPrinter* printer) {
    maat_ = MeetBlad(*printer, Font(), spKantlijn_->value());
    bladen_ = std::max(
        0, TekenDocument(*printer, document_, Font(), spKantlijn_->value(), nu_, eersteBlad_));
    lblBladen_->setText(Q(T::PrBladen) + ": " + QString::number(bladen_));
}

void AfdrukDialoog::Laad(const Afdrukdocument& document) {
    document_ = document;
    nu_ = SysteemKlok().Nu();
    printer_->setPageOrientation(document.Staand ? QPageLayout::Portrait : QPageLayout::Landscape);
    voorbeeld_->updatePreview();
}

void AfdrukDialoog::Druk(const Afdrukdocument& document) {
    Laad(document);
    exec();
}

bool AfdrukDialoog::PrinterInstellen(QWidget* vanuit) {
    QPageSetupDialog d(printer_.get(), vanuit);
    return d.exec() == QDialog::Accepted;
}

void AfdrukDialoog::KiesFont() {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, Font(), this, Q(T::PrFont).remove('&'),
                                         QFontDialog::MonospacedFonts);
    if (!ok) return;
    o_.C.Vastfont = S(f.family());
    punten_ = f.pointSizeF();
    voorbeeld_->updatePreview();
}

void AfdrukDialoog::Print() {
    QPrintDialog d(printer_.get(), this);
    if (d.exec() != QDialog::Accepted) return;
    const int bladen =
        TekenDocument(*printer_, document_, Font(), spKantlijn_->value(), nu_, eersteBlad_);
    if (bladen < 0)
        o_.G.Melding(lang::Tekst(T::PrNietGedrukt), lang::Tekst(T::Fout), Pictogram::Fout);
    else
        eersteBlad_ += bladen;
}

bool AfdrukDialoog::BewaarPdf(const std::string& pad) {
    if (IsEigenBestand(o_.C, pad)) {
        o_.G.Melding(lang::Tekst(T::RgOpCompetitie), lang::Tekst(T::Fout), Pictogram::Fout);
        return false;
    }
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(Q(pad));
    pdf.setPageLayout(printer_->pageLayout());
    // The layout of the file, which a printer's resolution may not share with the preview's.
    const Bladmaat maat = MeetBlad(pdf, Font(), spKantlijn_->value());
    const int bladen =
        TekenDocument(pdf, document_, Font(), spKantlijn_->value(), nu_, eersteBlad_);
    if (bladen >= 0) {
        maat_ = maat;
        bladen_ = bladen;
        eersteBlad_ += bladen;
        return true;
    }
    o_.G.Melding(lang::Tekst(T::PrNietGedrukt) + ": " + pad, lang::Tekst(T::Fout), Pictogram::Fout);
    return false;
}

void AfdrukDialoog::Pdf() {
    Bestandskeuze k;
    k.Opslaan = true;
    k.Titel = lang::Tekst(T::PrTitel);
    k.Map = o_.C.Werkmap;
    k.Filters = {lang::Tekst(T::PrPdfBestanden) + "|*.pdf"};
    auto naam = o_.G.KiesBestand(k);
    if (!naam || naam->empty()) return;
    // Only a PDF is written here, whatever the name typed; the user is told where it went.
    const std::string pad = MetExtensie(*naam, ".pdf");
    if (BewaarPdf(pad))
        o_.G.Melding(lang::Tekst(T::PrPdfGeschreven) + ": " + pad, lang::Tekst(T::Informatie),
                     Pictogram::Informatie);
}

} // namespace velkaro::ui
