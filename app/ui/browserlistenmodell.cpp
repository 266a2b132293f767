#include "app/ui/browserlistenmodell.h"

namespace drel::ui {

namespace {
const QColor kHellblau(214, 227, 247);
}

void BrowserListenModell::setQuelle(const BrowserModell* quelle, const QColor& grundFarbe) {
    beginResetModel();
    quelle_ = quelle;
    grundFarbe_ = grundFarbe;
    endResetModel();
}

void BrowserListenModell::neuLesen() {
    beginResetModel();
    endResetModel();
}

int BrowserListenModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !quelle_ ? 0 : static_cast<int>(quelle_->zeilen().size());
}

int BrowserListenModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kListenSpalten;
}

QVariant BrowserListenModell::data(const QModelIndex& index, int role) const {
    if (!quelle_ || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int zeile = index.row();
    const int spalte = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return quelle_->zeilen()[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)];
    case Qt::TextAlignmentRole: {
        const bool links = spalte == 0 || (spalte == 4 && quelle_->linksbuendig());
        return QVariant::fromValue((links ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
    case Qt::BackgroundRole: {
        // With the heading row over the first row, the colours start one row later.
        const int versatz = quelle_->kopfzeileSichtbar() ? 1 : 0;
        return (zeile + versatz) % 2 == 1 ? kHellblau : grundFarbe_;
    }
    default:
        return {};
    }
}

} // namespace drel::ui
