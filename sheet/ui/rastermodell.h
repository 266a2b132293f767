// A grid of cells (heading row, then the rows) as an item model, for the batch and
// comparison windows: number cells right-aligned, a cell marked outside in red.
#pragma once

#include "sheet/pages/tabellenexport.h"

#include <QAbstractTableModel>

namespace drel::db {
class TDataModule1;
}

namespace drel::ui {

class RasterModell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Row 0 of `raster` gives the headings.
    void setRaster(sheet::ZellenRaster raster);
    const sheet::ZellenRaster& raster() const { return raster_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const sheet::TabellenZelle* zelle(int zeile, int spalte) const;

    sheet::ZellenRaster raster_;
    int spalten_ = 0;
};

// Writes a grid for other programs: .xlsx as a workbook, anything else as CSV of the
// program language. A failure is reported with the file and the reason (false).
bool rasterSpeichern(const sheet::ZellenRaster& raster, const QString& datei);

// The program's product tables, or nullptr (reported) when they are not loaded.
db::TDataModule1* geladeneProduktdaten();

} // namespace drel::ui
