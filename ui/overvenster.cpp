#include "ui/overvenster.h"

#include "entry/programma.h"
#include "ui/tekst.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

OverVenster::OverVenster(Omgeving& o, QWidget* ouder) : Dialoog(o, "TAboutBox", "", ouder) {
    auto* icoon = new QLabel(this);
    icoon->setPixmap(QIcon(":/velkaro.svg").pixmap(64, 64));
    naam_ = new QLabel(this);
    naam_->setObjectName("lblNaam");
    QFont f = naam_->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    naam_->setFont(f);
    versie_ = new QLabel(this);
    versie_->setObjectName("lblVersie");
    commentaar_ = new QLabel(this);
    commentaar_->setWordWrap(true);
    commentaar_->setMinimumWidth(300);
    ok_ = new QPushButton(this);
    ok_->setObjectName("knopOk");
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* tekst = new QVBoxLayout;
    tekst->addWidget(naam_);
    tekst->addWidget(versie_);
    tekst->addWidget(commentaar_);
    auto* boven = new QHBoxLayout;
    boven->addWidget(icoon, 0, Qt::AlignTop);
    boven->addLayout(tekst, 1);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(ok_);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(boven);
    alles->addLayout(knoppen);
    // The dialog fits its contents, which change with the system chosen and the language.
    alles->setSizeConstraint(QLayout::SetFixedSize);
    Vertaal();
}

void OverVenster::Vertaal() {
    setWindowTitle(Q(T::OverTitel));
    naam_->setText(Q(T::Velkaro));
    versie_->setText(Q(T::OverVersie) + " " + Q(Versietekst()));
    commentaar_->setText(Q(T::OverCommentaar));
    ok_->setText(Q(T::BtnOK));
}

} // namespace velkaro::ui
