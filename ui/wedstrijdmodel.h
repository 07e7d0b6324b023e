// The match list's lines as an item model: one row per match of the open round, one column
// per field of its line, read from the match list's logic and kept as text between changes.
#pragma once

#include "entry/wedstrijdlijst.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

namespace velkaro::ui {

class WedstrijdModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // Round, number, white's drawing number and name, "-", black's number and name, result,
    // regulation mark.
    static constexpr int kKolommen = 9;

    explicit WedstrijdModel(QObject* ouder = nullptr) : QAbstractTableModel(ouder) {}

    // Shows this list (nullptr: nothing) and reads every line again.
    void Toon(const TWedstrijdenlijst* lijst);
    // Every line again (after an action that may have added, removed or moved lines).
    void Herlaad();
    // One line again (after a result: the order of the lines stays).
    void WerkRij(int rij);

    int rowCount(const QModelIndex& ouder = {}) const override;
    int columnCount(const QModelIndex& ouder = {}) const override;
    QVariant data(const QModelIndex& index, int rol = Qt::DisplayRole) const override;
    QVariant headerData(int sectie, Qt::Orientation richting,
                        int rol = Qt::DisplayRole) const override;

private:
    QStringList Velden(std::size_t i) const;

    const TWedstrijdenlijst* lijst_ = nullptr;
    std::vector<QStringList> rijen_;
};

} // namespace velkaro::ui
