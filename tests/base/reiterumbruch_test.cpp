// Tab captions that break onto a second line when the tabs would not fit.
#include "base/ui/reiterumbruch.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace drel::ui {
namespace {

TEST(Reiterumbruch, BreaksAtTheBlankThatBalancesTheLines) {
    const QFontMetrics fm{QFont()};
    EXPECT_EQ(zweizeilig(QStringLiteral("Tabelle Leistungsdaten"), fm),
              QStringLiteral("Tabelle\nLeistungsdaten"));
    EXPECT_EQ(zweizeilig(QStringLiteral("Limites de application"), fm),
              QStringLiteral("Limites de\napplication"));
    EXPECT_EQ(zweizeilig(QStringLiteral("Ausschreibungstexte"), fm),
              QStringLiteral("Ausschreibungstexte"));
}

TEST(Reiterumbruch, NarrowTabWidgetBreaksItsWidestCaptionsAndAWideOneKeepsThemOnOneLine) {
    QTabWidget reiter;
    const QStringList texte{QStringLiteral("Technische Daten"), QStringLiteral("Einsatzgrenzen"),
                            QStringLiteral("Tabelle Leistungsdaten"),
                            QStringLiteral("Masse und Anschlusse")};
    for (const QString& t : texte)
        reiter.addTab(new QWidget, t);
    reiterUmbrechen(&reiter);
    QTabBar* leiste = reiter.tabBar();
    const int einzeilig = leiste->sizeHint().width();

    reiter.resize(einzeilig + 40, 200);
    reiter.show();
    QCoreApplication::processEvents();
    for (int i = 0; i < texte.size(); ++i)
        EXPECT_EQ(leiste->tabText(i), texte[i]);

    reiter.resize(einzeilig * 3 / 4, 200);
    QCoreApplication::processEvents();
    EXPECT_LE(leiste->sizeHint().width(), reiter.width());
    EXPECT_TRUE(leiste->tabText(2).contains(QLatin1Char('\n')));
    EXPECT_FALSE(leiste->tabText(1).contains(QLatin1Char('\n'))) << "one word, no break";
    // Both lines of a broken caption fit the tab's height.
    const int zweiZeilen = 2 * leiste->fontMetrics().lineSpacing();
    for (int i = 0; i < texte.size(); ++i)
        EXPECT_GE(leiste->tabRect(i).height(), zweiZeilen) << i;

    // Wide again: every caption back on one line, the row one line high.
    reiter.resize(einzeilig + 40, 200);
    QCoreApplication::processEvents();
    for (int i = 0; i < texte.size(); ++i)
        EXPECT_EQ(leiste->tabText(i), texte[i]);
    EXPECT_LT(leiste->tabRect(0).height(), zweiZeilen);
}

} // namespace
} // namespace drel::ui
