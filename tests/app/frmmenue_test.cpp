#include "app/programmstart.h"
#include "app/ui/frmcopyright2.h"
#include "app/ui/frmgruppentexte.h"
#include "app/ui/frmhilfe.h"
#include "app/ui/frmhinweis.h"
#include "app/ui/frmmenue.h"
#include "app/ui/frmsplash.h"
#include "base/numberformat.h"
#include "base/ui/hinweispause.h"
#include "base/ui/tdedit.h"
#include "calc/einheiten.h"
#include "calc/ui/frmeinheiten.h"
#include "chart/ui/tdchart.h"
#include "chart/ui/tskalierung.h"
#include "chart/ui/ttabellen.h"
#include "db/datamodule.h"
#include "dbbuild/ui/frmdbinfo.h"
#include "fluid/stoff.h"
#include "i18n/uebersetzer.h"
#include "print/ui/frmkunde.h"
#include "search/ui/frmsuche.h"
#include "search/ui/stgsuche.h"
#include "sheet/pages/spaltentext.h"
#include "sheet/ui/frmhinweise.h"
#include "sheet/ui/frmtechnik.h"
#include "state/sprache.h"
#include "state/suchini.h"
#include "tests/support/beispielkatalog.h"
#include "tests/support/dbfixture.h"
#include "tests/support/modalfenster.h"
#include "tests/support/testumgebung.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDialog>
#include <QEventLoop>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <functional>
#include <gtest/gtest.h>

namespace drel {
namespace {

QString zelle(const QTableView* liste, int zeile, int spalte) {
    return liste->model()->index(zeile, spalte).data().toString();
}

void klick(QTableView* liste, int zeile, int spalte) {
    emit liste->clicked(liste->model()->index(zeile, spalte));
}

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
        // A chosen unit keeps the first-start question out of the other tests.
        calc::einheiten() = calc::Einheiten{};
        calc::einheiten().klick(calc::EinheitGruppe::Leistung, 0);
    }
    void TearDown() override {
        calc::einheiten() = calc::Einheiten{};
        AppUmgebung::TearDown();
    }

    // Runs the event loop until a modal window is open, then closes it with the named
    // button; returns the modal window's object name (empty when none came up).
    QString modalSchliessen(const char* knopf, int fristMs = 2000) {
        QString name;
        test::modalBehandeln(
            [&](QWidget* modal) {
                name = modal->objectName();
                modal->findChild<QPushButton*>(QString::fromLatin1(knopf))->click();
                return true;
            },
            fristMs);
        return name;
    }

    // Runs the event loop until a modal window is open, hands it to `pruefen`, then
    // closes it with reject; false when no modal window came up.
    bool modalPruefen(const std::function<void(QDialog*)>& pruefen, int fristMs = 2000) {
        return test::modalPruefen(pruefen, fristMs);
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
    // The main window opens in the middle of the screen.
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((fenster.geometry().center() - frei.center()).manhattanLength(), 2);
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
    auto* grid = fenster.findChild<QTableView*>(QStringLiteral("StringGrid1"));
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

    EXPECT_EQ(fenster.findChild<ui::HinweisPause*>(), nullptr);
    fenster.show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    // Then the hints get their pause.
    auto* pause = fenster.findChild<ui::HinweisPause*>();
    ASSERT_NE(pause, nullptr);
    EXPECT_EQ(pause->ms(), 3000);
}

// The shell's windows share the base window's font and colours, the main window too,
// and the dialogs close with Esc.
TEST_F(Hauptfenster, ShellWindowsHaveTheCommonLook) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    EXPECT_TRUE(ui::istTDForm(fenster.splash()));
    fenster.show();
    const QColor hellblau(214, 227, 247);
    ui::TFrmGruppenTexte gruppe(QStringLiteral("QN"), QStringLiteral("Text"), &fenster);
    print::TFrmKunde kunde(nullptr, nullptr, &fenster, einstellungen);
    dbbuild::TFrmDBInfo dbInfo(&fenster);
    const QList<QWidget*> alle{&fenster, fenster.hinweis(), &gruppe, &kunde, &dbInfo};
    for (QWidget* w : alle) {
        ASSERT_TRUE(ui::istTDForm(w)) << w->objectName().toStdString();
        EXPECT_TRUE(w->font().families().contains(QStringLiteral("Arial Unicode MS")));
        w->show();
        EXPECT_EQ(w->palette().color(QPalette::Window), hellblau) << w->objectName().toStdString();
    }
    // A plain label with tag 0 takes the colour of an active caption.
    auto* text = dbInfo.findChild<QLabel*>(QStringLiteral("Label1"));
    EXPECT_EQ(text->palette().color(QPalette::WindowText),
              text->palette().color(QPalette::Highlight));

