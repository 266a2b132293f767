#include "db/cursor.h"
#include "db/tablefile.h"
#include "tests/support/dbfixture.h"

#include <gtest/gtest.h>

using namespace drel::db;
using namespace drel::db::testing;

namespace {

TableDef articlesDef() {
    return {"Articles",
            "Articles.cds",
            {intField("ID"), intField("Produktgruppe"), textField("Basisartikel", 5),
             textField("Bezeichnung1"), textField("Baugroesse"), floatField("Hubvolumen")},
            IndexDef{"ID", {"ID"}}};
}

TableDef capacityDef() {
    return {"CapacityData",
            "CapacityData.cds",
            {intField("ID"), intField("ArtikelID"), intField("KaeltemittelID"),
             floatField("Kaelteleistung1")},
            IndexDef{"ID", {"ID"}}};
}

TableDef refrigerantsDef() {
    return {"Refrigerants",
            "Refrigerants.cds",
            {intField("ID"), textField("Ashrae")},
            IndexDef{"ID", {"ID"}}};
}

class CursorTest : public ::testing::Test {
protected:
    void SetUp() override {
        articles_ = writeTable(dir_, articlesDef(),
                               {
                                   {i(30), i(25), s("0"), s("QN5/300-4"), s("QN5"), d(30.0)},
                                   {i(10), i(25), s("0"), s("QN4/200-4"), s("qn4"), d(20.0)},
                                   {i(20), i(25), s("0"), s("QN4/100-4"), s("QN4"), d(10.0)},
                                   {i(40), i(57), s("20"), s("CQN4/100-4 L"), s("CQN4"), d(10.0)},
                                   {i(50), i(57), s("30"), s("CQN5/300-4 L"), s("CQN5"), d(30.0)},
                               });
        capacity_ = writeTable(dir_, capacityDef(),
                               {
                                   {i(1), i(10), i(2), d(11.0)},
                                   {i(2), i(20), i(1), d(5.0)},
                                   {i(3), i(10), i(1), d(10.0)},
                                   {i(4), i(30), i(3), d(33.0)},
                                   {i(5), i(10), i(3), d(12.0)},
                               });
        refrigerants_ = writeTable(dir_, refrigerantsDef(),
                                   {{i(1), s("R134a")}, {i(2), s("R404A")}, {i(3), s("R22")}});
    }

    static std::vector<int> column(Cursor& c, const char* field) {
        std::vector<int> out;
        for (c.first(); !c.eof(); c.next())
            out.push_back(c.asInteger(QString::fromLatin1(field)));
        return out;
    }

    QTemporaryDir dir_;
    // TBLeistung as detail of the article source, TBKMittelS as detail of TBLeistung's.
    void leistungKette(Cursor& leistung, DataSource& artikelQuelle, Cursor& km,
                       DataSource& leistungQuelle) const {
        leistung.setFileName(capacity_);
        leistung.setIndexFieldNames("ArtikelID");
        leistung.setMasterSource(&artikelQuelle);
        leistung.setMasterFields("ID");
        km.setFileName(refrigerants_);
        km.setIndexFieldNames("ID");
        km.setMasterSource(&leistungQuelle);
        km.setMasterFields("KaeltemittelID");
    }
    // The whole chain from the articles (ordered by ID) down, opened.
    void ketteOeffnen(Cursor& artikel, DataSource& artikelQuelle, Cursor& leistung,
                      DataSource& leistungQuelle, Cursor& km) const {
        artikel.setFileName(articles_);
        artikel.setIndexFieldNames("ID");
        leistungKette(leistung, artikelQuelle, km, leistungQuelle);
        km.open();
        leistung.open();
        artikel.open();
    }

    QString articles_, capacity_, refrigerants_;
};

using V = std::vector<int>;

} // namespace

