// Rebuilds the 24 product tables from their XML exports.
//
// The tables are written into the staging folder Daten/.drel-neu and replace the old
// files only when all 24 were read, written and flushed to disk. The swap is recorded
// in the journal Daten/.drel-tausch first, so that a process dying halfway leaves a
// swap that the next data check finishes (tabellenTauschAbschliessen) before anything
// reads the tables. A failed build leaves the old tables and Stand.dat as they were.
// Only the data folder is written.
#pragma once

#include "db/tablefile.h"
#include "dbbuild/zuordnung.h"

#include <functional>
#include <memory>
#include <optional>

namespace drel::dbbuild {

class BauSperre;

// Called before each table is built: step 1..count and the table file name.
using BauFortschritt = std::function<void(int schritt, int anzahl, const QString& tabellenDatei)>;

class DBNeu {
public:
    explicit DBNeu(QString datenVerzeichnis);
    ~DBNeu();
    DBNeu(const DBNeu&) = delete;
    DBNeu& operator=(const DBNeu&) = delete;

    void setFortschritt(BauFortschritt fortschritt) { fortschritt_ = std::move(fortschritt); }
    // The time stamp that the swap writes into Stand.dat together with the new tables.
    // Without one, the swap removes Stand.dat, so that the next data check builds again.
    void setStand(double stempel) { stand_ = stempel; }
    // How long dbNeuAufbauen() waits for a running build before it gives up.
    void setSperrWartezeit(int ms) { sperrWartezeit_ = ms; }

    // Rebuilds all tables under the build lock (see BauSperre). Reports a failure
    // through the message sink (the parser's message with the export's file name and
    // position, or "a build is running") and returns false; the previous tables then
    // stay in place.
    bool dbNeuAufbauen();
    // The same for a caller that already holds the lock.
    bool dbNeuAufbauen(const BauSperre& gehalten);

    // One step, for a table file at any path: create the empty table of the mapping,
    // then fill it from the export. Both throw DbError.
    void dbsErstellen(const QString& tabellenPfad, const BauSchritt& schritt);
    void dbDatenUebergeben(const QString& xmlPfad, const BauSchritt& schritt);

    // The staging folder inside the data folder.
    QString stagingVerzeichnis() const;
    // The identity of the last build, stored as "build" in each table's metadata.
    const QString& bauKennung() const { return kennung_; }

private:
    bool aufbauen();
    void alleTabellenBauen(const std::vector<BauSchritt>& schritte);
    void tabellenErsetzen(const std::vector<BauSchritt>& schritte);
    void abbrechen();

    QString daten_;
    QString kennung_;
    BauFortschritt fortschritt_;
    std::optional<double> stand_;
    int sperrWartezeit_ = 3000;
    std::unique_ptr<db::TableFileWriter> writer_;
};

// Finishes a swap that a dead process left behind (its journal exists): moves the
// remaining new tables in, writes or removes Stand.dat as the journal says, and clears
// the staging folder; a staging folder without a journal (a build that died before
// its swap) is removed. Call under the build lock. Throws DbError when a file cannot
// be moved.
void tabellenTauschAbschliessen(const QString& datenVerzeichnis);

// True while a swap is recorded in the journal and not yet finished.
bool tauschOffen(const QString& datenVerzeichnis);

// The files the build writes into the data folder (Stand.dat, the journal, the check
// report), for removing the temporary files that a killed write left of them.
QStringList eigeneDateien();

} // namespace drel::dbbuild
