#include "ui/rapportscherm.h"

#include "ui/tekst.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace velkaro::ui {

using lang::T;

Rapportscherm::Rapportscherm(Omgeving& o, QWidget* ouder)
    : Dialoog(o, "TBeeldscherm", "beeldscherm", ouder) {
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("memoRapport");
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    knopSluiten_ = new QPushButton(this);
    knopSluiten_->setObjectName("knopSluiten");
    knopSluiten_->setDefault(true);
    knopHelp_ = new QPushButton(this);
    knopHelp_->setObjectName("knopHelp");
    connect(knopSluiten_, &QPushButton::clicked, this, &QDialog::accept);
    connect(knopHelp_, &QPushButton::clicked, this, &Rapportscherm::OpenHelp);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(knopSluiten_);
    knoppen->addWidget(knopHelp_);
    auto* alles = new QVBoxLayout(this);
    alles->addWidget(memo_, 1);
    alles->addLayout(knoppen);
    resize(860, 600);
    Vertaal();
}

void Rapportscherm::Vertaal() {
    setWindowTitle(Q(T::SchTitel));
    knopSluiten_->setText(Q(T::SchSluiten));
    knopHelp_->setText(Q(T::BtnHelp));
}

void Rapportscherm::Leeg() {
    regels_.clear();
    memo_->clear();
}

void Rapportscherm::VoegToe(const std::string& regel) {
    regels_.push_back(Q(regel));
}

void Rapportscherm::NaarBegin() {
    // One assignment of the whole text: adding a line at a time redraws for every line.
    memo_->setPlainText(regels_.join('\n'));
    memo_->moveCursor(QTextCursor::Start);
}

QString Rapportscherm::Tekst() const {
    return memo_->toPlainText();
}

} // namespace velkaro::ui
