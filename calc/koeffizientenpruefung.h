// The check of the rating coefficients after a database build: every capacity record
// is rated on a grid over its own application limits, and records whose cooling
// capacity, drive power or current turn negative or non-finite there, or whose
// coefficient of performance Qo/P leaves 0.3..20 (above 20 only where it also beats the
// Carnot value), are reported with the region.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace drel::db {
class TDataModule1;
}

namespace drel::calc {

// The quantity that failed at a grid point.
enum class PruefGroesse { Kaelteleistung, Antriebsleistung, Strom, Leistungszahl };

struct KoeffizientenBefund {
    QString artikel;      // type designation (Bezeichnung1)
    QString kaeltemittel; // Ashrae designation
    qint32 leistungsId = 0;
    PruefGroesse groesse = PruefGroesse::Kaelteleistung;
    int punkte = 0;                                            // grid points where it failed
    int punkteGesamt = 0;                                      // grid points inside the limits
    double t0Min = 0.0, t0Max = 0.0, tcMin = 0.0, tcMax = 0.0; // region of those points
    double t0 = 0.0, tc = 0.0, wert = 0.0;                     // the worst point
};

struct KoeffizientenPruefung {
    QString aufbau;      // build id of the checked tables ("" when they carry none)
    int datensaetze = 0; // capacity records checked
    std::vector<KoeffizientenBefund> befunde;
    // File names from the exports (pictures, drawings, logos) that would leave their
    // folder: "table, record, field: name"; the program never opens them.
    QStringList dateinamen;
};

// The file-name fields of the tables in <programmVerzeichnis>/Daten whose value leaves
// its folder, one line each.
QStringList dateinamenPruefen(const QString& programmVerzeichnis);

inline constexpr double kLeistungszahlMin = 0.3;
inline constexpr double kLeistungszahlMax = 20.0;

// The highest plausible Qo/P at a point: 20, or the Carnot value T0 / (tc - t0) where
// that is higher (small lifts, e.g. subcritical CO2 at tc 0 °C, reach 25 and more).
double leistungszahlMax(double t0, double tc);

// Checks every capacity record of the data module's tables at 50 Hz and 1450 1/min on
// a grid of `raster` K over the blue and the dashed polygon (points inside or on
// either). Moves TBArtikel and its detail cursors.
KoeffizientenPruefung koeffizientenPruefen(db::TDataModule1& dm, double raster = 1.0);

// The report: one line per finding (coefficients, then file names), or a line that
// there is none.
QString pruefberichtText(const KoeffizientenPruefung& pruefung);

// Checks the tables in <programmVerzeichnis>/Daten and writes the report to
// Daten/Pruefbericht.txt. Returns the report text; `befunde` gets the number of
// findings, file names included (-1 when the tables could not be read or the file not written,
// reported).
QString pruefberichtErstellen(const QString& programmVerzeichnis, int& befunde);

// The build id that the tables in <programmVerzeichnis>/Daten carry ("" for none).
QString tabellenAufbau(const QString& programmVerzeichnis);
// The build id a report names ("" when it names none).
QString berichtAufbau(const QString& berichtText);

// Every generation of tables gets its check, whichever process made it current (a
// build, the data check that finished a swap from its journal, or a start after a
// process was killed during the check): when Daten/Pruefbericht.txt does not name the
// build id of the tables in place, they are checked and the report is written. True
// when the check ran (`befunde` and `text` as pruefberichtErstellen); false when the
// report is current or the data folder cannot be written (quietly: nothing is built
// there either).
bool pruefberichtAktualisieren(const QString& programmVerzeichnis, int& befunde,
                               QString* text = nullptr);

} // namespace drel::calc
