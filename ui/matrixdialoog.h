// The two "Uitslagentabel invoeren" dialogs: the cross table (Tvxmatrix) and the progress
// table (Tvxmatrix1). Each shows its table's logic (entry/resultaatmatrix.h) in a grid with
// the cursor cell selected, and passes every button and key to it.
#pragma once

#include "entry/resultaatmatrix.h"
#include "ui/dialoog.h"

#include <functional>

class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableView;

namespace velkaro::ui {

class MatrixModel;

class MatrixDialoog final : public Dialoog {
    Q_OBJECT
public:
    MatrixDialoog(Omgeving& o, QWidget* ouder);
    void Vertaal() override;
    // An empty table of the register's players, shown modally.
    void Toon();
    // The schedule dialog, shown before processing when "&Rooster aanmaken" is ticked.
    std::function<void()> OpenRooster;
    const Tvxmatrix& Tabel() const { return l_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    // Escape and closing the window ask as "&Niet verwerken" does.
    void reject() override;

private:
    bool Toets(QKeyEvent* e);
    void Na();

    Tvxmatrix l_;
    MatrixModel* model_;
    QTableView* tabel_;
    QPushButton *winst_, *remise_, *verlies_, *punt_, *drie_, *terug_;
    QPushButton *verwerken_, *nietVerwerken_, *help_;
    QCheckBox *rooster_, *overschrijf_;
};

class PerRondeMatrixDialoog final : public Dialoog {
    Q_OBJECT
public:
    PerRondeMatrixDialoog(Omgeving& o, QWidget* ouder);
    void Vertaal() override;
    void Toon();
    const Tvxmatrix1& Tabel() const { return l_; }

private:
    void Na();

    Tvxmatrix1 l_;
    MatrixModel* model_;
    QTableView* tabel_;
    QLabel *lblRondes_, *lblInvoer_;
    QSpinBox* rondes_;
    QLineEdit* invoer_;
    QPushButton *punt_, *terug_, *verwerken_, *nietVerwerken_, *help_;
};

} // namespace velkaro::ui
