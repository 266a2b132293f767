// The value table "Tabellen": the graph points in an editable grid, taken back
// into the chart with "&Werte übernehmen".
#pragma once

#include "base/ui/quelltexte.h"
#include "chart/tabellenmodell.h"

#include <QAbstractTableModel>
#include <QDialog>

class QAction;
class QMenu;
class QTableView;

namespace drel::chart {

// Grid view on the table model (256 columns x 16384 rows, cells stored sparsely).
class TabellenGitter : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TabellenGitter(TabellenModell& modell, QObject* parent = nullptr)
        : QAbstractTableModel(parent), modell_(modell) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void neuLaden();

private:
    TabellenModell& modell_;
};

class TTabellen : public ui::MitQuelltexten<QDialog> {
    Q_OBJECT
public:
    explicit TTabellen(QWidget* parent = nullptr);

    TabellenModell& modell() { return modell_; }
    // Clears the take-over flag and fills the grid from the file.
    bool laden(const QString& pfad);
    // "&Werte übernehmen": sets the flag and closes.
    void werteUebernehmen();

private:
    TabellenModell modell_;
    QMenu* datei_ = nullptr;
    QMenu* bearbeiten_ = nullptr;
    QAction* beenden_ = nullptr;
    QAction* uebernehmen_ = nullptr;
    TabellenGitter* gitter_ = nullptr;
    QTableView* F1Book1_ = nullptr;
};

} // namespace drel::chart
