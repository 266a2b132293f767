// The guards that undo temporary filters and master links on shared cursors.
#include "db/cursorguard.h"
#include "tests/support/dbfixture.h"

#include <gtest/gtest.h>

using namespace drel::db;
using namespace drel::db::testing;

namespace {

class CursorGuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        const TableDef artikelDef{"Articles",
                                  "Articles.cds",
                                  {intField("ID"), textField("Basisartikel", 5)},
                                  IndexDef{"ID", {"ID"}}};
        const QString artikelDatei = writeTable(dir_, artikelDef,
                                                {{i(10), s("0")},
                                                 {i(20), s("0")},
                                                 {i(40), s("20")},
                                                 {i(50), s("10")},
                                                 {i(60), s("20")}});
        const TableDef leistungDef{"CapacityData",
                                   "CapacityData.cds",
                                   {intField("ID"), intField("ArtikelID")},
                                   IndexDef{"ArtikelID", {"ArtikelID"}}};
        const QString leistungDatei = writeTable(
            dir_, leistungDef, {{i(1), i(10)}, {i(2), i(10)}, {i(3), i(20)}, {i(4), i(40)}});
        artikel_.setFileName(artikelDatei);
        artikel_.setIndexFieldNames("ID");
        saetze_.setFileName(artikelDatei);
        saetze_.setIndexFieldNames("ID");
        leistung_.setFileName(leistungDatei);
        leistung_.setIndexFieldNames("ArtikelID");
        leistung_.setMasterSource(&dtsArtikel_);
        leistung_.setMasterFields("ID");
        artikel_.open();
        saetze_.open();
        leistung_.open();
    }

    QTemporaryDir dir_;
    Cursor artikel_{"TBArtikel"};
    Cursor saetze_{"STBArtikel"};
    Cursor leistung_{"TBLeistung"};
    DataSource dtsArtikel_{"DtsTBArtikel", &artikel_};
    DataSource dtsSaetze_{"DtsSTBArtikel"};
};

TEST_F(CursorGuardTest, FilterAndLinkComeBackWhenAnExceptionPasses) {
    artikel_.setFilter("Basisartikel <> ''"); // stored, not switched on
    ASSERT_EQ(leistung_.recordCount(), 2);    // the two records of article 10
    try {
        const CursorGuard artikelZurueck(artikel_);
        const CursorGuard leistungZurueck(leistung_);
        artikel_.setFilter("Basisartikel <> '0'");
        artikel_.setFiltered(true);
        leistung_.setMasterSource(nullptr);
        leistung_.setMasterFields("");
        ASSERT_EQ(artikel_.recordCount(), 3);
        ASSERT_EQ(leistung_.recordCount(), 4);
        throw DbError("mitten in der Schleife");
    } catch (const DbError&) {
    }
    EXPECT_EQ(artikel_.filter(), "Basisartikel <> ''");
    EXPECT_FALSE(artikel_.filtered());
    EXPECT_EQ(artikel_.recordCount(), 5);
    EXPECT_EQ(leistung_.masterSource(), &dtsArtikel_);
    EXPECT_EQ(leistung_.masterFields(), "ID");
    // The link works again: the detail follows the master.
    artikel_.first();
    EXPECT_EQ(leistung_.recordCount(), 2);
    artikel_.next();
    EXPECT_EQ(leistung_.recordCount(), 1);
}

TEST_F(CursorGuardTest, RedirectedLinkAndDataSourceAreUndone) {
    // The search of sets: the articles follow the sets through a data source that
    // offers no cursor outside of it.
    {
        const CursorGuard saetzeZurueck(saetze_);
        const DataSourceGuard quelleZurueck(dtsSaetze_);
        const CursorGuard artikelZurueck(artikel_);
        saetze_.setFilter("Basisartikel <> '0'");
        saetze_.setFiltered(true);
        dtsSaetze_.setDataSet(&saetze_);
        artikel_.setMasterFields("ID");
        artikel_.setMasterSource(&dtsSaetze_);
        saetze_.first();
        ASSERT_EQ(artikel_.recordCount(), 1);
    }
    EXPECT_EQ(dtsSaetze_.dataSet(), nullptr);
    EXPECT_EQ(artikel_.masterSource(), nullptr);
    EXPECT_EQ(artikel_.masterFields(), "");
    EXPECT_EQ(artikel_.recordCount(), 5);
    EXPECT_FALSE(saetze_.filtered());
    EXPECT_EQ(saetze_.filter(), "");
    EXPECT_EQ(saetze_.recordCount(), 5);
}

} // namespace
