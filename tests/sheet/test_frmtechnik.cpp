// The data sheet opened from a search result on the sample catalogue: its shown
// capacity, power and current against drel-cli for the same point, the result list
// against the sheet, and the widgets bound to the model.
#include "base/directories.h"
#include "base/ui/tdedit.h"
#include "chart/ui/tdchart.h"
#include "search/ui/frmsuche.h"
#include "search/ui/stgsuche.h"
#include "sheet/grenzbild.h"
#include "sheet/pages/tabellenexport.h"
#include "sheet/ui/datenblattseiten.h"
#include "sheet/ui/frmhilfstextanzeigen.h"
#include "sheet/ui/frmhinweise.h"
#include "sheet/ui/frmtechnik.h"
#include "sheet/ui/frmzerthinweis.h"
#include "sheet/ui/zellenraster.h"
#include "state/programmschalter.h"
#include "state/sprache.h"
#include "tests/support/blattkatalog.h"
#include "tests/support/xlsxzellen.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QUrl>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

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
        vorher = verzeichnisse();
        verzeichnisse().einstellungen = ini.filePath(QStringLiteral("DrelWUK"));
        verzeichnisse().dokumente = ini.path();
        Katalog& k = Katalog::get();
        suche = std::make_unique<TFrmSuche>(einheiten);
        suche->setSuchIni(ini.filePath(QStringLiteral("search.ini")));
        suche->resize(880, 470);
        suche->show();
        suche->FormCreate(*k.dm, k.stoff);
        suche->suchbereichOeffnen();
        QObject::connect(suche.get(), &TFrmSuche::datenblattOeffnen, suche.get(),
                         [this, &k](const DatenblattAuftrag& daten) {
                             if (!blatt)
                                 blatt = std::make_unique<TFrmTechnik1>(*k.dm, k.stoff, einheiten);
                             blatt->oeffnen(daten);
                             blatt->resize(900, 620);
                             blatt->show();
                         });
    }
    void TearDown() override {
        // The sheet writes Tab.ini when it goes; into this test's settings directory.
        blatt.reset();
        verzeichnisse() = vorher;
        setBeepHook({});
    }

    // The typical request: QN, "R404A, R507", t0 -10 °C, tc 45 °C, 10 kW; then the
    // data-sheet button on the preselected row.
    void typischeAnfrageOeffnen(const QString& kaeltemittel = QStringLiteral("R404A, R507")) {
        if (!suche->box(SuchRec::RBQN)->isChecked())
            suche->box(SuchRec::RBQN)->click();
        auto* liste = suche->findChild<QListWidget*>(QStringLiteral("KMListe"));
        liste->setCurrentItem(liste->findItems(kaeltemittel, Qt::MatchExactly).value(0));
        suche->feld(search::Feld::t0)->setText(QStringLiteral("-10"));
        suche->feld(search::Feld::tc)->setText(QStringLiteral("45"));
        suche->feld(search::Feld::Q0)->setText(QStringLiteral("10"));
        suche->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        suche->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    }
    // The condensing unit CQN4-66 L at an air inlet temperature of 32 °C.
    void aggregatOeffnen() {
        Katalog& k = Katalog::get();
        DatenblattAuftrag d =
            k.daten({QStringLiteral("CQN4-66 L")}, QString(), QStringLiteral("R404A, R507"));
        d.typ = d.typen.value(0);
        d.luko = true;
        d.punkt.tle = 32.0;
        blatt = std::make_unique<TFrmTechnik1>(*k.dm, k.stoff, einheiten);
        blatt->resize(900, 620);
        blatt->oeffnen(d);
        blatt->show();
    }
    QString text(const char* name) const {
        return blatt->ausgabe(QString::fromLatin1(name))->text();
    }

    QTemporaryDir ini;
    Verzeichnisse vorher;
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
    ASSERT_TRUE(cli.contains(QStringLiteral("Qo"))) << "drel-cli gave no rating";
    // drel-cli prints the sheet's own numbers, in English form: each field, digit for digit.
    const std::pair<const char*, const char*> paare[] = {
        {"Qo", "Q2"},     {"QoE", "Q3"},   {"P", "pan"},  {"I", "strom"},
        {"COP", "Edit4"}, {"Qc", "Edit7"}, {"m", "Edit5"}};
    for (const auto& [zeile, feld] : paare) {
        QString wert = cli.value(QString::fromLatin1(zeile));
        wert.replace(QLatin1Char('.'), QLatin1Char(','));
        EXPECT_EQ(text(feld), wert) << zeile;
    }
    // The sheet's COP is the ratio of the two shown values.
    EXPECT_EQ(text("Edit4"), formatFloat(u"0.00", zahl(text("Q2")) / zahl(text("pan"))));
}

// Subcooling is never negative: its field refuses a typed minus sign.
TEST_F(FrmTechnikTest, SubcoolingRefusesAMinusSign) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    TDEdit* edit = blatt->eingabe(Eingabe::tu);
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("-3"));
    EXPECT_EQ(edit->text(), QStringLiteral("3"));
}

