#include "db/cursor.h"
#include "tests/support/dbfixture.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <gtest/gtest.h>

using namespace drel::db;
using namespace drel::db::testing;

namespace {

TableDef allTypes() {
    return {"AllTypes",
            "AllTypes.cds",
            {intField("ID"),
             floatField("Wert"),
             textField("Name", 5),
             {"Lang", FieldType::LongText, kLongTextSize},
             boolField("Aktiv"),
             {"Am", FieldType::Timestamp, 0}},
            IndexDef{"ID", {"ID"}}};
}

} // namespace

TEST(TableFile, RoundTripOfEveryTypeAndNull) {
    QTemporaryDir dir;
    const QDateTime when(QDate(2006, 5, 31), QTime(14, 7, 9));
    const QString path =
        writeTable(dir, allTypes(),
                   {{i(1), d(-0.125), s("Äöü€"), s("lang\ntext"), Value(true), Value(when)},
                    {i(-7), Value(), Value(), Value(), Value(false), Value()}});
    const TablePtr t = loadTableFile(path);
    ASSERT_EQ(t->rowCount(), 2);
    ASSERT_EQ(t->fieldCount(), 6);
    EXPECT_EQ(t->def().name, "AllTypes");
    EXPECT_EQ(t->def().fields[2].size, 5);
    EXPECT_EQ(t->def().fields[3].type, FieldType::LongText);
    ASSERT_TRUE(t->def().index);
    EXPECT_EQ(t->def().index->fields, QStringList{"ID"});
    const Row& r0 = t->rows()[0];
    EXPECT_EQ(std::get<qint32>(r0[0]), 1);
    EXPECT_EQ(std::get<double>(r0[1]), -0.125);
    EXPECT_EQ(std::get<QString>(r0[2]), QString::fromUtf8("Äöü€"));
    EXPECT_EQ(std::get<QString>(r0[3]), "lang\ntext");
    EXPECT_TRUE(std::get<bool>(r0[4]));
    EXPECT_EQ(std::get<QDateTime>(r0[5]), when);
    const Row& r1 = t->rows()[1];
    EXPECT_EQ(std::get<qint32>(r1[0]), -7);
    EXPECT_TRUE(isNull(r1[1]));
    EXPECT_TRUE(isNull(r1[2]));
    EXPECT_TRUE(isNull(r1[5]));
}

TEST(TableFile, FieldSizeIsEnforcedInUtf16Units) {
    QTemporaryDir dir;
    TableFileWriter writer(dir.path() + "/x.cds", allTypes());
    // Five code units fit, six do not; a character outside the BMP counts twice.
    EXPECT_NO_THROW(writer.insert({i(1), d(0), s("12345"), Value(), Value(), Value()}));
    EXPECT_THROW(writer.insert({i(2), d(0), s("123456"), Value(), Value(), Value()}), DbError);
    EXPECT_THROW(writer.insert({i(3), d(0), s("1234\xF0\x9F\x98\x80"), Value(), Value(), Value()}),
                 DbError);
}

TEST(TableFile, WrongTypeOrRowLengthIsRefused) {
    QTemporaryDir dir;
    TableFileWriter writer(dir.path() + "/x.cds", allTypes());
    EXPECT_THROW(writer.insert({d(1.0), d(0), s("a"), Value(), Value(), Value()}), DbError);
    EXPECT_THROW(writer.insert({i(1), d(0)}), DbError);
}

TEST(TableFile, FitTextCutsWithoutSplittingSurrogates) {
    EXPECT_EQ(fitText("abcdef", 4), "abcd");
    EXPECT_EQ(fitText("ab", 4), "ab");
    const QString emoji = QString::fromUtf8("abc\xF0\x9F\x98\x80");
    EXPECT_EQ(fitText(emoji, 4), "abc");
}

TEST(TableFile, MissingOrForeignFileGivesErrorWithFileName) {
    QTemporaryDir dir;
    try {
        loadTableFile(dir.path() + "/Fehlt.cds");
        FAIL() << "no error";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.message().contains("Fehlt.cds"));
    }
    QFile junk(dir.path() + "/Junk.cds");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a database at all, just some bytes");
    junk.close();
    try {
        loadTableFile(junk.fileName());
        FAIL() << "no error";
    } catch (const DbError& e) {
        // The error carries the file, so that a caller can name the table at fault.
        EXPECT_EQ(e.file(), junk.fileName());
    }
}

namespace {

int openDescriptors() {
    return static_cast<int>(QDir("/proc/self/fd").entryList(QDir::Files | QDir::System).size());
}

} // namespace

