#include "search/ui/ergebnismodell.h"

#include "search/ergebnisliste.h"

namespace drel::ui {

void ErgebnisModell::fuellen(const search::ErgebnisListe& liste, const QString& kopfTyp,
                             const QString& kopfQo, const QString& kopfRand) {
    const bool rand = !kopfRand.isEmpty();
    std::vector<QStringList> zeilen;
    for (const auto& zeile : liste.zeilen()) {
        zeilen.push_back({zeile.typ, zeile.qo});
        // A row without a type is the empty list's placeholder: no margin there.
        if (rand)
            zeilen.back() << (zeile.typ.isEmpty() ? QString() : zeile.rand);
    }
    setZeilen(std::move(zeilen),
              rand ? QStringList{kopfTyp, kopfQo, kopfRand} : QStringList{kopfTyp, kopfQo});
}

void ErgebnisModell::setZeilen(std::vector<QStringList> zeilen, const QStringList& kopf) {
    beginResetModel();
    spalten_ = kopf.size() >= 3 ? 3 : 2;
    kopf_ = kopf.mid(0, spalten_);
    zeilen_ = std::move(zeilen);
    for (QStringList& zeile : zeilen_) {
        while (zeile.size() < spalten_)
            zeile << QString();
        zeile = zeile.mid(0, spalten_);
    }
    while (kopf_.size() < spalten_)
        kopf_ << QString();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, spalten_ - 1);
}

QList<QStringList> ErgebnisModell::raster() const {
    QList<QStringList> raster{kopf_};
    for (const QStringList& zeile : zeilen_)
        raster << zeile;
    return raster;
}

int ErgebnisModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int ErgebnisModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : spalten_;
}

QVariant ErgebnisModell::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole)
        return zeilen_[static_cast<std::size_t>(index.row())].at(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight) |
                                   Qt::AlignTop);
    return {};
}

QVariant ErgebnisModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= spalten_)
        return {};
    return kopf_.at(section);
}

} // namespace drel::ui