TEST_F(CursorTest, IndexOrdersByOneAndSeveralFields) {
    Cursor c("STBArtikel");
    c.setFileName(articles_);
    c.open();
    EXPECT_EQ(column(c, "ID"), (V{30, 10, 20, 40, 50})); // file order without index
    c.setIndexFieldNames("ID");
    EXPECT_EQ(column(c, "ID"), (V{10, 20, 30, 40, 50}));
    // Texts sort without regard to case ("qn4" beside "QN4"), then by the next field.
    c.setIndexFieldNames("Baugroesse;Hubvolumen");
    EXPECT_EQ(column(c, "ID"), (V{40, 50, 20, 10, 30}));
    c.setIndexFieldNames("produktgruppe;HUBVOLUMEN");
    EXPECT_EQ(column(c, "ID"), (V{20, 10, 30, 40, 50}));
    EXPECT_THROW(c.setIndexFieldNames("Groesse"), DbError);
    EXPECT_EQ(c.indexFieldNames(), "produktgruppe;HUBVOLUMEN"); // unchanged after the error
}

TEST_F(CursorTest, NavigationKeepsTheLastRowAtEof) {
    Cursor c("TBArtikel");
    c.setFileName(articles_);
    c.setIndexFieldNames("ID");
    c.open();
    EXPECT_EQ(c.recordCount(), 5);
    EXPECT_TRUE(c.bof());
    c.last();
    EXPECT_EQ(c.asInteger("ID"), 50);
    c.next();
    EXPECT_TRUE(c.eof());
    EXPECT_EQ(c.asInteger("ID"), 50);
    c.prior();
    EXPECT_EQ(c.asInteger("id"), 40);
    c.first();
    c.prior();
    EXPECT_TRUE(c.bof());
    EXPECT_EQ(c.asInteger("ID"), 10);
}

// The rows ahead follow the index order of the view, a detail's view included.
TEST_F(CursorTest, TableRowAheadInViewOrder) {
    Cursor artikel("TBArtikel"), leistung("TBLeistung"), km("TBKMittelS");
    DataSource dtsArtikel("DtsTBArtikel", &artikel), dtsLeistung("DtsLeistung", &leistung);
    artikel.setFileName(articles_);
    artikel.setIndexFieldNames("ID");
    EXPECT_EQ(artikel.tableRowAhead(1), -1) << "closed";
    artikel.open();
    EXPECT_EQ(artikel.tableRowAhead(0), 1); // ID 10 in file row 1
    EXPECT_EQ(artikel.tableRowAhead(2), 0); // ID 30
    EXPECT_EQ(artikel.tableRowAhead(4), 4); // ID 50
    EXPECT_EQ(artikel.tableRowAhead(5), -1);
    artikel.last();
    EXPECT_EQ(artikel.tableRowAhead(1), -1);
    leistungKette(leistung, dtsArtikel, km, dtsLeistung);
    leistung.open();
    artikel.first();
    EXPECT_EQ(leistung.tableRowAhead(2), 4); // capacity IDs 1, 3, 5 of article 10
    EXPECT_EQ(leistung.tableRowAhead(3), -1);
}

TEST_F(CursorTest, FindKeyAndLocate) {
    Cursor c("TBArtikel");
    c.setFileName(articles_);
    c.setIndexFieldNames("ID");
    c.open();
    EXPECT_TRUE(c.findKey({i(30)}));
    EXPECT_EQ(c.asString("Bezeichnung1"), "QN5/300-4");
    EXPECT_FALSE(c.findKey({i(31)}));
    EXPECT_EQ(c.asInteger("ID"), 30); // a failed search does not move
    EXPECT_TRUE(c.locate("Baugroesse", {s("QN4")}, true));
    EXPECT_EQ(c.asInteger("ID"), 10); // "qn4" comes first in ID order
    EXPECT_TRUE(c.locate("Baugroesse", {s("QN4")}));
    EXPECT_EQ(c.asInteger("ID"), 20);
    EXPECT_TRUE(c.locate("Produktgruppe;Hubvolumen", {i(57), d(30.0)}));
    EXPECT_EQ(c.asInteger("ID"), 50);
    c.setIndexFieldNames("Baugroesse;Hubvolumen");
    EXPECT_TRUE(c.findKey({s("QN4"), d(10.0)}));
    EXPECT_EQ(c.asInteger("ID"), 20);
}

