#include "dbbuild/wertebereiche.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace drel::dbbuild {
namespace {

// Plausible ranges by field kind. Temperatures of the application limits and the
// suction gas condition lie far inside −150..250 °C for any refrigerant this program
// rates; EN 12900 coefficients of real compressors stay below 1e6 in magnitude even for
// the cubic terms; other quantities (powers, currents, volumes, speeds) are
// non-negative and below 1e6 in their units. The first entry whose prefix begins the
// field name applies; the last one catches every other float field.
struct BereichsEintrag {
    const char* feldPraefix;
    Wertebereich bereich;
};

constexpr BereichsEintrag kBereiche[] = {
    {"KoordBlau", {-150.0, 250.0, false, "Grenzpunkt-Temperatur"}},
    {"KoordStrich", {-150.0, 250.0, false, "Grenzpunkt-Temperatur"}},
    {"KoordRot", {-150.0, 250.0, false, "Grenzpunkt-Temperatur"}},
    {"Sauggaswert", {-150.0, 250.0, false, "Sauggastemperatur oder Überhitzung"}},
    {"Kaelteleistung", {-1e6, 1e6, true, "Koeffizient"}},
    {"Antriebsleistung", {-1e6, 1e6, true, "Koeffizient"}},
    {"ElektrStrom", {-1e6, 1e6, false, "Koeffizient"}},
    {"KondensLeistung", {-1e6, 1e6, false, "Koeffizient"}},
    {"", {0.0, 1e6, false, "Kennwert"}},
};

bool ziffer(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Digits with at most one separator and at least one digit; returns the end.
qsizetype mantisseEnde(QStringView t, qsizetype i, bool& ok) {
    int ziffern = 0;
    int trenner = 0;
    for (; i < t.size(); ++i) {
        if (ziffer(t[i])) {
            ++ziffern;
        } else if (t[i] == QLatin1Char('.') || t[i] == QLatin1Char(',')) {
            ++trenner;
        } else {
            break;
        }
    }
    ok = ziffern > 0 && trenner <= 1;
    return i;
}

} // namespace

std::optional<double> exportGleitzahl(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    bool ok = false;
    i = mantisseEnde(t, i, ok);
    if (!ok)
        return std::nullopt;
    if (i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ++i;
        if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ++i;
        const qsizetype exponent = i;
        while (i < t.size() && ziffer(t[i]))
            ++i;
        if (i == exponent)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    // Only ASCII is left (sign, digits, one separator, exponent); ordinary numbers are
    // copied to the stack, a long run of digits to the heap.
    char kurz[64];
    std::string lang;
    char* ascii = kurz;
    if (t.size() >= static_cast<qsizetype>(sizeof kurz)) {
        lang.resize(static_cast<size_t>(t.size()));
        ascii = lang.data();
    }
    for (qsizetype k = 0; k < t.size(); ++k)
        ascii[k] = t[k] == QLatin1Char(',') ? '.' : static_cast<char>(t[k].unicode());
    const char* const schluss = ascii + t.size();
    const char* anfang = ascii;
    if (*anfang == '+')
        ++anfang;
    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(anfang, schluss, wert);
    if (fehler == std::errc::result_out_of_range) {
        // Too small gives 0 (a negative exponent), too large infinity.
        const std::string_view zahl(ascii, static_cast<size_t>(t.size()));
        const bool klein =
            zahl.find("e-") != std::string_view::npos || zahl.find("E-") != std::string_view::npos;
        return klein ? 0.0 : std::numeric_limits<double>::infinity();
    }
    if (fehler != std::errc() || ende != schluss)
        return std::nullopt;
    return wert;
}

std::optional<qint32> exportGanzzahl(QStringView text) {
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ++i;
    if (i == t.size())
        return std::nullopt;
    for (qsizetype k = i; k < t.size(); ++k) {
        if (!ziffer(t[k]))
            return std::nullopt;
    }
    bool ok = false;
    const int wert = t.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return qint32{wert};
}

const Wertebereich& wertebereichFuer(const QString& feld) {
    for (const BereichsEintrag& e : kBereiche) {
        if (feld.startsWith(QLatin1String(e.feldPraefix), Qt::CaseInsensitive))
            return e.bereich;
    }
    return kBereiche[std::size(kBereiche) - 1].bereich;
}

} // namespace drel::dbbuild
