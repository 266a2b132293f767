#include "sheet/pages/htmlzutext.h"

#include <gtest/gtest.h>

namespace drel::sheet {
namespace {

QString de(const char* text) {
    return HtmlZuText(QString::fromUtf8(text), QStringLiteral("De"));
}

TEST(HtmlZuText, ParagraphTagWithAttributesAndItsEndLeaveTheBareWord) {
    EXPECT_EQ(de("<P class=\"x\" align=left>Wort</P>"), QStringLiteral("Wort"));
    EXPECT_EQ(de("<p style=a>Wort</p>"), QStringLiteral("Wort"));
}

TEST(HtmlZuText, BreakTagsBecomeLineBreaks) {
    EXPECT_EQ(de("eins<br />zwei"), QStringLiteral("eins\r\nzwei"));
    EXPECT_EQ(de("eins<Br>zwei"), QStringLiteral("eins\r\nzwei"));
    EXPECT_EQ(de("eins<P>zwei"), QStringLiteral("eins\r\nzwei"));
}

TEST(HtmlZuText, UnclosedTagLosesSixCharacters) {
    EXPECT_EQ(de("ab<P ohne Ende"), QStringLiteral("abe Ende"));
    EXPECT_EQ(de("<FONTxyz"), QStringLiteral("yz"));
}

TEST(HtmlZuText, FontBoldStrongAndQuotePairsAreRemoved) {
    EXPECT_EQ(de("<font color=red>rot</FONT>"), QStringLiteral("rot"));
    EXPECT_EQ(de("<b>fett</B> <STRONG>stark</strong>"), QStringLiteral("fett stark"));
    EXPECT_EQ(de("a\"\"b \"c"), QStringLiteral("ab \"c"));
    EXPECT_EQ(de("a<\\N>b"), QStringLiteral("a  b"));
}

// "<BR>" is replaced before "<B>" is removed, "<BR />" after: a "<B>" inside either
// break reveals it only for the later one.
TEST(HtmlZuText, ReplacementsRunInTheirOrder) {
    EXPECT_EQ(de("<<B>BR>"), QStringLiteral("<BR>"));
    EXPECT_EQ(de("<<B>BR />"), QStringLiteral("\r\n"));
    // Tag removal first: a "<P " tag that hides a "<FONT" tag is removed whole.
    EXPECT_EQ(de("<P <FONT>x"), QStringLiteral("x"));
}

TEST(HtmlZuText, LoneLineFeedsAreRemoved) {
    EXPECT_EQ(de("a\nb\r\nc"), QStringLiteral("ab\r\nc"));
    EXPECT_EQ(de("\nx"), QStringLiteral("x"));
}

TEST(HtmlZuText, RussianSuperscriptsOnlyForRu) {
    EXPECT_EQ(HtmlZuText(QStringLiteral("1450 ?/min, 12 m?/h"), QStringLiteral("Ru")),
              QStringLiteral("1450 \u00B9, 12 \u00B3"));
    EXPECT_EQ(de("1450 ?/min"), QStringLiteral("1450 ?/min"));
}

} // namespace
} // namespace drel::sheet