TEST(TableFile, WriterThatFailsHalfWayLeavesNoOpenConnection) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/Kaputt.cds";
    TableDef def = allTypes();
    def.index = IndexDef{"Fehlt", {"GibtsNicht"}}; // refused after the file is open
    const int vorher = openDescriptors();
    for (int k = 0; k < 3; ++k)
        EXPECT_THROW(TableFileWriter(path, def), DbError);
    EXPECT_EQ(openDescriptors(), vorher);
    // The same path takes a good table afterwards.
    writeTableFile(path, allTypes(), {{i(1), d(1.0), s("a"), s("b"), true, Value()}});
    EXPECT_EQ(loadTableFile(path)->rowCount(), 1);
}

TEST(Values, ConversionsAsDataSetFields) {
    EXPECT_EQ(toInt(Value()), 0);
    EXPECT_EQ(toInt(Value(QString("17"))), 17);
    EXPECT_EQ(toInt(Value(QString("x"))), 0);
    EXPECT_EQ(toDouble(Value(qint32(3))), 3.0);
    EXPECT_EQ(toString(Value()), "");
    EXPECT_TRUE(toBool(Value(QString("TRUE"))));
    EXPECT_FALSE(toBool(Value()));
}

TEST(Values, SortOrderNullFirstThenValue) {
    EXPECT_LT(compareValues(Value(), Value(qint32(-5))), 0);
    EXPECT_LT(compareValues(Value(qint32(2)), Value(2.5)), 0);
    EXPECT_EQ(compareValues(Value(qint32(2)), Value(2.0)), 0);
    EXPECT_LT(compareValues(Value(QString("abc")), Value(QString("ABD"))), 0);
    EXPECT_NE(compareValues(Value(QString("QN")), Value(QString("qn"))), 0);
    EXPECT_TRUE(valuesEqual(Value(QString("12")), Value(qint32(12))));
    EXPECT_FALSE(valuesEqual(Value(QString("QN")), Value(QString("qn"))));
}

// Field positions are kept per spelling asked for: a name asked through a buffer that
// held another name of the same length before, or in another case or encoding, still
// finds its own field (or none).
TEST(TableFile, FieldLookupByNameStaysRightThroughItsCache) {
    QTemporaryDir dir;
    const TablePtr t = loadTableFile(writeTable(dir, allTypes(), {}));
    QString puffer = QStringLiteral("Wert");
    for (int runde = 0; runde < 3; ++runde) {
        puffer.replace(0, 4, QStringLiteral("Wert"));
        EXPECT_EQ(t->fieldIndex(QStringView(puffer)), 1);
        puffer.replace(0, 4, QStringLiteral("Name"));
        EXPECT_EQ(t->fieldIndex(QStringView(puffer)), 2);
        puffer.replace(0, 4, QStringLiteral("LANG"));
        EXPECT_EQ(t->fieldIndex(QStringView(puffer)), 3);
        puffer.replace(0, 4, QStringLiteral("Nein"));
        EXPECT_EQ(t->fieldIndex(QStringView(puffer)), -1);
        EXPECT_EQ(t->fieldIndex(u"aktiv"), 4);
        EXPECT_EQ(t->fieldIndex(QLatin1StringView("am")), 5);
        EXPECT_EQ(t->fieldIndex("ID"), 0);
        EXPECT_EQ(t->fieldIndex(u""), -1);
    }
}

// A command that rates one article reads only that article's rows of a large table.
TEST(TableFile, SelectionReadsOnlyTheRowsOfItsKeysInFileOrder) {
    QTemporaryDir dir;
    const QString path = writeTable(dir, allTypes(),
                                    {{i(5), d(1), s("a"), Value(), Value(), Value()},
                                     {i(2), d(2), s("b"), Value(), Value(), Value()},
                                     {i(5), d(3), s("c"), Value(), Value(), Value()},
                                     {i(9), d(4), s("d"), Value(), Value(), Value()}});
    const TablePtr t = loadTableFile(path, Zeilenauswahl{"id", {9, 5}});
    ASSERT_EQ(t->rowCount(), 3);
    EXPECT_EQ(std::get<QString>(t->rows()[0][2]), "a");
    EXPECT_EQ(std::get<QString>(t->rows()[1][2]), "c");
    EXPECT_EQ(std::get<QString>(t->rows()[2][2]), "d");
    EXPECT_EQ(loadTableFile(path, Zeilenauswahl{"ID", {}})->rowCount(), 0);
    EXPECT_THROW(loadTableFile(path, Zeilenauswahl{"Nummer", {1}}), DbError);

    // The cache applies a selection to the file of that name only, whatever its case.
    TableCache cache;
    cache.setZeilenauswahl("alltypes.CDS", {"ID", {2}});
    Cursor c("C", &cache);
    c.setFileName(path);
    c.open();
    EXPECT_EQ(c.recordCount(), 1);
    const QString andere =
        writeTable(dir, {"Andere", "Andere.cds", {intField("ID")}, {}}, {{i(1)}, {i(2)}});
    EXPECT_EQ(cache.load(andere)->rowCount(), 2);
}
