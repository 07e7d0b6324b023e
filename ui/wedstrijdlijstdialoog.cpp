#include "ui/wedstrijdlijstdialoog.h"

#include "entry/groepen.h"
#include "ui/ongedaanacties.h"
#include "ui/tekst.h"
#include "ui/wedinvoerdialoog.h"
#include "ui/wedstrijdmodel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

QPushButton* WedstrijdlijstDialoog::Knop(const char* naam) {
    auto* k = new QPushButton(this);
    k->setObjectName(naam);
    k->setAutoDefault(false);
    return k;
}

WedstrijdlijstDialoog::WedstrijdlijstDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TWedstrijdenlijst", "wedstrijdlijst", ouder) {
    model_ = new WedstrijdModel(this);
    tabel_ = new QTableView(this);
    tabel_->setObjectName("lijstWedstrijden");
    tabel_->setModel(model_);
    tabel_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabel_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabel_->setShowGrid(false);
    tabel_->setWordWrap(false);
    tabel_->setTabKeyNavigation(false);
    tabel_->verticalHeader()->hide();
    // Fixed row heights and column widths: a round of 127 matches opens without measuring.
    tabel_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabel_->verticalHeader()->setDefaultSectionSize(tabel_->fontMetrics().height() + 6);
    auto* kop = tabel_->horizontalHeader();
    kop->setSectionResizeMode(QHeaderView::Fixed);
    kop->setHighlightSections(false);
    const int cijfer = tabel_->fontMetrics().horizontalAdvance('0');
    const int breedtes[WedstrijdModel::kKolommen] = {6, 6, 5, 24, 2, 5, 24, 9, 3};
    for (int i = 0; i < WedstrijdModel::kKolommen; ++i)
        tabel_->setColumnWidth(i, breedtes[i] * cijfer + 12);
    kop->setStretchLastSection(true);
    tabel_->setMinimumSize(640, 360);
    tabel_->installEventFilter(this);
    connect(tabel_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& nu) {
                if (l_) l_->Selecteer(nu.isValid() ? nu.row() : -1);
            });
    connect(tabel_, &QTableView::doubleClicked, this, [this] {
        if (!l_) return;
        l_->Wijzig([this](TWedInvoer& w) { return invoer_->Toon(w); });
        Na();
    });

    // Ctrl+Z and Ctrl+Y, also in the table's context menu: the list shows the restored round.
    ongedaan_ = new OngedaanActies(this, o.Historie, [this] { Na(); });
    tabel_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabel_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { ongedaan_->ToonMenu(tabel_, p); });

    lblDatum_ = new QLabel(this);
    datum_ = new QLineEdit(this);
    datum_->setObjectName("editDatum");
    datum_->setInputMask("90-90-0000; ");
    datum_->setMaximumWidth(datum_->fontMetrics().horizontalAdvance("00-00-00000") + 16);
    lblDatum_->setBuddy(datum_);
    connect(datum_, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (l_) l_->Datum = S(t);
    });
    lblGroep_ = new QLabel(this);
    groep_ = new QComboBox(this);
    groep_->setObjectName("comboGroep");
    groep_->setMinimumWidth(200);
    lblGroep_->setBuddy(groep_);
    connect(groep_, &QComboBox::activated, this, [this](int i) {
        const int32_t n = groep_->itemData(i).toInt();
        if (l_ && n != o_.C.HuidigeDeelcomp) Sluit(l_->KiesGroep(n));
    });

    paneel_ = new QGroupBox(this);
    paneel_->setObjectName("grpUitslag");
    auto* lPaneel = new QGridLayout(paneel_);
    for (int i = 0; i < kResultaatknoppen; ++i) {
        res_[static_cast<std::size_t>(i)] = Knop(("knopRes" + std::to_string(i)).c_str());
        res_[static_cast<std::size_t>(i)]->setMinimumWidth(44);
        lPaneel->addWidget(res_[static_cast<std::size_t>(i)], 0, i);
        connect(res_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { Druk(static_cast<Uitslagknop>(i)); });
    }
    regl00_ = Knop("knopRegl00");
    afgebroken_ = Knop("knopAfgebroken");
    uitslagWeg_ = Knop("knopUitslagWeg");
    reglUitslag_ = Knop("knopReglUitslag");
    int kol = 0;
    for (auto [k, knop] : {std::pair{regl00_, Uitslagknop::Regl00},
                           {afgebroken_, Uitslagknop::Afgebroken},
                           {uitslagWeg_, Uitslagknop::UitslagWeg},
                           {reglUitslag_, Uitslagknop::ReglUitslag}}) {
        lPaneel->addWidget(k, 1, kol, 1, 2);
        kol += 2;
        connect(k, &QPushButton::clicked, this, [this, knop] { Druk(knop); });
    }

    nieuw_ = Knop("knopNieuw");
    wijzig_ = Knop("knopWijzig");
    verwijder_ = Knop("knopVerwijder");
    nummer_ = Knop("knopNummer");
    ronde_ = Knop("knopRonde");
    wissel_ = Knop("knopWissel");
    random_ = Knop("knopRandom");
    spelers_ = Knop("knopSpelers");
    rooster_ = Knop("knopRooster");
    abort_ = Knop("knopAbort");
    ok_ = Knop("knopOk");
    ok_->setDefault(true);
    help_ = Knop("knopHelp");
    const auto invoer = [this](TWedInvoer& w) { return invoer_->Toon(w); };
    const auto actie = [this](QPushButton* k, auto f) {
        connect(k, &QPushButton::clicked, this, [this, f] {
            if (!l_) return;
            f();
            Na();
        });
    };
    actie(nieuw_, [this, invoer] { l_->Nieuw(invoer); });
    actie(wijzig_, [this, invoer] { l_->Wijzig(invoer); });
    actie(verwijder_, [this] { l_->Verwijder(); });
    actie(nummer_, [this] { l_->Nummer(); });
    actie(ronde_, [this] { l_->Rondenummer(); });
    actie(wissel_, [this] { l_->Wissel(); });
    actie(random_, [this] { l_->Random(); });
    actie(spelers_, [this] {
        if (OpenSpelers) OpenSpelers();
        l_->SpelersGewijzigd();
    });
    connect(rooster_, &QPushButton::clicked, this, [this] {
        if (l_) Sluit(l_->Rooster());
    });
    connect(abort_, &QPushButton::clicked, this, [this] {
        if (!l_) return;
        if (const auto a = l_->Abort()) Sluit(*a);
    });
    connect(ok_, &QPushButton::clicked, this, [this] { Sluit(Afsluiting::Ok); });
    connect(help_, &QPushButton::clicked, this, &WedstrijdlijstDialoog::OpenHelp);

    auto* boven = new QHBoxLayout;
    boven->addWidget(lblDatum_);
    boven->addWidget(datum_);
    boven->addStretch();
    boven->addWidget(lblGroep_);
    boven->addWidget(groep_);
    auto* links = new QVBoxLayout;
    links->addLayout(boven);
    links->addWidget(tabel_, 1);
    links->addWidget(paneel_);
    auto* rechts = new QVBoxLayout;
    for (QPushButton* k : {nieuw_, wijzig_, verwijder_, nummer_, ronde_, wissel_, random_})
        rechts->addWidget(k);
    rechts->addSpacing(12);
    rechts->addWidget(spelers_);
    rechts->addWidget(rooster_);
    rechts->addStretch();
    for (QPushButton* k : {abort_, ok_, help_}) rechts->addWidget(k);
    auto* alles = new QHBoxLayout(this);
    alles->addLayout(links, 1);
    alles->addLayout(rechts);

    invoer_ = std::make_unique<WedInvoerDialoog>(o, this);
    Vertaal();
}

