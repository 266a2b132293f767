// The search window driven through its widgets: box groups, entry checks, a search on
// the sample catalogue with the preselected row, search.ini and the result grid's
// mouse and key rules.
#include "base/messagesink.h"
#include "base/numberformat.h"
#include "base/ui/tdedit.h"
#include "calc/einheiten.h"
#include "db/datamodule.h"
#include "dbbuild/dbneu.h"
#include "fluid/stoff.h"
#include "search/ui/ergebnismodell.h"
#include "search/ui/frmsuche.h"
#include "search/ui/stgsuche.h"
#include "tests/support/beispielkatalog.h"
#include "tests/support/einheitenwahl.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace drel::ui {
namespace {

using B = SuchRec;
using search::Feld;

// The sample catalogue built once for the whole test binary.
struct Katalog : drel::testing::BeispielKatalog {
    static Katalog& get() {
        static Katalog k;
        return k;
    }
};

class FrmSucheTest : public ::testing::Test {
protected:
    void SetUp() override {
        setNumberSeparators(NumberSeparators::german());
        setBeepHook([] {});
        einheiten = drel::testing::siEinheiten();
        fenster = std::make_unique<TFrmSuche>(einheiten);
        fenster->setSuchIni(ini.filePath(QStringLiteral("search.ini")));
        fenster->resize(880, 470);
        fenster->show();
        QApplication::setActiveWindow(fenster.get());
        fenster->suchbereichOeffnen();
    }
    void TearDown() override { setBeepHook({}); }

    bool katalog() {
        Katalog& k = Katalog::get();
        if (!k.gebaut)
            return false;
        if (!fenster->suchbereit())
            fenster->FormCreate(*k.dm, k.stoff);
        return true;
    }
    QStringList kaeltemittel() const {
        auto* liste = fenster->findChild<QListWidget*>(QStringLiteral("KMListe"));
        QStringList texte;
        for (int i = 0; i < liste->count(); ++i)
            texte << liste->item(i)->text();
        return texte;
    }
    bool sichtbar(const char* name) const {
        auto* w = fenster->findChild<QWidget*>(QString::fromLatin1(name));
        return w && w->isVisibleTo(fenster.get());
    }
    void tippen(QWidget* w, const QString& text) {
        w->setFocus();
        QCoreApplication::processEvents();
        for (QChar c : text) {
            QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &druck);
            QKeyEvent los(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &los);
        }
    }
    // The typical request: QN, "R404A, R507", t0 -10 °C, tc 45 °C, 10 kW.
    void typischeAnfrage() {
        fenster->box(B::RBQN)->click();
        auto* liste = fenster->findChild<QListWidget*>(QStringLiteral("KMListe"));
        liste->setCurrentItem(
            liste->findItems(QStringLiteral("R404A, R507"), Qt::MatchExactly).value(0));
        fenster->feld(Feld::t0)->setText(QStringLiteral("-10"));
        fenster->feld(Feld::tc)->setText(QStringLiteral("45"));
        fenster->feld(Feld::Q0)->setText(QStringLiteral("10"));
    }
    void ok() { fenster->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click(); }

    QTemporaryDir ini;
    calc::Einheiten einheiten;
    std::unique_ptr<TFrmSuche> fenster;
};

TEST_F(FrmSucheTest, TickingWWithQlTickedSwitchesToSpeed) {
    EXPECT_EQ(fenster->windowTitle(), "Suchkriterien");
    fenster->box(B::RBQL)->click();
    ASSERT_TRUE(fenster->box(B::RBQL)->isChecked());
    EXPECT_TRUE(sichtbar("Panel3"));
    fenster->box(B::RBW)->click();
    EXPECT_FALSE(fenster->box(B::RBQL)->isChecked());
    EXPECT_TRUE(sichtbar("SpinN"));
    EXPECT_TRUE(sichtbar("Label22"));
    EXPECT_FALSE(sichtbar("Panel3"));
    // The speed field starts where the fields above it start.
    fenster->show();
    QCoreApplication::processEvents();
    auto links = [&](QWidget* w) { return w->mapTo(fenster.get(), QPoint(0, 0)).x(); };
    EXPECT_EQ(links(fenster->findChild<QWidget*>(QStringLiteral("SpinN"))),
              links(fenster->feld(Feld::t0)));
    EXPECT_EQ(kaeltemittel(), (QStringList{"R134a", "R407C", "R22", "R404A, R507", "R717"}));
}

