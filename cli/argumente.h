// Reading the command line: numbers as people type them, ranges with their message,
// and the help switches. One place, so every command reads "-10,5" alike.
#pragma once

#include <QString>
#include <optional>

namespace drel::cli {

// A number on the command line: the whole text, "." or "," as decimal separator,
// "-" or the Unicode minus sign (U+2212); finite. Thousands separators are not read.
std::optional<double> zahlLesen(const QString& text);
// The same for a whole number ("1450"; "1450,0" is no whole number text).
std::optional<int> ganzzahlLesen(const QString& text);

// Empty when min <= wert <= max, else the message that names the allowed range:
// "--hz 1000 liegt ausserhalb des erlaubten Bereichs 1 bis 100 Hz."
QString bereichPruefen(const QString& option, double wert, double min, double max,
                       const QString& einheit = QString());

// -h, --help and help ask for the usage text.
bool hilfeGefragt(const QString& argument);

} // namespace drel::cli