    for (QWidget* w : QList<QWidget*>{&gruppe, fenster.hinweis()}) {
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
    EXPECT_TRUE(fenster.isVisible());
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

TEST_F(Hauptfenster, FirstStartAsksForUnitsBeforeAnythingElse) {
    calc::einheiten() = calc::Einheiten{}; // no units.dat was read
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    EXPECT_EQ(modalSchliessen("BitBtn2"), "TFrmEinheiten");
    // Cancel without any choice confirms the defaults and writes them.
    EXPECT_TRUE(calc::einheiten().gewaehlt(calc::EinheitGruppe::Leistung));
    EXPECT_EQ(test::dateiLesen(einstellungen + QStringLiteral("/units.dat")), "0\r\n0\r\n0\r\n");
}

TEST_F(Hauptfenster, LaterStartsDoNotAsk) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    EXPECT_EQ(modalSchliessen("BitBtn2", 300), "");
}

TEST_F(Hauptfenster, UnitsMenuOpensTheUnitsWindow) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    QTimer::singleShot(0, action(fenster, "Einheiten1"), &QAction::trigger);
    EXPECT_EQ(modalSchliessen("BitBtn1"), "TFrmEinheiten");
    EXPECT_TRUE(QFile::exists(einstellungen + QStringLiteral("/units.dat")));
}

TEST_F(Hauptfenster, SearchNodeOpensTheSearchAreaAndBackReturns) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    auto* baum = fenster.findChild<QTreeWidget*>(QStringLiteral("TV1"));
    auto* panel1 = fenster.findChild<QWidget*>(QStringLiteral("Panel1"));
    QMenu* sprache = nullptr;
    for (QMenu* m : fenster.findChildren<QMenu*>()) {
        if (m->menuAction()->objectName() == QLatin1String("Sprache1"))
            sprache = m;
    }
    ASSERT_NE(sprache, nullptr);

    // A series node leaves the search area closed.
    emit baum->itemClicked(baum->topLevelItem(1), 0);
    EXPECT_FALSE(panel1->isVisible());

    emit baum->itemClicked(baum->topLevelItem(0), 0);
    EXPECT_TRUE(panel1->isVisible());
    EXPECT_TRUE(fenster.suche()->isVisible());
    EXPECT_FALSE(baum->isVisible()) << "the search area takes the full width";
    EXPECT_FALSE(sprache->isEnabled());
    EXPECT_FALSE(fenster.suche()->findChild<QWidget*>(QStringLiteral("Panel1"))->isVisible())
        << "no result area before a search";

    fenster.suche()->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    EXPECT_FALSE(panel1->isVisible());
    EXPECT_TRUE(baum->isVisible());
    EXPECT_TRUE(sprache->isEnabled());
}

// ---- product browser, language, help ---------------------------------------------

class Browserfenster : public Hauptfenster {
protected:
    void SetUp() override {
        Hauptfenster::SetUp();
        setNumberSeparators(NumberSeparators::german());
        using namespace db::testing;
        QDir().mkpath(programm + QStringLiteral("/Daten"));
        auto artikel = [](qint32 id, const char* name, const char* groesse, double hub) {
            return rowOf("Articles", {{"ID", i(id)},
                                      {"Produktgruppe", i(25)},
                                      {"Bezeichnung1", s(name)},
                                      {"Basisartikel", s("0")},
                                      {"Baugroesse", s(groesse)},
                                      {"Hubvolumen", d(hub)},
                                      {"Bezeichnung2De", s("Verdichter")},
                                      {"Bezeichnung2pl", s("Sprężarka")},
                                      {"GhostPointer", i(0)}});
        };
        writeProductTable(programm, "Articles",
                          {artikel(1, "QN1-11", "QN1", 11.2), artikel(2, "QN1-13", "QN1", 13.4),
                           artikel(3, "QN2-22", "QN2", 22.4)});
        writeProductTable(
            programm, "ProductGroups",
            {rowOf("ProductGroups", {{"ID", i(25)}, {"BeschreibungLangDe", s("QN einstufig")}})});
        db::createDataModule(programm);
    }
    void TearDown() override {
        db::destroyDataModule();
        // No translator may outlive the test.
        i18n::Uebersetzer::instanz().setSuchOrte({QStringLiteral("/nicht/da")});
        i18n::Uebersetzer::instanz().laden(QStringLiteral("De"));
        i18n::Uebersetzer::instanz().setSuchOrte({});
        Hauptfenster::TearDown();
    }
    QTreeWidgetItem* knoten(QTreeWidget* baum, int gruppe, int ebene) {
        for (QTreeWidgetItemIterator it(baum); *it; ++it) {
            int tiefe = 0;
            for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
                ++tiefe;
            if (tiefe == ebene && (*it)->data(0, Qt::UserRole).toInt() == gruppe)
                return *it;
        }
        return nullptr;
    }
    // A click on the series' sizes in the tree.
    void groesseWaehlen(QTreeWidget* baum, int gruppe) {
        baum->setCurrentItem(knoten(baum, gruppe, 2));
        emit baum->itemClicked(knoten(baum, gruppe, 2), 0);
    }
    // The QN sizes in the tree, then the first size's sheet from the list.
    void blattAusBrowserOeffnen(ui::TFrmMenue& fenster) {
        groesseWaehlen(fenster.findChild<QTreeWidget*>(QStringLiteral("TV1")), 25);
        klick(fenster.findChild<QTableView*>(QStringLiteral("StringGrid1")), 0, 2);
    }
};

