// Every window in every language: after the language is chosen, no caption, hint, title,
// menu item, list item or column heading of the main, search, sheet (each tab), notes,
// print, units, help, copyright and chart windows is still a German source text, unless
// that text is also the language's own translation of some message (the reviewed equal
// texts such as "R410A" or "Hz").
#include "app/programmstart.h"
#include "app/ui/frmhilfe.h"
#include "app/ui/frmmenue.h"
#include "base/numberformat.h"
#include "base/ui/tdedit.h"
#include "calc/einheiten.h"
#include "chart/ui/tdchart.h"
#include "db/datamodule.h"
#include "fluid/stoff.h"
#include "i18n/uebersetzer.h"
#include "search/suchmodell.h"
#include "search/ui/frmsuche.h"
#include "sheet/ui/frmhinweise.h"
#include "sheet/ui/frmtechnik.h"
#include "state/sprache.h"
#include "tests/support/beispielkatalog.h"
#include "tests/support/modalfenster.h"
#include "tests/support/testumgebung.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace drel {
namespace {

// The sources (and German display forms) of a translation file, or its translations.
QSet<QString> tsTexte(const QString& code, bool quellen) {
    QFile datei(QStringLiteral(DREL_SOURCE_DIR "/i18n/drel_%1.ts").arg(code.toLower()));
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << code.toStdString();
    QXmlStreamReader xml(&datei);
    QSet<QString> texte;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == u"source" && quellen)
            texte.insert(xml.readElementText());
        else if (xml.name() == u"translation")
            texte.insert(xml.readElementText());
    }
    return texte;
}

// What a user reads in a window of its own (not in the dialogs it owns).
QStringList fensterTexte(QWidget* fenster) {
    QStringList texte{fenster->windowTitle()};
    const auto eigene = [fenster](QWidget* w) { return w->window() == fenster; };
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!eigene(w))
            continue;
        texte << w->toolTip();
        if (auto* l = qobject_cast<QLabel*>(w))
            texte << l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            texte << b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            texte << g->title();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            texte << e->placeholderText();
        else if (auto* m = qobject_cast<QMenu*>(w))
            texte << m->title();
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i)
                texte << t->tabText(i);
        if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
            const QAbstractItemModel* m = v->model();
            for (int s = 0; s < m->columnCount(); ++s)
                texte << m->headerData(s, Qt::Horizontal).toString();
        }
    }
    for (QAction* a : fenster->findChildren<QAction*>())
        texte << a->text() << a->toolTip();
    for (QTreeWidget* baum : fenster->findChildren<QTreeWidget*>())
        for (QTreeWidgetItemIterator it(baum); *it; ++it)
            texte << (*it)->text(0);
    for (QListWidget* liste : fenster->findChildren<QListWidget*>())
        for (int i = 0; i < liste->count(); ++i)
            texte << liste->item(i)->text();
    return texte;
}

QString sprachAction(const QString& code) {
    for (const SprachEintrag& e : sprachTabelle())
        if (QString::fromLatin1(e.code) == code)
            return QString::fromLatin1(e.menuName);
    return {};
}

class Fenstertexte : public test::AppUmgebung, public ::testing::WithParamInterface<const char*> {
protected:
    static void SetUpTestSuite() {
        katalog_ = new QTemporaryDir;
        gebaut_ = testing::beispielKatalogBauen(katalog_->path());
    }
    static void TearDownTestSuite() {
        delete katalog_;
        katalog_ = nullptr;
    }
    void SetUp() override {
        AppUmgebung::SetUp();
        ASSERT_TRUE(gebaut_);
        programm = katalog_->path();
        verzeichnisse().programm = programm;
        setNumberSeparators(NumberSeparators::german());
        calc::einheiten() = calc::Einheiten{};
        calc::einheiten().klick(calc::EinheitGruppe::Leistung, 0);
        // A help file of the language, so that the help window opens without a message.
        test::dateiSchreiben(programm + QStringLiteral("/WUK_%1.hlp").arg(GetParam()),
                             "<html><body><h2><a name=\"1\"></a>1</h2></body></html>");
        db::createDataModule(programm);
        fluid::stoff().Create(testing::quelle(QStringLiteral("data/reflibs")));
        i18n::Uebersetzer::instanz().setSuchOrte({QStringLiteral(DREL_QM_DIR)});
    }
    void TearDown() override {
        db::destroyDataModule();
        i18n::Uebersetzer::instanz().setSuchOrte({QStringLiteral("/nicht/da")});
        i18n::Uebersetzer::instanz().laden(QStringLiteral("De"));
        i18n::Uebersetzer::instanz().setSuchOrte({});
        calc::einheiten() = calc::Einheiten{};
        AppUmgebung::TearDown();
    }

