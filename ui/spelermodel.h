// The player register's lines as an item model: the plain list (one column, the tab-separated
// line) or the column view (the columns of entry/register.h), read from the register's items.
#pragma once

#include "entry/register.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

namespace velkaro::ui {

class SpelerModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SpelerModel(QObject* ouder = nullptr) : QAbstractTableModel(ouder) {}

    // Shows these items (nullptr: none) as columns or as lines; the items must live until the
    // next call. The captions are read from the language tables each time.
    void Toon(const std::vector<TSpelerLijst::Item>* items, bool kolommen);

    int rowCount(const QModelIndex& ouder = {}) const override;
    int columnCount(const QModelIndex& ouder = {}) const override;
    QVariant data(const QModelIndex& i, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int sectie, Qt::Orientation richting,
                        int rol = Qt::DisplayRole) const override;

private:
    const std::vector<TSpelerLijst::Item>* items_ = nullptr;
    bool kolommen_ = false;
    Kolomrij koppen_;
};

// Draws a list line at the register's tab stops (in dialog units: a quarter of the average
// character width), the drawing number and the rating right-aligned in their cells.
class TabRegelDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& optie, const QModelIndex& i) const override;
    QSize sizeHint(const QStyleOptionViewItem& optie, const QModelIndex& i) const override;
};

} // namespace velkaro::ui