TEST_F(Browserfenster, SingleClickOnASeriesShowsItsSizesFamiliesOnlyExpand) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    auto* baum = fenster.findChild<QTreeWidget*>(QStringLiteral("TV1"));
    auto* panel2 = fenster.findChild<QWidget*>(QStringLiteral("Panel2"));
    auto* panel5 = fenster.findChild<QWidget*>(QStringLiteral("Panel5"));
    auto* grid = fenster.findChild<QTableView*>(QStringLiteral("StringGrid1"));

    QTreeWidgetItem* qn = knoten(baum, 25, 1);
    emit baum->itemClicked(qn, 0);
    EXPECT_TRUE(qn->isExpanded());
    EXPECT_TRUE(panel5->isVisible());
    EXPECT_FALSE(panel2->isVisible());

    groesseWaehlen(baum, 25);
    EXPECT_TRUE(panel2->isVisible());
    EXPECT_FALSE(panel5->isVisible());
    ASSERT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(zelle(grid, 0, 0), QStringLiteral("   QN1"));
    EXPECT_EQ(zelle(grid, 0, 2), QStringLiteral("13,4"));
    EXPECT_EQ(fenster.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText(),
              QStringLiteral("QN einstufig"));
    EXPECT_EQ(fenster.property("helpContext").toInt(), 8);

    // A value cell opens its article on the docked data sheet; back returns to the list.
    klick(grid, 0, 2);
    ASSERT_NE(fenster.datenblatt(), nullptr);
    EXPECT_TRUE(fenster.findChild<QWidget*>(QStringLiteral("Panel3"))->isVisible());
    EXPECT_FALSE(panel2->isVisible());
    emit fenster.datenblatt()->zurueck();
    EXPECT_TRUE(panel2->isVisible());
    EXPECT_FALSE(fenster.findChild<QWidget*>(QStringLiteral("Panel1"))->isVisible());

    std::vector<ArtikelAuswahl> oeffnen;
    QObject::connect(&fenster, &ui::TFrmMenue::artikelAuswahlOeffnen,
                     [&](const ArtikelAuswahl& a) { oeffnen.push_back(a); });
    klick(grid, 0, 0); // the size name: its types
    EXPECT_TRUE(fenster.findChild<QWidget*>(QStringLiteral("RueckBtn"))->isVisible());
    EXPECT_EQ(zelle(grid, 1, 0), QStringLiteral("   QN1-13"));
    klick(grid, 1, 0);
    ASSERT_EQ(oeffnen.size(), 1u);
    EXPECT_EQ(oeffnen[0].ids, std::vector<qint32>{2});

    fenster.findChild<QToolButton*>(QStringLiteral("RueckBtn"))->click();
    EXPECT_EQ(zelle(grid, 1, 0), QStringLiteral("   QN2"));
}

TEST_F(Browserfenster, LanguageChoiceTranslatesMenuTreeAndHeadings) {
    i18n::Uebersetzer::instanz().setSuchOrte({QStringLiteral(DREL_QM_DIR)});
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    auto* baum = fenster.findChild<QTreeWidget*>(QStringLiteral("TV1"));
    // German restores the umlauts of the source texts.
    EXPECT_EQ(knoten(baum, 25, 1)->text(0), QStringLiteral("Sauggasgekühlt QN"));
    // Beside the item's text, each language's own name; once where both are the same.
    EXPECT_EQ(action(fenster, "Franzsisch2")->text(), QStringLiteral("Französisch\tFrançais"));
    EXPECT_EQ(action(fenster, "Chinesisch1")->text(), QStringLiteral("Chinesisch\t中文"));
    EXPECT_EQ(action(fenster, "Deutsch2")->text(), QStringLiteral("Deutsch"));
    EXPECT_TRUE(action(fenster, "Deutsch2")->isChecked());

    groesseWaehlen(baum, 25);
    action(fenster, "Englisch1")->trigger();
    EXPECT_TRUE(action(fenster, "Englisch1")->isChecked());
    EXPECT_FALSE(action(fenster, "Deutsch2")->isChecked());
    EXPECT_EQ(action(fenster, "Englisch1")->text(), QStringLiteral("English"));
    EXPECT_EQ(action(fenster, "Deutsch2")->text(), QStringLiteral("German\tDeutsch"));
    EXPECT_EQ(action(fenster, "Datei1")->text(), QStringLiteral("&Options"));
    EXPECT_EQ(baum->topLevelItem(0)->text(0), QStringLiteral("Search by capacity / type"));
    // The tree click ran again: headings in the new language.
    EXPECT_EQ(fenster.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("   Current types"));
    Sprache gelesen;
    ASSERT_TRUE(spracheLesen(suchIni(), gelesen));
    EXPECT_EQ(gelesen.code, QStringLiteral("En"));

    // The search window, built before any language was chosen, follows as well.
    auto labelTexte = [&] {
        QStringList texte;
        for (QLabel* label : fenster.suche()->findChildren<QLabel*>())
            texte << label->text();
        return texte;
    };
    EXPECT_TRUE(labelTexte().contains(QStringLiteral("Refrigerant:")));
    action(fenster, "Deutsch2")->trigger();
    EXPECT_TRUE(labelTexte().contains(QStringLiteral("Kältemittel:")));
}

