#include "ui/matrixdialoog.h"

#include "ui/matrixmodel.h"
#include "ui/tekst.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace velkaro::ui {

using lang::T;

namespace {

QPushButton* Knop(QWidget* ouder, const char* naam) {
    auto* k = new QPushButton(ouder);
    k->setObjectName(naam);
    k->setAutoDefault(false);
    return k;
}

// The grid: fixed sizes, the name column wide, the result columns narrow. The name column is
// measured in the table's own font: the widest name shown fits, and never less room than
// twenty average characters (a name's capacity).
QTableView* Raster(QWidget* ouder, MatrixModel* model, int celbreedte) {
    auto* t = new QTableView(ouder);
    t->setObjectName("tabelMatrix");
    t->setModel(model);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setTabKeyNavigation(false);
    t->verticalHeader()->hide();
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->horizontalHeader()->setDefaultSectionSize(celbreedte);
    t->horizontalHeader()->setMinimumSectionSize(celbreedte);
    t->setMinimumSize(560, 320);
    QObject::connect(model, &QAbstractItemModel::modelReset, t, [t, model] {
        const QFontMetrics fm = t->fontMetrics();
        // The delegate keeps this much of a cell free on either side of its text.
        const int rand = t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 1;
        int naam = 20 * fm.averageCharWidth();
        for (int r = 0; r < model->rowCount(); ++r)
            naam = std::max(naam, fm.horizontalAdvance(model->index(r, 1).data().toString()));
        t->setColumnWidth(0, 40);
        t->setColumnWidth(1, naam + 2 * rand + fm.averageCharWidth());
        t->setColumnWidth(2, 44);
        t->setColumnWidth(3, 44);
    });
    return t;
}

void ZetCursor(QTableView* t, int rij, int kolom) {
    const QModelIndex i = t->model()->index(rij - 1, MatrixModel::kVast + kolom - 1);
    if (!i.isValid()) return;
    t->setCurrentIndex(i);
    t->scrollTo(i);
}

} // namespace

// ---- cross table ----

MatrixDialoog::MatrixDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "Tvxmatrix", "matrix", ouder), l_(o.C, o.G) {
    model_ = new MatrixModel(this);
    tabel_ = Raster(this, model_, 28);
    tabel_->installEventFilter(this);
    winst_ = Knop(this, "knopWinst");
    remise_ = Knop(this, "knopRemise");
    verlies_ = Knop(this, "knopVerlies");
    punt_ = Knop(this, "knopPunt");
    drie_ = Knop(this, "knopDrie");
    terug_ = Knop(this, "knopTerug");
    verwerken_ = Knop(this, "knopVerwerken");
    nietVerwerken_ = Knop(this, "knopNietVerwerken");
    help_ = Knop(this, "knopHelp");
    rooster_ = new QCheckBox(this);
    rooster_->setObjectName("vakRoosterAanmaken");
    overschrijf_ = new QCheckBox(this);
    overschrijf_->setObjectName("vakOverschrijf");

    const auto actie = [this](QPushButton* k, void (Tvxmatrix::*f)()) {
        connect(k, &QPushButton::clicked, this, [this, f] {
            (l_.*f)();
            Na();
        });
    };
    actie(winst_, &Tvxmatrix::Winst);
    actie(remise_, &Tvxmatrix::Remise);
    actie(verlies_, &Tvxmatrix::Verlies);
    actie(punt_, &Tvxmatrix::NietGespeeld);
    actie(drie_, &Tvxmatrix::Drie);
    actie(terug_, &Tvxmatrix::Terug);
    connect(verwerken_, &QPushButton::clicked, this, [this] {
        l_.RoosterAanmaken = rooster_->isChecked();
        l_.Overschrijven = overschrijf_->isChecked();
        l_.Verwerken(OpenRooster);
        accept();
    });
    connect(nietVerwerken_, &QPushButton::clicked, this, &MatrixDialoog::reject);
    connect(help_, &QPushButton::clicked, this, &MatrixDialoog::OpenHelp);

    auto* knoppen = new QHBoxLayout;
    for (QPushButton* k : {winst_, remise_, verlies_, punt_, drie_, terug_}) knoppen->addWidget(k);
    knoppen->addStretch();
    auto* onder = new QHBoxLayout;
    onder->addWidget(rooster_);
    onder->addWidget(overschrijf_);
    onder->addStretch();
    for (QPushButton* k : {verwerken_, nietVerwerken_, help_}) onder->addWidget(k);
    auto* alles = new QVBoxLayout(this);
    alles->addWidget(tabel_, 1);
    alles->addLayout(knoppen);
    alles->addLayout(onder);
    Vertaal();
}

void MatrixDialoog::Vertaal() {
    setWindowTitle(Q(T::MxTitel));
    winst_->setText(Q(l_.WinstOpschrift()));
    remise_->setText(Q(T::MxRemise));
    verlies_->setText(Q(T::MxVerlies));
    punt_->setText(Q(T::MxPunt));
    drie_->setText(Q(T::MxDrie));
    terug_->setText(Q(T::MxTerug));
    verwerken_->setText(Q(T::MxVerwerken));
    nietVerwerken_->setText(Q(T::MxNietVerwerken));
    help_->setText(Q(T::BtnHelp));
    rooster_->setText(Q(T::MxRoosterAanmaken));
    overschrijf_->setText(Q(T::MxOverschrijf));
    model_->Ververs();
}

