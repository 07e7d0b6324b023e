// The rounds dialog ("Selecteer ronde"): the list of rounds with the round to open selected,
// and the buttons that open a round in the match list, make a new round, insert one and
// delete one. It shows a TRondeScherm (entry/rondescherm.h) and passes every click to it.
#pragma once

#include "entry/rondescherm.h"
#include "model/systeem.h"
#include "ui/dialoog.h"

#include <memory>

class QTreeWidget;

namespace velkaro::ui {

class WedstrijdlijstDialoog;

class RondeDialoog final : public Dialoog {
    Q_OBJECT
public:
    RondeDialoog(Omgeving& o, QWidget* ouder);
    ~RondeDialoog() override;
    void Vertaal() override;

    // Result mode: the next showing opens the current round at once (or a new round).
    void ZetDirect(bool direct) { direct_ = direct; }
    // What the match list asked for when it closed the dialog: another group or a schedule.
    Verzoek GevraagdVerzoek() const { return verzoek_; }
    int32_t GevraagdeGroep() const { return logica_.GevraagdeGroep(); }

    WedstrijdlijstDialoog& Wedstrijdlijst() { return *wedstrijden_; }

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QPushButton* Knop(const char* naam);
    void Vul();
    // After the match list closed: the list again, and the dialog closes itself when the
    // match list asked for another group or a schedule.
    void Na();
    void Keuze();
    void Nieuw();

    SysteemKlok klok_;
    MersenneToeval toeval_;
    TRondeScherm logica_;
    TRondeScherm::Wedstrijdscherm toon_;
    bool direct_ = false;
    bool getoond_ = false;
    Verzoek verzoek_ = Verzoek::Geen;
    QTreeWidget* lijst_;
    QPushButton *keuze_, *nieuw_, *invoegen_, *verwijderen_, *ok_, *help_;
    std::unique_ptr<WedstrijdlijstDialoog> wedstrijden_;
};

} // namespace velkaro::ui
