// The grids of the data sheet's pages as views over an item model of prepared cells:
// text, weight, alignment and colours per cell, as the pages and the printout draw them.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QTableView>
#include <vector>

namespace drel::sheet {
class LeistungsTabelle;
}

namespace drel::ui {

struct RasterZelle {
    QString text;
    bool fett = false;
    Qt::Alignment ausrichtung = Qt::AlignLeft;
    QColor hintergrund; // invalid: the view's own
    QColor schrift;     // invalid: the view's own
};
using RasterZeile = std::vector<RasterZelle>;

class ZellenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ZellenModell(int spalten, QObject* parent = nullptr)
        : QAbstractTableModel(parent), spalten_(spalten) {}

    // The rows in place of the old ones; `spalten` < 0 keeps the column count.
    void setZeilen(std::vector<RasterZeile> zeilen, int spalten = -1);
    const RasterZelle& zelle(int zeile, int spalte) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<RasterZeile> zeilen_;
    int spalten_;
};

// The cells of the performance table as the page shows them: fixed rows and columns in
// the button colour, odd rows light blue and even ones `tippFarbe`, values bold and
// right-aligned, cells beyond the envelope grey.
std::vector<RasterZeile> leistungsZellen(const sheet::LeistungsTabelle& tabelle,
                                         const QColor& festFarbe, const QColor& tippFarbe);

class ZellenRaster : public QTableView {
    Q_OBJECT
public:
    explicit ZellenRaster(int spalten, QWidget* parent = nullptr);

    ZellenModell& modell() { return *modell_; }
    int rowCount() const { return modell_->rowCount(); }
    int columnCount() const { return modell_->columnCount(); }
    QString text(int zeile, int spalte) const { return modell_->zelle(zeile, spalte).text; }
    QColor hintergrund(int zeile, int spalte) const;
    QRect zellRechteck(int zeile, int spalte) const;
    // A column that marks rows only: hidden also after every refill.
    void spalteVerbergen(int spalte);

signals:
    void zelleGeklickt(int zeile, int spalte);

private:
    ZellenModell* modell_;
    QList<int> verborgen_;
};

} // namespace drel::ui
