// The lines of a graph and the fill of its area, as the shown chart and the envelope
// test both draw them (graphs 1 to 3 are filled from a seed up to the pure-blue border).
#pragma once

#include "chart/abbildung.h"
#include "chart/pixelfeld.h"

namespace drel::chart {

// Fill colour of graphs 1 to 3 (0 for the others: they are not filled).
WinFarbe fuellFarbe(int g);

// Seed of the fill of a graph: 10 pixels up and left of its first point, or
// `standardSaat` (half the control's client size) for a graph without lines.
QPoint fuellSaat(const GraphDaten& graph, const Abbildung& abbildung, QPoint standardSaat);

// Lines of graph g (each segment whose ends lie within the axes, `scale` times its
// line width) and, for graphs 1 to 3, the fill from its seed.
void linienUndFuellung(PixelFeld bild, const Abbildung& abbildung, const GraphDaten& graph, int g,
                       QPoint standardSaat, int scale);

} // namespace drel::chart
