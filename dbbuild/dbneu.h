// Rebuilds the 24 product tables from their XML exports.
//
// The tables are written into a staging folder beside the data folder and replace
// the old files only when all 24 were read and written; a failed build leaves the
// old tables and Stand.dat as they were.
#pragma once

#include "dbbuild/zuordnung.h"
#include "db/tablefile.h"

#include <functional>
#include <memory>

namespace drel::db {

// Called before each table is built: step 1..count and the table file name.
using BauFortschritt = std::function<void(int schritt, int anzahl, const QString& tabellenDatei)>;

class DBNeu {
public:
    explicit DBNeu(QString datenVerzeichnis);
    ~DBNeu();
    DBNeu(const DBNeu&) = delete;
    DBNeu& operator=(const DBNeu&) = delete;

    void setFortschritt(BauFortschritt fortschritt) { fortschritt_ = std::move(fortschritt); }

    // Rebuilds all tables. Reports a failure through the message sink (the parser's
    // message with the export's file name and position) and returns false; the
    // previous tables then stay in place.
    bool dbNeuAufbauen();

    // One step, for a table file at any path: create the empty table of the mapping,
    // then fill it from the export. Both throw DbError.
    void dbsErstellen(const QString& tabellenPfad, const BauSchritt& schritt);
    void dbDatenUebergeben(const QString& xmlPfad, const BauSchritt& schritt);

    // Folders used beside the data folder while building and replacing.
    QString stagingVerzeichnis() const;
    QString sicherungsVerzeichnis() const;

private:
    void alleTabellenBauen(const std::vector<BauSchritt>& schritte);
    void tabellenErsetzen(const std::vector<BauSchritt>& schritte);
    void sicherungZurueckholen() const;
    void abbrechen();

    QString daten_;
    BauFortschritt fortschritt_;
    std::unique_ptr<TableFileWriter> writer_;
};

} // namespace drel::db
