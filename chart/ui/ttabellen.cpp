#include "chart/ui/ttabellen.h"

#include "chart/ui/tskalierung.h"

#include <QEvent>
#include <QHeaderView>
#include <QMenuBar>
#include <QTableView>
#include <QVBoxLayout>

namespace drel::chart {

int TabellenGitter::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TabellenModell::kZeilen;
}

int TabellenGitter::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TabellenModell::kSpalten;
}

QVariant TabellenGitter::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return modell_.zelle(index.row() + 1, index.column() + 1);
}

bool TabellenGitter::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    modell_.setZelle(index.row() + 1, index.column() + 1, value.toString());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags TabellenGitter::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

void TabellenGitter::neuLaden() {
    beginResetModel();
    endResetModel();
}

TTabellen::TTabellen(QWidget* parent) : MitQuelltexten(parent) {
    setObjectName(QStringLiteral("Tabellen"));
    setProperty("helpContext", kHilfeThemaDiagramm);
    auto* layout = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    datei_ = menu->addMenu(QString());
    beenden_ = datei_->addAction(QString(), this, &QDialog::reject);
    uebernehmen_ = datei_->addAction(QString(), this, &TTabellen::werteUebernehmen);
    bearbeiten_ = menu->addMenu(QString());
    layout->setMenuBar(menu);
    texte().fensterTitel(this, QT_TR_NOOP("Tabellen"));
    texte().titel(datei_, QT_TR_NOOP("&Datei"));
    texte().text(beenden_, QT_TR_NOOP("B&eenden"));
    texte().text(uebernehmen_, QT_TR_NOOP("&Werte übernehmen"));
    texte().titel(bearbeiten_, QT_TR_NOOP("&Bearbeiten"));

    gitter_ = new TabellenGitter(modell_, this);
    F1Book1_ = new QTableView(this);
    F1Book1_->setObjectName(QStringLiteral("F1Book1"));
    F1Book1_->setModel(gitter_);
    F1Book1_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    F1Book1_->verticalHeader()->setDefaultSectionSize(17);
    layout->addWidget(F1Book1_);
    resize(640, 420);
}

bool TTabellen::laden(const QString& pfad) {
    const bool ok = modell_.laden(pfad);
    gitter_->neuLaden();
    return ok;
}

void TTabellen::werteUebernehmen() {
    modell_.Uebernommen = true;
    accept();
}

} // namespace drel::chart
