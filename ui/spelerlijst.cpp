#include "ui/spelerlijst.h"

#include "ui/ongedaanacties.h"
#include "ui/spelerinvoer.h"
#include "ui/spelermodel.h"
#include "ui/tekst.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeView>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

namespace {

// Column widths of the column view in pixels; the internal number and the sort name are
// there only to find and sort by.
constexpr int kBreedtes[kAantalKolommen] = {0, 40, 200, 40, 100, 60, 70, 70, 20, 20, 0};

} // namespace

SpelerLijstDialoog::SpelerLijstDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TSpelerLijst", "spelers", ouder),
      lijst_(std::make_unique<TSpelerLijst>(o.C, o.G, toeval_)) {
    invoer_ = new SpelerInvoerDialoog(o, this);
    model_ = new SpelerModel(this);
    lijst_->ZetGeschiedenis(o.Historie);
    // Ctrl+Z and Ctrl+Y, also in the list's context menu.
    ongedaan_ = new OngedaanActies(this, o.Historie, [this] {
        lijst_->Ververs();
        Toon();
    });

    regels_ = new QListView(this);
    regels_->setObjectName("lijstSpelers");
    regels_->setModel(model_);
    regels_->setItemDelegate(new TabRegelDelegate(regels_));
    regels_->setUniformItemSizes(true);
    regels_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    kolommen_ = new QTreeView(this);
    kolommen_->setObjectName("kolommenSpelers");
    kolommen_->setModel(model_);
    kolommen_->setRootIsDecorated(false);
    kolommen_->setUniformRowHeights(true);
    kolommen_->setAllColumnsShowFocus(true);
    kolommen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    kolommen_->header()->setSectionsClickable(true);
    kolommen_->header()->setSortIndicatorShown(true);
    kolommen_->header()->setStretchLastSection(false);
    kolommen_->hide();
    for (QAbstractItemView* v :
         {static_cast<QAbstractItemView*>(regels_), static_cast<QAbstractItemView*>(kolommen_)}) {
        v->setSelectionMode(QAbstractItemView::SingleSelection);
        v->setSelectionBehavior(QAbstractItemView::SelectRows);
        v->setMinimumSize(560, 320);
        v->installEventFilter(this);
        connect(v, &QAbstractItemView::doubleClicked, this, [this] { Wijzig(); });
        v->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(v, &QWidget::customContextMenuRequested, this,
                [this, v](const QPoint& p) { ongedaan_->ToonMenu(v, p); });
        connect(v->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this](const QModelIndex& i) {
                    if (bezig_) return;
                    lijst_->Selecteer(i.isValid() ? i.row() : -1);
                    ToonTeller();
                });
    }
    connect(kolommen_->header(), &QHeaderView::sectionClicked, this, [this](int kolom) {
        lijst_->SorteerOp(kolom);
        Toon();
    });

    lblTeller_ = new QLabel(this);
    lblTeller_->setObjectName("lblTeller");
    lblTeller_->setMouseTracking(true);
    lblTeller_->installEventFilter(this);

    // ---- Lotingnummers ----
    grpLoting_ = new QGroupBox(this);
    grpLoting_->setObjectName("grpLotingnummers");
    auto* lLoting = new QVBoxLayout(grpLoting_);
    lotingGroep_ = new QButtonGroup(this);
    auto keuze = [&](QRadioButton*& r, const char* naam, LotingKeuze k) {
        r = new QRadioButton(grpLoting_);
        r->setObjectName(naam);
        lotingGroep_->addButton(r);
        lLoting->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this, k] {
            lijst_->KiesLoting(k);
            ToonBediening();
        });
    };
    keuze(rbVolgorde_, "rbVolgorde", LotingKeuze::Volgorde);
    keuze(rbWillekeurig_, "rbWillekeurig", LotingKeuze::Willekeurig);
    keuze(rbIngeven_, "rbIngeven", LotingKeuze::Ingeven);
    auto* maximum = new QHBoxLayout;
    lblMaximum_ = new QLabel(grpLoting_);
    sbMaximum_ = new QSpinBox(grpLoting_);
    sbMaximum_->setObjectName("sbMaximumnummer");
    sbMaximum_->setRange(0, 999);
    // The maximum is checked once a number is complete, not at every digit typed.
    sbMaximum_->setKeyboardTracking(false);
    lblMaximum_->setBuddy(sbMaximum_);
    maximum->addWidget(lblMaximum_);
    maximum->addWidget(sbMaximum_);
    lLoting->addLayout(maximum);
    connect(sbMaximum_, &QSpinBox::valueChanged, this, [this](int w) {
        if (bezig_) return;
        lijst_->ZetMaximum(std::to_string(w));
        ToonBediening();
    });
    cbSnel_ = new QCheckBox(this);
    cbSnel_->setObjectName("cbSnelIngeven");
    connect(cbSnel_, &QCheckBox::toggled, this, [this](bool aan) { lijst_->SnelIngeven = aan; });

    // ---- Automatisch nummeren ----
    grpNummeren_ = new QGroupBox(this);
    grpNummeren_->setObjectName("grpAutomatischNummeren");
    auto* lNummeren = new QVBoxLayout(grpNummeren_);
    auto* groepen = new QHBoxLayout;
    lblGroepen_ = new QLabel(grpNummeren_);
    sbGroepen_ = new QSpinBox(grpNummeren_);
    sbGroepen_->setObjectName("seLotinggroepen");
    sbGroepen_->setRange(0, 255);
    lblGroepen_->setBuddy(sbGroepen_);
    groepen->addWidget(lblGroepen_);
    groepen->addWidget(sbGroepen_);
    lNummeren->addLayout(groepen);
    rbParallel_ = new QRadioButton(grpNummeren_);
    rbParallel_->setObjectName("rbParallel");
    rbTegenElkaarIn_ = new QRadioButton(grpNummeren_);
    rbTegenElkaarIn_->setObjectName("rbTegenElkaarIn");
    lNummeren->addWidget(rbParallel_);
    lNummeren->addWidget(rbTegenElkaarIn_);
    knopNummeren_ = new QPushButton(grpNummeren_);
    knopNummeren_->setObjectName("knopNummeren");
    knopNummeren_->setAutoDefault(false);
    lNummeren->addWidget(knopNummeren_);
    connect(sbGroepen_, &QSpinBox::valueChanged, this, [this](int w) {
        if (!bezig_) lijst_->Lotinggroepen = w;
    });
    connect(rbParallel_, &QRadioButton::toggled, this,
            [this](bool aan) { lijst_->Parallel = aan; });
    connect(knopNummeren_, &QPushButton::clicked, this, &SpelerLijstDialoog::Nummeren);

    // ---- buttons ----
    auto maak = [this](const char* naam) {
        auto* k = new QPushButton(this);
        k->setObjectName(naam);
        // Enter belongs to the list (change the player), not to a default button.
        k->setAutoDefault(false);
        return k;
    };
    knopNieuw_ = maak("knopNieuw");
    knopWijzig_ = maak("knopWijzig");
    knopVerwijder_ = maak("knopVerwijder");
    knopZoek_ = maak("knopZoek");
    knopDeelnemers_ = maak("knopDeelnemerslijst");
    knopOk_ = maak("knopOk");
    knopHelp_ = maak("knopHelp");
    connect(knopNieuw_, &QPushButton::clicked, this, &SpelerLijstDialoog::Nieuw);
    connect(knopWijzig_, &QPushButton::clicked, this, &SpelerLijstDialoog::Wijzig);
    connect(knopVerwijder_, &QPushButton::clicked, this, &SpelerLijstDialoog::Verwijder);
    connect(knopZoek_, &QPushButton::clicked, this, &SpelerLijstDialoog::Zoek);
    connect(knopDeelnemers_, &QPushButton::clicked, this, [this] {
        if (!OpenDeelnemerslijst) return;
        OpenDeelnemerslijst();
        Toon();
    });
    connect(knopOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(knopHelp_, &QPushButton::clicked, this, &SpelerLijstDialoog::OpenHelp);

    auto* links = new QVBoxLayout;
    links->addWidget(regels_, 1);
    links->addWidget(kolommen_, 1);
    auto* onder = new QHBoxLayout;
    onder->addWidget(lblTeller_);
    onder->addStretch();
    links->addLayout(onder);
    auto* rechts = new QVBoxLayout;
    for (QPushButton* k : {knopNieuw_, knopWijzig_, knopVerwijder_, knopZoek_, knopDeelnemers_})
        rechts->addWidget(k);
    rechts->addWidget(grpLoting_);
    rechts->addWidget(cbSnel_);
    rechts->addWidget(grpNummeren_);
    rechts->addStretch();
    rechts->addWidget(knopOk_);
    rechts->addWidget(knopHelp_);
    auto* alles = new QHBoxLayout(this);
    alles->addLayout(links, 1);
    alles->addLayout(rechts);
    Vertaal();
}

