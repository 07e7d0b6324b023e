#include "ui/categoriedialoog.h"

#include "ui/tekst.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

CategorieDialoog::CategorieDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "Tcategoriescherm", "categorieen", ouder), scherm_(o.C, o.G) {
    lijst_ = new QListWidget(this);
    lijst_->setObjectName("lijstCategorieen");
    lijst_->setMinimumSize(300, 200);
    edLetter_ = new QLineEdit(this);
    edLetter_->setObjectName("edLetter");
    edLetter_->setMaxLength(1);
    edLetter_->setFixedWidth(edLetter_->fontMetrics().horizontalAdvance('W') + 16);
    edOmschrijving_ = new QLineEdit(this);
    edOmschrijving_->setObjectName("edOmschrijving");
    lblLetter_ = new QLabel(this);
    lblLetter_->setBuddy(edLetter_);
    lblOmschrijving_ = new QLabel(this);
    lblOmschrijving_->setBuddy(edOmschrijving_);
    auto maak = [this](const char* naam) {
        auto* k = new QPushButton(this);
        k->setObjectName(naam);
        k->setAutoDefault(false);
        return k;
    };
    knopInvoegen_ = maak("knopInvoegen");
    knopVerwijderen_ = maak("knopVerwijderen");
    knopOk_ = maak("knopOk");
    knopHelp_ = maak("knopHelp");
    // Enter in the fields adds the category typed there.
    knopInvoegen_->setDefault(true);

    connect(lijst_, &QListWidget::currentRowChanged, this,
            [this](int rij) { scherm_.Selectie = rij; });
    connect(knopInvoegen_, &QPushButton::clicked, this, [this] {
        scherm_.Letter = S(edLetter_->text());
        scherm_.Omschrijving = S(edOmschrijving_->text());
        scherm_.Invoegen();
        Toon();
        edLetter_->setFocus();
    });
    connect(knopVerwijderen_, &QPushButton::clicked, this, [this] {
        scherm_.Verwijderen();
        Toon();
    });
    connect(knopOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(knopHelp_, &QPushButton::clicked, this, &CategorieDialoog::OpenHelp);

    auto* velden = new QFormLayout;
    velden->addRow(lblLetter_, edLetter_);
    velden->addRow(lblOmschrijving_, edOmschrijving_);
    auto* links = new QVBoxLayout;
    links->addWidget(lijst_, 1);
    links->addLayout(velden);
    auto* rechts = new QVBoxLayout;
    for (QPushButton* k : {knopInvoegen_, knopVerwijderen_}) rechts->addWidget(k);
    rechts->addStretch();
    for (QPushButton* k : {knopOk_, knopHelp_}) rechts->addWidget(k);
    auto* alles = new QHBoxLayout(this);
    alles->addLayout(links, 1);
    alles->addLayout(rechts);
    Vertaal();
}

void CategorieDialoog::Vertaal() {
    setWindowTitle(Q(T::CatTitel));
    lblLetter_->setText(Q(T::CatLetter));
    lblOmschrijving_->setText(Q(T::CatOmschrijving));
    knopInvoegen_->setText(Q(T::CatInvoegen));
    knopVerwijderen_->setText(Q(T::CatVerwijderen));
    knopOk_->setText(Q(T::BtnOK));
    knopHelp_->setText(Q(T::BtnHelp));
}

void CategorieDialoog::showEvent(QShowEvent* e) {
    scherm_.Activeer();
    Toon();
    edLetter_->setFocus();
    Dialoog::showEvent(e);
}

void CategorieDialoog::hideEvent(QHideEvent* e) {
    scherm_.Deactiveer();
    lijst_->clear();
    Dialoog::hideEvent(e);
}

void CategorieDialoog::Toon() {
    const int selectie = scherm_.Selectie;
    QSignalBlocker blok(lijst_);
    lijst_->clear();
    for (const auto& r : scherm_.Regels()) lijst_->addItem(Q(r));
    lijst_->setCurrentRow(selectie);
    edLetter_->setText(Q(scherm_.Letter));
    edOmschrijving_->setText(Q(scherm_.Omschrijving));
}

} // namespace velkaro::ui
