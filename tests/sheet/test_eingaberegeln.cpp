// The text rules of the data sheet's inputs: the type spellings, the split of
// two-stage type texts, the pole caption and the markup conversion.
#include "calc/ausgabewerte.h"
#include "sheet/eingaberegeln.h"
#include "sheet/pages/htmlzutext.h"

#include <gtest/gtest.h>

namespace drel::sheet {
namespace {

TEST(TypFormen, XIsInsertedBeforeTheFirstDigitOnce) {
    EXPECT_EQ(typXForm(QStringLiteral("QN2-22")), QStringLiteral("QNX2-22"));
    EXPECT_EQ(typXForm(QStringLiteral("QNX2-22")), QStringLiteral("QNX2-22"));
    // 0 is no frame-size digit.
    EXPECT_EQ(typXForm(QStringLiteral("W04")), QStringLiteral("W0X4"));
    EXPECT_EQ(typXForm(QStringLiteral("WY")), QStringLiteral("WY"));
    EXPECT_EQ(typOhneX(QStringLiteral("QNX2-22")), QStringLiteral("QN2-22"));
    EXPECT_EQ(typOhneX(QStringLiteral("QN2-22 X")), QStringLiteral("QN2-22 X"));
}

TEST(TypFormen, XBeforeADigitOneToNineOnly) {
    EXPECT_TRUE(hatXVorZiffer(QStringLiteral("QNX1-11")));
    EXPECT_TRUE(hatXVorZiffer(QStringLiteral("QNX9")));
    EXPECT_FALSE(hatXVorZiffer(QStringLiteral("QNX0")));
    EXPECT_FALSE(hatXVorZiffer(QStringLiteral("QNx2-22")));
    EXPECT_FALSE(hatXVorZiffer(QStringLiteral("QN2-22X")));
}

TEST(TypTeilen, TwoStageTextsAreSplitAtTheLastDash) {
    const TypTeilung t =
        typTeilen(QStringLiteral("QNT4-70 2ST - R404A, R507"), QStringLiteral("R22"));
    EXPECT_TRUE(t.geteilt);
    EXPECT_EQ(t.typ, QStringLiteral("QNT4-70 2ST"));
    EXPECT_EQ(t.kaeltemittel, QStringLiteral("R404A"));
    // Other series keep their text; R404A blends are looked up as R404A.
    const TypTeilung q = typTeilen(QStringLiteral("QN4 - R22"), QStringLiteral("R404A, R507"));
    EXPECT_FALSE(q.geteilt);
    EXPECT_EQ(q.kaeltemittel, QStringLiteral("R404A"));
    // " -" must lie at the fourth character or later.
    EXPECT_FALSE(typTeilen(QStringLiteral("WT - R22"), QString()).geteilt);
    EXPECT_TRUE(typTeilen(QStringLiteral("WT1 - R22"), QString()).geteilt);
}

TEST(PolCaption, NamesTheStateTheButtonSwitchesTo) {
    const QString c = QStringLiteral("&Umschaltung Polpaarzahl 4");
    EXPECT_EQ(polCaption(c, true), QStringLiteral("&Umschaltung Polpaarzahl 8"));
    EXPECT_EQ(polCaption(c, false), c);
}

TEST(AchtPolig, LimitAppliesToR22AndR404Only) {
    EXPECT_TRUE(achtPolGrenzeGilt(QStringLiteral("R404A, R507")));
    EXPECT_TRUE(achtPolGrenzeGilt(QStringLiteral("r22")));
    EXPECT_FALSE(achtPolGrenzeGilt(QStringLiteral("R134a")));
    EXPECT_NEAR(1.0 / calc::kAchtPolFaktor, 0.51, 1e-9);
}

TEST(HtmlZuText, TagsGoLineBreaksBecomeCrLf) {
    EXPECT_EQ(HtmlZuText(QStringLiteral("<P align=\"x\">a<BR>b<br />c</p>")),
              QStringLiteral("a\r\nb\r\nc"));
    EXPECT_EQ(HtmlZuText(QStringLiteral("<font color=red>400V</FONT> <b>Y</B>")),
              QStringLiteral("400V Y"));
    // An unclosed tag loses six characters; stray line feeds are dropped.
    EXPECT_EQ(HtmlZuText(QStringLiteral("a<FONT xyz")), QStringLiteral("axyz"));
    EXPECT_EQ(HtmlZuText(QStringLiteral("a\nb\r\nc")), QStringLiteral("ab\r\nc"));
    EXPECT_EQ(HtmlZuText(QStringLiteral("1<\\N>2<P>3")), QStringLiteral("1  2\r\n3"));
    EXPECT_EQ(HtmlZuText(QStringLiteral("1450 ?/min"), QStringLiteral("Ru")),
              QStringLiteral("1450 \u00B9"));
}

} // namespace
} // namespace drel::sheet
