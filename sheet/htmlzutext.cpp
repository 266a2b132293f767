#include "sheet/htmlzutext.h"

namespace drel::sheet {

namespace {

// Removes every tag that begins with `anfang` up to and including the next ">";
// without a ">" six characters from the tag start go.
void tagsEntfernen(QString& text, QLatin1StringView anfang) {
    qsizetype pos = 0;
    while ((pos = text.indexOf(anfang, pos, Qt::CaseInsensitive)) >= 0) {
        const qsizetype ende = text.indexOf(QLatin1Char('>'), pos);
        text.remove(pos, ende < 0 ? 6 : ende - pos + 1);
    }
}

void ersetzen(QString& text, QLatin1StringView alt, const QString& neu) {
    text.replace(alt, neu, Qt::CaseInsensitive);
}

} // namespace

QString HtmlZuText(const QString& eingabe, const QString& sprachCode) {
    const QString zeilenumbruch = QStringLiteral("\r\n");
    QString text = eingabe;
    tagsEntfernen(text, QLatin1StringView("<P "));
    tagsEntfernen(text, QLatin1StringView("<FONT"));
    ersetzen(text, QLatin1StringView("</FONT>"), QString());
    ersetzen(text, QLatin1StringView("<BR>"), zeilenumbruch);
    ersetzen(text, QLatin1StringView("</B>"), QString());
    ersetzen(text, QLatin1StringView("<B>"), QString());
    ersetzen(text, QLatin1StringView("<BR />"), zeilenumbruch);
    ersetzen(text, QLatin1StringView("<\\N>"), QStringLiteral("  "));
    ersetzen(text, QLatin1StringView("<P>"), zeilenumbruch);
    ersetzen(text, QLatin1StringView("</P>"), QString());
    ersetzen(text, QLatin1StringView("<STRONG>"), QString());
    ersetzen(text, QLatin1StringView("</STRONG>"), QString());
    text.remove(QLatin1Char('"'));
    if (sprachCode.compare(QLatin1String("Ru"), Qt::CaseInsensitive) == 0) {
        text.replace(QLatin1String("?/min"), QStringLiteral("\u00B9"));
        text.replace(QLatin1String("m?/h"), QStringLiteral("\u00B3"));
    }
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n') && (i == 0 || text.at(i - 1) != QLatin1Char('\r')))
            continue;
        out.append(text.at(i));
    }
    return out;
}

} // namespace drel::sheet
