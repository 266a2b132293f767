// Batch rating: a table of operating points (article, refrigerant, t0, tc or air inlet,
// suction gas, subcooling, superheat, frequency or speed), each rated on its own data
// sheet exactly as `drel-cli rate` and the sheet window rate it. A row that cannot be
// read or rated keeps its reason and never stops the rest.
#pragma once

#include "sheet/datenblatt.h"
#include "sheet/pages/tabellenexport.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace drel::sheet {

// One input row as read: 1-based line of the file, the article, the point (the
// program's start values where a column is missing or empty) and a read fault.
struct ReihenPunkt {
    int zeile = 0;
    QString artikel;
    Betriebspunkt punkt;
    bool luft = false; // the row gives the air inlet temperature (condensing unit)
    QString fehler;    // not empty: the row could not be read
};

// A table of points read from CSV (";", "," or tab; decimal comma or point) or from
// the first worksheet of an XLSX file. The first row names the columns (see
// kReihenSpalten); `fehler` says why nothing could be read.
struct ReihenTabelle {
    std::vector<ReihenPunkt> punkte;
    QString fehler;
};

// The column names an input file may use (English first, then German), in any order
// and letter case: article, refrigerant, t0, tc, air, ts, subcooling, superheat, hz, n.
ReihenTabelle reihenAusCsv(const QString& text);
ReihenTabelle reihenAusZellen(const std::vector<QStringList>& zeilen);
// Reads the file by its content: an XLSX workbook (a ZIP archive) or CSV text.
ReihenTabelle reihenLesen(const QString& datei);

// One output row: every value the sheet shows (as shown, unrounded in `genau`), the
// clamping and envelope flags, the margin and the notes, or why it was not rated.
struct ReihenErgebnis {
    ReihenPunkt ein;
    bool gerechnet = false;
    QString grund; // why the row was not rated
    QString typ, kaeltemittel;
    std::vector<AnzeigeWert> werte; // in the order of reihenGroessen()
    QStringList geklemmt;           // inputs the sheet moved ("t0", "tc", ...)
    bool ausserhalb = false;
    int grenzCode = 0;
    QStringList hinweise;
    Betriebspunkt punkt;           // as rated (clamped inputs, tc of the balance)
    chart::GrenzPolygone polygone; // the envelope, °C
};

// The quantities of an output row, in column order.
const std::vector<Groesse>& reihenGroessen();

class Reihenrechnung {
public:
    // Rates on a sheet that only computes; `modus` zeigen draws each row's diagram as
    // the sheet window does (the same values, for comparison).
    Reihenrechnung(db::TDataModule1& dm, fluid::TStoff& stoff, const calc::Einheiten& einheiten,
                   BlattModus modus = BlattModus::nurRechnen);

    // Rates one row on the document's sheet; never throws.
    ReihenErgebnis rechnen(const ReihenPunkt& punkt);
    // Rates an order as it comes from the result list or a sheet; `ein` names the row.
    ReihenErgebnis rechnen(const DatenblattAuftrag& auftrag, const ReihenPunkt& ein);
    // Rates every row; `weiter` is asked after each row (done, total) and stops the
    // batch when it returns false (the rows rated so far are returned).
    std::vector<ReihenErgebnis> alleRechnen(const std::vector<ReihenPunkt>& punkte,
                                            const std::function<bool(int, int)>& weiter = {});

private:
    Datenblatt blatt_;
    // The article each name found (empty: none), by name, refrigerant and mode: a load
    // profile names the same few articles in every row, and the look-up by designation
    // walks the article table.
    QHash<QString, std::optional<DatenblattAuftrag>> auftraege_;
};

// How the heading row and the word cells read: as fixed keys for files that programs
// read (the command line), or in the user's language for the window and what it saves.
enum class ReihenKopf { schluessel, anzeige };

// The output table: a heading row, then one row per result. Numbers as the sheet
// shows them (program number format); a row not rated has its reason.
ZellenRaster reihenZellen(const std::vector<ReihenErgebnis>& ergebnisse,
                          ReihenKopf kopfArt = ReihenKopf::schluessel);
std::vector<QStringList> reihenRaster(const std::vector<ReihenErgebnis>& ergebnisse);
QString reihenAlsCsv(const std::vector<ReihenErgebnis>& ergebnisse, const CsvForm& form);
// One worksheet; values are number cells. False with the reason when it cannot be written.
bool reihenAlsXlsx(const std::vector<ReihenErgebnis>& ergebnisse, const QString& datei,
                   QString* grund = nullptr);

} // namespace drel::sheet
