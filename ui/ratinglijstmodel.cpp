#include "ui/ratinglijstmodel.h"

#include "ui/tekst.h"

namespace velkaro::ui {

void RatinglijstModel::Zet(Ratingkeuze keuze) {
    beginResetModel();
    keuze_ = std::move(keuze);
    endResetModel();
}

void RatinglijstModel::Filter(const QString& tekst) {
    beginResetModel();
    keuze_.Filter(S(tekst));
    endResetModel();
}

int RatinglijstModel::rowCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : static_cast<int>(keuze_.Aantal());
}

QVariant RatinglijstModel::data(const QModelIndex& i, int rol) const {
    if (!checkIndex(i, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const auto rij = static_cast<std::size_t>(i.row());
    if (rol == Qt::DisplayRole) return Q(keuze_.Regel(rij));
    if (rol == Qt::UserRole) return static_cast<qulonglong>(keuze_.Index(rij));
    return {};
}

} // namespace velkaro::ui
