// The performance table as CSV, XLSX and tab-separated text, the proposed name of a
// saved picture, and the tender text as the word processor's temporary file.
#pragma once

#include <QString>
#include <vector>

namespace drel::sheet {

class LeistungsTabelle;
class Ausschreibung;
struct TabellenZelle;

// A grid of cells for the other exports (comparison, batch): row by row.
using ZellenRaster = std::vector<std::vector<TabellenZelle>>;

// How a CSV file writes its fields and numbers: one separator and one decimal mark for
// the whole file, the program language's (German ";" and ",", the others "," and ".").
struct CsvForm {
    QChar trenner = QLatin1Char(';');
    QChar dezimal = QLatin1Char(',');
    static CsvForm fuerSprache(const QString& code);
};

// Header block (article, refrigerant, units, rating basis), an empty line, then the
// grid row by row; text cells without their padding blanks, number cells without
// grouping and with the form's decimal mark. A field holding the separator, a quote or
// a line break is quoted. (The file adds a byte-order mark; see csvDatei.)
QString alsCsv(const LeistungsTabelle& tabelle, const CsvForm& form);
// The CSV as a file's bytes: UTF-8 with a byte-order mark, so that a spreadsheet opens
// it as UTF-8.
inline QString csvDatei(const QString& csv) {
    return QChar(0xFEFF) + csv;
}
// The same with tabs, for the clipboard.
QString alsTabText(const LeistungsTabelle& tabelle);
// One worksheet: the header block, then the grid; cells with a value are numbers.
// False when the file cannot be written, with the reason in `grund` (an earlier file of
// that name then stays as it was).
bool alsXlsx(const LeistungsTabelle& tabelle, const QString& datei, QString* grund = nullptr);
// Any grid: cells with a number as numbers (their shown text with the form's decimal
// mark), text cells quoted where needed; rows end in CR LF.
QString rasterAlsCsv(const ZellenRaster& raster, const CsvForm& form);
// One worksheet of the grid: cells with a number are number cells; the first row bold.
bool rasterAlsXlsx(const ZellenRaster& raster, const QString& datei, QString* grund = nullptr);
// Writes `text` to `datei` (UTF-8) atomically; false when it cannot be written, with
// the reason in `grund` (an earlier file of that name then stays as it was).
bool textSchreiben(const QString& datei, const QString& text, QString* grund = nullptr);

// Bild speichern: the type text with every "/" replaced by "-", "-", the caption of
// the photo ("Photo") or the drawing ("Mass"), ".jpg".
QString bildDateiVorschlag(const QString& typ, bool fotoSeiteAktiv,
                           const QString& beschriftungFoto = QStringLiteral("Photo"),
                           const QString& beschriftungMass = QStringLiteral("Mass"));

// Zu Word: the tender text as RTF in <settings directory>/DrelTmp.Doc, overwriting an
// earlier file. Returns the path, "" when it cannot be written (the window opens it).
QString zuWordDateiSchreiben(const Ausschreibung& text);

} // namespace drel::sheet
