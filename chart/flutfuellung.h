// Flood fill of the area around a seed up to a border colour, as the chart
// fills the envelope polygons.
#pragma once

#include "chart/pixelfeld.h"

namespace drel::chart {

// Fills the 4-connected area around `start` with `fuellung`, bounded by pixels of
// colour `rand` (and by pixels that already have the fill colour). A seed outside
// the picture or on the border colour fills nothing. Colours are 0xRRGGBB (the alpha
// byte of the picture is kept at 0xFF).
void flutFuellen(PixelFeld bild, QPoint start, quint32 rand, quint32 fuellung);

} // namespace drel::chart
