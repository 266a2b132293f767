// Generates a synthetic set of the 24 XML exports for load tests of the database
// build: articles, capacity records and technical values in chosen numbers.
#pragma once

#include <QString>

namespace drel::tools {

struct ExportUmfang {
    int artikel = 5000;
    int leistungen = 20000; // capacity records
    int technischeWerte = 100000;
};

// Writes the 24 exports into `datenVerzeichnis` (created when missing); false when a
// file cannot be written.
bool exportsErzeugen(const QString& datenVerzeichnis, const ExportUmfang& umfang);

} // namespace drel::tools
