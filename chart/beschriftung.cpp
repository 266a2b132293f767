#include "chart/beschriftung.h"

#include <QFontMetricsF>
#include <QGuiApplication>

namespace drel::chart {

bool textMoeglich() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

namespace {

void textBei(QPainter& p, double x, double y, Qt::Alignment ausrichtung, const QString& text) {
    // A wide box around the anchor: the alignment flags place the text.
    const double b = 4000;
    QRectF box(x - b, y - b, 2 * b, 2 * b);
    if (ausrichtung & Qt::AlignLeft)
        box.setLeft(x);
    if (ausrichtung & Qt::AlignRight)
        box.setRight(x);
    if (ausrichtung & Qt::AlignTop)
        box.setTop(y);
    if (ausrichtung & Qt::AlignBottom)
        box.setBottom(y);
    p.drawText(box, static_cast<int>(ausrichtung), text);
}

void parameterSchluessel(QPainter& p, const ChartDaten& daten, const QRectF& plot, double zeile,
                         double keyStrich) {
    QList<int> graphen;
    for (int g = 1; g <= daten.graphen(); ++g)
        if (!daten.graph(g).Parameter.isEmpty())
            graphen << g;
    const bool rechts = daten.ParameterPosition >= 2;
    const bool unten = daten.ParameterPosition == 1 || daten.ParameterPosition == 3;
    const double x0 = plot.left() + (rechts ? 0.6 : 0.0) * plot.width();
    const double blockHoehe = 1.1 * zeile * static_cast<double>(graphen.size());
    const double y0 = unten ? plot.bottom() - 0.06 * plot.height() - blockHoehe
                            : plot.top() + 0.06 * plot.height();
    for (int k = 0; k < graphen.size(); ++k) {
        const GraphDaten& graph = daten.graph(graphen[k]);
        const double y = y0 + 1.1 * zeile * k + zeile / 2;
        p.setPen(QPen(QColor::fromRgb(zuQRgb(graph.Farbe)), keyStrich));
        p.drawLine(QPointF(x0 + 0.01 * plot.width(), y), QPointF(x0 + 0.05 * plot.width(), y));
        p.setPen(Qt::black);
        textBei(p, x0 + 0.06 * plot.width(), y, Qt::AlignLeft | Qt::AlignVCenter, graph.Parameter);
    }
}

} // namespace

void beschriften(QPainter& p, const ChartDaten& daten, const QRectF& plot, const QFont& schrift,
                 double keyStrich) {
    if (!textMoeglich())
        return;
    p.save();
    p.setFont(schrift);
    p.setPen(Qt::black);
    const double zeile = QFontMetricsF(schrift, p.device()).height();
    const double mitte = plot.center().x();
    textBei(p, mitte, plot.top() - 1.5 * zeile, Qt::AlignHCenter | Qt::AlignTop, daten.ChartTitel);
    textBei(p, plot.left(), plot.top() - 0.2 * zeile, Qt::AlignLeft | Qt::AlignBottom,
            daten.ChartYAchse);
    textBei(p, mitte, plot.bottom() + 1.0 * zeile, Qt::AlignHCenter | Qt::AlignTop,
            daten.ChartXAchse);
    const QStringList zeilen = legenden(daten);
    for (int i = 0; i < zeilen.size(); ++i)
        textBei(p, plot.left(), plot.bottom() + (2.1 + 1.1 * i) * zeile,
                Qt::AlignLeft | Qt::AlignTop, zeilen[i]);
    parameterSchluessel(p, daten, plot, zeile, keyStrich);
    p.restore();
}

} // namespace drel::chart
