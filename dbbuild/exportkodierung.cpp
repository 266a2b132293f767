#include "dbbuild/exportkodierung.h"

#include "base/cp1252.h"
#include "db/value.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>

namespace drel::dbbuild {
namespace {

enum class Kodierung { Utf8, Utf16LE, Utf16BE, Latin1, Cp1252 };

bool beginntMit(const QByteArray& xml, const char* muster, qsizetype laenge) {
    return xml.size() >= laenge && std::equal(muster, muster + laenge, xml.constData());
}

// The encoding attribute of the declaration, read from the ASCII bytes at the start.
QString deklarierteKodierung(const QByteArray& xml) {
    if (!xml.startsWith("<?xml"))
        return {};
    const qsizetype ende = xml.indexOf("?>");
    if (ende < 0)
        return {};
    static const QRegularExpression attribut(
        QStringLiteral(R"(encoding\s*=\s*["']([A-Za-z0-9._-]+)["'])"));
    const QRegularExpressionMatch treffer = attribut.match(QString::fromLatin1(xml.left(ende)));
    return treffer.hasMatch() ? treffer.captured(1) : QString();
}

Kodierung kodierungVon(const QByteArray& xml, const QString& dateiName) {
    if (beginntMit(xml, "\xFF\xFE", 2) || beginntMit(xml, "<\0?\0", 4))
        return Kodierung::Utf16LE;
    if (beginntMit(xml, "\xFE\xFF", 2) || beginntMit(xml, "\0<\0?", 4))
        return Kodierung::Utf16BE;
    const QString name = deklarierteKodierung(xml).toLower();
    if (name.isEmpty() || name == QLatin1String("utf-8") || name == QLatin1String("utf8"))
        return Kodierung::Utf8;
    if (name == QLatin1String("iso-8859-1") || name == QLatin1String("latin1") ||
        name == QLatin1String("iso_8859-1") || name == QLatin1String("us-ascii"))
        return Kodierung::Latin1;
    if (name == QLatin1String("windows-1252") || name == QLatin1String("cp1252"))
        return Kodierung::Cp1252;
    throw db::DbError(QStringLiteral("%1: Die Zeichenkodierung \"%2\" wird nicht unterstützt.")
                          .arg(dateiName, deklarierteKodierung(xml)));
}

// Length of the valid UTF-8 sequence at `i`, 0 when the bytes there are invalid
// (also overlong forms, surrogates and code points above U+10FFFF).
int utf8Laenge(const unsigned char* p, qsizetype rest) {
    const unsigned char b = p[0];
    if (b < 0x80)
        return 1;
    int laenge = 0;
    char32_t min = 0;
    char32_t wert = 0;
    if ((b & 0xE0) == 0xC0) {
        laenge = 2;
        min = 0x80;
        wert = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        laenge = 3;
        min = 0x800;
        wert = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        laenge = 4;
        min = 0x10000;
        wert = b & 0x07;
    } else {
        return 0;
    }
    if (rest < laenge)
        return 0;
    for (int k = 1; k < laenge; ++k) {
        if ((p[k] & 0xC0) != 0x80)
            return 0;
        wert = (wert << 6) | (p[k] & 0x3F);
    }
    if (wert < min || wert > 0x10FFFF || (wert >= 0xD800 && wert <= 0xDFFF))
        return 0;
    return laenge;
}

void utf8Pruefen(const QByteArray& xml, const QString& dateiName) {
    const auto* p = reinterpret_cast<const unsigned char*>(xml.constData());
    for (qsizetype i = 0; i < xml.size();) {
        // Exports are ASCII nearly throughout: eight such bytes are passed at once.
        if (xml.size() - i >= 8) {
            quint64 acht = 0;
            std::memcpy(&acht, p + i, sizeof acht);
            if ((acht & 0x8080808080808080ull) == 0) {
                i += 8;
                continue;
            }
        }
        const int laenge = utf8Laenge(p + i, xml.size() - i);
        if (laenge == 0) {
            throw db::DbError(QStringLiteral("%1: ungültige UTF-8-Bytefolge (%2)")
                                  .arg(dateiName, exportPosition(xml, i)));
        }
        i += laenge;
    }
}

QByteArray utf16NachUtf8(const QByteArray& xml, Kodierung kodierung, const QString& dateiName) {
    QStringDecoder decoder(kodierung == Kodierung::Utf16LE ? QStringConverter::Utf16LE
                                                           : QStringConverter::Utf16BE,
                           QStringConverter::Flag::Stateless);
    QString text = decoder.decode(xml);
    if (decoder.hasError() || xml.size() % 2 != 0)
        throw db::DbError(QStringLiteral("%1: ungültige UTF-16-Zeichenfolge").arg(dateiName));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text.toUtf8();
}

QByteArray einBytigNachUtf8(const QByteArray& xml, Kodierung kodierung) {
    QString text;
    text.reserve(xml.size());
    for (const char c : xml) {
        const auto byte = static_cast<unsigned char>(c);
        const char32_t zeichen = kodierung == Kodierung::Cp1252 ? cp1252ZuUnicode(byte) : byte;
        text.append(QChar(static_cast<char16_t>(zeichen)));
    }
    return text.toUtf8();
}

} // namespace

QString exportPosition(const QByteArray& xml, qsizetype offset) {
    const qsizetype ende = std::clamp<qsizetype>(offset, 0, xml.size());
    qsizetype zeile = 1;
    qsizetype zeilenAnfang = 0;
    for (qsizetype i = 0; i < ende; ++i) {
        if (xml[i] == '\n') {
            ++zeile;
            zeilenAnfang = i + 1;
        }
    }
    return QStringLiteral("Zeile %1, Spalte %2").arg(zeile).arg(ende - zeilenAnfang + 1);
}

QByteArray exportNachUtf8(const QByteArray& xml, const QString& dateiName) {
    const Kodierung kodierung = kodierungVon(xml, dateiName);
    switch (kodierung) {
    case Kodierung::Utf16LE:
    case Kodierung::Utf16BE:
        return utf16NachUtf8(xml, kodierung, dateiName);
    case Kodierung::Latin1:
    case Kodierung::Cp1252:
        return einBytigNachUtf8(xml, kodierung);
    case Kodierung::Utf8:
        break;
    }
    utf8Pruefen(xml, dateiName);
    return xml;
}

} // namespace drel::dbbuild