// The units window switched °C to °F and back while the sheet is open: the fields, the
// unit captions and the table's range fields show the same point in the new unit.
TEST_F(FrmTechnikTest, OpenSheetFollowsTheUnitChangeThereAndBack) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    blatt->PageControl1()->setCurrentIndex(6);
    TabelleTab* tab = blatt->tabelle();
    const QString q2 = text("Q2");
    const int schritt = tab->spin(3)->value();
    einheiten.klick(calc::EinheitGruppe::Temperatur, 1);
    einheiten.bestaetigen();
    blatt->einheitGewechselt(false);
    EXPECT_EQ(blatt->eingabe(Eingabe::t0)->AsFloat(), 14.0);
    EXPECT_EQ(blatt->eingabe(Eingabe::tc)->AsFloat(), 113.0);
    EXPECT_EQ(blatt->findChild<QLabel*>(QStringLiteral("Label17"))->text(), QStringLiteral("°F"));
    EXPECT_EQ(text("Q2"), q2);
    EXPECT_EQ(tab->spin(3)->value(), qRound(schritt * 9.0 / 5.0));
    EXPECT_EQ(tab->Grid()->text(1, 1).trimmed(), QStringLiteral("[°F]"));
    einheiten.klick(calc::EinheitGruppe::Temperatur, 0);
    einheiten.bestaetigen();
    blatt->einheitGewechselt(true);
    EXPECT_EQ(blatt->eingabe(Eingabe::t0)->AsFloat(), -10.0);
    EXPECT_EQ(text("Q2"), q2);
    EXPECT_EQ(tab->spin(3)->value(), schritt);
}

