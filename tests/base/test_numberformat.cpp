#include "base/numberformat.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace drel;

namespace {
const NumberSeparators de = NumberSeparators::german();
const NumberSeparators en = NumberSeparators::english();
} // namespace

TEST(FormatFloat, PatternsWithGermanSeparators) {
    EXPECT_EQ(formatFloat(u"###,###,##0.00", 1234567.891, de), "1.234.567,89");
    EXPECT_EQ(formatFloat(u"###,###,##0.00", 0.5, de), "0,50");
    EXPECT_EQ(formatFloat(u"###,###,##0.0", 10.5, de), "10,5");
    EXPECT_EQ(formatFloat(u"###,###,##0", 999.6, de), "1.000");
    EXPECT_EQ(formatFloat(u"0.00", 3.14159, de), "3,14");
    EXPECT_EQ(formatFloat(u"0", -2.6, de), "-3");
    EXPECT_EQ(formatFloat(u"########0.##", 12.5, de), "12,5");
    EXPECT_EQ(formatFloat(u"########0.##", 12.0, de), "12");
    EXPECT_EQ(formatFloat(u"########0.##", 12.3456, de), "12,35");
    EXPECT_EQ(formatFloat(u"########0", 1234567.0, de), "1234567");
}

TEST(FormatFloat, NegativeValuesAndZero) {
    EXPECT_EQ(formatFloat(u"###,###,##0.00", -1234.5, de), "-1.234,50");
    // A value that rounds to zero shows no sign.
    EXPECT_EQ(formatFloat(u"0.00", -0.001, de), "0,00");
    EXPECT_EQ(formatFloat(u"0.0", -0.0, de), "0,0");
}

TEST(FormatFloat, HalvesGoAwayFromZeroOnTheDecimalValue) {
    EXPECT_EQ(formatFloat(u"0", 2.5, en), "3");
    EXPECT_EQ(formatFloat(u"0", -2.5, en), "-3");
    EXPECT_EQ(formatFloat(u"0", 3.5, en), "4");
    EXPECT_EQ(formatFloat(u"0.00", 0.125, en), "0.13"); // 0.125 is exact
    EXPECT_EQ(formatFloat(u"0.00", 0.375, en), "0.38");
    EXPECT_EQ(formatFloat(u"0.#", 0.25, de), "0,3");
    // A decimal half decides, although the double lies a hair below it: 1.005, 10.975
    // and 9.995 are all stored below their half and still round up, as by hand.
    EXPECT_EQ(formatFloat(u"0.00", 1.005, en), "1.01");
    EXPECT_EQ(formatFloat(u"0.00", 10.975, en), "10.98");
    EXPECT_EQ(formatFloat(u"###,###,##0.00", 10.975, de), "10,98");
    EXPECT_EQ(formatFloat(u"0.00", 9.125, en), "9.13");
    EXPECT_EQ(formatFloat(u"0.00", 10.974999, en), "10.97");
    EXPECT_EQ(formatFloat(u"0", 2.4999999999, en), "2");
    EXPECT_EQ(formatFloat(u"0", std::nextafter(2.5, 0.0), en), "2");
    // The carry runs through every nine and across the point.
    EXPECT_EQ(formatFloat(u"###,###,##0", 999999.5, de), "1.000.000");
    EXPECT_EQ(formatFloat(u"0.00", 9.995, en), "10.00");
    // A sum of shown values keeps its decimal half: 0.1 + 0.2 + 0.005 is 0.305 to a hair.
    EXPECT_EQ(formatFloat(u"0.00", 0.305, en), "0.31");
    EXPECT_EQ(formatFloat(u"0", 9.5, en), "10");
    // A half that rounds away from zero keeps its sign; below half of the last place no sign.
    EXPECT_EQ(formatFloat(u"0.00", -0.125, en), "-0.13");
    EXPECT_EQ(formatFloat(u"0.00", -0.0049, en), "0.00");
}

