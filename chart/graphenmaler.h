// Draws the graphs onto the internal picture: polylines, the fills of graphs
// 1 to 3, and the crosses with the colour read under each of them.
#pragma once

#include "chart/abbildung.h"
#include "chart/graphflaeche.h"

#include <QImage>

namespace drel::chart {

// The pixels of a Format_RGB32 picture for the chart's own drawing.
inline PixelFeld pixelFeld(QImage& bild) {
    Q_ASSERT(bild.format() == QImage::Format_RGB32);
    return {reinterpret_cast<quint32*>(bild.bits()), bild.width(), bild.height(),
            bild.bytesPerLine() / static_cast<qsizetype>(sizeof(quint32))};
}

class GraphenMaler {
public:
    // `standardSaat` is the seed of a graph without lines: half the control's client size.
    GraphenMaler(QImage& bild, const Abbildung& abbildung, QPoint standardSaat, int scale);

    // Lines of graph g and, for graphs 1 to 3, the fill from its seed.
    void linienUndFuellung(const GraphDaten& graph, int g);
    // Crosses of the graph; farbeKreuz gets the colour under each cross before it is drawn.
    void kreuze(const GraphDaten& graph, WinFarbe& farbeKreuz);

    // Lines, fill and crosses of graphs 1..bisGraph in order (a cross of graph 2 sees
    // graphs 1 and 2 only).
    void alle(const ChartDaten& daten, int bisGraph, WinFarbe& farbeKreuz);

    // Seed of the fill of a graph.
    QPoint saat(const GraphDaten& graph) const;

private:
    int strichbreite(const GraphDaten& graph) const { return scale_ * graph.Strichstaerke; }

    QImage& bild_;
    const Abbildung& abbildung_;
    QPoint standardSaat_;
    int scale_;
};

} // namespace drel::chart
