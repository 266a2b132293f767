// The data check at start: rebuilds the product tables when the capacity export is
// of a later day than the build recorded in Stand.dat.
#pragma once

#include "dbbuild/dbneu.h"

#include <QDateTime>

namespace drel::dbbuild {

// Days since 30 December 1899 with the time of day as fraction (local time).
double oleDatum(const QDateTime& zeit);

// Last-write time of Daten/wukcapacitydata.xml (found without regard to case) as an
// OLE date; 0 when the file cannot be opened.
double exportStempel(const QString& datenVerzeichnis);

// The number in the first line of Stand.dat, read with either decimal separator;
// 0 when the file is missing or holds no number.
double gespeicherterStand(const QString& datenVerzeichnis);

// Writes Stand.dat with one line: the time stamp with up to 15 significant digits
// and the current decimal separator.
bool standSchreiben(const QString& datenVerzeichnis, double stempel);

// The whole-day rule: no build while the recorded number is at least the whole-day
// part of the export's time stamp (a new export of the same day, or none at all,
// builds nothing).
bool neuAufbauNoetig(double stand, double exportZeit);

enum class PruefErgebnis {
    Aktuell,    // nothing to do
    KeinExport, // no capacity export to build from: the tables stay as they are
    Gebaut,     // the tables were rebuilt and Stand.dat rewritten
    Fehler,     // the build failed and was reported; the old tables are kept
};

struct PruefBeobachter {
    std::function<void()> bauBeginnt; // before the first table (show the window)
    BauFortschritt fortschritt;       // before each table
    std::function<void()> gebaut;     // after a successful build, before bauEndet
    std::function<void()> bauEndet;   // after the build, success or not
};

// Runs the data check for <programmVerzeichnis>/Daten; `erzwingen` builds even when
// the tables are up to date. In a data folder that cannot be written the check takes no
// lock: current tables are used without a message, a build that is due is reported as
// impossible (Fehler). Leftovers of killed writes of the build's files are removed.
PruefErgebnis dateienPruefen(const QString& programmVerzeichnis,
                             const PruefBeobachter& beobachter = {}, bool erzwingen = false);

} // namespace drel::dbbuild
