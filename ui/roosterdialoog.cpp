#include "ui/roosterdialoog.h"

#include "pairing/roosterkeuze.h"
#include "pairing/roosterstop.h"
#include "ui/roostervoortgang.h"
#include "ui/tekst.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace velkaro::ui {

using lang::T;

namespace {

constexpr int kInternRol = Qt::UserRole; // the InternNummer of a line's player

TSpelerObj* SpelerVan(Competitie& c, const QListWidgetItem* item) {
    return item ? c.Spelers.zoekptr(item->data(kInternRol).toInt()) : nullptr;
}

} // namespace

RoosterDialoog::RoosterDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TRooster", "rooster", ouder) {
    lblRonde_ = new QLabel(this);
    sbRonde_ = new QSpinBox(this);
    sbRonde_->setObjectName("sbRonde");
    sbRonde_->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    lblRonde_->setBuddy(sbRonde_);
    cbLaatsteRonde_ = new QCheckBox(this);
    cbLaatsteRonde_->setObjectName("cbLaatsteRonde");

    grpKleuren_ = new QGroupBox(this);
    grpKleuren_->setObjectName("grpKleuren");
    rbStandaard_ = new QRadioButton(grpKleuren_);
    rbStandaard_->setObjectName("rbStandaard");
    rbVerwisseld_ = new QRadioButton(grpKleuren_);
    rbVerwisseld_->setObjectName("rbVerwisseld");
    auto* lKleuren = new QHBoxLayout(grpKleuren_);
    lKleuren->addWidget(rbStandaard_);
    lKleuren->addWidget(rbVerwisseld_);
    lKleuren->addStretch();

    grpSelecteren_ = new QGroupBox(this);
    grpSelecteren_->setObjectName("grpSelecteren");
    knopIedereen_ = new QPushButton(grpSelecteren_);
    knopIedereen_->setObjectName("knopIedereen");
    knopNiemand_ = new QPushButton(grpSelecteren_);
    knopNiemand_->setObjectName("knopNiemand");
    capInTeRoosteren_ = new QLabel(grpSelecteren_);
    lblInTeRoosteren_ = new QLabel(grpSelecteren_);
    lblInTeRoosteren_->setObjectName("lblInTeRoosteren");
    capTotaal_ = new QLabel(grpSelecteren_);
    lblTotaal_ = new QLabel(grpSelecteren_);
    lblTotaal_->setObjectName("lblTotaal");
    auto* lSelecteren = new QGridLayout(grpSelecteren_);
    lSelecteren->addWidget(knopIedereen_, 0, 0, 1, 2);
    lSelecteren->addWidget(knopNiemand_, 1, 0, 1, 2);
    lSelecteren->addWidget(capInTeRoosteren_, 2, 0);
    lSelecteren->addWidget(lblInTeRoosteren_, 2, 1, Qt::AlignRight);
    lSelecteren->addWidget(capTotaal_, 3, 0);
    lSelecteren->addWidget(lblTotaal_, 3, 1, Qt::AlignRight);
    lblOneven_ = new QLabel(grpSelecteren_);
    lblOneven_->setObjectName("lblOneven");
    lblOneven_->setWordWrap(true);
    lblOneven_->setMaximumWidth(lblOneven_->fontMetrics().averageCharWidth() * 32);
    lSelecteren->addWidget(lblOneven_, 4, 0, 1, 2);
    lSelecteren->setRowStretch(5, 1);

    lstRooster_ = new QListWidget(this);
    lstRooster_->setObjectName("lstRooster");
    lstVinklijst_ = new QListWidget(this);
    lstVinklijst_->setObjectName("lstVinklijst");
    lstVinklijst_->setMinimumWidth(
        lstVinklijst_->fontMetrics().horizontalAdvance("999 Wwwwwwwwwwwwwwwwwwww [WWW]") + 48);

    cbDebugfile_ = new QCheckBox(this);
    cbDebugfile_->setObjectName("cbDebugfile");
    QHBoxLayout* knoppen = Knoppenrij(knopSamenstellen_, knopAnnuleren_, knopHelp_);
    knopSamenstellen_->setObjectName("knopSamenstellen");
    knoppen->insertWidget(0, cbDebugfile_);

    auto* boven = new QHBoxLayout;
    boven->addWidget(lblRonde_);
    boven->addWidget(sbRonde_);
    boven->addSpacing(16);
    boven->addWidget(cbLaatsteRonde_);
    boven->addStretch();
    auto* links = new QVBoxLayout;
    links->addWidget(grpKleuren_);
    links->addWidget(grpSelecteren_);
    links->addStretch();
    auto* midden = new QHBoxLayout;
    midden->addLayout(links);
    midden->addWidget(lstRooster_, 1);
    midden->addWidget(lstVinklijst_, 1);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(boven);
    alles->addLayout(midden, 1);
    alles->addLayout(knoppen);

    connect(knopIedereen_, &QPushButton::clicked, this, [this] {
        SelecteerIedereen(o_.C);
        Vul();
    });
    connect(knopNiemand_, &QPushButton::clicked, this, [this] {
        SelecteerNiemand(o_.C);
        Vul();
    });
    connect(lstVinklijst_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        TSpelerObj* s = SpelerVan(o_.C, item);
        if (bezig_ || !s || s->InRooster() == (item->checkState() == Qt::Checked)) return;
        WisselRooster(o_.C, *s);
        VulRoosterlijst();
        ToonTellers();
    });
    connect(lstVinklijst_, &QListWidget::itemDoubleClicked, this, &RoosterDialoog::Wissel);
    connect(lstRooster_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        TSpelerObj* s = SpelerVan(o_.C, item);
        if (!s) return;
        const int volgende = std::min(lstRooster_->row(item) + 1, lstRooster_->count() - 1);
        WisselRooster(o_.C, *s);
        Vul();
        lstRooster_->setCurrentRow(volgende);
    });
    connect(knopSamenstellen_, &QPushButton::clicked, this, &RoosterDialoog::Samenstellen);

    voortgang_ = std::make_unique<RoosterVoortgang>(o, this);
    resize(720, 520);
    Vertaal();
}

