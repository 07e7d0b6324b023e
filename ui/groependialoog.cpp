#include "ui/groependialoog.h"

#include "entry/groepen.h"
#include "ui/tekst.h"

#include <QHBoxLayout>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace velkaro::ui {

using lang::T;

GroepenDialoog::GroepenDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TDeelComp", "groepen", ouder) {
    label_ = new QLabel(this);
    lijst_ = new QListWidget(this);
    lijst_->setObjectName("lijstGroepen");
    // The lines are aligned in columns like the program's other lists.
    QFont vast("Monospace");
    vast.setStyleHint(QFont::TypeWriter);
    lijst_->setFont(vast);
    lijst_->setMinimumSize(320, 220);
    label_->setBuddy(lijst_);
    auto maak = [this](const char* naam) {
        auto* k = new QPushButton(this);
        k->setObjectName(naam);
        k->setAutoDefault(false);
        return k;
    };
    kies_ = maak("knopKies");
    kies_->setDefault(true);
    wijzigNaam_ = maak("knopWijzigNaam");
    nieuw_ = maak("knopNieuw");
    kopieer_ = maak("knopKopieer");
    hernummer_ = maak("knopHernummer");
    verwijder_ = maak("knopVerwijder");
    annuleren_ = maak("knopAnnuleren");

    auto* knoppen = new QVBoxLayout;
    for (QPushButton* k : {kies_, wijzigNaam_, nieuw_, kopieer_, hernummer_, verwijder_})
        knoppen->addWidget(k);
    knoppen->addStretch();
    knoppen->addWidget(annuleren_);
    auto* links = new QVBoxLayout;
    links->addWidget(label_);
    links->addWidget(lijst_);
    auto* alles = new QHBoxLayout(this);
    alles->addLayout(links, 1);
    alles->addLayout(knoppen);

    connect(kies_, &QPushButton::clicked, this, &GroepenDialoog::Kies);
    connect(lijst_, &QListWidget::itemDoubleClicked, this, &GroepenDialoog::Kies);
    connect(annuleren_, &QPushButton::clicked, this, &QDialog::reject);
    connect(nieuw_, &QPushButton::clicked, this, [this] { Na(NieuweGroep(o_.C, o_.G)); });
    connect(kopieer_, &QPushButton::clicked, this, [this] {
        if (const int32_t n = Gekozen()) Na(KopieerGroep(o_.C, o_.G, n));
    });
    connect(hernummer_, &QPushButton::clicked, this, [this] {
        const int32_t n = Gekozen();
        if (n && HernummerGroep(o_.C, o_.G, n)) Na(n);
    });
    connect(wijzigNaam_, &QPushButton::clicked, this, [this] {
        const int32_t n = Gekozen();
        if (n && WijzigGroepsnaam(o_.C, o_.G, n)) Na(n);
    });
    connect(verwijder_, &QPushButton::clicked, this, [this] {
        const int32_t n = Gekozen();
        if (n && VerwijderGroep(o_.C, o_.G, n)) Na(0);
    });
    Vertaal();
}

void GroepenDialoog::Vertaal() {
    setWindowTitle(Q(T::GrpTitel));
    label_->setText(Q(T::GrpDeelcompetities));
    kies_->setText(Q(T::GrpKies));
    wijzigNaam_->setText(Q(T::GrpWijzigNaam));
    nieuw_->setText(Q(T::GrpNieuw));
    kopieer_->setText(Q(T::GrpKopieer));
    hernummer_->setText(Q(T::GrpHernummer));
    verwijder_->setText(Q(T::GrpVerwijder));
    annuleren_->setText(Q(T::BtnAnnuleren));
}

void GroepenDialoog::showEvent(QShowEvent* e) {
    Vul();
    Dialoog::showEvent(e);
}

void GroepenDialoog::Vul(int32_t selecteer) {
    lijst_->clear();
    int rij = 0;
    for (const auto& r : GroepenLijst(o_.C)) {
        auto* item = new QListWidgetItem(Q(r.Tekst), lijst_);
        item->setData(Qt::UserRole, r.Bestandsnummer);
        if (r.Bestandsnummer == selecteer) rij = lijst_->count() - 1;
    }
    if (lijst_->count() > 0) lijst_->setCurrentRow(rij);
    // Wide enough for the longest title, up to the 80 characters a title may have.
    int breedte = 320;
    for (int i = 0; i < lijst_->count(); ++i)
        breedte =
            std::max(breedte, lijst_->fontMetrics().horizontalAdvance(lijst_->item(i)->text()));
    lijst_->setMinimumWidth(std::min(breedte + 40, 760));
}

int32_t GroepenDialoog::Gekozen() const {
    const QListWidgetItem* item = lijst_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void GroepenDialoog::Kies() {
    const int32_t n = Gekozen();
    if (n && KiesGroep(o_.C, o_.G, n)) accept();
}

void GroepenDialoog::Na(int32_t selecteer) {
    Vul(selecteer);
}

} // namespace velkaro::ui
