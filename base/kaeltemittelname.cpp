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

} // namespace drel