    // The texts of the modal window that `oeffnen` brings up.
    QStringList modalTexte(const std::function<void()>& oeffnen, QObject* kontext) {
        QStringList texte;
        QTimer::singleShot(0, kontext, oeffnen);
        EXPECT_TRUE(test::modalPruefen([&](QDialog* d) { texte << fensterTexte(d); }));
        return texte;
    }

    static QTemporaryDir* katalog_;
    static bool gebaut_;
};

QTemporaryDir* Fenstertexte::katalog_ = nullptr;
bool Fenstertexte::gebaut_ = false;

TEST_P(Fenstertexte, NoWindowShowsAGermanSourceText) {
    const QString code = QString::fromLatin1(GetParam());
    Programmstart start(programm, dokumente);
    ui::TFrmMenue fenster(start);
    fenster.sucheVorbereiten(*db::dataModule(), fluid::stoff());
    fenster.show();
    QAction* sprachWahl = fenster.findChild<QAction*>(sprachAction(code));
    ASSERT_NE(sprachWahl, nullptr);
    sprachWahl->trigger();
    ASSERT_EQ(sprache().code, code);
    QCoreApplication::processEvents();

    QMap<QString, QStringList> texte; // window -> texts
    texte[QStringLiteral("main")] = fensterTexte(&fenster);
    const auto action = [&](const char* name) {
        return fenster.findChild<QAction*>(QString::fromLatin1(name));
    };
    texte[QStringLiteral("units")] = modalTexte([&] { action("Einheiten1")->trigger(); }, &fenster);
    texte[QStringLiteral("copyright")] =
        modalTexte([&] { action("Copyright1")->trigger(); }, &fenster);
    action("Hilfe2")->trigger();
    auto* hilfe = fenster.findChild<ui::TFrmHilfe*>();
    ASSERT_NE(hilfe, nullptr);
    texte[QStringLiteral("help")] = fensterTexte(hilfe);
    hilfe->close();

    // A search for the usual operating point, then the first result's sheet.
    fenster.suchbereichOeffnen();
    ui::TFrmSuche& suche = *fenster.suche();
    if (!suche.box(SuchRec::RBQN)->isChecked())
        suche.box(SuchRec::RBQN)->click();
    suche.feld(search::Feld::Q0)->setText(QStringLiteral("10"));
    suche.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    texte[QStringLiteral("search")] = fensterTexte(&suche);
    suche.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    ui::TFrmTechnik* blatt = fenster.datenblatt();
    ASSERT_NE(blatt, nullptr);
    for (int i = 0; i < blatt->PageControl1()->count(); ++i) {
        blatt->PageControl1()->setCurrentIndex(i);
        QCoreApplication::processEvents();
        texte[QStringLiteral("sheet tab %1").arg(i)] = fensterTexte(blatt);
    }
    texte[QStringLiteral("notes")] = fensterTexte(blatt->hinweise());
    auto* diagramm = blatt->findChild<chart::TDChart*>();
    ASSERT_NE(diagramm, nullptr);
    texte[QStringLiteral("chart menu")] = fensterTexte(diagramm->popupMenu());
    texte[QStringLiteral("chart settings")] =
        modalTexte([diagramm] { diagramm->einstellungen(); }, diagramm);
    texte[QStringLiteral("chart table")] =
        modalTexte([diagramm] { diagramm->werteTabelle(); }, diagramm);
    auto* drucken = blatt->findChild<QPushButton*>(QStringLiteral("BitBtn3"));
    ASSERT_NE(drucken, nullptr);
    texte[QStringLiteral("print")] = modalTexte([drucken] { drucken->click(); }, drucken);

    QSet<QString> deutsch = tsTexte(QStringLiteral("De"), true);
    deutsch.subtract(tsTexte(code, false));
    ASSERT_GT(deutsch.size(), 300);
    int gesehen = 0;
    for (auto it = texte.cbegin(); it != texte.cend(); ++it) {
        EXPECT_GT(it.value().size(), 1) << it.key().toStdString();
        for (const QString& text : it.value()) {
            gesehen += !text.isEmpty();
            EXPECT_FALSE(deutsch.contains(text))
                << code.toStdString() << ", " << it.key().toStdString() << ": "
                << text.toStdString();
        }
    }
    EXPECT_GT(gesehen, 400);
}

INSTANTIATE_TEST_SUITE_P(AlleSprachen, Fenstertexte,
                         ::testing::Values("En", "Fr", "It", "Pt", "Es", "Ru", "Pl", "Cn", "Ko"));

} // namespace
} // namespace drel
