// Titles, axis captions, legends and parameter keys around a plot; shared by
// the polar and logarithmic drawings and the printout.
#pragma once

#include "chart/chartdaten.h"

#include <QFont>
#include <QPainter>
#include <QRectF>

namespace drel::chart {

// `plot` is the plot in device pixels (top = YMax, bottom = YMin); `schrift` the
// label font; `keyStrich` the width of the short key lines.
void beschriften(QPainter& p, const ChartDaten& daten, const QRectF& plot, const QFont& schrift,
                 double keyStrich);

// Fonts and text metrics need a GUI application object; without one (a command
// line run of the envelope test) texts are left out.
bool textMoeglich();

} // namespace drel::chart