RoosterDialoog::~RoosterDialoog() = default;

bool RoosterDialoog::Bezig() const {
    return voortgang_->Bezig();
}

void RoosterDialoog::Vertaal() {
    setWindowTitle(Q(T::RoosterMaken));
    lblRonde_->setText(Q(T::VanafRonde));
    cbLaatsteRonde_->setText(Q(T::LaatsteRondeKeuze));
    grpKleuren_->setTitle(Q(T::Kleuren));
    rbStandaard_->setText(Q(T::KleurenStandaard));
    rbVerwisseld_->setText(Q(T::KleurenVerwisseld));
    grpSelecteren_->setTitle(Q(T::HandmatigSelecteren));
    knopIedereen_->setText(Q(T::IedereenSelecteren));
    knopNiemand_->setText(Q(T::NiemandSelecteren));
    capInTeRoosteren_->setText(Q(T::InTeRoosteren));
    capTotaal_->setText(Q(T::TotaalAantalSpelers));
    cbDebugfile_->setText(Q(T::Debugfile));
    knopSamenstellen_->setText(Q(T::RoosterSamenstellen));
    knopAnnuleren_->setText(Q(T::KnopAnnuleren));
    knopHelp_->setText(Q(T::RoosterHelp));
    voortgang_->Vertaal();
}

void RoosterDialoog::showEvent(QShowEvent* e) {
    resultaat_.reset();
    cbDebugfile_->setChecked(debugfile_);
    const bool rondtoernooi = IsRondtoernooi(o_.C.Opties.Rekensysteem);
    cbLaatsteRonde_->setVisible(o_.C.Opties.Rekensysteem == SysteemZwitsersRating);
    grpKleuren_->setVisible(rondtoernooi);
    if (rondtoernooi) rbStandaard_->setChecked(true);
    // The plain list is the check list's older twin: it is filled and answers a double
    // click, but every system shows the check list instead.
    lstRooster_->hide();
    grpSelecteren_->setVisible(!rondtoernooi);
    lstVinklijst_->setVisible(!rondtoernooi);
    sbRonde_->setValue(VoorgesteldeRonde(o_.C));
    Vul();
    Dialoog::showEvent(e);
    sbRonde_->setFocus();
    sbRonde_->selectAll();
}

void RoosterDialoog::VulRoosterlijst() {
    const QSignalBlocker stil(lstRooster_);
    const int huidig = lstRooster_->currentRow();
    lstRooster_->clear();
    for (const auto& s : o_.C.Spelers) {
        auto* item = new QListWidgetItem(Q(RoosterlijstRegel(*s)), lstRooster_);
        item->setData(kInternRol, s->InternNummer());
    }
    lstRooster_->setCurrentRow(huidig);
}

void RoosterDialoog::Vul() {
    bezig_ = true;
    VulRoosterlijst();
    const int huidig = lstVinklijst_->currentRow();
    lstVinklijst_->clear();
    for (TSpelerObj* s : VinklijstSpelers(o_.C)) {
        auto* item = new QListWidgetItem(Q(VinklijstRegel(*s)), lstVinklijst_);
        item->setData(kInternRol, s->InternNummer());
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(s->InRooster() ? Qt::Checked : Qt::Unchecked);
    }
    lstVinklijst_->setCurrentRow(huidig);
    bezig_ = false;
    ToonTellers();
}

void RoosterDialoog::ToonTellers() {
    lblInTeRoosteren_->setText(QString::number(o_.C.Spelers.tel_rooster()));
    lblTotaal_->setText(QString::number(o_.C.Spelers.Aantal()));
    knopSamenstellen_->setEnabled(MagSamenstellen(o_.C));
    const QString melding = Q(Samenstelmelding(o_.C));
    lblOneven_->setText(melding);
    lblOneven_->setVisible(!melding.isEmpty());
    knopSamenstellen_->setToolTip(melding);
}

void RoosterDialoog::Wissel(QListWidgetItem* item) {
    TSpelerObj* s = SpelerVan(o_.C, item);
    if (!s) return;
    WisselRooster(o_.C, *s);
    bezig_ = true;
    item->setCheckState(s->InRooster() ? Qt::Checked : Qt::Unchecked);
    bezig_ = false;
    VulRoosterlijst();
    ToonTellers();
}

void RoosterDialoog::Samenstellen() {
    if (!MagSamenstellen(o_.C)) return;
    debugfile_ = cbDebugfile_->isChecked();
    const int32_t ronde = RondeVanInvoer(sbRonde_->value());
    const bool standaard = !rbVerwisseld_->isChecked();
    const bool laatste = cbLaatsteRonde_->isChecked();
    // A round with results is paired again only when the user agrees; the dialog stays open.
    if (!BevestigOpnieuwParen(o_.C, ronde, o_.G)) return;
    Competitie& c = o_.C;
    resultaat_ = voortgang_->Voer(
        [&](Roosteromgeving& omg) {
            return SamenstellenRoosterMetStop(c, ronde, standaard, laatste, omg);
        },
        debugfile_);
    accept();
}

void RoosterDialoog::done(int r) {
    lstRooster_->clear();
    lstVinklijst_->clear();
    VerlaatRoosterdialoog(o_.C, cbLaatsteRonde_->isChecked());
    Dialoog::done(r);
}

} // namespace velkaro::ui
