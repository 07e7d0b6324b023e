// A result table (cross table or progress table) as an item model: one row per player with
// "Nr", "Naam", "We: ", "Pt" and one column per player or round, read from the table's logic.
#pragma once

#include "entry/resultaatmatrix.h"

#include <QAbstractTableModel>

namespace velkaro::ui {

class MatrixModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // The columns before the result columns.
    static constexpr int kVast = 4;

    explicit MatrixModel(QObject* ouder = nullptr) : QAbstractTableModel(ouder) {}

    // Shows this table (nullptr: nothing) from scratch.
    void Toon(const Uitslagentabel* tabel);
    // The cells and totals again; a changed number of columns shows the table from scratch.
    void Ververs();

    int rowCount(const QModelIndex& ouder = {}) const override;
    int columnCount(const QModelIndex& ouder = {}) const override;
    QVariant data(const QModelIndex& index, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int sectie, Qt::Orientation richting,
                        int rol = Qt::DisplayRole) const override;

private:
    const Uitslagentabel* tabel_ = nullptr;
    int rijen_ = 0, kolommen_ = 0; // as last announced to the views
};

} // namespace velkaro::ui