// A language with long entries widens the tree pane, so that no shown entry is cut off.
TEST_F(Browserfenster, TreePaneFitsTheLongestShownEntry) {
    i18n::Uebersetzer::instanz().setSuchOrte({QStringLiteral(DREL_QM_DIR)});
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.resize(900, 650);
    fenster.show();
    auto* baum = fenster.findChild<QTreeWidget*>(QStringLiteral("TV1"));
    action(fenster, "Spanisch2")->trigger();
    groesseWaehlen(baum, 25);
    QCoreApplication::processEvents();
    const QTreeWidgetItem* serie = knoten(baum, 25, 1);
    ASSERT_NE(serie, nullptr);
    const int rechts = baum->visualItemRect(serie).x() +
                       QFontMetrics(serie->font(0)).horizontalAdvance(serie->text(0));
    EXPECT_LE(rechts, baum->viewport()->width()) << serie->text(0).toStdString();
    action(fenster, "Deutsch2")->trigger();
}

TEST_F(Browserfenster, PolishGivesItsHelpFileAndDescriptionColumn) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    db::Cursor& artikel = db::dataModule()->TBArtikel;
    ASSERT_TRUE(sheet::oeffnen(artikel));
    artikel.first();
    const auto beschreibung = [&] {
        return sheet::textSpalte(artikel, QStringLiteral("Bezeichnung2"), sprache().code);
    };
    EXPECT_EQ(beschreibung(), QStringLiteral("Verdichter"));
    action(fenster, "Polnisch1")->trigger();
    EXPECT_TRUE(fenster.hilfeDatei().endsWith(QStringLiteral("/WUK_Pl.hlp")));
    EXPECT_EQ(sprache().code, QStringLiteral("Pl"));
    // "Bezeichnung2" + "Pl" finds the column spelt Bezeichnung2pl.
    EXPECT_EQ(beschreibung(), QStringLiteral("Sprężarka"));
    action(fenster, "Deutsch2")->trigger();
    EXPECT_TRUE(fenster.hilfeDatei().endsWith(QStringLiteral("/WUK_De.hlp")));
}

// The German source texts whose English translation differs from them.
QSet<QString> deutscheQuellen() {
    QFile datei(QStringLiteral(DREL_SOURCE_DIR "/i18n/drel_en.ts"));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&datei);
    QSet<QString> quellen;
    QString quelle;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == u"source") {
            quelle = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString uebersetzung = xml.readElementText();
            if (!uebersetzung.isEmpty() && uebersetzung != quelle)
                quellen.insert(quelle);
        }
    }
    return quellen;
}

// Every caption a user reads in a window (not in the dialogs it owns, which are windows
// of their own): labels, buttons, group titles, tab texts.
QStringList sichtbareTexte(QWidget* fenster) {
    QStringList texte;
    const auto eigene = [fenster](QWidget* w) { return w->window() == fenster; };
    for (QLabel* w : fenster->findChildren<QLabel*>())
        if (eigene(w))
            texte << w->text();
    for (QAbstractButton* w : fenster->findChildren<QAbstractButton*>())
        if (eigene(w))
            texte << w->text() << w->toolTip();
    for (QGroupBox* w : fenster->findChildren<QGroupBox*>())
        if (eigene(w))
            texte << w->title();
    for (QTabWidget* w : fenster->findChildren<QTabWidget*>())
        for (int i = 0; eigene(w) && i < w->count(); ++i)
            texte << w->tabText(i);
    return texte;
}

