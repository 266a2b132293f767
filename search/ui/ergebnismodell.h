// The result list as an item model: type and capacity of each row under the two
// headings of the search, and the envelope margin as a third column when the user
// switched it on; as the result grid and the result printout read them.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace drel::search {
class ErgebnisListe;
}

namespace drel::ui {

class ErgebnisModell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Takes the rows of `liste` and the headings over; with `kopfRand` not empty the
    // margin column is shown under it.
    void fuellen(const search::ErgebnisListe& liste, const QString& kopfTyp, const QString& kopfQo,
                 const QString& kopfRand = {});
    // Rows under the headings: two columns, or three when `kopf` has three entries.
    void setZeilen(std::vector<QStringList> zeilen, const QStringList& kopf);
    // Heading row and every row, as the printout lays them out.
    QList<QStringList> raster() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<QStringList> zeilen_;
    QStringList kopf_{QString(), QString()};
    int spalten_ = 2;
};

} // namespace drel::ui
