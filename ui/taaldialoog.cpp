#include "ui/taaldialoog.h"

#include "ui/tekst.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;
using lang::Taal;

TaalDialoog::TaalDialoog(Omgeving& o, std::function<void()> taalGewijzigd, QWidget* ouder)
    : Dialoog(o, "TVKTaal", "taal", ouder), taalGewijzigd_(std::move(taalGewijzigd)) {
    auto* l = new QVBoxLayout(this);
    auto keuze = [&](QRadioButton*& r, const char* naam, std::optional<Taal> taal) {
        r = new QRadioButton(this);
        r->setObjectName(naam);
        l->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this, taal] {
            if (!taal) return; // "&R" does nothing
            lang::KiesTaal(*taal);
            if (taalGewijzigd_) taalGewijzigd_();
        });
    };
    keuze(rbNederlands_, "rbNederlands", Taal::Nederlands);
    keuze(rbEngels_, "rbEngels", Taal::Engels);
    keuze(rbFrans_, "rbFrans", Taal::Frans);
    keuze(rbR_, "rbR", std::nullopt);
    // A fourth choice without a language only puzzles: it stays, but out of sight.
    rbR_->hide();
    knopOk_ = new QPushButton(this);
    knopOk_->setObjectName("knopOk");
    knopOk_->setDefault(true);
    knopAnnuleren_ = new QPushButton(this);
    knopAnnuleren_->setObjectName("knopAnnuleren");
    connect(knopOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(knopAnnuleren_, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(knopOk_);
    knoppen->addWidget(knopAnnuleren_);
    l->addLayout(knoppen);
    // The dialog fits its contents, which change with the system chosen and the language.
    l->setSizeConstraint(QLayout::SetFixedSize);
    Vertaal();
}

void TaalDialoog::Vertaal() {
    setWindowTitle(Q(T::TaalTitel));
    rbNederlands_->setText(Q(T::TaalNederlands));
    rbEngels_->setText(Q(T::TaalEngels));
    rbFrans_->setText(Q(T::TaalFrans));
    rbR_->setText(Q(T::TaalR));
    knopOk_->setText(Q(T::BtnOK));
    knopAnnuleren_->setText(Q(T::BtnAnnuleren));
}

void TaalDialoog::showEvent(QShowEvent* e) {
    switch (lang::HuidigeTaal()) {
    case Taal::Engels:
        rbEngels_->setChecked(true);
        break;
    case Taal::Frans:
        rbFrans_->setChecked(true);
        break;
    default:
        rbNederlands_->setChecked(true);
        break;
    }
    Dialoog::showEvent(e);
}

} // namespace velkaro::ui
