#include "ui/wedinvoerdialoog.h"

#include "ui/tekst.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

namespace {
std::size_t Plek(Kleur k) {
    return static_cast<std::size_t>(k);
}
} // namespace

WedInvoerDialoog::Kant WedInvoerDialoog::MaakKant(Kleur k, const char* kop, const char* tekst,
                                                  const char* speler, const char* rating,
                                                  const char* lijst) {
    Kant s;
    s.Kop = new QLabel(this);
    s.Kop->setObjectName(kop);
    s.Tekst = new QLineEdit(this);
    s.Tekst->setObjectName(tekst);
    s.Kop->setBuddy(s.Tekst);
    s.Speler = new QLabel(this);
    s.Speler->setObjectName(speler);
    s.Speler->setMinimumWidth(220);
    s.OfRating = new QLabel(this);
    s.Rating = new QLineEdit(this);
    s.Rating->setObjectName(rating);
    s.Rating->setMaximumWidth(80);
    s.Lijst = new QListWidget(this);
    s.Lijst->setObjectName(lijst);
    QFont vast("Monospace");
    vast.setStyleHint(QFont::TypeWriter);
    s.Lijst->setFont(vast);
    s.Lijst->setMinimumHeight(240);
    connect(s.Tekst, &QLineEdit::textEdited, this, [this, k](const QString& t) {
        if (!w_) return;
        w_->ZetTekst(k, S(t));
        Ververs(k, false);
    });
    connect(s.Rating, &QLineEdit::textEdited, this, [this, k](const QString& t) {
        if (!w_) return;
        w_->ZetRating(k, S(t));
        Ververs(k, false);
    });
    connect(s.Lijst, &QListWidget::itemClicked, this, [this, k](QListWidgetItem* item) {
        if (!w_ || !item) return;
        w_->KiesSpeler(k, item->data(Qt::UserRole).toInt());
        Ververs(k, true);
    });
    return s;
}

WedInvoerDialoog::WedInvoerDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TWedInvoer", "wedinvoer", ouder) {
    kanten_[0] =
        MaakKant(Kleur::Wit, "lblWit", "editWit", "lblWitspeler", "editRatingWit", "lijstWit");
    kanten_[1] = MaakKant(Kleur::Zwart, "lblZwart", "editZwart", "lblZwartspeler",
                          "editRatingZwart", "lijstZwart");
    alle_ = new QCheckBox(this);
    alle_->setObjectName("chkAlleSpelers");
    connect(alle_, &QCheckBox::toggled, this, [this](bool aan) {
        if (!w_) return;
        w_->AlleSpelers = aan;
        VulLijsten();
    });

    auto* raster = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        const Kant& s = kanten_[static_cast<std::size_t>(i)];
        const int kol = 3 * i;
        raster->addWidget(s.Kop, 0, kol);
        raster->addWidget(s.Tekst, 0, kol + 1, 1, 2);
        raster->addWidget(s.Speler, 1, kol, 1, 3);
        raster->addWidget(s.OfRating, 2, kol);
        raster->addWidget(s.Rating, 2, kol + 1);
        raster->addWidget(s.Lijst, 3, kol, 1, 3);
    }
    raster->setColumnStretch(2, 1);
    raster->setColumnStretch(5, 1);
    raster->setHorizontalSpacing(10);

    auto* knoppen = Knoppenrij(ok_, annuleren_, help_);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(raster, 1);
    alles->addWidget(alle_);
    alles->addLayout(knoppen);
    Vertaal();
}

void WedInvoerDialoog::Vertaal() {
    setWindowTitle(Q(T::WiTitel));
    kanten_[0].Kop->setText(Q(T::WiWit));
    kanten_[1].Kop->setText(Q(T::WiZwart));
    for (auto& s : kanten_) s.OfRating->setText(Q(T::WiOfRating));
    alle_->setText(Q(T::WiAlleSpelers));
    ok_->setText(Q(T::BtnOk));
    // "&Annuleren" would take the "A" of "&Alle spelers weergeven"; Escape cancels as well.
    annuleren_->setText(Q(T::BtnAnnuleren));
    help_->setText(Q(T::BtnHelp));
}

void WedInvoerDialoog::Ververs(Kleur k, bool tekstOok) {
    Kant& s = kanten_[Plek(k)];
    if (tekstOok && s.Tekst->text() != Q(w_->Tekst(k))) s.Tekst->setText(Q(w_->Tekst(k)));
    s.Speler->setText(Q(w_->Label(k)));
    if (s.Rating->text() != Q(w_->Rating(k))) s.Rating->setText(Q(w_->Rating(k)));
    // A side refused because it is the other side's player may have emptied that label too.
    const Kleur ander = k == Kleur::Wit ? Kleur::Zwart : Kleur::Wit;
    kanten_[Plek(ander)].Speler->setText(Q(w_->Label(ander)));
}

void WedInvoerDialoog::VulLijsten() {
    const auto spelers = w_->Lijst();
    for (auto& s : kanten_) {
        s.Lijst->clear();
        for (int32_t intern : spelers) {
            const TSpelerObj* p = o_.C.Spelers.zoekptr(intern);
            if (!p) continue;
            auto* item = new QListWidgetItem(Q(TWedInvoer::LijstRegel(p->G())), s.Lijst);
            item->setData(Qt::UserRole, intern);
        }
    }
}

void WedInvoerDialoog::Bereid(TWedInvoer& invoer) {
    w_ = &invoer;
    {
        const QSignalBlocker stil(alle_);
        alle_->setChecked(invoer.AlleSpelers);
    }
    for (Kleur k : {Kleur::Wit, Kleur::Zwart}) {
        kanten_[Plek(k)].Tekst->setText(Q(invoer.Tekst(k)));
        Ververs(k, false);
    }
    VulLijsten();
    kanten_[0].Tekst->setFocus();
    kanten_[0].Tekst->selectAll();
}

bool WedInvoerDialoog::Toon(TWedInvoer& invoer) {
    Bereid(invoer);
    const bool ok = exec() == QDialog::Accepted;
    w_ = nullptr;
    return ok;
}

} // namespace velkaro::ui