TEST_F(CursorTest, FilterSwitchesOnAndOffAndFollowsNewText) {
    Cursor c("STBArtikel");
    c.setFileName(articles_);
    c.setIndexFieldNames("ID");
    c.setFilter("ProduktGruppe = 25");
    c.open();
    EXPECT_EQ(c.recordCount(), 5); // stored but not active
    c.setFiltered(true);
    EXPECT_EQ(column(c, "ID"), (V{10, 20, 30}));
    c.setFilter("(ProduktGruppe = 57) and Baugroesse = 'CQN5'");
    EXPECT_EQ(column(c, "ID"), (V{50}));
    EXPECT_THROW(c.setFilter("Gruppe = 1"), DbError);
    EXPECT_EQ(column(c, "ID"), (V{50})); // the old filter stays
    c.setFiltered(false);
    EXPECT_EQ(c.recordCount(), 5);
    c.setFilterPredicate([](const Cursor& cur, int row) {
        return toDouble(cur.table()->rows()[static_cast<size_t>(row)][5]) > 15.0;
    });
    EXPECT_EQ(column(c, "ID"), (V{10, 30, 50}));
}

TEST_F(CursorTest, DetailFollowsEveryMoveOfTheMasterInCascade) {
    Cursor artikel("TBArtikel"), leistung("TBLeistung"), kmittel("TBKMittelS");
    DataSource dtsArtikel("DtsTBArtikel", &artikel), dtsLeistung("DtsLeistung", &leistung);
    ketteOeffnen(artikel, dtsArtikel, leistung, dtsLeistung, kmittel);

    ASSERT_EQ(artikel.asInteger("ID"), 10);
    EXPECT_EQ(column(leistung, "ID"), (V{1, 3, 5})); // file order within one key
    leistung.first();
    EXPECT_EQ(kmittel.asString("Ashrae"), "R404A");
    leistung.next();
    EXPECT_EQ(kmittel.asString("Ashrae"), "R134a");

    artikel.next(); // ID 20
    EXPECT_EQ(column(leistung, "ID"), (V{2}));
    EXPECT_EQ(kmittel.asString("Ashrae"), "R134a");
    artikel.findKey({i(40)}); // no capacity rows
    EXPECT_TRUE(leistung.isEmpty());
    EXPECT_TRUE(leistung.eof());
    EXPECT_TRUE(leistung.isNull("Kaelteleistung1"));
    EXPECT_TRUE(kmittel.isEmpty()); // the cascade empties the grandchild too
    artikel.locate("Bezeichnung1", {s("QN5/300-4")});
    EXPECT_EQ(leistung.asFloat("KaelteLeistung1"), 33.0);
    EXPECT_EQ(kmittel.asString("ashrae"), "R22");
}

// The refrigerant of each capacity record, looked up by the record's key among the few
// refrigerant keys: a null key and an unknown one find nothing, a key of 0 its row.
TEST_F(CursorTest, SmallDetailFollowsTheKeyOfEveryMasterRow) {
    QFile::remove(capacity_);
    QFile::remove(refrigerants_);
    writeTable(dir_, capacityDef(),
               {{i(1), i(10), i(2), d(1.0)},
                {i(2), i(10), Value{}, d(2.0)},
                {i(3), i(10), i(0), d(3.0)},
                {i(4), i(10), i(9), d(4.0)},
                {i(5), i(10), i(3), d(5.0)},
                {i(6), i(10), i(2), d(6.0)}});
    writeTable(dir_, refrigerantsDef(),
               {{i(3), s("R22")}, {i(0), s("R0")}, {i(2), s("R404A")}, {i(1), s("R134a")}});
    Cursor artikel("TBArtikel"), leistung("TBLeistung"), km("TBKMittelS");
    DataSource dtsArtikel("DtsTBArtikel", &artikel), dtsLeistung("DtsLeistung", &leistung);
    ketteOeffnen(artikel, dtsArtikel, leistung, dtsLeistung, km);
    ASSERT_EQ(artikel.asInteger("ID"), 10);
    QStringList namen;
    for (int runde = 0; runde < 2; ++runde) { // the second time from what was remembered
        namen.clear();
        for (leistung.first(); !leistung.eof(); leistung.next())
            namen << (km.isEmpty() ? QStringLiteral("-") : km.asString("Ashrae"));
        EXPECT_EQ(namen, (QStringList{"R404A", "-", "R0", "-", "R22", "R404A"})) << runde;
    }
    ASSERT_TRUE(leistung.locate("ID", {i(5)}));
    km.last();
    EXPECT_EQ(km.recordCount(), 1);
    EXPECT_EQ(km.asString("Ashrae"), "R22");
}

