#include "sheet/ui/rastermodell.h"

#include "base/messagesink.h"
#include "db/datamodule.h"
#include "sheet/pages/leistungstabelle.h"
#include "state/sprache.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFileInfo>
#include <cmath>

namespace drel::ui {

void RasterModell::setRaster(sheet::ZellenRaster raster) {
    beginResetModel();
    raster_ = std::move(raster);
    spalten_ = 0;
    for (const auto& zeile : raster_)
        spalten_ = std::max(spalten_, static_cast<int>(zeile.size()));
    endResetModel();
}

const sheet::TabellenZelle* RasterModell::zelle(int zeile, int spalte) const {
    if (zeile < 0 || zeile >= static_cast<int>(raster_.size()))
        return nullptr;
    const auto& z = raster_[static_cast<std::size_t>(zeile)];
    return spalte >= 0 && spalte < static_cast<int>(z.size()) ? &z[static_cast<std::size_t>(spalte)]
                                                              : nullptr;
}

int RasterModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || raster_.empty() ? 0 : static_cast<int>(raster_.size()) - 1;
}

int RasterModell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : spalten_;
}

QVariant RasterModell::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const sheet::TabellenZelle* z = zelle(index.row() + 1, index.column());
    if (!z)
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return z->text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue((std::isfinite(z->zahl) ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return z->ausserhalb ? QVariant(QBrush(QColor(176, 0, 0))) : QVariant();
    default:
        return {};
    }
}

QVariant RasterModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const sheet::TabellenZelle* z = zelle(0, section);
    return z ? z->text : QString();
}

bool rasterSpeichern(const sheet::ZellenRaster& raster, const QString& datei) {
    QString grund;
    const bool xlsx =
        QFileInfo(datei).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
    const bool ok =
        xlsx ? sheet::rasterAlsXlsx(raster, datei, &grund)
             : sheet::textSchreiben(datei,
                                    sheet::csvDatei(sheet::rasterAlsCsv(
                                        raster, sheet::CsvForm::fuerSprache(sprache().code))),
                                    &grund);
    if (!ok)
        report(QCoreApplication::translate("drel::ui::TFrmReihe",
                                           "Die Datei %1 kann nicht geschrieben werden.")
                       .arg(datei) +
                   QLatin1Char(' ') + grund,
               QCoreApplication::translate("drel::ui::TFrmReihe", "Fehler"), MessageKind::Error);
    return ok;
}

db::TDataModule1* geladeneProduktdaten() {
    db::TDataModule1* dm = db::dataModule();
    if (!dm)
        report(QCoreApplication::translate("drel::ui::TFrmReihe",
                                           "Die Produktdaten sind nicht geladen."),
               QStringLiteral("Drel"), MessageKind::Error);
    return dm;
}

} // namespace drel::ui
