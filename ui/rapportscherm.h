// The screen view of a report: a read-only, non-wrapping text view in a fixed-pitch font that
// receives the report's lines from the output channel and is shown once the report is done.
#pragma once

#include "reports/uitvoer.h"
#include "ui/dialoog.h"

#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace velkaro::ui {

class Rapportscherm final : public Dialoog, public Regelscherm {
    Q_OBJECT
public:
    Rapportscherm(Omgeving& o, QWidget* ouder);
    void Vertaal() override;

    // Empties the view for the next report.
    void Leeg();
    void VoegToe(const std::string& regel) override;
    void NaarBegin() override;
    QString Tekst() const;

private:
    QStringList regels_;
    QPlainTextEdit* memo_;
    QPushButton *knopSluiten_, *knopHelp_;
};

} // namespace velkaro::ui
