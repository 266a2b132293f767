// Reads back the cells of the first worksheet of an XLSX file with unzip, for tests.
#pragma once

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace drel::testing {

// The cells of sheet1 as "A1" → text (shared strings resolved, numbers as written).
inline QMap<QString, QString> xlsxZellen(const QString& datei) {
    auto teil = [&](const char* name) {
        QProcess p;
        p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), datei, QString::fromLatin1(name)});
        p.waitForFinished();
        return p.readAllStandardOutput();
    };
    QStringList geteilt;
    QXmlStreamReader s(teil("xl/sharedStrings.xml"));
    while (!s.atEnd()) {
        s.readNext();
        if (s.isStartElement() && s.name() == u"t")
            geteilt << s.readElementText();
    }
    QMap<QString, QString> zellen;
    QXmlStreamReader x(teil("xl/worksheets/sheet1.xml"));
    QString ref, typ;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == u"c") {
            ref = x.attributes().value(QLatin1StringView("r")).toString();
            typ = x.attributes().value(QLatin1StringView("t")).toString();
        } else if (x.isStartElement() && x.name() == u"v") {
            const QString v = x.readElementText();
            zellen[ref] = typ == u"s" ? geteilt.value(v.toInt()) : v;
        }
    }
    return zellen;
}

// "A1"-style name of a cell (columns A to Z), both indexes from 0.
inline QString zellName(int spalte, int zeile) {
    return QString(QLatin1Char(char('A' + spalte))) + QString::number(zeile + 1);
}

} // namespace drel::testing
