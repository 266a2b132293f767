// The lines of the chart's graphs, drawn by our own rasteriser so that the envelope
// test needs no painting library and gives the same pixels as the shown chart.
#pragma once

#include "chart/pixelfeld.h"

namespace drel::chart {

// A straight stroke of `breite` pixels with round ends from `a` to `b`, without
// antialiasing: every pixel whose centre lies in the stroke gets `farbe` (0xFFRRGGBB).
// The stroke is the band of half the width around the segment, its corners on a grid
// of 1/64 pixel, plus a disc of half the width around each end. A stroke of no length
// or no width draws nothing; pixels outside the picture are left out.
void strichZiehen(PixelFeld feld, QPoint a, QPoint b, int breite, quint32 farbe);

} // namespace drel::chart
