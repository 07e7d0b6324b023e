// The undo and redo commands of a window: Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z, named after the
// step they take back or do again ("Ongedaan maken: uitslag 30"). What a step is and what it
// restores is the history's (entry/ongedaan.h); after a step the window shows its data again.
#pragma once

#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace velkaro {
class Geschiedenis;
}

namespace velkaro::ui {

class OngedaanActies final : public QObject {
    Q_OBJECT
public:
    // The actions work while the window (or one of its children) has the focus; `na` shows the
    // data again after a step. Without a history they stay disabled.
    OngedaanActies(QWidget* venster, Geschiedenis* historie, std::function<void()> na);

    QAction* Ongedaan() const { return ongedaan_; }
    QAction* Opnieuw() const { return opnieuw_; }
    // The names of the steps and whether there is one, in the language in force.
    void Werkbij();
    // A right click in a list: the two commands in a small menu.
    void ToonMenu(QWidget* lijst, const QPoint& plek);

private:
    Geschiedenis* historie_;
    std::function<void()> na_;
    QAction *ongedaan_, *opnieuw_;
};

} // namespace velkaro::ui
