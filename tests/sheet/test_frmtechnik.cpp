// The data sheet opened from a search result on the sample catalogue: its shown
// capacity, power and current against drel-cli for the same point, the result list
// against the sheet, and the widgets bound to the model.
#include "base/ui/tdedit.h"
#include "chart/ui/tdchart.h"
#include "katalog.h"
#include "search/ui/frmsuche.h"
#include "search/ui/stgsuche.h"
#include "sheet/ui/datenblattseiten.h"
#include "sheet/ui/frmhinweise.h"
#include "sheet/ui/frmtechnik.h"
#include "state/programmschalter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <cmath>
#include <gtest/gtest.h>

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace drel::ui {
namespace {

using sheet::Eingabe;
using sheet::testing::Katalog;

// drel-cli rate for the point; the value column of every line by its name.
QMap<QString, QString> cliBewertung(const QString& artikel, const QString& kaeltemittel) {
    QProcess p;
    p.start(QStringLiteral(DREL_CLI),
            {QStringLiteral("rate"), QStringLiteral("--article"), artikel,
             QStringLiteral("--refrigerant"), kaeltemittel, QStringLiteral("--t0"),
             QStringLiteral("-10"), QStringLiteral("--tc"), QStringLiteral("45"),
             QStringLiteral("--reflibs"), QStringLiteral(DREL_SOURCE_DIR "/data/reflibs"),
             QStringLiteral("--dir"), Katalog::get().dir.path()});
    p.waitForFinished(30000);
    QMap<QString, QString> werte;
    for (const QString& zeile : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const QStringList teile = zeile.simplified().split(' ');
        if (teile.size() >= 2)
            werte.insert(teile.at(0), teile.at(1));
    }
    return werte;
}

// A value of the CLI (English, three decimals) as the sheet shows it with two: the
// candidates, two when the third decimal is a 5 (its rounding depends on the digits
// the CLI did not print).
QStringList zweiStellen(const QString& cli) {
    const double v = cli.toDouble();
    QStringList texte{formatFloat(u"###,###,##0.00", v)};
    if (cli.endsWith(QLatin1Char('5')))
        texte << formatFloat(u"###,###,##0.00", v - 0.001);
    return texte;
}

double zahl(QString text) {
    text.remove(QLatin1Char('.'));
    return text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

class FrmTechnikTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Katalog::get().gebaut);
        setNumberSeparators(NumberSeparators::german());
        setBeepHook([] {});
        sheet::testing::einheitenSI(einheiten);
        programmschalter() = Programmschalter{};
        Katalog& k = Katalog::get();
        suche = std::make_unique<TFrmSuche>(einheiten);
        suche->setSuchIni(ini.filePath(QStringLiteral("search.ini")));
        suche->resize(880, 470);
        suche->show();
        suche->FormCreate(*k.dm, k.stoff);
        suche->suchbereichOeffnen();
        QObject::connect(suche.get(), &TFrmSuche::datenblattOeffnen, suche.get(),
                         [this, &k](const search::DatenblattDaten& daten) {
                             if (!blatt)
                                 blatt = std::make_unique<TFrmTechnik1>(*k.dm, k.stoff, einheiten);
                             blatt->ausSuche(daten);
                             blatt->resize(900, 620);
                             blatt->show();
                         });
    }
    void TearDown() override { setBeepHook({}); }

    // The typical request: QN, "R404A, R507", t0 -10 °C, tc 45 °C, 10 kW; then the
    // data-sheet button on the preselected row.
    void typischeAnfrageOeffnen() {
        suche->box(SuchRec::RBQN)->click();
        auto* liste = suche->findChild<QListWidget*>(QStringLiteral("KMListe"));
        liste->setCurrentItem(
            liste->findItems(QStringLiteral("R404A, R507"), Qt::MatchExactly).value(0));
        suche->feld(search::Feld::t0)->setText(QStringLiteral("-10"));
        suche->feld(search::Feld::tc)->setText(QStringLiteral("45"));
        suche->feld(search::Feld::Q0)->setText(QStringLiteral("10"));
        suche->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        suche->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    }
    QString text(const char* name) const {
        return blatt->ausgabe(QString::fromLatin1(name))->text();
    }

    QTemporaryDir ini;
    calc::Einheiten einheiten;
    std::unique_ptr<TFrmSuche> suche;
    std::unique_ptr<TFrmTechnik1> blatt;
};

