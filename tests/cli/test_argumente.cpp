// Numbers and ranges as the command line reads them.
#include "cli/argumente.h"

#include <gtest/gtest.h>

namespace drel::cli {
namespace {

TEST(CliNumbers, PointCommaAndBothMinusSigns) {
    EXPECT_EQ(zahlLesen("-10.5"), -10.5);
    EXPECT_EQ(zahlLesen("-10,5"), -10.5);
    EXPECT_EQ(zahlLesen(QString::fromUtf8("\u221210,5")), -10.5);
    EXPECT_EQ(zahlLesen(QString::fromUtf8("\u22124")), -4.0);
    EXPECT_EQ(zahlLesen(" 45 "), 45.0);
    EXPECT_EQ(zahlLesen("0"), 0.0);
}

TEST(CliNumbers, TextsThatAreNoNumber) {
    for (const char* text :
         {"", "-", ",", "1,5.0", "1.000,5", "1 000", "10x", "nan", "inf", "1e999", "--5"})
        EXPECT_FALSE(zahlLesen(QString::fromLatin1(text))) << text;
}

TEST(CliNumbers, WholeNumbers) {
    EXPECT_EQ(ganzzahlLesen("1450"), 1450);
    EXPECT_EQ(ganzzahlLesen(QString::fromUtf8("\u22125")), -5);
    EXPECT_FALSE(ganzzahlLesen("1450,5"));
    EXPECT_FALSE(ganzzahlLesen("x"));
}

TEST(CliRanges, BoundsBelongToTheRange) {
    EXPECT_TRUE(bereichPruefen("--hz", 1.0, 1.0, 100.0, "Hz").isEmpty());
    EXPECT_TRUE(bereichPruefen("--hz", 100.0, 1.0, 100.0, "Hz").isEmpty());
    EXPECT_EQ(bereichPruefen("--hz", 100.5, 1.0, 100.0, "Hz"),
              "--hz 100.5 liegt ausserhalb des erlaubten Bereichs 1 bis 100 Hz.");
    EXPECT_EQ(bereichPruefen("--t0", -273.5, -273.0, 100.0),
              "--t0 -273.5 liegt ausserhalb des erlaubten Bereichs -273 bis 100.");
    EXPECT_FALSE(bereichPruefen("--n", 0.0, 1.0, 10.0).isEmpty());
}

TEST(CliHelp, Switches) {
    for (const char* a : {"-h", "--help", "help"})
        EXPECT_TRUE(hilfeGefragt(a)) << a;
    for (const char* a : {"-help", "--hilfe", "HELP", "h"})
        EXPECT_FALSE(hilfeGefragt(a)) << a;
}

} // namespace
} // namespace drel::cli
