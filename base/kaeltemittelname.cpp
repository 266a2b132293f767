#include "base/kaeltemittelname.h"

namespace drel {

QString kaeltemittelListenEintrag(const QString& ashrae) {
    const QString name = ashrae.trimmed();
    const QString gross = name.toUpper();
    if (gross == u"R404A" || gross == r404aListenEintrag().toUpper())
        return r404aListenEintrag();
    return name;
}

QString kaeltemittelAshrae(const QString& listenEintrag) {
    return listenEintrag.section(QLatin1Char(','), 0, 0).trimmed();
}

bool gleichesKaeltemittel(const QString& a, const QString& b) {
    return kaeltemittelListenEintrag(a).compare(kaeltemittelListenEintrag(b),
                                                Qt::CaseInsensitive) == 0;
}

bool zeotropesGemisch(const QString& ashrae) {
    const QString a = kaeltemittelAshrae(ashrae).toUpper();
    // "R4" and two more digits, then the letter of the composition.
    return a.size() >= 5 && a.startsWith(QLatin1String("R4")) && a.at(2).isDigit() &&
           a.at(3).isDigit() && a.at(4).isLetter();
}

} // namespace drel
