#include "tests/support/beispielkatalog.h"

#include "base/messagesink.h"
#include "dbbuild/dbneu.h"

#include <QDir>
#include <QFile>

namespace drel::testing {

namespace {

const char* const kVorgebaut = "DREL_BEISPIELKATALOG";
const QString kFertig = QStringLiteral("fertig");

// Copies the Daten folder of a catalogue built earlier in this test run; false when
// there is none or it is incomplete. The exports go first, so that the tables are
// not older than the files they were built from.
bool vorgebautKopieren(const QString& programm) {
    const QString quelle = qEnvironmentVariable(kVorgebaut);
    if (quelle.isEmpty() || !QFile::exists(quelle + QLatin1Char('/') + kFertig))
        return false;
    const QDir von(quelle + QStringLiteral("/Daten"));
    const QString daten = programm + QStringLiteral("/Daten");
    QDir().mkpath(daten);
    QStringList dateien = von.entryList({QStringLiteral("*.xml")}, QDir::Files);
    for (const QString& name : von.entryList(QDir::Files))
        if (!dateien.contains(name))
            dateien << name;
    for (const QString& name : dateien) {
        const QString ziel = daten + QLatin1Char('/') + name;
        QFile::remove(ziel);
        if (!QFile::copy(von.filePath(name), ziel))
            return false;
    }
    return true;
}

} // namespace

QString quelle(const QString& relativ) {
    return QStringLiteral(DREL_SOURCE_DIR) + QLatin1Char('/') + relativ;
}

bool beispielKatalogNeuBauen(const QString& programm) {
    const QDir exporte(quelle(QStringLiteral("data/Daten")));
    const QString daten = programm + QStringLiteral("/Daten");
    QDir().mkpath(daten);
    for (const QString& name : exporte.entryList({QStringLiteral("*.xml")}, QDir::Files))
        QFile::copy(exporte.filePath(name), daten + QLatin1Char('/') + name);
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    return dbbuild::DBNeu(daten).dbNeuAufbauen();
}

bool beispielKatalogBauen(const QString& programm) {
    return vorgebautKopieren(programm) || beispielKatalogNeuBauen(programm);
}

bool beispielKatalogVorbauen(const QString& ziel) {
    QDir(ziel).removeRecursively();
    if (!beispielKatalogNeuBauen(ziel))
        return false;
    QFile fertig(ziel + QLatin1Char('/') + kFertig);
    return fertig.open(QIODevice::WriteOnly);
}

BeispielKatalog::BeispielKatalog() {
    gebaut = beispielKatalogBauen(dir.path());
    if (!gebaut)
        return;
    dm = std::make_unique<db::TDataModule1>(dir.path());
    stoff.Create(quelle(QStringLiteral("data/reflibs")));
}

} // namespace drel::testing
