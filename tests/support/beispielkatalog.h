// The bundled sample catalogue for tests and benchmarks: its exports copied into a
// program directory and built there, and one such directory per test binary with the
// data module and the property object on it.
#pragma once

#include "db/datamodule.h"
#include "fluid/stoff.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace drel::testing {

// The repository's file at `relativ` ("data/reflibs", ...).
QString quelle(const QString& relativ);

// Copies the sample exports into `programm`/Daten and builds the table files there;
// false when the build failed (its messages are kept from the output).
bool beispielKatalogNeuBauen(const QString& programm);

// The same tables, but copied from the catalogue that ctest built once for the test
// run (the folder DREL_BEISPIELKATALOG names) when there is one: every test process
// would otherwise build it again. Without that folder it builds them.
bool beispielKatalogBauen(const QString& programm);

// Builds the catalogue into `ziel` for beispielKatalogBauen to copy from, afresh.
bool beispielKatalogVorbauen(const QString& ziel);

struct BeispielKatalog {
    QTemporaryDir dir;
    bool gebaut = false;
    std::unique_ptr<db::TDataModule1> dm;
    fluid::TStoff stoff;

    BeispielKatalog();
};

} // namespace drel::testing
