#include "cli/argumente.h"

#include "base/numberformat.h"

#include <QLocale>
#include <cmath>

namespace drel::cli {

std::optional<double> zahlLesen(const QString& text) {
    QString t = text.trimmed();
    t.replace(QChar(0x2212), QLatin1Char('-'));
    // A decimal comma is read as the point; with both signs in the text one of them
    // would be a thousands separator, which a command line does not need.
    if (t.contains(QLatin1Char(',')) && t.contains(QLatin1Char('.')))
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    if (t.isEmpty() || t.contains(QLatin1Char(' ')))
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int> ganzzahlLesen(const QString& text) {
    QString t = text.trimmed();
    t.replace(QChar(0x2212), QLatin1Char('-'));
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

QString bereichPruefen(const QString& option, double wert, double min, double max,
                       const QString& einheit) {
    if (wert >= min && wert <= max)
        return {};
    const NumberSeparators punkt = NumberSeparators::english();
    QString bereich =
        QStringLiteral("%1 bis %2").arg(shortestDecimal(min, punkt), shortestDecimal(max, punkt));
    if (!einheit.isEmpty())
        bereich += QLatin1Char(' ') + einheit;
    return QStringLiteral("%1 %2 liegt ausserhalb des erlaubten Bereichs %3.")
        .arg(option, shortestDecimal(wert, punkt), bereich);
}

bool hilfeGefragt(const QString& argument) {
    return argument == QLatin1String("-h") || argument == QLatin1String("--help") ||
           argument == QLatin1String("help");
}

} // namespace drel::cli
