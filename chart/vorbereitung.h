// The corrections made before every drawing and printout: inverted or empty
// axis ranges, too many grid steps, and the oversampling factor.
#pragma once

#include "chart/chartdaten.h"

namespace drel::chart {

// a and b are the same within the chart's relative tolerance of 1e-5.
bool fastGleich(double a, double b);

// Swaps an inverted range, widens an empty one to min..min+1 with step 1 and
// limits the grid to 40 steps.
void achseKorrigieren(double& min, double& max, double& step);

// Scale limited to 1..10 and to a picture of at most 1600 x 1200 pixels.
quint16 scaleBegrenzen(quint16 scale, int breite, int hoehe);

// Both axes and Scale for a control of breite x hoehe pixels.
void vorbereiten(ChartDaten& daten, int breite, int hoehe);

} // namespace drel::chart
