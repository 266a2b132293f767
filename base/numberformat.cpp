#include "base/numberformat.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace drel {

namespace {

NumberSeparators& separatorsStorage() {
    static NumberSeparators separators = NumberSeparators::fromSystemLocale();
    return separators;
}

struct PatternShape {
    int minIntDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool grouping = false;
};

PatternShape analysePattern(QStringView pattern) {
    PatternShape shape;
    bool afterPoint = false;
    for (QChar c : pattern) {
        if (c == QLatin1Char('.')) {
            afterPoint = true;
        } else if (c == QLatin1Char(',')) {
            if (!afterPoint)
                shape.grouping = true;
        } else if (c == QLatin1Char('0')) {
            if (afterPoint) {
                ++shape.minDecimals;
                ++shape.maxDecimals;
            } else {
                ++shape.minIntDigits;
            }
        } else if (c == QLatin1Char('#')) {
            if (afterPoint)
                ++shape.maxDecimals;
        }
    }
    return shape;
}

// Adds one unit in the last place of a digit text ("9.99" -> "10.00").
void incrementLastDigit(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] == '.')
            continue;
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(0, 1, '1');
}

// Fixed notation of |value| with exactly `decimals` digits after the point, halves
// rounded away from zero as the display formats do (0.125 -> "0.13", 2.5 -> "3").
// The tie is decided on the decimal value the number stands for, its shortest text:
// 10.975 is stored a hair below its half but is written and read as 10.975, so it
// shows "10.98" like the hand calculation does.
std::string fixedDigits(double value, int decimals) {
    char buffer[512];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    auto point = text.find('.');
    if (point == std::string::npos) {
        point = text.size();
        text += '.';
    }
    const size_t cut = point + 1 + static_cast<size_t>(decimals);
    if (text.size() <= cut)
        text.append(cut + 1 - text.size(), '0');
    const char next = text[cut];
    text.resize(decimals == 0 ? point : cut);
    if (next >= '5')
        incrementLastDigit(text);
    return text;
}

QString groupThousands(const std::string& digits, QChar separator) {
    QString out;
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += QLatin1Char(digits[static_cast<size_t>(i)]);
    }
    return out;
}

bool isZeroText(const std::string& text) {
    for (char c : text)
        if (c >= '1' && c <= '9')
            return false;
    return true;
}

QString withSeparator(const std::string& text, QChar decimal) {
    QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    out.replace(QLatin1Char('.'), decimal);
    return out;
}

QString nonFiniteText(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
}

} // namespace

NumberSeparators NumberSeparators::fromSystemLocale() {
    const QLocale locale = QLocale::system();
    NumberSeparators sep;
    const QString dec = locale.decimalPoint();
    const QString grp = locale.groupSeparator();
    sep.decimal = dec.isEmpty() ? QLatin1Char('.') : dec.at(0);
    sep.thousands = grp.isEmpty() ? QLatin1Char(',') : grp.at(0);
    return sep;
}

const NumberSeparators& numberSeparators() {
    return separatorsStorage();
}

void setNumberSeparators(const NumberSeparators& separators) {
    separatorsStorage() = separators;
}

QString formatFloat(QStringView pattern, double value, const NumberSeparators& sep) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const PatternShape shape = analysePattern(pattern);
    std::string text = fixedDigits(value, shape.maxDecimals);
    const bool negative = std::signbit(value) && !isZeroText(text);

    std::string intPart = text;
    std::string fracPart;
    if (const auto point = text.find('.'); point != std::string::npos) {
        intPart = text.substr(0, point);
        fracPart = text.substr(point + 1);
    }
    while (static_cast<int>(fracPart.size()) > shape.minDecimals && !fracPart.empty() &&
           fracPart.back() == '0')
        fracPart.pop_back();
    // "#" before the point shows no leading zero when the pattern asks for no digit.
    while (intPart.size() > 1 && intPart.front() == '0')
        intPart.erase(0, 1);
    if (intPart == "0" && shape.minIntDigits == 0)
        intPart.clear();
    while (static_cast<int>(intPart.size()) < shape.minIntDigits)
        intPart.insert(0, 1, '0');

    QString out;
    if (negative)
        out += QLatin1Char('-');
    out += shape.grouping
               ? groupThousands(intPart, sep.thousands)
               : QString::fromLatin1(intPart.data(), static_cast<qsizetype>(intPart.size()));
    if (!fracPart.empty()) {
        out += sep.decimal;
        out += QString::fromLatin1(fracPart.data(), static_cast<qsizetype>(fracPart.size()));
    }
    return out;
}

