// Numbers of the XML exports: how a numeric element text is read, and which values
// each kind of field may plausibly hold.
#pragma once

#include <QString>
#include <optional>

namespace drel::dbbuild {

// Reads a number as exports write it on any machine: an optional sign, digits, at most
// one decimal separator, "." or "," alike ("29.77" and "29,77" are both 29.77), and an
// optional exponent; blanks around it are allowed. Exports never group thousands, so
// a text with two separators ("1.234,5") is no number, and "1,234" is 1.234.
// Words such as "NaN" or "inf" are no numbers; a number too large for a double gives
// infinity, which the range check refuses.
std::optional<double> exportGleitzahl(QStringView text);
// Decimal integer with optional sign that fits 32 bits; nullopt otherwise.
std::optional<qint32> exportGanzzahl(QStringView text);

// The values a numeric field may hold, and whether an export must give it a value
// (an empty or missing element of such a field would later be used as 0).
struct Wertebereich {
    double min = 0.0;
    double max = 0.0;
    bool pflicht = false;
    const char* art = ""; // the field kind, for messages
};

// The range of the float field `feld` (by its name in the table).
const Wertebereich& wertebereichFuer(const QString& feld);

} // namespace drel::dbbuild