TEST_F(FrmTechnikTest, ShowsWhatDrelCliRatesForTheSamePoint) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    const QString typ = blatt->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->currentText();
    EXPECT_TRUE(typ.startsWith(QLatin1String("QNX"))) << qPrintable(typ);
    EXPECT_EQ(blatt->eingabe(Eingabe::t0)->AsFloat(), -10.0);
    EXPECT_EQ(blatt->eingabe(Eingabe::tc)->AsFloat(), 45.0);
    const QMap<QString, QString> cli = cliBewertung(typ, QStringLiteral("R404A, R507"));
    ASSERT_TRUE(cli.contains(QStringLiteral("QoV"))) << "drel-cli gave no rating";
    EXPECT_TRUE(zweiStellen(cli.value(QStringLiteral("QoV"))).contains(text("Q2")))
        << qPrintable(text("Q2")) << " / " << qPrintable(cli.value(QStringLiteral("QoV")));
    EXPECT_TRUE(zweiStellen(cli.value(QStringLiteral("P"))).contains(text("pan")))
        << qPrintable(text("pan")) << " / " << qPrintable(cli.value(QStringLiteral("P")));
    QString strom = cli.value(QStringLiteral("I"));
    strom.replace(QLatin1Char('.'), QLatin1Char(','));
    EXPECT_EQ(text("strom"), strom);
    // The sheet's COP is the ratio of the two shown values (the CLI divides unrounded).
    EXPECT_EQ(text("Edit4"), formatFloat(u"0.00", zahl(text("Q2")) / zahl(text("pan"))));
}

TEST_F(FrmTechnikTest, ListAndSheetShowTheSameCapacity) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    const TStgSuche& grid = *suche->stgSuche();
    const QString listenTyp = grid.item(grid.currentRow(), 0)->text().trimmed();
    const QString listenQo = grid.item(grid.currentRow(), 1)->text().trimmed();
    EXPECT_EQ(blatt->model().ComboBox1Text, listenTyp);
    // The list rounds the same capacity to a multiple of 0.05 kW, the sheet to 0.01 kW.
    const double qoV = blatt->model().ergebnis().verdichter1.QoV;
    EXPECT_EQ(listenQo, formatFloat(u"###,###,##0.00", roundHalfEven(qoV * 20.0) / 20.0));
    EXPECT_EQ(text("Q2"), formatFloat(u"###,###,##0.00", roundHalfEven(qoV, 2)));
    EXPECT_LE(std::abs(zahl(text("Q2")) - zahl(listenQo)), 0.025);
}

TEST_F(FrmTechnikTest, StepButtonRecalculatesAndRepaints) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    int bilder = 0;
    QObject::connect(blatt.get(), &TFrmTechnik::neuGezeichnet, [&bilder] { ++bilder; });
    const QString q2 = text("Q2");
    blatt->stufe(Eingabe::t0, +1)->click();
    EXPECT_EQ(blatt->eingabe(Eingabe::t0)->AsFloat(), -9.0);
    EXPECT_EQ(bilder, 1);
    EXPECT_NE(text("Q2"), q2);
    // The diagram shows the new point.
    EXPECT_FLOAT_EQ(blatt->DChart1()->daten().graph(2).kreuzX[0], -9.0F);
    blatt->stufe(Eingabe::t0, -1)->click();
    EXPECT_EQ(text("Q2"), q2);
}

TEST_F(FrmTechnikTest, PointBeyondTheEnvelopeOpensTheNotes) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    TDEdit* t0 = blatt->eingabe(Eingabe::t0);
    t0->setText(QStringLiteral("9"));
    emit t0->returnPressed();
    TFrmHinweise* h = blatt->hinweise();
    EXPECT_EQ(h->windowTitle(), QStringLiteral("Hinweise"));
    EXPECT_TRUE(h->isVisible());
    EXPECT_TRUE(h->label(QStringLiteral("anwendt01"))->isVisibleTo(h));
    EXPECT_EQ(h->label(QStringLiteral("anwendt01"))->text(),
              QStringLiteral("t0: Einsatzgrenze beachten !    t0 zu gross"));
    t0->setText(QStringLiteral("-10"));
    emit t0->returnPressed();
    EXPECT_FALSE(h->isVisible());
}

TEST_F(FrmTechnikTest, PagesMenuAndPrintButton) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    EXPECT_EQ(blatt->windowTitle(), QStringLiteral("Technische Daten"));
    QTabWidget* seiten = blatt->PageControl1();
    ASSERT_EQ(seiten->count(), 8);
    EXPECT_EQ(seiten->tabText(0), QStringLiteral("Techn. Daten"));
    EXPECT_EQ(seiten->tabText(1), QStringLiteral("Einsatzgrenzen"));
    EXPECT_EQ(seiten->tabText(7), QStringLiteral("Ausschreibungstexte"));
    EXPECT_EQ(seiten->currentIndex(), 0);
    EXPECT_FALSE(blatt->findChild<QPushButton*>(QStringLiteral("BitBtn3"))->isEnabled());
    QStringList menue;
    for (QAction* a : blatt->TechMenu()->actions()) {
        EXPECT_EQ(a->property("tag").toInt(), -99);
        if (a->isVisible())
            menue << a->text();
    }
    EXPECT_EQ(menue,
              (QStringList{QStringLiteral("Alternativ-Verdichter"), QStringLiteral("Drucken"),
                           QStringLiteral("Hilfe"), QStringLiteral("Zuruck zur Suche")}));
    // The limits page: the legends of the capacity record are filled once it is shown.
    seiten->setCurrentIndex(1);
    EXPECT_TRUE(blatt->model().einsatzgrenzenAktiv);
    int legenden = 0;
    for (const sheet::Legende& l : blatt->model().Leg)
        legenden += l.sichtbar ? 1 : 0;
    EXPECT_GT(legenden, 0);
    EXPECT_FALSE(blatt->DChart1()->anzeige().isNull());
}