// Details are brought up to date when they are read, not at each move of their
// master: whatever is read first (a grandchild, a move of the child, a reader through
// a const reference) sees the rows of the master's current row, and a move made as
// the first read is not undone by the next read.
TEST_F(CursorTest, DetailsFollowTheirMasterWhenTheyAreRead) {
    Cursor gruppe("TBGruppe"), artikel("TBArtikel"), leistung("TBLeistung"), km("TBKMittelS");
    DataSource dtsGruppe("DtsGruppe", &gruppe), dtsArtikel("DtsTBArtikel", &artikel),
        dtsLeistung("DtsLeistung", &leistung);
    gruppe.setFileName(articles_);
    gruppe.setIndexFieldNames("ID");
    artikel.setFileName(articles_);
    artikel.setIndexFieldNames("Produktgruppe;ID");
    artikel.setMasterSource(&dtsGruppe);
    artikel.setMasterFields("Produktgruppe");
    leistungKette(leistung, dtsArtikel, km, dtsLeistung);
    for (Cursor* c : {&gruppe, &artikel, &leistung, &km})
        c->open();

    // Group 57: articles 40 and 50, neither with a capacity record.
    ASSERT_TRUE(gruppe.findKey({i(40)}));
    EXPECT_TRUE(leistung.isEmpty());
    // Several moves of the top cursor, nothing read in between; the grandchild is read
    // first. Group 25 starts with article 10.
    gruppe.findKey({i(50)});
    gruppe.findKey({i(20)});
    gruppe.findKey({i(10)});
    EXPECT_EQ(km.asString("Ashrae"), "R404A"); // record 1 of article 10
    EXPECT_EQ(artikel.asInteger("ID"), 10);

    // A move as the first read after the master changed, followed by a read.
    gruppe.findKey({i(40)});
    EXPECT_EQ(artikel.asInteger("ID"), 40);
    gruppe.findKey({i(30)});
    leistung.next();
    EXPECT_EQ(leistung.asInteger("ID"), 3);
    EXPECT_EQ(km.asString("Ashrae"), "R134a");

    // Reading through a const reference; the child moved on its own.
    artikel.next(); // article 20
    const Cursor& nurLesen = km;
    EXPECT_EQ(nurLesen.asString("Ashrae"), "R134a"); // record 2 of article 20
    artikel.next();                                  // article 30
    EXPECT_EQ(nurLesen.asString("Ashrae"), "R22");
    EXPECT_FALSE(nurLesen.eof());
    EXPECT_EQ(leistung.recordCount(), 1);

    // A closed master leaves its detail with all rows, as before.
    artikel.close();
    EXPECT_EQ(column(leistung, "ID"), (V{1, 3, 5, 2, 4}));
}

