#include "ui/wedstrijdmodel.h"

#include "ui/tekst.h"

namespace velkaro::ui {

using lang::T;

QStringList WedstrijdModel::Velden(std::size_t i) const {
    QStringList v = Q(lijst_->Regel(i)).split('\t');
    while (v.size() < kKolommen) v.append(QString());
    // The fixed-width padding of the line is for its sort order; the view aligns itself.
    for (QString& s : v) s = s.trimmed();
    return v;
}

void WedstrijdModel::Toon(const TWedstrijdenlijst* lijst) {
    lijst_ = lijst;
    Herlaad();
}

void WedstrijdModel::Herlaad() {
    beginResetModel();
    rijen_.clear();
    if (lijst_) {
        rijen_.reserve(lijst_->Aantal());
        for (std::size_t i = 0; i < lijst_->Aantal(); ++i) rijen_.push_back(Velden(i));
    }
    endResetModel();
}

void WedstrijdModel::WerkRij(int rij) {
    if (!lijst_ || rij < 0 || rij >= static_cast<int>(rijen_.size()) ||
        rijen_.size() != lijst_->Aantal())
        return;
    rijen_[static_cast<std::size_t>(rij)] = Velden(static_cast<std::size_t>(rij));
    emit dataChanged(index(rij, 0), index(rij, kKolommen - 1));
}

int WedstrijdModel::rowCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : static_cast<int>(rijen_.size());
}

int WedstrijdModel::columnCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : kKolommen;
}

QVariant WedstrijdModel::data(const QModelIndex& index, int rol) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rijen_.size())) return {};
    switch (rol) {
    case Qt::DisplayRole:
        return rijen_[static_cast<std::size_t>(index.row())].at(index.column());
    case Qt::TextAlignmentRole:
        switch (index.column()) {
        case 0:
        case 1:
        case 2:
        case 5:
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case 4:
        case 7:
        case 8:
            return QVariant::fromValue(Qt::AlignCenter);
        default:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        }
    default:
        return {};
    }
}

QVariant WedstrijdModel::headerData(int sectie, Qt::Orientation richting, int rol) const {
    if (richting != Qt::Horizontal || rol != Qt::DisplayRole || sectie < 0 || sectie >= kKolommen)
        return {};
    switch (sectie) {
    case 0:
        return Q(T::WlKolRonde);
    case 1:
        return Q(T::WlKolNummer);
    case 3:
        return Q(T::WlKolWit);
    case 6:
        return Q(T::WlKolZwart);
    case 7:
        return Q(T::WlUitslag);
    default:
        return QString();
    }
}

} // namespace velkaro::ui