TEST_F(Browserfenster, AfterEnglishNoGermanSourceTextRemainsInMainSearchAndSheet) {
    i18n::Uebersetzer::instanz().setSuchOrte({QStringLiteral(DREL_QM_DIR)});
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    blattAusBrowserOeffnen(fenster);
    ASSERT_NE(fenster.datenblatt(), nullptr);

    action(fenster, "Englisch1")->trigger();
    ASSERT_TRUE(action(fenster, "Englisch1")->isChecked());
    const QSet<QString> deutsch = deutscheQuellen();
    ASSERT_GT(deutsch.size(), 100);
    for (QWidget* w : std::initializer_list<QWidget*>{
             &fenster, fenster.suche(), fenster.datenblatt(), fenster.datenblatt()->hinweise()})
        for (const QString& text : sichtbareTexte(w))
            EXPECT_FALSE(deutsch.contains(text))
                << w->objectName().toStdString() << ": " << text.toStdString();

    // The diagram's popup menu and the two dialogs it opens, built in German with the
    // sheet: they follow the language change as well.
    QCoreApplication::processEvents(); // the language change is a posted event
    auto* diagramm = fenster.datenblatt()->findChild<chart::TDChart*>();
    ASSERT_NE(diagramm, nullptr);
    const auto menueTexte = [](QWidget* w) {
        QStringList texte;
        QList<QMenu*> menues = w->findChildren<QMenu*>();
        if (auto* menu = qobject_cast<QMenu*>(w))
            menues << menu;
        for (QMenu* menu : menues) {
            texte << menu->title();
            for (QAction* a : menu->actions())
                texte << a->text();
        }
        return texte;
    };
    QStringList texte = menueTexte(diagramm->popupMenu());
    EXPECT_TRUE(texte.contains(QStringLiteral("&Settings"))) << texte.join(u'|').toStdString();
    for (const auto& oeffnen : {std::function<void()>([&] { diagramm->einstellungen(); }),
                                std::function<void()>([&] { diagramm->werteTabelle(); })}) {
        QTimer::singleShot(0, diagramm, oeffnen);
        EXPECT_TRUE(modalPruefen([&](QDialog* dialog) {
            texte << dialog->windowTitle() << sichtbareTexte(dialog) << menueTexte(dialog);
        }));
    }
    EXPECT_TRUE(texte.contains(QStringLiteral("Chart type")));
    EXPECT_TRUE(texte.contains(QStringLiteral("&Apply values")));
    for (const QString& text : texte)
        EXPECT_FALSE(deutsch.contains(text)) << "chart: " << text.toStdString();

    // Back to German: two sources that share one English text ("Techn. Daten" and
    // "Technische Daten" are both "Technical data") each get their own text back.
    action(fenster, "Deutsch2")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(fenster.datenblatt()->PageControl1()->tabText(0), QStringLiteral("Techn. Daten"));
    EXPECT_EQ(fenster.datenblatt()->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Technische Daten"));
}

TEST_F(Browserfenster, HelpOpensTheTopicOfTheWindow) {
    test::dateiSchreiben(programm + QStringLiteral("/wuk_de.HLP"),
                         "<html><body><h2><a name=\"1\"></a>Start</h2><p>Eins</p>"
                         "<h2><a name=\"9\"></a>Suche</h2><p>Neun</p></body></html>");
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    action(fenster, "Hilfe2")->trigger();
    auto* hilfe = fenster.findChild<ui::TFrmHilfe*>();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(hilfe->thema(), 1);
    EXPECT_EQ(hilfe->browser()->toPlainText().trimmed(), QStringLiteral("Start\nEins"));
    // Esc closes the help window as its close box does.
    ASSERT_TRUE(hilfe->isVisible());
    QApplication::setActiveWindow(hilfe);
    QTest::keyClick(hilfe->browser(), Qt::Key_Escape);
    EXPECT_FALSE(hilfe->isVisible());

    // F1 takes the topic of the window that has the focus.
    hilfe->close();
    fenster.suchbereichOeffnen();
    fenster.activateWindow();
    fenster.suche()->findChild<QPushButton*>(QStringLiteral("OKBtn"))->setFocus();
    QShortcut* f1 = fenster.findChild<QShortcut*>();
    ASSERT_NE(f1, nullptr);
    emit f1->activated();
    EXPECT_EQ(hilfe->thema(), 9);

    action(fenster, "Hilfe2")->trigger();
    EXPECT_EQ(hilfe->thema(), 1);
    fenster.suche()->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    EXPECT_EQ(hilfe->thema(), 9);
    EXPECT_TRUE(hilfe->browser()->toPlainText().contains(QStringLiteral("Neun")));
    EXPECT_FALSE(hilfe->browser()->toPlainText().contains(QStringLiteral("Eins")));
}

// The docked sheet has its own topic, by F1 wherever the focus is and by "Extras › Hilfe";
// back in the browser the list's topic returns.
TEST_F(Browserfenster, HelpOnTheSheetOpensTheSheetTopic) {
    test::dateiSchreiben(programm + QStringLiteral("/WUK_De.hlp"),
                         "<html><body><h2><a name=\"3\"></a>Datenblatt</h2><p>Drei</p>"
                         "<h2><a name=\"8\"></a>Produkte</h2><p>Acht</p></body></html>");
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    blattAusBrowserOeffnen(fenster);
    ASSERT_NE(fenster.datenblatt(), nullptr);
    QShortcut* f1 = fenster.findChild<QShortcut*>();
    ASSERT_NE(f1, nullptr);
    fenster.setFocus(); // the focus outside the sheet: the area decides
    emit f1->activated();
    auto* hilfe = fenster.findChild<ui::TFrmHilfe*>();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(hilfe->thema(), 3);
    hilfe->close();
    fenster.datenblatt()->findChild<QAction*>(QStringLiteral("Hilfe1"))->trigger();
    EXPECT_EQ(hilfe->thema(), 3);
    EXPECT_TRUE(hilfe->browser()->toPlainText().contains(QStringLiteral("Drei")));
    fenster.datenblatt()->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    EXPECT_EQ(fenster.property("helpContext").toInt(), 8);
}

TEST_F(Browserfenster, PrintButtonOfTheSheetWritesTheDataSheetAsPdf) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    blattAusBrowserOeffnen(fenster);
    ASSERT_NE(fenster.datenblatt(), nullptr);
    const QString pdf = dokumente + QStringLiteral("/blatt.pdf");
    auto* knopf = fenster.datenblatt()->findChild<QPushButton*>(QStringLiteral("BitBtn3"));
    QTimer::singleShot(0, knopf, &QPushButton::click);
    EXPECT_TRUE(modalPruefen([&](QDialog* d) {
        auto* kunde = qobject_cast<print::TFrmKunde*>(d);
        ASSERT_NE(kunde, nullptr);
        EXPECT_EQ(kunde->windowTitle(), QStringLiteral("Kundenadresse"));
        kunde->setPdfDateiWahl([&] { return pdf; });
        kunde->OKBtnClick(print::TFrmKunde::Ausgabe::Pdf);
    }));
    QFile datei(pdf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray inhalt = datei.readAll();
    EXPECT_TRUE(inhalt.startsWith("%PDF"));
    EXPECT_TRUE(inhalt.contains("/Count ")); // a page tree with its pages
}

TEST_F(Browserfenster, F1InAModalWindowOpensItsTopicAboveIt) {
    test::dateiSchreiben(programm + QStringLiteral("/wuk_de.HLP"),
                         "<html><body><h2><a name=\"1\"></a>Start</h2><p>Eins</p>"
                         "<h2><a name=\"4\"></a>Einheiten</h2><p>Vier</p>"
                         "<h2><a name=\"12\"></a>Diagramm</h2><p>Zwoelf</p></body></html>");
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    blattAusBrowserOeffnen(fenster);
    ASSERT_NE(fenster.datenblatt(), nullptr);

    // Help asked for over a modal window belongs to it, or the modal window would
    // block it; F1 goes to the window's own topic, not to the main window's.
    const auto f1Pruefen = [&](QDialog* dialog, int thema, const char* text) {
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_F1);
        auto* hilfe = fenster.findChild<ui::TFrmHilfe*>();
        ASSERT_NE(hilfe, nullptr);
        EXPECT_EQ(hilfe->thema(), thema);
        EXPECT_TRUE(hilfe->isVisible());
        EXPECT_EQ(hilfe->parentWidget(), dialog);
        EXPECT_TRUE(hilfe->browser()->toPlainText().contains(QString::fromLatin1(text)));
    };
    QTimer::singleShot(0, action(fenster, "Einheiten1"), &QAction::trigger);
    EXPECT_TRUE(modalPruefen([&](QDialog* d) { f1Pruefen(d, 4, "Vier"); }));
    auto* diagramm = fenster.datenblatt()->findChild<chart::TDChart*>();
    ASSERT_NE(diagramm, nullptr);
    QTimer::singleShot(0, diagramm, [diagramm] { diagramm->einstellungen(); });
    EXPECT_TRUE(modalPruefen([&](QDialog* d) { f1Pruefen(d, 12, "Zwoelf"); }));
    QTimer::singleShot(0, diagramm, [diagramm] { diagramm->werteTabelle(); });
    EXPECT_TRUE(modalPruefen([&](QDialog* d) { f1Pruefen(d, 12, "Zwoelf"); }));

    // Back in the main window the help belongs to it again.
    action(fenster, "Hilfe2")->trigger();
    auto* hilfe = fenster.findChild<ui::TFrmHilfe*>();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(hilfe->parentWidget(), &fenster);
    EXPECT_EQ(hilfe->thema(), 1);
}