TEST_F(CursorTest, DataSourceCanBeReassignedAndCalculatedFieldsServeAsMasterFields) {
    Cursor sets("STBArtikel"), artikel("TBArtikel");
    DataSource dtsSets("DtsSTBArtikel"); // no data set yet
    sets.setFileName(articles_);
    sets.setIndexFieldNames("ID");
    sets.addCalculatedField("BasisID", FieldType::Int32, [](const Cursor& c) {
        return Value(c.asString("Basisartikel").toInt());
    });
    artikel.setFileName(articles_);
    artikel.setIndexFieldNames("ID");
    artikel.setMasterSource(&dtsSets);
    artikel.setMasterFields("BasisID");
    sets.setFilter("Basisartikel <> '' and Basisartikel <> '0'");
    sets.setFiltered(true);
    sets.open();
    artikel.open();
    EXPECT_EQ(artikel.recordCount(), 5); // a source without data set links nothing

    dtsSets.setDataSet(&sets);
    EXPECT_EQ(sets.asInteger("ID"), 40);
    EXPECT_EQ(artikel.asInteger("ID"), 20); // the set's base compressor
    sets.next();
    EXPECT_EQ(artikel.asInteger("ID"), 30);
    EXPECT_EQ(artikel.recordCount(), 1);

    artikel.setMasterFields("");
    EXPECT_EQ(artikel.recordCount(), 5);
}

TEST_F(CursorTest, FieldNamesWithoutRegardToCaseAndUnknownNamesFail) {
    Cursor c("TBLeistung");
    c.setFileName(capacity_);
    c.open();
    EXPECT_EQ(c.asFloat("KaelteLeistung1"), 11.0);
    EXPECT_EQ(c.asFloat("KAELTELEISTUNG1"), 11.0);
    EXPECT_TRUE(c.hasField("artikelid"));
    EXPECT_FALSE(c.hasField("Kaelteleistung2"));
    try {
        c.asFloat("Kaelteleistung2");
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("Kaelteleistung2"));
        EXPECT_TRUE(e.message().contains("TBLeistung"));
    }
}

TEST_F(CursorTest, MissingFileLeavesTheCursorClosedAndEmpty) {
    Cursor c("TBMotoren");
    c.setFileName(dir_.path() + "/Motors.cds");
    EXPECT_THROW(c.open(), DbError);
    EXPECT_FALSE(c.active());
    EXPECT_TRUE(c.eof());
    EXPECT_TRUE(c.isNull("Name")); // nothing to show, no crash
    c.next();
    EXPECT_FALSE(c.findKey({i(1)}));
}

TEST_F(CursorTest, CacheSharesRowsAndReloadsChangedFiles) {
    TableCache cache;
    Cursor a("TBArtikel", &cache), b("STBArtikel", &cache);
    a.setFileName(articles_);
    b.setFileName(articles_);
    a.open();
    b.open();
    EXPECT_EQ(a.table().get(), b.table().get());
    a.close();
    b.close();
    QFile::remove(articles_);
    writeTable(dir_, articlesDef(), {{i(1), i(25), s(""), s("N"), s("N"), d(1.0)}});
    QFile(articles_).setFileTime(QDateTime::currentDateTime().addSecs(60),
                                 QFileDevice::FileModificationTime);
    a.open();
    EXPECT_EQ(a.recordCount(), 1);
}

// A table row is found in the index order among the rows of its key: with keys shared by
// several rows, without an index, and not at all where the filter hides it.
TEST_F(CursorTest, GotoTableRowInEveryOrder) {
    Cursor c("TBArtikel");
    c.setFileName(articles_);
    c.open();
    for (const char* index : {"", "ID", "Produktgruppe", "Hubvolumen;Produktgruppe"}) {
        c.setIndexFieldNames(QString::fromLatin1(index));
        for (int row = 0; row < 5; ++row) {
            ASSERT_TRUE(c.gotoTableRow(row)) << index << " row " << row;
            EXPECT_EQ(c.currentTableRow(), row) << index;
        }
        EXPECT_FALSE(c.gotoTableRow(5));
        EXPECT_FALSE(c.gotoTableRow(-1));
    }
    c.setFilter("Produktgruppe = 57");
    c.setFiltered(true);
    c.setIndexFieldNames("Hubvolumen");
    EXPECT_FALSE(c.gotoTableRow(2)) << "ID 20 is filtered out";
    EXPECT_EQ(c.currentTableRow(), 3) << "a failed move leaves the row";
    ASSERT_TRUE(c.gotoTableRow(4));
    EXPECT_EQ(c.asInteger(u"ID"), 50);
}

