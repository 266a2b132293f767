// The result list as an item model: type and capacity of each row under the two
// headings of the search, as the result grid and the result printout read them.
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

    // Takes the rows of `liste` and the two headings over.
    void fuellen(const search::ErgebnisListe& liste, const QString& kopfTyp, const QString& kopfQo);
    // Rows of type and capacity text under the two headings.
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
};

} // namespace drel::ui
