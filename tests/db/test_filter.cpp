#include "db/filter.h"
#include "tests/support/dbfixture.h"

#include <gtest/gtest.h>

using namespace drel;
using namespace drel::db;
using namespace drel::db::testing;

namespace {

// A few article rows as the browser and the searches filter them.
class FilterTest : public ::testing::Test {
protected:
    FilterTest()
        : table_({"Articles",
                  "Articles.cds",
                  {intField("ID"), intField("Produktgruppe"), textField("Basisartikel", 5),
                   textField("Bezeichnung1"), textField("Baugroesse"), floatField("Hubvolumen"),
                   intField("GhostPointer"), floatField("HubraumCCM")},
                  IndexDef{"ID", {"ID"}}},
                 {
                     {i(1), i(25), s("0"), s("QN4/200-4"), s("QN4"), d(10.5), i(0), d(0)},
                     {i(2), i(25), s(""), s("QN4/250-4"), s("QN4"), d(12.0), i(0), d(0)},
                     {i(3), i(25), Value(), s("QN4/200-4 S"), s("QN4"), d(10.5), i(1), d(0)},
                     {i(4), i(57), s("1"), s("CQN4/200-4 L"), s("CQN4"), d(10.41), i(0), d(0)},
                     {i(5), i(66), s(""), s("WY20/100 K"), s("WY20"), d(0), i(0), d(655.0)},
                     {i(6), i(33), s(""), s("WY20/120 N"), s("WY20"), d(0), i(0), d(655.0)},
                     {i(7), i(51), s(""), s("W2 NH3"), s("W2 NH3"), d(30.0), i(0), d(0)},
                     {i(8), i(25), s("4"), s("QN5/300-4"), s("QN5"), d(10.40), i(0), d(0)},
                 }) {}

    std::vector<int> ids(const QString& text,
                         const NumberSeparators& sep = NumberSeparators::german()) const {
        auto expr = parseFilter(text, table_, sep);
        std::vector<int> result;
        for (const Row& row : table_.rows())
            if (filterAccepts(*expr, row))
                result.push_back(std::get<qint32>(row[0]));
        return result;
    }

    Table table_;
};

using V = std::vector<int>;

} // namespace

TEST_F(FilterTest, GroupAndSizeFiltersOfTheBrowser) {
    EXPECT_EQ(ids("ProduktGruppe = 25"), (V{1, 2, 3, 8}));
    EXPECT_EQ(ids("(ProduktGruppe = 25) and Baugroesse = 'QN4'"), (V{1, 2, 3}));
    // NH3 sizes keep their blank.
    EXPECT_EQ(ids("(ProduktGruppe = 51) and Baugroesse = 'W2 NH3'"), (V{7}));
}

TEST_F(FilterTest, DesignationRangeWithSweptVolumeInGermanNotation) {
    EXPECT_EQ(ids("Bezeichnung1 >= 'QN4' and Bezeichnung1 < 'QN4ZZZ' and GhostPointer = 0 and "
                  "Hubvolumen >= 10,41 and Hubvolumen <= 10,5 and (Produktgruppe = 25)"),
              (V{1}));
    EXPECT_EQ(ids("Bezeichnung1 = 'QN4/250-4' and GhostPointer = 0"), (V{2}));
    // Group 66 also opens the articles of group 33.
    EXPECT_EQ(ids("Bezeichnung1 >= 'WY20' and Bezeichnung1 < 'WY20ZZZ' and GhostPointer = 0 and "
                  "HubraumCCM >= 654,91 and HubraumCCM <= 655 and (Produktgruppe = 66 or "
                  "Produktgruppe = 33)"),
              (V{5, 6}));
}

TEST_F(FilterTest, NumbersWithEitherSeparator) {
    EXPECT_EQ(ids("Hubvolumen >= 10.41 and Hubvolumen <= 10.5"), (V{1, 3, 4}));
    EXPECT_EQ(ids("Hubvolumen >= 10.41 and Hubvolumen <= 10.5", NumberSeparators::english()),
              (V{1, 3, 4}));
    EXPECT_EQ(ids("Hubvolumen > -1,5E1 and Hubvolumen < 1e1"), (V{5, 6}));
}

TEST_F(FilterTest, BaseArticleFiltersTreatNullAsEmptyText) {
    EXPECT_EQ(ids("Basisartikel <> '' and BasisArtikel <> '0'"), (V{4, 8}));
    EXPECT_EQ(ids("BasisArtikel <> '0' and BasisArtikel <> ''"), (V{4, 8}));
    EXPECT_EQ(ids("Basisartikel <> ''"), (V{1, 4, 8}));
    EXPECT_EQ(ids("Basisartikel is null"), (V{2, 3, 5, 6, 7}));
}

TEST_F(FilterTest, LogicPrecedenceAndNot) {
    // "and" binds tighter than "or".
    EXPECT_EQ(ids("Produktgruppe = 66 or Produktgruppe = 25 and GhostPointer = 1"), (V{3, 5}));
    EXPECT_EQ(ids("(Produktgruppe = 66 or Produktgruppe = 25) and GhostPointer = 1"), (V{3}));
    EXPECT_EQ(ids("not (Produktgruppe = 25) and not Produktgruppe = 66"), (V{4, 6, 7}));
    EXPECT_EQ(ids("ID <> 1 AND ID <= 3 OR ID > 7"), (V{2, 3, 8}));
}

TEST_F(FilterTest, TextComparisonIsCaseSensitiveAndQuotesDouble) {
    EXPECT_TRUE(ids("Baugroesse = 'qn4'").empty());
    EXPECT_EQ(ids("Bezeichnung1 = \"W2 NH3\""), (V{7}));
    Table quoted({"T", "T.cds", {intField("ID"), textField("Name")}, std::nullopt},
                 {{i(1), s("O'Neil")}, {i(2), s("x")}});
    auto expr = parseFilter("Name = 'O''Neil'", quoted, NumberSeparators::german());
    EXPECT_TRUE(filterAccepts(*expr, quoted.rows()[0]));
    EXPECT_FALSE(filterAccepts(*expr, quoted.rows()[1]));
}

TEST_F(FilterTest, ErrorsNameTheProblem) {
    auto message = [&](const char* text) {
        try {
            parseFilter(text, table_, NumberSeparators::german());
        } catch (const DbError& e) {
            return e.message();
        }
        return QString("no error");
    };
    EXPECT_TRUE(message("Gruppe = 25").contains("Gruppe"));
    EXPECT_TRUE(message("ID = 'offen").contains("unterminated"));
    EXPECT_TRUE(message("(ID = 1").contains("')'"));
    EXPECT_TRUE(message("ID = 1 ID").contains("unexpected"));
    EXPECT_TRUE(message("ID = ").contains("unexpected end"));
    EXPECT_TRUE(message("ID # 1").contains("#"));
    const QString deep = QString(5000, '(') + "ID = 1" + QString(5000, ')');
    EXPECT_TRUE(message(qPrintable(deep)).contains("nested"));
    const QString fine = QString(50, '(') + "ID = 1" + QString(50, ')');
    EXPECT_EQ(ids(fine), (V{1}));
    // A long chain is as deep a tree as a deep nesting: 10000 operators are the bound.
    QString kette = "ID = 1";
    for (int k = 0; k < 10000; ++k)
        kette += k % 2 ? " or ID = 1" : " and ID = 1";
    EXPECT_EQ(ids(kette), (V{1}));
    EXPECT_TRUE(message(qPrintable(kette + " or ID = 1")).contains("too many terms"));
}
