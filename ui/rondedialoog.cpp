#include "ui/rondedialoog.h"

#include "ui/tekst.h"
#include "ui/wedstrijdlijstdialoog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

QPushButton* RondeDialoog::Knop(const char* naam) {
    auto* k = new QPushButton(this);
    k->setObjectName(naam);
    k->setAutoDefault(false);
    return k;
}

RondeDialoog::RondeDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TRondeScherm", "rondes", ouder), logica_(o.C, o.G, klok_, toeval_) {
    logica_.ZetGeschiedenis(o.Historie);
    wedstrijden_ = std::make_unique<WedstrijdlijstDialoog>(o, this);
    toon_ = [this](TWedstrijdenlijst& l) {
        getoond_ = true;
        return wedstrijden_->Toon(l);
    };

    lijst_ = new QTreeWidget(this);
    lijst_->setObjectName("lijstRondes");
    lijst_->setRootIsDecorated(false);
    lijst_->setHeaderHidden(true);
    lijst_->setColumnCount(5);
    lijst_->setUniformRowHeights(true);
    lijst_->setMinimumSize(400, 260);
    lijst_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The widths of the line's tab stops.
    const int cijfer = lijst_->fontMetrics().horizontalAdvance('0');
    const int breedtes[5] = {4, 11, 4, 6, 12};
    for (int i = 0; i < 5; ++i) lijst_->setColumnWidth(i, breedtes[i] * cijfer + 10);
    lijst_->installEventFilter(this);
    connect(lijst_, &QTreeWidget::itemDoubleClicked, this, &RondeDialoog::Keuze);
    connect(lijst_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* i) {
        logica_.Selecteer(i ? lijst_->indexOfTopLevelItem(i) : -1);
    });

    keuze_ = Knop("knopKeuze");
    keuze_->setDefault(true);
    nieuw_ = Knop("knopNieuw");
    invoegen_ = Knop("knopInvoegen");
    verwijderen_ = Knop("knopVerwijderen");
    ok_ = Knop("knopOk");
    help_ = Knop("knopHelp");
    connect(keuze_, &QPushButton::clicked, this, &RondeDialoog::Keuze);
    connect(nieuw_, &QPushButton::clicked, this, &RondeDialoog::Nieuw);
    connect(invoegen_, &QPushButton::clicked, this, [this] {
        logica_.Invoegen();
        Vul();
    });
    connect(verwijderen_, &QPushButton::clicked, this, [this] {
        logica_.Verwijderen();
        Vul();
    });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(help_, &QPushButton::clicked, this, &RondeDialoog::OpenHelp);

    auto* knoppen = new QVBoxLayout;
    for (QPushButton* k : {keuze_, nieuw_, invoegen_, verwijderen_}) knoppen->addWidget(k);
    knoppen->addStretch();
    knoppen->addWidget(ok_);
    knoppen->addWidget(help_);
    auto* alles = new QHBoxLayout(this);
    alles->addWidget(lijst_, 1);
    alles->addLayout(knoppen);
    Vertaal();
}

RondeDialoog::~RondeDialoog() = default;

void RondeDialoog::Vertaal() {
    setWindowTitle(Q(T::RsTitel));
    keuze_->setText(Q(T::RsKeuze));
    nieuw_->setText(Q(T::RsNieuw));
    invoegen_->setText(Q(T::RsInvoegen));
    verwijderen_->setText(Q(T::RsVerwijderen));
    ok_->setText(Q(T::BtnOK));
    help_->setText(Q(T::BtnHelp));
    if (wedstrijden_) wedstrijden_->Vertaal();
}

void RondeDialoog::Vul() {
    const QSignalBlocker stil(lijst_);
    lijst_->clear();
    for (const std::string& regel : logica_.Regels()) {
        auto* item = new QTreeWidgetItem(lijst_);
        const QStringList velden = Q(regel).split('\t');
        for (int i = 0; i < velden.size() && i < 5; ++i) {
            item->setText(i, velden[i].trimmed());
            if (i != 1 && i != 4) item->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    if (logica_.Selectie() >= 0) {
        QTreeWidgetItem* i = lijst_->topLevelItem(logica_.Selectie());
        lijst_->setCurrentItem(i);
        lijst_->scrollToItem(i);
    }
}

void RondeDialoog::showEvent(QShowEvent* e) {
    verzoek_ = Verzoek::Geen;
    logica_.Activeer(false, toon_);
    Vul();
    Dialoog::showEvent(e);
    if (direct_) {
        direct_ = false;
        // The match list opens once this dialog is up, as when its round is chosen.
        QTimer::singleShot(0, this, [this] {
            if (!isVisible()) return;
            logica_.Activeer(true, toon_);
            Na();
        });
    }
    lijst_->setFocus();
}

void RondeDialoog::Na() {
    Vul();
    // Only a match list shown just now can have asked for something.
    if (getoond_) verzoek_ = logica_.GevraagdVerzoek();
    getoond_ = false;
    if (verzoek_ != Verzoek::Geen) accept();
}

void RondeDialoog::Keuze() {
    logica_.Keuze(toon_);
    Na();
}

void RondeDialoog::Nieuw() {
    logica_.Nieuw(toon_);
    Na();
}

bool RondeDialoog::eventFilter(QObject* o, QEvent* e) {
    if (o == lijst_ && e->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(e)->key()) {
        case Qt::Key_Insert:
            Nieuw();
            return true;
        case Qt::Key_Delete:
            logica_.Verwijderen();
            Vul();
            return true;
        case Qt::Key_Space:
            Keuze();
            return true;
        default:
            break;
        }
    }
    return Dialoog::eventFilter(o, e);
}

} // namespace velkaro::ui