SpelerLijstDialoog::~SpelerLijstDialoog() {
    // The register's lines go before the views that show them.
    model_->Toon(nullptr, false);
}

void SpelerLijstDialoog::Vertaal() {
    setWindowTitle(Q(T::SplTitel));
    knopNieuw_->setText(Q(T::SplNieuw));
    knopWijzig_->setText(Q(T::SplWijzig));
    knopVerwijder_->setText(Q(T::SplVerwijder));
    knopZoek_->setText(Q(T::SplZoek));
    knopDeelnemers_->setText(Q(T::SplDeelnemerslijst));
    grpLoting_->setTitle(Q(T::SplLotingnummers));
    rbVolgorde_->setText(Q(T::SplVolgorde));
    rbWillekeurig_->setText(Q(T::SplWillekeurig));
    rbIngeven_->setText(Q(T::SplIngeven));
    lblMaximum_->setText(Q(T::SplMaximumnummer));
    cbSnel_->setText(Q(T::SplSnelIngeven));
    grpNummeren_->setTitle(Q(T::SplAutomatisch));
    lblGroepen_->setText(Q(T::SplLotinggroepen));
    rbParallel_->setText(Q(T::SplParallel));
    rbTegenElkaarIn_->setText(Q(T::SplTegenElkaarIn));
    knopNummeren_->setText(Q(T::SplNummeren));
    knopOk_->setText(Q(T::BtnOK));
    knopHelp_->setText(Q(T::BtnHelp));
    lblTeller_->setToolTip(Q(T::SplTellerHint));
    invoer_->Vertaal();
    ongedaan_->Werkbij();
}

