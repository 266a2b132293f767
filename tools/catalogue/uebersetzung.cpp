#include "tools/catalogue/uebersetzung.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <array>
#include <stdexcept>
#include <string>
#include <utility>

namespace drel::katalog {

namespace {

using Zeile = std::array<QString, 8>; // French .. Korean in Text10 order

// The table: "#" starts a comment line; the first other line names the columns.
QHash<QString, Zeile> tabelleLesen() {
    QFile f(QStringLiteral(DREL_KATALOG_UEBERSETZUNGEN));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + f.fileName().toStdString());
    QHash<QString, Zeile> tabelle;
    bool kopf = true;
    int nummer = 0;
    for (const QByteArray& roh : f.readAll().split('\n')) {
        ++nummer;
        const QString zeile = QString::fromUtf8(roh).remove(QLatin1Char('\r'));
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#')))
            continue;
        const QStringList spalten = zeile.split(QLatin1Char('\t'));
        if (spalten.size() != 9)
            throw std::runtime_error("uebersetzungen.tsv line " + std::to_string(nummer) +
                                     ": 9 columns expected");
        if (std::exchange(kopf, false))
            continue;
        Zeile z;
        for (size_t i = 0; i < z.size(); ++i)
            z[i] = spalten.at(static_cast<qsizetype>(i) + 1);
        tabelle.insert(spalten.front(), z);
    }
    return tabelle;
}

const QHash<QString, Zeile>& tabelle() {
    static const QHash<QString, Zeile> t = tabelleLesen();
    return t;
}

QSet<QString>& fehlend() {
    static QSet<QString> s;
    return s;
}

} // namespace

Text10 uebersetzt(const QString& de, const QString& en) {
    Text10 x = Text10::gleich(en);
    x.t[1] = de;
    if (en.isEmpty())
        return x;
    const auto it = tabelle().constFind(en);
    if (it == tabelle().cend()) {
        fehlend().insert(en);
        return x;
    }
    for (size_t i = 0; i < it->size(); ++i)
        x.t[i + 2] = it->at(i);
    return x;
}

QStringList fehlendeUebersetzungen() {
    QStringList l(fehlend().cbegin(), fehlend().cend());
    l.sort();
    return l;
}

} // namespace drel::katalog