// The rows of a master key are found alike through the integer column of the index and
// through the values themselves: a null key row belongs to no master, and a float
// master field finds the integer keys of its value.
TEST_F(CursorTest, DetailRowsOfIntegerAndOtherMasterKeys) {
    QTemporaryDir dir;
    const QString mitNull = writeTable(dir, capacityDef(),
                                       {{i(1), Value(), i(1), d(1.0)},
                                        {i(2), i(20), i(1), d(2.0)},
                                        {i(3), i(-5), i(1), d(3.0)},
                                        {i(4), i(20), i(2), d(4.0)},
                                        {i(5), Value(), i(2), d(5.0)}});
    Cursor artikel("TBArtikel"), leistung("TBLeistung");
    DataSource dts("DtsTBArtikel", &artikel);
    artikel.setFileName(articles_);
    artikel.setIndexFieldNames("ID");
    leistung.setFileName(mitNull);
    leistung.setIndexFieldNames("ArtikelID");
    leistung.setMasterSource(&dts);
    leistung.setMasterFields("ID");
    leistung.open();
    artikel.open();
    artikel.findKey({i(20)});
    EXPECT_EQ(column(leistung, "ID"), (V{2, 4}));
    artikel.findKey({i(10)});
    EXPECT_TRUE(leistung.isEmpty());
    leistung.setMasterFields("Hubvolumen"); // ID 10 has 20.0
    EXPECT_EQ(column(leistung, "ID"), (V{2, 4}));
    artikel.findKey({i(20)}); // 10.0
    EXPECT_TRUE(leistung.isEmpty());
}

// A detail remembers the rows it found for each row of its master. What it remembered
// must not outlive a change: the detail reopened on other rows, the master reopened on
// a file whose rows lie in another order, another master cursor over the same key.
TEST_F(CursorTest, DetailRowsFollowAReopenedMasterOrDetail) {
    Cursor artikel("TBArtikel"), andere("STBArtikel"), leistung("TBLeistung");
    DataSource dts("DtsTBArtikel", &artikel), dtsAndere("DtsSTBArtikel", &andere);
    artikel.setFileName(articles_);
    leistung.setFileName(capacity_);
    leistung.setIndexFieldNames("ArtikelID");
    leistung.setMasterSource(&dts);
    leistung.setMasterFields("ID");
    leistung.open();
    artikel.open();
    // The master in file order (no index): 30, 10, 20, 40, 50.
    auto details = [&](Cursor& master) {
        std::vector<V> out;
        for (master.first(); !master.eof(); master.next())
            out.push_back(column(leistung, "ID"));
        return out;
    };
    EXPECT_EQ(details(artikel), (std::vector<V>{{4}, {1, 3, 5}, {2}, {}, {}}));

    leistung.close();
    QFile::remove(capacity_);
    writeTable(
        dir_, capacityDef(),
        {{i(7), i(40), i(1), d(1.0)}, {i(8), i(5), i(1), d(1.0)}, {i(9), i(10), i(2), d(1.0)}});
    leistung.open();
    EXPECT_EQ(details(artikel), (std::vector<V>{{}, {9}, {}, {7}, {}}));

    artikel.close();
    QFile::remove(articles_);
    writeTable(dir_, articlesDef(),
               {{i(40), i(57), s("20"), s("CQN4/100-4 L"), s("CQN4"), d(10.0)},
                {i(5), i(25), s("0"), s("QN2"), s("QN2"), d(2.0)},
                {i(10), i(25), s("0"), s("QN4/200-4"), s("qn4"), d(20.0)}});
    artikel.open();
    EXPECT_EQ(details(artikel), (std::vector<V>{{7}, {8}, {9}}));

    andere.setFileName(articles_);
    andere.setIndexFieldNames("ID"); // 5, 10, 40: the same table in another order
    andere.open();
    leistung.setMasterSource(&dtsAndere);
    EXPECT_EQ(details(andere), (std::vector<V>{{8}, {9}, {7}}));
}