void SpelerLijstDialoog::showEvent(QShowEvent* e) {
    lijst_->Activeer();
    Toon();
    ToonBediening();
    View()->setFocus();
    Dialoog::showEvent(e);
}

void SpelerLijstDialoog::hideEvent(QHideEvent* e) {
    lijst_->Deactiveer();
    model_->Toon(nullptr, lijst_->Kolomweergave());
    Dialoog::hideEvent(e);
}

QAbstractItemView* SpelerLijstDialoog::View() const {
    if (lijst_->Kolomweergave()) return kolommen_;
    return regels_;
}

void SpelerLijstDialoog::Toon() {
    bezig_ = true;
    const bool kol = lijst_->Kolomweergave();
    model_->Toon(&lijst_->Items(), kol);
    regels_->setVisible(!kol);
    kolommen_->setVisible(kol);
    if (kol) {
        for (int k = 0; k < kAantalKolommen; ++k) {
            kolommen_->setColumnHidden(k, kBreedtes[k] == 0);
            if (kBreedtes[k]) kolommen_->setColumnWidth(k, kBreedtes[k]);
        }
        kolommen_->header()->setSortIndicator(lijst_->Sorteerkolom(), Qt::AscendingOrder);
    }
    QAbstractItemView* v = View();
    const int rij = lijst_->Selectie();
    if (rij >= 0) {
        const QModelIndex i = model_->index(rij, kol ? KolomLNR : 0);
        v->setCurrentIndex(i);
        v->scrollTo(i);
    } else {
        v->setCurrentIndex({});
    }
    bezig_ = false;
    ToonTeller();
    ongedaan_->Werkbij();
}

void SpelerLijstDialoog::ToonTeller() {
    lblTeller_->setText(Q(lijst_->Teller()));
}

void SpelerLijstDialoog::ToonBediening() {
    bezig_ = true;
    const auto k = lijst_->Keuze();
    rbVolgorde_->setChecked(k == LotingKeuze::Volgorde);
    rbWillekeurig_->setChecked(k == LotingKeuze::Willekeurig);
    rbIngeven_->setChecked(k == LotingKeuze::Ingeven);
    sbMaximum_->setEnabled(lijst_->MaximumActief());
    lblMaximum_->setEnabled(lijst_->MaximumActief());
    sbMaximum_->setValue(lijst_->Maximum());
    cbSnel_->setChecked(lijst_->SnelIngeven);
    sbGroepen_->setValue(lijst_->Lotinggroepen);
    lblGroepen_->setVisible(lijst_->ToonGroepen());
    sbGroepen_->setVisible(lijst_->ToonGroepen());
    rbParallel_->setVisible(lijst_->ToonParallel());
    rbTegenElkaarIn_->setVisible(lijst_->ToonParallel());
    rbParallel_->setChecked(lijst_->Parallel);
    rbTegenElkaarIn_->setChecked(!lijst_->Parallel);
    knopDeelnemers_->setEnabled(static_cast<bool>(OpenDeelnemerslijst));
    bezig_ = false;
}

void SpelerLijstDialoog::Nieuw() {
    lijst_->Nieuw([this](TInvoerSpelers& i) { return invoer_->Toon(i); });
    Toon();
    ToonBediening();
}

void SpelerLijstDialoog::Wijzig() {
    lijst_->Wijzig([this](TInvoerSpelers& i) { return invoer_->Toon(i); });
    Toon();
}

void SpelerLijstDialoog::Verwijder() {
    lijst_->Verwijder();
    Toon();
}

void SpelerLijstDialoog::Zoek() {
    lijst_->Zoek();
    Toon();
}

void SpelerLijstDialoog::Nummeren() {
    lijst_->Nummeren();
    Toon();
    ToonBediening();
}

bool SpelerLijstDialoog::eventFilter(QObject* o, QEvent* e) {
    if (o == lblTeller_) {
        if (e->type() == QEvent::Enter || e->type() == QEvent::MouseMove) ToonTeller();
        return false;
    }
    if ((o != regels_ && o != kolommen_) || e->type() != QEvent::KeyPress)
        return Dialoog::eventFilter(o, e);
    const auto* k = static_cast<QKeyEvent*>(e);
    switch (k->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Wijzig();
        return true;
    case Qt::Key_Insert:
        Nieuw();
        return true;
    case Qt::Key_Delete:
        Verwijder();
        return true;
    case Qt::Key_F3:
        Zoek();
        return true;
    default:
        // The view moves its selection first; the counter follows it.
        QMetaObject::invokeMethod(this, &SpelerLijstDialoog::ToonTeller, Qt::QueuedConnection);
        return false;
    }
}

} // namespace velkaro::ui