// Tree, list and data sheet with the keyboard alone: arrows choose, Return opens the
// docked data sheet, Escape returns to the list with the focus back on it.
TEST_F(Browserfenster, BrowserToDataSheetAndBackWithTheKeyboardAlone) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    auto* baum = fenster.findChild<QTreeWidget*>(QStringLiteral("TV1"));
    auto* grid = fenster.findChild<QTableView*>(QStringLiteral("StringGrid1"));
    auto* panel2 = fenster.findChild<QWidget*>(QStringLiteral("Panel2"));
    auto* panel3 = fenster.findChild<QWidget*>(QStringLiteral("Panel3"));
    baum->setFocus();
    baum->setCurrentItem(knoten(baum, 25, 1));
    QTest::keyClick(baum, Qt::Key_Right); // opens the family
    QTest::keyClick(baum, Qt::Key_Down);
    ASSERT_EQ(baum->currentItem(), knoten(baum, 25, 2));
    ASSERT_TRUE(panel2->isVisible());
    ASSERT_EQ(grid->model()->rowCount(), 2);

    std::vector<ArtikelAuswahl> oeffnen;
    QObject::connect(&fenster, &ui::TFrmMenue::artikelAuswahlOeffnen,
                     [&](const ArtikelAuswahl& a) { oeffnen.push_back(a); });
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, 1)); // QN2, 22,4
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_EQ(oeffnen.size(), 1u);
    EXPECT_EQ(oeffnen[0].ids, std::vector<qint32>{3});
    ASSERT_NE(fenster.datenblatt(), nullptr);
    EXPECT_TRUE(panel3->isVisible());
    EXPECT_FALSE(panel2->isVisible());

    QWidget* fokus = QApplication::focusWidget() ? QApplication::focusWidget() : &fenster;
    QTest::keyClick(fokus, Qt::Key_Escape);
    QCoreApplication::processEvents(); // the sheet is deleted later
    EXPECT_FALSE(panel3->isVisible());
    EXPECT_TRUE(panel2->isVisible());
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_TRUE(grid->hasFocus());

    // Escape in the list itself is not the sheet's business.
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_TRUE(panel2->isVisible());
    // Return on the size name shows the types, Return on a type opens its sheet, and
    // Escape comes back to that type list, not to the sizes.
    grid->setCurrentIndex(grid->model()->index(0, 0));
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_EQ(zelle(grid, 1, 0), QStringLiteral("   QN1-13"));
    grid->setCurrentIndex(grid->model()->index(1, 0));
    QTest::keyClick(grid, Qt::Key_Return);
    ASSERT_EQ(oeffnen.size(), 2u);
    EXPECT_EQ(oeffnen[1].ids, std::vector<qint32>{2});
    EXPECT_TRUE(panel3->isVisible());
    fokus = QApplication::focusWidget() ? QApplication::focusWidget() : &fenster;
    QTest::keyClick(fokus, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_TRUE(panel2->isVisible());
    EXPECT_EQ(zelle(grid, 1, 0), QStringLiteral("   QN1-13"));
    EXPECT_TRUE(fenster.findChild<QWidget*>(QStringLiteral("RueckBtn"))->isVisible());
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(Hauptfenster, CopyrightIsModalAndOnTop) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    QTimer::singleShot(0, action(fenster, "Copyright1"), &QAction::trigger);
    EXPECT_EQ(modalSchliessen("OKBtn"), "TFrmCopyright2");
    ui::TFrmCopyright2 copyright;
    EXPECT_TRUE(copyright.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(copyright.jahr()->text().contains(QString::number(QDate::currentDate().year())));
}

// ---- one area state: Esc, back and the menus in every area -------------------------

QMenu* sprachMenue(ui::TFrmMenue& fenster) {
    for (QMenu* m : fenster.findChildren<QMenu*>())
        if (m->menuAction()->objectName() == QLatin1String("Sprache1"))
            return m;
    return nullptr;
}

// Esc to the modal window once it is open; its object name, empty when none came up.
QString modalMitEsc(int fristMs = 2000) {
    QString name;
    QEventLoop schleife;
    QTimer suchen;
    QObject::connect(&suchen, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            suchen.stop();
            name = modal->objectName().isEmpty()
                       ? QString::fromLatin1(modal->metaObject()->className())
                       : modal->objectName();
            QTest::keyClick(modal, Qt::Key_Escape);
            schleife.quit();
        }
    });
    suchen.start(5);
    QTimer::singleShot(fristMs, &schleife, &QEventLoop::quit);
    schleife.exec();
    QCoreApplication::processEvents();
    return name;
}

