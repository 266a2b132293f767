// The search result printout: one heading line, one line per grid row, the page label.
#include "print/ergebnisdruck.h"
#include "report/memo.h"
#include "report/pdfausgabe.h"
#include "tests/print/berichttexte.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace drel::print {
namespace {

using test::texteVon;

DruckRaster raster(int zeilen) {
    DruckRaster r{{QStringLiteral("Typ"), QStringLiteral("Qo [kW]")}};
    for (int i = 1; i <= zeilen; ++i)
        r.push_back({QStringLiteral("QNX%1-11").arg(i), QStringLiteral("%1,50").arg(i)});
    return r;
}

TEST(ErgebnisDruck, ThreeResultsPrintOneHeadingAndThreeLines) {
    auto bericht = ergebnisBerichtAnlegen();
    const DruckRaster r = raster(3);
    ergebnisBerichtFuellen(*bericht, r, QStringLiteral("Seite"));
    ASSERT_TRUE(bericht->prepare()) << bericht->error().toStdString();
    ASSERT_EQ(bericht->pageCount(), 1);
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo1")), QStringList{"Typ"});
    // The capacity column's heading carries the unit; columns the grid lacks print empty.
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo2")), QStringList{"Qo [kW]"});
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo6")), QStringList{""});
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo7")),
              (QStringList{"QNX1-11", "QNX2-11", "QNX3-11"}));
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo8")), (QStringList{"1,50", "2,50", "3,50"}));
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo9")), (QStringList{"", "", ""}));
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo13")), QStringList{"Seite"});
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo14")), QStringList{"1"});
}

// Every page is headed with the maker's mark, the title, the date and the search the
// list answers; parts the search lacks leave no dangling label.
TEST(ErgebnisDruck, HeadNamesTheSearchOnEveryPage) {
    auto bericht = ergebnisBerichtAnlegen();
    bericht->setTitle(QStringLiteral("Suchergebnis"));
    const DruckRaster r = raster(60);
    const ErgebnisKopf kopf{QStringLiteral("QN, QNX"), QStringLiteral("R404A, R507"),
                            QStringLiteral("t0 -10 °C, tc 45 °C, Qo 10 kW"),
                            QStringLiteral("10. Dezember 2026")};
    ergebnisBerichtFuellen(*bericht, r, QStringLiteral("Seite"), kopf);
    ASSERT_TRUE(bericht->prepare());
    const int seiten = bericht->pageCount();
    ASSERT_GT(seiten, 1);
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo15")), QStringList(seiten, "DREL"));
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo16")), QStringList(seiten, "Suchergebnis"));
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo17")),
              QStringList(seiten, "10. Dezember 2026"));
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo18")).value(0),
              QStringLiteral("Baureihen: QN, QNX     Kaltemittel: R404A, R507"));
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo19")).value(0),
              QStringLiteral("Betriebspunkt: t0 -10 °C, tc 45 °C, Qo 10 kW"));

    ergebnisBerichtFuellen(*bericht, r, QStringLiteral("Seite"),
                           ErgebnisKopf{{}, QStringLiteral("R134a"), {}, {}});
    ASSERT_TRUE(bericht->prepare());
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo18")).value(0),
              QStringLiteral("Kaltemittel: R134a"));
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo19")).value(0), QString());
}

TEST(ErgebnisDruck, NoResultPrintsOneEmptyLine) {
    auto bericht = ergebnisBerichtAnlegen();
    const DruckRaster nurKopf = raster(0);
    ergebnisBerichtFuellen(*bericht, nurKopf, QStringLiteral("Seite"));
    ASSERT_TRUE(bericht->prepare());
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo7")), QStringList{""});
}

TEST(ErgebnisDruck, NumbersAreRightAlignedAndTheTypeLeft) {
    auto bericht = ergebnisBerichtAnlegen();
    EXPECT_EQ(bericht->find<bericht::Memo>(QStringLiteral("Memo7"))->hAlign(), Qt::AlignLeft);
    for (int i = 8; i <= 12; ++i)
        EXPECT_EQ(bericht->find<bericht::Memo>(QStringLiteral("Memo%1").arg(i))->hAlign(),
                  Qt::AlignRight)
            << i;
}

TEST(ErgebnisDruck, LongListsBreakPagesAndRefillingStartsAgain) {
    auto bericht = ergebnisBerichtAnlegen();
    const DruckRaster r = raster(100);
    ergebnisBerichtFuellen(*bericht, r, QStringLiteral("Seite"));
    ASSERT_TRUE(bericht->prepare());
    EXPECT_GT(bericht->pageCount(), 1);
    const QStringList zeilen = texteVon(*bericht, QStringLiteral("Memo7"));
    ASSERT_EQ(zeilen.size(), 100);
    EXPECT_EQ(zeilen.front(), QStringLiteral("QNX1-11"));
    EXPECT_EQ(zeilen.back(), QStringLiteral("QNX100-11"));
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo1")).size(), bericht->pageCount());

    // Filled again before a second layout (preview, then print): the same lines.
    ergebnisBerichtFuellen(*bericht, r, QStringLiteral("Seite"));
    ASSERT_TRUE(bericht->prepare());
    EXPECT_EQ(texteVon(*bericht, QStringLiteral("Memo7")), zeilen);

    QTemporaryDir ordner;
    QString fehler;
    EXPECT_TRUE(
        bericht::pdfSchreiben(*bericht, ordner.filePath(QStringLiteral("liste.pdf")), fehler))
        << fehler.toStdString();
}

} // namespace
} // namespace drel::print
