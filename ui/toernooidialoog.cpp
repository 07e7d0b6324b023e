#include "ui/toernooidialoog.h"

#include "ui/tekst.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

ToernooiDialoog::ToernooiDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TVKToernooigegevens", "toernooigegevens", ouder) {
    auto veld = [this](const char* naam) {
        auto* e = new QLineEdit(this);
        e->setObjectName(naam);
        return e;
    };
    auto label = [this](QLineEdit* e) {
        auto* l = new QLabel(this);
        l->setBuddy(e);
        return l;
    };
    edNaam_ = veld("edToernooinaam");
    edNaam_->setMinimumWidth(360);
    edVan_ = veld("edGespeeldVan");
    edTot_ = veld("edGespeeldTot");
    // Day, month and year; the dashes are not stored.
    for (QLineEdit* d : {edVan_, edTot_}) {
        d->setInputMask("99-99-9999; ");
        d->setMaximumWidth(d->fontMetrics().horizontalAdvance("00-00-00000") + 16);
    }
    edPlaats_ = veld("edSpeelplaats");
    edLand_ = veld("edLand");
    edHulp_ = veld("edHulparbiters");
    edTempo_ = veld("edSpeeltempo");
    lblNaam_ = label(edNaam_), lblVan_ = label(edVan_), lblTot_ = label(edTot_);
    lblPlaats_ = label(edPlaats_), lblLand_ = label(edLand_);
    lblHulp_ = label(edHulp_), lblTempo_ = label(edTempo_);

    auto* boven = new QFormLayout;
    boven->addRow(lblNaam_, edNaam_);
    auto* datums = new QHBoxLayout;
    datums->addWidget(edVan_);
    datums->addWidget(lblTot_);
    datums->addWidget(edTot_);
    datums->addStretch();
    boven->addRow(lblVan_, datums);
    boven->addRow(lblPlaats_, edPlaats_);
    boven->addRow(lblLand_, edLand_);

    auto groep = [&](QGroupBox*& g, std::vector<QLineEdit*>& ed, std::vector<QLabel*>& lbl,
                     const char* voorvoegsel) {
        g = new QGroupBox(this);
        auto* f = new QFormLayout(g);
        for (const char* deel : {"Naam", "Adres", "Woonplaats", "Telefoon", "Email"}) {
            auto* e = veld((std::string(voorvoegsel) + deel).c_str());
            ed.push_back(e);
            lbl.push_back(label(e));
            f->addRow(lbl.back(), e);
        }
    };
    groep(grpWL_, edWL_, lblWL_, "edWL");
    groep(grpAR_, edAR_, lblAR_, "edAR");
    auto* groepen = new QHBoxLayout;
    groepen->addWidget(grpWL_);
    groepen->addWidget(grpAR_);

    auto* onder = new QFormLayout;
    onder->addRow(lblHulp_, edHulp_);
    onder->addRow(lblTempo_, edTempo_);

    auto* knoppen = Knoppenrij(knopOk_, knopAnnuleren_, knopHelp_);
    connect(knopOk_, &QPushButton::clicked, this, &QDialog::accept);

    auto* alles = new QVBoxLayout(this);
    alles->addLayout(boven);
    alles->addLayout(groepen);
    alles->addLayout(onder);
    alles->addLayout(knoppen);
    Vertaal();
}

void ToernooiDialoog::Vertaal() {
    setWindowTitle(Q(T::TgTitel));
    lblNaam_->setText(Q(T::TgNaamToernooi));
    lblVan_->setText(Q(T::TgGespeeldVan));
    lblTot_->setText(Q(T::TgGespeeldTot));
    lblPlaats_->setText(Q(T::TgSpeelplaats));
    lblLand_->setText(Q(T::TgLand));
    grpWL_->setTitle(Q(T::TgOrganisatie));
    grpAR_->setTitle(Q(T::TgHoofdarbiter));
    const T delen[] = {T::TgNaam, T::TgAdres, T::TgWoonplaats, T::TgTelefoon, T::TgEmail};
    for (std::size_t i = 0; i < 5; ++i) {
        lblWL_[i]->setText(Q(delen[i]));
        lblAR_[i]->setText(Q(delen[i]));
    }
    lblHulp_->setText(Q(T::TgHulparbiters));
    lblTempo_->setText(Q(T::TgSpeeltempo));
    knopOk_->setText(Q(T::BtnOK));
    knopAnnuleren_->setText(Q(T::BtnAnnuleren));
    knopHelp_->setText(Q(T::BtnHelp));
}

void ToernooiDialoog::showEvent(QShowEvent* e) {
    scherm_ = std::make_unique<Toernooischerm>(o_.C);
    scherm_->Open();
    const Toernooivelden& v = scherm_->Velden();
    const Toernooigegevens& g = v.Gegevens;
    edNaam_->setText(Q(v.Toernooinaam));
    edVan_->setText(Q(g.SpeelVan));
    edTot_->setText(Q(g.SpeelTot));
    edPlaats_->setText(Q(g.SpeelPlaats));
    edLand_->setText(Q(g.SpeelLand));
    const std::string* wl[] = {&g.WLNaam, &g.WLAdres, &g.WLWoonplaats, &g.WLTelefoon, &g.WLEmail};
    const std::string* ar[] = {&g.ARNaam, &g.ARAdres, &g.ARWoonplaats, &g.ARTelefoon, &g.AREmail};
    for (std::size_t i = 0; i < 5; ++i) {
        edWL_[i]->setText(Q(*wl[i]));
        edAR_[i]->setText(Q(*ar[i]));
    }
    edHulp_->setText(Q(g.Hulparbiters));
    edTempo_->setText(Q(g.Speeltempo));
    edNaam_->setFocus();
    Dialoog::showEvent(e);
}

void ToernooiDialoog::LeesVelden() {
    Toernooivelden& v = scherm_->Velden();
    Toernooigegevens& g = v.Gegevens;
    v.Toernooinaam = S(edNaam_->text());
    g.SpeelVan = DatumCijfers(S(edVan_->text()));
    g.SpeelTot = DatumCijfers(S(edTot_->text()));
    g.SpeelPlaats = S(edPlaats_->text());
    g.SpeelLand = S(edLand_->text());
    std::string* wl[] = {&g.WLNaam, &g.WLAdres, &g.WLWoonplaats, &g.WLTelefoon, &g.WLEmail};
    std::string* ar[] = {&g.ARNaam, &g.ARAdres, &g.ARWoonplaats, &g.ARTelefoon, &g.AREmail};
    for (std::size_t i = 0; i < 5; ++i) {
        *wl[i] = S(edWL_[i]->text());
        *ar[i] = S(edAR_[i]->text());
    }
    g.Hulparbiters = S(edHulp_->text());
    g.Speeltempo = S(edTempo_->text());
}

void ToernooiDialoog::done(int r) {
    if (scherm_) {
        LeesVelden();
        if (r == QDialog::Accepted) scherm_->Ok();
        scherm_->Sluit(o_.G);
        scherm_.reset();
    }
    Dialoog::done(r);
}

} // namespace velkaro::ui
