// Item texts too long for their view are cut, and only they get their whole text as hint.
#include "base/ui/kuerzenderzeichner.h"

#include <QApplication>
#include <QHelpEvent>
#include <QListWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace drel::ui {
namespace {

const QString kLang = QStringLiteral("Полугерметичные компрессорно-конденсаторные агрегаты с "
                                     "воздушным охлаждением");

// Asks for the hint over the middle of `index`; true when the view showed one.
bool hinweisAnfordern(QAbstractItemView& view, const QModelIndex& index) {
    view.doItemsLayout();
    const QPoint mitte = view.visualRect(index).center();
    QHelpEvent e(QEvent::ToolTip, mitte, view.viewport()->mapToGlobal(mitte));
    QApplication::sendEvent(view.viewport(), &e);
    return e.isAccepted();
}

TEST(KuerzenderZeichner, ACutListItemShowsItselfWholeAsHint) {
    QListWidget liste;
    liste.addItems({QStringLiteral("QN"), kLang, kLang});
    liste.item(2)->setToolTip(QStringLiteral("eigener Hinweis"));
    textKuerzen(&liste);
    liste.resize(liste.fontMetrics().horizontalAdvance(kLang) / 3, 200);
    liste.show();
    const auto index = [&](int zeile) { return liste.model()->index(zeile, 0); };

    // The item is as wide as the list, not as its text: it is cut, not scrolled away.
    EXPECT_LE(liste.visualRect(index(1)).width(), liste.viewport()->width());
    EXPECT_FALSE(hinweisAnfordern(liste, index(0)));
    ASSERT_TRUE(hinweisAnfordern(liste, index(1)));
    EXPECT_EQ(QToolTip::text(), kLang);
    // An item's own hint stays its own.
    ASSERT_TRUE(hinweisAnfordern(liste, index(2)));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("eigener Hinweis"));

    // Wide enough, the long text is whole and needs no hint.
    liste.resize(liste.fontMetrics().horizontalAdvance(kLang) * 2, 200);
    EXPECT_FALSE(hinweisAnfordern(liste, index(1)));
}

TEST(KuerzenderZeichner, ACutTreeItemShowsItselfWholeAsHint) {
    QTreeWidget baum;
    baum.setHeaderHidden(true);
    auto* oben = new QTreeWidgetItem(&baum, {QStringLiteral("QN")});
    new QTreeWidgetItem(oben, {kLang});
    oben->setExpanded(true);
    textKuerzen(&baum);
    baum.resize(baum.fontMetrics().horizontalAdvance(kLang) / 2, 200);
    baum.show();
    const QModelIndex lang = baum.model()->index(0, 0, baum.model()->index(0, 0));

    EXPECT_FALSE(hinweisAnfordern(baum, baum.model()->index(0, 0)));
    ASSERT_TRUE(hinweisAnfordern(baum, lang));
    EXPECT_EQ(QToolTip::text(), kLang);
}

TEST(KuerzenderZeichner, AViewKeepsItsOwnElidingDelegate) {
    QListWidget liste;
    auto* eigener = new KuerzenderZeichner(&liste);
    liste.setItemDelegate(eigener);
    textKuerzen(&liste);
    EXPECT_EQ(liste.itemDelegate(), eigener);
}

} // namespace
} // namespace drel::ui
