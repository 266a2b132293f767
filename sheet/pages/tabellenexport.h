// The performance table as CSV, XLSX and tab-separated text, the proposed name of a
// saved picture, and the tender text as the word processor's temporary file.
#pragma once

#include <QString>

namespace drel::sheet {

class LeistungsTabelle;
class Ausschreibung;

// Header block (article, refrigerant, units, rating basis), an empty line, then the
// grid row by row; cell texts without their padding blanks. Fields are separated by
// ";" (the decimal comma rules out ","); a field holding ";", a quote or a line break
// is quoted.
QString alsCsv(const LeistungsTabelle& tabelle);
// The same with tabs, for the clipboard.
QString alsTabText(const LeistungsTabelle& tabelle);
// One worksheet: the header block, then the grid; cells with a value are numbers.
// False when the file cannot be written, with the reason in `grund` (an earlier file of
// that name then stays as it was).
bool alsXlsx(const LeistungsTabelle& tabelle, const QString& datei, QString* grund = nullptr);
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
