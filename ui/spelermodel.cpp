#include "ui/spelermodel.h"

#include "ui/tekst.h"

#include <QApplication>
#include <QPainter>

namespace velkaro::ui {

namespace {

constexpr int kTabstops[] = {15, 115, 140, 240, 285, 310, 320, 330};
constexpr int kLaatsteTab = 340;

int Pixels(const QFontMetrics& fm, int dialoogeenheden) {
    return dialoogeenheden * fm.averageCharWidth() / 4;
}

} // namespace

void SpelerModel::Toon(const std::vector<TSpelerLijst::Item>* items, bool kolommen) {
    beginResetModel();
    items_ = items;
    kolommen_ = kolommen;
    koppen_ = KolomKoppen();
    endResetModel();
}

int SpelerModel::rowCount(const QModelIndex& ouder) const {
    return ouder.isValid() || !items_ ? 0 : static_cast<int>(items_->size());
}

int SpelerModel::columnCount(const QModelIndex& ouder) const {
    return ouder.isValid() ? 0 : kolommen_ ? kAantalKolommen : 1;
}

QVariant SpelerModel::data(const QModelIndex& i, int rol) const {
    if (!i.isValid() || i.row() >= rowCount() || i.column() >= columnCount()) return {};
    const auto& item = (*items_)[static_cast<std::size_t>(i.row())];
    switch (rol) {
    case Qt::DisplayRole:
        return kolommen_ ? Q(item.Kolommen[static_cast<std::size_t>(i.column())]) : Q(item.Regel);
    case Qt::TextAlignmentRole:
        if (kolommen_ &&
            (i.column() == KolomLNR || i.column() == KolomRating || i.column() == KolomRating2))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::UserRole:
        return item.InternNummer;
    default:
        return {};
    }
}

QVariant SpelerModel::headerData(int sectie, Qt::Orientation richting, int rol) const {
    if (richting != Qt::Horizontal || rol != Qt::DisplayRole || sectie < 0 ||
        sectie >= columnCount())
        return {};
    return kolommen_ ? Q(koppen_[static_cast<std::size_t>(sectie)]) : QVariant();
}

void TabRegelDelegate::paint(QPainter* p, const QStyleOptionViewItem& optie,
                             const QModelIndex& i) const {
    QStyleOptionViewItem o = optie;
    initStyleOption(&o, i);
    const QStringList delen = o.text.split('\t');
    o.text.clear();
    const QWidget* w = o.widget;
    QStyle* stijl = w ? w->style() : QApplication::style();
    stijl->drawControl(QStyle::CE_ItemViewItem, &o, p, w);

    const QFontMetrics fm(o.font);
    p->save();
    p->setFont(o.font);
    p->setPen(o.palette.color(o.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                               : QPalette::Text));
    const int links = o.rect.left() + 4;
    for (int d = 0; d < delen.size() && d < 9; ++d) {
        const int van = d == 0 ? 0 : kTabstops[d - 1];
        const int tot = d < 8 ? kTabstops[d] : kLaatsteTab;
        QRect vak(links + Pixels(fm, van), o.rect.top(), Pixels(fm, tot - van) - 4,
                  o.rect.height());
        // The number and the rating are padded with blanks; they stand against their tab.
        const bool rechts = d == 0 || d == 5;
        const QString t = rechts ? delen[d].trimmed() : delen[d];
        p->drawText(vak, (rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                    fm.elidedText(t, Qt::ElideRight, vak.width()));
    }
    p->restore();
}

QSize TabRegelDelegate::sizeHint(const QStyleOptionViewItem& optie, const QModelIndex& i) const {
    const QSize s = QStyledItemDelegate::sizeHint(optie, i);
    return {Pixels(QFontMetrics(optie.font), kLaatsteTab) + 8, s.height()};
}

} // namespace velkaro::ui