TEST(RoundShown, GivesTheValueTheDisplayShows) {
    EXPECT_DOUBLE_EQ(roundShown(10.975, 2), 10.98);
    EXPECT_DOUBLE_EQ(roundShown(9.125, 2), 9.13);
    EXPECT_DOUBLE_EQ(roundShown(-2.5, 0), -3.0);
    EXPECT_DOUBLE_EQ(roundShown(-0.004, 2), 0.0);
    EXPECT_DOUBLE_EQ(roundShown(1234.5678, 2), 1234.57);
    EXPECT_TRUE(std::isnan(roundShown(std::numeric_limits<double>::quiet_NaN(), 2)));
    // It agrees with the text in every case, halves included.
    for (int i = -2000; i <= 2000; ++i) {
        const double v = i / 1000.0 + 0.0005;
        EXPECT_EQ(formatFloat(u"0.00", roundShown(v, 2), en), formatFloat(u"0.00", v, en)) << v;
    }
}

TEST(FormatFloat, EnglishSeparatorsAndNonFinite) {
    EXPECT_EQ(formatFloat(u"###,###,##0.00", 1234.5, en), "1,234.50");
    EXPECT_EQ(formatFloat(u"0.00", std::numeric_limits<double>::quiet_NaN(), en), "NAN");
}

TEST(GeneralFormat, FifteenSignificantDigits) {
    EXPECT_EQ(generalFormat(0.1 + 0.2, de), "0,3");
    EXPECT_EQ(generalFormat(45.0, de), "45");
    EXPECT_EQ(generalFormat(-10.0, de), "-10");
    EXPECT_EQ(generalFormat(1.0 / 3.0, en), "0.333333333333333");
    EXPECT_EQ(generalFormat(39234.5, en), "39234.5");
    EXPECT_EQ(generalFormat(0.0001, en), "0.0001");
    EXPECT_EQ(generalFormat(1.5e-7, de), "1,5E-7");
    EXPECT_EQ(generalFormat(1e20, en), "1E20");
    EXPECT_EQ(generalFormat(123456789012345.0, en), "123456789012345");
}

TEST(ShortestDecimal, ReadsBackToTheSameDouble) {
    for (double v : {0.1, 120.0, -273.0, 1.0 / 3.0, 12.375, 1e-9, 6.02e23}) {
        const QString text = shortestDecimal(v, de);
        double back = 0.0;
        ASSERT_TRUE(parseFloat(text, de, back)) << text.toStdString();
        EXPECT_EQ(back, v) << text.toStdString();
    }
    EXPECT_EQ(shortestDecimal(120.0, de), "120");
    EXPECT_EQ(shortestDecimal(0.1, de), "0,1");
}

TEST(RoundHalfEven, Decimals) {
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_DOUBLE_EQ(roundHalfEven(12.125, 2), 12.12);
    EXPECT_DOUBLE_EQ(roundHalfEven(12.375, 2), 12.38);
    EXPECT_DOUBLE_EQ(roundHalfEven(1.23456, 3), 1.235);
}

TEST(ParseFloat, FullTextWithLocaleSeparator) {
    double v = 99.0;
    EXPECT_TRUE(parseFloat(u" -10,5 ", de, v));
    EXPECT_EQ(v, -10.5);
    EXPECT_TRUE(parseFloat(u"1e3", de, v));
    EXPECT_EQ(v, 1000.0);
    v = 7.0;
    EXPECT_FALSE(parseFloat(u"10.5", de, v)); // "." is no decimal separator in German
    EXPECT_FALSE(parseFloat(u"1,2,3", de, v));
    EXPECT_FALSE(parseFloat(u"abc", de, v));
    EXPECT_FALSE(parseFloat(u"", de, v));
    EXPECT_FALSE(parseFloat(u"12kW", de, v));
    EXPECT_EQ(v, 7.0); // untouched on failure
}

TEST(ParseFloat, TextThatIsNoNumberCountsAsZero) {
    setNumberSeparators(de);
    EXPECT_EQ(floatOrZero(u"x"), 0.0);
    EXPECT_EQ(floatOrZero(u"2,5"), 2.5);
    int i = 0;
    EXPECT_TRUE(parseInt(u" 42 ", i));
    EXPECT_EQ(i, 42);
    EXPECT_FALSE(parseInt(u"4.2", i));
}