// The numbers of a row as the record readers take them: each cell as toDouble reads
// it (null 0, text parsed, true 1), the same however often and in whatever order the
// rows are asked for.
TEST(TableZahlen, EachCellAsToDoubleReadsIt) {
    QTemporaryDir dir;
    const TableDef def{"Gemischt",
                       "Gemischt.cds",
                       {intField("ID"), floatField("Wert"), textField("Text"), intField("Leer")},
                       IndexDef{"ID", {"ID"}}};
    const std::vector<Row> zeilen = {{i(7), d(-2.5), s("12,5"), Value()},
                                     {i(-3), d(1e300), s("kein"), i(4)}};
    const TablePtr t = loadTableFile(writeTable(dir, def, zeilen));
    ASSERT_EQ(t->rowCount(), 2);
    const double* zweite = t->zahlen(1);
    const double* erste = t->zahlen(0);
    for (int r = 0; r < 2; ++r)
        for (int f = 0; f < t->fieldCount(); ++f)
            EXPECT_EQ(t->zahlen(r)[f],
                      toDouble(t->rows()[static_cast<size_t>(r)][static_cast<size_t>(f)]))
                << r << "/" << f;
    EXPECT_EQ(erste[0], 7.0);
    EXPECT_EQ(erste[3], 0.0);
    EXPECT_EQ(zweite[1], 1e300);
    EXPECT_EQ(t->zahlen(1), zweite) << "a row is converted once";
    EXPECT_EQ(zweite, erste + t->fieldCount()) << "the rows lie one after the other";
}

// A column holds the same numbers as the rows, read either way first, and stays put.
TEST(TableZahlen, ColumnAgreesWithTheRows) {
    QTemporaryDir dir;
    const TableDef def{"Spalten",
                       "Spalten.cds",
                       {intField("ID"), textField("Text"), floatField("Wert")},
                       IndexDef{"ID", {"ID"}}};
    const std::vector<Row> zeilen = {
        {i(1), s("3,25"), d(0.5)}, {i(2), Value(), d(-7.0)}, {i(3), s("x"), Value()}};
    const TablePtr t = loadTableFile(writeTable(dir, def, zeilen));
    const double* wert = t->spalte(2);
    for (int f = 0; f < t->fieldCount(); ++f) {
        const double* spalte = t->spalte(f);
        for (int r = 0; r < t->rowCount(); ++r)
            EXPECT_EQ(spalte[r], t->zahlen(r)[f]) << r << "/" << f;
    }
    EXPECT_EQ(wert[1], -7.0);
    EXPECT_EQ(wert[2], 0.0);
    EXPECT_EQ(t->spalte(2), wert) << "a column is converted once";
}

// A text column reads as toString, and its texts are copies of their own, so that they
// lie together and outlive nothing they point into.
TEST(TableTexte, ColumnReadsAsToStringInCopiesOfItsOwn) {
    QTemporaryDir dir;
    const TableDef def{"Texte",
                       "Texte.cds",
                       {intField("ID"), textField("Name"), floatField("Wert")},
                       IndexDef{"ID", {"ID"}}};
    const std::vector<Row> zeilen = {
        {i(1), s("QN4/200"), d(2.5)}, {i(2), Value(), d(-1.0)}, {i(3), s(" 18 "), Value()}};
    const TablePtr t = loadTableFile(writeTable(dir, def, zeilen));
    for (int f = 0; f < t->fieldCount(); ++f)
        for (int r = 0; r < t->rowCount(); ++r)
            EXPECT_EQ(t->texte(f)[r],
                      toString(t->rows()[static_cast<size_t>(r)][static_cast<size_t>(f)]))
                << r << "/" << f;
    const QString& geladen = std::get<QString>(t->rows()[0][1]);
    EXPECT_NE(t->texte(1)[0].constData(), geladen.constData());
    EXPECT_TRUE(t->texte(1)[1].isEmpty());
    EXPECT_EQ(t->texte(1), t->texte(1)) << "a column is converted once";
}
