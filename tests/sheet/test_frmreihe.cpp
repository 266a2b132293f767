// The batch and comparison windows on the sample catalogue, offscreen: a finished
// run with its progress and status, Abbrechen in the middle, the comparison from
// orders and from its fields, and its exports.
#include "print/ui/frmvergleich.h"
#include "sheet/ui/frmreihe.h"
#include "sheet/ui/frmtechnik.h"
#include "sheet/ui/rastermodell.h"
#include "tests/support/blattkatalog.h"
#include "tests/support/xlsxzellen.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

namespace drel::ui {
namespace {

using sheet::testing::Katalog;

const QString kPunkte = QStringLiteral(DREL_TEST_DATA "/batch/punkte.csv");

class FensterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Katalog::get().gebaut);
        sheet::testing::blattUmgebung(einheiten_);
    }
    RecordingSink sink_;
    ScopedMessageSink guard_{&sink_};
    calc::Einheiten einheiten_;
};

TEST_F(FensterTest, BatchWindowRatesEveryRowAndShowsWhy) {
    TFrmReihe fenster(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    QAbstractItemModelTester pruefer(fenster.tabelle()->model(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    fenster.show();
    fenster.rechnen(kPunkte);
    ASSERT_EQ(fenster.ergebnisse().size(), 7u);
    EXPECT_EQ(fenster.fortschritt()->value(), 7);
    EXPECT_EQ(fenster.fortschritt()->maximum(), 7);
    EXPECT_EQ(fenster.tabelle()->model()->rowCount(), 7);
    EXPECT_EQ(fenster.status()->text(),
              QStringLiteral("5 von 7 Zeilen berechnet, 2 mit Grund nicht berechnet."));
    // The saved workbook holds the table the window shows, in the window's words.
    QTemporaryDir dir;
    const QString xlsx = dir.filePath(QStringLiteral("reihe.xlsx"));
    ASSERT_TRUE(fenster.speichern(xlsx));
    const auto zellen = drel::testing::xlsxZellen(xlsx);
    EXPECT_EQ(zellen.value(QStringLiteral("A1")), QStringLiteral("Zeile"));
    EXPECT_EQ(zellen.value(QStringLiteral("B2")), QStringLiteral("QNX2-22"));
    EXPECT_EQ(zellen.value(QStringLiteral("D2")), QStringLiteral("berechnet"));
    EXPECT_EQ(zellen.value(QStringLiteral("D5")), QStringLiteral("nicht berechnet"));
    const auto* modell = fenster.tabelle()->model();
    EXPECT_EQ(modell->headerData(8, Qt::Horizontal).toString(),
              QStringLiteral("Lufteintritt [°C]"));
    {
        QTranslator englisch;
        ASSERT_TRUE(englisch.load(QStringLiteral(DREL_QM_DIR "/drel_en.qm")));
        QCoreApplication::installTranslator(&englisch);
        fenster.rechnen(kPunkte);
        QCoreApplication::removeTranslator(&englisch);
        EXPECT_EQ(modell->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Row"));
        EXPECT_EQ(modell->headerData(10, Qt::Horizontal).toString(),
                  QStringLiteral("Subcooling [K]"));
        EXPECT_EQ(modell->data(modell->index(3, 3)).toString(), QStringLiteral("not rated"));
        EXPECT_EQ(modell->data(modell->index(0, 3)).toString(), QStringLiteral("rated"));
    }
    // A file that cannot be read says why and rates nothing.
    fenster.rechnen(dir.filePath(QStringLiteral("fehlt.csv")));
    EXPECT_TRUE(fenster.ergebnisse().empty());
    EXPECT_TRUE(fenster.status()->text().contains(QStringLiteral("fehlt.csv")));
}

TEST_F(FensterTest, CancelStopsTheBatchAfterTheCurrentRow) {
    TFrmReihe fenster(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    QObject::connect(fenster.fortschritt(), &QProgressBar::valueChanged, &fenster, [&](int wert) {
        if (wert == 2)
            fenster.findChild<QPushButton*>(QStringLiteral("btnAbbrechen"))->click();
    });
    fenster.show();
    fenster.rechnen(kPunkte);
    EXPECT_EQ(fenster.ergebnisse().size(), 2u);
    EXPECT_TRUE(fenster.status()->text().startsWith(QStringLiteral("Abgebrochen.")));
    EXPECT_TRUE(fenster.findChild<QPushButton*>(QStringLiteral("btnBerechnen"))->isEnabled());
}

TEST_F(FensterTest, ComparisonFromOrdersAndFromItsFields) {
    TFrmVergleich fenster(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    QAbstractItemModelTester pruefer(fenster.tabelle()->model(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    fenster.show();
    const DatenblattAuftrag a = Katalog::get().daten(
        {QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"), QStringLiteral("R404A, R507"));
    const DatenblattAuftrag b = Katalog::get().daten(
        {QStringLiteral("QN2-32")}, QStringLiteral("QNX2-32"), QStringLiteral("R404A, R507"));
    fenster.vergleichen({a, b});
    EXPECT_EQ(fenster.artikelFeld(0)->text(), QStringLiteral("QNX2-22"));
    EXPECT_EQ(fenster.artikelFeld(1)->text(), QStringLiteral("QNX2-32"));
    EXPECT_TRUE(fenster.artikelFeld(2)->text().isEmpty());
    QAbstractItemModel* m = fenster.tabelle()->model();
    // Quantity, unit, then value and difference per article; the first has none.
    EXPECT_EQ(m->columnCount(), 6);
    EXPECT_EQ(m->index(0, 0).data().toString(), QStringLiteral("Qo"));
    EXPECT_TRUE(m->index(0, 3).data().toString().isEmpty());
    EXPECT_TRUE(m->index(0, 5).data().toString().endsWith(QStringLiteral(" %")));
    const QString qoAusAuftrag = m->index(0, 4).data().toString();
    // The same articles typed into the fields give the same numbers.
    fenster.artikelFeld(2)->setText(QStringLiteral("QNX2-22"));
    fenster.findChild<QPushButton*>(QStringLiteral("btnVergleichen"))->click();
    ASSERT_EQ(fenster.vergleich().spalten().size(), 3u);
    EXPECT_EQ(m->index(0, 4).data().toString(), qoAusAuftrag);
    EXPECT_EQ(m->index(0, 7).data().toString(), QStringLiteral("0,0 %"));
    // The printout as PDF: one page with the table's words.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("vergleich.pdf"));
    ASSERT_TRUE(fenster.pdfSchreiben(pdf));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString inhalt = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(inhalt.contains(QStringLiteral("QNX2-32"))) << inhalt.toStdString();
    EXPECT_TRUE(inhalt.contains(qoAusAuftrag));
    EXPECT_EQ(inhalt.count(QChar(0x0C)), 1) << "one page";
}

// The suction gas, superheat and subcooling fields reach the rating; a suction gas
// below t0 is refused and the table stays as it was.
TEST_F(FensterTest, ComparisonRatesAtTheSuctionGasStateOfItsFields) {
    TFrmVergleich fenster(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    fenster.show();
    fenster.vergleichen({Katalog::get().daten({QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"),
                                              QStringLiteral("R404A, R507"))});
    EXPECT_EQ(fenster.punktFeld(QStringLiteral("eTsaug"))->text(), QStringLiteral("20"));
    const double m20 = fenster.vergleich().wert(0, 4)->wert; // mass flow
    fenster.punktFeld(QStringLiteral("eTsaug"))->setText(QStringLiteral("0"));
    fenster.punktFeld(QStringLiteral("eUeberhitzung"))->setText(QStringLiteral("8"));
    fenster.punktFeld(QStringLiteral("eUnterkuehlung"))->setText(QStringLiteral("4,5"));
    fenster.findChild<QPushButton*>(QStringLiteral("btnVergleichen"))->click();
    ASSERT_EQ(fenster.vergleich().spalten().size(), 1u);
    const Betriebspunkt& p = fenster.vergleich().spalten().front().ein.punkt;
    EXPECT_DOUBLE_EQ(p.tsaug, 0.0);
    EXPECT_DOUBLE_EQ(p.tue, 8.0);
    EXPECT_DOUBLE_EQ(p.tu, 4.5);
    EXPECT_GT(fenster.vergleich().wert(0, 4)->wert, m20) << "colder suction gas, denser";
    sink_.messages.clear();
    fenster.punktFeld(QStringLiteral("eTsaug"))->setText(QStringLiteral("-11"));
    fenster.findChild<QPushButton*>(QStringLiteral("btnVergleichen"))->click();
    EXPECT_EQ(sink_.messages.size(), 1u);
    EXPECT_DOUBLE_EQ(fenster.vergleich().spalten().front().ein.punkt.tsaug, 0.0);
}

// "Offene Datenblatter" compares the articles of the open sheets, the docked one first,
// at the first one's point; without a sheet it says so.
TEST_F(FensterTest, ComparisonTakesTheOpenSheets) {
    TFrmVergleich fenster(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    fenster.show();
    sink_.messages.clear();
    EXPECT_FALSE(fenster.offeneBlaetterClick());
    EXPECT_EQ(sink_.messages.size(), 1u);

    TFrmTechnik abgedockt(*Katalog::get().dm, Katalog::get().stoff, einheiten_);
    abgedockt.setAngedockt(false);
    DatenblattAuftrag b = Katalog::get().daten(
        {QStringLiteral("QN2-32")}, QStringLiteral("QNX2-32"), QStringLiteral("R404A, R507"));
    b.punkt.t0 = -20.0; // another point: the first sheet's counts
    abgedockt.oeffnen(b);
    abgedockt.show();
    QWidget hauptfenster;
    auto* angedockt =
        new TFrmTechnik(*Katalog::get().dm, Katalog::get().stoff, einheiten_, &hauptfenster);
    DatenblattAuftrag a = Katalog::get().daten(
        {QStringLiteral("QN2-22")}, QStringLiteral("QNX2-22"), QStringLiteral("R404A, R507"));
    a.punkt.t0 = -5.0;
    angedockt->oeffnen(a);
    hauptfenster.show();

    fenster.findChild<QPushButton*>(QStringLiteral("btnOffeneBlaetter"))->click();
    ASSERT_EQ(fenster.vergleich().spalten().size(), 2u);
    EXPECT_EQ(fenster.vergleich().spalten()[0].typ, QStringLiteral("QNX2-22"));
    EXPECT_EQ(fenster.vergleich().spalten()[1].typ, QStringLiteral("QNX2-32"));
    EXPECT_DOUBLE_EQ(fenster.vergleich().spalten()[1].ein.punkt.t0, -5.0);
    EXPECT_EQ(fenster.punktFeld(QStringLiteral("eT0"))->text(), QStringLiteral("-5"));
    // The docked sheet's own value at its point is the comparison's first column.
    EXPECT_EQ(fenster.vergleich().wert(0, 0)->wert,
              angedockt->blatt().wert(sheet::Groesse::Qo).wert);
}

} // namespace
} // namespace drel::ui