void MatrixDialoog::Toon() {
    if (o_.C.Spelers.Leeg()) return;
    l_.SetData();
    model_->Toon(&l_);
    Na();
    tabel_->setFocus();
    exec();
    model_->Toon(nullptr);
}

void MatrixDialoog::Na() {
    model_->Ververs();
    winst_->setText(Q(l_.WinstOpschrift()));
    drie_->setVisible(l_.DrieZichtbaar());
    ZetCursor(tabel_, l_.CursorRij(), l_.CursorKolom());
}

bool MatrixDialoog::Toets(QKeyEvent* e) {
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    switch (e->key()) {
    case Qt::Key_Right:
        l_.NietGespeeld();
        break;
    case Qt::Key_Left:
        l_.Terug();
        break;
    default: {
        const QString t = e->text();
        if (t.size() != 1 || !l_.Toets(t[0].toLatin1())) return false;
    }
    }
    Na();
    return true;
}

bool MatrixDialoog::eventFilter(QObject* o, QEvent* e) {
    if (o == tabel_ && e->type() == QEvent::KeyPress && Toets(static_cast<QKeyEvent*>(e)))
        return true;
    return Dialoog::eventFilter(o, e);
}

void MatrixDialoog::keyPressEvent(QKeyEvent* e) {
    if (!Toets(e)) Dialoog::keyPressEvent(e);
}

void MatrixDialoog::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) {
        l_.Herstel();
        drie_->setVisible(l_.DrieZichtbaar());
    }
    Dialoog::changeEvent(e);
}

void MatrixDialoog::reject() {
    if (l_.NietVerwerken()) Dialoog::reject();
}

// ---- progress table ----

PerRondeMatrixDialoog::PerRondeMatrixDialoog(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "Tvxmatrix1", "perrondematrix", ouder), l_(o.C, o.G) {
    model_ = new MatrixModel(this);
    tabel_ = Raster(this, model_, 44);
    lblRondes_ = new QLabel(this);
    rondes_ = new QSpinBox(this);
    rondes_->setObjectName("spinRondes");
    rondes_->setRange(1, Tvxmatrix1::kMaxRondes);
    lblRondes_->setBuddy(rondes_);
    lblInvoer_ = new QLabel(this);
    invoer_ = new QLineEdit(this);
    invoer_->setObjectName("editInvoer");
    invoer_->setMaximumWidth(120);
    lblInvoer_->setBuddy(invoer_);
    punt_ = Knop(this, "knopPunt");
    terug_ = Knop(this, "knopTerug");
    verwerken_ = Knop(this, "knopVerwerken");
    nietVerwerken_ = Knop(this, "knopNietVerwerken");
    help_ = Knop(this, "knopHelp");

    connect(rondes_, &QSpinBox::valueChanged, this, [this](int n) {
        l_.ZetAantalRondes(n);
        Na();
    });
    connect(invoer_, &QLineEdit::textEdited, this, [this](const QString& t) {
        l_.ZetInvoer(S(t));
        Na();
    });
    connect(punt_, &QPushButton::clicked, this, [this] {
        l_.Punt();
        Na();
    });
    connect(terug_, &QPushButton::clicked, this, [this] {
        l_.Terug();
        Na();
    });
    connect(verwerken_, &QPushButton::clicked, this, [this] {
        l_.Verwerken();
        accept();
    });
    connect(nietVerwerken_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help_, &QPushButton::clicked, this, &PerRondeMatrixDialoog::OpenHelp);

    auto* boven = new QHBoxLayout;
    boven->addWidget(lblRondes_);
    boven->addWidget(rondes_);
    boven->addSpacing(24);
    boven->addWidget(lblInvoer_);
    boven->addWidget(invoer_);
    boven->addWidget(punt_);
    boven->addWidget(terug_);
    boven->addStretch();
    auto* onder = new QHBoxLayout;
    onder->addStretch();
    for (QPushButton* k : {verwerken_, nietVerwerken_, help_}) onder->addWidget(k);
    auto* alles = new QVBoxLayout(this);
    alles->addLayout(boven);
    alles->addWidget(tabel_, 1);
    alles->addLayout(onder);
    Vertaal();
}

void PerRondeMatrixDialoog::Vertaal() {
    setWindowTitle(Q(T::MxTitel));
    lblRondes_->setText(Q(T::MxAantalRondes));
    lblInvoer_->setText(Q(T::MxInvoer));
    punt_->setText(Q(T::MxPunt));
    terug_->setText(Q(T::MxTerug));
    verwerken_->setText(Q(T::MxVerwerken));
    nietVerwerken_->setText(Q(T::MxNietVerwerken));
    help_->setText(Q(T::BtnHelp));
    model_->Ververs();
}

void PerRondeMatrixDialoog::Toon() {
    l_.SetData();
    {
        const QSignalBlocker stil(rondes_);
        rondes_->setValue(l_.Kolommen());
    }
    invoer_->clear();
    model_->Toon(&l_);
    Na();
    invoer_->setFocus();
    exec();
    model_->Toon(nullptr);
}

void PerRondeMatrixDialoog::Na() {
    model_->Ververs();
    if (invoer_->text() != Q(l_.Invoer())) invoer_->setText(Q(l_.Invoer()));
    ZetCursor(tabel_, l_.CursorRij(), l_.CursorRonde());
}

} // namespace velkaro::ui
