// The sort dialog ("Sorteren") shown before the standings of a report are computed: the round
// range, the minimum number of games and whether the previous places move up.
#pragma once

#include "reports/rapportopties.h"
#include "ui/dialoog.h"

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace velkaro::ui {

class SorteerDialoog final : public Dialoog {
    Q_OBJECT
public:
    SorteerDialoog(Omgeving& o, QWidget* ouder);
    void Vertaal() override;

    // Proposes the competition's defaults; on "Sorteren" puts the choice into the options.
    // False when the dialog was closed otherwise.
    bool Vraag(Rapportopties& opties);
    // The proposal alone, without showing the dialog.
    void Vul();

    // "&Instellingen": the settings dialog, set by the main window.
    std::function<void()> OpenInstellingen;

private:
    QSpinBox *spVan_, *spTot_, *spMinimum_;
    QLabel *lblVan_, *lblTot_, *lblMinimum_;
    QCheckBox* chkVorige_;
    QPushButton *knopSorteren_, *knopInstellingen_;
};

} // namespace velkaro::ui
