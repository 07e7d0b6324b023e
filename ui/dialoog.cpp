#include "ui/dialoog.h"

#include <QKeySequence>
#include <QShortcut>

namespace velkaro::ui {

Dialoog::Dialoog(Omgeving& o, std::string vormnaam, QString helpanker, QWidget* ouder)
    : QDialog(ouder), o_(o), vormnaam_(std::move(vormnaam)), helpanker_(std::move(helpanker)) {
    setObjectName(QString::fromStdString(vormnaam_));
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] {
        if (o_.Help) o_.Help(helpanker_, this);
    });
}

void Dialoog::showEvent(QShowEvent* e) {
    HerstelPlaatsing(this, o_.Instellingen, vormnaam_);
    QDialog::showEvent(e);
}

void Dialoog::hideEvent(QHideEvent* e) {
    BewaarPlaatsing(this, o_.Instellingen, vormnaam_);
    QDialog::hideEvent(e);
}

} // namespace velkaro::ui