TEST_F(FrmSucheTest, UnitModeShowsTheAirInletLabel) {
    fenster->findChild<QWidget*>(QStringLiteral("rbSatz"))
        ->metaObject()
        ->invokeMethod(fenster->findChild<QWidget*>(QStringLiteral("rbSatz")), "click");
    EXPECT_TRUE(sichtbar("Panel6"));
    EXPECT_FALSE(sichtbar("Panel7"));
    fenster->box(B::RBCQNL)->click();
    EXPECT_FALSE(fenster->box(B::RBCQNR)->isChecked());
    EXPECT_TRUE(sichtbar("Label8"));
    EXPECT_FALSE(sichtbar("Label7"));
    EXPECT_EQ(kaeltemittel(), (QStringList{"R134a", "R407C", "R22", "R404A, R507", "R448A", "R449A",
                                           "R454C", "R455A"}));
}

TEST_F(FrmSucheTest, LeavingAFieldAppliesItsBounds) {
    TDEdit* tc = fenster->feld(Feld::tc);
    tc->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(tc->hasFocus());
    tc->selectAll();
    tippen(tc, QStringLiteral("130"));
    EXPECT_EQ(tc->text(), "130");
    fenster->feld(Feld::t0)->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(tc->text(), "120");
    EXPECT_EQ(fenster->model().tc, "120");

    // Typing a low condensing temperature shows the warning at once.
    tc->setFocus();
    tc->selectAll();
    tippen(tc, QStringLiteral("15"));
    EXPECT_TRUE(sichtbar("Panel10"));
    tippen(tc, QStringLiteral("0"));
    EXPECT_FALSE(sichtbar("Panel10")) << "150 is no low temperature";
}

// "12.5" typed under a German locale is 12,5 kW, not ten times that.
TEST_F(FrmSucheTest, CapacityFieldTakesEitherDecimalMark) {
    TDEdit* q0 = fenster->feld(Feld::Q0);
    q0->setFocus();
    q0->selectAll();
    tippen(q0, QStringLiteral("12.5"));
    EXPECT_EQ(q0->text(), "12,5");
    EXPECT_DOUBLE_EQ(q0->AsFloat(), 12.5);
}

TEST_F(FrmSucheTest, SearchFillsTheGridAndPreselectsTheFirstReachingQ0) {
    if (!katalog())
        GTEST_SKIP() << "no sample catalogue in data/Daten";
    typischeAnfrage();
    ok();
    EXPECT_TRUE(sichtbar("Panel1"));
    EXPECT_FALSE(sichtbar("Panel8"));
    TStgSuche* grid = fenster->stgSuche();
    EXPECT_EQ(grid->kopf(1), "Qo   kW");
    ASSERT_GT(grid->rowCount(), 3);
    const int gewaehlt = grid->Row();
    ASSERT_GE(gewaehlt, 1);
    auto qo = [grid](int row) { return floatOrZero(grid->text(row - 1, 1).remove('.')); };
    EXPECT_GE(qo(gewaehlt), 10.0);
    for (int row = 1; row < gewaehlt; ++row)
        EXPECT_LT(qo(row), 10.0) << row;
    for (int row = 1; row <= grid->rowCount(); ++row)
        EXPECT_TRUE(grid->text(row - 1, 0).startsWith(QLatin1String("QN"))) << row;
    EXPECT_EQ(fenster->model().liste().Row(), gewaehlt);
}