TEST_F(FrmTechnikTest, ListAndSheetShowTheSameCapacity) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    const TStgSuche& grid = *suche->stgSuche();
    const QString listenTyp = grid.text(grid.currentRow(), 0).trimmed();
    const QString listenQo = grid.text(grid.currentRow(), 1).trimmed();
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
    // The print button and the menu item "Drucken" both ask for the print window.
    QSignalSpy drucken(blatt.get(), &TFrmTechnik::drucken);
    auto* knopf = blatt->findChild<QPushButton*>(QStringLiteral("BitBtn3"));
    ASSERT_TRUE(knopf->isEnabled());
    knopf->click();
    EXPECT_EQ(drucken.count(), 1);
    QStringList menue;
    for (QAction* a : blatt->TechMenu()->actions()) {
        EXPECT_EQ(a->property("tag").toInt(), -99);
        if (a->isVisible())
            menue << a->text();
        if (a->objectName() == u"Drucken1")
            a->trigger();
    }
    EXPECT_EQ(drucken.count(), 2);
    EXPECT_EQ(menue, (QStringList{QStringLiteral("Alternativ-Verdichter"),
                                  QStringLiteral("Drucken"), QStringLiteral("Speichern als JSON"),
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
    auto* raster = seiten->widget(0)->findChild<ZellenRaster*>(QStringLiteral("StringGrid1"));
    ASSERT_TRUE(raster);
    // "Techn. Daten" is the active page when the sheet opens: filled with values.
    ASSERT_GT(raster->rowCount(), 0);
    EXPECT_FALSE(raster->text(0, 0).trimmed().isEmpty());
    EXPECT_FALSE(raster->text(0, 1).trimmed().isEmpty());
    EXPECT_TRUE(raster->isColumnHidden(2));
    EXPECT_EQ(raster->text(0, 2), QStringLiteral("0"));
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

// A language change fills the shown page again from its language's columns, for the
// same article too.
TEST_F(FrmTechnikTest, ProductPagesFollowTheLanguage) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    auto* raster =
        blatt->PageControl1()->widget(0)->findChild<ZellenRaster*>(QStringLiteral("StringGrid1"));
    ASSERT_TRUE(raster && raster->rowCount() > 0);
    const QString deutsch = raster->text(0, 0);
    auto wechseln = [this](int nummer) {
        sprache().setzen(nummer);
        QEvent wechsel(QEvent::LanguageChange);
        QCoreApplication::sendEvent(blatt.get(), &wechsel);
    };
    wechseln(7); // Russian
    EXPECT_TRUE(raster->text(0, 0).contains(QStringLiteral("Описываемый объём")))
        << qPrintable(raster->text(0, 0));
    wechseln(1);
    EXPECT_EQ(raster->text(0, 0), deutsch);
}

// The performance table: "Berechnen" rates the sheet's article over the ranges the
// envelope set; cells beyond the envelope are greyed and empty, never plain.
TEST_F(FrmTechnikTest, PerformanceTableCalculatesOnButton) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    TabelleTab* tab = blatt->tabelle();
    EXPECT_EQ(tab->Grid()->rowCount(), 0);
    // The grid's model keeps to the item-model contract through every refill below.
    QAbstractItemModelTester pruefer(&tab->Grid()->modell(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    // Showing the page builds the table over the envelope's ranges.
    blatt->PageControl1()->setCurrentIndex(6);
    EXPECT_EQ(tab->spin(1)->value(), blatt->model().bereiche.SpinEdit1.wert);
    EXPECT_EQ(tab->spin(5)->value(), blatt->model().bereiche.SpinEdit5.wert);
    EXPECT_GT(tab->Grid()->rowCount(), sheet::LeistungsTabelle::kFesteZeilen);
    // Widen t0 below the envelope so that some cells fall outside it.
    tab->spin(1)->setValue(tab->spin(1)->minimum());
    tab->Button1()->click();
    ZellenRaster* g = tab->Grid();
    ASSERT_GT(g->rowCount(), sheet::LeistungsTabelle::kFesteZeilen);
    ASSERT_GT(g->columnCount(), sheet::LeistungsTabelle::kFesteSpalten);
    int werte = 0;
    int draussen = 0;
    for (int r = 2; r < g->rowCount(); ++r)
        for (int c = 3; c < g->columnCount(); ++c) {
            const QColor hinter = g->hintergrund(r, c);
            if (hinter == QColor(200, 200, 200)) {
                ++draussen;
                EXPECT_TRUE(g->text(r, c).isEmpty()) << r << "," << c;
            } else if (!g->text(r, c).isEmpty()) {
                ++werte;
                // Odd rows light blue (RGB 214, 227, 247) as on the printed page, even
                // rows the tooltip colour.
                if (r % 2 == 1)
                    EXPECT_EQ(hinter, QColor(214, 227, 247)) << r;
                else
                    EXPECT_NE(hinter, QColor(214, 227, 247)) << r;
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

// The file choice a test hands to the sheet: remembers the proposal, answers `ziel`.
struct Wahl {
    QString ziel;
    QString vorschlag;
    int fragen = 0;
    DateiWahl funktion() {
        return [this](const QString&, const QString& v, const QString&) {
            vorschlag = v;
            ++fragen;
            return ziel;
        };
    }
};

QStringList gitterZeile(const ZellenRaster* g, int zeile) {
    QStringList texte;
    for (int c = 0; c < g->columnCount(); ++c)
        texte << g->text(zeile, c).trimmed();
    return texte;
}

// The exports write what the grid shows; a file that cannot be written is reported.
TEST_F(FrmTechnikTest, TableExportsEqualTheGrid) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    TabelleTab* tab = blatt->tabelle();
    // Nothing computed yet: nothing to export.
    EXPECT_FALSE(tab->btnCsv()->isEnabled());
    EXPECT_FALSE(tab->btnXlsx()->isEnabled());
    EXPECT_FALSE(tab->btnKopieren()->isEnabled());
    blatt->PageControl1()->setCurrentIndex(6);
    ASSERT_TRUE(tab->btnCsv()->isEnabled());
    EXPECT_TRUE(tab->btnXlsx()->isEnabled());
    EXPECT_TRUE(tab->btnKopieren()->isEnabled());
    const ZellenRaster* g = tab->Grid();
    const qsizetype kopf = tab->tabelle().kopf().size();

    Wahl wahl;
    wahl.ziel = ini.filePath(QStringLiteral("tabelle.csv"));
    blatt->setDateiWahl(wahl.funktion());
    tab->btnCsv()->click();
    EXPECT_EQ(wahl.vorschlag, ini.filePath(QStringLiteral("QNX1-21-Leistungsdaten.csv")));
    QFile csv(wahl.ziel);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "UTF-8 with a byte-order mark";
    const QStringList zeilen = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    ASSERT_GE(zeilen.size(), kopf + 1 + g->rowCount());
    EXPECT_TRUE(zeilen.at(kopf).isEmpty());
    // German: ";" between fields, numbers with the decimal comma and without grouping.
    for (int r = 0; r < g->rowCount(); ++r) {
        QStringList erwartet = gitterZeile(g, r);
        for (int c = 3; c < erwartet.size() && r > 1; ++c)
            erwartet[c].remove(QLatin1Char('.'));
        EXPECT_EQ(zeilen.at(kopf + 1 + r).split(QLatin1Char(';')), erwartet) << r;
    }

    if (!QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty()) {
        wahl.ziel = ini.filePath(QStringLiteral("tabelle.xlsx"));
        tab->btnXlsx()->click();
        EXPECT_TRUE(wahl.vorschlag.endsWith(QLatin1String("/QNX1-21-Leistungsdaten.xlsx")));
        const QMap<QString, QString> z = drel::testing::xlsxZellen(wahl.ziel);
        int zahlen = 0;
        for (int r = 0; r < g->rowCount(); ++r)
            for (int c = 0; c < g->columnCount(); ++c) {
                const QString gezeigt = g->text(r, c).trimmed();
                const QString name = drel::testing::zellName(c, r + static_cast<int>(kopf) + 1);
                if (gezeigt.isEmpty()) {
                    EXPECT_FALSE(z.contains(name)) << name.toStdString();
                } else if (sheet::LeistungsTabelle::istWertZelle(c, r)) {
                    // A number as the grid shows it (German separators, rounded).
                    EXPECT_NEAR(z.value(name).toDouble(), zahl(gezeigt), 0.5) << name.toStdString();
                    ++zahlen;
                }
            }
        EXPECT_GT(zahlen, 0);
    }

    tab->btnKopieren()->click();
    const QString ablage = QGuiApplication::clipboard()->text();
    EXPECT_EQ(ablage, sheet::alsTabText(tab->tabelle()));
    EXPECT_TRUE(ablage.contains(gitterZeile(g, 2).join(QLatin1Char('\t'))));

    // A cancelled dialog writes nothing and says nothing; an unwritable file is reported.
    RecordingSink sink;
    ScopedMessageSink umleitung(&sink);
    wahl.ziel.clear();
    EXPECT_FALSE(tab->csvSpeichern());
    EXPECT_TRUE(sink.messages.isEmpty());
    wahl.ziel = ini.filePath(QStringLiteral("fehlt/tabelle.csv"));
    EXPECT_FALSE(tab->csvSpeichern());
    EXPECT_FALSE(tab->xlsxSpeichern());
    ASSERT_EQ(sink.messages.size(), 2);
    EXPECT_TRUE(sink.messages.at(0).text.contains(QStringLiteral("tabelle.csv")));
}

// A left click on a value cell takes its column's t0 and its block's tc over; the
// fixed heading rows and columns take nothing.
TEST_F(FrmTechnikTest, ClickOnAValueCellTakesThePointOver) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    blatt->PageControl1()->setCurrentIndex(6);
    ZellenRaster* g = blatt->tabelle()->Grid();
    auto klick = [g](int zeile, int spalte, Qt::KeyboardModifiers tasten = {}) {
        const QRect feld = g->zellRechteck(zeile, spalte);
        ASSERT_TRUE(g->viewport()->rect().contains(feld.center())) << zeile << "," << spalte;
        QTest::mouseClick(g->viewport(), Qt::LeftButton, tasten, feld.center());
    };
    ASSERT_GT(g->columnCount(), 4);
    const QString q2 = text("Q2");
    // The power row of the first block: tc comes from the block's first row.
    double t0 = zahl(g->text(1, 4));
    double tc = zahl(g->text(2, 1));
    ASSERT_TRUE(g->text(3, 1).isEmpty());
    klick(3, 4);
    EXPECT_EQ(blatt->eingabe(Eingabe::t0)->AsFloat(), t0);
    EXPECT_EQ(blatt->eingabe(Eingabe::tc)->AsFloat(), tc);
    EXPECT_NE(text("Q2"), q2);
    // The page shows the table again for the new point.
    ASSERT_GT(g->rowCount(), 3);
    const QString q2Neu = text("Q2");
    for (const auto& [zeile, spalte] : {std::pair{1, 3}, {2, 2}, {0, 3}, {2, 0}})
        klick(zeile, spalte);
    klick(2, 3, Qt::ControlModifier);
    EXPECT_EQ(blatt->eingabe(Eingabe::t0)->AsFloat(), t0);
    EXPECT_EQ(blatt->eingabe(Eingabe::tc)->AsFloat(), tc);
    EXPECT_EQ(text("Q2"), q2Neu);
    // The smallest value cell counts.
    t0 = zahl(g->text(1, 3));
    tc = zahl(g->text(2, 1));
    klick(2, 3);
    EXPECT_EQ(blatt->eingabe(Eingabe::t0)->AsFloat(), t0);
    EXPECT_EQ(blatt->eingabe(Eingabe::tc)->AsFloat(), tc);
}

// A condensing unit's table runs over the air inlet temperature: a click sets it.
TEST_F(FrmTechnikTest, ClickOnACondensingUnitTableSetsTheAirInletTemperature) {
    aggregatOeffnen();
    blatt->PageControl1()->setCurrentIndex(6);
    ZellenRaster* g = blatt->tabelle()->Grid();
    ASSERT_GT(g->rowCount(), 6);
    ASSERT_EQ(g->text(0, 1), QStringLiteral("tle"));
    const double t0 = zahl(g->text(1, 3));
    const double tle = zahl(g->text(6, 1));
    const QString tc = blatt->eingabe(Eingabe::tc)->text();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->zellRechteck(7, 3).center());
    EXPECT_EQ(blatt->eingabe(Eingabe::t0)->AsFloat(), t0);
    EXPECT_EQ(blatt->eingabe(Eingabe::tle)->AsFloat(), tle);
    EXPECT_EQ(blatt->eingabe(Eingabe::tc)->text(), tc);
}

// "Speichern als JSON" writes the document drel-cli writes for the same unit; the
// window shows the provenance and the unit's SEPR.
TEST_F(FrmTechnikTest, SaveAsJsonAndProvenanceOfACondensingUnit) {
    aggregatOeffnen();
    const QString datei = ini.filePath(QStringLiteral("blatt.json"));
    QString vorschlag;
    blatt->setDateiWahl([&](const QString&, const QString& v, const QString&) {
        vorschlag = v;
        return datei;
    });
    auto* knopf = blatt->findChild<QPushButton*>(QStringLiteral("JsonBtn"));
    ASSERT_TRUE(knopf);
    knopf->click();
    EXPECT_TRUE(vorschlag.endsWith(QLatin1String(".json"))) << qPrintable(vorschlag);
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
    EXPECT_EQ(o.value("format").toString(), QStringLiteral("drel-sheet"));
    EXPECT_TRUE(o.value("article").toObject().value("condensingUnit").toBool());
    // The shown capacity is the document's, at the shown precision.
    const double qo =
        o.value("outputs").toObject().value("Qo").toObject().value("value").toDouble();
    EXPECT_EQ(text("Q2"), formatFloat(u"###,###,##0.00", qo));
    const QJsonObject sepr = o.value("sepr").toObject();
    const double mt = sepr.value("mediumTemperature").toObject().value("SEPR").toDouble();
    EXPECT_GT(mt, 1.0);
    // The window's SEPR line and provenance are the document's.
    EXPECT_TRUE(blatt->lblSepr()->isVisible());
    EXPECT_TRUE(blatt->lblSepr()->text().contains(formatFloat(u"0.00", mt)))
        << qPrintable(blatt->lblSepr()->text());
    const QString build =
        o.value("provenance").toObject().value("catalogue").toObject().value("buildId").toString();
    EXPECT_FALSE(build.isEmpty());
    EXPECT_TRUE(blatt->lblHerkunft()->text().contains(build));
    EXPECT_TRUE(blatt->lblHerkunft()->text().contains(o.value("provenance")
                                                          .toObject()
                                                          .value("propertyModel")
                                                          .toObject()
                                                          .value("equation")
                                                          .toString()));
    // The same entry in the Extras menu.
    QFile::remove(datei);
    QAction* eintrag = blatt->TechMenu()->findChild<QAction*>(QStringLiteral("JsonSpeichern1"));
    ASSERT_TRUE(eintrag);
    eintrag->trigger();
    EXPECT_TRUE(QFile::exists(datei));
}

// A compressor has no SEPR line; a point beyond the envelope marks the outputs.
TEST_F(FrmTechnikTest, CompressorOutsideTheEnvelopeIsMarked) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    EXPECT_FALSE(blatt->lblSepr()->isVisible());
    EXPECT_TRUE(blatt->ausgabe(QStringLiteral("Q2"))->toolTip().isEmpty());
    blatt->eingabe(Eingabe::tc)->setText(QStringLiteral("80"));
    QTest::keyClick(blatt->eingabe(Eingabe::tc), Qt::Key_Return);
    EXPECT_FALSE(blatt->ausgabe(QStringLiteral("Q2"))->toolTip().isEmpty());
}

// Tab.ini: the ranges a sheet leaves behind are what the next sheet starts with.
TEST_F(FrmTechnikTest, TabIniWrittenOnCloseIsReadByTheNextSheet) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    TabelleTab* tab = blatt->tabelle();
    tab->spin(3)->setValue(7);
    tab->spin(6)->setValue(4);
    const int t0Unten = tab->spin(1)->value();
    blatt.reset();
    const QString datei = verzeichnisse().einstellungen + QStringLiteral("/Tab.ini");
    ASSERT_TRUE(QFile::exists(datei));
    sheet::TabBereiche gelesen;
    gelesen.lesen(datei);
    EXPECT_EQ(gelesen.SpinEdit3.wert, 7);
    EXPECT_EQ(gelesen.SpinEdit6.wert, 4);
    EXPECT_EQ(gelesen.SpinEdit1.wert, t0Unten);
    Katalog& k = Katalog::get();
    TFrmTechnik1 neu(*k.dm, k.stoff, einheiten);
    EXPECT_EQ(neu.tabelle()->spin(3)->value(), 7);
    EXPECT_EQ(neu.tabelle()->spin(6)->value(), 4);
    EXPECT_EQ(neu.tabelle()->spin(1)->value(), t0Unten);
}

// The pages of the drawing and the photo exist only with their pictures; "Bild
// speichern" proposes the type with the page's caption and copies the picture.
TEST_F(FrmTechnikTest, PicturePagesFollowTheirPicturesAndSave) {
    // The catalogue's program directory has no Pics folder yet.
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    for (int i : {0, 1, 2, 3, 6, 7})
        EXPECT_TRUE(blatt->reiterSichtbar(i)) << i;
    EXPECT_FALSE(blatt->reiterSichtbar(4));
    EXPECT_FALSE(blatt->reiterSichtbar(5));

    Katalog& k = Katalog::get();
    const QString pics = k.dir.filePath(QStringLiteral("Pics"));
    ASSERT_TRUE(QDir().mkpath(pics));
    const QStringList typen = blatt->model().ComboBox1Items;
    const QStringList ids = blatt->model().ComboBox1Ids;
    ASSERT_GT(typen.size(), 1);
    ASSERT_TRUE(k.dm->TBArtikel.findKey({db::Value(blatt->model().AktArtikelID)}));
    const QString foto = sheet::tifZuJpg(k.dm->TBArtikel.asString(u"Bild"));
    const QString mass = sheet::tifZuJpg(k.dm->TBArtikel.asString(u"Masszeichnung"));
    for (const QString& name : {foto, mass})
        QFile::copy(QStringLiteral(DREL_SOURCE_DIR "/data/Pics/") + name, pics + '/' + name);
    const bool fotoDa = QFile::exists(pics + '/' + foto);
    const bool massDa = QFile::exists(pics + '/' + mass);
    // A new sheet with the same list: the pictures are looked up again.
    DatenblattAuftrag d = k.daten({}, QString(), QStringLiteral("R404A, R507"));
    d.typen = typen;
    for (const QString& id : ids)
        d.artikelIds << id.toInt();
    d.typ = QStringLiteral("QNX1-21");
    blatt = std::make_unique<TFrmTechnik1>(*k.dm, k.stoff, einheiten);
    blatt->resize(900, 620);
    blatt->oeffnen(d);
    blatt->show();
    ASSERT_EQ(blatt->model().ComboBox1Text, QStringLiteral("QNX1-21"));
    EXPECT_EQ(blatt->reiterSichtbar(5), fotoDa);
    EXPECT_EQ(blatt->reiterSichtbar(4), massDa);

    Wahl wahl;
    blatt->setDateiWahl(wahl.funktion());
    if (fotoDa) {
        blatt->PageControl1()->setCurrentIndex(5);
        wahl.ziel = ini.filePath(QStringLiteral("foto.jpg"));
        auto* aktion = blatt->foto()->findChild<QAction*>(QStringLiteral("Bildspeichern1"));
        ASSERT_TRUE(aktion);
        aktion->trigger();
        EXPECT_EQ(QFileInfo(wahl.vorschlag).fileName(), QStringLiteral("QNX1-21-Photo.jpg"));
        QFile a(pics + '/' + foto);
        QFile b(wahl.ziel);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), b.readAll());
    }
    if (massDa) {
        blatt->PageControl1()->setCurrentIndex(4);
        wahl.ziel = ini.filePath(QStringLiteral("mass.jpg"));
        EXPECT_TRUE(blatt->masse()->bildSpeichern()->Bildspeichern1Click());
        EXPECT_EQ(QFileInfo(wahl.vorschlag).fileName(), QStringLiteral("QNX1-21-Mass.jpg"));
        EXPECT_TRUE(QFile::exists(wahl.ziel));
    }
    EXPECT_TRUE(fotoDa && massDa) << "the sample article lacks a picture";
    // Another type of the list has no picture here: its pages go, and the active photo
    // page gives way to "Techn. Daten".
    blatt->PageControl1()->setCurrentIndex(5);
    auto* combo = blatt->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    int anderer = -1;
    for (int i = 0; i < ids.size() && anderer < 0; ++i) {
        ASSERT_TRUE(k.dm->TBArtikel.findKey({db::Value(ids.at(i).toInt())}));
        if (sheet::tifZuJpg(k.dm->TBArtikel.asString(u"Bild")) != foto &&
            sheet::tifZuJpg(k.dm->TBArtikel.asString(u"Masszeichnung")) != mass)
            anderer = i;
    }
    ASSERT_GE(anderer, 0) << "every type of the list shares a picture";
    combo->setCurrentIndex(anderer);
    emit combo->activated(anderer);
    ASSERT_NE(blatt->model().ComboBox1Text, QStringLiteral("QNX1-21"));
    EXPECT_FALSE(blatt->reiterSichtbar(5));
    EXPECT_FALSE(blatt->reiterSichtbar(4));
    EXPECT_EQ(blatt->PageControl1()->currentIndex(), 0);
    blatt.reset();
    QDir(pics).removeRecursively();
}

