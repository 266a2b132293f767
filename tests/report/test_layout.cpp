// Layout of pages and bands: page breaks, repeated headers, data sets, row
// counts, child bands, events and page numbers, checked on the prepared pages.
#include "report/memo.h"
#include "suchdruck.h"
#include "tabellendaten.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace drel::bericht::test {
namespace {

int kopien(const GesetzteSeite& seite, const QString& name) {
    return static_cast<int>(seite.find(name).size());
}

QString text(const Druckobjekt* objekt) {
    return static_cast<const Memo*>(objekt)->text();
}

TEST(ReportLayout, DataBandOverHundredRowsBreaksPagesAndRepeatsHeader) {
    Suchdruck druck;
    auto daten = Tabellendaten::nummeriert(100);
    druck.daten->setDataSet(&daten);
    ASSERT_TRUE(druck.bericht.prepare()) << druck.bericht.error().toStdString();

    ASSERT_EQ(druck.bericht.pageCount(), 5); // 24 + 24 + 24 + 24 + 4 rows
    QStringList zeilen;
    for (int i = 0; i < 5; ++i) {
        const auto& seite = druck.bericht.preparedPage(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(kopien(seite, QStringLiteral("Memo1")), 1);
        EXPECT_EQ(kopien(seite, QStringLiteral("Memo7")), i < 4 ? 24 : 4);
        for (const auto* zelle : seite.find(QStringLiteral("Memo7")))
            zeilen << text(zelle);
    }
    ASSERT_EQ(zeilen.size(), 100);
    EXPECT_EQ(zeilen.front(), QStringLiteral("Zeile 1"));
    EXPECT_EQ(zeilen.back(), QStringLiteral("Zeile 100"));
    EXPECT_EQ(daten.firstAufrufe, 1);
}

TEST(ReportLayout, BandEndingExactlyAtFooterStaysOnPageATallerOneBreaks) {
    for (const auto& [hoehe, proSeite] : {std::pair{100.0, 24}, std::pair{100.0 + 1.0 / 24, 23}}) {
        SCOPED_TRACE(hoehe);
        Suchdruck druck(hoehe);
        druck.daten->setRowCount(48);
        ASSERT_TRUE(druck.bericht.prepare());
        EXPECT_EQ(kopien(druck.bericht.preparedPage(0), QStringLiteral("Memo7")), proSeite);
    }
}

TEST(ReportLayout, RowsSitBelowHeaderAndFooterAtPageBottom) {
    Suchdruck druck;
    druck.daten->setRowCount(2);
    ASSERT_TRUE(druck.bericht.prepare());
    const auto& seite = druck.bericht.preparedPage(0);
    const auto zellen = seite.find(QStringLiteral("Memo7"));
    ASSERT_EQ(zellen.size(), 2u);
    // Left margin 100 + object left 50; top margin 100 + header 270 + object top 10.
    EXPECT_DOUBLE_EQ(zellen[0]->left(), 150);
    EXPECT_DOUBLE_EQ(zellen[0]->top(), 380);
    EXPECT_DOUBLE_EQ(zellen[1]->top(), 480);
    // Paper 2970 - bottom margin 100 - footer 100.
    EXPECT_DOUBLE_EQ(seite.find(QStringLiteral("Memo14")).at(0)->top(), 2770);
}

TEST(ReportLayout, RowCountWithoutDataSetPrintsThatManyTimes) {
    for (int zeilen : {0, 1, 3}) {
        SCOPED_TRACE(zeilen);
        Suchdruck druck;
        druck.daten->setRowCount(zeilen);
        ASSERT_TRUE(druck.bericht.prepare());
        ASSERT_EQ(druck.bericht.pageCount(), 1);
        EXPECT_EQ(kopien(druck.bericht.preparedPage(0), QStringLiteral("Memo7")), zeilen);
    }
}

TEST(ReportLayout, InvisiblePageIsSkippedAndPageNumbersCountPrintedPages) {
    Bericht bericht;
    for (const char* name : {"Page1", "Page2", "Page3"}) {
        auto& fuss = bericht.addPage(QString::fromLatin1(name))
                         .addBand(QStringLiteral("Fuss"), BandArt::Seitenfuss);
        fuss.setHeight(50);
        fuss.createMemo(QStringLiteral("Nummer"))
            .setText(QStringLiteral("[page#] / [TOTALPAGES#]"));
    }
    bericht.findPage(QStringLiteral("page2"))->setVisible(false);
    ASSERT_TRUE(bericht.prepare());

    ASSERT_EQ(bericht.pageCount(), 2);
    EXPECT_EQ(bericht.preparedPage(1).pageName(), QStringLiteral("Page3"));
    EXPECT_EQ(bericht.preparedPage(0).texts(), QStringList{QStringLiteral("1 / 2")});
    EXPECT_EQ(bericht.preparedPage(1).texts(), QStringList{QStringLiteral("2 / 2")});
    // The definition keeps its placeholders for the next print.
    EXPECT_EQ(bericht.find<Memo>(QStringLiteral("Nummer"))->text(),
              QStringLiteral("[page#] / [TOTALPAGES#]"));
}

TEST(ReportLayout, NoVisiblePageFailsWithMessage) {
    Suchdruck druck;
    druck.seite->setVisible(false);
    EXPECT_FALSE(druck.bericht.prepare());
    EXPECT_EQ(druck.bericht.pageCount(), 0);
    EXPECT_FALSE(druck.bericht.error().isEmpty());
}

// The letter head: a child band hidden by the after-print handler right after
// it printed appears on the first page only; the recipient child before it
// repeats on every page; a child of a hidden band does not print.
TEST(ReportLayout, ChildBandHiddenAfterPrintPrintsOnFirstPageOnly) {
    Suchdruck druck;
    druck.daten->setRowCount(40);
    auto& empfaenger = druck.seite->addBand(QStringLiteral("Child3"), BandArt::Kind);
    empfaenger.setHeight(100);
    empfaenger.createMemo(QStringLiteral("Memo15")).setText(QStringLiteral("Kunde"));
    auto& betreff = druck.seite->addBand(QStringLiteral("Child4"), BandArt::Kind);
    betreff.setHeight(300);
    betreff.createMemo(QStringLiteral("Memo16")).setText(QStringLiteral("Betreff"));
    auto& typ = druck.seite->addBand(QStringLiteral("Child5"), BandArt::Kind);
    typ.setHeight(100);
    typ.createMemo(QStringLiteral("Memo8")).setText(QStringLiteral("Typ"));
    druck.kopf->setChild(&empfaenger);
    empfaenger.setChild(&betreff);
    betreff.setChild(&typ);
    druck.bericht.setAfterPrint([](BerichtObjekt& objekt) {
        if (objekt.hasName(QStringLiteral("CHILD4")))
            objekt.setVisible(false);
    });
    ASSERT_TRUE(druck.bericht.prepare());

    ASSERT_GE(druck.bericht.pageCount(), 2);
    const auto& erste = druck.bericht.preparedPage(0);
    const auto& zweite = druck.bericht.preparedPage(1);
    EXPECT_EQ(kopien(erste, QStringLiteral("Memo16")), 1);
    EXPECT_EQ(kopien(erste, QStringLiteral("Memo8")), 1);
    EXPECT_EQ(kopien(zweite, QStringLiteral("Memo15")), 1);
    EXPECT_EQ(kopien(zweite, QStringLiteral("Memo16")), 0);
    EXPECT_EQ(kopien(zweite, QStringLiteral("Memo8")), 0);
    // Header 270 + recipient 100 + subject 300 + type 100 leave 1900: 19 rows.
    EXPECT_EQ(kopien(erste, QStringLiteral("Memo7")), 19);
    EXPECT_EQ(kopien(zweite, QStringLiteral("Memo7")), 21);
}

TEST(ReportLayout, ChildBandLoopStopsAfterAsManyBandsAsThePageHas) {
    Suchdruck druck;
    druck.daten->setRowCount(1);
    druck.daten->setChild(druck.daten);
    ASSERT_TRUE(druck.bericht.prepare());
    // The band itself and one child print per band of the page (header, data, footer).
    EXPECT_EQ(kopien(druck.bericht.preparedPage(0), QStringLiteral("Memo7")), 4);
}

// The search printout fills its data band in the report-wide before-print
// handler from a row counter.
TEST(ReportLayout, BeforePrintHandlerFillsEachRow) {
    Suchdruck druck;
    druck.daten->setRowCount(3);
    int zeile = 1;
    QStringList ereignisse;
    druck.bericht.setBeforePrint([&](BerichtObjekt& objekt) {
        ereignisse << QStringLiteral("vor ") + objekt.name();
        if (objekt.hasName(QStringLiteral("masterdata1")))
            druck.bericht.find<Memo>(QStringLiteral("Memo7"))
                ->setText(QStringLiteral("Nr. %1").arg(zeile++));
    });
    druck.bericht.setAfterPrint(
        [&](BerichtObjekt& objekt) { ereignisse << QStringLiteral("nach ") + objekt.name(); });
    ASSERT_TRUE(druck.bericht.prepare());

    QStringList texte;
    for (const auto* zelle : druck.bericht.preparedPage(0).find(QStringLiteral("Memo7")))
        texte << text(zelle);
    EXPECT_EQ(texte, (QStringList{QStringLiteral("Nr. 1"), QStringLiteral("Nr. 2"),
                                  QStringLiteral("Nr. 3")}));
    // Band before its objects, each object before and after in turn, band last.
    EXPECT_EQ(ereignisse.mid(4, 4),
              (QStringList{QStringLiteral("vor MasterData1"), QStringLiteral("vor Memo7"),
                           QStringLiteral("nach Memo7"), QStringLiteral("nach MasterData1")}));
}

TEST(ReportLayout, ObjectHiddenInItsBeforePrintIsNotPrinted) {
    Suchdruck druck;
    druck.daten->setRowCount(4);
    int zeile = 0;
    druck.bericht.find<Memo>(QStringLiteral("Memo7"))->setBeforePrint([&](BerichtObjekt& objekt) {
        objekt.setVisible(++zeile % 2 == 1);
    });
    ASSERT_TRUE(druck.bericht.prepare());
    EXPECT_EQ(kopien(druck.bericht.preparedPage(0), QStringLiteral("Memo7")), 2);
}

TEST(ReportLayout, FailingHandlerFailsPrepareWithoutPages) {
    Suchdruck druck;
    druck.daten->setRowCount(3);
    druck.bericht.setBeforePrint([](BerichtObjekt&) { throw std::runtime_error("kaputt"); });
    EXPECT_FALSE(druck.bericht.prepare());
    EXPECT_EQ(druck.bericht.error(), QStringLiteral("kaputt"));
    EXPECT_EQ(druck.bericht.pageCount(), 0);
}

TEST(ReportLayout, PrepareAgainReplacesTheEarlierResult) {
    Suchdruck druck;
    druck.daten->setRowCount(30);
    ASSERT_TRUE(druck.bericht.prepare());
    ASSERT_EQ(druck.bericht.pageCount(), 2);
    druck.daten->setRowCount(3);
    ASSERT_TRUE(druck.bericht.prepare());
    EXPECT_EQ(druck.bericht.pageCount(), 1);
}

TEST(ReportLayout, FieldReferencesTakeTheCurrentRow) {
    Suchdruck druck;
    Tabellendaten daten(
        {QStringLiteral("Feld1"), QStringLiteral("Feld2")},
        {{QStringLiteral("a"), QStringLiteral("1,5")}, {QStringLiteral("b"), QString()}});
    druck.daten->setDataSet(&daten);
    druck.bericht.find<Memo>(QStringLiteral("Memo7"))
        ->setText(QStringLiteral("[feld1]: [Feld2] [kW] [Page#]"));
    ASSERT_TRUE(druck.bericht.prepare());
    const auto zellen = druck.bericht.preparedPage(0).find(QStringLiteral("Memo7"));
    ASSERT_EQ(zellen.size(), 2u);
    EXPECT_EQ(text(zellen[0]), QStringLiteral("a: 1,5 [kW] 1"));
    EXPECT_EQ(text(zellen[1]), QStringLiteral("b:  [kW] 1"));
}

} // namespace
} // namespace drel::bericht::test