TEST_F(FrmSucheTest, NoCompressorReachesTheCapacity) {
    if (!katalog())
        GTEST_SKIP() << "no sample catalogue in data/Daten";
    typischeAnfrage();
    fenster->feld(Feld::Q0)->setText(QStringLiteral("1000"));
    ok();
    EXPECT_TRUE(sichtbar("Panel8"));
    EXPECT_EQ(fenster->stgSuche()->Row(), fenster->stgSuche()->rowCount()) << "the last row";
}

// An empty list says why, in the window: no article of the series for the typed type,
// every candidate outside its envelope; a list with rows says nothing.
TEST_F(FrmSucheTest, EmptyListSaysWhy) {
    if (!katalog())
        GTEST_SKIP() << "no sample catalogue in data/Daten";
    typischeAnfrage();
    ok();
    EXPECT_FALSE(sichtbar("lblLeer"));
    auto* leer = fenster->findChild<QLabel*>(QStringLiteral("lblLeer"));
    ASSERT_TRUE(leer);

    fenster->feld(Feld::t0)->setText(QStringLiteral("-60"));
    ok();
    EXPECT_TRUE(sichtbar("lblLeer"));
    EXPECT_TRUE(leer->text().contains(QStringLiteral("Einsatzbereich")))
        << qPrintable(leer->text());

    // Two-stage WT compressors have no R410A data.
    fenster->box(B::RBQN)->click();
    fenster->box(B::RBWT)->click();
    auto* liste = fenster->findChild<QListWidget*>(QStringLiteral("KMListe"));
    const auto r410a = liste->findItems(QStringLiteral("R410A"), Qt::MatchExactly);
    ASSERT_FALSE(r410a.isEmpty());
    liste->setCurrentItem(r410a.value(0));
    fenster->feld(Feld::t0)->setText(QStringLiteral("-35"));
    fenster->feld(Feld::tc)->setText(QStringLiteral("40"));
    ok();
    EXPECT_TRUE(sichtbar("lblLeer"));
    EXPECT_TRUE(leer->text().contains(QStringLiteral("kein Artikel dieser Serien")))
        << qPrintable(leer->text());
}

TEST_F(FrmSucheTest, SearchIniWrittenByTheWindowReadsBackIdentically) {
    if (!katalog())
        GTEST_SKIP() << "no sample catalogue in data/Daten";
    typischeAnfrage();
    fenster->feld(Feld::ts)->setText(QStringLiteral("12,5"));
    ok();
    QFile datei(ini.filePath(QStringLiteral("search.ini")));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray erstes = datei.readAll();
    datei.close();
    ASSERT_EQ(erstes.size(), SuchRec::Groesse);
    const SuchRec rec = SuchRec::lesen(erstes);
    EXPECT_EQ(rec.t0, "-10");
    EXPECT_EQ(rec.ts, "12,5");
    EXPECT_TRUE(rec.box(B::RBQN));
    EXPECT_FALSE(rec.box(B::RBWT));

    // A fresh window shows what the file holds and writes the same bytes again.
    TFrmSuche zweites(einheiten);
    zweites.setSuchIni(ini.filePath(QStringLiteral("search.ini")));
    zweites.FormCreate(*Katalog::get().dm, Katalog::get().stoff);
    zweites.suchbereichOeffnen();
    EXPECT_EQ(zweites.feld(Feld::ts)->text(), "12,5");
    EXPECT_TRUE(zweites.box(B::RBQN)->isChecked());
    EXPECT_EQ(zweites.findChild<QListWidget*>(QStringLiteral("KMListe"))->currentItem()->text(),
              "R404A, R507");
    zweites.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), erstes);
}

