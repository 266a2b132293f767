// The printout of a chart on any paint device (printer or PDF): positions and
// sizes in 0.1 mm with y growing upward, mapped onto the device's pixels.
#pragma once

#include "chart/chartdaten.h"

#include <QPainter>
#include <QSize>

namespace drel::chart {

// Prints by chart type: grid, numbers, graphs and crosses for types 0 and 2, then
// the labels; only the labels for the others. Areas are not filled and FarbeKreuz is
// not changed. `client` is the control's size (for the preparation), `quer` the
// landscape orientation of the printer. The caller opens and closes the print job.
void chartDrucken(QPainter& p, ChartDaten& daten, QSize client, bool quer);

} // namespace drel::chart
