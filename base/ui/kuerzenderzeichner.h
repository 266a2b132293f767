// Item views whose texts can be longer than their column (a Russian series name in the
// tree, a long printer name): the text is cut with an ellipsis, and the hint over the
// item shows it whole.
#pragma once

#include <QStyledItemDelegate>

class QAbstractItemView;

namespace drel::ui {

class KuerzenderZeichner : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // True when the item's text does not fit the width it is drawn in.
    bool gekuerzt(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    // In a list, an item is no wider than the list, so that its text is cut rather than
    // scrolled out of sight.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// Gives `view` an eliding delegate (a view that has its own elides through it already);
// a list lays its items out again when its width changes.
void textKuerzen(QAbstractItemView* view);

} // namespace drel::ui
