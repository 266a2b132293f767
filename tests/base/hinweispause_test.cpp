// The hint hide pause: a widget's hint is shown for the program's pause; hints with a
// duration of their own and widgets without a hint are left to Qt.
#include "base/ui/hinweispause.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <gtest/gtest.h>

namespace drel::ui {
namespace {

struct Gezeigt {
    QString text;
    QWidget* widget = nullptr;
    int ms = 0;
    int anzahl = 0;
};

bool hinweisAnfordern(QWidget& w) {
    QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), w.mapToGlobal(QPoint(2, 2)));
    return QApplication::sendEvent(&w, &e) && e.isAccepted();
}

TEST(HinweisPause, EveryHintStaysForThePause) {
    Gezeigt g;
    HinweisPause pause(3000, nullptr, [&g](QPoint, const QString& text, QWidget* w, int ms) {
        g = {text, w, ms, g.anzahl + 1};
    });
    qApp->installEventFilter(&pause);
    QLabel mitHinweis(QStringLiteral("a"));
    mitHinweis.setToolTip(QStringLiteral("Kälteleistung"));
    hinweisAnfordern(mitHinweis);
    EXPECT_EQ(g.anzahl, 1);
    EXPECT_EQ(g.text, QStringLiteral("Kälteleistung"));
    EXPECT_EQ(g.widget, &mitHinweis);
    EXPECT_EQ(g.ms, 3000);

    QLabel eigeneDauer(QStringLiteral("b"));
    eigeneDauer.setToolTip(QStringLiteral("kurz"));
    eigeneDauer.setToolTipDuration(500);
    hinweisAnfordern(eigeneDauer);
    QLabel ohneHinweis(QStringLiteral("c"));
    hinweisAnfordern(ohneHinweis);
    EXPECT_EQ(g.anzahl, 1) << "both left to Qt";

    qApp->removeEventFilter(&pause);
    hinweisAnfordern(mitHinweis);
    EXPECT_EQ(g.anzahl, 1) << "no pause without the filter";
}

} // namespace
} // namespace drel::ui
