#include "ui/dialoog.h"

#include <QKeySequence>
#include <QShortcut>

namespace velkaro::ui {

Dialoog::Dialoog(Omgeving& o, std::string vormnaam, QString helpanker, QWidget* ouder)
    : QDialog(ouder), o_(o), vormnaam_(std::move(vormnaam)), helpanker_(std::move(helpanker)) {
    setObjectName(QString::fromStdString(vormnaam_));
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, &Dialoog::OpenHelp);
}

void Dialoog::OpenHelp() {
    if (o_.Help) o_.Help(helpanker_, this);
}

QHBoxLayout* Dialoog::Knoppenrij(QPushButton*& ok, QPushButton*& annuleren, QPushButton*& help) {
    auto maak = [this](const char* naam) {
        auto* k = new QPushButton(this);
        k->setObjectName(naam);
        return k;
    };
    ok = maak("knopOk");
    ok->setDefault(true);
    annuleren = maak("knopAnnuleren");
    help = maak("knopHelp");
    connect(annuleren, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &Dialoog::OpenHelp);
    auto* rij = new QHBoxLayout;
    rij->addStretch();
    for (QPushButton* k : {ok, annuleren, help}) rij->addWidget(k);
    return rij;
}

void Dialoog::showEvent(QShowEvent* e) {
    HerstelPlaatsing(this, o_.Instellingen, vormnaam_);
    QDialog::showEvent(e);
}

void Dialoog::hideEvent(QHideEvent* e) {
    BewaarPlaatsing(this, o_.Instellingen, vormnaam_);
    QDialog::hideEvent(e);
}

} // namespace velkaro::ui
