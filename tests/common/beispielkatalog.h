// The bundled sample catalogue built into a temporary program directory once per
// test binary, with the data module and the property object on it.
#pragma once

#include "base/messagesink.h"
#include "db/datamodule.h"
#include "dbbuild/dbneu.h"
#include "fluid/stoff.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace drel::testing {

struct BeispielKatalog {
    QTemporaryDir dir;
    bool gebaut = false;
    std::unique_ptr<db::TDataModule1> dm;
    calc::TStoff stoff;

    BeispielKatalog() {
        const QDir quelle(QStringLiteral(DREL_SOURCE_DIR "/data/Daten"));
        const QString daten = dir.filePath(QStringLiteral("Daten"));
        QDir().mkpath(daten);
        for (const QString& name : quelle.entryList({QStringLiteral("*.xml")}, QDir::Files))
            QFile::copy(quelle.filePath(name), daten + QLatin1Char('/') + name);
        RecordingSink sink;
        ScopedMessageSink scope(&sink);
        gebaut = db::DBNeu(daten).dbNeuAufbauen();
        if (!gebaut)
            return;
        dm = std::make_unique<db::TDataModule1>(dir.path());
        stoff.Create(QStringLiteral(DREL_SOURCE_DIR "/data/reflibs"));
    }
};

} // namespace drel::testing
