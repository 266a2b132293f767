#include "base/directories.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace drel {

Verzeichnisse& verzeichnisse() {
    static Verzeichnisse dirs;
    return dirs;
}

QString pfad(const QString& verzeichnis, const QString& relativ) {
    QString rel = relativ;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    QString dir = verzeichnis;
    while (dir.endsWith(QLatin1Char('/')) && dir.size() > 1)
        dir.chop(1);
    if (dir.isEmpty())
        return QLatin1Char('/') + rel;
    if (dir == QLatin1String("/"))
        return dir + rel;
    return dir + QLatin1Char('/') + rel;
}

bool bleibtImOrdner(const QString& relativ) {
    QString rel = relativ;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList teile = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return std::none_of(teile.begin(), teile.end(),
                        [](const QString& teil) { return teil == QLatin1String(".."); });
}

QString findeDatei(const QString& verzeichnis, const QString& relativ) {
    if (!bleibtImOrdner(relativ))
        return {};
    const QString exact = pfad(verzeichnis, relativ);
    if (QFileInfo::exists(exact))
        return exact;
    QString rel = relativ;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = verzeichnis.isEmpty() ? QStringLiteral("/") : verzeichnis;
    for (const QString& part : parts) {
        const QDir dir(current);
        const QStringList entries =
            dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        QString match;
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty())
            return exact;
        current = pfad(current, match);
    }
    return current;
}

} // namespace drel