WedstrijdlijstDialoog::~WedstrijdlijstDialoog() = default;

void WedstrijdlijstDialoog::Vertaal() {
    setWindowTitle(l_ ? Q(l_->Titel()) : Q(T::Wedstrijden));
    lblDatum_->setText(Q(T::WlDatum));
    lblGroep_->setText(Q(T::WlGroep));
    paneel_->setTitle(Q(T::WlUitslag));
    regl00_->setText(Q(T::WlRegl00));
    afgebroken_->setText(Q(T::WlAfgebroken));
    uitslagWeg_->setText(Q(T::WlUitslagWeg));
    reglUitslag_->setText(Q(T::WlReglUitslag));
    nieuw_->setText(Q(T::WlNieuw));
    wijzig_->setText(Q(T::WlWijzig));
    verwijder_->setText(Q(T::WlVerwijder));
    nummer_->setText(Q(T::WlNummer));
    ronde_->setText(Q(T::WlRonde));
    wissel_->setText(Q(T::WlWissel));
    random_->setText(Q(T::WlRandom));
    spelers_->setText(Q(T::WlSpelers));
    rooster_->setText(Q(T::WlRooster));
    abort_->setText(Q(T::WlAbort));
    ok_->setText(Q(T::BtnOK));
    help_->setText(Q(T::BtnHelp));
    if (invoer_) invoer_->Vertaal();
    ongedaan_->Werkbij();
    if (l_) {
        const Knoppaneel p = l_->Panel();
        for (std::size_t i = 0; i < res_.size(); ++i) {
            res_[i]->setText(Q(p.Opschrift[i]));
            res_[i]->setVisible(p.Zichtbaar[i]);
        }
    }
}

