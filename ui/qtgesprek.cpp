#include "ui/qtgesprek.h"

#include "ui/tekst.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace velkaro::ui {

using lang::T;

namespace {

QMessageBox::Icon Icoon(Pictogram p) {
    switch (p) {
    case Pictogram::Informatie:
        return QMessageBox::Information;
    case Pictogram::Waarschuwing:
        return QMessageBox::Warning;
    case Pictogram::Fout:
        return QMessageBox::Critical;
    case Pictogram::Vraag:
        return QMessageBox::Question;
    case Pictogram::Geen:
        break;
    }
    return QMessageBox::NoIcon;
}

// "Description|*.ext" as Qt writes a name filter: "Description (*.ext)".
QString Filter(const std::string& f) {
    const auto streep = f.find('|');
    if (streep == std::string::npos) return Q(f);
    const QString omschrijving = Q(f.substr(0, streep));
    const QString patroon = Q(f.substr(streep + 1));
    if (omschrijving.contains("(" + patroon + ")")) return omschrijving;
    return omschrijving + " (" + patroon + ")";
}

} // namespace

int TitelBreedte(const QWidget& venster) {
    // The window manager shows the title with the program's name after it, beside its own
    // buttons; a generous allowance for those, since their size is the desktop's.
    const QString titel = venster.windowTitle() + QString::fromUtf8(" \u2014 ") +
                          QGuiApplication::applicationDisplayName();
    return QFontMetrics(QApplication::font()).horizontalAdvance(titel) + 160;
}

namespace {

// A message box is as wide as its text and buttons; a short text would cut its title off.
void TitelPast(QMessageBox& box) {
    if (auto* l = qobject_cast<QGridLayout*>(box.layout()))
        l->addItem(new QSpacerItem(TitelBreedte(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                   l->rowCount(), 0, 1, l->columnCount());
}

} // namespace

Antwoord QtGesprek::Vraag(const std::string& tekst, const std::string& titel, Knoppen knoppen,
                          Pictogram pictogram) {
    QMessageBox box(Icoon(pictogram), Q(titel), Q(tekst), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setObjectName("vraagVenster");
    QAbstractButton *ja = nullptr, *nee = nullptr, *ok = nullptr;
    switch (knoppen) {
    case Knoppen::Ok:
        ok = box.addButton(Q(T::BtnOK), QMessageBox::AcceptRole);
        break;
    case Knoppen::OkAnnuleren:
        ok = box.addButton(Q(T::BtnOK), QMessageBox::AcceptRole);
        box.setEscapeButton(box.addButton(Q(T::BtnAnnuleren), QMessageBox::RejectRole));
        break;
    case Knoppen::JaNee:
        ja = box.addButton(Q(T::BtnJa), QMessageBox::YesRole);
        nee = box.addButton(Q(T::BtnNee), QMessageBox::NoRole);
        box.setEscapeButton(nee);
        break;
    case Knoppen::JaNeeStandaardNee:
        ja = box.addButton(Q(T::BtnJa), QMessageBox::YesRole);
        nee = box.addButton(Q(T::BtnNee), QMessageBox::NoRole);
        box.setDefaultButton(static_cast<QPushButton*>(nee));
        box.setEscapeButton(nee);
        break;
    case Knoppen::JaNeeAnnuleren:
        ja = box.addButton(Q(T::BtnJa), QMessageBox::YesRole);
        nee = box.addButton(Q(T::BtnNee), QMessageBox::NoRole);
        box.setEscapeButton(box.addButton(Q(T::BtnAnnuleren), QMessageBox::RejectRole));
        break;
    }
    TitelPast(box);
    box.exec();
    const QAbstractButton* gekozen = box.clickedButton();
    if (gekozen && gekozen == ja) return Antwoord::Ja;
    if (gekozen && gekozen == nee) return Antwoord::Nee;
    if (gekozen && gekozen == ok) return Antwoord::Ok;
    return Antwoord::Annuleren;
}

void QtGesprek::Melding(const std::string& tekst, const std::string& titel, Pictogram pictogram) {
    QMessageBox box(Icoon(pictogram), Q(titel), Q(tekst), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setObjectName("meldingVenster");
    box.addButton(Q(T::BtnOK), QMessageBox::AcceptRole);
    TitelPast(box);
    box.exec();
}

std::optional<std::string> QtGesprek::Invoer(const std::string& titel, const std::string& prompt,
                                             const std::string& standaard) {
    QInputDialog d(QApplication::activeWindow());
    d.setObjectName("invoerVenster");
    d.setWindowTitle(Q(titel));
    d.setLabelText(Q(prompt));
    d.setTextValue(Q(standaard));
    d.setOkButtonText(Q(T::BtnOK));
    d.setCancelButtonText(Q(T::BtnAnnuleren));
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return S(d.textValue());
}

std::optional<std::string> QtGesprek::KiesBestand(Bestandskeuze& keuze) {
    QFileDialog d(QApplication::activeWindow(), Q(keuze.Titel), Q(keuze.Map));
    d.setObjectName("bestandVenster");
    // The same dialog on every desktop, so that its texts follow the program's language.
    d.setOption(QFileDialog::DontUseNativeDialog);
    QStringList filters;
    for (const auto& f : keuze.Filters) filters << Filter(f);
    d.setNameFilters(filters);
    if (keuze.FilterIndex >= 1 && keuze.FilterIndex <= filters.size())
        d.selectNameFilter(filters[keuze.FilterIndex - 1]);
    if (keuze.Mapkeuze) {
        d.setFileMode(QFileDialog::Directory);
        d.setOption(QFileDialog::ShowDirsOnly);
    } else if (keuze.Opslaan) {
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        // The program asks its own overwrite question.
        d.setOption(QFileDialog::DontConfirmOverwrite);
        // A name typed without extension takes the one of the filter in force, so a PDF
        // never becomes a competition file by its name.
        const auto suffix = [&d](const QString& filter) {
            const auto m = QRegularExpression("\\*\\.(\\w+)").match(filter);
            d.setDefaultSuffix(m.hasMatch() ? m.captured(1) : QString());
        };
        suffix(d.selectedNameFilter());
        QObject::connect(&d, &QFileDialog::filterSelected, &d, suffix);
    } else {
        d.setFileMode(QFileDialog::ExistingFile);
    }
    if (!keuze.Naam.empty()) d.selectFile(Q(keuze.Naam));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    keuze.FilterIndex = static_cast<int>(filters.indexOf(d.selectedNameFilter())) + 1;
    return S(d.selectedFiles().front());
}

} // namespace velkaro::ui
