#include "search/ui/stgsuche.h"

#include "search/ergebnisliste.h"
#include "search/ui/ergebnismodell.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>

namespace drel::ui {

namespace {

const QColor kHellblau(214, 227, 247);

class ZellMaler : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool markiert = option.state & (QStyle::State_Selected | QStyle::State_HasFocus);
        painter->fillRect(option.rect, stgZellFarbe(index.row() + 1, markiert, option.palette));
        painter->setPen(stgTextFarbe(markiert, option.palette));
        painter->setFont(option.font);
        const int spalte = index.column();
        QRect r = option.rect.adjusted(spalte == 0 ? 2 : 0, TStgSuche::kTextOben,
                                       spalte == 0 ? 0 : -TStgSuche::kRandRechts, 0);
        painter->drawText(r, static_cast<int>(stgAusrichtung(spalte) | Qt::AlignTop),
                          index.data().toString());
    }
};

} // namespace

QColor stgZellFarbe(int gridZeile, bool markiert, const QPalette& palette) {
    if (markiert)
        return palette.color(QPalette::Highlight);
    return gridZeile % 2 == 1 ? kHellblau : palette.color(QPalette::ToolTipBase);
}

QColor stgTextFarbe(bool markiert, const QPalette& palette) {
    return palette.color(markiert ? QPalette::Base : QPalette::Text);
}

namespace {
const char* const kHinweis =
    QT_TRANSLATE_NOOP("drel::ui::TStgSuche", "Return oder Doppelklick fur nahere Informationen");
} // namespace

Qt::Alignment stgAusrichtung(int spalte) {
    return spalte == 0 ? Qt::AlignLeft : Qt::AlignRight;
}

void TStgSuche::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setToolTip(tr(kHinweis));
    QTableView::changeEvent(event);
}

TStgSuche::TStgSuche(QWidget* parent) : QTableView(parent) {
    setObjectName(QStringLiteral("stgSuche"));
    setToolTip(tr(kHinweis));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows (Ctrl, Shift) go to the comparison; a plain click still opens one.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setDefaultAlignment(Qt::AlignHCenter | Qt::AlignTop);
    horizontalHeader()->setStretchLastSection(true);
    modell_ = new ErgebnisModell(this);
    setModel(modell_);
    setColumnWidth(0, 160);
    setItemDelegate(new ZellMaler(this));
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& jetzt) { zelleGewechselt(jetzt.row()); });
}

void TStgSuche::fuellen(const search::ErgebnisListe& liste, const QString& kopfTyp,
                        const QString& kopfQo, const QString& kopfRand) {
    fuellt_ = true;
    modell_->fuellen(liste, kopfTyp, kopfQo, kopfRand);
    setCurrentCell(liste.Row() - 1, 0);
    fuellt_ = false;
    obereZeile_ = liste.TopRow();
    obereZeileSetzen();
    // The area may get its final size only when it is shown after the first search.
    QTimer::singleShot(0, this, &TStgSuche::obereZeileSetzen);
}

void TStgSuche::obereZeileSetzen() {
    updateGeometries();
    verticalScrollBar()->setValue(obereZeile_ - 1);
}

void TStgSuche::setCurrentCell(int zeile, int spalte) {
    setCurrentIndex(modell_->index(zeile, spalte));
}

QList<int> TStgSuche::markierteZeilen() const {
    QList<int> zeilen;
    for (const QModelIndex& i : selectionModel()->selectedRows())
        zeilen << i.row() + 1;
    std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

int TStgSuche::rowCount() const {
    return modell_->rowCount();
}

QString TStgSuche::text(int zeile, int spalte) const {
    return modell_->index(zeile, spalte).data().toString();
}

QString TStgSuche::kopf(int spalte) const {
    return modell_->headerData(spalte, Qt::Horizontal).toString();
}

int TStgSuche::TopRow() const {
    return rowAt(0) + 1;
}

void TStgSuche::zelleGewechselt(int zeile) {
    if (fuellt_)
        return;
    emit zeileGewaehlt(zeile + 1);
    if (scharf_) {
        scharf_ = false;
        emit oeffnen();
    }
}

void TStgSuche::mousePressEvent(QMouseEvent* event) {
    // The press selects its cell first; only the selection after it opens.
    QTableView::mousePressEvent(event);
    scharf_ = event->button() == Qt::LeftButton &&
              !(event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier));
}

void TStgSuche::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    emit oeffnen();
}

void TStgSuche::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit oeffnen();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace drel::ui
