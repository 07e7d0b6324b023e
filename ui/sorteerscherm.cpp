#include "ui/sorteerscherm.h"

#include "reports/rapportdialoog.h"
#include "standings/stand.h"
#include "ui/tekst.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

SorteerDialoog::SorteerDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TSortScherm", "sorteren", ouder) {
    auto getal = [this](const char* naam) {
        auto* s = new QSpinBox(this);
        s->setObjectName(naam);
        s->setRange(0, 999); // three digits
        return s;
    };
    spVan_ = getal("edVanRonde");
    spTot_ = getal("edTotRonde");
    spMinimum_ = getal("edMinimum");
    lblVan_ = new QLabel(this);
    lblTot_ = new QLabel(this);
    lblMinimum_ = new QLabel(this);
    lblVan_->setBuddy(spVan_);
    lblTot_->setBuddy(spTot_);
    lblMinimum_->setBuddy(spMinimum_);
    chkVorige_ = new QCheckBox(this);
    chkVorige_->setObjectName("chkVorigeNotering");
    knopSorteren_ = new QPushButton(this);
    knopSorteren_->setObjectName("knopSorteren");
    knopSorteren_->setDefault(true);
    knopInstellingen_ = new QPushButton(this);
    knopInstellingen_->setObjectName("knopInstellingen");
    connect(knopSorteren_, &QPushButton::clicked, this, &QDialog::accept);
    connect(knopInstellingen_, &QPushButton::clicked, this, [this] {
        if (OpenInstellingen) OpenInstellingen();
    });

    auto* velden = new QFormLayout;

    velden->setHorizontalSpacing(kVeldafstand);
    velden->addRow(lblVan_, spVan_);
    velden->addRow(lblTot_, spTot_);
    velden->addRow(lblMinimum_, spMinimum_);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(knopSorteren_);
    knoppen->addWidget(knopInstellingen_);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(velden);
    alles->addWidget(chkVorige_);
    alles->addLayout(knoppen);
    Vertaal();
}

void SorteerDialoog::Vertaal() {
    setWindowTitle(Q(T::SrtTitel));
    lblVan_->setText(Q(T::SrtVanRonde));
    lblTot_->setText(Q(T::SrtTotRonde));
    lblMinimum_->setText(Q(T::SrtMinimum));
    chkVorige_->setText(Q(T::SrtVorigeNotering));
    knopSorteren_->setText(Q(T::SrtSorteren));
    knopInstellingen_->setText(Q(T::SrtInstellingen));
}

void SorteerDialoog::Vul() {
    const Sorteerinstellingen s = StandaardSorteerinstellingen(o_.C);
    spVan_->setValue(s.VanRonde);
    spTot_->setValue(s.TotRonde);
    spMinimum_->setValue(s.MinimumWedstrijden);
    chkVorige_->setChecked(true);
    spVan_->setFocus();
}

bool SorteerDialoog::Vraag(Rapportopties& opties) {
    Vul();
    if (exec() != QDialog::Accepted) return false;
    ZetSorteerkeuze(opties, spVan_->value(), spTot_->value(), spMinimum_->value(),
                    chkVorige_->isChecked());
    return true;
}

} // namespace velkaro::ui
