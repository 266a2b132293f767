// The comparison's diagram: the envelope of each compared article (the polygon its
// margin is measured on) overlaid in one plane of t0 over tc, each with its rated
// point, in the article's colour. Drawn with QPainter, for the window, the printout
// and the PDF alike.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

namespace drel::sheet {

class Vergleich;

// The colour of the n-th compared article (0 to 3).
QColor vergleichsFarbe(std::size_t n);

// Draws into `ziel` (axes with a 10 K grid around all envelopes, the polygons, the
// points, a legend of the types); temperatures in °F with `fahrenheit`.
void vergleichsDiagrammZeichnen(QPainter& p, const QRectF& ziel, const Vergleich& vergleich,
                                bool fahrenheit = false);
QImage vergleichsDiagramm(const Vergleich& vergleich, QSize groesse, bool fahrenheit = false);

} // namespace drel::sheet
