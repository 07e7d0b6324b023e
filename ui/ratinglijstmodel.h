// A rating list as an item model for player entry: the rows of a Ratingkeuze
// (entry/ratingkeuze.h), one list line each, the entry's index under Qt::UserRole.
#pragma once

#include "entry/ratingkeuze.h"

#include <QAbstractListModel>

namespace velkaro::ui {

class RatinglijstModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Shows this choice (its list must live as long as it is shown).
    void Zet(Ratingkeuze keuze);
    void Filter(const QString& tekst);
    const Ratingkeuze& Keuze() const { return keuze_; }

    int rowCount(const QModelIndex& ouder = {}) const override;
    QVariant data(const QModelIndex& i, int rol = Qt::DisplayRole) const override;

private:
    Ratingkeuze keuze_;
};

} // namespace velkaro::ui
