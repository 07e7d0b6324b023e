#include "ui/matrixmodel.h"

#include "ui/tekst.h"

namespace velkaro::ui {

using lang::T;

void MatrixModel::Toon(const Uitslagentabel* tabel) {
    beginResetModel();
    tabel_ = tabel;
    rijen_ = tabel ? tabel->Aantal() : 0;
    kolommen_ = tabel ? kVast + tabel->Kolommen() : 0;
    endResetModel();
}

void MatrixModel::Ververs() {
    if (!tabel_) return;
    if (tabel_->Aantal() != rijen_ || kVast + tabel_->Kolommen() != kolommen_) {
        Toon(tabel_);
        return;
    }
    if (rijen_ > 0) emit dataChanged(index(0, 0), index(rijen_ - 1, kolommen_ - 1));
}

int MatrixModel::rowCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : rijen_;
}

int MatrixModel::columnCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : kolommen_;
}

QVariant MatrixModel::data(const QModelIndex& index, int rol) const {
    if (!tabel_ || !index.isValid() || index.row() >= rijen_ || index.column() >= kolommen_)
        return {};
    const int i = index.row() + 1;
    if (rol == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignCenter);
    if (rol != Qt::DisplayRole) return {};
    switch (index.column()) {
    case 0:
        return tabel_->Rij(i).Lotingnummer;
    case 1:
        return Q(tabel_->Rij(i).Naam);
    case 2:
        return tabel_->Partijen(i);
    case 3:
        return tabel_->Punten(i);
    default:
        return Q(tabel_->Cel(i, index.column() - kVast + 1));
    }
}

QVariant MatrixModel::headerData(int sectie, Qt::Orientation richting, int rol) const {
    if (richting != Qt::Horizontal || rol != Qt::DisplayRole || sectie < 0 || sectie >= kolommen_)
        return {};
    switch (sectie) {
    case 0:
        return Q(T::Nr);
    case 1:
        return Q(T::Naam);
    case 2:
        return Q(T::We);
    case 3:
        return Q(T::KopPt);
    default:
        return Q(tabel_->Kolomkop(sectie - kVast + 1));
    }
}

} // namespace velkaro::ui
