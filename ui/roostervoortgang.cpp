#include "ui/roostervoortgang.h"

#include "ui/draadgesprek.h"
#include "ui/tekst.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

namespace velkaro::ui {

using lang::T;

namespace {

// The redraws per second are few: the eye cannot follow more, and each costs the search a
// moment on the buffer's lock.
constexpr int kVerversMs = 200;

} // namespace

RoosterVoortgang::RoosterVoortgang(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TRoosterVoortgang", "roostervoortgang", ouder) {
    setWindowModality(Qt::ApplicationModal);
    lijst_ = new QListWidget(this);
    lijst_->setObjectName("lstVoortgang");
    lijst_->setUniformItemSizes(true);
    lijst_->setSelectionMode(QAbstractItemView::NoSelection);
    QFont vast(Q(o.C.Vastfont));
    vast.setStyleHint(QFont::TypeWriter);
    vast.setFixedPitch(true);
    if (!QFontInfo(vast).fixedPitch()) vast = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lijst_->setFont(vast);
    lijst_->setMinimumSize(QFontMetrics(vast).horizontalAdvance(QString(56, 'x')) + 32, 320);

    lblOnderzocht_ = new QLabel(this);
    lblTeller_ = new QLabel(this);
    lblTeller_->setObjectName("lblOnderzocht");
    lblTeller_->setMinimumWidth(lblTeller_->fontMetrics().horizontalAdvance("0000000000000"));
    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName("lblStatus");
    knopStop_ = new QPushButton(this);
    knopStop_->setObjectName("knopStop");
    connect(knopStop_, &QPushButton::clicked, this, &RoosterVoortgang::Stop);

    auto* onder = new QHBoxLayout;
    onder->addWidget(lblOnderzocht_);
    onder->addWidget(lblTeller_);
    onder->addStretch();
    onder->addWidget(knopStop_);
    auto* alles = new QVBoxLayout(this);
    alles->addWidget(lijst_, 1);
    alles->addWidget(lblStatus_);
    alles->addLayout(onder);

    klok_ = new QTimer(this);
    klok_->setInterval(kVerversMs);
    connect(klok_, &QTimer::timeout, this, &RoosterVoortgang::Ververs);
    Vertaal();
}

void RoosterVoortgang::Vertaal() {
    setWindowTitle(Q(T::VooruitgangRoosteren));
    lblOnderzocht_->setText(Q(T::Onderzocht));
    knopStop_->setText(Q(T::KnopStop));
}

void RoosterVoortgang::Ververs() {
    const auto w = buffer_.Werkbij(beeld_);
    const int n = static_cast<int>(beeld_.Regels.size());
    while (lijst_->count() > n) delete lijst_->takeItem(lijst_->count() - 1);
    while (lijst_->count() < n) lijst_->addItem(QString());
    for (int i : w.Regels) lijst_->item(i)->setText(Q(beeld_.Regels[static_cast<std::size_t>(i)]));
    if (w.Teller) lblTeller_->setText(QString::number(beeld_.Teller));
    if (w.Status) lblStatus_->setText(Q(beeld_.Status));
}

void RoosterVoortgang::Stop() {
    buffer_.VraagStop();
    knopStop_->setEnabled(false);
}

void RoosterVoortgang::reject() {
    if (bezig_)
        Stop();
    else
        Dialoog::reject();
}

void RoosterVoortgang::closeEvent(QCloseEvent* e) {
    if (bezig_) {
        Stop();
        e->ignore();
        return;
    }
    Dialoog::closeEvent(e);
}

Roosterresultaat
RoosterVoortgang::Voer(const std::function<Roosterresultaat(Roosteromgeving&)>& taak,
                       bool debugfile) {
    buffer_.Wis();
    beeld_ = {};
    lijst_->clear();
    lblTeller_->setText("0");
    lblStatus_->clear();
    knopStop_->setEnabled(true);
    bezig_ = true;
    show();
    klok_->start();

    DraadGesprek gesprek(o_.G, this);
    Roosteromgeving omg{gesprek, buffer_, debugfile};
    Roosterresultaat res;
    std::exception_ptr fout;
    QEventLoop lus;
    QThread* werker = QThread::create([&] {
        try {
            res = taak(omg);
        } catch (...) {
            fout = std::current_exception();
        }
    });
    connect(werker, &QThread::finished, &lus, &QEventLoop::quit);
    werker->start();
    lus.exec();
    // Only the end of the task quits the loop; should anything else, the task is stopped and
    // its messages are still answered while it unwinds.
    if (!werker->isFinished()) buffer_.VraagStop();
    while (!werker->wait(10)) QCoreApplication::processEvents();
    delete werker;

    klok_->stop();
    Ververs();
    bezig_ = false;
    hide();
    if (fout) std::rethrow_exception(fout);
    return res;
}

} // namespace velkaro::ui