void WedstrijdlijstDialoog::VulGroepen() {
    const QSignalBlocker stil(groep_);
    groep_->clear();
    for (const auto& r : GroepenLijst(o_.C)) {
        groep_->addItem(Q(r.Tekst).trimmed(), r.Bestandsnummer);
        if (r.Bestandsnummer == o_.C.HuidigeDeelcomp) groep_->setCurrentIndex(groep_->count() - 1);
    }
}

void WedstrijdlijstDialoog::Bereid(TWedstrijdenlijst& lijst) {
    l_ = &lijst;
    uitkomst_ = Afsluiting::Ok;
    Vertaal();
    {
        const QSignalBlocker stil(datum_);
        datum_->setText(Q(lijst.Datum));
    }
    VulGroepen();
    rooster_->setVisible(o_.C.Opties.IsZwitsers());
    const bool loting = o_.C.ToonLotingnummer;
    tabel_->setColumnHidden(2, !loting);
    tabel_->setColumnHidden(5, !loting);
    model_->Toon(&lijst);
    Selecteer();
    tabel_->setFocus();
}

void WedstrijdlijstDialoog::Los() {
    model_->Toon(nullptr);
    l_ = nullptr;
}

Afsluiting WedstrijdlijstDialoog::Toon(TWedstrijdenlijst& lijst) {
    Bereid(lijst);
    exec();
    const Afsluiting a = uitkomst_;
    Los();
    return a;
}

void WedstrijdlijstDialoog::Selecteer() {
    const int rij = l_ ? l_->Selectie() : -1;
    if (rij < 0) {
        tabel_->selectionModel()->clear();
        return;
    }
    const QModelIndex i = model_->index(rij, 3);
    tabel_->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    tabel_->scrollTo(i);
}

void WedstrijdlijstDialoog::Na() {
    model_->Herlaad();
    Selecteer();
    ongedaan_->Werkbij();
}

void WedstrijdlijstDialoog::Druk(Uitslagknop knop) {
    if (!l_) return;
    const int rij = l_->Selectie();
    l_->Druk(knop);
    // A result leaves the order of the lines alone: only its own line is drawn again.
    model_->WerkRij(rij);
    if (l_->Selectie() != rij) Selecteer();
    ongedaan_->Werkbij();
}

void WedstrijdlijstDialoog::Sluit(Afsluiting a) {
    uitkomst_ = a;
    QDialog::accept();
}

void WedstrijdlijstDialoog::reject() {
    Sluit(Afsluiting::Ok);
}

bool WedstrijdlijstDialoog::Toets(QKeyEvent* e) {
    if (!l_ || datum_->hasFocus()) return false;
    const auto invoer = [this](TWedInvoer& w) { return invoer_->Toon(w); };
    switch (e->key()) {
    case Qt::Key_Delete:
        l_->Verwijder();
        Na();
        return true;
    case Qt::Key_Insert:
        l_->Nieuw(invoer);
        Na();
        return true;
    case Qt::Key_Space:
        l_->Wijzig(invoer);
        Na();
        return true;
    default:
        break;
    }
    const QString tekst = e->text();
    if (tekst.size() != 1 || !tekst[0].isPrint() || tekst[0].unicode() > 0x7f ||
        (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    char teken = static_cast<char>(tekst[0].unicode());
    // Under chess notation the numeric keypad's 8 stands for a draw.
    if ((e->modifiers() & Qt::KeypadModifier) && e->key() == Qt::Key_8 &&
        o_.C.Opties.Schaaknotatie())
        teken = 'H';
    const int rij = l_->Selectie();
    if (l_->Toets(teken)) {
        model_->WerkRij(rij);
        if (l_->Selectie() != rij) Selecteer();
        ongedaan_->Werkbij();
    }
    // Other characters would only start the table's search by first letter.
    return true;
}

bool WedstrijdlijstDialoog::eventFilter(QObject* o, QEvent* e) {
    if (o == tabel_ && e->type() == QEvent::KeyPress && Toets(static_cast<QKeyEvent*>(e)))
        return true;
    return Dialoog::eventFilter(o, e);
}

void WedstrijdlijstDialoog::keyPressEvent(QKeyEvent* e) {
    if (e->key() != Qt::Key_Escape && e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter &&
        Toets(e))
        return;
    Dialoog::keyPressEvent(e);
}

} // namespace velkaro::ui