QString formatFloat(QStringView pattern, double value) {
    return formatFloat(pattern, value, numberSeparators());
}

QString generalFormat(double value, const NumberSeparators& sep) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0.0)
        return QStringLiteral("0");
    char buffer[64];
    // 15 significant digits in scientific form tell the digits and the exponent.
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    std::string sci(buffer);
    const auto ePos = sci.find('e');
    const int exponent = std::stoi(sci.substr(ePos + 1));
    std::string mantissa = sci.substr(0, ePos);
    const bool negative = mantissa.front() == '-';
    if (negative)
        mantissa.erase(0, 1);
    std::string digits;
    for (char c : mantissa)
        if (c != '.')
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (exponent < -5 || exponent > 14) {
        out = digits.substr(0, 1);
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        out = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto intDigits = static_cast<size_t>(exponent + 1);
        if (digits.size() <= intDigits) {
            out = digits + std::string(intDigits - digits.size(), '0');
        } else {
            out = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    }
    return (negative ? QStringLiteral("-") : QString()) + withSeparator(out, sep.decimal);
}

QString generalFormat(double value) {
    return generalFormat(value, numberSeparators());
}

QString shortestDecimal(double value, const NumberSeparators& sep) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0.0)
        return QStringLiteral("0");
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (const auto e = text.find('e'); e != std::string::npos) {
        // "1e+20" reads as 1E20 in the program's number texts.
        std::string exponent = text.substr(e + 1);
        if (!exponent.empty() && exponent.front() == '+')
            exponent.erase(0, 1);
        text = text.substr(0, e) + "E" + exponent;
    }
    return withSeparator(text, sep.decimal);
}

QString shortestDecimal(double value) {
    return shortestDecimal(value, numberSeparators());
}

double roundShown(double value, int decimals) {
    if (!std::isfinite(value))
        return value;
    const std::string digits = fixedDigits(value, std::max(decimals, 0));
    double rounded = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), rounded);
    return value < 0.0 && rounded != 0.0 ? -rounded : rounded;
}

QString ZahlFormatieren(int breite, int dezimalen, double wert) {
    const QString pattern = dezimalen <= 0
                                ? QStringLiteral("0")
                                : QStringLiteral("0.") + QString(dezimalen, QLatin1Char('0'));
    QString text = formatFloat(pattern, wert);
    if (text.size() < breite)
        text.prepend(QString(breite - text.size(), QLatin1Char(' ')));
    return text;
}

double roundHalfEven(double value, int decimals) {
    if (!std::isfinite(value))
        return value;
    if (decimals <= 0)
        return std::nearbyint(value);
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    double rounded = value;
    std::from_chars(buffer, result.ptr, rounded);
    return rounded;
}

bool parseFloat(QStringView text, const NumberSeparators& sep, double& value) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    std::string ascii;
    ascii.reserve(static_cast<size_t>(trimmed.size()));
    bool seenSeparator = false;
    for (QChar c : trimmed) {
        if (c == sep.decimal) {
            if (seenSeparator)
                return false;
            seenSeparator = true;
            ascii += '.';
        } else if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') ||
                   c == QLatin1Char('-') || c == QLatin1Char('e') || c == QLatin1Char('E')) {
            ascii += static_cast<char>(c.unicode());
        } else {
            return false;
        }
    }
    const char* begin = ascii.data();
    if (*begin == '+')
        ++begin;
    double parsed = 0.0;
    auto result = std::from_chars(begin, ascii.data() + ascii.size(), parsed);
    if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size())
        return false;
    value = parsed;
    return true;
}

bool parseFloat(QStringView text, double& value) {
    return parseFloat(text, numberSeparators(), value);
}

double floatOrZero(QStringView text) {
    double value = 0.0;
    return parseFloat(text, value) ? value : 0.0;
}

bool parseInt(QStringView text, int& value) {
    bool ok = false;
    const int parsed = text.trimmed().toInt(&ok);
    if (!ok)
        return false;
    value = parsed;
    return true;
}

} // namespace drel