TEST_F(FrmSucheTest, HelpButtonAsksForTheSearchTopic) {
    QSignalSpy hilfe(fenster.get(), &TFrmSuche::hilfeAngefordert);
    fenster->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    ASSERT_EQ(hilfe.count(), 1);
    EXPECT_EQ(hilfe.at(0).at(0).toInt(), 9);

    QSignalSpy zurueck(fenster.get(), &TFrmSuche::zurueck);
    fenster->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    EXPECT_EQ(zurueck.count(), 1);
    EXPECT_FALSE(sichtbar("Panel1"));
}

TEST_F(FrmSucheTest, DataSheetButtonHandsTheSelectedRowOver) {
    ASSERT_TRUE(katalog());
    auto* knopf = fenster->findChild<QPushButton*>(QStringLiteral("BitBtn2"));
    QSignalSpy datenblatt(fenster.get(), &TFrmSuche::datenblattOeffnen);
    typischeAnfrage();
    ok();
    ASSERT_TRUE(knopf->isEnabled());
    knopf->click();
    ASSERT_EQ(datenblatt.count(), 1);
    const auto daten = datenblatt.at(0).at(0).value<DatenblattAuftrag>();
    const TStgSuche& grid = *fenster->stgSuche();
    EXPECT_EQ(daten.typ, grid.text(grid.currentRow(), 0).trimmed());
    EXPECT_EQ(daten.punkt.kaeltemittel, QStringLiteral("R404A, R507"));
    EXPECT_DOUBLE_EQ(daten.punkt.t0, -10.0);
    EXPECT_TRUE(daten.typen.contains(daten.typ));
}

TEST_F(FrmSucheTest, PrintButtonHandsTheGridAsItStandsOver) {
    ASSERT_TRUE(katalog());
    QSignalSpy drucken(fenster.get(), &TFrmSuche::ergebnisDrucken);
    typischeAnfrage();
    ok();
    fenster->findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
    ASSERT_EQ(drucken.count(), 1);
    const auto raster = drucken.at(0).at(0).value<QList<QStringList>>();
    const TStgSuche& grid = *fenster->stgSuche();
    // The heading row with the capacity unit, then exactly the grid's rows.
    ASSERT_EQ(raster.size(), grid.rowCount() + 1);
    EXPECT_EQ(raster.front(), (QStringList{"Typ", "Qo   kW"}));
    EXPECT_EQ(raster.at(1).at(0), grid.text(0, 0));
    EXPECT_EQ(raster.back().at(1), grid.text(grid.rowCount() - 1, 1));
    EXPECT_EQ(drucken.at(0).at(1).toString(), QStringLiteral("Seite"));
    // The head names the search the list answers: series, refrigerant, point.
    const auto kopf = drucken.at(0).at(2).toStringList();
    ASSERT_EQ(kopf.size(), 3);
    EXPECT_TRUE(kopf.at(0).contains(QStringLiteral("QN"))) << qPrintable(kopf.at(0));
    EXPECT_EQ(kopf.at(1), QStringLiteral("R404A, R507"));
    EXPECT_TRUE(kopf.at(2).startsWith(QStringLiteral("t0 -10 °C, tc 45 °C")))
        << qPrintable(kopf.at(2));

    // A field changed after the search does not change the head of the list shown.
    fenster->model().t0 = QStringLiteral("-30");
    fenster->findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
    EXPECT_EQ(drucken.at(1).at(2).toStringList(), kopf);

    // The search area opened again hides the list: nothing of it prints.
    fenster->suchbereichOeffnen();
    fenster->findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
    ASSERT_EQ(drucken.count(), 3);
    EXPECT_EQ(drucken.at(2).at(0).value<QList<QStringList>>().size(), 1);
    EXPECT_TRUE(drucken.at(2).at(2).toStringList().isEmpty());
}

