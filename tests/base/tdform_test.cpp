// The base window's colours by tag.
#include "base/ui/nebenfenster.h"
#include "base/ui/tdform.h"

#include <QLabel>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace drel::ui {
namespace {

QWidget* teil(const char* art, int tag, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setProperty("tdArt", QString::fromLatin1(art));
    w->setProperty("tag", tag);
    return w;
}

TEST(TDForm, ColoursByTag) {
    TDForm fenster;
    QWidget* panel0 = teil("Panel", 0, &fenster);
    QWidget* panel99 = teil("Panel", 99, &fenster);
    QWidget* shape7 = teil("Shape", 7, &fenster);
    QPalette entworfen = shape7->palette();
    entworfen.setColor(QPalette::Window, Qt::red);
    entworfen.setColor(QPalette::WindowText, Qt::darkGreen);
    shape7->setPalette(entworfen);
    auto* ohneTag = new QLabel(&fenster);
    auto* tag6 = new QLabel(&fenster);
    tag6->setProperty("tag", 6);
    auto* tag7 = new QLabel(&fenster);
    tag7->setProperty("tag", 7);
    tag7->setPalette(entworfen);
    fenster.show();

    EXPECT_EQ(fenster.palette().color(QPalette::Window), QColor(214, 227, 247));
    EXPECT_EQ(panel0->palette().color(QPalette::Window), QColor(0, 189, 242));
    EXPECT_EQ(panel99->palette().color(QPalette::Window), QColor(214, 227, 247));
    EXPECT_EQ(shape7->palette().color(QPalette::Window), QColor(Qt::red)) << "designed colour";
    const QColor titel = fenster.palette().color(QPalette::Highlight);
    EXPECT_EQ(ohneTag->palette().color(QPalette::WindowText), titel);
    EXPECT_EQ(tag6->palette().color(QPalette::WindowText), titel);
    EXPECT_EQ(tag7->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
    EXPECT_TRUE(fenster.font().families().contains(QStringLiteral("Arial Unicode MS")));
}

TEST(TDForm, WindowWithAnOwnTagKeepsItsColour) {
    TDForm fenster;
    fenster.setProperty("tag", 5);
    const QColor vorher = fenster.palette().color(QPalette::Window);
    fenster.show();
    EXPECT_EQ(fenster.palette().color(QPalette::Window), vorher);
}

TEST(Nebenfenster, FrameIsMovedAndShrunkOntoTheScreen) {
    const QRect frei(0, 0, 1000, 700);
    EXPECT_EQ(aufDenBildschirm(QRect(100, 100, 400, 300), frei), QRect(100, 100, 400, 300));
    EXPECT_EQ(aufDenBildschirm(QRect(800, 600, 400, 300), frei), QRect(600, 400, 400, 300));
    EXPECT_EQ(aufDenBildschirm(QRect(-50, -20, 400, 300), frei), QRect(0, 0, 400, 300));
    // Larger than the screen: as large as the screen, at its corner.
    EXPECT_EQ(aufDenBildschirm(QRect(10, 10, 1200, 900), frei), QRect(0, 0, 1000, 700));
}

TEST(Nebenfenster, EscClosesAndItOpensOnTheScreen) {
    QWidget fenster(nullptr, Qt::Window);
    alsNebenfenster(&fenster);
    fenster.resize(300, 200);
    fenster.move(-2000, -2000);
    fenster.show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(fenster.screen());
    EXPECT_TRUE(fenster.screen()->availableGeometry().contains(fenster.frameGeometry().topLeft()));
    fenster.activateWindow();
    QTest::keyClick(&fenster, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(fenster.isVisible());
}

} // namespace
} // namespace drel::ui
