// Flood fill of the area around a seed up to a border colour, as the chart
// fills the envelope polygons.
#pragma once

#include <QImage>
#include <QPoint>

namespace drel::chart {

// Fills the 4-connected area around `start` with `fuellung`, bounded by pixels of
// colour `rand` (and by pixels that already have the fill colour). A seed outside
// the picture or on the border colour fills nothing. `bild` must be Format_RGB32.
void flutFuellen(QImage& bild, QPoint start, QRgb rand, QRgb fuellung);

} // namespace drel::chart
