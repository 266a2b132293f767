#include "sheet/pages/htmlzutext.h"

namespace drel::sheet {
namespace {

// Removes every tag that begins with `anfang` up to its closing ">"; a tag without
// one loses six characters from its start.
void tagsEntfernen(QString& s, QLatin1StringView anfang) {
    qsizetype pos = s.indexOf(anfang, 0, Qt::CaseInsensitive);
    while (pos >= 0) {
        const qsizetype ende = s.indexOf(QLatin1Char('>'), pos);
        s.remove(pos, ende >= 0 ? ende - pos + 1 : 6);
        pos = s.indexOf(anfang, 0, Qt::CaseInsensitive);
    }
}

void ersetzen(QString& s, QLatin1StringView alt, const QString& neu) {
    s.replace(alt, neu, Qt::CaseInsensitive);
}

} // namespace

QString HtmlZuText(const QString& text, const QString& sprachCode) {
    const QString zeilenumbruch = QStringLiteral("\r\n");
    QString s = text;
    tagsEntfernen(s, QLatin1StringView("<P "));
    tagsEntfernen(s, QLatin1StringView("<FONT"));
    ersetzen(s, QLatin1StringView("</FONT>"), QString());
    ersetzen(s, QLatin1StringView("<BR>"), zeilenumbruch);
    ersetzen(s, QLatin1StringView("</B>"), QString());
    ersetzen(s, QLatin1StringView("<B>"), QString());
    ersetzen(s, QLatin1StringView("<BR />"), zeilenumbruch);
    ersetzen(s, QLatin1StringView("<\\N>"), QStringLiteral("  "));
    ersetzen(s, QLatin1StringView("<P>"), zeilenumbruch);
    ersetzen(s, QLatin1StringView("</P>"), QString());
    ersetzen(s, QLatin1StringView("<STRONG>"), QString());
    ersetzen(s, QLatin1StringView("</STRONG>"), QString());
    ersetzen(s, QLatin1StringView("\"\""), QString());
    if (sprachCode.compare(QLatin1StringView("Ru"), Qt::CaseInsensitive) == 0) {
        ersetzen(s, QLatin1StringView("?/min"), QStringLiteral("\u00B9"));
        ersetzen(s, QLatin1StringView("m?/h"), QStringLiteral("\u00B3"));
    }
    // A line feed counts only as part of a carriage return + line feed pair.
    QString ergebnis;
    ergebnis.reserve(s.size());
    for (qsizetype k = 0; k < s.size(); ++k) {
        if (s[k] == QLatin1Char('\n') && (k == 0 || s[k - 1] != QLatin1Char('\r')))
            continue;
        ergebnis += s[k];
    }
    return ergebnis;
}

} // namespace drel::sheet
