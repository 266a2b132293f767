#include "tests/support/beispielkatalog.h"

#include "base/messagesink.h"
#include "dbbuild/dbneu.h"

#include <QDir>
#include <QFile>

namespace drel::testing {

QString quelle(const QString& relativ) {
    return QStringLiteral(DREL_SOURCE_DIR) + QLatin1Char('/') + relativ;
}

bool beispielKatalogBauen(const QString& programm) {
    const QDir exporte(quelle(QStringLiteral("data/Daten")));
    const QString daten = programm + QStringLiteral("/Daten");
    QDir().mkpath(daten);
    for (const QString& name : exporte.entryList({QStringLiteral("*.xml")}, QDir::Files))
        QFile::copy(exporte.filePath(name), daten + QLatin1Char('/') + name);
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    return dbbuild::DBNeu(daten).dbNeuAufbauen();
}

BeispielKatalog::BeispielKatalog() {
    gebaut = beispielKatalogBauen(dir.path());
    if (!gebaut)
        return;
    dm = std::make_unique<db::TDataModule1>(dir.path());
    stoff.Create(quelle(QStringLiteral("data/reflibs")));
}

} // namespace drel::testing
