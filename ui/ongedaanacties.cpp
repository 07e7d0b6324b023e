#include "ui/ongedaanacties.h"

#include "entry/ongedaan.h"
#include "ui/tekst.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace velkaro::ui {

OngedaanActies::OngedaanActies(QWidget* venster, Geschiedenis* historie, std::function<void()> na)
    : QObject(venster), historie_(historie), na_(std::move(na)) {
    ongedaan_ = new QAction(venster);
    ongedaan_->setObjectName("actieOngedaan");
    ongedaan_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    opnieuw_ = new QAction(venster);
    opnieuw_->setObjectName("actieOpnieuw");
    opnieuw_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* a : {ongedaan_, opnieuw_}) {
        // A dialog's own commands, not those of the window that opened it.
        a->setShortcutContext(Qt::WindowShortcut);
        venster->addAction(a);
    }
    connect(ongedaan_, &QAction::triggered, this, [this] {
        if (historie_ && historie_->Ongedaan() && na_) na_();
        Werkbij();
    });
    connect(opnieuw_, &QAction::triggered, this, [this] {
        if (historie_ && historie_->Opnieuw() && na_) na_();
        Werkbij();
    });
    Werkbij();
}

void OngedaanActies::Werkbij() {
    ongedaan_->setText(Q(OngedaanMenu(historie_)));
    opnieuw_->setText(Q(OpnieuwMenu(historie_)));
    ongedaan_->setEnabled(historie_ && historie_->KanOngedaan());
    opnieuw_->setEnabled(historie_ && historie_->KanOpnieuw());
}

void OngedaanActies::ToonMenu(QWidget* lijst, const QPoint& plek) {
    Werkbij();
    QMenu menu(lijst);
    menu.setObjectName("menuOngedaan");
    menu.addAction(ongedaan_);
    menu.addAction(opnieuw_);
    menu.exec(lijst->mapToGlobal(plek));
}

} // namespace velkaro::ui