TEST_F(Hauptfenster, EscOnTheFirstStartUnitsWindowKeepsTheDefaultUnits) {
    calc::einheiten() = calc::Einheiten{}; // no units.dat was read
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    EXPECT_EQ(modalMitEsc(), QStringLiteral("TFrmEinheiten"));
    // Cancel's fallback: every group has its default unit, so no caption stays empty.
    for (auto gruppe : {calc::EinheitGruppe::Leistung, calc::EinheitGruppe::Temperatur})
        EXPECT_TRUE(calc::einheiten().gewaehlt(gruppe));
    EXPECT_TRUE(fenster.findChild<QTreeWidget*>(QStringLiteral("TV1"))->isVisible());
}

TEST_F(Hauptfenster, EscInTheSearchWindowReturnsToTheTreeAndTheSearchOpensAgain) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    auto* baum = fenster.findChild<QTreeWidget*>(QStringLiteral("TV1"));
    auto* panel1 = fenster.findChild<QWidget*>(QStringLiteral("Panel1"));
    for (int runde = 0; runde < 2; ++runde) {
        emit baum->itemClicked(baum->topLevelItem(0), 0);
        ASSERT_TRUE(fenster.suche()->isVisible()) << "round " << runde;
        EXPECT_EQ(fenster.inhalt(), Inhalt::Suche);
        EXPECT_FALSE(sprachMenue(fenster)->isEnabled());
        // Esc from a field as well as the close request of the embedded form itself.
        if (runde == 0)
            QTest::keyClick(fenster.suche()->feld(search::Feld::t0), Qt::Key_Escape);
        else
            fenster.suche()->close();
        EXPECT_FALSE(panel1->isVisible());
        EXPECT_TRUE(baum->isVisible());
        EXPECT_TRUE(sprachMenue(fenster)->isEnabled());
        EXPECT_EQ(fenster.inhalt(), Inhalt::Start);
    }
}

