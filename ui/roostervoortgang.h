// The progress window ("Vooruitgang roosteren"): the pairing runs on a worker thread while
// this window shows its pair lines and count a few times a second; Stop ends the search.
#pragma once

#include "pairing/roosteromgeving.h"
#include "pairing/roosterresultaat.h"
#include "pairing/voortgangsbuffer.h"
#include "ui/dialoog.h"

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace velkaro::ui {

class RoosterVoortgang final : public Dialoog {
    Q_OBJECT
public:
    RoosterVoortgang(Omgeving& o, QWidget* ouder);
    void Vertaal() override;

    // Runs `taak` on a worker thread and shows its progress; questions and messages of the
    // task are shown on this thread. Returns when the task has ended, the window hidden.
    Roosterresultaat Voer(const std::function<Roosterresultaat(Roosteromgeving&)>& taak,
                          bool debugfile);
    bool Bezig() const { return bezig_; }

protected:
    // Escape and the close box ask the search to stop; the window goes when it has ended.
    void reject() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Stop();
    void Ververs(); // fetches what the search stored and shows what changed

    Voortgangsbuffer buffer_;
    Voortgangsbuffer::Beeld beeld_;
    bool bezig_ = false;
    QListWidget* lijst_;
    QLabel *lblOnderzocht_, *lblTeller_, *lblStatus_;
    QPushButton* knopStop_;
    QTimer* klok_;
};

} // namespace velkaro::ui
