#include "chart/graphenmaler.h"

#include "chart/flutfuellung.h"

#include <QPainter>

namespace drel::chart {

WinFarbe fuellFarbe(int g) {
    switch (g) {
    case 1:
        return kFuellFarbe1;
    case 2:
        return kFuellFarbe2;
    case 3:
        return kFuellFarbe3;
    default:
        return 0;
    }
}

namespace {

QPen stift(const GraphDaten& graph, int breite) {
    return QPen(QColor::fromRgb(zuQRgb(graph.Farbe)), breite, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

} // namespace

GraphenMaler::GraphenMaler(QImage& bild, const Abbildung& abbildung, QPoint standardSaat, int scale)
    : bild_(bild), abbildung_(abbildung), standardSaat_(standardSaat), scale_(scale) {}

QPoint GraphenMaler::saat(const GraphDaten& graph) const {
    if (graph.punkte() < 2 || !graph.LinienZeigen)
        return standardSaat_;
    return abbildung_.pixel(graph.kurveX[0], graph.kurveY[0]) - QPoint(10, 10);
}

void GraphenMaler::linienUndFuellung(const GraphDaten& graph, int g) {
    const int breite = strichbreite(graph);
    const int n = graph.punkte();
    if (n >= 2 && graph.LinienZeigen && breite > 0) {
        QPainter p(&bild_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(stift(graph, breite));
        for (int i = 0; i + 1 < n; ++i) {
            const double x1 = graph.kurveX[static_cast<size_t>(i)];
            const double y1 = graph.kurveY[static_cast<size_t>(i)];
            const double x2 = graph.kurveX[static_cast<size_t>(i + 1)];
            const double y2 = graph.kurveY[static_cast<size_t>(i + 1)];
            if (abbildung_.imBereich(x1, y1) && abbildung_.imBereich(x2, y2))
                p.drawLine(abbildung_.pixel(x1, y1), abbildung_.pixel(x2, y2));
        }
    }
    if (const WinFarbe fuellung = fuellFarbe(g); fuellung != 0)
        flutFuellen(bild_, saat(graph), zuQRgb(kReinBlau), zuQRgb(fuellung));
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
