#include "chart/graphenmaler.h"

#include "chart/graphflaeche.h"

#include <QPainter>

namespace drel::chart {

namespace {

QPen stift(const GraphDaten& graph, int breite) {
    return QPen(QColor::fromRgb(zuQRgb(graph.Farbe)), breite, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

} // namespace

GraphenMaler::GraphenMaler(QImage& bild, const Abbildung& abbildung, QPoint standardSaat, int scale)
    : bild_(bild), abbildung_(abbildung), standardSaat_(standardSaat), scale_(scale) {}

QPoint GraphenMaler::saat(const GraphDaten& graph) const {
    return fuellSaat(graph, abbildung_, standardSaat_);
}

void GraphenMaler::linienUndFuellung(const GraphDaten& graph, int g) {
    chart::linienUndFuellung(pixelFeld(bild_), abbildung_, graph, g, standardSaat_, scale_);
}

void GraphenMaler::kreuze(const GraphDaten& graph, WinFarbe& farbeKreuz) {
    const int breite = strichbreite(graph);
    const int n = graph.kreuze();
    if (n <= 0 || !graph.KreuzeZeigen || breite <= 0)
        return;
    for (int i = 0; i < n; ++i) {
        const double x = graph.kreuzX[static_cast<size_t>(i)];
        const double y = graph.kreuzY[static_cast<size_t>(i)];
        if (!abbildung_.imBereich(x, y))
            continue;
        const QPoint m = abbildung_.pixel(x, y);
        if (bild_.rect().contains(m))
            farbeKreuz = ausQRgb(bild_.pixel(m));
        QPainter p(&bild_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(stift(graph, breite));
        p.drawLine(m + QPoint(-4, -4), m + QPoint(4, 4));
        p.drawLine(m + QPoint(4, -4), m + QPoint(-4, 4));
    }
}

void GraphenMaler::alle(const ChartDaten& daten, int bisGraph, WinFarbe& farbeKreuz) {
    for (int g = 1; g <= bisGraph; ++g) {
        linienUndFuellung(daten.graph(g), g);
        kreuze(daten.graph(g), farbeKreuz);
    }
}

} // namespace drel::chart