// "Zu Word": the tender text as DrelTmp.Doc in the settings directory, then opened.
TEST_F(FrmTechnikTest, ZuWordWritesTheTextAndOpensIt) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    blatt->PageControl1()->setCurrentIndex(7);
    QList<QUrl> geoeffnet;
    blatt->ausschreibung()->setOeffner([&geoeffnet](const QUrl& url) {
        geoeffnet << url;
        return true;
    });
    blatt->ausschreibung()->BitBtn2()->click();
    ASSERT_EQ(geoeffnet.size(), 1);
    const QString datei = verzeichnisse().einstellungen + QStringLiteral("/DrelTmp.Doc");
    EXPECT_EQ(geoeffnet.at(0).toLocalFile(), datei);
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray rtf = f.readAll();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("QNX1-21"));
    // No settings directory to write into: reported, nothing opened.
    verzeichnisse().einstellungen = datei + QStringLiteral("/kein-Ordner");
    RecordingSink sink;
    ScopedMessageSink umleitung(&sink);
    EXPECT_FALSE(blatt->ausschreibung()->BitBtn2Click());
    EXPECT_EQ(geoeffnet.size(), 1);
    EXPECT_EQ(sink.messages.size(), 1);
}

// Runs `ausloesen`, waits for the modal window it opens, hands it to `pruefen` and
// closes it with Esc; false when no modal window came.
template <class Fenster>
bool modalPruefen(const std::function<void()>& ausloesen,
                  const std::function<void(Fenster&)>& pruefen) {
    bool gesehen = false;
    QTimer suchen;
    QObject::connect(&suchen, &QTimer::timeout, [&] {
        if (auto* modal = qobject_cast<Fenster*>(QApplication::activeModalWidget())) {
            suchen.stop();
            gesehen = true;
            pruefen(*modal);
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    suchen.start(5);
    QTimer::singleShot(3000, &suchen, &QTimer::stop); // no window: exec() never ran
    ausloesen();
    return gesehen;
}

TEST_F(FrmTechnikTest, CertificateLogosOpenTheirNoteAndIconsTheirHelpTexts) {
    const QString programm = Katalog::get().dm->programDirectory();
    QDir().mkpath(programm + QStringLiteral("/Pics"));
    QFile::copy(QStringLiteral(DREL_SOURCE_DIR "/data/Pics/Zert_DPV.jpg"),
                programm + QStringLiteral("/Pics/Zert_DPV.jpg"));
    QFile::copy(QStringLiteral(DREL_SOURCE_DIR "/data/Qo_De.rtf"),
                programm + QStringLiteral("/Qo_De.rtf"));
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    // The certificate entry of QN with R404A: one logo, its picture copied above.
    EXPECT_TRUE(blatt->findChild<QWidget*>(QStringLiteral("ZertPanel"))->isVisible());
    auto* logo1 = blatt->findChild<QToolButton*>(QStringLiteral("ZertLogo1"));
    ASSERT_TRUE(logo1);
    EXPECT_FALSE(logo1->icon().isNull());
    EXPECT_EQ(logo1->toolTip(), QStringLiteral("Drel Leistungsdaten geprüft"));
    EXPECT_FALSE(blatt->findChild<QToolButton*>(QStringLiteral("ZertLogo2"))->isVisible());
    EXPECT_TRUE(modalPruefen<TFrmZertHinweis>(
        [&] { logo1->click(); },
        [](TFrmZertHinweis& f) {
            EXPECT_EQ(f.windowTitle(), QStringLiteral("Hinweis zur Zertifizierung"));
            EXPECT_EQ(f.titel(), QStringLiteral("Drel Leistungsdaten geprüft"));
            EXPECT_TRUE(f.mitLogo());
        }));
    QFile::remove(programm + QStringLiteral("/Pics/Zert_DPV.jpg"));
    // A click on a label is a click on the first logo.
    EXPECT_TRUE(modalPruefen<TFrmZertHinweis>(
        [&] { blatt->findChild<QToolButton*>(QStringLiteral("lblZert2"))->click(); },
        [](TFrmZertHinweis& f) {
            EXPECT_EQ(f.titel(), QStringLiteral("Drel Leistungsdaten geprüft"));
            EXPECT_TRUE(f.beschreibung().contains(QStringLiteral("Referenzbedingungen")));
            EXPECT_FALSE(f.mitLogo()) << "the picture is gone";
        }));
    EXPECT_TRUE(modalPruefen<TFrmHilfsTextAnzeigen>(
        [&] { blatt->findChild<QToolButton*>(QStringLiteral("Image4"))->click(); },
        [](TFrmHilfsTextAnzeigen& f) {
            EXPECT_TRUE(f.text().contains(QStringLiteral("Verdichterkälteleistung")))
                << f.text().toStdString();
        }));
    // The intermediate cooler's icon only beside its label, on two-stage compressors.
    EXPECT_FALSE(blatt->findChild<QToolButton*>(QStringLiteral("Image3"))->isVisible());
    QFile::remove(programm + QStringLiteral("/Qo_De.rtf"));
    EXPECT_TRUE(modalPruefen<TFrmHilfsTextAnzeigen>(
        [&] { blatt->findChild<QToolButton*>(QStringLiteral("Image5"))->click(); },
        [](TFrmHilfsTextAnzeigen& f) {
            EXPECT_TRUE(f.text().contains(QStringLiteral("Qo_De.rtf"))) << "says what is missing";
        }));
}

// The diagram fills the page "Einsatzgrenzen" in proportions it can label, grows with
// the window and names its axes with their units.
TEST_F(FrmTechnikTest, DiagramFillsItsPageAndGrowsWithTheWindow) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    blatt->PageControl1()->setCurrentIndex(1);
    chart::TDChart* chart = blatt->DChart1();
    QWidget* flaeche = chart->parentWidget();
    const auto pruefen = [&] {
        QCoreApplication::processEvents();
        const QSize c = chart->size();
        const QSize f = flaeche->size();
        // The height fills the page or the width leaves just the legend column (160 to
        // 300 pixels) beside it; the proportions stay between 1.2 and 1.8 to 1.
        EXPECT_TRUE(c.height() == f.height() || c.width() >= f.width() - 312)
            << c.width() << "x" << c.height() << " in " << f.width() << "x" << f.height();
        EXPECT_GE(c.width(), 1.2 * c.height() - 1);
        EXPECT_LE(c.width(), 1.8 * c.height() + 1);
        // Drawn at its own size, not stretched.
        EXPECT_EQ(chart->gezeigt().size(), c);
        // The legend column right beside the diagram.
        auto* rand = blatt->findChild<QLabel*>(QStringLiteral("lblRand"));
        EXPECT_EQ(rand->mapTo(flaeche, QPoint(0, 0)).x(), c.width() + 12);
        EXPECT_FALSE(rand->text().isEmpty());
        return c;
    };
    const QSize klein = pruefen();
    blatt->resize(1500, 1000);
    const QSize gross = pruefen();
    EXPECT_GT(gross.width(), klein.width() * 1.3);
    EXPECT_GT(gross.height(), klein.height() * 1.3);
    // The envelope test keeps its own drawing at the stored size.
    EXPECT_EQ(sheet::grenzZeichnung(blatt->model().diagramm()).anzeige.size(),
              sheet::kDiagrammGroesse);
    EXPECT_EQ(chart->daten().ChartXAchse, QStringLiteral("Verdampfungstemperatur t0 [°C]"));
    EXPECT_EQ(chart->daten().ChartYAchse, QStringLiteral("Verflussigungstemperatur tc [°C]"));
    EXPECT_NE(chart->gezeigt(), chart->anzeige()) << "the captions are painted";
}

// In °F, inputs outside their ranges are moved and written back in °F: a suction gas
// temperature above 30 °C by the rating, a t0 far below the envelope by the field's
// range. The values shown are those of the °C sheet at the moved point.
TEST_F(FrmTechnikTest, FahrenheitSheetRewritesClampedInputs) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    const auto umstellen = [&](int temperatur) {
        const bool warFahrenheit = temperatur == 0;
        einheiten.klick(calc::EinheitGruppe::Temperatur, temperatur);
        einheiten.bestaetigen();
        blatt->einheitGewechselt(warFahrenheit);
    };
    const auto eingeben = [&](Eingabe e, const char* wert) {
        TDEdit* f = blatt->eingabe(e);
        f->setText(QString::fromLatin1(wert));
        emit f->returnPressed();
        return f;
    };
    const auto werte = [&] {
        QStringList w;
        for (const char* feld : {"Q2", "Q3", "pan", "Edit4", "Edit7", "Edit5"})
            w << text(feld);
        return w;
    };
    umstellen(1);
    // 100 °F = 37.8 °C: the rating takes 30 °C and the field shows it in whole °F.
    TDEdit* ts = eingeben(Eingabe::tsaug, "100");
    EXPECT_EQ(ts->AsFloat(), 86.0) << ts->text().toStdString();
    EXPECT_TRUE(ts->styleSheet().contains(QStringLiteral("#fff2a8"))) << "marked as moved";
    EXPECT_EQ(blatt->eingabe(Eingabe::t0)->AsFloat(), 14.0) << "t0 untouched";
    const QStringList inFahrenheit = werte();
    umstellen(0);
    EXPECT_EQ(ts->AsFloat(), 30.0);
    EXPECT_EQ(werte(), inFahrenheit);
    // Typed in °C, 30 gives the same sheet.
    eingeben(Eingabe::tsaug, "30");
    EXPECT_EQ(werte(), inFahrenheit);

    umstellen(1);
    TDEdit* t0 = eingeben(Eingabe::t0, "-150");
    const calc::GrenzBereich& g = blatt->model().ergebnis().bereich;
    const double unten = (g.GrenzT0Min - 5.0) * 9.0 / 5.0 + 32.0;
    EXPECT_GE(t0->AsFloat(), std::floor(unten)) << t0->text().toStdString();
    EXPECT_LE(t0->AsFloat(), g.GrenzT0Min * 9.0 / 5.0 + 32.0) << t0->text().toStdString();
    EXPECT_EQ(t0->AsFloat(), std::round(t0->AsFloat())) << "a whole °F of the table range";
    // The diagram marks the moved point in °F and says so on its axis.
    EXPECT_FLOAT_EQ(blatt->DChart1()->daten().graph(2).kreuzX[0],
                    static_cast<float>(t0->AsFloat()));
    EXPECT_EQ(blatt->DChart1()->daten().ChartXAchse,
              QStringLiteral("Verdampfungstemperatur t0 [°F]"));
    EXPECT_NE(werte(), inFahrenheit);
    const double t0F = t0->AsFloat();
    umstellen(0);
    EXPECT_NEAR(t0->AsFloat(), (t0F - 32.0) * 5.0 / 9.0, 0.05) << "to the field's one decimal";
}

// The grids of the technical values and of the connections colour their odd rows
// light blue and their even rows in the tooltip colour, as the printed table does.
TEST_F(FrmTechnikTest, GridRowsAlternateAsThePrintout) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    blatt->PageControl1()->setCurrentIndex(0);
    QCoreApplication::processEvents();
    auto* g = blatt->findChild<ZellenRaster*>(QStringLiteral("StringGrid1"));
    ASSERT_TRUE(g);
    ASSERT_GE(g->rowCount(), 3);
    const QColor hellblau(214, 227, 247);
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(g->hintergrund(r, 0) == hellblau, r % 2 == 1) << r;
}