// The product pages fill on first show, from the article the sheet shows.
TEST_F(FrmTechnikTest, ProductPagesFillWhenShown) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    QTabWidget* seiten = blatt->PageControl1();
    auto* raster = seiten->widget(0)->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
    ASSERT_TRUE(raster);
    // "Techn. Daten" is the active page when the sheet opens: filled with values.
    ASSERT_GT(raster->rowCount(), 0);
    EXPECT_FALSE(raster->item(0, 0)->text().trimmed().isEmpty());
    EXPECT_FALSE(raster->item(0, 1)->text().trimmed().isEmpty());
    EXPECT_TRUE(raster->isColumnHidden(2));
    EXPECT_EQ(raster->item(0, 2)->text(), QStringLiteral("0"));
    // Another page is empty until shown, then holds its memos.
    QWidget* liefer = seiten->widget(2);
    auto memos = [](QWidget* w, const char* hint) {
        int n = 0;
        for (QLabel* l : w->findChildren<QLabel*>())
            n += l->property("hint").toString() == QLatin1String(hint) ? 1 : 0;
        return n;
    };
    EXPECT_EQ(memos(liefer, "21"), 0);
    seiten->setCurrentIndex(2);
    EXPECT_GT(memos(liefer, "21"), 0);
    // Showing it again for the same article does not build the memos twice.
    const int n = memos(liefer, "21");
    seiten->setCurrentIndex(0);
    seiten->setCurrentIndex(2);
    EXPECT_EQ(memos(liefer, "21"), n);
}

// The performance table: "Berechnen" rates the sheet's article over the ranges the
// envelope set; cells beyond the envelope are greyed and empty, never plain.
TEST_F(FrmTechnikTest, PerformanceTableCalculatesOnButton) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    blatt->PageControl1()->setCurrentIndex(6);
    TabelleTab* tab = blatt->tabelle();
    EXPECT_EQ(tab->spin(1)->value(), blatt->model().SpinEdit1.wert);
    EXPECT_EQ(tab->spin(5)->value(), blatt->model().SpinEdit5.wert);
    EXPECT_EQ(tab->Grid()->rowCount(), 0);
    // Widen t0 below the envelope so that some cells fall outside it.
    tab->spin(1)->setValue(tab->spin(1)->minimum());
    tab->Button1()->click();
    QTableWidget* g = tab->Grid();
    ASSERT_GT(g->rowCount(), sheet::LeistungsTabelle::kFesteZeilen);
    ASSERT_GT(g->columnCount(), sheet::LeistungsTabelle::kFesteSpalten);
    int werte = 0;
    int draussen = 0;
    for (int r = 2; r < g->rowCount(); ++r)
        for (int c = 3; c < g->columnCount(); ++c) {
            const QTableWidgetItem* z = g->item(r, c);
            if (z->background().color() == QColor(200, 200, 200)) {
                ++draussen;
                EXPECT_TRUE(z->text().isEmpty()) << r << "," << c;
            } else if (!z->text().isEmpty()) {
                ++werte;
            }
        }
    EXPECT_GT(werte, 0);
    EXPECT_GT(draussen, 0);
}

// The tender text: built when its page is shown; unticking a part rebuilds without it.
TEST_F(FrmTechnikTest, TenderTextFollowsItsCheckBoxes) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    blatt->PageControl1()->setCurrentIndex(7);
    auto* tab = blatt->findChild<AusschreibungTab*>();
    ASSERT_TRUE(tab);
    const QString voll = tab->DRichEdit1()->toPlainText();
    EXPECT_TRUE(voll.contains(QStringLiteral("Typ: QNX1-21"))) << voll.toStdString();
    EXPECT_TRUE(voll.contains(QStringLiteral("Lieferumfang:")));
    tab->CheckBox(3)->click();
    const QString ohne = tab->DRichEdit1()->toPlainText();
    EXPECT_FALSE(ohne.contains(QStringLiteral("Lieferumfang:")));
    EXPECT_TRUE(ohne.contains(QStringLiteral("Typ: QNX1-21")));
    // A new operating point while the page is shown: the text quotes it.
    TDEdit* tc = blatt->eingabe(Eingabe::tc);
    tc->setText(QStringLiteral("40"));
    emit tc->returnPressed();
    const QString neu = tab->DRichEdit1()->toPlainText();
    EXPECT_TRUE(neu.contains(QRegularExpression(QStringLiteral("tc:\t+40")))) << neu.toStdString();
    EXPECT_FALSE(neu.contains(QRegularExpression(QStringLiteral("tc:\t+45"))));
}

} // namespace
} // namespace drel::ui
