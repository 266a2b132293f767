// Number texts as the windows and printouts show them: format patterns such as
// "###,###,##0.00", the general number format and the shortest decimal form,
// with the separators of one number format object.
#pragma once

#include <QString>
#include <QStringView>

namespace drel {

struct NumberSeparators {
    QChar decimal = QLatin1Char(',');
    QChar thousands = QLatin1Char('.');

    static NumberSeparators german() { return {QLatin1Char(','), QLatin1Char('.')}; }
    static NumberSeparators english() { return {QLatin1Char('.'), QLatin1Char(',')}; }
    static NumberSeparators fromSystemLocale();
};

// The process-wide separators (taken from the system locale at start; tests pin them).
const NumberSeparators& numberSeparators();
void setNumberSeparators(const NumberSeparators& separators);

// Formats with a pattern of '0' (digit shown), '#' (digit if needed), '.' (decimal point)
// and ',' (thousands grouping when anywhere before the point). Halves go away from zero,
// decided on the decimal value the number stands for (its shortest text): 2.5 -> "3",
// 0.125 -> "0.13", 10.975 -> "10.98", 1.005 -> "1.01"; a result that rounds to zero
// carries no minus sign.
QString formatFloat(QStringView pattern, double value, const NumberSeparators& sep);
QString formatFloat(QStringView pattern, double value);

// Up to 15 significant digits, fixed notation unless the exponent is below -5 or
// above 14 ("1,5E-7", "1E20").
QString generalFormat(double value, const NumberSeparators& sep);
QString generalFormat(double value);

// The shortest text that reads back to the same double.
QString shortestDecimal(double value, const NumberSeparators& sep);
QString shortestDecimal(double value);

// The value a display format with `decimals` decimals shows (halves away from zero,
// decided on the decimal value): what a sum or quotient of shown values is made of.
double roundShown(double value, int decimals);

// Fixed decimals, padded on the left with blanks to `breite` characters ("  -5.0").
QString ZahlFormatieren(int breite, int dezimalen, double wert);

// Rounds to the given number of decimals, halves to the even neighbour
// (decided on the exact binary value).
double roundHalfEven(double value, int decimals = 0);

// Full-text parse with the given decimal separator; blanks around the number are
// allowed. Returns false (and leaves value untouched) for a text that is no number.
bool parseFloat(QStringView text, const NumberSeparators& sep, double& value);
bool parseFloat(QStringView text, double& value);
// A text that is no number counts as 0.
double floatOrZero(QStringView text);

// Whole-number parse ("StrToInt"): optional sign and digits, blanks allowed around.
bool parseInt(QStringView text, int& value);

} // namespace drel