TEST_F(Browserfenster, LanguageMenuAndEscFollowTheAreaThroughListAndSheet) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    auto* baum = fenster.findChild<QTreeWidget*>(QStringLiteral("TV1"));
    auto* grid = fenster.findChild<QTableView*>(QStringLiteral("StringGrid1"));
    QMenu* sprachen = sprachMenue(fenster);
    EXPECT_EQ(fenster.inhalt(), Inhalt::Start);
    EXPECT_TRUE(sprachen->isEnabled());

    groesseWaehlen(baum, 25);
    EXPECT_EQ(fenster.inhalt(), Inhalt::Groessen);
    QAbstractItemModelTester pruefer(grid->model(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    klick(grid, 0, 0);
    EXPECT_EQ(fenster.inhalt(), Inhalt::Typen);
    EXPECT_TRUE(sprachen->isEnabled());

    // A sheet from the type list: no language change under it; Esc goes back to the list.
    klick(grid, 1, 0);
    ASSERT_NE(fenster.datenblatt(), nullptr);
    EXPECT_EQ(fenster.inhalt(), Inhalt::Blatt);
    EXPECT_FALSE(sprachen->isEnabled());
    QTest::keyClick(fenster.datenblatt(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(fenster.datenblatt(), nullptr);
    EXPECT_EQ(fenster.inhalt(), Inhalt::Typen);
    EXPECT_TRUE(grid->isVisible());
    EXPECT_TRUE(sprachen->isEnabled());

    // Esc in the type list: one level up, to the sizes; there it leaves the list alone.
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_EQ(fenster.inhalt(), Inhalt::Groessen);
    EXPECT_EQ(zelle(grid, 1, 0), QStringLiteral("   QN2"));
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_EQ(fenster.inhalt(), Inhalt::Groessen);
}

TEST_F(Browserfenster, EscInThePrintWindowLeavesTheSheetDocked) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.show();
    blattAusBrowserOeffnen(fenster);
    ASSERT_NE(fenster.datenblatt(), nullptr);
    auto* knopf = fenster.datenblatt()->findChild<QPushButton*>(QStringLiteral("BitBtn3"));
    QTimer::singleShot(0, knopf, &QPushButton::click);
    EXPECT_FALSE(modalMitEsc().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_NE(fenster.datenblatt(), nullptr);
    EXPECT_TRUE(fenster.datenblatt()->isVisible());
    EXPECT_EQ(fenster.inhalt(), Inhalt::Blatt);
}

// The search on the bundled sample catalogue, in the window.
class Suchfenster : public Hauptfenster {
protected:
    void SetUp() override {
        Hauptfenster::SetUp();
        setNumberSeparators(NumberSeparators::german());
        ASSERT_TRUE(testing::beispielKatalogBauen(programm));
        db::createDataModule(programm);
        fluid::stoff().Create(testing::quelle(QStringLiteral("data/reflibs")));
    }
    void TearDown() override {
        db::destroyDataModule();
        Hauptfenster::TearDown();
    }
};

TEST_F(Suchfenster, BackFromTheSheetShowsTheSameResultRowsAndSelection) {
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.sucheVorbereiten(*db::dataModule(), fluid::stoff());
    fenster.show();
    fenster.suchbereichOeffnen();
    ui::TFrmSuche& suche = *fenster.suche();
    if (!suche.box(SuchRec::RBQN)->isChecked())
        suche.box(SuchRec::RBQN)->click();
    auto* kaeltemittel = suche.findChild<QListWidget*>(QStringLiteral("KMListe"));
    const auto treffer = kaeltemittel->findItems(QStringLiteral("R404A, R507"), Qt::MatchExactly);
    ASSERT_FALSE(treffer.isEmpty());
    kaeltemittel->setCurrentItem(treffer.front());
    suche.feld(search::Feld::t0)->setText(QStringLiteral("-10"));
    suche.feld(search::Feld::tc)->setText(QStringLiteral("45"));
    suche.feld(search::Feld::Q0)->setText(QStringLiteral("10"));
    suche.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    ui::TStgSuche* liste = suche.stgSuche();
    ASSERT_GE(liste->rowCount(), 3);
    const auto zeilen = [liste] {
        QStringList texte;
        for (int r = 0; r < liste->rowCount(); ++r)
            texte << liste->text(r, 0);
        return texte;
    };
    const QStringList vorher = zeilen();
    liste->setCurrentCell(2, 0);

    suche.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    ASSERT_NE(fenster.datenblatt(), nullptr);
    EXPECT_EQ(fenster.inhalt(), Inhalt::Blatt);
    EXPECT_FALSE(suche.isEnabled()) << "the search waits behind the docked sheet";
    QTest::keyClick(fenster.datenblatt(), Qt::Key_Escape);
    QCoreApplication::processEvents();

    EXPECT_EQ(fenster.inhalt(), Inhalt::Suche);
    EXPECT_TRUE(suche.isEnabled());
    EXPECT_TRUE(liste->isVisible());
    EXPECT_EQ(zeilen(), vorher);
    EXPECT_EQ(liste->currentRow(), 2);
    EXPECT_FALSE(sprachMenue(fenster)->isEnabled());
}

} // namespace
} // namespace drel