// The provenance and the SEPR line wrap within the sheet at 900 pixels and at its
// narrowest, in German and English: nothing is cut at the right.
TEST_F(FrmTechnikTest, ProvenanceFitsTheSheetInGermanAndEnglish) {
    for (const char* code : {"de", "en"}) {
        SCOPED_TRACE(code);
        QTranslator sprache;
        ASSERT_TRUE(
            sprache.load(QStringLiteral(DREL_QM_DIR "/drel_%1.qm").arg(QLatin1String(code))));
        QCoreApplication::installTranslator(&sprache);
        blatt.reset();
        typischeAnfrageOeffnen(QStringLiteral("R449A"));
        ASSERT_TRUE(blatt);
        // 900 and the narrowest the sheet goes.
        for (const int breite : {900, blatt->minimumSizeHint().width()}) {
            blatt->resize(breite, 650);
            QCoreApplication::processEvents();
            ASSERT_LE(blatt->width(), breite);
            for (const char* name : {"lblHerkunft", "lblSepr"}) {
                auto* l = blatt->findChild<QLabel*>(QString::fromLatin1(name));
                ASSERT_TRUE(l) << name;
                if (!l->isVisible())
                    continue;
                EXPECT_FALSE(l->text().isEmpty()) << name;
                EXPECT_LE(l->mapTo(blatt.get(), QPoint(l->width(), 0)).x(), blatt->width())
                    << name << " at " << breite;
                EXPECT_GE(l->height(), l->heightForWidth(l->width())) << name << " at " << breite;
                // Every word fits the line.
                for (const QString& wort :
                     l->text().split(QRegularExpression(QStringLiteral("\\s+"))))
                    EXPECT_LE(l->fontMetrics().horizontalAdvance(wort), l->contentsRect().width())
                        << wort.toStdString();
            }
        }
        QCoreApplication::removeTranslator(&sprache);
    }
}

// The header's buttons and the menu say what they do with icons of their own.
TEST_F(FrmTechnikTest, ButtonsCarryTheirOwnIcons) {
    typischeAnfrageOeffnen();
    ASSERT_TRUE(blatt);
    QSet<qint64> gesehen;
    for (const char* name : {"CancelBtn", "btnUnlock", "BitBtn3", "JsonBtn"}) {
        auto* b = blatt->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_TRUE(b) << name;
        EXPECT_FALSE(b->icon().isNull()) << name;
        gesehen.insert(b->icon().pixmap(24, 24).cacheKey());
        const QImage bild = b->icon().pixmap(24, 24).toImage();
        EXPECT_NE(bild.pixel(12, 12), bild.pixel(0, 0)) << name << ": not a blank picture";
    }
    EXPECT_EQ(gesehen.size(), 4);
    for (QAction* a : blatt->TechMenu()->actions()) {
        if (a->objectName() == QStringLiteral("Drucken1")) {
            EXPECT_FALSE(a->icon().isNull());
        }
    }
}

} // namespace
} // namespace drel::ui