// The grid's menu: the margin column comes and goes with the switch, prints with the
// grid and is still on when the search area opens again (search.ini).
TEST_F(FrmSucheTest, MarginColumnFromTheGridMenu) {
    ASSERT_TRUE(katalog());
    QSignalSpy drucken(fenster.get(), &TFrmSuche::ergebnisDrucken);
    typischeAnfrage();
    ok();
    const TStgSuche& grid = *fenster->stgSuche();
    EXPECT_EQ(grid.model()->columnCount(), 2);
    ASSERT_TRUE(fenster->stgSuche()->actions().contains(fenster->randAktion()));
    fenster->randAktion()->trigger();
    ASSERT_EQ(grid.model()->columnCount(), 3);
    EXPECT_EQ(grid.kopf(2), QStringLiteral("Abstand Grenze K"));
    for (int row = 0; row < grid.rowCount(); ++row) {
        double rand = 0;
        EXPECT_TRUE(parseFloat(grid.text(row, 2), rand)) << grid.text(row, 2).toStdString();
    }
    fenster->findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
    ASSERT_EQ(drucken.count(), 1);
    EXPECT_EQ(drucken.at(0).at(0).value<QList<QStringList>>().front().size(), 3);

    fenster->suchbereichOeffnen();
    EXPECT_TRUE(fenster->randAktion()->isChecked());
    ok();
    EXPECT_EQ(grid.model()->columnCount(), 3);
    fenster->randAktion()->trigger();
    EXPECT_EQ(grid.model()->columnCount(), 2);
    fenster->suchbereichOeffnen();
    EXPECT_FALSE(fenster->randAktion()->isChecked());
}

