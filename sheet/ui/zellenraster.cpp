#include "sheet/ui/zellenraster.h"

#include "chart/winfarbe.h"
#include "sheet/pages/leistungstabelle.h"

#include <QFont>

namespace drel::ui {

void ZellenModell::setZeilen(std::vector<RasterZeile> zeilen, int spalten) {
    beginResetModel();
    zeilen_ = std::move(zeilen);
    if (spalten >= 0)
        spalten_ = spalten;
    for (RasterZeile& zeile : zeilen_)
        zeile.resize(static_cast<std::size_t>(spalten_));
    endResetModel();
}

const RasterZelle& ZellenModell::zelle(int zeile, int spalte) const {
    static const RasterZelle leer;
    if (zeile < 0 || spalte < 0 || zeile >= rowCount() || spalte >= spalten_)
        return leer;
    return zeilen_[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(spalte)];
}

int ZellenModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int ZellenModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : spalten_;
}

QVariant ZellenModell::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const RasterZelle& z = zelle(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return z.text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(z.ausrichtung | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return z.hintergrund.isValid() ? QVariant(z.hintergrund) : QVariant();
    case Qt::ForegroundRole:
        return z.schrift.isValid() ? QVariant(z.schrift) : QVariant();
    case Qt::FontRole:
        if (z.fett) {
            QFont f;
            f.setBold(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

std::vector<RasterZeile> leistungsZellen(const sheet::LeistungsTabelle& tabelle,
                                         const QColor& festFarbe, const QColor& tippFarbe) {
    using sheet::LeistungsTabelle;
    const QColor grau(200, 200, 200);
    std::vector<RasterZeile> zeilen;
    for (int r = 0; r < tabelle.zeilen(); ++r) {
        RasterZeile zeile;
        for (int c = 0; c < tabelle.spalten(); ++c) {
            const sheet::TabellenZelle& quelle = tabelle.zelle(c, r);
            RasterZelle z;
            z.text = quelle.text;
            z.fett = LeistungsTabelle::istWertZelle(c, r);
            z.ausrichtung = z.fett ? Qt::AlignRight : Qt::AlignLeft;
            // Odd grid rows light blue, even ones the tooltip colour, as the printout has them.
            const quint32 farbe = LeistungsTabelle::hintergrund(r);
            z.hintergrund = farbe != 0 ? QColor::fromRgb(chart::zuQRgb(farbe)) : tippFarbe;
            if (r < LeistungsTabelle::kFesteZeilen || c < LeistungsTabelle::kFesteSpalten)
                z.hintergrund = festFarbe;
            if (quelle.ausserhalb) {
                // Beyond the envelope: greyed, never mistaken for a plain empty cell.
                z.hintergrund = grau;
                z.schrift = Qt::darkGray;
            }
            zeile.push_back(z);
        }
        zeilen.push_back(std::move(zeile));
    }
    return zeilen;
}

ZellenRaster::ZellenRaster(int spalten, QWidget* parent)
    : QTableView(parent), modell_(new ZellenModell(spalten, this)) {
    setModel(modell_);
    connect(modell_, &QAbstractItemModel::modelReset, this, [this] {
        for (int spalte : std::as_const(verborgen_))
            setColumnHidden(spalte, true);
    });
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& i) { emit zelleGeklickt(i.row(), i.column()); });
}

void ZellenRaster::spalteVerbergen(int spalte) {
    verborgen_ << spalte;
    setColumnHidden(spalte, true);
}

QColor ZellenRaster::hintergrund(int zeile, int spalte) const {
    return modell_->zelle(zeile, spalte).hintergrund;
}

QRect ZellenRaster::zellRechteck(int zeile, int spalte) const {
    return visualRect(modell_->index(zeile, spalte));
}

} // namespace drel::ui
