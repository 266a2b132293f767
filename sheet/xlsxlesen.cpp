#include "sheet/xlsxlesen.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QtEndian>
#include <zlib.h>

namespace drel::sheet {

namespace {

quint32 u32(const QByteArray& a, qint64 pos) {
    return qFromLittleEndian<quint32>(a.constData() + pos);
}
quint16 u16(const QByteArray& a, qint64 pos) {
    return qFromLittleEndian<quint16>(a.constData() + pos);
}
bool passt(const QByteArray& a, qint64 pos, qint64 laenge) {
    return pos >= 0 && laenge >= 0 && pos + laenge <= a.size();
}

std::optional<QByteArray> entpacken(const QByteArray& daten, qint64 groesse) {
    QByteArray aus(static_cast<qsizetype>(groesse), '\0');
    z_stream s{};
    if (inflateInit2(&s, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(daten.constData()));
    s.avail_in = static_cast<uInt>(daten.size());
    s.next_out = reinterpret_cast<Bytef*>(aus.data());
    s.avail_out = static_cast<uInt>(aus.size());
    const int r = inflate(&s, Z_FINISH);
    const qint64 geschrieben = static_cast<qint64>(s.total_out);
    inflateEnd(&s);
    if (r != Z_STREAM_END || geschrieben != groesse)
        return std::nullopt;
    return aus;
}

// "B12" -> column 1 (from 0).
int spalteAus(QStringView ref) {
    int spalte = 0;
    qsizetype i = 0;
    for (; i < ref.size() && ref.at(i).isLetter(); ++i)
        spalte = spalte * 26 + (ref.at(i).toUpper().unicode() - 'A' + 1);
    return i == 0 ? -1 : spalte - 1;
}

QStringList geteilteTexte(const QByteArray& xml) {
    QStringList texte;
    QXmlStreamReader x(xml);
    QString aktuell;
    bool inSi = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == u"si") {
            inSi = true;
            aktuell.clear();
        } else if (x.isStartElement() && x.name() == u"t" && inSi) {
            aktuell += x.readElementText();
        } else if (x.isEndElement() && x.name() == u"si") {
            texte << aktuell;
            inSi = false;
        }
    }
    return texte;
}

} // namespace

std::optional<QByteArray> zipEintrag(const QByteArray& a, const QString& name, qint64 grenze) {
    // The end-of-central-directory record lies in the last 64 KiB + 22 bytes.
    qint64 ende = -1;
    for (qint64 pos = a.size() - 22; pos >= 0 && pos >= a.size() - 65557; --pos)
        if (u32(a, pos) == 0x06054b50) {
            ende = pos;
            break;
        }
    if (ende < 0)
        return std::nullopt;
    const int anzahl = u16(a, ende + 10);
    qint64 pos = u32(a, ende + 16);
    const QByteArray gesucht = name.toUtf8();
    for (int i = 0; i < anzahl; ++i) {
        if (!passt(a, pos, 46) || u32(a, pos) != 0x02014b50)
            return std::nullopt;
        const int methode = u16(a, pos + 10);
        const qint64 gepackt = u32(a, pos + 20);
        const qint64 groesse = u32(a, pos + 24);
        const int nameLaenge = u16(a, pos + 28);
        const qint64 weiter = 46 + nameLaenge + u16(a, pos + 30) + u16(a, pos + 32);
        const qint64 lokal = u32(a, pos + 42);
        if (!passt(a, pos + 46, nameLaenge))
            return std::nullopt;
        if (a.mid(pos + 46, nameLaenge) == gesucht) {
            if (!passt(a, lokal, 30) || u32(a, lokal) != 0x04034b50 || groesse > grenze)
                return std::nullopt;
            const qint64 daten = lokal + 30 + u16(a, lokal + 26) + u16(a, lokal + 28);
            if (!passt(a, daten, gepackt))
                return std::nullopt;
            const QByteArray roh = a.mid(daten, gepackt);
            if (methode == 0)
                return roh.size() == groesse ? std::optional(roh) : std::nullopt;
            if (methode == 8)
                return entpacken(roh, groesse);
            return std::nullopt;
        }
        pos += weiter;
    }
    return std::nullopt;
}

std::optional<std::vector<QStringList>> xlsxZellenLesen(const QByteArray& archiv, QString* grund) {
    const std::optional<QByteArray> blatt =
        zipEintrag(archiv, QStringLiteral("xl/worksheets/sheet1.xml"));
    if (!blatt) {
        if (grund)
            *grund =
                QCoreApplication::translate("drel::sheet::XlsxLesen", "kein lesbares Arbeitsblatt");
        return std::nullopt;
    }
    const QStringList geteilt =
        geteilteTexte(zipEintrag(archiv, QStringLiteral("xl/sharedStrings.xml")).value_or(""));
    std::vector<QStringList> zeilen;
    QXmlStreamReader x(*blatt);
    int spalte = -1;
    QString typ;
    const auto setzen = [&](const QString& text) {
        if (zeilen.empty() || spalte < 0 || spalte > 16383)
            return;
        QStringList& z = zeilen.back();
        while (z.size() <= spalte)
            z << QString();
        z[spalte] = text;
    };
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        if (x.name() == u"row") {
            bool ok = false;
            const int nummer = x.attributes().value(QLatin1StringView("r")).toInt(&ok);
            // Rows the sheet leaves out are empty rows.
            while (ok && nummer > 0 && nummer <= 1048576 &&
                   static_cast<int>(zeilen.size()) < nummer - 1)
                zeilen.emplace_back();
            zeilen.emplace_back();
        } else if (x.name() == u"c") {
            const QStringView ref = x.attributes().value(QLatin1StringView("r"));
            spalte = ref.isEmpty() ? (zeilen.empty() ? 0 : static_cast<int>(zeilen.back().size()))
                                   : spalteAus(ref);
            typ = x.attributes().value(QLatin1StringView("t")).toString();
        } else if (x.name() == u"v") {
            const QString v = x.readElementText();
            setzen(typ == u"s" ? geteilt.value(v.toInt()) : v);
        } else if (x.name() == u"t" && typ == u"inlineStr") {
            setzen(x.readElementText());
        }
    }
    if (x.hasError()) {
        if (grund)
            *grund = x.errorString();
        return std::nullopt;
    }
    return zeilen;
}

} // namespace drel::sheet
