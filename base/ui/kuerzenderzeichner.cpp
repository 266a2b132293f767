#include "base/ui/kuerzenderzeichner.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QListView>
#include <QStyle>
#include <QToolTip>
#include <algorithm>

namespace drel::ui {

bool KuerzenderZeichner::gekuerzt(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (opt.text.isEmpty())
        return false;
    const QStyle* stil = opt.widget ? opt.widget->style() : QApplication::style();
    const QRect textFeld = stil->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    // The style leaves a margin of its focus frame on each side of the text.
    const int rand = stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
    return opt.fontMetrics.horizontalAdvance(opt.text) > textFeld.width() - 2 * rand;
}

bool KuerzenderZeichner::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event && event->type() == QEvent::ToolTip && index.isValid() &&
        !index.data(Qt::ToolTipRole).isValid()) {
        // Only a cut text gets the hint: a whole one would merely repeat what is there.
        if (gekuerzt(option, index)) {
            QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view);
            return true;
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

QSize KuerzenderZeichner::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QSize groesse = QStyledItemDelegate::sizeHint(option, index);
    if (const auto* liste = qobject_cast<const QListView*>(option.widget);
        liste && liste->viewMode() == QListView::ListMode && !liste->isWrapping())
        groesse.setWidth(std::min(groesse.width(), liste->viewport()->width()));
    return groesse;
}

void textKuerzen(QAbstractItemView* view) {
    view->setTextElideMode(Qt::ElideRight);
    if (auto* liste = qobject_cast<QListView*>(view)) {
        liste->setResizeMode(QListView::Adjust);
        liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    if (!dynamic_cast<KuerzenderZeichner*>(view->itemDelegate()))
        view->setItemDelegate(new KuerzenderZeichner(view));
}

} // namespace drel::ui
