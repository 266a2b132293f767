#include "chart/chartdatei.h"

#include "base/dateischreiben.h"
#include "base/messagesink.h"
#include "base/numberformat.h"

namespace drel::chart {

QString keinGleitkommawert(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text);
}

QString keinIntegerwert(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
}

QString chartDatText(const ChartDaten& daten) {
    QString text;
    const int n = daten.graphen();
    text += QString::number(n) + u'\n';
    for (int g = 1; g <= n; ++g) {
        const GraphDaten& graph = daten.graph(g);
        const int punkte = graph.punkte();
        text += QString::number(punkte) + u'\n';
        for (int i = 0; i < punkte; ++i) {
            for (float wert :
                 {graph.kurveX[static_cast<size_t>(i)], graph.kurveY[static_cast<size_t>(i)]})
                text += QString::asprintf("%23.15E\n", static_cast<double>(wert));
        }
    }
    return text;
}

bool chartDatSchreiben(const QString& pfad, const ChartDaten& daten) {
    return dateiSchreibenOderMelden(pfad, chartDatText(daten).toLatin1());
}

namespace {

class Zeilenleser {
public:
    explicit Zeilenleser(const QString& text) : zeilen_(text.split(u'\n')) {}

    bool ganzzahl(int& wert, QString& fehler) {
        const QString zeile = naechste();
        if (zeile.isNull()) {
            fehler = QStringLiteral("unerwartetes Dateiende");
            return false;
        }
        bool ok = false;
        wert = zeile.trimmed().toInt(&ok);
        if (!ok || wert < 0) {
            fehler =
                QStringLiteral("Zeile %1: %2").arg(nummer_).arg(keinIntegerwert(zeile.trimmed()));
            return false;
        }
        return true;
    }

    bool zahl(double& wert, QString& fehler) {
        const QString zeile = naechste();
        if (zeile.isNull()) {
            fehler = QStringLiteral("unerwartetes Dateiende");
            return false;
        }
        // Written with a point; a hand-edited file may use the locale's separator.
        bool ok = false;
        wert = zeile.trimmed().toDouble(&ok);
        if (!ok)
            ok = parseFloat(zeile, wert);
        if (!ok) {
            fehler = QStringLiteral("Zeile %1: %2")
                         .arg(nummer_)
                         .arg(keinGleitkommawert(zeile.trimmed()));
            return false;
        }
        return true;
    }

private:
    QString naechste() {
        // Blank lines between values are tolerated.
        while (nummer_ < zeilen_.size()) {
            const QString& zeile = zeilen_[nummer_++];
            if (!zeile.trimmed().isEmpty())
                return zeile;
        }
        return {};
    }

    QStringList zeilen_;
    qsizetype nummer_ = 0;
};

} // namespace

std::optional<ChartDatInhalt> chartDatParsen(const QString& text, QString& fehler) {
    Zeilenleser leser(text);
    int graphen = 0;
    if (!leser.ganzzahl(graphen, fehler))
        return std::nullopt;
    ChartDatInhalt inhalt;
    for (int g = 0; g < graphen; ++g) {
        int punkte = 0;
        if (!leser.ganzzahl(punkte, fehler))
            return std::nullopt;
        QList<QPointF> graph;
        for (int i = 0; i < punkte; ++i) {
            double x = 0, y = 0;
            if (!leser.zahl(x, fehler) || !leser.zahl(y, fehler))
                return std::nullopt;
            graph.append(QPointF(x, y));
        }
        inhalt.append(graph);
    }
    return inhalt;
}

std::optional<ChartDatInhalt> chartDatLesen(const QString& pfad) {
    // The program writes a few thousand points at most; a larger file is not its own.
    constexpr qint64 hoechstens = 16 << 20;
    QString grund;
    const std::optional<QByteArray> bytes = einstellungsDateiLesen(pfad, hoechstens, &grund);
    if (!bytes) {
        report(QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(pfad) +
               (grund.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(grund)));
        return std::nullopt;
    }
    QString fehler;
    auto inhalt = chartDatParsen(QString::fromLatin1(*bytes), fehler);
    if (!inhalt)
        report(QStringLiteral("Die Datei \"%1\" ist fehlerhaft: %2").arg(pfad, fehler));
    return inhalt;
}

} // namespace drel::chart
