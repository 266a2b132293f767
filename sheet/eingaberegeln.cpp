#include "sheet/eingaberegeln.h"

#include "base/kaeltemittelname.h"

namespace drel::sheet {

namespace {

bool zifferEinsBisNeun(QChar c) {
    return c >= QLatin1Char('1') && c <= QLatin1Char('9');
}

qsizetype ersteZiffer(const QString& typ) {
    for (qsizetype i = 0; i < typ.size(); ++i)
        if (zifferEinsBisNeun(typ.at(i)))
            return i;
    return -1;
}

bool xDavor(const QString& typ, qsizetype pos) {
    return pos > 0 && typ.at(pos - 1).toUpper() == QLatin1Char('X');
}

} // namespace

QString typXForm(const QString& typ) {
    const qsizetype pos = ersteZiffer(typ);
    if (pos < 0 || xDavor(typ, pos))
        return typ;
    QString x = typ;
    x.insert(pos, QLatin1Char('X'));
    return x;
}

QString typOhneX(const QString& typ) {
    const qsizetype pos = ersteZiffer(typ);
    if (pos < 0 || !xDavor(typ, pos))
        return typ;
    QString ohne = typ;
    ohne.remove(pos - 1, 1);
    return ohne;
}

bool hatXVorZiffer(const QString& typ) {
    for (qsizetype i = 0; i + 1 < typ.size(); ++i)
        if (typ.at(i) == QLatin1Char('X') && zifferEinsBisNeun(typ.at(i + 1)))
            return true;
    return false;
}

TypTeilung typTeilen(const QString& typText, const QString& kaeltemittel) {
    TypTeilung t{typText, kaeltemittel, false};
    const bool zweistufig = typText.startsWith(QLatin1String("QNT"), Qt::CaseInsensitive) ||
                            typText.startsWith(QLatin1String("WT"), Qt::CaseInsensitive);
    if (typText.size() > 2 && zweistufig) {
        // " -" searched from the end down to the fourth character.
        const qsizetype pos = typText.lastIndexOf(QLatin1String(" -"));
        if (pos >= 3) {
            t.typ = typText.left(pos);
            t.kaeltemittel = typText.mid(pos + 3).trimmed();
            t.geteilt = true;
        }
    }
    if (t.kaeltemittel.contains(QLatin1String("R404A")))
        t.kaeltemittel = kaeltemittelAshrae(t.kaeltemittel);
    return t;
}

QString polCaption(const QString& caption, bool vierPolig) {
    return caption.left(caption.size() - 2) +
           (vierPolig ? QStringLiteral(" 8") : QStringLiteral(" 4"));
}

bool achtPolGrenzeGilt(const QString& kaeltemittel) {
    return kaeltemittel.contains(QLatin1String("R22"), Qt::CaseInsensitive) ||
           kaeltemittel.contains(QLatin1String("R404"), Qt::CaseInsensitive);
}

bool polumschaltbar(const QString& typ) {
    return typ.contains(QLatin1String("4/8")) || typ.contains(QLatin1String("8/4"));
}

} // namespace drel::sheet
