#include "katalogumgebung.h"

#include "base/messagesink.h"
#include "dbbuild/dbneu.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace drel::katalog::test {

namespace {
QTemporaryDir& tempDir() {
    static QTemporaryDir dir;
    return dir;
}
} // namespace

QString KatalogUmgebung::quelle(const QString& relativ) {
    return QStringLiteral(DREL_SOURCE_DIR) + QLatin1Char('/') + relativ;
}

KatalogUmgebung::KatalogUmgebung() : programm_(tempDir().path()) {
    const QString daten = programm_ + QStringLiteral("/Daten");
    QDir().mkpath(daten);
    const QDir exporte(quelle(QStringLiteral("data/Daten")));
    for (const QString& name : exporte.entryList({QStringLiteral("*.xml")}, QDir::Files))
        QFile::copy(exporte.filePath(name), daten + QLatin1Char('/') + name);
    RecordingSink sink;
    ScopedMessageSink scope(&sink);
    gebaut_ = db::DBNeu(daten).dbNeuAufbauen();
    dm_ = std::make_unique<db::TDataModule1>(programm_);
    stoff_.Create(quelle(QStringLiteral("data/reflibs")));
}

KatalogUmgebung& KatalogUmgebung::get() {
    static KatalogUmgebung umgebung;
    return umgebung;
}

const Katalog& KatalogUmgebung::katalog() {
    if (!katalog_)
        katalog_ = std::make_unique<Katalog>(katalogErstellen(stoff_));
    return *katalog_;
}

void oeffnen(db::Cursor& c) {
    if (!c.active())
        c.open();
}

} // namespace drel::katalog::test
