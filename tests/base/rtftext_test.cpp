#include "base/rtftext.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(DREL_TEST_DATA "/app/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

namespace drel {
namespace {

TEST(RtfText, NoteTextBecomesRichText) {
    const QString html = rtfZuHtml(fixture("Info1De.rtf"));
    EXPECT_TRUE(html.contains(QStringLiteral("<b>Hinweise zur Auswahl</b><br>")))
        << html.toStdString();
    EXPECT_TRUE(
        html.contains(QStringLiteral("Die Kälteleistung gilt für 50 Hz €-Preise {netto}<br>")))
        << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("<i>kursiv</i> und <u>unterstrichen</u>.")))
        << html.toStdString();
    // Tables and the generator's name are not shown.
    EXPECT_FALSE(html.contains(QStringLiteral("Arial")));
    EXPECT_FALSE(html.contains(QStringLiteral("Msftedit")));
    EXPECT_FALSE(html.contains(QStringLiteral("red")));
}

TEST(RtfText, MarkupCharactersAreEscaped) {
    EXPECT_EQ(rtfZuHtml("{\\rtf1 a<b & c>d}"), QStringLiteral("a&lt;b &amp; c&gt;d"));
    EXPECT_EQ(rtfZuHtml("Zeile <1>\r\nZeile 2"), QStringLiteral("Zeile &lt;1&gt;<br>Zeile 2"));
}

TEST(RtfText, BrokenInputEndsCleanly) {
    EXPECT_EQ(rtfZuHtml("{\\rtf1 {\\b fett"), QStringLiteral("<b>fett</b>"));
    EXPECT_EQ(rtfZuHtml("{\\rtf1 x}}}\\'"), QStringLiteral("x"));
    EXPECT_EQ(rtfZuHtml("{\\rtf1 \\u"), QString(QChar(0)));
    EXPECT_EQ(rtfZuHtml("{\\rtf1 \\u-3913?x}"), QString(QChar(0xF0B7)) + QLatin1Char('x'));
}

} // namespace
} // namespace drel
