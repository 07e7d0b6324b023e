// The help window: the HTML user guide under docs/, opened at its contents or at the section
// of the dialog from which F1 was pressed.
#pragma once

#include "ui/omgeving.h"

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace velkaro::ui {

// Where the user guide is: beside an installed program, in the build's source tree, or
// where VELKARO_HELP points. Empty when it is nowhere.
QString ZoekHandleiding();

class HelpVenster final : public QDialog {
    Q_OBJECT
public:
    HelpVenster(Omgeving& o, QString pad, QWidget* ouder);
    void Vertaal();
    // Shows the guide at a section (empty: the contents) over the given window, which may
    // be a modal dialog.
    void Toon(const QString& anker, QWidget* vanuit);
    QTextBrowser* Browser() const { return browser_; }

protected:
    void hideEvent(QHideEvent* e) override;

private:
    Omgeving& o_;
    QString pad_;
    QTextBrowser* browser_;
    QPushButton *inhoud_, *terug_;
};

} // namespace velkaro::ui
