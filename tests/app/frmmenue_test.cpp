#include "app/programmstart.h"
#include "state/suchini.h"
#include "app/ui/frmhinweis.h"
#include "app/ui/frmmenue.h"
#include "app/ui/frmsplash.h"
#include "tests/testumgebung.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <gtest/gtest.h>

// Fontconfig keeps its caches until exit; that is not ours to free.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace drel {
namespace {

void anwendungSicherstellen() {
    static int argc = 1;
    static char name[] = "test_app_ui";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

class Hauptfenster : public test::AppUmgebung {
protected:
    void SetUp() override {
        anwendungSicherstellen();
        AppUmgebung::SetUp();
    }

    QAction* action(ui::TFrmMenue& fenster, const char* name) {
        QAction* gefunden = fenster.findChild<QAction*>(QString::fromLatin1(name));
        if (!gefunden) {
            // Submenu actions belong to their menus, not to the window.
            for (QMenu* menu : fenster.findChildren<QMenu*>()) {
                if (menu->menuAction()->objectName() == QLatin1String(name))
                    return menu->menuAction();
            }
        }
        return gefunden;
    }
};

TEST_F(Hauptfenster, ShellAfterStart) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);

    EXPECT_EQ(fenster.windowTitle(), QStringLiteral("Drel - Auswahlprogramm"));
    auto* version = fenster.findChild<QLabel*>(QStringLiteral("lblVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Drel - Auswahlprogramm WUK 8.1 "));
    EXPECT_TRUE(QFileInfo(einstellungen).isDir());

    const QList<std::pair<const char*, const char*>> menue{
        {"mnWUK", "WUK 8.1"},
        {"Beenden1", "&Beenden"},
        {"Datei1", "&Optionen"},
        {"Druckerauswahl1", "&Druckerauswahl"},
        {"Einheiten1", "Einheiten"},
        {"Sprache1", "&Sprache"},
        {"Suchen1", "&Suchen"},
        {"bersicht1", "&Lieferprogramm"},
        {"Hilfe1", "&?"},
        {"Hilfe2", "Hilfe"},
        {"Hinweis1", "Hinweis"},
        {"NeuindieserVersion1", "Neu in dieser Version"},
        {"DrelimInternet1", "Drel im Internet"},
        {"KontaktzuDrel1", "Kontakt zu Drel"},
        {"ber1", "Uber ..."}};
    for (const auto& [name, caption] : menue) {
        QAction* a = action(fenster, name);
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), QString::fromLatin1(caption)) << name;
    }
    EXPECT_FALSE(action(fenster, "Suchen1")->isVisible());
    EXPECT_FALSE(action(fenster, "bersicht1")->isVisible());
    EXPECT_FALSE(action(fenster, "ber1")->isVisible());
    EXPECT_EQ(action(fenster, "Koreanisch1")->property("tag").toInt(), 10);

    const QColor hellblau(214, 227, 247);
    for (const char* name : {"TV1", "Memo1", "Memo3", "StringGrid1"}) {
        auto* widget = fenster.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->palette().color(QPalette::Base), hellblau) << name;
    }
    auto* grid = fenster.findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    EXPECT_TRUE(grid->isColumnHidden(6));
    EXPECT_EQ(fenster.findChild<QTreeWidget*>(QStringLiteral("TV1"))->topLevelItemCount(), 5);
    EXPECT_TRUE(fenster.hilfeDatei().endsWith(QStringLiteral("/WUK_De.hlp")));
}

TEST_F(Hauptfenster, StartWindowLivesUntilTheMainWindowIsShown) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    QPointer<ui::TFrmSplash> splash = fenster.splash();
    ASSERT_FALSE(splash.isNull());
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(800, 572));
    EXPECT_EQ(splash->lblVersion()->text(), QStringLiteral("Drel - Auswahlprogramm WUK 8.1 "));

    fenster.show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
}

TEST_F(Hauptfenster, LanguageChoiceIsWrittenBackOnClose) {
    Programmstart start(programm, dokumente);
    {
        ui::TFrmMenue fenster(start);
        fenster.show();
        action(fenster, "Koreanisch1")->trigger();
        EXPECT_EQ(fenster.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->font().pointSize(),
                  9);
        EXPECT_TRUE(fenster.hilfeDatei().endsWith(QStringLiteral("/WUK_Ko.hlp")));
        action(fenster, "Beenden1")->trigger();
        EXPECT_FALSE(fenster.isVisible());
    }
    Sprache gelesen;
    ASSERT_TRUE(spracheLesen(suchIni(), gelesen));
    EXPECT_EQ(gelesen.nummer, 10);
    EXPECT_EQ(gelesen.kurzCode, QStringLiteral("Ko"));
    EXPECT_EQ(gelesen.code, QStringLiteral("Ko"));
}

TEST_F(Hauptfenster, NoteWindowShowsTheTextOfTheLanguage) {
    test::dateiSchreiben(programm + QStringLiteral("/info1de.rtf"), test::fixture("Info1De.rtf"));
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    action(fenster, "Hinweis1")->trigger();
    EXPECT_TRUE(fenster.hinweis()->isVisible());
    EXPECT_EQ(fenster.hinweis()->windowTitle(), QStringLiteral("Hinweis"));
    EXPECT_TRUE(fenster.hinweis()->richEdit()->toPlainText().contains(
        QStringLiteral("Hinweise zur Auswahl")));
    EXPECT_TRUE(fenster.hinweis()->richEdit()->isReadOnly());

    // No readme in this language: the box stays empty.
    action(fenster, "NeuindieserVersion1")->trigger();
    EXPECT_EQ(fenster.hinweis()->windowTitle(), QStringLiteral("Neu in dieser Version"));
    EXPECT_TRUE(fenster.hinweis()->richEdit()->toPlainText().isEmpty());
}

} // namespace
} // namespace drel
