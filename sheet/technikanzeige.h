// What the sheet model's two halves share in showing numbers: the dash of a value that
// cannot be computed and the number patterns of the outputs.
#pragma once

#include "base/numberformat.h"

#include <QString>
#include <QStringView>
#include <cmath>
#include <limits>

namespace drel::sheet::anzeige {

inline const QString kStrich = QStringLiteral("-");
inline const QString kStromStrich = QStringLiteral("   -   ");

// A value that cannot be computed is shown as "-", never as 0.
inline QString zeigen(QStringView muster, double wert) {
    return std::isfinite(wert) ? formatFloat(muster, wert) : kStrich;
}

// The value of a shown text, thousands separators ignored; NaN when it is none.
inline double angezeigterWert(const QString& text) {
    QString t = text.trimmed();
    t.remove(numberSeparators().thousands);
    double v = 0.0;
    return parseFloat(t, v) ? v : std::numeric_limits<double>::quiet_NaN();
}

inline bool gleichOhneFall(const QString& a, const char* b) {
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

inline constexpr QStringView kMusterLeistung = u"###,###,##0.00";
inline constexpr QStringView kMusterMasse = u"###,###,##0.000";

} // namespace drel::sheet::anzeige