// Rows picked with Ctrl go to the comparison in list order, at most four; a Ctrl
// click never opens a data sheet.
TEST_F(FrmSucheTest, SelectedRowsGoToTheComparison) {
    ASSERT_TRUE(katalog());
    typischeAnfrage();
    ok();
    TStgSuche& grid = *fenster->stgSuche();
    ASSERT_GE(grid.rowCount(), 5);
    QList<DatenblattAuftrag> verglichen;
    QObject::connect(fenster.get(), &TFrmSuche::vergleichOeffnen,
                     [&](const QList<DatenblattAuftrag>& a) { verglichen = a; });
    QSignalSpy datenblatt(fenster.get(), &TFrmSuche::datenblattOeffnen);
    grid.clearSelection();
    for (int row : {3, 0, 1, 2, 4}) {
        const QPoint p = grid.visualRect(grid.model()->index(row, 0)).center();
        QMouseEvent e(QEvent::MouseButtonPress, p, grid.viewport()->mapToGlobal(p), Qt::LeftButton,
                      Qt::LeftButton, Qt::ControlModifier);
        QApplication::sendEvent(grid.viewport(), &e);
        QMouseEvent los(QEvent::MouseButtonRelease, p, grid.viewport()->mapToGlobal(p),
                        Qt::LeftButton, Qt::NoButton, Qt::ControlModifier);
        QApplication::sendEvent(grid.viewport(), &los);
    }
    EXPECT_EQ(datenblatt.count(), 0);
    EXPECT_EQ(grid.markierteZeilen(), (QList<int>{1, 2, 3, 4, 5}));
    fenster->vergleichAktion()->trigger();
    ASSERT_EQ(verglichen.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(verglichen.at(i).typ, grid.text(i, 0).trimmed());
}

TEST(StgSuche, CellColoursAndAlignment) {
    QPalette p;
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    p.setColor(QPalette::Highlight, QColor(10, 20, 200));
    p.setColor(QPalette::Base, QColor(250, 250, 250));
    p.setColor(QPalette::Text, QColor(1, 2, 3));
    EXPECT_EQ(stgZellFarbe(1, false, p), QColor(214, 227, 247));
    EXPECT_EQ(stgZellFarbe(2, false, p), QColor(255, 255, 220));
    EXPECT_EQ(stgZellFarbe(3, false, p), QColor(214, 227, 247));
    EXPECT_EQ(stgZellFarbe(2, true, p), QColor(10, 20, 200));
    EXPECT_EQ(stgTextFarbe(true, p), QColor(250, 250, 250));
    EXPECT_EQ(stgTextFarbe(false, p), QColor(1, 2, 3));
    EXPECT_EQ(stgAusrichtung(0), Qt::AlignLeft);
    EXPECT_EQ(stgAusrichtung(1), Qt::AlignRight);
}

// The result grid's model keeps to the item-model contract through fills and resets,
// and the printout reads exactly its heading and rows.
TEST(StgSuche, ModelKeepsTheContractAndPrintsItsRows) {
    ErgebnisModell modell;
    QAbstractItemModelTester pruefer(&modell,
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    modell.setZeilen({{QStringLiteral("QN1"), QStringLiteral("1,00")}, {QStringLiteral("QN2")}},
                     {QStringLiteral("Typ"), QStringLiteral("Qo   kW")});
    EXPECT_EQ(modell.rowCount(), 2);
    EXPECT_EQ(modell.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Qo   kW"));
    EXPECT_EQ(modell.index(1, 1).data().toString(), QString()) << "a short row is padded";
    EXPECT_EQ(modell.raster(),
              (QList<QStringList>{{QStringLiteral("Typ"), QStringLiteral("Qo   kW")},
                                  {QStringLiteral("QN1"), QStringLiteral("1,00")},
                                  {QStringLiteral("QN2"), QString()}}));
    modell.setZeilen({}, {});
    EXPECT_EQ(modell.rowCount(), 0);
    EXPECT_EQ(modell.raster().size(), 1);
    // With a third heading the margin column shows, and prints.
    modell.setZeilen({{QStringLiteral("QN1"), QStringLiteral("1,00"), QStringLiteral("-0,5")}},
                     {QStringLiteral("Typ"), QStringLiteral("Qo"), QStringLiteral("Rand K")});
    EXPECT_EQ(modell.columnCount(), 3);
    EXPECT_EQ(modell.index(0, 2).data().toString(), QStringLiteral("-0,5"));
    EXPECT_EQ(modell.raster().front().size(), 3);
    modell.setZeilen({{QStringLiteral("QN1"), QStringLiteral("1,00"), QStringLiteral("-0,5")}},
                     {QStringLiteral("Typ"), QStringLiteral("Qo")});
    EXPECT_EQ(modell.columnCount(), 2);
    EXPECT_EQ(modell.raster().back().size(), 2);
}

TEST(StgSuche, LeftPressArmsTheNextSelectionOnce) {
    TStgSuche grid;
    grid.modell().setZeilen(
        std::vector<QStringList>(6, {QStringLiteral("QN1"), QStringLiteral("1,00")}),
        {QStringLiteral("Typ"), QStringLiteral("Qo")});
    grid.resize(300, 300);
    grid.show();
    QSignalSpy oeffnen(&grid, &TStgSuche::oeffnen);
    auto druck = [&grid](int row, Qt::MouseButton knopf) {
        const QPoint p = grid.visualRect(grid.model()->index(row, 0)).center();
        QMouseEvent e(QEvent::MouseButtonPress, p, grid.viewport()->mapToGlobal(p), knopf, knopf,
                      Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &e);
        QMouseEvent los(QEvent::MouseButtonRelease, p, grid.viewport()->mapToGlobal(p), knopf,
                        Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &los);
    };
    druck(1, Qt::LeftButton);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(oeffnen.count(), 0) << "the press selects before it arms";
    EXPECT_TRUE(grid.scharf());
    grid.setCurrentCell(3, 0);
    EXPECT_EQ(oeffnen.count(), 1);
    grid.setCurrentCell(4, 0);
    EXPECT_EQ(oeffnen.count(), 1) << "one shot";
    druck(2, Qt::RightButton);
    EXPECT_FALSE(grid.scharf()) << "any other button disarms";

    QKeyEvent taste(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&grid, &taste);
    EXPECT_EQ(oeffnen.count(), 2);
}

} // namespace
} // namespace drel::ui
